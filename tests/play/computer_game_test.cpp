// Whole games against the computer in the window, driven by clicks: a scripted person
// picks one of its legal moves each turn (a fixed pseudo-random choice per seed) until
// the game ends, at each level, moving first or second. Every reply of the computer
// must be the move the pure search chooses from the same position, and the board, the
// hands and the record must agree: replaying the record from the starting position
// gives the board and hands on the screen.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "com_fixture.h"
#include "legal_moves.h"
#include "rules/move_check.h"
#include "rules/pieces.h"
#include "rules/promotion.h"

namespace kazeban::testing {
namespace {

// Moves of the person before a game is called endless.
constexpr int 手数上限 = 200;

struct 人の手 {
  int MOTO_I, MOTO_J, SAKI_I, SAKI_J;
  int button;
};

// A fixed sequence of choices for one seed.
class 選び手 {
 public:
  explicit 選び手(uint64_t seed) : x_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  int 次(int n) {
    x_ = x_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<int>((x_ >> 33) % static_cast<uint64_t>(n));
  }

 private:
  uint64_t x_;
};

// Every move and drop the person (SITA) may make, board moves first; a drop comes
// from the hand square, column 11 and row kind + 2, as the clicks make it.
std::vector<人の手> 人の合法手(const GameState& position) {
  GameState s = position;
  std::vector<人の手> out;
  for (const RandomMove& m : LegalMoves(s, false)) {
    out.push_back({m.fromI, m.fromI == 11 ? m.fromJ + 2 : m.fromJ, m.toI, m.toJ, BUTTON_LEFT});
  }
  return out;
}

// The code of the piece a move takes from its square or hand.
int 動く駒(const GameState& s, const 人の手& m) {
  return m.MOTO_I == 11 ? 持駒_SITAコード(m.MOTO_J - 2) : s.BAN[m.MOTO_I][m.MOTO_J];
}

// The person's move on a copy of the window's state, as the two clicks make it; true
// when it wins the game.
bool 人の手を指す(GameState& s, 勢力図& m, const 人の手& te) {
  // Each of the two clicks surveys the board first.
  勢力調査(s, m);
  勢力調査(s, m);
  int code = 動く駒(s, te);
  手順保存(s, te.MOTO_I, te.MOTO_J, te.SAKI_I, te.SAKI_J, code, s.BAN[te.SAKI_I][te.SAKI_J]);
  s.TESUU += 1;
  if (調査_駒成(s, te.MOTO_I, te.MOTO_J, te.SAKI_I, te.SAKI_J, code) == ON &&
      te.button == BUTTON_RIGHT) {
    code = s.NARI_KOMA;
  }
  s.KIFU_NARI[s.KIFU_SUU] = code;
  const int taken = 駒移動_盤(s, te.MOTO_I, te.MOTO_J, te.SAKI_I, te.SAKI_J, code);
  return taken == K_UE_OU ||
         移動チェック(s, te.SAKI_I, te.SAKI_J, s.UE_OU_I, s.UE_OU_J, code) == ON;
}

// The last recorded move of two states agree, field by field.
std::string 最後の手の違い(const GameState& a, const GameState& b) {
  if (a.KIFU_SUU != b.KIFU_SUU) {
    return "moves " + std::to_string(a.KIFU_SUU) + " vs " + std::to_string(b.KIFU_SUU);
  }
  const int n = a.KIFU_SUU;
  const int x[7] = {a.KIFU_MOTO_I[n], a.KIFU_MOTO_J[n], a.KIFU_SAKI_I[n], a.KIFU_SAKI_J[n],
                    a.KIFU_KOMA[n],   a.KIFU_NARI[n],   a.KIFU_TORI[n]};
  const int y[7] = {b.KIFU_MOTO_I[n], b.KIFU_MOTO_J[n], b.KIFU_SAKI_I[n], b.KIFU_SAKI_J[n],
                    b.KIFU_KOMA[n],   b.KIFU_NARI[n],   b.KIFU_TORI[n]};
  std::string out;
  for (int k = 0; k < 7; ++k) {
    if (x[k] != y[k]) out += std::to_string(x[k]) + " vs " + std::to_string(y[k]) + "; ";
  }
  return out;
}

// The button of a move: the right one where the piece must promote and, on every
// other choice, where it may.
void ボタンを選ぶ(const GameState& s, 人の手& te, 選び手& person) {
  GameState probe = s;
  const int code = 動く駒(s, te);
  if (移動後チェック(te.SAKI_J, code) == OFF ||
      (調査_駒成(probe, te.MOTO_I, te.MOTO_J, te.SAKI_I, te.SAKI_J, code) == ON &&
       person.次(2) == 1)) {
    te.button = BUTTON_RIGHT;
  }
}

// The person's choice among its legal moves. A careless person takes any of them. A
// careful one takes a move that wins when there is one, and otherwise the first, in a
// fixed random order, after which the computer's reply does not win at once.
人の手 人の選択(const GameState& s, const 勢力図& m, 選び手& person, bool careful) {
  std::vector<人の手> legal = 人の合法手(s);
  EXPECT_FALSE(legal.empty());
  if (legal.empty()) return {5, 5, 5, 5, BUTTON_LEFT};
  for (std::size_t k = legal.size(); k > 1; --k) {
    std::swap(legal[k - 1], legal[static_cast<std::size_t>(person.次(static_cast<int>(k)))]);
  }
  for (人の手& te : legal) ボタンを選ぶ(s, te, person);
  if (!careful) return legal.front();

  for (const 人の手& te : legal) {
    GameState after = s;
    勢力図 map = m;
    if (人の手を指す(after, map, te)) return te;
  }
  for (const 人の手& te : legal) {
    GameState after = s;
    勢力図 map = m;
    (void)人の手を指す(after, map, te);
    if (!純粋な探索(after, map).勝ち) return te;
  }
  return legal.front();
}

// Level, whether the computer moves first, whether the person is careful, and the seed
// of the person's choices.
using 対局条件 = std::tuple<int, bool, bool, int>;
class ComputerGameTest : public ComTest, public ::testing::WithParamInterface<対局条件> {
 protected:
  struct 終局 {
    std::string text;
    GameState s;
  };

  // The record replayed from the start reaches the board and hands of `s`.
  static void 棋譜と一致(const GameState& s, int turn) {
    EXPECT_EQ(盤と持駒の違い(棋譜から再現(s), s), "")
        << "after move " << s.KIFU_SUU << ", turn " << turn;
  }
};

TEST_P(ComputerGameTest, PlaysToItsEndAsThePureSearchChooses) {
  const auto [level, computer_first, careful, seed] = GetParam();
  Start();
  if (level == 1) LEVEL1_Click(*f);
  if (level == 2) LEVEL2_Click(*f);
  GameState& s = f->s;
  ASSERT_EQ(s.COM_LEVEL, level);

  std::optional<終局> end;
  controls.on_box = [&](const FakeControls::Message& b) {
    if (b.title == "終了") end = 終局{b.text, s};
  };
  controls.Answer(true);

  // The computer's first move, when it begins.
  if (computer_first) {
    GameState want_s = s;
    勢力図 want_m = f->勢力;
    want_s.SITA_SENGO = GOTE;
    want_s.UE_SENGO = SENTE;
    const 期待 want = 純粋な探索(want_s, want_m);
    ASSERT_TRUE(want.res.指し手あり);
    ASSERT_FALSE(want.勝ち);
    GOTE_Click(*f);
    ASSERT_FALSE(end.has_value());
    EXPECT_EQ(最後の手の違い(s, want_s), "");
    EXPECT_EQ(盤と持駒の違い(s, want_s), "");
    EXPECT_EQ(s.TEBAN, GOTE);
  } else {
    SENTE_Click(*f);
    EXPECT_EQ(s.TEBAN, SENTE);
  }

  選び手 person(static_cast<uint64_t>(seed));
  int turns = 0;
  int computer_moves = computer_first ? 1 : 0;
  for (; turns < 手数上限 && !end; ++turns) {
    ASSERT_EQ(s.TEBAN, s.SITA_SENGO);
    棋譜と一致(s, turns);

    const 人の手 te = 人の選択(s, f->勢力, person, careful);

    // What should follow: the person's win, or the reply the pure search chooses from
    // the same state and map.
    GameState want_s = s;
    勢力図 want_m = f->勢力;
    const bool person_wins = 人の手を指す(want_s, want_m, te);
    const 期待 want = person_wins ? 期待{} : 純粋な探索(want_s, want_m);

    // The two clicks.
    Click(te.MOTO_I, te.MOTO_J);
    Click(te.SAKI_I, te.SAKI_J, te.button);

    if (person_wins || !want.res.指し手あり) {
      ASSERT_TRUE(end.has_value()) << "turn " << turns;
      EXPECT_EQ(end->text, "あなたの勝ちです");
      EXPECT_EQ(盤と持駒の違い(end->s, want_s), "");
      EXPECT_EQ(最後の手の違い(end->s, want_s), "");
      棋譜と一致(end->s, turns);
      break;
    }
    ++computer_moves;
    if (want.勝ち) {
      ASSERT_TRUE(end.has_value()) << "turn " << turns;
      EXPECT_EQ(end->text, "ｺﾝﾋﾟｭｰﾀの勝ちです");
      EXPECT_EQ(最後の手の違い(end->s, want_s), "");
      EXPECT_EQ(盤と持駒の違い(end->s, want_s), "");
      棋譜と一致(end->s, turns);
      break;
    }
    ASSERT_FALSE(end.has_value()) << end->text << " at turn " << turns;
    ASSERT_EQ(最後の手の違い(s, want_s), "") << "turn " << turns;
    ASSERT_EQ(盤と持駒の違い(s, want_s), "") << "turn " << turns;
    EXPECT_EQ(s.TESUU, s.KIFU_SUU);
  }

  // The game ended within the bound, and "再ゲーム" set up the next one.
  ASSERT_TRUE(end.has_value()) << "no end after " << turns << " moves of the person";
  EXPECT_GT(computer_moves, 0);
  EXPECT_EQ(s.TEBAN, NASHI);
  EXPECT_EQ(s.KIFU_SUU, 0);
  RecordProperty("person_moves", turns + 1);
  RecordProperty("computer_moves", computer_moves);
  RecordProperty("winner", end->text);
  int drops = 0, captures = 0, promotions = 0;
  for (int n = 1; n <= end->s.KIFU_SUU; ++n) {
    drops += end->s.KIFU_MOTO_I[n] == -1 || end->s.KIFU_MOTO_I[n] == 11;
    captures += end->s.KIFU_TORI[n] != KARA;
    promotions += end->s.KIFU_KOMA[n] != end->s.KIFU_NARI[n];
  }
  RecordProperty("drops", drops);
  RecordProperty("captures", captures);
  RecordProperty("promotions", promotions);
}

std::string 対局名(const ::testing::TestParamInfo<対局条件>& p) {
  return "level" + std::to_string(std::get<0>(p.param)) +
         (std::get<1>(p.param) ? "_second" : "_first") +
         (std::get<2>(p.param) ? "_careful" : "_careless") + "_seed" +
         std::to_string(std::get<3>(p.param));
}

INSTANTIATE_TEST_SUITE_P(Careless, ComputerGameTest,
                         ::testing::Combine(::testing::Values(1, 2, 3), ::testing::Bool(),
                                            ::testing::Values(false), ::testing::Values(1, 2)),
                         対局名);
INSTANTIATE_TEST_SUITE_P(Careful, ComputerGameTest,
                         ::testing::Combine(::testing::Values(1, 2, 3), ::testing::Bool(),
                                            ::testing::Values(true), ::testing::Values(1, 2)),
                         対局名);

}  // namespace
}  // namespace kazeban::testing
