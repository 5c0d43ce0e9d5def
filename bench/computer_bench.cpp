// How fast the computer thinks: the survey, one evaluation, and whole turns at each
// level on fixed positions. Before the timings it prints a signature, the sum of the
// chosen moves' exact scores over the positions at each level: a change that is
// meant only to speed things up must leave it as it was.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "computer/evaluation.h"
#include "computer/evaluation_helpers.h"
#include "computer/search.h"
#include "computer/survey.h"
#include "positions.h"

namespace kazeban {
namespace {

using 局面関数 = GameState (*)();

struct 盤面 {
  const char* name;
  局面関数 make;
};
constexpr 盤面 盤面一覧[] = {
    {"start", bench::初形}, {"midgame", bench::中盤}, {"all_kinds_in_hand", bench::全種持ち}};

// One whole turn of the search on s at the given level.
COM結果 一手(GameState& s, 勢力図& m, COM記録& r, int level) {
  s.COM_LEVEL = level;
  COM_準備(s, m, r);
  return COM_探索(s, m, r);
}

void BM_Survey(benchmark::State& state, 局面関数 make) {
  GameState s = make();
  勢力図 m;
  for (auto _ : state) {
    勢力調査(s, m);
    benchmark::DoNotOptimize(m);
  }
}

// The evaluation of one candidate, the computer's pawn from (5, 3) to (5, 4), with
// the map of the position after it surveyed once.
void BM_Evaluate(benchmark::State& state, 局面関数 make, int level) {
  GameState s = make();
  勢力図 m;
  COM記録 r;
  s.COM_LEVEL = level;
  COM_準備(s, m, r);
  r.IDOU_KOMA = s.BAN[5][3];
  s.BAN[5][4] = s.BAN[5][3];
  s.BAN[5][3] = KARA;
  勢力調査(s, m);
  for (auto _ : state) {
    benchmark::DoNotOptimize(盤評価(s, m, r, KARA, r.IDOU_KOMA, 5, 3, 5, 4));
  }
}

void BM_DangerSweep(benchmark::State& state, 局面関数 make) {
  GameState s = make();
  勢力図 m;
  COM記録 r;
  COM_準備(s, m, r);
  for (auto _ : state) {
    benchmark::DoNotOptimize(盤評価_COM危険座標(s, m, r, K_UE_HU, 5, 4));
  }
}

void BM_Turn(benchmark::State& state, 局面関数 make, int level) {
  GameState s = make();
  static 勢力図 m;
  static COM記録 r;
  COM結果 res;
  for (auto _ : state) {
    res = 一手(s, m, r, level);
    benchmark::DoNotOptimize(res);
  }
  state.counters["candidates"] = res.候補数;
  state.counters["score"] = res.点 / 10.0;
}

// The bench signature: per level, the sum of the chosen scores in tenths.
void 署名を出す() {
  long total = 0;
  std::printf("bench signature:");
  for (int level = 1; level <= 3; ++level) {
    long sum = 0;
    for (const 盤面& p : 盤面一覧) {
      GameState s = p.make();
      勢力図 m;
      COM記録 r;
      sum += 一手(s, m, r, level).点;
    }
    std::printf(" level%d=%ld", level, sum);
    total += sum;
  }
  std::printf(" total=%ld (tenths)\n", total);
}

void 登録() {
  for (const 盤面& p : 盤面一覧) {
    benchmark::RegisterBenchmark((std::string("survey/") + p.name).c_str(), BM_Survey, p.make);
  }
  for (int level = 1; level <= 3; ++level) {
    benchmark::RegisterBenchmark(("evaluate/level" + std::to_string(level) + "/midgame").c_str(),
                                 BM_Evaluate, bench::中盤, level);
  }
  benchmark::RegisterBenchmark("danger_sweep/midgame", BM_DangerSweep, bench::中盤);
  for (int level = 1; level <= 3; ++level) {
    for (const 盤面& p : 盤面一覧) {
      benchmark::RegisterBenchmark(("com_ban/level" + std::to_string(level) + "/" + p.name).c_str(),
                                   BM_Turn, p.make, level);
    }
  }
}

}  // namespace
}  // namespace kazeban

int main(int argc, char** argv) {
  kazeban::署名を出す();
  kazeban::登録();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
