// The pictures against the windows that use them: hot areas lie on buttons, captions sit beside
// the options controls and never under them, frame pieces join without seams, and text drawn
// by the windows over the skin stays readable.
#include "SkinArtTest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

using skintest::Entry;
using skintest::Luma;
using skintest::MeanColourDistance;

namespace {

// Areas as (left, top, right, bottom) with right and bottom outside, as the windows add them.
QRect Area(int Left, int Top, int Right, int Bottom) {
  return QRect(QPoint(Left, Top), QPoint(Right - 1, Bottom - 1));
}

int CountLight(const QImage& Image, const QRect& Rect, int Threshold = 150) {
  int n = 0;
  for (int y = Rect.top(); y <= Rect.bottom(); ++y)
    for (int x = Rect.left(); x <= Rect.right(); ++x)
      n += Luma(Image.pixel(x, y)) > Threshold;
  return n;
}

bool IsPlain(const QImage& Image, const QRect& Rect) {
  const QRgb first = Image.pixel(Rect.topLeft());
  for (int y = Rect.top(); y <= Rect.bottom(); ++y)
    for (int x = Rect.left(); x <= Rect.right(); ++x)
      if (Image.pixel(x, y) != first)
        return false;
  return true;
}

double MeanLuma(const QImage& Image, const QRect& Rect) {
  double sum = 0;
  for (int y = Rect.top(); y <= Rect.bottom(); ++y)
    for (int x = Rect.left(); x <= Rect.right(); ++x)
      sum += Luma(Image.pixel(x, y));
  return sum / (Rect.width() * Rect.height());
}

// Largest channel difference between column XA of A and column XB of B, row by row.
int ColumnMismatch(const QImage& A, int XA, const QImage& B, int XB) {
  int worst = 0;
  for (int y = 0; y < std::min(A.height(), B.height()); ++y) {
    const QRgb a = A.pixel(XA, y);
    const QRgb b = B.pixel(XB, y);
    worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                      std::abs(qBlue(a) - qBlue(b))});
  }
  return worst;
}

// The button under an area must stand out from the bar's own wood in the same rows.
void ExpectButton(const QImage& Map, const QRect& AreaRect, const QImage& Plain, const char* Name) {
  ASSERT_TRUE(Map.rect().contains(AreaRect)) << Name;
  const QRect inside = AreaRect.adjusted(2, 2, -2, -2);
  const QRect wood(0, inside.top(), Plain.width(), inside.height());
  EXPECT_GT(MeanColourDistance(Map, inside, Plain, wood), 30) << Name;
}

} // namespace

TEST(SkinHotAreas, WindowButtonsLieOnButtonPixels) {
  const QImage buttons = Entry(4);
  const QImage edge = Entry(3);
  ExpectButton(buttons, Area(6, 4, 19, 16), edge, "help");
  ExpectButton(buttons, Area(23, 4, 36, 16), edge, "mini");
  ExpectButton(buttons, Area(40, 4, 53, 16), edge, "exit");
}

TEST(SkinHotAreas, CommandBarButtonsLieOnButtonPixels) {
  const QImage bar = Entry(11);
  const QImage band = Entry(8);
  ExpectButton(bar, Area(8, 32, 65, 60), band, "exit");
  ExpectButton(bar, Area(392, 32, 457, 60), band, "play");
  ExpectButton(bar, Area(398, 8, 458, 24), band, "options");
}

TEST(SkinHotAreas, PopUpExitLiesOnAButton) {
  const QImage strip = Entry(18);
  const QImage wood = strip.copy(300, 0, 60, strip.height());
  ExpectButton(strip, Area(378, 4, 391, 16), wood, "exit");
}

TEST(SkinHotAreas, StatusPlateCarriesBlackTextWhereTheLineIsDrawn) {
  const QImage bar = Entry(11);
  // The line is drawn 26 pixels above the window's bottom, centred, bold 8 points.
  const int top = bar.height() - 26;
  const int centre = bar.width() / 2;
  const QRect line(centre - 120, top + 2, 240, 10);
  for (int y = line.top(); y <= line.bottom(); ++y)
    for (int x = line.left(); x <= line.right(); ++x)
      ASSERT_GT(Luma(bar.pixel(x, y)), 170) << "dark plate pixel at " << x << "," << y;
  // It must clear the buttons on both sides.
  EXPECT_LT(65, line.left());
  EXPECT_GT(392, line.right());
}

TEST(SkinOptions, CaptionsSitBesideTheirControls) {
  const QImage panel = Entry(17);
  const struct {
    const char* Caption;
    QRect Where;
  } captions[] = {
      {"Card set", QRect(30, 50, 100, 17)}, {"Pairs", QRect(30, 98, 100, 17)},
      {"Delay", QRect(30, 146, 100, 17)},   {"Sound", QRect(47, 219, 80, 19)},
      {"Players", QRect(232, 50, 100, 17)}, {"1", QRect(208, 68, 22, 21)},
      {"2", QRect(208, 92, 22, 21)},        {"3", QRect(208, 116, 22, 21)},
      {"4", QRect(208, 140, 22, 21)},       {"Computer", QRect(249, 167, 90, 19)},
      {"Level", QRect(200, 205, 100, 19)},  {"scale", QRect(200, 244, 177, 15)},
  };
  for (const auto& caption : captions)
    EXPECT_GT(CountLight(panel, caption.Where), 8) << caption.Caption;
}

TEST(SkinOptions, ControlPlacesArePlainFields) {
  const QImage panel = Entry(17);
  const QRect controls[] = {
      QRect(30, 68, 145, 21),   QRect(30, 116, 145, 21),  QRect(30, 164, 145, 21),
      QRect(30, 221, 15, 15),   QRect(232, 68, 121, 21),  QRect(232, 92, 121, 21),
      QRect(232, 116, 121, 21), QRect(232, 140, 121, 21), QRect(232, 169, 15, 15)};
  for (const QRect& control : controls)
    EXPECT_TRUE(IsPlain(panel, control)) << control.x() << "," << control.y();
}

TEST(SkinOptions, LevelScaleTicksMatchTheSliderThumb) {
  const QImage panel = Entry(17);
  // Thumb centre for level i: slider left 200 + inset 5 + R(i * 167 / 10), halves to even.
  for (int i = 0; i <= 10; ++i) {
    const int x = 200 + 5 + int(std::nearbyint(i * 16.7));
    EXPECT_GT(Luma(panel.pixel(x, 244)), 120) << "no tick for level " << i;
    EXPECT_LT(Luma(panel.pixel(x + 4, 244)), 110) << "tick beside level " << i;
  }
  const QImage track = Entry(12);
  for (int x : {5, 90, 172})
    EXPECT_LT(Luma(track.pixel(x, 9)), 70) << "groove missing at " << x;
}

TEST(SkinFrame, PiecesJoinStretchedEdgesWithoutSeams) {
  const QImage top = Entry(3);
  const QImage bottom = Entry(8);
  EXPECT_LE(ColumnMismatch(Entry(2), Entry(2).width() - 1, top, 0), 3);
  EXPECT_LE(ColumnMismatch(Entry(4), 0, top, 0), 3);
  EXPECT_LE(ColumnMismatch(Entry(7), Entry(7).width() - 1, bottom, 0), 3);
  EXPECT_LE(ColumnMismatch(Entry(9), 0, bottom, 0), 3);
  const QImage bar = Entry(11);
  EXPECT_LE(ColumnMismatch(bar, 0, bottom, 0), 3);
  EXPECT_LE(ColumnMismatch(bar, bar.width() - 1, bottom, 0), 3);
  // Stretched edges must look the same wherever they are cut.
  EXPECT_EQ(ColumnMismatch(top, 0, top, top.width() - 1), 0);
  EXPECT_EQ(ColumnMismatch(bottom, 0, bottom, bottom.width() - 1), 0);
}

TEST(SkinFrame, FeltTileRepeatsWithoutAVisibleEdge) {
  const QImage tile = Entry(10);
  // Across the wrap the step between neighbours is no larger than inside the tile.
  auto step = [&](int x0, int x1) {
    double sum = 0;
    for (int y = 0; y < tile.height(); ++y)
      sum += std::abs(Luma(tile.pixel(x0, y)) - Luma(tile.pixel(x1, y)));
    return sum / tile.height();
  };
  const double wrap = step(tile.width() - 1, 0);
  const double inner = step(tile.width() / 2 - 1, tile.width() / 2);
  EXPECT_LT(wrap, inner * 1.6 + 2);
}

TEST(SkinPopUps, BackgroundsAreDarkEnoughForYellowAndLimeText) {
  const QImage tile = Entry(10);
  EXPECT_LT(MeanLuma(tile, tile.rect()), 110);
  // The about box's copyright line is drawn at top 234, left 20, over the bottom band.
  const QImage band = Entry(21);
  const int bandTop = 259 - band.height();
  EXPECT_LT(MeanLuma(band, QRect(20, 234 - bandTop, 200, 13)), 110);
}
