// The handicap grade's caption beside the board, right of the title picture.
#pragma once

#include "play/form.h"

namespace kazeban {

// Erases the caption: a box of board colour 2200 × 550 twips from square (11, 1).
void 消去_ハンデレベル(Form1& f);

// Erases the caption, then prints the one of `grade` (−10 "名人" … 10 "12級").
void 描画_ハンデレベル(Form1& f, int grade);

}  // namespace kazeban
