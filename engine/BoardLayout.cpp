#include "BoardLayout.h"

#include "Board.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t FirstSide = 4;
constexpr int32_t LastSide = 12;

double Aspect(const BoardShape& Shape, int32_t CellWidth, int32_t CellHeight) {
  // Doubles throughout: a damaged header may hold sizes whose int32 products overflow.
  return Shape.Rows * (static_cast<double>(CellHeight) + 1.0) /
         (Shape.Cols * (static_cast<double>(CellWidth) + 1.0));
}

// Calls Examine with every candidate shape for Pairs, in the order of preference on ties.
template <typename TExamine> void ForEachCandidate(int32_t Pairs, TExamine&& Examine) {
  const int64_t cells = 2 * static_cast<int64_t>(Pairs);
  for (int32_t i = FirstSide; i <= LastSide; ++i) {
    if (cells % i != 0 || i >= cells || cells / i > MaxBoardSide) {
      continue;
    }
    const auto d = static_cast<int32_t>(cells / i);
    Examine(BoardShape{i, d});
    Examine(BoardShape{d, i});
  }
}

} // namespace

std::optional<BoardShape> ChooseBoardLayout(int32_t Pairs, int32_t CellWidth, int32_t CellHeight,
                                            int32_t RoomWidth, int32_t RoomHeight) {
  const double target = static_cast<double>(RoomHeight) / static_cast<double>(RoomWidth);
  std::optional<BoardShape> choice;
  double choiceDistance = 0.0;
  ForEachCandidate(Pairs, [&](const BoardShape& Candidate) {
    const double distance = std::fabs(target - Aspect(Candidate, CellWidth, CellHeight));
    if (!choice || distance < choiceDistance) {
      choice = Candidate;
      choiceDistance = distance;
    }
  });
  return choice;
}

bool IsOfferedLayout(const BoardShape& Shape) {
  // The sides are bounded before they are multiplied: a kept board comes from outside.
  if (Shape.Rows <= 0 || Shape.Cols <= 0 || Shape.Rows > MaxBoardSide ||
      Shape.Cols > MaxBoardSide || Shape.Rows * Shape.Cols % 2 != 0) {
    return false;
  }
  const int32_t pairs = Shape.Rows * Shape.Cols / 2;
  if (std::find(OfferedPairCounts.begin(), OfferedPairCounts.end(), pairs) ==
      OfferedPairCounts.end()) {
    return false;
  }
  bool found = false;
  ForEachCandidate(pairs,
                   [&](const BoardShape& Candidate) { found = found || Candidate == Shape; });
  return found;
}
