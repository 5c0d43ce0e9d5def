// Seeded random games written and read back: every field of every move, the names
// and the number of moves come back as they were, including after stepping back,
// when only the moves up to the shown position are written.
#include <gtest/gtest.h>

#include <random>

#include "random_record.h"
#include "storage/record_file.h"
#include "storage/replay.h"

namespace kazeban {
namespace {

void ExpectSameMoves(const GameState& written, const GameState& read, unsigned seed) {
  ASSERT_EQ(read.KIFU_SAIGO, written.KIFU_SUU) << "seed " << seed;
  for (int n = 1; n <= written.KIFU_SUU; ++n) {
    ASSERT_EQ(read.KIFU_MOTO_I[n], written.KIFU_MOTO_I[n]) << "seed " << seed << " move " << n;
    ASSERT_EQ(read.KIFU_MOTO_J[n], written.KIFU_MOTO_J[n]) << "seed " << seed << " move " << n;
    ASSERT_EQ(read.KIFU_SAKI_I[n], written.KIFU_SAKI_I[n]) << "seed " << seed << " move " << n;
    ASSERT_EQ(read.KIFU_SAKI_J[n], written.KIFU_SAKI_J[n]) << "seed " << seed << " move " << n;
    ASSERT_EQ(read.KIFU_NARI[n], written.KIFU_NARI[n]) << "seed " << seed << " move " << n;
    ASSERT_EQ(read.KIFU_KOMA[n], written.KIFU_KOMA[n]) << "seed " << seed << " move " << n;
    ASSERT_EQ(read.KIFU_TORI[n], written.KIFU_TORI[n]) << "seed " << seed << " move " << n;
  }
}

TEST(RecordRoundTrip, RandomGamesComeBackFieldForField) {
  int moves = 0, stepped_back = 0;
  for (unsigned seed = 100; seed < 180; ++seed) {
    GameState played = testing::RandomGame(seed, 320);
    std::mt19937 rng(seed);
    // Half the games are written after stepping back a few moves.
    if (seed % 2 == 0 && played.KIFU_SUU > 10) {
      const int back = 1 + static_cast<int>(rng() % 10);
      for (int k = 0; k < back; ++k) 棋譜_戻す(played);
      stepped_back += back;
      ASSERT_GT(played.KIFU_SAIGO, played.KIFU_SUU);
    }
    const 棋譜バイト列結果 bytes = 棋譜_バイト列(
        棋譜_記録から(played, "第" + std::to_string(seed) + "局 髙橋①～", "ｺﾝﾋﾟｭｰﾀ", "山田 太郎"));
    ASSERT_TRUE(bytes.成功) << bytes.理由;
    const 棋譜読込結果 r = 棋譜_解析(bytes.バイト列);
    ASSERT_TRUE(r.成功) << "seed " << seed << ": " << r.理由;
    EXPECT_FALSE(r.打切り);
    EXPECT_EQ(r.データ.対局名, "第" + std::to_string(seed) + "局 髙橋①～");
    EXPECT_EQ(r.データ.上側の名, "ｺﾝﾋﾟｭｰﾀ");
    EXPECT_EQ(r.データ.下側の名, "山田 太郎");
    if (played.KIFU_SUU > 0) {
      EXPECT_EQ(r.データ.下側が先手, played.SITA_SENGO == SENTE) << "seed " << seed;
    }

    GameState read;
    初期設定_状態(read);
    棋譜_記録へ(r.データ, read);
    EXPECT_EQ(read.KIFU_SUU, 0);
    ExpectSameMoves(played, read, seed);
    moves += played.KIFU_SUU;
  }
  EXPECT_GT(moves, 6000);
  EXPECT_GT(stepped_back, 50);
}

}  // namespace
}  // namespace kazeban
