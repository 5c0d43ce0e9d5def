// A drawing surface for tests: it keeps a list of everything drawn on it, in order,
// so a test can ask what was drawn where and in which colour.
#pragma once

#include <cmath>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "display/surface.h"

namespace kazeban::testing {

struct DrawOp {
  enum Kind { Fill, Outline, Picture, Text, Refresh } kind;
  double x = 0, y = 0, w = 0, h = 0;
  int colour = -1;
  int picture = 0;
  std::string text;
  int size = 0;
  bool bold = false;
};

class RecordingSurface : public Surface {
 public:
  void FillBox(double x, double y, double w, double h, int colour) override {
    ops.push_back({DrawOp::Fill, x, y, w, h, colour, 0, {}, 0, false});
  }
  void OutlineBox(double x, double y, double w, double h, int colour) override {
    ops.push_back({DrawOp::Outline, x, y, w, h, colour, 0, {}, 0, false});
  }
  void DrawPicture(int picture, double x, double y) override {
    ops.push_back({DrawOp::Picture, x, y, 0, 0, -1, picture, {}, 0, false});
  }
  void DrawText(double x, double y, std::string_view text, int size, bool bold,
                int colour) override {
    ops.push_back({DrawOp::Text, x, y, 0, 0, colour, 0, std::string(text), size, bold});
  }
  void Refresh() override {
    ops.push_back({DrawOp::Refresh, 0, 0, 0, 0, -1, 0, {}, 0, false});
    if (on_refresh) on_refresh();
  }

  void Clear() { ops.clear(); }

  // Operations of one kind, in the order they were drawn.
  std::vector<DrawOp> Of(DrawOp::Kind kind) const {
    std::vector<DrawOp> out;
    for (const DrawOp& op : ops) {
      if (op.kind == kind) out.push_back(op);
    }
    return out;
  }

  // The texts drawn, in order.
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const DrawOp& op : ops) {
      if (op.kind == DrawOp::Text) out.push_back(op.text);
    }
    return out;
  }

  // The last picture drawn with its top-left corner at (x, y) twips, or 0 if none.
  int PictureAt(double x, double y) const {
    for (auto it = ops.rbegin(); it != ops.rend(); ++it) {
      if (it->kind == DrawOp::Picture && Near(it->x, x) && Near(it->y, y)) return it->picture;
    }
    return 0;
  }

  // The colour of the last outline drawn at (x, y) twips, or −1 if none.
  int OutlineColourAt(double x, double y) const {
    for (auto it = ops.rbegin(); it != ops.rend(); ++it) {
      if (it->kind == DrawOp::Outline && Near(it->x, x) && Near(it->y, y)) return it->colour;
    }
    return -1;
  }

  static bool Near(double a, double b) { return std::fabs(a - b) < 1e-6; }

  std::vector<DrawOp> ops;
  // Called at every refresh, after it was recorded: a test can look at the game's
  // state at the moment the window shows what was drawn.
  std::function<void()> on_refresh;
};

}  // namespace kazeban::testing
