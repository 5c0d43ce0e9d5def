// Games against an engine in the real window: a scripted fake engine for every way an
// engine can answer, the settings dialog over its option lines, and (under Xvfb, with
// fairy-stockfish) a whole game played by mouse.
#include <QDialog>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QtTest>

#include "app/board_view.h"
#include "app/engine_game.h"
#include "app/main_window.h"
#include "app/record_panel.h"
#include "app/window_controls.h"
#include "fake_sound.h"
#include "play/form.h"

namespace {

struct ShownBox {
  QString title, text;
};

}  // namespace

class EngineGameTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The settings are cleared and rewritten: never a player's own.
    if (!qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) QFAIL("XDG_CONFIG_HOME must be set");
    InstallFontSubstitutes();
    QSettings(QStringLiteral("KAZEBAN"), QStringLiteral("KAZEBAN")).clear();
  }

  void init() {
    kazeban::testing::ResetFakeSound();
    boxes_.clear();
    journal_ = std::make_unique<QTemporaryDir>();
    qputenv("KAZEBAN_JOURNAL_DIR", journal_->path().toLocal8Bit());
    EngineChoice c;
    c.program = QStringLiteral(KAZEBAN_FAKE_ENGINE);
    c.byoyomi_ms = 100;
    RememberEngine(c);
    window_ = std::make_unique<MainWindow>(QStringLiteral("/nonexistent"));
    window_->controls().answerBox = [this](const QString& title, const QString& text, bool) {
      boxes_.push_back({title, text});
      return true;  // another game after the end
    };
    window_->controls().onQuit = [] {};
    window_->Load();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void cleanup() { window_.reset(); }

  // Every way the fake engine answers the person's first move, 7g7f.
  void answersToTheFirstMove_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("words");
    QTest::addColumn<int>("moves");  // kept on the board afterwards
    QTest::newRow("ordinary") << "ordinary"
                              << ""
                              << "" << 2;
    QTest::newRow("resign") << "resign"
                            << "終了"
                            << "あなたの勝ちです" << 0;
    QTest::newRow("win") << "win"
                         << "終了"
                         << "Fake winの勝ちです" << 0;
    QTest::newRow("illegal") << "illegal"
                             << "ｴﾝｼﾞﾝ"
                             << "反則の手を指しました: 5a5c" << 1;
    QTest::newRow("crash") << "crash"
                           << "ｴﾝｼﾞﾝ"
                           << "終了しました" << 1;
    QTest::newRow("garbage") << "garbage"
                             << "ｴﾝｼﾞﾝ"
                             << "読めません" << 1;
    QTest::newRow("hang") << "hang"
                          << "ｴﾝｼﾞﾝ"
                          << "時間内に指しません" << 1;
  }
  void answersToTheFirstMove() {
    QFETCH(QString, mode);
    QFETCH(QString, title);
    QFETCH(QString, words);
    QFETCH(int, moves);
    qputenv("KAZEBAN_FAKE_ENGINE", mode.toLatin1());
    const kazeban::GameState& s = window_->form().s;
    window_->item("ENGINE_SENTE")->trigger();
    QCOMPARE(boxes_.size(), 1);
    QCOMPARE(boxes_[0].text, QStringLiteral("あなたの番です"));
    ClickSquare(Qt::LeftButton, 3, 7);
    ClickSquare(Qt::LeftButton, 3, 6);
    QCOMPARE(s.KIFU_SUU, 1);
    // The person's move is kept while the engine thinks, under both names: the journal's
    // thread makes the file within moments.
    QTRY_COMPARE_WITH_TIMEOUT(JournalFiles().size(), 1, 5000);

    if (title.isEmpty()) {
      QTRY_COMPARE_WITH_TIMEOUT(s.KIFU_SUU, 2, 5000);
      QCOMPARE(s.TEBAN, s.SITA_SENGO);
      QCOMPARE(boxes_.size(), 1);
      QVERIFY(s.BAN[s.KIFU_SAKI_I[2]][s.KIFU_SAKI_J[2]] > 0);  // a top piece moved
      QTRY_VERIFY_WITH_TIMEOUT(JournalFiles().value(0).contains("Fake ordinary"), 5000);
      return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(boxes_.size() > 1, 15000);
    QCOMPARE(boxes_[1].title, title);
    QVERIFY2(boxes_[1].text.contains(words), qPrintable(boxes_[1].text));
    QCOMPARE(s.KIFU_SUU, moves);
    if (moves == 1) {
      // The game stops where it was; a click resumes it with the engine started again.
      QCOMPARE(s.TEBAN, kazeban::NASHI);
      QCOMPARE(s.BAN[3][6], kazeban::K_SITA_HU);
      qputenv("KAZEBAN_FAKE_ENGINE", "ordinary");
      ClickSquare(Qt::LeftButton, 5, 5);
      QCOMPARE(boxes_.last().title, QStringLiteral("再開"));
      QTRY_COMPARE_WITH_TIMEOUT(s.KIFU_SUU, 2, 5000);
      QCOMPARE(s.TEBAN, s.SITA_SENGO);
    }
  }

  // The engine moves first from the top; its moves reach it turned round.
  void engineFirst() {
    qputenv("KAZEBAN_FAKE_ENGINE", "ordinary");
    const kazeban::GameState& s = window_->form().s;
    window_->item("ENGINE_GOTE")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(s.KIFU_SUU, 1, 5000);
    QVERIFY(s.KIFU_KOMA[1] > 0);
    QCOMPARE(s.TEBAN, s.SITA_SENGO);
    ClickSquare(Qt::LeftButton, 3, 7);
    ClickSquare(Qt::LeftButton, 3, 6);
    QTRY_COMPARE_WITH_TIMEOUT(s.KIFU_SUU, 3, 5000);
    QCOMPARE(boxes_.size(), 0);
    QCOMPARE(window_->form().由来.上側の名, std::string("Fake ordinary"));

    // 書込 names the engine and the person when the boxes are left empty.
    window_->item("KIFU_WRITE")->trigger();
    window_->panel().SetDirPath(journal_->path());
    window_->panel().text[1]->setText(QStringLiteral("engine"));
    QTest::mouseClick(window_->panel().command1, Qt::LeftButton);
    QFile saved(journal_->path() + QStringLiteral("/engine.棋譜"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    QVERIFY(lines.size() > 5);
    QCOMPARE(lines[1].trimmed(), QByteArray("Fake ordinary"));
    QCOMPARE(lines[2].trimmed(), QByteArray("\x82\xa0\x82\xc8\x82\xbd"));  // あなた
  }

  // While the engine thinks the window answers: the person resigns, or the program
  // ends, and the engine is let go at once.
  void whileTheEngineThinks() {
    qputenv("KAZEBAN_FAKE_ENGINE", "hang");
    window_->item("ENGINE_SENTE")->trigger();
    ClickSquare(Qt::LeftButton, 3, 7);
    ClickSquare(Qt::LeftButton, 3, 6);
    QTRY_COMPARE(window_->form().エンジン名, std::string("Fake hang"));
    window_->item("TOURYOU")->trigger();
    QCOMPARE(boxes_.size(), 4);  // 投了しますか？, the end, 続けますか？
    QCOMPARE(boxes_[2].text, QStringLiteral("あなたが投了しました\nFake hangの勝ちです"));
    QCOMPARE(window_->form().s.KIFU_SUU, 0);

    window_->item("ENGINE_SENTE")->trigger();
    ClickSquare(Qt::LeftButton, 3, 7);
    ClickSquare(Qt::LeftButton, 3, 6);
    bool quit = false;
    window_->controls().onQuit = [&] { quit = true; };
    QTest::keyClick(&window_->view(), Qt::Key_Escape);
    QVERIFY(quit);
    QElapsedTimer t;
    t.start();
    window_.reset();
    QVERIFY(t.elapsed() < 3000);
  }

  void aProgramThatDoesNotStart() {
    EngineChoice c = ChosenEngine();
    c.program = QStringLiteral("/nonexistent/engine");
    RememberEngine(c);
    window_->item("ENGINE_SENTE")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(boxes_.size() > 1, 5000);
    QVERIFY2(boxes_.back().text.contains(QStringLiteral("起動できません")),
             qPrintable(boxes_.back().text));
    QCOMPARE(window_->form().s.TEBAN, kazeban::NASHI);
  }

  // The dialog shows the engine's own options with their values and keeps a change.
  void settingsShowTheEnginesOptions() {
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("options"));
      QTRY_COMPARE_WITH_TIMEOUT(table->rowCount(), 2, 5000);
      QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Skill Level"));
      QCOMPARE(table->item(0, 2)->text(), QStringLiteral("20"));
      table->item(0, 2)->setText(QStringLiteral("5"));
      dialog->findChild<QDoubleSpinBox*>(QStringLiteral("byoyomi"))->setValue(0.3);
      seen = true;
      dialog->accept();
    });
    QVERIFY(EngineSettingsDialog(window_.get()));
    QVERIFY(seen);
    const EngineChoice c = ChosenEngine();
    QCOMPARE(c.byoyomi_ms, 300);
    QCOMPARE(c.options.size(), size_t{1});
    QCOMPARE(c.options[0], (std::pair<std::string, std::string>{"Skill Level", "5"}));
  }

 private:
  void ClickSquare(Qt::MouseButton button, int i, int j) {
    QTest::mouseClick(&window_->view(), button, {},
                      window_->view()
                          .FromTwips(kazeban::BAN_X0 + kazeban::MASU_W * (i + 0.5),
                                     kazeban::BAN_Y0 + kazeban::MASU_H * (j + 0.5))
                          .toPoint());
  }
  QList<QByteArray> JournalFiles() const {
    QList<QByteArray> out;
    for (const QFileInfo& f : QDir(journal_->path()).entryInfoList(QDir::Files)) {
      QFile file(f.filePath());
      if (file.open(QIODevice::ReadOnly)) out << file.readAll();
    }
    return out;
  }

  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<QTemporaryDir> journal_;
  QList<ShownBox> boxes_;
};

QTEST_MAIN(EngineGameTest)
#include "engine_game_test.moc"
