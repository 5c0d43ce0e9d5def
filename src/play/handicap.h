// Handicap grades: before a game the player removes pieces from one side, one per
// step, in the classical order (bishop, rook, the two lances, knights, silvers,
// golds). A positive grade takes the top side's pieces away (the player is the weaker),
// a negative one the bottom side's; the caption beside the board names the grade from
// "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人" (−10) through "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級" (0) to "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級" (10).
#pragma once

#include "play/form.h"
#include "rules/game_state.h"

namespace kazeban {

// The square and the unpromoted piece that grade `grade` (±1..±10) concerns: the piece
// removed on reaching it and restored on leaving it toward 0. False for grade 0 and
// anything outside −10..10.
struct ハンデの駒 {
  int i = 0;
  int j = 0;
  int code = KARA;
};
bool ハンデ_駒(int grade, ハンデの駒& piece);

// True when the board and the hands are the starting position with the pieces of the
// grades 1..HANDE (or −1..HANDE) removed and nothing in hand: the only position a step
// of the grade may change.
bool ハンデ_初形か(const GameState& s);

// △: one grade up (to at most 10), removing a top piece or restoring a bottom one.
// Refused in record mode and once the game has moves.
void LBEL_UP_Click(Form1& f);

// ▽: one grade down (to at least −10), removing a bottom piece or restoring a top one.
void LEBEL_DOWN_Click(Form1& f);

}  // namespace kazeban
