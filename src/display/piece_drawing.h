// Pieces on the board and in the hands, and the caption of the last move ("７六歩").
#pragma once

#include "display/screen.h"
#include "display/western_notation.h"
#include "rules/game_state.h"

namespace kazeban {

// The picture of `code` (K_LOGO: the title) with its top-left corner at grid point
// (x, y), nothing else; any other value paints nothing.
void 描画_絵(画面& g, int code, double x, double y);

// SITA's hand (column 11, kind k on row k + 2) with the counts in light red.
void 描画_自持盤(画面& g, const GameState& s);

// UE's hand (column −1, kind k on row 8 − k) with the counts in light red.
void 描画_敵持盤(画面& g, const GameState& s);

// One token of a move caption at grid point (x, y), 12 points: 1..9 a full-width file
// digit, 1001..1009 a rank numeral, a piece code its name; anything else nothing.
void 描画_移動駒種類(画面& g, double x, double y, int token, int colour);

// The caption of a move to (toColumn, toRow) by `code` at grid point (x, y), over an
// erased box, shown at once. The move is the record's last on the board (KIFU_SUU); in
// English it is written in Western notation.
void 描画_移動結果(画面& g, const GameState& s, double x, double y, int toColumn, int toRow,
                   int code, int colour);

// The same with the Western form given, over a box of `boardColour`.
void 描画_移動結果(画面& g, int boardColour, double x, double y, int toColumn, int toRow, int code,
                   int colour, const 西洋式の表記& western);

}  // namespace kazeban
