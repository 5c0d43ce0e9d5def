// How fast the legality test answers: every destination for every piece of the
// starting position, drops from a full hand included.
#include <benchmark/benchmark.h>

#include "rules/move_check.h"
#include "rules/pieces.h"
#include "rules/promotion.h"

namespace kazeban {
namespace {

void BM_MoveCheckStartingPosition(benchmark::State& state) {
  GameState s;
  初期設定_状態(s);
  調査_2歩フラグ設定(s);
  for (auto _ : state) {
    int legal = 0;
    for (int i = 1; i <= BAN_SUU; ++i) {
      for (int j = 1; j <= BAN_SUU; ++j) {
        const int code = s.BAN[i][j];
        if (code == KARA) continue;
        for (int x = 1; x <= BAN_SUU; ++x) {
          for (int y = 1; y <= BAN_SUU; ++y) legal += 移動チェック(s, i, j, x, y, code);
        }
      }
    }
    benchmark::DoNotOptimize(legal);
  }
  state.SetItemsProcessed(state.iterations() * 40 * 81);
}
BENCHMARK(BM_MoveCheckStartingPosition)->Name("move_check/start/all_pieces");

void BM_MoveCheckDrops(benchmark::State& state) {
  GameState s;
  初期設定_状態(s);
  s.BAN[5][7] = KARA;  // room for pawn drops in one column
  調査_2歩フラグ設定(s);
  for (auto _ : state) {
    int legal = 0;
    for (int k = 1; k <= 7; ++k) {
      for (int x = 1; x <= BAN_SUU; ++x) {
        for (int y = 1; y <= BAN_SUU; ++y) {
          legal += 移動チェック(s, -1, k, x, y, 持駒_UEコード(k));
          legal += 移動チェック(s, 11, k + 2, x, y, 持駒_SITAコード(k));
        }
      }
    }
    benchmark::DoNotOptimize(legal);
  }
  state.SetItemsProcessed(state.iterations() * 14 * 81);
}
BENCHMARK(BM_MoveCheckDrops)->Name("move_check/start/drops_all_kinds");

}  // namespace
}  // namespace kazeban

BENCHMARK_MAIN();
