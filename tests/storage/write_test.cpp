// Writing record files: the exact bytes of the designed format, names the code page
// cannot hold refused before anything is written, and every failure on disk reported
// with the old file left as it was.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <utility>
#include <vector>

#include <filesystem>

#include "file_helpers.h"
#include "scripted_game.h"
#include "storage/atomic_file.h"
#include "storage/record_file.h"
#include "storage/replay.h"

namespace kazeban {
namespace {

using testing::Lines;
using testing::PlayScript;
using testing::ReadWhole;
using testing::ScratchDir;
using testing::WriteWhole;

const std::string kGameName = "\x91\xCE\x8B\xC7";              // 対局
const std::string kComputer = "\xBA\xDD\xCB\xDF\xAD\xB0\xC0";  // ｺﾝﾋﾟｭｰﾀ
const std::string kYou = "\x82\xA0\x82\xC8\x82\xBD";           // あなた

棋譜データ ScriptedRecord(int moves = testing::kScriptLength) {
  return 棋譜_記録から(PlayScript(moves), "対局", "ｺﾝﾋﾟｭｰﾀ", "あなた");
}

TEST(RecordBytes, AGameIsWrittenColumnByColumn) {
  const 棋譜バイト列結果 r = 棋譜_バイト列(ScriptedRecord());
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_EQ(r.バイト列, Lines({kGameName, kComputer, kYou,
                               " 3736 -10 -10   0",  // a plain move
                               " 7374  10  10   0",
                               " 2882-801-800 800",  // capture and promotion
                               " 7182 100 100-801",  // a four-character capture fills 14-17
                               "11855-800-800   0",  // the bottom side's drop: 11
                               "-1615 800 800   0",  // the top side's drop: -1
                               " 5582-801-800 100", " 1559 801 800-950"}));  // a king taken
}

TEST(RecordBytes, FieldsOfEveryWidth) {
  棋譜データ d;
  d.手 = {
      {8, 2, 8, 8, 801, 800, -900},  // a captured rook fills its four columns
      {-1, 7, 5, 5, 10, 10, 0},      // a top-side drop recorded with its hand row
      {3, 4, 3, 3, -11, -10, 10},    // a pawn promotes as it captures
      {11, 9, 9, 9, -900, -900, 0},
      {9, 1, 1, 9, -950, -950, 950},  // every four-character field at once
  };
  const 棋譜バイト列結果 r = 棋譜_バイト列(d);
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_EQ(r.バイト列, Lines({"", "", "", " 8288 801 800-900", "-1755  10  10   0",
                               " 3433 -11 -10  10", "11999-900-900   0", " 9119-950-950 950"}));
}

TEST(RecordBytes, OnlyTheMovesUpToTheShownPositionAreWritten) {
  GameState s = PlayScript();
  棋譜_戻す(s);
  棋譜_戻す(s);
  ASSERT_EQ(s.KIFU_SUU, 6);
  ASSERT_EQ(s.KIFU_SAIGO, 8);
  const 棋譜データ d = 棋譜_記録から(s, "", "", "");
  ASSERT_EQ(d.手.size(), 6u);
  EXPECT_EQ(d.手.back(), (棋譜の手{-1, 6, 1, 5, 800, 800, 0}));
  const 棋譜読込結果 back = 棋譜_解析(棋譜_バイト列(d).バイト列);
  ASSERT_TRUE(back.成功) << back.理由;
  EXPECT_EQ(back.データ.手, d.手);
}

TEST(RecordBytes, NamesTheCodePageCannotHoldAreRefusedByTheirField) {
  // The bottom side moved first: its name is the first player's.
  棋譜データ d = ScriptedRecord();
  d.下側の名 = "ぼく😀";
  棋譜バイト列結果 r = 棋譜_バイト列(d);
  EXPECT_FALSE(r.成功);
  EXPECT_TRUE(r.バイト列.empty());
  EXPECT_EQ(r.理由, "先手の名前に、棋譜ファイルに書けない文字があります（😀）");

  // With the roles the other way round, the same box is the second player's.
  GameState s = PlayScript();
  s.SITA_SENGO = GOTE;
  s.UE_SENGO = SENTE;
  d = 棋譜_記録から(s, "対局", "ｺﾝﾋﾟｭｰﾀ", "ぼく😀");
  EXPECT_EQ(棋譜_バイト列(d).理由, "後手の名前に、棋譜ファイルに書けない文字があります（😀）");
  d = 棋譜_記録から(s, "対局", "Zoë", "ぼく");
  EXPECT_EQ(棋譜_バイト列(d).理由, "先手の名前に、棋譜ファイルに書けない文字があります（ë）");

  // A line break would push every later line down by one.
  d = 棋譜_記録から(s, "第1局\n第2局", "", "");
  EXPECT_EQ(棋譜_バイト列(d).理由, "対局名に、棋譜ファイルに書けない文字があります（改行）");
}

TEST(RecordBytes, MovesThatCannotBeWrittenInTheirColumnsAreRefused) {
  棋譜データ d;
  d.手 = {{7, 7, 7, 6, -10, -10, 0}, {7, 10, 7, 6, -10, -10, 0}};
  棋譜バイト列結果 r = 棋譜_バイト列(d);
  EXPECT_FALSE(r.成功);
  EXPECT_EQ(r.理由, "2手目の記録が正しくないため書き込めません: 移動元の段が範囲外です（10）");
  d.手 = {{7, 7, 7, 6, -10, -10, 1000}};
  EXPECT_FALSE(棋譜_バイト列(d).成功);
  d.手.assign(KIFU_MAX + 1, 棋譜の手{7, 7, 7, 6, -10, -10, 0});
  EXPECT_FALSE(棋譜_バイト列(d).成功);
}

class RecordWriting : public ::testing::Test {
 protected:
  ScratchDir dir;
};

TEST_F(RecordWriting, WritesTheBytesUnderAUtf8NameAndReadsThemBack) {
  const std::filesystem::path folder = dir.path() / "棋譜フォルダ";
  std::filesystem::create_directory(folder);
  const std::string path = (folder / "対局.棋譜").string();
  const 棋譜データ d = ScriptedRecord();
  const 棋譜書込結果 w = 棋譜_書込(path, d);
  ASSERT_TRUE(w.成功) << w.理由;
  EXPECT_EQ(ReadWhole(path), 棋譜_バイト列(d).バイト列);

  const 棋譜読込結果 r = 棋譜_読込(path);
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_EQ(r.データ.対局名, "対局");
  EXPECT_EQ(r.データ.上側の名, "ｺﾝﾋﾟｭｰﾀ");
  EXPECT_EQ(r.データ.下側の名, "あなた");
  EXPECT_EQ(r.データ.手, d.手);
  // Nothing but the file is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(RecordWriting, TheSameGameWrittenTwiceGivesTheSameBytes) {
  ASSERT_TRUE(棋譜_書込(dir / "a.棋譜", ScriptedRecord()).成功);
  ASSERT_TRUE(棋譜_書込(dir / "b.棋譜", ScriptedRecord()).成功);
  EXPECT_EQ(ReadWhole(dir / "a.棋譜"), ReadWhole(dir / "b.棋譜"));
  EXPECT_FALSE(ReadWhole(dir / "a.棋譜").empty());
}

TEST_F(RecordWriting, AnOldFileIsReplacedWholeAndKeepsItsPermissions) {
  const std::string path = dir / "対局.棋譜";
  WriteWhole(path, std::string(5000, 'x'));  // longer than the new file
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(棋譜_書込(path, ScriptedRecord(3)).成功);
  EXPECT_EQ(ReadWhole(path), 棋譜_バイト列(ScriptedRecord(3)).バイト列);
  struct stat st {};
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(RecordWriting, ARefusedNameWritesNothing) {
  const std::string path = dir / "対局.棋譜";
  WriteWhole(path, "old");
  棋譜データ d = ScriptedRecord();
  d.対局名 = "😀";
  const 棋譜書込結果 w = 棋譜_書込(path, d);
  EXPECT_FALSE(w.成功);
  EXPECT_EQ(w.理由, "対局名に、棋譜ファイルに書けない文字があります（😀）");
  EXPECT_EQ(ReadWhole(path), "old");
  EXPECT_EQ(dir.Listing(), "対局.棋譜\n");

  EXPECT_FALSE(棋譜_書込(dir / "new.棋譜", d).成功);
  EXPECT_FALSE(std::filesystem::exists(dir / "new.棋譜"));
}

TEST_F(RecordWriting, AMissingFolderIsReported) {
  const std::string path = dir / "ない/対局.棋譜";
  const 棋譜書込結果 w = 棋譜_書込(path, ScriptedRecord());
  EXPECT_FALSE(w.成功);
  EXPECT_EQ(w.理由, "保存先のフォルダ「" + (dir / "ない") + "」がありません");
  EXPECT_EQ(dir.Listing(), "");
}

TEST_F(RecordWriting, AFolderInThePlaceOfTheFileIsReportedAndKept) {
  const std::string path = dir / "対局.棋譜";
  std::filesystem::create_directory(path);
  WriteWhole(path + "/inside", "kept");
  const 棋譜書込結果 w = 棋譜_書込(path, ScriptedRecord());
  EXPECT_FALSE(w.成功);
  EXPECT_EQ(w.理由, "「対局.棋譜」という名前のフォルダがあるため書き込めません");
  EXPECT_TRUE(std::filesystem::is_directory(path));
  EXPECT_EQ(ReadWhole(path + "/inside"), "kept");
  EXPECT_EQ(dir.Listing(), "対局.棋譜\n");  // no half-written file left beside it
}

TEST_F(RecordWriting, AFailedWriteLeavesTheOldFileIntact) {
  // The file-size limit makes the write itself fail, as a full disk would; it holds
  // for every user, root included. Only this test's own process is limited.
  const std::string path = dir / "対局.棋譜";
  WriteWhole(path, "the old game");
  signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 40;  // less than the three name lines and the first move
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const 棋譜書込結果 w = 棋譜_書込(path, ScriptedRecord());
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &old), 0);

  EXPECT_FALSE(w.成功);
  EXPECT_EQ(
      w.理由,
      "「対局.棋譜」を書き込めませんでした（ファイルが大きすぎます）。元のファイルはそのままです");
  EXPECT_EQ(ReadWhole(path), "the old game");
  EXPECT_EQ(dir.Listing(), "対局.棋譜\n");
}

TEST_F(RecordWriting, AReadOnlyFolderIsReportedAndTheOldFileKept) {
  if (geteuid() == 0) {
    GTEST_SKIP() << "running as root, whom permission bits do not stop; the failed write "
                    "and the folder cases above cover the same path";
  }
  const std::string path = dir / "対局.棋譜";
  WriteWhole(path, "the old game");
  ASSERT_EQ(chmod(dir.path().c_str(), 0555), 0);
  const 棋譜書込結果 w = 棋譜_書込(path, ScriptedRecord());
  chmod(dir.path().c_str(), 0755);
  EXPECT_FALSE(w.成功);
  EXPECT_EQ(w.理由, "保存先のフォルダ「" + dir.path().string() +
                        "」に書き込む許可がありません。元のファイルはそのままです");
  EXPECT_EQ(ReadWhole(path), "the old game");
}

// The mode of an existing file decides whether a save may replace it; one its owner
// may not write is refused even for root, whom the system would let through.
struct ModeCase {
  mode_t mode;
  bool replaced;
};
constexpr ModeCase kModes[] = {
    {0444, false}, {0464, false}, {0555, false}, {0600, true}, {0604, true}};

TEST_F(RecordWriting, AFileItsOwnerMayNotWriteIsRefusedAndAWritableOneKeepsItsMode) {
  for (const ModeCase& c : kModes) {
    SCOPED_TRACE(c.mode);
    const std::string path = dir / "対局.棋譜";
    WriteWhole(path, "the old game");
    ASSERT_EQ(chmod(path.c_str(), c.mode), 0);
    const 棋譜書込結果 w = 棋譜_書込(path, ScriptedRecord(3));
    EXPECT_EQ(w.成功, c.replaced);
    EXPECT_EQ(ReadWhole(path),
              c.replaced ? 棋譜_バイト列(ScriptedRecord(3)).バイト列 : "the old game");
    if (!c.replaced) {
      EXPECT_EQ(
          w.理由,
          "「対局."
          "棋譜」は書き込みが許可されていないため上書きできません。元のファイルはそのままです");
    }
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, c.mode);
    EXPECT_EQ(dir.Listing(), "対局.棋譜\n");
    std::filesystem::remove(path);
  }
}

// A link in the file's place: the save reaches the file it names, which need not
// exist yet, and the link stays a link.
struct LinkCase {
  const char* what;
  // Link name → link text; a text starting with "/" is absolute from the folder.
  std::vector<std::pair<std::string, std::string>> links;
  const char* file;  // where the bytes must land, relative to the folder
  bool file_existed;
};

TEST_F(RecordWriting, ALinkIsWrittenThroughToTheFileItNames) {
  const LinkCase cases[] = {
      {"relative", {{"対局.棋譜", "real.棋譜"}}, "real.棋譜", true},
      {"a chain", {{"対局.棋譜", "second"}, {"second", "sub/real.棋譜"}}, "sub/real.棋譜", true},
      {"to no file yet", {{"対局.棋譜", "sub/new.棋譜"}}, "sub/new.棋譜", false},
      {"absolute", {{"対局.棋譜", "/sub/abs.棋譜"}}, "sub/abs.棋譜", true},
  };
  for (const LinkCase& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchDir scratch;
    std::filesystem::create_directory(scratch.path() / "sub");
    if (c.file_existed) {
      WriteWhole(scratch / c.file, "the old game");
      ASSERT_EQ(chmod((scratch / c.file).c_str(), 0640), 0);
    }
    for (const auto& [name, text] : c.links) {
      const std::string to = text.starts_with('/') ? scratch.path().string() + text : text;
      std::filesystem::create_symlink(to, scratch.path() / name);
    }
    const 棋譜書込結果 w = 棋譜_書込(scratch / "対局.棋譜", ScriptedRecord(3));
    ASSERT_TRUE(w.成功) << w.理由;
    EXPECT_EQ(ReadWhole(scratch / c.file), 棋譜_バイト列(ScriptedRecord(3)).バイト列);
    for (const auto& link : c.links) {
      EXPECT_TRUE(std::filesystem::is_symlink(scratch.path() / link.first)) << link.first;
    }
    if (c.file_existed) {
      EXPECT_EQ(std::filesystem::status(scratch / c.file).permissions(),
                std::filesystem::perms(0640));
    }
  }
}

// In a folder that is sticky and writable by all, a link is followed only when it is
// the user's own or the folder owner's, as the system's protection does.
TEST_F(RecordWriting, ALinkSomeoneElsePlantedInASharedFolderIsNotFollowed) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to give a link to another user";
  const struct {
    const char* what;
    mode_t folder_mode;
    uid_t link_owner;
    bool followed;
  } cases[] = {
      {"another user's link, shared folder", 01777, 4242, false},
      {"own link, shared folder", 01777, 0, true},
      {"another user's link, folder not sticky", 0777, 4242, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchDir scratch;
    std::filesystem::create_directory(scratch.path() / "shared");
    ASSERT_EQ(chmod((scratch / "shared").c_str(), c.folder_mode), 0);
    WriteWhole(scratch / "victim", "precious");
    const std::string link = scratch / "shared/対局.kif";
    std::filesystem::create_symlink(scratch / "victim", link);
    ASSERT_EQ(lchown(link.c_str(), c.link_owner, c.link_owner), 0);
    const 置換結果 r = ファイル_置換(link, "new game");
    EXPECT_EQ(r.成功, c.followed) << r.理由;
    EXPECT_EQ(ReadWhole(scratch / "victim"), c.followed ? "new game" : "precious");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
  }
}

TEST_F(RecordWriting, AReplacedFileLosesItsSetUserAndSetGroupBits) {
  ScratchDir scratch;
  const std::string path = scratch / "対局.kif";
  WriteWhole(path, "old");
  ASSERT_EQ(chmod(path.c_str(), 06755), 0);
  ASSERT_TRUE(ファイル_置換(path, "new").成功);
  struct stat st {};
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0755u);
}

TEST_F(RecordWriting, LeftoversOfAnInterruptedSaveOlderThanAMinuteAreRemoved) {
  struct Leftover {
    const char* name;
    int age_seconds;
    bool removed;
  };
  const Leftover leftovers[] = {
      {".kazeban-4242-0.tmp", 120, true},       {".kazeban-1-17.tmp", 3600, true},
      {".kazeban-4242-1.tmp", 10, false},   // a save of another window may still run
      {".kazeban-notes.tmp", 3600, false},  // not a name this program makes
      {".kazeban-4242-0.tmp.bak", 3600, false}, {"kazeban-4242-0.tmp", 3600, false},
  };
  for (const Leftover& l : leftovers) {
    WriteWhole(dir / l.name, "half a game");
    const timespec when[2] = {{time(nullptr) - l.age_seconds, 0},
                              {time(nullptr) - l.age_seconds, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, (dir / l.name).c_str(), when, 0), 0);
  }
  ASSERT_TRUE(棋譜_書込(dir / "対局.棋譜", ScriptedRecord(3)).成功);
  for (const Leftover& l : leftovers) {
    EXPECT_EQ(std::filesystem::exists(dir / l.name), !l.removed) << l.name;
  }
  EXPECT_TRUE(std::filesystem::exists(dir / "対局.棋譜"));
}

}  // namespace
}  // namespace kazeban
