// A window's live status (TKVLiveStatus) as assistive technology sees it: a notification whose
// name and text are the last announcement.
#pragma once

#include <QAccessibleObject>
#include <QAccessibleTextInterface>

class TKVLiveStatus;

class TKVLiveStatusAccessible : public QAccessibleObject, public QAccessibleTextInterface {
public:
  explicit TKVLiveStatusAccessible(TKVLiveStatus* Status);

  QAccessibleInterface* parent() const override;
  QWindow* window() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text Kind) const override;
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType Kind) override;

  // The announcement as read-only text.
  void selection(int, int* Start, int* End) const override { *Start = *End = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int Start, int End) const override;
  int characterCount() const override;
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* Start, int* End) const override;

private:
  const TKVLiveStatus* Status() const;
};
