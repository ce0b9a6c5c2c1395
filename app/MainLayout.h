// Where the main window puts its controls and how large the board makes it: the layout
// formulas as pure functions. All divisions truncate toward zero.
#pragma once

#include "SkinLayout.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// The design client size of the main window; it is never narrower than DesignClient.width().
inline constexpr QSize DesignClient = skinlayout::mainform::Client;
// Margins around the board grid, which the frame surrounds: left and right together, top and
// bottom together.
inline constexpr int BoardMarginWidth = 2 * skinlayout::mainform::RailWidth;
inline constexpr int BoardMarginHeight =
    skinlayout::mainform::TitleHeight + skinlayout::mainform::BottomHeight;
inline constexpr QPoint BoardOrigin{skinlayout::mainform::RailWidth,
                                    skinlayout::mainform::TitleHeight};

// t - (t mod 3) + 1: the vertical grid the skin's artwork is drawn on.
int Snap(int T);

// Sizes of the controls FormResize places.
struct TShellSizes {
  QSize PanelMap;
  QSize ExitMap;
  QSize OptionsPanel;
  QSize CopyRightImage;
};

struct TShellLayout {
  int Label1Top = 0;
  QPoint PanelMap;
  QPoint ExitMap;
  QPoint OptionsPanel;
  QPoint CopyRightImage;
};

// The controls' places for a client area of Client.
TShellLayout LayOutShell(QSize Client, const TShellSizes& Sizes);

// The window's top-left corner that centres a client area of Client on WorkArea.
QPoint CentredWindowPos(const QRect& WorkArea, QSize Client);

// Left of a text of Width centred in a client area of ClientWidth.
int CentredLeft(int ClientWidth, int Width);

// The board's geometry for Rows x Cols cells of CellWidth x CellHeight on a work area of Work:
// cells shrink proportionally (truncated to whole pixels, at least 1) until the window fits.
struct TBoardFit {
  int CellWidth = 0;
  int CellHeight = 0;
  QRect Grid;   // in client coordinates; each cell carries a 1-pixel line
  QSize Client; // the window's client size
};
TBoardFit FitBoardToScreen(int CellWidth, int CellHeight, int Rows, int Cols, QSize Work);
