// The computer's search under standard shogi: a filter for COM_探索 that keeps only the
// candidates standard shogi allows the side to move of a position (a king left
// attacked, a pawn drop that mates, a second unpromoted pawn in a file and a piece that
// could never move again are left out). The USI engine and the window's computer both
// search through it, so that they choose alike.
#pragma once

#include "computer/search.h"
#include "interop/standard_rules.h"

namespace kazeban {

// `p` is the position before the computer's move, the computer (UE) to move; the
// search's candidates are judged against it, never against the live board.
struct 標準ルールの選別 {
  const Position& p;
  bool operator()(const COM指し手& c) const {
    const 棋譜の手 m{c.MOTO_I, c.MOTO_J, c.SAKI_I, c.SAKI_J, c.NARI, c.KOMA, c.TORI};
    return 標準判定(p, m) == 標準判定結果::合法;
  }
};

}  // namespace kazeban
