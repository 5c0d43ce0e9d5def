// Stepping through the game on the screen (戻, 進), back to the start (最初) and turning
// the board (反転): the state, what the screen shows, the sounds, the refusals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board_diagram.h"
#include "play/handicap.h"
#include "play/options.h"
#include "random_record.h"
#include "record/navigation.h"
#include "record/record_commands.h"
#include "review_fixture.h"
#include "scripted_game.h"

namespace kazeban::testing {
namespace {

class NavigationTest : public ReviewTest {
 protected:
  // Start-up with `played` on the board as if played there, then 戻 back to its start:
  // after every step the screen shows the position the game had then.
  void PutAndStepBackToTheStart(const GameState& played, const std::string& what) {
    StartKeepingScreen();
    PutGame(played);
    while (f->s.KIFU_SUU > 0) {
      REPLAY_Click(*f);
      ASSERT_TRUE(ScreenShowsThePosition()) << what << ": back to move " << f->s.KIFU_SUU;
    }
  }

  // 進 to the end of the record, the screen showing each position reached. At every
  // move, one step back shows the position before it, and one and two steps back
  // followed by as many forward leave the state and the whole screen (the captions of
  // both sides' last moves and the move number included) exactly as they were.
  void StepForwardCheckingEveryWayBack(const std::string& what) {
    while (f->s.KIFU_SUU < f->s.KIFU_SAIGO) {
      AFTER_Click(*f);
      const int n = f->s.KIFU_SUU;
      ASSERT_TRUE(ScreenShowsThePosition()) << what << ": forward to move " << n;
      for (int k = 1; k <= 2 && k <= n; ++k) {
        const Snapshot before(f->s);
        const ScreenRaster screen = Screen();
        for (int b = 0; b < k; ++b) REPLAY_Click(*f);
        ASSERT_EQ(f->s.KIFU_SUU, n - k) << what;
        ASSERT_EQ(f->s.TESUU, before.TESUU - k) << what;
        ASSERT_EQ(f->s.KIFU_SAIGO, before.KIFU_SAIGO) << what;
        if (k == 1) {
          ASSERT_TRUE(ScreenShowsThePosition()) << what << ": back from move " << n;
        }
        for (int b = 0; b < k; ++b) AFTER_Click(*f);
        ASSERT_EQ(Snapshot(f->s), before) << what << ": " << k << " back and forward at " << n;
        ASSERT_EQ(Screen().Differences(screen), 0)
            << what << ": the screen " << k << " back and forward at " << n;
      }
    }
    EXPECT_TRUE(controls.messages.empty()) << what;
  }
};

TEST_F(NavigationTest, TheScriptedGameStepsBackAndForthExactly) {
  // Moves of both sides, a promotion on a capture, the capture of a promoted piece, a
  // drop by each side and the capture of a king.
  PutAndStepBackToTheStart(PlayScript(), "scripted");
  // At the start again: the starting position, the record kept for 進.
  GameState start;
  初期設定_状態(start);
  start.KIFU_SAIGO = kScriptLength;
  EXPECT_EQ(Snapshot(f->s), Snapshot(start));
  StepForwardCheckingEveryWayBack("scripted");
  EXPECT_TRUE(Snapshot(f->s).SamePosition(Snapshot(PlayScript())));
}

TEST_F(NavigationTest, RandomGamesStepBackAndForthExactly) {
  RandomGameStats stats;
  for (unsigned seed : {3u, 8u, 21u, 42u}) {
    const std::string what = "seed " + std::to_string(seed);
    const GameState played = RandomGame(seed, 120, &stats);
    PutAndStepBackToTheStart(played, what);
    StepForwardCheckingEveryWayBack(what);
    ASSERT_TRUE(Snapshot(f->s).SamePosition(Snapshot(played))) << what;
  }
  // The games went through every kind of entry.
  EXPECT_GT(stats.promotions, 5);
  EXPECT_GT(stats.sita_drops, 5);
  EXPECT_GT(stats.ue_drops, 5);
  EXPECT_GT(stats.captures, 30);
  EXPECT_GT(stats.kings_taken, 0);
}

TEST_F(NavigationTest, EachStepRedrawsItsSquaresHandsNumberAndCaption) {
  StartKeepingScreen();
  PutGame(PlayScript());
  while (f->s.KIFU_SUU > 0) REPLAY_Click(*f);
  surface.Clear();
  FakeSound().calls.clear();

  // 進: the bottom side's pawn from (3, 7) to (3, 6), "７六歩" beside the bottom hand.
  AFTER_Click(*f);
  EXPECT_EQ(Picture(3, 7), PICTURE_KARA_MASU);
  EXPECT_EQ(Picture(3, 6), K_SITA_HU);
  EXPECT_EQ(Outline(3, 6), IRO_2);
  EXPECT_EQ(surface.Texts(),
            (std::vector<std::string>{" 1 ", "手目", "７", "六", "歩", " 1 ", "手目"}));
  const DrawOp seven = surface.Of(DrawOp::Text)[2];
  EXPECT_DOUBLE_EQ(seven.x, 1100 + 495 * 11.4);
  EXPECT_DOUBLE_EQ(seven.y, 100 + 615 * 1.7);
  EXPECT_EQ(Sounds(), std::vector<int32_t>{f->handles.SND_KOMAUTI});

  // 進 twice: the top side's pawn, "３四歩" beside the top hand; then the bishop takes
  // the bishop and promotes: "２二角成", a bishop in the bottom hand.
  AFTER_Click(*f);
  AFTER_Click(*f);
  surface.Clear();
  FakeSound().calls.clear();
  // 戻: the bishop back on (2, 8) unpromoted, the top bishop back on (8, 2), the
  // bottom hand empty again, the caption of the move erased, the number 2.
  REPLAY_Click(*f);
  EXPECT_EQ(Picture(2, 8), K_SITA_KAKU);
  EXPECT_EQ(Outline(2, 8), IRO_2);
  EXPECT_EQ(Picture(8, 2), K_UE_KAKU);
  EXPECT_EQ(f->s.SITA_MOCHI[6], 0);
  EXPECT_EQ(Picture(11, 8), PICTURE_KARA_MASU);  // the bishop's hand square, empty
  bool erased = false;
  for (const DrawOp& op : surface.Of(DrawOp::Fill)) {
    erased |= op.x == 1100 + 495 * 11.4 && op.y == 100 + 615 * 1.7 && op.w == 1250 && op.h == 400;
  }
  EXPECT_TRUE(erased);
  EXPECT_EQ(surface.Texts(), (std::vector<std::string>{" 2 ", "手目"}));
  EXPECT_EQ(Sounds(), std::vector<int32_t>{f->handles.SND_KOMAUTI});
}

TEST_F(NavigationTest, SteppingEndsTheGameAndDropsTheSelection) {
  Start();
  START_Click(*f);
  Move(7, 7, 7, 6);
  Move(3, 3, 3, 4);
  Click(2, 7);  // the bottom side's pawn picked up
  ASSERT_EQ(f->s.SENTAKU_JOUTAI, 1);
  ASSERT_EQ(f->s.TEBAN, SENTE);
  surface.Clear();
  REPLAY_Click(*f);
  EXPECT_EQ(f->s.TEBAN, NASHI);
  EXPECT_EQ(f->s.SENTAKU_JOUTAI, 0);
  EXPECT_EQ(Outline(2, 7), IRO_2);  // the red mark is gone
  EXPECT_EQ(f->s.BAN[3][3], K_UE_HU);

  // A game resumed by a click (the top side's move comes next) and stopped again by 進.
  Click(5, 5);
  ASSERT_EQ(f->s.TEBAN, GOTE);
  AFTER_Click(*f);
  EXPECT_EQ(f->s.TEBAN, NASHI);
  EXPECT_EQ(f->s.BAN[3][4], K_UE_HU);
}

TEST_F(NavigationTest, RefusalsAtTheEndsOfTheRecord) {
  struct Case {
    const char* what;
    bool record_mode;
    bool forward;
    std::vector<std::string> boxes;
    bool forbidden_sound;
  };
  const Case cases[] = {
      {"進 at the end", false, true, {"進む: できません"}, true},
      {"進 at the end of a loaded record", true, true, {"進む: 終わり"}, false},
      {"戻 at the start", false, false, {"戻る: できません"}, true},
      {"戻 at the start of a loaded record", true, false, {"戻る: できません"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Start();
    START_Click(*f);
    if (c.forward) Move(7, 7, 7, 6);
    f->s.KIFU_MODE = c.record_mode ? ON : OFF;
    ShowPanel();
    controls.messages.clear();
    FakeSound().calls.clear();
    surface.Clear();
    const GameState before = f->s;
    if (c.forward) {
      AFTER_Click(*f);
    } else {
      REPLAY_Click(*f);
    }
    EXPECT_TRUE(SameGame(f->s, before));
    EXPECT_EQ(Boxes(), c.boxes);
    EXPECT_EQ(Sounds(), c.forbidden_sound ? std::vector<int32_t>{f->handles.SND_KINSI}
                                          : std::vector<int32_t>{});
    EXPECT_TRUE(surface.ops.empty());
    EXPECT_TRUE(PanelHidden());
  }
}

TEST_F(NavigationTest, TheLocalMenuOpeningHidesThePanelAndDoesNothingElse) {
  Start();
  START_Click(*f);
  Move(7, 7, 7, 6);
  ShowPanel();
  controls.SetPanelText(2, "名人戦");
  surface.Clear();
  FakeSound().calls.clear();
  const GameState before = f->s;
  STOP_Click(*f);
  EXPECT_TRUE(PanelHidden());
  EXPECT_EQ(controls.PanelText(2), "");
  EXPECT_TRUE(SameGame(f->s, before));
  EXPECT_TRUE(surface.ops.empty());
  EXPECT_TRUE(FakeSound().calls.empty());
}

TEST_F(NavigationTest, BackToTheStartIsAFreshStartUpThatKeepsTheSounds) {
  Start();
  LBEL_UP_Click(*f);
  START_Click(*f);
  Move(7, 7, 7, 6);
  Move(3, 3, 3, 4);
  REVERSE_Click(*f);
  BGM_Click(*f);
  f->s.KIFU_MODE = ON;
  f->s.SYOUSYA = SENTE;
  FakeSound().calls.clear();
  controls.messages.clear();

  CANCEL_Click(*f);
  GameState start = f->s;
  初期設定_状態(start);
  EXPECT_TRUE(SameGame(f->s, start));
  EXPECT_EQ(f->s.HANDE, 0);
  EXPECT_EQ(f->s.HANDE_FLAG, OFF);
  EXPECT_EQ(f->s.HANTEN_FLAG, OFF);
  EXPECT_EQ(f->s.KIFU_MODE, OFF);
  EXPECT_EQ(f->s.TEBAN, NASHI);
  EXPECT_EQ(f->s.SYOUSYA, NASHI);
  // The sounds stay loaded: the tune stops, the piece sounds, nothing is opened again.
  EXPECT_EQ(FakeSound().Count("dsInitialize"), 0);
  EXPECT_EQ(FakeSound().Count("dsCreateDSB"), 0);
  EXPECT_EQ(FakeSound().Count("dsFree"), 0);
  EXPECT_EQ(FakeSound().ArgumentsOf("dsStop"), std::vector<int32_t>{f->handles.SND_BGM});
  EXPECT_EQ(Sounds(), std::vector<int32_t>{f->handles.SND_KOMAUTI});
  EXPECT_FALSE(controls.IsChecked(MenuCheck::BGM));
  EXPECT_TRUE(controls.messages.empty());

  // The screen is the one a fresh start-up draws.
  ScreenRaster now;
  now.Paint(surface.ops);
  RecordingSurface other_surface;
  FakeControls other_controls;
  Form1 other(other_surface, other_controls, sounds_.string(), 1);
  Form_Load(other);
  ScreenRaster fresh;
  fresh.Paint(other_surface.ops);
  EXPECT_EQ(now.Differences(fresh), 0);
  終了処理(other);
}

TEST_F(NavigationTest, TurningTheBoardSwapsSidesHandsAndTotalsAndDropsTheRecord) {
  StartKeepingScreen();
  PutGame(PlayScript(3));  // the bottom bishop has taken the top one and promoted
  f->s.TEBAN = GOTE;
  REVERSE_Click(*f);

  GameState expected;
  const char* const rows[9] = {
      "v香v桂v銀v金v王v金v銀v桂v香",  //
      " ・v飛 ・ ・ ・ ・ ・ ・ ・",  //
      "v歩v歩v歩v歩v歩v歩 ・v歩v歩",  //
      " ・ ・ ・ ・ ・ ・v歩 ・ ・",  //
      " ・ ・ ・ ・ ・ ・ ・ ・ ・",  //
      " ・ ・^歩 ・ ・ ・ ・ ・ ・",  //
      "^歩^歩 ・^歩^歩^歩^歩^歩^歩",  //
      " ・v馬 ・ ・ ・ ・ ・^飛 ・",  //
      "^香^桂^銀^金^王^金^銀^桂^香",  //
  };
  盤を置く(expected, rows);
  for (int i = 1; i <= 9; ++i) {
    for (int j = 1; j <= 9; ++j) EXPECT_EQ(f->s.BAN[i][j], expected.BAN[i][j]) << i << "," << j;
  }
  // The bishop the bottom side held is the top side's now, and so is the total.
  EXPECT_EQ(f->s.UE_MOCHI[6], 1);
  EXPECT_EQ(f->s.SITA_MOCHI[6], 0);
  EXPECT_EQ(f->s.UE_MOCHI_SU, 1);
  EXPECT_EQ(f->s.SITA_MOCHI_SU, 0);
  EXPECT_EQ(f->s.KIFU_SUU, 0);
  EXPECT_EQ(f->s.KIFU_SAIGO, 0);
  EXPECT_EQ(f->s.TEBAN, NASHI);
  EXPECT_EQ(f->s.HANTEN_FLAG, ON);
  EXPECT_EQ(Sounds(), std::vector<int32_t>{f->handles.SND_KOMAUTI});
  // The screen shows the turned position, hands included.
  EXPECT_TRUE(ScreenShowsThePosition());
  EXPECT_EQ(Picture(2, 8), K_UE_NARIKAKU);
  EXPECT_EQ(Picture(-1, 2), K_UE_KAKU);          // the top hand's bishop
  EXPECT_EQ(Picture(11, 8), PICTURE_KARA_MASU);  // the bottom hand's, gone

  // Nothing to step through, and the record cannot be written.
  controls.messages.clear();
  REPLAY_Click(*f);
  AFTER_Click(*f);
  KIFU_WRITE_Click(*f);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"戻る: できません", "進む: できません",
                                               "棋譜書込: 反転後は書き込みできません"}));
  EXPECT_FALSE(controls.name_panel_visible);
}

TEST_F(NavigationTest, TurningIsRefusedInRecordMode) {
  StartKeepingScreen();
  PutGame(PlayScript(3));
  f->s.KIFU_MODE = ON;
  surface.Clear();
  const GameState before = f->s;
  REVERSE_Click(*f);
  EXPECT_TRUE(SameGame(f->s, before));
  EXPECT_EQ(Boxes(), std::vector<std::string>{"反転: 棋譜ﾓｰﾄﾞではできません"});
  EXPECT_EQ(Sounds(), std::vector<int32_t>{f->handles.SND_KINSI});
  EXPECT_TRUE(surface.ops.empty());
}

TEST_F(NavigationTest, TurningAHandicapGivesItToTheOtherSide) {
  StartKeepingScreen();
  LBEL_UP_Click(*f);
  LBEL_UP_Click(*f);  // the top side's bishop and rook are off
  surface.Clear();
  REVERSE_Click(*f);
  EXPECT_EQ(f->s.HANDE, -2);
  const std::vector<std::string> texts = surface.Texts();
  EXPECT_EQ(texts.front(), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段");
  EXPECT_EQ(f->s.BAN[2][8], KARA);
  EXPECT_EQ(f->s.BAN[8][8], KARA);
  EXPECT_EQ(f->s.BAN[8][2], K_UE_KAKU);
  EXPECT_EQ(f->s.BAN[2][2], K_UE_SYA);
  EXPECT_TRUE(ScreenShowsThePosition());
  // The grades go on from there: ▽ takes the bottom side's lance on (1, 9).
  LEBEL_DOWN_Click(*f);
  EXPECT_EQ(f->s.HANDE, -3);
  EXPECT_EQ(f->s.BAN[1][9], KARA);
  EXPECT_EQ(f->s.BAN[9][9], K_SITA_KYOU);
}

TEST_F(NavigationTest, AHandicapStepCannotTouchABoardTurnedInTheMiddleOfAGame) {
  StartKeepingScreen();
  PutGame(PlayScript(3));
  REVERSE_Click(*f);
  ASSERT_EQ(f->s.BAN[2][8], K_UE_NARIKAKU);  // where ▽ would take the bottom bishop
  controls.messages.clear();
  FakeSound().calls.clear();
  const GameState before = f->s;
  LEBEL_DOWN_Click(*f);
  LBEL_UP_Click(*f);
  EXPECT_TRUE(SameGame(f->s, before));
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定: 対局途中ではできません",
                                               "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定: 対局途中ではできません"}));
  EXPECT_EQ(Sounds(), (std::vector<int32_t>{f->handles.SND_KINSI, f->handles.SND_KINSI}));
}

TEST_F(NavigationTest, AHandicapSetAfterSteppingBackToTheStartEndsTheRecordThere) {
  Start();
  START_Click(*f);
  Move(7, 7, 7, 6);
  Move(3, 3, 3, 4);
  REPLAY_Click(*f);
  REPLAY_Click(*f);
  ASSERT_EQ(f->s.KIFU_SAIGO, 2);
  LBEL_UP_Click(*f);
  EXPECT_EQ(f->s.HANDE, 1);
  EXPECT_EQ(f->s.BAN[8][2], KARA);
  EXPECT_EQ(f->s.KIFU_SAIGO, 0);
  controls.messages.clear();
  AFTER_Click(*f);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"進む: できません"});
  EXPECT_EQ(f->s.BAN[7][7], K_SITA_HU);
}

}  // namespace
}  // namespace kazeban::testing
