#include "play/form.h"

#include <chrono>
#include <thread>
#include <utility>

#include "display/panel.h"
#include "sound/kazeban_sound.h"

namespace kazeban {

Form1::Form1(Surface& surface, Controls& c, std::vector<std::string> sound_folders, int32_t handle)
    : 控え(surface),
      g{控え, false, 表示言語::日本語, &控え},
      controls(c),
      warning(c),
      window_handle(handle) {
  sound.音声フォルダ = std::move(sound_folders);
}

Form1::Form1(Surface& surface, Controls& c, std::string sound_folder, int32_t handle)
    : Form1(surface, c, std::vector<std::string>{std::move(sound_folder)}, handle) {}

void 待ち時間(int count) {
  using Clock = std::chrono::system_clock;
  for (int i = 1; i <= count; ++i) {
    // Sleep to the start of the next whole second, and again if woken early, until
    // the second read from the clock differs from the one read first.
    const auto start = std::chrono::floor<std::chrono::seconds>(Clock::now());
    while (std::chrono::floor<std::chrono::seconds>(Clock::now()) == start) {
      std::this_thread::sleep_until(start + std::chrono::seconds(1));
    }
  }
}

void パネル_隠す(Form1& f) {
  描画_可視(f.controls, false, false, false);
  描画_棋譜_IO(f.controls, 1);
}

void 指し手を記録(Form1& f) {
  if (f.記録先 != nullptr) f.記録先->指した(f);
}

void 記録を書き終える(Form1& f) {
  if (f.記録先 != nullptr) f.記録先->書き終える(f);
}

void 拒否(Form1& f, std::string_view title, std::string_view text) {
  dsPlay(f.handles.SND_KINSI);
  f.controls.MessageOK(title, text);
}

}  // namespace kazeban
