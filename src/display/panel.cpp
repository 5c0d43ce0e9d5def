#include "display/panel.h"

namespace kazeban {

void 描画_可視(Controls& c, bool drive, bool dir, bool file) {
  c.SetListsVisible(drive, dir, file);
}

void 描画_棋譜_IO(Controls& c, int flag) {
  if (flag == 0) {
    c.SetNamePanelVisible(true);
    return;
  }
  // Hiding forgets what was typed, so the next showing starts with empty boxes.
  for (int box = 1; box <= 4; ++box) c.SetPanelText(box, "");
  c.SetNamePanelVisible(false);
}

}  // namespace kazeban
