// Hand-checked records: a professional-style game in KIF (CP932) and CSA with
// comments, times and a branch; every end word; KI2's words that tell pieces apart;
// the encodings and line ends; refusals naming their line; KAZEBAN games for export.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "interop/formats_internal.h"
#include "interop/sfen.h"
#include "storage/cp932.h"

namespace kazeban {
namespace {

std::string ファイル(const std::string& name) {
  std::ifstream in(std::string(KAZEBAN_INTEROP_DATA) + "/" + name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(Formats, ProfessionalGameInKifAndCsa) {
  const char* usi =
      "startpos moves 7g7f 8c8d 2g2f 3c3d 2f2e 8d8e 6i7h 4a3b 2e2d 2c2d 2h2d P*2c 2d2f 8e8f 8g8f "
      "8b8f P*8g 8f8d 8h2b+ 3a2b B*4e 2b3c 4e3d 3c3d";
  const SFEN読込結果 expected = SFEN_解析(usi);
  ASSERT_TRUE(expected.成功);
  for (const char* name : {"横歩取り.kif", "横歩取り.csa"}) {
    const 対局棋譜読込結果 r = 対局棋譜_解析(ファイル(name), name);
    ASSERT_TRUE(r.成功) << name << ": " << r.理由;
    const 対局棋譜& g = r.棋譜;
    EXPECT_EQ(g.手, expected.手) << name;  // the branch after move 9 is not taken
    EXPECT_EQ(g.先手名, "佐藤 一郎 七段");
    EXPECT_EQ(g.後手名, "髙橋 美咲 五段");
    EXPECT_EQ(g.棋戦, "第12期 風雲戦 決勝トーナメント");
    EXPECT_EQ(g.終局, "投了");
    EXPECT_EQ(g.結果, 対局結果::後手勝ち);
    EXPECT_EQ(g.手合割, "平手");
    EXPECT_EQ(g.終局コメント, "最後は先手の攻めが切れた。") << name;
  }
  const 対局棋譜読込結果 h = 対局棋譜_解析(ファイル("香落ち.kif"));
  ASSERT_TRUE(h.成功) << h.理由;
  Position lance;
  ASSERT_TRUE(手合割の局面("香落ち", lance));
  EXPECT_TRUE(同一局面(h.棋譜.開始局面, lance));
  EXPECT_EQ(h.棋譜.開始局面.state.BAN[9][1], KARA);  // white's lance on 1a is gone
  EXPECT_EQ(h.棋譜.先手名, "下手の人");
  EXPECT_EQ(h.棋譜.後手名, "上手の人");
  ASSERT_EQ(h.棋譜.手.size(), 3u);
  EXPECT_EQ(h.棋譜.手[0].KOMA, K_UE_HU);  // the stronger side moves first
}

TEST(Formats, EndWordsGiveTheirResults) {
  // After one move white is to move: "投了" is white resigning.
  const struct {
    const char* kif;
    const char* csa;
    対局結果 結果;
  } cases[] = {
      {"投了", "%TORYO", 対局結果::先手勝ち},
      {"詰み", "%TSUMI", 対局結果::先手勝ち},
      {"切れ負け", "%TIME_UP", 対局結果::先手勝ち},
      {"反則負け", "%ILLEGAL_MOVE", 対局結果::先手勝ち},
      {"反則勝ち", "%+ILLEGAL_ACTION", 対局結果::後手勝ち},
      {"入玉勝ち", "%KACHI", 対局結果::後手勝ち},
      {"千日手", "%SENNICHITE", 対局結果::引き分け},
      {"持将棋", "%JISHOGI", 対局結果::引き分け},
      {"中断", "%CHUDAN", 対局結果::不明},
  };
  for (const auto& c : cases) {
    const std::string kif =
        std::string("手合割：平手\n手数----指手---------消費時間--\n   1 ７六歩(77)\n   2 ") +
        c.kif + "\n";
    const 対局棋譜読込結果 k = 対局棋譜_解析(kif);
    ASSERT_TRUE(k.成功) << c.kif << ": " << k.理由;
    EXPECT_EQ(k.棋譜.終局, c.kif);
    EXPECT_EQ(k.棋譜.結果, c.結果) << c.kif;
    const 対局棋譜読込結果 s = 対局棋譜_解析(std::string("PI\n+\n+7776FU\n") + c.csa + "\n");
    ASSERT_TRUE(s.成功) << c.csa << ": " << s.理由;
    EXPECT_EQ(s.棋譜.終局, c.kif) << c.csa;
    EXPECT_EQ(s.棋譜.結果, c.結果) << c.csa;
    // Written and read again, the end word and the result stay.
    for (const 棋譜形式 f : {棋譜形式::KIF, 棋譜形式::CSA}) {
      const 対局棋譜読込結果 back = 対局棋譜_解析(対局棋譜_書出(k.棋譜, f).バイト列);
      EXPECT_EQ(back.棋譜.結果, c.結果) << c.kif << " " << 形式の名(f);
    }
  }
}

TEST(Formats, Ki2WordsTellPiecesApart) {
  const struct {
    const char* sfen;
    const char* move;
    int fromI, fromJ;  // KAZEBAN square of the piece that moves; 0 when refused
  } cases[] = {
      {"4k4/9/9/9/9/9/9/9/K2G1G3 b - 1", "５八金右", 6, 9},
      {"4k4/9/9/9/9/9/9/9/K2G1G3 b - 1", "５八金左", 4, 9},
      {"4k4/9/9/9/9/9/9/9/K2G1G3 b - 1", "５八金", 0, 0},
      {"4k4/9/9/9/9/9/9/9/K3GG3 b - 1", "５八金直", 5, 9},
      {"4k4/9/9/9/9/9/4G4/9/K3G4 b - 1", "５八金上", 5, 9},
      {"4k4/9/9/9/9/9/4G4/9/K3G4 b - 1", "５八金引", 5, 7},
      {"4k4/9/9/9/9/9/9/5G3/K3G4 b - 1", "５八金寄", 6, 8},
      {"k2g1g3/9/9/9/9/9/9/9/8K w - 1", "５二金右", 4, 1},
      {"k2g1g3/9/9/9/9/9/9/9/8K w - 1", "５二金左", 6, 1},
      {"4k4/9/9/9/9/9/9/9/K8 b B 1", "５五角", 11, 8},
      {"4k4/9/9/9/9/9/9/1B7/K8 b B 1", "５五角", 2, 8},
      {"4k4/9/9/9/9/9/9/1B7/K8 b B 1", "５五角打", 11, 8},
      {"4k4/9/9/9/9/9/9/1B7/K8 b - 1", "２二角成", 2, 8},
      {"4k4/9/9/9/9/9/9/1B7/K8 b - 1", "５五飛", 0, 0},
  };
  for (const auto& c : cases) {
    const Position p = SFEN_解析(c.sfen).局面;
    棋譜の手 m;
    std::string why;
    const bool ok = formats::KI2_指し手(p, c.move, nullptr, m, why);
    EXPECT_EQ(ok, c.fromI != 0) << c.move << " " << why;
    if (ok && c.fromI != 0) {
      EXPECT_EQ(m.MOTO_I, c.fromI) << c.move;
      EXPECT_EQ(m.MOTO_J, c.fromJ) << c.move;
    }
  }
  // A whole KI2 record, with 同 and a drop.
  const 対局棋譜読込結果 r = 対局棋譜_解析(
      "手合割：平手\r\n▲７六歩　△３四歩　▲２六歩　△８四歩\r\n▲２五歩　△８五歩　▲７八金　△３二金\r\n"
      "▲２四歩　△同　歩　▲同　飛　△２三歩打\r\nまで12手で中断\r\n");
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_EQ(r.形式, 棋譜形式::KI2);
  EXPECT_EQ(r.棋譜.手.size(), 12u);
}

TEST(Formats, EncodingsAndLineEnds) {
  const std::string utf8 =
      "先手：羽生\n後手：髙橋～①\n手数----指手---------消費時間--\n   1 ７六歩(77)\n   2 "
      "３四歩(33)\n";
  const std::string cp932 = UTF8文書からCP932(utf8).バイト列;
  ASSERT_FALSE(cp932.empty());
  std::string crlf, cr;
  for (const char c : cp932) {
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    cr += c == '\n' ? '\r' : c;
  }
  const struct {
    std::string bytes;
    棋譜形式 形式;
  } cases[] = {
      {utf8, 棋譜形式::KIFU},
      {"\xEF\xBB\xBF" + utf8, 棋譜形式::KIFU},
      {"#KIF version=2.0 encoding=UTF-8\r\n" + utf8, 棋譜形式::KIFU},
      {cp932, 棋譜形式::KIF},
      {crlf, 棋譜形式::KIF},
      {cr, 棋譜形式::KIF},
  };
  for (const auto& c : cases) {
    const 対局棋譜読込結果 r = 対局棋譜_解析(c.bytes);
    ASSERT_TRUE(r.成功) << r.理由;
    EXPECT_EQ(r.形式, c.形式);
    EXPECT_EQ(r.棋譜.後手名, "髙橋～①");
    EXPECT_EQ(r.棋譜.手.size(), 2u);
  }
}

TEST(Formats, RefusalsNameTheLine) {
  const struct {
    const char* bytes;
    const char* 理由;
  } cases[] = {
      {"手合割：平手\n手数----\n   1 ７五歩(77)\n", "3行目: ７五歩(77): その駒はそこへ指せません"},
      {"手合割：平手\n\n手数----\n   1 ７六金(77)\n",
       "4行目: ７六金(77): 移動元にその駒がありません"},
      {"手合割：平手\n手数----\n   1 ７六歩(77)\n   2 同　歩(23)\n",
       "4行目: 同　歩(23): その駒はそこへ指せません"},
      {"手合割：三段落ち\n", "1行目: 手合割がわかりません: 三段落ち"},
      {"後手の持駒：なし\n|v玉 ・ ・ ・ ・ ・ ・ ・ ・|一\n手数----\n",
       "3行目: 盤面図が9段ありません"},
      {"PI\n+\n+7776FU\n-3334FU\n+2726FU,-8384FU,+2625FU,-0055FU\n",
       "5行目: -0055FU: 持駒にありません"},
      {"PI\n+\n-3334FU\n", "3行目: -3334FU: 手番が違います"},
      {"PI\n+\n+7776FU\n%WHATEVER\n", "4行目: 終局の語が読めません: %WHATEVER"},
      {"position startpos moves 7g7f 7g7f\n", "1行目: 2手目 7g7f: 指し手が読めません"},
      {"hello world\n", "1行目: 読めない行です"},
      {"", "1行目: 棋譜の形式がわかりません"},
  };
  for (const auto& c : cases) {
    const 対局棋譜読込結果 r = 対局棋譜_解析(c.bytes);
    EXPECT_FALSE(r.成功) << c.bytes;
    EXPECT_EQ(r.理由, c.理由) << c.bytes;
  }
}

TEST(Formats, KazebanGamesForExport) {
  const Position even = 平手局面();
  Position topFirst = even;
  topFirst.toMove = Color::White;
  // The top player began: the game is turned round, names following.
  const 棋譜の手 ue[] = {{7, 3, 7, 4, 10, 10, 0}, {3, 7, 3, 6, -10, -10, 0}};
  const 対局棋譜 g =
      KAZEBAN対局から(topFirst, ue, 2, "上の人", "下の人", "対局", "2026/12/08", false);
  EXPECT_TRUE(同一局面(g.開始局面, even));
  EXPECT_EQ(g.先手名, "上の人");
  EXPECT_EQ(g.後手名, "下の人");
  EXPECT_EQ(SFEN_解析("startpos moves 7g7f 3c3d").手, g.手);
  EXPECT_TRUE(g.終局.empty());
  // A king left attacked ends the export before that move, saying why.
  const SFEN読込結果 fool = SFEN_解析("startpos moves 7g7f 3c3d 8h3c+ 9c9d", true);
  ASSERT_TRUE(fool.成功);
  const 対局棋譜 cut = KAZEBAN対局から(even, fool.手.data(), 4, "上", "下", "", "", true);
  EXPECT_EQ(cut.手.size(), 3u);
  EXPECT_EQ(cut.終局, "中断");
  EXPECT_EQ(cut.終局コメント,
            "4手目の△９四歩は王手放置で、標準の将棋では指せないため書き出していません。KAZEBAN "
            "の規則では後手の勝ち。");
  // A check by the last move wins a KAZEBAN game: the result says so.
  const SFEN読込結果 check = SFEN_解析("startpos moves 7g7f 3c3d 8h3c+");
  const 対局棋譜 won = KAZEBAN対局から(even, check.手.data(), 3, "上", "下", "", "", true);
  EXPECT_EQ(won.結果, 対局結果::先手勝ち);
  const std::string kif = 対局棋譜_書出(won, 棋譜形式::KIFU).バイト列;
  EXPECT_NE(kif.find("   4 投了"), std::string::npos) << kif;
  EXPECT_NE(kif.find("*KAZEBAN の規則により、王手をかけた先手の勝ち\r\nまで3手で先手の勝ち\r\n"),
            std::string::npos)
      << kif;
  // Only the even start with black to move becomes a .棋譜 file.
  EXPECT_FALSE(
      対局棋譜_書出(対局棋譜_解析(ファイル("香落ち.kif")).棋譜, 棋譜形式::棋譜ファイル).成功);
}

// KIF as other readers take it: a piece that stays unpromoted gets no mark, and a
// rarer handicap carries its diagram after its name and reads back as that handicap.
TEST(Formats, KifWrittenForOtherReaders) {
  const SFEN読込結果 s = SFEN_解析("startpos moves 7g7f 3c3d 8h2b 3a2b");
  ASSERT_TRUE(s.成功);
  対局棋譜 g;
  g.開始局面 = s.局面;
  g.手 = s.手;
  const std::string kif = 対局棋譜_書出(g, 棋譜形式::KIFU).バイト列;
  EXPECT_NE(kif.find("   3 ２二角(88)"), std::string::npos) << kif;
  EXPECT_EQ(kif.find("不成"), std::string::npos) << kif;
  for (const char* name : {"香落ち", "三枚落ち", "右七枚落ち"}) {
    ASSERT_TRUE(手合割の局面(name, g.開始局面));
    g.手.clear();
    const std::string h = 対局棋譜_書出(g, 棋譜形式::KIFU).バイト列;
    const bool common = std::string_view(name) == "香落ち";
    EXPECT_EQ(h.find("+---------------------------+") == std::string::npos, common) << h;
    const 対局棋譜読込結果 r = 対局棋譜_解析(h);
    ASSERT_TRUE(r.成功) << r.理由;
    EXPECT_EQ(r.棋譜.手合割, name);
    EXPECT_TRUE(同一局面(r.棋譜.開始局面, g.開始局面)) << name;
  }
}

}  // namespace
}  // namespace kazeban
