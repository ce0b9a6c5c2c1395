// The main window's layout formulas and the board's fit to the screen.
#include "MainLayout.h"

#include <gtest/gtest.h>

namespace {

const TShellSizes SkinSizes{skinlayout::mainform::CommandBarSize,
                            skinlayout::mainform::WindowButtonsSize, skinlayout::options::Size,
                            skinlayout::mainform::AboutPlaqueSize};

TEST(ShellLayout, StartSizePlacesOptionsAtDesignSpotAndSnapsTheAboutImage) {
  const TShellLayout l = LayOutShell({490, 450}, SkinSizes);
  EXPECT_EQ(l.OptionsPanel, skinlayout::options::Place);
  EXPECT_EQ(l.CopyRightImage, QPoint(160, skinlayout::mainform::AboutPlaqueTop));
  EXPECT_EQ(l.PanelMap, QPoint(12, 380));
  EXPECT_EQ(l.ExitMap, QPoint(431, 0));
  EXPECT_EQ(l.Label1Top, 424);
}

TEST(ShellLayout, SnappedTopsAlwaysFallOnTheThreePixelGrid) {
  for (int height = 300; height < 1200; ++height) {
    const TShellLayout l = LayOutShell({490, height}, SkinSizes);
    EXPECT_EQ(l.CopyRightImage.y() % 3, 1) << height;
    EXPECT_EQ((l.OptionsPanel.y() - 1) % 3, 0) << height;
    EXPECT_LE(l.CopyRightImage.y(), height - 90 + 1);
    EXPECT_GT(l.CopyRightImage.y(), height - 90 - 3);
  }
}

TEST(ShellLayout, WindowIsCentredOnTheWorkAreaIncludingItsOffset) {
  EXPECT_EQ(CentredWindowPos(QRect(0, 0, 1024, 768), {490, 450}), QPoint(267, 159));
  EXPECT_EQ(CentredWindowPos(QRect(100, 30, 1024, 738), {494, 451}), QPoint(365, 173));
  // A window larger than the work area still starts at the formula's place.
  EXPECT_EQ(CentredWindowPos(QRect(0, 0, 400, 300), {490, 450}), QPoint(-45, -75));
}

TEST(BoardFit, FourColumnsOf120PixelsNeed494PixelsAndAreNotCentred) {
  const TBoardFit f = FitBoardToScreen(120, 90, 4, 4, {1024, 738});
  EXPECT_EQ(f.CellWidth, 120);
  EXPECT_EQ(f.CellHeight, 90);
  EXPECT_EQ(f.Grid, QRect(5, 21, 484, 364));
  EXPECT_EQ(f.Client, QSize(494, 455));
}

TEST(BoardFit, NarrowBoardIsCentredInTheDesignWidth) {
  const TBoardFit f = FitBoardToScreen(60, 40, 4, 4, {1024, 738});
  EXPECT_EQ(f.Grid.width(), 244);
  EXPECT_EQ(f.Client.width(), 490);
  EXPECT_EQ(f.Grid.left(), (490 - 244) / 2);
  // Exactly 480 wide: the window is 490 and the grid stays at the margin.
  const TBoardFit exact = FitBoardToScreen(119, 90, 4, 4, {1024, 738});
  EXPECT_EQ(exact.Grid.width(), 480);
  EXPECT_EQ(exact.Grid.left(), 5);
}

TEST(BoardFit, LargeBoardOnSmallWorkAreaShrinksCellsProportionally) {
  // 60 pairs, 10 rows x 12 columns of 120 x 90 on 800 x 600.
  const TBoardFit f = FitBoardToScreen(120, 90, 10, 12, {800, 600});
  // Width: s = (800 - 10 - 12) / 1440 -> 64 x 48; height: 10 x 49 + 91 = 581 fits.
  EXPECT_EQ(f.CellWidth, 64);
  EXPECT_EQ(f.CellHeight, 48);
  EXPECT_LE(f.Client.width(), 800);
  EXPECT_LE(f.Client.height(), 600);
  // Height-bound: a tall board on a wide screen.
  const TBoardFit tall = FitBoardToScreen(120, 90, 12, 10, {1920, 600});
  EXPECT_EQ(tall.CellHeight, int(90 * (double(600 - 91 - 12) / (90.0 * 12))));
  EXPECT_LE(tall.Client.height(), 600);
}

TEST(BoardFit, DegenerateSizesStillGiveAPaintableBoard) {
  const TBoardFit zero = FitBoardToScreen(0, -5, 4, 4, {1024, 738});
  EXPECT_GE(zero.CellWidth, 1);
  EXPECT_GE(zero.CellHeight, 1);
  const TBoardFit tiny = FitBoardToScreen(120, 90, 15, 15, {20, 20});
  EXPECT_GE(tiny.CellWidth, 1);
  EXPECT_GE(tiny.CellHeight, 1);
  const TBoardFit huge = FitBoardToScreen(100000, 100000, 4, 4, {1024, 738});
  EXPECT_LE(huge.Client.height(), 738);
}

} // namespace
