// The search of the computer's turn: the order in which candidates are met, the
// tie-breaks, promotion, the drops, the two early stops, and what it leaves behind.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "../../bench/positions.h"
#include "computer_fixture.h"

namespace kazeban::testing {
namespace {

struct 見た手 {
  COM指し手 手;
  int 点;
};

struct 探索結果 {
  COM結果 結果;
  std::vector<見た手> 候補;
};

// One whole search at `level`, watching every candidate.
探索結果 探索(GameState& s, int level) {
  s.COM_LEVEL = level;
  勢力図 m;
  COM記録 r;
  COM_準備(s, m, r);
  探索結果 out;
  out.結果 = COM_探索(s, m, r, [&](const COM指し手& 手, int score) {
    out.候補.push_back({手, score});
  });
  return out;
}

bool 同じ手(const COM指し手& a, int fi, int fj, int ti, int tj, int nari) {
  return a.MOTO_I == fi && a.MOTO_J == fj && a.SAKI_I == ti && a.SAKI_J == tj && a.NARI == nari;
}

GameState 盤(int ue_king_i, int ue_king_j, int sita_king_i, int sita_king_j,
             std::initializer_list<std::array<int, 3>> pieces) {
  GameState s = 空の局面();
  if (ue_king_i > 0) s.BAN[ue_king_i][ue_king_j] = K_UE_OU;
  if (sita_king_i > 0) s.BAN[sita_king_i][sita_king_j] = K_SITA_OU;
  for (const auto& p : pieces) s.BAN[p[0]][p[1]] = p[2];
  return s;
}

TEST(SearchOrder, CandidatesByFromSquareThenToSquareAndTheFirstOfEqualScoresWins) {
  // Every candidate scores 0 at level 1: the first one met is played.
  GameState s = 盤(5, 1, 5, 9, {{1, 3, K_UE_HU}, {9, 3, K_UE_HU}});
  const 探索結果 a = 探索(s, 1);
  const int expected[][4] = {{1, 3, 1, 4}, {5, 1, 4, 1}, {5, 1, 4, 2}, {5, 1, 5, 2},
                             {5, 1, 6, 1}, {5, 1, 6, 2}, {9, 3, 9, 4}};
  ASSERT_EQ(a.候補.size(), 7u);
  for (size_t n = 0; n < 7; ++n) {
    const COM指し手& m = a.候補[n].手;
    EXPECT_TRUE(m.MOTO_I == expected[n][0] && m.MOTO_J == expected[n][1] &&
                m.SAKI_I == expected[n][2] && m.SAKI_J == expected[n][3])
        << "candidate " << n;
    EXPECT_EQ(a.候補[n].点, 0) << "candidate " << n;
  }
  EXPECT_TRUE(a.結果.指し手あり);
  EXPECT_TRUE(同じ手(a.結果.最善, 1, 3, 1, 4, K_UE_HU));
  EXPECT_EQ(a.結果.最善.KOMA, K_UE_HU);
  EXPECT_EQ(a.結果.点, 0);
  EXPECT_EQ(a.結果.候補数, 7);
  EXPECT_FALSE(a.結果.打切り);
}

TEST(SearchOrder, StartingPositionAtEachLevel) {
  GameState s;
  初期設定_状態(s);
  // Level 1: nothing distinguishes the 30 moves; the lance's is met first.
  探索結果 a = 探索(s, 1);
  EXPECT_EQ(a.候補.size(), 30u);
  EXPECT_TRUE(同じ手(a.結果.最善, 1, 1, 1, 2, K_UE_KYOU));
  EXPECT_EQ(a.結果.点, 0);
  // Level 2: the king's step to (4, 2) among five of its pieces, first of three such.
  a = 探索(s, 2);
  EXPECT_TRUE(同じ手(a.結果.最善, 5, 1, 4, 2, K_UE_OU));
  EXPECT_EQ(a.結果.点, 50);
  // Level 3: the pawn opening the bishop's diagonal: 2 (shelter) - 0.1 + 10.
  a = 探索(s, 3);
  EXPECT_TRUE(同じ手(a.結果.最善, 7, 3, 7, 4, K_UE_HU));
  EXPECT_EQ(a.結果.点, 119);
}

TEST(SearchTies, BoardMoveBeatsADropOfTheSameScore) {
  // The gold's step to (1, 8) checks (9998); the rook dropped on (1, 1), the first
  // drop, checks down the open column too: equal, so the board move stays, and the
  // search stops after that drop.
  GameState s = 盤(5, 1, 1, 9, {{2, 7, K_UE_KIN}});
  持駒を置く(s.UE_MOCHI, s.UE_MOCHI_SU, {0, 0, 0, 0, 0, 0, 1});
  const 探索結果 a = 探索(s, 1);
  EXPECT_TRUE(同じ手(a.結果.最善, 2, 7, 1, 8, K_UE_KIN));
  EXPECT_EQ(a.結果.点, 99980);
  ASSERT_FALSE(a.候補.empty());
  EXPECT_TRUE(同じ手(a.候補.back().手, -1, 7, 1, 1, K_UE_SYA));
  EXPECT_EQ(a.候補.back().点, 99980);
  EXPECT_TRUE(a.結果.打切り);
}

TEST(SearchTies, UnpromotedWinsAPromotionTie) {
  // Silver and promoted silver on (4, 8) both check: the silver stays unpromoted.
  GameState s = 盤(5, 1, 5, 9, {{4, 7, K_UE_GIN}});
  const 探索結果 a = 探索(s, 1);
  EXPECT_TRUE(同じ手(a.結果.最善, 4, 7, 4, 8, K_UE_GIN));
  EXPECT_EQ(a.結果.最善.KOMA, K_UE_GIN);
  EXPECT_EQ(a.結果.点, 99980);
  // Every move from row 7 may promote: each is scored twice, unpromoted first.
  ASSERT_EQ(a.候補.size(), 2u * 5 + 5);  // five silver moves, five king moves
  EXPECT_TRUE(同じ手(a.候補[0].手, 4, 7, 3, 6, K_UE_GIN));
  EXPECT_TRUE(同じ手(a.候補[1].手, 4, 7, 3, 6, K_UE_NARIGIN));
}

TEST(SearchTies, PawnCheckIsPlayedPromoted) {
  GameState s = 盤(5, 1, 5, 9, {{5, 7, K_UE_HU}});
  const 探索結果 a = 探索(s, 1);
  EXPECT_TRUE(同じ手(a.結果.最善, 5, 7, 5, 8, K_UE_NARIHU));
  EXPECT_EQ(a.結果.最善.KOMA, K_UE_HU);
  EXPECT_EQ(a.結果.点, 99980);
  ASSERT_EQ(a.候補.size(), 7u);
  EXPECT_TRUE(同じ手(a.候補[5].手, 5, 7, 5, 8, K_UE_HU));
  EXPECT_EQ(a.候補[5].点, -99980);
  EXPECT_EQ(a.候補[6].点, 99980);
}

TEST(SearchPromotion, ForcedPromotionIsScoredOnlyPromoted) {
  // The pawn to row 9 and the knight to row 8 must promote; the knight on (7, 5)
  // may promote on row 7 and is scored both ways.
  GameState s = 盤(1, 1, 9, 5, {{3, 8, K_UE_HU}, {3, 6, K_UE_KEI}, {7, 5, K_UE_KEI}});
  const 探索結果 a = 探索(s, 1);
  int pawn = 0, knight36 = 0, knight75 = 0;
  for (const 見た手& c : a.候補) {
    if (c.手.MOTO_I == 3 && c.手.MOTO_J == 8) {
      ++pawn;
      EXPECT_EQ(c.手.NARI, K_UE_NARIHU);
    }
    if (c.手.MOTO_I == 3 && c.手.MOTO_J == 6) {
      ++knight36;
      EXPECT_EQ(c.手.NARI, K_UE_NARIKEI);
    }
    if (c.手.MOTO_I == 7 && c.手.MOTO_J == 5) ++knight75;
  }
  EXPECT_EQ(pawn, 1);
  EXPECT_EQ(knight36, 2);  // (2, 8) and (4, 8)
  EXPECT_EQ(knight75, 4);  // (6, 7) and (8, 7), twice each
}

TEST(SearchDrops, NoDropsWhenTheHandTotalIsZero) {
  // The drop search is gated by the hand total, not by the counts by kind.
  GameState s = 盤(5, 1, 5, 9, {});
  s.UE_MOCHI[5] = 1;
  s.UE_MOCHI_SU = 0;
  EXPECT_EQ(探索(s, 1).候補.size(), 5u);
  s.UE_MOCHI_SU = 1;
  // Gold drops on the 79 empty squares, the first check (4, 8) ending the search:
  // columns 1-3 whole (27) and rows 1-8 of column 4.
  const 探索結果 a = 探索(s, 1);
  EXPECT_EQ(a.候補.size(), 5u + 27 + 8);
  EXPECT_TRUE(同じ手(a.結果.最善, -1, 5, 4, 8, K_UE_KIN));
  EXPECT_EQ(a.結果.最善.KOMA, K_UE_KIN);
  EXPECT_EQ(a.結果.点, 99980);
  EXPECT_TRUE(a.結果.打切り);
}

TEST(SearchStops, BoardMoveScoring9998DoesNotStop) {
  GameState s = 盤(5, 1, 5, 9, {{5, 7, K_UE_KIN}});
  const 探索結果 a = 探索(s, 1);
  EXPECT_EQ(a.候補.size(), 11u);  // five king moves, six gold moves
  EXPECT_TRUE(同じ手(a.結果.最善, 5, 7, 4, 8, K_UE_KIN));
  EXPECT_EQ(a.結果.点, 99980);
  EXPECT_FALSE(a.結果.打切り);
}

TEST(SearchStops, CapturingTheKingStopsOnlyAsTheNewBest) {
  // SITA's king stands on (5, 4) before UE's lance: taking it is the first candidate
  // and becomes the best, so nothing else is scored.
  GameState s = 盤(9, 1, 5, 4, {{5, 3, K_UE_KYOU}});
  探索結果 a = 探索(s, 1);
  ASSERT_EQ(a.候補.size(), 1u);
  EXPECT_TRUE(同じ手(a.結果.最善, 5, 3, 5, 4, K_UE_KYOU));
  EXPECT_EQ(a.結果.最善.TORI, K_SITA_OU);
  EXPECT_TRUE(a.結果.打切り);

  // With a gold on (4, 3) too, its first move keeps the lance's check (9998) and the
  // captures that follow cannot beat it: the search goes on to the end.
  s.BAN[4][3] = K_UE_KIN;
  a = 探索(s, 1);
  EXPECT_TRUE(同じ手(a.結果.最善, 4, 3, 3, 3, K_UE_KIN));
  EXPECT_EQ(a.結果.点, 99980);
  EXPECT_FALSE(a.結果.打切り);
  int captures = 0;
  for (const 見た手& c : a.候補) captures += c.手.TORI == K_SITA_OU;
  EXPECT_EQ(captures, 2);
  EXPECT_EQ(a.候補.size(), 5u + 1 + 3);  // gold, lance, king on (9, 1)
}

TEST(SearchStops, NoLegalMoveOrDrop) {
  // UE has only pawns on row 9, which cannot move, and a pawn in hand that the
  // double-pawn rule keeps out of every column.
  GameState s = 空の局面();
  for (int i = 1; i <= 9; ++i) s.BAN[i][9] = K_UE_HU;
  s.UE_MOCHI[1] = 1;
  s.UE_MOCHI_SU = 1;
  const 探索結果 a = 探索(s, 3);
  EXPECT_FALSE(a.結果.指し手あり);
  EXPECT_EQ(a.結果.候補数, 0);
  EXPECT_TRUE(a.候補.empty());

  GameState none = 空の局面();
  EXPECT_FALSE(探索(none, 1).結果.指し手あり);
}

TEST(SearchState, LeavesTheBoardAndHandsAsTheyWere) {
  for (GameState (*make)() : {bench::初形, bench::中盤, bench::全種持ち}) {
    for (int level = 1; level <= 3; ++level) {
      GameState s = make();
      const GameState before = s;
      const 探索結果 a = 探索(s, level);
      EXPECT_TRUE(a.結果.指し手あり);
      EXPECT_EQ(std::memcmp(s.BAN, before.BAN, sizeof s.BAN), 0) << level;
      EXPECT_EQ(std::memcmp(s.UE_MOCHI, before.UE_MOCHI, sizeof s.UE_MOCHI), 0) << level;
      EXPECT_EQ(std::memcmp(s.SITA_MOCHI, before.SITA_MOCHI, sizeof s.SITA_MOCHI), 0) << level;
      EXPECT_EQ(s.UE_MOCHI_SU, before.UE_MOCHI_SU);
      EXPECT_EQ(s.SITA_MOCHI_SU, before.SITA_MOCHI_SU);
      // The same position gives the same move and score again.
      const 探索結果 b = 探索(s, level);
      EXPECT_TRUE(std::memcmp(&a.結果.最善, &b.結果.最善, sizeof(COM指し手)) == 0) << level;
      EXPECT_EQ(a.結果.点, b.結果.点) << level;
    }
  }
}

TEST(SearchState, BestScoreIsTheHighestCandidateScoreAndTheFirstOfIt) {
  for (GameState (*make)() : {bench::初形, bench::中盤, bench::全種持ち}) {
    for (int level = 1; level <= 3; ++level) {
      GameState s = make();
      const 探索結果 a = 探索(s, level);
      ASSERT_FALSE(a.候補.empty());
      size_t first_best = 0;
      for (size_t n = 1; n < a.候補.size(); ++n) {
        if (a.候補[n].点 > a.候補[first_best].点) first_best = n;
      }
      EXPECT_EQ(a.結果.点, a.候補[first_best].点) << level;
      // A promotion pair is decided within the pair: the promoted form only when it
      // scores higher, so the played form is the pair's first best.
      EXPECT_EQ(a.結果.最善.SAKI_I, a.候補[first_best].手.SAKI_I) << level;
      EXPECT_EQ(a.結果.最善.SAKI_J, a.候補[first_best].手.SAKI_J) << level;
      EXPECT_EQ(a.結果.最善.MOTO_I, a.候補[first_best].手.MOTO_I) << level;
      EXPECT_EQ(a.結果.最善.MOTO_J, a.候補[first_best].手.MOTO_J) << level;
      EXPECT_EQ(a.結果.最善.NARI, a.候補[first_best].手.NARI) << level;
    }
  }
}

TEST(AfterTheMove, AttackOnThePersonsKing) {
  GameState s = 盤(5, 1, 5, 9, {{5, 7, K_UE_KIN}});
  勢力図 m;
  駒移動_盤(s, 5, 7, 4, 8, K_UE_KIN);
  EXPECT_TRUE(COM_王手か(s, m));
  GameState t = 盤(5, 1, 5, 9, {{5, 7, K_UE_KIN}});
  駒移動_盤(t, 5, 7, 4, 7, K_UE_KIN);
  EXPECT_FALSE(COM_王手か(t, m));
  // A discovered attack counts too: the silver leaves the lance's column.
  GameState u = 盤(1, 1, 5, 9, {{5, 2, K_UE_KYOU}, {5, 5, K_UE_GIN}});
  駒移動_盤(u, 5, 5, 4, 6, K_UE_GIN);
  EXPECT_TRUE(COM_王手か(u, m));
}

TEST(AfterTheMove, CapturedKingIsLookedForOnItsLastSquare) {
  // After taking the king the king fields keep its square, where UE's lance now
  // stands: attacked only if another UE piece bears on that square.
  GameState s = 盤(9, 1, 5, 4, {{5, 3, K_UE_KYOU}});
  勢力図 m;
  勢力調査(s, m);
  駒移動_盤(s, 5, 3, 5, 4, K_UE_KYOU);
  EXPECT_FALSE(COM_王手か(s, m));
  EXPECT_EQ(s.SITA_OU_I, 5);
  EXPECT_EQ(s.SITA_OU_J, 4);
  GameState t = 盤(9, 1, 5, 4, {{5, 3, K_UE_KYOU}, {4, 3, K_UE_KIN}});
  勢力調査(t, m);
  駒移動_盤(t, 5, 3, 5, 4, K_UE_KYOU);
  EXPECT_TRUE(COM_王手か(t, m));
}

}  // namespace
}  // namespace kazeban::testing
