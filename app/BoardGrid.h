// The board grid (MGrid): Cols x Rows cells of one size, each followed by a 1-pixel line on its
// right and bottom. It paints the lines and nothing of a cell itself; the owner paints each
// whole cell through OnDrawCell, held to the cell. A left press on a cell and sweeping onto
// another cell with the left button held report a cell choice through OnSelectCell, which also
// moves the current cell. From the keyboard, the navigation keys (arrows, Home, End, Page Up,
// Page Down) only move the current cell, so a player can reach any card without turning others
// on the way, and Enter, Return or Space choose it. The window's focus frame goes around the
// current cell while the grid has the focus.
#pragma once

#include "KVFocusLook.h"

#include <QBrush>
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <functional>

// What a cell shows, as far as the player may know it: never which face lies under a card.
enum class TCellShown : quint8 { Blank, FaceDown, FaceUp, Removed };

class TBoardGrid : public QWidget, public IKVFocusPart {
public:
  explicit TBoardGrid(QWidget* Parent = nullptr);

  // New shape and cell size; the grid takes the size Cols x (ColWidth + 1) by
  // Rows x (RowHeight + 1) and is repainted whole.
  void SetShape(int Cols, int Rows, int ColWidth, int RowHeight);
  int ColCount() const { return FCols; }
  int RowCount() const { return FRows; }
  int ColWidth() const { return FColWidth; }
  int RowHeight() const { return FRowHeight; }

  // The one geometry function: painting, hit testing and partial repaint all use it.
  QRect CellRect(int Col, int Row) const;
  // The cell under Point (grid coordinates), or (-1, -1) over a line or outside.
  QPoint CellAt(QPoint Point) const;
  // Repaints only that cell.
  void InvalidateCell(int Col, int Row);

  // The background brush, for cells the owner wants to show the window through.
  const QBrush& Background() const { return FBackground; }
  void SetBackground(const QBrush& Brush) { FBackground = Brush; }
  const QColor& LineColor() const { return FLineColor; }
  void SetLineColor(const QColor& Color) { FLineColor = Color; }

  QPoint CurrentCell() const { return FCurrent; }
  // The current cell's rectangle, which the window's focus frame goes around.
  QRect FocusPart() const override;
  // A cell choice made without pointer or keys (assistive technology pressing a cell): it
  // counts exactly as a press on the cell would.
  void ChooseCell(int Col, int Row);
  // What the owner says the cell shows; Blank when nobody has said.
  TCellShown CellShown(int Col, int Row) const;
  // The number of the face a face-up or removed cell shows or showed, as the owner says; 0 for
  // a face-down or blank cell whatever the owner says, so a hidden face is never told.
  int CellFace(int Col, int Row) const;
  // What that face shows or says in words (a name, a word, a caption), as the owner says;
  // empty for a face without words and whenever CellFace is 0.
  QString CellName(int Col, int Row) const;

  std::function<void(int Col, int Row)> OnSelectCell;
  // Must paint every pixel of Rect: the grid paints nothing under a cell, so a picture with
  // transparent parts needs its own background. Only the cell's pixels reach the screen, and
  // the painter's state carries over from one cell to the next.
  std::function<void(QPainter& Canvas, int Col, int Row, const QRect& Rect)> OnDrawCell;
  std::function<TCellShown(int Col, int Row)> OnCellShown;
  std::function<int(int Col, int Row)> OnCellFace;
  std::function<QString(int Col, int Row)> OnCellName;

protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;

private:
  // The lines inside Area, and whatever of Area lies past the last column or row.
  void PaintLines(QPainter& Canvas, const QRect& Area);
  void SelectCell(QPoint Cell);
  QPoint KeyTarget(int Key) const;
  // Makes Cell the current cell without choosing it.
  void MoveCurrent(QPoint Cell);
  void TellCurrentCell();

  int FCols = 4;
  int FRows = 4;
  int FColWidth = 120;
  int FRowHeight = 90;
  QPoint FCurrent{0, 0};
  bool FSweeping = false;
  QBrush FBackground;
  QColor FLineColor{Qt::black};
};
