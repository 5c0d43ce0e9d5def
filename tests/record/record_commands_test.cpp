// The record file through the window: 書込 with the panel's boxes and "RETURN", 読込
// with the file list, the drive and directory lists, and every refusal and failure as
// the player sees it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "file_helpers.h"
#include "play/handicap.h"
#include "record/navigation.h"
#include "record/record_commands.h"
#include "review_fixture.h"

namespace kazeban::testing {
namespace {

// The seven moves of PlaySevenMoves as the file holds them.
const char* const kSevenMoves[7] = {
    " 3736 -10 -10   0",  // bottom pawn forward
    " 7374  10  10   0",  // top pawn forward
    " 2882-801-800 800",  // the bishop takes the bishop and promotes (right button)
    " 7182 100 100-801",  // a silver takes it back
    "11855-800-800   0",  // the bottom side drops the bishop from its hand row 8
    "-1295 800 800   0",  // the top side drops its bishop from its hand row 2
    " 7776 -10 -10   0",  // bottom pawn forward
};

// "第1局", "ｺﾝﾋﾟｭｰﾀ" and "山田" in CP932.
const std::string kGameName = "\x91\xe6\x31\x8b\xc7";
const std::string kComputer = "\xba\xdd\xcb\xdf\xad\xb0\xc0";
const std::string kYamada = "\x8e\x52\x93\x63";

class RecordCommandsTest : public ReviewTest {
 protected:
  void SetUp() override {
    ReviewTest::SetUp();
    controls.drive_root = dir.path().string();
    controls.dir_path = dir.path().string();
    controls.file_path = dir.path().string();
  }

  // A game between two people with board moves of both sides, a promotion on a
  // capture, the capture of the promoted piece and a drop by each side.
  void PlaySevenMoves() {
    StartKeepingScreen();
    START_Click(*f);
    Move(3, 7, 3, 6);
    Move(7, 3, 7, 4);
    Move(2, 8, 8, 2, BUTTON_RIGHT);
    Move(7, 1, 8, 2);
    Move(11, 8, 5, 5);
    Move(-1, 2, 9, 5);
    Move(7, 7, 7, 6);
    ASSERT_EQ(f->s.KIFU_SUU, 7);
    ASSERT_EQ(f->s.BAN[9][5], K_UE_KAKU);
    controls.messages.clear();
    controls.log.clear();
    FakeSound().calls.clear();
  }

  // 書込, the four boxes typed, "RETURN".
  void Save(const std::string& file, const std::string& game, const std::string& first,
            const std::string& second) {
    KIFU_WRITE_Click(*f);
    controls.SetPanelText(1, file);
    controls.SetPanelText(2, game);
    controls.SetPanelText(3, first);
    controls.SetPanelText(4, second);
    Command1_Click(*f);
  }

  // A file chosen in the list of the scratch directory.
  void Choose(const std::string& name) {
    controls.file_path = dir.path().string();
    controls.file_name = name;
    File1_Click(*f);
  }

  static std::string File(const std::string& top, const std::string& bottom, int moves = 7) {
    std::string out = kGameName + "\r\n" + top + "\r\n" + bottom + "\r\n";
    for (int n = 0; n < moves; ++n) out += std::string(kSevenMoves[n]) + "\r\n";
    return out;
  }

  ScratchDir dir;
};

TEST_F(RecordCommandsTest, WritingSavesTheMovesWithTheNamesByteForByte) {
  PlaySevenMoves();
  KIFU_WRITE_Click(*f);
  EXPECT_TRUE(controls.drive_visible && controls.dir_visible && !controls.file_visible);
  EXPECT_TRUE(controls.name_panel_visible);
  controls.SetPanelText(1, "対局");
  controls.SetPanelText(2, "第1局");
  controls.SetPanelText(3, "山田");
  controls.SetPanelText(4, "ｺﾝﾋﾟｭｰﾀ");
  controls.log.clear();
  Command1_Click(*f);

  // The first player moved at the bottom: the second player's name is the top's.
  EXPECT_EQ(ReadWhole(dir / "対局.棋譜"), File(kComputer, kYamada));
  EXPECT_EQ(dir.Listing(), "対局.棋譜\n");
  EXPECT_EQ(Boxes(), std::vector<std::string>{"  : 棋譜を書き込みました"});
  EXPECT_TRUE(Sounds().empty());
  // The panel hid and forgot the names, and the list was read again before the box.
  EXPECT_TRUE(PanelHidden());
  for (int box = 1; box <= 4; ++box) EXPECT_EQ(controls.PanelText(box), "") << box;
  EXPECT_EQ(controls.file_list_refreshes, 1);
  EXPECT_EQ(controls.log.back(), "MessageOK   : 棋譜を書き込みました");
  EXPECT_EQ(controls.log[controls.log.size() - 2], "RefreshFileList");
  // The game goes on as it was.
  EXPECT_EQ(f->s.TEBAN, GOTE);
  EXPECT_EQ(f->s.KIFU_SUU, 7);
}

TEST_F(RecordCommandsTest, TheNamesGoToTheSidesTheFirstAndSecondPlayerHad) {
  PlaySevenMoves();
  f->s.SITA_SENGO = GOTE;  // the top side moved first
  f->s.UE_SENGO = SENTE;
  Save("逆", "第1局", "山田", "ｺﾝﾋﾟｭｰﾀ");
  EXPECT_EQ(ReadWhole(dir / "逆.棋譜"), File(kYamada, kComputer));
}

TEST_F(RecordCommandsTest, WritingAfterSteppingBackSavesUpToThePositionShown) {
  PlaySevenMoves();
  REPLAY_Click(*f);
  REPLAY_Click(*f);
  Save("途中", "第1局", "山田", "ｺﾝﾋﾟｭｰﾀ");
  EXPECT_EQ(ReadWhole(dir / "途中.棋譜"), File(kComputer, kYamada, 5));
}

TEST_F(RecordCommandsTest, WritingIsRefusedAfterTurningOrAHandicap) {
  struct Case {
    const char* what;
    int hanten, hande;
    const char* box;
  };
  const Case cases[] = {
      {"turned", ON, OFF, "棋譜書込: 反転後は書き込みできません"},
      {"handicap", OFF, ON, "棋譜書込: ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"},
      {"both", ON, ON, "棋譜書込: 反転後は書き込みできません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PlaySevenMoves();
    f->s.HANTEN_FLAG = c.hanten;
    f->s.HANDE_FLAG = c.hande;
    KIFU_WRITE_Click(*f);
    EXPECT_EQ(Boxes(), std::vector<std::string>{c.box});
    EXPECT_EQ(Sounds(), std::vector<int32_t>{f->handles.SND_KINSI});
    EXPECT_FALSE(controls.name_panel_visible);
    EXPECT_FALSE(controls.drive_visible);
  }
  // A real handicap step counts, even one at the limit after setup.
  Start();
  for (int k = 0; k < 11; ++k) LBEL_UP_Click(*f);
  controls.messages.clear();
  KIFU_WRITE_Click(*f);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"棋譜書込: ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"});
}

TEST_F(RecordCommandsTest, ReturnRefusesAMissingNameAPathAndAnEmptyGame) {
  struct Case {
    const char* what;
    bool moves;
    const char* name;
    const char* box;
  };
  const Case cases[] = {
      {"no file name", true, "", "  : ﾌｧｲﾙ名が入力されていません"},
      {"a path for a name", true, "../対局", "  : ﾌｧｲﾙ名に「/」は使えません"},
      {"no moves", false, "対局", "棋譜保存: 保存するデータがありません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.moves) {
      PlaySevenMoves();
    } else {
      Start();
    }
    KIFU_WRITE_Click(*f);
    controls.SetPanelText(1, c.name);
    controls.SetPanelText(3, "山田");
    controls.messages.clear();
    Command1_Click(*f);
    EXPECT_EQ(Boxes(), std::vector<std::string>{c.box});
    EXPECT_EQ(dir.Listing(), "");
    EXPECT_FALSE(std::filesystem::exists(dir.path().parent_path() / "対局.棋譜"));
    // The panel stays with what was typed.
    EXPECT_TRUE(controls.name_panel_visible);
    EXPECT_EQ(controls.PanelText(3), "山田");
  }
}

TEST_F(RecordCommandsTest, AFailedWriteIsShownAndNeverReportedAsWritten) {
  PlaySevenMoves();
  WriteWhole(dir / "対局.棋譜", "the old game");

  // A name the file cannot hold: nothing is written, the old file stays.
  Save("対局", "第1局", "山田😀", "ｺﾝﾋﾟｭｰﾀ");
  EXPECT_EQ(Boxes(), std::vector<std::string>{
                         "棋譜保存: 先手の名前に、棋譜ファイルに書けない文字があります（😀）"});
  EXPECT_EQ(Sounds(), std::vector<int32_t>{f->handles.SND_KINSI});
  EXPECT_EQ(ReadWhole(dir / "対局.棋譜"), "the old game");
  EXPECT_TRUE(controls.name_panel_visible);
  EXPECT_EQ(controls.PanelText(3), "山田😀");

  // A directory that is not there.
  controls.messages.clear();
  controls.SetPanelText(3, "山田");
  controls.dir_path = dir / "ない";
  Command1_Click(*f);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"棋譜保存: 保存先のフォルダ「" + (dir / "ない") +
                                              "」がありません"});
  EXPECT_EQ(dir.Listing(), "対局.棋譜\n");

  // No directory chosen in the list: nothing is written anywhere.
  controls.messages.clear();
  controls.dir_path.clear();
  Command1_Click(*f);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"棋譜保存: 保存先のフォルダが選ばれていません"});
  EXPECT_EQ(controls.file_list_refreshes, 0);
  EXPECT_TRUE(controls.name_panel_visible);
}

TEST_F(RecordCommandsTest, ReadingLoadsTheGameInRecordModeWithTheNames) {
  PlaySevenMoves();
  const Snapshot played(f->s);
  const ScreenRaster played_screen = Screen();
  Save("対局", "第1局", "山田", "ｺﾝﾋﾟｭｰﾀ");
  ASSERT_TRUE(std::filesystem::exists(dir.path() / "対局.棋譜"));
  KIFU_READ_Click(*f);
  EXPECT_TRUE(controls.drive_visible && controls.dir_visible && controls.file_visible);
  EXPECT_FALSE(controls.name_panel_visible);
  controls.messages.clear();
  FakeSound().calls.clear();
  const size_t drawn = surface.ops.size();

  Choose("対局.棋譜");
  const GameState& s = f->s;
  EXPECT_EQ(s.KIFU_MODE, ON);
  EXPECT_EQ(s.KIFU_SAIGO, 7);
  EXPECT_EQ(s.KIFU_SUU, 0);
  EXPECT_EQ(s.TESUU, 0);
  EXPECT_EQ(s.TEBAN, NASHI);
  EXPECT_EQ(s.KIFU_MOTO_I[6], -1);
  EXPECT_EQ(s.KIFU_MOTO_J[6], 2);
  EXPECT_EQ(s.KIFU_TORI[4], K_SITA_NARIKAKU);
  GameState start;
  初期設定_状態(start);
  EXPECT_TRUE(Snapshot(s).SamePosition(Snapshot(start)));
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"棋譜:  読み込みました",
                                               "棋譜: 棋譜を '進 'で進めて下さい"}));
  EXPECT_FALSE(controls.file_visible);
  // Start-up ran again without opening the sound library again.
  EXPECT_EQ(FakeSound().Count("dsInitialize"), 0);
  EXPECT_TRUE(Sounds().empty());

  // The names in white, 12 points: the game's under the board on the left, the top
  // player's above the board, the bottom player's under it.
  std::vector<DrawOp> names;
  for (size_t k = drawn; k < surface.ops.size(); ++k) {
    const DrawOp& op = surface.ops[k];
    if (op.kind == DrawOp::Text &&
        (op.text == "第1局" || op.text == "ｺﾝﾋﾟｭｰﾀ" || op.text == "山田")) {
      names.push_back(op);
    }
  }
  ASSERT_EQ(names.size(), 3u);
  const std::pair<const char*, std::pair<double, double>> where[3] = {
      {"第1局", {800, 6350}}, {"ｺﾝﾋﾟｭｰﾀ", {3700, 100}}, {"山田", {3700, 6350}}};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(names[k].text, where[k].first);
    EXPECT_DOUBLE_EQ(names[k].x, where[k].second.first);
    EXPECT_DOUBLE_EQ(names[k].y, where[k].second.second);
    EXPECT_EQ(names[k].size, 12);
    EXPECT_EQ(names[k].colour, IRO_15);
  }

  // 進 to the end: the game as it was played, on the board and on the screen.
  for (int n = 1; n <= 7; ++n) AFTER_Click(*f);
  EXPECT_TRUE(Snapshot(f->s).SamePosition(played));
  EXPECT_EQ(f->s.TESUU, 7);
  const ScreenRaster& now = Screen();
  EXPECT_TRUE(now.SameIn(played_screen, 1100 + 495, 715, 495 * 9, 615 * 9));
  EXPECT_TRUE(now.SameIn(played_screen, 605, 715, 985, 615 * 7));
  EXPECT_TRUE(now.SameIn(played_screen, 6545, 1945, 995, 615 * 7));
  controls.messages.clear();
  AFTER_Click(*f);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"進む: 終わり"});
  // A click on the board asks to step with 進; yes keeps the record.
  controls.Answer(true);
  Click(5, 5);
  EXPECT_EQ(controls.messages.back().text, "棋譜を '進 'で進めて下さい");
  EXPECT_EQ(f->s.KIFU_MODE, ON);
}

TEST_F(RecordCommandsTest, ABadFileIsRefusedWithItsLineAndTheGameStaysAsItWas) {
  const std::string head = "game\r\ntop\r\nbottom\r\n";
  struct Case {
    const char* what;
    std::string body;
    const char* line;
  };
  const Case cases[] = {
      {"a truncated line", " 7776 -10 -10   0\r\n 3334  10  1", "5行目: "},
      {"letters in a number column", " 7776 -1O -10   0\r\n", "4行目: "},
      {"a square off the board", " 7770 -10 -10   0\r\n", "4行目: "},
      {"an unknown piece code", " 7776 -12 -10   0\r\n", "4行目: "},
      {"a move from a square without its piece", " 7776 -10 -10   0\r\n 7675  10  10   0\r\n",
       "5行目: "},
      {"a drop from an empty hand", "11855-800-800   0\r\n", "4行目: "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PlaySevenMoves();
    REPLAY_Click(*f);
    Click(3, 6);  // a piece picked up: the selection is part of the game too
    WriteWhole(dir / "bad.棋譜", head + c.body);
    controls.messages.clear();
    FakeSound().calls.clear();
    surface.Clear();
    const GameState before = f->s;
    Choose("bad.棋譜");
    EXPECT_TRUE(SameGame(f->s, before));
    EXPECT_TRUE(surface.ops.empty());
    ASSERT_EQ(controls.messages.size(), 1u);
    EXPECT_EQ(controls.messages[0].title, "棋譜読込");
    EXPECT_EQ(controls.messages[0].text.rfind(std::string("「bad.棋譜」の") + c.line, 0), 0u)
        << controls.messages[0].text;
    EXPECT_EQ(Sounds(), std::vector<int32_t>{f->handles.SND_KINSI});
  }
  // A file that is not there is refused the same way.
  controls.messages.clear();
  Choose("gone.棋譜");
  EXPECT_EQ(Boxes(), std::vector<std::string>{"棋譜読込: 「gone.棋譜」が見つかりません"});
}

TEST_F(RecordCommandsTest, AFileWithoutMovesGivesRecordModeWithAnEmptyRecord) {
  for (const std::string& bytes : {std::string(), std::string("game\r\ntop\r\nbottom\r\n")}) {
    SCOPED_TRACE(bytes.empty() ? "empty" : "headers only");
    PlaySevenMoves();
    WriteWhole(dir / "empty.棋譜", bytes);
    Choose("empty.棋譜");
    EXPECT_EQ(Boxes(), std::vector<std::string>{"棋譜: 棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"});
    EXPECT_EQ(f->s.KIFU_MODE, ON);
    EXPECT_EQ(f->s.KIFU_SAIGO, 0);
    EXPECT_EQ(f->s.KIFU_SUU, 0);
    controls.messages.clear();
    AFTER_Click(*f);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"進む: 終わり"});
    const std::vector<std::string> texts = surface.Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "top"), bytes.empty() ? 0 : 1);
  }
}

TEST_F(RecordCommandsTest, MoreThanFiveHundredMovesAreReadUpToTheFiveHundredth) {
  // The two kings step forward and back, 510 moves.
  std::string file = "long\r\ntop\r\nbottom\r\n";
  const char* const cycle[4] = {" 5958-950-950   0", " 5152 950 950   0", " 5859-950-950   0",
                                " 5251 950 950   0"};
  for (int n = 0; n < 510; ++n) file += std::string(cycle[n % 4]) + "\r\n";
  WriteWhole(dir / "long.棋譜", file);
  Start();
  Choose("long.棋譜");
  EXPECT_EQ(f->s.KIFU_SAIGO, 500);
  EXPECT_EQ(f->s.KIFU_MOTO_J[500], 2);  // the 500th move: the top king from row 2
  EXPECT_EQ(Boxes(),
            (std::vector<std::string>{"棋譜:  読み込みました",
                                      "棋譜: 501手目からあとは読み込んでいません(500手まで)",
                                      "棋譜: 棋譜を '進 'で進めて下さい"}));
  for (int n = 0; n < 500; ++n) AFTER_Click(*f);
  EXPECT_EQ(f->s.BAN[5][9], K_SITA_OU);
  EXPECT_EQ(f->s.BAN[5][1], K_UE_OU);
  controls.messages.clear();
  AFTER_Click(*f);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"進む: 終わり"});
}

TEST_F(RecordCommandsTest, OtherLineEndsAndDamagedNameBytesAreReadWithoutHarm) {
  // LF only, a lone CR, and a name line with a lead byte missing its trail byte.
  WriteWhole(dir / "lf.棋譜", "game\n\x81\ntop\n 7776 -10 -10   0\n");
  WriteWhole(dir / "cr.棋譜", "game\r\x81\rtop\r 7776 -10 -10   0\r");
  for (const char* name : {"lf.棋譜", "cr.棋譜"}) {
    SCOPED_TRACE(name);
    Start();
    Choose(name);
    EXPECT_EQ(f->s.KIFU_SAIGO, 1);
    const std::vector<std::string> texts = surface.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "\xef\xbf\xbd"), texts.end());  // U+FFFD
  }
}

TEST_F(RecordCommandsTest, TheDriveAndDirectoryListsFollowEachOther) {
  Start();
  std::filesystem::create_directory(dir.path() / "棋譜集");
  controls.drive_root = dir.path().string();
  controls.dir_path = "/";
  controls.file_path = "/";
  Drive1_Change(*f);
  EXPECT_EQ(controls.dir_path, dir.path().string());
  EXPECT_EQ(controls.file_path, dir.path().string());
  EXPECT_TRUE(controls.messages.empty());

  controls.dir_path = dir / "棋譜集";
  Dir1_Change(*f);
  EXPECT_EQ(controls.file_path, dir / "棋譜集");

  // A volume that cannot be read: the lists stay where they were.
  controls.drive_root = dir / "外したディスク";
  Drive1_Change(*f);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"ｴﾗｰ: ﾃﾞﾊﾞｲｽが準備できていません"});
  EXPECT_EQ(controls.dir_path, dir / "棋譜集");
  EXPECT_EQ(controls.file_path, dir / "棋譜集");
}

TEST_F(RecordCommandsTest, ReadingShowsTheListsAndHidesTheNamePart) {
  Start();
  KIFU_WRITE_Click(*f);
  controls.SetPanelText(2, "第1局");
  KIFU_READ_Click(*f);
  EXPECT_TRUE(controls.drive_visible && controls.dir_visible && controls.file_visible);
  EXPECT_FALSE(controls.name_panel_visible);
  EXPECT_EQ(controls.PanelText(2), "");
  // A click in the list away from any file hides the lists and reads nothing.
  controls.file_name.clear();
  File1_Click(*f);
  EXPECT_FALSE(controls.drive_visible || controls.dir_visible || controls.file_visible);
  EXPECT_TRUE(controls.messages.empty());
  EXPECT_EQ(f->s.KIFU_MODE, OFF);
}

TEST(RecordPaths, ADirectoryAndANameAreJoinedByOneSeparator) {
  EXPECT_EQ(パス_結合("/home/a", "対局.棋譜"), "/home/a/対局.棋譜");
  EXPECT_EQ(パス_結合("/home/a/", "対局.棋譜"), "/home/a/対局.棋譜");
  EXPECT_EQ(パス_結合("/", "対局.棋譜"), "/対局.棋譜");
  EXPECT_EQ(パス_結合("", "対局.棋譜"), "対局.棋譜");
}

}  // namespace
}  // namespace kazeban::testing
