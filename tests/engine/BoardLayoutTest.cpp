#include "BoardLayout.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::string ShapeText(const std::optional<BoardShape>& Shape) {
  return Shape ? std::to_string(Shape->Rows) + "x" + std::to_string(Shape->Cols) : "none";
}

// Rooms for the board as the main window leaves them of a work area: 1014 x 647 of 1024 x 738.
TEST(BoardLayout, DefaultCellsOnTheDefaultWorkAreaGiveTheListedShapes) {
  const std::map<int32_t, std::string> Expected = {
      {8, "4x4"},   {10, "4x5"},   {12, "4x6"},  {14, "4x7"},  {16, "4x8"},  {18, "6x6"},
      {20, "5x8"},  {21, "6x7"},   {22, "4x11"}, {24, "6x8"},  {26, "4x13"}, {27, "6x9"},
      {28, "7x8"},  {30, "6x10"},  {32, "8x8"},  {33, "6x11"}, {36, "8x9"},  {39, "6x13"},
      {40, "8x10"}, {42, "7x12"},  {44, "8x11"}, {45, "9x10"}, {48, "8x12"}, {50, "10x10"},
      {52, "8x13"}, {55, "10x11"}, {56, "8x14"}, {60, "10x12"}};
  ASSERT_EQ(Expected.size(), OfferedPairCounts.size());
  for (int32_t Pairs : OfferedPairCounts) {
    EXPECT_EQ(ShapeText(ChooseBoardLayout(Pairs, 120, 90, 1014, 647)), Expected.at(Pairs))
        << Pairs << " pairs";
  }
}

TEST(BoardLayout, TransposedShapeWinsOnlyWhenStrictlyCloser) {
  EXPECT_EQ(ShapeText(ChooseBoardLayout(26, 120, 90, 758, 933)), "4x13");
  EXPECT_EQ(ShapeText(ChooseBoardLayout(26, 120, 90, 590, 933)), "13x4");
  // Square cells and a usable aspect of exactly 2.5: 4x4 (aspect 1) and 8x2 (aspect 4) are
  // equally far from it and the earlier candidate stays; a hair taller and 8x2 wins.
  EXPECT_EQ(ShapeText(ChooseBoardLayout(8, 100, 100, 200, 500)), "4x4");
  EXPECT_EQ(ShapeText(ChooseBoardLayout(8, 100, 100, 200, 501)), "8x2");
}

TEST(BoardLayout, EveryOfferedCountFitsWithinFifteenByFifteenOnAnyScreen) {
  const std::pair<int32_t, int32_t> Screens[] = {{1014, 647}, {758, 933},  {590, 933},
                                                 {3830, 309}, {390, 3749}, {1910, 959}};
  const std::pair<int32_t, int32_t> CellSizes[] = {{120, 90}, {90, 120}, {1, 500}, {500, 1}};
  for (int32_t Pairs : OfferedPairCounts) {
    for (auto [Width, Height] : Screens) {
      for (auto [CellWidth, CellHeight] : CellSizes) {
        const auto Shape = ChooseBoardLayout(Pairs, CellWidth, CellHeight, Width, Height);
        ASSERT_TRUE(Shape) << Pairs;
        EXPECT_EQ(Shape->Rows * Shape->Cols, 2 * Pairs);
        EXPECT_LE(Shape->Rows, 15);
        EXPECT_LE(Shape->Cols, 15);
      }
    }
  }
}

TEST(BoardLayout, CountsWithoutAShapeGiveNone) {
  for (int32_t Pairs : {-8, 0, 1, 2, 59, 61, 91, 112, 1000000}) {
    EXPECT_FALSE(ChooseBoardLayout(Pairs, 120, 90, 1014, 647)) << Pairs;
  }
}

TEST(BoardLayout, DegenerateSizesStillGiveAShapeWithoutFault) {
  // Values a damaged header or an odd desktop could deliver: the choice may be arbitrary, but
  // it must be one of the candidates.
  const int32_t Odd[] = {-1, 0, 10, 91, INT32_MAX, INT32_MIN};
  for (int32_t A : Odd) {
    for (int32_t B : Odd) {
      const auto Shape = ChooseBoardLayout(60, A, B, A, B);
      ASSERT_TRUE(Shape);
      EXPECT_EQ(Shape->Rows * Shape->Cols, 120);
    }
  }
}

} // namespace
