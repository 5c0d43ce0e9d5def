// What the drawing procedures cost on their own, against a surface that only counts
// the calls: a whole board redraw, the guidance marks of a picked-up rook, and the
// redraw of both hands. The window's own painting comes on top of this.
#include <benchmark/benchmark.h>

#include "display/board_drawing.h"
#include "display/piece_drawing.h"
#include "display/text_drawing.h"
#include "rules/game_state.h"

namespace kazeban {
namespace {

class CountingSurface : public Surface {
 public:
  void FillBox(double, double, double, double, int) override { ++calls; }
  void OutlineBox(double, double, double, double, int) override { ++calls; }
  void DrawPicture(int, double, double) override { ++calls; }
  void DrawText(double, double, std::string_view text, int, bool, int) override {
    calls += static_cast<long>(text.size() > 0);
  }
  void Refresh() override { ++calls; }
  long calls = 0;
};

void BM_WholeBoard(benchmark::State& state) {
  GameState s;
  初期設定_状態(s);
  CountingSurface surface;
  画面 g{surface};
  for (auto _ : state) {
    描画_盤(g, s);
    benchmark::DoNotOptimize(surface.calls);
  }
  state.SetItemsProcessed(state.iterations() * 81);
}
BENCHMARK(BM_WholeBoard)->Name("display/whole_board");

void BM_GuidanceMarks(benchmark::State& state) {
  GameState s;
  初期設定_状態(s);
  s.SIDOU_FLAG = ON;
  s.BAN[8][7] = KARA;  // the rook's file opened
  CountingSurface surface;
  画面 g{surface};
  for (auto _ : state) {
    描画_移動可能桝色(g, s, 8, 8, IRO_15, K_SITA_SYA);
    benchmark::DoNotOptimize(surface.calls);
  }
}
BENCHMARK(BM_GuidanceMarks)->Name("display/guidance_marks");

void BM_HandsAndCaption(benchmark::State& state) {
  GameState s;
  初期設定_状態(s);
  for (int k = 1; k <= 7; ++k) {
    s.SITA_MOCHI[k] = k;
    s.UE_MOCHI[k] = 8 - k;
  }
  CountingSurface surface;
  画面 g{surface};
  for (auto _ : state) {
    描画_自持盤(g, s);
    描画_敵持盤(g, s);
    描画_手数(g, s, 123);
    描画_移動結果(g, s, SITA_KEKKA_X, SITA_KEKKA_Y, 2, 2, K_SITA_NARISYA, s.KEKKA_IRO);
    benchmark::DoNotOptimize(surface.calls);
  }
}
BENCHMARK(BM_HandsAndCaption)->Name("display/hands_number_caption");

}  // namespace
}  // namespace kazeban

BENCHMARK_MAIN();
