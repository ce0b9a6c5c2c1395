#include "MainLayout.h"

#include <algorithm>

int Snap(int T) {
  return T - (T % 3) + 1;
}

int CentredLeft(int ClientWidth, int Width) {
  return (ClientWidth - Width) / 2;
}

TShellLayout LayOutShell(QSize Client, const TShellSizes& Sizes) {
  const int w = Client.width();
  const int h = Client.height();
  TShellLayout l;
  l.Label1Top = h - skinlayout::mainform::StatusFromBottom;
  l.PanelMap = {CentredLeft(w, Sizes.PanelMap.width()), h - Sizes.PanelMap.height()};
  l.ExitMap = {w - Sizes.ExitMap.width(), 0};
  // 344 is the panel's height plus the command bar's share of the window.
  l.OptionsPanel = {CentredLeft(w, Sizes.OptionsPanel.width()), Snap((h - 344) / 2)};
  l.CopyRightImage = {CentredLeft(w, Sizes.CopyRightImage.width()), Snap(h - 90)};
  return l;
}

QPoint CentredWindowPos(const QRect& WorkArea, QSize Client) {
  return {(WorkArea.width() - Client.width()) / 2 + WorkArea.left(),
          (WorkArea.height() - Client.height()) / 2 + WorkArea.top()};
}

namespace {

// Scales both sides by S, keeping at least one pixel so a tiny work area still gives a board.
void ScaleCell(int& Width, int& Height, double S) {
  Width = std::max(1, int(Width * S));
  Height = std::max(1, int(Height * S));
}

} // namespace

TBoardFit FitBoardToScreen(int CellWidth, int CellHeight, int Rows, int Cols, QSize Work) {
  TBoardFit f;
  f.CellWidth = std::max(1, CellWidth);
  f.CellHeight = std::max(1, CellHeight);
  Rows = std::max(1, Rows);
  Cols = std::max(1, Cols);
  const int ww = Work.width();
  const int wh = Work.height();
  if ((f.CellWidth + 1) * Cols + BoardMarginWidth > ww)
    ScaleCell(f.CellWidth, f.CellHeight,
              double(ww - BoardMarginWidth - Cols) / (double(f.CellWidth) * Cols));
  if ((f.CellHeight + 1) * Rows + BoardMarginHeight > wh)
    ScaleCell(f.CellWidth, f.CellHeight,
              double(wh - BoardMarginHeight - Rows) / (double(f.CellHeight) * Rows));
  const int gridWidth = Cols * (f.CellWidth + 1);
  const int gridHeight = Rows * (f.CellHeight + 1);
  f.Client = {std::max(DesignClient.width(), gridWidth + BoardMarginWidth),
              gridHeight + BoardMarginHeight};
  const int left = f.Client.width() > gridWidth + BoardMarginWidth
                       ? (f.Client.width() - gridWidth) / 2
                       : BoardOrigin.x();
  f.Grid = QRect(left, BoardOrigin.y(), gridWidth, gridHeight);
  return f;
}
