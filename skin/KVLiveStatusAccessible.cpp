#include "KVLiveStatusAccessible.h"

#include "KVLiveStatus.h"

#include <QWidget>

TKVLiveStatusAccessible::TKVLiveStatusAccessible(TKVLiveStatus* Status)
    : QAccessibleObject(Status) {}

const TKVLiveStatus* TKVLiveStatusAccessible::Status() const {
  return static_cast<const TKVLiveStatus*>(object());
}

QAccessibleInterface* TKVLiveStatusAccessible::parent() const {
  return QAccessible::queryAccessibleInterface(object()->parent());
}

QWindow* TKVLiveStatusAccessible::window() const {
  const auto* owner = qobject_cast<const QWidget*>(object()->parent());
  return owner != nullptr ? owner->window()->windowHandle() : nullptr;
}

QString TKVLiveStatusAccessible::text(QAccessible::Text Kind) const {
  return Kind == QAccessible::Name ? Status()->Text() : QString();
}

QRect TKVLiveStatusAccessible::rect() const {
  // The window it speaks for.
  const auto* owner = qobject_cast<const QWidget*>(object()->parent());
  return owner != nullptr ? QRect(owner->mapToGlobal(QPoint(0, 0)), owner->size()) : QRect();
}

QAccessible::State TKVLiveStatusAccessible::state() const {
  QAccessible::State state;
  const auto* owner = qobject_cast<const QWidget*>(object()->parent());
  state.invisible = owner == nullptr || !owner->isVisible();
  state.readOnly = true;
  return state;
}

void* TKVLiveStatusAccessible::interface_cast(QAccessible::InterfaceType Kind) {
  if (Kind == QAccessible::TextInterface)
    return static_cast<QAccessibleTextInterface*>(this);
  return nullptr;
}

QString TKVLiveStatusAccessible::text(int Start, int End) const {
  const QString& all = Status()->Text();
  if (Start < 0 || End < Start || Start > all.size())
    return {};
  return all.mid(Start, End - Start);
}

int TKVLiveStatusAccessible::characterCount() const {
  return int(Status()->Text().size());
}

QString TKVLiveStatusAccessible::attributes(int Offset, int* Start, int* End) const {
  *Start = *End = Offset;
  return {};
}
