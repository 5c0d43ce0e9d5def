// Showing and hiding the parts of the record-file panel.
#pragma once

#include "display/controls.h"

namespace kazeban {

// The drive, directory and file lists visible or not.
void 描画_可視(Controls& c, bool drive, bool dir, bool file);

// flag 0 shows the name boxes, their labels and "RETURN" (the boxes keep their text);
// any other flag empties the four boxes and hides all of them.
void 描画_棋譜_IO(Controls& c, int flag);

}  // namespace kazeban
