#include "PairChoices.h"

#include "BoardLayout.h"

#include <algorithm>

int PlayablePairChoices(int Faces) {
  return int(std::count_if(OfferedPairCounts.begin(), OfferedPairCounts.end(),
                           [Faces](int32_t pairs) { return pairs <= Faces; }));
}

int MostPlayablePairs(int Faces) {
  const int choices = PlayablePairChoices(Faces);
  return choices == 0 ? 0 : OfferedPairCounts[size_t(choices - 1)];
}

int OfferedPairChoices() {
  return int(OfferedPairCounts.size());
}
