// Seeded random games, from the even start, every standard handicap and a few board
// diagrams, written in every format and read back: the same start, the same moves,
// and so the same position after every move.
#include <gtest/gtest.h>

#include "interop/record_formats.h"
#include "interop/sfen.h"
#include "random_games.h"

namespace kazeban {
namespace {

TEST(RoundTrip, RandomGamesThroughEveryFormat) {
  const 棋譜形式 formats[] = {棋譜形式::KIF, 棋譜形式::KIFU, 棋譜形式::CSA, 棋譜形式::USI,
                              棋譜形式::棋譜ファイル};
  unsigned seed = 1;
  int drops = 0, promotions = 0, captures = 0;
  for (const Position& start : 開始局面()) {
    for (int game = 0; game < 3; ++game, ++seed) {
      const 対局棋譜 g = ランダム対局(start, seed, 40 + static_cast<int>(seed % 5) * 40);
      for (const 棋譜の手& m : g.手) {
        drops += m.MOTO_I == 11 || m.MOTO_I == -1;
        promotions += m.NARI != m.KOMA;
        captures += m.TORI != 0;
      }
      for (const 棋譜形式 f : formats) {
        const bool even = 同一局面(start, 平手局面());
        const 書出結果 w = 対局棋譜_書出(g, f);
        if (f == 棋譜形式::棋譜ファイル && !even) {
          EXPECT_FALSE(w.成功);
          continue;
        }
        ASSERT_TRUE(w.成功) << 形式の名(f) << " seed " << seed << ": " << w.理由;
        const 対局棋譜読込結果 r = 対局棋譜_解析(w.バイト列);
        ASSERT_TRUE(r.成功) << 形式の名(f) << " seed " << seed << ": " << r.理由 << "\n"
                            << w.バイト列;
        EXPECT_EQ(r.形式, f);
        ASSERT_TRUE(同一局面(r.棋譜.開始局面, g.開始局面)) << 形式の名(f);
        ASSERT_EQ(r.棋譜.手.size(), g.手.size()) << 形式の名(f);
        Position a = g.開始局面;
        Position b = r.棋譜.開始局面;
        for (size_t k = 0; k < g.手.size(); ++k) {
          ASSERT_EQ(r.棋譜.手[k], g.手[k]) << 形式の名(f) << " seed " << seed << " move " << k + 1;
          指す(a, g.手[k]);
          指す(b, r.棋譜.手[k]);
          ASSERT_TRUE(同一局面(a, b));
        }
        if (f == 棋譜形式::KIF || f == 棋譜形式::KIFU || f == 棋譜形式::CSA) {
          EXPECT_EQ(r.棋譜.先手名, g.先手名);
          EXPECT_EQ(r.棋譜.後手名, g.後手名);
          EXPECT_EQ(r.棋譜.棋戦, g.棋戦);
          EXPECT_EQ(r.棋譜.開始日時, g.開始日時);
          EXPECT_EQ(r.棋譜.結果, g.結果) << 形式の名(f);
          EXPECT_EQ(r.棋譜.手合割, g.手合割) << 形式の名(f);
        }
      }
      // The last position in SFEN.
      const 書出結果 s = 対局棋譜_書出(g, 棋譜形式::SFEN);
      ASSERT_TRUE(s.成功);
      const 対局棋譜読込結果 r = 対局棋譜_解析(s.バイト列);
      ASSERT_TRUE(r.成功) << r.理由;
      Position last = g.開始局面;
      for (const 棋譜の手& m : g.手) 指す(last, m);
      EXPECT_TRUE(同一局面(r.棋譜.開始局面, last));
    }
  }
  EXPECT_GT(drops, 50);
  EXPECT_GT(promotions, 50);
  EXPECT_GT(captures, 100);
}

}  // namespace
}  // namespace kazeban
