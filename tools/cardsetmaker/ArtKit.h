// Small painting helpers shared by the drawings of the default card sets.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSize>

#include <cstdint>
#include <random>
#include <vector>

// Numbers from a fixed seed, computed from the raw engine output alone, because the standard
// distributions may differ between libraries and the sets must be the same on every build.
class TArtRandom {
public:
  explicit TArtRandom(uint32_t Seed) : FEngine(Seed) {}
  // Uniform in [Low, High).
  double Uniform(double Low, double High) {
    return Low + (High - Low) * (double(FEngine()) / 4294967296.0);
  }
  int Below(int Limit) { return int(FEngine() % uint32_t(Limit)); }

private:
  std::mt19937 FEngine;
};

// An opaque picture of Size filled with Colour.
QImage ArtCanvas(QSize Size, QColor Colour = Qt::black);

// A painter on Image with antialiasing and smooth picture scaling on.
void PrepareArtPainter(QPainter& Painter);

// Top-to-bottom gradient over Area through the given stops (position 0..1, colour).
void FillVertical(QPainter& Painter, const QRectF& Area,
                  const std::vector<std::pair<double, QColor>>& Stops);

// Colour between A (T = 0) and B (T = 1).
QColor Mix(QColor A, QColor B, double T);

// Heights of a ridge line across Width pixels: midpoint displacement from the random source,
// Roughness 0..1 (how fast the detail fades). Values lie around 0 within about +-Amplitude.
std::vector<double> RidgeHeights(TArtRandom& Random, int Width, double Amplitude, double Roughness);

// The area under a ridge (BaseY + heights, one point per pixel) down to Bottom.
QPainterPath RidgePath(const std::vector<double>& Heights, double BaseY, double Bottom);

// The path of a five-pointed star around Centre; InnerRatio is inner radius / outer radius.
QPainterPath StarPath(QPointF Centre, double Radius, double InnerRatio, double RotationDeg,
                      int Points = 5);

// A heart around Centre, Size pixels wide.
QPainterPath HeartPath(QPointF Centre, double Size);
