// Games under standard shogi's rules in the window (ｵﾌﾟｼｮﾝ → 標準ﾙｰﾙ): the moves it
// refuses, a check that goes on, mate, repetition, resigning, and whole games against
// the computer searching through the standard filter.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "board_diagram.h"
#include "com_fixture.h"
#include "interop/standard_filter.h"
#include "play/standard_game.h"

namespace kazeban::testing {
namespace {

class StandardGameTest : public ComTest {
 protected:
  void SetStandard(bool on) {
    if (f->標準.選択 != on) HYOUJUN_Click(*f);
    ASSERT_EQ(controls.IsChecked(MenuCheck::HYOUJUN), on);
  }
  // A two-player game on `rows`, SITA to move, `sita_hand` in SITA's hand.
  GameState& Position(const char* const (&rows)[9], bool standard,
                      std::initializer_list<int> sita_hand = {}) {
    StartTwoPlayerGame();
    SetStandard(standard);
    盤を置く(f->s, rows);
    持駒を置く(f->s.SITA_MOCHI, f->s.SITA_MOCHI_SU, sita_hand);
    controls.answers.clear();
    return f->s;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const auto& m : controls.messages) out.push_back(m.text);
    return out;
  }
};

using Diagram = const char* const[9];

// SITA's king on (5, 8): a UE rook on row 7 guards the square before it.
Diagram 王の前 = {
    " ・ ・ ・ ・v王 ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・",
    " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・",
    " ・ ・ ・ ・ ・ ・ ・ ・v飛", " ・ ・ ・ ・^王 ・ ・ ・ ・", " ・ ・ ・ ・^金 ・ ・ ・ ・",
};
// The same with the rook on row 8: SITA's king is in check.
Diagram 王手 = {
    " ・ ・ ・ ・v王 ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・",
    " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・",
    " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・^王 ・ ・ ・v飛", " ・ ・ ・ ・^金 ・ ・ ・ ・",
};
// UE's king in the corner (1, 1), its knight on (2, 1); SITA's gold on (2, 3) covers
// (1, 2) and the king's last flight (2, 2): a pawn dropped on (1, 2) mates.
Diagram 隅の王 = {
    "v王v桂 ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・^金 ・ ・ ・ ・ ・ ・ ・",
    " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・",
    " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・^王 ・ ・ ・ ・",
};

TEST_F(StandardGameTest, AMoveStandardShogiForbidsIsRefusedWithItsRule) {
  struct Case {
    const char* name;
    Diagram& rows;
    int from_i, from_j, to_i, to_j;
    const char* text;
  };
  const Case cases[] = {
      {"into check", 王の前, 5, 8, 5, 7, "自玉に王手がかかる手は指せません"},
      {"check left", 王手, 5, 9, 4, 9, "王手を放置する手は指せません"},
      {"pawn-drop mate", 隅の王, 11, 3, 1, 2, "打ち歩詰めは反則です"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const bool standard : {true, false}) {
      GameState& s = Position(c.rows, standard, {1});
      controls.Answer(true);
      const GameState before = s;
      const int refused = Played(KINSI);
      const int moved = Played(KOMAUTI);
      Move(c.from_i, c.from_j, c.to_i, c.to_j);
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

TEST_F(StandardGameTest, ACheckGoesOnAndMateEndsTheGame) {
  // A gold dropped before UE's king checks it; the king takes it and the game goes on.
  Diagram 王 = {
      " ・ ・ ・ ・v王 ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・",
      " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・",
      " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・^王 ・ ・ ・ ・",
  };
  GameState& s = Position(王, true, {0, 0, 0, 0, 1});
  Click(11, 7);
  Click(5, 2);
  EXPECT_TRUE(controls.messages.empty());
  EXPECT_EQ(s.TEBAN, GOTE);
  Move(5, 1, 5, 2);
  EXPECT_EQ(s.KIFU_SUU, 2);
  EXPECT_EQ(s.TEBAN, SENTE);

  // With a pawn on (5, 3) covering it, the gold mates: every flight is the gold's.
  Position(王, true, {0, 0, 0, 0, 1});
  s.BAN[5][3] = -K_UE_HU;
  controls.Answer(true);
  Click(11, 7);
  Click(5, 2);
  ASSERT_EQ(controls.Titles(), (std::vector<std::string>{"終了", "再ゲーム"}));
  EXPECT_EQ(Texts()[0], "先手の勝ちです");
  EXPECT_EQ(s.TEBAN, NASHI);  // はい: the starting position
}

TEST_F(StandardGameTest, TheFourthRepetitionIsADrawOrALossForTheSideAlwaysChecking) {
  // SITA's rook on column 9 swings between two rows; UE's king steps back and forth.
  Diagram 飛車 = {
      " ・ ・ ・ ・v王 ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・^飛",
      " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・",
      " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・ ・ ・ ・ ・ ・", " ・ ・ ・ ・^王 ・ ・ ・ ・",
  };
  struct Case {
    const char* name;
    int rook[2];  // rows of the rook
    int king[2];  // rows of the king on column 5
    const char* text;
  };
  const Case cases[] = {
      {"quiet", {5, 6}, {2, 1}, "千日手で引き分けです"},
      // The rook checks along row 1, then row 2, as the king steps between them.
      {"perpetual check", {1, 2}, {2, 1}, "連続王手の千日手です\n後手の勝ちです"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameState& s = Position(飛車, true);
    controls.Answer(true);
    int plies = 0;
    int rook = 3, king = 1;
    for (int k = 0; controls.messages.empty() && k < 20; ++k) {
      Move(9, rook, 9, c.rook[k % 2]);
      rook = c.rook[k % 2];
      ++plies;
      if (!controls.messages.empty()) break;
      Move(5, king, 5, c.king[k % 2]);
      king = c.king[k % 2];
      ++plies;
    }
    ASSERT_EQ(controls.Titles(), (std::vector<std::string>{"終了", "再ゲーム"}));
    EXPECT_EQ(Texts()[0], c.text);
    // The position after move 1 is on the board for the fourth time after move 13.
    EXPECT_EQ(plies, 13);
    EXPECT_EQ(s.KIFU_SUU, 0);
  }
}

TEST_F(StandardGameTest, TheSideToMoveResignsUnderStandardRulesOnly) {
  struct Case {
    const char* name;
    bool computer, standard;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {"people",
       false,
       true,
       {"投了しますか？", "後手が投了しました\n先手の勝ちです", "続けますか？"}},
      {"computer",
       true,
       true,
       {"投了しますか？", "あなたが投了しました\nｺﾝﾋﾟｭｰﾀの勝ちです", "続けますか？"}},
      {"KAZEBAN's rule", false, false, {"投了は標準ﾙｰﾙの対局でできます(ｵﾌﾟｼｮﾝ→標準ﾙｰﾙ)"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start();
    SetStandard(c.standard);
    if (c.computer) {
      SENTE_Click(*f);
    } else {
      START_Click(*f);
      Move(7, 7, 7, 6);  // 後手 to move
    }
    controls.messages.clear();
    controls.answers = {true, true};
    TOURYOU_Click(*f);
    EXPECT_EQ(Texts(), c.texts);
    EXPECT_EQ(f->s.TEBAN == NASHI, c.standard);
  }
  // No game in progress: nothing to resign.
  Start();
  SetStandard(true);
  controls.messages.clear();
  TOURYOU_Click(*f);
  EXPECT_EQ(Texts(), std::vector<std::string>{"対局中ではありません"});
}

// Whole games against the computer under standard rules: the person plays random
// legal moves; every reply is the one the pure search chooses through the standard
// filter from the same state and map, and never leaves the computer's king in check.
TEST_F(StandardGameTest, TheComputerPlaysThroughTheStandardFilterToTheEnd) {
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
    int turn = 0;
    for (; turn < 150 && !end; ++turn) {
      std::vector<棋譜の手> legal(標準手の最大数);
      legal.resize(static_cast<size_t>(合法手一覧(局面(s, Color::Black), legal.data())));
      ASSERT_FALSE(legal.empty());
      x = x * 1103515245u + 12345u;
      const 棋譜の手 te = legal[(x >> 8) % legal.size()];

      // The person's move and the reply on copies, as the clicks and the turn make them.
      GameState want = s;
      勢力図 map = f->勢力;
      勢力調査(want, map);
      勢力調査(want, map);
      手順保存(want, te.MOTO_I, te.MOTO_J, te.SAKI_I, te.SAKI_J, te.KOMA, te.TORI);
      want.TESUU += 1;
      want.KIFU_NARI[want.KIFU_SUU] = te.NARI;
      駒移動_盤(want, te.MOTO_I, te.MOTO_J, te.SAKI_I, te.SAKI_J, te.NARI);
      const bool over = 標準_終局判定(want).has_value();
      const kazeban::Position before = 局面(want, Color::White);
      COM記録 r;
      COM_準備(want, map, r);
      const COM結果 res = COM_探索(
          want, map, r, [](const COM指し手&, int) {}, 標準ルールの選別{before});

      Click(te.MOTO_I, te.MOTO_J);
      Click(te.SAKI_I, te.SAKI_J, te.NARI != te.KOMA ? BUTTON_RIGHT : BUTTON_LEFT);
      if (over) {
        ASSERT_TRUE(end.has_value());
        EXPECT_EQ(at_end.KIFU_SUU, want.KIFU_SUU);
        break;
      }
      ASSERT_TRUE(res.指し手あり);
      const GameState& g = end ? at_end : s;
      const int n = g.KIFU_SUU;
      ASSERT_EQ(n, want.KIFU_SUU + 1) << "turn " << turn;
      const COM指し手& b = res.最善;
      EXPECT_EQ((std::vector<int>{g.KIFU_MOTO_I[n], g.KIFU_MOTO_J[n], g.KIFU_SAKI_I[n],
                                  g.KIFU_SAKI_J[n], g.KIFU_NARI[n]}),
                (std::vector<int>{b.MOTO_I, b.MOTO_J, b.SAKI_I, b.SAKI_J, b.NARI}))
          << "turn " << turn;
      EXPECT_FALSE(王手されている(g, Color::White)) << "turn " << turn;
    }
    // A game may go on past the bound: the one-move computer does not always find mate.
    if (end) {
      wins += *end == "ｺﾝﾋﾟｭｰﾀの勝ちです";
      EXPECT_TRUE(*end == "あなたの勝ちです" || *end == "ｺﾝﾋﾟｭｰﾀの勝ちです" ||
                  *end == "千日手で引き分けです" ||
                  *end == "連続王手の千日手です\nｺﾝﾋﾟｭｰﾀの勝ちです")
          << *end;
    }
    RecordProperty("end_" + std::to_string(seed), end ? *end : "none");
    controls.on_box = nullptr;
  }
  EXPECT_GT(wins, 0);
}

}  // namespace
}  // namespace kazeban::testing
