// Whole games between two people: how they are won, what the end-of-game boxes do,
// and how a stopped game resumes.
#include <gtest/gtest.h>

#include "play/game_menu.h"
#include "play_fixture.h"
#include "sound/kazeban_sound.h"

namespace kazeban::testing {
namespace {

class GameTest : public PlayTest {
 protected:
  // Five moves from the starting position; SITA's fifth, a bishop dropped on (8, 4),
  // attacks UE's king on (5, 1) along the empty diagonal (7, 3), (6, 2).
  void PlayToSentesWin() {
    Move(3, 7, 3, 6);  // opens SITA's bishop
    Move(7, 3, 7, 4);  // opens UE's bishop
    Move(2, 8, 8, 2);  // SITA's bishop takes UE's bishop
    EXPECT_EQ(f->s.SITA_MOCHI[6], 1);
    Move(7, 1, 8, 2);  // UE's silver takes it back
    EXPECT_EQ(f->s.UE_MOCHI[6], 1);
    EXPECT_TRUE(controls.messages.empty());
    Click(11, 8);  // the bishop in SITA's hand
    Click(8, 4);
  }
};

TEST_F(GameTest, SenteWinsAndAnotherGameIsSetUp) {
  StartTwoPlayerGame();
  int sounds_when_winner_shown = -1;
  controls.on_box = [&](const FakeControls::Message& b) {
    if (b.title == "終了") sounds_when_winner_shown = FakeSound().Count("dsPlay", SYUUKYOKU);
  };
  controls.Answer(true);
  PlayToSentesWin();

  ASSERT_EQ(controls.messages.size(), 2u);
  EXPECT_EQ(controls.messages[0].title, "終了");
  EXPECT_EQ(controls.messages[0].text, "先手の勝ちです");
  EXPECT_FALSE(controls.messages[0].yes_no);
  EXPECT_EQ(controls.messages[1].title, "再ゲーム");
  EXPECT_EQ(controls.messages[1].text, "続けますか？");
  EXPECT_TRUE(controls.messages[1].yes_no);
  EXPECT_EQ(waits, std::vector<int>{1});
  EXPECT_EQ(sounds_when_winner_shown, 1);  // the closing sound comes before the winner

  // Yes: the starting position, no game in progress, the piece sound; the game type
  // and the level stay.
  const GameState& s = f->s;
  EXPECT_EQ(s.TEBAN, NASHI);
  EXPECT_EQ(s.KIFU_SUU, 0);
  EXPECT_EQ(s.TESUU, 0);
  EXPECT_EQ(s.BAN[8][4], KARA);
  EXPECT_EQ(s.BAN[8][2], K_UE_KAKU);
  EXPECT_EQ(s.BAN[2][8], K_SITA_KAKU);
  EXPECT_EQ(s.SITA_MOCHI[6], 0);
  EXPECT_EQ(s.UE_MOCHI[6], 0);
  EXPECT_EQ(s.SITA_MOCHI_SU, 0);
  EXPECT_EQ(s.TAIKYOKU_SYU, TAI_MAN);
  EXPECT_EQ(s.COM_LEVEL, 3);
  EXPECT_EQ(Picture(8, 4), PICTURE_KARA_MASU);
  EXPECT_EQ(Picture(8, 2), K_UE_KAKU);
  EXPECT_EQ(FakeSound().calls.back().function, "dsPlay");
  EXPECT_EQ(FakeSound().calls.back().argument, KOMAUTI);
  EXPECT_EQ(controls.quit_count, 0);

  // The next click asks for a game to be started; スタート starts it afresh.
  Click(7, 7);
  EXPECT_EQ(controls.messages.back().title, "開始");
  START_Click(*f);
  Move(7, 7, 7, 6);
  EXPECT_EQ(f->s.KIFU_SUU, 1);
}

TEST_F(GameTest, AnsweringNoEndsTheProgramAtOnce) {
  StartTwoPlayerGame();
  controls.Answer(false);
  PlayToSentesWin();
  EXPECT_EQ(controls.quit_count, 1);
  EXPECT_EQ(FakeSound().ArgumentsOf("dsFree"), (std::vector<int32_t>{101, 102, 103, 104, 105}));
  EXPECT_EQ(FakeSound().Count("dsTerminate", 77), 1);
  // Nothing ran after the end: no new game was set up, no piece sound followed.
  EXPECT_EQ(f->s.BAN[8][4], K_SITA_KAKU);
  EXPECT_EQ(FakeSound().calls.back().function, "dsTerminate");
  surface.Clear();
  Click(7, 7);
  START_Click(*f);
  EXPECT_TRUE(surface.ops.empty());
  EXPECT_EQ(controls.messages.size(), 2u);
}

TEST_F(GameTest, ClicksAndMenusDuringTheEndOfGameBoxesAreIgnored) {
  StartTwoPlayerGame();
  controls.on_box = [&](const FakeControls::Message&) {
    Click(7, 7);
    Click(7, 6);
    Click(11, 8);
    START_Click(*f);
    LEVEL1_Click(*f);
    Form_KeyDown(*f, 27, 0);
    EXPECT_FALSE(Form_Unload(*f));
  };
  controls.Answer(true);
  PlayToSentesWin();
  EXPECT_EQ(controls.messages.size(), 2u);  // only the two end-of-game boxes
  EXPECT_EQ(controls.quit_count, 0);
  EXPECT_EQ(f->s.COM_LEVEL, 3);
  EXPECT_EQ(f->s.TEBAN, NASHI);
  EXPECT_EQ(f->s.BAN[7][7], K_SITA_HU);
  EXPECT_EQ(f->s.KIFU_SUU, 0);
  EXPECT_EQ(FakeSound().Count("dsFree"), 0);
}

TEST_F(GameTest, GoteWinsByAttackingSITAsKing) {
  GameState& s = EmptyBoardGame();
  s.BAN[9][7] = K_SITA_HU;
  s.BAN[1][5] = K_UE_SYA;
  controls.Answer(true);
  Move(9, 7, 9, 6);
  Move(1, 5, 5, 5);  // the rook now sees (5, 9) down an empty column
  ASSERT_EQ(controls.messages.size(), 2u);
  EXPECT_EQ(controls.messages[0].text, "後手の勝ちです");
}

TEST_F(GameTest, AnAttackUncoveredByAnotherPieceDoesNotEndTheGame) {
  GameState& s = EmptyBoardGame();
  s.BAN[5][8] = K_SITA_SYA;
  s.BAN[5][5] = K_SITA_GIN;
  s.BAN[9][3] = K_UE_HU;
  Move(5, 5, 4, 4);  // the silver steps aside; the rook now sees UE's king
  EXPECT_TRUE(controls.messages.empty());
  EXPECT_EQ(s.TEBAN, GOTE);
  Move(9, 3, 9, 4);
  EXPECT_TRUE(controls.messages.empty());

  // Taking the king that was left standing ends the game too.
  controls.Answer(true);
  Move(5, 8, 5, 1);
  ASSERT_EQ(controls.messages.size(), 2u);
  EXPECT_EQ(controls.messages[0].text, "先手の勝ちです");
  EXPECT_EQ(s.TEBAN, NASHI);
}

TEST_F(GameTest, AStoppedGameResumesWithTheSideOfTheNextRecordedMove) {
  StartTwoPlayerGame();
  GameState& s = f->s;
  Move(7, 7, 7, 6);
  Move(3, 3, 3, 4);
  Move(2, 7, 2, 6);
  // Two moves taken back, as the review commands would.
  s.BAN[2][6] = KARA;
  s.BAN[2][7] = K_SITA_HU;
  s.BAN[3][4] = KARA;
  s.BAN[3][3] = K_UE_HU;
  s.KIFU_SUU = 1;
  s.TESUU = 1;
  s.TEBAN = NASHI;
  controls.messages.clear();

  Click(5, 5);
  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(controls.messages[0].title, "再開");
  EXPECT_EQ(controls.messages[0].text, "OKですか？");
  EXPECT_EQ(s.TEBAN, GOTE);  // entry 2 was UE's
  EXPECT_EQ(s.KIFU_SAIGO, 3);

  // The next move overwrites the record from entry 2 and drops what followed.
  Move(8, 3, 8, 4);
  EXPECT_EQ(s.KIFU_SUU, 2);
  EXPECT_EQ(s.KIFU_SAIGO, 2);
  EXPECT_EQ(s.KIFU_MOTO_I[2], 8);
  EXPECT_EQ(s.TEBAN, SENTE);
  EXPECT_EQ(s.TESUU, 2);
}

TEST_F(GameTest, ResumingBeforeASITAMoveGivesSITATheTurn) {
  StartTwoPlayerGame();
  GameState& s = f->s;
  Move(7, 7, 7, 6);
  Move(3, 3, 3, 4);
  Move(2, 7, 2, 6);
  s.BAN[2][6] = KARA;
  s.BAN[2][7] = K_SITA_HU;
  s.KIFU_SUU = 2;
  s.TEBAN = NASHI;
  Click(5, 5);
  EXPECT_EQ(s.TEBAN, SENTE);
}

TEST_F(GameTest, ResumingAtTheEndOfTheRecordGivesTheTurnToTheOtherSide) {
  StartTwoPlayerGame();
  GameState& s = f->s;
  Move(7, 7, 7, 6);
  s.TEBAN = NASHI;  // stopped right after SITA's move
  Click(5, 5);
  EXPECT_EQ(s.TEBAN, GOTE);
  Move(3, 3, 3, 4);
  s.TEBAN = NASHI;  // and after UE's
  Click(5, 5);
  EXPECT_EQ(s.TEBAN, SENTE);
  // A full record is read no further than its last entry.
  s.KIFU_SUU = KIFU_MAX;
  s.KIFU_SAIGO = KIFU_MAX;
  s.KIFU_NARI[KIFU_MAX] = K_UE_KIN;
  s.TEBAN = NASHI;
  Click(5, 5);
  EXPECT_EQ(s.TEBAN, SENTE);
}

TEST_F(GameTest, WithARecordLoadedAClickAsksToStepAndNoStartsAfresh) {
  StartTwoPlayerGame();
  GameState& s = f->s;
  Move(7, 7, 7, 6);
  s.TEBAN = NASHI;
  s.KIFU_MODE = ON;
  FakeSound().calls.clear();
  controls.Answer(true);
  Click(5, 5);
  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(controls.messages[0].title, "棋譜");
  EXPECT_EQ(controls.messages[0].text, "棋譜を '進 'で進めて下さい");
  EXPECT_EQ(s.BAN[7][6], K_SITA_HU);
  EXPECT_EQ(s.KIFU_MODE, ON);
  EXPECT_TRUE(FakeSound().calls.empty());

  controls.Answer(false);
  Click(5, 5);
  EXPECT_EQ(s.KIFU_MODE, OFF);
  EXPECT_EQ(s.KIFU_SUU, 0);
  EXPECT_EQ(s.BAN[7][7], K_SITA_HU);
  EXPECT_EQ(s.BAN[7][6], KARA);
  EXPECT_EQ(FakeSound().Count("dsInitialize"), 0);
  EXPECT_EQ(FakeSound().Count("dsCreateDSB"), 0);
  EXPECT_EQ(FakeSound().ArgumentsOf("dsPlay"), std::vector<int32_t>{KOMAUTI});
}

}  // namespace
}  // namespace kazeban::testing
