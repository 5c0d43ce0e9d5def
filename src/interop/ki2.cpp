// KI2 moves name the destination and the piece but not the origin; when more than
// one piece could go there, 右 左 直 上 引 寄 (and 行 入 for 上) say which, seen from
// the mover's side, and 打 marks a drop where a piece on the board could also go.
#include <algorithm>

#include "interop/formats_internal.h"

namespace kazeban::formats {

bool KI2_指し手(const Position& p, std::string_view s, const 棋譜の手* previous, 棋譜の手& out,
                std::string& why) {
  // 1. The destination and the piece.
  int ti = 0;
  int tj = 0;
  if (s.starts_with("同")) {
    s.remove_prefix(3);
    s = 空白除去(s);
    if (previous == nullptr) {
      why = "「同」の前に指し手がありません";
      return false;
    }
    ti = previous->SAKI_I;
    tj = previous->SAKI_J;
  } else {
    std::string_view f = 一字(s);
    std::string_view r = 一字(s);
    int file = 0;
    int rank = 0;
    for (int k = 1; k <= 9; ++k) {
      if (f == 全角数字[k] || (f.size() == 1 && f[0] == '0' + k)) file = k;
      if (r == 漢数字[k] || r == 全角数字[k]) rank = k;
    }
    if (file == 0 || rank == 0) {
      why = "升が読めません";
      return false;
    }
    ti = 10 - file;
    tj = rank;
  }
  int kind = 0;
  bool promoted = false;
  if (!駒名を読む(s, kind, promoted)) {
    why = "駒が読めません";
    return false;
  }
  // 2. The words that tell pieces apart, then the promotion.
  bool 右 = false, 左 = false, 直 = false, 上 = false, 引 = false, 寄 = false, 打 = false;
  int promote = -1;  // -1 not said, 0 不成, 1 成
  while (!s.empty()) {
    const std::string_view c = 一字(s);
    if (c == "右") {
      右 = true;
    } else if (c == "左") {
      左 = true;
    } else if (c == "直") {
      直 = true;
    } else if (c == "上" || c == "行" || c == "入") {
      上 = true;
    } else if (c == "引") {
      引 = true;
    } else if (c == "寄") {
      寄 = true;
    } else if (c == "打") {
      打 = true;
    } else if (c == "成") {
      promote = 1;
    } else if ((c == "不" && s.starts_with("成")) || c == "生") {
      if (c == "不") 一字(s);
      promote = 0;
    } else if (c == " " || c == "\xE3\x80\x80") {
      continue;
    } else {
      why = "読めない字があります: " + std::string(c);
      return false;
    }
  }
  // 3. The candidates among the legal moves; when none fits, among the fouls (a record
  // may end with one), which the pieces can make but standard shogi forbids.
  const bool black = p.toMove == Color::Black;
  const int code = 駒コード(kind, black, promoted);
  棋譜の手 list[標準手の最大数];
  int n = 合法手一覧(p, list);
  棋譜の手 cand[標準手の最大数];
  int c = 0;
  bool boardMove = false;
  const auto collect = [&] {
    c = 0;
    boardMove = false;
    for (int k = 0; k < n; ++k) {
      const 棋譜の手& m = list[k];
      if (m.SAKI_I != ti || m.SAKI_J != tj || m.KOMA != code) continue;
      const bool drop = m.MOTO_I == 11 || m.MOTO_I == -1;
      if (打 && !drop) continue;
      if ((promote == 1) != (m.NARI != m.KOMA)) continue;
      boardMove = boardMove || !drop;
      cand[c++] = m;
    }
  };
  collect();
  if (c == 0) {
    n = 0;
    for (int i = 1; i <= 9; ++i) {
      for (int j = 1; j <= 9; ++j) {
        if (p.state.BAN[i][j] != code) continue;
        for (const bool up : {false, true}) {
          const 棋譜の手 m = 盤上の手(p, i, j, ti, tj, up);
          if ((m.NARI != m.KOMA) == up && 反則か(標準判定(p, m))) list[n++] = m;
        }
      }
    }
    if (!promoted && kind != 8) {
      const 棋譜の手 m = 打つ手(p, kind, ti, tj);
      if (反則か(標準判定(p, m))) list[n++] = m;
    }
    collect();
  }
  // A drop is written without 打 only where no piece on the board could go.
  if (!打 && boardMove) {
    int kept = 0;
    for (int k = 0; k < c; ++k) {
      if (cand[k].MOTO_I != 11 && cand[k].MOTO_I != -1) cand[kept++] = cand[k];
    }
    c = kept;
  }
  // 4. Movement words, then right and left, from the mover's side.
  const int forward = black ? -1 : 1;
  const auto keep = [&](auto test) {
    int kept = 0;
    for (int k = 0; k < c; ++k) {
      if (test(cand[k])) cand[kept++] = cand[k];
    }
    c = kept;
  };
  if (上) keep([&](const 棋譜の手& m) { return (m.SAKI_J - m.MOTO_J) * forward > 0; });
  if (引) keep([&](const 棋譜の手& m) { return (m.SAKI_J - m.MOTO_J) * forward < 0; });
  if (寄) keep([&](const 棋譜の手& m) { return m.SAKI_J == m.MOTO_J; });
  if (直) {
    keep([&](const 棋譜の手& m) { return m.SAKI_I == m.MOTO_I && m.SAKI_J - m.MOTO_J == forward; });
  }
  if (右 || 左) {
    // Black's right is KAZEBAN's larger column, white's the smaller one.
    const bool larger = 右 == black;
    int best = larger ? 0 : 10;
    for (int k = 0; k < c; ++k) {
      best = larger ? std::max(best, cand[k].MOTO_I) : std::min(best, cand[k].MOTO_I);
    }
    keep([&](const 棋譜の手& m) { return m.MOTO_I == best; });
  }
  if (c == 0) {
    why = "その駒で指せる手がありません";
    return false;
  }
  if (c > 1) {
    why = "どの駒の手か決まりません";
    return false;
  }
  out = cand[0];
  return true;
}

}  // namespace kazeban::formats
