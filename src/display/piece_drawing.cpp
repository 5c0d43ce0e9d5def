#include "display/piece_drawing.h"

#include "display/board_drawing.h"
#include "display/captions.h"
#include "display/noted_texts.h"
#include "display/text_drawing.h"
#include "rules/pieces.h"

namespace kazeban {

void 描画_絵(画面& g, int code, double x, double y) {
  // A piece's picture is named by its code; the logo code asks for the title.
  if (code == K_LOGO) {
    g.surface.DrawPicture(PICTURE_KAZEBAN, グリッドX(x), グリッドY(y));
  } else if (盤上の駒コード(code)) {
    g.surface.DrawPicture(code, グリッドX(x), グリッドY(y));
  }
}

void 描画_自持盤(画面& g, const GameState& s) {
  // 1. Erase the column of counts right of the hand.
  描画_四角形(g, 12, 3, 500, 4500, s.BAN_IRO);

  // 2. Kind k on row k + 2 (pawn at the top, rook at the foot), its count beside it.
  for (int k = 1; k <= 7; ++k) {
    描画_桝(g, s, 11, k + 2);
    if (s.SITA_MOCHI[k] > 0) {
      描画_絵(g, 持駒_SITAコード(k), 11, k + 2);
      描画_桝輪郭(g, s.BAN_IRO, 11, k + 2);
      描画_数値(g, s, 12, k + 2.2, s.SITA_MOCHI[k], IRO_12, 0, 14);
    }
  }
}

void 描画_敵持盤(画面& g, const GameState& s) {
  // 1. Erase the column of counts between the hand and the board; 490 twips, so the
  // box stops short of the board's left edge.
  描画_四角形(g, 0, 1, 490, 4500, s.BAN_IRO);

  // 2. Row r holds kind 8 − r (rook at the top, pawn at the foot), its count beside it.
  for (int r = 1; r <= 7; ++r) {
    描画_桝(g, s, -1, r);
    const int k = 8 - r;
    if (s.UE_MOCHI[k] > 0) {
      描画_絵(g, 持駒_UEコード(k), -1, r);
      描画_桝輪郭(g, s.BAN_IRO, -1, r);
      描画_数値(g, s, 0, r + 0.2, s.UE_MOCHI[k], IRO_12, 0, 14);
    }
  }
}

void 描画_移動駒種類(画面& g, double x, double y, int token, int colour) {
  const std::string_view text = 移動駒種類の文字(token);
  if (text.empty()) return;
  g.surface.DrawText(グリッドX(x), グリッドY(y), text, 12, g.太字, colour);
}

void 描画_移動結果(画面& g, const GameState& s, double x, double y, int toColumn, int toRow,
                   int code, int colour) {
  描画_移動結果(g, s.BAN_IRO, x, y, toColumn, toRow, code, colour,
                西洋式の手(s, s.KIFU_SUU, toColumn, toRow, code));
}

void 描画_移動結果(画面& g, int boardColour, double x, double y, int toColumn, int toRow, int code,
                   int colour, const 西洋式の表記& western) {
  // 1. Erase the caption of the side's last move.
  描画_四角形(g, x, y, 1250, 380, boardColour);

  if (g.言語 == 表示言語::英語) {
    // The whole move in Western notation.
    g.surface.DrawText(グリッドX(x), グリッドY(y), western.view(), 12, g.太字, colour);
  } else {
    // 2. The file: files count from the right, so column 1 is file 9.
    描画_移動駒種類(g, x, y, 10 - toColumn, colour);

    // 3. The rank numeral.
    描画_移動駒種類(g, x + 0.4, y, toRow + 1000, colour);

    // 4. The name of the piece as it stands after the move ("飛成" after a promotion).
    描画_移動駒種類(g, x + 1, y, code, colour);
  }

  // 5. Shown at once, even while the computer goes on thinking.
  g.surface.Refresh();

  // Noted for a change of language, by the side the caption stands beside.
  if (g.控え != nullptr) {
    文字の控え::項目 item;
    item.点x = グリッドX(x) + 30;
    item.点y = グリッドY(y) + 30;
    item.x = x;
    item.y = y;
    item.列 = toColumn;
    item.段 = toRow;
    item.駒 = code;
    item.色 = colour;
    item.西洋式 = western;
    g.控え->控える(x < 5 ? 文字の控え::上の手 : 文字の控え::下の手, item);
  }
}

}  // namespace kazeban
