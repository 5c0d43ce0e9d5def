// The board evaluation at its three levels, on small positions whose scores were
// worked out by hand from the rules. Scores are tenths: {level 1, level 2, level 3}.
// The positions keep both kings far from the action so that only the terms under
// test (and those named in the comments) contribute.
#include <gtest/gtest.h>

#include <array>

#include "computer_fixture.h"

namespace kazeban::testing {
namespace {

using Scores = std::array<int, 3>;

// UE's king on (5, 1), SITA's king on (5, 9), plus the pieces given.
GameState 二王(std::initializer_list<std::array<int, 3>> pieces) {
  GameState s = 空の局面();
  s.BAN[5][1] = K_UE_OU;
  s.BAN[5][9] = K_SITA_OU;
  for (const auto& p : pieces) s.BAN[p[0]][p[1]] = p[2];
  return s;
}

// --- Decisive tests --------------------------------------------------------------

TEST(EvaluationDecisive, CheckGivenWinsAtEveryLevel) {
  const GameState s = 二王({{5, 7, K_UE_KIN}});
  EXPECT_EQ(三段階(s, 5, 7, 5, 8), (Scores{99980, 99980, 99980}));
  EXPECT_EQ(三段階(s, 5, 7, 4, 8), (Scores{99980, 99980, 99980}));
}

TEST(EvaluationDecisive, CheckByAnUnpromotedPawnLoses) {
  const GameState s = 二王({{5, 7, K_UE_HU}});
  EXPECT_EQ(三段階(s, 5, 7, 5, 8), (Scores{-99980, -99980, -99980}));
  EXPECT_EQ(三段階(s, 5, 7, 5, 8, true), (Scores{99980, 99980, 99980}));
}

TEST(EvaluationDecisive, CheckSufferedLosesUnlessCheckIsGiven) {
  // SITA's gold on (5, 2) attacks UE's king.
  const GameState s = 二王({{5, 2, K_SITA_KIN}, {1, 3, K_UE_HU}, {5, 7, K_UE_KIN}});
  EXPECT_EQ(三段階(s, 1, 3, 1, 4), (Scores{-99980, -99980, -99980}));
  EXPECT_EQ(三段階(s, 5, 7, 5, 8), (Scores{99980, 99980, 99980}));
}

TEST(EvaluationDecisive, OpenSquareBeforeTheKingInALancesLine) {
  // UE's pawn on (5, 3) is attacked by SITA's lance from (5, 7); the square between
  // it and UE's king is empty: any quiet move loses.
  GameState s = 空の局面();
  s.BAN[5][1] = K_UE_OU;
  s.BAN[9][9] = K_SITA_OU;
  s.BAN[5][3] = K_UE_HU;
  s.BAN[1][3] = K_UE_HU;
  s.BAN[5][7] = K_SITA_KYOU;
  EXPECT_EQ(三段階(s, 1, 3, 1, 4), (Scores{-99980, -99980, -99980}));

  // With a SITA pawn on (5, 4) the pawn's cheapest attacker is that pawn and the
  // test does not fire. Level 1: the hanging pawn on (5, 3) costs 10 + 1 (row 3)
  // + 20 (attacked by a pawn in rows 1-3); the lance on the king's column costs 1.
  // Level 3: a moved pawn costs 0.1.
  s.BAN[5][4] = K_SITA_HU;
  EXPECT_EQ(三段階(s, 1, 3, 1, 4), (Scores{-320, -320, -321}));
}

// --- Level 1: drops, promotions and the quiet baseline ---------------------------

TEST(EvaluationLevelOne, QuietPawnMoveScoresNothingButTheMovedPawnRule) {
  const GameState s = 二王({{1, 3, K_UE_HU}});
  EXPECT_EQ(三段階(s, 1, 3, 1, 4), (Scores{0, 0, -1}));
}

TEST(EvaluationLevelOne, DropCostsFive) {
  GameState s = 二王({});
  持駒を置く(s.UE_MOCHI, s.UE_MOCHI_SU, {1, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(三段階(s, -1, 1, 1, 4), (Scores{-50, -50, -50}));
}

TEST(EvaluationLevelOne, PromotionEarnsTen) {
  const GameState s = 二王({{1, 6, K_UE_GIN}});
  EXPECT_EQ(三段階(s, 1, 6, 1, 7), (Scores{0, 0, 0}));
  EXPECT_EQ(三段階(s, 1, 6, 1, 7, true), (Scores{100, 100, 100}));
}

// --- Level 2: shelter, drop threats, exchanges, captures -------------------------

TEST(EvaluationLevelTwo, CaptureOnAnUncoveredSquare) {
  // UE's rook takes on (1, 6), a square SITA does not cover. Level 1 sees nothing;
  // level 2 adds the captured value, and 2000 when the piece could be dropped
  // before SITA's king on (5, 9) so as to attack it.
  struct Case {
    int captured;
    Scores scores;
  };
  const Case cases[] = {
      {K_SITA_GIN, {0, 21000, 21000}},      // 2000 + 100
      {K_SITA_HU, {0, 100, 100}},           // a pawn never attacks from a drop next to the king
      {K_SITA_NARIHU, {0, 610, 610}},       // 11 + 50 for a promoted pawn
      {K_SITA_NARIKEI, {0, 810, 810}},      // 31 + 50, a knight never scores 2000
      {K_SITA_NARIGIN, {0, 21010, 21010}},  // a promoted silver scores as a silver
  };
  for (const Case& c : cases) {
    const GameState s = 二王({{1, 2, K_UE_SYA}, {1, 6, c.captured}});
    EXPECT_EQ(三段階(s, 1, 2, 1, 6), c.scores) << c.captured;
  }
}

TEST(EvaluationLevelTwo, CaptureOnACoveredSquare) {
  // The same capture with a SITA pawn on (1, 7) guarding (1, 6). Level 1: the rook
  // hangs there, -900, less the silver it took, +100. Level 2: the exchange
  // 100 - 900 and the 2000 for the silver; no captured value on a covered square.
  const GameState s = 二王({{1, 2, K_UE_SYA}, {1, 6, K_SITA_GIN}, {1, 7, K_SITA_HU}});
  EXPECT_EQ(三段階(s, 1, 2, 1, 6), (Scores{-8000, 4000, 4000}));
}

TEST(EvaluationLevelTwo, StepOntoAnAttackedSquare) {
  // UE's gold steps to (3, 6), attacked by SITA's pawn on (3, 7). Undefended: the
  // sweep counts the hanging gold (-110) and level 2 the exchange (0 - 110).
  GameState s = 二王({{3, 5, K_UE_KIN}, {3, 7, K_SITA_HU}});
  EXPECT_EQ(三段階(s, 3, 5, 3, 6), (Scores{-1100, -2200, -2200}));
  // Defended by a silver on (2, 5): only the exchange, 10 - 110.
  s.BAN[2][5] = K_UE_GIN;
  EXPECT_EQ(三段階(s, 3, 5, 3, 6), (Scores{0, -1000, -1000}));
}

TEST(EvaluationLevelTwo, InterposingBetweenARookAndTheKingWithSilverOrGoldInHand) {
  // SITA's rook on (3, 5) faces UE's king on (5, 5); UE's gold steps between them
  // to (4, 5), defended by the king. SITA holds a gold.
  // Level 1: (3, 1), (3, 2), (3, 3) lie on the rook's column, uncovered by UE and
  // backed by the rook: 3 × (0.1 + 10); with a piece in SITA's hand every empty,
  // uncovered square of rows 1-3 costs 0.1: 27 × 0.1.
  // Level 2: shelter +1 (the gold), the gold drop beside the king -990, and the
  // pinned interposer -110 (it is worth less than the rook attacking it).
  GameState s = 空の局面();
  s.BAN[5][5] = K_UE_OU;
  s.BAN[4][4] = K_UE_KIN;
  s.BAN[3][5] = K_SITA_SYA;
  s.BAN[9][9] = K_SITA_OU;
  持駒を置く(s.SITA_MOCHI, s.SITA_MOCHI_SU, {0, 0, 0, 0, 1, 0, 0});
  EXPECT_EQ(三段階(s, 4, 4, 4, 5), (Scores{-330, -11320, -11320}));
}

TEST(EvaluationLevelTwo, KingShelter) {
  // The king steps up to (5, 2) among five of its pieces: +5. Level 3: a king
  // leaving row 1 costs 12.
  const GameState s =
      二王({{4, 1, K_UE_KIN}, {6, 1, K_UE_KIN}, {4, 3, K_UE_HU}, {5, 3, K_UE_HU}, {6, 3, K_UE_HU}});
  EXPECT_EQ(三段階(s, 5, 1, 5, 2), (Scores{0, 50, -70}));
}

TEST(EvaluationLevelTwo, KingAtHomeWithTheBishopsDiagonalOpen) {
  // SITA's bishop on (2, 8) sees (7, 3) and the square (6, 2) beside UE's king is
  // empty: -200. Level 1: (7, 3), (8, 2), (9, 1) are covered by the bishop and not
  // by UE: 3 × 0.1.
  const GameState s = 二王({{1, 3, K_UE_HU}, {2, 8, K_SITA_KAKU}});
  EXPECT_EQ(三段階(s, 1, 3, 1, 4), (Scores{-3, -2003, -2004}));
}

TEST(EvaluationLevelTwo, DropThreatsAgainstTheKing) {
  // With SITA holding a gold, every empty square of rows 1-3 that UE does not cover
  // costs 0.1 (21 squares), and at level 2 the gold could be dropped on (5, 2):
  // -990.
  GameState s = 二王({{1, 3, K_UE_HU}});
  持駒を置く(s.SITA_MOCHI, s.SITA_MOCHI_SU, {0, 0, 0, 0, 1, 0, 0});
  EXPECT_EQ(三段階(s, 1, 3, 1, 4), (Scores{-21, -9921, -9922}));
  // A pawn in hand threatens no drop beside the king.
  持駒を置く(s.SITA_MOCHI, s.SITA_MOCHI_SU, {1, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(三段階(s, 1, 3, 1, 4), (Scores{-21, -21, -22}));
}

}  // namespace
}  // namespace kazeban::testing
