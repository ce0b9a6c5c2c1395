#include "AnimatedFaces.h"

#include "ArtKit.h"

#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double Tau = 2 * std::numbers::pi;

using TScene = std::function<void(QPainter&, double)>; // t in [0, 1): place in the loop

TAnimation Render(const QString& name, int frames, int delayMs, const TScene& scene) {
  TAnimation animation{name, {}};
  for (int i = 0; i < frames; ++i) {
    QImage image = ArtCanvas(AnimationSize);
    QPainter painter(&image);
    PrepareArtPainter(painter);
    scene(painter, double(i) / frames);
    painter.end();
    animation.Frames.push_back({image, delayMs});
  }
  return animation;
}

const QRectF Card(0, 0, 120, 90);

void Background(QPainter& p, QColor top, QColor bottom) {
  FillVertical(p, Card, {{0, top}, {1, bottom}});
}

void Outline(QPainter& p, QColor colour, double width = 2.0) {
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void SpinningStar(QPainter& p, double t) {
  QRadialGradient sky(Card.center(), 75);
  sky.setColorAt(0, QColor(40, 52, 120));
  sky.setColorAt(1, QColor(12, 16, 48));
  p.fillRect(Card, sky);
  const QPointF sparks[] = {{18, 16}, {100, 22}, {22, 72}, {98, 70}, {60, 10}};
  for (int i = 0; i < 5; ++i) {
    const double glow = 0.5 + 0.5 * std::sin(Tau * (t + i * 0.2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 220, int(80 + 170 * glow)));
    p.drawPath(StarPath(sparks[i], 2 + 2 * glow, 0.3, 0, 4));
  }
  const double pulse = 1.0 + 0.08 * std::sin(Tau * t);
  const QPointF centre(60, 46);
  // The halo stays still: a pulsing one would change every pixel of every frame.
  QRadialGradient halo(centre, 42);
  halo.setColorAt(0, QColor(255, 230, 130, 150));
  halo.setColorAt(1, QColor(255, 230, 130, 0));
  p.setBrush(halo);
  p.drawEllipse(centre, 42, 42);
  QRadialGradient gold(centre, 32);
  gold.setColorAt(0, QColor(255, 244, 160));
  gold.setColorAt(1, QColor(245, 176, 30));
  p.setBrush(gold);
  Outline(p, QColor(170, 100, 10), 2);
  p.drawPath(StarPath(centre, 32 * pulse, 0.45, 72.0 * t));
}

void BouncingBall(QPainter& p, double t) {
  Background(p, QColor(150, 210, 250), QColor(215, 240, 255));
  p.fillRect(QRectF(0, 74, 120, 16), QColor(96, 178, 80));
  p.fillRect(QRectF(0, 74, 120, 3), QColor(70, 150, 60));
  const double height = std::abs(std::sin(Pi * t)); // 0 at the floor, 1 at the top
  const double squash = height < 0.15 ? 1.0 - (0.15 - height) * 1.6 : 1.0;
  const double radius = 17;
  const double ry = radius * squash;
  const double rx = radius / std::sqrt(squash);
  const double cy = 74 - ry - height * 38;
  p.setBrush(QColor(255, 255, 255, 230));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(24, 18), 11, 5);
  p.drawEllipse(QPointF(31, 15), 8, 5);
  p.drawEllipse(QPointF(96, 28), 9, 4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 80, 30, 90));
  const double shadow = 16 - 8 * height;
  p.drawEllipse(QPointF(60, 76), shadow, shadow / 4);
  p.save();
  p.translate(60, cy);
  p.scale(rx / radius, ry / radius);
  p.rotate(360.0 * t);
  const QColor segments[] = {QColor(230, 40, 50),  Qt::white, QColor(30, 110, 220), Qt::white,
                             QColor(250, 200, 30), Qt::white};
  const QRectF ball(-radius, -radius, radius * 2, radius * 2);
  for (int i = 0; i < 6; ++i) {
    p.setBrush(segments[i]);
    p.drawPie(ball, i * 60 * 16, 60 * 16);
  }
  p.setBrush(Qt::NoBrush);
  Outline(p, QColor(60, 60, 70), 1.5);
  p.drawEllipse(ball);
  p.restore();
}

void BlinkingOwl(QPainter& p, double t) {
  Background(p, QColor(40, 30, 80), QColor(90, 60, 130));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 240, 200));
  p.drawEllipse(QPointF(100, 18), 10, 10);
  p.setBrush(QColor(50, 38, 90));
  p.drawEllipse(QPointF(96, 15), 9, 9);
  p.setBrush(QColor(110, 70, 40));
  p.drawRoundedRect(QRectF(-5, 74, 130, 8), 4, 4);
  // The owl sways a little on its branch and blinks once per loop.
  const double sway = 3 * std::sin(Tau * t);
  p.save();
  p.translate(60, 74);
  p.rotate(sway);
  p.setBrush(QColor(150, 100, 60));
  p.drawEllipse(QRectF(-22, -56, 44, 58));
  QPainterPath ears;
  ears.moveTo(-20, -44);
  ears.lineTo(-16, -62);
  ears.lineTo(-6, -50);
  ears.moveTo(20, -44);
  ears.lineTo(16, -62);
  ears.lineTo(6, -50);
  p.drawPath(ears);
  p.setBrush(QColor(230, 200, 150));
  p.drawEllipse(QRectF(-13, -30, 26, 30));
  p.setPen(QPen(QColor(180, 140, 90), 1.2));
  for (int row = 0; row < 3; ++row)
    for (int col = -1; col <= 1; ++col)
      p.drawArc(QRectF(col * 7 - 3, -24 + row * 7, 6, 5), 200 * 16, 140 * 16);
  const bool closed = t >= 0.75 && t < 0.875;
  const double look = 2.5 * std::sin(Tau * t);
  for (int side : {-1, 1}) {
    const QPointF eye(side * 10, -40);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 240));
    p.drawEllipse(eye, 9, 9);
    if (closed) {
      p.setBrush(QColor(150, 100, 60));
      p.drawEllipse(eye, 9, 9);
      Outline(p, QColor(60, 35, 20), 2);
      p.drawArc(QRectF(eye.x() - 6, eye.y() - 4, 12, 8), 200 * 16, 140 * 16);
    } else {
      p.setBrush(QColor(250, 170, 20));
      p.drawEllipse(eye + QPointF(look, 0), 5.5, 5.5);
      p.setBrush(Qt::black);
      p.drawEllipse(eye + QPointF(look, 0), 3, 3);
      p.setBrush(Qt::white);
      p.drawEllipse(eye + QPointF(look - 1.5, -1.5), 1.2, 1.2);
    }
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 160, 30));
  QPainterPath beak;
  beak.moveTo(-3.5, -34);
  beak.lineTo(3.5, -34);
  beak.lineTo(0, -27);
  beak.closeSubpath();
  p.drawPath(beak);
  p.setBrush(QColor(240, 160, 30));
  for (int side : {-1, 1})
    p.drawEllipse(QPointF(side * 7, 0), 4, 2.5);
  p.restore();
}

QPainterPath Waves(double phase, double baseY, double amplitude, double wavelength) {
  QPainterPath path;
  path.moveTo(0, 90);
  for (int x = 0; x <= 120; x += 2)
    path.lineTo(x, baseY + amplitude * std::sin(Tau * (x / wavelength - phase)));
  path.lineTo(120, 90);
  path.closeSubpath();
  return path;
}

void SailingBoat(QPainter& p, double t) {
  Background(p, QColor(120, 190, 240), QColor(230, 245, 255));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 220));
  const double cloud = std::fmod(30 + 120 * t, 150) - 15;
  p.drawEllipse(QPointF(cloud, 16), 12, 6);
  p.drawEllipse(QPointF(cloud + 9, 13), 9, 6);
  p.setBrush(QColor(40, 110, 180));
  p.drawPath(Waves(t, 62, 2, 60));
  const double bob = 2.2 * std::sin(Tau * t);
  p.save();
  p.translate(60, 60 + bob);
  p.rotate(5 * std::sin(Tau * t + 0.8));
  p.setBrush(QColor(250, 250, 245));
  QPainterPath sail;
  sail.moveTo(1, -40);
  sail.lineTo(1, -4);
  sail.lineTo(24, -4);
  sail.closeSubpath();
  p.drawPath(sail);
  p.setBrush(QColor(240, 110, 70));
  QPainterPath jib;
  jib.moveTo(-2, -36);
  jib.lineTo(-2, -4);
  jib.lineTo(-20, -4);
  jib.closeSubpath();
  p.drawPath(jib);
  Outline(p, QColor(90, 60, 40), 2);
  p.drawLine(QPointF(0, -44), QPointF(0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(220, 40, 50));
  p.drawPolygon(QPolygonF({QPointF(0, -44), QPointF(9, -41), QPointF(0, -38)}));
  p.setBrush(QColor(140, 80, 40));
  QPainterPath hull;
  hull.moveTo(-28, -2);
  hull.lineTo(30, -2);
  hull.lineTo(22, 9);
  hull.lineTo(-20, 9);
  hull.closeSubpath();
  p.drawPath(hull);
  p.setBrush(QColor(250, 220, 120));
  p.drawRect(QRectF(-26, -2, 55, 2.5));
  p.restore();
  p.setBrush(QColor(30, 90, 160));
  p.drawPath(Waves(t + 0.3, 70, 2.5, 40));
  p.setBrush(QColor(20, 70, 140));
  p.drawPath(Waves(t * 2 + 0.6, 80, 2, 30));
}

void PlanetAndRing(QPainter& p, double t) {
  p.fillRect(Card, QColor(10, 12, 30));
  TArtRandom random(7);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 30; ++i) {
    const double glow = 0.5 + 0.5 * std::sin(Tau * (t * (1 + i % 2) + i * 0.37));
    p.setBrush(QColor(255, 255, 255, int(90 + 120 * glow)));
    p.drawEllipse(QPointF(random.Uniform(0, 120), random.Uniform(0, 90)), 0.9, 0.9);
  }
  const QPointF centre(60, 45);
  const double angle = Tau * t;
  const QPointF moon(centre.x() + 50 * std::cos(angle), centre.y() + 14 * std::sin(angle));
  const bool moonBehind = std::sin(angle) < 0;
  auto drawMoon = [&] {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 215));
    p.drawEllipse(moon, 4.5, 4.5);
    p.setBrush(QColor(150, 150, 170));
    p.drawEllipse(moon + QPointF(1.5, 1), 1.4, 1.4);
  };
  if (moonBehind)
    drawMoon();
  p.save();
  p.translate(centre);
  p.rotate(-18);
  const QRectF ring(-46, -11, 92, 22);
  Outline(p, QColor(210, 180, 120), 4);
  p.drawArc(ring, 0, 180 * 16);
  p.setPen(Qt::NoPen);
  QRadialGradient body(QPointF(-8, -8), 34);
  body.setColorAt(0, QColor(255, 210, 140));
  body.setColorAt(1, QColor(200, 110, 50));
  p.setBrush(body);
  p.drawEllipse(QPointF(0, 0), 24, 24);
  p.setClipPath([] {
    QPainterPath clip;
    clip.addEllipse(QPointF(0, 0), 24, 24);
    return clip;
  }());
  // Cloud bands drift across the disc; they repeat every 16 pixels, so the loop is seamless.
  p.setBrush(QColor(170, 80, 40, 120));
  const double drift = 16 * t;
  for (double y = -24; y < 24; y += 8)
    for (double x = -48 + drift; x < 40; x += 16)
      p.drawEllipse(QRectF(x, y + 2, 14, 3.5));
  p.setClipping(false);
  Outline(p, QColor(235, 205, 140), 4);
  p.drawArc(ring, 180 * 16, 180 * 16);
  p.restore();
  if (!moonBehind)
    drawMoon();
}

void BeatingHeart(QPainter& p, double t) {
  QRadialGradient glow(Card.center(), 70);
  glow.setColorAt(0, QColor(255, 220, 230));
  glow.setColorAt(1, QColor(250, 160, 190));
  p.fillRect(Card, glow);
  // Two beats, a strong one and a softer echo, then rest.
  const double beat =
      std::exp(-std::pow((t - 0.15) * 14, 2)) + 0.6 * std::exp(-std::pow((t - 0.38) * 14, 2));
  const double size = 58 * (1.0 + 0.16 * beat);
  const QPointF centre(60, 47);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, int(60 + 100 * beat)));
  p.drawPath(HeartPath(centre, size * 1.22));
  QRadialGradient red(centre - QPointF(10, 12), size * 0.8);
  red.setColorAt(0, QColor(255, 90, 100));
  red.setColorAt(1, QColor(190, 10, 40));
  p.setBrush(red);
  Outline(p, QColor(130, 0, 25), 2);
  p.drawPath(HeartPath(centre, size));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 150));
  p.drawEllipse(centre + QPointF(-size * 0.25, -size * 0.25), size * 0.09, size * 0.06);
}

void SwimmingFish(QPainter& p, double t) {
  Background(p, QColor(70, 190, 220), QColor(20, 90, 150));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 210, 150));
  p.drawEllipse(QRectF(-20, 80, 160, 30));
  Outline(p, QColor(40, 150, 80), 4);
  for (int i = 0; i < 3; ++i) {
    const double x = 14 + i * 44;
    QPainterPath weed;
    weed.moveTo(x, 90);
    const double swing = 5 * std::sin(Tau * t + i);
    weed.cubicTo(x - 6, 74, x + 6 + swing, 64, x + swing, 52 + i * 4);
    p.drawPath(weed);
  }
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 3; ++i) {
    const double rise = std::fmod(t + i / 3.0, 1.0);
    p.setBrush(QColor(255, 255, 255, int(200 * (1 - rise))));
    p.drawEllipse(QPointF(84 + 4 * std::sin(Tau * rise + i), 38 - rise * 36), 2 + rise * 2,
                  2 + rise * 2);
  }
  p.save();
  p.translate(56, 44 + 3 * std::sin(Tau * t));
  const double wag = 18 * std::sin(Tau * 2 * t);
  p.save();
  p.translate(-22, 0);
  p.rotate(wag);
  p.setBrush(QColor(240, 120, 20));
  Outline(p, QColor(60, 30, 10), 1.5);
  p.drawPolygon(QPolygonF({QPointF(2, 0), QPointF(-16, -12), QPointF(-12, 0), QPointF(-16, 12)}));
  p.restore();
  p.setBrush(QColor(250, 140, 30));
  p.drawEllipse(QRectF(-26, -15, 52, 30));
  p.setClipPath([] {
    QPainterPath clip;
    clip.addEllipse(QRectF(-26, -15, 52, 30));
    return clip;
  }());
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  for (double x : {-12.0, 4.0})
    p.drawRect(QRectF(x, -16, 6, 32));
  p.setClipping(false);
  p.setBrush(Qt::NoBrush);
  Outline(p, QColor(60, 30, 10), 1.5);
  p.drawEllipse(QRectF(-26, -15, 52, 30));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(16, -4), 4.5, 4.5);
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(17, -4), 2.3, 2.3);
  p.restore();
}

void PulsingSun(QPainter& p, double t) {
  QRadialGradient sky(Card.center(), 80);
  sky.setColorAt(0, QColor(255, 236, 170));
  sky.setColorAt(1, QColor(250, 150, 70));
  p.fillRect(Card, sky);
  const QPointF centre(60, 45);
  const double pulse = 1.0 + 0.06 * std::sin(Tau * t);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 12; ++i) {
    p.save();
    p.translate(centre);
    p.rotate(30.0 * i + 30.0 * t);
    p.setBrush(i % 2 ? QColor(250, 200, 40) : QColor(255, 160, 30));
    const double reach = (i % 2 ? 38 : 43) * pulse;
    p.drawPolygon(QPolygonF({QPointF(-5.5, -22), QPointF(0, -reach), QPointF(5.5, -22)}));
    p.restore();
  }
  QRadialGradient disc(centre - QPointF(6, 6), 30);
  disc.setColorAt(0, QColor(255, 250, 170));
  disc.setColorAt(1, QColor(255, 190, 20));
  p.setBrush(disc);
  Outline(p, QColor(220, 120, 10), 2);
  p.drawEllipse(centre, 24 * pulse, 24 * pulse);
  // A friendly face that winks once per loop.
  Outline(p, QColor(150, 70, 10), 2);
  p.setBrush(QColor(150, 70, 10));
  const bool wink = t >= 0.5 && t < 0.625;
  p.drawEllipse(centre + QPointF(-8, -5), 2.2, 2.6);
  if (wink)
    p.drawLine(centre + QPointF(5.5, -5), centre + QPointF(10.5, -5));
  else
    p.drawEllipse(centre + QPointF(8, -5), 2.2, 2.6);
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(centre.x() - 10, centre.y() - 4, 20, 14), 200 * 16, 140 * 16);
}

QPainterPath LeafPath() {
  QPainterPath leaf;
  leaf.moveTo(0, -14);
  leaf.cubicTo(10, -8, 10, 8, 0, 14);
  leaf.cubicTo(-10, 8, -10, -8, 0, -14);
  return leaf;
}

void FallingLeaf(QPainter& p, double t) {
  Background(p, QColor(255, 236, 200), QColor(250, 205, 150));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 120, 60));
  p.drawEllipse(QRectF(-10, 78, 140, 30));
  const QColor colours[] = {QColor(220, 80, 30), QColor(240, 170, 30)};
  // Two leaves half a loop apart, so one enters as the other lands.
  for (int i = 0; i < 2; ++i) {
    const double f = std::fmod(t + i * 0.5, 1.0);
    const double x = 60 + 26 * std::sin(Tau * f + i * Pi);
    const double y = -20 + f * 116;
    p.save();
    p.translate(x, y);
    p.rotate(40 * std::sin(Tau * f + i * Pi + Pi / 2));
    p.scale(1.4, 1.4);
    p.setBrush(colours[i]);
    Outline(p, colours[i].darker(160), 1.5);
    p.drawPath(LeafPath());
    p.drawLine(QPointF(0, -14), QPointF(0, 18));
    p.setPen(QPen(colours[i].darker(140), 1));
    for (int v = -1; v <= 1; ++v) {
      p.drawLine(QPointF(0, v * 6), QPointF(-6, v * 6 - 4));
      p.drawLine(QPointF(0, v * 6), QPointF(6, v * 6 - 4));
    }
    p.restore();
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(170, 60, 30));
  p.drawEllipse(QPointF(22, 82), 8, 3);
  p.setBrush(QColor(230, 150, 40));
  p.drawEllipse(QPointF(95, 84), 9, 3);
}

void WavingFlag(QPainter& p, double t) {
  Background(p, QColor(110, 180, 240), QColor(200, 230, 255));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(90, 160, 80));
  p.drawEllipse(QRectF(-30, 76, 180, 40));
  Outline(p, QColor(110, 110, 120), 3);
  p.drawLine(QPointF(22, 12), QPointF(22, 84));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 200, 60));
  p.drawEllipse(QPointF(22, 11), 3, 3);
  const double left = 24;
  const double width = 74;
  const double top = 16;
  const double height = 40;
  const QColor stripes[] = {QColor(120, 50, 170), QColor(120, 50, 170), QColor(250, 150, 30)};
  const int strips = 37;
  for (int s = 0; s < strips; ++s) {
    const double u = double(s) / strips;
    const double x = left + u * width;
    const double wave = std::sin(Tau * (u * 1.3 - t));
    const double dy = 4.5 * u * wave;
    const double shade = 0.85 + 0.15 * std::cos(Tau * (u * 1.3 - t));
    for (int band = 0; band < 3; ++band) {
      QColor c = stripes[band];
      c = QColor(int(c.red() * shade), int(c.green() * shade), int(c.blue() * shade));
      p.setBrush(c);
      p.drawRect(QRectF(x, top + dy + band * height / 3, width / strips + 0.6, height / 3 + 0.4));
    }
  }
  const double u = 0.45;
  const double dy = 4.5 * u * std::sin(Tau * (u * 1.3 - t));
  p.setBrush(QColor(255, 220, 60));
  p.drawPath(StarPath(QPointF(left + u * width, top + height * 0.36 + dy), 10, 0.45, 0));
}

void HoppingFrog(QPainter& p, double t) {
  Background(p, QColor(170, 225, 240), QColor(60, 140, 150));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 120, 140));
  p.drawRect(QRectF(0, 64, 120, 26));
  p.setBrush(QColor(70, 160, 70));
  p.drawPie(QRectF(22, 62, 76, 18), 110 * 16, 320 * 16);
  // Half of the loop is a hop, the other half a pause with a throat that puffs.
  const double hop = t < 0.5 ? std::sin(Pi * t * 2) : 0.0;
  const double puff = t >= 0.5 ? std::sin(Pi * (t - 0.5) * 4) : 0.0;
  const double y = 68 - hop * 26;
  const double stretch = 1.0 + 0.15 * hop;
  p.setBrush(QColor(30, 90, 50, 80));
  p.drawEllipse(QPointF(60, 70), 18 - 8 * hop, 3);
  p.save();
  p.translate(60, y);
  p.scale(1.3 / stretch, 1.3 * stretch);
  const QColor green(80, 190, 60);
  const QColor dark(30, 110, 40);
  p.setBrush(green.darker(115));
  for (int side : {-1, 1}) {
    p.drawEllipse(QPointF(side * 15, -4 + hop * 4), 8, 5 + hop * 5);
  }
  p.setBrush(QColor(250, 240, 170));
  p.drawEllipse(QPointF(0, -8), 8 + puff * 4, 5 + puff * 3);
  p.setBrush(green);
  p.drawEllipse(QRectF(-18, -24, 36, 20));
  for (int side : {-1, 1}) {
    p.setBrush(green);
    p.drawEllipse(QPointF(side * 9, -24), 7, 7);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(side * 9, -25), 4.5, 4.5);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(side * 9, -25), 2.3, 2.3);
  }
  Outline(p, dark, 1.5);
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(-9, -18, 18, 8), 200 * 16, 140 * 16);
  p.restore();
}

void TickingClock(QPainter& p, double t) {
  Background(p, QColor(250, 240, 220), QColor(225, 205, 175));
  const QPointF centre(60, 47);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(190, 50, 40));
  // The bells shake on every tick.
  const double shake = (std::fmod(t * 12, 1.0) < 0.5 ? 1 : -1) * 1.2;
  for (int side : {-1, 1})
    p.drawPie(QRectF(centre.x() + side * 24 - 10 + shake, centre.y() - 40, 20, 20), 0, 180 * 16);
  Outline(p, QColor(100, 70, 50), 3);
  p.drawLine(centre + QPointF(-20, 30), centre + QPointF(-26, 40));
  p.drawLine(centre + QPointF(20, 30), centre + QPointF(26, 40));
  p.setBrush(QColor(220, 60, 50));
  Outline(p, QColor(120, 30, 25), 2);
  p.drawEllipse(centre, 34, 34);
  p.setBrush(QColor(255, 252, 240));
  p.drawEllipse(centre, 28, 28);
  for (int i = 0; i < 12; ++i) {
    const double a = Tau * i / 12;
    const double inner = i % 3 == 0 ? 21 : 24;
    Outline(p, QColor(60, 50, 50), i % 3 == 0 ? 2.5 : 1.2);
    p.drawLine(centre + QPointF(inner * std::sin(a), -inner * std::cos(a)),
               centre + QPointF(26 * std::sin(a), -26 * std::cos(a)));
  }
  auto hand = [&](double turn, double length, double width, QColor colour) {
    Outline(p, colour, width);
    p.drawLine(centre,
               centre + QPointF(length * std::sin(Tau * turn), -length * std::cos(Tau * turn)));
  };
  hand(10.0 / 12, 14, 3.5, QColor(40, 40, 50));
  hand(2.0 / 12, 20, 2.5, QColor(40, 40, 50));
  hand(t, 23, 1.3, QColor(210, 40, 40));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 40, 50));
  p.drawEllipse(centre, 2.5, 2.5);
}

} // namespace

QList<TAnimation> DrawAnimations() {
  return {
      Render(QStringLiteral("star"), 12, 80, SpinningStar),
      Render(QStringLiteral("ball"), 16, 60, BouncingBall),
      Render(QStringLiteral("owl"), 16, 110, BlinkingOwl),
      Render(QStringLiteral("boat"), 16, 110, SailingBoat),
      Render(QStringLiteral("planet"), 16, 120, PlanetAndRing),
      Render(QStringLiteral("heart"), 14, 70, BeatingHeart),
      Render(QStringLiteral("fish"), 16, 90, SwimmingFish),
      Render(QStringLiteral("sun"), 12, 100, PulsingSun),
      Render(QStringLiteral("leaf"), 16, 110, FallingLeaf),
      Render(QStringLiteral("flag"), 12, 90, WavingFlag),
      Render(QStringLiteral("frog"), 16, 70, HoppingFrog),
      Render(QStringLiteral("clock"), 12, 250, TickingClock),
  };
}
