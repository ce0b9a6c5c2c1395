#include "BoardGrid.h"

#include "KVKeys.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

TBoardGrid::TBoardGrid(QWidget* Parent) : QWidget(Parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  SetShape(FCols, FRows, FColWidth, FRowHeight);
}

void TBoardGrid::SetShape(int Cols, int Rows, int ColWidth, int RowHeight) {
  FCols = std::max(0, Cols);
  FRows = std::max(0, Rows);
  FColWidth = std::max(1, ColWidth);
  FRowHeight = std::max(1, RowHeight);
  FCurrent = {0, 0};
  resize(FCols * (FColWidth + 1), FRows * (FRowHeight + 1));
  update();
  TellFocusPartMoved();
}

QRect TBoardGrid::CellRect(int Col, int Row) const {
  return QRect(Col * (FColWidth + 1), Row * (FRowHeight + 1), FColWidth, FRowHeight);
}

QPoint TBoardGrid::CellAt(QPoint Point) const {
  if (Point.x() < 0 || Point.y() < 0)
    return {-1, -1};
  const int col = Point.x() / (FColWidth + 1);
  const int row = Point.y() / (FRowHeight + 1);
  if (col >= FCols || row >= FRows || !CellRect(col, row).contains(Point))
    return {-1, -1};
  return {col, row};
}

void TBoardGrid::InvalidateCell(int Col, int Row) {
  update(CellRect(Col, Row));
  // A repaint means the cell turned or went, which a screen reader reads from its name.
  if (QAccessible::isActive() && Col >= 0 && Col < FCols && Row >= 0 && Row < FRows) {
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    changed.setChild(Row * FCols + Col);
    QAccessible::updateAccessibility(&changed);
  }
}

void TBoardGrid::ChooseCell(int Col, int Row) {
  if (Col >= 0 && Col < FCols && Row >= 0 && Row < FRows)
    SelectCell({Col, Row});
}

TCellShown TBoardGrid::CellShown(int Col, int Row) const {
  return OnCellShown ? OnCellShown(Col, Row) : TCellShown::Blank;
}

int TBoardGrid::CellFace(int Col, int Row) const {
  const TCellShown shown = CellShown(Col, Row);
  if (shown != TCellShown::FaceUp && shown != TCellShown::Removed)
    return 0;
  return OnCellFace ? OnCellFace(Col, Row) : 0;
}

QString TBoardGrid::CellName(int Col, int Row) const {
  return CellFace(Col, Row) != 0 && OnCellName ? OnCellName(Col, Row) : QString();
}

void TBoardGrid::TellCurrentCell() {
  if (!QAccessible::isActive() || !hasFocus() || FCols <= 0 || FRows <= 0)
    return;
  QAccessibleEvent focus(this, QAccessible::Focus);
  focus.setChild(FCurrent.y() * FCols + FCurrent.x());
  QAccessible::updateAccessibility(&focus);
}

void TBoardGrid::focusInEvent(QFocusEvent* Event) {
  QWidget::focusInEvent(Event);
  TellCurrentCell();
}

QRect TBoardGrid::FocusPart() const {
  if (FCols <= 0 || FRows <= 0)
    return {};
  return CellRect(FCurrent.x(), FCurrent.y());
}

void TBoardGrid::paintEvent(QPaintEvent* Event) {
  QPainter canvas(this);
  const QRect area = Event->rect();
  if (!OnDrawCell) {
    canvas.fillRect(area, FLineColor);
    return;
  }
  PaintLines(canvas, area);
  const QRegion& region = Event->region();
  // A region of one rectangle inside a cell (one card turned) already holds the painting to
  // that cell; anything larger holds each cell to itself.
  const QPoint corner = CellAt(area.topLeft());
  const bool held =
      region.rectCount() == 1 && corner.x() >= 0 && CellRect(corner.x(), corner.y()).contains(area);
  const int firstCol = area.left() / (FColWidth + 1);
  const int firstRow = area.top() / (FRowHeight + 1);
  const int lastCol = std::min(FCols - 1, area.right() / (FColWidth + 1));
  const int lastRow = std::min(FRows - 1, area.bottom() / (FRowHeight + 1));
  for (int row = firstRow; row <= lastRow; ++row)
    for (int col = firstCol; col <= lastCol; ++col) {
      const QRect rect = CellRect(col, row);
      // Two cards turned back far apart repaint two cells, not the block between them.
      if (!held && !region.intersects(rect))
        continue;
      if (!held)
        canvas.setClipRect(rect);
      OnDrawCell(canvas, col, row, rect);
    }
}

void TBoardGrid::PaintLines(QPainter& Canvas, const QRect& Area) {
  const int pitchX = FColWidth + 1;
  const int pitchY = FRowHeight + 1;
  for (int x = Area.left() / pitchX * pitchX + FColWidth; x <= Area.right(); x += pitchX)
    Canvas.fillRect(QRect(x, Area.top(), 1, Area.height()), FLineColor);
  for (int y = Area.top() / pitchY * pitchY + FRowHeight; y <= Area.bottom(); y += pitchY)
    Canvas.fillRect(QRect(Area.left(), y, Area.width(), 1), FLineColor);
  // Past the last column and row, when the grid is given more room than its cells take.
  const QRect cells(0, 0, FCols * pitchX, FRows * pitchY);
  if (Area.right() >= cells.width())
    Canvas.fillRect(QRect(QPoint(cells.width(), Area.top()), Area.bottomRight()), FLineColor);
  if (Area.bottom() >= cells.height())
    Canvas.fillRect(QRect(QPoint(Area.left(), cells.height()), Area.bottomRight()), FLineColor);
}

void TBoardGrid::SelectCell(QPoint Cell) {
  if (Cell.x() < 0)
    return;
  MoveCurrent(Cell);
  if (OnSelectCell)
    OnSelectCell(Cell.x(), Cell.y());
}

void TBoardGrid::MoveCurrent(QPoint Cell) {
  if (Cell == FCurrent)
    return;
  FCurrent = Cell;
  TellFocusPartMoved();
  TellCurrentCell();
}

void TBoardGrid::mousePressEvent(QMouseEvent* Event) {
  if (Event->button() != Qt::LeftButton)
    return;
  FSweeping = true;
  SelectCell(CellAt(Event->position().toPoint()));
}

void TBoardGrid::mouseMoveEvent(QMouseEvent* Event) {
  if (!FSweeping || !(Event->buttons() & Qt::LeftButton))
    return;
  const QPoint cell = CellAt(Event->position().toPoint());
  // Only reaching another cell counts, as the pointer sweeps across the board.
  if (cell.x() >= 0 && cell != FCurrent)
    SelectCell(cell);
}

void TBoardGrid::mouseReleaseEvent(QMouseEvent* Event) {
  if (Event->button() == Qt::LeftButton)
    FSweeping = false;
}

QPoint TBoardGrid::KeyTarget(int Key) const {
  QPoint target = FCurrent;
  switch (Key) {
  case Qt::Key_Left:
    target.rx() -= 1;
    break;
  case Qt::Key_Right:
    target.rx() += 1;
    break;
  case Qt::Key_Up:
    target.ry() -= 1;
    break;
  case Qt::Key_Down:
    target.ry() += 1;
    break;
  case Qt::Key_Home:
    target.setX(0);
    break;
  case Qt::Key_End:
    target.setX(FCols - 1);
    break;
  case Qt::Key_PageUp:
    target.setY(0);
    break;
  case Qt::Key_PageDown:
    target.setY(FRows - 1);
    break;
  default:
    return {-1, -1};
  }
  target.setX(std::clamp(target.x(), 0, std::max(0, FCols - 1)));
  target.setY(std::clamp(target.y(), 0, std::max(0, FRows - 1)));
  return target;
}

void TBoardGrid::keyPressEvent(QKeyEvent* Event) {
  const bool choose = IsActivationKey(*Event);
  const QPoint target = KeyTarget(Event->key());
  if ((!choose && target.x() < 0) || FCols <= 0 || FRows <= 0) {
    QWidget::keyPressEvent(Event);
    return;
  }
  if (choose)
    SelectCell(FCurrent);
  else
    MoveCurrent(target);
}
