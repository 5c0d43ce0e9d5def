#include "interop/record_formats.h"

#include <iconv.h>
#include <cctype>

#include "interop/formats_internal.h"
#include "interop/kazeban_rule_moves.h"
#include "interop/sfen.h"
#include "rules/pieces.h"
#include "storage/cp932.h"

namespace kazeban {
namespace {

using namespace formats;

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool UTF8か(std::string_view s) {
  size_t k = 0;
  while (k < s.size()) {
    const auto b = static_cast<unsigned char>(s[k]);
    if (b < 0x80) {
      ++k;
      continue;
    }
    size_t n = 0;
    unsigned min = 0;
    if (b >= 0xC2 && b <= 0xDF) {
      n = 1;
      min = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
      n = 2;
      min = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
      n = 3;
      min = 0x10000;
    } else {
      return false;
    }
    if (k + n >= s.size()) return false;
    unsigned v = b & (0x3F >> n);
    for (size_t t = 1; t <= n; ++t) {
      const auto c = static_cast<unsigned char>(s[k + t]);
      if ((c & 0xC0) != 0x80) return false;
      v = (v << 6) | (c & 0x3F);
    }
    if (v < min || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return false;
    k += n + 1;
  }
  return true;
}

// EUC-JP bytes as UTF-8, or false when they are not EUC-JP. Old server logs wrote
// their comments in it.
bool EUCJPから(std::string_view bytes, std::string& out) {
  // CP932's Japanese text always has lead bytes 0x81..0x9F (kana, most kanji), which
  // EUC-JP never uses but for its two shift bytes.
  // Text of half-width katakana alone (0xA1..0xDF in CP932) is taken for CP932: EUC-JP
  // text has bytes from 0xE0 up (kanji) as soon as it says anything.
  bool kanji = false;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x80 && b <= 0xA0 && b != 0x8E && b != 0x8F) return false;
    kanji = kanji || b >= 0xE0;
  }
  if (!kanji) return false;
  const iconv_t cd = iconv_open("UTF-8", "EUC-JP");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string in(bytes);
  out.assign(in.size() * 3 / 2 + 16, '\0');
  char* src = in.data();
  size_t left = in.size();
  char* dst = out.data();
  size_t room = out.size();
  const size_t done = iconv(cd, &src, &left, &dst, &room);
  iconv_close(cd);
  if (done == static_cast<size_t>(-1) || left != 0) return false;
  out.resize(out.size() - room);
  return true;
}

// The length of the well-formed UTF-8 character of more than one byte at the start of
// s, or 0.
size_t UTF8の字(std::string_view s) {
  if (s.empty() || static_cast<unsigned char>(s.front()) < 0x80) return 0;
  const auto b = static_cast<unsigned char>(s.front());
  const size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
  return n <= s.size() && UTF8か(s.substr(0, n)) ? n : 0;
}

// Whether the record says it is UTF-8: a BOM, or "encoding=UTF-8" on a comment line at
// its start ("#KIF version=2.0 encoding=UTF-8", CSA's "'encoding=UTF-8").
bool UTF8と宣言(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return true;
  std::string head(bytes.substr(0, 512));
  for (char& c : head) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const size_t at = head.find("encoding=utf-8");
  if (at == std::string::npos) return false;
  const size_t line = head.find_last_of("\r\n", at);
  const char first = head[line == std::string::npos ? 0 : line + 1];
  return first == '#' || first == '\'';
}

// The text of a record in UTF-8: well-formed UTF-8 is taken as UTF-8 (".kifu", CSA
// V3.0); a record declared UTF-8 stays UTF-8 with what cannot be decoded replaced, as
// long as most of its characters beyond ASCII are UTF-8 (some writers declare UTF-8
// and write Shift_JIS throughout); then EUC-JP where the bytes can be nothing else,
// anything else as CP932.
std::string 文書(std::string_view bytes, bool& utf8) {
  utf8 = false;
  const bool declared = UTF8と宣言(bytes);
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (UTF8か(bytes)) {
    for (const char c : bytes) utf8 = utf8 || static_cast<unsigned char>(c) >= 0x80;
    return std::string(bytes);
  }
  if (declared) {
    size_t good = 0;
    size_t bad = 0;
    for (size_t k = 0; k < bytes.size();) {
      const size_t n = UTF8の字(bytes.substr(k));
      if (n > 0) {
        ++good;
        k += n;
      } else {
        bad += static_cast<unsigned char>(bytes[k]) >= 0x80;
        ++k;
      }
    }
    if (good > bad) {
      std::string out;
      out.reserve(bytes.size() + bad * 2);
      for (size_t k = 0; k < bytes.size();) {
        const size_t n = UTF8の字(bytes.substr(k));
        if (n > 0) {
          out.append(bytes.substr(k, n));
          k += n;
        } else if (static_cast<unsigned char>(bytes[k]) >= 0x80) {
          out += "\xEF\xBF\xBD";  // U+FFFD
          ++k;
        } else {
          out += bytes[k++];
        }
      }
      utf8 = true;
      return out;
    }
  }
  std::string euc;
  if (EUCJPから(bytes, euc)) return euc;
  return CP932文書からUTF8(bytes);
}

bool 語尾(std::string_view name, std::string_view ext) {
  if (name.size() < ext.size()) return false;
  for (size_t k = 0; k < ext.size(); ++k) {
    char c = name[name.size() - ext.size() + k];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != ext[k]) return false;
  }
  return true;
}

// True for a line of the ".棋譜" move format: 17 columns of digits, signs and blanks.
bool 棋譜行か(std::string_view l) {
  while (!l.empty() && l.back() == ' ') l.remove_suffix(1);
  if (l.size() < 14 || l.size() > 17) return false;
  for (const char c : l) {
    if (!(c == ' ' || c == '-' || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

enum class 読み方 { 不明, KIF, CSA, USI, 棋譜ファイル };

// Tells the format from the first lines that say anything.
読み方 見分ける(const std::vector<行>& lines, std::string_view fileName) {
  if (語尾(fileName, ".棋譜")) return 読み方::棋譜ファイル;
  // A .棋譜 file: three name lines, then nothing but move lines.
  if (lines.size() >= 4) {
    bool all = true;
    for (size_t k = 3; k < lines.size() && all; ++k)
      all = lines[k].文.empty() || 棋譜行か(lines[k].文);
    if (all && 棋譜行か(lines[3].文)) return 読み方::棋譜ファイル;
  }
  for (const 行& l : lines) {
    const std::string_view t = 空白除去(l.文);
    if (t.empty()) continue;
    if (t.starts_with("#") || t.starts_with("*")) return 読み方::KIF;
    if (t.starts_with("'")) continue;
    if (t.starts_with("position") || t.starts_with("startpos") || t.starts_with("sfen ")) {
      return 読み方::USI;
    }
    if (t.find('/') != std::string_view::npos && t.find(' ') != std::string_view::npos &&
        t.find("：") == std::string_view::npos && !t.starts_with("$")) {
      size_t slashes = 0;
      for (const char c : t.substr(0, t.find(' '))) slashes += c == '/';
      if (slashes == 8) return 読み方::USI;
    }
    if (t.starts_with("V2") || t.starts_with("V3") || t.starts_with("N+") || t.starts_with("N-") ||
        t.starts_with("$") || t.starts_with("PI") ||
        (t.size() >= 2 && t[0] == 'P' && t[1] >= '1' && t[1] <= '9') || t.starts_with("P+") ||
        t.starts_with("P-") || t == "+" || t == "-" ||
        (t.size() == 7 && (t[0] == '+' || t[0] == '-') && t[1] >= '0' && t[1] <= '9')) {
      return 読み方::CSA;
    }
    return 読み方::KIF;
  }
  if (語尾(fileName, ".csa")) return 読み方::CSA;
  if (語尾(fileName, ".sfen") || 語尾(fileName, ".usi")) return 読み方::USI;
  return 読み方::不明;
}

対局棋譜読込結果 棋譜ファイルの読込(std::string_view bytes) {
  対局棋譜読込結果 r;
  r.形式 = 棋譜形式::棋譜ファイル;
  const 棋譜読込結果 f = 棋譜_解析(bytes);
  if (!f.成功) {
    r.理由 = f.理由;
    return r;
  }
  r.打切り = f.打切り;
  const std::vector<棋譜の手>& moves = f.データ.手;
  Position start = 平手局面();
  if (!moves.empty() && UEの駒(moves.front().KOMA)) start.toMove = Color::White;
  const int n = static_cast<int>(moves.size());
  r.棋譜 = KAZEBAN対局から(start, moves.data(), n, f.データ.上側の名, f.データ.下側の名,
                           f.データ.対局名, "", KAZEBAN終局か(start, moves.data(), n));
  r.成功 = true;
  return r;
}

// A KAZEBAN record line's drop in the form the standard rules read: UE's hand row
// (as the mouse records it) becomes the kind.
棋譜の手 整えた手(const 棋譜の手& m) {
  棋譜の手 out = m;
  if (m.MOTO_I == -1) out.MOTO_J = 駒種類(m.KOMA);
  if (m.MOTO_I == 11) out.MOTO_J = 駒種類(m.KOMA) + 2;
  return out;
}

const char* 手番の印(Color c) {
  return c == Color::Black ? "▲" : "△";
}

std::string 陣営の名(Color c, bool handicap) {
  if (handicap) return c == Color::Black ? "下手" : "上手";
  return c == Color::Black ? "先手" : "後手";
}

// A move in words for a comment: "▲５五角打", "△同　歩" as in KIF, without origin.
std::string 手の言葉(const Position& p, const 棋譜の手& m) {
  std::string out = 手番の印(p.toMove);
  out += 全角数字[10 - m.SAKI_I];
  out += 漢数字[m.SAKI_J];
  out += 駒の名(m.KOMA);
  if (m.MOTO_I == 11 || m.MOTO_I == -1) {
    out += "打";
  } else if (m.NARI != m.KOMA) {
    out += "成";
  }
  return out;
}

// The headers of KIF and KI2 files: one of them, the head of the move table, a move or
// a board makes a record of a text; a text with none (a settings file, a list of
// users) is none.
constexpr std::string_view KIFの見出し名[] = {
    "開始日時", "終了日時", "対局日", "棋戦",     "戦型",       "手合割",     "先手", "後手",
    "下手",     "上手",     "場所",   "持ち時間", "消費時間",   "表題",       "作者", "作品名",
    "出典",     "備考",     "記録係", "解説",     "先手の持駒", "後手の持駒", "手数"};

bool 棋譜のある文書か(const 対局棋譜& g, const std::vector<行>& lines) {
  if (!g.手.empty() || !g.終局.empty() || !同一局面(g.開始局面, 平手局面())) return true;
  for (const 行& l : lines) {
    const std::string_view t = 空白除去(l.文);
    if (t.starts_with("手数--")) return true;  // the head of the move table
    for (const std::string_view name : KIFの見出し名) {
      if (t.starts_with(name) &&
          (t.substr(name.size()).starts_with("：") || t.substr(name.size()).starts_with(":"))) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace

対局棋譜読込結果 対局棋譜_解析(std::string_view bytes, std::string_view fileName) {
  bool utf8 = false;
  const std::string text = 文書(bytes, utf8);
  // A game kept under KAZEBAN's own rule reads whole, past what standard shogi allows.
  if (KAZEBAN規則の棋譜か(text)) return KAZEBAN規則の棋譜_読込(text);
  const std::vector<行> lines = 行に分ける(text);
  対局棋譜読込結果 r;
  switch (見分ける(lines, fileName)) {
    case 読み方::棋譜ファイル:
      return 棋譜ファイルの読込(bytes);
    case 読み方::KIF:
      r = KIF_読込(text);
      if (r.成功 && !棋譜のある文書か(r.棋譜, lines)) {
        r = {};
        r.理由 = "1行目: 棋譜ではありません（指し手も局面も見出しもありません）";
        return r;
      }
      if (r.形式 == 棋譜形式::KIF && utf8) r.形式 = 棋譜形式::KIFU;
      return r;
    case 読み方::CSA:
      return CSA_読込(text);
    case 読み方::USI:
      return USI_読込(text);
    case 読み方::不明:
      break;
  }
  r.理由 = "1行目: 棋譜の形式がわかりません";
  return r;
}

対局棋譜読込結果 formats::USI_読込(std::string_view text) {
  対局棋譜読込結果 r;
  int number = 0;
  std::string_view line;
  for (const 行& l : 行に分ける(text)) {
    if (空白除去(l.文).empty()) continue;
    if (number != 0) {
      r.理由 = 行の理由(l.番号, "2行目以降は読めません");
      return r;
    }
    number = l.番号;
    line = 空白除去(l.文);
  }
  const SFEN読込結果 s = SFEN_解析(line, false, true);
  if (!s.成功) {
    r.理由 = 行の理由(number == 0 ? 1 : number, s.理由);
    return r;
  }
  r.形式 = s.手.empty() && line.find("position") == std::string_view::npos &&
                   line.find("startpos") == std::string_view::npos
               ? 棋譜形式::SFEN
               : 棋譜形式::USI;
  r.棋譜.開始局面 = s.局面;
  r.棋譜.手合割 = 手合割の名(s.局面);
  r.棋譜.手 = s.手;
  r.成功 = true;
  return r;
}

書出結果 対局棋譜_書出(const 対局棋譜& g, 棋譜形式 format) {
  書出結果 r;
  // Names and comments must fit the lines they go on.
  const struct {
    const char* 名;
    const std::string& 値;
  } fields[] = {{"先手", g.先手名}, {"後手", g.後手名}, {"棋戦", g.棋戦}, {"開始日時", g.開始日時}};
  if (format != 棋譜形式::SFEN && format != 棋譜形式::USI && format != 棋譜形式::棋譜ファイル) {
    for (const auto& f : fields) {
      const CP932変換結果 c = UTF8からCP932(f.値);
      const bool cp932 = format == 棋譜形式::KIF;  // CSA falls back to UTF-8
      if (!c.成功 && (cp932 || f.値.find_first_of("\r\n") != std::string::npos)) {
        r.理由 = std::string(f.名) + "の名に書けない文字があります: " + c.書けない文字;
        return r;
      }
    }
  }
  switch (format) {
    case 棋譜形式::KIF:
    case 棋譜形式::KIFU:
    case 棋譜形式::CSA: {
      書出結果 t = format == 棋譜形式::CSA ? CSA_書出(g) : KIF_書出(g, format == 棋譜形式::KIFU);
      if (!t.成功 || format == 棋譜形式::KIFU) return t;
      const CP932変換結果 c = UTF8文書からCP932(t.バイト列);
      if (!c.成功 && format == 棋譜形式::CSA && t.バイト列.starts_with("V2.2\r\n")) {
        // Text CP932 cannot hold: CSA 3.0, whose files are UTF-8, keeps all of it.
        t.バイト列.replace(0, 6, "'CSA encoding=UTF-8\r\nV3.0\r\n");
        return t;
      }
      if (!c.成功) {
        r.理由 = "CP932 で書けない文字があります: " + c.書けない文字;
        return r;
      }
      r.成功 = true;
      r.バイト列 = c.バイト列;
      return r;
    }
    case 棋譜形式::SFEN:
    case 棋譜形式::USI: {
      // A foul that ended the game is no move an engine takes: both stop before it.
      Position p = g.開始局面;
      std::string moves;
      // A foul that ended the game has no place here: the moves stop before it.
      const size_t playable = g.手.size() - (g.最終手反則 && !g.手.empty() ? 1 : 0);
      for (size_t k = 0; k < playable; ++k) {
        const 標準判定結果 j = 標準判定(p, g.手[k]);
        if (j != 標準判定結果::合法) {
          r.理由 = std::to_string(k + 1) + "手目: " + 標準判定の説明(j);
          return r;
        }
        moves += ' ';
        moves += USI_指し手(g.手[k]);
        指す(p, g.手[k]);
      }
      if (format == 棋譜形式::SFEN) {
        r.バイト列 = SFEN_局面(p, static_cast<int>(playable) + 1) + "\n";
      } else {
        r.バイト列 = 同一局面(g.開始局面, 平手局面()) ? "position startpos"
                                                      : "position sfen " + SFEN_局面(g.開始局面);
        if (!moves.empty()) r.バイト列 += " moves" + moves;
        r.バイト列 += '\n';
      }
      r.成功 = true;
      return r;
    }
    case 棋譜形式::KI2:
      r.理由 = "KI2 形式では書き出せません";
      return r;
    case 棋譜形式::棋譜ファイル: {
      if (!同一局面(g.開始局面, 平手局面())) {
        r.理由 = "平手の初期局面から先手が指す棋譜だけが .棋譜 ファイルに書けます";
        return r;
      }
      棋譜データ d;
      d.対局名 = g.棋戦;
      d.上側の名 = g.後手名;
      d.下側の名 = g.先手名;
      d.手 = g.手;
      const 棋譜バイト列結果 b = 棋譜_バイト列(d);
      r.成功 = b.成功;
      r.バイト列 = b.バイト列;
      r.理由 = b.理由;
      return r;
    }
  }
  return r;
}

bool KAZEBAN終局か(const Position& start, const 棋譜の手* moves, int count) {
  if (count <= 0) return false;
  Position p = start;
  for (int k = 0; k < count; ++k) 指す(p, 整えた手(moves[k]));
  const 棋譜の手& last = moves[count - 1];
  return last.TORI == K_UE_OU || last.TORI == K_SITA_OU || 王手されている(p.state, p.toMove);
}

対局棋譜 KAZEBAN対局から(const Position& start, const 棋譜の手* moves, int count,
                         std::string 上側の名, std::string 下側の名, std::string 対局名,
                         std::string 開始日時, bool 終局した) {
  対局棋譜 g;
  g.棋戦 = std::move(対局名);
  g.開始日時 = std::move(開始日時);
  // 1. Orientation: an even game that the top player began is turned round, so that
  // its first mover is black at the bottom.
  const bool turn = start.toMove == Color::White && 同一局面(回した局面(start), 平手局面());
  g.開始局面 = turn ? 回した局面(start) : start;
  g.先手名 = turn ? 上側の名 : 下側の名;
  g.後手名 = turn ? 下側の名 : 上側の名;
  g.手合割 = 手合割の名(g.開始局面);
  const bool handicap = !g.手合割.empty() && g.手合割 != "平手";
  // 2. The moves up to the first one standard shogi forbids.
  Position p = g.開始局面;
  for (int k = 0; k < count; ++k) {
    棋譜の手 m = 整えた手(moves[k]);
    if (turn) m = 回した手(m);
    const 標準判定結果 j = 標準判定(p, m);
    if (j == 標準判定結果::合法) {
      g.手.push_back(m);
      指す(p, m);
      continue;
    }
    std::string why = 標準判定の説明(j);
    if (m.TORI == K_UE_OU || m.TORI == K_SITA_OU) why = "玉を取る手";
    if (j == 標準判定結果::王手放置) why = "王手放置";
    g.終局 = "中断";
    g.結果 = 対局結果::不明;
    g.終局コメント = std::to_string(k + 1) + "手目の" + 手の言葉(p, m) + "は" + why +
                     "で、標準の将棋では指せないため書き出していません。";
    if (終局した) {
      // The side that moved last won the KAZEBAN game.
      const bool lastBlack =
          (count - 1 - k) % 2 == 0 ? p.toMove == Color::Black : p.toMove != Color::Black;
      g.終局コメント += "KAZEBAN の規則では" +
                        陣営の名(lastBlack ? Color::Black : Color::White, handicap) + "の勝ち。";
    }
    return g;
  }
  // 3. A finished game: the side that moved last won by KAZEBAN's rule, its opponent
  // having been checked (or left without a move).
  if (終局した && !g.手.empty()) {
    const Color winner = 相手(p.toMove);
    g.終局 = "投了";
    g.結果 = winner == Color::Black ? 対局結果::先手勝ち : 対局結果::後手勝ち;
    g.終局コメント =
        王手されている(p.state, p.toMove)
            ? "KAZEBAN の規則により、王手をかけた" + 陣営の名(winner, handicap) + "の勝ち"
            : "KAZEBAN の規則により、相手に指す手がなく" + 陣営の名(winner, handicap) + "の勝ち";
  }
  return g;
}

}  // namespace kazeban
