// The keys every control of the skin reads alike, and the order Tab walks them in.
#pragma once

#include <QKeyEvent>
#include <QWidget>

#include <initializer_list>

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

// Tab goes from each control of Chain to the next, in the order given.
inline void SetTabChain(std::initializer_list<QWidget*> Chain) {
  QWidget* previous = nullptr;
  for (QWidget* control : Chain) {
    if (previous != nullptr)
      QWidget::setTabOrder(previous, control);
    previous = control;
  }
}
