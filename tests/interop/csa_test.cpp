// CSA as servers, programs and people write it: comments, times, headers and every
// end word kept through a round trip; padded columns, a space after a comma, rows
// written with single spaces and EUC-JP comments read; a foul that ended the game
// kept as its last move; long games whole; texts that are no record refused.
#include <gtest/gtest.h>

#include "interop/record_formats.h"
#include "interop/sfen.h"

namespace kazeban {
namespace {

対局棋譜 読む(const std::string& text) {
  const 対局棋譜読込結果 r = 対局棋譜_解析(text);
  EXPECT_TRUE(r.成功) << r.理由 << "\n" << text;
  return r.棋譜;
}

TEST(Csa, CommentsTimesAndHeadersSurviveARoundTrip) {
  const 対局棋譜 g = 読む(
      "'encoding=Shift_JIS\nV2.2\nN+Sente\nN-Gote\n$EVENT:Cup\n$SITE:Tokyo\n$START_TIME:13:28:35\n"
      "$TIME_LIMIT:00:25+00\n$OPENING:YAGURA\n$MAX_MOVES:256\nPI\n+\n'*opening words\n"
      "+7776FU,T12\n'*first\n'*\n'second line\n-3334FU, T3\n+2726FU  ,T5   ,'short\n"
      "%TORYO,T7\n'summary:toryo\n");
  EXPECT_EQ(g.開始コメント, "opening words");
  ASSERT_EQ(g.手.size(), 3u);
  ASSERT_EQ(g.注記.size(), 3u);
  EXPECT_EQ(g.注記[0].コメント, "first\n\nsecond line");
  EXPECT_EQ(g.注記[2].コメント, "short");
  EXPECT_EQ(g.注記[0].消費秒, 12);
  EXPECT_EQ(g.注記[1].消費秒, 3);
  EXPECT_EQ(g.注記[2].累計秒, 17);  // black's 12 and 5
  EXPECT_EQ(g.終局注記.消費秒, 7);
  EXPECT_EQ(g.終局注記.累計秒, 10);  // white's 3 and 7
  EXPECT_EQ(g.終局コメント, "summary:toryo");
  EXPECT_EQ(g.開始日時, "13:28:35");
  const std::vector<std::pair<std::string, std::string>> headers = {
      {"先手", "Sente"},        {"後手", "Gote"},         {"棋戦", "Cup"},    {"場所", "Tokyo"},
      {"開始日時", "13:28:35"}, {"持ち時間", "00:25+00"}, {"戦型", "YAGURA"}, {"MAX_MOVES", "256"}};
  EXPECT_EQ(g.見出し, headers);
  // Written and read again: the same comments, times and headers.
  const 書出結果 w = 対局棋譜_書出(g, 棋譜形式::CSA);
  ASSERT_TRUE(w.成功) << w.理由;
  EXPECT_NE(w.バイト列.find("+7776FU,T12\r\n'*first\r\n'*\r\n'*second line\r\n"), std::string::npos)
      << w.バイト列;
  EXPECT_NE(w.バイト列.find("N-Gote\r\n$EVENT:Cup\r\n$SITE:Tokyo\r\n$START_TIME:13:28:35\r\n"
                            "$TIME_LIMIT:00:25+00\r\n$OPENING:YAGURA\r\n$MAX_MOVES:256\r\nPI\r\n"),
            std::string::npos)
      << w.バイト列;
  const 対局棋譜 back = 読む(w.バイト列);
  EXPECT_EQ(back.注記, g.注記);
  EXPECT_EQ(back.開始コメント, g.開始コメント);
  EXPECT_EQ(back.終局注記, g.終局注記);
  EXPECT_EQ(back.見出し, g.見出し);
  // A move without a time gets none.
  const 対局棋譜 some = 読む("PI\n+\n+7776FU\n-3334FU,T1\n");
  EXPECT_TRUE(some.注記.size() < 1 || some.注記[0].消費秒 < 0);
  EXPECT_EQ(対局棋譜_書出(some, 棋譜形式::CSA).バイト列.find("+7776FU,"), std::string::npos);
}

TEST(Csa, WhatOtherWritersMakeIsRead) {
  const std::string sfen2 = "lnsgkgsnl/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1";
  const struct {
    const char* text;
    const char* sfen;  // the start
    size_t moves;
  } cases[] = {
      // a 2013 title match: a space after the comma
      {"PI\n+\n+7776FU, T0\n-3334FU, T0\n", nullptr, 2},
      // a game server's padded columns with comments after the time
      {"PI\n+\n+7776FU  ,T0       ,'T0      ,'7776\n-3334FU  ,T1  \n", nullptr, 2},
      // a row written by hand with single spaces for empty squares
      {"P1-KY-KE-GI-KI-OU-KI-GI-KE-KY\nP2 * * * * * * * * *\nP3-FU-FU-FU-FU-FU-FU-FU-FU-FU\n"
       "P4 * * * * * * * * *\nP5 * * * * * * * * *\nP6 * * * * * * * * *\n"
       "P7+FU+FU+FU+FU+FU+FU+FU+FU+FU\nP8 * +KA * * * * * +HI *\n"
       "P9+KY+KE+GI+KI+OU+KI+GI+KE+KY\n-\n-3334FU\n",
       sfen2.c_str(), 1},
  };
  for (const auto& c : cases) {
    const 対局棋譜 g = 読む(c.text);
    EXPECT_EQ(g.手.size(), c.moves) << c.text;
    if (c.sfen) {
      EXPECT_EQ(SFEN_局面(g.開始局面), c.sfen) << c.text;
    }
  }
  // Comments in EUC-JP (a 2005 server log): "先手" is B0 A4 BC EA there.
  const 対局棋譜読込結果 euc =
      対局棋譜_解析("N+\xC0\xE8\xBC\xEA\nPI\n+\n+7776FU\n'\xC0\xE8\xBC\xEA\n");
  ASSERT_TRUE(euc.成功) << euc.理由;
  EXPECT_EQ(euc.棋譜.先手名, "先手");
  EXPECT_EQ(euc.棋譜.注記.at(0).コメント, "先手");
}

TEST(Csa, AFoulEndsTheGameAsItsLastMove) {
  // Black takes a pawn, then drops it into file 5 beside its own: white wins by the
  // foul, and replays stop before it.
  const std::string moves =
      "PI\n+\n+7776FU\n-3334FU\n+7675FU\n-3435FU\n+7574FU\n-3536FU\n+7473TO\n-4132KI\n";
  const 対局棋譜読込結果 r = 対局棋譜_解析(moves + "+0056FU\n");
  ASSERT_TRUE(r.成功) << r.理由;
  EXPECT_EQ(r.棋譜.手.size(), 9u);
  EXPECT_TRUE(r.棋譜.最終手反則);
  EXPECT_EQ(r.棋譜.結果, 対局結果::後手勝ち);
  const 書出結果 csa = 対局棋譜_書出(r.棋譜, 棋譜形式::CSA);
  ASSERT_TRUE(csa.成功) << csa.理由;
  EXPECT_NE(csa.バイト列.find("+0056FU\r\n%+ILLEGAL_ACTION\r\n"), std::string::npos)
      << csa.バイト列;
  const 対局棋譜 back = 読む(csa.バイト列);
  EXPECT_TRUE(back.最終手反則);
  EXPECT_EQ(back.結果, 対局結果::後手勝ち);
  const char* before = "startpos moves 7g7f 3c3d 7f7e 3d3e 7e7d 3e3f 7d7c+ 4a3b";
  const SFEN読込結果 s = SFEN_解析(before);
  ASSERT_TRUE(s.成功);
  Position p = s.局面;
  for (const 棋譜の手& m : s.手) 指す(p, m);
  EXPECT_EQ(対局棋譜_書出(r.棋譜, 棋譜形式::SFEN).バイト列, SFEN_局面(p, 9) + "\n");
  EXPECT_EQ(対局棋譜_書出(r.棋譜, 棋譜形式::USI).バイト列,
            std::string("position ") + before + "\n");
  // A move no piece can make is still refused, and nothing follows a foul.
  EXPECT_FALSE(対局棋譜_解析("PI\n+\n+0055KA\n").成功);
  EXPECT_FALSE(対局棋譜_解析(moves + "+0056FU\n-3132GI\n").成功);
  // %+ILLEGAL_ACTION: black fouled, whoever is to move.
  for (const char* played : {"", "+7776FU\n"}) {
    EXPECT_EQ(読む(std::string("PI\n+\n") + played + "%+ILLEGAL_ACTION\n").結果,
              対局結果::後手勝ち);
    EXPECT_EQ(読む(std::string("PI\n+\n") + played + "%-ILLEGAL_ACTION\n").結果,
              対局結果::先手勝ち);
  }
}

TEST(Csa, LongGamesAreReadWholeAndNoRecordIsRefused) {
  // 600 moves of rooks going to and fro: no format stops at 500.
  std::string usi = "position startpos moves";
  std::string csa = "PI\n+\n";
  for (int k = 0; k < 150; ++k) {
    usi += " 2h3h 8b7b 3h2h 7b8b";
    csa += "+2838HI\n-8272HI\n+3828HI\n-7282HI\n";
  }
  for (const std::string& text : {usi, csa}) {
    const 対局棋譜読込結果 r = 対局棋譜_解析(text);
    ASSERT_TRUE(r.成功) << r.理由;
    EXPECT_EQ(r.棋譜.手.size(), 600u);
    EXPECT_FALSE(r.打切り);
  }
  const struct {
    const char* text;
    const char* name;
  } none[] = {
      {"root:x:0:0:root:/root:/bin/bash\ndaemon:x:1:1::/usr/sbin:/usr/sbin/nologin\n", "passwd"},
      {"", "empty.csa"},
      {"V2.2\n'just a comment\n", "x.csa"},
  };
  for (const auto& c : none) {
    const 対局棋譜読込結果 r = 対局棋譜_解析(c.text, c.name);
    EXPECT_FALSE(r.成功) << c.name;
    EXPECT_EQ(r.理由.rfind("1行目: 棋譜ではありません", 0), 0u) << c.name << ": " << r.理由;
  }
  EXPECT_TRUE(対局棋譜_解析("PI\n+\n").成功);  // a start position alone is a record
  // A refusal quotes only the beginning of a huge line.
  const 対局棋譜読込結果 huge = 対局棋譜_解析("PI\n+\n+7776FU" + std::string(1 << 20, 'X') + "\n");
  EXPECT_FALSE(huge.成功);
  EXPECT_LT(huge.理由.size(), 200u);
}

}  // namespace
}  // namespace kazeban
