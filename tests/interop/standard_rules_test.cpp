// The standard rules against counts known from the literature (the move tree from
// the even start) and hand-built positions whose answer was worked out on a board.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "interop/sfen.h"
#include "interop/standard_rules.h"

namespace kazeban {
namespace {

Position 局面_SFEN(const std::string& sfen) {
  const SFEN読込結果 r = SFEN_解析(sfen);
  EXPECT_TRUE(r.成功) << sfen << ": " << r.理由;
  return r.局面;
}

long long 数える(const Position& p, int depth) {
  棋譜の手 moves[標準手の最大数];
  const int n = 合法手一覧(p, moves);
  if (depth == 1) return n;
  long long total = 0;
  for (int k = 0; k < n; ++k) {
    Position q = p;
    指す(q, moves[k]);
    total += 数える(q, depth - 1);
  }
  return total;
}

TEST(StandardRules, MoveTreeFromTheEvenStart) {
  const long long expected[] = {30, 900, 25470, 719731};
  for (int d = 1; d <= 4; ++d) EXPECT_EQ(数える(平手局面(), d), expected[d - 1]) << d;
}

struct 判定例 {
  const char* 名;
  const char* sfen;
  const char* usi;
  標準判定結果 期待;
};

TEST(StandardRules, JudgesHandBuiltPositions) {
  // White king 1a boxed in by its own lance and pawn, black gold on 2c guarding 1b.
  const char* 詰み形 = "7lk/7p1/7G1/9/9/9/9/9/K8 b PL 1";
  const 判定例 cases[] = {
      {"pawn drop mate", 詰み形, "P*1b", 標準判定結果::打ち歩詰め},
      {"lance drop mate is fine", 詰み形, "L*1b", 標準判定結果::合法},
      {"pawn drop check the king escapes", "8k/9/8G/9/9/9/9/9/K8 b P 1", "P*1b",
       標準判定結果::合法},
      {"pawn drop mate although a pinned gold could take", "4R2sk/7p1/7G1/9/9/9/9/9/K8 b P 1",
       "P*1b", 標準判定結果::打ち歩詰め},
      {"second pawn in a file", "4k4/9/9/9/9/9/4P4/9/4K4 b P 1", "P*5e", 標準判定結果::二歩},
      {"a promoted pawn is no second pawn", "4k4/9/9/9/9/9/4+P4/9/4K4 b P 1", "P*5e",
       標準判定結果::合法},
      {"pawn dropped on the last rank", "4k4/9/9/9/9/9/9/9/4K4 b P 1", "P*1a",
       標準判定結果::行き所のない駒},
      {"knight dropped on the second rank", "4k4/9/9/9/9/9/9/9/4K4 b N 1", "N*1b",
       標準判定結果::行き所のない駒},
      {"white lance dropped on its last rank", "4k4/9/9/9/9/9/9/9/4K4 w l 1", "L*1i",
       標準判定結果::行き所のない駒},
      {"knight jumping to the second rank unpromoted", "4k4/9/9/2N6/9/9/9/9/4K4 b - 1", "7d8b",
       標準判定結果::行き所のない駒},
      {"knight jumping to the second rank promoted", "4k4/9/9/2N6/9/9/9/9/4K4 b - 1", "7d8b+",
       標準判定結果::合法},
      {"pinned silver leaves the file", "4r4/9/9/9/9/9/9/4S4/4K4 b - 1", "5h4g",
       標準判定結果::王手放置},
      {"pinned silver stays on the file", "4r4/9/9/9/9/9/9/4S4/4K4 b - 1", "5h5g",
       標準判定結果::合法},
      {"king steps into a knight's attack", "4k4/9/9/9/9/3n5/9/9/4K4 b - 1", "5i5h",
       標準判定結果::王手放置},
      {"king steps beside the knight", "4k4/9/9/9/9/3n5/9/9/4K4 b - 1", "5i4i", 標準判定結果::合法},
      {"promotion outside the zone", "4k4/9/9/9/9/9/9/4S4/4K4 b - 1", "5h5g+", 標準判定結果::不正},
      {"silver promotes leaving the zone", "4k4/9/4S4/9/9/9/9/9/4K4 b - 1", "5c4d+",
       標準判定結果::合法},
      {"rook through a piece", "4k4/9/9/9/9/9/9/1R1P5/4K4 b - 1", "8h5h", 標準判定結果::不正},
      {"white rook slides down its file", "4k4/9/9/9/4r4/9/9/9/K8 w - 1", "5e5h+",
       標準判定結果::合法},
      {"white pawn moves toward rank i", "4k4/9/4p4/9/9/9/9/9/K8 w - 1", "5c5d",
       標準判定結果::合法},
      {"white pawn cannot move back", "4k4/9/4p4/9/9/9/9/9/K8 w - 1", "5c5b", 標準判定結果::不正},
      {"dragon steps diagonally", "1k7/9/9/9/4+R4/9/9/9/K8 b - 1", "5e4d", 標準判定結果::合法},
      {"horse cannot step two squares orthogonally", "1k7/9/9/9/4+B4/9/9/9/K8 b - 1", "5e5c",
       標準判定結果::不正},
  };
  for (const 判定例& c : cases) {
    const Position p = 局面_SFEN(c.sfen);
    棋譜の手 m;
    ASSERT_TRUE(USI_指し手解析(p, c.usi, m)) << c.名;
    EXPECT_EQ(標準判定(p, m), c.期待) << c.名;
    // The list holds exactly the moves judged 合法.
    棋譜の手 list[標準手の最大数];
    const int n = 合法手一覧(p, list);
    bool listed = false;
    for (int k = 0; k < n; ++k) listed = listed || list[k] == m;
    EXPECT_EQ(listed, c.期待 == 標準判定結果::合法) << c.名;
  }
}

TEST(StandardRules, RefusesFieldsThatDoNotFitThePosition) {
  const Position p = 平手局面();
  棋譜の手 pawn = 盤上の手(p, 3, 7, 3, 6, false);
  ASSERT_EQ(標準判定(p, pawn), 標準判定結果::合法);
  struct {
    const char* 名;
    棋譜の手 m;
  } cases[] = {
      {"wrong code before", {3, 7, 3, 6, -20, -20, 0}},
      {"wrong captured code", {3, 7, 3, 6, -10, -10, 10}},
      {"white's piece on black's turn", {3, 3, 3, 4, 10, 10, 0}},
      {"drop from an empty hand", 打つ手(p, 1, 5, 5)},
      {"takes its own piece", {2, 8, 3, 7, -800, -800, -10}},
      {"off the board", {3, 7, 3, 10, -10, -10, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(標準判定(p, c.m), 標準判定結果::不正) << c.名;
  // Taking a king is never a standard move, even where the piece reaches it.
  const Position k = 局面_SFEN("4k4/4R4/9/9/9/9/9/9/4K4 w - 1");
  EXPECT_EQ(標準判定(k, 盤上の手(k, 5, 1, 5, 2, false)), 標準判定結果::合法);
  Position taken = 局面_SFEN("4k4/9/9/9/9/9/9/9/4K4 b - 1");
  taken.state.BAN[5][8] = K_SITA_SYA;
  EXPECT_EQ(標準判定(taken, 盤上の手(taken, 5, 8, 5, 1, false)), 標準判定結果::不正);
}

// Along seeded random games, every move of every side and every drop is judged by
// 標準判定 and compared with the list; check and attack agree with the king's moves.
TEST(StandardRules, ListAgreesWithTheJudgeAlongRandomGames) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    std::mt19937 rng(seed);
    Position p = 平手局面();
    for (int ply = 0; ply < 160; ++ply) {
      棋譜の手 list[標準手の最大数];
      const int n = 合法手一覧(p, list);
      int judged = 0;
      for (int fi = -1; fi <= 11; ++fi) {
        for (int fj = 1; fj <= 9; ++fj) {
          for (int ti = 1; ti <= 9; ++ti) {
            for (int tj = 1; tj <= 9; ++tj) {
              if (fi == 0 || fi == 10) continue;
              if (fi == -1 || fi == 11) {
                if (fj > 7 || (fi == 11) != (p.toMove == Color::Black)) continue;
                judged += 標準判定(p, 打つ手(p, fj, ti, tj)) == 標準判定結果::合法;
                continue;
              }
              for (bool promote : {false, true}) {
                const 棋譜の手 m = 盤上の手(p, fi, fj, ti, tj, promote);
                if (promote && m.NARI == m.KOMA) continue;
                judged += 標準判定(p, m) == 標準判定結果::合法;
              }
            }
          }
        }
      }
      ASSERT_EQ(judged, n) << "seed " << seed << " ply " << ply << " " << SFEN_局面(p);
      for (int k = 0; k < n; ++k) ASSERT_EQ(標準判定(p, list[k]), 標準判定結果::合法);
      if (n == 0) break;
      指す(p, list[std::uniform_int_distribution<int>(0, n - 1)(rng)]);
      ASSERT_STREQ(局面の不備(p), "") << SFEN_局面(p);
    }
  }
}

}  // namespace
}  // namespace kazeban
