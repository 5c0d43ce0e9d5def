// Games under standard shogi's rules in the window (ｵﾌﾟｼｮﾝ → 標準ﾙｰﾙ): the moves it
// refuses, a check that goes on, mate, repetition, resigning, and whole games against
// the computer searching through the standard filter.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "board_diagram.h"
#include "com_fixture.h"
#include "interop/standard_filter.h"
#include "play/options.h"
#include "play/standard_game.h"

namespace kazeban::testing {
namespace {

using Pieces = std::initializer_list<std::array<int, 3>>;  // column, row, code

class StandardGameTest : public ComTest {
 protected:
  void SetStandard(bool on) {
    if (f->標準.選択 != on) HYOUJUN_Click(*f);
    ASSERT_EQ(controls.IsChecked(MenuCheck::HYOUJUN), on);
  }
  // A two-player game on a board of `pieces` only, SITA to move with `hand`.
  GameState& Board(Pieces pieces, std::initializer_list<int> hand = {}, bool standard = true) {
    StartTwoPlayerGame();
    SetStandard(standard);
    GameState& s = f->s;
    for (int i = 1; i <= 9; ++i) {
      for (int j = 1; j <= 9; ++j) s.BAN[i][j] = KARA;
    }
    for (const auto& [i, j, code] : pieces) s.BAN[i][j] = code;
    持駒を置く(s.SITA_MOCHI, s.SITA_MOCHI_SU, hand);
    controls.answers = {true};
    return s;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const auto& m : controls.messages) out.push_back(m.text);
    return out;
  }
};

TEST_F(StandardGameTest, AMoveStandardShogiForbidsIsRefusedWithItsRule) {
  struct Case {
    const char* text;
    std::array<int, 4> move;  // from column, row, to column, row
    Pieces pieces;
  };
  const Case cases[] = {
      // SITA's king steps onto the rook's row.
      {"自玉に王手がかかる手は指せません",
       {5, 8, 5, 7},
       {{5, 1, K_UE_OU}, {9, 7, K_UE_SYA}, {5, 8, K_SITA_OU}}},
      // The rook checks SITA's king; the gold's move leaves it in check.
      {"王手を放置する手は指せません",
       {5, 9, 4, 9},
       {{5, 1, K_UE_OU}, {9, 8, K_UE_SYA}, {5, 8, K_SITA_OU}, {5, 9, K_SITA_KIN}}},
      // The king in the corner, its knight beside it, the gold covering (1, 2) and (2, 2).
      {"打ち歩詰めは反則です",
       {11, 3, 1, 2},
       {{1, 1, K_UE_OU}, {2, 1, K_UE_KEI}, {2, 3, K_SITA_KIN}, {5, 9, K_SITA_OU}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    for (const bool standard : {true, false}) {
      GameState& s = Board(c.pieces, {1}, standard);
      const GameState before = s;
      const int refused = Played(KINSI), moved = Played(KOMAUTI);
      Move(c.move[0], c.move[1], c.move[2], c.move[3]);
      if (standard) {
        EXPECT_EQ(盤と持駒の違い(s, before), "");
        EXPECT_EQ(s.KIFU_SUU, 0);
        EXPECT_EQ(Played(KINSI), refused + 1);
        EXPECT_EQ(controls.Titles(), std::vector<std::string>{"反則"});
        EXPECT_EQ(Texts(), std::vector<std::string>{c.text});
        EXPECT_EQ(s.SENTAKU_JOUTAI, 1);  // the selection stays
      } else {
        // KAZEBAN's own rule makes the move (the pawn's wins the game).
        EXPECT_EQ(Played(KINSI), refused);
        EXPECT_GT(Played(KOMAUTI), moved);
      }
    }
  }
}

TEST_F(StandardGameTest, GuidanceMarksOnlyTheSquaresStandardShogiAllows) {
  for (const bool standard : {true, false}) {
    Board({{5, 1, K_UE_OU}, {9, 7, K_UE_SYA}, {5, 8, K_SITA_OU}}, {}, standard);
    SIDOU_Click(*f);
    Click(5, 8);
    EXPECT_EQ(Outline(4, 8), IRO_15);
    EXPECT_EQ(Outline(5, 7) == IRO_15, !standard) << standard;  // on the rook's row
    EXPECT_EQ(Outline(4, 7) == IRO_15, !standard) << standard;
  }
}

TEST_F(StandardGameTest, ACheckGoesOnAndMateEndsTheGame) {
  // A gold dropped before UE's king checks it; the king takes it and the game goes on.
  GameState& s = Board({{5, 1, K_UE_OU}, {5, 9, K_SITA_OU}}, {0, 0, 0, 0, 1});
  Move(11, 7, 5, 2);
  EXPECT_TRUE(controls.messages.empty());
  EXPECT_EQ(s.TEBAN, GOTE);
  Move(5, 1, 5, 2);
  EXPECT_EQ(s.KIFU_SUU, 2);
  EXPECT_EQ(s.TEBAN, SENTE);

  // Covered by a pawn, the gold mates: every flight is the gold's.
  Board({{5, 1, K_UE_OU}, {5, 3, K_SITA_HU}, {5, 9, K_SITA_OU}}, {0, 0, 0, 0, 1});
  Move(11, 7, 5, 2);
  ASSERT_EQ(controls.Titles(), (std::vector<std::string>{"終了", "再ゲーム"}));
  EXPECT_EQ(Texts()[0], "先手の勝ちです");
  EXPECT_EQ(s.TEBAN, NASHI);  // はい: the starting position
}

TEST_F(StandardGameTest, TheFourthRepetitionIsADrawOrALossForTheSideAlwaysChecking) {
  // SITA's rook on column 9 swings between two rows, UE's king between (5, 1) and (5, 2);
  // on rows 1 and 2 every rook move is a check.
  struct Case {
    int rook[2];
    const char* text;
  };
  for (const Case& c : {Case{{5, 6}, "千日手で引き分けです"},
                        Case{{1, 2}, "連続王手の千日手です\n後手の勝ちです"}}) {
    SCOPED_TRACE(c.text);
    GameState& s = Board({{5, 1, K_UE_OU}, {9, 3, K_SITA_SYA}, {5, 9, K_SITA_OU}});
    int plies = 0;
    for (int k = 0; controls.messages.empty() && k < 20; ++k) {
      Move(9, k == 0 ? 3 : c.rook[(k + 1) % 2], 9, c.rook[k % 2]);
      ++plies;
      if (!controls.messages.empty()) break;
      Move(5, 1 + k % 2, 5, 2 - k % 2);
      ++plies;
    }
    ASSERT_EQ(controls.Titles(), (std::vector<std::string>{"終了", "再ゲーム"}));
    EXPECT_EQ(Texts()[0], c.text);
    EXPECT_EQ(plies, 13);  // the position after move 1, for the fourth time
    EXPECT_EQ(s.KIFU_SUU, 0);
  }
}

TEST_F(StandardGameTest, TheSideToMoveResignsUnderStandardRulesOnly) {
  struct Case {
    bool computer, standard;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {false, true, {"投了しますか？", "後手が投了しました\n先手の勝ちです", "続けますか？"}},
      {true, true, {"投了しますか？", "あなたが投了しました\nｺﾝﾋﾟｭｰﾀの勝ちです", "続けますか？"}},
      {false, false, {"投了は標準ﾙｰﾙの対局でできます(ｵﾌﾟｼｮﾝ→標準ﾙｰﾙ)"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.texts[1 % c.texts.size()]);
    Start();
    SetStandard(c.standard);
    c.computer ? SENTE_Click(*f) : START_Click(*f);
    if (!c.computer) Move(7, 7, 7, 6);  // 後手 to move
    controls.messages.clear();
    controls.answers = {true, true};
    TOURYOU_Click(*f);
    EXPECT_EQ(Texts(), c.texts);
    EXPECT_EQ(f->s.TEBAN == NASHI, c.standard);
  }
  // No game in progress: nothing to resign.
  Start();
  SetStandard(true);
  TOURYOU_Click(*f);
  EXPECT_EQ(Texts(), std::vector<std::string>{"対局中ではありません"});
}

// Games against the computer: the person plays random legal moves; every reply is the
// one the pure search chooses through the standard filter from the same state and map,
// and never leaves the computer's king in check.
TEST_F(StandardGameTest, TheComputerRepliesThroughTheStandardFilter) {
  int wins = 0;
  for (const unsigned seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(seed);
    Start();
    SetStandard(true);
    SENTE_Click(*f);
    GameState& s = f->s;
    std::optional<std::string> end;
    GameState at_end;
    controls.on_box = [&](const FakeControls::Message& b) {
      if (b.title != "終了") return;
      end = b.text;
      at_end = s;
    };
    controls.Answer(true);
    unsigned x = seed;
    for (int turn = 0; turn < 150 && !end; ++turn) {
      std::vector<棋譜の手> legal(標準手の最大数);
      legal.resize(static_cast<size_t>(合法手一覧(局面(s, Color::Black), legal.data())));
      x = x * 1103515245u + 12345u;
      const 棋譜の手 te = legal.at((x >> 8) % legal.size());

      // The person's move and the reply on copies, as the clicks and the turn make them.
      GameState want = s;
      勢力図 map = f->勢力;
      勢力調査(want, map);
      勢力調査(want, map);
      手順保存(want, te.MOTO_I, te.MOTO_J, te.SAKI_I, te.SAKI_J, te.KOMA, te.TORI);
      want.KIFU_NARI[want.KIFU_SUU] = te.NARI;
      駒移動_盤(want, te.MOTO_I, te.MOTO_J, te.SAKI_I, te.SAKI_J, te.NARI);
      const bool over = 標準_終局判定(want).has_value();
      const kazeban::Position before = 局面(want, Color::White);
      COM記録 r;
      COM_準備(want, map, r);
      const COM指し手 b = COM_探索(
                              want, map, r, [](const COM指し手&, int) {}, 標準ルールの選別{before})
                              .最善;

      Move(te.MOTO_I, te.MOTO_J, te.SAKI_I, te.SAKI_J,
           te.NARI != te.KOMA ? BUTTON_RIGHT : BUTTON_LEFT);
      if (over) break;
      const GameState& g = end ? at_end : s;
      const int n = g.KIFU_SUU;
      ASSERT_EQ(n, want.KIFU_SUU + 1) << "turn " << turn;
      EXPECT_EQ((std::array{g.KIFU_MOTO_I[n], g.KIFU_MOTO_J[n], g.KIFU_SAKI_I[n], g.KIFU_SAKI_J[n],
                            g.KIFU_NARI[n]}),
                (std::array{b.MOTO_I, b.MOTO_J, b.SAKI_I, b.SAKI_J, b.NARI}))
          << "turn " << turn;
      EXPECT_FALSE(王手されている(g, Color::White)) << "turn " << turn;
    }
    ASSERT_TRUE(end.has_value() || s.TEBAN == s.SITA_SENGO);  // a long game goes on
    wins += end == "ｺﾝﾋﾟｭｰﾀの勝ちです";
    controls.on_box = nullptr;
  }
  EXPECT_GT(wins, 0);
}

}  // namespace
}  // namespace kazeban::testing
