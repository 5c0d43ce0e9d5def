// CSA (V2.2 and V3.0): "N+"/"N-" names, "$" fields, a position ("PI" with removed
// pieces, "P1".."P9" rows, "P+"/"P-" pieces), the side to move, moves "+7776FU"
// (the piece after the move), "%" end words and "'" comments; several statements may
// share a line, separated by ",".
#include <algorithm>
#include <cstdint>

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

// CSA's "$" keys and the KIF header names they are kept under.
struct 見出し対応 {
  std::string_view csa;
  std::string_view kif;
};
constexpr 見出し対応 見出し表[] = {
    {"EVENT", "棋戦"},        {"SITE", "場所"},           {"START_TIME", "開始日時"},
    {"END_TIME", "終了日時"}, {"TIME_LIMIT", "持ち時間"}, {"OPENING", "戦型"},
};

// Blanks removed from both ends (servers pad their columns, people add spaces).
std::string_view 詰める(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

struct CSA読み手 : 読み手の土台 {
  GameState 盤;
  bool 局面あり = false;  // PI or P lines were read
  bool 始まった = false;
  bool 記録あり = false;  // anything that only a record holds was read
  bool 終局の時間あり = false;
  size_t 注釈の先 = SIZE_MAX - 1;  // the comment the last comment line went to
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
    const char* flaw = 開始局面の不備(p);
    if (*flaw != '\0') return 拒否(line, std::string("局面: ") + flaw);
    g.開始局面 = p;
    g.手合割 = 手合割の名(p);
    return true;
  }

  // The note of the last move read, made when it has none yet.
  手の注記& 最後の注記() {
    if (g.注記.size() < g.手.size()) g.注記.resize(g.手.size());
    return g.注記[g.手.size() - 1];
  }

  // A comment line: the start's before the first move, a move's after it, the
  // record's closing words after the end word.
  void 注釈(std::string_view text) {
    std::string& to = 終わった       ? g.終局コメント
                      : g.手.empty() ? g.開始コメント
                                     : 最後の注記().コメント;
    // Which comment the line joins: a second line is one even after an empty first.
    const size_t into = 終わった ? SIZE_MAX : g.手.size();
    if (into == 注釈の先 || !to.empty()) to += '\n';
    注釈の先 = into;
    to += text;
  }

  // "T12": the seconds the last move (or the end word) took.
  bool 時間(int line, std::string_view s) {
    int sec = 0;
    size_t k = 1;
    for (; k < s.size() && s[k] >= '0' && s[k] <= '9'; ++k) {
      if (sec > 100000000) return 拒否(line, "時間が大きすぎます");
      sec = sec * 10 + (s[k] - '0');
    }
    if (k == 1 || (k < s.size() && s[k] != '.'))
      return 拒否(line, "時間が読めません: " + std::string(s.substr(0, 16)));
    if (終わった) {
      if (終局の時間あり) return true;
      終局の時間あり = true;
      g.終局注記.消費秒 = sec;
    } else if (!g.手.empty()) {
      最後の注記().消費秒 = sec;
    }
    return true;
  }

  void 見出しを加える(std::string_view key, std::string_view value) {
    g.見出し.emplace_back(std::string(key), std::string(value));
    記録あり = true;
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

  // "P2 * -HI *  *  * ...": nine squares, each " * " or a piece "-HI"; an empty
  // square written " * " or " *" (hand-written rows lose the padding) reads the same.
  bool 段(int line, int j, std::string_view row) {
    int i = 0;
    size_t k = 0;
    while (k < row.size()) {
      if (row[k] == ' ' || row[k] == '\t') {
        ++k;
        continue;
      }
      if (i == 9) return 拒否(line, "段の升が9ではありません");
      ++i;
      if (row[k] == '*') {
        盤.BAN[i][j] = KARA;
        ++k;
        continue;
      }
      const std::string_view cell = row.substr(k, 3);
      int kind = 0;
      bool promoted = false;
      if (cell.size() != 3 || (cell[0] != '+' && cell[0] != '-') ||
          !CSA駒名(cell.substr(1), kind, promoted)) {
        return 拒否(line, "盤の駒が読めません: " + std::string(cell));
      }
      盤.BAN[i][j] = 駒コード(kind, cell[0] == '+', promoted);
      k += 3;
    }
    for (++i; i <= 9; ++i) 盤.BAN[i][j] = KARA;  // trailing empty squares left off
    return true;
  }

  bool 文(int line, std::string_view s) {
    s = 詰める(s);
    if (s.empty()) return true;
    const char c = s.front();
    if (c == 'T') return 時間(line, s);
    if (終わった) return true;
    if (c == 'V') return true;
    if (c == 'N' && s.size() >= 2 && (s[1] == '+' || s[1] == '-')) {
      (s[1] == '+' ? g.先手名 : g.後手名) = std::string(s.substr(2));
      見出しを加える(s[1] == '+' ? "先手" : "後手", s.substr(2));
      return true;
    }
    if (c == '$') {
      const size_t colon = s.find(':');
      if (colon == std::string_view::npos) return true;
      const std::string_view key = s.substr(1, colon - 1);
      const std::string_view value = 詰める(s.substr(colon + 1));
      if (key == "EVENT") g.棋戦 = std::string(value);
      if (key == "START_TIME") g.開始日時 = std::string(value);
      std::string_view kif = key;
      for (const 見出し対応& h : 見出し表) {
        if (h.csa == key) kif = h.kif;
      }
      見出しを加える(kif, value);
      return true;
    }
    if (c == 'P') {
      if (始まった) return 拒否(line, "指し手の後に局面があります");
      記録あり = true;
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
        return 段(line, s[1] - '0', s.substr(2));
      }
      return 拒否(line, "局面の行が読めません");
    }
    if ((c == '+' || c == '-') && s.size() == 1) {
      if (始まった) return 拒否(line, "指し手の途中に手番があります");
      手番 = c == '+' ? Color::Black : Color::White;
      記録あり = true;
      return true;
    }
    if (c == '+' || c == '-') return 指し手(line, s);
    if (c == '%') return 終局語(line, s);
    return 拒否(line, "読めない行です: " + std::string(s.substr(0, 16)));
  }

  bool 指し手(int line, std::string_view s) {
    if (!開始(line)) return false;
    記録あり = true;
    if (s.size() != 7) return 拒否(line, "指し手が読めません: " + std::string(s.substr(0, 16)));
    const bool black = s.front() == '+';
    if (black != (p.toMove == Color::Black)) return 拒否(line, std::string(s) + ": 手番が違います");
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
    // A foul (a move the pieces can make that standard shogi forbids) is kept as the
    // game's last move; nothing but the end word may follow it.
    return 手を加える(line, m, s);
  }

  bool 終局語(int line, std::string_view s) {
    if (!開始(line)) return false;
    記録あり = true;
    std::string_view word;
    if (s == "%+ILLEGAL_ACTION" || s == "%-ILLEGAL_ACTION") {
      const bool offender = s[1] == '+';
      word = offender == (p.toMove == Color::Black) ? "反則負け" : "反則勝ち";
    }
    for (const 終局対応& e : 終局表) {
      if (e.csa == s) word = e.語;
    }
    if (word.empty()) return 拒否(line, "終局の語が読めません: " + std::string(s.substr(0, 24)));
    終わった = true;
    g.終局 = std::string(word);
    g.結果 = s == "%HIKIWAKE" ? 対局結果::引き分け : 終局の結果(word, p.toMove);
    return true;
  }
};

// A comment line "'..." or "'*...": the text after the mark, or false for a line
// that only describes the file ("'encoding=Shift_JIS", "'CSA encoding=UTF-8", the
// writing program's banner).
bool 注釈の文(std::string_view t, std::string_view& text) {
  t.remove_prefix(1);
  if (t.starts_with("encoding=") || t.starts_with("CSA encoding=")) return false;
  // The banner of the program that wrote the file (" ---- … CSA形式棋譜ファイル ----"),
  // which KIF writes as a "#" line that readers pass over.
  if (t.starts_with(" ----") && t.ends_with("----")) return false;
  if (t.starts_with("*")) t.remove_prefix(1);
  text = t;
  return true;
}

// The running total of each side's seconds, as far as every move of that side so far
// has its time.
void 累計を付ける(対局棋譜& g) {
  int total[2] = {0, 0};
  bool known[2] = {true, true};
  for (size_t k = 0; k < g.手.size(); ++k) {
    const size_t side = k % 2;  // from the side that moved first
    const int sec = k < g.注記.size() ? g.注記[k].消費秒 : -1;
    known[side] = known[side] && sec >= 0;
    if (!known[side]) continue;
    total[side] += sec;
    g.注記[k].累計秒 = total[side];
  }
  const size_t side = g.手.size() % 2;
  if (g.終局注記.消費秒 >= 0 && known[side]) g.終局注記.累計秒 = total[side] + g.終局注記.消費秒;
}

}  // namespace

対局棋譜読込結果 CSA_読込(std::string_view text) {
  CSA読み手 k;
  const std::vector<行> lines = 行に分ける(text);
  for (const 行& l : lines) {
    std::string_view t = l.文;
    // A comment keeps its blanks; statements lose the ones after them.
    while (!t.starts_with("'") && !t.empty() && (t.back() == ' ' || t.back() == '\t')) {
      t.remove_suffix(1);
    }
    if (t == "/") break;  // a second game follows
    // Names and fields may hold commas; other lines are statements separated by them,
    // and a comment there takes the rest of the statement.
    if (t.starts_with("N+") || t.starts_with("N-") || t.starts_with("$")) {
      if (!k.文(l.番号, t)) return k.r;
      continue;
    }
    // A comment line keeps its commas; a comment after a statement (padded server
    // logs: "+7776FU  ,T0  ,'...") ends at the next comma.
    for (bool whole = true; !t.empty(); whole = false) {
      const std::string_view rest = whole && t.starts_with("'") ? t : 詰める(t);
      const bool comment = rest.starts_with("'");
      const size_t comma = comment && whole ? std::string_view::npos : rest.find(',');
      std::string_view said;
      if (!comment) {
        if (!k.文(l.番号, rest.substr(0, comma))) return k.r;
      } else if (注釈の文(rest.substr(0, comma), said)) {
        k.注釈(whole ? said : 詰める(said));
      }
      if (comma == std::string_view::npos) break;
      t = rest.substr(comma + 1);
    }
  }
  if (!k.記録あり && k.g.手.empty()) {
    k.r.理由 = "1行目: 棋譜ではありません（指し手も局面も見出しもありません）";
    return k.r;
  }
  if (!k.開始(static_cast<int>(lines.size()))) return k.r;
  if (k.g.最終手反則) k.反則の終局(k.g.終局, k.p.toMove);
  累計を付ける(k.g);
  k.r.形式 = 棋譜形式::CSA;
  k.r.成功 = true;
  return k.r;
}

namespace {

// Comment lines as "'*..." (the form other programs take as the move's comment).
void 注釈を書く(std::string& out, std::string_view c) {
  if (c.empty()) return;
  for (;;) {
    const size_t e = c.find('\n');
    out += "'*";
    out += c.substr(0, e);
    out += "\r\n";
    if (e == std::string_view::npos) break;
    c.remove_prefix(e + 1);
  }
}

void 時間を書く(std::string& out, const 手の注記& n) {
  if (n.消費秒 < 0) return;
  out += ",T";
  out += std::to_string(n.消費秒);
}

// The headers CSA has a place for, in the order kept: KIF's names for them, or a key
// CSA itself wrote (plain capitals). The game's name and date come from their fields,
// first when no kept header holds them.
void 見出しを書く(std::string& out, const 対局棋譜& g) {
  out += "N+" + g.先手名 + "\r\nN-" + g.後手名 + "\r\n";
  const auto kept = [&](std::string_view key) {
    return std::any_of(g.見出し.begin(), g.見出し.end(),
                       [&](const auto& h) { return h.first == key; });
  };
  if (!g.棋戦.empty() && !kept("棋戦")) out += "$EVENT:" + g.棋戦 + "\r\n";
  if (!g.開始日時.empty() && !kept("開始日時")) out += "$START_TIME:" + g.開始日時 + "\r\n";
  for (const auto& [key, value] : g.見出し) {
    std::string_view csa;
    for (const 見出し対応& h : 見出し表) {
      if (h.kif == key) csa = h.csa;
    }
    const bool own = !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
      return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '+' || c == '-';
    });
    if (csa.empty() && own) csa = key;
    const std::string& v = csa == "EVENT" ? g.棋戦 : csa == "START_TIME" ? g.開始日時 : value;
    if (csa.empty() || v.find_first_of("\r\n") != std::string::npos) continue;
    out += "$";
    out += csa;
    out += ":" + v + "\r\n";
  }
}

}  // namespace

書出結果 CSA_書出(const 対局棋譜& g) {
  書出結果 r;
  std::string& out = r.バイト列;
  out.reserve(160 + g.手.size() * 10);
  out += "V2.2\r\n";
  見出しを書く(out, g);
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
  注釈を書く(out, g.開始コメント);
  Position p = s;
  for (size_t k = 0; k < g.手.size(); ++k) {
    const 棋譜の手& m = g.手[k];
    const 標準判定結果 j = 標準判定(p, m);
    const bool foul = g.最終手反則 && k + 1 == g.手.size() && j != 標準判定結果::不正;
    if (j != 標準判定結果::合法 && !foul) {
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
    if (k < g.注記.size()) 時間を書く(out, g.注記[k]);
    out += "\r\n";
    if (k < g.注記.size()) 注釈を書く(out, g.注記[k].コメント);
    指す(p, m);
  }
  if (g.最終手反則 && !g.手.empty()) {
    // The side that made the last move fouled.
    out += p.toMove == Color::White ? "%+ILLEGAL_ACTION" : "%-ILLEGAL_ACTION";
    時間を書く(out, g.終局注記);
    out += "\r\n";
  } else if (g.終局.empty() && g.結果 != 対局結果::不明) {
    // A result without its end word (KI2's "まで…の勝ち"): the loser resigned.
    const bool moverWon = (g.結果 == 対局結果::先手勝ち) == (p.toMove == Color::White);
    if (g.結果 == 対局結果::引き分け || moverWon) {
      out += g.結果 == 対局結果::引き分け ? "%HIKIWAKE" : "%TORYO";
      時間を書く(out, g.終局注記);
      out += "\r\n";
    }
  } else if (!g.終局.empty()) {
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
    時間を書く(out, g.終局注記);
    out += "\r\n";
  }
  注釈を書く(out, g.終局注記.コメント);
  注釈を書く(out, g.終局コメント);
  r.成功 = true;
  return r;
}

}  // namespace kazeban::formats
