// The review commands and the record-file panel in the real window, offscreen: the
// menu items and the panel's controls reach their commands, a game is written through
// the boxes and "RETURN", found in the file list by a program started afresh, read by a
// click and stepped through to its end, and stepping back and forth leaves the kept
// image exactly as it was.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QMenu>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest/QtTest>

#include <cstring>
#include <memory>

#include "app/board_view.h"
#include "app/kept_image.h"
#include "app/main_window.h"
#include "app/record_panel.h"
#include "app/window_controls.h"
#include "fake_sound.h"
#include "play/form.h"

namespace {

struct ShownBox {
  QString title, text;
};

// The kept image's pixels of the board and both hands with their counts.
QImage BoardAndHands(const QImage& image) {
  const qreal dpr = image.devicePixelRatio();
  const QRect area(KeptImage::Pixel(605), KeptImage::Pixel(715),
                   KeptImage::Pixel(7540) - KeptImage::Pixel(605),
                   KeptImage::Pixel(715 + 615 * 9) - KeptImage::Pixel(715));
  QImage part = image.copy(QRect(area.topLeft() * dpr, area.size() * dpr));
  part.setDevicePixelRatio(1);
  return part;
}

}  // namespace

class RecordPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutes(); }

  void init() { Open(); }
  void cleanup() { window_.reset(); }

  void everyReviewAndRecordItemIsEnabled() {
    for (const char* name : {"CANCEL", "REVERSE", "REPLAY", "AFTER", "LBEL_UP", "LEBEL_DOWN",
                             "KIFU_READ", "KIFU_WRITE"}) {
      QVERIFY2(window_->item(name)->isEnabled(), name);
    }
    // △ through the menu bar takes the top bishop away.
    window_->item("LBEL_UP")->trigger();
    QCOMPARE(window_->form().s.HANDE, 1);
    QCOMPARE(window_->form().s.BAN[8][2], kazeban::KARA);
    // Opening 局面 hides the panel.
    window_->item("KIFU_READ")->trigger();
    QVERIFY(panel().file1->isVisible());
    emit window_->item("STOP")->menu()->aboutToShow();
    QVERIFY(!panel().file1->isVisible());
    QVERIFY(!panel().drive1->isVisible());
  }

  void thePanelsControlsStandAtTheirPlaces() {
    window_->item("KIFU_WRITE")->trigger();
    QVERIFY(panel().drive1->isVisible());
    QVERIFY(panel().dir1->isVisible());
    QVERIFY(!panel().file1->isVisible());
    struct Place {
      QWidget* widget;
      int left, top, width, height;
    };
    const Place places[] = {
        {panel().drive1, 240, 360, 2535, 300},    {panel().dir1, 240, 600, 2535, 1710},
        {panel().file1, 240, 2280, 2535, 930},    {panel().label1[0], 120, 2400, 855, 255},
        {panel().label1[3], 120, 3120, 855, 255}, {panel().text[2], 960, 2400, 2295, 270},
        {panel().text[3], 960, 2640, 2295, 270},  {panel().text[4], 960, 2880, 2295, 270},
        {panel().text[1], 960, 3120, 2295, 270},  {panel().command1, 3360, 3000, 855, 375},
    };
    const qreal scale = window_->view().Scale();
    for (const Place& p : places) {
      const QPoint corner = window_->view().FromTwips(p.left, p.top).toPoint();
      QVERIFY2((p.widget->geometry().topLeft() - corner).manhattanLength() <= 1,
               qPrintable(p.widget->objectName()));
      QVERIFY2(qAbs(p.widget->width() - p.width / 15.0 * scale) <= 1,
               qPrintable(p.widget->objectName()));
      QVERIFY2(qAbs(p.widget->height() - p.height / 15.0 * scale) <= 1,
               qPrintable(p.widget->objectName()));
    }
    // The lists start in the home directory, on its volume.
    QCOMPARE(QString::fromStdString(window_->controls().DirListPath()),
             RecordPanel::StartDirectory());
    QCOMPARE(panel().Drive(), QStorageInfo(RecordPanel::StartDirectory()).rootPath());
  }

  void pressesOnThePanelsLabelsAndGapsNeverReachTheBoard() {
    // Where a press lands, in twips: each label, and the gaps between the directory
    // list and the name rows and between the boxes and "RETURN".
    struct Press {
      const char* what;
      double x, y;
    };
    const Press presses[] = {
        {"対 局 名：", 500, 2510},       {"先    手 ：", 500, 2750},
        {"後    手 ：", 500, 2990},      {"ﾌｧｲﾙ名 ：", 500, 3230},
        {"under the lists", 1500, 2355}, {"under the lists, left", 300, 2355},
        {"before RETURN", 3307, 3100},   {"before RETURN, low", 3307, 3330},
    };
    window_->item("KIFU_WRITE")->trigger();
    Type(panel().text[1], QStringLiteral("棋譜"));
    Type(panel().text[3], QStringLiteral("羽生"));
    for (const Press& p : presses) {
      // Through the window, as the system delivers it: to the control under the
      // pointer, then to its parents while none takes it.
      const QPoint at =
          window_->view().mapTo(window_.get(), window_->view().FromTwips(p.x, p.y).toPoint());
      QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, at);
      QVERIFY2(panel().text[3]->isVisible(), p.what);
      QVERIFY2(panel().dir1->isVisible(), p.what);
      QCOMPARE(panel().text[3]->text(), QStringLiteral("羽生"));
      QCOMPARE(panel().text[1]->text(), QStringLiteral("棋譜"));
      QVERIFY2(boxes_.isEmpty(), p.what);
    }
    // Beside the panel, the board takes the press as before: the panel hides.
    ClickSquare(Qt::LeftButton, 7, 5);
    QVERIFY(!panel().text[3]->isVisible());
  }

  void choosingAVolumeMovesTheDirectoryAndFileLists() {
    const int root = panel().drive1->findData(QDir::rootPath());
    QVERIFY(root >= 0);
    panel().drive1->setCurrentIndex(root);
    emit panel().drive1->activated(root);
    QCOMPARE(panel().DirPath(), QDir::rootPath());
    QCOMPARE(panel().FilePath(), QDir::rootPath());
    QVERIFY(boxes_.isEmpty());
  }

  void aSavedGameIsFoundReadAndSteppedThroughAfterARestart() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    // A game of seven moves: moves of both sides, a capture that promotes, the capture
    // of the promoted piece, and a drop from each hand.
    window_->item("START")->trigger();
    ClickSquare(Qt::LeftButton, 3, 7);
    ClickSquare(Qt::LeftButton, 3, 6);
    ClickSquare(Qt::LeftButton, 7, 3);
    ClickSquare(Qt::LeftButton, 7, 4);
    ClickSquare(Qt::LeftButton, 2, 8);
    ClickSquare(Qt::RightButton, 8, 2);
    ClickSquare(Qt::LeftButton, 7, 1);
    ClickSquare(Qt::LeftButton, 8, 2);
    ClickSquare(Qt::LeftButton, 11, 8);
    ClickSquare(Qt::LeftButton, 5, 5);
    ClickSquare(Qt::LeftButton, -1, 2);
    ClickSquare(Qt::LeftButton, 9, 5);
    ClickSquare(Qt::LeftButton, 7, 7);
    ClickSquare(Qt::LeftButton, 7, 6);
    const kazeban::GameState played = window_->form().s;
    QCOMPARE(played.KIFU_SUU, 7);
    QCOMPARE(played.BAN[9][5], kazeban::K_UE_KAKU);
    const QImage played_image = BoardAndHands(window_->keptImage().image());

    // 書込: the directory chosen in the tree, the names typed, "RETURN".
    boxes_.clear();
    window_->item("KIFU_WRITE")->trigger();
    panel().dir1->setCurrentIndex(panel().dir_model->index(dir.path()));
    QCOMPARE(panel().DirPath(), dir.path());
    QCOMPARE(panel().FilePath(), dir.path());
    Type(panel().text[2], QStringLiteral("第1局"));
    Type(panel().text[3], QStringLiteral("山田"));
    Type(panel().text[4], QStringLiteral("ｺﾝﾋﾟｭｰﾀ"));
    Type(panel().text[1], QStringLiteral("対局"));
    QTest::mouseClick(panel().command1, Qt::LeftButton);
    QCOMPARE(boxes_.size(), 1);
    QCOMPARE(boxes_[0].text, QStringLiteral("棋譜を書き込みました"));
    QVERIFY(!panel().command1->isVisible());
    QFile file(dir.filePath(QStringLiteral("対局.棋譜")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // The names in CP932: "第1局", then the top player's (the second player's), then
    // the bottom player's; the drop from the top hand with its hand row.
    QVERIFY(
        bytes.startsWith("\x91\xe6\x31\x8b\xc7\r\n\xba\xdd\xcb\xdf\xad\xb0\xc0\r\n"
                         "\x8e\x52\x93\x63\r\n 3736 -10 -10   0\r\n"));
    QVERIFY(bytes.contains("\r\n-1295 800 800   0\r\n"));
    QCOMPARE(bytes.size(), 5 + 2 + 7 + 2 + 4 + 2 + 7 * 19);

    // The program closed and started again.
    window_.reset();
    Open();
    QVERIFY(window_->form().s.KIFU_SUU == 0);

    // 読込: the directory chosen, the file seen in the list and clicked.
    window_->item("KIFU_READ")->trigger();
    QVERIFY(panel().file1->isVisible());
    panel().dir1->setCurrentIndex(panel().dir_model->index(dir.path()));
    QFileSystemModel* files = panel().file_model;
    const QModelIndex root = panel().file1->rootIndex();
    QTRY_COMPARE(files->rowCount(root), 1);
    const QModelIndex entry = files->index(0, 0, root);
    QCOMPARE(files->fileName(entry), QStringLiteral("対局.棋譜"));
    QTest::mouseClick(panel().file1->viewport(), Qt::LeftButton, {},
                      panel().file1->visualRect(entry).center());
    QCOMPARE(boxes_.size(), 2);
    QCOMPARE(boxes_[0].text, QStringLiteral(" 読み込みました"));
    QCOMPARE(boxes_[1].text, QStringLiteral("棋譜を '進 'で進めて下さい"));
    QCOMPARE(boxes_[1].title, QStringLiteral("棋譜"));
    QVERIFY(!panel().file1->isVisible());
    kazeban::GameState& s = window_->form().s;
    QCOMPARE(s.KIFU_MODE, kazeban::ON);
    QCOMPARE(s.KIFU_SAIGO, 7);

    // 進 to the end: the game as it was played, on the board and on the screen.
    for (int n = 1; n <= 7; ++n) window_->item("AFTER")->trigger();
    QVERIFY(std::memcmp(s.BAN, played.BAN, sizeof s.BAN) == 0);
    QVERIFY(std::memcmp(s.SITA_MOCHI, played.SITA_MOCHI, sizeof s.SITA_MOCHI) == 0);
    QVERIFY(std::memcmp(s.UE_MOCHI, played.UE_MOCHI, sizeof s.UE_MOCHI) == 0);
    QCOMPARE(s.SITA_MOCHI_SU, played.SITA_MOCHI_SU);
    QCOMPARE(s.UE_MOCHI_SU, played.UE_MOCHI_SU);
    QCOMPARE(BoardAndHands(window_->keptImage().image()), played_image);
    boxes_.clear();
    window_->item("AFTER")->trigger();
    QCOMPARE(boxes_.size(), 1);
    QCOMPARE(boxes_[0].text, QStringLiteral("終わり"));
  }

  void steppingBackAndForthLeavesTheImageExactlyAsItWas() {
    window_->item("START")->trigger();
    ClickSquare(Qt::LeftButton, 3, 7);
    ClickSquare(Qt::LeftButton, 3, 6);
    ClickSquare(Qt::LeftButton, 7, 3);
    ClickSquare(Qt::LeftButton, 7, 4);
    ClickSquare(Qt::LeftButton, 2, 8);
    ClickSquare(Qt::RightButton, 8, 2);
    ClickSquare(Qt::LeftButton, 7, 1);
    ClickSquare(Qt::LeftButton, 8, 2);
    const QImage before = window_->keptImage().image().copy();
    for (int k = 1; k <= 4; ++k) {
      for (int b = 0; b < k; ++b) window_->item("REPLAY")->trigger();
      QVERIFY(window_->keptImage().image() != before);
      for (int b = 0; b < k; ++b) window_->item("AFTER")->trigger();
      QVERIFY2(window_->keptImage().image() == before, qPrintable(QString::number(k)));
    }
    // 反転 and back to the start through the menu.
    window_->item("REVERSE")->trigger();
    QCOMPARE(window_->form().s.BAN[2][8], kazeban::K_SITA_GIN);  // the top silver on (8, 2)
    QCOMPARE(window_->form().s.UE_MOCHI[6], 1);
    window_->item("CANCEL")->trigger();
    QCOMPARE(window_->form().s.BAN[8][2], kazeban::K_UE_KAKU);
    QCOMPARE(window_->form().s.HANTEN_FLAG, kazeban::OFF);
    QVERIFY(boxes_.size() == 1);  // "先手の番です" only
  }

 private:
  void Open() {
    kazeban::testing::ResetFakeSound();
    boxes_.clear();
    window_ = std::make_unique<MainWindow>(QStringLiteral("/nonexistent"));
    window_->controls().answerBox = [this](const QString& title, const QString& text, bool) {
      boxes_.push_back({title, text});
      return true;
    };
    window_->controls().onQuit = [] {};
    window_->Load();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    boxes_.clear();
  }

  RecordPanel& panel() { return window_->panel(); }

  // Japanese text reaches a box from the input method, as a committed string.
  void Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    QInputMethodEvent typed;
    typed.setCommitString(text);
    QApplication::sendEvent(box, &typed);
    QCOMPARE(box->text(), text);
  }

  void ClickSquare(Qt::MouseButton button, int i, int j) {
    const QPointF p = window_->view().FromTwips(kazeban::BAN_X0 + kazeban::MASU_W * (i + 0.5),
                                                kazeban::BAN_Y0 + kazeban::MASU_H * (j + 0.5));
    QTest::mouseClick(&window_->view(), button, {}, p.toPoint());
  }

  std::unique_ptr<MainWindow> window_;
  QList<ShownBox> boxes_;
};

QTEST_MAIN(RecordPanelTest)
#include "record_panel_test.moc"
