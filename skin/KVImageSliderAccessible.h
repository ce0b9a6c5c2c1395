// The image slider as assistive technology sees it: a slider whose value is its position, which
// a reader may also set (clamped to the range, as a drag would be).
#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class TKVImageSlider;

class TKVImageSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
  explicit TKVImageSliderAccessible(TKVImageSlider* Slider);

  void* interface_cast(QAccessible::InterfaceType Kind) override;
  QString text(QAccessible::Text Kind) const override;

  QVariant currentValue() const override;
  void setCurrentValue(const QVariant& Value) override;
  QVariant maximumValue() const override;
  QVariant minimumValue() const override;
  QVariant minimumStepSize() const override { return 1; }

private:
  TKVImageSlider* Slider() const;
};
