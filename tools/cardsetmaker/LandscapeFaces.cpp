#include "LandscapeFaces.h"

#include "ArtKit.h"

#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr double W = 240;
constexpr double H = 180;
const QRectF Whole(0, 0, W, H);

void Sky(QPainter& p, double horizon, const std::vector<std::pair<double, QColor>>& stops) {
  FillVertical(p, QRectF(0, 0, W, horizon + 1), stops);
}

void Glow(QPainter& p, QPointF centre, double radius, QColor colour) {
  QRadialGradient glow(centre, radius);
  glow.setColorAt(0, colour);
  QColor clear = colour;
  clear.setAlpha(0);
  glow.setColorAt(1, clear);
  p.fillRect(Whole, glow);
}

void Disc(QPainter& p, QPointF centre, double radius, QColor colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(centre, radius, radius);
}

// Layers of ridges from far (faded into Haze) to near (Near).
void Ridges(QPainter& p, TArtRandom& random, int layers, double firstY, double stepY,
            double amplitude, double roughness, QColor near, QColor haze, double bottom = H) {
  p.setPen(Qt::NoPen);
  for (int i = 0; i < layers; ++i) {
    const double depth = layers == 1 ? 1.0 : double(i) / (layers - 1);
    p.setBrush(Mix(haze, near, 0.35 + 0.65 * depth));
    const auto heights = RidgeHeights(random, int(W), amplitude * (1 - 0.3 * depth), roughness);
    p.drawPath(RidgePath(heights, firstY + i * stepY, bottom));
  }
}

void Cloud(QPainter& p, QPointF at, double size, QColor colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(at, size * 1.6, size * 0.6);
  p.drawEllipse(at + QPointF(-size * 0.6, -size * 0.25), size * 0.7, size * 0.55);
  p.drawEllipse(at + QPointF(size * 0.3, -size * 0.45), size * 0.85, size * 0.7);
}

void Pine(QPainter& p, QPointF foot, double height, QColor colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  const double w = height * 0.38;
  for (int tier = 0; tier < 3; ++tier) {
    const double top = foot.y() - height + tier * height * 0.22;
    const double base = foot.y() - height * 0.12 - (2 - tier) * height * 0.2;
    const double half = w * (0.55 + tier * 0.25);
    p.drawPolygon(QPolygonF(
        {QPointF(foot.x(), top), QPointF(foot.x() + half, base), QPointF(foot.x() - half, base)}));
  }
  p.drawRect(
      QRectF(foot.x() - height * 0.03, foot.y() - height * 0.14, height * 0.06, height * 0.14));
}

void Forest(QPainter& p, TArtRandom& random, double baseY, double height, QColor colour,
            double spacing) {
  for (double x = -5; x < W + 5; x += spacing * random.Uniform(0.6, 1.2))
    Pine(p, QPointF(x, baseY + random.Uniform(-2, 3)), height * random.Uniform(0.7, 1.2), colour);
}

// The scene above Horizon mirrored below it, darkened towards Tint, with ripple lines.
void Reflect(QImage& image, int horizon, QColor tint, double strength) {
  QImage mirrored = image.copy(0, 0, int(W), horizon).mirrored(false, true);
  QPainter p(&image);
  p.drawImage(0, horizon, mirrored);
  QColor veil = tint;
  veil.setAlphaF(float(strength));
  p.fillRect(QRectF(0, horizon, W, H - horizon), veil);
  TArtRandom random{uint32_t(horizon)};
  p.setPen(QPen(QColor(255, 255, 255, 40), 1));
  for (int i = 0; i < 40; ++i) {
    const double y = horizon + 3 + random.Uniform(0, H - horizon);
    const double x = random.Uniform(-20, W);
    p.drawLine(QPointF(x, y), QPointF(x + random.Uniform(10, 40), y));
  }
}

void Stars(QPainter& p, TArtRandom& random, int count, double maxY) {
  p.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    p.setBrush(QColor(255, 255, 240, int(random.Uniform(80, 255))));
    p.drawEllipse(QPointF(random.Uniform(0, W), random.Uniform(0, maxY)), random.Uniform(0.4, 1.1),
                  random.Uniform(0.4, 1.1));
  }
}

void DawnLake(QImage& image, QPainter& p) {
  TArtRandom random(11);
  Sky(p, 110, {{0, QColor(50, 70, 160)}, {0.5, QColor(245, 140, 150)}, {1, QColor(255, 215, 140)}});
  Disc(p, QPointF(160, 60), 10, QColor(255, 240, 200));
  Glow(p, QPointF(160, 60), 60, QColor(255, 230, 170, 200));
  Ridges(p, random, 4, 74, 9, 22, 0.55, QColor(35, 35, 75), QColor(235, 165, 175), 111);
  p.end();
  Reflect(image, 110, QColor(30, 40, 90), 0.35);
}

void Palm(QPainter& p, QPointF foot, double height) {
  QPainterPath trunk;
  trunk.moveTo(foot);
  trunk.cubicTo(foot + QPointF(4, -height * 0.5), foot + QPointF(-10, -height * 0.8),
                foot + QPointF(-18, -height));
  p.setPen(QPen(QColor(90, 60, 40), 5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(trunk);
  const QPointF crown = foot + QPointF(-18, -height);
  p.setPen(QPen(QColor(30, 110, 50), 4, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 7; ++i) {
    const double a = -std::numbers::pi * (0.05 + 0.9 * i / 6.0);
    const QPointF tip = crown + QPointF(std::cos(a) * 34, std::sin(a) * 16 + 16);
    QPainterPath frond;
    frond.moveTo(crown);
    frond.quadTo(crown + QPointF(std::cos(a) * 20, std::sin(a) * 20), tip);
    p.drawPath(frond);
  }
}

void TropicalBay(QImage&, QPainter& p) {
  Sky(p, 90, {{0, QColor(40, 130, 220)}, {1, QColor(170, 220, 250)}});
  Cloud(p, QPointF(60, 30), 14, QColor(255, 255, 255, 230));
  Cloud(p, QPointF(170, 45), 10, QColor(255, 255, 255, 210));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 130, 90));
  p.drawEllipse(QRectF(150, 80, 80, 22));
  FillVertical(
      p, QRectF(0, 90, W, 90),
      {{0, QColor(30, 130, 180)}, {0.5, QColor(40, 190, 200)}, {1, QColor(120, 225, 210)}});
  QPainterPath beach;
  beach.moveTo(0, 140);
  beach.cubicTo(80, 150, 160, 170, 240, 160);
  beach.lineTo(240, 180);
  beach.lineTo(0, 180);
  p.setBrush(QColor(240, 220, 170));
  p.drawPath(beach);
  p.setPen(QPen(QColor(255, 255, 255, 180), 2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(QPainterPath(beach).translated(0, -2));
  Palm(p, QPointF(50, 165), 90);
}

void Dunes(QImage&, QPainter& p) {
  Sky(p, 100, {{0, QColor(120, 170, 220)}, {1, QColor(250, 220, 180)}});
  Disc(p, QPointF(180, 40), 16, QColor(255, 245, 210));
  Glow(p, QPointF(180, 40), 50, QColor(255, 240, 200, 140));
  p.setPen(Qt::NoPen);
  const QColor light[] = {QColor(235, 170, 100), QColor(225, 145, 80), QColor(210, 120, 60),
                          QColor(190, 95, 45)};
  for (int i = 0; i < 4; ++i) {
    const double y = 92 + i * 22;
    const double crest = 30 + i * 60;
    QPainterPath dune;
    dune.moveTo(-10, 180);
    dune.lineTo(-10, y + 20);
    dune.cubicTo(crest - 40, y + 10, crest - 20, y - 12, crest, y - 12);
    dune.cubicTo(crest + 50, y - 12, crest + 120, y + 18, 260, y + 8);
    dune.lineTo(260, 180);
    p.setBrush(light[i]);
    p.drawPath(dune);
    QPainterPath shade;
    shade.moveTo(crest, y - 12);
    shade.cubicTo(crest + 10, y + 10, crest + 40, y + 40, crest + 70, 180);
    shade.lineTo(260, 180);
    shade.lineTo(260, y + 8);
    shade.cubicTo(crest + 120, y + 18, crest + 50, y - 12, crest, y - 12);
    p.setBrush(light[i].darker(125));
    p.drawPath(shade);
  }
}

void MistyForest(QImage&, QPainter& p) {
  TArtRandom random(23);
  Sky(p, 180, {{0, QColor(200, 215, 205)}, {1, QColor(235, 240, 230)}});
  const QColor haze(215, 225, 215);
  const QColor near(20, 60, 40);
  for (int layer = 0; layer < 5; ++layer) {
    const double depth = layer / 4.0;
    Forest(p, random, 70 + layer * 26, 30 + layer * 14, Mix(haze, near, 0.2 + 0.8 * depth),
           10 + layer * 4);
    FillVertical(p, QRectF(0, 60 + layer * 26, W, 40),
                 {{0, QColor(235, 240, 232, 0)}, {1, QColor(235, 240, 232, 110)}});
  }
}

void Aurora(QImage&, QPainter& p) {
  TArtRandom random(5);
  Sky(p, 180, {{0, QColor(5, 10, 30)}, {1, QColor(20, 40, 70)}});
  Stars(p, random, 90, 120);
  p.setPen(Qt::NoPen);
  for (int band = 0; band < 2; ++band) {
    for (int x = 0; x < int(W); x += 2) {
      const double base =
          70 + band * 18 + 18 * std::sin(x / 30.0 + band * 2) + 6 * std::sin(x / 11.0 + band);
      const double height = 40 + 25 * std::sin(x / 23.0 + band * 3);
      const QColor core = band == 0 ? QColor(80, 255, 150, 150) : QColor(170, 90, 255, 110);
      QColor top = core;
      top.setAlpha(0);
      FillVertical(p, QRectF(x, base - height, 2.2, height), {{0, top}, {1, core}});
    }
  }
  Ridges(p, random, 2, 128, 18, 14, 0.5, QColor(25, 35, 60), QColor(80, 100, 140));
  QPainterPath snow;
  snow.moveTo(0, 165);
  snow.cubicTo(70, 150, 150, 160, 240, 148);
  snow.lineTo(240, 180);
  snow.lineTo(0, 180);
  p.setBrush(QColor(200, 215, 235));
  p.drawPath(snow);
  p.setBrush(QColor(60, 40, 40));
  p.drawRect(QRectF(170, 144, 18, 12));
  p.drawPolygon(QPolygonF({QPointF(167, 145), QPointF(179, 136), QPointF(191, 145)}));
  p.setBrush(QColor(255, 200, 90));
  p.drawRect(QRectF(175, 148, 5, 4));
}

void SunsetSea(QImage&, QPainter& p) {
  Sky(p, 110, {{0, QColor(60, 30, 90)}, {0.5, QColor(220, 80, 90)}, {1, QColor(255, 170, 70)}});
  Glow(p, QPointF(120, 110), 80, QColor(255, 200, 100, 170));
  Disc(p, QPointF(120, 110), 26, QColor(255, 220, 130));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(80, 40, 70, 200));
  p.drawEllipse(QRectF(20, 56, 70, 7));
  p.drawEllipse(QRectF(150, 40, 90, 8));
  FillVertical(p, QRectF(0, 110, W, 70), {{0, QColor(150, 60, 90)}, {1, QColor(40, 20, 60)}});
  p.setBrush(QColor(50, 25, 55));
  QPainterPath island;
  island.moveTo(180, 111);
  island.cubicTo(195, 98, 210, 100, 225, 111);
  p.drawPath(island);
  TArtRandom random(9);
  for (int i = 0; i < 26; ++i) {
    const double y = 114 + i * 2.5;
    const double half = 24 - i * 0.5 + random.Uniform(-4, 4);
    p.setBrush(QColor(255, 210, 120, 200 - i * 6));
    p.drawRect(QRectF(120 - half + random.Uniform(-3, 3), y, half * 2, 1.2));
  }
}

void SnowPeaks(QImage&, QPainter& p) {
  Sky(p, 180, {{0, QColor(30, 90, 180)}, {1, QColor(170, 210, 240)}});
  Cloud(p, QPointF(190, 30), 12, QColor(255, 255, 255, 200));
  p.setPen(Qt::NoPen);
  const struct { double x, top, half; } peaks[] = {{60, 40, 80}, {150, 26, 90}, {220, 60, 60}};
  for (const auto& peak : peaks) {
    QPolygonF mountain({QPointF(peak.x - peak.half, 150), QPointF(peak.x, peak.top),
                        QPointF(peak.x + peak.half, 150)});
    p.setBrush(QColor(240, 245, 255));
    p.drawPolygon(mountain);
    p.setBrush(QColor(150, 170, 205));
    p.drawPolygon(QPolygonF({QPointF(peak.x, peak.top), QPointF(peak.x + peak.half, 150),
                             QPointF(peak.x + 6, 150), QPointF(peak.x - 4, peak.top + 40)}));
    p.setBrush(QColor(90, 100, 120));
    p.drawPolygon(QPolygonF({QPointF(peak.x - peak.half * 0.55, 150),
                             QPointF(peak.x - peak.half * 0.25, 150 - (150 - peak.top) * 0.35),
                             QPointF(peak.x, 150 - (150 - peak.top) * 0.3),
                             QPointF(peak.x + peak.half * 0.4, 150 - (150 - peak.top) * 0.25),
                             QPointF(peak.x + peak.half * 0.6, 150)}));
  }
  TArtRandom random(31);
  p.setBrush(QColor(40, 90, 60));
  p.drawRect(QRectF(0, 148, W, 32));
  Forest(p, random, 170, 26, QColor(20, 60, 40), 9);
}

void GreenHills(QImage&, QPainter& p) {
  Sky(p, 100, {{0, QColor(70, 150, 235)}, {1, QColor(200, 230, 250)}});
  Cloud(p, QPointF(50, 35), 15, Qt::white);
  Cloud(p, QPointF(165, 25), 11, QColor(255, 255, 255, 230));
  Cloud(p, QPointF(215, 60), 8, QColor(255, 255, 255, 220));
  p.setPen(Qt::NoPen);
  const QColor greens[] = {QColor(130, 190, 90), QColor(100, 170, 70), QColor(70, 150, 60),
                           QColor(50, 125, 50)};
  for (int i = 0; i < 4; ++i) {
    QPainterPath hill;
    const double y = 96 + i * 20;
    hill.moveTo(-10, 180);
    hill.lineTo(-10, y + 10);
    hill.cubicTo(60 + i * 20, y - 30, 120 - i * 10, y + 25, 250, y - 8 + i * 6);
    hill.lineTo(250, 180);
    p.setBrush(greens[i]);
    p.drawPath(hill);
  }
  QPainterPath lane;
  lane.moveTo(150, 180);
  lane.cubicTo(120, 160, 190, 140, 140, 118);
  p.setPen(QPen(QColor(225, 205, 150), 6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(lane);
  p.setPen(Qt::NoPen);
  for (const QPointF& tree : {QPointF(40, 120), QPointF(200, 112), QPointF(215, 118)}) {
    p.setBrush(QColor(90, 60, 40));
    p.drawRect(QRectF(tree.x() - 1.5, tree.y(), 3, 10));
    p.setBrush(QColor(40, 110, 45));
    p.drawEllipse(tree, 8, 9);
  }
}

void Lavender(QImage&, QPainter& p) {
  Sky(p, 90,
      {{0, QColor(250, 170, 110)}, {0.6, QColor(255, 210, 160)}, {1, QColor(255, 235, 200)}});
  Glow(p, QPointF(70, 88), 60, QColor(255, 240, 200, 180));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(140, 110, 150));
  p.drawRect(QRectF(0, 86, W, 94));
  // Rows run towards a vanishing point on the horizon.
  const QPointF vanish(130, 84);
  for (int row = -14; row <= 14; ++row) {
    QPainterPath stripe;
    const double bottom = 120 + row * 26;
    stripe.moveTo(vanish);
    stripe.lineTo(bottom - 8, 180);
    stripe.lineTo(bottom + 8, 180);
    stripe.closeSubpath();
    p.setBrush(QColor(120, 70, 170));
    p.drawPath(stripe);
  }
  FillVertical(p, QRectF(0, 86, W, 30),
               {{0, QColor(200, 160, 190, 160)}, {1, QColor(200, 160, 190, 0)}});
  p.setBrush(QColor(60, 50, 40));
  p.drawRect(QRectF(196, 58, 3, 30));
  p.setBrush(QColor(60, 80, 45));
  p.drawEllipse(QPointF(197, 54), 16, 11);
  p.drawEllipse(QPointF(189, 60), 9, 7);
  p.drawEllipse(QPointF(206, 60), 10, 7);
}

void Canyon(QImage&, QPainter& p) {
  Sky(p, 120, {{0, QColor(60, 120, 200)}, {1, QColor(230, 200, 170)}});
  p.setPen(Qt::NoPen);
  const struct {
    double left, right, top;
    QColor colour;
  } mesas[] = {{-10, 90, 70, QColor(200, 110, 70)},
               {130, 250, 56, QColor(185, 95, 60)},
               {70, 150, 96, QColor(215, 130, 80)}};
  for (const auto& mesa : mesas) {
    QPolygonF shape({QPointF(mesa.left, 180), QPointF(mesa.left + 12, mesa.top + 8),
                     QPointF(mesa.left + 18, mesa.top), QPointF(mesa.right - 18, mesa.top),
                     QPointF(mesa.right - 10, mesa.top + 10), QPointF(mesa.right, 180)});
    p.setBrush(mesa.colour);
    p.drawPolygon(shape);
    p.setBrush(mesa.colour.darker(118));
    for (double y = mesa.top + 14; y < 180; y += 16)
      p.drawRect(QRectF(mesa.left + 6, y, mesa.right - mesa.left - 12, 4));
  }
  FillVertical(p, QRectF(0, 150, W, 30), {{0, QColor(170, 80, 50)}, {1, QColor(120, 55, 35)}});
  p.setBrush(QColor(60, 130, 150));
  QPainterPath river;
  river.moveTo(90, 150);
  river.cubicTo(110, 160, 80, 170, 120, 180);
  river.lineTo(150, 180);
  river.cubicTo(110, 170, 130, 160, 100, 150);
  p.drawPath(river);
}

void MoonlitLake(QImage& image, QPainter& p) {
  TArtRandom random(17);
  Sky(p, 112, {{0, QColor(10, 20, 50)}, {1, QColor(40, 70, 120)}});
  Stars(p, random, 60, 100);
  Glow(p, QPointF(170, 40), 40, QColor(220, 230, 255, 120));
  Disc(p, QPointF(170, 40), 14, QColor(240, 240, 225));
  Ridges(p, random, 1, 96, 0, 10, 0.5, QColor(30, 45, 75), QColor(30, 45, 75), 113);
  Forest(p, random, 113, 22, QColor(10, 20, 30), 8);
  p.end();
  Reflect(image, 112, QColor(10, 20, 45), 0.45);
}

void AutumnTree(QPainter& p, QPointF foot, double size, QColor leaves) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(90, 60, 40));
  p.drawRect(QRectF(foot.x() - size * 0.08, foot.y() - size * 0.5, size * 0.16, size * 0.5));
  QRadialGradient canopy(foot + QPointF(-size * 0.2, -size * 1.15), size * 0.9);
  canopy.setColorAt(0, leaves.lighter(130));
  canopy.setColorAt(1, leaves.darker(125));
  p.setBrush(canopy);
  p.drawEllipse(foot + QPointF(0, -size * 0.95), size * 0.55, size * 0.6);
  p.drawEllipse(foot + QPointF(-size * 0.3, -size * 0.7), size * 0.35, size * 0.33);
  p.drawEllipse(foot + QPointF(size * 0.32, -size * 0.72), size * 0.36, size * 0.33);
}

void AutumnValley(QImage&, QPainter& p) {
  TArtRandom random(41);
  Sky(p, 100, {{0, QColor(80, 150, 225)}, {1, QColor(215, 232, 245)}});
  Cloud(p, QPointF(180, 28), 10, QColor(255, 255, 255, 220));
  Ridges(p, random, 2, 72, 12, 16, 0.5, QColor(110, 115, 140), QColor(190, 200, 220), 120);
  p.setPen(Qt::NoPen);
  FillVertical(p, QRectF(0, 96, W, 84), {{0, QColor(150, 150, 80)}, {1, QColor(110, 120, 50)}});
  QPainterPath river;
  river.moveTo(116, 96);
  river.cubicTo(100, 120, 150, 140, 100, 180);
  river.lineTo(150, 180);
  river.cubicTo(190, 140, 124, 120, 124, 96);
  p.setBrush(QColor(90, 160, 210));
  p.drawPath(river);
  const QColor leaves[] = {QColor(220, 90, 30), QColor(240, 165, 40), QColor(195, 50, 40),
                           QColor(215, 130, 35), QColor(235, 195, 70)};
  for (int row = 0; row < 4; ++row) {
    const double y = 104 + row * 22;
    const double size = 12 + row * 6;
    // Trees stand on both banks and leave the river in view.
    const double bankLeft = 96 - row * 6;
    const double bankRight = 146 + row * 10;
    for (double x = -4; x < W + 10; x += size * random.Uniform(0.8, 1.1)) {
      if (x > bankLeft - size * 0.4 && x < bankRight + size * 0.4)
        continue;
      AutumnTree(p, QPointF(x, y + random.Uniform(-3, 3)), size, leaves[random.Below(5)]);
    }
  }
}

} // namespace

QList<QImage> DrawLandscapes() {
  const std::function<void(QImage&, QPainter&)> scenes[] = {
      DawnLake,  TropicalBay, Dunes,    MistyForest, Aurora,      SunsetSea,
      SnowPeaks, GreenHills,  Lavender, Canyon,      MoonlitLake, AutumnValley};
  QList<QImage> faces;
  for (const auto& scene : scenes) {
    QImage image = ArtCanvas(LandscapeSize);
    QPainter painter(&image);
    PrepareArtPainter(painter);
    scene(image, painter);
    if (painter.isActive())
      painter.end();
    faces.push_back(image);
  }
  return faces;
}
