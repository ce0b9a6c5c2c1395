#include "KVAccessibleGroup.h"

#include "KVAccessibleElement.h"
#include "KVLiveStatus.h"

#include <QFocusFrame>
#include <QWidget>

namespace {

const char DecorationProperty[] = "kvAccessibleDecoration";

bool Shown(const QObject* Child) {
  const auto* widget = qobject_cast<const QWidget*>(Child);
  if (widget == nullptr)
    return dynamic_cast<const TKVLiveStatus*>(Child) != nullptr;
  return !widget->isWindow() && !widget->isHidden() &&
         qobject_cast<const QFocusFrame*>(widget) == nullptr &&
         !widget->property(DecorationProperty).toBool();
}

} // namespace

void SetAccessibleDecoration(QWidget* Widget) {
  Widget->setProperty(DecorationProperty, true);
}

TKVAccessibleGroup::TKVAccessibleGroup(QWidget* Widget, QAccessible::Role Role)
    : QAccessibleWidget(Widget, Role) {}

TKVAccessibleGroup::~TKVAccessibleGroup() {
  // Elements have no object of their own, so the accessibility cache would never drop them.
  for (TKVAccessibleElement* element : FElements)
    if (element != nullptr)
      QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(element));
}

QAccessible::State TKVAccessibleGroup::ElementState(int) const {
  QAccessible::State state;
  state.invisible = !widget()->isVisible();
  state.disabled = !widget()->isEnabled();
  return state;
}

QRect TKVAccessibleGroup::ElementScreenRect(int Index) const {
  return ElementRect(Index).translated(widget()->mapToGlobal(QPoint(0, 0)));
}

QObjectList TKVAccessibleGroup::ShownChildren() const {
  QObjectList shown;
  QObjectList statuses;
  for (QObject* child : widget()->children())
    if (Shown(child))
      (child->isWidgetType() ? shown : statuses).append(child);
  return shown + statuses;
}

int TKVAccessibleGroup::childCount() const {
  return ElementCount() + int(ShownChildren().size());
}

QAccessibleInterface* TKVAccessibleGroup::child(int Index) const {
  const int parts = ElementCount();
  if (Index < 0)
    return nullptr;
  if (Index < parts)
    return Element(Index);
  const QObjectList shown = ShownChildren();
  if (Index - parts >= shown.size())
    return nullptr;
  return QAccessible::queryAccessibleInterface(shown[Index - parts]);
}

int TKVAccessibleGroup::indexOfChild(const QAccessibleInterface* Child) const {
  if (Child == nullptr)
    return -1;
  if (Child->object() == nullptr) {
    const auto* element = dynamic_cast<const TKVAccessibleElement*>(Child);
    if (element == nullptr || element->parent() != this || !element->isValid())
      return -1;
    return element->Index();
  }
  const int index = int(ShownChildren().indexOf(Child->object()));
  return index < 0 ? -1 : index + ElementCount();
}

TKVAccessibleElement* TKVAccessibleGroup::Element(int Index) const {
  if (Index >= int(FElements.size()))
    FElements.resize(size_t(Index) + 1, nullptr);
  TKVAccessibleElement*& element = FElements[size_t(Index)];
  if (element == nullptr) {
    element = new TKVAccessibleElement(const_cast<TKVAccessibleGroup&>(*this), Index);
    // Registering hands ownership to the accessibility cache and gives the element an id.
    QAccessible::registerAccessibleInterface(element);
  }
  return element;
}
