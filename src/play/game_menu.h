// The 対局 menu: a game between two people, a game against the computer as first or
// second player, the computer's level, and the end of the program.
#pragma once

#include "play/form.h"

namespace kazeban {

// The 対局 menu is opened: the record-file panel hides.
void TAIKYOKU_Click(Form1& f);

// スタート: a game between two people from the position on the board; SITA moves first.
void START_Click(Form1& f);

// 先手: a game against the computer from the position on the board; the person (SITA)
// moves first.
void SENTE_Click(Form1& f);

// 後手: a game against the computer from the position on the board; the computer (UE)
// moves first, at once.
void GOTE_Click(Form1& f);

// LEVEL1..LEVEL3: the computer's level, its check mark and its caption. Choosing the
// level already in force changes and draws nothing.
void LEVEL1_Click(Form1& f);
void LEVEL2_Click(Form1& f);
void LEVEL3_Click(Form1& f);

// 終わり: releases the sounds and ends the program without a question.
void OWARI_Click(Form1& f);

}  // namespace kazeban
