// How the window asks and tells the user things. Message boxes by default; tests put answers
// of their own in, since a modal box would wait for a click nobody makes.
#pragma once

#include <QString>

#include <functional>

class QWidget;

struct TDeckwrightPrompts {
  std::function<bool(const QString& Question)> Ask; // true for yes
  std::function<void(const QString& Text)> Tell;
  std::function<void(const QString& Text)> Warn;

  // Message boxes over Parent.
  static TDeckwrightPrompts MessageBoxes(QWidget* Parent);
};
