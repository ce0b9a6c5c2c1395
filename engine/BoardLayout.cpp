#include "BoardLayout.h"

#include "Board.h"

#include <cmath>

namespace {

constexpr int32_t FirstSide = 4;
constexpr int32_t LastSide = 12;

double Aspect(const BoardShape& Shape, int32_t CellWidth, int32_t CellHeight) {
  // Doubles throughout: a damaged header may hold sizes whose int32 products overflow.
  return Shape.Rows * (static_cast<double>(CellHeight) + 1.0) /
         (Shape.Cols * (static_cast<double>(CellWidth) + 1.0));
}

} // namespace

std::optional<BoardShape> ChooseBoardLayout(int32_t Pairs, int32_t CellWidth, int32_t CellHeight,
                                            int32_t RoomWidth, int32_t RoomHeight) {
  const double target = static_cast<double>(RoomHeight) / static_cast<double>(RoomWidth);
  const int64_t cells = 2 * static_cast<int64_t>(Pairs);
  std::optional<BoardShape> choice;
  double choiceDistance = 0.0;
  auto examine = [&](const BoardShape& Candidate) {
    const double distance = std::fabs(target - Aspect(Candidate, CellWidth, CellHeight));
    if (!choice || distance < choiceDistance) {
      choice = Candidate;
      choiceDistance = distance;
    }
  };
  for (int32_t i = FirstSide; i <= LastSide; ++i) {
    if (cells % i != 0 || i >= cells || cells / i > MaxBoardSide) {
      continue;
    }
    const auto d = static_cast<int32_t>(cells / i);
    examine({i, d});
    examine({d, i});
  }
  return choice;
}
