#include "ShapeFaces.h"

#include "ArtKit.h"

#include <QLinearGradient>

#include <cmath>

namespace {

QPainterPath ShapePath(int shape, QPointF c, double r) {
  QPainterPath path;
  switch (shape) {
  case 0:
    path.addEllipse(c, r, r);
    break;
  case 1:
    path.addRoundedRect(QRectF(c.x() - r * 0.86, c.y() - r * 0.86, r * 1.72, r * 1.72), r * 0.18,
                        r * 0.18);
    break;
  case 2:
    path.addPolygon(
        QPolygonF({QPointF(c.x(), c.y() - r), QPointF(c.x() + r * 1.05, c.y() + r * 0.8),
                   QPointF(c.x() - r * 1.05, c.y() + r * 0.8)}));
    path.closeSubpath();
    break;
  case 3:
    path.addPolygon(QPolygonF({QPointF(c.x(), c.y() - r), QPointF(c.x() + r * 0.8, c.y()),
                               QPointF(c.x(), c.y() + r), QPointF(c.x() - r * 0.8, c.y())}));
    path.closeSubpath();
    break;
  case 4:
    path = StarPath(c + QPointF(0, r * 0.08), r * 1.05, 0.45, 0);
    break;
  case 5:
    path = HeartPath(c + QPointF(0, r * 0.05), r * 1.75);
    break;
  case 6: {
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(r * 0.5, -r * 0.25), r * 0.82, r * 0.82);
    path = disc.subtracted(bite);
    break;
  }
  default: {
    const double a = r * 0.33;
    const double b = r * 0.9;
    const double x = c.x();
    const double y = c.y();
    path.addPolygon(
        QPolygonF({QPointF(x - a, y - b), QPointF(x + a, y - b), QPointF(x + a, y - a),
                   QPointF(x + b, y - a), QPointF(x + b, y + a), QPointF(x + a, y + a),
                   QPointF(x + a, y + b), QPointF(x - a, y + b), QPointF(x - a, y + a),
                   QPointF(x - b, y + a), QPointF(x - b, y - a), QPointF(x - a, y - a)}));
    path.closeSubpath();
    break;
  }
  }
  return path;
}

} // namespace

QList<QColor> ShapeColours() {
  return {QColor(220, 38, 38),  QColor(245, 130, 20), QColor(250, 204, 21), QColor(34, 160, 70),
          QColor(20, 170, 190), QColor(37, 84, 220),  QColor(130, 50, 180), QColor(236, 90, 160)};
}

void PaintShape(QPainter& Painter, int Shape, QColor Colour, QRectF Box) {
  const double r = std::min(Box.width(), Box.height()) * 0.4;
  const QPainterPath path = ShapePath(Shape, Box.center(), r);
  Painter.save();
  Painter.setPen(Qt::NoPen);
  Painter.setBrush(QColor(0, 0, 0, 45));
  Painter.drawPath(path.translated(r * 0.07, r * 0.1));
  QLinearGradient fill(Box.topLeft(), Box.bottomLeft());
  fill.setColorAt(0.1, Colour.lighter(125));
  fill.setColorAt(0.9, Colour.darker(112));
  Painter.setBrush(fill);
  Painter.setPen(QPen(Colour.darker(170), std::max(1.5, r * 0.07), Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
  Painter.drawPath(path);
  Painter.restore();
}

QImage DrawShapeFace(int Shape, QColor Colour, int Scale) {
  QImage face = ArtCanvas(ShapeFaceSize * Scale, QColor(250, 247, 238));
  QPainter painter(&face);
  PrepareArtPainter(painter);
  painter.scale(Scale, Scale);
  const QRectF card(0, 0, ShapeFaceSize.width(), ShapeFaceSize.height());
  painter.setPen(QPen(Mix(Colour, Qt::white, 0.55), 3));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(card.adjusted(3.5, 3.5, -3.5, -3.5), 8, 8);
  PaintShape(painter, Shape, Colour, card.adjusted(10, 8, -10, -8));
  painter.end();
  return face;
}

QList<QImage> DrawShapeFaces() {
  QList<QImage> faces;
  for (int shape = 0; shape < 8; ++shape)
    for (const QColor& colour : ShapeColours())
      faces.push_back(DrawShapeFace(shape, colour));
  return faces;
}
