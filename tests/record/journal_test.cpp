// The game journal against a fake clock and fake files: what each game's file holds
// after every move, when a new file begins, how names are chosen when several games
// share a second (with real files too), and how failures are reported.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <map>
#include <string>

#include "file_helpers.h"
#include "interop/position.h"
#include "interop/record_formats.h"
#include "record/journal.h"
#include "rules/move.h"
#include "storage/replay.h"

namespace kazeban::testing {
namespace {

// Files in memory and a clock that stands still until moved. A failure set here
// answers every write.
class FakePort : public 記録ポート {
 public:
  日時 今() override { return clock; }
  std::string フォルダを用意(const std::string& folder) override {
    if (folder_error.empty()) folders.insert({folder, true});
    return folder_error;
  }
  bool 名前がある(const std::string& path) override { return files.count(path) > 0; }
  置換結果 新規作成(const std::string& path, std::string_view bytes) override {
    置換結果 r;
    r.使用中 = files.count(path) > 0;
    r.成功 = !r.使用中 && write_error.empty();
    r.理由 = r.使用中 ? "taken" : write_error;
    if (r.成功) files[path] = std::string(bytes);
    return r;
  }
  置換結果 置換(const std::string& path, std::string_view bytes) override {
    置換結果 r;
    r.成功 = write_error.empty() && files.count(path) > 0;
    r.理由 = write_error;
    if (r.成功) files[path] = std::string(bytes);
    return r;
  }

  日時 clock{2026, 12, 8, 18, 14, 3};
  std::map<std::string, std::string> files;
  std::map<std::string, bool> folders;
  std::string folder_error;
  std::string write_error;
};

// The real files with the fake clock: two journals in one second, as two programs.
class RealFilesPort : public 実の記録ポート {
 public:
  日時 今() override { return {2026, 12, 8, 18, 14, 3}; }
};

const char* const kFile = "/j/2026-12-08_181403.棋譜";

class JournalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    初期設定_状態(s);
    s.TEBAN = SENTE;
  }

  // A board move as the window records and makes it.
  void Play(int i, int j, int i2, int j2) {
    const int code = s.BAN[i][j];
    手順保存(s, i, j, i2, j2, code, code);
    駒移動_盤(s, i, j, i2, j2, code);
    s.TESUU += 1;
  }
  // Plays a move and hands it to the journal with the boxes' names.
  記録結果 Made(int i, int j, int i2, int j2, 記録の名前 names = {}) {
    Play(i, j, i2, j2);
    return journal.指した(s, names);
  }
  棋譜データ Kept(const std::string& path) {
    const 棋譜読込結果 r = 棋譜_解析(port.files[path]);
    EXPECT_TRUE(r.成功) << r.理由;
    return r.データ;
  }

  GameState s;
  FakePort port;
  対局記録 journal{port, "/j"};
};

TEST_F(JournalTest, EveryMoveRewritesTheGamesFileWithAllItsMovesSoFar) {
  EXPECT_TRUE(Made(3, 7, 3, 6).書いた);
  ASSERT_EQ(port.files.size(), 1u);
  EXPECT_EQ(journal.ファイル(), kFile);
  EXPECT_EQ(Kept(kFile).手.size(), 1u);
  port.clock.秒 = 40;  // later moves keep the name the first one gave
  EXPECT_TRUE(Made(7, 3, 7, 4).書いた);
  EXPECT_TRUE(Made(2, 8, 8, 2).書いた);  // the bottom side's bishop takes the top side's
  ASSERT_EQ(port.files.size(), 1u);
  const 棋譜データ d = Kept(kFile);
  ASSERT_EQ(d.手.size(), 3u);
  EXPECT_EQ(d.手[2], (棋譜の手{2, 8, 8, 2, K_SITA_KAKU, K_SITA_KAKU, K_UE_KAKU}));
  EXPECT_EQ(d.対局名, "対局 2026/12/08 18:14");
  EXPECT_EQ(d.下側の名, "先手");
  EXPECT_EQ(d.上側の名, "後手");
}

TEST_F(JournalTest, NamesComeFromTheBoxesOrFromWhoIsPlaying) {
  struct Case {
    const char* what;
    int type;
    bool top_first;
    記録の名前 boxes;
    const char *game, *top, *bottom;
  };
  const Case cases[] = {
      {"people", TAI_MAN, false, {}, "対局 2026/12/08 18:14", "後手", "先手"},
      {"computer second", TAI_COM, false, {}, "対局 2026/12/08 18:14", "ｺﾝﾋﾟｭｰﾀ", "あなた"},
      {"computer first", TAI_COM, true, {}, "対局 2026/12/08 18:14", "ｺﾝﾋﾟｭｰﾀ", "あなた"},
      {"boxes, top first",
       TAI_MAN,
       true,
       {"名人戦", "山田", ""},
       "名人戦 2026/12/08 18:14",
       "山田",
       "後手"},
      {"a name Shift_JIS cannot hold",
       TAI_COM,
       false,
       {"", "😀", ""},
       "対局 2026/12/08 18:14",
       "ｺﾝﾋﾟｭｰﾀ",
       "あなた"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakePort p;
    対局記録 j(p, "/j");
    初期設定_状態(s);
    s.TAIKYOKU_SYU = c.type;
    if (c.top_first) {
      Play(3, 3, 3, 4);
    } else {
      Play(7, 7, 7, 6);
    }
    ASSERT_TRUE(j.指した(s, c.boxes).書いた);
    const 棋譜データ d = 棋譜_解析(p.files[kFile]).データ;
    EXPECT_EQ(d.対局名, c.game);
    EXPECT_EQ(d.上側の名, c.top);
    EXPECT_EQ(d.下側の名, c.bottom);
  }
}

TEST_F(JournalTest, PlayingOnAfterSteppingBackRewritesTheFileAndANewGameGetsItsOwn) {
  Made(7, 7, 7, 6);
  Made(3, 3, 3, 4);
  Made(2, 7, 2, 6);
  // Two moves taken back, another line played on: the same file, the new line.
  棋譜_戻す(s);
  棋譜_戻す(s);
  Made(9, 3, 9, 4);
  ASSERT_EQ(port.files.size(), 1u);
  const 棋譜データ d = Kept(kFile);
  ASSERT_EQ(d.手.size(), 2u);
  EXPECT_EQ(d.手[1].MOTO_I, 9);

  // A fresh setup in the same second: a file of its own, the first one untouched.
  const std::string first = port.files[kFile];
  初期設定_状態(s);
  Made(7, 7, 7, 6);
  EXPECT_EQ(journal.ファイル(), "/j/2026-12-08_181403-2.棋譜");
  EXPECT_EQ(port.files[kFile], first);

  // A record read from a file and played on from another line: a new file as well.
  初期設定_状態(s);
  Play(2, 7, 2, 6);
  Made(3, 3, 3, 4);
  EXPECT_EQ(journal.ファイル(), "/j/2026-12-08_181403-3.棋譜");
  EXPECT_EQ(port.files.size(), 3u);
}

TEST_F(JournalTest, AFailureIsToldOncePerGameAndTheNextMoveTriesAgain) {
  port.folder_error = "フォルダ「/j」を作れません（許可がありません）";
  記録結果 r = Made(7, 7, 7, 6);
  EXPECT_FALSE(r.書いた);
  EXPECT_TRUE(r.知らせる);
  EXPECT_EQ(r.場所, "/j");
  EXPECT_EQ(r.理由, port.folder_error);
  EXPECT_FALSE(Made(3, 3, 3, 4).知らせる);

  // The folder comes back: the whole game so far is written.
  port.folder_error.clear();
  EXPECT_TRUE(Made(2, 7, 2, 6).書いた);
  EXPECT_EQ(Kept(kFile).手.size(), 3u);

  // A full disk later in the game is not told again; a new game is told anew.
  port.write_error = "ディスクに空きがありません";
  r = Made(3, 4, 3, 5);
  EXPECT_FALSE(r.書いた);
  EXPECT_FALSE(r.知らせる);
  EXPECT_EQ(Kept(kFile).手.size(), 3u);
  初期設定_状態(s);
  r = Made(7, 7, 7, 6);
  EXPECT_TRUE(r.知らせる);
  EXPECT_EQ(r.場所, "/j");
}

TEST_F(JournalTest, AGameFromAnotherStartIsAKifFileOfThatPosition) {
  s.BAN[8][2] = KARA;  // the top side's bishop taken off: a handicap
  s.TAIKYOKU_SYU = TAI_COM;
  Made(3, 3, 3, 4);
  Made(7, 7, 7, 6);
  const std::string path = "/j/2026-12-08_181403.kif";
  ASSERT_EQ(journal.ファイル(), path);
  const 対局棋譜読込結果 r = 対局棋譜_解析(port.files[path], path);
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_EQ(r.棋譜.手.size(), 2u);
  EXPECT_EQ(r.棋譜.手合割, "角落ち");
  EXPECT_EQ(r.棋譜.開始日時, "2026/12/08 18:14:03");
}

// A game under KAZEBAN's rule that standard shogi stops following: every move is kept,
// KAZEBAN reads the file back to the position played, and a standard reader (the same
// file without KAZEBAN's comment lines) reads the standard moves; a start whose side not
// to move stands in check is read too, as a problem's diagram is.
TEST_F(JournalTest, EveryMoveOfAGameStandardShogiForbidsIsKeptAndReadBack) {
  struct Case {
    const char* what;
    void (*setup)(GameState&);
    std::vector<std::array<int, 4>> moves;
    int standard;  // moves a standard reader reads, -1: it refuses the file
  };
  const Case cases[] = {
      {"the bottom's bishop off, then the king steps onto the top bishop's diagonal",
       [](GameState& g) { g.BAN[2][8] = KARA; },
       {{3, 7, 3, 6},
        {7, 3, 7, 4},
        {5, 9, 4, 8},
        {1, 3, 1, 4},
        {4, 8, 3, 7},
        {1, 4, 1, 5},
        {8, 7, 8, 6},
        {6, 3, 6, 4}},
       4},
      {"the side not to move stands in check from the start",
       [](GameState& g) {
         for (auto& column : g.BAN) {
           for (int& square : column) square = KARA;
         }
         g.BAN[5][1] = K_UE_OU;
         g.BAN[5][9] = K_SITA_OU;
         g.BAN[5][5] = K_SITA_SYA;
       },
       {{5, 9, 4, 9}, {5, 1, 6, 1}, {5, 5, 5, 2}},
       3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakePort p;
    対局記録 j(p, "/j");
    初期設定_状態(s);
    s.TEBAN = SENTE;
    c.setup(s);
    for (const auto& m : c.moves) {
      Play(m[0], m[1], m[2], m[3]);
      ASSERT_TRUE(j.指した(s, {}).書いた);
    }
    const std::string& bytes = p.files[j.ファイル()];
    const 対局棋譜読込結果 r = 対局棋譜_解析(bytes, j.ファイル());
    ASSERT_TRUE(r.成功) << r.理由;
    ASSERT_EQ(r.棋譜.手.size(), c.moves.size());
    GameState back;
    初期設定_状態(back);
    局面を盤へ(r.棋譜.開始局面, back);
    棋譜データ d;
    d.手 = r.棋譜.手;
    棋譜_記録へ(d, back);
    while (back.KIFU_SUU < back.KIFU_SAIGO) 棋譜_進める(back);
    EXPECT_EQ(std::memcmp(back.BAN, s.BAN, sizeof s.BAN), 0);

    std::string others;
    for (size_t k = 0; k < bytes.size();) {
      const size_t end = bytes.find('\n', k);
      const std::string line = bytes.substr(k, end - k + 1);
      if (!line.starts_with("#")) others += line;
      k = end == std::string::npos ? bytes.size() : end + 1;
    }
    const 対局棋譜読込結果 standard = 対局棋譜_解析(others, j.ファイル());
    EXPECT_EQ(standard.成功 ? static_cast<int>(standard.棋譜.手.size()) : -1, c.standard);
  }
}

// A damaged KAZEBAN block is refused with its line, never read past the board.
TEST(KazebanRuleLines, ADamagedBlockIsRefusedWithItsLine) {
  std::string rows;
  for (int j = 1; j <= 9; ++j) {
    rows += "#KAZEBAN-ROW " + std::to_string(j) + (j == 1 ? " 0 0 0 0 950 0 0 0 0" : "") +
            (j == 9 ? " 0 0 0 0 -950 0 0 0 0" : "") + (j > 1 && j < 9 ? " 0 0 0 0 0 0 0 0 0" : "") +
            "\n";
  }
  const std::string head = "#KAZEBAN-RULE first=b turned=0\n" + rows;
  const std::string hands = "#KAZEBAN-HANDS 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n";
  const struct {
    std::string text;
    const char* reason;  // the start of the refusal; empty: read
  } cases[] = {
      {head + hands + "#KAZEBAN-MOVE  5958-950-950   0\n", ""},
      {head + "#KAZEBAN-ROW 10 0 0 0 0 0 0 0 0 0\n" + hands, "11行目"},
      {head + "#KAZEBAN-HANDS 19 0 0 0 0 0 0 0 0 0 0 0 0 0\n", "11行目"},
      {head + "#KAZEBAN-HANDS 0 0 0 0 0 3 0 0 0 0 0 0 0 0\n", "12行目"},  // three bishops
      {head + hands + "#KAZEBAN-MOVE  1918 -20 -20   0\n", "12行目"},     // no lance there
      {"#KAZEBAN-RULE first=b\n#KAZEBAN-ROW 1 0 0 0 0 7 0 0 0 0\n", "2行目"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const 対局棋譜読込結果 r = 対局棋譜_解析(c.text);
    EXPECT_EQ(r.成功, *c.reason == '\0') << r.理由;
    EXPECT_EQ(r.理由.rfind(c.reason, 0), 0u) << r.理由;
  }
}

// Two programs starting a game in the same second, in one real folder: each gets a
// file of its own, and a file already there is never replaced.
TEST(JournalFiles, GamesStartedInTheSameSecondNeverShareAFile) {
  ScratchDir dir;
  const std::string folder = dir / "KAZEBAN";
  RealFilesPort port;
  ASSERT_EQ(port.フォルダを用意(folder), "");
  WriteWhole(folder + "/2026-12-08_181403.棋譜", "someone else's");
  対局記録 a(port, folder), b(port, folder);
  GameState sa, sb;
  初期設定_状態(sa);
  初期設定_状態(sb);
  手順保存(sa, 7, 7, 7, 6, K_SITA_HU, K_SITA_HU);
  駒移動_盤(sa, 7, 7, 7, 6, K_SITA_HU);
  手順保存(sb, 2, 7, 2, 6, K_SITA_HU, K_SITA_HU);
  駒移動_盤(sb, 2, 7, 2, 6, K_SITA_HU);
  ASSERT_TRUE(a.指した(sa, {}).書いた);
  ASSERT_TRUE(b.指した(sb, {}).書いた);
  EXPECT_EQ(a.ファイル(), folder + "/2026-12-08_181403-2.棋譜");
  EXPECT_EQ(b.ファイル(), folder + "/2026-12-08_181403-3.棋譜");
  EXPECT_EQ(ReadWhole(folder + "/2026-12-08_181403.棋譜"), "someone else's");
  EXPECT_EQ(棋譜_読込(b.ファイル()).データ.手[0].MOTO_I, 2);
  // No half-written file is left beside them.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                          std::filesystem::directory_iterator()),
            3);
}

// A folder under a regular file cannot be made, not even by root.
TEST(JournalFiles, AFolderThatCannotBeMadeIsReportedWithItsPlace) {
  ScratchDir dir;
  WriteWhole(dir / "plain", "");
  RealFilesPort port;
  対局記録 j(port, dir / "plain/KAZEBAN");
  GameState s;
  初期設定_状態(s);
  手順保存(s, 7, 7, 7, 6, K_SITA_HU, K_SITA_HU);
  駒移動_盤(s, 7, 7, 7, 6, K_SITA_HU);
  const 記録結果 r = j.指した(s, {});
  EXPECT_FALSE(r.書いた);
  EXPECT_TRUE(r.知らせる);
  EXPECT_EQ(r.場所, dir / "plain/KAZEBAN");
  EXPECT_NE(r.理由.find("途中にフォルダでないものがあります"), std::string::npos) << r.理由;
}

}  // namespace
}  // namespace kazeban::testing
