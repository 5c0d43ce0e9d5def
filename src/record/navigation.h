// Review of the game on the board: stepping one move forward or back through the move
// record, going back to a fresh start, and turning the board round. Each command
// changes the state through the record's own steps and redraws exactly what changed:
// the squares a move touched, both hands, the move number and the move's caption.
// Stepping, starting afresh and turning all end a game in progress; a new one is then
// started from the 対局 menu on the position shown.
#pragma once

#include "play/form.h"

namespace kazeban {

// The 局面 menu is opened: the record-file panel hides.
void STOP_Click(Form1& f);

// 進: plays the next recorded move again. At the end of the record: "終わり" while a
// record file is loaded, otherwise the forbidden sound and "できません".
void AFTER_Click(Form1& f);

// 戻: takes the move on the board back; the record keeps it for 進. Before the first
// move: the forbidden sound and "できません".
void REPLAY_Click(Form1& f);

// 最初: start-up again (the sound library and its sounds are kept), no game, no winner.
void CANCEL_Click(Form1& f);

// 反転: the board turns by 180 degrees and every piece changes sides; the hands and
// their totals change places, a handicap grade changes sign, and the record is dropped
// (writing it is refused until the next setup). Refused while a record file is loaded.
void REVERSE_Click(Form1& f);

}  // namespace kazeban
