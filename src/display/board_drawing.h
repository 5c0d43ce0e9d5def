// The board and its squares: a filled box, a square's outline, an empty square, the
// whole board with its pieces, the plain outlines, and the outlines that show where a
// held piece may go. Coordinates are grid coordinates (square units), colours palette
// indices.
#pragma once

#include "display/screen.h"
#include "rules/game_state.h"

namespace kazeban {

// A filled box from grid point (x, y), w × h twips (not squares), border and inside in
// the colour; mostly used to erase an area before printing on it.
void 描画_四角形(画面& g, double x, double y, double w, double h, int colour);

// A one-pixel outline of square (x, y): grid point (x, y) to (x + 1, y + 1).
void 描画_桝輪郭(画面& g, int colour, double x, double y);

// The empty-square picture at (x, y), then its outline in the board colour.
void 描画_桝(画面& g, const GameState& s, double x, double y);

// Every square of the board, column by column, each with its piece and outline.
void 描画_盤(画面& g, const GameState& s);

// Every square's plain outline in MASU_IRO: removes all highlights.
void 描画_将棋盤桝(画面& g, const GameState& s);

// Clears the highlights; then, while guidance is on, outlines in `colour` every square
// that `code` may reach from (fromX, fromY) by the legality test. The caller refreshes
// the double-pawn flags before asking about a drop.
void 描画_移動可能桝色(画面& g, const GameState& s, int fromX, int fromY, int colour, int code);

}  // namespace kazeban
