#include "KVGraphics.h"

#include <gtest/gtest.h>

namespace {

QImage Solid(int w, int h, QColor colour) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

} // namespace

TEST(KVGraphicsRounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(DivRoundHalfEven(5, 2), 2);
  EXPECT_EQ(DivRoundHalfEven(7, 2), 4);
  EXPECT_EQ(DivRoundHalfEven(10, 4), 2);
  EXPECT_EQ(DivRoundHalfEven(11, 4), 3);
  EXPECT_EQ(DivRoundHalfEven(9, 4), 2);
  EXPECT_EQ(DivRoundHalfEven(0, 3), 0);
}

TEST(KVGraphicsFit, WorkedExamples) {
  EXPECT_EQ(FittedRect({240, 60}, 120, 90), QRect(0, 30, 120, 30));
  EXPECT_EQ(FittedRect({60, 40}, 120, 90), QRect(30, 25, 60, 40));
  EXPECT_EQ(FittedRect({120, 180}, 120, 90), QRect(30, 0, 60, 90));
  EXPECT_EQ(FittedRect({120, 90}, 120, 90), QRect(0, 0, 120, 90));
  EXPECT_EQ(FittedRect({}, 120, 90), QRect(60, 45, 0, 0));
  EXPECT_EQ(FittedRect({-5, 10}, 120, 90), QRect(60, 45, 0, 0));
}

TEST(KVGraphicsFit, RoundsHalfToEvenInBothSteps) {
  // Width-bound: 5 * 2 / 4 = 2.5 and 7 * 2 / 4 = 3.5.
  EXPECT_EQ(FittedRect({4, 5}, 2, 100).height(), 2);
  EXPECT_EQ(FittedRect({4, 7}, 2, 100).height(), 4);
  // Height-bound after the width step: 25 * 5 / 10 = 12.5 and 35 * 5 / 10 = 17.5.
  EXPECT_EQ(FittedRect({25, 10}, 20, 5), QRect(4, 0, 12, 5));
  EXPECT_EQ(FittedRect({35, 10}, 30, 5), QRect(6, 0, 18, 5));
}

TEST(KVGraphicsFit, ZeroBoxHeightLeavesTheHeightUnbounded) {
  EXPECT_EQ(FittedRect({240, 60}, 120, 0), QRect(0, -15, 120, 30));
}

TEST(KVGraphicsDraw, ShrunkGraphicIsCentredOnWhite) {
  const QImage red = Solid(240, 60, Qt::red);
  TKVBitmap bitmap;
  bitmap.DrawFitted(&red, 120, 90);
  ASSERT_EQ(bitmap.size(), QSize(120, 90));
  EXPECT_EQ(bitmap.format(), QImage::Format_RGB888);
  EXPECT_EQ(bitmap.pixelColor(60, 29), QColor(Qt::white));
  EXPECT_EQ(bitmap.pixelColor(60, 30), QColor(Qt::red));
  EXPECT_EQ(bitmap.pixelColor(0, 59), QColor(Qt::red));
  EXPECT_EQ(bitmap.pixelColor(119, 59), QColor(Qt::red));
  EXPECT_EQ(bitmap.pixelColor(60, 60), QColor(Qt::white));
}

TEST(KVGraphicsDraw, FittingGraphicIsCopiedUnscaled) {
  QImage face(60, 40, QImage::Format_RGB888);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x)
      face.setPixelColor(x, y, QColor(x * 4, y * 6, (x + y) % 2 ? 255 : 0));
  TKVBitmap bitmap;
  bitmap.DrawFitted(&face, 120, 90);
  EXPECT_EQ(bitmap.copy(30, 25, 60, 40), face);
  EXPECT_EQ(bitmap.pixelColor(29, 25), QColor(Qt::white));
  EXPECT_EQ(bitmap.pixelColor(90, 64), QColor(Qt::white));
}

TEST(KVGraphicsDraw, AbsentGraphicAndReuse) {
  const QImage blue = Solid(10, 10, Qt::blue);
  TKVBitmap bitmap;
  bitmap.DrawFitted(&blue, 20, 20);
  // Redrawing replaces the whole content: nothing of the earlier face remains.
  bitmap.DrawFitted(nullptr, 120, 90);
  ASSERT_EQ(bitmap.size(), QSize(120, 90));
  EXPECT_EQ(bitmap.format(), QImage::Format_RGB888);
  QImage white(120, 90, QImage::Format_RGB888);
  white.fill(Qt::white);
  EXPECT_EQ(bitmap, white);
  const QImage null;
  bitmap.DrawFitted(&null, 8, 8);
  EXPECT_EQ(bitmap.pixelColor(4, 4), QColor(Qt::white));
  bitmap.DrawFitted(&blue, 0, 90);
  EXPECT_TRUE(bitmap.isNull());
}
