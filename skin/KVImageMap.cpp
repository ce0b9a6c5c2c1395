#include "KVImageMap.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr unsigned Has(int SubImage) {
  return 1u << SubImage;
}

void WithdrawToolTip() {
  if (QToolTip::isVisible())
    QToolTip::hideText();
}

} // namespace

TAreaPaint AreaPaintFor(const TArea& Area, unsigned PresentImages) {
  const auto present = [PresentImages](int SubImage) {
    return (PresentImages & Has(SubImage)) != 0;
  };
  if (Area.AreaState == arsDisabled)
    return present(3) ? arpDisabled : arpOff;
  TAreaPaint paint = Area.AreaOver && present(2) ? arpOver : arpOff;
  if (Area.AreaState == arsOn && present(1))
    paint = arpOn;
  if (Area.AreaClicked && present(4))
    paint = arpClicked;
  return paint;
}

int SubImageOf(TAreaPaint Paint) {
  switch (Paint) {
  case arpOn:
    return 1;
  case arpOver:
    return 2;
  case arpDisabled:
    return 3;
  case arpClicked:
    return 4;
  case arpOff:
    break;
  }
  return 0;
}

TKVCustomImageMap::TKVCustomImageMap(QWidget* Parent) : TKVCustomImageList(Parent) {
  FOutAreaCursor = CursorId();
}

TKVCustomImageMap::~TKVCustomImageMap() = default;

void TKVCustomImageMap::AddArea(const QString& Name, const QRect& Rect, int Cursor,
                                const QString& Hint) {
  const qint64 right = qint64(Rect.left()) + Rect.width();
  const qint64 bottom = qint64(Rect.top()) + Rect.height();
  AddArea(Name, Rect.left(), Rect.top(), int(std::min<qint64>(right, INT32_MAX)),
          int(std::min<qint64>(bottom, INT32_MAX)), Cursor, Hint);
}

void TKVCustomImageMap::AddArea(const QString& Name, int Left, int Top, int Right, int Bottom,
                                int Cursor, const QString& Hint) {
  const int index = IndexOfArea(Name);
  TArea* area = nullptr;
  if (index >= 0) {
    area = &FAreas[size_t(index)].Area;
  } else {
    FAreas.push_back({Name, TArea{}});
    area = &FAreas.back().Area;
    area->AreaCursor = qint16(Cursor);
    area->AreaHint = Hint;
  }
  area->Left = Left;
  area->Top = Top;
  area->Right = Right;
  area->Bottom = Bottom;
}

int TKVCustomImageMap::IndexOfArea(const QString& Name) const {
  for (size_t i = 0; i < FAreas.size(); ++i)
    if (FAreas[i].Name.compare(Name, Qt::CaseInsensitive) == 0)
      return int(i);
  return -1;
}

int TKVCustomImageMap::AreaAt(int X, int Y) const {
  for (size_t i = 0; i < FAreas.size(); ++i)
    if (FAreas[i].Area.Contains(X, Y))
      return int(i);
  return -1;
}

unsigned TKVCustomImageMap::PresentImages() const {
  unsigned present = 0;
  for (int i = 0; i <= 4; ++i)
    if (GetImageWidth(i) > 0)
      present |= Has(i);
  return present;
}

// The part of the area inside Bounds, computed without forming the area's own width, which
// can overflow for rectangles reaching far outside the control.
QRect TKVCustomImageMap::VisibleRect(const TArea& Area, const QRect& Bounds) const {
  const int left = std::max(Area.Left, Bounds.left());
  const int top = std::max(Area.Top, Bounds.top());
  const int right = std::min<qint64>(Area.Right, qint64(Bounds.right()) + 1);
  const int bottom = std::min<qint64>(Area.Bottom, qint64(Bounds.bottom()) + 1);
  if (left >= right || top >= bottom)
    return QRect();
  return QRect(left, top, right - left, bottom - top);
}

void TKVCustomImageMap::PaintArea(int Index) {
  const QRect visible = VisibleRect(Area(Index), rect());
  if (!visible.isEmpty())
    update(visible);
}

void TKVCustomImageMap::UpdateAreaPaint(int Index) {
  TArea& area = FAreas[size_t(Index)].Area;
  const TAreaPaint paint = AreaPaintFor(area, PresentImages());
  if (paint == area.AreaPaint)
    return;
  area.AreaPaint = paint;
  PaintArea(Index);
}

void TKVCustomImageMap::SetAreaState(int Index, TAreaState State) {
  // Handlers may add areas, so names are copied and areas looked up again after each call.
  const QString name = AreaName(Index);
  if (State == arsOn && OnMapChanging)
    OnMapChanging(this, name);
  if (Area(Index).AreaState != State) {
    if (Area(Index).AreaState == arsOn && OnMapUnClick)
      OnMapUnClick(this, name);
    FAreas[size_t(Index)].Area.AreaState = State;
    UpdateAreaPaint(Index);
  }
  if (State != arsOn)
    return;
  for (int j = 0; j < AreaCount(); ++j)
    if (j != Index && Area(j).AreaState == arsOn)
      SetAreaState(j, arsOff);
  if (OnMapClick)
    OnMapClick(this, name);
}

void TKVCustomImageMap::SetAreaOver(int Index, bool Flag) {
  if (Area(Index).AreaOver == Flag)
    return;
  FAreas[size_t(Index)].Area.AreaOver = Flag;
  UpdateAreaPaint(Index);
}

void TKVCustomImageMap::SetAreaClicked(int Index, bool Flag) {
  if (Area(Index).AreaClicked == Flag)
    return;
  FAreas[size_t(Index)].Area.AreaClicked = Flag;
  UpdateAreaPaint(Index);
}

TAreaState TKVCustomImageMap::GetAreaState(const QString& Name) const {
  const int index = IndexOfArea(Name);
  return index < 0 ? arsOff : Area(index).AreaState;
}

void TKVCustomImageMap::SetAreaState(const QString& Name, TAreaState State) {
  const int index = IndexOfArea(Name);
  if (index >= 0)
    SetAreaState(index, State);
}

void TKVCustomImageMap::ResetAreas() {
  for (int i = 0; i < AreaCount(); ++i)
    SetAreaState(i, arsOff);
}

void TKVCustomImageMap::SetTransparent(bool Value) {
  if (Value == FTransparent)
    return;
  FTransparent = Value;
  update();
}

void TKVCustomImageMap::SetOutAreaCursor(int Value) {
  FOutAreaCursor = Value;
  SetCursorId(Value);
}

void TKVCustomImageMap::SetOutAreaHint(const QString& Value) {
  FOutAreaHint = Value;
  SetHint(Value);
}

void TKVCustomImageMap::paintEvent(QPaintEvent* Event) {
  const QRect clip = Event->rect();
  QPainter painter(this);
  if (!FTransparent)
    CopyImageRect(painter, clip, 0, clip);
  for (const TNamedArea& named : FAreas) {
    const QRect part = VisibleRect(named.Area, clip);
    if (!part.isEmpty())
      CopyImageRect(painter, part, SubImageOf(named.Area.AreaPaint), part);
  }
}

void TKVCustomImageMap::mousePressEvent(QMouseEvent* Event) {
  const QPoint at = Event->position().toPoint();
  if (Event->button() == Qt::LeftButton) {
    // A left press begins a gesture of its own, whatever became of the one before.
    GestureLost();
    const int index = AreaAt(at.x(), at.y());
    if (index >= 0 && Area(index).AreaState != arsDisabled) {
      SetAreaClicked(index, true);
      return;
    }
    // The widget system keeps the mouse with this control until the release.
    FPassThrough = true;
  }
  DoMouseDown(Event->button(), Event->modifiers(), at);
}

void TKVCustomImageMap::mouseReleaseEvent(QMouseEvent* Event) {
  const QPoint at = Event->position().toPoint();
  // A pass-through gesture belongs to the window until its own (left) button comes up; other
  // buttons released meanwhile must not end it, or the rest of the drag would click areas.
  if (FPassThrough || Event->button() != Qt::LeftButton) {
    if (Event->button() == Qt::LeftButton)
      FPassThrough = false;
    DoMouseUp(Event->button(), Event->modifiers(), at);
    return;
  }
  const int index = AreaAt(at.x(), at.y());
  // A press that ended elsewhere must not leave its area looking pressed.
  for (int j = 0; j < AreaCount(); ++j)
    if (j != index)
      SetAreaClicked(j, false);
  if (index < 0 || Area(index).AreaState == arsDisabled) {
    DoMouseUp(Event->button(), Event->modifiers(), at);
    return;
  }
  SetAreaClicked(index, false);
  PressArea(index);
}

void TKVCustomImageMap::PressArea(int Index) {
  if (Area(Index).AreaState == arsDisabled)
    return;
  if (FAllowAllOff && Area(Index).AreaState == arsOn)
    SetAreaState(Index, arsOff);
  else
    SetAreaState(Index, arsOn);
}

void TKVCustomImageMap::mouseMoveEvent(QMouseEvent* Event) {
  const QPoint at = Event->position().toPoint();
  if (FPassThrough && !(Event->buttons() & Qt::LeftButton))
    GestureLost();
  if (FPassThrough || !(ShowHint() || FChangeCursor || GetImageWidth(2) > 0)) {
    DoMouseMove(Event->buttons(), Event->modifiers(), at);
    return;
  }
  const int index = AreaAt(at.x(), at.y());
  if (index >= 0) {
    ShowAreaLook(index);
    return;
  }
  ShowOutsideLook();
  DoMouseMove(Event->buttons(), Event->modifiers(), at);
}

void TKVCustomImageMap::ShowAreaLook(int Index) {
  ClearOver(Index);
  if (Area(Index).AreaState != arsDisabled)
    SetAreaOver(Index, true);
  const TArea& area = Area(Index);
  if (FChangeCursor && CursorId() != area.AreaCursor)
    SetCursorId(area.AreaCursor);
  if (ShowHint() && Hint() != area.AreaHint) {
    SetHint(area.AreaHint);
    WithdrawToolTip();
  }
}

void TKVCustomImageMap::ShowOutsideLook() {
  ClearOver(-1);
  if (CursorId() != FOutAreaCursor)
    SetCursorId(FOutAreaCursor);
  if (Hint() != FOutAreaHint) {
    SetHint(FOutAreaHint);
    WithdrawToolTip();
  }
}

void TKVCustomImageMap::ClearOver(int Except) {
  for (int j = 0; j < AreaCount(); ++j)
    if (j != Except)
      SetAreaOver(j, false);
}

void TKVCustomImageMap::GestureLost() {
  FPassThrough = false;
  for (int j = 0; j < AreaCount(); ++j)
    SetAreaClicked(j, false);
}

void TKVCustomImageMap::leaveEvent(QEvent* Event) {
  ClearOver(-1);
  TKVCustomImageList::leaveEvent(Event);
}

void TKVCustomImageMap::changeEvent(QEvent* Event) {
  if (Event->type() == QEvent::EnabledChange) {
    const TAreaState state = isEnabled() ? arsOff : arsDisabled;
    for (int i = 0; i < AreaCount(); ++i)
      SetAreaState(i, state);
  }
  TKVCustomImageList::changeEvent(Event);
}

void TKVCustomImageMap::childEvent(QChildEvent* Event) {
  if (Event->added() && Event->child()->isWidgetType())
    Event->child()->installEventFilter(this);
  TKVCustomImageList::childEvent(Event);
}

bool TKVCustomImageMap::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() == QEvent::Enter && Watched->parent() == this)
    ClearOver(-1);
  return TKVCustomImageList::eventFilter(Watched, Event);
}
