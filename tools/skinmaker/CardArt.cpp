#include "CardArt.h"

#include "Materials.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace skinart {

namespace {

double Corner(const QRectF& Box) {
  return Box.width() * 0.08;
}

void DrawCardBody(QPainter& Painter, const QRectF& Box, const QBrush& Fill) {
  Painter.setPen(Qt::NoPen);
  Painter.setBrush(QColor(0, 0, 0, 70));
  Painter.drawRoundedRect(Box.translated(1.5, 2.0), Corner(Box), Corner(Box));
  Painter.setBrush(Fill);
  Painter.setPen(QPen(QColor(40, 30, 20), 1.0));
  Painter.drawRoundedRect(Box, Corner(Box), Corner(Box));
}

QPainterPath Star(const QPointF& Centre, double Outer, double Inner, int Points) {
  QPainterPath path;
  for (int i = 0; i < Points * 2; ++i) {
    const double radius = i % 2 == 0 ? Outer : Inner;
    const double angle = -M_PI / 2 + i * M_PI / Points;
    const QPointF p(Centre.x() + radius * std::cos(angle), Centre.y() + radius * std::sin(angle));
    if (i == 0)
      path.moveTo(p);
    else
      path.lineTo(p);
  }
  path.closeSubpath();
  return path;
}

void DrawSun(QPainter& Painter, const QPointF& c, double r) {
  Painter.setBrush(QColor(238, 150, 30));
  Painter.drawPath(Star(c, r, r * 0.62, 12));
  QRadialGradient disc(c - QPointF(r * 0.2, r * 0.2), r * 0.7);
  disc.setColorAt(0, QColor(255, 236, 120));
  disc.setColorAt(1, QColor(240, 170, 30));
  Painter.setBrush(disc);
  Painter.drawEllipse(c, r * 0.55, r * 0.55);
}

void DrawMoon(QPainter& Painter, const QPointF& c, double r) {
  QPainterPath disc;
  disc.addEllipse(c, r * 0.8, r * 0.8);
  QPainterPath bite;
  bite.addEllipse(c + QPointF(r * 0.38, -r * 0.2), r * 0.68, r * 0.68);
  QLinearGradient silver(c - QPointF(r, r), c + QPointF(r, r));
  silver.setColorAt(0, QColor(120, 150, 220));
  silver.setColorAt(1, QColor(40, 60, 140));
  Painter.setBrush(silver);
  Painter.drawPath(disc.subtracted(bite));
}

void DrawLeaf(QPainter& Painter, const QPointF& c, double r) {
  QPainterPath leaf;
  leaf.moveTo(c.x(), c.y() - r);
  leaf.cubicTo(c.x() + r * 0.9, c.y() - r * 0.4, c.x() + r * 0.6, c.y() + r * 0.6, c.x(),
               c.y() + r * 0.85);
  leaf.cubicTo(c.x() - r * 0.6, c.y() + r * 0.6, c.x() - r * 0.9, c.y() - r * 0.4, c.x(),
               c.y() - r);
  Painter.setBrush(QColor(56, 140, 60));
  Painter.drawPath(leaf);
  Painter.setPen(QPen(QColor(220, 240, 200), r * 0.07));
  Painter.drawLine(QPointF(c.x(), c.y() - r * 0.8), QPointF(c.x(), c.y() + r));
  Painter.setPen(Qt::NoPen);
}

void DrawHeart(QPainter& Painter, const QPointF& c, double r) {
  QPainterPath heart;
  heart.moveTo(c.x(), c.y() + r * 0.8);
  heart.cubicTo(c.x() - r * 1.3, c.y() - r * 0.1, c.x() - r * 0.6, c.y() - r * 1.05, c.x(),
                c.y() - r * 0.4);
  heart.cubicTo(c.x() + r * 0.6, c.y() - r * 1.05, c.x() + r * 1.3, c.y() - r * 0.1, c.x(),
                c.y() + r * 0.8);
  QLinearGradient red(c - QPointF(0, r), c + QPointF(0, r));
  red.setColorAt(0, QColor(236, 70, 70));
  red.setColorAt(1, QColor(150, 14, 24));
  Painter.setBrush(red);
  Painter.drawPath(heart);
}

} // namespace

void DrawCardFace(QPainter& Painter, const QRectF& Box, TMotif Motif) {
  Painter.save();
  QLinearGradient ivory(Box.topLeft(), Box.bottomRight());
  ivory.setColorAt(0, QColor(255, 252, 240));
  ivory.setColorAt(1, QColor(236, 226, 198));
  DrawCardBody(Painter, Box, ivory);
  const QRectF inner = Box.adjusted(Box.width() * 0.08, Box.width() * 0.08, -Box.width() * 0.08,
                                    -Box.width() * 0.08);
  Painter.setBrush(Qt::NoBrush);
  Painter.setPen(QPen(QColor(196, 160, 90), 0.8));
  Painter.drawRoundedRect(inner, Corner(Box) * 0.6, Corner(Box) * 0.6);
  Painter.setPen(Qt::NoPen);
  const QPointF c = Box.center();
  const double r = Box.width() * 0.32;
  switch (Motif) {
  case TMotif::Sun:
    DrawSun(Painter, c, r);
    break;
  case TMotif::Moon:
    DrawMoon(Painter, c, r);
    break;
  case TMotif::Star:
    Painter.setBrush(QColor(230, 180, 40));
    Painter.drawPath(Star(c, r, r * 0.45, 5));
    break;
  case TMotif::Leaf:
    DrawLeaf(Painter, c, r);
    break;
  case TMotif::Heart:
    DrawHeart(Painter, c, r);
    break;
  }
  Painter.restore();
}

void DrawCardBack(QPainter& Painter, const QRectF& Box) {
  Painter.save();
  QLinearGradient navy(Box.topLeft(), Box.bottomRight());
  navy.setColorAt(0, QColor(52, 74, 146));
  navy.setColorAt(1, QColor(20, 28, 76));
  DrawCardBody(Painter, Box, QColor(248, 244, 232));
  const double m = Box.width() * 0.07;
  const QRectF field = Box.adjusted(m, m, -m, -m);
  Painter.setPen(Qt::NoPen);
  Painter.setBrush(navy);
  Painter.drawRoundedRect(field, Corner(Box) * 0.6, Corner(Box) * 0.6);
  // Lattice of thin gold lines, clipped to the field.
  Painter.setClipRect(field.adjusted(1, 1, -1, -1), Qt::IntersectClip);
  Painter.setPen(QPen(QColor(214, 176, 96, 150), std::max(0.6, Box.width() * 0.012)));
  const double step = Box.width() * 0.14;
  for (double d = -Box.height(); d < Box.width() + Box.height(); d += step) {
    Painter.drawLine(QPointF(field.left() + d, field.top()),
                     QPointF(field.left() + d + field.height(), field.bottom()));
    Painter.drawLine(QPointF(field.left() + d, field.bottom()),
                     QPointF(field.left() + d + field.height(), field.top()));
  }
  Painter.setClipping(false);
  const QPointF c = Box.center();
  const double r = Box.width() * 0.2;
  QPainterPath diamond;
  diamond.moveTo(c.x(), c.y() - r * 1.3);
  diamond.lineTo(c.x() + r, c.y());
  diamond.lineTo(c.x(), c.y() + r * 1.3);
  diamond.lineTo(c.x() - r, c.y());
  diamond.closeSubpath();
  Painter.setBrush(BrassGradient(diamond.boundingRect()));
  Painter.setPen(QPen(QColor(40, 30, 20), 0.8));
  Painter.drawPath(diamond);
  Painter.setBrush(QColor(150, 24, 32));
  Painter.setPen(Qt::NoPen);
  Painter.drawEllipse(c, r * 0.32, r * 0.32);
  Painter.restore();
}

} // namespace skinart
