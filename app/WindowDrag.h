// Moving a borderless window by dragging its background: the press point is kept in the
// pressed control's coordinates and the window follows the pointer. Where the platform does
// not let a program place its own window (Wayland), the compositor's move is started instead.
#pragma once

#include <Qt>

class QWidget;

class TWindowDrag {
public:
  // Window is the top-level window that moves; it must outlive the helper.
  explicit TWindowDrag(QWidget& Window);

  // A press at (X, Y) in the pressed control's coordinates; only the left button starts a drag.
  void MouseDown(Qt::MouseButton Button, int X, int Y);
  // While dragging, moves the window by the pointer's offset from the press point.
  void MouseMove(int X, int Y);
  // Any button ends the drag with one last move.
  void MouseUp(int X, int Y);

  bool Dragging() const { return FDragging; }

  // True when the window system places windows itself and only moves them on request.
  static bool CompositorMovesWindows();

private:
  QWidget& FWindow;
  bool FDragging = false;
  int FDragX = 0;
  int FDragY = 0;
};
