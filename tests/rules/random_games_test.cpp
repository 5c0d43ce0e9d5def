// Seeded random games from the starting position: both sides pick at random among
// everything the legality test allows, and after every move the pieces must all
// still be accounted for.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "legal_moves.h"
#include "rules/move.h"
#include "rules/move_check.h"
#include "rules/pieces.h"
#include "rules/promotion.h"

namespace kazeban::testing {
namespace {

int Sum(const int (&hand)[8]) {
  int n = 0;
  for (int k = 1; k <= 7; ++k) n += hand[k];
  return n;
}

TEST(RandomGames, PiecesAreConservedAndEveryCodeIsReal) {
  int moves_played = 0, promotions = 0, drops = 0, captures = 0;
  for (unsigned seed = 1; seed <= 150; ++seed) {
    std::mt19937 rng(seed);
    GameState s;
    初期設定_状態(s);
    int kings_taken_by_sita = 0, kings_taken_by_ue = 0;
    bool ue = (seed % 2) == 0;
    for (int ply = 0; ply < 400 && !棋譜満杯(s); ++ply, ue = !ue) {
      std::vector<RandomMove> legal = LegalMoves(s, ue);
      if (legal.empty()) break;
      const RandomMove m = legal[std::uniform_int_distribution<size_t>(0, legal.size() - 1)(rng)];
      int placed = m.code;
      if (調査_駒成(s, m.fromI, m.fromJ, m.toI, m.toJ, m.code) == ON &&
          (移動後チェック(m.toJ, m.code) == OFF || rng() % 2 == 0)) {
        placed = s.NARI_KOMA;
        ++promotions;
      }
      // Recorded as the mouse enters a drop (the hand square's row), made as the move
      // expects it (UE's hand by kind, SITA's by hand row).
      const int handRow = m.fromI == -1 ? 8 - m.fromJ : m.fromI == 11 ? m.fromJ + 2 : m.fromJ;
      ASSERT_TRUE(手順保存(s, m.fromI, handRow, m.toI, m.toJ, m.code, placed));
      const int moveRow = m.fromI == -1 ? m.fromJ : handRow;
      const int taken = 駒移動_盤(s, m.fromI, moveRow, m.toI, m.toJ, placed);
      ++moves_played;
      drops += m.fromI == -1 || m.fromI == 11;
      captures += taken != KARA;
      ASSERT_EQ(s.KIFU_TORI[s.KIFU_SUU], taken);
      if (taken == K_UE_OU) ++kings_taken_by_sita;
      if (taken == K_SITA_OU) ++kings_taken_by_ue;

      int on_board = 0;
      for (int i = 1; i <= BAN_SUU; ++i) {
        for (int j = 1; j <= BAN_SUU; ++j) {
          const int c = s.BAN[i][j];
          if (c == KARA) continue;
          ASSERT_TRUE(盤上の駒コード(c)) << "code " << c << " at " << i << "," << j;
          ++on_board;
        }
      }
      for (int k = 1; k <= 7; ++k) {
        ASSERT_GE(s.SITA_MOCHI[k], 0);
        ASSERT_GE(s.UE_MOCHI[k], 0);
      }
      ASSERT_EQ(s.SITA_MOCHI_SU, Sum(s.SITA_MOCHI) + kings_taken_by_sita);
      ASSERT_EQ(s.UE_MOCHI_SU, Sum(s.UE_MOCHI) + kings_taken_by_ue);
      ASSERT_EQ(
          on_board + Sum(s.SITA_MOCHI) + Sum(s.UE_MOCHI) + kings_taken_by_sita + kings_taken_by_ue,
          40)
          << "seed " << seed << " ply " << ply;
      ASSERT_EQ(移動後チェック(m.toJ, s.BAN[m.toI][m.toJ]), ON) << "a stranded piece";
      if (kings_taken_by_sita + kings_taken_by_ue > 0) break;  // the game is decided
    }
  }
  // The games must have exercised the interesting paths, or the checks above prove little.
  EXPECT_GT(moves_played, 10000);
  EXPECT_GT(promotions, 300);
  EXPECT_GT(drops, 1000);
  EXPECT_GT(captures, 1500);
}

}  // namespace
}  // namespace kazeban::testing
