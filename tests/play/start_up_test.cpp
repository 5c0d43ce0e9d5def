// Start-up, the setup of a game, and the ways the program ends.
#include <gtest/gtest.h>

#include <chrono>

#include "play/game_menu.h"
#include "play/options.h"
#include "play_fixture.h"
#include "sound/kazeban_sound.h"

namespace kazeban::testing {
namespace {

TEST_F(PlayTest, StartUpSetsLevelGuidanceMusicAndTheStartingPosition) {
  Form_Load(*f);
  const GameState& s = f->s;
  EXPECT_EQ(s.COM_LEVEL, 3);
  EXPECT_TRUE(controls.IsChecked(MenuCheck::LEVEL3));
  EXPECT_FALSE(controls.IsChecked(MenuCheck::LEVEL1));
  EXPECT_FALSE(controls.IsChecked(MenuCheck::LEVEL2));
  EXPECT_FALSE(controls.IsChecked(MenuCheck::SIDOU));
  EXPECT_FALSE(controls.IsChecked(MenuCheck::BGM));
  EXPECT_EQ(s.SIDOU_FLAG, 0);
  EXPECT_EQ(s.TEBAN, NASHI);
  EXPECT_EQ(s.BAN_IRO, 2);
  EXPECT_EQ(s.MASU_IRO, 2);
  EXPECT_EQ(s.SIDOU_IRO, 2);
  EXPECT_EQ(s.KEKKA_IRO, 15);
  EXPECT_EQ(s.BAN[5][9], -950);
  EXPECT_EQ(s.BAN[2][2], 900);
  EXPECT_EQ(s.BAN[2][8], -800);
  // No sound and no box at start-up.
  EXPECT_EQ(FakeSound().Count("dsPlay"), 0);
  EXPECT_EQ(FakeSound().Count("dsPlayLooping"), 0);
  EXPECT_TRUE(controls.messages.empty());
}

TEST_F(PlayTest, StartUpOpensTheLibraryAndLoadsTheFiveSoundsInOrder) {
  Form_Load(*f);
  EXPECT_EQ(FakeSound().ArgumentsOf("dsInitialize"), std::vector<int32_t>{42});
  EXPECT_EQ(FakeSound().Count("dsCreateDSB", 77), 5);
  EXPECT_EQ(f->handles.SND_SONOTA, 101);
  EXPECT_EQ(f->handles.SND_KINSI, 102);
  EXPECT_EQ(f->handles.SND_KOMAUTI, 103);
  EXPECT_EQ(f->handles.SND_SYUUKYOKU, 104);
  EXPECT_EQ(f->handles.SND_BGM, 105);
}

TEST_F(PlayTest, StartUpDrawsTheWholeWindowOnGreen) {
  Form_Load(*f);
  ASSERT_FALSE(surface.ops.empty());
  // The background first: the whole image in board green.
  const DrawOp& first = surface.ops.front();
  EXPECT_EQ(first.kind, DrawOp::Fill);
  EXPECT_EQ(first.colour, 2);
  EXPECT_EQ(first.x, 0);
  EXPECT_EQ(first.y, 0);
  EXPECT_GE(first.w, SquareX(13));
  EXPECT_GE(first.h, SquareY(10));
  // Forty pieces where the starting position has them, the empty squares elsewhere.
  EXPECT_EQ(Picture(5, 9), K_SITA_OU);
  EXPECT_EQ(Picture(5, 1), K_UE_OU);
  EXPECT_EQ(Picture(2, 8), K_SITA_KAKU);
  EXPECT_EQ(Picture(8, 2), K_UE_KAKU);
  EXPECT_EQ(Picture(3, 7), K_SITA_HU);
  EXPECT_EQ(Picture(5, 5), PICTURE_KARA_MASU);
  // Both hands are empty squares; the title picture sits above SITA's hand.
  for (int k = 1; k <= 7; ++k) {
    EXPECT_EQ(Picture(11, k + 2), PICTURE_KARA_MASU) << k;
    EXPECT_EQ(Picture(-1, k), PICTURE_KARA_MASU) << k;
  }
  EXPECT_EQ(Picture(11, 0), PICTURE_KAZEBAN);
  // The handicap caption's area is erased.
  bool erased = false;
  for (const DrawOp& op : surface.Of(DrawOp::Fill)) {
    if (op.x == SquareX(11) && op.y == SquareY(1) && op.w == 2200 && op.h == 550 && op.colour == 2)
      erased = true;
  }
  EXPECT_TRUE(erased);
  // Every square of the board ends with its plain green outline.
  for (int i = 1; i <= 9; ++i) {
    for (int j = 1; j <= 9; ++j) EXPECT_EQ(Outline(i, j), 2) << i << "," << j;
  }
}

TEST_F(PlayTest, StartUpPlacesTheWindowUnlessItIsAlreadyThere) {
  controls.window_top = 300;
  Form_Load(*f);
  ASSERT_EQ(controls.placements.size(), 1u);
  EXPECT_EQ(controls.placements[0].left, -60);
  EXPECT_EQ(controls.placements[0].top, -60);
  EXPECT_EQ(controls.placements[0].width, 8500);
  EXPECT_EQ(controls.placements[0].height, 8000);

  // Run again with the window in place: it keeps its place and size.
  Form_Load(*f);
  EXPECT_EQ(controls.placements.size(), 1u);
}

TEST_F(PlayTest, WithoutAudioOneWarningAndTheGameGoesOnSilently) {
  FakeSound().audio_available = false;
  Form_Load(*f);
  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(controls.messages[0].title, "KAZEBAN.dll");
  EXPECT_EQ(controls.messages[0].text, "Direct Soundインターフェースが作成できません。");
  EXPECT_EQ(f->handles.SND_KOMAUTI, 0);
  EXPECT_EQ(FakeSound().Count("dsCreateDSB"), 0);

  START_Click(*f);
  Move(7, 7, 7, 6);
  EXPECT_EQ(f->s.BAN[7][6], K_SITA_HU);
  EXPECT_EQ(FakeSound().Count("dsPlay", 0), 1);  // the piece's sound, on handle 0
  EXPECT_EQ(controls.messages.size(), 2u);       // the warning and "先手の番です"
}

TEST_F(PlayTest, AMissingSoundFileOnlySilencesThatSound) {
  std::filesystem::remove(sounds_ / "禁止.wav");
  Form_Load(*f);
  EXPECT_EQ(f->handles.SND_KINSI, 0);
  EXPECT_NE(f->handles.SND_KOMAUTI, 0);
  EXPECT_TRUE(controls.messages.empty());
}

TEST_F(PlayTest, EscReleasesTheSoundsAndEndsTheProgram) {
  Start();
  Form_KeyDown(*f, 13, 0);  // Enter: nothing
  Form_KeyDown(*f, 65, 0);  // "A": nothing
  EXPECT_EQ(controls.quit_count, 0);
  EXPECT_TRUE(FakeSound().calls.empty());

  Form_KeyDown(*f, 27, 0);
  EXPECT_EQ(controls.quit_count, 1);
  EXPECT_EQ(FakeSound().ArgumentsOf("dsFree"), (std::vector<int32_t>{101, 102, 103, 104, 105}));
  EXPECT_EQ(FakeSound().ArgumentsOf("dsTerminate"), std::vector<int32_t>{77});
  EXPECT_TRUE(FakeSound().live_buffers.empty());

  // Nothing runs after the end: no click, no key, no second release.
  surface.Clear();
  Click(7, 7);
  Form_KeyDown(*f, 27, 0);
  EXPECT_TRUE(Form_Unload(*f));
  EXPECT_TRUE(surface.ops.empty());
  EXPECT_EQ(FakeSound().Count("dsFree"), 5);
  EXPECT_EQ(controls.quit_count, 1);
}

TEST_F(PlayTest, ClosingWhileTheTuneLoopsFreesItWithoutStoppingItFirst) {
  Start();
  BGM_Click(*f);
  EXPECT_EQ(FakeSound().ArgumentsOf("dsPlayLooping"), std::vector<int32_t>{105});
  EXPECT_TRUE(Form_Unload(*f));
  EXPECT_EQ(FakeSound().Count("dsStop"), 0);
  EXPECT_EQ(FakeSound().Count("dsFree", 105), 1);
  EXPECT_TRUE(FakeSound().terminated);
  EXPECT_EQ(controls.quit_count, 1);
}

TEST_F(PlayTest, OwariEndsTheProgramWithoutAQuestionMidGame) {
  StartTwoPlayerGame();
  Move(7, 7, 7, 6);
  OWARI_Click(*f);
  EXPECT_TRUE(controls.messages.empty());
  EXPECT_EQ(controls.quit_count, 1);
  EXPECT_EQ(FakeSound().Count("dsFree"), 5);
  EXPECT_EQ(FakeSound().Count("dsTerminate"), 1);
}

TEST_F(PlayTest, StartUpRunAgainKeepsTheSoundsAndResetsEverythingElse) {
  Start();
  LEVEL1_Click(*f);
  SIDOU_Click(*f);
  BGM_Click(*f);
  START_Click(*f);
  Move(7, 7, 7, 6);
  FakeSound().calls.clear();

  Form_Load(*f);
  EXPECT_EQ(FakeSound().Count("dsInitialize"), 0);
  EXPECT_EQ(FakeSound().Count("dsCreateDSB"), 0);
  EXPECT_EQ(FakeSound().Count("dsFree"), 0);
  EXPECT_EQ(FakeSound().ArgumentsOf("dsStop"), std::vector<int32_t>{105});  // the tune
  EXPECT_EQ(f->handles.SND_KOMAUTI, 103);
  EXPECT_TRUE(controls.IsChecked(MenuCheck::LEVEL3));
  EXPECT_FALSE(controls.IsChecked(MenuCheck::LEVEL1));
  EXPECT_FALSE(controls.IsChecked(MenuCheck::SIDOU));
  EXPECT_FALSE(controls.IsChecked(MenuCheck::BGM));
  EXPECT_EQ(f->s.COM_LEVEL, 3);
  EXPECT_EQ(f->s.SIDOU_FLAG, 0);
  EXPECT_EQ(f->s.SIDOU_IRO, 2);
  EXPECT_EQ(f->s.BAN[7][7], K_SITA_HU);
  EXPECT_EQ(f->s.BAN[7][6], KARA);
  EXPECT_EQ(f->s.KIFU_SUU, 0);
  EXPECT_EQ(f->s.TEBAN, NASHI);
  // The game type stays what it was.
  EXPECT_EQ(f->s.TAIKYOKU_SYU, TAI_MAN);
}

TEST(WaitTime, ReturnsOnceTheClockSecondHasChanged) {
  using std::chrono::floor;
  using std::chrono::seconds;
  using std::chrono::system_clock;
  const auto before = floor<seconds>(system_clock::now());
  待ち時間(1);
  EXPECT_GT(floor<seconds>(system_clock::now()), before);
}

TEST(WaitTime, ACountBelowOneReturnsAtOnce) {
  const auto start = std::chrono::steady_clock::now();
  待ち時間(0);
  待ち時間(-3);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
}

}  // namespace
}  // namespace kazeban::testing
