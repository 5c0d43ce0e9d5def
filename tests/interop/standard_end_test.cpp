// How a standard game's end is written: the end word and the winner for each way a game
// ends, as KIF and CSA files say them and read them back.
#include <gtest/gtest.h>

#include "interop/record_formats.h"
#include "interop/standard_end.h"
#include "interop/standard_rules.h"

namespace kazeban {
namespace {

TEST(StandardEnd, EachEndIsWrittenWithItsWinnerAndReadBack) {
  struct Case {
    標準終局理由 理由;
    bool 手番側の勝ち;
    const char* 終局;
    対局結果 結果;  // after ▲7六歩, white is to move
  };
  const Case cases[] = {
      {標準終局理由::詰み, false, "詰み", 対局結果::先手勝ち},
      {標準終局理由::投了, false, "投了", 対局結果::先手勝ち},
      {標準終局理由::千日手, false, "千日手", 対局結果::引き分け},
      {標準終局理由::連続王手の千日手, true, "反則勝ち", 対局結果::後手勝ち},
      {標準終局理由::連続王手の千日手, false, "反則負け", 対局結果::先手勝ち},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.終局);
    対局棋譜 g;
    g.開始局面 = 平手局面();
    g.手.push_back(盤上の手(g.開始局面, 3, 7, 3, 6, false));
    標準の終局を記す(g, c.理由, c.手番側の勝ち);
    EXPECT_EQ(g.終局, c.終局);
    EXPECT_EQ(g.結果, c.結果);
    for (const 棋譜形式 format : {棋譜形式::KIF, 棋譜形式::CSA}) {
      const 書出結果 file = 対局棋譜_書出(g, format);
      ASSERT_TRUE(file.成功) << file.理由;
      const 対局棋譜読込結果 back = 対局棋譜_解析(file.バイト列);
      ASSERT_TRUE(back.成功) << back.理由;
      EXPECT_EQ(back.棋譜.結果, c.結果) << 形式の名(format);
    }
  }
}

}  // namespace
}  // namespace kazeban
