// Reading record files: the names in any line-end convention and with damaged bytes,
// files with fewer lines than a record, the 500-move limit, and every kind of bad
// move line refused with its line number before anything is handed out.
#include <gtest/gtest.h>

#include <filesystem>

#include "file_helpers.h"
#include "storage/record_file.h"

namespace kazeban {
namespace {

using testing::Lines;
using testing::ScratchDir;
using testing::WriteWhole;

const std::string kFFFD = "\xEF\xBF\xBD";
const std::string kSente = "\x90\xE6\x8E\xE8";  // 先手
const std::string kGote = "\x8C\xE3\x8E\xE8";   // 後手

// Two moves from the start, the second capturing nothing.
const 棋譜の手 kPawn77{7, 7, 7, 6, -10, -10, 0};
const 棋譜の手 kPawn33{3, 3, 3, 4, 10, 10, 0};

TEST(RecordReading, EveryLineEndConventionReadsTheSame) {
  for (const std::string end : {"\r\n", "\n", "\r"}) {
    const 棋譜読込結果 r =
        棋譜_解析(Lines({"game", kGote, kSente, " 7776 -10 -10   0", " 3334  10  10   0"}, end));
    ASSERT_TRUE(r.成功) << r.理由;
    EXPECT_EQ(r.データ.対局名, "game");
    EXPECT_EQ(r.データ.上側の名, "後手");
    EXPECT_EQ(r.データ.下側の名, "先手");
    EXPECT_EQ(r.データ.手, (std::vector<棋譜の手>{kPawn77, kPawn33}));
    EXPECT_TRUE(r.データ.下側が先手);  // the bottom side moved first
    EXPECT_FALSE(r.打切り);
  }
  // Mixed ends, and a last line without one.
  const 棋譜読込結果 r = 棋譜_解析("g\r\nu\rs\n 7776 -10 -10   0\r\n 3334  10  10   0");
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_EQ(r.データ.下側の名, "s");
  EXPECT_EQ(r.データ.手.size(), 2u);
  // A file whose first move is the top side's.
  EXPECT_FALSE(棋譜_解析(Lines({"g", "u", "s", " 3334  10  10   0"})).データ.下側が先手);
}

TEST(RecordReading, FilesWithoutMovesReadWithWhatTheyHave) {
  棋譜読込結果 r = 棋譜_解析("");
  ASSERT_TRUE(r.成功);
  EXPECT_EQ(r.データ.対局名, "");
  EXPECT_TRUE(r.データ.手.empty());

  r = 棋譜_解析("only a name");
  ASSERT_TRUE(r.成功);
  EXPECT_EQ(r.データ.対局名, "only a name");
  EXPECT_EQ(r.データ.上側の名, "");

  r = 棋譜_解析(Lines({"game", kGote}));
  ASSERT_TRUE(r.成功);
  EXPECT_EQ(r.データ.上側の名, "後手");
  EXPECT_EQ(r.データ.下側の名, "");

  r = 棋譜_解析(Lines({"game", kGote, kSente}));
  ASSERT_TRUE(r.成功);
  EXPECT_EQ(r.データ.下側の名, "先手");
  EXPECT_TRUE(r.データ.手.empty());

  r = 棋譜_解析(Lines({"", "", "", "", "   ", ""}));  // blank lines after the headers
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_TRUE(r.データ.手.empty());
}

TEST(RecordReading, DamagedNameBytesAreReplacedNotRefused) {
  const 棋譜読込結果 r = 棋譜_解析(
      Lines({"\x80\x82\xA0\xFF", std::string("a\0b", 3), "\x82", " 7776 -10 -10   0"}, "\r"));
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_EQ(r.データ.対局名, kFFFD + "あ" + kFFFD);
  EXPECT_EQ(r.データ.上側の名, "a" + kFFFD + "b");
  EXPECT_EQ(r.データ.下側の名, kFFFD);  // a lead byte cut off by the line end
  EXPECT_EQ(r.データ.手, std::vector<棋譜の手>{kPawn77});
}

TEST(RecordReading, TheEndsOfLinesAndFilesAreForgiving) {
  // Blanks after column 17, blank lines at the end, a field written left-aligned.
  const 棋譜読込結果 r =
      棋譜_解析(Lines({"g", "u", "s", " 7776 -10 -10   0   ", " 3334 10  +10 0  ", "", "  ", ""}));
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_EQ(r.データ.手, (std::vector<棋譜の手>{kPawn77, kPawn33}));
}

// A record whose sixth line is `line`, after the names and two good moves.
std::string WithThirdMove(std::string_view line) {
  return Lines({"g", "u", "s", " 7776 -10 -10   0", " 3334  10  10   0", line});
}

struct BadLine {
  std::string file;
  std::string reason;
};

TEST(RecordReading, UnreadableMoveLinesAreRefusedWithTheirLineNumber) {
  const BadLine cases[] = {
      {WithThirdMove(" 8878-900-900"),
       "6行目: 手の行が短すぎます（17文字必要なところ 13文字です）"},
      {WithThirdMove(" 8878-900-900  0"),
       "6行目: 手の行が短すぎます（17文字必要なところ 16文字です）"},
      {WithThirdMove(" 887x-900-900   0"), "6行目: 移動先の段（5文字目）が数字として読めません"},
      {WithThirdMove(" 8878-9OO-900   0"),
       "6行目: 動かした後の駒（6～9文字目）が数字として読めません"},
      {WithThirdMove(" 8878   --900   0"),
       "6行目: 動かした後の駒（6～9文字目）が数字として読めません"},
      {WithThirdMove(" 8878-900-900    "), "6行目: 取った駒（14～17文字目）が数字として読めません"},
      {WithThirdMove(" 8878-900-900 1-0"), "6行目: 取った駒（14～17文字目）が数字として読めません"},
      {WithThirdMove(" a878-900-900   0"), "6行目: 移動元の列（1～2文字目）が数字として読めません"},
      {WithThirdMove(" 8878-900-900   0 x"), "6行目: 17文字目より後に余計な文字があります"},
      // Shifted by one column: the extra digit is noticed, not read as a capture of 0.
      {WithThirdMove(" 8878-900 -900   0"), "6行目: 17文字目より後に余計な文字があります"},
      // An empty line may end the file, not sit between moves.
      {Lines({"g", "u", "s", " 7776 -10 -10   0", "", " 3334  10  10   0"}), "5行目: 空の行です"},
      // The first bad line is the one named.
      {Lines({"g", "u", "s", " 77", "x"}),
       "4行目: 手の行が短すぎます（17文字必要なところ 3文字です）"},
  };
  for (const BadLine& c : cases) {
    const 棋譜読込結果 r = 棋譜_解析(c.file);
    EXPECT_FALSE(r.成功) << c.file;
    EXPECT_EQ(r.理由, c.reason) << c.file;
    EXPECT_TRUE(r.データ.手.empty()) << "a refused file hands out no moves";
  }
}

TEST(RecordReading, FieldsOutOfRangeAreRefused) {
  const BadLine cases[] = {
      {WithThirdMove(" 0878-900-900   0"), "6行目: 移動元の列が範囲外です（0）"},
      {WithThirdMove("10878-900-900   0"), "6行目: 移動元の列が範囲外です（10）"},
      {WithThirdMove("-2878-900-900   0"), "6行目: 移動元の列が範囲外です（-2）"},
      {WithThirdMove("12878-900-900   0"), "6行目: 移動元の列が範囲外です（12）"},
      {WithThirdMove(" 8078-900-900   0"), "6行目: 移動元の段が範囲外です（0）"},
      {WithThirdMove(" 8808-900-900   0"), "6行目: 移動先の列が範囲外です（0）"},
      {WithThirdMove(" 887-0-900-900   0"), "6行目: 移動先の段（5文字目）が数字として読めません"},
      {WithThirdMove(" 8870-900-900   0"), "6行目: 移動先の段が範囲外です（0）"},
      {WithThirdMove(" 8878-902-900   0"), "6行目: 動かした後の駒が駒の番号ではありません（-902）"},
      {WithThirdMove(" 8878   0-900   0"), "6行目: 動かした後の駒が駒の番号ではありません（0）"},
      {WithThirdMove(" 4938-111-110   0"), "6行目: 動かした後の駒が駒の番号ではありません（-111）"},
      {WithThirdMove(" 8878-900  -9   0"), "6行目: 動かす前の駒が駒の番号ではありません（-9）"},
      {WithThirdMove(" 8878-900-900   5"), "6行目: 取った駒が駒の番号ではありません（5）"},
      {WithThirdMove(" 8878-900-9009999"), "6行目: 取った駒が駒の番号ではありません（9999）"},
  };
  for (const BadLine& c : cases) {
    const 棋譜読込結果 r = 棋譜_解析(c.file);
    EXPECT_FALSE(r.成功) << c.file;
    EXPECT_EQ(r.理由, c.reason) << c.file;
  }
}

TEST(RecordReading, MovesThatDoNotFitThePositionAreRefused) {
  const BadLine cases[] = {
      // From an empty square, and from a square holding another piece.
      {WithThirdMove(" 7574 -10 -10   0"),
       "6行目: 列7・段5に動かす駒（-10）がありません（空いています）"},
      {WithThirdMove(" 8878-100-100   0"),
       "6行目: 列8・段8に動かす駒（-100）がありません（そこにあるのは -900）"},
      // The captured code must be what stands on the destination.
      {WithThirdMove(" 2838-800-800  10"),
       "6行目: 移動先（列3・段8）にあるのは 0 で、取った駒（10）と違います"},
      {WithThirdMove(" 8887-900-900   0"),
       "6行目: 移動先（列8・段7）にあるのは -10 で、取った駒（0）と違います"},
      {WithThirdMove(" 8887-900-900 -10"), "6行目: 自分の駒（-10）を取っています"},
      // After the move, the piece or its promoted form, nothing else.
      {WithThirdMove(" 8878-800-900   0"),
       "6行目: 動かした後の駒（-800）が動かす前の駒（-900）ともその成駒とも違います"},
      {WithThirdMove(" 6968-111-110   0"), "6行目: 動かした後の駒が駒の番号ではありません（-111）"},
      {WithThirdMove(" 6968 110-110   0"),
       "6行目: 動かした後の駒（110）が動かす前の駒（-110）ともその成駒とも違います"},
      // Drops: from an empty hand, a king, the wrong side's hand, promoted.
      {WithThirdMove("11355 -10 -10   0"), "6行目: 打つ駒（-10）が持駒にありません"},
      {WithThirdMove("-1155  10  10   0"), "6行目: 打つ駒（10）が持駒にありません"},
      {WithThirdMove("11955-950-950   0"), "6行目: 王は打てません"},
      {WithThirdMove("11355  10  10   0"),
       "6行目: 移動元の列 11 は下側の持駒ですが、打つ駒（10）は上側の駒です"},
      {WithThirdMove("-1755 -10 -10   0"),
       "6行目: 移動元の列 -1 は上側の持駒ですが、打つ駒（-10）は下側の駒です"},
      {WithThirdMove("11355 -11 -11   0"), "6行目: 成駒は打てません（-11）"},
      {WithThirdMove("11355 -11 -10   0"), "6行目: 打った駒は成れません（-11）"},
  };
  for (const BadLine& c : cases) {
    const 棋譜読込結果 r = 棋譜_解析(c.file);
    EXPECT_FALSE(r.成功) << c.file;
    EXPECT_EQ(r.理由, c.reason) << c.file;
  }
}

TEST(RecordReading, ADropNeedsThePieceInHandAtThatMoment) {
  // The bottom side takes a pawn and drops it: fine once, refused the second time.
  const std::string moves = Lines({"g", "u", "s",
                                   " 7776 -10 -10   0",  // 4
                                   " 3334  10  10   0",  // 5
                                   " 7675 -10 -10   0",  // 6
                                   " 3435  10  10   0",  // 7
                                   " 7574 -10 -10   0",  // 8
                                   " 1314  10  10   0",  // 9
                                   " 7473 -11 -10  10",  // 10: takes a pawn and promotes
                                   " 1415  10  10   0",  // 11
                                   "11355 -10 -10   0",  // 12: drops it
                                   " 1516  10  10   0"});
  棋譜読込結果 r = 棋譜_解析(moves);
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_EQ(r.データ.手.size(), 10u);
  r = 棋譜_解析(moves + "11354 -10 -10   0\r\n");
  EXPECT_FALSE(r.成功);
  EXPECT_EQ(r.理由, "14行目: 打つ駒（-10）が持駒にありません");
}

// `count` moves of the two rooks stepping aside and back, a legal game of any length.
std::string RookShuffle(int count) {
  const char* cycle[] = {" 8878-900-900   0", " 2232 900 900   0", " 7888-900-900   0",
                         " 3222 900 900   0"};
  std::string out = Lines({"g", "u", "s"});
  for (int n = 0; n < count; ++n) out += std::string(cycle[n % 4]) + "\r\n";
  return out;
}

TEST(RecordReading, AtMostFiveHundredMovesAreRead) {
  棋譜読込結果 r = 棋譜_解析(RookShuffle(KIFU_MAX));
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_EQ(r.データ.手.size(), 500u);
  EXPECT_FALSE(r.打切り);

  r = 棋譜_解析(RookShuffle(KIFU_MAX) + "\r\n  \r\n");
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_FALSE(r.打切り) << "blank lines are not moves";

  r = 棋譜_解析(RookShuffle(KIFU_MAX + 37));
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_TRUE(r.打切り);
  ASSERT_EQ(r.データ.手.size(), 500u);
  EXPECT_EQ(r.データ.手[0], (棋譜の手{8, 8, 7, 8, -900, -900, 0}));
  EXPECT_EQ(r.データ.手[499], (棋譜の手{3, 2, 2, 2, 900, 900, 0}));

  // What lies past the 500th move is not read, so it cannot refuse the file.
  r = 棋譜_解析(RookShuffle(KIFU_MAX) + "\r\nnot a move\r\n");
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_TRUE(r.打切り);
  EXPECT_EQ(r.データ.手.size(), 500u);
}

class RecordFileReading : public ::testing::Test {
 protected:
  ScratchDir dir;
};

TEST_F(RecordFileReading, ReadsAFileByItsUtf8Name) {
  WriteWhole(dir / "対局.棋譜", Lines({"g", "u", "s", " 7776 -10 -10   0"}));
  const 棋譜読込結果 r = 棋譜_読込(dir / "対局.棋譜");
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_EQ(r.データ.手, std::vector<棋譜の手>{kPawn77});
}

TEST_F(RecordFileReading, FailuresNameTheFile) {
  EXPECT_EQ(棋譜_読込(dir / "ない.棋譜").理由, "「ない.棋譜」が見つかりません");

  std::filesystem::create_directory(dir / "箱.棋譜");
  EXPECT_EQ(棋譜_読込(dir / "箱.棋譜").理由, "「箱.棋譜」はフォルダです");

  WriteWhole(dir / "壊れた.棋譜", Lines({"g", "u", "s", " 7776 -10 -10   0", "oops"}));
  const 棋譜読込結果 r = 棋譜_読込(dir / "壊れた.棋譜");
  EXPECT_FALSE(r.成功);
  EXPECT_EQ(r.理由, "「壊れた.棋譜」の5行目: 手の行が短すぎます（17文字必要なところ 4文字です）");

  std::filesystem::resize_file(dir / "壊れた.棋譜", 17 * 1024 * 1024);
  EXPECT_EQ(棋譜_読込(dir / "壊れた.棋譜").理由,
            "「壊れた.棋譜」は大きすぎて棋譜ファイルではありません");
}

}  // namespace
}  // namespace kazeban
