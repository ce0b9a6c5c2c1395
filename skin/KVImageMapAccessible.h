// An image map as assistive technology sees it: each hot area is a button named by its hint
// (or by its own name when it has none) whose press clicks the area. The area that has the
// keyboard's focus is the focused child.
#pragma once

#include "KVAccessibleGroup.h"

class TKVCustomImageMap;

class TKVImageMapAccessible : public TKVAccessibleGroup {
public:
  explicit TKVImageMapAccessible(TKVCustomImageMap* Map);

  int ElementCount() const override;
  QString ElementName(int Index) const override;
  QString ElementDescription(int Index) const override;
  QRect ElementRect(int Index) const override;
  QAccessible::State ElementState(int Index) const override;
  void PressElement(int Index) override;
  QAccessibleInterface* focusChild() const override;

private:
  TKVCustomImageMap* Map() const;
};
