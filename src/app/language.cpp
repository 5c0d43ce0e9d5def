#include "app/language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>

#include <array>

namespace {

const QString kLanguageKey = QStringLiteral("Window/language");

QSettings Settings() {
  return QSettings(QStringLiteral("KAZEBAN"), QStringLiteral("KAZEBAN"));
}

// Texts the game assembles from fixed parts, whole.
[[maybe_unused]] constexpr const char* kWholeTexts[] = {
    QT_TRANSLATE_NOOP("Message", "あなたの勝ちです"),
    QT_TRANSLATE_NOOP("Message", "ｺﾝﾋﾟｭｰﾀの勝ちです"),
    QT_TRANSLATE_NOOP("Message", "先手の勝ちです"),
    QT_TRANSLATE_NOOP("Message", "後手の勝ちです"),
    QT_TRANSLATE_NOOP("Message", "Direct Soundインターフェースが作成できません。"),
    // Why a file could not be read or written.
    QT_TRANSLATE_NOOP("Message", "見つかりません"),
    QT_TRANSLATE_NOOP("Message", "途中にフォルダでないものがあります"),
    QT_TRANSLATE_NOOP("Message", "許可がありません"),
    QT_TRANSLATE_NOOP("Message", "読み取り専用の場所です"),
    QT_TRANSLATE_NOOP("Message", "ディスクに空きがありません"),
    QT_TRANSLATE_NOOP("Message", "フォルダです"),
    QT_TRANSLATE_NOOP("Message", "名前が長すぎます"),
    QT_TRANSLATE_NOOP("Message", "ファイルが大きすぎます"),
    QT_TRANSLATE_NOOP("Message", "入出力エラーです"),
    QT_TRANSLATE_NOOP("Message", "リンクが循環しています"),
    QT_TRANSLATE_NOOP("Message", "ファイル名がありません"),
    QT_TRANSLATE_NOOP("Message", "空の行です"),
    QT_TRANSLATE_NOOP("Message", "王は打てません"),
    QT_TRANSLATE_NOOP("Message", "同じ時刻の記録が多すぎます"),
    QT_TRANSLATE_NOOP("Message", "1行目: 棋譜の形式がわかりません"),
    QT_TRANSLATE_NOOP("Message", "読めない行です"),
    QT_TRANSLATE_NOOP("Message", "指し手が読めません"),
    QT_TRANSLATE_NOOP("Message", "盤面図が9段ありません"),
    // Why another program's record cannot be read or written.
    QT_TRANSLATE_NOOP("Message", "盤面図の段が多すぎます"),
    QT_TRANSLATE_NOOP("Message", "盤面図の駒が読めません"),
    QT_TRANSLATE_NOOP("Message", "盤面図の段が9升ではありません"),
    QT_TRANSLATE_NOOP("Message", "「同」の前に指し手がありません"),
    QT_TRANSLATE_NOOP("Message", "指し手の升が読めません"),
    QT_TRANSLATE_NOOP("Message", "指し手の駒が読めません"),
    QT_TRANSLATE_NOOP("Message", "移動元が読めません"),
    QT_TRANSLATE_NOOP("Message", "持駒が読めません"),
    QT_TRANSLATE_NOOP("Message", "2行目以降は読めません"),
    QT_TRANSLATE_NOOP("Message", "KI2 形式では書き出せません"),
    QT_TRANSLATE_NOOP("Message", "平手の初期局面から先手が指す棋譜だけが .棋譜 ファイルに書けます"),
    QT_TRANSLATE_NOOP("Message", "駒の指定が読めません"),
    QT_TRANSLATE_NOOP("Message", "持駒にできない駒です"),
    QT_TRANSLATE_NOOP("Message", "持駒が多すぎます"),
    QT_TRANSLATE_NOOP("Message", "指し手の後に局面があります"),
    QT_TRANSLATE_NOOP("Message", "駒落ちの指定が読めません"),
    QT_TRANSLATE_NOOP("Message", "段の升が9ではありません"),
    QT_TRANSLATE_NOOP("Message", "局面の行が読めません"),
    QT_TRANSLATE_NOOP("Message", "指し手の途中に手番があります"),
    QT_TRANSLATE_NOOP("Message", "盤の段の升の数が9ではありません"),
    QT_TRANSLATE_NOOP("Message", "「+」の後に駒がありません"),
    QT_TRANSLATE_NOOP("Message", "盤の段の升の数が9を超えています"),
    QT_TRANSLATE_NOOP("Message", "「+」が続いています"),
    QT_TRANSLATE_NOOP("Message", "盤が9段9筋になっていません"),
    QT_TRANSLATE_NOOP("Message", "手番は b か w です"),
    QT_TRANSLATE_NOOP("Message", "持駒の数が多すぎます"),
    QT_TRANSLATE_NOOP("Message", "局面がありません"),
    QT_TRANSLATE_NOOP("Message", "SFENの欄が足りません"),
    QT_TRANSLATE_NOOP("Message", "盤に駒でないものがあります"),
    QT_TRANSLATE_NOOP("Message", "行き所のない駒があります"),
    QT_TRANSLATE_NOOP("Message", "二歩があります"),
    QT_TRANSLATE_NOOP("Message", "玉が二枚あります"),
    QT_TRANSLATE_NOOP("Message", "持駒の数が負です"),
    QT_TRANSLATE_NOOP("Message", "駒の数が一組より多くなっています"),
    QT_TRANSLATE_NOOP("Message", "手番でない側の玉に王手がかかっています"),
    QT_TRANSLATE_NOOP("Message", "その駒で指せる手がありません"),
    QT_TRANSLATE_NOOP("Message", "どの駒の手か決まりません"),
    QT_TRANSLATE_NOOP("Message", "升が読めません"),
    QT_TRANSLATE_NOOP("Message", "駒が読めません"),
    QT_TRANSLATE_NOOP("Message", "合法手"),
    // Moves standard shogi does not allow, and the sides of a handicap game.
    QT_TRANSLATE_NOOP("Message", "玉を取る手"),
    QT_TRANSLATE_NOOP("Message", "王手放置"),
    QT_TRANSLATE_NOOP("Message", "その駒はそこへ指せません"),
    QT_TRANSLATE_NOOP("Message", "二歩"),
    QT_TRANSLATE_NOOP("Message", "行き所のない駒"),
    QT_TRANSLATE_NOOP("Message", "打ち歩詰め"),
    QT_TRANSLATE_NOOP("Message", "下手"),
    QT_TRANSLATE_NOOP("Message", "上手"),
    // The fields of a move line, the sides, the names, and characters a file cannot hold.
    QT_TRANSLATE_NOOP("Message", "移動元の列"),
    QT_TRANSLATE_NOOP("Message", "移動元の段"),
    QT_TRANSLATE_NOOP("Message", "移動先の列"),
    QT_TRANSLATE_NOOP("Message", "移動先の段"),
    QT_TRANSLATE_NOOP("Message", "動かした後の駒"),
    QT_TRANSLATE_NOOP("Message", "動かす前の駒"),
    QT_TRANSLATE_NOOP("Message", "取った駒"),
    QT_TRANSLATE_NOOP("Message", "空いています"),
    QT_TRANSLATE_NOOP("Message", "下"),
    QT_TRANSLATE_NOOP("Message", "上"),
    QT_TRANSLATE_NOOP("Message", "対局名"),
    QT_TRANSLATE_NOOP("Message", "先手の名前"),
    QT_TRANSLATE_NOOP("Message", "後手の名前"),
    QT_TRANSLATE_NOOP("Message", "改行"),
    QT_TRANSLATE_NOOP("Message", "タブ"),
    QT_TRANSLATE_NOOP("Message", "制御文字"),
    QT_TRANSLATE_NOOP("Message", "UTF-8 として正しくない文字"),
    QT_TRANSLATE_NOOP("Message", "文字コード CP932 への変換が使えません"),
};

// Messages with parts, what wraps a message first, then the most particular: a part
// is translated in turn.
constexpr const char* kPatterns[] = {
    QT_TRANSLATE_NOOP("Message", "%1。元のファイルはそのままです"),
    QT_TRANSLATE_NOOP("Message", "貼り付けた棋譜の%1"),
    QT_TRANSLATE_NOOP("Message", "「%1」の%2"),
    QT_TRANSLATE_NOOP("Message", "%1行目: %2"),
    QT_TRANSLATE_NOOP("Message", "%1手目: %2"),
    QT_TRANSLATE_NOOP("Message", "%1手目の記録が正しくないため書き込めません: %2"),
    // Why an export stops short.
    QT_TRANSLATE_NOOP("Message",
                      "%1手目の%2は%3で、標準の将棋では指せないため書き出していません。"
                      "KAZEBAN の規則では%4の勝ち。"),
    QT_TRANSLATE_NOOP("Message",
                      "%1手目の%2は%3で、標準の将棋では指せないため書き出していません。"),
    // Why a line of another program's record is refused, the move or word at fault
    // given as it stands in the file.
    QT_TRANSLATE_NOOP("Message", "%1手目 %2: 指し手が読めません"),
    QT_TRANSLATE_NOOP("Message", "%1手目 %2: %3"),
    QT_TRANSLATE_NOOP("Message", "局面: %1"),
    QT_TRANSLATE_NOOP("Message", "盤面図: %1"),
    QT_TRANSLATE_NOOP("Message", "指し手が読めません: %1"),
    QT_TRANSLATE_NOOP("Message", "手合割がわかりません: %1"),
    QT_TRANSLATE_NOOP("Message", "駒の名が読めません: %1"),
    QT_TRANSLATE_NOOP("Message", "升が読めません: %1"),
    QT_TRANSLATE_NOOP("Message", "駒落ちの指定が読めません: %1"),
    QT_TRANSLATE_NOOP("Message", "盤の駒が読めません: %1"),
    QT_TRANSLATE_NOOP("Message", "終局の語が読めません: %1"),
    QT_TRANSLATE_NOOP("Message", "読めない行です: %1"),
    QT_TRANSLATE_NOOP("Message", "駒の字ではありません: %1"),
    QT_TRANSLATE_NOOP("Message", "成れない駒です: +%1"),
    QT_TRANSLATE_NOOP("Message", "手数が数ではありません: %1"),
    QT_TRANSLATE_NOOP("Message", "余分な語があります: %1"),
    QT_TRANSLATE_NOOP("Message", "読めない字があります: %1"),
    QT_TRANSLATE_NOOP("Message", "%1の名に書けない文字があります: %2"),
    QT_TRANSLATE_NOOP("Message", "CP932 で書けない文字があります: %1"),
    QT_TRANSLATE_NOOP("Message", "%1: 手番が違います"),
    QT_TRANSLATE_NOOP("Message", "%1: 移動元にその駒がありません"),
    QT_TRANSLATE_NOOP("Message", "%1: 成れない駒です"),
    QT_TRANSLATE_NOOP("Message", "%1: 移動元がありません"),
    QT_TRANSLATE_NOOP("Message", "%1: 持駒にありません"),
    QT_TRANSLATE_NOOP("Message", "%1: 打てない駒です"),
    QT_TRANSLATE_NOOP("Message", "%1: 移動元に手番の駒がありません"),
    QT_TRANSLATE_NOOP("Message", "%1: 移動元の駒と合いません"),
    // Why a line of a record file is refused.
    QT_TRANSLATE_NOOP("Message", "%1（%2）が数字として読めません"),
    QT_TRANSLATE_NOOP("Message", "%1文字目より後に余計な文字があります"),
    QT_TRANSLATE_NOOP("Message", "移動元の列が範囲外です（%1）"),
    QT_TRANSLATE_NOOP("Message", "%1が範囲外です（%2）"),
    QT_TRANSLATE_NOOP("Message", "動かした後の駒が駒の番号ではありません（%1）"),
    QT_TRANSLATE_NOOP("Message", "動かす前の駒が駒の番号ではありません（%1）"),
    QT_TRANSLATE_NOOP("Message", "取った駒が駒の番号ではありません（%1）"),
    QT_TRANSLATE_NOOP("Message",
                      "動かした後の駒（%1）が動かす前の駒（%2）ともその成駒とも違います"),
    QT_TRANSLATE_NOOP("Message", "自分の駒（%1）を取っています"),
    QT_TRANSLATE_NOOP("Message", "移動元の列 %1 は%2側の持駒ですが、打つ駒（%3）は%4側の駒です"),
    QT_TRANSLATE_NOOP("Message", "成駒は打てません（%1）"),
    QT_TRANSLATE_NOOP("Message", "打った駒は成れません（%1）"),
    QT_TRANSLATE_NOOP("Message", "打つ駒（%1）が持駒にありません"),
    QT_TRANSLATE_NOOP("Message", "駒を打つ手が駒を取っています（%1）"),
    QT_TRANSLATE_NOOP("Message", "%1に動かす駒（%2）がありません（%3）"),
    QT_TRANSLATE_NOOP("Message", "そこにあるのは %1"),
    QT_TRANSLATE_NOOP("Message", "移動先（%1）にあるのは %2 で、取った駒（%3）と違います"),
    QT_TRANSLATE_NOOP("Message", "%1に、棋譜ファイルに書けない文字があります（%2）"),
    QT_TRANSLATE_NOOP("Message", "手が多すぎます（%1手。%2手までです）"),
    QT_TRANSLATE_NOOP("Message", "%1手目からあとは読み込んでいません(%2手まで)"),
    QT_TRANSLATE_NOOP("Message", "%1手目は反則(%2)のため、その前までを読み込みました"),
    QT_TRANSLATE_NOOP("Message", "%1が投了しました\n%2の勝ちです"),
    QT_TRANSLATE_NOOP("Message", "連続王手の千日手です\n%1の勝ちです"),
    // A game against an engine, and why it stopped.
    QT_TRANSLATE_NOOP("Message", "%1\nここまでの対局は記録されています"),
    QT_TRANSLATE_NOOP("Message", "ｴﾝｼﾞﾝの指し手が読めません: %1"),
    QT_TRANSLATE_NOOP("Message", "ｴﾝｼﾞﾝが反則の手を指しました: %1 (%2)"),
    QT_TRANSLATE_NOOP("Message", "ｴﾝｼﾞﾝが %1 に答えません"),
    QT_TRANSLATE_NOOP("Message", "ｴﾝｼﾞﾝが終了しました (%1)"),
    QT_TRANSLATE_NOOP("Message", "起動できません: %1"),
    QT_TRANSLATE_NOOP("Message", "終了コード %1"),
    QT_TRANSLATE_NOOP("Message", "ｴﾝｼﾞﾝが終了しました"),
    QT_TRANSLATE_NOOP("Message", "ｴﾝｼﾞﾝの出力が読めません"),
    QT_TRANSLATE_NOOP("Message", "ｴﾝｼﾞﾝが時間内に指しません"),
    QT_TRANSLATE_NOOP("Message", "ｴﾝｼﾞﾝが止まりません"),
    QT_TRANSLATE_NOOP("Message", "異常終了"),
    QT_TRANSLATE_NOOP("Message", "出力が読めません"),
    QT_TRANSLATE_NOOP("Message", "(なし)"),
    QT_TRANSLATE_NOOP(
        "Message", "USIｴﾝｼﾞﾝが見つかりません\nfairy-stockfish を入れるか、ｴﾝｼﾞﾝ設定で選んで下さい"),
    QT_TRANSLATE_NOOP("Message", "対局の結果を記録できません\n%1\n%2"),
    QT_TRANSLATE_NOOP("Message", "「%1」はすでにあります。\n置き換えますか？"),
    QT_TRANSLATE_NOOP("Message", "%1手目からあとは KAZEBAN だけが読める形で書き出しました\n%2"),
    QT_TRANSLATE_NOOP("Message", "%1の勝ちです"),
    QT_TRANSLATE_NOOP("Message", "%1手目からあとは書き出していません\n%2"),
    QT_TRANSLATE_NOOP("Message", "対局を記録できません\n%1\n%2\n対局はこのまま続けられます"),
    QT_TRANSLATE_NOOP("Message",
                      "「%1」は書き出せる形式の名前ではありません(.kif .kifu .csa .sfen .usi)"),
    QT_TRANSLATE_NOOP("Message", "「%1」が見つかりません"),
    QT_TRANSLATE_NOOP("Message", "「%1」を開けません（%2）"),
    QT_TRANSLATE_NOOP("Message", "「%1」を読み込めません（%2）"),
    QT_TRANSLATE_NOOP("Message", "「%1」はフォルダです"),
    QT_TRANSLATE_NOOP("Message", "「%1」は普通のファイルではありません"),
    QT_TRANSLATE_NOOP("Message", "「%1」は大きすぎて棋譜ファイルではありません"),
    QT_TRANSLATE_NOOP("Message", "「%1」はすでにあります"),
    QT_TRANSLATE_NOOP("Message", "「%1」に書き込めません（%2）"),
    QT_TRANSLATE_NOOP("Message", "「%1」は書き込みが許可されていないため上書きできません"),
    QT_TRANSLATE_NOOP("Message",
                      "「%1」は共有のフォルダにある他のユーザーのリンクなので、書き込めません"),
    QT_TRANSLATE_NOOP("Message", "保存先のフォルダ「%1」がありません"),
    QT_TRANSLATE_NOOP("Message", "保存先のフォルダ「%1」に書き込む許可がありません"),
    QT_TRANSLATE_NOOP("Message", "保存先のフォルダ「%1」にファイルを作れません（%2）"),
    QT_TRANSLATE_NOOP("Message", "「%1」を書き込めませんでした（%2）"),
    QT_TRANSLATE_NOOP("Message", "「%1」を作れませんでした（%2）"),
    QT_TRANSLATE_NOOP("Message", "「%1」という名前のフォルダがあるため書き込めません"),
    QT_TRANSLATE_NOOP("Message", "「%1」を置き換えられませんでした（%2）"),
    QT_TRANSLATE_NOOP("Message", "フォルダ「%1」を作れません（%2）"),
    QT_TRANSLATE_NOOP("Message", "「%1」はフォルダではありません"),
    QT_TRANSLATE_NOOP("Message", "「%1」を読み込めません。"),
    QT_TRANSLATE_NOOP("Message", "「%1」は空のファイルです。"),
    QT_TRANSLATE_NOOP("Message", "「%1」は音声ファイルとしては大きすぎます。"),
    QT_TRANSLATE_NOOP("Message", "「%1」を開けません。"),
    QT_TRANSLATE_NOOP("Message", "「%1」はWAVE形式の音声ファイルではありません。"),
    QT_TRANSLATE_NOOP("Message", "「%1」は途中で切れています。"),
    QT_TRANSLATE_NOOP("Message", "「%1」は再生できない形式の音声ファイルです。"),
    QT_TRANSLATE_NOOP("Message", "手の行が短すぎます（%1文字必要なところ %2文字です）"),
    QT_TRANSLATE_NOOP("Message", "エラー番号 %1"),
    // Parts that may begin or end a longer message come last.
    QT_TRANSLATE_NOOP("Message", "%1～%2文字目"),
    QT_TRANSLATE_NOOP("Message", "%1文字目"),
    QT_TRANSLATE_NOOP("Message", "列%1・段%2"),
};

// A pattern as a regular expression over a whole text: each %n a part.
const QRegularExpression& PatternExpression(std::size_t k) {
  static const auto expressions = [] {
    std::array<QRegularExpression, std::size(kPatterns)> all;
    for (std::size_t i = 0; i < all.size(); ++i) {
      QString re = QRegularExpression::escape(QString::fromUtf8(kPatterns[i]));
      re.replace(QRegularExpression(QStringLiteral(R"(\\%(\d))")), QStringLiteral("(.+?)"));
      all[i] = QRegularExpression(QLatin1Char('^') + re + QLatin1Char('$'),
                                  QRegularExpression::DotMatchesEverythingOption);
    }
    return all;
  }();
  return expressions[k];
}

QString TranslateMessage(const QString& text, int depth) {
  const QByteArray utf8 = text.toUtf8();
  const QString whole = QCoreApplication::translate("Message", utf8.constData());
  if (whole != text || depth > 4) return whole;
  for (std::size_t k = 0; k < std::size(kPatterns); ++k) {
    const QString pattern = QString::fromUtf8(kPatterns[k]);
    const QString translated = QCoreApplication::translate("Message", kPatterns[k]);
    if (translated == pattern) continue;  // no translation: the text stays as it is
    const QRegularExpressionMatch m = PatternExpression(k).match(text);
    if (!m.hasMatch()) continue;
    // Each %n of the translation once, in a single pass, so that a part that holds a
    // "%" is never read as a mark. A part in 「」 is a name, a path or a file's
    // contents, and stays as it is.
    QString result;
    for (qsizetype i = 0; i < translated.size(); ++i) {
      const int part = i + 1 < translated.size() ? translated[i + 1].digitValue() : -1;
      if (translated[i] == QLatin1Char('%') && part >= 1 && part <= m.lastCapturedIndex()) {
        const QString mark = QStringLiteral("「%") + QString::number(part);
        result += pattern.contains(mark) ? m.captured(part)
                                         : TranslateMessage(m.captured(part), depth + 1);
        ++i;
      } else {
        result += translated[i];
      }
    }
    return result;
  }
  return text;
}

}  // namespace

Language LocaleLanguage(const QStringList& ui_languages) {
  if (ui_languages.isEmpty()) return Language::Japanese;
  const QString first = ui_languages.front();
  if (first.isEmpty() || first == QLatin1String("C") || first == QLatin1String("POSIX") ||
      first.startsWith(QLatin1String("ja"))) {
    return Language::Japanese;
  }
  return Language::English;
}

Language StartLanguage() {
  const QString chosen = Settings().value(kLanguageKey).toString();
  if (chosen == QLatin1String("ja")) return Language::Japanese;
  if (chosen == QLatin1String("en")) return Language::English;
  return LocaleLanguage(QLocale::system().uiLanguages());
}

void RememberLanguage(Language language) {
  QSettings settings = Settings();
  settings.setValue(kLanguageKey,
                    language == Language::English ? QStringLiteral("en") : QStringLiteral("ja"));
  settings.sync();
}

QString TranslateText(const char* context, const QString& text) {
  if (qstrcmp(context, "Message") == 0) return TranslateMessage(text, 0);
  return QCoreApplication::translate(context, text.toUtf8().constData());
}

Translations::~Translations() {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
}

bool Translations::Install(Language language) {
  if (installed_) {
    QCoreApplication::removeTranslator(&translator_);
    installed_ = false;
  }
  language_ = Language::Japanese;
  if (language == Language::Japanese) return true;
  if (!translator_.load(QStringLiteral(":/i18n/kazeban_en.qm"))) return false;
  installed_ = QCoreApplication::installTranslator(&translator_);
  if (installed_) language_ = language;
  return installed_;
}
