#include "KVAccessibleElement.h"

#include "KVAccessibleGroup.h"

TKVAccessibleElement::TKVAccessibleElement(TKVAccessibleGroup& Group, int Index)
    : FGroup(Group), FIndex(Index) {}

bool TKVAccessibleElement::isValid() const {
  // Areas can be removed and boards reshaped while a reader still holds the element.
  return FGroup.isValid() && FIndex < FGroup.ElementCount();
}

QWindow* TKVAccessibleElement::window() const {
  return FGroup.window();
}

QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
TKVAccessibleElement::relations(QAccessible::Relation) const {
  return {};
}

QAccessibleInterface* TKVAccessibleElement::parent() const {
  return &FGroup;
}

QString TKVAccessibleElement::text(QAccessible::Text Kind) const {
  if (!isValid())
    return {};
  if (Kind == QAccessible::Name)
    return FGroup.ElementName(FIndex);
  if (Kind == QAccessible::Description)
    return FGroup.ElementDescription(FIndex);
  return {};
}

QRect TKVAccessibleElement::rect() const {
  return isValid() ? FGroup.ElementScreenRect(FIndex) : QRect();
}

QAccessible::Role TKVAccessibleElement::role() const {
  return FGroup.ElementRole();
}

QAccessible::State TKVAccessibleElement::state() const {
  if (!isValid()) {
    QAccessible::State gone;
    gone.invalid = true;
    return gone;
  }
  return FGroup.ElementState(FIndex);
}

void* TKVAccessibleElement::interface_cast(QAccessible::InterfaceType Kind) {
  if (Kind == QAccessible::ActionInterface)
    return static_cast<QAccessibleActionInterface*>(this);
  return nullptr;
}

QStringList TKVAccessibleElement::actionNames() const {
  if (!isValid() || FGroup.ElementState(FIndex).disabled)
    return {};
  return {pressAction()};
}

void TKVAccessibleElement::doAction(const QString& ActionName) {
  if (ActionName == pressAction() && isValid() && !FGroup.ElementState(FIndex).disabled)
    FGroup.PressElement(FIndex);
}
