// Pointer shapes referred to by number.
//
// The application registers its cursors once at start-up; controls store only the number and
// ask the registry when they need the shape. Number 0, and any number nobody registered, is the
// platform's ordinary arrow, so a control never depends on the order of start-up.
#pragma once

#include <QCursor>

class TKVCursors {
public:
  static constexpr int crDefault = 0;
  // The open hand over every surface that drags a window.
  static constexpr int crHandMove = 1;
  // The pointing hand over everything clickable.
  static constexpr int crHandPoint = 2;

  // Registers (or replaces) the shape of Number. Number 0 cannot be replaced: it stays the
  // arrow. Needs a QGuiApplication.
  static void Register(int Number, const QCursor& Cursor);
  // Forgets every registered shape (also done when the application object is destroyed).
  static void Clear();
  // The shape of Number, or the arrow for 0 and unknown numbers.
  static QCursor Cursor(int Number);
  static bool IsRegistered(int Number);
};
