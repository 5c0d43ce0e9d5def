#include "play/options.h"

#include "display/board_drawing.h"
#include "sound/kazeban_sound.h"

namespace kazeban {

void OPTION_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  パネル_隠す(f);
}

void SIDOU_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  GameState& s = f.s;
  if (f.controls.IsChecked(MenuCheck::SIDOU)) {
    // On to off: 1-2. plain outlines on the board and on both hands' squares,
    // 3. the marks' colour becomes the plain one.
    for (int i = 1; i <= BAN_SUU; ++i) {
      for (int j = 1; j <= BAN_SUU; ++j) 描画_桝輪郭(f.g, s.MASU_IRO, i, j);
    }
    for (int k = 1; k <= 7; ++k) {
      描画_桝輪郭(f.g, s.MASU_IRO, -1, k);
      描画_桝輪郭(f.g, s.MASU_IRO, 11, k + 2);
    }
    f.controls.SetChecked(MenuCheck::SIDOU, false);
    s.SIDOU_FLAG = 0;
    s.SIDOU_IRO = s.MASU_IRO;
  } else {
    // Off to on: white marks from the next selection.
    f.controls.SetChecked(MenuCheck::SIDOU, true);
    s.SIDOU_FLAG = 1;
    s.SIDOU_IRO = IRO_15;
  }
}

void BGM_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  if (!f.controls.IsChecked(MenuCheck::BGM)) {
    f.controls.SetChecked(MenuCheck::BGM, true);
    dsPlayLooping(f.handles.SND_BGM);
  } else {
    f.controls.SetChecked(MenuCheck::BGM, false);
    dsStop(f.handles.SND_BGM);
  }
}

}  // namespace kazeban
