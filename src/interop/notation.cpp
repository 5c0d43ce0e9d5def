#include <array>

#include "interop/formats_internal.h"
#include "rules/pieces.h"

namespace kazeban::formats {

const char* const 全角数字[10] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
const char* const 漢数字[10] = {"〇", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

std::vector<行> 行に分ける(std::string_view text) {
  std::vector<行> out;
  out.reserve(text.size() / 24 + 1);
  size_t start = 0;
  int number = 1;
  for (size_t k = 0; k < text.size(); ++k) {
    if (text[k] != '\r' && text[k] != '\n') continue;
    out.push_back({text.substr(start, k - start), number++});
    if (text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n') ++k;
    start = k + 1;
  }
  if (start < text.size()) out.push_back({text.substr(start), number});
  return out;
}

std::string_view 空白除去(std::string_view s) {
  constexpr std::string_view 全角空白 = "\xE3\x80\x80";
  for (;;) {
    if (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
      s.remove_prefix(1);
    } else if (s.starts_with(全角空白)) {
      s.remove_prefix(全角空白.size());
    } else {
      break;
    }
  }
  for (;;) {
    if (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
      s.remove_suffix(1);
    } else if (s.ends_with(全角空白)) {
      s.remove_suffix(全角空白.size());
    } else {
      break;
    }
  }
  return s;
}

std::string_view 一字(std::string_view& s) {
  if (s.empty()) return s;
  const auto lead = static_cast<unsigned char>(s.front());
  size_t n = 1;
  if (lead >= 0xF0) {
    n = 4;
  } else if (lead >= 0xE0) {
    n = 3;
  } else if (lead >= 0xC0) {
    n = 2;
  }
  if (n > s.size()) n = s.size();
  const std::string_view c = s.substr(0, n);
  s.remove_prefix(n);
  return c;
}

std::string 引用(std::string_view s, size_t bytes) {
  if (s.size() <= bytes) return std::string(s);
  size_t n = bytes;
  while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
  return std::string(s.substr(0, n)) + "…";
}

std::string 行の理由(int line, std::string_view why) {
  // A reason quotes what it could not read: at most the beginning of it, so that one
  // huge line never floods a message box or a terminal.
  return std::to_string(line) + "行目: " + 引用(why, 理由の長さ);
}

bool 読み手の土台::拒否(int line, std::string_view why) {
  r.理由 = 行の理由(line, why);
  return false;
}

bool 読み手の土台::手を加える(int line, const 棋譜の手& m, std::string_view text,
                              std::vector<棋譜の手>& moves, bool& foul) {
  if (foul) return 拒否(line, 引用(text, 理由の長さ) + ": 反則の後に指し手があります");
  const 標準判定結果 j = 標準判定(p, m);
  if (j == 標準判定結果::不正) {
    return 拒否(line, 引用(text, 理由の長さ) + ": " + 標準判定の説明(j));
  }
  // A foul is kept as the line's last move and played all the same, so that the side
  // to move (the one whose end word follows) is right; nothing may follow it.
  foul = 反則か(j);
  moves.push_back(m);
  指す(p, m);
  return true;
}

bool 読み手の土台::手を加える(int line, const 棋譜の手& m, std::string_view text) {
  return 手を加える(line, m, text, g.手, g.最終手反則);
}

void 読み手の土台::反則の終局(std::string& word, Color toMove) {
  if (word.empty()) word = "反則勝ち";
  if (g.結果 == 対局結果::不明) g.結果 = 終局の結果(word, toMove);
}

namespace {

struct 駒名 {
  std::string_view 名;
  int 種類;
  bool 成;
};

constexpr std::array<駒名, 19> 駒名表 = {{
    {"成香", 2, true}, {"成桂", 3, true}, {"成銀", 4, true}, {"歩", 1, false}, {"香", 2, false},
    {"桂", 3, false},  {"銀", 4, false},  {"金", 5, false},  {"角", 6, false}, {"飛", 7, false},
    {"玉", 8, false},  {"王", 8, false},  {"と", 1, true},   {"杏", 2, true},  {"圭", 3, true},
    {"全", 4, true},   {"馬", 6, true},   {"龍", 7, true},   {"竜", 7, true},
}};

}  // namespace

bool 駒名の種類(std::string_view name, int& kind, bool& promoted) {
  for (const 駒名& n : 駒名表) {
    if (n.名 == name) {
      kind = n.種類;
      promoted = n.成;
      return true;
    }
  }
  return false;
}

bool 駒名を読む(std::string_view& s, int& kind, bool& promoted) {
  for (const 駒名& n : 駒名表) {
    if (s.starts_with(n.名)) {
      kind = n.種類;
      promoted = n.成;
      s.remove_prefix(n.名.size());
      return true;
    }
  }
  return false;
}

const char* 駒の名(int code) {
  switch (code < 0 ? -code : code) {
    case K_UE_HU:
      return "歩";
    case K_UE_NARIHU:
      return "と";
    case K_UE_KYOU:
      return "香";
    case K_UE_NARIKYOU:
      return "成香";
    case K_UE_KEI:
      return "桂";
    case K_UE_NARIKEI:
      return "成桂";
    case K_UE_GIN:
      return "銀";
    case K_UE_NARIGIN:
      return "成銀";
    case K_UE_KIN:
      return "金";
    case K_UE_KAKU:
      return "角";
    case K_UE_NARIKAKU:
      return "馬";
    case K_UE_SYA:
      return "飛";
    case K_UE_NARISYA:
      return "龍";
    case K_UE_OU:
      return "玉";
    default:
      return "？";
  }
}

const char* 駒の一字(int code) {
  switch (code < 0 ? -code : code) {
    case K_UE_NARIKYOU:
      return "杏";
    case K_UE_NARIKEI:
      return "圭";
    case K_UE_NARIGIN:
      return "全";
    default:
      return 駒の名(code);
  }
}

int 駒コード(int kind, bool black, bool promoted) {
  int code = kind == 8 ? K_UE_OU : 持駒_UEコード(kind);
  if (promoted && kind != 5 && kind != 8) code += 1;
  return black ? -code : code;
}

int 数を読む(std::string_view s) {
  s = 空白除去(s);
  if (s.empty()) return -1;
  if (s.front() >= '0' && s.front() <= '9') {
    int v = 0;
    for (const char c : s) {
      if (c < '0' || c > '9' || v > 100000) return -1;
      v = v * 10 + (c - '0');
    }
    return v;
  }
  int total = 0;
  int digit = -1;
  while (!s.empty()) {
    const std::string_view c = 一字(s);
    if (c == "十") {
      total += (digit < 0 ? 1 : digit) * 10;
      digit = -1;
      continue;
    }
    int d = -1;
    for (int k = 1; k <= 9; ++k) {
      if (c == 漢数字[k]) d = k;
    }
    if (d < 0 || digit >= 0) return -1;
    digit = d;
  }
  return total + (digit < 0 ? 0 : digit);
}

std::string 漢数字で(int n) {
  std::string out;
  if (n >= 20) out += 漢数字[n / 10];
  if (n >= 10) out += "十";
  if (n % 10 != 0) out += 漢数字[n % 10];
  return out;
}

namespace {

// An end word and who wins by it: +1 the side to move, -1 the other side, 0 a draw,
// 2 nobody (the game stopped).
struct 終局語 {
  std::string_view 語;
  int 勝者;
};

constexpr std::array<終局語, 14> 終局語表 = {{
    {"投了", -1},
    {"詰み", -1},
    {"切れ負け", -1},
    {"時間切れ", -1},
    {"反則負け", -1},
    {"不戦敗", -1},
    {"反則勝ち", 1},
    {"入玉勝ち", 1},
    {"不戦勝", 1},
    {"千日手", 0},
    {"持将棋", 0},
    {"中断", 2},
    {"封じ手", 2},
    {"不詰", 2},
}};

}  // namespace

bool 終局語か(std::string_view word) {
  for (const 終局語& w : 終局語表) {
    if (w.語 == word) return true;
  }
  return false;
}

対局結果 終局の結果(std::string_view word, Color toMove) {
  for (const 終局語& w : 終局語表) {
    if (w.語 != word) continue;
    if (w.勝者 == 0) return 対局結果::引き分け;
    if (w.勝者 == 2) return 対局結果::不明;
    const Color winner = w.勝者 > 0 ? toMove : 相手(toMove);
    return winner == Color::Black ? 対局結果::先手勝ち : 対局結果::後手勝ち;
  }
  return 対局結果::不明;
}

Position 局面の後(const 対局棋譜& game, size_t upTo) {
  Position p = game.開始局面;
  const size_t playable = game.手.size() - (game.最終手反則 && !game.手.empty() ? 1 : 0);
  for (size_t k = 0; k < upTo && k < playable; ++k) 指す(p, game.手[k]);
  return p;
}

}  // namespace kazeban::formats

namespace kazeban {
namespace {

// A standard handicap: the pieces white (the stronger player) leaves out, as
// KAZEBAN squares (column, row).
struct 手合割 {
  std::string_view 名;
  int 数;
  int 升[10][2];
};

// White's pieces on row 1 from column 1: lance, knight, silver, gold, king, gold,
// silver, knight, lance; its rook on (2, 2), its bishop on (8, 2). The names follow
// the common convention: 香落ち takes the lance of file 1 (KAZEBAN column 9), 五枚落ち
// adds the knight of file 8 (column 2) to 四枚落ち and 左五枚落ち the one of file 2
// (column 8), 左七枚落ち takes the silver of file 3 (column 7) from 六枚落ち.
constexpr 手合割 手合割表[] = {
    {"香落ち", 1, {{9, 1}}},
    {"右香落ち", 1, {{1, 1}}},
    {"角落ち", 1, {{8, 2}}},
    {"飛車落ち", 1, {{2, 2}}},
    {"飛香落ち", 2, {{2, 2}, {9, 1}}},
    {"二枚落ち", 2, {{2, 2}, {8, 2}}},
    {"三枚落ち", 3, {{2, 2}, {8, 2}, {9, 1}}},
    {"四枚落ち", 4, {{2, 2}, {8, 2}, {9, 1}, {1, 1}}},
    {"五枚落ち", 5, {{2, 2}, {8, 2}, {9, 1}, {1, 1}, {2, 1}}},
    {"左五枚落ち", 5, {{2, 2}, {8, 2}, {9, 1}, {1, 1}, {8, 1}}},
    {"六枚落ち", 6, {{2, 2}, {8, 2}, {9, 1}, {1, 1}, {8, 1}, {2, 1}}},
    {"左七枚落ち", 7, {{2, 2}, {8, 2}, {9, 1}, {1, 1}, {8, 1}, {2, 1}, {7, 1}}},
    {"右七枚落ち", 7, {{2, 2}, {8, 2}, {9, 1}, {1, 1}, {8, 1}, {2, 1}, {3, 1}}},
    {"八枚落ち", 8, {{2, 2}, {8, 2}, {9, 1}, {1, 1}, {8, 1}, {2, 1}, {7, 1}, {3, 1}}},
    {"十枚落ち",
     10,
     {{2, 2}, {8, 2}, {9, 1}, {1, 1}, {8, 1}, {2, 1}, {7, 1}, {3, 1}, {6, 1}, {4, 1}}},
};

}  // namespace

bool 手合割の局面(std::string_view name, Position& out) {
  if (name == "平手") {
    out = 平手局面();
    return true;
  }
  if (name == "七枚落ち") name = "左七枚落ち";
  for (const 手合割& h : 手合割表) {
    if (h.名 != name) continue;
    Position p = 平手局面();
    for (int k = 0; k < h.数; ++k) p.state.BAN[h.升[k][0]][h.升[k][1]] = KARA;
    p.toMove = Color::White;
    out = p;
    return true;
  }
  return false;
}

std::string 手合割の名(const Position& p) {
  if (同一局面(p, 平手局面())) return "平手";
  for (const 手合割& h : 手合割表) {
    Position q;
    手合割の局面(h.名, q);
    if (同一局面(p, q)) return std::string(h.名);
  }
  return {};
}

const char* 形式の名(棋譜形式 f) {
  switch (f) {
    case 棋譜形式::棋譜ファイル:
      return "棋譜";
    case 棋譜形式::KIF:
      return "KIF";
    case 棋譜形式::KIFU:
      return "KIFU";
    case 棋譜形式::KI2:
      return "KI2";
    case 棋譜形式::CSA:
      return "CSA";
    case 棋譜形式::SFEN:
      return "SFEN";
    case 棋譜形式::USI:
      return "USI";
  }
  return "";
}

}  // namespace kazeban
