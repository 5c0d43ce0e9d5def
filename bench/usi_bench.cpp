// Cost of the USI engine's turn: the designed search with standard shogi's filter
// asked about every candidate, on the turned board for black, against the same
// search under KAZEBAN's own rules; and a whole position command with its moves.
#include <benchmark/benchmark.h>

#include <string>

#include "interop/sfen.h"
#include "usi_engine.h"
#include "usi_turn.h"

namespace kazeban {
namespace {

constexpr const char* 序盤 = "startpos moves 7g7f 3c3d 2g2f 4c4d 2f2e 2b3c 3i4h 8b4b 5i6h";

Position 局面を読む(const char* text) {
  const SFEN読込結果 r = SFEN_解析(text);
  Position p = r.局面;
  for (const 棋譜の手& m : r.手) 指す(p, m);
  return p;
}

void BM_USITurn(benchmark::State& state, const char* text, bool kazebanRules) {
  const Position p = 局面を読む(text);
  int candidates = 0;
  for (auto _ : state) {
    const USI思考結果 r = USI_思考(p, 3, kazebanRules);
    candidates = r.候補数;
    benchmark::DoNotOptimize(r);
  }
  state.counters["candidates"] = candidates;
}
BENCHMARK_CAPTURE(BM_USITurn, start_black_standard, "startpos", false);
BENCHMARK_CAPTURE(BM_USITurn, start_black_kazeban, "startpos", true);
BENCHMARK_CAPTURE(BM_USITurn, opening_white_standard, 序盤, false);
BENCHMARK_CAPTURE(BM_USITurn, opening_white_kazeban, 序盤, true);

// A position command with its moves and go, as a shogi program sends them.
void BM_USIPositionAndGo(benchmark::State& state) {
  std::string text = "position startpos moves";
  const char* const moves[] = {"7g7f", "3c3d", "8h7g", "2b7g+", "8i7g", "8b2b"};
  for (const char* m : moves) text += std::string(" ") + m;
  USI対話 engine;
  std::string out;
  for (auto _ : state) {
    out.clear();
    engine.行(text, out);
    engine.行("go btime 0 wtime 0 byoyomi 1000", out);
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_USIPositionAndGo);

}  // namespace
}  // namespace kazeban

BENCHMARK_MAIN();
