#include "interop/standard_end.h"

namespace kazeban {

void 標準の終局を記す(対局棋譜& g, 標準終局理由 理由, bool 手番側の勝ち) {
  Position p = g.開始局面;
  for (const 棋譜の手& m : g.手) 指す(p, m);
  const Color winner = 手番側の勝ち ? p.toMove : 相手(p.toMove);
  const 対局結果 won = winner == Color::Black ? 対局結果::先手勝ち : 対局結果::後手勝ち;
  g.KAZEBANルール = false;
  g.終局コメント.clear();
  switch (理由) {
    case 標準終局理由::詰み:
      g.終局 = "詰み";
      g.結果 = won;
      return;
    case 標準終局理由::投了:
      g.終局 = "投了";
      g.結果 = won;
      return;
    case 標準終局理由::千日手:
      g.終局 = "千日手";
      g.結果 = 対局結果::引き分け;
      return;
    case 標準終局理由::連続王手の千日手:
      // The foul is the checking side's: the record's end word is said by the side to
      // move.
      g.終局 = 手番側の勝ち ? "反則勝ち" : "反則負け";
      g.結果 = won;
      g.終局コメント = "連続王手の千日手";
      return;
  }
}

}  // namespace kazeban
