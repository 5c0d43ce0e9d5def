// The window's review and record commands under test: the play fixture (a Form1 over
// a recording surface, fake controls and the fake sound library) that also keeps every
// drawing operation since start-up, so that a test can compare whole screens, and
// compare what the board and the hands show with a fresh drawing of the state.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "display/board_drawing.h"
#include "display/piece_drawing.h"
#include "play_fixture.h"
#include "screen_raster.h"
#include "state_snapshot.h"

namespace kazeban::testing {

class ReviewTest : public PlayTest {
 protected:
  // Form_Load with its drawing kept; what it asked and sounded is forgotten.
  void StartKeepingScreen() {
    Form_Load(*f);
    controls.messages.clear();
    controls.log.clear();
    FakeSound().calls.clear();
  }

  // The screen as every operation drawn so far has left it.
  const ScreenRaster& Screen() {
    for (; painted_ < surface.ops.size(); ++painted_) raster_.Paint(surface.ops[painted_]);
    return raster_;
  }

  // Puts `played` in the window as if it had been played on it: the state, and the
  // board and hands drawn afresh.
  void PutGame(const GameState& played) {
    GameState& s = f->s;
    std::memcpy(s.BAN, played.BAN, sizeof s.BAN);
    std::memcpy(s.SITA_MOCHI, played.SITA_MOCHI, sizeof s.SITA_MOCHI);
    std::memcpy(s.UE_MOCHI, played.UE_MOCHI, sizeof s.UE_MOCHI);
    s.SITA_MOCHI_SU = played.SITA_MOCHI_SU;
    s.UE_MOCHI_SU = played.UE_MOCHI_SU;
    std::memcpy(s.KIFU_MOTO_I, played.KIFU_MOTO_I, sizeof s.KIFU_MOTO_I);
    std::memcpy(s.KIFU_MOTO_J, played.KIFU_MOTO_J, sizeof s.KIFU_MOTO_J);
    std::memcpy(s.KIFU_SAKI_I, played.KIFU_SAKI_I, sizeof s.KIFU_SAKI_I);
    std::memcpy(s.KIFU_SAKI_J, played.KIFU_SAKI_J, sizeof s.KIFU_SAKI_J);
    std::memcpy(s.KIFU_TORI, played.KIFU_TORI, sizeof s.KIFU_TORI);
    std::memcpy(s.KIFU_KOMA, played.KIFU_KOMA, sizeof s.KIFU_KOMA);
    std::memcpy(s.KIFU_NARI, played.KIFU_NARI, sizeof s.KIFU_NARI);
    s.KIFU_SUU = played.KIFU_SUU;
    s.KIFU_SAIGO = played.KIFU_SAIGO;
    s.TESUU = played.TESUU;
    s.SITA_SENGO = played.SITA_SENGO;
    s.UE_SENGO = played.UE_SENGO;
    描画_盤(f->g, s);
    描画_自持盤(f->g, s);
    描画_敵持盤(f->g, s);
  }

  // True when the board, the hands and their counts on the screen are what a fresh
  // drawing of the state shows.
  bool ScreenShowsThePosition() {
    // The board, then the top side's hand with its counts, then the bottom side's.
    struct Area {
      double x, y, w, h;
    };
    constexpr Area areas[3] = {{1100 + 495, 100 + 615, 495 * 9, 615 * 9},
                               {1100 - 495, 100 + 615, 495 * 2 - 5, 615 * 7},
                               {1100 + 495 * 11, 100 + 615 * 3, 495 + 500, 615 * 7}};
    RecordingSurface fresh;
    画面 g{fresh, true};
    for (const Area& a : areas) fresh.FillBox(a.x, a.y, a.w, a.h, f->s.BAN_IRO);
    描画_盤(g, f->s);
    描画_自持盤(g, f->s);
    描画_敵持盤(g, f->s);
    fresh_.Paint(fresh.ops);
    const ScreenRaster& now = Screen();
    for (const Area& a : areas) {
      if (!now.SameIn(fresh_, a.x, a.y, a.w, a.h)) return false;
    }
    return true;
  }

  // The titles and texts of the boxes shown, "title: text" each.
  std::vector<std::string> Boxes() const {
    std::vector<std::string> out;
    for (const FakeControls::Message& m : controls.messages) out.push_back(m.title + ": " + m.text);
    return out;
  }

  // The buffers played, in order.
  std::vector<int32_t> Sounds() const { return FakeSound().ArgumentsOf("dsPlay"); }

  void ShowPanel() {
    controls.SetListsVisible(true, true, true);
    controls.SetNamePanelVisible(true);
  }
  bool PanelHidden() const {
    return !controls.drive_visible && !controls.dir_visible && !controls.file_visible &&
           !controls.name_panel_visible;
  }

 private:
  ScreenRaster raster_;
  size_t painted_ = 0;
  ScreenRaster fresh_;  // where the position is drawn afresh, area by area
};

}  // namespace kazeban::testing
