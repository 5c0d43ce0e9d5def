// What the window would show after a list of drawing operations, for comparing two
// screens in tests without a toolkit: the operations recorded by RecordingSurface are
// painted onto a grid of cells one logical pixel (15 twips) square, each cell keeping
// what was painted on it last. A filled box sets its colour (its right and bottom edges
// included, as the window fills them), an outline sets its four edges, a picture sets
// 33 × 41 cells (the title 118 × 39) to cells of that picture, and a text sets the
// cells its glyphs would roughly cover (a point is 4/3 of a pixel; an ASCII or
// half-width katakana character is half as wide as a full-width one) to cells of that
// text, so that a text is gone exactly when a box is filled over it.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "display/surface.h"
#include "recording_surface.h"

namespace kazeban::testing {

class ScreenRaster {
 public:
  static constexpr int kWidth = 560;   // 8400 twips
  static constexpr int kHeight = 480;  // 7200 twips

  ScreenRaster() : cells_(kWidth * kHeight, Colour(2)) {}

  // Paints the operations in order over what is there.
  void Paint(const std::vector<DrawOp>& ops) {
    for (const DrawOp& op : ops) Paint(op);
  }

  void Paint(const DrawOp& op) {
    switch (op.kind) {
      case DrawOp::Fill:
        Plain(Px(op.x), Px(op.y), Px(op.x + op.w), Px(op.y + op.h), Colour(op.colour));
        break;
      case DrawOp::Outline: {
        const int l = Px(op.x), t = Px(op.y), r = Px(op.x + op.w), b = Px(op.y + op.h);
        const uint32_t c = Colour(op.colour);
        Plain(l, t, r, t, c);
        Plain(l, b, r, b, c);
        Plain(l, t, l, b, c);
        Plain(r, t, r, b, c);
        break;
      }
      case DrawOp::Picture: {
        const bool title = op.picture == PICTURE_KAZEBAN;
        const int w = title ? 118 : 33, h = title ? 39 : 41;
        const int l = Px(op.x), t = Px(op.y);
        Box(l, t, l + w - 1, t + h - 1, [&](int x, int y) {
          return Mix(0x50000000u, static_cast<uint32_t>(op.picture), x - l, y - t);
        });
        break;
      }
      case DrawOp::Text: {
        const double em = op.size * 4.0 / 3.0;
        const int l = Px(op.x), t = Px(op.y);
        const int w = static_cast<int>(std::ceil(Ems(op.text) * em));
        const int h = static_cast<int>(std::ceil(em * 1.25));
        const uint32_t id = static_cast<uint32_t>(
            std::hash<std::string>{}(op.text + "|" + std::to_string(op.size) + "|" +
                                     std::to_string(op.bold) + "|" + std::to_string(op.colour)));
        Box(l, t, l + w - 1, t + h - 1,
            [&](int x, int y) { return Mix(0x60000000u, id, x - l, y - t); });
        break;
      }
      case DrawOp::Refresh:
        break;
    }
  }

  bool operator==(const ScreenRaster& o) const { return cells_ == o.cells_; }

  // True when the two rasters agree on every cell of the box from (x, y) twips, w × h.
  bool SameIn(const ScreenRaster& o, double x, double y, double w, double h) const {
    for (int py = Px(y); py <= Px(y + h); ++py) {
      for (int px = Px(x); px <= Px(x + w); ++px) {
        if (Inside(px, py) && cells_[Index(px, py)] != o.cells_[Index(px, py)]) return false;
      }
    }
    return true;
  }

  // How many cells differ from the other raster's.
  int Differences(const ScreenRaster& o) const {
    int n = 0;
    for (size_t k = 0; k < cells_.size(); ++k) n += cells_[k] != o.cells_[k];
    return n;
  }

 private:
  static int Px(double twips) { return static_cast<int>(std::lround(twips / 15.0)); }
  static bool Inside(int x, int y) { return x >= 0 && x < kWidth && y >= 0 && y < kHeight; }
  static size_t Index(int x, int y) { return static_cast<size_t>(y) * kWidth + x; }
  static uint32_t Colour(int c) { return 0x10000000u | static_cast<uint32_t>(c & 0xff); }
  static uint32_t Mix(uint32_t kind, uint32_t id, int dx, int dy) {
    const uint32_t v = id * 2654435761u ^ static_cast<uint32_t>(dx) * 73856093u ^
                       static_cast<uint32_t>(dy) * 19349663u;
    return kind | (v & 0x0fffffffu);
  }

  // Width of a UTF-8 text in ems: half an em for ASCII and half-width katakana.
  static double Ems(std::string_view text) {
    double ems = 0;
    for (size_t k = 0; k < text.size();) {
      const unsigned char c = static_cast<unsigned char>(text[k]);
      const size_t len = c < 0x80 ? 1 : c < 0xe0 ? 2 : c < 0xf0 ? 3 : 4;
      // U+FF61..U+FF9F (half-width katakana) start with EF BD A1..EF BE 9F.
      const bool half_kana = len == 3 && c == 0xef && k + 1 < text.size() &&
                             (static_cast<unsigned char>(text[k + 1]) == 0xbd ||
                              static_cast<unsigned char>(text[k + 1]) == 0xbe);
      ems += (len == 1 || half_kana) ? 0.5 : 1.0;
      k += len;
    }
    return ems;
  }

  // The cells from (l, t) to (r, b), both included, set to one value.
  void Plain(int l, int t, int r, int b, uint32_t value) {
    l = l < 0 ? 0 : l;
    r = r >= kWidth ? kWidth - 1 : r;
    for (int y = t < 0 ? 0 : t; y <= b && y < kHeight; ++y) {
      if (l <= r) std::fill(cells_.begin() + Index(l, y), cells_.begin() + Index(r, y) + 1, value);
    }
  }

  // The same with a value for each cell.
  template <typename F>
  void Box(int l, int t, int r, int b, F value) {
    for (int y = t; y <= b; ++y) {
      for (int x = l; x <= r; ++x) {
        if (Inside(x, y)) cells_[Index(x, y)] = value(x, y);
      }
    }
  }

  std::vector<uint32_t> cells_;
};

}  // namespace kazeban::testing
