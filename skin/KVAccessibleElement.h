// One part of a widget that is not itself a widget (an image map's hot area, a board cell), as
// assistive technology sees it. It holds no state of its own: everything is asked of its group,
// so it can never tell more than the group chooses to.
#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>

class TKVAccessibleGroup;

class TKVAccessibleElement : public QAccessibleInterface, public QAccessibleActionInterface {
public:
  TKVAccessibleElement(TKVAccessibleGroup& Group, int Index);

  int Index() const { return FIndex; }

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
  relations(QAccessible::Relation Match) const override;
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text Kind) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType Kind) override;

  QStringList actionNames() const override;
  void doAction(const QString& ActionName) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
  TKVAccessibleGroup& FGroup;
  int FIndex;
};
