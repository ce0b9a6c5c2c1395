// The pictures as a player sees them: captions sit beside the options controls, the level
// slider's track has its groove, frame pieces join without seams, and text drawn by the windows
// over the skin stays readable. That the windows put their hot areas and controls on the
// painted buttons and fields is checked against the windows themselves (tests/app).
#include "SkinArtTest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

using skintest::Entry;
using skintest::Luma;

namespace {

namespace entry = skinlayout::entry;
namespace options = skinlayout::options;

int CountLight(const QImage& Image, const QRect& Rect, int Threshold = 150) {
  int n = 0;
  for (int y = Rect.top(); y <= Rect.bottom(); ++y)
    for (int x = Rect.left(); x <= Rect.right(); ++x)
      n += Luma(Image.pixel(x, y)) > Threshold;
  return n;
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

} // namespace

TEST(SkinOptions, CaptionsSitBesideTheirControls) {
  const QImage panel = Entry(entry::OptionsBackground);
  // Captions of fields lie just above them, those of check boxes to their right.
  const auto above = [](const QRect& Control, int Width) {
    return QRect(Control.left(), Control.top() - 18, Width, 17);
  };
  const auto right = [](const QRect& Check, int Width) {
    return QRect(Check.left() + Check.width() + 2, Check.top() - 2, Width, Check.height() + 4);
  };
  // The players' numbers stand left of their name fields.
  const auto leftOf = [](const QRect& Edit) {
    return QRect(Edit.left() - 24, Edit.top(), 22, Edit.height());
  };
  const QRect slider = options::LevelSlider;
  const struct {
    const char* Caption;
    QRect Where;
  } captions[] = {
      {"Card set", above(options::CardsBox, 100)},
      {"Pairs", above(options::PairsBox, 100)},
      {"Delay", above(options::DelayBox, 100)},
      {"Sound", right(options::SoundCheck, 80)},
      {"Players", above(options::PlayerEdits[0], 100)},
      {"1", leftOf(options::PlayerEdits[0])},
      {"2", leftOf(options::PlayerEdits[1])},
      {"3", leftOf(options::PlayerEdits[2])},
      {"4", leftOf(options::PlayerEdits[3])},
      {"Computer", right(options::ComputerCheck, 90)},
      {"Level", QRect(slider.left(), slider.top() - 20, 100, 19)},
      {"scale", QRect(slider.left(), slider.top() + slider.height() + 1, slider.width(), 15)},
  };
  for (const auto& caption : captions)
    EXPECT_GT(CountLight(panel, caption.Where), 8) << caption.Caption;
}

TEST(SkinOptions, TheSliderTrackCarriesItsGroove) {
  const QImage track = Entry(entry::SliderTrack);
  const int inset = options::SliderInset;
  for (int x : {inset, track.width() / 2, track.width() - inset})
    EXPECT_LT(Luma(track.pixel(x, track.height() / 2)), 70) << "groove missing at " << x;
}

TEST(SkinFrame, PiecesJoinStretchedEdgesWithoutSeams) {
  const QImage top = Entry(entry::FrameTop);
  const QImage bottom = Entry(entry::FrameBottom);
  const QImage topLeft = Entry(entry::FrameTopLeft);
  const QImage bottomLeft = Entry(entry::FrameBottomLeft);
  EXPECT_LE(ColumnMismatch(topLeft, topLeft.width() - 1, top, 0), 3);
  EXPECT_LE(ColumnMismatch(Entry(entry::FrameTopRight), 0, top, 0), 3);
  EXPECT_LE(ColumnMismatch(bottomLeft, bottomLeft.width() - 1, bottom, 0), 3);
  EXPECT_LE(ColumnMismatch(Entry(entry::FrameBottomRight), 0, bottom, 0), 3);
  const QImage bar = Entry(entry::CommandBar);
  EXPECT_LE(ColumnMismatch(bar, 0, bottom, 0), 3);
  EXPECT_LE(ColumnMismatch(bar, bar.width() - 1, bottom, 0), 3);
  // Stretched edges must look the same wherever they are cut.
  EXPECT_EQ(ColumnMismatch(top, 0, top, top.width() - 1), 0);
  EXPECT_EQ(ColumnMismatch(bottom, 0, bottom, bottom.width() - 1), 0);
}

TEST(SkinFrame, FeltTileRepeatsWithoutAVisibleEdge) {
  const QImage tile = Entry(entry::Felt);
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
  const QImage tile = Entry(entry::Felt);
  EXPECT_LT(MeanLuma(tile, tile.rect()), 110);
  // The about box's copyright line is drawn over the bottom band.
  const QImage band = Entry(entry::PopUpBottom);
  const int bandTop = skinlayout::popup::Size.height() - band.height();
  const QPoint copyright = skinlayout::about::CopyrightPlace;
  EXPECT_LT(MeanLuma(band, QRect(copyright.x(), copyright.y() - bandTop, 200,
                                 skinlayout::popup::LabelHeight)),
            110);
}
