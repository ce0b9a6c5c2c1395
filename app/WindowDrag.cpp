#include "WindowDrag.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

TWindowDrag::TWindowDrag(QWidget& Window) : FWindow(Window) {
  FWindow.installEventFilter(this);
}

bool TWindowDrag::CompositorMovesWindows() {
  return QGuiApplication::platformName() == QLatin1String("wayland");
}

void TWindowDrag::MouseDown(Qt::MouseButton Button, int X, int Y) {
  if (Button != Qt::LeftButton)
    return;
  if (CompositorMovesWindows()) {
    if (QWindow* handle = FWindow.windowHandle(); handle != nullptr && handle->startSystemMove())
      return;
  }
  FDragging = true;
  FDragX = X;
  FDragY = Y;
}

void TWindowDrag::MouseMove(Qt::MouseButtons Buttons, int X, int Y) {
  if (!FDragging)
    return;
  if (!(Buttons & Qt::LeftButton))
    Cancel();
  else
    MoveBy(X, Y);
}

void TWindowDrag::MouseUp(int X, int Y) {
  if (!FDragging)
    return;
  MoveBy(X, Y);
  FDragging = false;
}

void TWindowDrag::MoveBy(int X, int Y) {
  FWindow.move(FWindow.x() + X - FDragX, FWindow.y() + Y - FDragY);
}

bool TWindowDrag::eventFilter(QObject* Watched, QEvent* Event) {
  // The pressed control never hears of its release once a modal window takes the pointer or
  // the window goes.
  if (Watched == &FWindow &&
      (Event->type() == QEvent::WindowBlocked || Event->type() == QEvent::Hide))
    Cancel();
  return QObject::eventFilter(Watched, Event);
}
