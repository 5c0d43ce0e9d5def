// The journal in the window's operations: a won game is in its file before the end of
// the game is announced, so いいえ to "再ゲーム" loses nothing, and a folder that cannot
// be written is told once while the game against the computer goes on.
#include <gtest/gtest.h>

#include "file_helpers.h"
#include "interop/record_formats.h"
#include "play/game_menu.h"
#include "play/standard_game.h"
#include "play_fixture.h"
#include "record/game_exchange.h"
#include "record/journal_window.h"

namespace kazeban::testing {
namespace {

class JournalWindowTest : public PlayTest {
 protected:
  void Keep(const std::string& folder) {
    hook_ = std::make_unique<窓の対局記録>(port_, folder);
    f->記録先 = hook_.get();
  }
  // The moves in the game's file, -1 when it cannot be read.
  int KeptMoves() {
    const std::string& path = hook_->記録().ファイル();
    if (path.empty()) return -1;
    const 棋譜読込結果 r = 棋譜_読込(path);
    return r.成功 ? static_cast<int>(r.データ.手.size()) : -1;
  }

  ScratchDir dir_;
  実の記録ポート port_;
  std::unique_ptr<窓の対局記録> hook_;
};

TEST_F(JournalWindowTest, AWonGameIsKeptBeforeItsEndIsAnnouncedAndNoEndsNothingOfIt) {
  Keep(dir_ / "KAZEBAN");
  StartTwoPlayerGame();
  // The second player's name typed before the first move; the boxes empty as the
  // panel hides.
  controls.panel_text[4] = "山田";
  hook_->名前を入力(*f);
  int kept_when_announced = -1;
  controls.on_box = [&](const FakeControls::Message& b) {
    if (b.title == "終了") kept_when_announced = KeptMoves();
  };
  controls.Answer(false);  // いいえ: the program ends
  Move(3, 7, 3, 6);
  Move(7, 3, 7, 4);
  Move(2, 8, 8, 2);
  Move(7, 1, 8, 2);
  Click(11, 8);
  Click(8, 4);  // the dropped bishop attacks the top side's king: the bottom side wins
  ASSERT_TRUE(controls.quit);
  EXPECT_EQ(kept_when_announced, 5);
  const 棋譜読込結果 r = 棋譜_読込(hook_->記録().ファイル());
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_EQ(r.データ.手.back(), (棋譜の手{11, 8, 8, 4, K_SITA_KAKU, K_SITA_KAKU, KARA}));
  EXPECT_EQ(r.データ.下側の名, "先手");
  EXPECT_EQ(r.データ.上側の名, "山田");
}

// A game under standard rules is kept as a KIF file from the even start too, and its
// file says how it ended; a check ends neither the game nor its export.
TEST_F(JournalWindowTest, AStandardGameIsKeptAsKIFWithItsResult) {
  struct Case {
    const char* name;
    bool computer_first;
    対局結果 result;  // as the file has it: the computer that began is black
  };
  const Case cases[] = {{"people", false, 対局結果::先手勝ち},
                        {"computer first", true, 対局結果::先手勝ち}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchDir dir;
    Keep(dir / "KAZEBAN");
    Start();
    if (!f->標準.選択) HYOUJUN_Click(*f);  // kept from the last game
    if (c.computer_first) {
      GOTE_Click(*f);
      Move(3, 7, 3, 6);
    } else {
      START_Click(*f);
      Move(3, 7, 3, 6);
      Move(7, 3, 7, 4);
      Move(2, 8, 7, 3);  // the bishop checks the king on (5, 1): the game goes on
      EXPECT_EQ(書出用の対局(f->s, f->由来, {}, "", true).終局, "");
      EXPECT_EQ(書出用の対局(f->s, f->由来, {}, "").終局, "投了");  // KAZEBAN's rule
    }
    const int moves = f->s.KIFU_SUU;
    ASSERT_GE(moves, 2);
    const std::string path = hook_->記録().ファイル();
    EXPECT_EQ(path.substr(path.size() - 4), ".kif");
    controls.messages.clear();
    controls.answers = {true, true};
    TOURYOU_Click(*f);  // the side to move resigns
    ASSERT_EQ(controls.messages.size(), 3u);

    const 対局棋譜読込結果 r = 対局棋譜_解析(ReadWhole(path), path);
    ASSERT_TRUE(r.成功) << r.理由;
    EXPECT_EQ(static_cast<int>(r.棋譜.手.size()), moves);
    EXPECT_EQ(r.棋譜.終局, "投了");
    EXPECT_EQ(r.棋譜.結果, c.result);
  }
}

TEST_F(JournalWindowTest, AFolderThatCannotBeWrittenIsToldOnceAndTheGameGoesOn) {
  // Not even root makes a folder under a regular file.
  WriteWhole(dir_ / "plain", "");
  const std::string folder = dir_ / "plain/KAZEBAN";
  Keep(folder);
  Start();
  SENTE_Click(*f);
  controls.messages.clear();
  Move(3, 7, 3, 6);  // the person's move, then the computer's reply
  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(controls.messages[0].title, "棋譜保存");
  EXPECT_NE(controls.messages[0].text.find(folder), std::string::npos);
  EXPECT_EQ(f->s.KIFU_SUU, 2);
  EXPECT_EQ(f->s.TEBAN, f->s.SITA_SENGO);
  Move(2, 7, 2, 6);
  EXPECT_EQ(f->s.KIFU_SUU, 4);
  EXPECT_EQ(controls.messages.size(), 1u);
}

}  // namespace
}  // namespace kazeban::testing
