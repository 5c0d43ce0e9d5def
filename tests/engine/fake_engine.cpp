// A scripted USI engine for the tests: it answers the handshake and then plays as its
// first argument says, or else the environment's KAZEBAN_FAKE_ENGINE.
//
//   ordinary  the first move the standard rules allow (resigns with none)
//   resign    "bestmove resign";  win: "bestmove win"
//   illegal   a king two squares forward, which no position allows
//   crash     ends without a word when asked to move
//   hang      never answers "go" (answers "stop")
//   garbage   a line of control characters instead of a move
//   mute      never answers "usi"
//
// The second argument is a delay in milliseconds before every bestmove (20 ms).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

#include "interop/sfen.h"
#include "interop/standard_rules.h"

int main(int argc, char** argv) {
  using namespace kazeban;
  const char* env = std::getenv("KAZEBAN_FAKE_ENGINE");
  const std::string mode = argc > 1 ? argv[1] : env != nullptr ? env : "ordinary";
  const int delay = argc > 2 ? std::atoi(argv[2]) : 20;
  std::cout << "fake engine for tests\n" << std::flush;
  Position p = 平手局面();
  std::string line;
  while (std::getline(std::cin, line)) {
    if (line == "usi") {
      if (mode == "mute") continue;
      std::cout << "id name Fake " << mode << "\nid author KAZEBAN tests\n"
                << "option name Skill Level type spin default 20 min 0 max 20\n"
                << "option name Style type combo default Normal var Solid var Normal\n"
                << "usiok\n"
                << std::flush;
    } else if (line == "isready") {
      std::cout << "readyok\n" << std::flush;
    } else if (line.starts_with("position")) {
      const SFEN読込結果 r = SFEN_解析(line);
      if (!r.成功) {
        std::cout << "info string bad position\n" << std::flush;
        continue;
      }
      p = r.局面;
      for (const 棋譜の手& m : r.手) 指す(p, m);
    } else if (line.starts_with("go")) {
      if (mode == "hang") continue;
      if (mode == "crash") std::_Exit(3);
      std::this_thread::sleep_for(std::chrono::milliseconds(delay));
      std::cout << "info depth 1 score cp 0\n";
      if (mode == "garbage") {
        std::cout << "\x01\x02\x7f garbage\n" << std::flush;
        continue;
      }
      std::string move = "resign";
      if (mode == "win") move = "win";
      if (mode == "illegal") move = p.toMove == Color::Black ? "5i5g" : "5a5c";
      棋譜の手 legal[標準手の最大数];
      if (mode == "ordinary" && 合法手一覧(p, legal) > 0) move = USI_指し手(legal[0]);
      std::cout << "bestmove " << move << "\n" << std::flush;
    } else if (line == "stop") {
      std::cout << "bestmove resign\n" << std::flush;
    } else if (line == "quit") {
      return 0;
    }
  }
  return 0;
}
