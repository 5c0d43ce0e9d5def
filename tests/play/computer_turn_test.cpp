// The computer's turn in the window: what it shows while it thinks, how its move is
// recorded, made, drawn and sounded, and how it ends the game, on positions where the
// computer has exactly one move (or none, or one that wins), so that the move is known
// without asking the search.
#include <gtest/gtest.h>

#include "com_fixture.h"

namespace kazeban::testing {
namespace {

using ComTurnTest = ComTest;

// The caption panel of the computer's moves starts at this grid point.
constexpr double PX = UE_KEKKA_X;
constexpr double PY = UE_KEKKA_Y;

bool IsPanelErase(const DrawOp& op) {
  return op.kind == DrawOp::Fill && RecordingSurface::Near(op.x, グリッドX(PX)) &&
         RecordingSurface::Near(op.y, グリッドY(PY)) && op.w == 1250 && op.h == 400 &&
         op.colour == IRO_2;
}
bool IsThinking(const DrawOp& op) {
  return op.kind == DrawOp::Text && op.text == "思考中";
}
bool IsRefresh(const DrawOp& op) {
  return op.kind == DrawOp::Refresh;
}

TEST_F(ComTurnTest, ThinkingIsShownAndTheWindowRefreshedBeforeTheSearch) {
  GameState& s = SenteGame();
  // At each refresh: the best score so far, the moves recorded, and whether the board
  // had been set aside for the search.
  struct Seen {
    int best, moves;
    bool board_set_aside;
  };
  std::vector<Seen> seen;
  f->COM.SAIKOU_TEN = 12345;  // left over from an earlier turn
  surface.on_refresh = [&] {
    bool same = true;
    for (int i = 1; i <= 9; ++i) {
      for (int j = 1; j <= 9; ++j) same = same && f->COM.MAE_BAN[i][j] == s.BAN[i][j];
    }
    seen.push_back({f->COM.SAIKOU_TEN, s.KIFU_SUU, same});
  };
  Move(7, 7, 7, 6);
  ASSERT_EQ(s.KIFU_SUU, 2);  // the person's move and the computer's reply

  // The person's caption shows at once (a refresh), then the computer's panel is
  // cleared, "思考中" written into it and shown, and only then the search runs.
  const int erase = IndexOf(IsPanelErase);
  const int thinking = IndexOf(IsThinking);
  ASSERT_GE(erase, 0);
  ASSERT_GT(thinking, erase);
  const DrawOp& t = surface.ops[static_cast<std::size_t>(thinking)];
  EXPECT_TRUE(RecordingSurface::Near(t.x, グリッドX(PX)));
  EXPECT_TRUE(RecordingSurface::Near(t.y, グリッドY(PY)));
  EXPECT_EQ(t.colour, IRO_15);
  EXPECT_EQ(t.size, 12);
  // Nothing is drawn between "思考中" and its refresh.
  EXPECT_EQ(IndexOf(IsRefresh, thinking), thinking + 1);

  // Refreshes: the person's caption, "思考中", the computer's caption.
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].best, 12345);
  // At "思考中" the position was set aside and the best score reset, but nothing was
  // scored and the computer's move not made: the search came after.
  EXPECT_TRUE(seen[1].board_set_aside);
  EXPECT_EQ(seen[1].best, 点_初期);
  EXPECT_EQ(seen[1].moves, 1);
  EXPECT_GT(seen[2].best, 点_初期);
  EXPECT_EQ(seen[2].moves, 2);
}

TEST_F(ComTurnTest, TheOnlyMoveIsRecordedNumberedMadeOutlinedSoundedAndCaptioned) {
  GameState& s = SenteGame();
  ComputerWalledIn(s);
  s.BAN[2][3] = K_UE_HU;  // its only move: (2, 3) to (2, 4), file 8, rank 4
  s.KIFU_SUU = s.KIFU_SAIGO = 6;
  s.TESUU = 6;
  ComputerToMove();

  EXPECT_EQ(com_ban(*f), COM手番結果::指した);

  // Recorded as entry 7, with the code before and after and nothing captured.
  EXPECT_EQ(s.KIFU_SUU, 7);
  EXPECT_EQ(s.KIFU_SAIGO, 7);
  EXPECT_EQ(s.KIFU_MOTO_I[7], 2);
  EXPECT_EQ(s.KIFU_MOTO_J[7], 3);
  EXPECT_EQ(s.KIFU_SAKI_I[7], 2);
  EXPECT_EQ(s.KIFU_SAKI_J[7], 4);
  EXPECT_EQ(s.KIFU_KOMA[7], K_UE_HU);
  EXPECT_EQ(s.KIFU_NARI[7], K_UE_HU);
  EXPECT_EQ(s.KIFU_TORI[7], KARA);

  // The move number.
  EXPECT_EQ(s.TESUU, 7);
  EXPECT_EQ(TextAt(11.9, 2.3), " 7 ");

  // On the board and the screen, with the destination outlined in white last.
  EXPECT_EQ(s.BAN[2][3], KARA);
  EXPECT_EQ(s.BAN[2][4], K_UE_HU);
  EXPECT_EQ(Picture(2, 3), PICTURE_KARA_MASU);
  EXPECT_EQ(Picture(2, 4), K_UE_HU);
  EXPECT_EQ(Outline(2, 4), IRO_15);

  // The piece sound, once, and no box.
  EXPECT_EQ(FakeSound().ArgumentsOf("dsPlay"), std::vector<int32_t>{KOMAUTI});
  EXPECT_TRUE(controls.messages.empty());

  // The caption "８四歩" in the panel, in white, after "思考中"; shown at once.
  EXPECT_EQ(TextAt(PX, PY), "８");
  EXPECT_EQ(TextAt(PX + 0.4, PY), "四");
  EXPECT_EQ(TextAt(PX + 1, PY), "歩");
  const int thinking = IndexOf(IsThinking);
  const int caption = IndexOf([](const DrawOp& op) { return op.text == "歩"; }, thinking);
  EXPECT_GT(caption, thinking);
  EXPECT_EQ(surface.ops[static_cast<std::size_t>(caption)].colour, IRO_15);
  EXPECT_EQ(surface.ops.back().kind, DrawOp::Refresh);

  // The person is to move.
  EXPECT_EQ(s.TEBAN, s.SITA_SENGO);
  EXPECT_EQ(waits, std::vector<int>{});
}

TEST_F(ComTurnTest, APawnReachingTheLastRowCapturesAndIsPlayedPromoted) {
  GameState& s = SenteGame();
  ComputerWalledIn(s);
  s.BAN[2][8] = K_UE_HU;
  s.BAN[2][9] = K_SITA_KIN;  // its only move takes this gold on the last row
  ComputerToMove();

  EXPECT_EQ(com_ban(*f), COM手番結果::指した);

  EXPECT_EQ(s.KIFU_KOMA[1], K_UE_HU);
  EXPECT_EQ(s.KIFU_NARI[1], K_UE_NARIHU);
  EXPECT_EQ(s.KIFU_TORI[1], K_SITA_KIN);
  EXPECT_EQ(s.BAN[2][9], K_UE_NARIHU);
  EXPECT_EQ(Picture(2, 9), K_UE_NARIHU);
  // The gold goes into the computer's hand (kind 5 on row 3), which is redrawn.
  EXPECT_EQ(s.UE_MOCHI[5], 1);
  EXPECT_EQ(s.UE_MOCHI_SU, 1);
  EXPECT_EQ(Picture(-1, 3), K_UE_KIN);
  EXPECT_EQ(TextAt(PX, PY), "８");
  EXPECT_EQ(TextAt(PX + 0.4, PY), "九");
  EXPECT_EQ(TextAt(PX + 1, PY), "と");
}

TEST_F(ComTurnTest, ADropIsRecordedWithItsKindAndTakenFromTheHand) {
  GameState& s = SenteGame();
  ComputerWalledIn(s);
  // Every other square is full, so a gold in hand has one square to go: (9, 5).
  for (int i = 1; i <= 9; ++i) {
    for (int j = 1; j <= 9; ++j) {
      if (s.BAN[i][j] == KARA) s.BAN[i][j] = K_SITA_HU;
    }
  }
  s.BAN[9][5] = KARA;
  s.UE_MOCHI[5] = 1;
  s.UE_MOCHI_SU = 1;
  ComputerToMove();

  EXPECT_EQ(com_ban(*f), COM手番結果::指した);

  // A drop comes from column -1 with the kind as its row.
  EXPECT_EQ(s.KIFU_MOTO_I[1], -1);
  EXPECT_EQ(s.KIFU_MOTO_J[1], 5);
  EXPECT_EQ(s.KIFU_SAKI_I[1], 9);
  EXPECT_EQ(s.KIFU_SAKI_J[1], 5);
  EXPECT_EQ(s.KIFU_KOMA[1], K_UE_KIN);
  EXPECT_EQ(s.KIFU_NARI[1], K_UE_KIN);
  EXPECT_EQ(s.BAN[9][5], K_UE_KIN);
  EXPECT_EQ(s.UE_MOCHI[5], 0);
  EXPECT_EQ(s.UE_MOCHI_SU, 0);
  EXPECT_EQ(Picture(-1, 3), PICTURE_KARA_MASU);  // the hand square is empty again
  EXPECT_EQ(Picture(9, 5), K_UE_KIN);
  EXPECT_EQ(Outline(9, 5), IRO_15);
  EXPECT_EQ(TextAt(PX, PY), "１");
  EXPECT_EQ(TextAt(PX + 0.4, PY), "五");
  EXPECT_EQ(TextAt(PX + 1, PY), "金");

  // The forward step of the review commands plays the recorded drop the same way.
  GameState replay = s;
  棋譜_戻す(replay);
  EXPECT_EQ(replay.UE_MOCHI[5], 1);
  EXPECT_EQ(replay.BAN[9][5], KARA);
  棋譜_進める(replay);
  EXPECT_EQ(盤と持駒の違い(replay, s), "");
}

TEST_F(ComTurnTest, AttackingThePersonsKingWinsWithoutACaption) {
  GameState& s = SenteGame();
  ClearBoard(s);
  s.BAN[1][1] = K_UE_OU;
  s.BAN[9][5] = K_UE_SYA;
  s.BAN[5][9] = K_SITA_OU;
  // The king's moves attack nothing; the rook's first move that does is (9, 5) to
  // (5, 5), down the open fifth column. Later ones only tie with it.
  ComputerToMove();
  std::vector<std::string> texts_at_end;
  int sounds_at_end = 0;
  controls.on_box = [&](const FakeControls::Message& b) {
    if (b.title != "終了") return;
    texts_at_end = surface.Texts();
    sounds_at_end = static_cast<int>(FakeSound().calls.size());
    EXPECT_EQ(s.BAN[5][5], K_UE_SYA);
    EXPECT_EQ(s.BAN[9][5], KARA);
    EXPECT_EQ(s.KIFU_SUU, 1);
  };
  controls.Answer(true);

  EXPECT_EQ(com_ban(*f), COM手番結果::終局);

  ASSERT_EQ(controls.messages.size(), 2u);
  EXPECT_EQ(controls.messages[0].title, "終了");
  EXPECT_EQ(controls.messages[0].text, "ｺﾝﾋﾟｭｰﾀの勝ちです");
  EXPECT_EQ(controls.messages[1].title, "再ゲーム");
  // The move was numbered and "思考中" shown, but no caption of the move was drawn.
  EXPECT_NE(std::find(texts_at_end.begin(), texts_at_end.end(), "思考中"), texts_at_end.end());
  EXPECT_NE(std::find(texts_at_end.begin(), texts_at_end.end(), " 1 "), texts_at_end.end());
  for (const char* token : {"５", "五", "飛"}) {
    EXPECT_EQ(std::find(texts_at_end.begin(), texts_at_end.end(), token), texts_at_end.end())
        << token;
  }
  // The piece sound, then the closing sound, before the winner is shown.
  EXPECT_EQ(FakeSound().ArgumentsOf("dsPlay"), (std::vector<int32_t>{KOMAUTI, SYUUKYOKU, KOMAUTI}));
  EXPECT_EQ(sounds_at_end, 2);
  // Another game: the starting position with no game in progress.
  EXPECT_EQ(s.TEBAN, NASHI);
  EXPECT_EQ(s.KIFU_SUU, 0);
  EXPECT_EQ(s.BAN[5][5], KARA);
}

TEST_F(ComTurnTest, AWinAnsweredNoEndsTheProgramAndNothingFollows) {
  GameState& s = SenteGame();
  ClearBoard(s);
  s.BAN[1][1] = K_UE_OU;
  s.BAN[9][5] = K_UE_SYA;
  s.BAN[5][9] = K_SITA_OU;
  s.BAN[9][9] = K_SITA_HU;
  s.TEBAN = s.SITA_SENGO;
  controls.Answer(false);
  Move(9, 9, 9, 8);  // the person's move; the computer's reply wins

  EXPECT_EQ(controls.messages[0].text, "ｺﾝﾋﾟｭｰﾀの勝ちです");
  EXPECT_EQ(controls.quit_count, 1);
  EXPECT_EQ(FakeSound().Count("dsTerminate"), 1);
  // The board stays as the winning move left it; no new game was set up.
  EXPECT_EQ(s.BAN[5][5], K_UE_SYA);
  EXPECT_NE(s.TEBAN, NASHI);
  surface.Clear();
  Click(9, 8);
  GOTE_Click(*f);
  SENTE_Click(*f);
  EXPECT_TRUE(surface.ops.empty());
  EXPECT_EQ(controls.messages.size(), 2u);
}

TEST_F(ComTurnTest, TakingAKingThePersonLeftAttackedWinsForTheComputer) {
  GameState& s = SenteGame();
  ComputerWalledIn(s);
  s.BAN[1][1] = KARA;
  s.BAN[2][5] = K_SITA_OU;
  s.BAN[2][3] = K_UE_HU;
  controls.Answer(true);
  int code_at_end = 0;
  controls.on_box = [&](const FakeControls::Message& b) {
    if (b.title == "終了") code_at_end = s.BAN[2][4];
  };
  // The person walks the king into the pawn's path; the pawn's only move takes it.
  // Nothing else of the computer's bears on that square afterwards.
  Move(2, 5, 2, 4);

  ASSERT_EQ(controls.messages.size(), 2u);
  EXPECT_EQ(controls.messages[0].text, "ｺﾝﾋﾟｭｰﾀの勝ちです");
  EXPECT_EQ(code_at_end, K_UE_HU);
  EXPECT_EQ(s.KIFU_TORI[2], K_SITA_OU);  // the record kept the capture
  EXPECT_EQ(s.TEBAN, NASHI);
}

TEST_F(ComTurnTest, WithNoLegalMoveOrDropThePersonWins) {
  GameState& s = SenteGame();
  ComputerWalledIn(s);
  int moves_at_end = -1;
  bool thinking_erased = false;
  controls.on_box = [&](const FakeControls::Message& b) {
    if (b.title != "終了") return;
    moves_at_end = s.KIFU_SUU;
    // "思考中" was written, then the panel erased again.
    const int thinking = IndexOf(IsThinking);
    thinking_erased = thinking >= 0 && IndexOf(IsPanelErase, thinking) > thinking;
  };
  controls.Answer(true);
  Move(1, 1, 1, 2);

  ASSERT_EQ(controls.messages.size(), 2u);
  EXPECT_EQ(controls.messages[0].title, "終了");
  EXPECT_EQ(controls.messages[0].text, "あなたの勝ちです");
  EXPECT_EQ(moves_at_end, 1);  // only the person's move was recorded
  EXPECT_TRUE(thinking_erased);
  EXPECT_EQ(waits, std::vector<int>{1});
  EXPECT_EQ(FakeSound().ArgumentsOf("dsPlay"), (std::vector<int32_t>{KOMAUTI, SYUUKYOKU, KOMAUTI}));
  EXPECT_EQ(s.TEBAN, NASHI);
}

TEST_F(ComTurnTest, ThePersonsCheckWinsAndTheComputerDoesNotReply) {
  GameState& s = SenteGame();
  ClearBoard(s);
  s.BAN[5][1] = K_UE_OU;
  s.BAN[1][9] = K_UE_KIN;
  s.BAN[5][9] = K_SITA_OU;
  s.BAN[2][5] = K_SITA_SYA;
  controls.Answer(true);
  int moves_at_end = -1;
  controls.on_box = [&](const FakeControls::Message& b) {
    if (b.title == "終了") moves_at_end = s.KIFU_SUU;
  };
  Move(2, 5, 5, 5);  // the rook sees (5, 1) up the open fifth column

  ASSERT_EQ(controls.messages.size(), 2u);
  EXPECT_EQ(controls.messages[0].text, "あなたの勝ちです");
  EXPECT_EQ(moves_at_end, 1);
  EXPECT_FALSE(DrewText("思考中"));
}

TEST_F(ComTurnTest, ThePersonTakingTheComputersKingWins) {
  GameState& s = SenteGame();
  ClearBoard(s);
  // The computer's king was left on the open column of the person's lance.
  s.BAN[5][1] = K_UE_OU;
  s.BAN[5][9] = K_SITA_KYOU;
  s.BAN[9][9] = K_SITA_OU;
  controls.Answer(true);
  int moves_at_end = -1;
  int winner_at_end = NASHI;
  controls.on_box = [&](const FakeControls::Message& b) {
    if (b.title != "終了") return;
    moves_at_end = s.KIFU_SUU;
    winner_at_end = s.SYOUSYA;
  };
  Move(5, 9, 5, 1, BUTTON_RIGHT);

  ASSERT_EQ(controls.messages.size(), 2u);
  EXPECT_EQ(controls.messages[0].text, "あなたの勝ちです");
  EXPECT_EQ(moves_at_end, 1);
  EXPECT_EQ(winner_at_end, SENTE);
  EXPECT_FALSE(DrewText("思考中"));
}

TEST_F(ComTurnTest, WithTheRecordFullTheComputerPlaysNothingAndThePersonKeepsTheTurn) {
  GameState& s = SenteGame();
  s.KIFU_SUU = s.KIFU_SAIGO = KIFU_MAX - 1;
  s.TESUU = KIFU_MAX - 1;
  Move(7, 7, 7, 6);  // the 500th move, the person's

  EXPECT_EQ(s.KIFU_SUU, KIFU_MAX);
  EXPECT_EQ(s.BAN[7][6], K_SITA_HU);
  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(controls.messages[0].title, "棋譜");
  EXPECT_EQ(controls.messages[0].text, "棋譜がいっぱいです(500手まで)");
  EXPECT_EQ(FakeSound().ArgumentsOf("dsPlay"), (std::vector<int32_t>{KOMAUTI, KINSI}));
  EXPECT_FALSE(DrewText("思考中"));
  EXPECT_EQ(s.TEBAN, s.SITA_SENGO);

  // The person's next move is refused the same way, and nothing changes.
  Click(3, 7);
  const GameState before = s;
  controls.messages.clear();
  Click(3, 6);
  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(controls.messages[0].text, "棋譜がいっぱいです(500手まで)");
  EXPECT_TRUE(SameGame(before, s));
}

TEST_F(ComTurnTest, SenteLetsThePersonMoveFirst) {
  Start();
  LEVEL2_Click(*f);
  surface.Clear();
  f->s.SENTAKU_JOUTAI = 1;
  SENTE_Click(*f);
  GameState& s = f->s;

  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(controls.messages[0].title, " ");
  EXPECT_EQ(controls.messages[0].text, "あなたの番です");
  EXPECT_FALSE(controls.messages[0].yes_no);
  EXPECT_EQ(s.TEBAN, 6);
  EXPECT_EQ(s.SITA_SENGO, SENTE);
  EXPECT_EQ(s.UE_SENGO, GOTE);
  EXPECT_EQ(s.TAIKYOKU_SYU, TAI_COM);
  EXPECT_EQ(s.KIFU_MODE, OFF);
  EXPECT_EQ(s.SENTAKU_JOUTAI, 0);
  EXPECT_EQ(TextAt(-1.5, 0.1), "LEVEL");
  EXPECT_EQ(TextAt(0, 0), " 2 ");
  EXPECT_EQ(s.KIFU_SUU, 0);  // the computer waits

  // The person moves a pawn; the computer replies within the same click.
  Move(7, 7, 7, 6);
  EXPECT_EQ(s.BAN[7][6], K_SITA_HU);
  EXPECT_EQ(s.KIFU_SUU, 2);
  EXPECT_GE(s.KIFU_KOMA[2], K_UE_HU);
  EXPECT_EQ(s.TEBAN, 6);
}

TEST_F(ComTurnTest, GoteLetsTheComputerMoveAtOnce) {
  Start();
  LEVEL1_Click(*f);
  surface.Clear();
  // What the search chooses from the starting position at level 1.
  GameState copy = f->s;
  copy.COM_LEVEL = 1;
  勢力図 map = f->勢力;
  const 期待 want = 純粋な探索(copy, map);
  ASSERT_TRUE(want.res.指し手あり);

  GOTE_Click(*f);
  GameState& s = f->s;

  EXPECT_TRUE(controls.messages.empty());
  EXPECT_EQ(TextAt(0, 0), " 1 ");
  EXPECT_EQ(s.SITA_SENGO, GOTE);
  EXPECT_EQ(s.UE_SENGO, SENTE);
  EXPECT_EQ(s.TAIKYOKU_SYU, TAI_COM);
  EXPECT_EQ(s.KIFU_SUU, 1);
  EXPECT_EQ(s.TESUU, 1);
  EXPECT_EQ(s.KIFU_MOTO_I[1], want.res.最善.MOTO_I);
  EXPECT_EQ(s.KIFU_MOTO_J[1], want.res.最善.MOTO_J);
  EXPECT_EQ(s.KIFU_SAKI_I[1], want.res.最善.SAKI_I);
  EXPECT_EQ(s.KIFU_SAKI_J[1], want.res.最善.SAKI_J);
  EXPECT_EQ(s.KIFU_NARI[1], want.res.最善.NARI);
  EXPECT_EQ(盤と持駒の違い(s, copy), "");
  EXPECT_EQ(s.TEBAN, 7);
  EXPECT_EQ(s.TEBAN, s.SITA_SENGO);

  // The person may move now, and is answered.
  Move(7, 7, 7, 6);
  EXPECT_EQ(s.BAN[7][6], K_SITA_HU);
  EXPECT_EQ(s.KIFU_SUU, 3);
  EXPECT_EQ(s.TEBAN, 7);
}

TEST_F(ComTurnTest, AStoppedGameResumesWithTheComputersMove) {
  GameState& s = SenteGame();
  Move(7, 7, 7, 6);
  Move(4, 9, 4, 8);  // the gold closes the diagonal to the king the computer opened
  ASSERT_EQ(s.KIFU_SUU, 4);
  // Stepped back to the person's first move; the game stopped there.
  棋譜_戻す(s);
  棋譜_戻す(s);
  棋譜_戻す(s);
  s.TEBAN = NASHI;
  GameState copy = s;
  勢力図 map = f->勢力;
  const 期待 want = 純粋な探索(copy, map);
  controls.messages.clear();

  Click(5, 5);

  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(controls.messages[0].title, "再開");
  EXPECT_EQ(s.KIFU_SUU, 2);
  EXPECT_EQ(s.KIFU_SAIGO, 2);  // the later entries are gone
  EXPECT_EQ(s.KIFU_MOTO_I[2], want.res.最善.MOTO_I);
  EXPECT_EQ(s.KIFU_MOTO_J[2], want.res.最善.MOTO_J);
  EXPECT_EQ(s.KIFU_SAKI_I[2], want.res.最善.SAKI_I);
  EXPECT_EQ(s.KIFU_SAKI_J[2], want.res.最善.SAKI_J);
  EXPECT_EQ(盤と持駒の違い(s, copy), "");
  EXPECT_EQ(s.TEBAN, s.SITA_SENGO);
}

TEST_F(ComTurnTest, AResumedGameThatTheComputerWinsStaysOver) {
  GameState& s = SenteGame();
  ClearBoard(s);
  s.BAN[1][1] = K_UE_OU;
  s.BAN[9][5] = K_UE_SYA;
  s.BAN[5][9] = K_SITA_OU;
  // Stopped right after the person's king stepped to (5, 9).
  s.KIFU_SUU = s.KIFU_SAIGO = 1;
  s.KIFU_MOTO_I[1] = 5;
  s.KIFU_MOTO_J[1] = 8;
  s.KIFU_SAKI_I[1] = 5;
  s.KIFU_SAKI_J[1] = 9;
  s.KIFU_KOMA[1] = s.KIFU_NARI[1] = K_SITA_OU;
  s.TEBAN = NASHI;
  controls.Answer(true);
  Click(5, 5);

  ASSERT_EQ(controls.messages.size(), 3u);
  EXPECT_EQ(controls.messages[0].title, "再開");
  EXPECT_EQ(controls.messages[1].text, "ｺﾝﾋﾟｭｰﾀの勝ちです");
  // The new game waits for the menu: no turn is handed to the person.
  EXPECT_EQ(s.TEBAN, NASHI);
  EXPECT_EQ(s.KIFU_SUU, 0);
}

TEST_F(ComTurnTest, EveryClickDuringAGameSurveysTheBoard) {
  GameState& s = SenteGame();
  // The computer's king moved by hand, and the map forgotten.
  s.BAN[5][1] = KARA;
  s.BAN[4][1] = K_UE_OU;
  f->勢力 = 勢力図{};
  Click(5, 5);  // an empty square: nothing else happens

  EXPECT_EQ(s.SENTAKU_JOUTAI, 0);
  EXPECT_EQ(s.UE_OU_I, 4);
  EXPECT_EQ(s.UE_OU_J, 1);
  // Only the pawn behind bears on (7, 6) for the person, on (7, 4) for the computer.
  EXPECT_EQ(f->勢力.SEIRYOKU_SITA[7][6], 1);
  EXPECT_EQ(f->勢力.SEIRYOKU_UE[7][4], 1);
  // The rook on (8, 8), the silver on (7, 9) and the gold on (6, 9) bear on (7, 8);
  // the knight on (8, 9) does not.
  EXPECT_EQ(f->勢力.SEIRYOKU_SITA[7][8], 3);
}

TEST_F(ComTurnTest, TheDefenceSquaresCarryOverFromTurnToTurnAndClickToClick) {
  GameState& s = SenteGame();
  ComputerWalledIn(s);
  s.BAN[2][3] = K_UE_HU;
  s.BAN[1][9] = K_SITA_HU;
  // A defender's square recorded by an earlier survey on (9, 5), which stays empty: no
  // survey writes it again, so it must still be there after the computer's turn and
  // after the person's clicks.
  f->勢力.UE_MAMORI_I[9][5] = 7;
  f->勢力.UE_MAMORI_J[9][5] = 3;
  ComputerToMove();
  ASSERT_EQ(com_ban(*f), COM手番結果::指した);
  EXPECT_EQ(f->勢力.UE_MAMORI_I[9][5], 7);
  Move(1, 9, 1, 8);
  EXPECT_EQ(s.BAN[2][5], K_UE_HU);  // the computer's reply, its only move again
  EXPECT_EQ(f->勢力.UE_MAMORI_I[9][5], 7);
  EXPECT_EQ(f->勢力.UE_MAMORI_J[9][5], 3);
  // The rest of the map describes the position now on the board.
  EXPECT_EQ(f->勢力.SEIRYOKU_UE[2][6], 1);
  EXPECT_EQ(f->勢力.SEIRYOKU_UE[2][5], 0);
}

}  // namespace
}  // namespace kazeban::testing
