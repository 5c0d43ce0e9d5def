// Making a move: the stranded-piece test, the move record and the board and hands.
#include <gtest/gtest.h>

#include "board_builder.h"
#include "rules/move.h"
#include "rules/pieces.h"

namespace kazeban::testing {
namespace {

TEST(AfterMoveCheck, StrandedPawnsLancesAndKnightsMustPromote) {
  EXPECT_EQ(移動後チェック(1, K_SITA_KEI), OFF);
  EXPECT_EQ(移動後チェック(2, K_SITA_KEI), OFF);
  EXPECT_EQ(移動後チェック(3, K_SITA_KEI), ON);
  EXPECT_EQ(移動後チェック(1, K_SITA_HU), OFF);
  EXPECT_EQ(移動後チェック(2, K_SITA_HU), ON);
  EXPECT_EQ(移動後チェック(1, K_SITA_KYOU), OFF);
  EXPECT_EQ(移動後チェック(9, K_UE_KYOU), OFF);
  EXPECT_EQ(移動後チェック(9, K_UE_HU), OFF);
  EXPECT_EQ(移動後チェック(8, K_UE_HU), ON);
  EXPECT_EQ(移動後チェック(8, K_UE_KEI), OFF);
  EXPECT_EQ(移動後チェック(7, K_UE_KEI), ON);
  for (int j = 1; j <= 9; ++j) {
    for (int code : {K_SITA_GIN, K_SITA_KIN, K_SITA_NARIHU, K_UE_GIN, K_UE_KIN, K_UE_NARIHU}) {
      EXPECT_EQ(移動後チェック(j, code), ON) << code << " row " << j;
    }
  }
}

TEST(Record, FirstMoveFromTheStartingPosition) {
  GameState s;
  初期設定_状態(s);
  ASSERT_TRUE(手順保存(s, 7, 7, 7, 6, K_SITA_HU, K_SITA_HU));
  駒移動_盤(s, 7, 7, 7, 6, K_SITA_HU);
  EXPECT_EQ(s.KIFU_SUU, 1);
  EXPECT_EQ(s.KIFU_SAIGO, 1);
  EXPECT_EQ(s.KIFU_MOTO_I[1], 7);
  EXPECT_EQ(s.KIFU_MOTO_J[1], 7);
  EXPECT_EQ(s.KIFU_SAKI_I[1], 7);
  EXPECT_EQ(s.KIFU_SAKI_J[1], 6);
  EXPECT_EQ(s.KIFU_TORI[1], KARA);
  EXPECT_EQ(s.KIFU_KOMA[1], K_SITA_HU);
  EXPECT_EQ(s.KIFU_NARI[1], K_SITA_HU);
  EXPECT_EQ(s.BAN[7][7], KARA);
  EXPECT_EQ(s.BAN[7][6], K_SITA_HU);
}

TEST(Record, AMoveAfterSteppingBackDropsTheLaterMoves) {
  GameState s;
  初期設定_状態(s);
  手順保存(s, 7, 7, 7, 6, K_SITA_HU, K_SITA_HU);
  手順保存(s, 3, 3, 3, 4, K_UE_HU, K_UE_HU);
  手順保存(s, 2, 7, 2, 6, K_SITA_HU, K_SITA_HU);
  ASSERT_EQ(s.KIFU_SAIGO, 3);
  s.KIFU_SUU = 1;  // two moves taken back
  手順保存(s, 8, 3, 8, 4, K_UE_HU, K_UE_HU);
  EXPECT_EQ(s.KIFU_SUU, 2);
  EXPECT_EQ(s.KIFU_SAIGO, 2);
  EXPECT_EQ(s.KIFU_MOTO_I[2], 8);
  EXPECT_EQ(s.KIFU_SAKI_J[2], 4);
}

TEST(Record, NothingIsWrittenPastTheLastEntry) {
  GameState s;
  初期設定_状態(s);
  for (int n = 1; n <= KIFU_MAX; ++n) {
    ASSERT_FALSE(棋譜満杯(s));
    ASSERT_TRUE(手順保存(s, 5, 9, 5, 8, K_SITA_OU, K_SITA_OU));
  }
  EXPECT_TRUE(棋譜満杯(s));
  const GameState before = s;
  EXPECT_FALSE(手順保存(s, 1, 1, 1, 2, K_UE_KYOU, K_UE_KYOU));
  EXPECT_EQ(s.KIFU_SUU, KIFU_MAX);
  EXPECT_EQ(s.KIFU_SAIGO, KIFU_MAX);
  EXPECT_EQ(s.KIFU_MOTO_I[KIFU_MAX], before.KIFU_MOTO_I[KIFU_MAX]);
}

TEST(MakeMove, DropsLeaveTheRightHand) {
  GameState s = EmptyBoard();
  s.SITA_MOCHI[4] = 2;
  s.SITA_MOCHI_SU = 2;
  手順保存(s, 11, 6, 5, 5, K_SITA_GIN, K_SITA_GIN);
  EXPECT_EQ(駒移動_盤(s, 11, 6, 5, 5, K_SITA_GIN), KARA);
  EXPECT_EQ(s.KIFU_MOTO_I[1], 11);
  EXPECT_EQ(s.KIFU_MOTO_J[1], 6);
  EXPECT_EQ(s.BAN[5][5], K_SITA_GIN);
  EXPECT_EQ(s.SITA_MOCHI[4], 1);
  EXPECT_EQ(s.SITA_MOCHI_SU, 1);

  // UE's hand square of a pawn is row 7, but the move itself takes the kind index.
  s.UE_MOCHI[1] = 1;
  s.UE_MOCHI_SU = 1;
  手順保存(s, -1, 7, 4, 4, K_UE_HU, K_UE_HU);
  駒移動_盤(s, -1, 1, 4, 4, K_UE_HU);
  EXPECT_EQ(s.KIFU_MOTO_J[2], 7);
  EXPECT_EQ(s.BAN[4][4], K_UE_HU);
  EXPECT_EQ(s.UE_MOCHI[1], 0);
  EXPECT_EQ(s.UE_MOCHI_SU, 0);
}

TEST(MakeMove, CapturesGoToTheCapturerUnpromoted) {
  GameState s = EmptyBoard();
  s.BAN[5][5] = K_SITA_GIN;
  s.BAN[4][4] = K_UE_NARISYA;
  手順保存(s, 5, 5, 4, 4, K_SITA_GIN, K_SITA_GIN);
  EXPECT_EQ(駒移動_盤(s, 5, 5, 4, 4, K_SITA_GIN), K_UE_NARISYA);
  EXPECT_EQ(s.KIFU_TORI[1], K_UE_NARISYA);
  EXPECT_EQ(s.SITA_MOCHI[7], 1);
  EXPECT_EQ(s.SITA_MOCHI_SU, 1);
  EXPECT_EQ(s.BAN[5][5], KARA);

  s.BAN[4][6] = K_UE_KEI;
  駒移動_盤(s, 4, 6, 5, 4, K_UE_NARIKEI);  // an empty destination: nothing captured
  EXPECT_EQ(s.UE_MOCHI_SU, 0);
  s.BAN[5][3] = K_UE_GIN;
  駒移動_盤(s, 5, 3, 4, 4, K_UE_NARIGIN);
  EXPECT_EQ(s.UE_MOCHI[4], 1);
  EXPECT_EQ(s.UE_MOCHI_SU, 1);
  EXPECT_EQ(s.BAN[4][4], K_UE_NARIGIN);
}

TEST(MakeMove, ACapturedKingCountsInTheTotalAndNamesTheWinner) {
  GameState s = EmptyBoard();
  s.SITA_SENGO = SENTE;
  s.UE_SENGO = GOTE;
  s.BAN[5][2] = K_SITA_KIN;
  s.BAN[5][1] = K_UE_OU;
  手順保存(s, 5, 2, 5, 1, K_SITA_KIN, K_SITA_KIN);
  EXPECT_EQ(駒移動_盤(s, 5, 2, 5, 1, K_SITA_KIN), K_UE_OU);
  EXPECT_EQ(s.SYOUSYA, SENTE);
  EXPECT_EQ(s.SITA_MOCHI_SU, 1);
  for (int k = 1; k <= 7; ++k) EXPECT_EQ(s.SITA_MOCHI[k], 0);
  EXPECT_EQ(s.KIFU_TORI[1], K_UE_OU);
}

TEST(MakeMove, SitasKingSquareFollowsItsKing) {
  GameState s = EmptyBoard();
  s.BAN[5][9] = K_SITA_OU;
  駒移動_盤(s, 5, 9, 4, 8, K_SITA_OU);
  EXPECT_EQ(s.SITA_OU_I, 4);
  EXPECT_EQ(s.SITA_OU_J, 8);
}

}  // namespace
}  // namespace kazeban::testing
