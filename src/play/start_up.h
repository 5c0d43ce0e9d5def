// The life of the window: start-up (Form_Load), the setup of a new game with its
// drawing, and the shutdown reached by closing the window, by Esc or by "終わり".
#pragma once

#include "play/form.h"

namespace kazeban {

// Opens the sound library and loads the five sounds (only the first time: a start-up
// run again keeps them and stops the background tune), resets guidance, the level and
// the colours, clears the window to the board colour, sets up and draws the starting
// position, and places the window unless its top is already at FORM_TOP.
void Form_Load(Form1& f);

// The starting position with no game in progress, and its drawing: both hands, the
// board, the coordinates, no handicap caption, the title picture.
void 初期設定(Form1& f);

// Releases the five sounds and closes the sound library.
void 終了処理(Form1& f);

// 終了処理, then the program ends at once: no handler runs after this one.
void プログラム終了(Form1& f);

// The window is being closed: releases the sounds and ends the program. Returns false
// (the window stays open) only while another handler has not returned.
bool Form_Unload(Form1& f);

// Esc (key code 27) releases the sounds and ends the program; other keys do nothing.
void Form_KeyDown(Form1& f, int key, int shift);

}  // namespace kazeban
