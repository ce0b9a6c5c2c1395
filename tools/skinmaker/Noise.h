// Deterministic noise for the skin's textures: the same seed gives the same pixels on every
// build and every machine, which the standard library's distributions do not promise.
#pragma once

#include <cstdint>
#include <vector>

namespace skinart {

// SplitMix64: small, fast and fully specified.
class TRandom {
public:
  explicit TRandom(std::uint64_t Seed) : FState(Seed) {}
  std::uint64_t Next();
  // Uniform in [0, 1).
  double Unit();

private:
  std::uint64_t FState;
};

// Smooth value noise on a square lattice that repeats every Period cells in both directions,
// so a texture sampled over exactly one period tiles without a seam. Values lie in [0, 1].
class TValueNoise {
public:
  TValueNoise(int Period, std::uint64_t Seed);
  double At(double X, double Y) const;

private:
  double Lattice(int X, int Y) const;
  int FPeriod;
  std::vector<double> FValues;
};

// Sum of Octaves layers of TValueNoise, each of twice the period and half the weight of the
// one before; normalised to [0, 1]. Sample it over [0, Period) to tile.
class TFractalNoise {
public:
  TFractalNoise(int Period, int Octaves, std::uint64_t Seed);
  // X and Y in units of the first layer's lattice.
  double At(double X, double Y) const;

private:
  std::vector<TValueNoise> FLayers;
};

} // namespace skinart
