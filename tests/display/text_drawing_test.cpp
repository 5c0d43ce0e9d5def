// Numbers and fixed texts: the coordinates, the move number, the level, the handicap
// captions and "手目", each over its erased box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/text_drawing.h"
#include "display_checks.h"
#include "rules/game_state.h"
#include "support/recording_surface.h"

namespace kazeban {
namespace {

using testing::DrawOp;
using testing::RecordingSurface;

void ExpectEraseBox(const DrawOp& op, double x, double y, double w, double h) {
  ExpectAt(op, DrawOp::Fill, x, y);
  EXPECT_DOUBLE_EQ(op.w, w);
  EXPECT_DOUBLE_EQ(op.h, h);
  EXPECT_EQ(op.colour, IRO_2);
}

// The text 描画_数値 prints for a value in mode 0.
std::string NumberText(int value) {
  RecordingSurface surface;
  画面 g{surface};
  描画_数値(g, Start(), 1, 1, value, IRO_15, 0, 12);
  const auto texts = surface.Texts();
  if (texts.size() == 1) return texts[0];
  // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "<" + string.
  std::string many = "<";
  many += std::to_string(texts.size());
  many += " texts>";
  return many;
}

TEST(Numbers, ANumberHasAPlaceForItsSignAndABlankAfterIt) {
  EXPECT_EQ(NumberText(5), " 5 ");
  EXPECT_EQ(NumberText(12), " 12 ");
  EXPECT_EQ(NumberText(0), " 0 ");
  EXPECT_EQ(NumberText(500), " 500 ");
  EXPECT_EQ(NumberText(-3), "-3 ");
  EXPECT_EQ(NumberText(-2147483647 - 1), "-2147483648 ");
}

TEST(Numbers, ErasedBoxThenTextAtTheGridPoint) {
  RecordingSurface surface;
  画面 g{surface};
  GameState s = Start();
  s.BAN_IRO = IRO_2;
  描画_数値(g, s, 12, 3.2, 7, IRO_12, 0, 14);
  ASSERT_EQ(surface.ops.size(), 2u);
  ExpectEraseBox(surface.ops[0], 7040, 2068, 400, 350);
  ExpectAt(surface.ops[1], DrawOp::Text, 7040, 2068);
  EXPECT_EQ(surface.ops[1].colour, IRO_12);
  EXPECT_EQ(surface.ops[1].size, 14);
  EXPECT_FALSE(surface.ops[1].bold);
}

TEST(Numbers, OtherModesPrintRankNumeralsOnly) {
  const char* numerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
  for (int v = 1; v <= 9; ++v) {
    RecordingSurface surface;
    画面 g{surface};
    描画_数値(g, Start(), 10.1, 1.3, v, IRO_15, 1, 12);
    EXPECT_EQ(surface.Texts(), std::vector<std::string>{numerals[v - 1]});
  }
  // Any other value: the box is still erased, nothing is printed.
  for (int v : {0, 10, -1, 1001}) {
    RecordingSurface surface;
    画面 g{surface};
    描画_数値(g, Start(), 10.1, 1.3, v, IRO_15, 2, 12);
    ASSERT_EQ(surface.ops.size(), 1u) << v;
    EXPECT_EQ(surface.ops[0].kind, DrawOp::Fill);
  }
}

TEST(Numbers, ATextIsPrintedUnchanged) {
  RecordingSurface surface;
  画面 g{surface};
  描画_数値(g, Start(), -1.5, 0.1, "LEVEL", IRO_15, 0, 10);
  ASSERT_EQ(surface.ops.size(), 2u);
  ExpectEraseBox(surface.ops[0], 357.5, 161.5, 400, 350);
  EXPECT_EQ(surface.ops[1].text, "LEVEL");
}

TEST(Coordinates, FilesAboveRanksToTheRightAndBoldFromThenOn) {
  RecordingSurface surface;
  画面 g{surface};
  const GameState s = Start();
  描画_数値(g, s, 0, 0, 1, IRO_15, 0, 12);  // before: plain
  surface.Clear();
  描画_桝_数値(g, s);
  EXPECT_TRUE(g.太字);

  const auto& ops = surface.ops;
  ASSERT_EQ(ops.size(), 36u);
  const char* files[] = {" 9 ", " 8 ", " 7 ", " 6 ", " 5 ", " 4 ", " 3 ", " 2 ", " 1 "};
  const char* ranks[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
  for (int i = 1; i <= 9; ++i) {
    SCOPED_TRACE(i);
    const size_t n = static_cast<size_t>(4 * (i - 1));
    // The file number over column i: 0.1 square in from its left edge, 346 down.
    const double fileX = 1100 + 495 * (i + 0.1);
    ExpectEraseBox(ops[n], fileX, 346, 400, 350);
    ExpectAt(ops[n + 1], DrawOp::Text, fileX, 346);
    EXPECT_EQ(ops[n + 1].text, files[i - 1]);
    EXPECT_EQ(ops[n + 1].size, 16);
    EXPECT_EQ(ops[n + 1].colour, IRO_15);
    EXPECT_TRUE(ops[n + 1].bold);
    // The rank numeral right of row i.
    const double rankY = 100 + 615 * (i + 0.3);
    ExpectEraseBox(ops[n + 2], 6099.5, rankY, 400, 350);
    ExpectAt(ops[n + 3], DrawOp::Text, 6099.5, rankY);
    EXPECT_EQ(ops[n + 3].text, ranks[i - 1]);
    EXPECT_EQ(ops[n + 3].size, 12);
    EXPECT_TRUE(ops[n + 3].bold);
  }

  // Every later text stays bold.
  surface.Clear();
  描画_文字列(g, 0, 0, 99, IRO_15, 10);
  ASSERT_EQ(surface.ops.size(), 1u);
  EXPECT_TRUE(surface.ops[0].bold);
}

TEST(MoveNumber, LastDigitKeepsItsPlace) {
  struct Case {
    int n;
    double x;  // twips of the number's grid point: 11.9, 11.8, 11.7 squares
    const char* text;
  };
  for (const Case c : {Case{9, 6990.5, " 9 "}, Case{10, 6941, " 10 "}, Case{99, 6941, " 99 "},
                       Case{100, 6891.5, " 100 "}, Case{0, 6990.5, " 0 "}}) {
    SCOPED_TRACE(c.n);
    RecordingSurface surface;
    画面 g{surface};
    描画_手数(g, Start(), c.n);
    const auto& ops = surface.ops;
    ASSERT_EQ(ops.size(), 5u);
    ExpectEraseBox(ops[0], 6941, 1514.5, 1250, 300);
    ExpectEraseBox(ops[1], c.x, 1514.5, 400, 350);
    ExpectAt(ops[2], DrawOp::Text, c.x, 1514.5);
    EXPECT_EQ(ops[2].text, c.text);
    EXPECT_EQ(ops[2].size, 12);
    EXPECT_EQ(ops[2].colour, IRO_15);
    ExpectEraseBox(ops[3], 7386.5, 1391.5, 2200, 560);
    ExpectAt(ops[4], DrawOp::Text, 7506.5, 1551.5);
    EXPECT_EQ(ops[4].text, "手目");
    EXPECT_EQ(ops[4].size, 10);
    EXPECT_EQ(ops[4].colour, IRO_15);
  }
}

TEST(Level, WordThenNumber) {
  RecordingSurface surface;
  画面 g{surface};
  描画_レベル(g, Start(), 2);
  const auto& ops = surface.ops;
  ASSERT_EQ(ops.size(), 4u);
  ExpectEraseBox(ops[0], 357.5, 161.5, 400, 350);
  ExpectAt(ops[1], DrawOp::Text, 357.5, 161.5);
  EXPECT_EQ(ops[1].text, "LEVEL");
  EXPECT_EQ(ops[1].size, 10);
  EXPECT_EQ(ops[1].colour, IRO_15);
  ExpectEraseBox(ops[2], 1100, 100, 400, 350);
  ExpectAt(ops[3], DrawOp::Text, 1100, 100);
  EXPECT_EQ(ops[3].text, " 2 ");
  EXPECT_EQ(ops[3].size, 12);
}

TEST(FixedTexts, EveryCodeItsCaption) {
  const std::pair<int, const char*> cases[] = {{-10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"}, {-9, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段"},
                                               {-8, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段"},  {-7, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段"},
                                               {-6, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段"},  {-5, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段"},
                                               {-4, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段"},  {-3, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"},
                                               {-2, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"},  {-1, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級"},
                                               {0, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"},   {1, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"},
                                               {2, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級"},   {3, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"},
                                               {4, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級"},   {5, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級"},
                                               {6, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級"},   {7, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級"},
                                               {8, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級"},   {9, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級"},
                                               {10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"},  {99, "手目"}};
  for (const auto& [code, text] : cases) {
    SCOPED_TRACE(code);
    RecordingSurface surface;
    画面 g{surface};
    // 120 twips right of and 160 below the grid point (−2, 9.6).
    描画_文字列(g, -2, 9.6, code, IRO_15, 10);
    ASSERT_EQ(surface.ops.size(), 1u);
    ExpectAt(surface.ops[0], DrawOp::Text, 230, 6164);
    EXPECT_EQ(surface.ops[0].text, text);
    EXPECT_EQ(surface.ops[0].size, 10);
    EXPECT_EQ(surface.ops[0].colour, IRO_15);
  }
}

TEST(FixedTexts, OnlyTheLastThreeGradesUseHalfWidthDigits) {
  for (int code = -10; code <= 10; ++code) {
    RecordingSurface surface;
    画面 g{surface};
    描画_文字列(g, 0, 0, code, IRO_15, 10);
    ASSERT_EQ(surface.ops.size(), 1u);
    const std::string& text = surface.ops[0].text;
    const bool ascii_digit = text.find_first_of("0123456789") != std::string::npos;
    EXPECT_EQ(ascii_digit, code >= 8) << code << " " << text;
    EXPECT_EQ(text.rfind("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:", 0), 0u) << code;
  }
}

TEST(FixedTexts, UnknownCodesPrintNothing) {
  RecordingSurface surface;
  画面 g{surface};
  for (int code : {11, -11, 12, 98, 100, -99, 1000}) 描画_文字列(g, 3, 3, code, IRO_15, 10);
  EXPECT_TRUE(surface.ops.empty());
}

}  // namespace
}  // namespace kazeban
