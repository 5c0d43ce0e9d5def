#include "app/board_view.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "app/kept_image.h"
#include "rules/game_state.h"

BoardView::BoardView(KeptImage& image, QWidget* parent) : QWidget(parent), image_(image) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  image_.onChange = [this] { update(); };
  image_.onRefresh = [this] { repaint(); };
}

QSize BoardView::sizeHint() const {
  return image_.logicalSize();
}

qreal BoardView::Scale() const {
  const QSize s = image_.logicalSize();
  const qreal fit =
      std::min(static_cast<qreal>(width()) / s.width(), static_cast<qreal>(height()) / s.height());
  // Within a tenth above its own size the image stays pixel for pixel as drawn.
  if (fit >= 1.0 && fit < 1.1) return 1.0;
  return fit > 0 ? fit : 1.0;
}

QRectF BoardView::ImageRect() const {
  const qreal scale = Scale();
  const QSizeF shown = QSizeF(image_.logicalSize()) * scale;
  return QRectF(QPointF(std::floor((width() - shown.width()) / 2),
                        std::floor((height() - shown.height()) / 2)),
                shown);
}

QPointF BoardView::ToTwips(QPointF p) const {
  const QRectF r = ImageRect();
  const qreal scale = Scale();
  return QPointF((p.x() - r.left()) / scale * 15.0, (p.y() - r.top()) / scale * 15.0);
}

QPointF BoardView::FromTwips(double x, double y) const {
  const QRectF r = ImageRect();
  const qreal scale = Scale();
  return QPointF(r.left() + x / 15.0 * scale, r.top() + y / 15.0 * scale);
}

void BoardView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRectF r = ImageRect();
  // Around the image, where the window is wider or taller than the picture: the
  // background colour of the game.
  const kazeban::PaletteColour& g = kazeban::PALETTE[kazeban::IRO_2];
  p.fillRect(rect(), QColor(g.r, g.g, g.b));
  if (Scale() != 1.0) p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(r, image_.image());
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  int button = 0;
  switch (event->button()) {
    case Qt::LeftButton:
      button = 1;
      break;
    case Qt::RightButton:
      button = 2;
      break;
    case Qt::MiddleButton:
      button = 4;
      break;
    default:
      return;
  }
  // A press on the panel's controls that they did not take themselves (a label, a gap
  // between two of them) is theirs too: on the board it would hide the panel and
  // empty the boxes being filled in.
  if (OnChildControls(event->position())) return;
  int shift = 0;
  if (event->modifiers() & Qt::ShiftModifier) shift |= 1;
  if (event->modifiers() & Qt::ControlModifier) shift |= 2;
  if (event->modifiers() & Qt::AltModifier) shift |= 4;
  const QPointF t = ToTwips(event->position());
  if (onMousePress) onMousePress(button, shift, t.x(), t.y());
}

void BoardView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceChildren();
}

void BoardView::PlaceChild(QWidget* child, int left, int top, int width, int height) {
  children_.push_back({child, left, top, width, height});
  PlaceChildren();
}

bool BoardView::OnChildControls(QPointF p) const {
  // Each shown control counts with a margin of half the widest gap between neighbouring
  // controls (105 twips, between the boxes and "RETURN"), and a pixel for rounding.
  constexpr double margin = 60.0;
  const QPointF t = ToTwips(p);
  const double slack = 15.0 / Scale();
  for (const Child& c : children_) {
    if (c.widget->isHidden()) continue;
    const QRectF area(c.left - margin - slack, c.top - margin - slack,
                      c.width + 2 * (margin + slack), c.height + 2 * (margin + slack));
    if (area.contains(t)) return true;
  }
  return false;
}

void BoardView::PlaceChildren() {
  const qreal scale = Scale();
  for (const Child& c : children_) {
    const QPointF topLeft = FromTwips(c.left, c.top);
    c.widget->setGeometry(
        QRectF(topLeft, QSizeF(c.width / 15.0 * scale, c.height / 15.0 * scale)).toRect());
  }
}
