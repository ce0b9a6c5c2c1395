#include "SelectFaces.h"

#include "RandomGenerator.h"

#include <algorithm>
#include <numeric>

std::vector<int32_t> SelectFaces(int32_t FaceCount, int32_t Pairs, RandomGenerator& Random) {
  std::vector<int32_t> faces(static_cast<size_t>(std::max(FaceCount, 0)));
  std::iota(faces.begin(), faces.end(), 0);
  while (static_cast<int64_t>(faces.size()) > Pairs) {
    const int32_t index = Random.Random(static_cast<int32_t>(faces.size()));
    faces.erase(faces.begin() + index);
  }
  return faces;
}
