#include "AccessibilityFactory.h"

#include "BoardGrid.h"
#include "BoardGridAccessible.h"
#include "KVImageCtrl.h"
#include "KVImageMap.h"
#include "KVImageMapAccessible.h"
#include "KVImageSliderAccessible.h"

#include <QAccessible>

namespace {

// Our controls carry no meta-object of their own, so they are told apart by type, not by the
// class name Qt passes in.
QAccessibleInterface* MakeInterface(const QString&, QObject* Object) {
  if (auto* grid = dynamic_cast<TBoardGrid*>(Object))
    return new TBoardGridAccessible(grid);
  if (auto* map = dynamic_cast<TKVCustomImageMap*>(Object))
    return new TKVImageMapAccessible(map);
  if (auto* slider = dynamic_cast<TKVImageSlider*>(Object))
    return new TKVImageSliderAccessible(slider);
  return nullptr;
}

} // namespace

void InstallAccessibility() {
  // Qt ignores a factory that is already installed.
  QAccessible::installFactory(MakeInterface);
}
