#include "KVLiveStatus.h"

#include <QAccessible>
#include <QTimer>
#include <QWidget>

TKVLiveStatus::TKVLiveStatus(QWidget* Window) : QObject(Window) {}

void TKVLiveStatus::Announce(const QString& Text) {
  if (Text.isEmpty())
    return;
  if (FPending.isEmpty())
    QTimer::singleShot(0, this, [this] { Say(); });
  else
    FPending += QLatin1Char(' ');
  FPending += Text;
}

void TKVLiveStatus::Say() {
  FText = FPending;
  FPending.clear();
  if (!QAccessible::isActive())
    return;
  QAccessibleEvent named(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&named);
  // Readers speak a notification when it is shown; the name alone is read only where the
  // player's focus is.
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}
