// KIF, KIFU and KI2 without loss: comments, times, variations, headers and every end
// kept through a round trip; fouls, whole games, the handicaps of the common
// convention, the lines other programs write; and the real records other programs
// wrote, read or refused as their content demands.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "interop/formats_internal.h"
#include "interop/sfen.h"
#include "random_games.h"
#include "storage/cp932.h"

namespace kazeban {
namespace {

TEST(KifLossless, CommentsTimesAndVariationsRoundTrip) {
  unsigned seed = 100;
  size_t variations = 0;
  for (const Position& start : 開始局面()) {
    対局棋譜 g = ランダム対局(start, seed, 30 + static_cast<int>(seed % 3) * 25);
    注記と変化を加える(g, seed++);
    g.見出し = {{"表題", "竜王戦"}, {"持ち時間", "各8時間"}, {"場所", "東京"}};
    variations += g.変化.size();
    for (const 棋譜形式 f : {棋譜形式::KIF, 棋譜形式::KIFU}) {
      const 書出結果 w = 対局棋譜_書出(g, f);
      ASSERT_TRUE(w.成功) << w.理由;
      const 対局棋譜読込結果 r = 対局棋譜_解析(w.バイト列);
      ASSERT_TRUE(r.成功) << r.理由;
      EXPECT_EQ(r.棋譜.手, g.手);
      EXPECT_EQ(r.棋譜.注記, g.注記) << 形式の名(f) << " seed " << seed;
      EXPECT_EQ(r.棋譜.変化, g.変化) << 形式の名(f) << " seed " << seed;
      EXPECT_EQ(r.棋譜.開始コメント, g.開始コメント);
      EXPECT_EQ(r.棋譜.開始しおり, g.開始しおり);
      EXPECT_EQ(r.棋譜.終局注記.消費秒, 5);
      EXPECT_EQ(r.棋譜.終局注記.累計秒, 1234);
      EXPECT_EQ(r.棋譜.終局, "投了");
      // Headers come back in their order, the start and the players among them.
      std::vector<std::string> keys;
      for (const auto& h : r.棋譜.見出し) {
        if (h.first == "表題" || h.first == "持ち時間" || h.first == "場所")
          keys.push_back(h.first);
      }
      EXPECT_EQ(keys, (std::vector<std::string>{"表題", "持ち時間", "場所"}));
    }
  }
  EXPECT_GE(variations, 40u);
}

// A move without a time gets none, and the times written are the ones read.
TEST(KifLossless, TimesAreWrittenOnlyWhereKnown) {
  const SFEN読込結果 s = SFEN_解析("startpos moves 7g7f 3c3d 2g2f");
  対局棋譜 g;
  g.開始局面 = s.局面;
  g.手 = s.手;
  g.注記.resize(2);
  g.注記[1].消費秒 = 75;
  g.注記[1].累計秒 = 3725;
  const std::string kif = 対局棋譜_書出(g, 棋譜形式::KIFU).バイト列;
  EXPECT_NE(
      kif.find("\r\n   1 ７六歩(77)  \r\n   2 ３四歩(33)   ( 1:15/01:02:05)\r\n   3 ２六歩(27)"),
      std::string::npos)
      << kif;
  EXPECT_EQ(kif.find("0:00"), std::string::npos) << kif;
}

struct 読み例 {
  const char* 名;
  std::string kif;
  const char* 理由;  // empty: read
  size_t 手数;
  const char* 終局;
  対局結果 結果;
  bool 反則;
};

// Lines other programs write, fouls, and refusals of what no piece can make.
TEST(KifLossless, RecordsOtherProgramsWrite) {
  const std::string head = "手合割：平手\n手数----指手---------消費時間--\n";
  // White drops a second pawn into the 3rd file.
  const char* const 二歩 =
      "   1 ７六歩(77)\n   2 ３四歩(33)\n   3 ７五歩(76)\n   4 ３五歩(34)\n   5 ７四歩(75)\n"
      "   6 同　歩(73)\n   7 ２六歩(27)\n   8 ３三歩打\n";
  const 読み例 cases[] = {
      {"KI2 result", "▲７六歩 △３四歩 ▲２六歩 △８四歩\nまで4手で後手の勝ち\n", "", 4, "投了",
       対局結果::後手勝ち, false},
      {"KI2 time up", "▲７六歩 △３四歩\nまで2手で時間切れにより後手の勝ち\n", "", 2, "切れ負け",
       対局結果::後手勝ち, false},
      {"KI2 draw", "▲７六歩 △３四歩\nまで2手で千日手\n", "", 2, "千日手", 対局結果::引き分け,
       false},
      {"二歩 in KI2",
       "▲７六歩 △３四歩 ▲７五歩 △３五歩 ▲７四歩 △同歩 ▲２六歩 △３三歩打\n"
       "まで8手で先手の反則勝ち\n",
       "", 8, "反則勝ち", 対局結果::先手勝ち, true},
      {"二歩 in KIF", std::string(二歩) + "   9 反則勝ち\n", "", 8, "反則勝ち", 対局結果::先手勝ち,
       true},
      {"foul, no end word", 二歩, "", 8, "反則勝ち", 対局結果::先手勝ち, true},
      {"move after a foul", std::string(二歩) + "   9 ２五歩(26)\n",
       "11行目: ２五歩(26): 反則の後に指し手があります", 0, "", 対局結果::不明, false},
      {"drop from an empty hand", "   1 ５五歩打\n", "3行目: ５五歩打: 持駒にありません", 0, "",
       対局結果::不明, false},
      {"unpromoted name, promoted piece",
       "   1 ７六歩(77)\n   2 ３四歩(33)\n   3 ２二角成(88)\n   4 ８四歩(83)\n   5 ５五角(22)\n",
       "", 5, "", 対局結果::不明, false},
  };
  for (const 読み例& c : cases) {
    const std::string text = (c.kif.starts_with("▲") ? "" : head) + c.kif;
    const 対局棋譜読込結果 r = 対局棋譜_解析(text);
    EXPECT_EQ(r.理由, c.理由) << c.名;
    if (!r.成功) continue;
    EXPECT_EQ(r.棋譜.手.size(), c.手数) << c.名;
    EXPECT_EQ(r.棋譜.終局, c.終局) << c.名;
    EXPECT_EQ(r.棋譜.結果, c.結果) << c.名;
    EXPECT_EQ(r.棋譜.最終手反則, c.反則) << c.名;
    // Written as KIF, the end and the foul come back.
    const 対局棋譜読込結果 back = 対局棋譜_解析(対局棋譜_書出(r.棋譜, 棋譜形式::KIFU).バイト列);
    ASSERT_TRUE(back.成功) << c.名 << ": " << back.理由;
    EXPECT_EQ(back.棋譜.手, r.棋譜.手) << c.名;
    EXPECT_EQ(back.棋譜.終局, c.終局) << c.名;
    EXPECT_EQ(back.棋譜.結果, c.結果) << c.名;
    EXPECT_EQ(back.棋譜.最終手反則, c.反則) << c.名;
    if (c.反則) {
      // A replay stops before the foul.
      Position before = r.棋譜.開始局面;
      for (size_t k = 0; k + 1 < r.棋譜.手.size(); ++k) 指す(before, r.棋譜.手[k]);
      EXPECT_TRUE(同一局面(formats::局面の後(r.棋譜, r.棋譜.手.size()), before)) << c.名;
      EXPECT_EQ(対局棋譜_書出(r.棋譜, 棋譜形式::SFEN).バイト列,
                SFEN_局面(before, static_cast<int>(r.棋譜.手.size())) + "\n");
    }
  }
}

// A diagram under which its last move is noted, "変化：" among the headers, a start
// with pieces that never move or nine pawns in a file; and what no play can start from.
TEST(KifLossless, DiagramsAndHeaders) {
  const std::string board =
      "後手の持駒：なし\n  ９ ８ ７ ６ ５ ４ ３ ２ １\n+---------------------------+\n"
      "| ・ ・ ・ ・v玉 ・ ・ ・ 歩|一\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|二\n"
      "| ・ ・ ・ ・ ・ ・ ・ ・ ・|三\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|四\n"
      "| ・ ・ ・ ・ ・ ・ ・ ・ ・|五\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|六\n"
      "| 歩 ・ ・ ・ ・ ・ ・ ・ ・|七\n| 歩 ・ ・ ・ ・ ・ ・ ・ ・|八\n"
      "| 歩 ・ ・ ・ 玉 ・ ・ ・ ・|九\n+---------------------------+\n";
  const struct {
    std::string text;
    const char* 理由;
    size_t 手数;
  } cases[] = {
      {board + "先手の持駒：金\n手数＝1  ▲７六歩  まで\n\n   1 ５二金打\n", "", 1},
      {"変化：\n先手：甲\n手数----指手--\n   1 ７六歩(77)\n", "", 1},
      {board + "先手の持駒：歩十八\n手数----\n", "15行目: 盤面図: 駒の数が一組より多くなっています",
       0},
      {board.substr(0, board.find("|一")) + "|一\n手数----\n", "5行目: 盤面図が9段ありません", 0},
  };
  for (const auto& c : cases) {
    const 対局棋譜読込結果 r = 対局棋譜_解析(c.text);
    EXPECT_EQ(r.理由, c.理由) << c.text;
    if (r.成功) {
      EXPECT_EQ(r.棋譜.手.size(), c.手数) << c.text;
    }
  }
  // A huge unreadable line is quoted by its beginning only.
  const 対局棋譜読込結果 huge = 対局棋譜_解析("手合割：" + std::string(100000, 'X') + "\n");
  EXPECT_FALSE(huge.成功);
  EXPECT_LT(huge.理由.size(), 200u);
  EXPECT_TRUE(huge.理由.starts_with("1行目: 手合割がわかりません: XXX")) << huge.理由;
}

// Every handicap name starts from the position the common convention gives it.
TEST(KifLossless, HandicapsOfTheCommonConvention) {
  const char* const hands = " - 1";
  const struct {
    const char* 名;
    const char* 盤;
  } cases[] = {
      {"香落ち", "lnsgkgsn1/1r5b1"}, {"右香落ち", "1nsgkgsnl/1r5b1"}, {"角落ち", "lnsgkgsnl/1r7"},
      {"飛車落ち", "lnsgkgsnl/7b1"}, {"飛香落ち", "lnsgkgsn1/7b1"},   {"二枚落ち", "lnsgkgsnl/9"},
      {"三枚落ち", "lnsgkgsn1/9"},   {"四枚落ち", "1nsgkgsn1/9"},     {"五枚落ち", "2sgkgsn1/9"},
      {"左五枚落ち", "1nsgkgs2/9"},  {"六枚落ち", "2sgkgs2/9"},       {"左七枚落ち", "2sgkg3/9"},
      {"右七枚落ち", "3gkgs2/9"},    {"八枚落ち", "3gkg3/9"},         {"十枚落ち", "4k4/9"},
  };
  for (const auto& c : cases) {
    Position p;
    ASSERT_TRUE(手合割の局面(c.名, p)) << c.名;
    EXPECT_EQ(SFEN_局面(p, 1),
              std::string(c.盤) + "/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w" + hands)
        << c.名;
    EXPECT_EQ(手合割の名(p), c.名);
  }
}

// Games of any length: the reader of the library stops at no count of moves.
TEST(KifLossless, WholeGamesOfAnyLength) {
  std::string usi = "startpos moves";
  for (int k = 0; k < 160; ++k) usi += " 5i5h 5a5b 5h5i 5b5a";
  対局棋譜 g;
  g.開始局面 = 平手局面();
  g.手 = SFEN_解析(usi).手;
  ASSERT_EQ(g.手.size(), 640u);
  const 書出結果 w = formats::KIF_書出(g, true);
  ASSERT_TRUE(w.成功) << w.理由;
  const 対局棋譜読込結果 r = formats::KIF_読込(w.バイト列);
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_EQ(r.棋譜.手, g.手);
  EXPECT_FALSE(r.打切り);
}

// A record declared UTF-8 is read as UTF-8 though one of its bytes is not; one that
// declares UTF-8 and is Shift_JIS throughout is read as Shift_JIS.
TEST(KifLossless, DeclaredEncodingWins) {
  const std::string body =
      "先手：羽生\n後手：髙橋\n手数----指手--\n   1 ７六歩(77)\n*悪い\xFFバイト\n";
  const 対局棋譜読込結果 r = 対局棋譜_解析("#KIF version=2.0 encoding=UTF-8\n" + body);
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_EQ(r.棋譜.後手名, "髙橋");
  EXPECT_EQ(r.棋譜.注記.at(0).コメント, "悪い\uFFFDバイト");
  const std::string sjis =
      UTF8文書からCP932("先手：羽生\n後手：髙橋\n手数----\n   1 ７六歩(77)\n").バイト列;
  const 対局棋譜読込結果 s = 対局棋譜_解析("#KIF version=2.0 encoding=UTF-8\n" + sjis);
  ASSERT_TRUE(s.成功) << s.理由;
  EXPECT_EQ(s.棋譜.後手名, "髙橋");
}

// The real records other programs wrote, where the tests can find them.
class RealRecords : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::is_directory(KAZEBAN_RECORDS_DIR)) {
      GTEST_SKIP() << "no real records at " << KAZEBAN_RECORDS_DIR;
    }
  }
  static std::string 読む(const std::string& name) {
    std::ifstream in(std::string(KAZEBAN_RECORDS_DIR) + "/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static 対局棋譜読込結果 解析(const std::string& name) {
    const std::string bytes = 読む(name);
    return 対局棋譜_解析(bytes, name);
  }
};

size_t コメント行数(const std::vector<手の注記>& notes) {
  size_t n = 0;
  for (const 手の注記& a : notes)
    n += a.コメント.empty() ? 0 : std::ranges::count(a.コメント, '\n') + 1;
  return n;
}

size_t 変化の数(const std::vector<変化手順>& v) {
  size_t n = v.size();
  for (const 変化手順& x : v) n += 変化の数(x.変化);
  return n;
}

TEST_F(RealRecords, KeptWhole) {
  const struct {
    const char* file;
    size_t 手数, コメント行, 変化;
    const char* 終局;
  } cases[] = {
      {"wild/files/r06_sbq_kiou2025_comments.kif", 0, 200, 0, "千日手"},
      {"wild/files/r01_kfjs_henka.kif", 12, 2, 5, "中断"},
      {"wild/files/r01_kfjs_doh_branch.kifu", 0, 0, 1, "中断"},
      {"wild/files/r01_kfjs_fork.ki2", 3, 0, 4, "投了"},
      {"wild/files/r01_kfjs_illegal.kif", 2, 0, 1, "反則負け"},
      {"wild/files/r08_rg_Ki2_Illegal.KI2", 109, 0, 0, "反則勝ち"},
      {"wild/files/r02_skc_Shogidokoro.kif", 0, 100, 1, "投了"},
      {"wild/files/r05_sp_illegal_check.kif", 0, 0, 0, ""},
      {"real/nagaoka-variation.kifu", 0, 0, 8, ""},
  };
  for (const auto& c : cases) {
    const 対局棋譜読込結果 r = 解析(c.file);
    ASSERT_TRUE(r.成功) << c.file << ": " << r.理由;
    if (c.手数 > 0) {
      EXPECT_EQ(r.棋譜.手.size(), c.手数) << c.file;
    }
    EXPECT_GE(コメント行数(r.棋譜.注記), c.コメント行) << c.file;
    EXPECT_GE(変化の数(r.棋譜.変化), c.変化) << c.file;
    if (*c.終局 != '\0') {
      EXPECT_EQ(r.棋譜.終局, c.終局) << c.file;
    }
    // Through KIF and back nothing changes.
    const 書出結果 w = 対局棋譜_書出(r.棋譜, 棋譜形式::KIFU);
    ASSERT_TRUE(w.成功) << c.file << ": " << w.理由;
    const 対局棋譜読込結果 back = 対局棋譜_解析(w.バイト列);
    ASSERT_TRUE(back.成功) << c.file << ": " << back.理由;
    EXPECT_EQ(back.棋譜.手, r.棋譜.手) << c.file;
    EXPECT_EQ(back.棋譜.注記, r.棋譜.注記) << c.file;
    EXPECT_EQ(back.棋譜.変化, r.棋譜.変化) << c.file;
    EXPECT_EQ(back.棋譜.開始コメント, r.棋譜.開始コメント) << c.file;
    EXPECT_EQ(back.棋譜.終局, r.棋譜.終局) << c.file;
  }
}

TEST_F(RealRecords, LongProblemIsReadWhole) {
  const std::string text = CP932文書からUTF8(読む("wild/files/r08_rg_Ki2_LongLong.ki2"));
  const 対局棋譜読込結果 r = formats::KIF_読込(text);
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_EQ(r.棋譜.手.size(), 19447u);
}

// Moves no piece can make (a drop from an empty hand, a variation that does not fit
// the line it hangs from, a move the text names wrongly) are refused.
TEST_F(RealRecords, ImpossibleMovesRefused) {
  for (const char* file :
       {"wild/files/r14_sls_illegal_bod.kifu", "wild/files/r14_sls_illegal_then_continue.kifu",
        "wild/files/r08_rg_Kif_VariationMiss.kif", "wild/files/r08_rg_Ki2_Error.ki2"}) {
    const 対局棋譜読込結果 r = 解析(file);
    EXPECT_FALSE(r.成功) << file;
    EXPECT_TRUE(r.理由.find("行目: ") != std::string::npos) << file << ": " << r.理由;
  }
}

}  // namespace
}  // namespace kazeban
