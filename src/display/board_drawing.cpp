#include "display/board_drawing.h"

#include "display/piece_drawing.h"
#include "rules/move_check.h"

namespace kazeban {

void 描画_四角形(画面& g, double x, double y, double w, double h, int colour) {
  g.surface.FillBox(グリッドX(x), グリッドY(y), w, h, colour);
}

void 描画_桝輪郭(画面& g, int colour, double x, double y) {
  g.surface.OutlineBox(グリッドX(x), グリッドY(y), MASU_W, MASU_H, colour);
}

void 描画_桝(画面& g, const GameState& s, double x, double y) {
  // The picture covers the outline's pixels too, so the outline comes after it.
  g.surface.DrawPicture(PICTURE_KARA_MASU, グリッドX(x), グリッドY(y));
  描画_桝輪郭(g, s.BAN_IRO, x, y);
}

void 描画_盤(画面& g, const GameState& s) {
  // Column by column from the left, top to bottom within a column: the empty
  // square, its piece, and the outline again over the piece.
  for (int x = 1; x <= BAN_SUU; ++x) {
    for (int y = 1; y <= BAN_SUU; ++y) {
      描画_桝(g, s, x, y);
      if (s.BAN[x][y] != KARA) {
        描画_絵(g, s.BAN[x][y], x, y);
        描画_桝輪郭(g, s.BAN_IRO, x, y);
      }
    }
  }
}

void 描画_将棋盤桝(画面& g, const GameState& s) {
  for (int x = 1; x <= BAN_SUU; ++x) {
    for (int y = 1; y <= BAN_SUU; ++y) 描画_桝輪郭(g, s.MASU_IRO, x, y);
  }
}

void 描画_移動可能桝色(画面& g, const GameState& s, int fromX, int fromY, int colour, int code) {
  // 1. Clear the highlights of the last selection.
  描画_将棋盤桝(g, s);

  // 2. Without guidance nothing is marked.
  if (s.SIDOU_FLAG == OFF) return;

  // 3. Every square the piece may reach, tested one by one by the full legality check.
  for (int x = 1; x <= BAN_SUU; ++x) {
    for (int y = 1; y <= BAN_SUU; ++y) {
      if (移動チェック(s, fromX, fromY, x, y, code) == ON) 描画_桝輪郭(g, colour, x, y);
    }
  }
}

}  // namespace kazeban
