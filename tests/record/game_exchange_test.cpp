// Games of the other record formats in the window: set up in record mode from any
// start, stepped through to their end and back, refused without a trace, and written
// out with the names the player typed or sees.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file_helpers.h"
#include "interop/record_formats.h"
#include "record/exchange_commands.h"
#include "record/game_exchange.h"
#include "record/navigation.h"
#include "record/record_commands.h"
#include "review_fixture.h"
#include "rules/pieces.h"

namespace kazeban::testing {
namespace {

// 香落ち: the top side (上手), without its lance on 1一, moves first.
const char kLanceHandicap[] =
    "手合割：香落ち\n上手：上手さん\n下手：下手さん\n手数----指手---------消費時間--\n"
    "   1 ３四歩(33)\n   2 ７六歩(77)\n   3 投了\n";

// Both kings alone, black with a gold and two pawns, white with a pawn: a drop gives
// check and the king takes it, twice.
const char kDiagram[] = "sfen 4k4/9/9/9/9/9/9/9/4K4 b G2Pp 1 moves G*5b 5a5b P*5c 5b5c";

class GameExchangeTest : public ReviewTest {
 protected:
  // `text` as the file `name`, read through 取込 with nothing asked or sounded before.
  bool Import(const std::string& name, const std::string& text) {
    WriteWhole(dir / name, text);
    controls.messages.clear();
    FakeSound().calls.clear();
    return 棋譜ファイル_取込(*f, dir / name);
  }

  ScratchDir dir;
};

TEST_F(GameExchangeTest, AHandicapGameStartsWithoutItsPieceAndTheTopSideFirst) {
  StartKeepingScreen();
  ASSERT_TRUE(Import("香落ち.kifu", kLanceHandicap)) << ::testing::PrintToString(Boxes());
  const GameState& s = f->s;
  EXPECT_EQ(s.BAN[9][1], KARA);  // 1一 is column 9
  EXPECT_EQ(s.BAN[1][1], K_UE_KYOU);
  EXPECT_EQ(s.KIFU_MODE, ON);
  EXPECT_EQ(s.KIFU_SAIGO, 2);
  EXPECT_EQ(s.KIFU_SUU, 0);
  EXPECT_TRUE(UEの駒(s.KIFU_NARI[1]));
  EXPECT_TRUE(ScreenShowsThePosition());
  const std::vector<std::string> texts = surface.Texts();
  EXPECT_EQ(std::vector<std::string>(texts.end() - 2, texts.end()),
            (std::vector<std::string>{"上手さん", "下手さん"}));
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"棋譜:  読み込みました",
                                               "棋譜: 棋譜を '進 'で進めて下さい"}));

  // The first move is white's; then black is to move in the position copied.
  AFTER_Click(*f);
  EXPECT_EQ(s.BAN[7][4], K_UE_HU);
  EXPECT_EQ(局面_SFEN(*f), "lnsgkgsn1/1r5b1/pppppp1pp/6p2/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 2");

  // A record file cannot hold such a start.
  controls.messages.clear();
  FakeSound().calls.clear();
  KIFU_WRITE_Click(*f);
  EXPECT_EQ(Boxes(),
            std::vector<std::string>{"棋譜書込: 平手の初形からでない棋譜は書き込みできません"});
  EXPECT_EQ(Sounds(), std::vector<int32_t>{KINSI});
  EXPECT_FALSE(controls.name_panel_visible);
}

TEST_F(GameExchangeTest, ADiagramIsSteppedToItsEndAndBackToItsStart) {
  StartKeepingScreen();
  ASSERT_TRUE(Import("詰将棋.sfen", kDiagram)) << ::testing::PrintToString(Boxes());
  const Snapshot start(f->s);
  for (int n = 0; n < 4; ++n) AFTER_Click(*f);
  const GameState& s = f->s;
  EXPECT_EQ(s.BAN[5][3], K_UE_OU);
  EXPECT_EQ(s.UE_MOCHI[5], 1);  // the gold
  EXPECT_EQ(s.UE_MOCHI[1], 2);  // its own pawn and black's
  EXPECT_EQ(s.SITA_MOCHI_SU, 1);
  EXPECT_TRUE(ScreenShowsThePosition());
  controls.messages.clear();
  AFTER_Click(*f);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"進む: 終わり"});

  for (int n = 0; n < 4; ++n) REPLAY_Click(*f);
  EXPECT_EQ(Snapshot(f->s), start);
  EXPECT_TRUE(ScreenShowsThePosition());
}

TEST_F(GameExchangeTest, AGameLongerThanTheRecordKeepsItsFirstMovesAndSaysSo) {
  // The kings alone stepping up and back.
  std::string text = "position sfen 4k4/9/9/9/9/9/9/9/4K4 b - 1 moves";
  const char* const cycle[4] = {" 5i5h", " 5a5b", " 5h5i", " 5b5a"};
  for (int n = 0; n < KIFU_MAX + 2; ++n) text += cycle[n % 4];
  StartKeepingScreen();
  ASSERT_TRUE(Import("長い.usi", text));
  EXPECT_EQ(f->s.KIFU_SAIGO, KIFU_MAX);
  EXPECT_EQ(Boxes()[1], "棋譜: 501手目からあとは読み込んでいません(500手まで)");
  for (int n = 0; n < KIFU_MAX; ++n) AFTER_Click(*f);
  EXPECT_EQ(f->s.KIFU_SUU, KIFU_MAX);
  EXPECT_EQ(f->s.BAN[5][9], K_SITA_OU);
}

TEST_F(GameExchangeTest, LongNamesAreFittedIntoTheirPlacesAndKeptWhole) {
  const std::string event = "第76期名人戦七番勝負第3局";
  const std::string black = "羽生 善治竜王";
  const std::string white = std::string("佐藤 天彦名人") + std::string(40, 'x');
  StartKeepingScreen();
  ASSERT_TRUE(Import("名人戦.kifu", "棋戦：" + event + "\n先手：" + black + "\n後手：" + white +
                                        "\n手数----指手---------消費時間--\n   1 ７六歩(77)\n"));
  const std::vector<DrawOp> texts = surface.Of(DrawOp::Text);
  ASSERT_GE(texts.size(), 3u);
  const std::vector<DrawOp> names(texts.end() - 3, texts.end());  // drawn last
  // The game's name stops short of the bottom player's, which starts at 3700 twips.
  EXPECT_EQ(names[0].text, "第76期名人戦七番勝負…");  // 2640 of the 2780 twips free
  EXPECT_LE(names[0].x + surface.TextWidth(names[0].text, names[0].size, names[0].bold), 3700);
  EXPECT_EQ(names[2].text, black);
  // The top player's stops at the window's edge.
  EXPECT_EQ(names[1].text.substr(names[1].text.size() - 3), "…");
  EXPECT_LE(names[1].x + surface.TextWidth(names[1].text, names[1].size, names[1].bold), 8400);
  // The game keeps them whole, and so does an export.
  ASSERT_TRUE(棋譜_書出(*f, dir / "写し.kifu", ""));
  const 対局棋譜読込結果 back = 対局棋譜_解析(ReadWhole(dir / "写し.kifu"), "写し.kifu");
  EXPECT_EQ(back.棋譜.棋戦 + back.棋譜.先手名 + back.棋譜.後手名, event + black + white);
}

TEST_F(GameExchangeTest, AGameEndedByAFoulIsSetUpBeforeTheFoul) {
  // White's 8th move drops a second pawn into the 3rd file.
  const char text[] =
      "手合割：平手\n手数----\n   1 ７六歩(77)\n   2 ３四歩(33)\n   3 ７五歩(76)\n"
      "   4 ３五歩(34)\n   5 ７四歩(75)\n   6 同　歩(73)\n   7 ２六歩(27)\n   8 ３三歩打\n"
      "   9 反則勝ち\n";
  StartKeepingScreen();
  ASSERT_TRUE(Import("二歩.kif", text)) << ::testing::PrintToString(Boxes());
  EXPECT_EQ(f->s.KIFU_SAIGO, 7);
  EXPECT_EQ(Boxes()[1], "棋譜: 8手目は反則(二歩)のため、その前までを読み込みました");
  for (int n = 0; n < 7; ++n) AFTER_Click(*f);
  EXPECT_EQ(f->s.BAN[7][3], KARA);
  EXPECT_EQ(f->s.UE_MOCHI[1], 1);  // the pawn it would have dropped
}

TEST_F(GameExchangeTest, ARecordFileReadThrough取込IsSetUpAs読込SetsItUp) {
  // The top side moves first: "第1局", "上の人", "下の人" in CP932, two moves.
  const std::string file = std::string("\x91\xe6\x31\x8b\xc7\r\n") +
                           "\x8f\xe3\x82\xcc\x90\x6c\r\n\x89\xba\x82\xcc\x90\x6c\r\n" +
                           " 7374  10  10   0\r\n 3736 -10 -10   0\r\n";
  StartKeepingScreen();
  WriteWhole(dir / "a.棋譜", file);
  controls.file_path = dir.path().string();
  controls.file_name = "a.棋譜";
  const auto start = static_cast<std::ptrdiff_t>(surface.Texts().size());
  File1_Click(*f);
  const GameState by_panel = f->s;
  const auto middle = static_cast<std::ptrdiff_t>(surface.Texts().size());
  ASSERT_TRUE(Import("a.棋譜", file)) << ::testing::PrintToString(Boxes());
  EXPECT_TRUE(SameGame(f->s, by_panel));
  const std::vector<std::string> texts = surface.Texts();
  EXPECT_EQ(std::vector<std::string>(texts.begin() + middle, texts.end()),
            std::vector<std::string>(texts.begin() + start, texts.begin() + middle));
}

TEST_F(GameExchangeTest, ARefusedReadLeavesTheGameAsItWas) {
  struct Case {
    const char* what;
    const char* file;  // nullptr: pasted
    const char* text;
  };
  const Case cases[] = {
      {"no such file", "ない.kif", nullptr},
      {"not a record", "雑.kif", "これは棋譜ではありません\n"},
      {"an impossible move", "反則.usi", "position startpos moves 7g7f 7g7f"},
      {"nothing pasted", nullptr, " \n"},
      {"a pasted impossible move", nullptr, "startpos moves 2h2a"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // A game in progress on a record read before.
    StartKeepingScreen();
    ASSERT_TRUE(Import("前.sfen", kDiagram));
    START_Click(*f);
    Move(11, 7, 5, 5);  // a pawn dropped by the bottom side
    const GameState before = f->s;
    const size_t drawn = surface.ops.size();
    controls.messages.clear();
    FakeSound().calls.clear();

    if (c.file == nullptr) {
      EXPECT_FALSE(棋譜_貼付け(*f, c.text));
    } else {
      if (c.text != nullptr) WriteWhole(dir / c.file, c.text);
      EXPECT_FALSE(棋譜ファイル_取込(*f, dir / c.file));
    }
    EXPECT_TRUE(SameGame(f->s, before));
    EXPECT_FALSE(f->由来.平手);
    EXPECT_EQ(surface.ops.size(), drawn);
    ASSERT_EQ(controls.messages.size(), 1u);
    EXPECT_EQ(controls.messages[0].title, c.file != nullptr ? "棋譜取込" : "棋譜貼付け");
    if (c.file != nullptr) {
      EXPECT_NE(controls.messages[0].text.find(c.file), std::string::npos);
    }
    EXPECT_EQ(Sounds(), std::vector<int32_t>{KINSI});
  }
}

TEST_F(GameExchangeTest, AnExportHoldsTheMovesShownWithTheNamesTypedOrShown) {
  StartKeepingScreen();
  ASSERT_TRUE(Import("香落ち.kifu", kLanceHandicap));
  const Position start = 局面(f->由来.初形, Color::White);
  AFTER_Click(*f);
  controls.SetPanelText(2, "第1局");
  controls.SetPanelText(3, "上手の人");  // the first player: the top side here
  controls.messages.clear();
  ASSERT_TRUE(棋譜_書出(*f, dir / "途中.kifu", "2026/12/08 10:00:00"));
  EXPECT_EQ(Boxes(), std::vector<std::string>{"棋譜書出: 棋譜を書き出しました"});

  const 対局棋譜読込結果 back = 対局棋譜_解析(ReadWhole(dir / "途中.kifu"), "途中.kifu");
  ASSERT_TRUE(back.成功) << back.理由;
  EXPECT_TRUE(同一局面(back.棋譜.開始局面, start));
  ASSERT_EQ(back.棋譜.手.size(), 1u);
  EXPECT_EQ(back.棋譜.手[0], (棋譜の手{7, 3, 7, 4, K_UE_HU, K_UE_HU, KARA}));
  EXPECT_EQ(back.棋譜.棋戦 + back.棋譜.後手名 + back.棋譜.先手名, "第1局上手の人下手さん");

  // The whole game read keeps its end; an extension no format has is refused.
  AFTER_Click(*f);
  EXPECT_EQ(書出用の対局(f->s, f->由来, {}, "").終局, "投了");
  FakeSound().calls.clear();
  EXPECT_FALSE(棋譜_書出(*f, dir / "棋譜.txt", ""));
  EXPECT_EQ(Sounds(), std::vector<int32_t>{KINSI});
  EXPECT_EQ(dir.Listing(), "途中.kifu\n香落ち.kifu\n");
}

TEST_F(GameExchangeTest, AWonRecordFileIsExportedAsTheConverterWritesIt) {
  // ▲7六歩 △3四歩 ▲3三角: the bishop attacks the king on 5一, which ends the game.
  const std::string file =
      "\r\n\r\n\r\n 3736 -10 -10   0\r\n 7374  10  10   0\r\n 2873-800-800   0\r\n";
  StartKeepingScreen();
  ASSERT_TRUE(Import("勝ち.棋譜", file)) << ::testing::PrintToString(Boxes());
  for (int n = 0; n < 3; ++n) AFTER_Click(*f);
  ASSERT_TRUE(棋譜_書出(*f, dir / "勝ち.kif", "2026/12/08 10:00:00"));

  const 対局棋譜読込結果 read = 対局棋譜_解析(file, "勝ち.棋譜");
  ASSERT_TRUE(read.成功) << read.理由;
  const 書出結果 converted = 対局棋譜_書出(read.棋譜, 棋譜形式::KIF);
  ASSERT_TRUE(converted.成功) << converted.理由;
  const std::string exported = ReadWhole(dir / "勝ち.kif");
  EXPECT_EQ(exported, converted.バイト列);
  const 対局棋譜読込結果 back = 対局棋譜_解析(exported, "勝ち.kif");
  ASSERT_TRUE(back.成功) << back.理由;
  EXPECT_EQ(back.棋譜.結果, 対局結果::先手勝ち);
  EXPECT_EQ(back.棋譜.手.size(), 3u);
}

TEST(GameExchange, AnExportOfAGameAgainstTheComputerNamesItsPlayers) {
  GameState s;
  初期設定_状態(s);
  s.TAIKYOKU_SYU = TAI_COM;
  記録の由来 o;
  const struct {
    書出の名前 boxes;
    const char* shown_top;
    const char* names;  // top, then bottom
  } cases[] = {
      {{}, "", "ｺﾝﾋﾟｭｰﾀあなた"},
      {{}, "棋譜の上", "棋譜の上あなた"},
      {{"", "山田", "田中"}, "棋譜の上", "田中山田"},
  };
  for (const auto& c : cases) {
    o.上側の名 = c.shown_top;
    const 対局棋譜 g = 書出用の対局(s, o, c.boxes, "2026/12/08 10:00:00");
    EXPECT_EQ(g.後手名 + g.先手名, c.names);
    EXPECT_EQ(g.開始日時, "2026/12/08 10:00:00");
  }
}

TEST(GameExchange, TheExportFormatFollowsTheExtension) {
  const std::pair<const char*, int> cases[] = {
      {"a.kif", static_cast<int>(棋譜形式::KIF)},
      {"a.KIFU", static_cast<int>(棋譜形式::KIFU)},
      {"a.b.csa", static_cast<int>(棋譜形式::CSA)},
      {"a.sfen", static_cast<int>(棋譜形式::SFEN)},
      {"/d/a.usi", static_cast<int>(棋譜形式::USI)},
      {"a.ki2", -1},
      {"a.棋譜", -1},
      {"/d.kif/a", -1},
  };
  for (const auto& [name, expected] : cases) {
    棋譜形式 format{};
    EXPECT_EQ(書出形式(name, format) ? static_cast<int>(format) : -1, expected) << name;
  }
}

}  // namespace
}  // namespace kazeban::testing
