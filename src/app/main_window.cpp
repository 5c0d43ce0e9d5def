#include "app/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>

#include "app/board_view.h"
#include "app/engine_game.h"
#include "app/kept_image.h"
#include "app/language.h"
#include "app/record_exchange.h"
#include "app/record_panel.h"
#include "app/window_controls.h"
#include "play/about_box.h"
#include "play/form.h"
#include "play/game_menu.h"
#include "play/handicap.h"
#include "play/language.h"
#include "play/mouse_input.h"
#include "play/options.h"
#include "play/standard_game.h"
#include "play/start_up.h"
#include "record/exchange_commands.h"
#include "record/journal_window.h"
#include "record/journal_writer.h"
#include "record/navigation.h"
#include "record/record_commands.h"

// The journal and the files and clock it writes with, off the window's thread. The
// writer goes last: what it still holds is written before the program ends.
struct Journal {
  explicit Journal(const QString& folder) : writer(disk), hook(writer, folder.toStdString()) {}
  kazeban::実の記録ポート disk;
  kazeban::後書きポート writer;
  kazeban::窓の対局記録 hook;
};

QString JournalFolder() {
  if (qEnvironmentVariableIsSet("KAZEBAN_JOURNAL_DIR")) {
    const QString dir = qEnvironmentVariable("KAZEBAN_JOURNAL_DIR");
    return dir.isEmpty() ? QString() : QDir::cleanPath(QDir(dir).absolutePath());
  }
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return documents.isEmpty() ? QString() : QDir::cleanPath(documents + QStringLiteral("/KAZEBAN"));
}

void InstallFontSubstitutes() {
  QFont::insertSubstitutions(
      QStringLiteral("ＭＳ Ｐ明朝"),
      {QStringLiteral("IPAPMincho"), QStringLiteral("IPAexMincho"), QStringLiteral("IPAMincho")});
}

void SetSourceCaption(QAction* action, const char* caption) {
  action->setProperty("sourceCaption", QString::fromUtf8(caption));
  action->setText(TranslateText("Menu", QString::fromUtf8(caption)));
}

MainWindow::MainWindow(const QStringList& sound_folders, QWidget* parent) : QMainWindow(parent) {
  translations_ = std::make_unique<Translations>();
  setWindowTitle(QStringLiteral("KAZEBAN"));
  const QScreen* screen = QGuiApplication::primaryScreen();
  const qreal dpr = screen != nullptr ? screen->devicePixelRatio() : qApp->devicePixelRatio();
  image_ = std::make_unique<KeptImage>(kazeban::FORM_WIDTH_TWIPS, kazeban::FORM_HEIGHT_TWIPS, dpr);
  view_ = new BoardView(*image_, this);
  setCentralWidget(view_);
  journal_folder_ = JournalFolder();
  panel_ = std::make_unique<RecordPanel>(*view_, journal_folder_);
  controls_ = std::make_unique<WindowControls>(*this, *panel_);
  std::vector<std::string> folders;
  for (const QString& folder : sound_folders)
    folders.push_back(QFile::encodeName(folder).toStdString());
  form_ = std::make_unique<kazeban::Form1>(*image_, *controls_, std::move(folders), 1);
  BuildMenus();
  ConnectPanel();
  OpenJournal();
  view_->onMousePress = [this](int button, int shift, double x, double y) {
    kazeban::Form_MouseDown(*form_, button, shift, x, y);
  };
  view_->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::Load() {
  // Start-up is an event of the window like any other: while its warning box is open,
  // no other handler runs and the window does not close.
  kazeban::処理ガード guard(*form_);
  kazeban::Form_Load(*form_);
}

void MainWindow::OpenFile(const QString& path) {
  const std::string name = QFile::encodeName(path).toStdString();
  // Any other format reads as 取込 reads it (which guards itself and hides the panel);
  // a record file as the panel reads it.
  if (!path.endsWith(QStringLiteral(".棋譜"))) {
    kazeban::棋譜ファイル_取込(*form_, name);
    return;
  }
  kazeban::処理ガード guard(*form_);
  if (!guard) return;
  kazeban::パネル_隠す(*form_);
  kazeban::棋譜ファイル_読込(*form_, name);
}

QAction* MainWindow::item(const QString& name) const {
  return findChild<QAction*>(name);
}

Language MainWindow::language() const {
  return translations_->language();
}

void MainWindow::SetLanguage(Language language, bool remember) {
  kazeban::処理ガード guard(*form_);
  if (!guard) return;
  translations_->Install(language);
  const Language now = translations_->language();
  if (remember) RememberLanguage(now);
  Retranslate();
  panel_->Retranslate();
  kazeban::言語_切替(
      *form_, now == Language::Japanese ? kazeban::表示言語::日本語 : kazeban::表示言語::英語);
  if (QAction* japanese = item(QStringLiteral("LANGUAGE_JA"))) {
    japanese->setChecked(now == Language::Japanese);
  }
  if (QAction* english = item(QStringLiteral("LANGUAGE_EN"))) {
    english->setChecked(now == Language::English);
  }
}

void MainWindow::Retranslate() {
  for (QAction* a : findChildren<QAction*>()) {
    const QVariant source = a->property("sourceCaption");
    if (source.isValid()) a->setText(TranslateText("Menu", source.toString()));
  }
}

QMenu* MainWindow::AddMenu(QMenu* parent, const char* caption, const char* name) {
  QMenu* menu = parent != nullptr ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
  menu->setObjectName(QString::fromUtf8(name) + QStringLiteral("_menu"));
  menu->menuAction()->setObjectName(QString::fromUtf8(name));
  SetSourceCaption(menu->menuAction(), caption);
  return menu;
}

QAction* MainWindow::AddItem(QMenu* parent, const char* caption, const char* name,
                             void (*handler)(kazeban::Form1&), bool checkable) {
  QAction* a = parent != nullptr ? parent->addAction(QString()) : menuBar()->addAction(QString());
  a->setObjectName(QString::fromUtf8(name));
  SetSourceCaption(a, caption);
  a->setParent(this);
  if (handler == nullptr) {
    // Its command comes with a later part of the game.
    a->setEnabled(false);
    return a;
  }
  if (checkable) {
    // The check mark changes only when the handler says so, as in the game's menus:
    // undo the toggle Qt makes before the handler runs.
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, a, handler](bool checked) {
      a->setChecked(!checked);
      handler(*form_);
    });
  } else {
    connect(a, &QAction::triggered, this, [this, handler] { handler(*form_); });
  }
  return a;
}

void MainWindow::BuildMenus() {
  using namespace kazeban;

  // 対局: a game between people, against the computer, the computer's level, the end.
  QMenu* taikyoku = AddMenu(nullptr, QT_TRANSLATE_NOOP("Menu", "対局"), "TAIKYOKU");
  connect(taikyoku, &QMenu::aboutToShow, this, [this] { TAIKYOKU_Click(*form_); });
  QMenu* match_man = AddMenu(taikyoku, QT_TRANSLATE_NOOP("Menu", "対局(人間)"), "MATCH_MAN");
  AddItem(match_man, QT_TRANSLATE_NOOP("Menu", "スタート"), "START", START_Click);
  QMenu* start2 = AddMenu(taikyoku, QT_TRANSLATE_NOOP("Menu", "対局(COM)"), "START2");
  AddItem(start2, QT_TRANSLATE_NOOP("Menu", "先手"), "SENTE", SENTE_Click);
  AddItem(start2, QT_TRANSLATE_NOOP("Menu", "後手"), "GOTE", GOTE_Click);
  QMenu* level = AddMenu(taikyoku, QT_TRANSLATE_NOOP("Menu", "COM対局ﾚﾍﾞﾙ"), "LEVEL");
  controls_->SetCheckAction(MenuCheck::LEVEL1,
                            AddItem(level, "LEVEL1", "LEVEL1", LEVEL1_Click, true));
  controls_->SetCheckAction(MenuCheck::LEVEL2,
                            AddItem(level, "LEVEL2", "LEVEL2", LEVEL2_Click, true));
  controls_->SetCheckAction(MenuCheck::LEVEL3,
                            AddItem(level, "LEVEL3", "LEVEL3", LEVEL3_Click, true));
  AddItem(taikyoku, QT_TRANSLATE_NOOP("Menu", "終わり"), "OWARI", OWARI_Click);
  BuildEngineMenu(taikyoku);
  // Resigning, for games under standard rules, after the designed items.
  AddItem(taikyoku, QT_TRANSLATE_NOOP("Menu", "投了"), "TOURYOU", TOURYOU_Click);

  // 局面: back to the start, turning the board; stepping back and forth; the handicap
  // grade; the record files.
  QMenu* stop = AddMenu(nullptr, QT_TRANSLATE_NOOP("Menu", "局面"), "STOP");
  connect(stop, &QMenu::aboutToShow, this, [this] { STOP_Click(*form_); });
  AddItem(stop, QT_TRANSLATE_NOOP("Menu", "最初"), "CANCEL", CANCEL_Click);
  AddItem(stop, QT_TRANSLATE_NOOP("Menu", "反転"), "REVERSE", REVERSE_Click);
  AddItem(nullptr, QT_TRANSLATE_NOOP("Menu", "戻"), "REPLAY", REPLAY_Click);
  AddItem(nullptr, QT_TRANSLATE_NOOP("Menu", "進"), "AFTER", AFTER_Click);
  AddItem(nullptr, QT_TRANSLATE_NOOP("Menu", "△"), "LBEL_UP", LBEL_UP_Click);
  AddItem(nullptr, QT_TRANSLATE_NOOP("Menu", "▽"), "LEBEL_DOWN", LEBEL_DOWN_Click);
  QMenu* kifu = AddMenu(nullptr, QT_TRANSLATE_NOOP("Menu", "棋譜"), "KIFU");
  AddItem(kifu, QT_TRANSLATE_NOOP("Menu", "読込"), "KIFU_READ", KIFU_READ_Click);
  AddItem(kifu, QT_TRANSLATE_NOOP("Menu", "書込"), "KIFU_WRITE", KIFU_WRITE_Click);
  // The records of the other shogi programs, after the record file's own items.
  exchange_ = std::make_unique<RecordExchange>(*this);
  exchange_->AddItems(kifu);

  // ｵﾌﾟｼｮﾝ: guidance and the background tune.
  QMenu* option = AddMenu(nullptr, QT_TRANSLATE_NOOP("Menu", "ｵﾌﾟｼｮﾝ"), "OPTION");
  connect(option, &QMenu::aboutToShow, this, [this] { OPTION_Click(*form_); });
  controls_->SetCheckAction(MenuCheck::SIDOU, AddItem(option, QT_TRANSLATE_NOOP("Menu", "移動指導"),
                                                      "SIDOU", SIDOU_Click, true));
  controls_->SetCheckAction(MenuCheck::BGM, AddItem(option, "BGM", "BGM", BGM_Click, true));
  // Standard shogi's rules instead of KAZEBAN's own, after the designed items.
  controls_->SetCheckAction(
      MenuCheck::HYOUJUN,
      AddItem(option, QT_TRANSLATE_NOOP("Menu", "標準ﾙｰﾙ"), "HYOUJUN", HYOUJUN_Click, true));
  // The language, named in itself, in both languages.
  QMenu* language = AddMenu(option, QT_TRANSLATE_NOOP("Menu", "言語(Language)"), "LANGUAGE");
  auto* languages = new QActionGroup(this);
  const struct {
    const char* caption;
    const char* name;
    Language value;
  } choices[] = {{"日本語", "LANGUAGE_JA", Language::Japanese},
                 {"English", "LANGUAGE_EN", Language::English}};
  for (const auto& choice : choices) {
    QAction* a = language->addAction(QString::fromUtf8(choice.caption));
    a->setObjectName(QString::fromUtf8(choice.name));
    a->setParent(this);
    a->setCheckable(true);
    a->setChecked(choice.value == Language::Japanese);
    languages->addAction(a);
    const Language value = choice.value;
    connect(a, &QAction::triggered, this, [this, value] { SetLanguage(value, true); });
  }

  // その他: the about box.
  AddItem(nullptr, QT_TRANSLATE_NOOP("Menu", "その他"), "VER", VER_Click);
}

void MainWindow::BuildEngineMenu(QMenu* taikyoku) {
  engine_game_ = std::make_unique<EngineGame>(*form_, this);
  QMenu* engine = AddMenu(taikyoku, QT_TRANSLATE_NOOP("Menu", "対局(ｴﾝｼﾞﾝ)"), "ENGINE");
  // Each item is an event of the window like the designed ones.
  auto add = [&](const char* caption, const char* name, auto handler) {
    QAction* a = engine->addAction(QString());
    a->setObjectName(QString::fromUtf8(name));
    SetSourceCaption(a, caption);
    a->setParent(this);
    connect(a, &QAction::triggered, this, [this, handler] {
      kazeban::処理ガード guard(*form_);
      if (!guard) return;
      kazeban::パネル_隠す(*form_);
      handler();
    });
  };
  add(QT_TRANSLATE_NOOP("Menu", "先手"), "ENGINE_SENTE", [this] { engine_game_->Start(true); });
  add(QT_TRANSLATE_NOOP("Menu", "後手"), "ENGINE_GOTE", [this] { engine_game_->Start(false); });
  add(QT_TRANSLATE_NOOP("Menu", "ｴﾝｼﾞﾝ設定…"), "ENGINE_SETTINGS",
      [this] { EngineSettingsDialog(this); });
}

void MainWindow::ConnectPanel() {
  using namespace kazeban;
  // A volume chosen by the player; a directory chosen by the player or by the program
  // (a handler that set it is still running then, and this one is refused).
  connect(panel_->drive1, &QComboBox::activated, this, [this] { Drive1_Change(*form_); });
  connect(panel_->dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this] { Dir1_Change(*form_); });
  // Reading or writing a file makes its directory the one the panel opens in next.
  connect(panel_->file1, &QAbstractItemView::clicked, this, [this] {
    const QString used = panel_->FilePath();
    File1_Click(*form_);
    RecordPanel::RememberDirectory(used);
  });
  connect(panel_->command1, &QPushButton::clicked, this, [this] {
    const QString used = panel_->DirPath();
    Command1_Click(*form_);
    RecordPanel::RememberDirectory(used);
  });
}

void MainWindow::OpenJournal() {
  if (journal_folder_.isEmpty()) return;
  journal_ = std::make_unique<Journal>(journal_folder_);
  form_->記録先 = &journal_->hook;
  // The boxes are emptied whenever the panel hides: the names are taken as typed.
  for (int box = 2; box <= 4; ++box) {
    connect(panel_->text[box], &QLineEdit::textEdited, this,
            [this] { journal_->hook.名前を入力(*form_); });
  }
  // Until the player has used a directory of their own, the panel opens where the
  // games are kept, as soon as the first of them is there.
  connect(item(QStringLiteral("KIFU"))->menu(), &QMenu::aboutToShow, this, [this] {
    if (!RecordPanel::RememberedDirectory().isEmpty()) return;
    if (panel_->DirPath() != RecordPanel::StartDirectory(QString())) return;
    if (!QFileInfo(journal_folder_).isDir()) return;
    panel_->SetDirPath(journal_folder_);
    panel_->SetFilePath(journal_folder_);
  });
}

void MainWindow::FlushJournal() {
  if (journal_ != nullptr) (void)journal_->writer.書き終える();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (kazeban::Form_Unload(*form_)) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // Keys typed into the record panel's boxes stay there.
  QWidget* focus = QApplication::focusWidget();
  if (focus != nullptr && focus != view_ && view_->isAncestorOf(focus)) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  const int key = event->key() == Qt::Key_Escape ? 27 : event->key();
  int shift = 0;
  if (event->modifiers() & Qt::ShiftModifier) shift |= 1;
  if (event->modifiers() & Qt::ControlModifier) shift |= 2;
  if (event->modifiers() & Qt::AltModifier) shift |= 4;
  kazeban::Form_KeyDown(*form_, key, shift);
}

// The window manager frames the window some time after it is first shown.
void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  controls_->FitWhenFramed();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  controls_->FitWhenFramed();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  controls_->FitWhenFramed();
}
