// CSA (V2.2 and V3.0): "N+"/"N-" names, "$" fields, a position ("PI" with removed
// pieces, "P1".."P9" rows, "P+"/"P-" pieces), the side to move, moves "+7776FU"
// (the piece after the move), "%" end words and "'" comments; several statements may
// share a line, separated by ",".
#include "interop/formats_internal.h"
#include "rules/pieces.h"

namespace kazeban::formats {
namespace {

// CSA names of the codes 1..7 unpromoted, then promoted, and the king.
struct CSA駒 {
  std::string_view 名;
  int 種類;
  bool 成;
};
constexpr CSA駒 CSA駒表[] = {
    {"FU", 1, false}, {"KY", 2, false}, {"KE", 3, false}, {"GI", 4, false}, {"KI", 5, false},
    {"KA", 6, false}, {"HI", 7, false}, {"OU", 8, false}, {"TO", 1, true},  {"NY", 2, true},
    {"NK", 3, true},  {"NG", 4, true},  {"UM", 6, true},  {"RY", 7, true},
};

bool CSA駒名(std::string_view s, int& kind, bool& promoted) {
  for (const CSA駒& c : CSA駒表) {
    if (c.名 == s) {
      kind = c.種類;
      promoted = c.成;
      return true;
    }
  }
  return false;
}

std::string_view CSAの名(int code) {
  const int kind = code == K_UE_OU || code == K_SITA_OU ? 8 : 駒種類(code);
  const bool promoted = kind != 8 && code != 駒コード(kind, code < 0, false);
  for (const CSA駒& c : CSA駒表) {
    if (c.種類 == kind && c.成 == promoted) return c.名;
  }
  return "**";
}

// A square "77": KAZEBAN column and row; false for anything else ("00" included).
bool CSA升(char f, char r, int& i, int& j) {
  if (f < '1' || f > '9' || r < '1' || r > '9') return false;
  i = 10 - (f - '0');
  j = r - '0';
  return true;
}

struct 終局対応 {
  std::string_view csa;
  std::string_view 語;
};
constexpr 終局対応 終局表[] = {
    {"%TORYO", "投了"},
    {"%CHUDAN", "中断"},
    {"%SENNICHITE", "千日手"},
    {"%TIME_UP", "切れ負け"},
    {"%ILLEGAL_MOVE", "反則負け"},
    {"%JISHOGI", "持将棋"},
    {"%KACHI", "入玉勝ち"},
    {"%TSUMI", "詰み"},
    {"%FUZUMI", "不詰"},
    {"%ERROR", "中断"},
    {"%MATTA", "反則負け"},
    {"%MAX_MOVES", "中断"},
    {"%HIKIWAKE", "中断"},
};

struct CSA読み手 : 読み手の土台 {
  GameState 盤;
  bool 局面あり = false;  // PI or P lines were read
  bool 始まった = false;
  Color 手番 = Color::Black;

  CSA読み手() { 初期設定_状態(盤); }

  void 盤を空に() {
    if (局面あり) return;
    局面あり = true;
    for (auto& col : 盤.BAN) {
      for (int& sq : col) sq = KARA;
    }
  }

  bool 開始(int line) {
    if (始まった) return true;
    始まった = true;
    p = 局面(盤, 手番);
    const char* flaw = 局面の不備(p);
    if (*flaw != '\0') return 拒否(line, std::string("局面: ") + flaw);
    g.開始局面 = p;
    g.手合割 = 手合割の名(p);
    return true;
  }

  // "P+00KI00FU" or "P-82HI": pieces into a hand ("00AL": every piece left) or onto
  // the board.
  bool 駒を置く(int line, std::string_view s, bool black) {
    盤を空に();
    if (s.size() % 4 != 0) return 拒否(line, "駒の指定が読めません");
    for (size_t k = 0; k < s.size(); k += 4) {
      const std::string_view sq = s.substr(k, 2);
      const std::string_view name = s.substr(k + 2, 2);
      int* hand = black ? 盤.SITA_MOCHI : 盤.UE_MOCHI;
      if (sq == "00" && name == "AL") {
        constexpr int 一組[8] = {0, 18, 4, 4, 4, 4, 2, 2};
        int used[8] = {};
        for (int i = 1; i <= 9; ++i) {
          for (int j = 1; j <= 9; ++j) used[駒種類(盤.BAN[i][j])] += 盤.BAN[i][j] != KARA;
        }
        for (int kind = 1; kind <= 7; ++kind) {
          const int left = 一組[kind] - used[kind] - 盤.SITA_MOCHI[kind] - 盤.UE_MOCHI[kind];
          if (left > 0) hand[kind] += left;
        }
        continue;
      }
      int kind = 0;
      bool promoted = false;
      if (!CSA駒名(name, kind, promoted))
        return 拒否(line, "駒の名が読めません: " + std::string(name));
      if (sq == "00") {
        if (promoted || kind == 8) return 拒否(line, "持駒にできない駒です");
        hand[kind] += 1;
        if (hand[kind] > 18) return 拒否(line, "持駒が多すぎます");
        continue;
      }
      int i = 0;
      int j = 0;
      if (!CSA升(sq[0], sq[1], i, j)) return 拒否(line, "升が読めません: " + std::string(sq));
      盤.BAN[i][j] = 駒コード(kind, black, promoted);
    }
    return true;
  }

  bool 文(int line, std::string_view s) {
    if (s.empty()) return true;
    if (終わった) return true;
    const char c = s.front();
    if (c == 'V' || c == 'T') return true;
    if (c == 'N' && s.size() >= 2 && (s[1] == '+' || s[1] == '-')) {
      (s[1] == '+' ? g.先手名 : g.後手名) = std::string(s.substr(2));
      return true;
    }
    if (c == '$') {
      const size_t colon = s.find(':');
      if (colon == std::string_view::npos) return true;
      const std::string_view key = s.substr(1, colon - 1);
      if (key == "EVENT") g.棋戦 = std::string(s.substr(colon + 1));
      if (key == "START_TIME") g.開始日時 = std::string(s.substr(colon + 1));
      return true;
    }
    if (c == 'P') {
      if (始まった) return 拒否(line, "指し手の後に局面があります");
      if (s.size() >= 2 && s[1] == 'I') {
        局面あり = true;
        初期設定_状態(盤);
        s.remove_prefix(2);
        if (s.size() % 4 != 0) return 拒否(line, "駒落ちの指定が読めません");
        for (size_t k = 0; k < s.size(); k += 4) {
          int i = 0;
          int j = 0;
          int kind = 0;
          bool promoted = false;
          if (!CSA升(s[k], s[k + 1], i, j) || !CSA駒名(s.substr(k + 2, 2), kind, promoted) ||
              盤.BAN[i][j] == KARA ||
              (盤.BAN[i][j] != 駒コード(kind, true, promoted) &&
               盤.BAN[i][j] != 駒コード(kind, false, promoted))) {
            return 拒否(line, "駒落ちの指定が読めません: " + std::string(s.substr(k, 4)));
          }
          盤.BAN[i][j] = KARA;
        }
        return true;
      }
      if (s.size() >= 2 && (s[1] == '+' || s[1] == '-'))
        return 駒を置く(line, s.substr(2), s[1] == '+');
      if (s.size() >= 2 && s[1] >= '1' && s[1] <= '9') {
        盤を空に();
        const int j = s[1] - '0';
        std::string_view row = s.substr(2);
        while (row.ends_with(' ')) row.remove_suffix(1);
        if (row.size() > 27) return 拒否(line, "段の升が9ではありません");
        for (int i = 1; i <= 9; ++i) {
          const size_t at = static_cast<size_t>(i - 1) * 3;
          const std::string_view cell = at < row.size() ? row.substr(at, 3) : std::string_view();
          if (cell.empty() || cell == " * " || cell == " *" || cell == " ") {
            盤.BAN[i][j] = KARA;
            continue;
          }
          int kind = 0;
          bool promoted = false;
          if (cell.size() != 3 || (cell[0] != '+' && cell[0] != '-') ||
              !CSA駒名(cell.substr(1), kind, promoted)) {
            return 拒否(line, "盤の駒が読めません: " + std::string(cell));
          }
          盤.BAN[i][j] = 駒コード(kind, cell[0] == '+', promoted);
        }
        return true;
      }
      return 拒否(line, "局面の行が読めません");
    }
    if ((c == '+' || c == '-') && s.size() == 1) {
      if (始まった) return 拒否(line, "指し手の途中に手番があります");
      手番 = c == '+' ? Color::Black : Color::White;
      return true;
    }
    if (c == '+' || c == '-') {
      if (!開始(line)) return false;
      if (s.size() != 7) return 拒否(line, "指し手が読めません: " + std::string(s));
      const bool black = c == '+';
      if (black != (p.toMove == Color::Black))
        return 拒否(line, std::string(s) + ": 手番が違います");
      int kind = 0;
      bool promoted = false;
      int ti = 0;
      int tj = 0;
      if (!CSA駒名(s.substr(5, 2), kind, promoted) || !CSA升(s[3], s[4], ti, tj)) {
        return 拒否(line, "指し手が読めません: " + std::string(s));
      }
      棋譜の手 m;
      if (s[1] == '0' && s[2] == '0') {
        if (promoted || kind == 8) return 拒否(line, std::string(s) + ": 打てない駒です");
        if ((black ? p.state.SITA_MOCHI : p.state.UE_MOCHI)[kind] <= 0) {
          return 拒否(line, std::string(s) + ": 持駒にありません");
        }
        m = 打つ手(p, kind, ti, tj);
      } else {
        int fi = 0;
        int fj = 0;
        if (!CSA升(s[1], s[2], fi, fj)) return 拒否(line, "指し手が読めません: " + std::string(s));
        const int code = p.state.BAN[fi][fj];
        const int after = 駒コード(kind, black, promoted);
        if (code == KARA || (black ? !SITAの駒(code) : !UEの駒(code))) {
          return 拒否(line, std::string(s) + ": 移動元に手番の駒がありません");
        }
        m = 盤上の手(p, fi, fj, ti, tj, after != code);
        if (m.NARI != after) return 拒否(line, std::string(s) + ": 移動元の駒と合いません");
      }
      return 手を加える(line, m, s);
    }
    if (c == '%') {
      if (!開始(line)) return false;
      std::string_view word;
      if (s == "%+ILLEGAL_ACTION" || s == "%-ILLEGAL_ACTION") {
        const bool offender = s[1] == '+';
        word = offender == (p.toMove == Color::Black) ? "反則負け" : "反則勝ち";
      }
      for (const 終局対応& e : 終局表) {
        if (e.csa == s) word = e.語;
      }
      if (word.empty()) return 拒否(line, "終局の語が読めません: " + std::string(s));
      g.終局 = std::string(word);
      g.結果 = s == "%HIKIWAKE" ? 対局結果::引き分け : 終局の結果(word, p.toMove);
      終わった = true;
      return true;
    }
    return 拒否(line, "読めない行です: " + std::string(s.substr(0, 16)));
  }
};

}  // namespace

対局棋譜読込結果 CSA_読込(std::string_view text) {
  CSA読み手 k;
  for (const 行& l : 行に分ける(text)) {
    std::string_view t = l.文;
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    if (t.starts_with("'")) {
      if (k.終わった && !t.starts_with("'*") && !t.starts_with("'CSA")) {
        if (!k.g.終局コメント.empty()) k.g.終局コメント += '\n';
        k.g.終局コメント += t.substr(1);
      }
      continue;
    }
    if (t == "/") break;  // a second game follows
    // Names and fields may hold commas; other lines are statements separated by them.
    if (t.starts_with("N+") || t.starts_with("N-") || t.starts_with("$")) {
      if (!k.文(l.番号, t)) return k.r;
      continue;
    }
    while (!t.empty()) {
      const size_t comma = t.find(',');
      if (!k.文(l.番号, t.substr(0, comma))) return k.r;
      if (comma == std::string_view::npos) break;
      t.remove_prefix(comma + 1);
    }
  }
  if (!k.開始(static_cast<int>(行に分ける(text).size()))) return k.r;
  k.r.形式 = 棋譜形式::CSA;
  k.r.成功 = true;
  return k.r;
}

書出結果 CSA_書出(const 対局棋譜& g) {
  書出結果 r;
  std::string& out = r.バイト列;
  out.reserve(160 + g.手.size() * 10);
  out += "V2.2\r\n";
  out += "N+" + g.先手名 + "\r\nN-" + g.後手名 + "\r\n";
  if (!g.棋戦.empty()) out += "$EVENT:" + g.棋戦 + "\r\n";
  if (!g.開始日時.empty()) out += "$START_TIME:" + g.開始日時 + "\r\n";
  // The position: the even start less the pieces it lacks, or row by row.
  const Position& s = g.開始局面;
  const Position even = 平手局面();
  bool removals = true;
  for (int k = 1; k <= 7; ++k)
    removals = removals && s.state.SITA_MOCHI[k] == 0 && s.state.UE_MOCHI[k] == 0;
  std::string pi = "PI";
  for (int j = 1; j <= 9 && removals; ++j) {
    for (int i = 1; i <= 9; ++i) {
      const int c = s.state.BAN[i][j];
      const int e = even.state.BAN[i][j];
      if (c == e) continue;
      if (c != KARA) {
        removals = false;
        break;
      }
      pi += static_cast<char>('0' + 10 - i);
      pi += static_cast<char>('0' + j);
      pi += CSAの名(e);
    }
  }
  if (removals) {
    out += pi + "\r\n";
  } else {
    for (int j = 1; j <= 9; ++j) {
      out += 'P';
      out += static_cast<char>('0' + j);
      for (int i = 1; i <= 9; ++i) {
        const int c = s.state.BAN[i][j];
        if (c == KARA) {
          out += " * ";
        } else {
          out += c < 0 ? '+' : '-';
          out += CSAの名(c);
        }
      }
      out += "\r\n";
    }
    for (int side = 0; side < 2; ++side) {
      const int* hand = side == 0 ? s.state.SITA_MOCHI : s.state.UE_MOCHI;
      std::string line = side == 0 ? "P+" : "P-";
      for (int k = 7; k >= 1; --k) {
        for (int n = 0; n < hand[k]; ++n) line += "00" + std::string(CSAの名(持駒_UEコード(k)));
      }
      if (line.size() > 2) out += line + "\r\n";
    }
  }
  out += s.toMove == Color::Black ? "+\r\n" : "-\r\n";
  Position p = s;
  for (size_t k = 0; k < g.手.size(); ++k) {
    const 棋譜の手& m = g.手[k];
    const 標準判定結果 j = 標準判定(p, m);
    if (j != 標準判定結果::合法) {
      r.バイト列.clear();
      r.理由 = std::to_string(k + 1) + "手目: " + 標準判定の説明(j);
      return r;
    }
    out += p.toMove == Color::Black ? '+' : '-';
    if (m.MOTO_I == 11 || m.MOTO_I == -1) {
      out += "00";
    } else {
      out += static_cast<char>('0' + 10 - m.MOTO_I);
      out += static_cast<char>('0' + m.MOTO_J);
    }
    out += static_cast<char>('0' + 10 - m.SAKI_I);
    out += static_cast<char>('0' + m.SAKI_J);
    out += CSAの名(m.NARI);
    out += "\r\n";
    指す(p, m);
  }
  if (!g.終局.empty()) {
    std::string_view word;
    for (const 終局対応& e : 終局表) {
      if (e.語 == g.終局 && word.empty()) word = e.csa;
    }
    if (g.終局 == "時間切れ") word = "%TIME_UP";
    if (g.終局 == "反則勝ち") {
      word = p.toMove == Color::White ? "%+ILLEGAL_ACTION" : "%-ILLEGAL_ACTION";
    }
    if (word.empty()) word = "%CHUDAN";
    out += word;
    out += "\r\n";
  }
  std::string_view c = g.終局コメント;
  while (!c.empty()) {
    const size_t e = c.find('\n');
    out += '\'';
    out += c.substr(0, e);
    out += "\r\n";
    if (e == std::string_view::npos) break;
    c.remove_prefix(e + 1);
  }
  r.成功 = true;
  return r;
}

}  // namespace kazeban::formats
