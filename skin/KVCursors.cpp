#include "KVCursors.h"

#include <QCoreApplication>
#include <QHash>

namespace {

QHash<int, QCursor>& Registry() {
  static QHash<int, QCursor> cursors;
  return cursors;
}

// Cursor shapes may hold pixmaps, which must not outlive the application object; the registry
// is therefore emptied when the application goes down rather than at static destruction.
void ClearRegistry() {
  Registry().clear();
}

} // namespace

void TKVCursors::Register(int Number, const QCursor& Cursor) {
  if (Number == crDefault)
    return;
  static const bool cleanupHooked = [] {
    qAddPostRoutine(ClearRegistry);
    return true;
  }();
  Q_UNUSED(cleanupHooked);
  Registry().insert(Number, Cursor);
}

void TKVCursors::Clear() {
  ClearRegistry();
}

QCursor TKVCursors::Cursor(int Number) {
  const auto found = Registry().constFind(Number);
  if (found == Registry().constEnd())
    return QCursor(Qt::ArrowCursor);
  return *found;
}

bool TKVCursors::IsRegistered(int Number) {
  return Registry().contains(Number);
}
