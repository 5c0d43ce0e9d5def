// The 対局 menu: a game between two people, the computer's level, and the end of the
// program. (The games against the computer, 先手 and 後手, come with the computer
// player.)
#pragma once

#include "play/form.h"

namespace kazeban {

// The 対局 menu is opened: the record-file panel hides.
void TAIKYOKU_Click(Form1& f);

// スタート: a game between two people from the position on the board; SITA moves first.
void START_Click(Form1& f);

// LEVEL1..LEVEL3: the computer's level, its check mark and its caption. Choosing the
// level already in force changes and draws nothing.
void LEVEL1_Click(Form1& f);
void LEVEL2_Click(Form1& f);
void LEVEL3_Click(Form1& f);

// 終わり: releases the sounds and ends the program without a question.
void OWARI_Click(Form1& f);

}  // namespace kazeban
