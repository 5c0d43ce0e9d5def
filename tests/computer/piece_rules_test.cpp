// The level-3 rules of the evaluation, one kind of piece at a time. Each test gives
// what the rule adds on top of level 2 (level 3 minus level 2, in tenths), worked out
// by hand from the rule alone: everything below level 3 is the same at both levels.
#include <gtest/gtest.h>

#include "computer_fixture.h"

namespace kazeban::testing {
namespace {

// What level 3 adds to the candidate's level-2 score; the candidate must not be
// decided by the tests that end the evaluation before level 2.
int 上乗せ(const GameState& s, int fx, int fy, int tx, int ty, bool promote = false) {
  const int level2 = 採点(s, 2, fx, fy, tx, ty, promote);
  EXPECT_LT(level2 < 0 ? -level2 : level2, 99980) << "decided before level 3";
  return 採点(s, 3, fx, fy, tx, ty, promote) - level2;
}

GameState 盤(int ue_king_i, int ue_king_j, int sita_king_i, int sita_king_j,
             std::initializer_list<std::array<int, 3>> pieces) {
  GameState s = 空の局面();
  s.BAN[ue_king_i][ue_king_j] = K_UE_OU;
  s.BAN[sita_king_i][sita_king_j] = K_SITA_OU;
  for (const auto& p : pieces) s.BAN[p[0]][p[1]] = p[2];
  return s;
}

TEST(PieceRulesPawn, RookBehindThePawnOnItsColumn) {
  // -0.1 for a moved pawn, +2 for the rook on (2, 2) guarding it from behind.
  const GameState s = 盤(5, 1, 5, 9, {{2, 2, K_UE_SYA}, {2, 3, K_UE_HU}});
  EXPECT_EQ(上乗せ(s, 2, 3, 2, 4), 19);
}

TEST(PieceRulesPawn, OpeningTheBishopsDiagonalFromTheStart) {
  // From the starting position: (7, 3) to (7, 4) with the bishop at home earns 10.
  GameState s;
  初期設定_状態(s);
  EXPECT_EQ(上乗せ(s, 7, 3, 7, 4), 99);
  EXPECT_EQ(上乗せ(s, 3, 3, 3, 4), -1);
}

TEST(PieceRulesPawn, FacingADefendedPawn) {
  // (3, 5) faces SITA's pawn on (3, 6), which SITA's gold guards: -0.1, -5 for the
  // guarded pawn in front, then it ends with -5 for facing a pawn.
  const GameState s = 盤(5, 1, 9, 9, {{3, 4, K_UE_HU}, {3, 6, K_SITA_HU}, {3, 7, K_SITA_KIN}});
  EXPECT_EQ(上乗せ(s, 3, 4, 3, 5), -101);
}

TEST(PieceRulesPawn, CapturingAPawnInALancesLine) {
  // The pawn takes on (4, 6) with one UE piece (the gold) bearing on the square it
  // left; SITA's lance on (4, 9) now attacks it: -0.1, +5, +50.
  const GameState s =
      盤(5, 1, 9, 9, {{4, 4, K_UE_KIN}, {4, 5, K_UE_HU}, {4, 6, K_SITA_HU}, {4, 9, K_SITA_KYOU}});
  EXPECT_EQ(上乗せ(s, 4, 5, 4, 6), 549);
}

TEST(PieceRulesPawn, DroppedBeforeTheBishopAtHome) {
  GameState s = 盤(5, 1, 5, 9, {{2, 8, K_SITA_KAKU}});
  持駒を置く(s.UE_MOCHI, s.UE_MOCHI_SU, {1, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(上乗せ(s, -1, 1, 2, 7), 300);
}

TEST(PieceRulesPawn, DroppedToBlockALance) {
  // A defended pawn dropped on (5, 5) in the line of SITA's lance on (5, 8), which
  // nothing could take: the evaluation ends with +120.
  GameState s = 盤(9, 1, 1, 9, {{5, 4, K_UE_KIN}, {5, 8, K_SITA_KYOU}});
  持駒を置く(s.UE_MOCHI, s.UE_MOCHI_SU, {1, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(上乗せ(s, -1, 1, 5, 5), 1200);
  // Undefended, it earns nothing.
  s.BAN[5][4] = KARA;
  s.BAN[8][1] = K_UE_KIN;
  EXPECT_EQ(上乗せ(s, -1, 1, 5, 5), 0);
}

TEST(PieceRulesPawn, PromotedPawnSupportedAtLeastAsMuchAsAttacked) {
  const GameState s = 盤(5, 1, 9, 9, {{1, 6, K_UE_HU}});
  EXPECT_EQ(上乗せ(s, 1, 6, 1, 7, true), 10);
  EXPECT_EQ(上乗せ(s, 1, 6, 1, 7), -1);
}

TEST(PieceRulesLance, DroppedToSkewerARook) {
  // A lance dropped on (5, 4), defended by the gold, attacks SITA's silver on (5, 5)
  // with SITA's rook behind it on (5, 7): ends with +10.
  GameState s = 盤(9, 1, 1, 9, {{5, 3, K_UE_KIN}, {5, 5, K_SITA_GIN}, {5, 7, K_SITA_SYA}});
  持駒を置く(s.UE_MOCHI, s.UE_MOCHI_SU, {0, 1, 0, 0, 0, 0, 0});
  EXPECT_EQ(上乗せ(s, -1, 2, 5, 4), 100);
}

TEST(PieceRulesLance, DroppedBeforeACoveredSquareWhileThePersonHoldsAPawn) {
  // (1, 5) is covered by SITA's pawn on (1, 6), (1, 4) is not: -10.
  GameState s = 盤(9, 1, 9, 9, {{1, 6, K_SITA_HU}});
  持駒を置く(s.UE_MOCHI, s.UE_MOCHI_SU, {0, 1, 0, 0, 0, 0, 0});
  持駒を置く(s.SITA_MOCHI, s.SITA_MOCHI_SU, {1, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(上乗せ(s, -1, 2, 1, 4), -100);
  // A moved lance has no rules.
  s.BAN[1][1] = K_UE_KYOU;
  EXPECT_EQ(上乗せ(s, 1, 1, 1, 4), 0);
}

TEST(PieceRulesKnight, BothLandingSquaresCovered) {
  // -0.1; -1 for the covered square before it (5, 5); ends with -1 more as both
  // squares it could jump to, (4, 6) and (6, 6), are covered.
  GameState s = 盤(9, 1, 1, 9, {{5, 6, K_SITA_HU}, {4, 7, K_SITA_HU}, {6, 7, K_SITA_HU}});
  持駒を置く(s.UE_MOCHI, s.UE_MOCHI_SU, {0, 0, 1, 0, 0, 0, 0});
  EXPECT_EQ(上乗せ(s, -1, 3, 5, 4), -21);
  s.BAN[6][7] = KARA;
  EXPECT_EQ(上乗せ(s, -1, 3, 5, 4), -11);
}

TEST(PieceRulesSilver, GuardingAgainstTheBishop) {
  // The silver goes to (6, 2) beside the king at home while SITA's bishop attacks
  // the pawn on (7, 3): ends with +30.
  const GameState s = 盤(5, 1, 1, 9, {{7, 1, K_UE_GIN}, {7, 3, K_UE_HU}, {9, 5, K_SITA_KAKU}});
  EXPECT_EQ(上乗せ(s, 7, 1, 6, 2), 300);
  EXPECT_EQ(上乗せ(s, 7, 1, 7, 2), 0);
}

TEST(PieceRulesGold, LeavingItsStartingSquare) {
  const GameState s = 盤(5, 1, 5, 9, {{4, 1, K_UE_KIN}});
  EXPECT_EQ(上乗せ(s, 4, 1, 4, 2), -50);
  EXPECT_EQ(上乗せ(s, 4, 1, 3, 2), -55);  // and a diagonal step forward
}

TEST(PieceRulesGold, DroppedOnRowSixOrBeyond) {
  GameState s = 盤(5, 1, 9, 9, {});
  持駒を置く(s.UE_MOCHI, s.UE_MOCHI_SU, {0, 0, 0, 0, 1, 0, 0});
  EXPECT_EQ(上乗せ(s, -1, 5, 1, 6), -5);
  EXPECT_EQ(上乗せ(s, -1, 5, 1, 5), 0);
}

TEST(PieceRulesGold, ToRowFourWhileTheBishopOnSixFourIsAttacked) {
  const GameState s = 盤(5, 1, 9, 9, {{1, 3, K_UE_KIN}, {6, 4, K_UE_KAKU}, {6, 5, K_SITA_HU}});
  EXPECT_EQ(上乗せ(s, 1, 3, 1, 4), -50);
}

TEST(PieceRulesGold, RowTwoWithTheBishopInThePersonsHand) {
  // The gold reaches (7, 2) above the pawn (7, 3) that nothing guarded, with UE's
  // bishop on (7, 4) that one piece guarded: +2, then ends with +125.
  GameState s = 盤(5, 1, 9, 9, {{7, 1, K_UE_KIN}, {7, 3, K_UE_HU}, {7, 4, K_UE_KAKU}});
  持駒を置く(s.SITA_MOCHI, s.SITA_MOCHI_SU, {0, 0, 0, 0, 0, 1, 0});
  EXPECT_EQ(上乗せ(s, 7, 1, 7, 2), 1270);
  s.BAN[7][4] = KARA;
  EXPECT_EQ(上乗せ(s, 7, 1, 7, 2), 20);
}

TEST(PieceRulesBishop, BackHomeFromAnAttackedSquare) {
  const GameState s = 盤(5, 1, 9, 9, {{6, 4, K_UE_KAKU}, {6, 5, K_SITA_HU}});
  EXPECT_EQ(上乗せ(s, 6, 4, 8, 2), 2000);
}

TEST(PieceRulesBishop, CentreSquareFacingTheKing) {
  const GameState s = 盤(5, 1, 6, 8, {{3, 3, K_UE_KAKU}});
  EXPECT_EQ(上乗せ(s, 3, 3, 5, 5), 100);
}

TEST(PieceRulesBishop, RowThree) {
  // (9, 3) with SITA's king on (5, 8) and the diagonal to (5, 7) open: +10.
  const GameState s = 盤(5, 1, 5, 8, {{8, 2, K_UE_KAKU}});
  EXPECT_EQ(上乗せ(s, 8, 2, 9, 3), 100);
  // (7, 3) with SITA's pawn on (8, 5) guarded by its rook: +9.
  const GameState t = 盤(5, 1, 5, 9, {{8, 2, K_UE_KAKU}, {8, 5, K_SITA_HU}, {8, 8, K_SITA_SYA}});
  EXPECT_EQ(上乗せ(t, 8, 2, 7, 3), 90);
}

TEST(PieceRulesRook, SidewaysBeforeACoveredSquareWithAPawnBehind) {
  const GameState s = 盤(9, 1, 1, 9, {{2, 4, K_UE_SYA}, {5, 6, K_SITA_HU}});
  EXPECT_EQ(上乗せ(s, 2, 4, 5, 4), -60);
}

TEST(PieceRulesRook, FromItsStartingSquareOneStepDown) {
  const GameState s = 盤(5, 1, 5, 9, {{2, 2, K_UE_SYA}});
  EXPECT_EQ(上乗せ(s, 2, 2, 2, 3), -10);
}

TEST(PieceRulesRook, DroppedBehindASilverAndGold) {
  // A rook dropped on (5, 9) below SITA's silver (5, 8), with SITA's gold on (6, 8)
  // and (4, 9) occupied: ends with -1.
  GameState s = 盤(5, 1, 1, 5, {{5, 8, K_SITA_GIN}, {6, 8, K_SITA_KIN}, {4, 9, K_SITA_KIN}});
  持駒を置く(s.UE_MOCHI, s.UE_MOCHI_SU, {0, 0, 0, 0, 0, 0, 1});
  EXPECT_EQ(上乗せ(s, -1, 7, 5, 9), -10);
}

TEST(PieceRulesDragon, NearTheKingOnItsColumn) {
  // The dragon reaches (5, 7), two rows from SITA's king on (5, 9), on a square SITA
  // does not cover (UE's bishop on (5, 8) blocks the check): ends with +100.
  const GameState s = 盤(1, 1, 5, 9, {{5, 5, K_UE_NARISYA}, {5, 8, K_UE_KAKU}});
  EXPECT_EQ(上乗せ(s, 5, 5, 5, 7), 1000);
  EXPECT_EQ(上乗せ(s, 5, 5, 5, 6), 0);  // three rows away
}

TEST(PieceRulesKing, StepOffTheBackRow) {
  // -12 for any king move off row 1; +50 more for (4, 2) to (5, 2) while SITA's
  // bishop attacks (3, 3).
  const GameState s = 盤(4, 2, 9, 9, {{3, 3, K_UE_HU}, {7, 7, K_SITA_KAKU}});
  EXPECT_EQ(上乗せ(s, 4, 2, 5, 2), 380);
  EXPECT_EQ(上乗せ(s, 4, 2, 4, 1), 0);
}

TEST(PieceRulesNone, PromotedPiecesOtherThanThePawnHaveNoRules) {
  const GameState s = 盤(
      5, 1, 9, 9,
      {{1, 5, K_UE_NARIKYOU}, {2, 5, K_UE_NARIKEI}, {3, 5, K_UE_NARIGIN}, {4, 5, K_UE_NARIKAKU}});
  EXPECT_EQ(上乗せ(s, 1, 5, 1, 6), 0);
  EXPECT_EQ(上乗せ(s, 2, 5, 2, 6), 0);
  EXPECT_EQ(上乗せ(s, 3, 5, 3, 6), 0);
  EXPECT_EQ(上乗せ(s, 4, 5, 4, 6), 0);
}

}  // namespace
}  // namespace kazeban::testing
