// Where the drawing procedures draw: the surface, and the one piece of state the
// window's font keeps between calls (it turns bold when the board coordinates are
// first drawn and stays bold for all later text).
#pragma once

#include "display/surface.h"

namespace kazeban {

struct 画面 {
  Surface& surface;
  bool 太字 = false;
};

// Twips of grid point (x, y): square (i, j) spans grid points (i, j) to (i + 1, j + 1).
constexpr double グリッドX(double x) {
  return 1100.0 + x * 495.0;
}
constexpr double グリッドY(double y) {
  return 100.0 + y * 615.0;
}

}  // namespace kazeban
