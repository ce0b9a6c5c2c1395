// The board grid: its cell geometry, which presses, sweeps and keys count as cell choices, the
// focus frame of the keyboard's cell, that a cell repaint stays inside the cell, and that the
// board looks the same whichever part of it is repainted.
#include "BoardGrid.h"
#include "AppFixtures.h"
#include "FaceOverlay.h"
#include "OptionsPanel.h"

#include <QCheckBox>
#include <QPaintEvent>
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

// A keyboard player walks to a card without turning the ones on the way, and turns it with
// Enter, Return or Space.
TEST_F(BoardGridTest, NavigationKeysMoveTheCurrentCellAndEnterOrSpaceChooseIt) {
  QTest::keyClick(&Grid, Qt::Key_Right);
  QTest::keyClick(&Grid, Qt::Key_Down);
  EXPECT_EQ(Grid.CurrentCell(), QPoint(1, 1));
  EXPECT_TRUE(Chosen.empty());
  QTest::keyClick(&Grid, Qt::Key_Return);
  QTest::keyClick(&Grid, Qt::Key_End);
  QTest::keyClick(&Grid, Qt::Key_Right); // already at the edge
  QTest::keyClick(&Grid, Qt::Key_PageDown);
  QTest::keyClick(&Grid, Qt::Key_Space);
  QTest::keyClick(&Grid, Qt::Key_Home);
  QTest::keyClick(&Grid, Qt::Key_PageUp);
  QTest::keyClick(&Grid, Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(&Grid, Qt::Key_A);
  QTest::keyClick(&Grid, Qt::Key_Space, Qt::ControlModifier);
  EXPECT_EQ(Chosen, (std::vector<QPoint>{{1, 1}, {3, 2}, {0, 0}}));
}

// The window's focus frame goes around the current cell, above the board, and shows while the
// keyboard is in use.
TEST(BoardGridFocusTest, TheFocusFrameFollowsTheCurrentCellWhileKeysAreUsed) {
  QWidget window;
  window.resize(300, 200);
  auto* grid = new TBoardGrid(&window);
  grid->SetShape(4, 3, 50, 40);
  grid->move(10, 20);
  new TKVFocusFrame(&window);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  grid->setFocus(Qt::TabFocusReason);
  QTest::keyClick(grid, Qt::Key_Right);
  QCoreApplication::processEvents();
  auto* frame = window.findChild<TKVFocusFrame*>();
  ASSERT_NE(frame, nullptr);
  const auto gold = [&window, frame] {
    const QColor pixel = window.grab().toImage().pixel(frame->geometry().topLeft() + QPoint(1, 1));
    return pixel.red() > 200 && pixel.green() > 150 && pixel.blue() < 100;
  };
  EXPECT_EQ(frame->geometry(), grid->CellRect(1, 0).translated(10, 20).adjusted(-3, -3, 3, 3));
  EXPECT_TRUE(frame->isVisible());
  EXPECT_TRUE(gold());
  QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(2, 1).center());
  QCoreApplication::processEvents();
  EXPECT_EQ(frame->geometry(), grid->CellRect(2, 1).translated(10, 20).adjusted(-3, -3, 3, 3));
  EXPECT_FALSE(gold());
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

// The regions the grid is asked to paint.
class TPaintSpy : public QObject {
public:
  explicit TPaintSpy(QWidget& Watched) { Watched.installEventFilter(this); }
  std::vector<QRegion> Regions;

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    if (Event->type() == QEvent::Paint)
      Regions.push_back(static_cast<QPaintEvent*>(Event)->region());
    return QObject::eventFilter(Watched, Event);
  }
};

// Lets the pending repaints happen.
void WaitForPaint(const TPaintSpy& Spy) {
  for (int i = 0; i < 100 && Spy.Regions.empty(); ++i)
    QTest::qWait(10);
}

TEST_F(BoardGridTest, ATurnedCardRepaintsItsOwnCellAndNoOther) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Grid));
  QTest::qWait(20);
  std::vector<QPoint> painted;
  Grid.OnDrawCell = [&](QPainter& Canvas, int Col, int Row, const QRect& Rect) {
    painted.emplace_back(Col, Row);
    Canvas.fillRect(Rect, Qt::white);
  };
  TPaintSpy spy(Grid);
  Grid.InvalidateCell(2, 1);
  WaitForPaint(spy);
  ASSERT_EQ(spy.Regions.size(), 1u);
  EXPECT_EQ(spy.Regions[0], QRegion(Grid.CellRect(2, 1)));
  EXPECT_EQ(painted, (std::vector<QPoint>{{2, 1}}));

  // A pair turned back from opposite corners: two cells, not the block between them.
  spy.Regions.clear();
  painted.clear();
  Grid.InvalidateCell(0, 0);
  Grid.InvalidateCell(3, 2);
  WaitForPaint(spy);
  EXPECT_EQ(painted, (std::vector<QPoint>{{0, 0}, {3, 2}}));
}

// Cells of three looks, each painted whole: a card back, faces, and a removed cell that shows
// a tiled background.
class BoardLooksTest : public BoardGridTest {
protected:
  void SetUp() override {
    BoardGridTest::SetUp();
    Grid.SetLineColor(LineColour);
    Back = Pattern(QColor(200, 0, 0), 3);
    for (int k = 0; k < 4; ++k)
      Faces.push_back(Pattern(QColor::fromHsv(k * 80, 200, 220), 5 + k));
    QImage tile(7, 5, QImage::Format_RGB32);
    tile.fill(QColor(0, 90, 160));
    tile.setPixelColor(2, 2, Qt::yellow);
    Tile = QBrush(tile);
    Grid.OnDrawCell = [this](QPainter& Canvas, int Col, int Row, const QRect& Rect) {
      DrawCell(Canvas, Col, Row, Rect);
    };
  }

  static QPixmap Pattern(const QColor& Colour, int Stripe) {
    QImage picture(50, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 50; ++x)
        picture.setPixelColor(x, y, (x / Stripe + y) % 2 ? Colour : Colour.darker(150));
    return QPixmap::fromImage(picture);
  }

  void DrawCell(QPainter& Canvas, int Col, int Row, const QRect& Rect) const {
    switch ((Col + Row) % 3) {
    case 0:
      Canvas.drawPixmap(Rect.topLeft(), Back);
      break;
    case 1:
      Canvas.drawPixmap(Rect.topLeft(), Faces[size_t(Col % 4)]);
      break;
    default:
      Canvas.setBrushOrigin(3, 1);
      Canvas.fillRect(Rect, Tile);
    }
  }

  // The board as it has always been painted: all in the line colour, then every cell over it.
  QImage Expected() const {
    QImage board(Grid.size(), QImage::Format_ARGB32_Premultiplied);
    board.fill(LineColour);
    QPainter canvas(&board);
    for (int row = 0; row < Grid.RowCount(); ++row)
      for (int col = 0; col < Grid.ColCount(); ++col) {
        canvas.setClipRect(Grid.CellRect(col, row));
        DrawCell(canvas, col, row, Grid.CellRect(col, row));
      }
    return board;
  }

  const QColor LineColour{0x1b, 0x2a, 0x1f};
  QPixmap Back;
  std::vector<QPixmap> Faces;
  QBrush Tile;
};

TEST_F(BoardLooksTest, TheWholeBoardShowsLinesBacksFacesAndRemovedCells) {
  QImage board(Grid.size(), QImage::Format_ARGB32_Premultiplied);
  board.fill(Qt::magenta);
  Grid.render(&board);
  EXPECT_EQ(board, Expected());
  EXPECT_EQ(board.pixelColor(50, 10), LineColour);
  EXPECT_EQ(board.pixelColor(10, 40), LineColour);
}

TEST_F(BoardLooksTest, RepaintedCellsMatchTheWholeBoardAndNothingElseIsTouched) {
  const QImage expected = Expected();
  const std::vector<QRegion> repaints = {
      QRegion(Grid.CellRect(2, 0)), QRegion(Grid.CellRect(0, 0)) + QRegion(Grid.CellRect(3, 2)),
      QRegion(Grid.CellRect(1, 1).adjusted(-1, -1, 1, 1)), QRegion(QRect(20, 15, 100, 60))};
  for (const QRegion& repaint : repaints) {
    QImage board = expected;
    QPainter wipe(&board);
    wipe.setClipRegion(repaint);
    wipe.fillRect(board.rect(), Qt::magenta);
    wipe.end();
    // render() places the region's bounding corner at the given offset.
    Grid.render(&board, repaint.boundingRect().topLeft(), repaint);
    EXPECT_EQ(board, expected) << repaint.boundingRect().x() << "," << repaint.boundingRect().y();
  }
}

QImage Filled(QSize Size, const QColor& Colour, QImage::Format Format) {
  QImage filled(Size, Format);
  filled.fill(Colour);
  return filled;
}

// In a game: the lines keep their colour, every card face down looks alike, and the cell under
// a GIF face's overlay shows the line colour as it always has.
TEST(BoardOnScreen, LinesBacksAndTheCellUnderAnOverlayKeepTheirLook) {
  apptest::TMainFormRig rig;
  TMainForm& form = rig.Create();
  form.OptionsPanel->ComputerCheck->setChecked(false);
  apptest::ClickArea(*form.PanelMap, "play");
  ASSERT_TRUE(form.Game().State().GameActive);
  const apptest::TCellPair miss = apptest::FaceDownMiss(form.Game());
  apptest::ClickCell(form, miss.First.x(), miss.First.y());
  ASSERT_TRUE(form.Panel1->isVisible());
  TBoardGrid& grid = *form.MGrid;
  const QImage board = grid.grab().toImage();
  const QColor line(0x1b, 0x2a, 0x1f);
  const QRect turned = grid.CellRect(miss.First.x(), miss.First.y());
  const QRect back = grid.CellRect(miss.Second.x(), miss.Second.y());
  for (int row = 0; row < grid.RowCount(); ++row)
    for (int col = 0; col < grid.ColCount(); ++col) {
      const QRect cell = grid.CellRect(col, row);
      EXPECT_EQ(board.pixelColor(cell.right() + 1, cell.center().y()), line);
      EXPECT_EQ(board.pixelColor(cell.center().x(), cell.bottom() + 1), line);
      const QImage shown = board.copy(cell);
      if (cell == turned)
        EXPECT_EQ(shown, Filled(cell.size(), line, shown.format()));
      else
        EXPECT_EQ(shown, board.copy(back)) << col << "," << row;
    }
}

} // namespace
