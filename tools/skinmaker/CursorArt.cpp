#include "CursorArt.h"

#include "SkinLayout.h"

#include <QPainterPath>

#include <vector>

namespace skinart {

namespace {

constexpr int CursorSize = skinlayout::cursors::Size.width(); // square

struct TCrease {
  QPoint From;
  QPoint To;
};

// Monochrome from a shape: inside pixels white, inside pixels that touch the outside black,
// the rest transparent. Creases are black lines between fingers, drawn inside the shape.
QImage Stamp(const QPainterPath& Shape, const std::vector<TCrease>& Creases) {
  auto inside = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= CursorSize || y >= CursorSize)
      return false;
    return Shape.contains(QPointF(x + 0.5, y + 0.5));
  };
  QImage image(CursorSize, CursorSize, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 0; y < CursorSize; ++y) {
    for (int x = 0; x < CursorSize; ++x) {
      if (!inside(x, y))
        continue;
      const bool edge =
          !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      image.setPixelColor(x, y, edge ? Qt::black : Qt::white);
    }
  }
  for (const TCrease& crease : Creases) {
    const QPoint step((crease.To.x() > crease.From.x()) - (crease.To.x() < crease.From.x()),
                      (crease.To.y() > crease.From.y()) - (crease.To.y() < crease.From.y()));
    for (QPoint p = crease.From;; p += step) {
      if (inside(p.x(), p.y()))
        image.setPixelColor(p, Qt::black);
      if (p == crease.To)
        break;
    }
  }
  return image;
}

QPainterPath Finger(double X, double Y, double Width, double Height) {
  QPainterPath path;
  path.addRoundedRect(QRectF(X, Y, Width, Height), Width / 2, Width / 2);
  return path;
}

} // namespace

QImage OpenHandCursor() {
  QPainterPath palm;
  palm.addRoundedRect(QRectF(6, 12, 18, 15), 5, 5);
  QPainterPath cuff;
  cuff.addRect(QRectF(9, 24, 13, 6));
  QPainterPath hand = palm.united(cuff);
  hand = hand.united(Finger(6, 6, 5, 14));
  hand = hand.united(Finger(10, 3, 5, 16));
  hand = hand.united(Finger(14, 4, 5, 15));
  hand = hand.united(Finger(18, 7, 5, 13));
  QPainterPath thumb;
  thumb.addRoundedRect(QRectF(-3, -2.5, 11, 5), 2.5, 2.5);
  QTransform lean;
  lean.translate(5, 18);
  lean.rotate(40);
  hand = hand.united(lean.map(thumb)).simplified();
  return Stamp(
      hand, {{{10, 0}, {10, 15}}, {{14, 0}, {14, 15}}, {{18, 0}, {18, 15}}, {{10, 26}, {21, 26}}});
}

QImage PointingHandCursor() {
  QPainterPath palm;
  palm.addRoundedRect(QRectF(8, 14, 18, 13), 5, 5);
  QPainterPath cuff;
  cuff.addRect(QRectF(11, 24, 13, 6));
  QPainterPath hand = palm.united(cuff);
  hand = hand.united(Finger(10, 5, 5, 16));
  hand = hand.united(Finger(14, 11, 5, 9));
  hand = hand.united(Finger(18, 12, 5, 8));
  hand = hand.united(Finger(22, 13, 4, 8));
  QPainterPath thumb;
  thumb.addRoundedRect(QRectF(-3, -2.5, 10, 5), 2.5, 2.5);
  QTransform lean;
  lean.translate(6, 19);
  lean.rotate(35);
  hand = hand.united(lean.map(thumb)).simplified();
  return Stamp(
      hand, {{{14, 0}, {14, 19}}, {{18, 0}, {18, 18}}, {{22, 0}, {22, 18}}, {{12, 26}, {23, 26}}});
}

} // namespace skinart
