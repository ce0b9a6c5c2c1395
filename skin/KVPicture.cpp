#include "KVPicture.h"

#include "KVCursors.h"
#include "KVKeys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TKVPicture::TKVPicture(QWidget* Parent) : QWidget(Parent) {
  setAttribute(Qt::WA_NoSystemBackground);
}

void TKVPicture::SetPicture(const QImage& Value) {
  FPicture = Value;
  if (FAutoSize)
    resize(FPicture.size());
  update();
}

void TKVPicture::SetAutoSize(bool Value) {
  if (Value == FAutoSize)
    return;
  FAutoSize = Value;
  if (FAutoSize)
    resize(FPicture.size());
}

void TKVPicture::SetStretch(bool Value) {
  if (Value == FStretch)
    return;
  FStretch = Value;
  update();
}

void TKVPicture::SetCursorId(int Value) {
  setCursor(TKVCursors::Cursor(Value));
}

void TKVPicture::paintEvent(QPaintEvent*) {
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

void TKVPicture::mousePressEvent(QMouseEvent* Event) {
  if (!Listened()) {
    Event->ignore();
    return;
  }
  const QPoint at = Event->position().toPoint();
  if (Event->button() == Qt::LeftButton)
    FClicked = true;
  if (OnMouseDown)
    OnMouseDown(this, Event->button(), Event->modifiers(), at.x(), at.y());
}

void TKVPicture::mouseMoveEvent(QMouseEvent* Event) {
  if (!Listened()) {
    Event->ignore();
    return;
  }
  const QPoint at = Event->position().toPoint();
  if (OnMouseMove)
    OnMouseMove(this, Event->buttons(), Event->modifiers(), at.x(), at.y());
}

void TKVPicture::mouseReleaseEvent(QMouseEvent* Event) {
  if (!Listened()) {
    Event->ignore();
    return;
  }
  const QPoint at = Event->position().toPoint();
  // The release is handed on first: a click may hide the window, and a drag must end before.
  if (OnMouseUp)
    OnMouseUp(this, Event->button(), Event->modifiers(), at.x(), at.y());
  if (Event->button() != Qt::LeftButton || !FClicked)
    return;
  FClicked = false;
  if (rect().contains(at))
    Click();
}

void TKVPicture::Click() {
  if (OnClick)
    OnClick(this);
}

void TKVPicture::keyPressEvent(QKeyEvent* Event) {
  if (!IsActivationKey(*Event) || !OnClick) {
    QWidget::keyPressEvent(Event);
    return;
  }
  Click();
}
