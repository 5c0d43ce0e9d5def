// kazeban-usi: KAZEBAN's computer player for other shogi programs, speaking USI over
// standard input and output.
#include <cstdio>
#include <string>
#include <string_view>

#include "usi_engine.h"

namespace {

// A line longer than this is not a command of any shogi program: it is skipped whole.
constexpr size_t 行の上限 = 1 << 20;

void 書く(const std::string& text) {
  if (text.empty()) return;
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

// Reads one line without its end into `line`, whatever bytes it holds; false at the
// end of the input with nothing read. `too_long` tells that the line was longer than
// the limit: only its first 1 MiB is kept.
bool 一行(std::string& line, bool& too_long) {
  line.clear();
  too_long = false;
  int c = std::getc(stdin);
  if (c == EOF) return false;
  for (; c != EOF && c != '\n'; c = std::getc(stdin)) {
    if (line.size() < 行の上限) {
      line += static_cast<char>(c);
    } else {
      too_long = true;
    }
  }
  return true;
}

int 使い方(FILE* to) {
  std::fprintf(to,
               "usage: kazeban-usi [--help | --version]\n"
               "KAZEBAN's computer player as a USI engine: add it to a shogi program as an\n"
               "engine, or type USI commands (usi, isready, position startpos, go, quit).\n"
               "Options: Level (1-3, default 3), KazebanRules (default false: standard\n"
               "shogi; true: the moves KAZEBAN itself allows).\n");
  return to == stdout ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    const std::string_view a = argv[1];
    if (argc == 2 && (a == "--help" || a == "-h")) return 使い方(stdout);
    if (argc == 2 && a == "--version") {
      std::printf("kazeban-usi %s\n", KAZEBAN_VERSION);
      return 0;
    }
    return 使い方(stderr);
  }
  kazeban::USI対話 engine;
  std::string line;
  std::string out;
  bool too_long = false;
  while (一行(line, too_long)) {
    out.clear();
    if (too_long) {
      engine.飛ばした行(line, out);
      書く(out);
      continue;
    }
    const bool more = engine.行(line, out);
    書く(out);
    if (!more) break;
  }
  return 0;
}
