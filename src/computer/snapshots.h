// What the computer keeps aside for the length of its turn: the board and both
// influence counts of the position before its move (the evaluation compares the
// candidate position with them), its hand total at the start, the code of the piece
// the candidate being scored moves, and the best score met so far.
//
// Scores are held as exact integer tenths: every term of the evaluation is a
// multiple of 0.1, so equal scores compare equal and the order of candidates never
// depends on rounding.
#pragma once

namespace kazeban {

// Score values in tenths.
inline constexpr int 点_勝ち = 99980;    // 9998: the game is decided
inline constexpr int 点_初期 = -999990;  // -99999: below every score, set at the start of a turn

struct COM記録 {
  int MAE_BAN[10][10] = {};            // the board before the computer's move
  int MAE_SEIRYOKU_SITA[10][10] = {};  // SITA's influence before it
  int MAE_SEIRYOKU_UE[10][10] = {};    // UE's influence before it
  int MAE_UE_MOCHI_SU = 0;             // UE's hand total at the start of the turn
  int IDOU_KOMA = 0;                   // code of the moving piece before the candidate move
  int SAIKOU_TEN = 点_初期;            // best score so far, in tenths
};

}  // namespace kazeban
