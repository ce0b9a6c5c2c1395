// A window or panel of the skin as assistive technology sees it: only the controls the player
// can see (see TKVAccessibleGroup), so a hidden panel, board or label tells nothing.
#pragma once

#include "KVAccessibleGroup.h"

class TKVAccessibleContainer : public TKVAccessibleGroup {
public:
  TKVAccessibleContainer(QWidget* Widget, QAccessible::Role Role)
      : TKVAccessibleGroup(Widget, Role) {}

  int ElementCount() const override { return 0; }
  QString ElementName(int) const override { return {}; }
  QRect ElementRect(int) const override { return {}; }
  void PressElement(int) override {}
};
