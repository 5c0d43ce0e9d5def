// SFEN positions and USI moves: hand-checked strings both ways, and refusals.
#include <gtest/gtest.h>

#include "interop/sfen.h"
#include "interop/standard_rules.h"

namespace kazeban {
namespace {

constexpr const char* 平手SFEN = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

TEST(Sfen, EvenStartBothWays) {
  EXPECT_EQ(SFEN_局面(平手局面()), 平手SFEN);
  for (const char* text : {"startpos", "position startpos", 平手SFEN,
                           "sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b -"}) {
    const SFEN読込結果 r = SFEN_解析(text);
    ASSERT_TRUE(r.成功) << text << ": " << r.理由;
    EXPECT_TRUE(同一局面(r.局面, 平手局面())) << text;
  }
}

TEST(Sfen, PositionsRoundTrip) {
  for (const char* s : {
           "lnsgk2nl/1r4gs1/p1pppp1pp/1p4p2/7P1/2P6/PP1PPPP1P/1SG4R1/LN2KGSNL b Bb 13",
           "8l/1l+R2P3/p2pBG1pp/kps1p4/Nn1P2G2/P1P1P2+p1/1PS6/1KSG3+r1/LN2+p3L w Sbgn3p 124",
           "4k4/9/9/9/9/9/9/9/4K4 w 2R2B4G4S4N4L18P 1",
           "4k4/9/9/9/9/9/9/9/4K4 b 10p 200",
       }) {
    const SFEN読込結果 r = SFEN_解析(s);
    ASSERT_TRUE(r.成功) << s << ": " << r.理由;
    const std::string back =
        SFEN_局面(r.局面, std::stoi(std::string(s).substr(std::string(s).rfind(' '))));
    EXPECT_EQ(back, s);
  }
}

TEST(Sfen, MovesAreReadOntoTheBoard) {
  const SFEN読込結果 r = SFEN_解析("position startpos moves 7g7f 3c3d 8h2b+ 3a2b B*4e");
  ASSERT_TRUE(r.成功) << r.理由;
  ASSERT_EQ(r.手.size(), 5u);
  EXPECT_EQ(r.手[0], (棋譜の手{3, 7, 3, 6, -10, -10, 0}));
  EXPECT_EQ(r.手[1], (棋譜の手{7, 3, 7, 4, 10, 10, 0}));
  EXPECT_EQ(r.手[2], (棋譜の手{2, 8, 8, 2, -801, -800, 800}));
  EXPECT_EQ(r.手[3], (棋譜の手{7, 1, 8, 2, 100, 100, -801}));
  EXPECT_EQ(r.手[4], (棋譜の手{11, 8, 6, 5, -800, -800, 0}));
  std::string usi;
  for (const 棋譜の手& m : r.手) usi += USI_指し手(m) + " ";
  EXPECT_EQ(usi, "7g7f 3c3d 8h2b+ 3a2b B*4e ");
}

TEST(Sfen, RefusalsNameWhatIsWrong) {
  struct {
    const char* text;
    const char* 理由;
  } cases[] = {
      {"startpos moves 7g7f 7g7f", "2手目 7g7f: 指し手が読めません"},
      {"startpos moves 7g7e", "1手目 7g7e: その駒はそこへ指せません"},
      {"startpos moves 2g2f 8c8d P*5e", "3手目 P*5e: 指し手が読めません"},
      {"4k4/9/9/9/9/9/4P4/9/4K4 b P 1 moves P*5e", "1手目 P*5e: 二歩"},
      {"4k4/9/9/9/9/9/9/9/4K4 b P 1 moves P*1a", "1手目 P*1a: 行き所のない駒"},
      {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSN b - 1",
       "盤が9段9筋になっていません"},
      {"4k4/9/9/9/9/9/9/9/4K4/9 b - 1", "盤の段の升の数が9ではありません"},
      {"4k4/9/9/9/9/9/9/9/4K4 x - 1", "手番は b か w です"},
      {"4k4/9/9/9/9/9/9/9/4K4 b 19P 1", "持駒の数が多すぎます"},
      {"4k4/9/9/9/9/9/9/9/4K4 b 2 1", "持駒が読めません"},
      {"4k4/9/9/9/9/9/9/9/4+K4 b - 1", "成れない駒です: +K"},
      {"4k4/9/9/9/9/9/9/9/4X4 b - 1", "駒の字ではありません: X"},
      {"4k4/9/9/9/9/9/9/9/4K3k b - 1", "玉が二枚あります"},
      {"4k4/4P4/9/9/9/9/4P4/9/4K4 b - 1", "二歩があります"},
      {"4k3P/9/9/9/9/9/9/9/4K4 b - 1", "行き所のない駒があります"},
      {"4k4/4R4/9/9/9/9/9/9/4K4 b - 1", "手番でない側の玉に王手がかかっています"},
      {"4k4/9/9/9/9/9/9/9/4K4 b 3R 1", "駒の数が一組より多くなっています"},
      {"", "局面がありません"},
  };
  for (const auto& c : cases) {
    const SFEN読込結果 r = SFEN_解析(c.text);
    EXPECT_FALSE(r.成功) << c.text;
    EXPECT_EQ(r.理由, c.理由) << c.text;
  }
}

TEST(Sfen, KazebanRulesAcceptOnlyKazebanMoves) {
  // The black king walks into the rook's file; then a pawn drop mates.
  const char* 放置 = "4r4/9/9/9/9/9/9/9/3K5 b - 1 moves 6i5i";
  EXPECT_FALSE(SFEN_解析(放置).成功);
  EXPECT_TRUE(SFEN_解析(放置, true).成功);
  const char* 打歩 = "7lk/7p1/7G1/9/9/9/9/9/K8 b P 1 moves P*1b";
  EXPECT_EQ(SFEN_解析(打歩).理由, "1手目 P*1b: 打ち歩詰め");
  EXPECT_TRUE(SFEN_解析(打歩, true).成功);
  EXPECT_EQ(SFEN_解析("4k4/9/9/9/9/9/4P4/9/4K4 b P 1 moves P*5e", true).理由, "1手目 P*5e: 二歩");
}

}  // namespace
}  // namespace kazeban
