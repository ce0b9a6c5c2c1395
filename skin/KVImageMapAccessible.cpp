#include "KVImageMapAccessible.h"

#include "KVAccessibleElement.h"
#include "KVImageMap.h"

TKVImageMapAccessible::TKVImageMapAccessible(TKVCustomImageMap* Map)
    : TKVAccessibleGroup(Map, QAccessible::Grouping) {}

TKVCustomImageMap* TKVImageMapAccessible::Map() const {
  return static_cast<TKVCustomImageMap*>(widget());
}

int TKVImageMapAccessible::ElementCount() const {
  return Map()->AreaCount();
}

QString TKVImageMapAccessible::ElementName(int Index) const {
  const QString& hint = Map()->Area(Index).AreaHint;
  return hint.isEmpty() ? Map()->AreaName(Index) : hint;
}

QString TKVImageMapAccessible::ElementDescription(int Index) const {
  return Map()->AreaName(Index);
}

QRect TKVImageMapAccessible::ElementRect(int Index) const {
  const TArea& area = Map()->Area(Index);
  return QRect(area.Left, area.Top, area.Right - area.Left, area.Bottom - area.Top);
}

QAccessible::State TKVImageMapAccessible::ElementState(int Index) const {
  QAccessible::State state = TKVAccessibleGroup::ElementState(Index);
  state.disabled = state.disabled || Map()->Area(Index).AreaState == arsDisabled;
  state.pressed = Map()->Area(Index).AreaState == arsOn;
  state.focusable = (Map()->focusPolicy() & Qt::TabFocus) != 0 && !state.disabled;
  state.focused = Map()->hasFocus() && Map()->FocusArea() == Index;
  return state;
}

QAccessibleInterface* TKVImageMapAccessible::focusChild() const {
  const int area = Map()->FocusArea();
  if (!Map()->hasFocus() || area < 0 || area >= ElementCount())
    return nullptr;
  return Element(area);
}

void TKVImageMapAccessible::PressElement(int Index) {
  Map()->PressArea(Index);
}
