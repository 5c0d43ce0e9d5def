// Showing and hiding the record-file panel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/panel.h"
#include "support/fake_controls.h"

namespace kazeban {
namespace {

using testing::FakeControls;

TEST(Panel, ListsFollowTheThreeArguments) {
  FakeControls c;
  描画_可視(c, true, false, true);
  EXPECT_TRUE(c.drive_visible);
  EXPECT_FALSE(c.dir_visible);
  EXPECT_TRUE(c.file_visible);
  描画_可視(c, false, true, false);
  EXPECT_FALSE(c.drive_visible);
  EXPECT_TRUE(c.dir_visible);
  EXPECT_FALSE(c.file_visible);
  描画_可視(c, false, false, false);
  EXPECT_FALSE(c.drive_visible || c.dir_visible || c.file_visible);
}

TEST(Panel, ShowingKeepsWhatTheBoxesHold) {
  FakeControls c;
  c.SetPanelText(1, "game");
  c.SetPanelText(3, "先手");
  c.log.clear();
  描画_棋譜_IO(c, 0);
  EXPECT_TRUE(c.name_panel_visible);
  EXPECT_EQ(c.PanelText(1), "game");
  EXPECT_EQ(c.PanelText(3), "先手");
  EXPECT_EQ(c.log, std::vector<std::string>{"SetNamePanelVisible 1"});
  // The lists are not part of the name panel.
  EXPECT_FALSE(c.drive_visible || c.dir_visible || c.file_visible);
}

TEST(Panel, HidingEmptiesTheFourBoxesFirst) {
  for (int flag : {1, 2, -1}) {
    SCOPED_TRACE(flag);
    FakeControls c;
    for (int box = 1; box <= 4; ++box) c.SetPanelText(box, "typed " + std::to_string(box));
    描画_棋譜_IO(c, 0);
    c.log.clear();
    描画_棋譜_IO(c, flag);
    EXPECT_FALSE(c.name_panel_visible);
    for (int box = 1; box <= 4; ++box) EXPECT_EQ(c.PanelText(box), "") << box;
    EXPECT_EQ(c.log,
              (std::vector<std::string>{"SetPanelText 1 ", "SetPanelText 2 ", "SetPanelText 3 ",
                                        "SetPanelText 4 ", "SetNamePanelVisible 0"}));
  }
}

TEST(Panel, ShownAgainAfterHidingTheBoxesAreEmpty) {
  FakeControls c;
  描画_棋譜_IO(c, 0);
  c.SetPanelText(1, "kifu");
  c.SetPanelText(4, "a file");
  描画_棋譜_IO(c, 1);
  描画_棋譜_IO(c, 0);
  EXPECT_TRUE(c.name_panel_visible);
  for (int box = 1; box <= 4; ++box) EXPECT_EQ(c.PanelText(box), "");
}

}  // namespace
}  // namespace kazeban
