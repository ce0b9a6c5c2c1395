// The keys every control of the skin reads alike.
#pragma once

#include <QKeyEvent>

namespace kvkeys {
inline bool Unmodified(const QKeyEvent& Event) {
  return (Event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}
} // namespace kvkeys

// Enter (main or keypad) or Return without Shift, Control or Alt.
inline bool IsEnterKey(const QKeyEvent& Event) {
  const int key = Event.key();
  return (key == Qt::Key_Return || key == Qt::Key_Enter) && kvkeys::Unmodified(Event);
}

// Enter, Return or Space without Shift, Control or Alt: what clicks the control or part that
// has the focus.
inline bool IsActivationKey(const QKeyEvent& Event) {
  return IsEnterKey(Event) || (Event.key() == Qt::Key_Space && kvkeys::Unmodified(Event));
}
