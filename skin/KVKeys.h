// The keys every control of the skin reads alike.
#pragma once

#include <QKeyEvent>

// Enter (main or keypad), Return or Space without Shift, Control or Alt: what clicks the control
// or part that has the focus.
inline bool IsActivationKey(const QKeyEvent& Event) {
  const int key = Event.key();
  const bool activating = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
  return activating && (Event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}
