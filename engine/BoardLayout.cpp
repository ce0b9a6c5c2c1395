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
  const int64_t Cells = 2 * static_cast<int64_t>(Pairs);
  std::optional<BoardShape> Choice;
  double ChoiceDistance = 0.0;
  auto Examine = [&](const BoardShape& Candidate) {
    const double Distance = std::fabs(target - Aspect(Candidate, CellWidth, CellHeight));
    if (!Choice || Distance < ChoiceDistance) {
      Choice = Candidate;
      ChoiceDistance = Distance;
    }
  };
  for (int32_t I = FirstSide; I <= LastSide; ++I) {
    if (Cells % I != 0 || I >= Cells || Cells / I > MaxBoardSide) {
      continue;
    }
    const auto D = static_cast<int32_t>(Cells / I);
    Examine({I, D});
    Examine({D, I});
  }
  return Choice;
}
