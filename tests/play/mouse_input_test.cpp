// The person's clicks: selection, inspection of the opponent's pieces, guidance marks,
// moves, captures, drops, promotion, refusals, and clicks where nothing is.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "play/options.h"
#include "play_fixture.h"

namespace kazeban::testing {
namespace {

class MouseTest : public PlayTest {
 protected:
  bool AnyOutlineIn(int colour) const {
    const auto outlines = surface.Of(DrawOp::Outline);
    return std::any_of(outlines.begin(), outlines.end(),
                       [colour](const DrawOp& op) { return op.colour == colour; });
  }

  bool Drew(const std::string& text) const {
    const auto texts = surface.Texts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }
};

TEST_F(MouseTest, BeforeAGameAClickAsksForOneToBeStarted) {
  Start();
  Click(7, 7);
  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(controls.messages[0].title, "開始");
  EXPECT_EQ(controls.messages[0].text, "「対局」で始めて下さい");
  EXPECT_EQ(Played(KINSI), 1);
  EXPECT_EQ(f->s.TEBAN, NASHI);
  EXPECT_EQ(f->s.SENTAKU_JOUTAI, 0);
  EXPECT_TRUE(surface.ops.empty());
}

TEST_F(MouseTest, EveryClickHidesTheRecordPanel) {
  StartTwoPlayerGame();
  controls.SetListsVisible(true, true, true);
  controls.SetNamePanelVisible(true);
  controls.SetPanelText(2, "名局");
  Click(5, 5);
  EXPECT_FALSE(controls.drive_visible);
  EXPECT_FALSE(controls.dir_visible);
  EXPECT_FALSE(controls.file_visible);
  EXPECT_FALSE(controls.name_panel_visible);
  EXPECT_EQ(controls.PanelText(2), "");
}

TEST_F(MouseTest, AFirstClickOnAnEmptySquareDoesNothing) {
  StartTwoPlayerGame();
  Click(5, 5);
  EXPECT_TRUE(surface.ops.empty());
  EXPECT_EQ(f->s.SENTAKU_JOUTAI, 0);
  EXPECT_TRUE(FakeSound().calls.empty());
}

TEST_F(MouseTest, SelectingAPieceMarksItsDestinationsOnlyWithGuidanceOn) {
  StartTwoPlayerGame();
  SIDOU_Click(*f);
  // The silver at (3, 9) may go to (3, 8) and (4, 8); (2, 8) holds its own bishop.
  Click(3, 9);
  EXPECT_EQ(f->s.SENTAKU_JOUTAI, 1);
  EXPECT_EQ(f->SENTAKU.MOTO_I, 3);
  EXPECT_EQ(f->SENTAKU.MOTO_J, 9);
  EXPECT_EQ(f->SENTAKU.KOMA, K_SITA_GIN);
  EXPECT_EQ(Outline(3, 9), 12);
  EXPECT_EQ(Outline(3, 8), 15);
  EXPECT_EQ(Outline(4, 8), 15);
  EXPECT_EQ(Outline(2, 8), 2);
  EXPECT_EQ(Outline(5, 5), 2);
  const auto white = surface.Of(DrawOp::Outline);
  EXPECT_EQ(
      std::count_if(white.begin(), white.end(), [](const DrawOp& op) { return op.colour == 15; }),
      2);

  // Guidance off: the same selection leaves no white mark.
  SIDOU_Click(*f);
  Click(1, 9);  // out of the selection: another own piece (the lance)
  surface.Clear();
  Click(3, 9);
  EXPECT_EQ(Outline(3, 9), 12);
  EXPECT_FALSE(AnyOutlineIn(15));
}

TEST_F(MouseTest, AnOpponentsPieceIsInspectedNotSelected) {
  StartTwoPlayerGame();
  SIDOU_Click(*f);
  Click(3, 3);  // UE's pawn, on SITA's turn
  EXPECT_EQ(f->s.SENTAKU_JOUTAI, 0);
  EXPECT_EQ(Outline(3, 3), 15);
  EXPECT_EQ(Outline(3, 4), 15);  // where it could go
  EXPECT_EQ(Outline(3, 5), 2);
  EXPECT_TRUE(FakeSound().calls.empty());

  // With guidance off the inspection leaves nothing visible.
  SIDOU_Click(*f);
  surface.Clear();
  Click(3, 3);
  EXPECT_EQ(Outline(3, 3), 2);
  EXPECT_FALSE(AnyOutlineIn(15));
  EXPECT_EQ(f->s.SENTAKU_JOUTAI, 0);
}

TEST_F(MouseTest, ClickingAnotherOwnPieceMovesTheSelection) {
  StartTwoPlayerGame();
  Click(7, 7);
  Click(3, 7);
  EXPECT_EQ(f->s.SENTAKU_JOUTAI, 1);
  EXPECT_EQ(f->SENTAKU.MOTO_I, 3);
  EXPECT_EQ(f->SENTAKU.MOTO_J, 7);
  EXPECT_EQ(Outline(7, 7), 2);
  EXPECT_EQ(Outline(3, 7), 12);
  EXPECT_EQ(f->s.BAN[7][7], K_SITA_HU);
  EXPECT_EQ(f->s.KIFU_SUU, 0);
  EXPECT_TRUE(FakeSound().calls.empty());
}

TEST_F(MouseTest, AMoveIsRecordedDrawnAndPassesTheTurn) {
  StartTwoPlayerGame();
  Move(7, 7, 7, 6);
  const GameState& s = f->s;
  EXPECT_EQ(s.KIFU_SUU, 1);
  EXPECT_EQ(s.KIFU_SAIGO, 1);
  EXPECT_EQ(s.KIFU_MOTO_I[1], 7);
  EXPECT_EQ(s.KIFU_MOTO_J[1], 7);
  EXPECT_EQ(s.KIFU_SAKI_I[1], 7);
  EXPECT_EQ(s.KIFU_SAKI_J[1], 6);
  EXPECT_EQ(s.KIFU_TORI[1], KARA);
  EXPECT_EQ(s.KIFU_KOMA[1], K_SITA_HU);
  EXPECT_EQ(s.KIFU_NARI[1], K_SITA_HU);
  EXPECT_EQ(s.TESUU, 1);
  EXPECT_EQ(s.TEBAN, GOTE);
  EXPECT_EQ(s.SENTAKU_JOUTAI, 0);
  EXPECT_EQ(Picture(7, 6), K_SITA_HU);
  EXPECT_EQ(Picture(7, 7), PICTURE_KARA_MASU);
  EXPECT_EQ(Outline(7, 6), 2);
  EXPECT_EQ(Played(KOMAUTI), 1);
  // "３六歩" (column 7 from the left is file 3) beside SITA's side, shown at once.
  EXPECT_TRUE(Drew("３"));
  EXPECT_TRUE(Drew("六"));
  EXPECT_TRUE(Drew("歩"));
  EXPECT_FALSE(surface.Of(DrawOp::Refresh).empty());
  const auto texts = surface.Of(DrawOp::Text);
  const auto three =
      std::find_if(texts.begin(), texts.end(), [](const DrawOp& op) { return op.text == "３"; });
  ASSERT_NE(three, texts.end());
  EXPECT_NEAR(three->x, BAN_X0 + 11.4 * MASU_W, 1e-6);
  EXPECT_NEAR(three->y, BAN_Y0 + 1.7 * MASU_H, 1e-6);

  // UE answers "７四歩"; its caption goes left of the board, and the turn comes back.
  surface.Clear();
  Move(3, 3, 3, 4);
  EXPECT_EQ(f->s.TEBAN, SENTE);
  EXPECT_EQ(f->s.KIFU_NARI[2], K_UE_HU);
  const auto ue_texts = surface.Of(DrawOp::Text);
  const auto file = std::find_if(ue_texts.begin(), ue_texts.end(),
                                 [](const DrawOp& op) { return op.text == "７"; });
  ASSERT_NE(file, ue_texts.end());
  EXPECT_NEAR(file->x, BAN_X0 - 1.7 * MASU_W, 1e-6);
  EXPECT_NEAR(file->y, BAN_Y0 + 8.5 * MASU_H, 1e-6);
  EXPECT_TRUE(Drew("四"));
}

TEST_F(MouseTest, AnIllegalMoveIsRefusedAndTheSelectionStays) {
  StartTwoPlayerGame();
  Click(7, 7);
  Click(7, 5);  // two squares: not a pawn's move
  EXPECT_EQ(Played(KINSI), 1);
  EXPECT_EQ(f->s.SENTAKU_JOUTAI, 1);
  EXPECT_EQ(f->s.KIFU_SUU, 0);
  EXPECT_EQ(f->s.BAN[7][7], K_SITA_HU);
  EXPECT_EQ(f->s.TEBAN, SENTE);
  Click(7, 6);  // the selection still holds
  EXPECT_EQ(f->s.BAN[7][6], K_SITA_HU);
}

TEST_F(MouseTest, ARefusedCaptureDropsTheSelectionAndInspectsTheTarget) {
  StartTwoPlayerGame();
  SIDOU_Click(*f);
  Click(7, 7);
  surface.Clear();
  Click(7, 3);  // UE's pawn, four squares away
  EXPECT_EQ(f->s.SENTAKU_JOUTAI, 0);
  EXPECT_EQ(Outline(7, 7), 2);
  EXPECT_EQ(Outline(7, 3), 15);
  EXPECT_EQ(Outline(7, 4), 15);  // the UE pawn's move
  EXPECT_EQ(Played(KINSI), 1);
  EXPECT_EQ(f->s.BAN[7][3], K_UE_HU);
  EXPECT_EQ(f->s.KIFU_SUU, 0);
}

TEST_F(MouseTest, AStrandedPawnNeedsTheRightButtonWhichPromotesIt) {
  GameState& s = EmptyBoardGame();
  s.BAN[3][2] = K_SITA_HU;
  s.BAN[3][1] = K_UE_GIN;

  Move(3, 2, 3, 1);
  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(controls.messages[0].title, "成り");
  EXPECT_EQ(controls.messages[0].text, "マウスの右をクリックして下さい");
  EXPECT_EQ(Played(KINSI), 1);
  EXPECT_EQ(s.SENTAKU_JOUTAI, 1);
  EXPECT_EQ(s.KIFU_SUU, 0);
  EXPECT_EQ(s.BAN[3][2], K_SITA_HU);

  // The middle button is refused the same way.
  Click(3, 1, BUTTON_MIDDLE);
  EXPECT_EQ(controls.messages.size(), 2u);
  EXPECT_EQ(s.KIFU_SUU, 0);

  Click(3, 1, BUTTON_RIGHT);
  EXPECT_EQ(s.BAN[3][1], K_SITA_NARIHU);
  EXPECT_EQ(s.BAN[3][2], KARA);
  EXPECT_EQ(s.KIFU_KOMA[1], K_SITA_HU);
  EXPECT_EQ(s.KIFU_NARI[1], K_SITA_NARIHU);
  EXPECT_EQ(s.KIFU_TORI[1], K_UE_GIN);
  EXPECT_EQ(s.SITA_MOCHI[4], 1);
  EXPECT_EQ(s.SITA_MOCHI_SU, 1);
  EXPECT_EQ(Picture(3, 1), K_SITA_NARIHU);
  EXPECT_EQ(Picture(11, 6), K_SITA_GIN);  // the silver in SITA's hand
  EXPECT_TRUE(Drew("と"));
  EXPECT_EQ(s.TEBAN, GOTE);
}

TEST_F(MouseTest, PromotionIsNeverAutomaticAndOnlyWherePossible) {
  GameState& s = EmptyBoardGame();
  s.BAN[5][1] = KARA;
  s.BAN[1][1] = K_UE_OU;
  s.BAN[5][4] = K_SITA_GIN;
  s.BAN[5][3] = K_UE_HU;
  s.BAN[9][3] = K_UE_HU;
  s.BAN[1][7] = K_SITA_HU;

  // Left button into row 3: the silver stays a silver.
  Move(5, 4, 5, 3);
  EXPECT_EQ(s.BAN[5][3], K_SITA_GIN);
  EXPECT_EQ(s.KIFU_NARI[1], K_SITA_GIN);
  Move(9, 3, 9, 4);
  // The middle button never promotes.
  Move(5, 3, 5, 2, BUTTON_MIDDLE);
  EXPECT_EQ(s.BAN[5][2], K_SITA_GIN);
  Move(9, 4, 9, 5);
  // The right button promotes a silver moving inside the zone.
  Move(5, 2, 6, 1, BUTTON_RIGHT);
  EXPECT_EQ(s.BAN[6][1], K_SITA_NARIGIN);
  EXPECT_EQ(s.KIFU_KOMA[5], K_SITA_GIN);
  EXPECT_EQ(s.KIFU_NARI[5], K_SITA_NARIGIN);
  Move(9, 5, 9, 6);
  // Outside the zone the right button moves without promoting.
  Move(1, 7, 1, 6, BUTTON_RIGHT);
  EXPECT_EQ(s.BAN[1][6], K_SITA_HU);
  EXPECT_EQ(s.KIFU_NARI[7], K_SITA_HU);
  EXPECT_TRUE(controls.messages.empty());
}

TEST_F(MouseTest, DropsFromBothHands) {
  StartTwoPlayerGame();
  GameState& s = f->s;
  // Pawns meet on column 7 and on column 3; each side takes one.
  Move(7, 7, 7, 6);
  Move(3, 3, 3, 4);
  Move(7, 6, 7, 5);
  Move(3, 4, 3, 5);
  Move(7, 5, 7, 4);
  Move(3, 5, 3, 6);
  Move(7, 4, 7, 3);  // takes UE's pawn
  EXPECT_EQ(s.SITA_MOCHI[1], 1);
  EXPECT_EQ(s.SITA_MOCHI_SU, 1);
  EXPECT_EQ(s.KIFU_TORI[7], K_UE_HU);
  EXPECT_EQ(Picture(11, 3), K_SITA_HU);
  Move(3, 6, 3, 7);  // takes SITA's pawn
  EXPECT_EQ(s.UE_MOCHI[1], 1);
  EXPECT_EQ(s.UE_MOCHI_SU, 1);
  EXPECT_EQ(Picture(-1, 7), K_UE_HU);

  // SITA's pawn may not go to column 5, which holds SITA's pawn already.
  Click(11, 3);
  EXPECT_EQ(s.SENTAKU_JOUTAI, 1);
  EXPECT_EQ(f->SENTAKU.KOMA, K_SITA_HU);
  EXPECT_EQ(Outline(11, 3), 12);
  Click(5, 5);
  EXPECT_EQ(Played(KINSI), 1);
  EXPECT_EQ(s.BAN[5][5], KARA);
  // Column 3 has lost its SITA pawn: the drop is accepted.
  Click(3, 5);
  EXPECT_EQ(s.BAN[3][5], K_SITA_HU);
  EXPECT_EQ(s.SITA_MOCHI[1], 0);
  EXPECT_EQ(s.SITA_MOCHI_SU, 0);
  EXPECT_EQ(s.KIFU_MOTO_I[9], 11);
  EXPECT_EQ(s.KIFU_MOTO_J[9], 3);
  EXPECT_EQ(s.KIFU_KOMA[9], K_SITA_HU);
  EXPECT_EQ(s.KIFU_NARI[9], K_SITA_HU);
  EXPECT_EQ(Picture(11, 3), PICTURE_KARA_MASU);
  EXPECT_EQ(Picture(3, 5), K_SITA_HU);

  // UE drops its pawn from hand row 7: the record keeps the row, the hand loses kind 1.
  Click(-1, 7);
  EXPECT_EQ(Outline(-1, 7), 12);
  Click(7, 5);
  EXPECT_EQ(s.BAN[7][5], K_UE_HU);
  EXPECT_EQ(s.UE_MOCHI[1], 0);
  EXPECT_EQ(s.UE_MOCHI_SU, 0);
  EXPECT_EQ(s.KIFU_MOTO_I[10], -1);
  EXPECT_EQ(s.KIFU_MOTO_J[10], 7);
  EXPECT_EQ(Picture(-1, 7), PICTURE_KARA_MASU);
  EXPECT_EQ(s.TEBAN, SENTE);
}

TEST_F(MouseTest, AClickLeftOfTheBoardIsUEsHandAndItsPieceCannotBeMovedBySITA) {
  StartTwoPlayerGame();
  GameState& s = f->s;
  s.UE_MOCHI[4] = 1;
  s.UE_MOCHI_SU = 1;
  SIDOU_Click(*f);
  Form_MouseDown(*f, BUTTON_LEFT, 0, 700, SquareY(4) + 100);
  EXPECT_EQ(s.SENTAKU_JOUTAI, 1);
  EXPECT_EQ(f->SENTAKU.MOTO_I, -1);
  EXPECT_EQ(f->SENTAKU.MOTO_J, 4);
  EXPECT_EQ(f->SENTAKU.KOMA, K_UE_GIN);
  EXPECT_EQ(Outline(-1, 4), 15);  // inspected in the guidance colour, not selected red
  EXPECT_EQ(Outline(5, 5), 15);   // a silver may be dropped on any empty square
  Click(5, 5);
  EXPECT_EQ(Played(KINSI), 1);
  EXPECT_EQ(s.BAN[5][5], KARA);
  EXPECT_EQ(s.UE_MOCHI[4], 1);
  EXPECT_EQ(s.KIFU_SUU, 0);
}

// Whatever changed the position under a selection, the second click never moves a
// piece that is no longer where it was chosen: it picks a piece afresh.
TEST_F(MouseTest, ASelectionWhoseSquareLostItsPieceMovesNothing) {
  struct Case {
    const char* what;
    int from_i, from_j;  // the square picked up
    void (*change)(GameState&);
    int to_i, to_j;  // the second click
  };
  const Case cases[] = {
      {"the rook gone", 8, 8, [](GameState& s) { s.BAN[8][8] = KARA; }, 5, 8},
      {"another piece in its place", 7, 7, [](GameState& s) { s.BAN[7][7] = K_SITA_KIN; }, 7, 6},
      {"the hand emptied", 11, 3,
       [](GameState& s) {
         s.SITA_MOCHI[1] = 0;
         s.SITA_MOCHI_SU = 0;
       },
       5, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StartTwoPlayerGame();
    f->s.SITA_MOCHI[1] = 1;
    f->s.SITA_MOCHI_SU = 1;
    Click(c.from_i, c.from_j);
    ASSERT_EQ(f->s.SENTAKU_JOUTAI, 1);
    c.change(f->s);
    GameState before = f->s;
    before.SENTAKU_JOUTAI = 0;
    Click(c.to_i, c.to_j);
    EXPECT_EQ(f->s.KIFU_SUU, 0);
    EXPECT_EQ(f->s.SENTAKU_JOUTAI, 0);
    EXPECT_TRUE(SameGame(f->s, before));
    EXPECT_NE(Outline(c.from_i, c.from_j), IRO_12);  // no red mark left behind
  }
}

TEST_F(MouseTest, ClicksWhereNothingIsNeverChangeTheGame) {
  StartTwoPlayerGame();
  const GameState before = f->s;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double spots[][2] = {{-5000, -5000},
                             {0, 0},
                             {1e12, 1e12},
                             {-1e300, 3000},
                             {nan, nan},
                             {inf, -inf},
                             {7000, 50},
                             {300, 5000},
                             {SquareX(10) + 100, 3000},
                             {SquareX(11) + 100, SquareY(1) + 100},
                             {SquareX(11) + 100, SquareY(10) + 100},
                             {SquareX(-1) + 100, SquareY(8) + 100}};
  for (const auto& p : spots) {
    for (int button : {BUTTON_LEFT, BUTTON_RIGHT, BUTTON_MIDDLE, 8}) {
      Form_MouseDown(*f, button, 0, p[0], p[1]);
    }
  }
  // Empty hand rows select nothing either.
  for (int r = 3; r <= 9; ++r) Click(11, r);
  for (int r = 1; r <= 7; ++r) Click(-1, r);
  EXPECT_TRUE(SameGame(before, f->s));
  EXPECT_TRUE(controls.messages.empty());
}

TEST_F(MouseTest, AClickBetweenBoardAndHandOnlyClearsTheHighlight) {
  StartTwoPlayerGame();
  SIDOU_Click(*f);
  Click(7, 7);
  EXPECT_EQ(Outline(7, 6), 15);
  Click(10, 5);
  EXPECT_EQ(Outline(7, 7), 2);
  EXPECT_EQ(Outline(7, 6), 2);
  EXPECT_EQ(f->s.SENTAKU_JOUTAI, 1);
  Click(7, 6);  // the old selection is still in force
  EXPECT_EQ(f->s.BAN[7][6], K_SITA_HU);
  EXPECT_EQ(f->s.KIFU_SUU, 1);
}

TEST_F(MouseTest, TheFiveHundredAndFirstMoveIsRefusedAndNothingChanges) {
  StartTwoPlayerGame();
  GameState& s = f->s;
  s.KIFU_SUU = KIFU_MAX;
  s.KIFU_SAIGO = KIFU_MAX;
  s.TESUU = KIFU_MAX;
  Click(7, 7);
  const GameState before = s;
  surface.Clear();
  Click(7, 6);
  EXPECT_EQ(Played(KINSI), 1);
  EXPECT_EQ(Played(KOMAUTI), 0);
  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(controls.messages[0].title, "棋譜");
  EXPECT_NE(controls.messages[0].text.find("500"), std::string::npos);
  EXPECT_TRUE(SameGame(before, s));
  EXPECT_TRUE(surface.ops.empty());
}

}  // namespace
}  // namespace kazeban::testing
