// The texts beside the board that depend on the language, noted as they are drawn: the
// move number with "手目", the handicap caption, "思考中" and the caption of each side's
// last move. A change of language draws again those still showing.
//
// The note is a surface laid over the window's: it passes every drawing on unchanged,
// and forgets a text once a box or a picture is drawn over the point where it stands.
#pragma once

#include <array>
#include <string_view>

#include "display/surface.h"
#include "display/western_notation.h"

namespace kazeban {

class 文字の控え : public Surface {
 public:
  enum 種類 { 手数, ハンデ, 思考中, 上の手, 下の手, 種類の数 };

  struct 項目 {
    bool 表示中 = false;
    double 点x = 0, 点y = 0;  // a point inside the text, in twips
    // What draws it again: the grid point, the move number or grade, and for a move
    // caption its destination, code and colour and its Western form.
    double x = 0, y = 0;
    int 値 = 0;
    int 列 = 0, 段 = 0, 駒 = 0, 色 = 0;
    西洋式の表記 西洋式;
  };

  explicit 文字の控え(Surface& inner) : inner_(inner) {}

  // Notes a text just drawn; the point must lie inside what its drawing erased.
  void 控える(種類 kind, const 項目& item);
  const 項目& operator[](種類 kind) const { return items_[kind]; }

  void FillBox(double x, double y, double w, double h, int colour) override;
  void OutlineBox(double x, double y, double w, double h, int colour) override;
  void DrawPicture(int picture, double x, double y) override;
  void DrawText(double x, double y, std::string_view text, int size, bool bold,
                int colour) override;
  void Refresh() override;

 private:
  // Forgets every text whose point lies in the box.
  void 覆う(double x, double y, double w, double h);

  Surface& inner_;
  std::array<項目, 種類の数> items_{};
};

}  // namespace kazeban
