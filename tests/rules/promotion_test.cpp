// Promotion zones, the double-pawn flags and captures into hand.
#include <gtest/gtest.h>

#include "board_builder.h"
#include "rules/promotion.h"

namespace kazeban::testing {
namespace {

TEST(Promotion, SitaZoneIsRowsOneToThree) {
  GameState s = EmptyBoard();
  EXPECT_EQ(調査_駒成(s, 5, 3, 5, 4, K_SITA_GIN), ON);  // starts in the zone
  EXPECT_EQ(s.NARI_KOMA, K_SITA_NARIGIN);
  EXPECT_EQ(調査_駒成(s, 5, 4, 5, 3, K_SITA_HU), ON);
  EXPECT_EQ(s.NARI_KOMA, K_SITA_NARIHU);
  EXPECT_EQ(調査_駒成(s, 5, 5, 5, 4, K_SITA_HU), OFF);
  EXPECT_EQ(調査_駒成(s, 5, 3, 5, 4, K_SITA_KEI), OFF);  // forward-only pieces: destination only
  EXPECT_EQ(調査_駒成(s, 5, 4, 4, 2, K_SITA_KEI), ON);
  EXPECT_EQ(s.NARI_KOMA, K_SITA_NARIKEI);
  EXPECT_EQ(調査_駒成(s, 8, 8, 2, 2, K_SITA_KAKU), ON);
  EXPECT_EQ(s.NARI_KOMA, K_SITA_NARIKAKU);
  EXPECT_EQ(調査_駒成(s, 8, 2, 8, 8, K_SITA_SYA), ON);  // leaves the zone
  EXPECT_EQ(s.NARI_KOMA, K_SITA_NARISYA);
  EXPECT_EQ(調査_駒成(s, 1, 9, 1, 4, K_SITA_KYOU), OFF);
}

TEST(Promotion, UeZoneIsRowsSevenToNine) {
  GameState s = EmptyBoard();
  EXPECT_EQ(調査_駒成(s, 1, 7, 1, 4, K_UE_SYA), ON);  // leaves the zone
  EXPECT_EQ(s.NARI_KOMA, K_UE_NARISYA);
  EXPECT_EQ(調査_駒成(s, 5, 6, 5, 7, K_UE_HU), ON);
  EXPECT_EQ(s.NARI_KOMA, K_UE_NARIHU);
  EXPECT_EQ(調査_駒成(s, 5, 7, 5, 6, K_UE_KYOU), OFF);
  EXPECT_EQ(調査_駒成(s, 5, 5, 5, 6, K_UE_GIN), OFF);
  EXPECT_EQ(調査_駒成(s, 4, 4, 7, 7, K_UE_KAKU), ON);
  EXPECT_EQ(s.NARI_KOMA, K_UE_NARIKAKU);
}

TEST(Promotion, NeverForGoldsKingsPromotedPiecesOrDrops) {
  GameState s = EmptyBoard();
  s.NARI_KOMA = 12345;
  for (int code : {K_SITA_KIN, K_SITA_OU, K_SITA_NARIGIN, K_SITA_NARIHU, K_SITA_NARISYA}) {
    EXPECT_EQ(調査_駒成(s, 5, 4, 5, 3, code), OFF) << code;
  }
  for (int code : {K_UE_KIN, K_UE_OU, K_UE_NARIKAKU, K_UE_NARIKEI}) {
    EXPECT_EQ(調査_駒成(s, 5, 6, 5, 7, code), OFF) << code;
  }
  EXPECT_EQ(調査_駒成(s, 11, 3, 5, 2, K_SITA_HU), OFF);
  EXPECT_EQ(調査_駒成(s, -1, 1, 5, 8, K_UE_HU), OFF);
  EXPECT_EQ(s.NARI_KOMA, 12345) << "a refused promotion leaves NARI_KOMA alone";
}

TEST(DoublePawnFlags, MarkColumnsWithAnUnpromotedPawn) {
  GameState s = EmptyBoard();
  s.BAN[3][7] = K_SITA_HU;
  s.BAN[7][2] = K_SITA_HU;
  s.BAN[5][4] = K_SITA_NARIHU;
  s.BAN[5][5] = K_UE_HU;
  s.BAN[3][3] = K_UE_HU;
  s.NIFU_SITA[1] = 1;  // stale flags are rebuilt
  調査_2歩フラグ設定(s);
  for (int i = 1; i <= 9; ++i) {
    EXPECT_EQ(s.NIFU_SITA[i], i == 3 || i == 7 ? 1 : 0) << i;
    EXPECT_EQ(s.NIFU_UE[i], i == 3 || i == 5 ? 1 : 0) << i;
  }
}

TEST(Capture, PiecesReturnToHandUnpromoted) {
  GameState s = EmptyBoard();
  駒取得(s, K_UE_NARIKAKU);
  駒取得(s, K_UE_HU);
  駒取得(s, K_UE_NARIHU);
  駒取得(s, K_UE_SYA);
  EXPECT_EQ(s.SITA_MOCHI[6], 1);
  EXPECT_EQ(s.SITA_MOCHI[1], 2);
  EXPECT_EQ(s.SITA_MOCHI[7], 1);
  駒取得(s, K_SITA_NARIGIN);
  駒取得(s, K_SITA_KIN);
  駒取得(s, K_SITA_NARIKYOU);
  駒取得(s, K_SITA_KEI);
  EXPECT_EQ(s.UE_MOCHI[4], 1);
  EXPECT_EQ(s.UE_MOCHI[5], 1);
  EXPECT_EQ(s.UE_MOCHI[2], 1);
  EXPECT_EQ(s.UE_MOCHI[3], 1);
  EXPECT_EQ(s.SITA_MOCHI_SU, 0) << "totals are the caller's business";
  EXPECT_EQ(s.UE_MOCHI_SU, 0);
  駒取得(s, KARA);
  駒取得(s, 5);
  int sita = 0, ue = 0;
  for (int k = 1; k <= 7; ++k) sita += s.SITA_MOCHI[k], ue += s.UE_MOCHI[k];
  EXPECT_EQ(sita, 4);
  EXPECT_EQ(ue, 4);
}

TEST(Capture, AKingRecordsTheCapturersRoleAndNoHand) {
  GameState s = EmptyBoard();
  s.SITA_SENGO = GOTE;
  s.UE_SENGO = SENTE;
  駒取得(s, K_UE_OU);
  EXPECT_EQ(s.SYOUSYA, GOTE);
  駒取得(s, K_SITA_OU);
  EXPECT_EQ(s.SYOUSYA, SENTE);
  for (int k = 0; k <= 7; ++k) {
    EXPECT_EQ(s.SITA_MOCHI[k], 0);
    EXPECT_EQ(s.UE_MOCHI[k], 0);
  }
}

}  // namespace
}  // namespace kazeban::testing
