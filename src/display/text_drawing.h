// Numbers and fixed texts beside the board: the coordinates, the move number, the
// computer's level, the handicap caption and "手目".
#pragma once

#include <string>
#include <string_view>

#include "display/screen.h"
#include "rules/game_state.h"

namespace kazeban {

// A number at grid point (x, y) over an erased 400 × 350 box. Mode 0 prints it as a
// number (a blank before and after); any other mode prints the rank numeral 一..九
// for 1..9 and nothing otherwise.
void 描画_数値(画面& g, const GameState& s, double x, double y, int value, int colour, int mode,
               int size);

// The same with a text, printed unchanged when mode is 0.
void 描画_数値(画面& g, const GameState& s, double x, double y, std::string_view text, int colour,
               int mode, int size);

// The file numbers above the board and the rank numerals to its right; the font is
// bold from here on.
void 描画_桝_数値(画面& g, const GameState& s);

// The move number, its last digit kept in place, and the word "手目".
void 描画_手数(画面& g, const GameState& s, int n);

// "LEVEL" and the computer's level.
void 描画_レベル(画面& g, const GameState& s, int n);

// One of the 22 fixed texts (handicap captions −10..10, 99 "手目") at grid point (x, y)
// moved 120 twips right and 160 down; other codes print nothing.
void 描画_文字列(画面& g, double x, double y, int code, int colour, int size);

// The text as it fits in `width` twips at `size` points: whole when it fits, otherwise
// as many of its first characters as fit, followed by "…".
std::string 幅に収める(Surface& surface, std::string_view text, int size, bool bold, double width);

}  // namespace kazeban
