// Moves in Western notation, each played on a position worked out by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/western_notation.h"
#include "rules/move.h"

namespace kazeban {
namespace {

struct Placed {
  int i, j, code;
};

struct Case {
  const char* what;
  std::vector<Placed> pieces;  // on an empty board; none: the starting position
  int fromI, fromJ, toI, toJ, code, after;
  int knights_in_hand;
  const char* expected;
};

// Plays the move through the record and the board as the window does, then writes it.
std::string Written(const Case& c) {
  GameState s;
  初期設定_状態(s);
  if (!c.pieces.empty()) {
    for (auto& column : s.BAN)
      for (int& square : column) square = KARA;
    for (const Placed& p : c.pieces) s.BAN[p.i][p.j] = p.code;
  }
  s.SITA_MOCHI[3] = c.knights_in_hand;
  手順保存(s, c.fromI, c.fromJ, c.toI, c.toJ, c.code, s.BAN[c.toI][c.toJ]);
  s.KIFU_NARI[s.KIFU_SUU] = c.after;
  駒移動_盤(s, c.fromI, c.fromJ, c.toI, c.toJ, c.after);
  return std::string(西洋式の手(s, s.KIFU_SUU, c.toI, c.toJ, c.after).view());
}

TEST(WesternNotation, WritesTheMovesAsEnglishBooksDo) {
  const Case cases[] = {
      {"a pawn's first step", {}, 3, 7, 3, 6, K_SITA_HU, K_SITA_HU, 0, "P-7f"},
      {"the top side's pawn", {}, 7, 3, 7, 4, K_UE_HU, K_UE_HU, 0, "P-3d"},
      {"a capture that promotes",
       {{8, 8, K_SITA_KAKU}, {3, 3, K_UE_HU}},
       8,
       8,
       3,
       3,
       K_SITA_KAKU,
       K_SITA_NARIKAKU,
       0,
       "Bx7c+"},
      {"a promotion declined", {{6, 7, K_UE_GIN}}, 6, 7, 6, 8, K_UE_GIN, K_UE_GIN, 0, "S-4h="},
      {"no promotion to decline outside the zone",
       {{6, 5, K_UE_GIN}},
       6,
       5,
       6,
       6,
       K_UE_GIN,
       K_UE_GIN,
       0,
       "S-4f"},
      {"a drop", {{5, 9, K_SITA_OU}}, 11, 5, 5, 5, K_SITA_KEI, K_SITA_KEI, 1, "N*5e"},
      {"two golds reach the square",
       {{4, 9, K_SITA_KIN}, {6, 9, K_SITA_KIN}},
       4,
       9,
       5,
       8,
       K_SITA_KIN,
       K_SITA_KIN,
       0,
       "G6i-5h"},
      {"the other gold cannot",
       {{4, 9, K_SITA_KIN}, {7, 9, K_SITA_KIN}},
       4,
       9,
       5,
       8,
       K_SITA_KIN,
       K_SITA_KIN,
       0,
       "G-5h"},
      {"a promoted rook",
       {{2, 2, K_SITA_NARISYA}, {2, 1, K_UE_KEI}},
       2,
       2,
       2,
       1,
       K_SITA_NARISYA,
       K_SITA_NARISYA,
       0,
       "+Rx8a"},
  };
  for (const Case& c : cases) EXPECT_EQ(Written(c), c.expected) << c.what;
}

TEST(WesternNotation, AMoveNotInTheRecordShowsThePieceAndSquareOnly) {
  GameState s;
  初期設定_状態(s);
  EXPECT_EQ(std::string(西洋式の手(s, 0, 3, 6, K_SITA_HU).view()), "P7f");
  EXPECT_EQ(std::string(西洋式の手(s, 1, 3, 6, K_SITA_HU).view()), "P7f");
}

}  // namespace
}  // namespace kazeban
