// The records people really have, written by other shogi programs, servers and people:
// read from the shared folder named by KAZEBAN_RECORDS_DIR (never copied here), each
// either read, and then written in every format and read back to the same game, or
// refused with the line at fault. Skipped where the folder is missing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "interop/record_formats.h"
#include "storage/cp932.h"

namespace kazeban {
namespace {

namespace fs = std::filesystem;

class OtherProgramsRecords : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* dir = std::getenv("KAZEBAN_RECORDS_DIR");
    if (dir == nullptr || !fs::is_directory(fs::path(dir) / "wild" / "files")) {
      GTEST_SKIP() << "the shared records are missing (KAZEBAN_RECORDS_DIR="
                   << (dir ? dir : "unset") << ")";
    }
    for (const char* sub : {"real", "wild/files"}) {
      for (const auto& e : fs::directory_iterator(fs::path(dir) / sub)) {
        if (e.path().extension() != ".json") files_.push_back(e.path());
      }
    }
    std::sort(files_.begin(), files_.end());
  }

  static 対局棋譜読込結果 Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return 対局棋譜_解析(s.str(), p.filename().string());
  }

  std::vector<fs::path> files_;
};

bool CsaOrSfen(const fs::path& p) {
  const std::string e = p.extension().string();
  return e == ".csa" || e == ".sfen" || e == ".usi";
}

TEST_F(OtherProgramsRecords, EachIsReadOrRefusedWithItsLine) {
  // CSA, SFEN and USI files a correct reader refuses, and why. (The problems with nine
  // pawns in a file, one where it could never move, are played from all the same.)
  const std::map<std::string, std::string> refused = {
      // three positions in one file: no one game
      {"r06_sbq_collection.sfen", "2行目: 2行目以降は読めません"},
  };
  size_t read = 0;
  for (const fs::path& p : files_) {
    const std::string name = p.filename().string();
    const 対局棋譜読込結果 r = Read(p);
    if (CsaOrSfen(p)) {
      const auto it = refused.find(name);
      EXPECT_EQ(r.成功, it == refused.end()) << name << ": " << r.理由;
      if (it != refused.end()) {
        EXPECT_EQ(r.理由, it->second);
      }
    }
    if (!r.成功) {
      // A refusal names its line and quotes no more than a short piece of it.
      EXPECT_NE(r.理由.find("行目: "), std::string::npos) << name << ": " << r.理由;
      EXPECT_LT(r.理由.size(), 200u) << name;
      continue;
    }
    ++read;
    // Every format that keeps moves gives the same game back.
    for (const 棋譜形式 f : {棋譜形式::KIFU, 棋譜形式::CSA, 棋譜形式::USI}) {
      const 書出結果 w = 対局棋譜_書出(r.棋譜, f);
      ASSERT_TRUE(w.成功) << name << " as " << 形式の名(f) << ": " << w.理由;
      const 対局棋譜読込結果 back = 対局棋譜_解析(w.バイト列);
      ASSERT_TRUE(back.成功) << name << " as " << 形式の名(f) << ": " << back.理由;
      const size_t kept = r.棋譜.手.size() - (f == 棋譜形式::USI && r.棋譜.最終手反則 ? 1 : 0);
      EXPECT_EQ(back.棋譜.手.size(), kept) << name << " as " << 形式の名(f);
      EXPECT_TRUE(std::equal(back.棋譜.手.begin(), back.棋譜.手.end(), r.棋譜.手.begin()))
          << name << " as " << 形式の名(f);
      if (f == 棋譜形式::CSA) {
        EXPECT_EQ(back.棋譜.結果, r.棋譜.結果) << name;
        for (size_t k = 0; k < r.棋譜.注記.size(); ++k) {
          const 手の注記 none;
          const 手の注記& b = k < back.棋譜.注記.size() ? back.棋譜.注記[k] : none;
          // CP932 has one code for some pairs of characters (− and －): the text as CP932 holds it.
          EXPECT_EQ(b.コメント,
                    CP932文書からUTF8(UTF8文書からCP932(r.棋譜.注記[k].コメント).バイト列))
              << name << " move " << k + 1;
          EXPECT_EQ(b.消費秒, r.棋譜.注記[k].消費秒) << name << " move " << k + 1;
        }
      }
    }
  }
  EXPECT_GE(read, files_.size() * 9 / 10) << "of " << files_.size();
}

// What a few of them hold, checked by hand against the files.
TEST_F(OtherProgramsRecords, CsaFilesKeepWhatTheyHold) {
  const fs::path dir = files_.front().parent_path().parent_path();
  const 対局棋譜読込結果 ouza = Read(dir / "real" / "ouza2013-1.csa");
  ASSERT_TRUE(ouza.成功) << ouza.理由;
  EXPECT_EQ(ouza.棋譜.手.size(), 141u);
  EXPECT_EQ(ouza.棋譜.結果, 対局結果::先手勝ち);
  EXPECT_EQ(ouza.棋譜.先手名, "中村太地");
  ASSERT_FALSE(ouza.棋譜.注記.empty());
  EXPECT_EQ(ouza.棋譜.注記[0].コメント.rfind("◆中村 太地（なかむら たいち）六段◆\n", 0), 0u);
  EXPECT_EQ(ouza.棋譜.注記[0].消費秒, 0);
  const auto place = std::find_if(ouza.棋譜.見出し.begin(), ouza.棋譜.見出し.end(),
                                  [](const auto& h) { return h.first == "場所"; });
  ASSERT_NE(place, ouza.棋譜.見出し.end());
  EXPECT_EQ(place->second, "宮城・仙台ロイヤルパークホテル");

  const fs::path wild = dir / "wild" / "files";
  const 対局棋譜読込結果 euc = Read(wild / "r01_kfjs_2005_YAMADA_GPS.csa");
  ASSERT_TRUE(euc.成功) << euc.理由;
  EXPECT_EQ(euc.棋譜.後手名.rfind("山田将棋", 0), 0u) << euc.棋譜.後手名;
  const 対局棋譜読込結果 hand = Read(wild / "r06_sbq_handicap_2piece.csa");
  ASSERT_TRUE(hand.成功) << hand.理由;
  EXPECT_EQ(hand.棋譜.手合割, "二枚落ち");  // rows written with single spaces
}

}  // namespace
}  // namespace kazeban
