#include "SelectFaces.h"

#include "RandomGenerator.h"

#include <algorithm>
#include <numeric>

namespace {
constexpr int32_t FirstFaceEntry = 3;
}

std::vector<int32_t> SelectFaces(int32_t FaceCount, int32_t Pairs, RandomGenerator& Random) {
  std::vector<int32_t> Entries(static_cast<size_t>(std::max(FaceCount, 0)));
  std::iota(Entries.begin(), Entries.end(), FirstFaceEntry);
  while (static_cast<int64_t>(Entries.size()) > Pairs) {
    const int32_t Index = Random.Random(static_cast<int32_t>(Entries.size()));
    Entries.erase(Entries.begin() + Index);
  }
  return Entries;
}
