#include "KVFocusLook.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>

namespace {

const QColor FrameRim(0x1b, 0x2a, 0x1f);
const QColor FrameGold(0xff, 0xd2, 0x2e);
const char DrawsOwnFocusProperty[] = "kvDrawsOwnFocus";

// QFocusFrame takes its width from the style: the frame's own style gives it the skin's.
class TFrameWidthStyle : public QProxyStyle {
public:
  int pixelMetric(PixelMetric Metric, const QStyleOption* Option,
                  const QWidget* Widget) const override {
    if (Metric == PM_FocusFrameHMargin || Metric == PM_FocusFrameVMargin)
      return FocusFrameWidth;
    return QProxyStyle::pixelMetric(Metric, Option, Widget);
  }
};

// Watches every key and mouse press of the application for FocusShown.
class TInputWatch : public QObject {
public:
  explicit TInputWatch(QObject* Parent) : QObject(Parent) { Parent->installEventFilter(this); }
  bool KeyboardInUse = false;

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    const QEvent::Type type = Event->type();
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress)
      Use(type == QEvent::KeyPress);
    return QObject::eventFilter(Watched, Event);
  }

private:
  void Use(bool Keyboard) {
    if (Keyboard == KeyboardInUse)
      return;
    KeyboardInUse = Keyboard;
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr)
      return;
    focused->update();
    if (QWidget* parent = focused->parentWidget())
      for (QFocusFrame* frame : parent->findChildren<QFocusFrame*>(Qt::FindDirectChildrenOnly))
        frame->update();
  }
};

TInputWatch* Watch() {
  static QPointer<TInputWatch> watch;
  if (watch == nullptr && qApp != nullptr)
    watch = new TInputWatch(qApp);
  return watch;
}

} // namespace

bool FocusShown() {
  const TInputWatch* watch = Watch();
  return watch != nullptr && watch->KeyboardInUse;
}

void PaintFocusFrame(QPainter& Canvas, const QRect& Outer) {
  if (Outer.width() < 2 * FocusFrameWidth || Outer.height() < 2 * FocusFrameWidth)
    return;
  const auto ring = [&Canvas](const QRect& Rect, int Width, const QColor& Colour) {
    Canvas.fillRect(QRect(Rect.left(), Rect.top(), Rect.width(), Width), Colour);
    Canvas.fillRect(QRect(Rect.left(), Rect.bottom() - Width + 1, Rect.width(), Width), Colour);
    Canvas.fillRect(QRect(Rect.left(), Rect.top(), Width, Rect.height()), Colour);
    Canvas.fillRect(QRect(Rect.right() - Width + 1, Rect.top(), Width, Rect.height()), Colour);
  };
  ring(Outer, 1, FrameRim);
  ring(Outer.adjusted(1, 1, -1, -1), FocusFrameWidth - 1, FrameGold);
}

void PaintTextFocus(QPainter& Canvas, const QRect& Text) {
  Canvas.save();
  Canvas.setPen(FrameGold);
  Canvas.setBrush(Qt::NoBrush);
  Canvas.drawRect(Text.adjusted(-3, 0, 2, -1));
  Canvas.restore();
}

void SetDrawsOwnFocus(QWidget* Control) {
  Watch();
  Control->setProperty(DrawsOwnFocusProperty, true);
}

bool DrawsOwnFocus(const QWidget* Control) {
  return Control->property(DrawsOwnFocusProperty).toBool();
}

TKVFocusFrame::TKVFocusFrame(QWidget* Window)
    : QFocusFrame(Window), FWindow(Window), FStyle(new TFrameWidthStyle) {
  setStyle(FStyle);
  // Shown by setWidget only, once there is a control to frame.
  hide();
  Watch();
  QObject::connect(qApp, &QApplication::focusChanged, this,
                   [this](QWidget*, QWidget* Now) { FocusChanged(Now); });
}

TKVFocusFrame::~TKVFocusFrame() {
  LeavePart();
  setWidget(nullptr);
  delete FStyle;
}

void TKVFocusFrame::FocusChanged(QWidget* Now) {
  // Another window's focus says nothing about this one's: its frame stays where it was, shown
  // again when the window is active again.
  if (Now == nullptr || FWindow == nullptr || Now->window() != FWindow)
    return;
  LeavePart();
  if (auto* part = dynamic_cast<IKVFocusPart*>(Now)) {
    setWidget(nullptr);
    FPartOwner = Now;
    part->FocusPartMoved = [this] { PlaceAroundPart(); };
    Now->installEventFilter(this);
    PlaceAroundPart();
    return;
  }
  setWidget(DrawsOwnFocus(Now) ? nullptr : Now);
}

void TKVFocusFrame::LeavePart() {
  if (FPartOwner == nullptr)
    return;
  FPartOwner->removeEventFilter(this);
  if (auto* part = dynamic_cast<IKVFocusPart*>(FPartOwner.data()))
    part->FocusPartMoved = nullptr;
  FPartOwner = nullptr;
  hide();
}

void TKVFocusFrame::PlaceAroundPart() {
  QWidget* owner = FPartOwner;
  const QRect part = owner != nullptr ? dynamic_cast<IKVFocusPart*>(owner)->FocusPart() : QRect();
  // The window's focus stays with its control while another window is active, as a frame does.
  if (owner == nullptr || part.isEmpty() || !owner->isVisible() ||
      owner->window()->focusWidget() != owner) {
    hide();
    return;
  }
  if (parentWidget() != owner->parentWidget())
    setParent(owner->parentWidget());
  const QRect outer =
      part.translated(owner->pos())
          .adjusted(-FocusFrameWidth, -FocusFrameWidth, FocusFrameWidth, FocusFrameWidth);
  setGeometry(outer);
  const QRect inside(FocusFrameWidth, FocusFrameWidth, outer.width() - 2 * FocusFrameWidth,
                     outer.height() - 2 * FocusFrameWidth);
  setMask(QRegion(rect()) - QRegion(inside));
  raise();
  show();
}

bool TKVFocusFrame::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == FPartOwner) {
    switch (Event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::ZOrderChange:
      // After the control has handled the event: a focus change may move its part.
      QMetaObject::invokeMethod(
          this, [this] { PlaceAroundPart(); }, Qt::QueuedConnection);
      break;
    default:
      break;
    }
    return false;
  }
  return QFocusFrame::eventFilter(Watched, Event);
}

void TKVFocusFrame::paintEvent(QPaintEvent*) {
  if (!FocusShown())
    return;
  QPainter canvas(this);
  PaintFocusFrame(canvas, rect());
}
