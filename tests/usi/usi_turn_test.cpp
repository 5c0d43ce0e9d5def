// The engine's choice: standard shogi's forbidden moves left out inside the search,
// KAZEBAN's own choice under its rules, and black's moves found on the turned board.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "computer/search.h"
#include "interop/sfen.h"
#include "interop/standard_rules.h"
#include "usi_turn.h"

namespace kazeban {
namespace {

// A position as "startpos moves ..." or a bare SFEN, its moves played.
Position 読む(const std::string& text) {
  const SFEN読込結果 r = SFEN_解析(text.starts_with("startpos") ? text : "sfen " + text);
  EXPECT_TRUE(r.成功) << text << ": " << r.理由;
  Position p = r.局面;
  for (const 棋譜の手& m : r.手) 指す(p, m);
  return p;
}

std::string 選ぶ(const Position& p, int level, bool kazebanRules) {
  const USI思考結果 r = USI_思考(p, level, kazebanRules);
  return r.指し手あり ? USI_指し手(r.手) : "resign";
}

// Each position by hand, white (the computer's own side) to move and the same position
// turned with black to move; the answers at every level.
struct 例 {
  const char* what;
  const char* white;  // white to move
  const char* black;  // the same, turned round
  const char* standard_white;
  const char* standard_black;
  const char* kazeban_white;
  const char* kazeban_black;
};

const 例 例一覧[] = {
    // White's king on 2g guards 1h; black's king on 1i is shut in by its knights. P*1h
    // would mate (forbidden) and, scoring 9998, would end the designed search among the
    // drops before G*1h, the legal mate, is met. The king's steps next to black's king
    // score 9998 too, and are the designed choice; standard shogi forbids them.
    {"pawn-drop mate and king steps into check", "9/9/9/9/9/9/7k1/7N1/7NK w gp 1",
     "kn7/1n7/1K7/9/9/9/9/9/9 b GP 1", "G*1h", "G*9b", "2g2h", "8c8b"},
    // With only the pawn, nothing mates: the pawn drop and the king's forbidden steps
    // are left out, and the king steps aside as the rest of the search decides.
    {"pawn-drop mate only", "9/9/9/9/9/9/7k1/7N1/7NK w p 1", "kn7/1n7/1K7/9/9/9/9/9/9 b P 1",
     "2g3h", "8c7b", "2g2h", "8c8b"},
};

TEST(USITurn, ForbiddenMovesAreLeftOutInsideTheSearchAndBlackPlaysTheTurnedChoice) {
  for (const 例& e : 例一覧) {
    SCOPED_TRACE(e.what);
    const Position w = 読む(e.white);
    const Position b = 読む(e.black);
    ASSERT_TRUE(同一局面(回した局面(w), b));
    for (int level = 1; level <= 3; ++level) {
      SCOPED_TRACE(level);
      EXPECT_EQ(選ぶ(w, level, false), e.standard_white);
      EXPECT_EQ(選ぶ(b, level, false), e.standard_black);
      EXPECT_EQ(選ぶ(w, level, true), e.kazeban_white);
      EXPECT_EQ(選ぶ(b, level, true), e.kazeban_black);
    }
  }
}

TEST(USITurn, ACheckLeftStandingIsTheDesignedChoiceOnlyUnderKazebansRules) {
  // Black's rook on 5e checks white's king on 5a; white's bishop can check black's
  // king from 4i, leaving its own king attacked.
  const Position p = 読む("3gkg3/9/9/9/4R4/9/9/6b2/4K4 w - 1");
  for (int level = 1; level <= 3; ++level) {
    const USI思考結果 designed = USI_思考(p, level, true);
    ASSERT_TRUE(designed.指し手あり);
    EXPECT_EQ(標準判定(p, designed.手), 標準判定結果::王手放置);
    const USI思考結果 standard = USI_思考(p, level, false);
    ASSERT_TRUE(standard.指し手あり);
    EXPECT_EQ(標準判定(p, standard.手), 標準判定結果::合法);
  }
}

// The first legal candidate of the highest score, among every candidate the designed
// search scores (for positions where it meets them all).
std::string 合法な最善(const Position& p, int level) {
  const bool 回す = p.toMove == Color::Black;
  const Position q = 回す ? 回した局面(p) : p;
  GameState s = q.state;
  s.COM_LEVEL = level;
  勢力図 m;
  COM記録 r;
  COM_準備(s, m, r);
  棋譜の手 best;
  int best_score = 0;
  bool any = false;
  const COM結果 res = COM_探索(s, m, r, [&](const COM指し手& c, int score) {
    const 棋譜の手 k{c.MOTO_I, c.MOTO_J, c.SAKI_I, c.SAKI_J, c.NARI, c.KOMA, c.TORI};
    if (標準判定(q, k) != 標準判定結果::合法 || (any && score <= best_score)) return;
    best = k;
    best_score = score;
    any = true;
  });
  EXPECT_FALSE(res.打切り);
  if (!any) return "resign";
  return USI_指し手(回す ? 回した手(best) : best);
}

TEST(USITurn, StandardChoiceIsTheFirstBestAllowedCandidateOnBothSides) {
  // Positions where the designed search meets every candidate: the start and an
  // opening with either side to move, and the side to move in check.
  const char* const positions[] = {
      "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",
      "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1",
      "startpos moves 7g7f 3c3d 2g2f 8c8d 2f2e 8d8e",
      "startpos moves 7g7f 3c3d 2g2f 8c8d 2f2e 8d8e 6i7h",
      "3gkg3/9/9/9/4R4/9/9/6b2/4K4 w - 1",
      "4k4/9/9/9/4r4/9/9/2B6/3GKG3 b - 1",
  };
  for (const char* sfen : positions) {
    SCOPED_TRACE(sfen);
    const Position p = 読む(sfen);
    for (int level = 1; level <= 3; ++level) {
      EXPECT_EQ(選ぶ(p, level, false), 合法な最善(p, level)) << "level " << level;
    }
  }
}

TEST(USITurn, TurningRoundTwiceGivesThePositionAndTheMoveBack) {
  // Black and white each hold a bishop; white's king stands on 4b, black's pawn on 7f.
  const Position p = 読む("startpos moves 7g7f 3c3d 8h2b+ 3a2b 6i7h 5a4b 2g2f 6c6d 2f2e");
  const Position q = 回した局面(p);
  EXPECT_EQ(q.toMove, Color::Black);
  EXPECT_EQ(q.state.SITA_MOCHI[6], 1);
  EXPECT_EQ(q.state.SITA_MOCHI_SU, 1);
  EXPECT_EQ(q.state.UE_MOCHI[6], 1);
  EXPECT_EQ(q.state.UE_MOCHI_SU, 1);
  EXPECT_EQ(q.state.SITA_OU_I, 4);  // on 6h, KAZEBAN's column 4
  EXPECT_EQ(q.state.SITA_OU_J, 8);
  EXPECT_EQ(q.state.BAN[7][4], K_UE_HU);  // black's pawn on 7f, now white's on 3d
  EXPECT_TRUE(同一局面(回した局面(q), p));
  const 棋譜の手 drop{11, 8, 4, 5, K_SITA_KAKU, K_SITA_KAKU, KARA};  // B*6e
  const 棋譜の手 turned = 回した手(drop);
  EXPECT_EQ(turned, (棋譜の手{-1, 6, 6, 5, K_UE_KAKU, K_UE_KAKU, KARA}));
  EXPECT_EQ(USI_指し手(turned), "B*4e");
  EXPECT_EQ(回した手(turned), drop);
  const 棋譜の手 move{2, 8, 8, 2, K_SITA_NARIKAKU, K_SITA_KAKU, K_UE_KAKU};  // 8h2b+
  EXPECT_EQ(USI_指し手(回した手(move)), "2b8h+");
}

TEST(USITurn, NothingAllowedMeansResignation) {
  // Black is mated: standard shogi allows nothing; KAZEBAN's king may still take the
  // guarded gold.
  const Position p = 読む("9/9/9/9/9/9/7k1/7Ng/7NK b p 1");
  EXPECT_EQ(選ぶ(p, 3, false), "resign");
  EXPECT_EQ(選ぶ(p, 3, true), "1i1h");
}

TEST(USITurn, PositionsTheEngineCannotPlayFrom) {
  GameState g;
  初期設定_状態(g);
  EXPECT_EQ(USI_局面の問題(局面(g, Color::Black), false), "");

  // White's king attacked with black to move: only KAZEBAN's rules play on.
  GameState check = g;
  check.BAN[5][3] = KARA;
  check.BAN[5][7] = KARA;
  check.BAN[5][5] = K_SITA_SYA;
  check.BAN[8][8] = KARA;
  EXPECT_NE(USI_局面の問題(局面(check, Color::Black), false), "");
  EXPECT_EQ(USI_局面の問題(局面(check, Color::Black), true), "");

  // A second king of a side, a nineteenth pawn: never.
  GameState kings = g;
  kings.BAN[5][5] = K_SITA_OU;
  GameState pawns = g;
  pawns.SITA_MOCHI[1] = 1;
  for (const GameState& s : {kings, pawns}) {
    EXPECT_NE(USI_局面の問題(局面(s, Color::White), false), "");
    EXPECT_NE(USI_局面の問題(局面(s, Color::White), true), "");
  }
}

TEST(USITurn, NoCheckLetsTheOtherSideRepeatAFourthTimeUnderTheStandardRules) {
  // White's rook has checked from 5h and 5i in turn while black's king stepped between
  // 1h and 1i; the start has stood three times. 5h5i would check again and let black's
  // 1i1h bring the start back a fourth time, a loss for white by continuous check: the
  // standard rules leave it out, KAZEBAN's rules (where the check wins) keep it.
  const std::string start = "k8/9/9/9/9/9/9/8K/4r4 w - 1";
  const SFEN読込結果 r =
      SFEN_解析("sfen " + start + " moves 5i5h 1h1i 5h5i 1i1h 5i5h 1h1i 5h5i 1i1h 5i5h 1h1i");
  ASSERT_TRUE(r.成功) << r.理由;
  Position p = r.局面;
  for (const 棋譜の手& m : r.手) 指す(p, m);
  const std::vector<USI局面記録> 経過 = USI_経過(r.局面, r.手);
  for (const bool kazebanRules : {false, true}) {
    const USI思考結果 t = USI_思考(p, 3, kazebanRules, 経過);
    ASSERT_TRUE(t.指し手あり);
    Position after = p;
    指す(after, t.手);
    棋譜の手 back;
    const bool returns = USI_指し手解析(after, "1i1h", back) &&
                         標準判定(after, back) == 標準判定結果::合法 &&
                         (指す(after, back), SFEN_局面(after) == SFEN_局面(r.局面));
    EXPECT_EQ(returns, kazebanRules) << USI_指し手(t.手);
  }
}

}  // namespace
}  // namespace kazeban
