#include "engine/usi_host.h"

#include <gtest/gtest.h>

#include "engine/engine_list.h"
#include "interop/sfen.h"

namespace kazeban {
namespace {

using 種類 = USI事象::種類;

// A host past its handshake with a fake engine that named itself and two options.
class USIホスト試験 : public ::testing::Test {
 protected:
  void SetUp() override {
    host.開始({{"Skill Level", "3"}, {"Clear Hash", ""}}, 0);
    EXPECT_EQ(host.送信分(), std::vector<std::string>{"usi"});
    for (const char* line :
         {"Fake Engine 1.0 by someone", "id name Fake Engine 1.0", "id author Someone",
          "option name Skill Level type spin default 20 min 0 max 20",
          "option name Clear Hash type button", "usiok"}) {
      EXPECT_TRUE(host.受信(line, 10).empty());
    }
    EXPECT_EQ(host.送信分(), (std::vector<std::string>{"setoption name Skill Level value 3",
                                                       "setoption name Clear Hash", "isready"}));
    const auto ready = host.受信("readyok\r", 20);
    ASSERT_EQ(ready.size(), 1u);
    EXPECT_EQ(ready[0].kind, 種類::準備完了);
  }
  // Starts a game from `sfen` (after the given moves) and asks for a move.
  void 考えさせる(const std::string& sfen) {
    const SFEN読込結果 r = SFEN_解析(sfen);
    ASSERT_TRUE(r.成功) << r.理由;
    host.新規対局(r.局面);
    for (const 棋譜の手& m : r.手) host.指した(m);
    host.思考(1000, 100);
  }
  USIホスト host;
};

TEST_F(USIホスト試験, HandshakeKeepsNameAndOptions) {
  EXPECT_EQ(host.名前(), "Fake Engine 1.0");
  EXPECT_EQ(host.作者(), "Someone");
  ASSERT_EQ(host.オプション().size(), 2u);
  EXPECT_EQ(host.オプション()[0].名前, "Skill Level");
  EXPECT_EQ(host.オプション()[0].最大, "20");
  EXPECT_EQ(host.オプション()[1].型, "button");
}

TEST_F(USIホスト試験, PositionAndGoFromTheStartAndFromAnyPosition) {
  考えさせる("startpos moves 7g7f 3c3d");
  EXPECT_EQ(host.送信分(),
            (std::vector<std::string>{"usinewgame", "position startpos moves 7g7f 3c3d",
                                      "go btime 0 wtime 0 byoyomi 1000"}));
  // Asked about another position while thinking: stopped, its answer dropped, asked.
  const SFEN読込結果 r = SFEN_解析("sfen 4k4/9/9/9/9/9/9/9/4K4 w G 1");
  host.局面を設定(r.局面, {});
  host.思考(500, 200);
  EXPECT_EQ(host.送信分(), std::vector<std::string>{"stop"});
  EXPECT_TRUE(host.受信("bestmove 2g2f", 300).empty());
  EXPECT_EQ(host.送信分(), (std::vector<std::string>{"position sfen 4k4/9/9/9/9/9/9/9/4K4 w G 1",
                                                     "go btime 0 wtime 0 byoyomi 500"}));
  const auto events = host.受信("bestmove 5a4a", 400);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].kind, 種類::指し手);
}

// Every answer to "go": what the host makes of it.
TEST_F(USIホスト試験, AnswersToGo) {
  struct Case {
    const char* position;
    const char* answer;
    種類 kind;
    const char* reason;  // part of the fault's words
  };
  const Case cases[] = {
      {"startpos", "bestmove 7g7f ponder 3c3d", 種類::指し手, ""},
      {"startpos moves 7g7f", "bestmove 8c8d", 種類::指し手, ""},
      {"startpos", "bestmove resign", 種類::投了, ""},
      {"startpos", "bestmove win", 種類::勝ち宣言, ""},
      {"startpos", "bestmove 5i5g", 種類::故障, "反則"},
      {"sfen 4k4/9/9/9/9/9/4P4/9/4K4 b P 1", "bestmove P*5c", 種類::故障, "二歩"},
      {"startpos", "bestmove 7g7f+", 種類::故障, "反則"},
      {"startpos", "bestmove zz9!", 種類::故障, "読めません"},
      {"startpos", "bestmove P*5e", 種類::故障, "読めません"},
      {"startpos", "bestmove", 種類::故障, "読めません"},
      {"startpos", "\x01\x02 garbage", 種類::故障, "出力"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    USIホスト h;
    h.開始({}, 0);
    h.受信("usiok", 0);
    h.受信("readyok", 0);
    host = h;
    考えさせる(c.position);
    const size_t before = host.手順().size();
    EXPECT_TRUE(host.受信("info depth 3 score cp 12 pv 7g7f", 150).empty());
    const auto events = host.受信(c.answer, 200);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, c.kind);
    EXPECT_NE(events[0].理由.find(c.reason), std::string::npos) << events[0].理由;
    // A move is added to the game; after a fault the engine is not heard any more.
    EXPECT_EQ(host.手順().size(), before + (c.kind == 種類::指し手));
    if (c.kind == 種類::故障) {
      EXPECT_TRUE(host.受信("bestmove 7g7f", 300).empty());
      EXPECT_EQ(host.今の段階(), USIホスト::段階::終了);
    }
  }
}

TEST_F(USIホスト試験, SilenceIsAFaultOnlyPastTheMargin) {
  考えさせる("startpos");
  USI事象 fault;
  EXPECT_FALSE(host.遅延(100 + 1000 + 9999, fault));  // slow, within the margin
  EXPECT_TRUE(host.遅延(100 + 1000 + 10000, fault));
  EXPECT_NE(fault.理由.find("時間内"), std::string::npos);
  EXPECT_TRUE(host.受信("bestmove 7g7f", 12000).empty());
}

TEST(USIホスト, AMuteEngineOrOneThatEndsIsAFault) {
  USIホスト host(15000, 10000);
  host.開始({}, 0);
  USI事象 fault;
  EXPECT_FALSE(host.遅延(14999, fault));
  ASSERT_TRUE(host.遅延(15000, fault));
  EXPECT_NE(fault.理由.find("usi"), std::string::npos);
  USIホスト other;
  other.開始({}, 0);
  EXPECT_NE(other.途絶("exit code 3").理由.find("exit code 3"), std::string::npos);
  EXPECT_EQ(other.今の段階(), USIホスト::段階::終了);
}

TEST(USIオプション, LinesWithSpacesAndVars) {
  USIオプション o;
  ASSERT_TRUE(USIオプション解析(
      "option name Analysis Contempt type combo default Both var Both var Off var White", o));
  EXPECT_EQ(o.名前, "Analysis Contempt");
  EXPECT_EQ(o.既定値, "Both");
  EXPECT_EQ(o.選択肢, (std::vector<std::string>{"Both", "Off", "White"}));
  ASSERT_TRUE(USIオプション解析("option name SyzygyPath type string default <empty>", o));
  EXPECT_EQ(o.既定値, "");
  EXPECT_FALSE(USIオプション解析("option name Lonely", o));
}

TEST(エンジン一覧, PathOrderThenUsrGamesThenOurOwn) {
  const auto on = [](std::initializer_list<const char*> files) {
    return [files](const std::string& p) {
      for (const char* f : files)
        if (p == f) return true;
      return false;
    };
  };
  EXPECT_EQ(エンジン一覧("/opt/bin:/usr/bin", "/app",
                         on({"/usr/bin/fairy-stockfish", "/opt/bin/gpsusi",
                             "/usr/games/fairy-stockfish", "/app/kazeban-usi"})),
            (std::vector<std::string>{"/opt/bin/gpsusi", "/usr/bin/fairy-stockfish",
                                      "/app/kazeban-usi"}));
  EXPECT_EQ(
      エンジン一覧("/usr/bin", "/app", on({"/usr/games/fairy-stockfish", "/usr/games/gpsusi"})),
      (std::vector<std::string>{"/usr/games/fairy-stockfish", "/usr/games/gpsusi"}));
}

}  // namespace
}  // namespace kazeban
