// The starting position and what a new setup keeps.
#include <gtest/gtest.h>

#include "rules/game_state.h"
#include "rules/pieces.h"

namespace kazeban {
namespace {

TEST(Setup, StartingPosition) {
  GameState s;
  初期設定_状態(s);
  EXPECT_EQ(s.BAN[5][9], -950);
  EXPECT_EQ(s.BAN[5][1], 950);
  EXPECT_EQ(s.BAN[2][8], -800);
  EXPECT_EQ(s.BAN[8][8], -900);
  EXPECT_EQ(s.BAN[2][2], 900);
  EXPECT_EQ(s.BAN[8][2], 800);
  const int back[10] = {0, 20, 30, 100, 110, 950, 110, 100, 30, 20};
  int pieces = 0;
  for (int i = 1; i <= 9; ++i) {
    EXPECT_EQ(s.BAN[i][1], back[i]);
    EXPECT_EQ(s.BAN[i][9], -back[i]);
    EXPECT_EQ(s.BAN[i][3], 10);
    EXPECT_EQ(s.BAN[i][7], -10);
    for (int j = 4; j <= 6; ++j) EXPECT_EQ(s.BAN[i][j], 0);
    for (int j = 1; j <= 9; ++j) pieces += s.BAN[i][j] != 0;
  }
  EXPECT_EQ(pieces, 40);
  for (int k = 0; k <= 7; ++k) {
    EXPECT_EQ(s.SITA_MOCHI[k], 0);
    EXPECT_EQ(s.UE_MOCHI[k], 0);
  }
  EXPECT_EQ(s.SITA_MOCHI_SU, 0);
  EXPECT_EQ(s.UE_MOCHI_SU, 0);
  EXPECT_EQ(s.TEBAN, -1);
  EXPECT_EQ(s.SYOUSYA, NASHI);
}

TEST(Setup, EndsTheGameButKeepsRolesLevelAndGuidance) {
  GameState s;
  初期設定_状態(s);
  s.TAIKYOKU_SYU = TAI_COM;
  s.SITA_SENGO = GOTE;
  s.UE_SENGO = SENTE;
  s.TEBAN = GOTE;
  s.COM_LEVEL = 1;
  s.SIDOU_FLAG = 1;
  s.SIDOU_IRO = IRO_15;
  s.HANDE = 4;
  s.HANDE_FLAG = ON;
  s.HANTEN_FLAG = ON;
  s.KIFU_MODE = ON;
  s.TESUU = 12;
  s.KIFU_SUU = 12;
  s.KIFU_SAIGO = 14;
  s.SENTAKU_JOUTAI = 1;
  s.SYOUSYA = SENTE;
  s.BAN[5][5] = K_UE_NARISYA;
  s.SITA_MOCHI[3] = 2;
  s.UE_MOCHI_SU = 7;
  初期設定_状態(s);
  EXPECT_EQ(s.TEBAN, NASHI);
  EXPECT_EQ(s.TAIKYOKU_SYU, TAI_COM);
  EXPECT_EQ(s.SITA_SENGO, GOTE);
  EXPECT_EQ(s.UE_SENGO, SENTE);
  EXPECT_EQ(s.COM_LEVEL, 1);
  EXPECT_EQ(s.SIDOU_FLAG, 1);
  EXPECT_EQ(s.SIDOU_IRO, IRO_15);
  EXPECT_EQ(s.HANDE, 0);
  EXPECT_EQ(s.HANDE_FLAG, OFF);
  EXPECT_EQ(s.HANTEN_FLAG, OFF);
  EXPECT_EQ(s.KIFU_MODE, OFF);
  EXPECT_EQ(s.TESUU, 0);
  EXPECT_EQ(s.KIFU_SUU, 0);
  EXPECT_EQ(s.KIFU_SAIGO, 0);
  EXPECT_EQ(s.SENTAKU_JOUTAI, 0);
  EXPECT_EQ(s.SYOUSYA, NASHI);
  EXPECT_EQ(s.BAN[5][5], KARA);
  EXPECT_EQ(s.SITA_MOCHI[3], 0);
  EXPECT_EQ(s.UE_MOCHI_SU, 0);
}

TEST(Codes, SidesKindsAndPromotion) {
  EXPECT_TRUE(SITAの駒(-10));
  EXPECT_FALSE(UEの駒(-10));
  EXPECT_TRUE(UEの駒(10));
  EXPECT_FALSE(SITAの駒(0) || UEの駒(0));
  for (int c = -9; c <= 9; ++c) EXPECT_FALSE(盤上の駒コード(c)) << c;
  EXPECT_FALSE(盤上の駒コード(111));
  EXPECT_FALSE(盤上の駒コード(-111));
  EXPECT_TRUE(盤上の駒コード(-801));
  EXPECT_EQ(駒種類(-31), 3);
  EXPECT_EQ(駒種類(901), 7);
  EXPECT_EQ(駒種類(950), 0);
  EXPECT_EQ(持駒_UEコード(4), 100);
  EXPECT_EQ(持駒_SITAコード(6), -800);
  EXPECT_EQ(持駒_UEコード(0), 0);
  EXPECT_EQ(持駒_UEコード(8), 0);
  // Hand squares: SITA's kind k on row k + 2, UE's on row 8 − k.
  EXPECT_EQ(持駒_SITAコード(5 - 2), K_SITA_KEI);
  EXPECT_EQ(持駒_UEコード(8 - 5), K_UE_KEI);
}

}  // namespace
}  // namespace kazeban
