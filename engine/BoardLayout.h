// Choice of the board's shape for a pair count, a card size and the screen.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

struct BoardShape {
  int32_t Rows = 0;
  int32_t Cols = 0;
  bool operator==(const BoardShape&) const = default;
};

// The pair counts the options offer, in the order they are listed.
constexpr std::array<int32_t, 28> OfferedPairCounts = {8,  10, 12, 14, 16, 18, 20, 21, 22, 24,
                                                       26, 27, 28, 30, 32, 33, 36, 39, 40, 42,
                                                       44, 45, 48, 50, 52, 55, 56, 60};

// The shape of Pairs x 2 cells whose aspect (cells of CellWidth x CellHeight plus a one-pixel
// grid line) comes closest to that of the room a board may use, RoomWidth x RoomHeight: the
// window's view decides how much of the screen that is. Candidates are i rows
// by 2*Pairs/i columns and the transposed shape, for i = 4..12 dividing 2*Pairs with neither
// side above MaxBoardSide; earlier candidates win ties. Returns nothing when no candidate exists
// (never for an offered count). Any sizes are accepted: degenerate ones only make the choice
// arbitrary.
std::optional<BoardShape> ChooseBoardLayout(int32_t Pairs, int32_t CellWidth, int32_t CellHeight,
                                            int32_t RoomWidth, int32_t RoomHeight);

// Whether Shape is one that ChooseBoardLayout can give for an offered pair count on some room:
// what a board kept from an earlier run must be. Any sides are accepted.
bool IsOfferedLayout(const BoardShape& Shape);
