// The 棋譜 menu's items for the other record formats in the real window, offscreen:
// they follow the designed items, 取込 and 書出 go through the file dialogs (answered
// here), the position goes to the clipboard and a pasted game comes back from it, and
// a refused paste leaves the kept image as it was.
#include <QAction>
#include <QApplication>
#include <QClipboard>
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
      return true;
    };
    window_->controls().onQuit = [] {};
    window_->Load();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    boxes_.clear();
  }
  void cleanup() { window_.reset(); }

  void theItemsFollowTheDesignedOnesAfterASeparator() {
    const QList<QAction*> items = window_->item("KIFU")->menu()->actions();
    QStringList names;
    for (const QAction* a : items)
      names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    QCOMPARE(names, QStringList({"KIFU_READ", "KIFU_WRITE", "-", "KIFU_IMPORT", "KIFU_EXPORT",
                                 "SFEN_COPY", "KIFU_PASTE"}));
    QCOMPARE(items[3]->text(), QStringLiteral("取込(KIF・KI2・CSA・SFEN)…"));
    QCOMPARE(items[6]->text(), QStringLiteral("棋譜を貼付け"));
  }

  void importAndExportGoThroughTheFileDialogs() {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("詰将棋.sfen"));
    QFile file(in);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kDiagram);
    file.close();

    // A cancelled dialog changes nothing.
    RecordExchange& x = window_->exchange();
    x.openFileName = [](const QString&, const QString&, const QString&, QString*) {
      return QString();
    };
    window_->item("KIFU_IMPORT")->trigger();
    QCOMPARE(window_->form().s.KIFU_MODE, kazeban::OFF);
    QVERIFY(boxes_.isEmpty());

    QString offered;
    x.openFileName = [&](const QString&, const QString&, const QString& filters, QString*) {
      offered = filters;
      return in;
    };
    window_->item("KIFU_IMPORT")->trigger();
    QVERIFY(offered.contains(QStringLiteral("*.kif")) && offered.contains(QStringLiteral("*.csa")));
    const kazeban::GameState& s = window_->form().s;
    QCOMPARE(s.KIFU_MODE, kazeban::ON);
    QCOMPARE(s.KIFU_SAIGO, 4);
    QCOMPARE(s.SITA_MOCHI[5], 1);
    window_->item("AFTER")->trigger();
    window_->item("AFTER")->trigger();

    // A name without an extension takes the filter's; the file holds the two moves shown.
    QString suggested;
    x.saveFileName = [&](const QString&, const QString& name, const QString&, QString* chosen) {
      suggested = name;
      *chosen = QStringLiteral("USI (*.usi)");
      return dir.filePath(QStringLiteral("途中"));
    };
    boxes_.clear();
    window_->item("KIFU_EXPORT")->trigger();
    QCOMPARE(boxes_, QStringList{QStringLiteral("棋譜書出: 棋譜を書き出しました")});
    QVERIFY(suggested.endsWith(QStringLiteral("/棋譜.kif")));
    QFile out(dir.filePath(QStringLiteral("途中.usi")));
    QVERIFY(out.open(QIODevice::ReadOnly));
    const QByteArray bytes = out.readAll();
    const kazeban::対局棋譜読込結果 back = kazeban::対局棋譜_解析(bytes.toStdString(), "途中.usi");
    QVERIFY2(back.成功, back.理由.c_str());
    QCOMPARE(back.棋譜.手.size(), size_t{2});
    QCOMPARE(back.棋譜.開始局面.state.SITA_MOCHI[1], 2);
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
    QVERIFY(window_->keptImage().image() != before);
  }

 private:
  std::unique_ptr<MainWindow> window_;
  QStringList boxes_;
};

QTEST_MAIN(RecordExchangeTest)
#include "record_exchange_test.moc"
