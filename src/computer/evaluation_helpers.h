// The helpers of the board evaluation. They read the position after a candidate
// move of the computer (UE), its influence map and the turn's snapshots; they write
// nothing. Scores are integer tenths.
//
// - 盤評価_COM危険座標 sweeps the whole board for squares where the person (SITA)
//   could strike: uncovered squares by the computer's king, drop forks and skewers,
//   hanging pieces; and for pressure on the person's pieces, with a bonus when the
//   moved piece now attacks two of them.
// - 調査_自守駒MAN_直進駒 tells whether a SITA lance, rook or dragon below a square on
//   its column bears on it.
// - 盤評価_取得時 scores 2000 when the piece just captured could be dropped beside the
//   person's king so as to attack it; 盤評価_張られ時 scores 990 when the person holds
//   a piece that could be dropped beside the computer's king so as to attack it.
#pragma once

#include "computer/influence_map.h"
#include "computer/snapshots.h"
#include "rules/game_state.h"

namespace kazeban {

// The danger sweep, in tenths; pc is the code now on the candidate's destination
// (tx, ty).
int 盤評価_COM危険座標(const GameState& s, const 勢力図& m, const COM記録& r, int pc, int tx,
                       int ty);

// ON when the first piece below (x, y) on column x, looking past empty squares and
// other SITA pieces and stopping at a UE piece, is a SITA lance, rook or dragon that
// could move onto (x, y) if (x, y) were empty; OFF otherwise.
int 調査_自守駒MAN_直進駒(const GameState& s, int x, int y);

// 20000 (2000 in tenths) when the captured SITA code cap, back in the person's hand
// as its unpromoted kind, could be dropped on an empty square next to SITA's king so
// as to attack it; else 0.
int 盤評価_取得時(const GameState& s, int cap);

// 9900 (990 in tenths) when a piece in the person's hand could be dropped on an empty
// square next to the computer's king so as to attack it; else 0.
int 盤評価_張られ時(const GameState& s);

}  // namespace kazeban
