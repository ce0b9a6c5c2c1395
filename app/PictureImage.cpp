#include "PictureImage.h"

#include "KVCursors.h"

#include <QMouseEvent>
#include <QPainter>

TPictureImage::TPictureImage(QWidget* Parent) : QWidget(Parent) {}

void TPictureImage::SetPicture(const QImage& Picture) {
  FPicture = Picture;
  resize(FPicture.size());
  update();
}

void TPictureImage::SetCursorId(int Number) {
  setCursor(TKVCursors::Cursor(Number));
}

void TPictureImage::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  canvas.drawImage(0, 0, FPicture);
}

void TPictureImage::mousePressEvent(QMouseEvent* Event) {
  if (!OnClick) {
    Event->ignore();
    return;
  }
  FPressed = Event->button() == Qt::LeftButton;
}

void TPictureImage::mouseReleaseEvent(QMouseEvent* Event) {
  if (!OnClick) {
    Event->ignore();
    return;
  }
  const bool click =
      FPressed && Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint());
  FPressed = false;
  if (click)
    OnClick();
}
