// Speed of the window: from the person's two clicks to the move drawn on the screen,
// and to the computer's reply drawn on the screen, with the real Qt drawing surface on
// the offscreen platform. The target is one frame (16 ms).
// With the journal, the move's time with the game's file written off the window's
// thread, on this disk and on one whose every fsync is 5 ms slower, and with the file
// written before the move returns (as the journal once did).
// Run: build/release/bench/kazeban-bench-window
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest/QtTest>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <thread>

#include "app/board_view.h"
#include "app/main_window.h"
#include "app/window_controls.h"
#include "display/board_drawing.h"
#include "display/piece_drawing.h"
#include "play/form.h"
#include "positions.h"
#include "record/journal_window.h"
#include "record/journal_writer.h"

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

// A disk on which every fsync takes 5 ms longer (a slow disk, a USB stick): each file
// written is synced twice, itself and its folder.
class SlowDisk : public kazeban::実の記録ポート {
 public:
  kazeban::置換結果 新規作成(const std::string& path, std::string_view bytes) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return 実の記録ポート::新規作成(path, bytes);
  }
  kazeban::置換結果 置換(const std::string& path, std::string_view bytes) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return 実の記録ポート::置換(path, bytes);
  }
};

enum class Journal {
  None,
  Window,           // the window's own: written off the window's thread
  SlowDisk,         // the same on a disk whose every fsync is 5 ms slower
  OnWindowsThread,  // every file written before the move returns, for comparison
};

// One move per iteration: both kings step forward and back in turn. Each iteration is
// two real mouse clicks through Qt, the game's handling and drawing, and the repaint
// of the window until no event is left.
void TwoClicksMove(benchmark::State& state, bool guidance, Journal journal = Journal::None) {
  // With the journal, every move also replaces the game's file (written, flushed to the
  // disk, renamed, the folder flushed) in a folder of the temporary directory.
  QTemporaryDir folder;
  SlowDisk slow;
  kazeban::実の記録ポート disk;
  std::unique_ptr<kazeban::後書きポート> writer;
  std::unique_ptr<kazeban::窓の対局記録> hook;
  if (journal == Journal::SlowDisk) {
    writer = std::make_unique<kazeban::後書きポート>(slow);
    hook = std::make_unique<kazeban::窓の対局記録>(*writer, folder.path().toStdString());
  } else if (journal == Journal::OnWindowsThread) {
    hook = std::make_unique<kazeban::窓の対局記録>(disk, folder.path().toStdString());
  }
  if (journal == Journal::Window) qputenv("KAZEBAN_JOURNAL_DIR", folder.path().toUtf8());
  auto window = OpenWindow(guidance);
  qputenv("KAZEBAN_JOURNAL_DIR", QByteArray());
  if (hook) window->form().記録先 = hook.get();
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
  // What the writer still holds goes to the disk, outside the clock.
  kazeban::記録を書き終える(window->form());
  if (journal != Journal::None && QDir(folder.path()).isEmpty()) {
    state.SkipWithError("no game was kept");
  }
  state.SetItemsProcessed(n);
}

void BM_TwoClicksMove(benchmark::State& state) {
  TwoClicksMove(state, false);
}
void BM_TwoClicksMoveWithGuidance(benchmark::State& state) {
  TwoClicksMove(state, true);
}
void BM_TwoClicksMoveWithJournal(benchmark::State& state) {
  TwoClicksMove(state, false, Journal::Window);
}
void BM_TwoClicksMoveWithJournalSlowDisk(benchmark::State& state) {
  TwoClicksMove(state, false, Journal::SlowDisk);
}
void BM_TwoClicksMoveWithJournalOnWindowsThread(benchmark::State& state) {
  TwoClicksMove(state, false, Journal::OnWindowsThread);
}

// One move of the person and the computer's reply per iteration, in the middle game
// with pieces in both hands (the computer tries its drops too), at `level`. Each
// iteration starts from the same position and influence map; the clock runs from the
// person's first click until the reply is on the screen and no event is left.
void MoveAndReply(benchmark::State& state, int level) {
  auto window = OpenWindow(false);
  kazeban::Form1& f = window->form();
  f.待機 = [](int) {};
  window->item(QStringLiteral("SENTE"))->trigger();
  const kazeban::GameState game = f.s;
  f.s = kazeban::bench::中盤();
  f.s.TEBAN = game.TEBAN;
  f.s.SITA_SENGO = game.SITA_SENGO;
  f.s.UE_SENGO = game.UE_SENGO;
  f.s.TAIKYOKU_SYU = game.TAIKYOKU_SYU;
  f.s.COM_LEVEL = level;
  kazeban::描画_盤(f.g, f.s);
  kazeban::描画_自持盤(f.g, f.s);
  kazeban::描画_敵持盤(f.g, f.s);
  QCoreApplication::processEvents();
  const kazeban::GameState start = f.s;
  const kazeban::勢力図 map = f.勢力;
  bool replied = true;
  for (auto _ : state) {
    state.PauseTiming();
    f.s = start;
    f.勢力 = map;
    state.ResumeTiming();
    // The person's pawn on (2, 7) steps forward; the computer replies.
    Click(*window, 2, 7);
    Click(*window, 2, 6);
    QCoreApplication::processEvents();
    replied = replied && f.s.KIFU_SUU == 2 && f.s.TEBAN == f.s.SITA_SENGO;
  }
  if (!replied) state.SkipWithError("the person's move or the computer's reply was not made");
  state.SetItemsProcessed(state.iterations());
}

void BM_MoveAndReplyLevel1(benchmark::State& state) {
  MoveAndReply(state, 1);
}
void BM_MoveAndReplyLevel2(benchmark::State& state) {
  MoveAndReply(state, 2);
}
void BM_MoveAndReplyLevel3(benchmark::State& state) {
  MoveAndReply(state, 3);
}

}  // namespace

BENCHMARK(BM_MoveAndReplyLevel1)
    ->Name("window/move_and_reply/level1")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveAndReplyLevel2)
    ->Name("window/move_and_reply/level2")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveAndReplyLevel3)
    ->Name("window/move_and_reply/level3")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwoClicksMove)->Name("window/two_clicks_move")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwoClicksMoveWithGuidance)
    ->Name("window/two_clicks_move_with_guidance")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwoClicksMoveWithJournal)
    ->Name("window/two_clicks_move_with_journal")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwoClicksMoveWithJournalSlowDisk)
    ->Name("window/two_clicks_move_with_journal_slow_disk")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwoClicksMoveWithJournalOnWindowsThread)
    ->Name("window/two_clicks_move_with_journal_on_windows_thread")
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  // Offscreen unless told otherwise; the sound library silent and quick to open.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  // No journal unless a benchmark asks for one.
  setenv("KAZEBAN_JOURNAL_DIR", "", 1);
  QApplication app(argc, argv);
  InstallFontSubstitutes();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
