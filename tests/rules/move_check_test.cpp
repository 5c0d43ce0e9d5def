// Movement of every kind of piece, paths, destinations and drops.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "board_builder.h"
#include "rules/move_check.h"

namespace kazeban::testing {
namespace {

struct StepCase {
  const char* name;
  int code;
  std::vector<Square> offsets;  // reachable (Δi, Δj) from (5, 5) on an empty board
};

void PrintTo(const StepCase& c, std::ostream* os) {
  *os << c.name;
}

Squares From55(const std::vector<Square>& offsets) {
  Squares out;
  for (auto [di, dj] : offsets) out.insert({5 + di, 5 + dj});
  return out;
}

const std::vector<Square> kKing = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                   {1, 0},   {-1, 1}, {0, 1},  {1, 1}};
const std::vector<Square> kSitaGold = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {0, 1}};
const std::vector<Square> kUeGold = {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {0, -1}};

class StepPieces : public ::testing::TestWithParam<StepCase> {};

TEST_P(StepPieces, ReachExactlyTheirSquaresFromTheCentre) {
  const StepCase& c = GetParam();
  GameState s = EmptyBoard();
  s.BAN[5][5] = c.code;
  EXPECT_EQ(Reachable(s, 5, 5, c.code), From55(c.offsets));
}

INSTANTIATE_TEST_SUITE_P(
    BothSides, StepPieces,
    ::testing::Values(
        StepCase{"SitaPawn", K_SITA_HU, {{0, -1}}},
        StepCase{"SitaLance", K_SITA_KYOU, {{0, -1}, {0, -2}, {0, -3}, {0, -4}}},
        StepCase{"SitaKnight", K_SITA_KEI, {{-1, -2}, {1, -2}}},
        StepCase{"SitaSilver", K_SITA_GIN, {{-1, -1}, {0, -1}, {1, -1}, {-1, 1}, {1, 1}}},
        StepCase{"SitaGold", K_SITA_KIN, kSitaGold},
        StepCase{"SitaTokin", K_SITA_NARIHU, kSitaGold},
        StepCase{"SitaPromotedLance", K_SITA_NARIKYOU, kSitaGold},
        StepCase{"SitaPromotedKnight", K_SITA_NARIKEI, kSitaGold},
        StepCase{"SitaPromotedSilver", K_SITA_NARIGIN, kSitaGold},
        StepCase{"SitaKing", K_SITA_OU, kKing}, StepCase{"UePawn", K_UE_HU, {{0, 1}}},
        StepCase{"UeLance", K_UE_KYOU, {{0, 1}, {0, 2}, {0, 3}, {0, 4}}},
        StepCase{"UeKnight", K_UE_KEI, {{-1, 2}, {1, 2}}},
        StepCase{"UeSilver", K_UE_GIN, {{-1, 1}, {0, 1}, {1, 1}, {-1, -1}, {1, -1}}},
        StepCase{"UeGold", K_UE_KIN, kUeGold}, StepCase{"UeTokin", K_UE_NARIHU, kUeGold},
        StepCase{"UePromotedLance", K_UE_NARIKYOU, kUeGold},
        StepCase{"UePromotedKnight", K_UE_NARIKEI, kUeGold},
        StepCase{"UePromotedSilver", K_UE_NARIGIN, kUeGold}, StepCase{"UeKing", K_UE_OU, kKing}),
    [](const auto& p) { return std::string(p.param.name); });

std::vector<Square> RookLines() {
  std::vector<Square> v;
  for (int d = -4; d <= 4; ++d) {
    if (d == 0) continue;
    v.push_back({d, 0});
    v.push_back({0, d});
  }
  return v;
}

std::vector<Square> BishopLines() {
  std::vector<Square> v;
  for (int d = -4; d <= 4; ++d) {
    if (d == 0) continue;
    v.push_back({d, d});
    v.push_back({d, -d});
  }
  return v;
}

TEST(Sliders, RookAndBishopSweepTheEmptyBoard) {
  for (int code : {K_SITA_SYA, K_UE_SYA}) {
    GameState s = EmptyBoard();
    s.BAN[5][5] = code;
    EXPECT_EQ(Reachable(s, 5, 5, code), From55(RookLines())) << code;
  }
  for (int code : {K_SITA_KAKU, K_UE_KAKU}) {
    GameState s = EmptyBoard();
    s.BAN[5][5] = code;
    EXPECT_EQ(Reachable(s, 5, 5, code), From55(BishopLines())) << code;
  }
}

TEST(Sliders, PromotedPiecesAddTheOtherOneStepMoves) {
  for (int code : {K_SITA_NARISYA, K_UE_NARISYA}) {
    GameState s = EmptyBoard();
    s.BAN[5][5] = code;
    auto want = RookLines();
    want.insert(want.end(), {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}});
    EXPECT_EQ(Reachable(s, 5, 5, code), From55(want)) << code;
    // Two squares diagonally is neither a one-step move nor on a rook line.
    EXPECT_EQ(移動チェック(s, 5, 5, 7, 7, code), OFF);
  }
  for (int code : {K_SITA_NARIKAKU, K_UE_NARIKAKU}) {
    GameState s = EmptyBoard();
    s.BAN[5][5] = code;
    auto want = BishopLines();
    want.insert(want.end(), {{0, -1}, {0, 1}, {-1, 0}, {1, 0}});
    EXPECT_EQ(Reachable(s, 5, 5, code), From55(want)) << code;
    EXPECT_EQ(移動チェック(s, 5, 5, 5, 7, code), OFF);
  }
}

TEST(Sliders, StopAtTheFirstPieceAndMayCaptureOnlyAnEnemyThere) {
  GameState s = EmptyBoard();
  s.BAN[5][9] = K_SITA_KYOU;
  s.BAN[5][5] = K_UE_HU;  // first occupied square
  s.BAN[5][3] = K_UE_KIN;
  EXPECT_EQ(Reachable(s, 5, 9, K_SITA_KYOU), (Squares{{5, 8}, {5, 7}, {5, 6}, {5, 5}}));

  s.BAN[5][5] = K_SITA_HU;  // own piece: the lance stops short of it
  EXPECT_EQ(Reachable(s, 5, 9, K_SITA_KYOU), (Squares{{5, 8}, {5, 7}, {5, 6}}));

  GameState r = EmptyBoard();
  r.BAN[1][1] = K_UE_KYOU;
  r.BAN[1][4] = K_SITA_GIN;
  EXPECT_EQ(Reachable(r, 1, 1, K_UE_KYOU), (Squares{{1, 2}, {1, 3}, {1, 4}}));

  GameState b = EmptyBoard();
  b.BAN[5][5] = K_UE_KAKU;
  b.BAN[7][7] = K_SITA_HU;  // capturable, nothing beyond it
  b.BAN[3][3] = K_UE_HU;    // own piece blocks without capture
  Squares want = {{6, 6}, {7, 7}, {4, 4}, {6, 4}, {7, 3}, {8, 2},
                  {9, 1}, {4, 6}, {3, 7}, {2, 8}, {1, 9}};
  EXPECT_EQ(Reachable(b, 5, 5, K_UE_KAKU), want);

  GameState k = EmptyBoard();
  k.BAN[5][5] = K_SITA_SYA;
  k.BAN[5][3] = K_UE_OU;  // a rook stops at a king like at any piece
  k.BAN[8][5] = K_SITA_KIN;
  Squares rook = {{5, 4}, {5, 3}, {5, 6}, {5, 7}, {5, 8}, {5, 9},
                  {6, 5}, {7, 5}, {4, 5}, {3, 5}, {2, 5}, {1, 5}};
  EXPECT_EQ(Reachable(k, 5, 5, K_SITA_SYA), rook);
}

TEST(Destinations, OffBoardSameSquareAndOwnPiecesAreRefused) {
  GameState s = EmptyBoard();
  s.BAN[5][5] = K_SITA_OU;
  s.BAN[4][4] = K_SITA_HU;
  s.BAN[6][4] = K_UE_HU;
  EXPECT_EQ(移動チェック(s, 5, 5, 5, 5, K_SITA_OU), OFF);
  EXPECT_EQ(移動チェック(s, 5, 5, 4, 4, K_SITA_OU), OFF);
  EXPECT_EQ(移動チェック(s, 5, 5, 6, 4, K_SITA_OU), ON);
  EXPECT_EQ(移動チェック(s, 1, 5, 0, 5, K_SITA_SYA), OFF);
  EXPECT_EQ(移動チェック(s, 9, 5, 10, 5, K_SITA_SYA), OFF);
  EXPECT_EQ(移動チェック(s, 5, 1, 5, 0, K_SITA_SYA), OFF);
  EXPECT_EQ(移動チェック(s, 5, 9, 5, 10, K_UE_SYA), OFF);
  EXPECT_EQ(移動チェック(s, 6, 5, 6, 4, K_UE_KIN), OFF);  // onto its own pawn
}

TEST(StartingPosition, PawnStepsAndBlockedPieces) {
  GameState s;
  初期設定_状態(s);
  調査_2歩フラグ設定(s);
  EXPECT_EQ(移動チェック(s, 7, 7, 7, 6, K_SITA_HU), ON);
  EXPECT_EQ(移動チェック(s, 7, 7, 7, 5, K_SITA_HU), OFF);
  EXPECT_EQ(移動チェック(s, 8, 8, 8, 4, K_SITA_SYA), OFF);   // own pawn on (8, 7)
  EXPECT_EQ(移動チェック(s, 2, 8, 3, 7, K_SITA_KAKU), OFF);  // own pawn on the destination
  EXPECT_EQ(移動チェック(s, 8, 8, 3, 8, K_SITA_SYA), ON);
  EXPECT_EQ(移動チェック(s, 2, 9, 3, 7, K_SITA_KEI), OFF);
  EXPECT_EQ(移動チェック(s, 8, 1, 9, 3, K_UE_KEI), OFF);
  EXPECT_EQ(移動チェック(s, 3, 3, 3, 4, K_UE_HU), ON);
  EXPECT_EQ(移動チェック(s, 3, 3, 3, 2, K_UE_HU), OFF);
}

TEST(Drops, PawnsObeyTheDoublePawnRuleAndTheLastRow) {
  GameState s = EmptyBoard();
  s.BAN[3][7] = K_SITA_HU;
  s.BAN[4][7] = K_SITA_NARIHU;  // a promoted pawn does not count
  s.BAN[6][3] = K_UE_HU;
  Squares sita = Reachable(s, 11, 3, K_SITA_HU);
  for (int j = 1; j <= 9; ++j) {
    EXPECT_FALSE(sita.count({3, j})) << "second pawn in column 3, row " << j;
  }
  EXPECT_FALSE(sita.count({5, 1}));
  EXPECT_TRUE(sita.count({3, 7}) == 0 && sita.count({4, 5}) == 1 && sita.count({6, 2}) == 1);
  EXPECT_FALSE(sita.count({4, 7}));      // occupied
  EXPECT_EQ(sita.size(), 8u * 8u - 2u);  // 8 columns × rows 2..9, less (4, 7) and (6, 3)

  Squares ue = Reachable(s, -1, 7, K_UE_HU);
  for (int j = 1; j <= 9; ++j) EXPECT_FALSE(ue.count({6, j}));
  EXPECT_FALSE(ue.count({1, 9}));
  EXPECT_TRUE(ue.count({3, 8}));
  EXPECT_TRUE(ue.count({1, 1}));
}

TEST(Drops, LancesAndKnightsNeverWhereTheyCouldNotMove) {
  GameState s = EmptyBoard();
  for (int i = 1; i <= 9; ++i) {
    EXPECT_EQ(移動チェック(s, 11, 4, i, 1, K_SITA_KYOU), OFF);
    EXPECT_EQ(移動チェック(s, 11, 4, i, 2, K_SITA_KYOU), ON);
    EXPECT_EQ(移動チェック(s, 11, 5, i, 1, K_SITA_KEI), OFF);
    EXPECT_EQ(移動チェック(s, 11, 5, i, 2, K_SITA_KEI), OFF);
    EXPECT_EQ(移動チェック(s, 11, 5, i, 3, K_SITA_KEI), ON);
    EXPECT_EQ(移動チェック(s, -1, 6, i, 9, K_UE_KYOU), OFF);
    EXPECT_EQ(移動チェック(s, -1, 6, i, 8, K_UE_KYOU), ON);
    EXPECT_EQ(移動チェック(s, -1, 5, i, 9, K_UE_KEI), OFF);
    EXPECT_EQ(移動チェック(s, -1, 5, i, 8, K_UE_KEI), OFF);
    EXPECT_EQ(移動チェック(s, -1, 5, i, 7, K_UE_KEI), ON);
  }
}

TEST(Drops, OtherPiecesGoOnAnyEmptySquare) {
  GameState s = EmptyBoard();
  s.BAN[5][5] = K_UE_HU;
  s.BAN[4][4] = K_SITA_HU;
  for (int code : {K_SITA_GIN, K_SITA_KIN, K_SITA_KAKU, K_SITA_SYA}) {
    Squares r = Reachable(s, 11, 6, code);
    EXPECT_EQ(r.size(), 79u) << code;
    EXPECT_TRUE(r.count({1, 1}) && r.count({9, 1})) << "the last row is allowed";
    EXPECT_FALSE(r.count({5, 5}) || r.count({4, 4})) << "occupied squares are not";
  }
  for (int code : {K_UE_GIN, K_UE_KIN, K_UE_KAKU, K_UE_SYA}) {
    Squares r = Reachable(s, -1, 2, code);
    EXPECT_EQ(r.size(), 79u) << code;
    EXPECT_TRUE(r.count({1, 9}));
  }
}

TEST(Paths, LongMovesNeedEverySquareBetweenEmpty) {
  GameState s = EmptyBoard();
  s.BAN[3][3] = K_SITA_HU;
  EXPECT_EQ(移動チェック飛車(s, 3, 1, 3, 5), OFF);
  EXPECT_EQ(移動チェック飛車(s, 3, 1, 3, 3), ON);  // the end squares are not looked at
  EXPECT_EQ(移動チェック飛車(s, 1, 3, 5, 3), OFF);
  EXPECT_EQ(移動チェック飛車(s, 1, 1, 2, 2), OFF);
  EXPECT_EQ(移動チェック角(s, 1, 1, 5, 5), OFF);
  EXPECT_EQ(移動チェック角(s, 1, 1, 3, 3), ON);
  EXPECT_EQ(移動チェック角(s, 5, 1, 1, 5), OFF);  // passes (3, 3)
  EXPECT_EQ(移動チェック角(s, 6, 1, 2, 5), ON);
  EXPECT_EQ(移動チェック角(s, 1, 1, 1, 5), OFF);
  EXPECT_EQ(移動チェック角(s, 2, 2, 2, 2), OFF);
}

}  // namespace
}  // namespace kazeban::testing
