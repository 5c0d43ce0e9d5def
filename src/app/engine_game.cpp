#include "app/engine_game.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "app/engine_process.h"
#include "app/language.h"
#include "engine/engine_list.h"
#include "interop/position.h"
#include "play/engine_turn.h"
#include "record/game_exchange.h"

namespace {

// A text of the settings dialog in the window's language.
QString DialogText(const char* text) {
  return TranslateText("Dialog", QString::fromUtf8(text));
}

QSettings Settings() {
  return QSettings(QStringLiteral("KAZEBAN"), QStringLiteral("KAZEBAN"));
}

QString OptionsKey(const QString& program) {
  return QStringLiteral("engine/options/") + QString::fromLatin1(QUrl::toPercentEncoding(program));
}

QString Text(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

QStringList OfferedEngines() {
  const std::string path = qEnvironmentVariable("PATH").toStdString();
  const std::string own = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
  QStringList out;
  for (const std::string& p : kazeban::エンジン一覧(path, own, [](const std::string& file) {
         const QFileInfo info(QFile::decodeName(file.c_str()));
         return info.isFile() && info.isExecutable();
       })) {
    out << QFile::decodeName(p.c_str());
  }
  for (const QString& p : Settings().value(QStringLiteral("engine/added")).toStringList()) {
    if (!out.contains(p)) out << p;
  }
  return out;
}

EngineChoice ChosenEngine() {
  QSettings s = Settings();
  EngineChoice c;
  c.program = s.value(QStringLiteral("engine/program")).toString();
  if (c.program.isEmpty()) {
    const QStringList offered = OfferedEngines();
    if (!offered.isEmpty()) c.program = offered.front();
  }
  c.byoyomi_ms = s.value(QStringLiteral("engine/byoyomi_ms"), 1000).toInt();
  if (c.byoyomi_ms < 100) c.byoyomi_ms = 100;
  const QVariantMap values = s.value(OptionsKey(c.program)).toMap();
  for (auto it = values.begin(); it != values.end(); ++it) {
    c.options.emplace_back(it.key().toStdString(), it.value().toString().toStdString());
  }
  return c;
}

void RememberEngine(const EngineChoice& choice) {
  QSettings s = Settings();
  s.setValue(QStringLiteral("engine/program"), choice.program);
  s.setValue(QStringLiteral("engine/byoyomi_ms"), choice.byoyomi_ms);
  QVariantMap values;
  for (const auto& [name, value] : choice.options) values.insert(Text(name), Text(value));
  s.setValue(OptionsKey(choice.program), values);
}

void AddEngine(const QString& program) {
  QSettings s = Settings();
  QStringList added = s.value(QStringLiteral("engine/added")).toStringList();
  if (!added.contains(program)) added << program;
  s.setValue(QStringLiteral("engine/added"), added);
}

bool EngineSettingsDialog(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(DialogText(QT_TRANSLATE_NOOP("Dialog", "ｴﾝｼﾞﾝ設定")));
  auto* engines = new QComboBox(&dialog);
  engines->setObjectName(QStringLiteral("engines"));
  engines->addItems(OfferedEngines());
  auto* add = new QPushButton(DialogText(QT_TRANSLATE_NOOP("Dialog", "追加…")), &dialog);
  auto* status = new QLabel(&dialog);
  auto* table = new QTableWidget(0, 3, &dialog);
  table->setObjectName(QStringLiteral("options"));
  table->setHorizontalHeaderLabels({DialogText(QT_TRANSLATE_NOOP("Dialog", "ｵﾌﾟｼｮﾝ")),
                                    DialogText(QT_TRANSLATE_NOOP("Dialog", "型")),
                                    DialogText(QT_TRANSLATE_NOOP("Dialog", "値"))});
  table->horizontalHeader()->setStretchLastSection(true);
  table->verticalHeader()->hide();
  auto* byoyomi = new QDoubleSpinBox(&dialog);
  byoyomi->setObjectName(QStringLiteral("byoyomi"));
  byoyomi->setRange(0.1, 600);
  byoyomi->setDecimals(1);
  byoyomi->setSuffix(DialogText(QT_TRANSLATE_NOOP("Dialog", " 秒")));
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  buttons->addButton(DialogText(QT_TRANSLATE_NOOP("Dialog", "ｷｬﾝｾﾙ")),
                     QDialogButtonBox::RejectRole);

  auto* row = new QHBoxLayout;
  row->addWidget(engines, 1);
  row->addWidget(add);
  auto* form = new QFormLayout;
  form->addRow(DialogText(QT_TRANSLATE_NOOP("Dialog", "ｴﾝｼﾞﾝ")), row);
  form->addRow(DialogText(QT_TRANSLATE_NOOP("Dialog", "1手の時間")), byoyomi);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(form);
  layout->addWidget(status);
  layout->addWidget(table, 1);
  layout->addWidget(buttons);
  dialog.resize(560, 480);

  const EngineChoice chosen = ChosenEngine();
  byoyomi->setValue(chosen.byoyomi_ms / 1000.0);

  // The options come from the engine itself: it is started for each engine shown and
  // its option lines fill the table, the values chosen before over the defaults.
  std::unique_ptr<EngineProcess> probe;
  std::vector<kazeban::USIオプション> declared;
  auto show = [&](const QString& program) {
    probe.reset();
    declared.clear();
    table->setRowCount(0);
    if (program.isEmpty()) {
      status->setText(DialogText(QT_TRANSLATE_NOOP("Dialog", "ｴﾝｼﾞﾝが見つかりません")));
      return;
    }
    status->setText(DialogText(QT_TRANSLATE_NOOP("Dialog", "読込中…")));
    QVariantMap values = Settings().value(OptionsKey(program)).toMap();
    probe = std::make_unique<EngineProcess>();
    EngineProcess* p = probe.get();
    QObject::connect(p, &EngineProcess::heard, &dialog, [&, p, values] {
      for (const kazeban::USI事象& e : p->Take()) {
        if (e.kind == kazeban::USI事象::種類::故障) {
          status->setText(Text(e.理由));
          continue;
        }
        if (e.kind != kazeban::USI事象::種類::準備完了) continue;
        status->setText(Text(p->host().名前()));
        declared = p->host().オプション();
        table->setRowCount(static_cast<int>(declared.size()));
        for (int r = 0; r < static_cast<int>(declared.size()); ++r) {
          const kazeban::USIオプション& o = declared[static_cast<size_t>(r)];
          auto* name = new QTableWidgetItem(Text(o.名前));
          name->setFlags(name->flags() & ~Qt::ItemIsEditable);
          auto* type = new QTableWidgetItem(Text(o.型));
          type->setFlags(type->flags() & ~Qt::ItemIsEditable);
          QString tip = Text(o.既定値);
          if (!o.最小.empty()) tip = Text(o.最小 + "…" + o.最大);
          for (const std::string& v : o.選択肢) tip += Text(v) + QStringLiteral(" ");
          type->setToolTip(tip);
          auto* value = new QTableWidgetItem(values.value(Text(o.名前), Text(o.既定値)).toString());
          if (o.型 == "button") value->setFlags(value->flags() & ~Qt::ItemIsEditable);
          table->setItem(r, 0, name);
          table->setItem(r, 1, type);
          table->setItem(r, 2, value);
        }
        table->resizeColumnsToContents();
        p->Kill();
      }
    });
    p->Start(program, {});
  };
  QObject::connect(engines, &QComboBox::currentTextChanged, &dialog, show);
  QObject::connect(add, &QPushButton::clicked, &dialog, [&] {
    const QString program =
        QFileDialog::getOpenFileName(&dialog, DialogText(QT_TRANSLATE_NOOP("Dialog", "ｴﾝｼﾞﾝ")));
    if (program.isEmpty()) return;
    AddEngine(program);
    if (engines->findText(program) < 0) engines->addItem(program);
    engines->setCurrentText(program);
  });
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (engines->findText(chosen.program) < 0 && !chosen.program.isEmpty())
    engines->addItem(chosen.program);
  engines->setCurrentText(chosen.program);
  show(engines->currentText());

  if (dialog.exec() != QDialog::Accepted) return false;
  EngineChoice c;
  c.program = engines->currentText();
  c.byoyomi_ms = static_cast<int>(byoyomi->value() * 1000 + 0.5);
  // Only the values the player changed are kept and sent.
  for (int r = 0; r < table->rowCount() && r < static_cast<int>(declared.size()); ++r) {
    const kazeban::USIオプション& o = declared[static_cast<size_t>(r)];
    const std::string value = table->item(r, 2)->text().toStdString();
    if (o.型 != "button" && value != o.既定値) c.options.emplace_back(o.名前, value);
  }
  if (declared.empty()) c.options = chosen.program == c.program ? chosen.options : c.options;
  RememberEngine(c);
  return true;
}

// The window's side of the engine games: one engine process per game.
class EngineGame::Runner : public kazeban::エンジン窓口 {
 public:
  Runner(kazeban::Form1& f, QWidget* window) : f_(f), window_(window) { f_.エンジン = this; }
  ~Runner() override { f_.エンジン = nullptr; }

  void Start(bool person_first);
  void 考えて(kazeban::Form1& f) override;
  void 終わった(kazeban::Form1& f, std::optional<kazeban::Color> winner) override;

 private:
  void Launch(bool person_first);
  void Ask();
  void Deliver();

  kazeban::Form1& f_;
  QWidget* window_;
  std::unique_ptr<EngineProcess> engine_;
  EngineChoice choice_;
  bool engine_first_ = false;
  bool ready_ = false;
  bool waiting_ = false;  // asked to think, not yet sent (the engine is starting)
  int asked_at_ = -1;     // the record's length when the engine was asked
};

EngineGame::EngineGame(kazeban::Form1& f, QWidget* window)
    : runner_(std::make_unique<Runner>(f, window)) {}

EngineGame::~EngineGame() = default;

void EngineGame::Start(bool person_first) {
  runner_->Start(person_first);
}

void EngineGame::Runner::Start(bool person_first) {
  using namespace kazeban;
  choice_ = ChosenEngine();
  if (choice_.program.isEmpty()) {
    f_.controls.MessageOK("ｴﾝｼﾞﾝ",
                          "USIｴﾝｼﾞﾝが見つかりません\n"
                          "fairy-stockfish を入れるか、ｴﾝｼﾞﾝ設定で選んで下さい");
    return;
  }
  // A fresh engine for every game; the one before is let go.
  waiting_ = false;
  asked_at_ = -1;
  Launch(person_first);
  エンジン対局_開始(f_, person_first, ファイル名(QFile::encodeName(choice_.program).toStdString()));
}

void EngineGame::Runner::考えて(kazeban::Form1& f) {
  asked_at_ = f.s.KIFU_SUU;
  waiting_ = true;
  if (engine_ == nullptr || engine_->host().今の段階() == kazeban::USIホスト::段階::終了) {
    // The engine failed or was let go: it is started again for the game on the board.
    Launch(f.s.SITA_SENGO == kazeban::SENTE);
    return;
  }
  if (ready_) Ask();
}

void EngineGame::Runner::Launch(bool person_first) {
  engine_ = std::make_unique<EngineProcess>();
  ready_ = false;
  engine_first_ = !person_first;
  // Queued: a program that cannot start is heard of during Start, before the game is
  // set up; every answer is handled from the event loop, never inside another handler.
  QObject::connect(
      engine_.get(), &EngineProcess::heard, window_, [this] { Deliver(); }, Qt::QueuedConnection);
  engine_->Start(choice_.program, choice_.options);
}

void EngineGame::Runner::Ask() {
  using namespace kazeban;
  waiting_ = false;
  // The game as the record on the board holds it, in the engine's orientation: the
  // first mover is black.
  const GameState start = 記録の開始局面(f_.s);
  Position p = 局面(start, engine_first_ ? Color::White : Color::Black);
  std::vector<棋譜の手> moves;
  for (int n = 1; n <= f_.s.KIFU_SUU; ++n) {
    const 棋譜の手 m{f_.s.KIFU_MOTO_I[n], f_.s.KIFU_MOTO_J[n], f_.s.KIFU_SAKI_I[n],
                     f_.s.KIFU_SAKI_J[n], f_.s.KIFU_NARI[n],   f_.s.KIFU_KOMA[n],
                     f_.s.KIFU_TORI[n]};
    moves.push_back(engine_first_ ? 回した手(m) : m);
  }
  if (engine_first_) p = 回した局面(p);
  engine_->host().局面を設定(p, moves);
  engine_->host().思考(choice_.byoyomi_ms, engine_->Now());
  engine_->Flush();
}

void EngineGame::Runner::終わった(kazeban::Form1& /*f*/, std::optional<kazeban::Color> winner) {
  using kazeban::USIホスト;
  waiting_ = false;
  asked_at_ = -1;
  if (engine_ == nullptr) return;
  engine_->host().終局(!winner                            ? USIホスト::結果::引分
                       : *winner == kazeban::Color::White ? USIホスト::結果::勝ち
                                                          : USIホスト::結果::負け);
  engine_->Flush();
  engine_->Kill();
}

void EngineGame::Runner::Deliver() {
  using namespace kazeban;
  if (engine_ == nullptr || f_.終了済) return;
  // A box of another handler is open: the answer waits for it.
  処理ガード guard(f_);
  if (!guard) {
    QTimer::singleShot(100, window_, [this] { Deliver(); });
    return;
  }
  EngineProcess* engine = engine_.get();
  for (const USI事象& e : engine->Take()) {
    const bool on = エンジン対局中(f_);
    const bool engines_turn = on && f_.s.TEBAN == f_.s.UE_SENGO && f_.s.KIFU_SUU == asked_at_;
    switch (e.kind) {
      case USI事象::種類::準備完了:
        ready_ = true;
        if (on && !engine->host().名前().empty()) {
          f_.エンジン名 = engine->host().名前();
          f_.由来.上側の名 = f_.エンジン名;
        }
        if (engines_turn && waiting_) Ask();
        break;
      case USI事象::種類::指し手:
        if (engines_turn) {
          const 棋譜の手 m = engine_first_ ? 回した手(e.手) : e.手;
          if (!対局続行(エンジンの手(f_, m))) return;
        } else if (on) {
          エンジンの答えを捨てる(f_);
        }
        break;
      case USI事象::種類::投了:
      case USI事象::種類::勝ち宣言:
        if (engines_turn) {
          エンジン対局_終局(f_, e.kind == USI事象::種類::勝ち宣言);
          return;
        }
        if (on) エンジンの答えを捨てる(f_);
        break;
      case USI事象::種類::故障:
        if (on && f_.s.TEBAN != NASHI) エンジン故障(f_, e.理由);
        return;
    }
    if (engine != engine_.get()) return;
  }
}
