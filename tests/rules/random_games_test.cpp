// Seeded random games from the starting position: both sides pick at random among
// everything the legality test allows, and after every move the pieces must all
// still be accounted for.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "rules/move.h"
#include "rules/move_check.h"
#include "rules/pieces.h"
#include "rules/promotion.h"

namespace kazeban {
namespace {

struct Candidate {
  int fromI, fromJ, toI, toJ, code;
};

// Every move and drop that 移動チェック allows the side, drops with their hand squares.
std::vector<Candidate> LegalMoves(GameState& s, bool ue) {
  std::vector<Candidate> out;
  調査_2歩フラグ設定(s);
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) {
      const int c = s.BAN[i][j];
      if (ue ? !UEの駒(c) : !SITAの駒(c)) continue;
      for (int x = 1; x <= BAN_SUU; ++x) {
        for (int y = 1; y <= BAN_SUU; ++y) {
          if (移動チェック(s, i, j, x, y, c) == ON) out.push_back({i, j, x, y, c});
        }
      }
    }
  }
  for (int k = 1; k <= 7; ++k) {
    if ((ue ? s.UE_MOCHI[k] : s.SITA_MOCHI[k]) <= 0) continue;
    const int code = ue ? 持駒_UEコード(k) : 持駒_SITAコード(k);
    const int fromI = ue ? -1 : 11;
    const int fromJ = ue ? 8 - k : k + 2;
    for (int x = 1; x <= BAN_SUU; ++x) {
      for (int y = 1; y <= BAN_SUU; ++y) {
        if (移動チェック(s, fromI, fromJ, x, y, code) == ON) {
          out.push_back({fromI, fromJ, x, y, code});
        }
      }
    }
  }
  return out;
}

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
      std::vector<Candidate> legal = LegalMoves(s, ue);
      if (legal.empty()) break;
      const Candidate m = legal[std::uniform_int_distribution<size_t>(0, legal.size() - 1)(rng)];
      int placed = m.code;
      if (調査_駒成(s, m.fromI, m.fromJ, m.toI, m.toJ, m.code) == ON &&
          (移動後チェック(m.toJ, m.code) == OFF || rng() % 2 == 0)) {
        placed = s.NARI_KOMA;
        ++promotions;
      }
      ASSERT_TRUE(手順保存(s, m.fromI, m.fromJ, m.toI, m.toJ, m.code, placed));
      const int fromJ = m.fromI == -1 ? 8 - m.fromJ : m.fromJ;
      const int taken = 駒移動_盤(s, m.fromI, fromJ, m.toI, m.toJ, placed);
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
}  // namespace kazeban
