// The window's kept image: the drawing surface every picture of the game is drawn on.
// It holds the whole client area as an image at the screen's device pixel ratio, so
// that lines, text and the high-density piece pictures are sharp on any screen. What
// is drawn stays until something is drawn over it; the view only shows this image.
#pragma once

#include <QFont>
#include <QHash>
#include <QImage>

#include <functional>
#include <string_view>

#include "display/surface.h"

class KeptImage : public kazeban::Surface {
 public:
  // The image covers `width_twips` × `height_twips` at `device_pixel_ratio` pixels per
  // logical pixel (15 twips to a logical pixel), filled with board green.
  KeptImage(int width_twips, int height_twips, qreal device_pixel_ratio);

  void FillBox(double x, double y, double w, double h, int colour) override;
  void OutlineBox(double x, double y, double w, double h, int colour) override;
  void DrawPicture(int picture, double x, double y) override;
  void DrawText(double x, double y, std::string_view text, int size, bool bold,
                int colour) override;
  void Refresh() override;
  double TextWidth(std::string_view text, int size, bool bold) override;

  const QImage& image() const { return image_; }
  // The image's size in logical pixels.
  QSize logicalSize() const { return logical_; }

  // Called after every drawing operation (the view schedules a repaint) and on
  // Refresh (the view repaints at once).
  std::function<void()> onChange;
  std::function<void()> onRefresh;

  // Logical pixel of a coordinate in twips.
  static int Pixel(double twips);

 private:
  const QImage& Picture(int picture);
  void Changed();

  QImage image_;
  QSize logical_;
  QHash<int, QImage> pictures_;
};
