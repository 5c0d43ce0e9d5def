// The computer's choice for a position of standard shogi, as the USI engine plays it.
//
// KAZEBAN's computer always sits at the top of the board (UE, white). To move for
// black, the engine turns the position round (the board rotated by 180 degrees, the
// colours and the hands swapped), lets the computer choose there, and turns its move
// back. Under the standard rules the search leaves out, as it meets them, the
// candidates standard shogi forbids: a king left attacked, a pawn drop that mates, a
// second unpromoted pawn in a file, a piece that could never move again. Under
// KAZEBAN's own rules the choice is the computer's as it stands.
#pragma once

#include <string>

#include "interop/position.h"
#include "storage/record_file.h"

namespace kazeban {

struct USI思考結果 {
  bool 指し手あり = false;  // false: nothing is allowed, the engine resigns
  棋譜の手 手;              // the move for the side to move of the position given
  int 点 = 0;               // its score in tenths, from the mover's side
  int 候補数 = 0;           // candidate forms scored
};

// The computer's move at `level` (1..3) for the side to move of p.
USI思考結果 USI_思考(const Position& p, int level, bool kazebanRules);

// Why the engine cannot play from p, or an empty string when it can: more pieces of a
// kind than a set holds, more than one king of a side, and under the standard rules
// the side that is not to move standing in check.
std::string USI_局面の問題(const Position& p, bool kazebanRules);

}  // namespace kazeban
