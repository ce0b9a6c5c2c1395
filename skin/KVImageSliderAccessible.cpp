#include "KVImageSliderAccessible.h"

#include "KVImageCtrl.h"

TKVImageSliderAccessible::TKVImageSliderAccessible(TKVImageSlider* Slider)
    : QAccessibleWidget(Slider, QAccessible::Slider) {}

TKVImageSlider* TKVImageSliderAccessible::Slider() const {
  return static_cast<TKVImageSlider*>(widget());
}

void* TKVImageSliderAccessible::interface_cast(QAccessible::InterfaceType Kind) {
  if (Kind == QAccessible::ValueInterface)
    return static_cast<QAccessibleValueInterface*>(this);
  return QAccessibleWidget::interface_cast(Kind);
}

QString TKVImageSliderAccessible::text(QAccessible::Text Kind) const {
  if (Kind == QAccessible::Value)
    return QString::number(Slider()->Position());
  return QAccessibleWidget::text(Kind);
}

QVariant TKVImageSliderAccessible::currentValue() const {
  return Slider()->Position();
}

void TKVImageSliderAccessible::setCurrentValue(const QVariant& Value) {
  Slider()->SetPosition(Value.toInt());
}

QVariant TKVImageSliderAccessible::maximumValue() const {
  return Slider()->Max();
}

QVariant TKVImageSliderAccessible::minimumValue() const {
  return Slider()->Min();
}
