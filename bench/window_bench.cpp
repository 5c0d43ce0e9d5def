// Speed of the window: from the person's two clicks to the move drawn on the screen,
// with the real Qt drawing surface on the offscreen platform. The target is one frame
// (16 ms). Run: build/release/bench/kazeban-bench-window
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QtTest/QtTest>

#include <cstdlib>
#include <memory>

#include "app/board_view.h"
#include "app/main_window.h"
#include "app/window_controls.h"
#include "play/form.h"

namespace {

std::unique_ptr<MainWindow> OpenWindow(bool guidance) {
  auto window = std::make_unique<MainWindow>(QStringLiteral(KAZEBAN_SOUND_FOLDER));
  window->controls().answerBox = [](const QString&, const QString&, bool) { return true; };
  window->Load();
  window->show();
  (void)QTest::qWaitForWindowExposed(window.get());
  window->item(QStringLiteral("START"))->trigger();
  if (guidance) window->item(QStringLiteral("SIDOU"))->trigger();
  QCoreApplication::processEvents();
  return window;
}

void Click(MainWindow& w, int i, int j) {
  const QPointF p = w.view().FromTwips(kazeban::BAN_X0 + kazeban::MASU_W * (i + 0.5),
                                       kazeban::BAN_Y0 + kazeban::MASU_H * (j + 0.5));
  QTest::mouseClick(&w.view(), Qt::LeftButton, {}, p.toPoint());
}

// One move per iteration: both kings step forward and back in turn. Each iteration is
// two real mouse clicks through Qt, the game's handling and drawing, and the repaint
// of the window until no event is left.
void TwoClicksMove(benchmark::State& state, bool guidance) {
  auto window = OpenWindow(guidance);
  kazeban::GameState& s = window->form().s;
  static constexpr int moves[4][4] = {{5, 9, 5, 8}, {5, 1, 5, 2}, {5, 8, 5, 9}, {5, 2, 5, 1}};
  int n = 0;
  for (auto _ : state) {
    const int* m = moves[n % 4];
    Click(*window, m[0], m[1]);
    Click(*window, m[2], m[3]);
    QCoreApplication::processEvents();
    ++n;
    // Keep the record from filling up (a full record refuses moves).
    if (s.KIFU_SUU > 400) s.KIFU_SUU = s.KIFU_SAIGO = 0;
  }
  // Every pair of clicks must have made its move.
  if (s.TESUU != n) state.SkipWithError("a move was refused");
  state.SetItemsProcessed(n);
}

void BM_TwoClicksMove(benchmark::State& state) {
  TwoClicksMove(state, false);
}
void BM_TwoClicksMoveWithGuidance(benchmark::State& state) {
  TwoClicksMove(state, true);
}

}  // namespace

BENCHMARK(BM_TwoClicksMove)->Name("window/two_clicks_move")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwoClicksMoveWithGuidance)
    ->Name("window/two_clicks_move_with_guidance")
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  // Offscreen unless told otherwise; the sound library silent and quick to open.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  QApplication app(argc, argv);
  InstallFontSubstitutes();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
