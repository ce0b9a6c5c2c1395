// A picture control of the windows: the about plaque, the options panel's background and
// card-builder strip, and the pop-ups' title, close button, advertisement and card-builder strip.
//
// It paints its picture at its own size from the top-left corner, or stretched to the whole box
// when Stretch is set; without a picture it paints nothing, so what lies below shows. A left
// press and a left release over the control make a click (OnClick). Every press, move and
// release is also handed on, in the control's coordinates, so a picture can drag its window. A
// control nobody listens to (neither OnClick nor OnMouseDown set) lets the mouse through to its
// parent.
//
// A picture that clicks can also be a stop of the keyboard's focus (SetTabStop): Enter, Return
// and Space then click it. The window's focus frame (TKVFocusFrame) shows that it has the focus.
#pragma once

#include "KVImageList.h"
#include "PlainText.h"

#include <QImage>
#include <QWidget>

#include <functional>

using TNotifyEvent = std::function<void(QObject* Sender)>;

class TKVPicture : public QWidget {
public:
  explicit TKVPicture(QWidget* Parent = nullptr);

  const QImage& Picture() const { return FPicture; }
  // Copies Value; with AutoSize the control takes the picture's size (0 x 0 for no picture).
  void SetPicture(const QImage& Value);
  // Default true.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  // Default false.
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  // Pointer shape by registry number (see TKVCursors), resolved when set.
  void SetCursorId(int Value);
  // The tooltip, shown as typed; an empty text shows none.
  void SetHint(const QString& Value) { setToolTip(PlainToolTip(Value)); }
  // Whether Tab reaches the picture (default false). A press of the mouse never gives it the
  // focus.
  void SetTabStop(bool Value) { setFocusPolicy(Value ? Qt::TabFocus : Qt::NoFocus); }
  // What a click does, also when it comes from the keyboard or assistive technology; nothing
  // without OnClick.
  void Click();

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;

private:
  bool Listened() const { return OnClick || OnMouseDown; }

  QImage FPicture;
  bool FAutoSize = true;
  bool FStretch = false;
  // The left button went down on the control and has not come up yet.
  bool FClicked = false;
};
