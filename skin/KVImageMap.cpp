#include "KVImageMap.h"

#include "KVKeys.h"

#include <QAccessible>
#include <QChildEvent>
#include <QKeyEvent>
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
    SetTabStop(FTabStop);
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

// ---- Keyboard ---------------------------------------------------------------------------------

void TKVCustomImageMap::SetTabStop(bool Value) {
  FTabStop = Value;
  setFocusPolicy(FTabStop && !FAreas.empty() ? Qt::TabFocus : Qt::NoFocus);
}

void TKVCustomImageMap::SetFocusOrder(const QStringList& Names) {
  FFocusOrder = Names;
}

std::vector<int> TKVCustomImageMap::FocusStops() const {
  std::vector<int> order;
  for (const QString& name : FFocusOrder) {
    const int index = IndexOfArea(name);
    if (index >= 0 && std::find(order.begin(), order.end(), index) == order.end())
      order.push_back(index);
  }
  for (int i = 0; i < AreaCount(); ++i)
    if (std::find(order.begin(), order.end(), i) == order.end())
      order.push_back(i);
  std::vector<int> stops;
  for (const int index : order)
    if (Area(index).AreaState != arsDisabled)
      stops.push_back(index);
  return stops;
}

int TKVCustomImageMap::StopFrom(int Steps, bool Clamp) const {
  const std::vector<int> stops = FocusStops();
  if (stops.empty())
    return -1;
  const auto at = std::find(stops.begin(), stops.end(), FFocusArea);
  // Without a focused area the first step forward lands on the first stop, back on the last.
  int position = at != stops.end() ? int(at - stops.begin()) + Steps
                                   : (Steps > 0 ? Steps - 1 : int(stops.size()) + Steps);
  if (Clamp)
    position = std::clamp(position, 0, int(stops.size()) - 1);
  if (position < 0 || position >= int(stops.size()))
    return -1;
  return stops[size_t(position)];
}

QRect TKVCustomImageMap::FocusPart() const {
  if (FFocusArea < 0 || FFocusArea >= AreaCount())
    return {};
  return VisibleRect(Area(FFocusArea), rect());
}

void TKVCustomImageMap::SetFocusArea(int Index, bool Focus) {
  if (Index < 0 || Index >= AreaCount() || Area(Index).AreaState == arsDisabled)
    return;
  FFocusArea = Index;
  TellFocusPartMoved();
  if (Focus && !hasFocus())
    setFocus(Qt::OtherFocusReason);
  else
    TellFocusArea();
}

void TKVCustomImageMap::TellFocusArea() {
  if (!QAccessible::isActive() || !hasFocus() || FFocusArea < 0)
    return;
  QAccessibleEvent focus(this, QAccessible::Focus);
  focus.setChild(FFocusArea);
  QAccessible::updateAccessibility(&focus);
}

void TKVCustomImageMap::focusInEvent(QFocusEvent* Event) {
  TKVCustomImageList::focusInEvent(Event);
  const std::vector<int> stops = FocusStops();
  const bool kept = std::find(stops.begin(), stops.end(), FFocusArea) != stops.end();
  int area = kept ? FFocusArea : -1;
  if (Event->reason() == Qt::TabFocusReason)
    area = stops.empty() ? -1 : stops.front();
  else if (Event->reason() == Qt::BacktabFocusReason)
    area = stops.empty() ? -1 : stops.back();
  else if (area < 0 && !stops.empty())
    area = stops.front();
  FFocusArea = area;
  TellFocusPartMoved();
  TellFocusArea();
}

bool TKVCustomImageMap::focusNextPrevChild(bool Next) {
  const int area = hasFocus() ? StopFrom(Next ? 1 : -1, false) : -1;
  if (area < 0)
    return TKVCustomImageList::focusNextPrevChild(Next);
  SetFocusArea(area);
  return true;
}

void TKVCustomImageMap::keyPressEvent(QKeyEvent* Event) {
  if (IsActivationKey(*Event)) {
    if (FFocusArea >= 0 && FFocusArea < AreaCount())
      PressArea(FFocusArea);
    return;
  }
  int area = -1;
  switch (Event->key()) {
  case Qt::Key_Left:
  case Qt::Key_Up:
    area = StopFrom(-1, true);
    break;
  case Qt::Key_Right:
  case Qt::Key_Down:
    area = StopFrom(1, true);
    break;
  case Qt::Key_Home:
    area = StopFrom(-AreaCount(), true);
    break;
  case Qt::Key_End:
    area = StopFrom(AreaCount(), true);
    break;
  default:
    TKVCustomImageList::keyPressEvent(Event);
    return;
  }
  if (area >= 0 && area != FFocusArea)
    SetFocusArea(area);
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
