// The widget that shows the kept image in the window's client area. It has no drawing
// of its own: it shows the image, scaled to fit the widget with its proportions kept
// (at its own size while that fits within a tenth), and turns mouse presses into
// positions in twips of the image. The record-file panel's controls are its children,
// placed in twips on the same scale; a press on one of them, or between them, never
// reaches the board.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QWidget>

#include <functional>
#include <vector>

class KeptImage;

class BoardView : public QWidget {
 public:
  BoardView(KeptImage& image, QWidget* parent = nullptr);

  // Called for a press of the left (1), right (2) or middle (4) button at (x, y) twips,
  // with the shift state (1 shift, 2 control, 4 alt).
  std::function<void(int button, int shift, double x, double y)> onMousePress;

  // Places a child control at (left, top, width, height) twips of the image, now and
  // whenever the view's size changes.
  void PlaceChild(QWidget* child, int left, int top, int width, int height);

  // True when a widget position lies on a shown child control or in a gap between
  // neighbouring ones (a press there belongs to the controls, not to the board).
  bool OnChildControls(QPointF widget_position) const;

  // Where the image is shown in the widget, in logical pixels, and its scale.
  QRectF ImageRect() const;
  qreal Scale() const;
  // The twips of a widget position, and the widget position of twips.
  QPointF ToTwips(QPointF widget_position) const;
  QPointF FromTwips(double x, double y) const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Child {
    QWidget* widget;
    int left, top, width, height;
  };
  void PlaceChildren();

  KeptImage& image_;
  std::vector<Child> children_;
};
