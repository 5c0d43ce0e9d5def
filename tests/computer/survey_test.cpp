// The influence survey: counts, the defence and attack records, their tie-breaks by
// scan order, the gaps of the UE records, walks through the opposing king, and the
// king squares. Every expectation is worked out from the position by hand.
#include <gtest/gtest.h>

#include "computer_fixture.h"

namespace kazeban::testing {
namespace {

// Squares 1..9 × 1..9 of a table whose value is not `v`.
int 以外の数(const int (&t)[10][10], int v) {
  int n = 0;
  for (int i = 1; i <= 9; ++i) {
    for (int j = 1; j <= 9; ++j) n += t[i][j] != v;
  }
  return n;
}

TEST(SurveyBasics, EmptyBoardLeavesSentinelsAndKingSquares) {
  GameState s = 空の局面();
  s.SITA_OU_I = 3, s.SITA_OU_J = 4, s.UE_OU_I = 7, s.UE_OU_J = 6;
  勢力図 m;
  m.UE_MAMORI_I[4][4] = 7;  // left over from an earlier survey
  m.UE_MAMORI_J[4][4] = 2;
  勢力調査(s, m);
  EXPECT_EQ(以外の数(m.SEIRYOKU_SITA, 0), 0);
  EXPECT_EQ(以外の数(m.SEIRYOKU_UE, 0), 0);
  EXPECT_EQ(以外の数(m.SITA_MAMORI, 999), 0);
  EXPECT_EQ(以外の数(m.UE_MAMORI, 999), 0);
  EXPECT_EQ(以外の数(m.UE_NERAI, 999), 0);
  EXPECT_EQ(以外の数(m.SITA_NERAI, -999), 0);
  EXPECT_EQ(以外の数(m.SITA_NERAI_I, 0), 0);
  EXPECT_EQ(以外の数(m.SITA_NERAI_J, 0), 0);
  EXPECT_EQ(m.UE_MAMORI_I[4][4], 7);
  EXPECT_EQ(m.UE_MAMORI_J[4][4], 2);
  EXPECT_EQ(s.SITA_OU_I, 3);
  EXPECT_EQ(s.SITA_OU_J, 4);
  EXPECT_EQ(s.UE_OU_I, 7);
  EXPECT_EQ(s.UE_OU_J, 6);
}

TEST(SurveyBasics, StrandedPiecesRecordNothing) {
  // Pawns and lances on their last row, knights on their last two rows.
  const char* const rows[9] = {
      "^香 ・^歩 ・^桂 ・ ・ ・ ・",  //
      " ・ ・ ・ ・ ・^桂 ・ ・ ・",  //
      " ・ ・ ・ ・ ・ ・ ・ ・ ・",  //
      " ・ ・ ・ ・ ・ ・ ・ ・ ・",  //
      " ・ ・ ・ ・ ・ ・ ・ ・ ・",  //
      " ・ ・ ・ ・ ・ ・ ・ ・ ・",  //
      " ・ ・ ・ ・ ・ ・ ・ ・ ・",  //
      " ・ ・ ・ ・ ・ ・v桂 ・ ・",  //
      " ・ ・ ・v歩 ・ ・ ・v桂v香",  //
  };
  GameState s = 局面(rows);
  勢力図 m;
  勢力調査(s, m);
  EXPECT_EQ(以外の数(m.SEIRYOKU_SITA, 0), 0);
  EXPECT_EQ(以外の数(m.SEIRYOKU_UE, 0), 0);
}

TEST(SurveyBasics, StartingPosition) {
  GameState s;
  初期設定_状態(s);
  勢力図 m;
  勢力調査(s, m);
  // (5, 2): the king, both golds and the rook's walk to the right bear on it.
  EXPECT_EQ(m.SEIRYOKU_UE[5][2], 4);
  EXPECT_EQ(m.SEIRYOKU_SITA[5][8], 4);
  // SITA's bishop is defended by the rook and a silver: the rook is kept.
  EXPECT_EQ(m.SITA_MAMORI[2][8], -900);
  EXPECT_EQ(m.SEIRYOKU_SITA[2][8], 2);
  // UE's bishop is defended by the rook (column 2, met first) and by a silver
  // (column 7): the cheaper silver is kept, with its square.
  EXPECT_EQ(m.UE_MAMORI[8][2], 100);
  EXPECT_EQ(m.UE_MAMORI_I[8][2], 7);
  EXPECT_EQ(m.UE_MAMORI_J[8][2], 1);
  EXPECT_EQ(m.SEIRYOKU_UE[8][2], 2);
  // No piece of either side is attacked.
  EXPECT_EQ(以外の数(m.SITA_NERAI, -999), 0);
  EXPECT_EQ(以外の数(m.UE_NERAI, 999), 0);
  EXPECT_EQ(s.SITA_OU_I, 5);
  EXPECT_EQ(s.SITA_OU_J, 9);
  EXPECT_EQ(s.UE_OU_I, 5);
  EXPECT_EQ(s.UE_OU_J, 1);
}

TEST(SurveyBasics, KingSquaresFollowTheKingsAndStayWhenOneIsGone) {
  GameState s = 空の局面();
  s.BAN[4][7] = K_SITA_OU;
  s.BAN[6][2] = K_UE_OU;
  勢力図 m;
  勢力調査(s, m);
  EXPECT_EQ(s.SITA_OU_I, 4);
  EXPECT_EQ(s.SITA_OU_J, 7);
  EXPECT_EQ(s.UE_OU_I, 6);
  EXPECT_EQ(s.UE_OU_J, 2);
  s.BAN[4][7] = KARA;
  s.BAN[6][2] = KARA;
  s.BAN[6][3] = K_UE_OU;
  勢力調査(s, m);
  EXPECT_EQ(s.SITA_OU_I, 4);
  EXPECT_EQ(s.SITA_OU_J, 7);
  EXPECT_EQ(s.UE_OU_I, 6);
  EXPECT_EQ(s.UE_OU_J, 3);
}

TEST(SurveyWalks, SitaRookPassesThroughTheUeKing) {
  GameState s = 空の局面();
  s.BAN[5][5] = K_SITA_SYA;
  s.BAN[5][3] = K_UE_OU;
  勢力図 m;
  勢力調査(s, m);
  for (int j : {4, 3, 2, 1}) EXPECT_EQ(m.SEIRYOKU_SITA[5][j], 1) << "row " << j;
  EXPECT_EQ(m.SITA_NERAI[5][3], -900);
  EXPECT_EQ(m.SITA_NERAI_I[5][3], 5);
  EXPECT_EQ(m.SITA_NERAI_J[5][3], 5);
  // The whole column and row: 8 + 8 squares.
  EXPECT_EQ(以外の数(m.SEIRYOKU_SITA, 0), 16);
}

TEST(SurveyWalks, UeRookPassesThroughTheSitaKingAndStopsAtTheNextPiece) {
  GameState s = 空の局面();
  s.BAN[5][1] = K_UE_SYA;
  s.BAN[5][4] = K_SITA_OU;
  s.BAN[5][7] = K_SITA_KIN;
  勢力図 m;
  勢力調査(s, m);
  for (int j = 2; j <= 7; ++j) EXPECT_EQ(m.SEIRYOKU_UE[5][j], 1) << "row " << j;
  EXPECT_EQ(m.SEIRYOKU_UE[5][8], 0);
  EXPECT_EQ(m.UE_NERAI[5][4], 900);
  EXPECT_EQ(m.UE_NERAI[5][7], 900);
}

TEST(SurveyWalks, UeBishopPassesThroughTheSitaKing) {
  GameState s = 空の局面();
  s.BAN[1][1] = K_UE_KAKU;
  s.BAN[3][3] = K_SITA_OU;
  s.BAN[6][6] = K_SITA_HU;
  勢力図 m;
  勢力調査(s, m);
  for (int k = 2; k <= 6; ++k) EXPECT_EQ(m.SEIRYOKU_UE[k][k], 1) << "square " << k;
  EXPECT_EQ(m.SEIRYOKU_UE[7][7], 0);
  EXPECT_EQ(m.UE_NERAI[3][3], 800);
  EXPECT_EQ(m.UE_NERAI[6][6], 800);
  EXPECT_EQ(以外の数(m.SEIRYOKU_UE, 0), 5);  // a corner bishop runs one walk only
}

TEST(SurveyWalks, OwnPiecesStopAWalkAfterItIsRecordedAsDefended) {
  GameState s = 空の局面();
  s.BAN[2][5] = K_UE_SYA;
  s.BAN[5][5] = K_UE_OU;
  勢力図 m;
  勢力調査(s, m);
  EXPECT_EQ(m.UE_MAMORI[5][5], 900);
  EXPECT_EQ(m.UE_MAMORI_I[5][5], 2);
  EXPECT_EQ(m.UE_MAMORI_J[5][5], 5);
  EXPECT_EQ(m.SEIRYOKU_UE[6][5], 1);  // the king's own step
  EXPECT_EQ(m.SEIRYOKU_UE[7][5], 0);  // the walk stopped at the king

  GameState t = 空の局面();
  t.BAN[5][5] = K_SITA_SYA;
  t.BAN[5][4] = K_SITA_HU;
  勢力調査(t, m);
  EXPECT_EQ(m.SEIRYOKU_SITA[5][4], 1);
  EXPECT_EQ(m.SITA_MAMORI[5][4], -900);
  EXPECT_EQ(m.SEIRYOKU_SITA[5][3], 1);  // the pawn's step
  EXPECT_EQ(m.SEIRYOKU_SITA[5][2], 0);
}

TEST(SurveyWalks, BishopInTheMiddleOfAnEmptyBoardBearsOnSixteenSquares) {
  GameState s = 空の局面();
  s.BAN[5][5] = K_SITA_KAKU;
  勢力図 m;
  勢力調査(s, m);
  EXPECT_EQ(以外の数(m.SEIRYOKU_SITA, 0), 16);
  EXPECT_EQ(m.SEIRYOKU_SITA[1][1], 1);
  EXPECT_EQ(m.SEIRYOKU_SITA[9][1], 1);
  EXPECT_EQ(m.SEIRYOKU_SITA[1][9], 1);
  EXPECT_EQ(m.SEIRYOKU_SITA[9][9], 1);
  EXPECT_EQ(m.SEIRYOKU_SITA[5][4], 0);
}

TEST(SurveyRecords, UeGoldLikePiecesRecord110WithoutASquare) {
  for (int code : {K_UE_NARIHU, K_UE_NARIGIN, K_UE_KIN}) {
    GameState s = 空の局面();
    s.BAN[5][5] = K_UE_SYA;
    s.BAN[5][4] = code;  // its forward step reaches the rook
    勢力図 m;
    m.UE_MAMORI_I[5][5] = 8;
    m.UE_MAMORI_J[5][5] = 8;
    勢力調査(s, m);
    EXPECT_EQ(m.UE_MAMORI[5][5], 110) << code;
    EXPECT_EQ(m.UE_MAMORI_I[5][5], 8) << code;
    EXPECT_EQ(m.UE_MAMORI_J[5][5], 8) << code;
    // The rook's walk up defends the gold-like piece, with its square.
    EXPECT_EQ(m.UE_MAMORI[5][4], 900) << code;
    EXPECT_EQ(m.UE_MAMORI_I[5][4], 5) << code;
    EXPECT_EQ(m.UE_MAMORI_J[5][4], 5) << code;
  }
}

TEST(SurveyRecords, EqualKnightsTieByScanOrder) {
  GameState s = 空の局面();
  s.BAN[4][3] = K_UE_KIN;
  s.BAN[3][1] = K_UE_KEI;
  s.BAN[5][1] = K_UE_KEI;
  勢力図 m;
  勢力調査(s, m);
  EXPECT_EQ(m.UE_MAMORI[4][3], 30);
  EXPECT_EQ(m.UE_MAMORI_I[4][3], 3);
  EXPECT_EQ(m.UE_MAMORI_J[4][3], 1);
  EXPECT_EQ(m.SEIRYOKU_UE[4][3], 2);
}

TEST(SurveyRecords, PawnAfterKnightKeepsTheKnightsSquare) {
  GameState s = 空の局面();
  s.BAN[4][3] = K_UE_KIN;
  s.BAN[3][1] = K_UE_KEI;
  s.BAN[4][2] = K_UE_HU;
  勢力図 m;
  勢力調査(s, m);
  EXPECT_EQ(m.UE_MAMORI[4][3], 10);
  EXPECT_EQ(m.UE_MAMORI_I[4][3], 3);
  EXPECT_EQ(m.UE_MAMORI_J[4][3], 1);
}

TEST(SurveyRecords, SitaKeepsItsMostValuableDefenderAndLeastValuableAttacker) {
  GameState s = 空の局面();
  s.BAN[5][5] = K_SITA_KIN;
  s.BAN[5][6] = K_SITA_HU;
  s.BAN[1][5] = K_SITA_SYA;
  勢力図 m;
  勢力調査(s, m);
  EXPECT_EQ(m.SITA_MAMORI[5][5], -900);
  EXPECT_EQ(m.SEIRYOKU_SITA[5][5], 2);

  s.BAN[5][5] = K_UE_GIN;
  勢力調査(s, m);
  EXPECT_EQ(m.SITA_NERAI[5][5], -10);
  EXPECT_EQ(m.SITA_NERAI_I[5][5], 5);
  EXPECT_EQ(m.SITA_NERAI_J[5][5], 6);
}

TEST(SurveyRecords, EqualSitaAttackersTieByScanOrder) {
  GameState s = 空の局面();
  s.BAN[5][5] = K_UE_GIN;
  s.BAN[4][6] = K_SITA_KIN;
  s.BAN[6][6] = K_SITA_KIN;
  勢力図 m;
  勢力調査(s, m);
  EXPECT_EQ(m.SITA_NERAI[5][5], -110);
  EXPECT_EQ(m.SITA_NERAI_I[5][5], 4);
  EXPECT_EQ(m.SITA_NERAI_J[5][5], 6);
  EXPECT_EQ(m.SEIRYOKU_SITA[5][5], 2);
}

TEST(SurveyRecords, HorseRecordsItsDiagonalsAsABishop) {
  GameState s = 空の局面();
  s.BAN[5][5] = K_SITA_NARIKAKU;
  s.BAN[7][3] = K_UE_KIN;
  s.BAN[5][4] = K_UE_GIN;
  勢力図 m;
  勢力調査(s, m);
  EXPECT_EQ(m.SITA_NERAI[7][3], -800);
  EXPECT_EQ(m.SITA_NERAI_I[7][3], 5);
  EXPECT_EQ(m.SITA_NERAI_J[7][3], 5);
  EXPECT_EQ(m.SITA_NERAI[5][4], -801);
}

TEST(SurveyRecords, UeAttackRecordHasGaps) {
  // A SITA pawn on (5, 5) with one UE piece bearing on it: the count is always
  // there, the attack record only for some kinds.
  struct Case {
    int code, i, j, nerai;
  };
  const Case cases[] = {
      {K_UE_GIN, 5, 4, 999},     {K_UE_KIN, 5, 4, 999},  {K_UE_NARIHU, 5, 4, 999},
      {K_UE_KEI, 4, 3, 999},     {K_UE_OU, 5, 4, 999},   {K_UE_NARIKAKU, 5, 4, 999},
      {K_UE_HU, 5, 4, 10},       {K_UE_KYOU, 5, 2, 20},  {K_UE_SYA, 5, 1, 900},
      {K_UE_NARISYA, 4, 4, 901}, {K_UE_KAKU, 3, 3, 800}, {K_UE_NARIKAKU, 2, 2, 801},
  };
  for (const Case& c : cases) {
    GameState s = 空の局面();
    s.BAN[5][5] = K_SITA_HU;
    s.BAN[c.i][c.j] = c.code;
    勢力図 m;
    勢力調査(s, m);
    EXPECT_EQ(m.SEIRYOKU_UE[5][5], 1) << c.code;
    EXPECT_EQ(m.UE_NERAI[5][5], c.nerai) << c.code;
  }
}

TEST(SurveyRecords, UeDefenceRecordsByKind) {
  // A UE gold on (5, 5) defended by one UE piece: which code is kept, and whether
  // the defender's square is written over the marker (1, 1).
  struct Case {
    int code, i, j, mamori;
    bool square;
  };
  const Case cases[] = {
      {K_UE_HU, 5, 4, 10, false},        {K_UE_KYOU, 5, 1, 20, true},
      {K_UE_KEI, 4, 3, 30, true},        {K_UE_GIN, 5, 4, 100, true},
      {K_UE_NARIKEI, 5, 4, 110, false},  {K_UE_KAKU, 3, 3, 800, true},
      {K_UE_NARIKAKU, 5, 4, 999, false}, {K_UE_SYA, 5, 1, 900, true},
      {K_UE_NARISYA, 4, 4, 901, true},   {K_UE_OU, 5, 4, 950, false},
  };
  for (const Case& c : cases) {
    GameState s = 空の局面();
    s.BAN[5][5] = K_UE_KIN;
    s.BAN[c.i][c.j] = c.code;
    勢力図 m;
    m.UE_MAMORI_I[5][5] = 1;
    m.UE_MAMORI_J[5][5] = 1;
    勢力調査(s, m);
    EXPECT_EQ(m.SEIRYOKU_UE[5][5], 1) << c.code;
    EXPECT_EQ(m.UE_MAMORI[5][5], c.mamori) << c.code;
    EXPECT_EQ(m.UE_MAMORI_I[5][5], c.square ? c.i : 1) << c.code;
    EXPECT_EQ(m.UE_MAMORI_J[5][5], c.square ? c.j : 1) << c.code;
  }
}

TEST(SurveyRecords, DefenceSquaresCarryAcrossSurveys) {
  // A knight writes its square; in the next survey only a pawn defends the piece:
  // the code changes, the square stays the knight's.
  GameState s = 空の局面();
  s.BAN[4][3] = K_UE_KIN;
  s.BAN[3][1] = K_UE_KEI;
  勢力図 m;
  勢力調査(s, m);
  s.BAN[3][1] = KARA;
  s.BAN[4][2] = K_UE_HU;
  勢力調査(s, m);
  EXPECT_EQ(m.UE_MAMORI[4][3], 10);
  EXPECT_EQ(m.UE_MAMORI_I[4][3], 3);
  EXPECT_EQ(m.UE_MAMORI_J[4][3], 1);
}

}  // namespace
}  // namespace kazeban::testing
