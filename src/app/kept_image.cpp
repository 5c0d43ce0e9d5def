#include "app/kept_image.h"
#include "rules/game_state.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <cmath>
#include <string>

#include "app/language.h"
#include "display/picture_names.h"

namespace {

QColor PaletteColour(int index) {
  if (index < 0 || index > 15) index = 0;
  const kazeban::PaletteColour& c = kazeban::PALETTE[index];
  return QColor(c.r, c.g, c.b);
}

}  // namespace

KeptImage::KeptImage(int width_twips, int height_twips, qreal device_pixel_ratio)
    : logical_(Pixel(width_twips), Pixel(height_twips)) {
  image_ = QImage(logical_ * device_pixel_ratio, QImage::Format_RGB32);
  image_.setDevicePixelRatio(device_pixel_ratio);
  // 96 dots per inch: a point size becomes the same number of logical pixels as on the
  // screens the game was made for (12 points, 16 pixels).
  image_.setDotsPerMeterX(3780);
  image_.setDotsPerMeterY(3780);
  image_.fill(PaletteColour(kazeban::IRO_2));
}

int KeptImage::Pixel(double twips) {
  // Far-off coordinates are clamped well outside the image.
  const double px = std::round(twips / 15.0);
  if (!(px > -100000.0)) return -100000;
  if (px > 100000.0) return 100000;
  return static_cast<int>(px);
}

void KeptImage::FillBox(double x, double y, double w, double h, int colour) {
  // The box covers the pixels of both its corners, as a filled line box does.
  const int l = Pixel(x), t = Pixel(y), r = Pixel(x + w), b = Pixel(y + h);
  if (r < l || b < t) return;
  QPainter p(&image_);
  p.fillRect(QRect(l, t, r - l + 1, b - t + 1), PaletteColour(colour));
  Changed();
}

void KeptImage::OutlineBox(double x, double y, double w, double h, int colour) {
  // One logical pixel wide on each of the four sides, both corners included, so that
  // neighbouring squares share their border line.
  const int l = Pixel(x), t = Pixel(y), r = Pixel(x + w), b = Pixel(y + h);
  if (r < l || b < t) return;
  const QColor c = PaletteColour(colour);
  QPainter p(&image_);
  p.fillRect(QRect(l, t, r - l + 1, 1), c);
  p.fillRect(QRect(l, b, r - l + 1, 1), c);
  p.fillRect(QRect(l, t, 1, b - t + 1), c);
  p.fillRect(QRect(r, t, 1, b - t + 1), c);
  Changed();
}

const QImage& KeptImage::Picture(int picture) {
  auto it = pictures_.find(picture);
  if (it != pictures_.end()) return *it;
  // The high-density pictures where a logical pixel is more than one device pixel.
  QImage loaded;
  const std::string name(kazeban::PictureName(picture));
  if (!name.empty()) {
    const QString base = QStringLiteral(":/pictures/") + QString::fromStdString(name);
    const qreal dpr = image_.devicePixelRatio();
    if (dpr > 1.0 && loaded.load(base + QStringLiteral("@2x.png"))) {
      loaded.setDevicePixelRatio(2.0);
    } else if (loaded.load(base + QStringLiteral(".png"))) {
      loaded.setDevicePixelRatio(1.0);
    }
  }
  return *pictures_.insert(picture, loaded);
}

void KeptImage::DrawPicture(int picture, double x, double y) {
  const QImage& pic = Picture(picture);
  if (pic.isNull()) return;
  QPainter p(&image_);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QPoint(Pixel(x), Pixel(y)), pic);
  Changed();
}

void KeptImage::DrawText(double x, double y, std::string_view text, int size, bool bold,
                         int colour) {
  if (text.empty()) return;
  QFont font(QStringLiteral("ＭＳ Ｐ明朝"));
  font.setPointSize(size);
  font.setBold(bold);
  QPainter p(&image_);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(font);
  p.setPen(PaletteColour(colour));
  // Nothing of the text reaches above or left of its corner, where the box its caller
  // erased before printing begins: the faint edge of a tall glyph would otherwise stay
  // there and grow brighter each time the same text is printed again.
  p.setClipRect(QRect(Pixel(x), Pixel(y), image_.width(), image_.height()));
  // The position is the top-left corner of the text; Qt draws from the baseline.
  const QFontMetrics metrics(font, &image_);
  p.drawText(
      QPoint(Pixel(x), Pixel(y) + metrics.ascent()),
      TranslateText("Board", QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
  Changed();
}

double KeptImage::TextWidth(std::string_view text, int size, bool bold) {
  QFont font(QStringLiteral("ＭＳ Ｐ明朝"));
  font.setPointSize(size);
  font.setBold(bold);
  const QFontMetrics metrics(font, &image_);
  const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  return metrics.horizontalAdvance(s) * 15.0;  // logical pixels to twips
}

void KeptImage::Refresh() {
  if (onRefresh) onRefresh();
}

void KeptImage::Changed() {
  if (onChange) onChange();
}
