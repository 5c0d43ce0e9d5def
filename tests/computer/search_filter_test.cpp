// The search's filter: a left-out candidate form is never scored, never the best and
// never the cause of an early stop; everything else is the designed search.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "../../bench/positions.h"
#include "computer_fixture.h"

namespace kazeban::testing {
namespace {

struct 見た手 {
  COM指し手 手;
  int 点;
};

bool 等しい(const COM指し手& a, const COM指し手& b) {
  return a.MOTO_I == b.MOTO_I && a.MOTO_J == b.MOTO_J && a.SAKI_I == b.SAKI_I &&
         a.SAKI_J == b.SAKI_J && a.NARI == b.NARI && a.KOMA == b.KOMA && a.TORI == b.TORI;
}

struct 探索 {
  COM結果 結果;
  std::vector<見た手> 候補;
  std::vector<COM指し手> 問われた;
};

探索 探す(GameState s, int level, const std::function<bool(const COM指し手&)>& 残す) {
  s.COM_LEVEL = level;
  勢力図 m;
  COM記録 r;
  COM_準備(s, m, r);
  探索 out;
  out.結果 = COM_探索(
      s, m, r,
      [&](const COM指し手& 手, int score) {
        out.候補.push_back({手, score});
      },
      [&](const COM指し手& 手) {
        out.問われた.push_back(手);
        return 残す(手);
      });
  return out;
}

探索 全部(const GameState& s, int level) {
  return 探す(s, level, [](const COM指し手&) { return true; });
}

TEST(SearchFilter, LeftOutFormsAreNeverScoredAndTheBestIsTheFirstHighestOfTheRest) {
  struct 選別 {
    const char* name;
    std::function<bool(const COM指し手&)> 残す;
  };
  const 選別 filters[] = {
      {"no promotions", [](const COM指し手& m) { return m.NARI == m.KOMA; }},
      {"no unpromoted form of a promotable move",
       [](const COM指し手& m) { return m.MOTO_I == -1 || m.KOMA >= K_UE_KIN || m.NARI != m.KOMA; }},
      {"no drops", [](const COM指し手& m) { return m.MOTO_I != -1; }},
      {"no captures", [](const COM指し手& m) { return m.TORI == KARA; }},
      {"every other destination column", [](const COM指し手& m) { return m.SAKI_I % 2 == 0; }},
  };
  const GameState positions[] = {bench::初形(), bench::中盤(), bench::全種持ち()};
  for (const GameState& p : positions) {
    for (int level = 1; level <= 3; ++level) {
      const 探索 all = 全部(p, level);
      ASSERT_FALSE(all.結果.打切り);
      for (const 選別& f : filters) {
        SCOPED_TRACE(::testing::Message() << f.name << ", level " << level);
        const 探索 some = 探す(p, level, f.残す);
        // Scored: exactly the forms kept, with the scores they have unfiltered.
        std::vector<見た手> kept;
        for (const 見た手& c : all.候補) {
          if (f.残す(c.手)) kept.push_back(c);
        }
        ASSERT_EQ(some.候補.size(), kept.size());
        for (size_t k = 0; k < kept.size(); ++k) {
          EXPECT_TRUE(等しい(some.候補[k].手, kept[k].手));
          EXPECT_EQ(some.候補[k].点, kept[k].点);
        }
        // Every form the unfiltered search scored was asked about, once.
        EXPECT_EQ(some.問われた.size(), all.候補.size());
        // The best: the first kept form of the highest score.
        ASSERT_EQ(some.結果.指し手あり, !kept.empty());
        if (kept.empty()) continue;
        size_t best = 0;
        for (size_t k = 1; k < kept.size(); ++k) {
          if (kept[k].点 > kept[best].点) best = k;
        }
        EXPECT_TRUE(等しい(some.結果.最善, kept[best].手));
        EXPECT_EQ(some.結果.点, kept[best].点);
      }
      EXPECT_FALSE(探す(p, level, [](const COM指し手&) { return false; }).結果.指し手あり);
    }
  }
}

TEST(SearchFilter, ALeftOutKingCaptureNeitherWinsNorStopsTheSearch) {
  // The person's king on (5, 4) before UE's lance: taking it ends the designed search
  // at once; left out, the search meets every other candidate.
  GameState s = 空の局面();
  s.BAN[9][1] = K_UE_OU;
  s.BAN[5][4] = K_SITA_OU;
  s.BAN[5][3] = K_UE_KYOU;
  ASSERT_TRUE(全部(s, 1).結果.打切り);
  const 探索 a = 探す(s, 1, [](const COM指し手& m) { return m.TORI != K_SITA_OU; });
  EXPECT_FALSE(a.結果.打切り);
  EXPECT_NE(a.結果.最善.TORI, K_SITA_OU);
  EXPECT_EQ(a.候補.size(), 3u);  // the king's moves; the lance has no other
}

TEST(SearchFilter, ALeftOutWinningDropDoesNotStopTheSearch) {
  // A gold dropped next to the person's king on (5, 9) attacks it: the designed search
  // stops at the first such drop. With those drops left out, every other is met.
  GameState s = 空の局面();
  s.BAN[1][1] = K_UE_OU;
  s.BAN[5][9] = K_SITA_OU;
  s.UE_MOCHI[5] = 1;
  s.UE_MOCHI_SU = 1;
  ASSERT_TRUE(全部(s, 1).結果.打切り);
  const auto 王手 = [](const COM指し手& m) {
    const int dx = m.SAKI_I > 5 ? m.SAKI_I - 5 : 5 - m.SAKI_I;
    return m.MOTO_I == -1 && dx <= 1 && (m.SAKI_J == 8 || (m.SAKI_J == 9 && dx == 1));
  };
  const 探索 a = 探す(s, 1, [&](const COM指し手& m) { return !王手(m); });
  EXPECT_FALSE(a.結果.打切り);
  EXPECT_LT(a.結果.点, 点_勝ち);
  EXPECT_EQ(a.候補.size(), 3u + 81 - 2 - 5);  // the king's moves, the other drops
}

}  // namespace
}  // namespace kazeban::testing
