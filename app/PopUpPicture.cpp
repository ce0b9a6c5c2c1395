#include "PopUpPicture.h"

#include "KVCursors.h"

#include <QMouseEvent>
#include <QPainter>

TPopUpPicture::TPopUpPicture(QWidget* Parent) : QWidget(Parent) {
  setAttribute(Qt::WA_NoSystemBackground);
}

void TPopUpPicture::SetPicture(const QImage& Value) {
  FPicture = Value;
  if (FAutoSize && !FPicture.isNull())
    resize(FPicture.size());
  update();
}

void TPopUpPicture::SetAutoSize(bool Value) {
  if (Value == FAutoSize)
    return;
  FAutoSize = Value;
  if (FAutoSize && !FPicture.isNull())
    resize(FPicture.size());
}

void TPopUpPicture::SetStretch(bool Value) {
  if (Value == FStretch)
    return;
  FStretch = Value;
  update();
}

void TPopUpPicture::SetCursorId(int Value) {
  setCursor(TKVCursors::Cursor(Value));
}

void TPopUpPicture::paintEvent(QPaintEvent*) {
  if (FPicture.isNull())
    return;
  QPainter canvas(this);
  if (FStretch) {
    canvas.setRenderHint(QPainter::SmoothPixmapTransform);
    canvas.drawImage(rect(), FPicture);
  } else {
    canvas.drawImage(0, 0, FPicture);
  }
}

void TPopUpPicture::mousePressEvent(QMouseEvent* Event) {
  const QPoint at = Event->position().toPoint();
  if (Event->button() == Qt::LeftButton)
    FClicked = true;
  if (OnMouseDown)
    OnMouseDown(this, Event->button(), Event->modifiers(), at.x(), at.y());
}

void TPopUpPicture::mouseMoveEvent(QMouseEvent* Event) {
  const QPoint at = Event->position().toPoint();
  if (OnMouseMove)
    OnMouseMove(this, Event->buttons(), Event->modifiers(), at.x(), at.y());
}

void TPopUpPicture::mouseReleaseEvent(QMouseEvent* Event) {
  const QPoint at = Event->position().toPoint();
  // The release is handed on first: a click may hide the window, and a drag must end before.
  if (OnMouseUp)
    OnMouseUp(this, Event->button(), Event->modifiers(), at.x(), at.y());
  if (Event->button() != Qt::LeftButton || !FClicked)
    return;
  FClicked = false;
  if (rect().contains(at) && OnClick)
    OnClick(this);
}
