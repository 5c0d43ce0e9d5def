// The computer's choice for a position of standard shogi, as the USI engine plays it.
//
// KAZEBAN's computer always sits at the top of the board (UE, white). To move for
// black, the engine turns the position round (the board rotated by 180 degrees, the
// colours and the hands swapped), lets the computer choose there, and turns its move
// back. Under the standard rules the search leaves out, as it meets them, the
// candidates standard shogi forbids: a king left attacked, a pawn drop that mates, a
// second unpromoted pawn in a file, a piece that could never move again. Under
// KAZEBAN's own rules the choice is the computer's as it stands.
//
// Under the standard rules a check only wins when it mates, and a position repeated
// for the fourth time by one side checking throughout loses for that side. The turn
// therefore reports a check that does not mate by the evaluation's other terms, and,
// given the game's earlier positions, leaves out a move that would complete such a
// repetition, inside the search as the other forbidden moves.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "interop/position.h"
#include "storage/record_file.h"

namespace kazeban {

// One position of the game, as the repetition test compares them: the board, both
// hands and the side to move.
struct USI局面記録 {
  int16_t 盤[81] = {};
  uint8_t 持駒[2][8] = {};  // black's, then white's, by kind 1..7
  bool 先手番 = true;
};

// The game's positions from `start` through each move in turn, `start` first.
std::vector<USI局面記録> USI_経過(const Position& start, const std::vector<棋譜の手>& moves);

// Under the standard rules, the highest a check that does not mate is reported.
inline constexpr int USI_評価値の上限 = 30000;

struct USI思考結果 {
  bool 指し手あり = false;  // false: nothing is allowed, the engine resigns
  棋譜の手 手;              // the move for the side to move of the position given
  int 点 = 0;               // its score in tenths, from the mover's side
  int 評価値 = 0;           // the score to report: 点, but see USI_思考
  bool 詰み = false;        // under the standard rules, the move mates
  int 候補数 = 0;           // candidate forms scored
};

// The computer's move at `level` (1..3) for the side to move of p. Under the standard
// rules, `経過` (the game's positions through p, p last; empty when unknown) lets the
// search leave out a move that completes a fourfold repetition while checking since
// that position last stood; the reported score of a move that checks without mating is
// the evaluation without the check's term, held within ±USI_評価値の上限.
USI思考結果 USI_思考(const Position& p, int level, bool kazebanRules,
                     std::span<const USI局面記録> 経過 = {});

// Why the engine cannot play from p, or an empty string when it can: more pieces of a
// kind than a set holds, more than one king of a side, under the standard rules the
// side that is not to move standing in check, under KAZEBAN's both kings in check.
std::string USI_局面の問題(const Position& p, bool kazebanRules);

}  // namespace kazeban
