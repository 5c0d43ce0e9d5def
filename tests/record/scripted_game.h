// A short game played through the rules as the window and the computer play it, with
// every kind of entry a record holds: board moves of both sides, a promotion on a
// capture, the capture of a promoted piece, a drop by each side (the bottom side's
// recorded with its hand row, the top side's with the kind, as the computer records
// it) and the capture of a king.
#pragma once

#include "rules/move.h"

namespace kazeban::testing {

struct ScriptedMove {
  int fromI, fromJ, toI, toJ, before, after;
  int handJ;  // the from-row 駒移動_盤 is given (the kind for a UE drop)
};

// The moves, in order. The comments give the record line each one must write.
inline constexpr ScriptedMove kScript[] = {
    {3, 7, 3, 6, -10, -10, 7},     // " 3736 -10 -10   0" bottom pawn forward
    {7, 3, 7, 4, 10, 10, 3},       // " 7374  10  10   0" top pawn forward
    {2, 8, 8, 2, -800, -801, 8},   // " 2882-801-800 800" bishop takes bishop, promotes
    {7, 1, 8, 2, 100, 100, 1},     // " 7182 100 100-801" silver takes the promoted bishop
    {11, 8, 5, 5, -800, -800, 8},  // "11855-800-800   0" bottom drops its bishop (hand row 8)
    {-1, 6, 1, 5, 800, 800, 6},    // "-1615 800 800   0" top drops its bishop (kind 6)
    {5, 5, 8, 2, -800, -801, 5},   // " 5582-801-800 100" bishop takes silver, promotes
    {1, 5, 5, 9, 800, 801, 5},     // " 1559 801 800-950" bishop takes the king, promotes
};
inline constexpr int kScriptLength = sizeof kScript / sizeof kScript[0];

// Plays the first `count` moves of the script from the starting position.
inline GameState PlayScript(int count = kScriptLength) {
  GameState s;
  初期設定_状態(s);
  for (int n = 0; n < count; ++n) {
    const ScriptedMove& m = kScript[n];
    手順保存(s, m.fromI, m.fromJ, m.toI, m.toJ, m.before, m.after);
    駒移動_盤(s, m.fromI, m.handJ, m.toI, m.toJ, m.after);
    s.TESUU = s.KIFU_SUU;
  }
  return s;
}

}  // namespace kazeban::testing
