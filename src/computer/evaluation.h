// The board evaluation: the score of one candidate move of the computer (UE), read
// from the position after the move and its fresh influence map. Larger is better for
// the computer; 9998 and above means the game is won, -9998 that it is lost.
//
// The level decides how many terms are added: level 1 the decisive tests, the drop
// and promotion terms and the danger sweep; level 2 also the king's shelter, the
// person's drop threats, exchanges on the destination and captures; level 3 also a
// block of rules for the kind of piece that now stands on the destination.
//
// Scores are integer tenths (9998 is 99980).
#pragma once

#include "computer/influence_map.h"
#include "computer/snapshots.h"
#include "rules/game_state.h"

namespace kazeban {

// cap: the code that stood on the destination (0 for none and for a drop); pc: the
// code now on it (promoted when the candidate promotes); (fx, fy): the origin, for a
// drop (-1, kind 1..7); (tx, ty): the destination. r.IDOU_KOMA holds the moving
// piece's code before a board move.
int 盤評価(const GameState& s, const 勢力図& m, const COM記録& r, int cap, int pc, int fx, int fy,
           int tx, int ty);

// The same score with the check given left out (step 2): what the rest of the terms
// make of the position. Used only to report a move that checks without ending the
// game, as under standard shogi; the search never calls it.
int 盤評価_王手を除く(const GameState& s, const 勢力図& m, const COM記録& r, int cap, int pc,
                      int fx, int fy, int tx, int ty);

// The level-3 block of rules for pc, applied to the score S reached by the levels
// below; returns the final score.
int 盤評価_駒別(const GameState& s, const 勢力図& m, const COM記録& r, int S, int cap, int pc,
                int fx, int fy, int tx, int ty);

}  // namespace kazeban
