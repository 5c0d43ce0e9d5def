// How kazeban-think writes moves and scores: the record file's fixed columns and a
// score in tenths with one decimal, negative fractions included.
#include <gtest/gtest.h>

#include "../../tools/think/think_output.h"

namespace kazeban {
namespace {

TEST(ThinkOutput, ScoresWithOneDecimal) {
  EXPECT_EQ(点の文字(123), "12.3");
  EXPECT_EQ(点の文字(0), "0.0");
  EXPECT_EQ(点の文字(7), "0.7");
  EXPECT_EQ(点の文字(-5), "-0.5");
  EXPECT_EQ(点の文字(-10), "-1.0");
  EXPECT_EQ(点の文字(99980), "9998.0");
  EXPECT_EQ(点の文字(-99980), "-9998.0");
  EXPECT_EQ(点の文字(-11320), "-1132.0");
}

TEST(ThinkOutput, MovesAsRecordLines) {
  EXPECT_EQ(棋譜行({7, 7, 7, 6, -10, -10, 0}), " 7776 -10 -10   0");
  EXPECT_EQ(棋譜行({-1, 6, 1, 5, 800, 800, 0}), "-1615 800 800   0");
  EXPECT_EQ(棋譜行({11, 8, 5, 5, -800, -800, 0}), "11855-800-800   0");
  // Given as before, after; written as after, before.
  EXPECT_EQ(棋譜行({2, 8, 8, 2, -800, -801, 900}), " 2882-801-800 900");
  EXPECT_EQ(棋譜行({1, 2, 1, 6, 900, 900, -101}), " 1216 900 900-101");
}

}  // namespace
}  // namespace kazeban
