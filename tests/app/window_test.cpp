// The real window, offscreen: its menus, the kept image after clicks, the mapping of
// clicks after a resize, the message boxes, the record panel's controls and the font.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QtTest>

#include "app/board_view.h"
#include "app/kept_image.h"
#include "app/main_window.h"
#include "app/record_panel.h"
#include "app/window_controls.h"
#include "display/picture_names.h"
#include "fake_sound.h"
#include "play/form.h"

using kazeban::testing::FakeSound;

namespace {

struct ShownBox {
  QString title, text;
  bool yes_no;
};

// The logical pixel of the image at the centre of square (i, j).
QPoint SquareCentre(int i, int j) {
  return QPoint(KeptImage::Pixel(kazeban::BAN_X0 + kazeban::MASU_W * (i + 0.5)),
                KeptImage::Pixel(kazeban::BAN_Y0 + kazeban::MASU_H * (j + 0.5)));
}

// The device pixels of square (i, j) inside its outline.
QImage SquareInside(const QImage& image, int i, int j) {
  const qreal dpr = image.devicePixelRatio();
  const int l = KeptImage::Pixel(kazeban::BAN_X0 + kazeban::MASU_W * i) + 1;
  const int t = KeptImage::Pixel(kazeban::BAN_Y0 + kazeban::MASU_H * j) + 1;
  QImage part = image.copy(QRect(QPoint(l, t) * dpr, QSize(31, 39) * dpr));
  part.setDevicePixelRatio(1);
  return part;
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutes(); }

  void init() {
    kazeban::testing::ResetFakeSound();
    boxes_.clear();
    answers_.clear();
    quits_ = 0;
    window_ = std::make_unique<MainWindow>(QStringLiteral("/nonexistent"));
    window_->controls().answerBox = [this](const QString& title, const QString& text, bool yn) {
      boxes_.push_back({title, text, yn});
      if (!yn) return true;
      if (answers_.isEmpty()) {
        qWarning("unscripted Yes/No box");
        return true;
      }
      return answers_.takeFirst();
    };
    window_->controls().onQuit = [this] { ++quits_; };
    window_->Load();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void cleanup() { window_.reset(); }

  void menusFollowTheGamesTreeWithItsCheckMarks() {
    QStringList top;
    for (QAction* a : window_->menuBar()->actions()) top << a->text();
    QCOMPARE(top, QStringList({"対局", "局面", "戻", "進", "△", "▽", "棋譜", "ｵﾌﾟｼｮﾝ", "その他"}));

    auto captions = [this](const char* name) {
      QStringList out;
      for (QAction* a : window_->item(name)->menu()->actions()) out << a->text();
      return out;
    };
    // The game's own items first; resigning, for standard rules, comes last.
    QCOMPARE(captions("TAIKYOKU").mid(0, 4),
             QStringList({"対局(人間)", "対局(COM)", "COM対局ﾚﾍﾞﾙ", "終わり"}));
    QCOMPARE(captions("TAIKYOKU").last(), QStringLiteral("投了"));
    QCOMPARE(captions("MATCH_MAN"), QStringList({"スタート"}));
    QCOMPARE(captions("START2"), QStringList({"先手", "後手"}));
    QCOMPARE(captions("LEVEL"), QStringList({"LEVEL1", "LEVEL2", "LEVEL3"}));
    QCOMPARE(captions("STOP"), QStringList({"最初", "反転"}));
    // The items for the other record formats follow the designed ones.
    QCOMPARE(captions("KIFU").mid(0, 2), QStringList({"読込", "書込"}));
    QCOMPARE(captions("OPTION").mid(0, 3), QStringList({"移動指導", "BGM", "標準ﾙｰﾙ"}));

    QVERIFY(window_->item("LEVEL3")->isChecked());
    QVERIFY(!window_->item("LEVEL1")->isChecked());
    QVERIFY(!window_->item("LEVEL2")->isChecked());
    QVERIFY(!window_->item("SIDOU")->isChecked());
    QVERIFY(!window_->item("BGM")->isChecked());
    QVERIFY(!window_->item("HYOUJUN")->isChecked());

    // A checked item is changed by its handler only: LEVEL3 again stays checked,
    // LEVEL1 moves the mark.
    window_->item("LEVEL3")->trigger();
    QVERIFY(window_->item("LEVEL3")->isChecked());
    window_->item("LEVEL1")->trigger();
    QVERIFY(window_->item("LEVEL1")->isChecked());
    QVERIFY(!window_->item("LEVEL3")->isChecked());
    QCOMPARE(window_->form().s.COM_LEVEL, 1);
    window_->item("SIDOU")->trigger();
    QVERIFY(window_->item("SIDOU")->isChecked());
    QCOMPARE(window_->form().s.SIDOU_FLAG, 1);
    window_->item("HYOUJUN")->trigger();
    QVERIFY(window_->item("HYOUJUN")->isChecked());
    QVERIFY(window_->form().標準.選択);
  }

  void aMoveByTwoClicksChangesTheImageWhereExpected() {
    window_->item("START")->trigger();
    QCOMPARE(boxes_.size(), 1);
    QCOMPARE(boxes_[0].text, QStringLiteral("先手の番です"));

    const QImage before = window_->keptImage().image().copy();
    ClickSquare(Qt::LeftButton, 7, 7);
    ClickSquare(Qt::LeftButton, 7, 6);
    QCOMPARE(window_->form().s.BAN[7][6], kazeban::K_SITA_HU);
    const QImage after = window_->keptImage().image();

    // The pawn now stands on (7, 6) exactly as it stood on (7, 7), and (7, 7) looks
    // like the untouched empty square (5, 5).
    QCOMPARE(SquareInside(after, 7, 6), SquareInside(before, 7, 7));
    QCOMPARE(SquareInside(after, 7, 7), SquareInside(before, 5, 5));
    QVERIFY(SquareInside(before, 7, 6) != SquareInside(after, 7, 6));
    // Elsewhere on the board nothing changed.
    QCOMPARE(SquareInside(after, 3, 7), SquareInside(before, 3, 7));
    QCOMPARE(SquareInside(after, 5, 5), SquareInside(before, 5, 5));
    // The view shows the new image.
    const QImage shown = window_->view().grab().toImage();
    const QPointF centre = window_->view().FromTwips(kazeban::BAN_X0 + kazeban::MASU_W * 7.5,
                                                     kazeban::BAN_Y0 + kazeban::MASU_H * 7.5);
    const qreal dpr = shown.devicePixelRatio();
    QCOMPARE(shown.pixelColor((centre * dpr).toPoint()),
             after.pixelColor(SquareCentre(7, 7) * after.devicePixelRatio()));
  }

  void aResizedWindowScalesThePictureAndMapsClicksBack() {
    window_->item("START")->trigger();
    window_->resize(window_->width() * 2, window_->height() * 2);
    QTRY_VERIFY(window_->view().Scale() > 1.8);
    const QPointF p = window_->view().FromTwips(3000, 2000);
    const QPointF back = window_->view().ToTwips(p);
    QVERIFY(qAbs(back.x() - 3000) < 1e-6 && qAbs(back.y() - 2000) < 1e-6);

    // Near the edges of squares, not only at their centres.
    ClickAt(Qt::LeftButton, kazeban::BAN_X0 + kazeban::MASU_W * 3 + 20,
            kazeban::BAN_Y0 + kazeban::MASU_H * 7 + 20);
    ClickAt(Qt::LeftButton, kazeban::BAN_X0 + kazeban::MASU_W * 4 - 20,
            kazeban::BAN_Y0 + kazeban::MASU_H * 7 - 20);
    QCOMPARE(window_->form().s.BAN[3][6], kazeban::K_SITA_HU);
    QCOMPARE(window_->form().s.BAN[3][7], kazeban::KARA);

    // Shrunk below its own size, the picture shrinks too and clicks still land.
    window_->resize(300, 280);
    QTRY_VERIFY(window_->view().Scale() < 0.6);
    ClickSquare(Qt::LeftButton, 3, 3);
    ClickSquare(Qt::LeftButton, 3, 4);
    QCOMPARE(window_->form().s.BAN[3][4], kazeban::K_UE_HU);
  }

  void goteThroughTheMenuShowsTheComputersMoveOnTheImage() {
    QVERIFY(window_->item("SENTE")->isEnabled());
    QVERIFY(window_->item("GOTE")->isEnabled());
    const QImage before = window_->keptImage().image().copy();
    window_->item("GOTE")->trigger();
    const kazeban::GameState& s = window_->form().s;
    QCOMPARE(boxes_.size(), 0);
    QCOMPARE(s.KIFU_SUU, 1);
    QCOMPARE(s.TEBAN, kazeban::GOTE);
    QCOMPARE(s.SITA_SENGO, kazeban::GOTE);

    // From the starting position the first move is a board move to an empty square.
    const int fi = s.KIFU_MOTO_I[1], fj = s.KIFU_MOTO_J[1];
    const int ti = s.KIFU_SAKI_I[1], tj = s.KIFU_SAKI_J[1];
    QVERIFY(fi >= 1 && fi <= 9);
    QCOMPARE(s.KIFU_TORI[1], kazeban::KARA);
    const QImage after = window_->keptImage().image();
    QCOMPARE(SquareInside(after, fi, fj), SquareInside(before, 5, 5));
    QCOMPARE(SquareInside(after, ti, tj), SquareInside(before, fi, fj));
    QVERIFY(SquareInside(before, ti, tj) != SquareInside(after, ti, tj));

    // The destination is outlined in white.
    const qreal dpr = after.devicePixelRatio();
    const QPoint edge(KeptImage::Pixel(kazeban::BAN_X0 + kazeban::MASU_W * ti),
                      KeptImage::Pixel(kazeban::BAN_Y0 + kazeban::MASU_H * (tj + 0.5)));
    QCOMPARE(after.pixelColor(edge * dpr), QColor(255, 255, 255));

    // The caption of the move, in white, in the panel at the lower left, where
    // nothing was before.
    const QRect panel(QPoint(KeptImage::Pixel(1100 - 1.7 * 495), KeptImage::Pixel(100 + 8.5 * 615)),
                      QSize(1250 / 15, 380 / 15));
    QCOMPARE(WhitePixels(before, panel), 0);
    QVERIFY(WhitePixels(after, panel) > 20);

    // The person moves a gold, and the computer answers within the same click.
    ClickSquare(Qt::LeftButton, 4, 9);
    ClickSquare(Qt::LeftButton, 4, 8);
    QCOMPARE(s.BAN[4][8], kazeban::K_SITA_KIN);
    QCOMPARE(s.KIFU_SUU, 3);
    QVERIFY(s.KIFU_KOMA[3] >= kazeban::K_UE_HU);
    QCOMPARE(s.TEBAN, kazeban::GOTE);
  }

  void theRightButtonPromotesThroughTheRealView() {
    window_->item("START")->trigger();
    kazeban::GameState& s = window_->form().s;
    s.BAN[3][2] = kazeban::K_SITA_HU;
    s.BAN[3][1] = kazeban::K_UE_GIN;
    ClickSquare(Qt::LeftButton, 3, 2);
    ClickSquare(Qt::LeftButton, 3, 1);
    QCOMPARE(boxes_.last().title, QStringLiteral("成り"));
    ClickSquare(Qt::RightButton, 3, 1);
    QCOMPARE(s.BAN[3][1], kazeban::K_SITA_NARIHU);
  }

  void messageBoxesHaveTheDesignedButtonsAndIcon() {
    window_->controls().answerBox = nullptr;
    QString title, text;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    auto answer = [&](const QString& press) {
      QTimer::singleShot(0, this, [&, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons.clear();
        QAbstractButton* chosen = nullptr;
        for (QAbstractButton* b : box->buttons()) {
          buttons << b->text();
          if (b->text() == press) chosen = b;
        }
        QVERIFY(chosen != nullptr);
        chosen->click();
      });
    };
    answer(QStringLiteral("いいえ"));
    QVERIFY(!window_->controls().MessageYesNo("再ゲーム", "続けますか？"));
    QCOMPARE(title, QStringLiteral("再ゲーム"));
    QCOMPARE(text, QStringLiteral("続けますか？"));
    QCOMPARE(icon, QMessageBox::Warning);
    buttons.sort();
    QCOMPARE(buttons, QStringList({"いいえ", "はい"}));

    answer(QStringLiteral("はい"));
    QVERIFY(window_->controls().MessageYesNo("棋譜", "棋譜を '進 'で進めて下さい"));

    answer(QStringLiteral("OK"));
    window_->controls().MessageOK("開始", "「対局」で始めて下さい");
    QCOMPARE(text, QStringLiteral("「対局」で始めて下さい"));
    QCOMPARE(buttons, QStringList({"OK"}));
  }

  void aYesNoBoxIsAnsweredOnlyByItsButtons() {
    // Esc and the title bar's close button leave a はい/いいえ box open (only はい
    // then answers it); a box with OK alone closes on Esc.
    window_->controls().answerBox = nullptr;
    struct Case {
      const char* what;
      bool yes_no, by_esc, stays_open;
    };
    const Case cases[] = {
        {"はい/いいえ, Esc", true, true, true},
        {"はい/いいえ, close button", true, false, true},
        {"OK, Esc", false, true, false},
    };
    for (const Case& c : cases) {
      bool seen = false, open = false;
      QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        seen = true;
        if (c.by_esc) {
          QTest::keyClick(box, Qt::Key_Escape);
        } else {
          box->close();
        }
        open = box->isVisible();
        if (!open) return;
        for (QAbstractButton* b : box->buttons()) {
          if (b->text() == QStringLiteral("はい") || b->text() == QStringLiteral("OK")) b->click();
        }
      });
      if (c.yes_no) {
        QVERIFY2(window_->controls().MessageYesNo("再ゲーム", "続けますか？"), c.what);
      } else {
        window_->controls().MessageOK("開始", "「対局」で始めて下さい");
      }
      QVERIFY2(seen, c.what);
      QVERIFY2(open == c.stays_open, c.what);
    }
  }

  void startUpRunAgainKeepsTheWindowsSizeAndPlace() {
    // Start-up places the window before it has a frame; run again (最初, a record read,
    // いいえ in "棋譜") once the frame is known and the window was moved, it must give
    // the same window.
    const QSize size = window_->frameGeometry().size();
    const QPoint place = window_->frameGeometry().topLeft();
    for (int run = 2; run <= 4; ++run) {
      window_->move(place + QPoint(40, 30));
      window_->item("CANCEL")->trigger();
      QCoreApplication::processEvents();
      QCOMPARE(window_->frameGeometry().size(), size);
      QCOMPARE(window_->frameGeometry().topLeft(), place);
    }
  }

  void theClientAreaLiesOnTheScreen() {
    // The menu bar's captions and the board stay on the screen's available area, at
    // any scale (this test runs at 1× and at 2×).
    const QRect available = window_->screen()->availableGeometry();
    const QRect client(window_->mapToGlobal(QPoint(0, 0)), window_->size());
    QVERIFY(available.contains(client));
    QVERIFY(client.contains(window_->menuBar()->mapToGlobal(QPoint(0, 0))));
  }

  void theRecordPanelsControlsAreHiddenAtTheirPlaces() {
    RecordPanel& panel = window_->panel();
    QVERIFY(!panel.drive1->isVisible());
    QVERIFY(!panel.file1->isVisible());
    QVERIFY(!panel.text[1]->isVisible());
    QVERIFY(!panel.command1->isVisible());
    QCOMPARE(panel.command1->text(), QStringLiteral("RETURN"));
    QCOMPARE(panel.label1[0]->text(), QStringLiteral("対 局 名："));
    QVERIFY(panel.drive1->count() > 0);

    window_->controls().SetListsVisible(true, true, false);
    window_->controls().SetNamePanelVisible(true);
    QVERIFY(panel.drive1->isVisible());
    QVERIFY(panel.dir1->isVisible());
    QVERIFY(!panel.file1->isVisible());
    QVERIFY(panel.text[4]->isVisible());
    // "RETURN" at (3360, 3000) twips, 855 × 375.
    const QPointF corner = window_->view().FromTwips(3360, 3000);
    QCOMPARE(panel.command1->geometry().topLeft(), corner.toPoint());
    const qreal scale = window_->view().Scale();
    QVERIFY(qAbs(panel.command1->width() - 855 / 15.0 * scale) <= 1);

    window_->controls().SetPanelText(3, "羽生");
    QCOMPARE(window_->controls().PanelText(3), std::string("羽生"));
    QCOMPARE(panel.text[3]->objectName(), QStringLiteral("Text3"));

    // Any click hides the panel and empties the boxes.
    ClickSquare(Qt::LeftButton, 5, 5);
    QVERIFY(!panel.drive1->isVisible());
    QVERIFY(!panel.text[4]->isVisible());
    QCOMPARE(window_->controls().PanelText(3), std::string());
  }

  void escAndClosingReleaseTheSoundsAndEndTheProgram() {
    QTest::keyClick(&window_->view(), Qt::Key_A);
    QCOMPARE(quits_, 0);
    QTest::keyClick(&window_->view(), Qt::Key_Escape);
    QCOMPARE(quits_, 1);
    QCOMPARE(FakeSound().Count("dsTerminate"), 1);

    init();
    QVERIFY(window_->close());
    QCOMPARE(quits_, 1);
    QCOMPARE(FakeSound().Count("dsTerminate"), 1);
  }

  void theGameFontResolvesToIPAMincho() {
    const QFontInfo info(QFont(QStringLiteral("ＭＳ Ｐ明朝"), 12));
    QVERIFY2(info.family().startsWith(QStringLiteral("IPA")), qPrintable(info.family()));
  }

  void theImageIsKeptAtTheScreensPixelRatio() {
    // At two device pixels per logical pixel the image is twice as large, a one-pixel
    // outline is two device pixels wide, and the pictures are the detailed ones.
    KeptImage sharp(kazeban::FORM_WIDTH_TWIPS, kazeban::FORM_HEIGHT_TWIPS, 2.0);
    KeptImage plain(kazeban::FORM_WIDTH_TWIPS, kazeban::FORM_HEIGHT_TWIPS, 1.0);
    QCOMPARE(sharp.image().size(), QSize(1120, 960));
    QCOMPARE(plain.image().size(), QSize(560, 480));
    sharp.FillBox(0, 0, 8400, 7200, 2);
    sharp.OutlineBox(1595, 715, 495, 615, 15);  // square (1, 1)
    const int x = KeptImage::Pixel(1595) * 2;
    const int y = KeptImage::Pixel(715 + 300) * 2;
    QCOMPARE(sharp.image().pixelColor(x, y), QColor(255, 255, 255));
    QCOMPARE(sharp.image().pixelColor(x + 1, y), QColor(255, 255, 255));
    QCOMPARE(sharp.image().pixelColor(x + 2, y), QColor(0, 128, 0));

    sharp.DrawPicture(kazeban::K_SITA_OU, 1595, 715);
    QImage detailed = sharp.image().copy(QRect(212, 96, 66, 82));
    detailed.setDevicePixelRatio(1);
    QImage expected(QSize(66, 82), QImage::Format_RGB32);
    expected.fill(QColor(0, 128, 0));
    QImage picture(QStringLiteral(":/pictures/") +
                   QString::fromStdString(std::string(kazeban::PictureName(kazeban::K_SITA_OU))) +
                   QStringLiteral("@2x.png"));
    QCOMPARE(picture.size(), QSize(66, 82));
    picture.setDevicePixelRatio(1);
    {
      QPainter p(&expected);
      p.drawImage(0, 0, picture);
    }
    QCOMPARE(detailed.convertToFormat(QImage::Format_RGB32), expected);
  }

 private:
  void ClickAt(Qt::MouseButton button, double x, double y) {
    QTest::mouseClick(&window_->view(), button, {}, window_->view().FromTwips(x, y).toPoint());
  }
  // White pixels of the image inside a rectangle given in logical pixels.
  static int WhitePixels(const QImage& image, const QRect& logical) {
    const qreal dpr = image.devicePixelRatio();
    const QRect r(logical.topLeft() * dpr, logical.size() * dpr);
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
      for (int x = r.left(); x <= r.right(); ++x) {
        n += image.pixelColor(x, y) == QColor(255, 255, 255);
      }
    }
    return n;
  }
  void ClickSquare(Qt::MouseButton button, int i, int j) {
    ClickAt(button, kazeban::BAN_X0 + kazeban::MASU_W * (i + 0.5),
            kazeban::BAN_Y0 + kazeban::MASU_H * (j + 0.5));
  }

  std::unique_ptr<MainWindow> window_;
  QList<ShownBox> boxes_;
  QList<bool> answers_;
  int quits_ = 0;
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
