#include "display/noted_texts.h"

namespace kazeban {

void 文字の控え::控える(種類 kind, const 項目& item) {
  items_[kind] = item;
  items_[kind].表示中 = true;
}

void 文字の控え::覆う(double x, double y, double w, double h) {
  for (項目& item : items_) {
    if (item.表示中 && item.点x >= x && item.点x < x + w && item.点y >= y && item.点y < y + h) {
      item.表示中 = false;
    }
  }
}

void 文字の控え::FillBox(double x, double y, double w, double h, int colour) {
  覆う(x, y, w, h);
  inner_.FillBox(x, y, w, h, colour);
}

void 文字の控え::OutlineBox(double x, double y, double w, double h, int colour) {
  inner_.OutlineBox(x, y, w, h, colour);
}

void 文字の控え::DrawPicture(int picture, double x, double y) {
  // A piece covers a square; the title 118 × 39 pixels.
  if (picture == PICTURE_KAZEBAN) {
    覆う(x, y, 118 * 15, 39 * 15);
  } else {
    覆う(x, y, 495, 615);
  }
  inner_.DrawPicture(picture, x, y);
}

void 文字の控え::DrawText(double x, double y, std::string_view text, int size, bool bold,
                          int colour) {
  inner_.DrawText(x, y, text, size, bold, colour);
}

void 文字の控え::Refresh() {
  inner_.Refresh();
}

}  // namespace kazeban
