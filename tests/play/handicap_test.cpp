// The handicap grades: every grade's caption and square in both directions, the
// limits, and the refusals in record mode and once a game has moves.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "display/surface.h"
#include "play/handicap.h"
#include "play/options.h"
#include "play_fixture.h"
#include "screen_raster.h"

namespace kazeban::testing {
namespace {

// The caption of each grade, −10 first.
const char* const kCaptions[21] = {
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"};

struct GradeSquare {
  int grade, i, j, code;
};
// The square and piece each grade takes away.
constexpr GradeSquare kSquares[20] = {
    {1, 8, 2, 800},   {2, 2, 2, 900},   {3, 9, 1, 20},    {4, 1, 1, 20},    {5, 8, 1, 30},
    {6, 2, 1, 30},    {7, 7, 1, 100},   {8, 3, 1, 100},   {9, 6, 1, 110},   {10, 4, 1, 110},
    {-1, 2, 8, -800}, {-2, 8, 8, -900}, {-3, 1, 9, -20},  {-4, 9, 9, -20},  {-5, 2, 9, -30},
    {-6, 8, 9, -30},  {-7, 3, 9, -100}, {-8, 7, 9, -100}, {-9, 4, 9, -110}, {-10, 6, 9, -110},
};

const GradeSquare& SquareOf(int grade) {
  for (const GradeSquare& g : kSquares) {
    if (g.grade == grade) return g;
  }
  ADD_FAILURE() << "no square for grade " << grade;
  return kSquares[0];
}

class HandicapTest : public PlayTest {
 protected:
  // The starting position with the pieces of grades 1..grade (or −1..grade) missing.
  static GameState Expected(int grade) {
    GameState s;
    初期設定_状態(s);
    for (int g = 1; g <= grade; ++g) s.BAN[SquareOf(g).i][SquareOf(g).j] = KARA;
    for (int g = -1; g >= grade; --g) s.BAN[SquareOf(g).i][SquareOf(g).j] = KARA;
    return s;
  }
  bool BoardIs(int grade) const {
    return std::memcmp(f->s.BAN, Expected(grade).BAN, sizeof f->s.BAN) == 0;
  }

  // One step (+1 △, −1 ▽) with what it drew and sounded alone on record.
  void Step(int delta) {
    surface.Clear();
    FakeSound().calls.clear();
    controls.messages.clear();
    if (delta > 0) {
      LBEL_UP_Click(*f);
    } else {
      LEBEL_DOWN_Click(*f);
    }
  }

  // The step just taken showed `grade`'s caption over an erased caption area.
  void ExpectCaption(int grade) {
    const std::vector<DrawOp> texts = surface.Of(DrawOp::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, kCaptions[grade + 10]);
    EXPECT_DOUBLE_EQ(texts[0].x, 1100 + 495 * 11 + 120);
    EXPECT_DOUBLE_EQ(texts[0].y, 100 + 615 + 160);
    EXPECT_EQ(texts[0].size, 10);
    EXPECT_EQ(texts[0].colour, IRO_15);
    const DrawOp& erase = surface.ops.front();
    EXPECT_EQ(erase.kind, DrawOp::Fill);
    EXPECT_DOUBLE_EQ(erase.x, 1100 + 495 * 11);
    EXPECT_DOUBLE_EQ(erase.y, 100 + 615);
    EXPECT_DOUBLE_EQ(erase.w, 2200);
    EXPECT_DOUBLE_EQ(erase.h, 550);
    EXPECT_EQ(erase.colour, IRO_2);
  }

  // The square of `g` now shows `code` (KARA: the empty square) with the plain outline.
  void ExpectSquareShows(const GradeSquare& g, int code) {
    EXPECT_EQ(Picture(g.i, g.j), code == KARA ? PICTURE_KARA_MASU : code);
    EXPECT_EQ(Outline(g.i, g.j), IRO_2);
    EXPECT_EQ(surface.Of(DrawOp::Picture).size(), 1u);
  }
};

TEST_F(HandicapTest, EveryGradeTakesItsPieceAwayAndShowsItsCaption) {
  Start();
  // ▽ ten times: the bottom side's bishop, rook, lances, knights, silvers, golds go.
  for (int grade = -1; grade >= -10; --grade) {
    SCOPED_TRACE(grade);
    Step(-1);
    EXPECT_EQ(f->s.HANDE, grade);
    ExpectCaption(grade);
    ExpectSquareShows(SquareOf(grade), KARA);
    EXPECT_TRUE(BoardIs(grade));
    EXPECT_EQ(Played(f->handles.SND_KOMAUTI), 1);
    EXPECT_EQ(f->s.HANDE_FLAG, ON);
    EXPECT_TRUE(controls.messages.empty());
  }
  // △ twenty times: each grade left toward 0 gets its piece back, unpromoted and
  // outlined; beyond 0 the top side's pieces go.
  for (int grade = -9; grade <= 10; ++grade) {
    SCOPED_TRACE(grade);
    Step(+1);
    EXPECT_EQ(f->s.HANDE, grade);
    ExpectCaption(grade);
    if (grade <= 0) {
      const GradeSquare& left = SquareOf(grade - 1);
      ExpectSquareShows(left, left.code);
      EXPECT_EQ(f->s.BAN[left.i][left.j], left.code);
    } else {
      ExpectSquareShows(SquareOf(grade), KARA);
    }
    EXPECT_TRUE(BoardIs(grade));
    EXPECT_EQ(Played(f->handles.SND_KOMAUTI), 1);
  }
  // ▽ back to 0: the top side's pieces return in the reverse order.
  for (int grade = 9; grade >= 0; --grade) {
    SCOPED_TRACE(grade);
    Step(-1);
    ExpectCaption(grade);
    ExpectSquareShows(SquareOf(grade + 1), SquareOf(grade + 1).code);
    EXPECT_TRUE(BoardIs(grade));
  }
  // Nothing ever reached a hand.
  EXPECT_EQ(f->s.SITA_MOCHI_SU + f->s.UE_MOCHI_SU, 0);
}

TEST_F(HandicapTest, TheWorkedExamplesOfTheFirstSteps) {
  Start();
  Step(+1);
  ExpectCaption(1);  // "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"
  EXPECT_EQ(f->s.BAN[8][2], KARA);
  Step(+1);
  EXPECT_EQ(surface.Texts(), std::vector<std::string>{"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級"});
  EXPECT_EQ(f->s.BAN[2][2], KARA);
  Step(-1);
  EXPECT_EQ(surface.Texts(), std::vector<std::string>{"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"});
  EXPECT_EQ(f->s.BAN[2][2], 900);
  Step(-1);
  Step(-1);
  EXPECT_EQ(surface.Texts(), std::vector<std::string>{"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級"});
  EXPECT_EQ(f->s.BAN[2][8], KARA);
  EXPECT_EQ(f->s.BAN[8][2], 800);
}

TEST_F(HandicapTest, AtTheLimitsNothingChangesButTheFlagIsSet) {
  Start();
  for (int k = 0; k < 10; ++k) Step(+1);
  // The top side has its king and pawns only.
  for (int i = 1; i <= 9; ++i) {
    EXPECT_EQ(f->s.BAN[i][1], i == 5 ? K_UE_OU : KARA) << i;
    EXPECT_EQ(f->s.BAN[i][2], KARA) << i;
    EXPECT_EQ(f->s.BAN[i][3], K_UE_HU) << i;
  }
  f->s.HANDE_FLAG = OFF;
  const GameState before = f->s;
  Step(+1);
  EXPECT_EQ(f->s.HANDE, 10);
  EXPECT_EQ(f->s.HANDE_FLAG, ON);
  f->s.HANDE_FLAG = OFF;
  EXPECT_TRUE(SameGame(f->s, before));
  EXPECT_TRUE(surface.ops.empty());
  EXPECT_TRUE(FakeSound().calls.empty());
  EXPECT_TRUE(controls.messages.empty());

  for (int k = 0; k < 20; ++k) Step(-1);
  EXPECT_EQ(f->s.HANDE, -10);
  EXPECT_TRUE(BoardIs(-10));
  f->s.HANDE_FLAG = OFF;
  Step(-1);
  EXPECT_EQ(f->s.HANDE, -10);
  EXPECT_EQ(f->s.HANDE_FLAG, ON);
  EXPECT_TRUE(surface.ops.empty());
  EXPECT_TRUE(FakeSound().calls.empty());
}

TEST_F(HandicapTest, RefusedInRecordModeAndOnceTheGameHasMoves) {
  struct Case {
    const char* what;
    bool record_mode;  // otherwise a game with one move
    const char* message;
  };
  const Case cases[] = {
      {"record mode", true, "棋譜ﾓｰﾄﾞではできません(局面→最初)"},
      {"a move made", false, "対局途中ではできません"},
  };
  for (const Case& c : cases) {
    for (int delta : {+1, -1}) {
      SCOPED_TRACE(std::string(c.what) + (delta > 0 ? " △" : " ▽"));
      Start();
      if (c.record_mode) {
        f->s.KIFU_MODE = ON;
      } else {
        START_Click(*f);
        Move(7, 7, 7, 6);
      }
      controls.SetListsVisible(true, true, true);
      controls.SetNamePanelVisible(true);
      const GameState before = f->s;
      Step(delta);
      EXPECT_TRUE(SameGame(f->s, before));
      EXPECT_EQ(f->s.HANDE_FLAG, OFF);
      ASSERT_EQ(controls.messages.size(), 1u);
      EXPECT_EQ(controls.messages[0].title, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
      EXPECT_EQ(controls.messages[0].text, c.message);
      EXPECT_FALSE(controls.messages[0].yes_no);
      EXPECT_EQ(FakeSound().ArgumentsOf("dsPlay"), std::vector<int32_t>{f->handles.SND_KINSI});
      EXPECT_TRUE(surface.ops.empty());
      // The panel hid first.
      EXPECT_FALSE(controls.drive_visible || controls.dir_visible || controls.file_visible ||
                   controls.name_panel_visible);
    }
  }
}

TEST_F(HandicapTest, AGameStartedWithoutMovesTakesTheHandicapAndPlaysOnFromIt) {
  Start();
  START_Click(*f);
  Step(+1);
  Step(+1);
  EXPECT_TRUE(BoardIs(2));
  EXPECT_EQ(f->s.TEBAN, SENTE);
  Move(7, 7, 7, 6);
  EXPECT_EQ(f->s.BAN[7][6], K_SITA_HU);
  EXPECT_EQ(f->s.KIFU_SUU, 1);
  // From now on the grade is fixed.
  Step(+1);
  EXPECT_EQ(f->s.HANDE, 2);
  EXPECT_EQ(controls.messages.back().text, "対局途中ではできません");
}

TEST_F(HandicapTest, SetupClearsTheGradeTheFlagAndTheCaption) {
  Start();
  Step(+1);
  Step(+1);
  surface.Clear();
  初期設定(*f);
  EXPECT_EQ(f->s.HANDE, 0);
  EXPECT_EQ(f->s.HANDE_FLAG, OFF);
  EXPECT_TRUE(BoardIs(0));
  // The caption area is filled with the board colour and no caption is printed.
  bool erased = false;
  for (const DrawOp& op : surface.Of(DrawOp::Fill)) {
    erased |= op.x == 1100 + 495 * 11 && op.y == 715 && op.w == 2200 && op.h == 550;
  }
  EXPECT_TRUE(erased);
  for (const std::string& t : surface.Texts()) EXPECT_EQ(t.find("ﾊﾝﾃﾞｨｷｬｯﾌﾟ"), std::string::npos);
}

// A piece picked up before a step of the grade is no longer picked up after it, and
// the next click on the board picks a piece afresh instead of moving one, whether the
// step took that piece away or not.
TEST_F(HandicapTest, AStepDropsThePieceSelectedBeforeIt) {
  struct Case {
    const char* what;
    void (*game)(Form1&);
    std::vector<int> before;  // steps before the game starts
    int from_i, from_j;       // the piece picked up
    std::vector<int> after;   // steps with the piece picked up
    int to_i, to_j;           // where the next click lands
  };
  const Case cases[] = {
      {"the rook taken away, against the computer", SENTE_Click, {}, 8, 8, {-1, -1}, 5, 8},
      {"the rook taken away, two players", START_Click, {}, 8, 8, {-1, -1}, 5, 8},
      {"a pawn left standing", START_Click, {}, 7, 7, {-1}, 7, 6},
      {"a pawn while the bishop comes back", START_Click, {-1}, 7, 7, {+1}, 7, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Start();
    for (int d : c.before) Step(d);
    c.game(*f);
    Click(c.from_i, c.from_j);
    ASSERT_EQ(f->s.SENTAKU_JOUTAI, 1);
    for (int d : c.after) Step(d);
    EXPECT_EQ(f->s.SENTAKU_JOUTAI, 0);
    const GameState before = f->s;
    Click(c.to_i, c.to_j);
    EXPECT_EQ(f->s.KIFU_SUU, 0);
    EXPECT_EQ(f->s.BAN[c.to_i][c.to_j], KARA);
    EXPECT_TRUE(SameGame(f->s, before));
  }
}

TEST_F(HandicapTest, AStepLeavesTheScreenAsAFreshBoardWithTheSameGradeShowsIt) {
  // With guidance on, the rook picked up and ▽ twice; then the same steps on a fresh
  // board where nothing was picked up. Both screens are painted from start-up on.
  ScreenRaster screens[2];
  for (int run = 0; run < 2; ++run) {
    surface.Clear();
    Form_Load(*f);
    START_Click(*f);
    SIDOU_Click(*f);
    ASSERT_EQ(f->s.SIDOU_FLAG, ON);
    if (run == 0) Click(8, 8);
    LEBEL_DOWN_Click(*f);
    LEBEL_DOWN_Click(*f);
    screens[run].Paint(surface.ops);
  }
  EXPECT_EQ(screens[0].Differences(screens[1]), 0);
}

}  // namespace
}  // namespace kazeban::testing
