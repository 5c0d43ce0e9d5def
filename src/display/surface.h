// The drawing surface that every picture of the game is drawn on: the window's kept
// image, addressed in twips (1/1440 inch, 15 to a pixel at 96 dpi) from the top-left
// corner of the client area, with colours given as indices of the 16-colour palette.
// What is drawn stays until something is drawn over it; the window shows the image
// and never asks the game to repaint. The window implements it with Qt; the tests
// implement it with a recorder.
#pragma once

#include <string_view>

namespace kazeban {

// Pictures are named by the piece code they show (±10 … ±950, promoted codes
// included); these two name the others.
inline constexpr int PICTURE_KARA_MASU = 1;  // the empty square, wood grain, one square
inline constexpr int PICTURE_KAZEBAN = 2;    // the 118×39 title picture

class Surface {
 public:
  virtual ~Surface() = default;

  // A box filled with the colour, border included, from (x, y) for w × h twips.
  virtual void FillBox(double x, double y, double w, double h, int colour) = 0;

  // A one-pixel outline of the box from (x, y) to (x + w, y + h), inside unchanged.
  virtual void OutlineBox(double x, double y, double w, double h, int colour) = 0;

  // A picture at its own size (a piece is 33×41 pixels, 495×615 twips) with its
  // top-left corner at (x, y). Unknown picture ids paint nothing.
  virtual void DrawPicture(int picture, double x, double y) = 0;

  // UTF-8 text with its top-left corner at (x, y), in the window's font ("ＭＳ Ｐ明朝")
  // at `size` points, bold or not, in the colour.
  virtual void DrawText(double x, double y, std::string_view text, int size, bool bold,
                        int colour) = 0;

  // Shows what has been drawn at once, even in the middle of a long operation.
  virtual void Refresh() = 0;

  // How wide DrawText would draw the text, in twips. A surface without a font estimates
  // it: a full-width character as wide as the size (20 twips to a point), an ASCII or
  // half-width kana character half as wide.
  virtual double TextWidth(std::string_view text, int size, bool bold);
};

// The palette: index 0..15 to red, green, blue.
struct PaletteColour {
  int r, g, b;
};
inline constexpr PaletteColour PALETTE[16] = {
    {0, 0, 0},     {0, 0, 128},     {0, 128, 0},     {0, 128, 128},  {128, 0, 0}, {128, 0, 128},
    {128, 128, 0}, {192, 192, 192}, {128, 128, 128}, {0, 0, 255},    {0, 255, 0}, {0, 255, 255},
    {255, 0, 0},   {255, 0, 255},   {255, 255, 0},   {255, 255, 255}};

}  // namespace kazeban
