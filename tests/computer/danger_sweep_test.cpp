// The evaluation helpers: the danger sweep's main terms at level 1, the straight
// movers guarding a square, and the two drop tests beside a king. Scores in tenths,
// worked out by hand.
#include <gtest/gtest.h>

#include "computer/evaluation_helpers.h"
#include "computer_fixture.h"

namespace kazeban::testing {
namespace {

GameState 盤(int ue_king_i, int ue_king_j, int sita_king_i, int sita_king_j,
             std::initializer_list<std::array<int, 3>> pieces) {
  GameState s = 空の局面();
  s.BAN[ue_king_i][ue_king_j] = K_UE_OU;
  s.BAN[sita_king_i][sita_king_j] = K_SITA_OU;
  for (const auto& p : pieces) s.BAN[p[0]][p[1]] = p[2];
  return s;
}

// --- The danger sweep, seen through level-1 scores --------------------------------

TEST(DangerSweepFork, MovedPieceAttackingTwoUncoveredPieces) {
  // A gold dropped on (5, 7) attacks SITA's silver (4, 7) and knight (6, 7), neither
  // covered by SITA: 0.1 each, and the cheaper of them, 30. The drop costs 5.
  GameState s = 盤(9, 1, 1, 9, {{4, 7, K_SITA_GIN}, {6, 7, K_SITA_KEI}});
  持駒を置く(s.UE_MOCHI, s.UE_MOCHI_SU, {0, 0, 0, 0, 1, 0, 0});
  EXPECT_EQ(採点(s, 1, -1, 5, 5, 7), -50 + 302);
  // One piece attacked: only 0.1.
  GameState one = s;
  one.BAN[6][7] = KARA;
  EXPECT_EQ(採点(one, 1, -1, 5, 5, 7), -50 + 1);
  // On a square SITA covers (its pawn on (5, 8)): no fork, and the gold hangs.
  s.BAN[5][8] = K_SITA_HU;
  EXPECT_EQ(採点(s, 1, -1, 5, 5, 7), -50 - 1100);
}

TEST(DangerSweepHanging, PieceThatHasJustCapturedAndHangs) {
  // The silver takes a pawn on (5, 6) that SITA's pawn on (5, 7) guards: -100 for
  // the silver, +10 for the pawn it took. Level 2 adds the exchange, 10 - 100.
  const GameState s = 盤(9, 1, 1, 9, {{5, 5, K_UE_GIN}, {5, 6, K_SITA_HU}, {5, 7, K_SITA_HU}});
  EXPECT_EQ(三段階(s, 5, 5, 5, 6), (std::array<int, 3>{-900, -1800, -1800}));
}

TEST(DangerSweepKing, KingOnTheBackRowWithTheSquareBeforeItCovered) {
  // SITA's gold on (5, 3) covers (5, 2), (4, 2), (6, 2) by UE's king and (4, 3),
  // (6, 3). King on row 1 with (5, 2) covered: -50, and -250 as SITA covers it as
  // much as UE; 0.5 for each covered square by the king; 0.1 for (4, 3) and (6, 3).
  GameState s = 盤(5, 1, 1, 9, {{5, 3, K_SITA_KIN}, {9, 5, K_UE_HU}});
  EXPECT_EQ(採点(s, 1, 9, 5, 9, 6), -3017);
  // SITA holding a gold: -700 more for the king, -10 for each covered square by it,
  // and 0.1 for each of the 20 empty squares of rows 1-3 UE does not cover.
  持駒を置く(s.SITA_MOCHI, s.SITA_MOCHI_SU, {0, 0, 0, 0, 1, 0, 0});
  EXPECT_EQ(採点(s, 1, 9, 5, 9, 6), -10337);
}

TEST(DangerSweepDrops, LanceSkewer) {
  // SITA holding a lance could drop it on (3, 4) below UE's bishop (3, 3), with the
  // rook behind on (3, 1): -(100 + 900 / 2). Each of the 12 empty squares of rows
  // 1-3 that UE does not cover costs 0.1 while SITA holds anything.
  GameState s = 盤(9, 1, 1, 9, {{3, 1, K_UE_SYA}, {3, 3, K_UE_KAKU}, {7, 5, K_UE_HU}});
  持駒を置く(s.SITA_MOCHI, s.SITA_MOCHI_SU, {0, 1, 0, 0, 0, 0, 0});
  EXPECT_EQ(採点(s, 1, 7, 5, 7, 6), -5512);
  持駒を置く(s.SITA_MOCHI, s.SITA_MOCHI_SU, {1, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(採点(s, 1, 7, 5, 7, 6), -12);
}

TEST(DangerSweepDrops, KnightFork) {
  // A knight dropped on the uncovered (5, 5) would fork the silvers on (4, 3) and
  // (6, 3): -20; 18 empty uncovered squares of rows 1-3.
  GameState s = 盤(9, 1, 1, 9, {{4, 3, K_UE_GIN}, {6, 3, K_UE_GIN}, {7, 5, K_UE_HU}});
  持駒を置く(s.SITA_MOCHI, s.SITA_MOCHI_SU, {0, 0, 1, 0, 0, 0, 0});
  EXPECT_EQ(採点(s, 1, 7, 5, 7, 6), -218);
}

TEST(DangerSweepDrops, SilverFork) {
  // A silver dropped on the uncovered (5, 5) would fork the undefended knights on
  // (4, 4) and (6, 6): -20; 23 empty uncovered squares of rows 1-3.
  GameState s = 盤(9, 1, 1, 9, {{4, 4, K_UE_KEI}, {6, 6, K_UE_KEI}, {7, 5, K_UE_HU}});
  持駒を置く(s.SITA_MOCHI, s.SITA_MOCHI_SU, {0, 0, 0, 1, 0, 0, 0});
  EXPECT_EQ(採点(s, 1, 7, 5, 7, 6), -223);
}

TEST(DangerSweepPieces, PawnPinnedBeforeARook) {
  // UE's pawn on (5, 5) hangs to SITA's rook below it: -10; with a pawn in SITA's
  // hand it is also pinned: -5, and 23 uncovered squares of rows 1-3 cost 0.1 each.
  GameState s = 盤(9, 1, 1, 9, {{5, 5, K_UE_HU}, {5, 8, K_SITA_SYA}, {7, 5, K_UE_HU}});
  EXPECT_EQ(採点(s, 1, 7, 5, 7, 6), -100);
  持駒を置く(s.SITA_MOCHI, s.SITA_MOCHI_SU, {1, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(採点(s, 1, 7, 5, 7, 6), -173);
}

TEST(DangerSweepPieces, KnightThatCouldJumpBeforeAValuablePiece) {
  // SITA's knight on (5, 7) with UE's silver on (5, 3): both squares it could jump to,
  // (4, 5) and (6, 5), are empty and uncovered by UE: -1 each.
  const GameState s = 盤(9, 1, 1, 9, {{5, 3, K_UE_GIN}, {5, 7, K_SITA_KEI}, {7, 5, K_UE_HU}});
  EXPECT_EQ(採点(s, 1, 7, 5, 7, 6), -20);
}

TEST(DangerSweepPieces, StraightMoverOnTheKingsColumn) {
  const GameState s = 盤(9, 2, 1, 9, {{9, 3, K_UE_KIN}, {9, 5, K_SITA_SYA}, {7, 5, K_UE_HU}});
  EXPECT_EQ(採点(s, 1, 7, 5, 7, 6), -10);
}

TEST(DangerSweepPieces, NewlyAttackedPieceNearTheKing) {
  // The gold to (2, 2) attacks SITA's pawn on (3, 3) near UE's king: +15, and +0.1
  // for the attack from an uncovered square. The pawn covers (3, 2), which UE covers
  // only as much: -30 for a pawn-backed square of rows 1-3.
  const GameState s = 盤(5, 1, 9, 9, {{2, 1, K_UE_KIN}, {3, 3, K_SITA_HU}});
  EXPECT_EQ(三段階(s, 2, 1, 2, 2), (std::array<int, 3>{-149, -149, -149}));
}

// --- Straight movers guarding a square ---------------------------------------------

TEST(StraightGuard, LanceRookOrDragonWithNothingBetween) {
  GameState s = 空の局面();
  s.BAN[3][7] = K_SITA_KYOU;
  EXPECT_EQ(調査_自守駒MAN_直進駒(s, 3, 4), ON);
  s.BAN[3][4] = K_UE_KIN;  // the square itself does not count
  EXPECT_EQ(調査_自守駒MAN_直進駒(s, 3, 4), ON);
  s.BAN[3][6] = K_SITA_HU;  // a SITA piece between blocks it
  EXPECT_EQ(調査_自守駒MAN_直進駒(s, 3, 4), OFF);
  s.BAN[3][6] = K_UE_HU;  // so does a UE piece
  EXPECT_EQ(調査_自守駒MAN_直進駒(s, 3, 4), OFF);

  GameState t = 空の局面();
  t.BAN[6][5] = K_SITA_NARISYA;
  EXPECT_EQ(調査_自守駒MAN_直進駒(t, 6, 4), ON);
  t.BAN[6][5] = K_SITA_SYA;
  EXPECT_EQ(調査_自守駒MAN_直進駒(t, 6, 1), ON);
  t.BAN[6][5] = K_SITA_KAKU;  // not a straight mover
  EXPECT_EQ(調査_自守駒MAN_直進駒(t, 6, 1), OFF);
  EXPECT_EQ(調査_自守駒MAN_直進駒(空の局面(), 6, 1), OFF);
}

// --- Drops beside a king -------------------------------------------------------------

// A king `king` on (5, 5) with every neighbour but (ei, ej) occupied by a pawn of its
// own side: the drop tests only ask whether a square is empty.
GameState 囲い(int king, int ei, int ej) {
  GameState s = 空の局面();
  s.BAN[5][5] = king;
  const int pawn = king > 0 ? K_UE_HU : K_SITA_HU;
  for (int i = 4; i <= 6; ++i) {
    for (int j = 4; j <= 6; ++j) {
      if ((i != 5 || j != 5) && (i != ei || j != ej)) s.BAN[i][j] = pawn;
    }
  }
  return s;
}

TEST(DropBesideTheKing, PersonsHandAgainstTheComputersKing) {
  // For each empty neighbour of UE's king, the kinds (1 pawn … 7 rook) in SITA's
  // hand that could be dropped there to attack it.
  struct Case {
    int i, j;
    const char* kinds;  // '1' where kind k scores
  };
  const Case cases[] = {
      {5, 4, "0000101"}, {4, 4, "0001010"}, {6, 4, "0001010"}, {5, 6, "0101101"},
      {4, 6, "0001110"}, {6, 6, "0001110"}, {4, 5, "0000101"}, {6, 5, "0000101"},
  };
  for (const Case& c : cases) {
    for (int k = 1; k <= 7; ++k) {
      GameState s = 囲い(K_UE_OU, c.i, c.j);
      s.UE_OU_I = 5, s.UE_OU_J = 5;
      s.SITA_MOCHI[k] = 1;
      s.SITA_MOCHI_SU = 1;
      EXPECT_EQ(盤評価_張られ時(s), c.kinds[k - 1] == '1' ? 9900 : 0)
          << "square " << c.i << "," << c.j << " kind " << k;
    }
  }
}

TEST(DropBesideTheKing, CapturedPieceAgainstThePersonsKing) {
  // For each empty neighbour of SITA's king, the captured codes that score.
  const int codes[] = {-10, -11, -20, -21, -30, -31, -100, -101, -110, -800, -801, -900, -901};
  struct Case {
    int i, j;
    const char* scoring;  // one mark per code above
  };
  const Case cases[] = {
      {5, 4, "0011001110011"}, {4, 4, "0000001111100"}, {6, 4, "0000001111100"},
      {5, 6, "0000000010011"}, {4, 6, "0000001101100"}, {6, 6, "0000001101100"},
      {4, 5, "0000000010011"}, {6, 5, "0000000010011"},
  };
  for (const Case& c : cases) {
    GameState s = 囲い(K_SITA_OU, c.i, c.j);
    s.SITA_OU_I = 5, s.SITA_OU_J = 5;
    for (int n = 0; n < 13; ++n) {
      EXPECT_EQ(盤評価_取得時(s, codes[n]), c.scoring[n] == '1' ? 20000 : 0)
          << "square " << c.i << "," << c.j << " code " << codes[n];
    }
  }
}

TEST(DropBesideTheKing, OccupiedSquaresAndTheBoardEdge) {
  // A king in its corner with its three neighbours occupied: nothing scores.
  GameState s = 空の局面();
  s.BAN[1][1] = K_UE_OU;
  s.BAN[2][1] = K_SITA_HU;
  s.BAN[1][2] = K_UE_HU;
  s.BAN[2][2] = K_UE_HU;
  s.UE_OU_I = 1, s.UE_OU_J = 1;
  for (int k = 1; k <= 7; ++k) s.SITA_MOCHI[k] = 1;
  s.SITA_MOCHI_SU = 7;
  EXPECT_EQ(盤評価_張られ時(s), 0);
  s.BAN[1][2] = KARA;  // below the king: a lance can attack it from there
  EXPECT_EQ(盤評価_張られ時(s), 9900);
}

}  // namespace
}  // namespace kazeban::testing
