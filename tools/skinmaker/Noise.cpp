#include "Noise.h"

#include <cmath>

namespace skinart {

std::uint64_t TRandom::Next() {
  FState += 0x9E3779B97F4A7C15ull;
  std::uint64_t z = FState;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double TRandom::Unit() {
  return double(Next() >> 11) / double(1ull << 53);
}

TValueNoise::TValueNoise(int Period, std::uint64_t Seed) : FPeriod(Period < 1 ? 1 : Period) {
  TRandom random(Seed);
  FValues.resize(std::size_t(FPeriod) * std::size_t(FPeriod));
  for (double& value : FValues)
    value = random.Unit();
}

double TValueNoise::Lattice(int X, int Y) const {
  const int x = ((X % FPeriod) + FPeriod) % FPeriod;
  const int y = ((Y % FPeriod) + FPeriod) % FPeriod;
  return FValues[std::size_t(y) * std::size_t(FPeriod) + std::size_t(x)];
}

namespace {
// Quintic fade: the texture has no visible lattice creases.
double Fade(double t) {
  return t * t * t * (t * (t * 6 - 15) + 10);
}
double Mix(double a, double b, double t) {
  return a + (b - a) * t;
}
} // namespace

double TValueNoise::At(double X, double Y) const {
  const double fx = std::floor(X);
  const double fy = std::floor(Y);
  const int x0 = int(fx);
  const int y0 = int(fy);
  const double tx = Fade(X - fx);
  const double ty = Fade(Y - fy);
  const double top = Mix(Lattice(x0, y0), Lattice(x0 + 1, y0), tx);
  const double bottom = Mix(Lattice(x0, y0 + 1), Lattice(x0 + 1, y0 + 1), tx);
  return Mix(top, bottom, ty);
}

TFractalNoise::TFractalNoise(int Period, int Octaves, std::uint64_t Seed) {
  for (int i = 0; i < Octaves; ++i)
    FLayers.emplace_back(Period << i, Seed + std::uint64_t(i) * 7919u);
}

double TFractalNoise::At(double X, double Y) const {
  double sum = 0;
  double weight = 1;
  double total = 0;
  double scale = 1;
  for (const TValueNoise& layer : FLayers) {
    sum += layer.At(X * scale, Y * scale) * weight;
    total += weight;
    weight *= 0.5;
    scale *= 2;
  }
  return total > 0 ? sum / total : 0;
}

} // namespace skinart
