// Reading and writing a 500-move game in each record format.
// Run: build/release/bench/kazeban-bench-interop
#include <benchmark/benchmark.h>

#include <random>

#include "interop/record_formats.h"
#include "interop/standard_rules.h"

namespace {

using namespace kazeban;

// A game of 500 moves chosen at random among the legal ones (the first seed whose
// game lasts that long).
const 対局棋譜& 長い対局() {
  static const 対局棋譜 game = [] {
    for (unsigned seed = 1;; ++seed) {
      対局棋譜 g;
      g.開始局面 = 平手局面();
      g.手合割 = "平手";
      g.先手名 = "先手";
      g.後手名 = "後手";
      g.終局 = "中断";
      std::mt19937 rng(seed);
      Position p = g.開始局面;
      棋譜の手 list[標準手の最大数];
      while (g.手.size() < 500) {
        const int n = 合法手一覧(p, list);
        if (n == 0) break;
        const 棋譜の手 m = list[std::uniform_int_distribution<int>(0, n - 1)(rng)];
        g.手.push_back(m);
        指す(p, m);
      }
      if (g.手.size() == 500) return g;
    }
  }();
  return game;
}

void 書出(benchmark::State& state, 棋譜形式 f) {
  const 対局棋譜& g = 長い対局();
  for (auto _ : state) {
    書出結果 r = 対局棋譜_書出(g, f);
    benchmark::DoNotOptimize(r);
  }
}

void 読込(benchmark::State& state, 棋譜形式 f) {
  const std::string bytes = 対局棋譜_書出(長い対局(), f).バイト列;
  for (auto _ : state) {
    対局棋譜読込結果 r = 対局棋譜_解析(bytes);
    if (!r.成功 || r.棋譜.手.size() != 500) state.SkipWithError("the game was not read back");
    benchmark::DoNotOptimize(r);
  }
}

BENCHMARK_CAPTURE(書出, KIF, 棋譜形式::KIF)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(書出, KIFU, 棋譜形式::KIFU)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(書出, CSA, 棋譜形式::CSA)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(書出, USI, 棋譜形式::USI)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(書出, SFEN, 棋譜形式::SFEN)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(読込, KIF, 棋譜形式::KIF)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(読込, KIFU, 棋譜形式::KIFU)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(読込, CSA, 棋譜形式::CSA)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(読込, USI, 棋譜形式::USI)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
