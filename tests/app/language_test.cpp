// The window in either language: the choice from the locale or the player, the whole
// menu tree, the boxes, the panel and the board's captions, which a change of language
// draws again, and back, pixel for pixel.
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest/QtTest>

#include "app/kept_image.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/record_panel.h"
#include "app/window_controls.h"
#include "fake_sound.h"
#include "play/form.h"

namespace {

// The menu bar's tree, one caption a line, indented by depth ("-" for a separator).
void Walk(const QList<QAction*>& actions, int depth, QStringList& out) {
  for (QAction* a : actions) {
    out << QString(depth * 2, QLatin1Char(' ')) +
               (a->isSeparator() ? QStringLiteral("-") : a->text());
    if (a->menu() != nullptr) Walk(a->menu()->actions(), depth + 1, out);
  }
}

// What the Japanese window has always shown, the additions after the designed items.
const QStringList kJapaneseTree = {"対局",
                                   "  対局(人間)",
                                   "    スタート",
                                   "  対局(COM)",
                                   "    先手",
                                   "    後手",
                                   "  COM対局ﾚﾍﾞﾙ",
                                   "    LEVEL1",
                                   "    LEVEL2",
                                   "    LEVEL3",
                                   "  終わり",
                                   "  対局(ｴﾝｼﾞﾝ)",
                                   "    先手",
                                   "    後手",
                                   "    ｴﾝｼﾞﾝ設定…",
                                   "  投了",
                                   "局面",
                                   "  最初",
                                   "  反転",
                                   "戻",
                                   "進",
                                   "△",
                                   "▽",
                                   "棋譜",
                                   "  読込",
                                   "  書込",
                                   "  -",
                                   "  取込(KIF・KI2・CSA・SFEN)…",
                                   "  書出(KIF・CSA・SFEN)…",
                                   "  局面をコピー(SFEN)",
                                   "  棋譜を貼付け",
                                   "  前回の対局",
                                   "ｵﾌﾟｼｮﾝ",
                                   "  移動指導",
                                   "  BGM",
                                   "  標準ﾙｰﾙ",
                                   "  言語(Language)",
                                   "    日本語",
                                   "    English",
                                   "その他"};

bool PlainEnglish(const QString& caption) {
  for (QChar c : caption) {
    if (c.unicode() >= 0x80 && c != QChar(0x2026) && c != QChar(0x25B3) && c != QChar(0x25BD)) {
      return false;
    }
  }
  return true;
}

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutes(); }

  void init() {
    kazeban::testing::ResetFakeSound();
    boxes_.clear();
    window_ = std::make_unique<MainWindow>(QStringLiteral("/nonexistent"));
    window_->controls().answerBox = [this](const QString& title, const QString& text, bool) {
      boxes_ << title + QStringLiteral(" | ") + text;
      return true;
    };
    window_->controls().onQuit = [] {};
    window_->Load();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void cleanup() {
    window_.reset();
    QCoreApplication::processEvents();
  }

  void theLocaleChoosesJapaneseForJapaneseAndNoLanguage() {
    const struct {
      QStringList ui;
      Language expected;
    } cases[] = {
        {{"ja-JP", "ja"}, Language::Japanese},
        {{"ja"}, Language::Japanese},
        {{"C"}, Language::Japanese},
        {{"POSIX"}, Language::Japanese},
        {{}, Language::Japanese},
        {{"en-US", "en"}, Language::English},
        {{"en-GB"}, Language::English},
        {{"fr-FR", "ja-JP"}, Language::English},
    };
    for (const auto& c : cases) QCOMPARE(LocaleLanguage(c.ui), c.expected);
  }

  void theMenuTreeIsTranslatedWholeAndComesBackAsItWas() {
    QStringList japanese;
    Walk(window_->menuBar()->actions(), 0, japanese);
    QCOMPARE(japanese, kJapaneseTree);

    window_->SetLanguage(Language::English, false);
    QStringList english;
    Walk(window_->menuBar()->actions(), 0, english);
    QCOMPARE(english.size(), japanese.size());
    for (int k = 0; k < english.size(); ++k) {
      const QString before = japanese[k].trimmed(), after = english[k].trimmed();
      if (before == QStringLiteral("日本語")) {
        QCOMPARE(after, before);  // a language is named in itself
        continue;
      }
      QVERIFY2(PlainEnglish(after), qPrintable(after));
      // Only captions that were plain already stay as they were.
      if (PlainEnglish(before)) continue;
      QVERIFY2(after != before, qPrintable(before));
      QVERIFY(!after.isEmpty());
    }
    QVERIFY(window_->item(QStringLiteral("LANGUAGE_EN"))->isChecked());

    window_->SetLanguage(Language::Japanese, false);
    QStringList again;
    Walk(window_->menuBar()->actions(), 0, again);
    QCOMPARE(again, kJapaneseTree);
    QVERIFY(window_->item(QStringLiteral("LANGUAGE_JA"))->isChecked());
  }

  void boxesAndPanelSpeakTheLanguageAndFit() {
    window_->SetLanguage(Language::English, false);
    window_->item(QStringLiteral("START"))->trigger();
    QCOMPARE(boxes_, QStringList({"  | Sente to move"}));

    RecordPanel& panel = window_->panel();
    QCOMPARE(panel.label1[3]->text(), QStringLiteral("File:"));
    // Each label's text inside the label (the button says RETURN in both languages).
    for (QLabel* label : panel.label1) {
      QVERIFY2(
          label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
          qPrintable(label->text()));
    }
    window_->SetLanguage(Language::Japanese, false);
    QCOMPARE(panel.label1[3]->text(), QStringLiteral("ﾌｧｲﾙ名 ："));
  }

  void messagesMadeOfPartsAreTranslatedPartByPart() {
    const QString made = QStringLiteral("「a.棋譜」の3行目: 空の行です");
    QCOMPARE(TranslateText("Message", made), made);
    window_->SetLanguage(Language::English, false);
    QCOMPARE(TranslateText("Message", made), QStringLiteral("\"a.棋譜\": Line 3: empty line"));
    QCOMPARE(TranslateText("Message",
                           QStringLiteral("「b.kif」はすでにあります。元のファイルはそのままです")),
             QStringLiteral("\"b.kif\" already exists. The original file is unchanged."));
    // What wraps a message is taken off first, whatever the message inside holds.
    QCOMPARE(
        TranslateText(
            "Message",
            QStringLiteral(
                "「a.棋譜」の4行目: 列3・段7に動かす駒（-10）がありません（空いています）")),
        QStringLiteral(
            "\"a.棋譜\": Line 4: the piece to move (-10) is not on column 3, row 7 (it is empty)"));
    // A name in 「」 is never translated, though it reads like a word of the game.
    QCOMPARE(TranslateText("Message", QStringLiteral("「二歩」が見つかりません")),
             QStringLiteral("\"二歩\" was not found"));
    // A part without a translation stays as it is.
    QCOMPARE(TranslateText("Message", QStringLiteral("「c.kif」の未知の理由")),
             QStringLiteral("\"c.kif\": 未知の理由"));
    window_->SetLanguage(Language::Japanese, false);
  }

  void theBoardsCaptionsChangeAndComeBackPixelForPixel() {
    window_->item(QStringLiteral("GOTE"))->trigger();  // the computer moves first
    QCOMPARE(window_->form().s.KIFU_SUU, 1);
    const QImage japanese = window_->keptImage().image().copy();

    window_->SetLanguage(Language::English, false);
    const QImage english = window_->keptImage().image().copy();
    QVERIFY(english != japanese);
    // The board itself is untouched.
    const int dpr = qRound(japanese.devicePixelRatio());
    const QRect board(QPoint(KeptImage::Pixel(kazeban::BAN_X0 + kazeban::MASU_W),
                             KeptImage::Pixel(kazeban::BAN_Y0 + kazeban::MASU_H)) *
                          dpr,
                      QSize(9 * 33, 9 * 41) * dpr);
    QCOMPARE(english.copy(board), japanese.copy(board));

    window_->SetLanguage(Language::Japanese, false);
    QCOMPARE(window_->keptImage().image(), japanese);
  }

  void theBoardsEnglishTextsFitTheirPlaces() {
    window_->SetLanguage(Language::English, false);
    // The handicap caption starts 120 twips into square (11, 1) and must end inside the
    // image; "moves" starts 120 twips into (12.7, 2.1).
    QFont font(QStringLiteral("ＭＳ Ｐ明朝"));
    font.setPointSize(10);
    font.setBold(true);
    const QFontMetrics metrics(font, &window_->keptImage().image());
    const int image_width = KeptImage::Pixel(kazeban::FORM_WIDTH_TWIPS);
    const QStringList grades = {"Handicap: Meijin", "Handicap: 8-dan", "Handicap: 12-kyu"};
    for (const QString& source :
         {QStringLiteral("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"), QStringLiteral("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段"),
          QStringLiteral("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級")}) {
      const QString text = TranslateText("Board", source);
      QVERIFY(grades.contains(text));
      QVERIFY2(
          KeptImage::Pixel(1100 + 11 * 495 + 120) + metrics.horizontalAdvance(text) < image_width,
          qPrintable(text));
    }
    QVERIFY(KeptImage::Pixel(1100 + 12.7 * 495 + 120) +
                metrics.horizontalAdvance(TranslateText("Board", QStringLiteral("手目"))) <
            image_width);
    window_->SetLanguage(Language::Japanese, false);
  }

  void thePlayersChoiceOutlastsTheLocale() {
    window_->SetLanguage(Language::English, true);
    QCOMPARE(StartLanguage(), Language::English);
    window_->SetLanguage(Language::Japanese, false);  // not the player's choice
    QCOMPARE(StartLanguage(), Language::English);
    window_->SetLanguage(Language::Japanese, true);
    QCOMPARE(StartLanguage(), Language::Japanese);
  }

 private:
  std::unique_ptr<MainWindow> window_;
  QStringList boxes_;
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
