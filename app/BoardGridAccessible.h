// The board grid as assistive technology sees it: a table whose cells are named by row, column
// and what the player can see there: "row 2, column 3, face down", "row 2, column 3, face up,
// picture 7", "row 2, column 3, removed, picture 7". The picture's number stands for the face for
// the whole game (both cards of a pair say the same), numbered in the order the game's faces
// were chosen, so it tells nothing about where a face lies. The name is built only from
// TCellShown and TBoardGrid::CellFace, so a face-down card cannot tell its face. Pressing a cell
// chooses it.
#pragma once

#include "KVAccessibleGroup.h"

class TBoardGrid;
enum class TCellShown : quint8;

// The cell's name as above (Col and Row from 0; Face, or Name when it is not empty, is used
// only for a face that shows or showed), in the player's language.
QString CellSpokenName(int Col, int Row, TCellShown Shown, int Face, const QString& Name = {});

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
