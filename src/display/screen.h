// Where the drawing procedures draw: the surface, and the one piece of state the
// window's font keeps between calls (it turns bold when the board coordinates are
// first drawn and stays bold for all later text).
#pragma once

#include "display/surface.h"

namespace kazeban {

// The language of the texts beside the board. Japanese is the game's own; in English
// the move captions are in Western notation and the window translates the fixed texts.
enum class 表示言語 { 日本語, 英語 };

class 文字の控え;

struct 画面 {
  Surface& surface;
  bool 太字 = false;
  表示言語 言語 = 表示言語::日本語;
  // Where the texts that depend on the language are noted as they are drawn, so that a
  // change of language can draw them again; none in drawings that never change it.
  文字の控え* 控え = nullptr;
};

// Twips of grid point (x, y): square (i, j) spans grid points (i, j) to (i + 1, j + 1).
constexpr double グリッドX(double x) {
  return 1100.0 + x * 495.0;
}
constexpr double グリッドY(double y) {
  return 100.0 + y * 615.0;
}

}  // namespace kazeban
