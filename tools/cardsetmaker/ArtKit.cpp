#include "ArtKit.h"

#include <QLinearGradient>

#include <cmath>
#include <numbers>

QImage ArtCanvas(QSize Size, QColor Colour) {
  QImage image(Size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Colour);
  return image;
}

void PrepareArtPainter(QPainter& Painter) {
  Painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
}

void FillVertical(QPainter& Painter, const QRectF& Area,
                  const std::vector<std::pair<double, QColor>>& Stops) {
  QLinearGradient gradient(Area.topLeft(), Area.bottomLeft());
  for (const auto& [position, colour] : Stops)
    gradient.setColorAt(position, colour);
  Painter.fillRect(Area, gradient);
}

QColor Mix(QColor A, QColor B, double T) {
  auto lerp = [T](int a, int b) { return int(std::lround(a + (b - a) * T)); };
  return QColor(lerp(A.red(), B.red()), lerp(A.green(), B.green()), lerp(A.blue(), B.blue()),
                lerp(A.alpha(), B.alpha()));
}

std::vector<double> RidgeHeights(TArtRandom& Random, int Width, double Amplitude,
                                 double Roughness) {
  int span = 1;
  while (span < Width)
    span *= 2;
  std::vector<double> points(size_t(span) + 1, 0.0);
  points.front() = Random.Uniform(-Amplitude, Amplitude) * 0.5;
  points.back() = Random.Uniform(-Amplitude, Amplitude) * 0.5;
  double scale = Amplitude;
  for (int step = span; step > 1; step /= 2) {
    for (int i = step / 2; i < span; i += step) {
      const double middle = (points[size_t(i - step / 2)] + points[size_t(i + step / 2)]) / 2;
      points[size_t(i)] = middle + Random.Uniform(-scale, scale);
    }
    scale *= Roughness;
  }
  points.resize(size_t(Width) + 1);
  return points;
}

QPainterPath RidgePath(const std::vector<double>& Heights, double BaseY, double Bottom) {
  QPainterPath path;
  path.moveTo(0, Bottom);
  for (size_t x = 0; x < Heights.size(); ++x)
    path.lineTo(double(x), BaseY + Heights[x]);
  path.lineTo(double(Heights.size() - 1), Bottom);
  path.closeSubpath();
  return path;
}

QPainterPath StarPath(QPointF Centre, double Radius, double InnerRatio, double RotationDeg,
                      int Points) {
  QPainterPath path;
  for (int i = 0; i < Points * 2; ++i) {
    const double angle = (RotationDeg - 90.0 + i * 180.0 / Points) * std::numbers::pi / 180.0;
    const double r = (i % 2 == 0) ? Radius : Radius * InnerRatio;
    const QPointF p(Centre.x() + r * std::cos(angle), Centre.y() + r * std::sin(angle));
    if (i == 0)
      path.moveTo(p);
    else
      path.lineTo(p);
  }
  path.closeSubpath();
  return path;
}

QPainterPath HeartPath(QPointF Centre, double Size) {
  const double s = Size / 2;
  const double x = Centre.x();
  const double y = Centre.y() - s * 0.35;
  QPainterPath path;
  path.moveTo(x, y + s * 1.25);
  path.cubicTo(x - s * 1.45, y + s * 0.35, x - s * 1.05, y - s * 0.95, x, y - s * 0.2);
  path.cubicTo(x + s * 1.05, y - s * 0.95, x + s * 1.45, y + s * 0.35, x, y + s * 1.25);
  path.closeSubpath();
  return path;
}
