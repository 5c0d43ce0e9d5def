// Stepping through the record: each forward step puts the board and the hands where
// the game had them, each step back undoes exactly one, through drops of both sides,
// captures, promotions and a captured king.
#include "storage/replay.h"

#include <gtest/gtest.h>

#include <vector>

#include "random_record.h"
#include "scripted_game.h"
#include "state_snapshot.h"
#include "storage/record_file.h"

namespace kazeban {
namespace {

using testing::PlayScript;
using testing::Snapshot;

// The scripted game read back from its record, at the starting position.
GameState LoadedScript() {
  GameState s;
  初期設定_状態(s);
  棋譜_記録へ(棋譜_記録から(PlayScript(), "", "", ""), s);
  return s;
}

TEST(Replay, ForwardStepsMoveThePiecesAndHandsAsThePlayedGame) {
  GameState s = LoadedScript();
  ASSERT_EQ(s.KIFU_SAIGO, 8);
  ASSERT_EQ(s.KIFU_SUU, 0);

  棋譜_進める(s);  // pawn (3,7) to (3,6)
  EXPECT_EQ(s.BAN[3][7], KARA);
  EXPECT_EQ(s.BAN[3][6], K_SITA_HU);
  EXPECT_EQ(s.KIFU_SUU, 1);
  EXPECT_EQ(s.TESUU, 1);

  棋譜_進める(s);
  棋譜_進める(s);  // the bottom bishop takes the top one and promotes
  EXPECT_EQ(s.BAN[2][8], KARA);
  EXPECT_EQ(s.BAN[8][2], K_SITA_NARIKAKU);
  EXPECT_EQ(s.SITA_MOCHI[6], 1);
  EXPECT_EQ(s.SITA_MOCHI_SU, 1);
  EXPECT_EQ(s.UE_MOCHI_SU, 0);

  棋譜_進める(s);  // a silver takes the promoted bishop: a bishop in the top hand
  EXPECT_EQ(s.BAN[7][1], KARA);
  EXPECT_EQ(s.BAN[8][2], K_UE_GIN);
  EXPECT_EQ(s.UE_MOCHI[6], 1);
  EXPECT_EQ(s.UE_MOCHI_SU, 1);

  棋譜_進める(s);  // the bottom side drops its bishop: recorded from hand row 8
  EXPECT_EQ(s.BAN[5][5], K_SITA_KAKU);
  EXPECT_EQ(s.SITA_MOCHI[6], 0);
  EXPECT_EQ(s.SITA_MOCHI_SU, 0);

  棋譜_進める(s);  // the top side drops its bishop: recorded with the kind, 6
  EXPECT_EQ(s.BAN[1][5], K_UE_KAKU);
  EXPECT_EQ(s.UE_MOCHI[6], 0);
  EXPECT_EQ(s.UE_MOCHI_SU, 0);

  棋譜_進める(s);  // the bishop takes the silver and promotes
  EXPECT_EQ(s.BAN[5][5], KARA);
  EXPECT_EQ(s.BAN[8][2], K_SITA_NARIKAKU);
  EXPECT_EQ(s.SITA_MOCHI[4], 1);
  EXPECT_EQ(s.SITA_MOCHI_SU, 1);

  s.SITA_OU_I = s.SITA_OU_J = 77;  // the survey's fields, which stepping leaves alone
  棋譜_進める(s);                  // the king is taken: counted in the total, in no hand
  EXPECT_EQ(s.BAN[1][5], KARA);
  EXPECT_EQ(s.BAN[5][9], K_UE_NARIKAKU);
  EXPECT_EQ(s.UE_MOCHI_SU, 1);
  for (int k = 1; k <= 7; ++k) EXPECT_EQ(s.UE_MOCHI[k], 0) << k;
  EXPECT_EQ(s.SYOUSYA, NASHI);
  EXPECT_EQ(s.SITA_OU_I, 77);
  EXPECT_EQ(s.KIFU_SUU, 8);
  EXPECT_EQ(s.TESUU, 8);

  // The replay ends where the game itself ended.
  EXPECT_TRUE(Snapshot(s).SamePosition(Snapshot(PlayScript())));
}

TEST(Replay, EachStepBackUndoesExactlyOneStepForward) {
  GameState s = LoadedScript();
  std::vector<Snapshot> seen{Snapshot(s)};
  for (int n = 1; n <= 8; ++n) {
    棋譜_進める(s);
    seen.push_back(Snapshot(s));
    EXPECT_TRUE(seen.back().SamePosition(Snapshot(PlayScript(n)))) << "after move " << n;
  }
  for (int n = 8; n >= 1; --n) {
    棋譜_戻す(s);
    ASSERT_EQ(Snapshot(s), seen[static_cast<size_t>(n - 1)]) << "back from move " << n;
    棋譜_進める(s);
    ASSERT_EQ(Snapshot(s), seen[static_cast<size_t>(n)]) << "forward again to move " << n;
    棋譜_戻す(s);
  }
  // All the way back is the starting position, and the record is still there.
  GameState start;
  初期設定_状態(start);
  start.KIFU_SAIGO = 8;
  EXPECT_EQ(Snapshot(s), Snapshot(start));
}

TEST(Replay, RandomGamesStepBackAndForthExactly) {
  testing::RandomGameStats stats;
  for (unsigned seed = 1; seed <= 60; ++seed) {
    const GameState played = testing::RandomGame(seed, 240, &stats);
    // A replay of the record from the start reaches the position the game reached.
    GameState s;
    初期設定_状態(s);
    棋譜_記録へ(棋譜_記録から(played, "", "", ""), s);
    std::vector<Snapshot> seen{Snapshot(s)};
    while (s.KIFU_SUU < s.KIFU_SAIGO) {
      棋譜_進める(s);
      seen.push_back(Snapshot(s));
    }
    ASSERT_TRUE(Snapshot(s).SamePosition(Snapshot(played))) << "seed " << seed;
    // Back one and forward one, from every move: the same state each time.
    for (int n = s.KIFU_SAIGO; n >= 1; --n) {
      棋譜_戻す(s);
      ASSERT_EQ(Snapshot(s), seen[static_cast<size_t>(n - 1)]) << "seed " << seed << " move " << n;
      棋譜_進める(s);
      ASSERT_EQ(Snapshot(s), seen[static_cast<size_t>(n)]) << "seed " << seed << " move " << n;
      棋譜_戻す(s);
    }
  }
  // The games must have gone through every kind of entry, or the loop proves little.
  EXPECT_GT(stats.moves, 5000);
  EXPECT_GT(stats.promotions, 100);
  EXPECT_GT(stats.sita_drops, 200);
  EXPECT_GT(stats.ue_drops, 200);
  EXPECT_GT(stats.captures, 500);
  EXPECT_GT(stats.kings_taken, 10);
  EXPECT_GT(stats.steps_back, 100);
}

}  // namespace
}  // namespace kazeban
