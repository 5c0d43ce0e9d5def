// The 対局, ｵﾌﾟｼｮﾝ and その他 menus, and the handicap caption.
#include <gtest/gtest.h>

#include <algorithm>

#include "play/about_box.h"
#include "play/game_menu.h"
#include "play/handicap_caption.h"
#include "play/options.h"
#include "play_fixture.h"

namespace kazeban::testing {
namespace {

class MenuTest : public PlayTest {
 protected:
  void ShowPanel() {
    controls.SetListsVisible(true, true, true);
    controls.SetNamePanelVisible(true);
    for (int k = 1; k <= 4; ++k) controls.SetPanelText(k, "名");
  }
  void ExpectPanelHidden() const {
    EXPECT_FALSE(controls.drive_visible);
    EXPECT_FALSE(controls.dir_visible);
    EXPECT_FALSE(controls.file_visible);
    EXPECT_FALSE(controls.name_panel_visible);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(controls.PanelText(k), "") << k;
  }
  bool Drew(const std::string& text) const {
    const auto texts = surface.Texts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }
};

TEST_F(MenuTest, StartBeginsAGameBetweenTwoPeopleFromThePositionShown) {
  Start();
  f->s.BAN[7][6] = K_SITA_HU;  // a position reached some other way
  f->s.BAN[7][7] = KARA;
  START_Click(*f);
  const GameState& s = f->s;
  EXPECT_EQ(s.SITA_SENGO, SENTE);
  EXPECT_EQ(s.UE_SENGO, GOTE);
  EXPECT_EQ(s.TEBAN, SENTE);
  EXPECT_EQ(s.TAIKYOKU_SYU, TAI_MAN);
  EXPECT_EQ(s.BAN[7][6], K_SITA_HU);
  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(controls.messages[0].title, " ");
  EXPECT_EQ(controls.messages[0].text, "先手の番です");
  // The coordinates are drawn again, and nothing else of the board.
  EXPECT_FALSE(surface.Of(DrawOp::Text).empty());
  EXPECT_TRUE(surface.Of(DrawOp::Picture).empty());
  EXPECT_TRUE(FakeSound().calls.empty());
}

TEST_F(MenuTest, TheLevelItemsKeepExactlyOneCheckAndShowTheLevel) {
  Start();
  LEVEL2_Click(*f);
  EXPECT_EQ(f->s.COM_LEVEL, 2);
  EXPECT_FALSE(controls.IsChecked(MenuCheck::LEVEL1));
  EXPECT_TRUE(controls.IsChecked(MenuCheck::LEVEL2));
  EXPECT_FALSE(controls.IsChecked(MenuCheck::LEVEL3));
  EXPECT_TRUE(Drew("LEVEL"));

  // The level already in force: nothing changes, nothing is drawn.
  surface.Clear();
  const int changes = controls.check_changes;
  LEVEL2_Click(*f);
  EXPECT_TRUE(surface.ops.empty());
  EXPECT_EQ(controls.check_changes, changes);

  LEVEL1_Click(*f);
  EXPECT_EQ(f->s.COM_LEVEL, 1);
  EXPECT_TRUE(controls.IsChecked(MenuCheck::LEVEL1));
  EXPECT_FALSE(controls.IsChecked(MenuCheck::LEVEL2));
  LEVEL3_Click(*f);
  EXPECT_EQ(f->s.COM_LEVEL, 3);
  EXPECT_FALSE(controls.IsChecked(MenuCheck::LEVEL1));
  EXPECT_TRUE(controls.IsChecked(MenuCheck::LEVEL3));
}

TEST_F(MenuTest, OpeningAMenuHidesTheRecordPanel) {
  Start();
  ShowPanel();
  TAIKYOKU_Click(*f);
  ExpectPanelHidden();
  ShowPanel();
  OPTION_Click(*f);
  ExpectPanelHidden();
  EXPECT_TRUE(surface.ops.empty());
  EXPECT_TRUE(controls.messages.empty());
}

TEST_F(MenuTest, GuidanceOnDrawsNothingAtOnceAndOffClearsEveryMark) {
  Start();
  SIDOU_Click(*f);
  EXPECT_TRUE(controls.IsChecked(MenuCheck::SIDOU));
  EXPECT_EQ(f->s.SIDOU_FLAG, 1);
  EXPECT_EQ(f->s.SIDOU_IRO, 15);
  EXPECT_TRUE(surface.ops.empty());

  START_Click(*f);
  Click(7, 7);
  EXPECT_EQ(Outline(7, 6), 15);
  EXPECT_EQ(Outline(7, 7), 12);
  surface.Clear();
  SIDOU_Click(*f);
  EXPECT_FALSE(controls.IsChecked(MenuCheck::SIDOU));
  EXPECT_EQ(f->s.SIDOU_FLAG, 0);
  EXPECT_EQ(f->s.SIDOU_IRO, 2);
  // Every board square and all fourteen hand squares get the plain outline.
  EXPECT_EQ(surface.Of(DrawOp::Outline).size(), 81u + 14u);
  for (const DrawOp& op : surface.ops) EXPECT_EQ(op.colour, 2);
  for (int k = 1; k <= 7; ++k) {
    EXPECT_EQ(Outline(-1, k), 2);
    EXPECT_EQ(Outline(11, k + 2), 2);
  }
  // The selection itself stays in force.
  EXPECT_EQ(f->s.SENTAKU_JOUTAI, 1);
  Click(7, 6);
  EXPECT_EQ(f->s.BAN[7][6], K_SITA_HU);
}

TEST_F(MenuTest, TheBackgroundTuneLoopsWhileChecked) {
  Start();
  BGM_Click(*f);
  EXPECT_TRUE(controls.IsChecked(MenuCheck::BGM));
  EXPECT_EQ(FakeSound().ArgumentsOf("dsPlayLooping"), std::vector<int32_t>{BGM});
  BGM_Click(*f);
  EXPECT_FALSE(controls.IsChecked(MenuCheck::BGM));
  EXPECT_EQ(FakeSound().ArgumentsOf("dsStop"), std::vector<int32_t>{BGM});
}

TEST_F(MenuTest, TheAboutBoxShowsVersionHomePageAndMail) {
  Start();
  ShowPanel();
  VER_Click(*f);
  ExpectPanelHidden();
  EXPECT_EQ(FakeSound().ArgumentsOf("dsPlay"), std::vector<int32_t>{SONOTA});
  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_FALSE(controls.messages[0].yes_no);
  const std::string& text = controls.messages[0].text;
  const auto first = text.find('\n');
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(text.substr(0, first).find(KAZEBAN_TEST_VERSION), std::string::npos);
  EXPECT_EQ(text.substr(first, 2), "\n\n");  // an empty line after the version
  EXPECT_NE(text.find("https://www.example.org/"), std::string::npos);
  EXPECT_NE(text.find("@example.org"), std::string::npos);
}

TEST_F(MenuTest, TheHandicapCaptionIsErasedAndPrintedBesideTheTitle) {
  Start();
  消去_ハンデレベル(*f);
  ASSERT_EQ(surface.ops.size(), 1u);
  EXPECT_EQ(surface.ops[0].kind, DrawOp::Fill);
  EXPECT_EQ(surface.ops[0].x, SquareX(11));
  EXPECT_EQ(surface.ops[0].y, SquareY(1));
  EXPECT_EQ(surface.ops[0].w, 2200);
  EXPECT_EQ(surface.ops[0].h, 550);
  EXPECT_EQ(surface.ops[0].colour, 2);

  surface.Clear();
  描画_ハンデレベル(*f, 1);
  ASSERT_EQ(surface.Of(DrawOp::Fill).size(), 1u);
  EXPECT_EQ(surface.Texts(), std::vector<std::string>{"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"});
  const DrawOp text = surface.Of(DrawOp::Text)[0];
  EXPECT_EQ(text.size, 10);
  EXPECT_EQ(text.colour, 15);
}

}  // namespace
}  // namespace kazeban::testing
