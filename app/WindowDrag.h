// Moving a borderless window by dragging its background: the press point is kept in the
// pressed control's coordinates and the window follows the pointer. Where the platform does
// not let a program place its own window (Wayland), the compositor's move is started instead.
//
// A drag also ends without its release: when the window is blocked by a modal window, when it
// is hidden, and when a move arrives without the left button held (the release went elsewhere,
// as when the window system handed the pointer to another window). Otherwise the window would
// follow the pointer afterwards.
#pragma once

#include <QObject>
#include <Qt>

class QWidget;

class TWindowDrag : public QObject {
public:
  // Window is the top-level window that moves; it must outlive the helper.
  explicit TWindowDrag(QWidget& Window);

  // A press at (X, Y) in the pressed control's coordinates; only the left button starts a drag.
  void MouseDown(Qt::MouseButton Button, int X, int Y);
  // While dragging with the left button held, moves the window by the pointer's offset from
  // the press point; a move without it ends the drag where the window stands.
  void MouseMove(Qt::MouseButtons Buttons, int X, int Y);
  // Any button ends the drag with one last move.
  void MouseUp(int X, int Y);
  // Ends the drag where the window stands.
  void Cancel() { FDragging = false; }

  bool Dragging() const { return FDragging; }

  // True when the window system places windows itself and only moves them on request.
  static bool CompositorMovesWindows();

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  void MoveBy(int X, int Y);

  QWidget& FWindow;
  bool FDragging = false;
  int FDragX = 0;
  int FDragY = 0;
};
