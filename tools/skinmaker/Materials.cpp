#include "Materials.h"

#include "Noise.h"
#include "SkinLayout.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace skinart {

namespace {

constexpr int FeltLattice = 12;

QColor Lerp(const QColor& a, const QColor& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                          float(a.greenF() + (b.greenF() - a.greenF()) * t),
                          float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QColor Scale(const QColor& c, double f) {
  return QColor(std::clamp(int(std::lround(c.red() * f)), 0, 255),
                std::clamp(int(std::lround(c.green() * f)), 0, 255),
                std::clamp(int(std::lround(c.blue() * f)), 0, 255));
}

// Walnut colour for a grain value in [0, 1]: dark pores, warm mid tones, a few light streaks.
QColor WalnutRamp(double g) {
  if (g < 0.5)
    return Lerp(palette::WoodDark, palette::WoodMid, g / 0.5);
  return Lerp(palette::WoodMid, palette::WoodLight, (g - 0.5) / 0.5);
}

} // namespace

QImage FeltTile(int Size) {
  QImage tile(Size, Size, QImage::Format_RGB32);
  const int period = std::max(1, Size / FeltLattice);
  const TFractalNoise cloud(period, 3, 0xFE17);
  TRandom fibres(0xF1B7E5);
  const QColor base(26, 96, 56);
  for (int y = 0; y < Size; ++y) {
    for (int x = 0; x < Size; ++x) {
      const double lattice = double(Size) / period;
      const double c = cloud.At(x / lattice, y / lattice);
      // Single bright or dark fibres give the nap; they are per pixel, so they tile as well.
      const double fibre = (fibres.Unit() - 0.5) * 0.2;
      tile.setPixelColor(x, y, Scale(base, 0.86 + 0.24 * c + fibre));
    }
  }
  return tile;
}

void PaintFelt(QImage& Target, QPoint Place) {
  static const QImage tile = FeltTile(skinlayout::mainform::FeltTileSize);
  for (int y = 0; y < Target.height(); ++y)
    for (int x = 0; x < Target.width(); ++x)
      Target.setPixel(x, y,
                      tile.pixel((x + Place.x()) % tile.width(), (y + Place.y()) % tile.height()));
}

void PaintWood(QImage& Target, const QRect& Area, TGrain Grain, std::uint64_t Seed,
               bool AlongVaries) {
  const TValueNoise streaks(256, Seed);
  const TValueNoise pores(256, Seed ^ 0x5A5A);
  const TValueNoise wander(64, Seed ^ 0xA5A5);
  const bool horizontal = Grain == TGrain::Horizontal;
  const int length = horizontal ? Area.width() : Area.height();
  for (int y = Area.top(); y <= Area.bottom(); ++y) {
    for (int x = Area.left(); x <= Area.right(); ++x) {
      const double u = horizontal ? y - Area.top() : x - Area.left();
      const double v = horizontal ? x - Area.left() : y - Area.top();
      double across = u;
      double knots = 0;
      if (AlongVaries && length > 1) {
        // The wandering fades out at both ends so the piece meets a stretched edge exactly.
        const double window = std::sin(M_PI * v / (length - 1));
        across += (wander.At(v / 37.0, u / 9.0) - 0.5) * 3.2 * window;
        knots = (wander.At(v / 11.0, u / 3.0 + 17) - 0.5) * 0.22 * window;
      }
      const double g = 0.62 * streaks.At(across / 2.3, 0.5) + 0.38 * pores.At(across / 0.9, 3.5);
      Target.setPixelColor(x, y, WalnutRamp(g + knots));
    }
  }
}

QLinearGradient BrassGradient(const QRectF& Box) {
  QLinearGradient gradient(Box.topLeft(), Box.bottomLeft());
  gradient.setColorAt(0.0, palette::BrassLight);
  gradient.setColorAt(0.42, palette::BrassMid);
  gradient.setColorAt(0.58, QColor(184, 144, 62));
  gradient.setColorAt(1.0, palette::BrassDark);
  return gradient;
}

void BlendPixel(QImage& Target, int X, int Y, const QColor& Colour, double Opacity) {
  if (!Target.valid(X, Y))
    return;
  Target.setPixelColor(X, Y, Lerp(Target.pixelColor(X, Y), Colour, Opacity));
}

void BlendRow(QImage& Target, int Y, int X0, int X1, const QColor& Colour, double Opacity) {
  for (int x = X0; x <= X1; ++x)
    BlendPixel(Target, x, Y, Colour, Opacity);
}

void BlendColumn(QImage& Target, int X, int Y0, int Y1, const QColor& Colour, double Opacity) {
  for (int y = Y0; y <= Y1; ++y)
    BlendPixel(Target, X, y, Colour, Opacity);
}

} // namespace skinart
