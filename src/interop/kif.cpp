// KIF and KI2: headers "key：value", an optional board diagram, then numbered move
// lines ("   1 ７六歩(77)   ( 0:00/00:00:00)") or, in KI2, moves without their
// origin ("▲７六歩　△３四歩"), comments ("*"), end words and branches ("変化：").
#include <algorithm>
#include <cstdio>
#include <iterator>

#include "interop/formats_internal.h"
#include "rules/pieces.h"

namespace kazeban::formats {
namespace {

constexpr std::string_view 全角空白 = "\xE3\x80\x80";

bool 先頭(std::string_view s, std::string_view p) {
  return s.starts_with(p);
}

// A file digit (full-width or ASCII): 1..9, or 0.
int 筋を読む(std::string_view& s) {
  for (int k = 1; k <= 9; ++k) {
    if (s.starts_with(全角数字[k])) {
      s.remove_prefix(std::string_view(全角数字[k]).size());
      return k;
    }
  }
  if (!s.empty() && s.front() >= '1' && s.front() <= '9') {
    const int k = s.front() - '0';
    s.remove_prefix(1);
    return k;
  }
  return 0;
}

// A rank (kanji, full-width or ASCII digit): 1..9, or 0.
int 段を読む(std::string_view& s) {
  for (int k = 1; k <= 9; ++k) {
    if (s.starts_with(漢数字[k])) {
      s.remove_prefix(std::string_view(漢数字[k]).size());
      return k;
    }
  }
  return 筋を読む(s);
}

// Reads one hand of a diagram: "飛　角　金二　歩十八" or "なし".
bool 持駒を読む(std::string_view v, int (&hand)[8]) {
  v = 空白除去(v);
  for (int k = 0; k < 8; ++k) hand[k] = 0;
  if (v.empty() || v == "なし") return true;
  while (!v.empty()) {
    while (v.starts_with(" ") || v.starts_with(全角空白)) v.remove_prefix(v.front() == ' ' ? 1 : 3);
    if (v.empty()) break;
    int kind = 0;
    bool promoted = false;
    if (!駒名を読む(v, kind, promoted) || promoted || kind == 8) return false;
    size_t n = 0;
    while (n < v.size() && !v.substr(n).starts_with(" ") && !v.substr(n).starts_with(全角空白)) ++n;
    int count = 1;
    if (n > 0) {
      count = 数を読む(v.substr(0, n));
      if (count < 1 || count > 18) return false;
    }
    v.remove_prefix(n);
    hand[kind] += count;
  }
  return true;
}

// The result named by a closing line "まで64手で後手の勝ち".
対局結果 までの結果(std::string_view t) {
  const bool black =
      t.find("先手") != std::string_view::npos || t.find("下手") != std::string_view::npos;
  const bool white =
      t.find("後手") != std::string_view::npos || t.find("上手") != std::string_view::npos;
  if (black == white) {
    if (t.find("千日手") != std::string_view::npos || t.find("持将棋") != std::string_view::npos) {
      return 対局結果::引き分け;
    }
    return 対局結果::不明;
  }
  const bool loses = t.find("負け") != std::string_view::npos;
  const bool wins = t.find("勝ち") != std::string_view::npos;
  if (wins == loses) return 対局結果::不明;
  return black == wins ? 対局結果::先手勝ち : 対局結果::後手勝ち;
}

struct KIF読み手 : 読み手の土台 {
  std::string 手合割名;
  bool 手合割あり = false;
  int 盤図の段 = 0;
  GameState 盤図;
  bool 後手番 = false;
  bool 始まった = false;
  bool KI2 = false;

  KIF読み手() {
    初期設定_状態(盤図);
    for (auto& col : 盤図.BAN) {
      for (int& sq : col) sq = KARA;
    }
  }

  // Fixes the starting position once the moves begin.
  bool 開始(int line) {
    if (始まった) return true;
    始まった = true;
    if (盤図の段 > 0) {
      if (盤図の段 != 9) return 拒否(line, "盤面図が9段ありません");
      p = 局面(盤図, 後手番 ? Color::White : Color::Black);
      const char* flaw = 局面の不備(p);
      if (*flaw != '\0') return 拒否(line, std::string("盤面図: ") + flaw);
      g.手合割 = 手合割の名(p) == 手合割名 ? 手合割名 : "";
    } else if (手合割あり && 手合割名 != "その他") {
      if (!手合割の局面(手合割名, p)) return 拒否(line, "手合割がわかりません: " + 手合割名);
      g.手合割 = 手合割名;
    } else {
      p = 平手局面();
      g.手合割 = "平手";
    }
    g.開始局面 = p;
    return true;
  }

  bool 終局(int line, std::string_view word) {
    if (!終局語か(word)) return 拒否(line, "指し手が読めません: " + std::string(word));
    g.終局 = std::string(word);
    g.結果 = 終局の結果(word, p.toMove);
    終わった = true;
    return true;
  }

  // "|v香v桂 ・ ...|一"
  bool 盤図の行(int line, std::string_view t) {
    if (盤図の段 >= 9) return 拒否(line, "盤面図の段が多すぎます");
    ++盤図の段;
    t.remove_prefix(1);
    for (int i = 1; i <= 9; ++i) {
      const std::string_view mark = 一字(t);
      const std::string_view c = 一字(t);
      if (c == "・" && (mark == " " || mark == "v")) continue;
      int kind = 0;
      bool promoted = false;
      if ((mark != " " && mark != "v" && mark != "^") || !駒名の種類(c, kind, promoted)) {
        return 拒否(line, "盤面図の駒が読めません");
      }
      盤図.BAN[i][盤図の段] = 駒コード(kind, mark != "v", promoted);
    }
    if (!先頭(t, "|")) return 拒否(line, "盤面図の段が9升ではありません");
    return true;
  }

  // "   1 ７六歩(77)   ( 0:00/00:00:00)"
  bool 指し手の行(int line, std::string_view t) {
    size_t n = 0;
    while (n < t.size() && t[n] >= '0' && t[n] <= '9') ++n;
    std::string_view s = 空白除去(t.substr(n));
    const std::string_view whole = s;
    if (終わった) return true;
    // End words stand alone.
    {
      std::string_view w = s;
      size_t k = 0;
      while (k < w.size() && w[k] != ' ' && w[k] != '(') ++k;
      w = w.substr(0, k);
      while (w.ends_with("+")) w.remove_suffix(1);
      if (終局語か(w) || !(先頭(s, "同") || 筋を読む(w) != 0)) {
        return 終局(line, w);
      }
    }
    棋譜の手 m;
    int ti = 0;
    int tj = 0;
    if (先頭(s, "同")) {
      s.remove_prefix(3);
      if (s.starts_with(全角空白)) s.remove_prefix(全角空白.size());
      if (g.手.empty()) return 拒否(line, "「同」の前に指し手がありません");
      ti = g.手.back().SAKI_I;
      tj = g.手.back().SAKI_J;
    } else {
      const int file = 筋を読む(s);
      const int rank = 段を読む(s);
      if (file == 0 || rank == 0) return 拒否(line, "指し手の升が読めません");
      ti = 10 - file;
      tj = rank;
    }
    int kind = 0;
    bool promoted = false;
    if (!駒名を読む(s, kind, promoted)) return 拒否(line, "指し手の駒が読めません");
    bool promote = false;
    bool drop = false;
    if (先頭(s, "不成")) {
      s.remove_prefix(6);
    } else if (先頭(s, "成")) {
      s.remove_prefix(3);
      promote = true;
    } else if (先頭(s, "打")) {
      s.remove_prefix(3);
      drop = true;
    }
    const std::string_view text = whole.substr(0, whole.size() - s.size());
    if (s.size() >= 4 && s[0] == '(' && s[3] == ')' && !drop) {
      const int ff = s[1] - '0';
      const int fr = s[2] - '0';
      if (ff < 1 || ff > 9 || fr < 1 || fr > 9) return 拒否(line, "移動元が読めません");
      const int fi = 10 - ff;
      const int code = p.state.BAN[fi][fr];
      const bool black = p.toMove == Color::Black;
      if (code == KARA || (black ? !SITAの駒(code) : !UEの駒(code)) ||
          code != 駒コード(kind, black, promoted)) {
        return 拒否(line, std::string(whole.substr(0, whole.size() - s.size() + 4)) +
                              ": 移動元にその駒がありません");
      }
      m = 盤上の手(p, fi, fr, ti, tj, promote);
      if (promote && m.NARI == m.KOMA) return 拒否(line, std::string(text) + ": 成れない駒です");
      return 手を加える(line, m, whole.substr(0, whole.size() - s.size() + 4));
    }
    if (promoted || kind == 8 || promote)
      return 拒否(line, std::string(text) + ": 移動元がありません");
    m = 打つ手(p, kind, ti, tj);
    if ((p.toMove == Color::Black ? p.state.SITA_MOCHI : p.state.UE_MOCHI)[kind] <= 0) {
      return 拒否(line, std::string(text) + ": 持駒にありません");
    }
    return 手を加える(line, m, text);
  }

  // "▲７六歩　△３四歩"
  bool KI2の行(int line, std::string_view t) {
    KI2 = true;
    while (!t.empty()) {
      if (終わった) return true;
      const std::string_view mark = 一字(t);
      const bool black = mark == "▲" || mark == "☗";
      if (!black && mark != "△" && mark != "☖" && mark != "▽") {
        return 拒否(line, "指し手が読めません");
      }
      size_t end = 0;
      while (end < t.size() && !t.substr(end).starts_with("▲") && !t.substr(end).starts_with("△") &&
             !t.substr(end).starts_with("☗") && !t.substr(end).starts_with("☖") &&
             !t.substr(end).starts_with("▽")) {
        ++end;
      }
      const std::string_view text = 空白除去(t.substr(0, end));
      t.remove_prefix(end);
      if ((p.toMove == Color::Black) != black) {
        return 拒否(line, std::string(mark) + std::string(text) + ": 手番が違います");
      }
      if (終局語か(text)) {
        if (!終局(line, text)) return false;
        continue;
      }
      棋譜の手 m;
      std::string why;
      if (!KI2_指し手(p, text, g.手.empty() ? nullptr : &g.手.back(), m, why)) {
        return 拒否(line, std::string(mark) + std::string(text) + ": " + why);
      }
      if (!手を加える(line, m, std::string(mark) + std::string(text))) return false;
    }
    return true;
  }

  bool 見出し(int line, std::string_view key, std::string_view value) {
    value = 空白除去(value);
    if (key == "先手" || key == "下手") {
      g.先手名 = std::string(value);
    } else if (key == "後手" || key == "上手") {
      g.後手名 = std::string(value);
    } else if (key == "棋戦") {
      g.棋戦 = std::string(value);
    } else if (key == "開始日時") {
      g.開始日時 = std::string(value);
    } else if (key == "手合割") {
      手合割名 = std::string(value);
      手合割あり = true;
      Position unused;
      if (手合割名 != "その他" && !手合割の局面(手合割名, unused)) {
        return 拒否(line, "手合割がわかりません: " + 手合割名);
      }
    } else if (key == "先手の持駒" || key == "下手の持駒") {
      if (!持駒を読む(value, 盤図.SITA_MOCHI)) return 拒否(line, "持駒が読めません");
    } else if (key == "後手の持駒" || key == "上手の持駒") {
      if (!持駒を読む(value, 盤図.UE_MOCHI)) return 拒否(line, "持駒が読めません");
    }
    return true;
  }

  bool 行(int line, std::string_view raw) {
    const std::string_view t = 空白除去(raw);
    if (t.empty() || 先頭(t, "#") || 先頭(t, "&")) return true;
    if (先頭(t, "*")) {
      if (!g.終局.empty()) {
        if (!g.終局コメント.empty()) g.終局コメント += '\n';
        g.終局コメント += t.substr(1);
      }
      return true;
    }
    if (先頭(t, "まで")) {
      if (g.結果 == 対局結果::不明) g.結果 = までの結果(t);
      終わった = true;
      return true;
    }
    if (先頭(t, "手数") && t.find("--") != std::string_view::npos) {
      if (!開始(line)) return false;
      return true;
    }
    if (先頭(t, "+-") || 先頭(t, "９ ８") || 先頭(t, "９　８")) return true;
    if (先頭(t, "|") && !始まった) return 盤図の行(line, t);
    if (t == "後手番" || t == "上手番") {
      後手番 = true;
      return true;
    }
    if (t == "先手番" || t == "下手番") return true;
    if (先頭(t, "▲") || 先頭(t, "△") || 先頭(t, "☗") || 先頭(t, "☖") || 先頭(t, "▽")) {
      return 開始(line) && KI2の行(line, t);
    }
    if (t.front() >= '0' && t.front() <= '9') return 開始(line) && 指し手の行(line, t);
    size_t colon = t.find("：");
    size_t width = 3;
    if (colon == std::string_view::npos) {
      colon = t.find(':');
      width = 1;
    }
    if (colon != std::string_view::npos && colon > 0) {
      if (始まった) return true;  // a header among the moves says nothing of them
      return 見出し(line, t.substr(0, colon), t.substr(colon + width));
    }
    if (始まった && (終わった || !g.手.empty())) return true;  // a stray note after the moves
    return 拒否(line, "読めない行です");
  }
};

// The KIF text of a move: "７六歩(77)", "同　歩(76)", "５五角打", "２二角成(88)". A
// piece that could promote and does not gets no mark: the origin square already says
// which move it is, and readers of KIF take a "不成" there for an unreadable line (KI2,
// which has no origin, is where "不成" belongs).
std::string KIFの指し手(const 棋譜の手& m, const 棋譜の手* previous) {
  std::string out;
  if (previous && previous->SAKI_I == m.SAKI_I && previous->SAKI_J == m.SAKI_J) {
    out += "同";
    if (std::string_view(駒の名(m.KOMA)).size() == 3) out += "　";
  } else {
    out += 全角数字[10 - m.SAKI_I];
    out += 漢数字[m.SAKI_J];
  }
  out += 駒の名(m.KOMA);
  if (m.MOTO_I == 11 || m.MOTO_I == -1) {
    out += "打";
    return out;
  }
  if (m.NARI != m.KOMA) out += "成";
  out += '(';
  out += static_cast<char>('0' + 10 - m.MOTO_I);
  out += static_cast<char>('0' + m.MOTO_J);
  out += ')';
  return out;
}

void 持駒の行(std::string& out, const char* who, const int (&hand)[8]) {
  out += who;
  out += "の持駒：";
  bool any = false;
  for (int k = 7; k >= 1; --k) {
    if (hand[k] <= 0) continue;
    out += 駒の名(持駒_UEコード(k));
    if (hand[k] > 1) out += 漢数字で(hand[k]);
    out += "　";
    any = true;
  }
  if (!any) out += "なし";
  out += "\r\n";
}

void 盤面図(std::string& out, const Position& p) {
  持駒の行(out, "後手", p.state.UE_MOCHI);
  out += "  ９ ８ ７ ６ ５ ４ ３ ２ １\r\n+---------------------------+\r\n";
  for (int j = 1; j <= 9; ++j) {
    out += '|';
    for (int i = 1; i <= 9; ++i) {
      const int c = p.state.BAN[i][j];
      if (c == KARA) {
        out += " ・";
        continue;
      }
      out += c < 0 ? ' ' : 'v';
      out += 駒の一字(c);
    }
    out += '|';
    out += 漢数字[j];
    out += "\r\n";
  }
  out += "+---------------------------+\r\n";
  持駒の行(out, "先手", p.state.SITA_MOCHI);
  if (p.toMove == Color::White) out += "後手番\r\n";
}

}  // namespace

対局棋譜読込結果 KIF_読込(std::string_view text) {
  KIF読み手 k;
  for (const 行& l : 行に分ける(text)) {
    if (先頭(空白除去(l.文), "変化")) break;  // the main line is complete
    if (!k.行(l.番号, l.文)) return k.r;
  }
  if (!k.開始(static_cast<int>(行に分ける(text).size()))) return k.r;
  k.r.形式 = k.KI2 ? 棋譜形式::KI2 : 棋譜形式::KIF;
  k.r.成功 = true;
  return k.r;
}

書出結果 KIF_書出(const 対局棋譜& g, bool utf8) {
  書出結果 r;
  std::string& out = r.バイト列;
  out.reserve(160 + g.手.size() * 48);
  if (utf8) out += "#KIF version=2.0 encoding=UTF-8\r\n";
  const std::string name = 手合割の名(g.開始局面);
  const bool handicap = !name.empty() && name != "平手";
  if (!g.開始日時.empty()) out += "開始日時：" + g.開始日時 + "\r\n";
  if (!g.棋戦.empty()) out += "棋戦：" + g.棋戦 + "\r\n";
  if (!name.empty()) out += "手合割：" + name + "\r\n";
  // Many readers know only the common handicaps and start any other name from the even
  // position without a word: the rarer ones (三枚落ち, 左五枚落ち …) carry the diagram
  // too, which every reader sets up and which names the same position.
  constexpr std::string_view common[] = {"平手",     "香落ち",   "右香落ち", "角落ち",
                                         "飛車落ち", "飛香落ち", "二枚落ち", "四枚落ち",
                                         "六枚落ち", "八枚落ち", "十枚落ち"};
  if (std::find(std::begin(common), std::end(common), name) == std::end(common)) {
    盤面図(out, g.開始局面);
  }
  out += (handicap ? "下手：" : "先手：") + g.先手名 + "\r\n";
  out += (handicap ? "上手：" : "後手：") + g.後手名 + "\r\n";
  out += "手数----指手---------消費時間--\r\n";
  Position p = g.開始局面;
  char number[32];
  for (size_t k = 0; k < g.手.size(); ++k) {
    const 棋譜の手& m = g.手[k];
    const 標準判定結果 j = 標準判定(p, m);
    if (j != 標準判定結果::合法) {
      r.バイト列.clear();
      r.理由 = std::to_string(k + 1) + "手目: " + 標準判定の説明(j);
      return r;
    }
    std::snprintf(number, sizeof number, "%4zu ", k + 1);
    out += number;
    out += KIFの指し手(m, k > 0 ? &g.手[k - 1] : nullptr);
    out += "   ( 0:00/00:00:00)\r\n";
    指す(p, m);
  }
  const size_t n = g.手.size();
  if (!g.終局.empty()) {
    std::snprintf(number, sizeof number, "%4zu ", n + 1);
    out += number;
    out += g.終局;
    out += "   ( 0:00/00:00:00)\r\n";
  }
  if (!g.終局コメント.empty()) {
    std::string_view c = g.終局コメント;
    while (!c.empty()) {
      const size_t e = c.find('\n');
      out += '*';
      out += c.substr(0, e);
      out += "\r\n";
      if (e == std::string_view::npos) break;
      c.remove_prefix(e + 1);
    }
  }
  if (!g.終局.empty()) {
    out += "まで" + std::to_string(n) + "手で";
    if (g.結果 == 対局結果::先手勝ち || g.結果 == 対局結果::後手勝ち) {
      const bool black = g.結果 == 対局結果::先手勝ち;
      out += handicap ? (black ? "下手" : "上手") : (black ? "先手" : "後手");
      out += "の勝ち";
    } else {
      out += g.終局;
    }
    out += "\r\n";
  }
  r.成功 = true;
  return r;
}

}  // namespace kazeban::formats
