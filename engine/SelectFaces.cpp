#include "SelectFaces.h"

#include "RandomGenerator.h"

#include <algorithm>
#include <numeric>
#include <set>

std::vector<int32_t> SelectFaces(int32_t FaceCount, int32_t Pairs, RandomGenerator& Random) {
  std::vector<int32_t> faces(static_cast<size_t>(std::max(FaceCount, 0)));
  std::iota(faces.begin(), faces.end(), 0);
  while (static_cast<int64_t>(faces.size()) > Pairs) {
    const int32_t index = Random.Random(static_cast<int32_t>(faces.size()));
    faces.erase(faces.begin() + index);
  }
  return faces;
}

std::vector<int32_t> SelectPairFaces(const CardSetHeaderInfo& Header, int32_t Pairs,
                                     RandomGenerator& Random) {
  const std::vector<int32_t> chosen =
      SelectFaces(static_cast<int32_t>(Header.Pairs.size()), Pairs, Random);
  std::vector<int32_t> faces(2 * chosen.size());
  for (size_t k = 0; k < chosen.size(); ++k) {
    faces[k] = Header.Pairs[static_cast<size_t>(chosen[k])][0];
    faces[chosen.size() + k] = Header.Pairs[static_cast<size_t>(chosen[k])][1];
  }
  return faces;
}

bool CardSetHeaderInfo::WithinBounds() const {
  if (CardWidth <= 0 || CardWidth > MaxCardSide || CardHeight <= 0 || CardHeight > MaxCardSide ||
      ImageCount > MaxFaceCount) {
    return false;
  }
  std::set<int32_t> used;
  for (const auto& pair : Pairs) {
    for (const int32_t face : pair) {
      if (face < 0 || face >= ImageCount || !used.insert(face).second) {
        return false;
      }
    }
  }
  return true;
}
