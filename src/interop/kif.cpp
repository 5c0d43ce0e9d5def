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

// How much of a word or a move a refusal quotes, leaving room for the reason.
constexpr size_t 引用の長さ = 60;

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

// Who a closing line names ("先手", "下手" black; "後手", "上手" white): 0 none or both,
// 1 black, 2 white.
int までの側(std::string_view t) {
  const bool black =
      t.find("先手") != std::string_view::npos || t.find("下手") != std::string_view::npos;
  const bool white =
      t.find("後手") != std::string_view::npos || t.find("上手") != std::string_view::npos;
  if (black == white) return 0;
  return black ? 1 : 2;
}

bool 含む(std::string_view t, std::string_view w) {
  return t.find(w) != std::string_view::npos;
}

// The end word a closing line "まで64手で後手の勝ち" stands for, said of the side to
// move: KI2 has no other, and some KIF writers leave out the end line. Empty when the
// line names no known end ("対局終了").
std::string までの終局語(std::string_view t, Color toMove) {
  for (const char* w : {"千日手", "持将棋", "中断", "封じ手", "不詰"}) {
    if (含む(t, w)) return w;
  }
  const int side = までの側(t);
  if (side == 0) return 含む(t, "詰") ? "詰み" : "";
  const bool mover = (side == 1) == (toMove == Color::Black);  // named: the side to move
  if (含む(t, "反則勝ち")) return mover ? "反則勝ち" : "反則負け";
  if (含む(t, "反則負け")) return mover ? "反則負け" : "反則勝ち";
  const bool timeUp = 含む(t, "時間切れ") || 含む(t, "切れ負け");
  if (含む(t, "勝ち")) {
    if (mover) return 含む(t, "入玉") ? "入玉勝ち" : "";
    if (timeUp) return "切れ負け";
    return 含む(t, "詰") ? "詰み" : "投了";
  }
  if (含む(t, "負け") && mover) return timeUp ? "切れ負け" : "投了";
  return "";
}

// The result named by a closing line, when it names a winner or a draw.
対局結果 までの結果(std::string_view t) {
  const int side = までの側(t);
  if (side == 0) {
    if (含む(t, "千日手") || 含む(t, "持将棋")) return 対局結果::引き分け;
    return 対局結果::不明;
  }
  const bool loses = 含む(t, "負け");
  const bool wins = 含む(t, "勝ち");
  if (wins == loses) return 対局結果::不明;
  return (side == 1) == wins ? 対局結果::先手勝ち : 対局結果::後手勝ち;
}

// A number of seconds written "m:ss", "h:mm:ss" or "ss", blanks allowed; -1 otherwise.
int 秒を読む(std::string_view s) {
  int total = 0;
  int field = -1;
  for (const char c : s) {
    if (c == ' ') continue;
    if (c == ':') {
      if (field < 0) return -1;
      total = total * 60 + field;
      field = -1;
    } else if (c >= '0' && c <= '9' && field < 10000000) {
      field = (field < 0 ? 0 : field * 10) + (c - '0');
    } else {
      return -1;
    }
  }
  if (field < 0 || total > 10000000) return -1;
  return total * 60 + field;
}

// The time of a move line, "( 0:12/00:01:23)", in what follows the move; nothing
// when the line gives none.
void 時間を読む(std::string_view s, 手の注記& n) {
  const size_t open = s.find('(');
  if (open == std::string_view::npos) return;
  const size_t close = s.find(')', open);
  if (close == std::string_view::npos) return;
  const std::string_view in = s.substr(open + 1, close - open - 1);
  const size_t slash = in.find('/');
  n.消費秒 = 秒を読む(in.substr(0, slash));
  if (n.消費秒 >= 0 && slash != std::string_view::npos) n.累計秒 = 秒を読む(in.substr(slash + 1));
}

// A line of play being read and where it stands: the line, the number of its first
// move, the position before that move and the move before it (for 同).
struct 読み筋 {
  変化手順* 手順 = nullptr;
  int 開始手 = 1;
  Position 開始;
  棋譜の手 前の手;
  bool 前の手あり = false;
  bool 終わった = false;
};

struct KIF読み手 : 読み手の土台 {
  std::string 手合割名;
  bool 手合割あり = false;
  int 盤図の段 = 0;
  GameState 盤図;
  bool 後手番 = false;
  bool 始まった = false;
  bool KI2 = false;
  // The main line while it is read (moved into g at the end), and the path from it to
  // the line being read: a variation hangs from the lines of this path.
  変化手順 本譜;
  std::vector<読み筋> 経路;
  // The comment the last line added to, while only comment lines follow it.
  std::string* 続くコメント = nullptr;

  KIF読み手() {
    初期設定_状態(盤図);
    for (auto& col : 盤図.BAN) {
      for (int& sq : col) sq = KARA;
    }
  }

  読み筋& 今() { return 経路.back(); }
  bool 本譜か() const { return 経路.size() == 1; }

  // Fixes the starting position once the moves begin.
  bool 開始(int line) {
    if (始まった) return true;
    始まった = true;
    if (盤図の段 > 0) {
      if (盤図の段 != 9) return 拒否(line, "盤面図が9段ありません");
      p = 局面(盤図, 後手番 ? Color::White : Color::Black);
      // Problems set pieces that could never move, nine pawns in a column, a king in
      // check: play from them is possible, so only an impossible start is refused.
      const char* flaw = 開始局面の不備(p);
      if (*flaw != '\0') return 拒否(line, std::string("盤面図: ") + flaw);
      g.手合割 = 手合割の名(p) == 手合割名 ? 手合割名 : "";
    } else if (手合割あり && 手合割名 != "その他") {
      if (!手合割の局面(手合割名, p))
        return 拒否(line, "手合割がわかりません: " + 引用(手合割名, 引用の長さ));
      g.手合割 = 手合割名;
    } else {
      p = 平手局面();
      g.手合割 = "平手";
    }
    g.開始局面 = p;
    経路.push_back({&本譜, 1, p, {}, false, false});
    return true;
  }

  // The note of the line's last move, or of its end once the end line is read.
  手の注記* 最後の注記() {
    変化手順& l = *今().手順;
    if (!l.終局.empty()) return &l.終局注記;
    if (l.手.empty()) return nullptr;
    l.注記.resize(l.手.size());
    return &l.注記.back();
  }

  bool 終局(int line, std::string_view word, std::string_view rest) {
    if (!終局語か(word)) return 拒否(line, "指し手が読めません: " + 引用(word, 引用の長さ));
    変化手順& l = *今().手順;
    l.終局 = std::string(word);
    時間を読む(rest, l.終局注記);
    if (本譜か()) g.結果 = 終局の結果(word, p.toMove);
    今().終わった = true;
    return true;
  }

  // "まで64手で後手の勝ち": the end word when no end line gave one.
  void まで(std::string_view t) {
    変化手順& l = *今().手順;
    if (l.終局.empty()) l.終局 = までの終局語(t, p.toMove);
    if (本譜か() && g.結果 == 対局結果::不明) {
      g.結果 = l.終局.empty() ? までの結果(t) : 終局の結果(l.終局, p.toMove);
    }
    今().終わった = true;
  }

  // The end of a line: a foul with no end word lost the game; notes left empty at
  // the end are not kept.
  void 筋を閉じる() {
    if (経路.empty()) return;
    変化手順& l = *今().手順;
    if (l.最終手反則 && l.終局.empty()) l.終局 = "反則勝ち";
    while (!l.注記.empty() && l.注記.back().空か()) l.注記.pop_back();
  }

  // "変化：12手": a line that replaces move 12 of the path read last.
  bool 変化(int line, std::string_view t) {
    筋を閉じる();
    t.remove_prefix(std::string_view("変化").size());
    t = 空白除去(t);
    if (t.starts_with("：")) t.remove_prefix(3);
    if (t.starts_with(":")) t.remove_prefix(1);
    if (t.ends_with("手")) t.remove_suffix(3);
    const int n = 数を読む(t);
    if (n < 1) return 拒否(line, "変化の手数が読めません");
    // The deepest line of the path that holds move n-1 and could go on to move n.
    while (!経路.empty()) {
      const 読み筋& s = 経路.back();
      const int size = static_cast<int>(s.手順->手.size());
      const bool fits = n <= s.開始手 + size && (n > s.開始手 || 経路.size() == 1);
      if (fits) break;
      経路.pop_back();
    }
    if (経路.empty()) return 拒否(line, "変化の手数に当たる指し手がありません");
    読み筋 parent = 経路.back();
    const size_t at = static_cast<size_t>(n - parent.開始手);
    読み筋 next;
    next.開始手 = n;
    next.開始 = parent.開始;
    for (size_t k = 0; k < at; ++k) 指す(next.開始, parent.手順->手[k]);
    if (at > 0) {
      next.前の手 = parent.手順->手[at - 1];
      next.前の手あり = true;
    } else {
      next.前の手 = parent.前の手;
      next.前の手あり = parent.前の手あり;
    }
    parent.手順->変化.push_back({});
    next.手順 = &parent.手順->変化.back();
    next.手順->分岐 = at;
    p = next.開始;
    経路.push_back(next);
    return true;
  }

  const 棋譜の手* 前の手() {
    const 読み筋& s = 今();
    if (!s.手順->手.empty()) return &s.手順->手.back();
    return s.前の手あり ? &s.前の手 : nullptr;
  }

  bool 指す手(int line, const 棋譜の手& m, std::string_view text) {
    変化手順& l = *今().手順;
    return 手を加える(line, m, text, l.手, l.最終手反則);
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
    if (今().終わった) return true;
    // End words stand alone.
    {
      std::string_view w = s;
      size_t k = 0;
      while (k < w.size() && w[k] != ' ' && w[k] != '(') ++k;
      const std::string_view rest = w.substr(k);
      w = w.substr(0, k);
      while (w.ends_with("+")) w.remove_suffix(1);
      if (終局語か(w) || !(先頭(s, "同") || 筋を読む(w) != 0)) return 終局(line, w, rest);
    }
    棋譜の手 m;
    int ti = 0;
    int tj = 0;
    if (先頭(s, "同")) {
      s.remove_prefix(3);
      if (s.starts_with(全角空白)) s.remove_prefix(全角空白.size());
      const 棋譜の手* previous = 前の手();
      if (previous == nullptr) return 拒否(line, "「同」の前に指し手がありません");
      ti = previous->SAKI_I;
      tj = previous->SAKI_J;
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
      // The origin decides: a piece named by its unpromoted kind where the promoted
      // one stands (or the other way round) is the piece standing there.
      const bool named = code == 駒コード(kind, black, promoted) ||
                         (kind != 5 && kind != 8 && code == 駒コード(kind, black, !promoted));
      const std::string_view named_text = whole.substr(0, whole.size() - s.size() + 4);
      if (code == KARA || (black ? !SITAの駒(code) : !UEの駒(code)) || !named) {
        return 拒否(line, std::string(named_text) + ": 移動元にその駒がありません");
      }
      m = 盤上の手(p, fi, fr, ti, tj, promote);
      if (promote && m.NARI == m.KOMA) return 拒否(line, std::string(text) + ": 成れない駒です");
      if (!指す手(line, m, named_text)) return false;
      時間を読む(s.substr(4), *最後の注記());
      return true;
    }
    if (promoted || kind == 8 || promote)
      return 拒否(line, std::string(text) + ": 移動元がありません");
    m = 打つ手(p, kind, ti, tj);
    if ((p.toMove == Color::Black ? p.state.SITA_MOCHI : p.state.UE_MOCHI)[kind] <= 0) {
      return 拒否(line, std::string(text) + ": 持駒にありません");
    }
    if (!指す手(line, m, text)) return false;
    時間を読む(s, *最後の注記());
    return true;
  }

  // "▲７六歩　△３四歩"
  bool KI2の行(int line, std::string_view t) {
    KI2 = true;
    while (!t.empty()) {
      if (今().終わった) return true;
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
        return 拒否(line, std::string(mark) + 引用(text, 引用の長さ) + ": 手番が違います");
      }
      if (終局語か(text)) {
        if (!終局(line, text, {})) return false;
        continue;
      }
      棋譜の手 m;
      std::string why;
      if (!KI2_指し手(p, text, 前の手(), m, why)) {
        return 拒否(line, std::string(mark) + 引用(text, 引用の長さ) + ": " + why);
      }
      if (!指す手(line, m, std::string(mark) + std::string(text))) return false;
    }
    return true;
  }

  bool 見出し(int line, std::string_view key, std::string_view value) {
    value = 空白除去(value);
    g.見出し.emplace_back(std::string(key), std::string(value));
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
        return 拒否(line, "手合割がわかりません: " + 引用(手合割名, 引用の長さ));
      }
    } else if (key == "先手の持駒" || key == "下手の持駒") {
      if (!持駒を読む(value, 盤図.SITA_MOCHI)) return 拒否(line, "持駒が読めません");
    } else if (key == "後手の持駒" || key == "上手の持駒") {
      if (!持駒を読む(value, 盤図.UE_MOCHI)) return 拒否(line, "持駒が読めません");
    }
    return true;
  }

  // A comment line "*…" or a bookmark "&…": of the start before the first move, of
  // the last move read, or of the end once the end line is read.
  void コメント(std::string_view raw, bool bookmark) {
    const char mark = bookmark ? '&' : '*';
    while (!raw.empty() && raw.front() != mark) raw.remove_prefix(1);
    raw.remove_prefix(1);
    std::string* comment = &g.開始コメント;
    std::string* mark_of = &g.開始しおり;
    if (始まった) {
      変化手順& l = *今().手順;
      手の注記* n = !l.終局.empty() ? &l.終局注記 : 最後の注記();
      if (n != nullptr) {
        comment = !l.終局.empty() && 本譜か() ? &g.終局コメント : &n->コメント;
        mark_of = &n->しおり;
      } else if (!本譜か()) {
        return;  // before a variation's first move: no move holds it
      }
    }
    if (bookmark) {
      *mark_of = std::string(raw);
      return;
    }
    // Lines of one comment are joined, an empty first line included.
    if (comment == 続くコメント || !comment->empty()) *comment += '\n';
    *comment += raw;
    続くコメント = comment;
  }

  bool 行(int line, std::string_view raw) {
    const std::string_view t = 空白除去(raw);
    if (t.empty() || 先頭(t, "#")) return true;
    if (先頭(t, "*") || 先頭(t, "&")) {
      コメント(raw, 先頭(t, "&"));
      return true;
    }
    続くコメント = nullptr;
    if (先頭(t, "変化")) {
      // Some writers put a "変化：" line among the headers: it means nothing there.
      return 始まった ? 変化(line, t) : true;
    }
    if (先頭(t, "まで")) {
      if (!開始(line)) return false;
      まで(t);
      return true;
    }
    if (先頭(t, "手数") && t.find("--") != std::string_view::npos) return 開始(line);
    // "手数＝1  ▲７六歩  まで" under a diagram: how the diagram came about.
    if (先頭(t, "手数＝")) return true;
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
    if (始まった && (今().終わった || !今().手順->手.empty())) return true;  // a stray note
    return 拒否(line, "読めない行です");
  }

  // Variations of one line from its last move back to its first, as they are written:
  // a record that lists them otherwise describes the same tree.
  static void 並べる(std::vector<変化手順>& variations) {
    std::stable_sort(variations.begin(), variations.end(),
                     [](const 変化手順& a, const 変化手順& b) { return a.分岐 > b.分岐; });
    for (変化手順& v : variations) 並べる(v.変化);
  }

  // Moves the main line into the game once the whole text is read.
  void 終える() {
    筋を閉じる();
    並べる(本譜.変化);
    g.手 = std::move(本譜.手);
    g.注記 = std::move(本譜.注記);
    g.変化 = std::move(本譜.変化);
    g.終局 = std::move(本譜.終局);
    g.終局注記 = std::move(本譜.終局注記);
    g.最終手反則 = 本譜.最終手反則;
    if (g.最終手反則) {
      Position after = 局面の後(g, g.手.size());
      after.toMove = 相手(after.toMove);  // the side to move after the foul
      反則の終局(g.終局, after.toMove);
    }
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

// Display columns of a text: a full-width character counts two.
int 桁数(std::string_view s) {
  int n = 0;
  while (!s.empty()) n += 一字(s).size() == 1 ? 1 : 2;
  return n;
}

void コメントを書く(std::string& out, std::string_view c) {
  if (c.empty()) return;
  for (;;) {
    const size_t e = c.find('\n');
    out += '*';
    out += c.substr(0, e);
    out += "\r\n";
    if (e == std::string_view::npos) break;
    c.remove_prefix(e + 1);
  }
}

void しおりを書く(std::string& out, std::string_view mark) {
  if (mark.empty()) return;
  out += '&';
  out += mark;
  out += "\r\n";
}

// " ( 0:12/00:01:23)" for a note that gives the move's time; the total, when the
// record gave none, is the mover's times so far added up (totals[0] black's).
void 時間を書く(std::string& out, const 手の注記& n, int (&totals)[2], int side) {
  if (n.消費秒 < 0) return;
  totals[side] += n.消費秒;
  const int total = n.累計秒 >= 0 ? n.累計秒 : totals[side];
  char buf[64];
  std::snprintf(buf, sizeof buf, " (%2d:%02d/%02d:%02d:%02d)", n.消費秒 / 60, n.消費秒 % 60,
                total / 3600, total / 60 % 60, total % 60);
  out += buf;
}

// Where a line begins when it is written: the number of its first move, the position
// before it, the move before it (for 同), the time each side has used so far, and
// whether a later variation replaces its first move (the "+" of KIF).
struct 筋の位置 {
  int 開始手 = 1;
  Position 開始;
  const 棋譜の手* 前の手 = nullptr;
  int 累計[2] = {0, 0};
  bool 別手あり = false;
};

// Writes a game's header, its lines of play and their variations as KIF programs
// write them: each variation after the line it hangs from, those of one line from the
// last move back to the first (so that each hangs from the line read just before it).
struct KIF書き手 {
  const 対局棋譜& g;
  std::string& out;
  bool 駒落ち = false;

  KIF書き手(const 対局棋譜& game, std::string& o) : g(game), out(o) {
    const std::string name = 手合割の名(g.開始局面);
    駒落ち = !name.empty() && name != "平手";
  }

  void 見出し行(std::string_view key, std::string_view value) {
    out += key;
    out += "：";
    out += value;
    out += "\r\n";
  }

  // The start: the handicap's name and, where readers need it, the diagram.
  void 開始を書く() {
    const std::string name = 手合割の名(g.開始局面);
    if (!name.empty()) 見出し行("手合割", name);
    // Many readers know only the common handicaps and start any other name from the
    // even position without a word: the rarer ones (三枚落ち, 左五枚落ち …) carry the
    // diagram too, which every reader sets up and which names the same position.
    constexpr std::string_view common[] = {"平手",     "香落ち",   "右香落ち", "角落ち",
                                           "飛車落ち", "飛香落ち", "二枚落ち", "四枚落ち",
                                           "六枚落ち", "八枚落ち", "十枚落ち"};
    if (std::find(std::begin(common), std::end(common), name) == std::end(common)) {
      盤面図(out, g.開始局面);
    }
  }

  // The headers read, in their order, with the start and the players where the record
  // had them (after the others when it had none). A header that one of the game's
  // fields holds is written with the field's value, and the start from the position,
  // so that it always names the position the moves fit.
  void 見出しを書く() {
    bool date = false, event = false, start = false, black = false, white = false;
    const auto 開始 = [&] {
      if (!start) 開始を書く();
      start = true;
    };
    for (const auto& [key, value] : g.見出し) {
      if (key == "開始日時") {
        if (!date && !g.開始日時.empty()) 見出し行(key, g.開始日時);
        date = true;
      } else if (key == "棋戦") {
        if (!event && !g.棋戦.empty()) 見出し行(key, g.棋戦);
        event = true;
      } else if (key == "手合割" || key.ends_with("の持駒")) {
        開始();
      } else if (key == "先手" || key == "下手") {
        開始();
        if (!black) 見出し行(駒落ち ? "下手" : "先手", g.先手名);
        black = true;
      } else if (key == "後手" || key == "上手") {
        開始();
        if (!white) 見出し行(駒落ち ? "上手" : "後手", g.後手名);
        white = true;
      } else {
        見出し行(key, value);
      }
    }
    if (!date && !g.開始日時.empty()) 見出し行("開始日時", g.開始日時);
    if (!event && !g.棋戦.empty()) 見出し行("棋戦", g.棋戦);
    開始();
    if (!black) 見出し行(駒落ち ? "下手" : "先手", g.先手名);
    if (!white) 見出し行(駒落ち ? "上手" : "後手", g.後手名);
  }

  // "まで64手で後手の勝ち" for a line that ends with `word` after `count` moves,
  // `toMove` to move.
  void まで(const std::string& word, int count, Color toMove) {
    out += "まで" + std::to_string(count) + "手で";
    const 対局結果 result = 終局の結果(word, toMove);
    const auto side = [&](bool black) {
      return 駒落ち ? (black ? "下手" : "上手") : (black ? "先手" : "後手");
    };
    const bool moverWins =
        result == (toMove == Color::Black ? 対局結果::先手勝ち : 対局結果::後手勝ち);
    if (word == "反則勝ち" || word == "反則負け") {
      out += side(toMove == Color::Black);
      out += "の";
      out += word;
    } else if (result == 対局結果::先手勝ち || result == 対局結果::後手勝ち) {
      if (word == "切れ負け" || word == "時間切れ") out += "時間切れにより";
      out += side(result == 対局結果::先手勝ち);
      out += moverWins && word == "入玉勝ち" ? "の入玉勝ち" : "の勝ち";
    } else {
      out += word;
    }
    out += "\r\n";
  }

  // One line of play from `at`, then its variations; false with the reason when a
  // move does not fit its position.
  bool 筋を書く(const 変化手順& line, const std::vector<変化手順>& variations, 筋の位置 at,
                std::string& why) {
    // 1. Where each variation begins, before this line's moves are played over.
    std::vector<筋の位置> starts(variations.size());
    Position p = at.開始;
    int totals[2] = {at.累計[0], at.累計[1]};
    char number[32];
    for (size_t k = 0; k <= line.手.size(); ++k) {
      for (size_t v = 0; v < variations.size(); ++v) {
        if (variations[v].分岐 != k) continue;
        starts[v] = {at.開始手 + static_cast<int>(k),
                     p,
                     k > 0 ? &line.手[k - 1] : at.前の手,
                     {totals[0], totals[1]},
                     false};
        for (size_t later = v + 1; later < variations.size(); ++later) {
          starts[v].別手あり = starts[v].別手あり || variations[later].分岐 == k;
        }
      }
      if (k == line.手.size()) break;
      // 2. The move, checked: only a line's last move may be a foul, and only when
      // the game says so.
      const 棋譜の手& m = line.手[k];
      const 標準判定結果 j = 標準判定(p, m);
      const bool last = k + 1 == line.手.size();
      if (j != 標準判定結果::合法 && !(反則か(j) && last && line.最終手反則)) {
        why = std::to_string(at.開始手 + k) + "手目: " + 標準判定の説明(j);
        return false;
      }
      std::snprintf(number, sizeof number, "%4d ", at.開始手 + static_cast<int>(k));
      out += number;
      const std::string text = KIFの指し手(m, k > 0 ? &line.手[k - 1] : at.前の手);
      out += text;
      out.append(static_cast<size_t>(std::max(0, 12 - 桁数(text))), ' ');
      const int side = p.toMove == Color::Black ? 0 : 1;
      if (k < line.注記.size()) 時間を書く(out, line.注記[k], totals, side);
      bool branches = k == 0 && at.別手あり;
      for (const 変化手順& v : variations) branches = branches || v.分岐 == k;
      if (branches) out += '+';
      out += "\r\n";
      if (k < line.注記.size()) {
        コメントを書く(out, line.注記[k].コメント);
        しおりを書く(out, line.注記[k].しおり);
      }
      指す(p, m);
    }
    // 3. The end line, its comment and the closing line.
    const int count = at.開始手 - 1 + static_cast<int>(line.手.size());
    if (!line.終局.empty()) {
      std::snprintf(number, sizeof number, "%4d ", count + 1);
      out += number;
      out += line.終局;
      out.append(static_cast<size_t>(std::max(0, 12 - 桁数(line.終局))), ' ');
      時間を書く(out, line.終局注記, totals, p.toMove == Color::Black ? 0 : 1);
      bool branches = line.手.empty() && at.別手あり;
      for (const 変化手順& v : variations) branches = branches || v.分岐 == line.手.size();
      if (branches) out += '+';
      out += "\r\n";
    }
    コメントを書く(out, line.終局注記.コメント);
    しおりを書く(out, line.終局注記.しおり);
    if (!line.終局.empty()) まで(line.終局, count, p.toMove);
    // 4. The variations, from the last move back to the first; those that replace the
    // same move in the record's order.
    std::vector<size_t> order(variations.size());
    for (size_t v = 0; v < order.size(); ++v) order[v] = v;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return variations[a].分岐 > variations[b].分岐; });
    for (const size_t v : order) {
      if (variations[v].分岐 > line.手.size()) {
        why = std::to_string(starts[v].開始手) + "手目の変化: 分岐する手がありません";
        return false;
      }
      out += "\r\n変化：" + std::to_string(starts[v].開始手) + "手\r\n";
      if (!筋を書く(variations[v], variations[v].変化, starts[v], why)) return false;
    }
    return true;
  }
};

}  // namespace

対局棋譜読込結果 KIF_読込(std::string_view text) {
  KIF読み手 k;
  const std::vector<行> lines = 行に分ける(text);
  for (const 行& l : lines) {
    if (!k.行(l.番号, l.文)) return k.r;
  }
  if (!k.開始(static_cast<int>(lines.size()))) return k.r;
  k.終える();
  k.r.形式 = k.KI2 ? 棋譜形式::KI2 : 棋譜形式::KIF;
  k.r.成功 = true;
  return k.r;
}

書出結果 KIF_書出(const 対局棋譜& g, bool utf8) {
  書出結果 r;
  KIF書き手 k(g, r.バイト列);
  std::string& out = r.バイト列;
  out.reserve(400 + g.手.size() * 48);
  if (utf8) out += "#KIF version=2.0 encoding=UTF-8\r\n";
  k.見出しを書く();
  out += "手数----指手---------消費時間--\r\n";
  コメントを書く(out, g.開始コメント);
  しおりを書く(out, g.開始しおり);
  // The main line is a line like the variations, read from the game's own fields.
  変化手順 main;
  main.手 = g.手;
  main.注記 = g.注記;
  main.終局 = g.終局;
  main.終局注記 = g.終局注記;
  main.終局注記.コメント = g.終局コメント;
  main.最終手反則 = g.最終手反則;
  筋の位置 at{1, g.開始局面, nullptr, {0, 0}, false};
  if (!k.筋を書く(main, g.変化, at, r.理由)) {
    out.clear();
    return r;
  }
  r.成功 = true;
  return r;
}

}  // namespace kazeban::formats
