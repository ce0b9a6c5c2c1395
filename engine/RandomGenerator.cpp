#include "RandomGenerator.h"

#include <chrono>
#include <stdexcept>

uint64_t ClockSeedSource::NextSeed() {
  return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

RandomGenerator::RandomGenerator(ISeedSource& Seeds) : FSeeds(Seeds) {
  Reseed();
}

void RandomGenerator::Reseed() {
  const uint64_t seed = FSeeds.NextSeed();
  // Both halves of the seed count: clock seeds differ mostly in their low bits, test seeds may
  // differ only in their high bits.
  std::seed_seq sequence{static_cast<uint32_t>(seed), static_cast<uint32_t>(seed >> 32)};
  FTwister.seed(sequence);
}

int32_t RandomGenerator::Random(int32_t N) {
  if (N < 1) {
    throw std::invalid_argument("Random needs a range of at least one value");
  }
  const auto range = static_cast<uint32_t>(N);
  // Rejecting the lowest 2^32 mod N outputs leaves a whole number of copies of 0..N-1, so the
  // remainder is exactly uniform.
  const uint32_t threshold = (0u - range) % range;
  for (;;) {
    const uint32_t value = static_cast<uint32_t>(FTwister());
    if (value >= threshold) {
      return static_cast<int32_t>(value % range);
    }
  }
}
