// The board grid as assistive technology sees it: a table whose cells are named by row, column
// and what the player can see there ("row 2, column 3, face down"). The name is built only from
// TCellShown, so a face-down card cannot tell its face. Pressing a cell chooses it.
#pragma once

#include "KVAccessibleGroup.h"

class TBoardGrid;

class TBoardGridAccessible : public TKVAccessibleGroup {
public:
  explicit TBoardGridAccessible(TBoardGrid* Grid);

  int ElementCount() const override;
  QString ElementName(int Index) const override;
  QRect ElementRect(int Index) const override;
  QAccessible::Role ElementRole() const override { return QAccessible::Cell; }
  QAccessible::State ElementState(int Index) const override;
  void PressElement(int Index) override;
  QAccessibleInterface* focusChild() const override;

private:
  TBoardGrid* Grid() const;
};
