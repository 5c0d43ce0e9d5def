// The journal in the window's operations: a won game is in its file before the end of
// the game is announced, so いいえ to "再ゲーム" loses nothing, and a folder that cannot
// be written is told once while the game against the computer goes on.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "file_helpers.h"
#include "interop/record_formats.h"
#include "play/game_menu.h"
#include "play/handicap.h"
#include "play/standard_game.h"
#include "play_fixture.h"
#include "record/exchange_commands.h"
#include "record/game_exchange.h"
#include "record/journal_window.h"
#include "record/journal_writer.h"
#include "record/navigation.h"
#include "record/record_commands.h"

namespace kazeban::testing {
namespace {

// The real files on a slow disk: a write lags behind the moves unless waited for.
// A replacement fails once `fail` is set.
class SlowDisk : public 実の記録ポート {
 public:
  置換結果 置換(const std::string& path, std::string_view bytes) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (fail) return {false, false, "入出力エラーです"};
    return 実の記録ポート::置換(path, bytes);
  }
  std::atomic<bool> fail = false;
};

class JournalWindowTest : public PlayTest {
 protected:
  // The journal as the window has it: written off the window's thread.
  void Keep(const std::string& folder) {
    hook_.reset();
    writer_ = std::make_unique<後書きポート>(disk_);
    hook_ = std::make_unique<窓の対局記録>(*writer_, folder);
    f->記録先 = hook_.get();
  }
  // The moves in the game's file, -1 when it cannot be read.
  int KeptMoves() {
    const std::string& path = hook_->記録().ファイル();
    if (path.empty()) return -1;
    const 棋譜読込結果 r = 棋譜_読込(path);
    return r.成功 ? static_cast<int>(r.データ.手.size()) : -1;
  }

  // The moves of the record file at `path`, -1 when it cannot be read.
  static int MovesIn(const std::string& path) {
    const 棋譜読込結果 r = 棋譜_読込(path);
    return r.成功 ? static_cast<int>(r.データ.手.size()) : -1;
  }

  ScratchDir dir_;
  SlowDisk disk_;
  std::unique_ptr<後書きポート> writer_;
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

// The last move's file failed to be written while the game was won with it: the player
// is told before the end is announced.
TEST_F(JournalWindowTest, AFailedLastWriteIsToldBeforeTheEndOfTheGame) {
  Keep(dir_ / "KAZEBAN");
  GameState& s = EmptyBoardGame();
  s.BAN[1][1] = K_UE_SYA;
  s.BAN[9][7] = K_SITA_HU;
  controls.Answer(true);  // はい to another game
  std::vector<std::string> titles;
  controls.on_box = [&](const FakeControls::Message& b) { titles.push_back(b.title); };
  Move(9, 7, 9, 6);
  hook_->書き終える(*f);  // the file is made; the next write, the last, fails
  disk_.fail = true;
  Move(1, 1, 1, 9);  // the top rook attacks the bottom king along the last row
  EXPECT_EQ(titles, (std::vector<std::string>{"棋譜保存", "終了", "再ゲーム"}));
}

// A record read and played on is a game of its own: the file of the game it was read
// from (which the window's own game wrote, in this run) is never rewritten.
TEST_F(JournalWindowTest, ARecordReadAndPlayedOnStartsANewFileAndLeavesTheOldOneAlone) {
  enum class Read { Pasted, Opened };
  for (const Read how : {Read::Pasted, Read::Opened}) {
    SCOPED_TRACE(how == Read::Pasted ? "pasted" : "opened");
    ScratchDir dir;
    Keep(dir / "KAZEBAN");
    Start();
    SENTE_Click(*f);
    Move(3, 7, 3, 6);
    Move(2, 7, 2, 6);
    const std::string first = hook_->記録().ファイル();
    hook_->書き終える(*f);
    ASSERT_EQ(MovesIn(first), 4);
    const std::string bytes = ReadWhole(first);

    int played_from = 0;
    if (how == Read::Pasted) {
      // 進 once, then the computer moves at once from there.
      ASSERT_TRUE(棋譜_貼付け(*f, bytes));
      AFTER_Click(*f);
      GOTE_Click(*f);
      played_from = 1;
    } else {
      // 進 twice, then another third move between two people.
      棋譜ファイル_読込(*f, first);
      AFTER_Click(*f);
      AFTER_Click(*f);
      START_Click(*f);
      Move(7, 7, 7, 6);
      played_from = 2;
    }
    ASSERT_EQ(f->s.KIFU_SUU, played_from + 1);
    hook_->書き終える(*f);
    EXPECT_EQ(ReadWhole(first), bytes);
    const std::string second = hook_->記録().ファイル();
    EXPECT_NE(second, first);
    EXPECT_EQ(MovesIn(second), played_from + 1);
  }
}

// 書出 of a game that went past a move standard shogi forbids: the KIF reads back in
// KAZEBAN to the last move, and the player is told what other programs will see.
TEST_F(JournalWindowTest, AnExportedKifOfAGamePastAForbiddenMoveReadsBackWhole) {
  Start();
  LEBEL_DOWN_Click(*f);  // the bottom side's bishop off
  START_Click(*f);
  // The bottom king steps onto the top bishop's open diagonal on the fifth move.
  const int moves[][4] = {{3, 7, 3, 6}, {7, 3, 7, 4}, {5, 9, 4, 8}, {1, 3, 1, 4},
                          {4, 8, 3, 7}, {1, 4, 1, 5}, {8, 7, 8, 6}};
  for (const auto& m : moves) Move(m[0], m[1], m[2], m[3]);
  ASSERT_EQ(f->s.KIFU_SUU, 7);
  controls.messages.clear();
  ASSERT_TRUE(棋譜_書出(*f, dir_ / "g.kif", "2026/12/09 18:00:00"));
  ASSERT_EQ(controls.messages.size(), 2u);
  EXPECT_EQ(controls.messages[1].text.rfind("5手目からあとは KAZEBAN だけが読める形", 0), 0u);
  const 対局棋譜読込結果 r = 対局棋譜_解析(ReadWhole(dir_ / "g.kif"), "g.kif");
  ASSERT_TRUE(r.成功) << r.理由;
  ASSERT_EQ(r.棋譜.手.size(), 7u);
  EXPECT_EQ(r.棋譜.手[4], (棋譜の手{4, 8, 3, 7, K_SITA_OU, K_SITA_OU, KARA}));
}

}  // namespace
}  // namespace kazeban::testing
