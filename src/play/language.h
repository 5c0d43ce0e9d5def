// The language of the window's texts beside the board. The window translates its
// menus and boxes itself; what the game has drawn is drawn again here.
#pragma once

#include "play/form.h"

namespace kazeban {

// Draws the captions still showing (the move number, the handicap grade, "思考中" and
// each side's last move) again in `language`, which every later drawing uses too.
void 言語_切替(Form1& f, 表示言語 language);

}  // namespace kazeban
