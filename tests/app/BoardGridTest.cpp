// The board grid: its cell geometry, which presses, sweeps and keys count as cell choices, and
// that a cell repaint stays inside the cell.
#include "BoardGrid.h"

#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

class BoardGridTest : public ::testing::Test {
protected:
  void SetUp() override {
    Grid.SetShape(4, 3, 50, 40);
    Grid.OnSelectCell = [this](int Col, int Row) { Chosen.emplace_back(Col, Row); };
    Grid.show();
  }
  void TearDown() override {
    // The pressed-button state is global across tests.
    QTest::mouseRelease(&Grid, Qt::LeftButton);
  }

  TBoardGrid Grid;
  std::vector<QPoint> Chosen;
};

TEST_F(BoardGridTest, CellsCarryAOnePixelLineOnTheirRightAndBottom) {
  EXPECT_EQ(Grid.size(), QSize(4 * 51, 3 * 41));
  EXPECT_EQ(Grid.CellRect(0, 0), QRect(0, 0, 50, 40));
  EXPECT_EQ(Grid.CellRect(3, 2), QRect(153, 82, 50, 40));
  EXPECT_EQ(Grid.CellAt({0, 0}), QPoint(0, 0));
  EXPECT_EQ(Grid.CellAt({49, 39}), QPoint(0, 0));
  EXPECT_EQ(Grid.CellAt({50, 10}), QPoint(-1, -1)); // the line
  EXPECT_EQ(Grid.CellAt({51, 41}), QPoint(1, 1));
  EXPECT_EQ(Grid.CellAt({204, 10}), QPoint(-1, -1));
  EXPECT_EQ(Grid.CellAt({-1, 10}), QPoint(-1, -1));
}

TEST_F(BoardGridTest, PressAndSweepReportEachNewCellOnce) {
  QTest::mousePress(&Grid, Qt::LeftButton, {}, Grid.CellRect(0, 0).center());
  QTest::mouseMove(&Grid, Grid.CellRect(0, 0).topLeft() + QPoint(3, 3));
  QTest::mouseMove(&Grid, Grid.CellRect(1, 0).center());
  QTest::mouseMove(&Grid, Grid.CellRect(1, 1).center());
  QTest::mouseRelease(&Grid, Qt::LeftButton, {}, Grid.CellRect(1, 1).center());
  EXPECT_EQ(Chosen, (std::vector<QPoint>{{0, 0}, {1, 0}, {1, 1}}));
}

TEST_F(BoardGridTest, RightButtonAndLinesChooseNothing) {
  QTest::mouseClick(&Grid, Qt::RightButton, {}, Grid.CellRect(2, 2).center());
  QTest::mouseClick(&Grid, Qt::LeftButton, {}, QPoint(50, 5));
  EXPECT_TRUE(Chosen.empty());
}

TEST_F(BoardGridTest, NavigationKeysMoveTheCurrentCellWithinTheBoard) {
  QTest::keyClick(&Grid, Qt::Key_Right);
  QTest::keyClick(&Grid, Qt::Key_Down);
  QTest::keyClick(&Grid, Qt::Key_End);
  QTest::keyClick(&Grid, Qt::Key_Right); // already at the edge: no choice
  QTest::keyClick(&Grid, Qt::Key_PageDown);
  QTest::keyClick(&Grid, Qt::Key_Home);
  QTest::keyClick(&Grid, Qt::Key_PageUp);
  QTest::keyClick(&Grid, Qt::Key_A);
  EXPECT_EQ(Chosen, (std::vector<QPoint>{{1, 0}, {1, 1}, {3, 1}, {3, 2}, {0, 2}, {0, 0}}));
}

TEST_F(BoardGridTest, PaintingAskForCellsInsideTheRepaintedAreaOnly) {
  std::vector<QPoint> painted;
  Grid.OnDrawCell = [&](QPainter& Canvas, int Col, int Row, const QRect& Rect) {
    painted.emplace_back(Col, Row);
    Canvas.fillRect(Rect.adjusted(-5, -5, 5, 5), Qt::red); // clipped to the cell
  };
  QImage image(Grid.size(), QImage::Format_RGB32);
  Grid.render(&image, {}, QRegion(Grid.CellRect(1, 1)));
  EXPECT_EQ(painted, (std::vector<QPoint>{{1, 1}}));
  painted.clear();
  Grid.render(&image);
  EXPECT_EQ(painted.size(), 12u);
  // Lines keep their colour although every cell painted past its edges.
  EXPECT_EQ(QColor(image.pixel(50, 10)), QColor(Qt::black));
  EXPECT_EQ(QColor(image.pixel(10, 10)), QColor(Qt::red));
}

} // namespace
