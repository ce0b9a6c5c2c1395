// The program-wide pseudo-random generator and where its seeds come from.
#pragma once

#include <cstdint>
#include <random>

// Hands out seeds. The game asks for one at start-up and before every deal; tests hand in a
// fixed sequence so that a whole game can be replayed.
class ISeedSource {
public:
  virtual ~ISeedSource() = default;
  virtual uint64_t NextSeed() = 0;
};

// Seeds from the clock, as the game does outside tests.
class ClockSeedSource : public ISeedSource {
public:
  uint64_t NextSeed() override;
};

// Seeds First, First + 1, First + 2, ...: reproducible runs for tests and benchmarks.
class CountingSeedSource : public ISeedSource {
public:
  explicit CountingSeedSource(uint64_t First) : FNext(First) {}
  uint64_t NextSeed() override { return FNext++; }

private:
  uint64_t FNext;
};

// Uniform integers from a Mersenne twister. The twister's sequence is fixed by the C++ standard
// and the reduction to a range is done here rather than by a library distribution, whose
// algorithm differs between standard libraries: the same seed gives the same game everywhere.
class RandomGenerator {
public:
  // Seeds itself at once from Seeds, which must outlive the generator.
  explicit RandomGenerator(ISeedSource& Seeds);

  // Takes the next seed from the seed source.
  void Reseed();

  // A uniform integer in 0..N-1. Every call consumes generator output, N = 1 included, so the
  // sequence of later draws does not depend on the sizes asked for earlier. Throws
  // std::invalid_argument when N < 1.
  int32_t Random(int32_t N);

private:
  ISeedSource& FSeeds;
  std::mt19937 FTwister;
};
