// The USI conversation: what the engine answers to each command, to commands it does
// not know, and to positions it cannot play from.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "usi_engine.h"

namespace kazeban {
namespace {

// Plays a conversation: each line in, everything answered.
std::string 会話(USI対話& e, const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) e.行(l, out);
  return out;
}

std::string 会話(const std::vector<std::string>& lines) {
  USI対話 e;
  return 会話(e, lines);
}

TEST(USIProtocol, Handshake) {
  EXPECT_EQ(会話({"usi", "isready", "usinewgame"}),
            std::string("id name KAZEBAN ") + KAZEBAN_VERSION +
                "\n"
                "id author the KAZEBAN developers\n"
                "option name Level type spin default 3 min 1 max 3\n"
                "option name KazebanRules type check default false\n"
                "usiok\n"
                "readyok\n");
}

TEST(USIProtocol, GoAnswersAtOnceWithInfoAndBestmove) {
  // A pawn on 1h guarded by white's king mates black's king on 1i ... the position where
  // standard shogi's only mate is the gold drop.
  const std::string pos = "position sfen 9/9/9/9/9/9/7k1/7N1/7NK w gp 1";
  for (const char* go : {"go", "go btime 0 wtime 0 byoyomi 1000",
                         "go btime 60000 wtime 60000 binc 1000 winc 1000", "go nodes 5"}) {
    EXPECT_EQ(会話({pos, go}), "info depth 1 score mate 1 pv G*1h\nbestmove G*1h\n") << go;
  }
  EXPECT_EQ(会話({"setoption name KazebanRules value true", pos, "go"}),
            "info depth 1 score cp 99980 pv 2g2h\nbestmove 2g2h\n");
}

TEST(USIProtocol, AHeldAnswerComesOnceAndOnlyForItsPosition) {
  // After "go ponder", stop or ponderhit; after "go infinite", stop only. A new position,
  // go or usinewgame drops it.
  struct 例 {
    const char* go;
    std::vector<std::string> meanwhile;
    const char* end;
    bool answered;
  };
  const 例 cases[] = {
      {"go ponder", {"isready"}, "stop", true},
      {"go ponder", {}, "ponderhit", true},
      {"go infinite", {"isready", "ponderhit"}, "stop", true},
      {"go ponder", {"position startpos"}, "stop", false},
      {"go ponder", {"usinewgame"}, "stop", false},
      {"go infinite", {"position startpos", "go"}, "stop", false},
  };
  for (const 例& c : cases) {
    SCOPED_TRACE(std::string(c.go) + " then " + c.end);
    USI対話 e;
    EXPECT_EQ(会話(e, {"position startpos moves 7g7f", c.go}), "");
    // Meanwhile, readyok and the answer to a new go only.
    std::string expected;
    for (const std::string& l : c.meanwhile) {
      if (l == "isready") expected += "readyok\n";
      if (l == "go") expected = 会話({"position startpos", "go"});
    }
    EXPECT_EQ(会話(e, c.meanwhile), expected);
    const std::string answer = 会話(e, {c.end});
    EXPECT_EQ(answer.find("\nbestmove ") != std::string::npos, c.answered) << answer;
    EXPECT_EQ(会話(e, {"stop"}), "");  // once only
  }
  EXPECT_EQ(会話({"go mate 1000"}), "checkmate notimplemented\n");
}

TEST(USIProtocol, UnderTheStandardRulesACheckIsNotAWinUnlessItMates) {
  // Black's bishop checks from 3c and is simply taken: the check is the designed choice
  // at every level, a win under KAZEBAN's rules, a loss of material under the standard.
  for (const char* level : {"1", "2", "3"}) {
    const std::string setup = std::string("setoption name Level value ") + level;
    const std::string pos = "position startpos moves 7g7f 3c3d";
    EXPECT_EQ(会話({setup, "setoption name KazebanRules value true", pos, "go"}),
              "info depth 1 score cp 99980 pv 8h3c\nbestmove 8h3c\n");
    const std::string out = 会話({setup, pos, "go"});
    ASSERT_TRUE(out.starts_with("info depth 1 score cp -")) << out;
    EXPECT_LT(std::stoi(out.substr(22)), 0);
    EXPECT_GE(std::stoi(out.substr(22)), -30000);
    EXPECT_TRUE(out.ends_with(" pv 8h3c\nbestmove 8h3c\n")) << out;
    // Without a check both rules report alike.
    EXPECT_EQ(会話({setup, "position startpos", "go"}),
              会話({setup, "setoption name KazebanRules value true", "position startpos", "go"}));
  }
}

TEST(USIProtocol, ACheckRepeatedAFourthTimeIsLeftOutUnderTheStandardRules) {
  // White's rook checks black's king from 5h and 5i in turn as the king steps between 1h
  // and 1i; the position after 5i5h has stood three times. Then the same turned round,
  // black's rook checking.
  const char* const white =
      "position sfen k8/9/9/9/9/9/9/4r3K/9 b - 1 moves 1h1i 5h5i 1i1h 5i5h 1h1i 5h5i 1i1h";
  const char* const black =
      "position sfen 9/k3R4/9/9/9/9/9/9/8K w - 1 moves 9b9a 5b5a 9a9b 5a5b 9b9a 5b5a 9a9b";
  struct 例 {
    std::string position;
    const char* rules;
    const char* best;
  };
  const 例 cases[] = {
      {std::string(white), "false", "5i5h"},  // the third time: played
      {std::string(white) + " 5i5h 1h1i 5h5i 1i1h", "false", "5i5h+"},
      {std::string(white) + " 5i5h 1h1i 5h5i 1i1h", "true", "5i5h"},
      {"position sfen k8/9/9/9/9/9/9/8K/4r4 w - 1", "false", "5i5h"},  // no history
      {std::string(black) + " 5a5b 9b9a 5b5a 9a9b", "false", "5a5b+"},
  };
  for (const 例& c : cases) {
    const std::string out =
        会話({std::string("setoption name KazebanRules value ") + c.rules, c.position, "go"});
    EXPECT_TRUE(out.ends_with(std::string("\nbestmove ") + c.best + "\n")) << c.position << out;
  }
}

TEST(USIProtocol, OptionsAreSetAndBadValuesRefused) {
  USI対話 e;
  EXPECT_EQ(会話(e, {"setoption name Level value 1", "setoption name KazebanRules value true",
                     "setoption name USI_Hash value 256", "setoption name USI_Ponder value true"}),
            "");
  EXPECT_EQ(e.level(), 1);
  EXPECT_TRUE(e.kazebanRules());
  const std::string refused = 会話(e, {"setoption name Level value 4", "setoption name Level",
                                       "setoption name KazebanRules value yes",
                                       "setoption name Hash value 1", "setoption Level 2"});
  EXPECT_EQ(refused,
            "info string Level takes 1, 2 or 3; it stays 1\n"
            "info string Level takes 1, 2 or 3; it stays 1\n"
            "info string KazebanRules takes true or false; it stays true\n"
            "info string unknown option Hash\n"
            "info string setoption needs: name <id> [value <x>]\n");
  EXPECT_EQ(e.level(), 1);
  EXPECT_TRUE(e.kazebanRules());
}

TEST(USIProtocol, WhatCannotBePlayedFromIsReportedAndResigned) {
  struct 例 {
    const char* what;
    std::vector<std::string> lines;
  };
  const 例 cases[] = {
      {"no position", {"go"}},
      {"garbage", {"position garbage", "go"}},
      {"a board of eight ranks", {"position sfen 9/9/9/9/9/9/9/9 b - 1", "go"}},
      {"an illegal move", {"position startpos moves 7g7f 3c3d 8h1a", "go"}},
      {"a move of the wrong side", {"position startpos moves 3c3d", "go"}},
      {"a second pawn in a file", {"position sfen 4k4/9/9/9/9/9/4P4/9/4K4 b P 1 moves P*5e", "go"}},
      {"the side not to move in check", {"position sfen 4k4/9/9/9/4R4/9/9/9/4K4 b - 1", "go"}},
      {"a good position, then a refused one", {"position startpos", "position sfen x", "go"}},
  };
  for (const 例& c : cases) {
    const std::string out = 会話(c.lines);
    EXPECT_EQ(out.rfind("info string ", 0), 0u) << c.what << ": " << out;
    EXPECT_TRUE(out.ends_with("\nbestmove resign\n")) << c.what << ": " << out;
    EXPECT_EQ(out.find("bestmove"), out.rfind("bestmove")) << c.what;
  }
}

TEST(USIProtocol, ChangingTheRulesReadsThePositionAgain) {
  // Black's gold steps aside and leaves its king to white's rook: refused under the
  // standard rules, read under KAZEBAN's.
  const std::string pos = "position sfen 4k4/4r4/9/9/9/9/9/4G4/4K4 b - 1 moves 5h4h";
  USI対話 e;
  EXPECT_NE(会話(e, {pos}).find("info string"), std::string::npos);
  const std::string out = 会話(e, {"setoption name KazebanRules value true", "go"});
  EXPECT_EQ(out.find("info string"), std::string::npos) << out;
  EXPECT_TRUE(out.starts_with("info depth 1 score cp ")) << out;
  EXPECT_EQ(out.find("bestmove resign"), std::string::npos) << out;
}

TEST(USIProtocol, UnderKazebansRulesTheSideNotToMoveMayStandInCheck) {
  // White's king on 5a faces black's rook, black to move; then moves from there. Both
  // kings attacked, or anything else wrong with the text, is still refused.
  struct 例 {
    const char* position;
    bool played;
  };
  const 例 cases[] = {
      {"position sfen 4k4/9/9/9/4R4/9/9/9/4K4 b - 1", true},
      {"position sfen 4k4/9/9/9/4R4/9/9/9/4K4 b - 7 moves 5i4i 5a6a", true},
      {"position sfen 4k4/9/9/9/4R4/4r4/9/9/4K4 b - 1", false},
      {"position sfen 4k4/9/9/9/4R4/9/9/9/4K4 b - x", false},
      {"position sfen 4k4/9/9/9/4R4/9/9/9/4K4 b - 1 moves 5e5a+", false},
      // White's rook checks black's king from 1i, its own king left in check.
      {"position sfen 4k4/9/9/9/4R4/9/P8/8r/4K4 b - 1 moves 9g9f 1h1i", false},
  };
  for (const 例& c : cases) {
    USI対話 e;
    const std::string out = 会話(e, {"setoption name KazebanRules value true", c.position, "go"});
    EXPECT_EQ(out.find("info string") == std::string::npos, c.played) << c.position << out;
    EXPECT_EQ(out.find("bestmove resign") == std::string::npos, c.played) << c.position << out;
    // Under the standard rules, never.
    EXPECT_TRUE(会話(e, {"setoption name KazebanRules value false", "go"})
                    .ends_with("the last one was refused\nbestmove resign\n"));
  }
}

TEST(USIProtocol, UnknownCommandsAndQuit) {
  USI対話 e;
  std::string out;
  EXPECT_TRUE(e.行("hello world", out));
  EXPECT_TRUE(e.行(std::string("\x01\xff\0x", 4), out));
  EXPECT_TRUE(e.行("   ", out));
  EXPECT_TRUE(e.行("gameover win", out));
  EXPECT_TRUE(e.行("position startpos moves 7g7f 7g7f", out));
  EXPECT_TRUE(e.行("position sfen 4k4/9/9/9/9/9/4P4/9/4K4 b P 1 moves P*5e", out));
  EXPECT_EQ(out,
            "info string unknown command hello\n"
            "info string unknown command \\x01\\xFF\\x00x\n"
            "info string position refused: move 2 7g7f: the move cannot be read\n"
            "info string position refused: move 1 P*5e: a second unpromoted pawn in a file\n");
  EXPECT_FALSE(e.行("quit", out));
}

}  // namespace
}  // namespace kazeban
