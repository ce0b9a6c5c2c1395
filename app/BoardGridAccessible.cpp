#include "BoardGridAccessible.h"

#include "BoardGrid.h"
#include "KVAccessibleElement.h"

#include <QCoreApplication>

namespace {

QString ShownWord(TCellShown Shown) {
  switch (Shown) {
  case TCellShown::FaceDown:
    return QCoreApplication::translate("TBoardGrid", "face down");
  case TCellShown::FaceUp:
    return QCoreApplication::translate("TBoardGrid", "face up");
  case TCellShown::Removed:
    return QCoreApplication::translate("TBoardGrid", "removed");
  case TCellShown::Blank:
    break;
  }
  return {};
}

} // namespace

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
  // Rows and columns are counted from 1, as people count them aloud.
  const QString place =
      QCoreApplication::translate("TBoardGrid", "row %1, column %2").arg(row + 1).arg(col + 1);
  const QString shown = ShownWord(Grid()->CellShown(col, row));
  if (shown.isEmpty())
    return place;
  return QCoreApplication::translate("TBoardGrid", "%1, %2", "a cell's place, then what it shows")
      .arg(place, shown);
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
