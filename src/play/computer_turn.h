// The computer's turn as an event of the window: "思考中" shown while it thinks, the
// search over every move and drop of the computer (UE), then the chosen move recorded,
// made and drawn with its sound, and the end of the game when the computer now bears
// on the person's king.
#pragma once

#include "play/form.h"

namespace kazeban {

// "思考中" in the panel of the computer's moves, over an erased box.
void 思考中_描画(Form1& f);

// How the computer's turn ended, which tells the caller what may follow.
enum class COM手番結果 {
  指した,          // the move is on the board; the person is to move
  棋譜満杯,        // the record is full: nothing was played; the person keeps the turn
  終局,            // the game is over and the starting position is set up again
  プログラム終了,  // the program is ending: the caller returns at once
};

// True when the game goes on after the turn (the caller may hand the turn on).
constexpr bool 対局続行(COM手番結果 r) {
  return r == COM手番結果::指した || r == COM手番結果::棋譜満杯;
}

// Plays one move for the computer, or ends the game: the computer wins when, after its
// move, it bears on the person's king or has taken it; the person wins when the
// computer has no legal move or drop. With the record full the computer plays nothing,
// says why, and leaves the turn with the person.
COM手番結果 com_ban(Form1& f);

}  // namespace kazeban
