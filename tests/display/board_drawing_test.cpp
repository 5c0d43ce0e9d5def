// The board, its squares, and the outlines of where a held piece may go: what is
// drawn, where in twips, in which colour and in which order.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "display/board_drawing.h"
#include "display_checks.h"
#include "rules/game_state.h"
#include "rules/promotion.h"
#include "support/recording_surface.h"

namespace kazeban {
namespace {

using testing::DrawOp;
using testing::RecordingSurface;

// Top-left corner of board square (i, j) in twips, worked out from the grid: the
// board's first square starts at 1595 across and 715 down.
double SquareX(int i) {
  return 1595.0 + 495.0 * (i - 1);
}
double SquareY(int j) {
  return 715.0 + 615.0 * (j - 1);
}

GameState EmptyBoard() {
  GameState s = Start();
  for (int i = 1; i <= 9; ++i) {
    for (int j = 1; j <= 9; ++j) s.BAN[i][j] = KARA;
  }
  return s;
}

void ExpectOp(const DrawOp& op, DrawOp::Kind kind, double x, double y) {
  EXPECT_EQ(op.kind, kind);
  EXPECT_DOUBLE_EQ(op.x, x);
  EXPECT_DOUBLE_EQ(op.y, y);
}

TEST(BoardDrawing, BoxesAndOutlinesSitOnTheGrid) {
  RecordingSurface surface;
  画面 g{surface};

  // A box at a fractional, off-board grid point, sized in twips, not squares.
  描画_四角形(g, -1.7, 8.5, 1250, 380, IRO_5);
  // A square's outline spans exactly one square.
  描画_桝輪郭(g, IRO_12, 3, 4);
  // A hand square left of the board.
  描画_桝輪郭(g, IRO_15, -1, 7);

  ASSERT_EQ(surface.ops.size(), 3u);
  ExpectOp(surface.ops[0], DrawOp::Fill, 258.5, 5327.5);
  EXPECT_DOUBLE_EQ(surface.ops[0].w, 1250);
  EXPECT_DOUBLE_EQ(surface.ops[0].h, 380);
  EXPECT_EQ(surface.ops[0].colour, IRO_5);
  ExpectOp(surface.ops[1], DrawOp::Outline, 2585, 2560);
  EXPECT_DOUBLE_EQ(surface.ops[1].w, 495);
  EXPECT_DOUBLE_EQ(surface.ops[1].h, 615);
  EXPECT_EQ(surface.ops[1].colour, IRO_12);
  ExpectOp(surface.ops[2], DrawOp::Outline, 605, 4405);
  EXPECT_EQ(surface.ops[2].colour, IRO_15);
}

TEST(BoardDrawing, EmptySquareIsPictureThenOutlineInBoardColour) {
  RecordingSurface surface;
  画面 g{surface};
  GameState s = Start();
  s.BAN_IRO = IRO_6;  // distinct from MASU_IRO, to see which one is used
  描画_桝(g, s, 11, 9);
  ASSERT_EQ(surface.ops.size(), 2u);
  ExpectOp(surface.ops[0], DrawOp::Picture, 6545, 5635);
  EXPECT_EQ(surface.ops[0].picture, PICTURE_KARA_MASU);
  ExpectOp(surface.ops[1], DrawOp::Outline, 6545, 5635);
  EXPECT_EQ(surface.ops[1].colour, IRO_6);
}

TEST(BoardDrawing, FreshBoardColumnByColumn) {
  RecordingSurface surface;
  画面 g{surface};
  const GameState s = Start();
  描画_盤(g, s);

  // The starting position, written out: rows 1..3 UE's, rows 7..9 SITA's.
  const int back[10] = {0, 20, 30, 100, 110, 950, 110, 100, 30, 20};
  auto piece = [&](int i, int j) {
    if (j == 1) return back[i];
    if (j == 9) return -back[i];
    if (j == 3) return 10;
    if (j == 7) return -10;
    if (j == 2) return i == 2 ? 900 : i == 8 ? 800 : 0;
    if (j == 8) return i == 2 ? -800 : i == 8 ? -900 : 0;
    return 0;
  };

  // Each square: the empty square, its outline, and where a piece stands, the piece
  // and the outline again; column 1 top to bottom first.
  size_t n = 0;
  int pieces = 0;
  for (int i = 1; i <= 9; ++i) {
    for (int j = 1; j <= 9; ++j) {
      SCOPED_TRACE(::testing::Message() << "square " << i << "," << j);
      ASSERT_LT(n + 1, surface.ops.size());
      ExpectOp(surface.ops[n], DrawOp::Picture, SquareX(i), SquareY(j));
      EXPECT_EQ(surface.ops[n].picture, PICTURE_KARA_MASU);
      ExpectOp(surface.ops[n + 1], DrawOp::Outline, SquareX(i), SquareY(j));
      EXPECT_EQ(surface.ops[n + 1].colour, IRO_2);
      n += 2;
      if (piece(i, j) != 0) {
        ++pieces;
        ASSERT_LT(n + 1, surface.ops.size());
        ExpectOp(surface.ops[n], DrawOp::Picture, SquareX(i), SquareY(j));
        EXPECT_EQ(surface.ops[n].picture, piece(i, j));
        ExpectOp(surface.ops[n + 1], DrawOp::Outline, SquareX(i), SquareY(j));
        EXPECT_EQ(surface.ops[n + 1].colour, IRO_2);
        n += 2;
      }
    }
  }
  EXPECT_EQ(pieces, 40);
  EXPECT_EQ(n, surface.ops.size());
  EXPECT_EQ(surface.Of(DrawOp::Picture).size(), 121u);  // 81 empty squares, 40 pieces
  EXPECT_EQ(surface.Of(DrawOp::Fill).size(), 0u);
  EXPECT_EQ(surface.Of(DrawOp::Text).size(), 0u);
}

TEST(BoardDrawing, PlainOutlinesUseTheSquareColourOnEverySquare) {
  RecordingSurface surface;
  画面 g{surface};
  GameState s = Start();
  s.MASU_IRO = IRO_14;  // distinct from BAN_IRO
  描画_将棋盤桝(g, s);
  ASSERT_EQ(surface.ops.size(), 81u);
  std::set<std::pair<double, double>> corners;
  for (const DrawOp& op : surface.ops) {
    EXPECT_EQ(op.kind, DrawOp::Outline);
    EXPECT_EQ(op.colour, IRO_14);
    corners.insert({op.x, op.y});
  }
  EXPECT_EQ(corners.size(), 81u);
  ExpectOp(surface.ops[0], DrawOp::Outline, SquareX(1), SquareY(1));
  ExpectOp(surface.ops[1], DrawOp::Outline, SquareX(1), SquareY(2));
  ExpectOp(surface.ops[80], DrawOp::Outline, SquareX(9), SquareY(9));
}

// The board squares whose last outline is in `colour`.
std::set<std::pair<int, int>> OutlinedIn(const RecordingSurface& surface, int colour) {
  std::set<std::pair<int, int>> out;
  for (int i = 1; i <= 9; ++i) {
    for (int j = 1; j <= 9; ++j) {
      if (surface.OutlineColourAt(SquareX(i), SquareY(j)) == colour) out.insert({i, j});
    }
  }
  return out;
}

TEST(MovableSquares, GuidanceOffOnlyClearsTheHighlights) {
  RecordingSurface surface;
  画面 g{surface};
  GameState s = Start();
  s.SIDOU_FLAG = OFF;
  // The bishop's diagonal is open after this pawn has moved, yet nothing is marked.
  s.BAN[3][7] = KARA;
  描画_移動可能桝色(g, s, 2, 8, IRO_15, K_SITA_KAKU);
  ASSERT_EQ(surface.ops.size(), 81u);
  for (const DrawOp& op : surface.ops) {
    EXPECT_EQ(op.kind, DrawOp::Outline);
    EXPECT_EQ(op.colour, s.MASU_IRO);
  }
}

TEST(MovableSquares, GuidanceOnOutlinesExactlyTheLegalSquares) {
  RecordingSurface surface;
  画面 g{surface};
  GameState s = EmptyBoard();
  s.SIDOU_FLAG = ON;
  s.BAN[5][5] = K_SITA_GIN;
  s.BAN[5][4] = K_SITA_HU;  // own piece straight ahead: not a destination
  s.BAN[6][4] = K_UE_KIN;   // enemy piece diagonally ahead: a capture
  描画_移動可能桝色(g, s, 5, 5, IRO_15, K_SITA_GIN);

  // First every square plain, then the marks: a silver steps forward or diagonally,
  // never straight back, and (5, 4) holds its own pawn.
  ASSERT_EQ(surface.ops.size(), 81u + 4u);
  for (size_t n = 0; n < 81; ++n) EXPECT_EQ(surface.ops[n].colour, s.MASU_IRO);
  for (size_t n = 81; n < surface.ops.size(); ++n) EXPECT_EQ(surface.ops[n].kind, DrawOp::Outline);
  EXPECT_EQ(OutlinedIn(surface, IRO_15),
            (std::set<std::pair<int, int>>{{4, 4}, {6, 4}, {4, 6}, {6, 6}}));
  EXPECT_EQ(OutlinedIn(surface, s.MASU_IRO).size(), 77u);
}

TEST(MovableSquares, PieceWithNoMoveLeavesAllPlain) {
  RecordingSurface surface;
  画面 g{surface};
  GameState s = Start();
  s.SIDOU_FLAG = ON;
  // The knight's two squares hold SITA's own pawns.
  描画_移動可能桝色(g, s, 2, 9, IRO_15, K_SITA_KEI);
  EXPECT_EQ(surface.ops.size(), 81u);
  EXPECT_TRUE(OutlinedIn(surface, IRO_15).empty());
  EXPECT_EQ(OutlinedIn(surface, IRO_2).size(), 81u);
}

TEST(MovableSquares, DropsFollowTheDoublePawnFlagsAndTheLastRows) {
  GameState s = Start();
  s.SIDOU_FLAG = ON;
  調査_2歩フラグ設定(s);
  {
    // Every column already holds one of SITA's pawns: no pawn drop anywhere.
    RecordingSurface surface;
    画面 g{surface};
    描画_移動可能桝色(g, s, 11, 3, IRO_15, K_SITA_HU);
    EXPECT_EQ(surface.ops.size(), 81u);
  }
  {
    // A knight may be dropped on any empty square of rows 3..9: rows 4..6 and the
    // seven empty squares of row 8.
    RecordingSurface surface;
    画面 g{surface};
    描画_移動可能桝色(g, s, 11, 5, IRO_15, K_SITA_KEI);
    const auto marked = OutlinedIn(surface, IRO_15);
    EXPECT_EQ(marked.size(), 34u);
    for (int i = 1; i <= 9; ++i) {
      for (int j = 4; j <= 6; ++j) EXPECT_TRUE(marked.count({i, j})) << i << "," << j;
    }
    EXPECT_TRUE(marked.count({1, 8}));
    EXPECT_FALSE(marked.count({2, 8}));  // SITA's bishop
    EXPECT_FALSE(marked.count({5, 2}));  // too far up for a knight to move again
  }
  {
    // UE's lance dropped from the left hand: anywhere empty but row 9.
    GameState t = EmptyBoard();
    t.SIDOU_FLAG = ON;
    t.BAN[5][9] = KARA;
    t.BAN[3][3] = K_SITA_OU;
    調査_2歩フラグ設定(t);
    RecordingSurface surface;
    画面 g{surface};
    描画_移動可能桝色(g, t, -1, 6, IRO_15, K_UE_KYOU);
    const auto marked = OutlinedIn(surface, IRO_15);
    EXPECT_EQ(marked.size(), 71u);
    EXPECT_FALSE(marked.count({3, 3}));
    EXPECT_FALSE(marked.count({4, 9}));
  }
}

TEST(MovableSquares, MarksInTheColourAsked) {
  RecordingSurface surface;
  画面 g{surface};
  GameState s = EmptyBoard();
  s.SIDOU_FLAG = ON;
  s.BAN[1][1] = K_UE_OU;
  描画_移動可能桝色(g, s, 1, 1, IRO_14, K_UE_OU);
  EXPECT_EQ(OutlinedIn(surface, IRO_14), (std::set<std::pair<int, int>>{{1, 2}, {2, 1}, {2, 2}}));
}

}  // namespace
}  // namespace kazeban
