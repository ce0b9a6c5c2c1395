#include "BoardGridAccessible.h"

#include "BoardGrid.h"
#include "KVAccessibleElement.h"

#include <QCoreApplication>

QString CellSpokenName(int Col, int Row, TCellShown Shown, int Face, const QString& Name) {
  // Rows and columns are counted from 1, as people count them aloud.
  const QString row = QString::number(Row + 1);
  const QString col = QString::number(Col + 1);
  const QString face = QString::number(Face);
  if (!Name.isEmpty() && Shown == TCellShown::FaceUp)
    return QCoreApplication::translate("TBoardGrid", "row %1, column %2, face up, %3")
        .arg(row, col, Name);
  if (!Name.isEmpty() && Shown == TCellShown::Removed)
    return QCoreApplication::translate("TBoardGrid", "row %1, column %2, removed, %3")
        .arg(row, col, Name);
  switch (Shown) {
  case TCellShown::FaceDown:
    return QCoreApplication::translate("TBoardGrid", "row %1, column %2, face down").arg(row, col);
  case TCellShown::FaceUp:
    return QCoreApplication::translate("TBoardGrid", "row %1, column %2, face up, picture %3")
        .arg(row, col, face);
  case TCellShown::Removed:
    return QCoreApplication::translate("TBoardGrid", "row %1, column %2, removed, picture %3")
        .arg(row, col, face);
  case TCellShown::Blank:
    break;
  }
  return QCoreApplication::translate("TBoardGrid", "row %1, column %2").arg(row, col);
}

TBoardGridAccessible::TBoardGridAccessible(TBoardGrid* Grid)
    : TKVAccessibleGroup(Grid, QAccessible::Table) {}

TBoardGrid* TBoardGridAccessible::Grid() const {
  return static_cast<TBoardGrid*>(widget());
}

int TBoardGridAccessible::ElementCount() const {
  return Grid()->ColCount() * Grid()->RowCount();
}

QString TBoardGridAccessible::ElementName(int Index) const {
  const int col = Index % Grid()->ColCount();
  const int row = Index / Grid()->ColCount();
  return CellSpokenName(col, row, Grid()->CellShown(col, row), Grid()->CellFace(col, row),
                        Grid()->CellName(col, row));
}

QRect TBoardGridAccessible::ElementRect(int Index) const {
  return Grid()->CellRect(Index % Grid()->ColCount(), Index / Grid()->ColCount());
}

QAccessible::State TBoardGridAccessible::ElementState(int Index) const {
  QAccessible::State state = TKVAccessibleGroup::ElementState(Index);
  const QPoint current = Grid()->CurrentCell();
  state.focusable = true;
  state.focused = Grid()->hasFocus() && current.y() * Grid()->ColCount() + current.x() == Index;
  return state;
}

void TBoardGridAccessible::PressElement(int Index) {
  Grid()->ChooseCell(Index % Grid()->ColCount(), Index / Grid()->ColCount());
}

QAccessibleInterface* TBoardGridAccessible::focusChild() const {
  if (!Grid()->hasFocus() || ElementCount() == 0)
    return nullptr;
  const QPoint current = Grid()->CurrentCell();
  return Element(current.y() * Grid()->ColCount() + current.x());
}
