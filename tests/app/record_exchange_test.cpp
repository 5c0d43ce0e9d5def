// The 棋譜 menu's items for the other record formats in the real window, offscreen:
// they follow the designed items, 取込 and 書出 go through the file dialogs (answered
// here), and the clipboard takes the position and gives back a pasted game.
#include <QAction>
#include <QClipboard>
#include <QDateTime>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest/QtTest>

#include <memory>

#include "app/kept_image.h"
#include "app/main_window.h"
#include "app/record_exchange.h"
#include "app/window_controls.h"
#include "fake_sound.h"
#include "interop/record_formats.h"
#include "play/form.h"

namespace {

const char kDiagram[] = "sfen 4k4/9/9/9/9/9/9/9/4K4 b G2Pp 1 moves G*5b 5a5b P*5c 5b5c";

}  // namespace

class RecordExchangeTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutes(); }

  void init() {
    kazeban::testing::ResetFakeSound();
    window_ = std::make_unique<MainWindow>(QStringLiteral("/nonexistent"));
    window_->controls().answerBox = [this](const QString& title, const QString& text, bool) {
      boxes_.push_back(title + QStringLiteral(": ") + text);
      return !text.endsWith(QStringLiteral("置き換えますか？")) || replace_;
    };
    window_->controls().onQuit = [] {};
    window_->Load();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    boxes_.clear();
  }
  void cleanup() { window_.reset(); }

  void importAndExportGoThroughTheFileDialogs() {
    QStringList names;
    for (const QAction* a : window_->item("KIFU")->menu()->actions()) {
      names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    }
    QCOMPARE(names, QStringList({"KIFU_READ", "KIFU_WRITE", "-", "KIFU_IMPORT", "KIFU_EXPORT",
                                 "SFEN_COPY", "KIFU_PASTE", "KIFU_LAST"}));

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("詰将棋.sfen")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kDiagram) > 0);
    file.close();
    RecordExchange& x = window_->exchange();
    QString answer;  // empty: the dialog is cancelled, and nothing changes
    x.openFileName = [&](const QString&, const QString&, const QString&, QString*) {
      return answer;
    };
    window_->item("KIFU_IMPORT")->trigger();
    QCOMPARE(window_->form().s.KIFU_MODE, kazeban::OFF);
    answer = file.fileName();
    window_->item("KIFU_IMPORT")->trigger();
    QCOMPARE(window_->form().s.KIFU_SAIGO, 4);
    window_->item("AFTER")->trigger();
    window_->item("AFTER")->trigger();

    // A name without an extension takes the filter's; the file holds the moves shown.
    x.saveFileName = [&](const QString&, const QString&, const QString&, QString* chosen) {
      *chosen = QStringLiteral("USI (*.usi)");
      return dir.filePath(QStringLiteral("途中"));
    };
    boxes_.clear();
    window_->item("KIFU_EXPORT")->trigger();
    QCOMPARE(boxes_, QStringList{QStringLiteral("棋譜書出: 棋譜を書き出しました")});
    QFile out(dir.filePath(QStringLiteral("途中.usi")));
    QVERIFY(out.open(QIODevice::ReadOnly));
    const kazeban::対局棋譜読込結果 back = kazeban::対局棋譜_解析(out.readAll().toStdString());
    QVERIFY2(back.成功, back.理由.c_str());
    QCOMPARE(back.棋譜.手.size(), size_t{2});
    QCOMPARE(back.棋譜.開始局面.state.SITA_MOCHI[1], 2);
    out.close();

    // The same name again: the file the name was completed to is replaced only when
    // the player says so.
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write("precious") == 8);
    out.close();
    for (const bool yes : {false, true}) {
      replace_ = yes;
      boxes_.clear();
      window_->item("KIFU_EXPORT")->trigger();
      QVERIFY(!boxes_.isEmpty());
      QCOMPARE(boxes_[0],
               QStringLiteral("棋譜書出: 「途中.usi」はすでにあります。\n置き換えますか？"));
      QVERIFY(out.open(QIODevice::ReadOnly));
      QCOMPARE(out.readAll() == "precious", !yes);
      out.close();
    }
  }

  // 前回の対局 opens the journal's file written last, of any format, as reading it
  // would; with none there, the player is told.
  void theLastGameIsTheJournalsNewestFile() {
    QTemporaryDir journal;
    qputenv("KAZEBAN_JOURNAL_DIR", journal.path().toUtf8());
    cleanup();
    init();
    qunsetenv("KAZEBAN_JOURNAL_DIR");
    window_->item("KIFU_LAST")->trigger();
    QCOMPARE(boxes_, QStringList{QStringLiteral("前回の対局: 記録された対局がありません")});

    const kazeban::対局棋譜読込結果 game = kazeban::対局棋譜_解析("startpos moves 7g7f 3c3d 2g2f");
    QVERIFY(game.成功);
    const auto write = [&](const QString& name, const std::string& bytes, int age) {
      QFile file(journal.filePath(name));
      QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())));
      QVERIFY(file.flush());
      QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                               QFileDevice::FileModificationTime));
    };
    // The later name was written earlier: the time of writing decides.
    write(QStringLiteral("2026-12-08_090000.kif"),
          kazeban::対局棋譜_書出(game.棋譜, kazeban::棋譜形式::KIF).バイト列, 10);
    write(QStringLiteral("2026-12-08_100000.棋譜"), "a\r\nb\r\nc\r\n 7776 -10 -10   0\r\n", 100);
    window_->item("KIFU_LAST")->trigger();
    QCOMPARE(window_->form().s.KIFU_MODE, kazeban::ON);
    QCOMPARE(window_->form().s.KIFU_SAIGO, 3);
  }

  void theClipboardTakesThePositionAndGivesAGame() {
    window_->item("SFEN_COPY")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1"));

    // A refused paste: the forbidden sound's box, and the image as it was.
    const QImage before = window_->keptImage().image().copy();
    QGuiApplication::clipboard()->setText(QStringLiteral("startpos moves 7g7f 7g7f"));
    window_->item("KIFU_PASTE")->trigger();
    QCOMPARE(boxes_.size(), 1);
    QVERIFY(boxes_[0].startsWith(QStringLiteral("棋譜貼付け: ")));
    QCOMPARE(kazeban::testing::FakeSound().Count("dsPlay", window_->form().handles.SND_KINSI), 1);
    QVERIFY(window_->keptImage().image() == before);

    QGuiApplication::clipboard()->setText(QString::fromUtf8(kDiagram));
    window_->item("KIFU_PASTE")->trigger();
    QCOMPARE(window_->form().s.KIFU_MODE, kazeban::ON);
    QCOMPARE(window_->form().s.BAN[5][1], kazeban::K_UE_OU);
  }

 private:
  std::unique_ptr<MainWindow> window_;
  QStringList boxes_;
  bool replace_ = true;  // the answer to "置き換えますか？"
};

QTEST_MAIN(RecordExchangeTest)
#include "record_exchange_test.moc"
