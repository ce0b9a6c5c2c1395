#include "WindowDrag.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

TWindowDrag::TWindowDrag(QWidget& Window) : FWindow(Window) {}

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

void TWindowDrag::MouseMove(int X, int Y) {
  if (FDragging)
    FWindow.move(FWindow.x() + X - FDragX, FWindow.y() + Y - FDragY);
}

void TWindowDrag::MouseUp(int X, int Y) {
  if (!FDragging)
    return;
  MouseMove(X, Y);
  FDragging = false;
}
