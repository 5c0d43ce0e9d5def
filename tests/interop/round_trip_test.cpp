// Seeded random games, from the even start, every standard handicap and a few board
// diagrams, written in every format and read back: the same start, the same moves,
// and so the same position after every move.
#include <gtest/gtest.h>

#include <random>

#include "interop/record_formats.h"
#include "interop/sfen.h"
#include "interop/standard_rules.h"

namespace kazeban {
namespace {

対局棋譜 ランダム対局(const Position& start, unsigned seed, int plies) {
  対局棋譜 g;
  g.開始局面 = start;
  g.手合割 = 手合割の名(start);
  g.先手名 = "先手 太郎";
  g.後手名 = "後手 花子";
  g.棋戦 = "第1期 風盤戦";
  g.開始日時 = "2026/12/08 18:14:03";
  std::mt19937 rng(seed);
  Position p = start;
  for (int k = 0; k < plies; ++k) {
    棋譜の手 list[標準手の最大数];
    const int n = 合法手一覧(p, list);
    if (n == 0) break;
    // Favour captures, drops and promotions so that every kind of move occurs.
    int pick = std::uniform_int_distribution<int>(0, n - 1)(rng);
    for (int t = 0; t < 3; ++t) {
      const 棋譜の手& m = list[pick];
      if (m.TORI != 0 || m.NARI != m.KOMA || m.MOTO_I == 11 || m.MOTO_I == -1) break;
      pick = std::uniform_int_distribution<int>(0, n - 1)(rng);
    }
    g.手.push_back(list[pick]);
    指す(p, list[pick]);
  }
  g.終局 = "投了";
  g.結果 = p.toMove == Color::Black ? 対局結果::後手勝ち : 対局結果::先手勝ち;
  return g;
}

std::vector<Position> 開始局面() {
  std::vector<Position> out{平手局面()};
  for (const char* name :
       {"香落ち", "右香落ち", "角落ち", "飛車落ち", "飛香落ち", "二枚落ち", "三枚落ち", "四枚落ち",
        "五枚落ち", "左五枚落ち", "六枚落ち", "左七枚落ち", "右七枚落ち", "八枚落ち", "十枚落ち"}) {
    Position p;
    EXPECT_TRUE(手合割の局面(name, p)) << name;
    out.push_back(p);
  }
  for (const char* sfen :
       {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1",
        "8l/1l+R2P3/p2pBG1pp/kps1p4/Nn1P2G2/P1P1P2+p1/1PS6/1KSG3+r1/LN2+p3L w Sbgn3p 1",
        "4k4/9/9/9/9/9/9/9/4K4 b 2R2B4G4S4N4L18P 1"}) {
    out.push_back(SFEN_解析(sfen).局面);
  }
  return out;
}

TEST(RoundTrip, RandomGamesThroughEveryFormat) {
  const 棋譜形式 formats[] = {棋譜形式::KIF, 棋譜形式::KIFU, 棋譜形式::CSA, 棋譜形式::USI,
                              棋譜形式::棋譜ファイル};
  unsigned seed = 1;
  int drops = 0, promotions = 0, captures = 0;
  for (const Position& start : 開始局面()) {
    for (int game = 0; game < 3; ++game, ++seed) {
      const 対局棋譜 g = ランダム対局(start, seed, 40 + static_cast<int>(seed % 5) * 40);
      for (const 棋譜の手& m : g.手) {
        drops += m.MOTO_I == 11 || m.MOTO_I == -1;
        promotions += m.NARI != m.KOMA;
        captures += m.TORI != 0;
      }
      for (const 棋譜形式 f : formats) {
        const bool even = 同一局面(start, 平手局面());
        const 書出結果 w = 対局棋譜_書出(g, f);
        if (f == 棋譜形式::棋譜ファイル && !even) {
          EXPECT_FALSE(w.成功);
          continue;
        }
        ASSERT_TRUE(w.成功) << 形式の名(f) << " seed " << seed << ": " << w.理由;
        const 対局棋譜読込結果 r = 対局棋譜_解析(w.バイト列);
        ASSERT_TRUE(r.成功) << 形式の名(f) << " seed " << seed << ": " << r.理由 << "\n"
                            << w.バイト列;
        EXPECT_EQ(r.形式, f);
        ASSERT_TRUE(同一局面(r.棋譜.開始局面, g.開始局面)) << 形式の名(f);
        ASSERT_EQ(r.棋譜.手.size(), g.手.size()) << 形式の名(f);
        Position a = g.開始局面;
        Position b = r.棋譜.開始局面;
        for (size_t k = 0; k < g.手.size(); ++k) {
          ASSERT_EQ(r.棋譜.手[k], g.手[k]) << 形式の名(f) << " seed " << seed << " move " << k + 1;
          指す(a, g.手[k]);
          指す(b, r.棋譜.手[k]);
          ASSERT_TRUE(同一局面(a, b));
        }
        if (f == 棋譜形式::KIF || f == 棋譜形式::KIFU || f == 棋譜形式::CSA) {
          EXPECT_EQ(r.棋譜.先手名, g.先手名);
          EXPECT_EQ(r.棋譜.後手名, g.後手名);
          EXPECT_EQ(r.棋譜.棋戦, g.棋戦);
          EXPECT_EQ(r.棋譜.開始日時, g.開始日時);
          EXPECT_EQ(r.棋譜.結果, g.結果) << 形式の名(f);
          EXPECT_EQ(r.棋譜.手合割, g.手合割) << 形式の名(f);
        }
      }
      // The last position in SFEN.
      const 書出結果 s = 対局棋譜_書出(g, 棋譜形式::SFEN);
      ASSERT_TRUE(s.成功);
      const 対局棋譜読込結果 r = 対局棋譜_解析(s.バイト列);
      ASSERT_TRUE(r.成功) << r.理由;
      Position last = g.開始局面;
      for (const 棋譜の手& m : g.手) 指す(last, m);
      EXPECT_TRUE(同一局面(r.棋譜.開始局面, last));
    }
  }
  EXPECT_GT(drops, 50);
  EXPECT_GT(promotions, 50);
  EXPECT_GT(captures, 100);
}

}  // namespace
}  // namespace kazeban
