#include "piece_art.h"

#include <QFont>
#include <QFontInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <cstdint>
#include <vector>

#include "rules/game_state.h"
#include "rules/pieces.h"

namespace kazeban::art {

namespace {

constexpr double PI = 3.14159265358979323846;

// The window's font name, as the game asks for it.
const QString WINDOW_FONT = QStringLiteral("ＭＳ Ｐ明朝");

// A small fixed generator, so that every run draws the same grain.
class Lcg {
 public:
  explicit Lcg(std::uint32_t seed) : state_(seed) {}
  double Next() {  // in [0, 1)
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / 16777216.0;
  }
  double Between(double lo, double hi) { return lo + (hi - lo) * Next(); }

 private:
  std::uint32_t state_;
};

QImage NewImage(int w, int h, int scale) {
  QImage image(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                          static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                          static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                          static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

// Light wood over the rectangle (0, 0, w, h) of the painter's units: soft lengthwise
// streaks and a few darker grain lines. The lines wave with a period of the height,
// so the grain runs on from one square into the one below it.
void PaintWood(QPainter& p, int w, int h, int scale, QColor base, std::uint32_t seed) {
  Lcg rnd(seed);

  // Streaks: the shade changes slowly across the width, one device column at a time.
  const double f1 = rnd.Between(0.7, 1.1), p1 = rnd.Between(0, 2 * PI);
  const double f2 = rnd.Between(1.9, 2.7), p2 = rnd.Between(0, 2 * PI);
  const double f3 = rnd.Between(0.25, 0.45), p3 = rnd.Between(0, 2 * PI);
  const QColor light = base.lighter(106);
  const QColor dark = base.darker(107);
  for (int dx = 0; dx < w * scale; ++dx) {
    const double x = (dx + 0.5) / scale;
    const double t =
        0.5 * std::sin(x * f1 + p1) + 0.3 * std::sin(x * f2 + p2) + 0.2 * std::sin(x * f3 + p3);
    const QColor c = t >= 0 ? Mix(base, dark, t) : Mix(base, light, -t);
    p.fillRect(QRectF(dx / static_cast<double>(scale), 0, 1.0 / scale, h), c);
  }

  // Grain lines: four clear ones and a few faint ones.
  struct Line {
    double x, amplitude, width;
    int alpha;
  };
  Line lines[7] = {{4.0, 0, 0, 0}, {11.5, 0, 0, 0}, {20.0, 0, 0, 0}, {27.5, 0, 0, 0},
                   {7.5, 0, 0, 0}, {16.0, 0, 0, 0}, {30.5, 0, 0, 0}};
  for (int n = 0; n < 7; ++n) {
    Line& l = lines[n];
    l.x = l.x * w / SQUARE_W + rnd.Between(-1.0, 1.0);
    l.amplitude = rnd.Between(0.4, 1.1);
    l.width = n < 4 ? rnd.Between(0.45, 0.75) : rnd.Between(0.3, 0.45);
    l.alpha = n < 4 ? static_cast<int>(rnd.Between(55, 85)) : static_cast<int>(rnd.Between(25, 40));
  }
  const QColor grain(150, 100, 45);
  for (const Line& l : lines) {
    const double phase = rnd.Between(0, 2 * PI);
    const double phase2 = rnd.Between(0, 2 * PI);
    QPainterPath path;
    for (double y = -1; y <= h + 1; y += 0.5) {
      const double x = l.x + l.amplitude * std::sin(2 * PI * y / h + phase) +
                       0.25 * std::sin(4 * PI * y / h + phase2);
      if (y < 0) {
        path.moveTo(x, y);
      } else {
        path.lineTo(x, y);
      }
    }
    QColor c = grain;
    c.setAlpha(l.alpha);
    p.setPen(QPen(c, l.width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  }
}

const QColor BOARD_WOOD(236, 202, 136);

// The kind of a code, by its magnitude, and how large its piece stands: the king
// largest, the pawn smallest, as on a real set.
double PieceSize(int code) {
  switch (駒種類(code)) {
    case 1:
      return 0.90;
    case 2:
      return 0.915;
    case 3:
      return 0.93;
    case 4:
    case 5:
      return 0.95;
    case 6:
    case 7:
      return 0.975;
    default:
      return 1.0;  // the king
  }
}

// What is written on a piece: the two characters of an unpromoted piece, the name of
// a promoted one (the promoted pawn's single と).
QString PieceName(int code) {
  switch (code < 0 ? -code : code) {
    case K_UE_HU:
      return QStringLiteral("歩兵");
    case K_UE_NARIHU:
      return QStringLiteral("と");
    case K_UE_KYOU:
      return QStringLiteral("香車");
    case K_UE_NARIKYOU:
      return QStringLiteral("成香");
    case K_UE_KEI:
      return QStringLiteral("桂馬");
    case K_UE_NARIKEI:
      return QStringLiteral("成桂");
    case K_UE_GIN:
      return QStringLiteral("銀将");
    case K_UE_NARIGIN:
      return QStringLiteral("成銀");
    case K_UE_KIN:
      return QStringLiteral("金将");
    case K_UE_KAKU:
      return QStringLiteral("角行");
    case K_UE_NARIKAKU:
      return QStringLiteral("龍馬");
    case K_UE_SYA:
      return QStringLiteral("飛車");
    case K_UE_NARISYA:
      return QStringLiteral("龍王");
    default:
      return QStringLiteral("王将");
  }
}

bool Promoted(int code) {
  const int m = code < 0 ? -code : code;
  return m % 10 == 1;
}

// The five-sided outline of a piece, pointed end up, centred on (cx, cy).
QPainterPath PieceShape(double cx, double cy, double size) {
  const double apex = -18.2, shoulder = -10.4, base = 17.8;
  const double shoulderHalf = 12.0, baseHalf = 14.3;
  QPainterPath path;
  path.moveTo(cx, cy + apex * size);
  path.lineTo(cx + shoulderHalf * size, cy + shoulder * size);
  path.lineTo(cx + baseHalf * size, cy + base * size);
  path.lineTo(cx - baseHalf * size, cy + base * size);
  path.lineTo(cx - shoulderHalf * size, cy + shoulder * size);
  path.closeSubpath();
  return path;
}

// Outlines are taken from the font at this many pixels to the em and scaled down, so
// that sizes and places are exact at any scale.
constexpr double OUTLINE_EM = 100.0;

QFont WindowFont(bool bold) {
  QFont font(WINDOW_FONT);
  font.setPixelSize(static_cast<int>(OUTLINE_EM));
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

// The outline of one character at `em` units to the em, its ink centred on (cx, cy),
// squeezed where it would be wider than w or taller than h.
QPainterPath Glyph(const QFont& font, QChar ch, double em, double cx, double cy, double w,
                   double h) {
  QPainterPath glyph;
  glyph.addText(0, 0, font, QString(ch));
  const QRectF ink = glyph.boundingRect();
  const double nominal = em / OUTLINE_EM;
  const double sx = std::min(nominal, w / ink.width());
  const double sy = std::min(nominal, h / ink.height());
  QTransform t;
  t.translate(cx, cy);
  t.scale(sx, sy);
  t.translate(-ink.center().x(), -ink.center().y());
  return t.map(glyph);
}

// One shape of the icon: filled (with a plain colour, or a gradient from top to bottom
// of its bounding box) and/or stroked. The icon is drawn by painting these in order,
// and written as SVG from the same list, so both agree.
struct IconLayer {
  QPainterPath path;
  QColor fill = Qt::transparent;
  QColor fill_bottom = Qt::transparent;  // with `fill`, a vertical gradient
  QColor pen = Qt::transparent;
  double pen_width = 0;
};

// The icon's shapes in units of a 64 × 64 canvas.
std::vector<IconLayer> IconLayers(bool small) {
  std::vector<IconLayer> layers;

  // 1. A square of the board: light wood, rounded, with a dark rim and a few grain
  // lines, and the lines of the squares around the one the piece stands on.
  QPainterPath tile;
  tile.addRoundedRect(QRectF(3, 3, 58, 58), 7, 7);
  layers.push_back({tile, BOARD_WOOD.lighter(104), BOARD_WOOD.darker(108), Qt::transparent, 0});
  const QColor grain(150, 100, 45, 70);
  for (double x : {9.0, 24.0, 41.0, 55.5}) {
    QPainterPath line;
    line.moveTo(x, 4.5);
    line.cubicTo(x + 1.6, 20, x - 1.6, 44, x + 0.6, 59.5);
    layers.push_back({line, Qt::transparent, Qt::transparent, grain, small ? 0.0 : 0.8});
  }
  if (!small) {
    QPainterPath grid;
    for (double v : {12.5, 51.5}) {
      grid.moveTo(v, 3.5);
      grid.lineTo(v, 60.5);
      grid.moveTo(3.5, v);
      grid.lineTo(60.5, v);
    }
    layers.push_back({grid, Qt::transparent, Qt::transparent, QColor(60, 40, 15, 150), 1.0});
  }
  QPainterPath rim;
  rim.addRoundedRect(QRectF(3.5, 3.5, 57, 57), 6.5, 6.5);
  layers.push_back({rim, Qt::transparent, Qt::transparent, QColor(110, 72, 28), 1.0});

  // 2. The king, as on the board but larger: its shadow, its thickness, its face.
  const double cx = 32.0, cy = 32.5, size = small ? 1.42 : 1.32;
  const QPainterPath shape = PieceShape(cx, cy, size);
  layers.push_back(
      {shape.translated(1.8, 2.2), QColor(70, 40, 10, 70), Qt::transparent, Qt::transparent, 0});
  layers.push_back(
      {shape.translated(0, 1.4), QColor(190, 146, 78), Qt::transparent, Qt::transparent, 0});
  layers.push_back({shape, QColor(255, 243, 196), QColor(241, 214, 146), QColor(120, 82, 34),
                    small ? 1.1 : 0.8});

  // 3. Its name in black.
  const QFont font = WindowFont(true);
  QPainterPath letters;
  if (small) {
    letters.addPath(Glyph(font, QChar(u'王'), 34, cx, cy + 3.0, 30, 32));
  } else {
    letters.addPath(
        Glyph(font, QChar(u'王'), 17 * size, cx, cy - 3.7 * size, 16.5 * size, 13 * size));
    letters.addPath(
        Glyph(font, QChar(u'将'), 17 * size, cx, cy + 9.9 * size, 18 * size, 13.4 * size));
  }
  letters.setFillRule(Qt::WindingFill);
  const QColor ink(18, 12, 8);
  layers.push_back({letters, ink, Qt::transparent, ink, small ? 0.0 : 0.35});
  return layers;
}

QString SvgColour(const QColor& c) {
  return c.name(QColor::HexRgb);
}

QString SvgNumber(double v) {
  return QString::number(std::round(v * 1000) / 1000, 'g', 8);
}

// The path's outline as SVG path data.
QString SvgPathData(const QPainterPath& path) {
  QString d;
  for (int n = 0; n < path.elementCount(); ++n) {
    const QPainterPath::Element e = path.elementAt(n);
    if (e.isMoveTo()) {
      d += QStringLiteral("M") + SvgNumber(e.x) + QLatin1Char(' ') + SvgNumber(e.y);
    } else if (e.isLineTo()) {
      d += QStringLiteral("L") + SvgNumber(e.x) + QLatin1Char(' ') + SvgNumber(e.y);
    } else if (e.isCurveTo()) {
      const QPainterPath::Element c2 = path.elementAt(n + 1);
      const QPainterPath::Element to = path.elementAt(n + 2);
      d += QStringLiteral("C") + SvgNumber(e.x) + QLatin1Char(' ') + SvgNumber(e.y) +
           QLatin1Char(' ') + SvgNumber(c2.x) + QLatin1Char(' ') + SvgNumber(c2.y) +
           QLatin1Char(' ') + SvgNumber(to.x) + QLatin1Char(' ') + SvgNumber(to.y);
      n += 2;
    }
  }
  return d;
}

}  // namespace

QString MinchoFamily() {
  QFont::insertSubstitutions(
      WINDOW_FONT,
      {QStringLiteral("IPAPMincho"), QStringLiteral("IPAexMincho"), QStringLiteral("IPAMincho")});
  const QFontInfo info(QFont{WINDOW_FONT});
  return info.family().startsWith(QStringLiteral("IPA")) ? info.family() : QString();
}

QImage EmptySquare(int scale) {
  QImage image = NewImage(SQUARE_W, SQUARE_H, scale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  PaintWood(p, SQUARE_W, SQUARE_H, scale, BOARD_WOOD, 20240611u);
  return image;
}

QImage Piece(int code, int scale) {
  QImage image = EmptySquare(scale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(scale, scale);

  // The visible part of a square lies inside its outline, so the piece is centred
  // there. UE's pieces are turned about that centre; light and shadow stay where the
  // viewer sees them, from the upper left.
  const double cx = 17.0, cy = 21.0;
  const double size = PieceSize(code);
  QTransform turn;
  if (code > 0) {
    turn.translate(cx, cy);
    turn.rotate(180);
    turn.translate(-cx, -cy);
  }
  const QPainterPath shape = turn.map(PieceShape(cx, cy, size));

  // 1. A soft shadow on the board, down and to the right.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 40, 10, 55));
  p.drawPath(shape.translated(1.3, 1.6));
  p.setBrush(QColor(70, 40, 10, 60));
  p.drawPath(shape.translated(0.7, 0.9));

  // 2. The piece's thickness, seen below its face.
  p.setBrush(QColor(190, 146, 78));
  p.drawPath(shape.translated(0, 1.0));

  // 3. The face: pale yellow boxwood, lighter toward the top, with a dark rim.
  const QRectF box = shape.boundingRect();
  QLinearGradient face(box.topLeft(), box.bottomLeft());
  face.setColorAt(0.0, QColor(255, 243, 196));
  face.setColorAt(1.0, QColor(241, 214, 146));
  p.setBrush(face);
  p.setPen(QPen(QColor(120, 82, 34), 0.55, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.drawPath(shape);

  // 4. The name, black for a piece as it starts, red once promoted; written top to
  // bottom, turned with the piece.
  const QString name = PieceName(code);
  const QColor ink = Promoted(code) ? QColor(200, 16, 16) : QColor(18, 12, 8);
  const QFont font = WindowFont(true);
  QPainterPath letters;
  if (name.size() == 1) {
    letters.addPath(Glyph(font, name[0], 24 * size, cx, cy + 2.5 * size, 20 * size, 22 * size));
  } else {
    letters.addPath(Glyph(font, name[0], 17 * size, cx, cy - 3.7 * size, 16.5 * size, 13 * size));
    letters.addPath(Glyph(font, name[1], 17 * size, cx, cy + 9.9 * size, 18 * size, 13.4 * size));
  }
  letters.setFillRule(Qt::WindingFill);
  p.setBrush(ink);
  p.setPen(QPen(ink, 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(turn.map(letters));
  return image;
}

QImage Title(int scale) {
  QImage image = NewImage(TITLE_W, TITLE_H, scale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);

  // 1. A wooden plaque with rounded corners and a dark rim.
  const QRectF plaque(0.5, 0.5, TITLE_W - 1.0, TITLE_H - 1.0);
  QPainterPath outline;
  outline.addRoundedRect(plaque, 4, 4);
  p.setClipPath(outline);
  PaintWood(p, TITLE_W, TITLE_H, scale, QColor(222, 180, 110), 7u);
  p.setClipping(false);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(92, 58, 22), 1.0));
  p.drawPath(outline);

  // 2. A red seal at the left with 風 in white.
  const QRectF seal(5.5, 6.0, 27.0, 27.0);
  QPainterPath sealPath;
  sealPath.addRoundedRect(seal, 2.5, 2.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(182, 30, 30));
  p.drawPath(sealPath);
  const QFont bold = WindowFont(true);
  const QColor paper(255, 246, 230);
  p.setBrush(paper);
  p.setPen(QPen(paper, 0.3));
  p.drawPath(Glyph(bold, QChar(u'風'), 22, seal.center().x(), seal.center().y(), 21, 21));

  // 3. The name in spaced capitals over a thin rule, with 風盤 under it.
  const QString word = QStringLiteral("KAZEBAN");
  const double left = 38.0, right = 112.5, baseline = 21.5, em = 15.0;
  const double shrink = em / OUTLINE_EM;
  QPainterPath glyphs[7];
  double total = 0;
  for (int n = 0; n < 7; ++n) {
    glyphs[n].addText(0, 0, bold, QString(word[n]));
    total += glyphs[n].boundingRect().width() * shrink;
  }
  const double gap = (right - left - total) / 6;
  QPainterPath letters;
  double x = left;
  for (QPainterPath& g : glyphs) {
    const QRectF ink = g.boundingRect();
    QTransform t;
    t.translate(x, baseline);
    t.scale(shrink, shrink);
    t.translate(-ink.left(), 0);
    letters.addPath(t.map(g));
    x += ink.width() * shrink + gap;
  }
  const QColor dark(40, 22, 8);
  p.setBrush(dark);
  p.setPen(QPen(dark, 0.25));
  p.drawPath(letters);

  p.setPen(QPen(QColor(120, 70, 30), 0.6));
  p.drawLine(QPointF(left, 25.0), QPointF(right, 25.0));
  const double mid = (left + right) / 2;
  const QColor brown(60, 34, 12);
  p.setPen(QPen(brown, 0.2));
  p.setBrush(brown);
  p.drawPath(Glyph(bold, QChar(u'風'), 10.5, mid - 8.0, 31.2, 10, 10));
  p.drawPath(Glyph(bold, QChar(u'盤'), 10.5, mid + 8.0, 31.2, 10, 10));
  return image;
}

QImage Icon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 64.0, size / 64.0);
  for (const IconLayer& l : IconLayers(size <= 32)) {
    if (l.fill.alpha() > 0) {
      if (l.fill_bottom.alpha() > 0) {
        const QRectF box = l.path.boundingRect();
        QLinearGradient g(box.topLeft(), box.bottomLeft());
        g.setColorAt(0, l.fill);
        g.setColorAt(1, l.fill_bottom);
        p.setBrush(g);
      } else {
        p.setBrush(l.fill);
      }
    } else {
      p.setBrush(Qt::NoBrush);
    }
    if (l.pen_width > 0) {
      p.setPen(QPen(l.pen, l.pen_width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
      p.setPen(Qt::NoPen);
    }
    p.drawPath(l.path);
  }
  return image;
}

QByteArray IconSvg() {
  QString defs, body;
  int gradients = 0;
  for (const IconLayer& l : IconLayers(false)) {
    QString fill = QStringLiteral("none"), opacity;
    if (l.fill.alpha() > 0 && l.fill_bottom.alpha() > 0) {
      const QString id = QStringLiteral("g") + QString::number(++gradients);
      defs += QStringLiteral(
                  "    <linearGradient id=\"%1\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
                  "<stop offset=\"0\" stop-color=\"%2\"/>"
                  "<stop offset=\"1\" stop-color=\"%3\"/></linearGradient>\n")
                  .arg(id, SvgColour(l.fill), SvgColour(l.fill_bottom));
      fill = QStringLiteral("url(#") + id + QLatin1Char(')');
    } else if (l.fill.alpha() > 0) {
      fill = SvgColour(l.fill);
      if (l.fill.alpha() < 255) {
        opacity =
            QStringLiteral(" fill-opacity=\"") + SvgNumber(l.fill.alphaF()) + QLatin1Char('"');
      }
    }
    QString line = QStringLiteral("  <path fill=\"") + fill + QLatin1Char('"') + opacity;
    if (l.path.fillRule() == Qt::OddEvenFill) line += QStringLiteral(" fill-rule=\"evenodd\"");
    if (l.pen_width > 0) {
      line += QStringLiteral(
                  " stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"round\" "
                  "stroke-linejoin=\"round\"")
                  .arg(SvgColour(l.pen), SvgNumber(l.pen_width));
      if (l.pen.alpha() < 255) {
        line += QStringLiteral(" stroke-opacity=\"") + SvgNumber(l.pen.alphaF()) + QLatin1Char('"');
      }
    }
    body += line + QStringLiteral(" d=\"") + SvgPathData(l.path) + QStringLiteral("\"/>\n");
  }
  const QString svg = QStringLiteral(
                          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
                          "viewBox=\"0 0 64 64\">\n  <defs>\n") +
                      defs + QStringLiteral("  </defs>\n") + body + QStringLiteral("</svg>\n");
  return svg.toUtf8();
}

}  // namespace kazeban::art
