// Pieces, the two hands with their counts, and the caption of a move.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/piece_drawing.h"
#include "display_checks.h"
#include "rules/game_state.h"
#include "support/recording_surface.h"

namespace kazeban {
namespace {

using testing::DrawOp;
using testing::RecordingSurface;

TEST(PiecePicture, EachCodeItsOwnPictureOnTheGrid) {
  const int codes[] = {-10, -11, -20, -21, -30, -31, -100, -101, -110, -800, -801, -900, -901, -950,
                       10,  11,  20,  21,  30,  31,  100,  101,  110,  800,  801,  900,  901,  950};
  for (int code : codes) {
    RecordingSurface surface;
    画面 g{surface};
    描画_絵(g, code, 4, 6);
    ASSERT_EQ(surface.ops.size(), 1u) << code;
    ExpectAt(surface.ops[0], DrawOp::Picture, 3080, 3790);
    EXPECT_EQ(surface.ops[0].picture, code);
  }
}

TEST(PiecePicture, LogoCodeIsTheTitleAndOtherValuesPaintNothing) {
  RecordingSurface surface;
  画面 g{surface};
  描画_絵(g, K_LOGO, 11, 0);
  ASSERT_EQ(surface.ops.size(), 1u);
  ExpectAt(surface.ops[0], DrawOp::Picture, 6545, 100);
  EXPECT_EQ(surface.ops[0].picture, PICTURE_KAZEBAN);

  // The never-placed promoted golds, the ids of the two other pictures, and values
  // that are no code at all.
  surface.Clear();
  for (int code : {111, -111, PICTURE_KARA_MASU, PICTURE_KAZEBAN, 12, -951, 1000, 9}) {
    描画_絵(g, code, 3, 3);
  }
  EXPECT_TRUE(surface.ops.empty());
}

// The ops of one hand row drawn with a piece and its count.
void ExpectHandRow(const std::vector<DrawOp>& ops, size_t n, double x, double y, int code,
                   double countX, double countY, const std::string& count) {
  ASSERT_LT(n + 5, ops.size());
  ExpectAt(ops[n], DrawOp::Picture, x, y);
  EXPECT_EQ(ops[n].picture, PICTURE_KARA_MASU);
  ExpectAt(ops[n + 1], DrawOp::Outline, x, y);
  EXPECT_EQ(ops[n + 1].colour, IRO_2);
  ExpectAt(ops[n + 2], DrawOp::Picture, x, y);
  EXPECT_EQ(ops[n + 2].picture, code);
  ExpectAt(ops[n + 3], DrawOp::Outline, x, y);
  EXPECT_EQ(ops[n + 3].colour, IRO_2);
  ExpectAt(ops[n + 4], DrawOp::Fill, countX, countY);
  EXPECT_DOUBLE_EQ(ops[n + 4].w, 400);
  EXPECT_DOUBLE_EQ(ops[n + 4].h, 350);
  EXPECT_EQ(ops[n + 4].colour, IRO_2);
  ExpectAt(ops[n + 5], DrawOp::Text, countX, countY);
  EXPECT_EQ(ops[n + 5].text, count);
  EXPECT_EQ(ops[n + 5].colour, IRO_12);
  EXPECT_EQ(ops[n + 5].size, 14);
}

// The ops of one empty hand row.
void ExpectEmptyHandRow(const std::vector<DrawOp>& ops, size_t n, double x, double y) {
  ASSERT_LT(n + 1, ops.size());
  ExpectAt(ops[n], DrawOp::Picture, x, y);
  EXPECT_EQ(ops[n].picture, PICTURE_KARA_MASU);
  ExpectAt(ops[n + 1], DrawOp::Outline, x, y);
}

TEST(Hands, OwnHandRightOfTheBoardPawnOnTop) {
  RecordingSurface surface;
  画面 g{surface};
  GameState s = Start();
  s.SITA_MOCHI[1] = 12;  // pawns: two digits in the same box
  s.SITA_MOCHI[4] = 1;   // a silver
  s.SITA_MOCHI[7] = 2;   // rooks
  描画_自持盤(g, s);

  const auto& ops = surface.ops;
  // The count column is erased first, 500 twips wide.
  ASSERT_FALSE(ops.empty());
  ExpectAt(ops[0], DrawOp::Fill, 7040, 1945);
  EXPECT_DOUBLE_EQ(ops[0].w, 500);
  EXPECT_DOUBLE_EQ(ops[0].h, 4500);
  EXPECT_EQ(ops[0].colour, IRO_2);
  // Column 11 (x 6545), rows 3..9 (y 1945 + 615 per row); counts at column 12.
  ExpectHandRow(ops, 1, 6545, 1945, K_SITA_HU, 7040, 2068, " 12 ");
  ExpectEmptyHandRow(ops, 7, 6545, 2560);  // lance
  ExpectEmptyHandRow(ops, 9, 6545, 3175);  // knight
  ExpectHandRow(ops, 11, 6545, 3790, K_SITA_GIN, 7040, 3913, " 1 ");
  ExpectEmptyHandRow(ops, 17, 6545, 4405);  // gold
  ExpectEmptyHandRow(ops, 19, 6545, 5020);  // bishop
  ExpectHandRow(ops, 21, 6545, 5635, K_SITA_SYA, 7040, 5758, " 2 ");
  EXPECT_EQ(ops.size(), 27u);
}

TEST(Hands, EnemyHandLeftOfTheBoardRookOnTop) {
  RecordingSurface surface;
  画面 g{surface};
  GameState s = Start();
  s.UE_MOCHI[1] = 3;   // pawns, on row 7
  s.UE_MOCHI[3] = 10;  // knights, on row 5
  s.UE_MOCHI[7] = 1;   // a rook, on row 1
  描画_敵持盤(g, s);

  const auto& ops = surface.ops;
  // The erased column is 490 wide, so it stops short of the board at 1595.
  ASSERT_FALSE(ops.empty());
  ExpectAt(ops[0], DrawOp::Fill, 1100, 715);
  EXPECT_DOUBLE_EQ(ops[0].w, 490);
  EXPECT_DOUBLE_EQ(ops[0].h, 4500);
  EXPECT_LT(ops[0].x + ops[0].w, 1595);
  // Column −1 (x 605), rows 1..7; counts at column 0 (x 1100).
  ExpectHandRow(ops, 1, 605, 715, K_UE_SYA, 1100, 838, " 1 ");
  ExpectEmptyHandRow(ops, 7, 605, 1330);   // bishop
  ExpectEmptyHandRow(ops, 9, 605, 1945);   // gold
  ExpectEmptyHandRow(ops, 11, 605, 2560);  // silver
  ExpectHandRow(ops, 13, 605, 3175, K_UE_KEI, 1100, 3298, " 10 ");
  ExpectEmptyHandRow(ops, 19, 605, 3790);  // lance
  ExpectHandRow(ops, 21, 605, 4405, K_UE_HU, 1100, 4528, " 3 ");
  EXPECT_EQ(ops.size(), 27u);
}

TEST(Hands, EmptyHandsShowSevenEmptySquaresAndNoNumber) {
  RecordingSurface surface;
  画面 g{surface};
  const GameState s = Start();
  描画_自持盤(g, s);
  描画_敵持盤(g, s);
  EXPECT_EQ(surface.Of(DrawOp::Picture).size(), 14u);
  for (const DrawOp& op : surface.Of(DrawOp::Picture)) EXPECT_EQ(op.picture, PICTURE_KARA_MASU);
  EXPECT_TRUE(surface.Texts().empty());
  EXPECT_EQ(surface.Of(DrawOp::Fill).size(), 2u);
}

TEST(MoveCaption, TokensPrintTheirTexts) {
  struct Case {
    int token;
    const char* text;
  };
  const Case cases[] = {
      {1, "１"},    {2, "２"},      {3, "３"},     {4, "４"},      {5, "５"},     {6, "６"},
      {7, "７"},    {8, "８"},      {9, "９"},     {1001, "一"},   {1002, "二"},  {1003, "三"},
      {1004, "四"}, {1005, "五"},   {1006, "六"},  {1007, "七"},   {1008, "八"},  {1009, "九"},
      {10, "歩"},   {-10, "歩"},    {11, "と"},    {-11, "と"},    {20, "香"},    {-21, "香成"},
      {30, "桂"},   {-31, "桂成"},  {100, "銀"},   {-101, "銀成"}, {110, "金"},   {-110, "金"},
      {800, "角"},  {-801, "角成"}, {900, "飛"},   {-901, "飛成"}, {950, "王"},   {-950, "王"},
      {21, "香成"}, {31, "桂成"},   {101, "銀成"}, {801, "角成"},  {901, "飛成"}, {-800, "角"}};
  for (const Case& c : cases) {
    RecordingSurface surface;
    画面 g{surface};
    描画_移動駒種類(g, 2, 3, c.token, IRO_6);
    ASSERT_EQ(surface.ops.size(), 1u) << c.token;
    ExpectAt(surface.ops[0], DrawOp::Text, 2090, 1945);
    EXPECT_EQ(surface.ops[0].text, c.text) << c.token;
    EXPECT_EQ(surface.ops[0].size, 12);
    EXPECT_EQ(surface.ops[0].colour, IRO_6);
  }
}

TEST(MoveCaption, OtherTokensPrintNothing) {
  RecordingSurface surface;
  画面 g{surface};
  for (int token : {0, -1, -9, 1000, 1010, 10000, 111, -111, 12, -1001}) {
    描画_移動駒種類(g, 2, 3, token, IRO_6);
  }
  EXPECT_TRUE(surface.ops.empty());
}

TEST(MoveCaption, PromotedRookToColumnNineRowOne) {
  RecordingSurface surface;
  画面 g{surface};
  const GameState s = Start();
  描画_移動結果(g, s, SITA_KEKKA_X, SITA_KEKKA_Y, 9, 1, K_SITA_NARISYA, s.KEKKA_IRO);

  const auto& ops = surface.ops;
  ASSERT_EQ(ops.size(), 5u);
  ExpectAt(ops[0], DrawOp::Fill, 6743, 1145.5);
  EXPECT_DOUBLE_EQ(ops[0].w, 1250);
  EXPECT_DOUBLE_EQ(ops[0].h, 380);
  EXPECT_EQ(ops[0].colour, IRO_2);
  ExpectAt(ops[1], DrawOp::Text, 6743, 1145.5);
  EXPECT_EQ(ops[1].text, "１");
  ExpectAt(ops[2], DrawOp::Text, 6941, 1145.5);
  EXPECT_EQ(ops[2].text, "一");
  ExpectAt(ops[3], DrawOp::Text, 7238, 1145.5);
  EXPECT_EQ(ops[3].text, "飛成");
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(ops[n].colour, IRO_15);
    EXPECT_EQ(ops[n].size, 12);
  }
  EXPECT_EQ(ops[4].kind, DrawOp::Refresh);
}

TEST(MoveCaption, PawnToColumnOneRowNineOnTheLeft) {
  RecordingSurface surface;
  画面 g{surface};
  const GameState s = Start();
  描画_移動結果(g, s, UE_KEKKA_X, UE_KEKKA_Y, 1, 9, K_UE_HU, IRO_14);
  ASSERT_EQ(surface.ops.size(), 5u);
  ExpectAt(surface.ops[0], DrawOp::Fill, 258.5, 5327.5);
  EXPECT_EQ(surface.Texts(), (std::vector<std::string>{"９", "九", "歩"}));
  ExpectAt(surface.ops[1], DrawOp::Text, 258.5, 5327.5);
  ExpectAt(surface.ops[2], DrawOp::Text, 456.5, 5327.5);
  ExpectAt(surface.ops[3], DrawOp::Text, 753.5, 5327.5);
  EXPECT_EQ(surface.ops[3].colour, IRO_14);
  EXPECT_EQ(surface.ops[4].kind, DrawOp::Refresh);
}

TEST(MoveCaption, BoldOnceTheCoordinatesHaveBeenDrawn) {
  RecordingSurface surface;
  画面 g{surface};
  const GameState s = Start();
  描画_移動結果(g, s, SITA_KEKKA_X, SITA_KEKKA_Y, 3, 4, K_SITA_GIN, IRO_15);
  g.太字 = true;
  描画_移動結果(g, s, SITA_KEKKA_X, SITA_KEKKA_Y, 3, 4, K_SITA_GIN, IRO_15);
  const auto texts = surface.Of(DrawOp::Text);
  ASSERT_EQ(texts.size(), 6u);
  for (int n = 0; n < 3; ++n) EXPECT_FALSE(texts[n].bold);
  for (int n = 3; n < 6; ++n) EXPECT_TRUE(texts[n].bold);
  EXPECT_EQ(texts[0].text, "７");
  EXPECT_EQ(texts[1].text, "四");
  EXPECT_EQ(texts[2].text, "銀");
}

}  // namespace
}  // namespace kazeban
