// Feeds arbitrary bytes, split into lines, to the USI engine's command reader. Every
// line must be answered with whole lines of 7-bit ASCII only, never crash, and every
// "go" must end in exactly one bestmove (or be held back until stop): a move the
// position allows under the rules in force, or resign.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "interop/sfen.h"
#include "interop/standard_rules.h"
#include "usi_engine.h"

namespace {

void require(bool ok, const char* what, const std::string& out) {
  if (!ok) {
    std::fprintf(stderr, "usi command reader: %s\n%s\n", what, out.c_str());
    std::abort();
  }
}

bool 空白(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The command word of a line, as the reader finds it.
std::string_view 第一語(std::string_view line) {
  size_t a = 0;
  while (a < line.size() && 空白(line[a])) ++a;
  size_t b = a;
  while (b < line.size() && !空白(line[b])) ++b;
  return line.substr(a, b - a);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kazeban;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  USI対話 engine;
  std::string last_position;
  bool rules_at_go = false;
  size_t start = 0;
  while (start <= bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view line = bytes.substr(start, end - start);
    start = end + 1;
    const bool kazeban = engine.kazebanRules();
    std::string out;
    const bool more = engine.行(line, out);
    require(out.empty() || out.back() == '\n', "an answer without its line end", out);
    for (const char c : out) {
      require(static_cast<unsigned char>(c) < 0x80, "an answer that is not ASCII", out);
    }
    if (第一語(line) == "position") last_position = std::string(line);
    const size_t at = out.find("bestmove ");
    if (at != std::string::npos) {
      require(out.find("bestmove ", at + 1) == std::string::npos, "two bestmoves", out);
    }
    // Every move, answered at once or held back until stop, fits the last position
    // under the rules in force when go was sent: a new position drops a held answer.
    if (第一語(line) == "go") rules_at_go = kazeban;
    if (at != std::string::npos) {
      const std::string mv = out.substr(at + 9, out.find('\n', at) - at - 9);
      if (mv != "resign") {
        const SFEN読込結果 r = USI_局面読込(last_position, rules_at_go);
        require(r.成功, "a move for a position that was refused", out);
        Position p = r.局面;
        for (const 棋譜の手& m : r.手) 指す(p, m);
        棋譜の手 m;
        require(USI_指し手解析(p, mv, m), "a bestmove that does not read", out);
        const 標準判定結果 j = 標準判定(p, m);
        require(j == 標準判定結果::合法 ||
                    (rules_at_go && (j == 標準判定結果::王手放置 || j == 標準判定結果::打ち歩詰め)),
                "a bestmove the rules forbid", out);
      }
    }
    if (!more) break;
  }
  return 0;
}
