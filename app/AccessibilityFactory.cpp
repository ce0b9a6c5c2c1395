#include "AccessibilityFactory.h"

#include "BoardGrid.h"
#include "BoardGridAccessible.h"
#include "KVAccessibleContainer.h"
#include "KVImageCtrl.h"
#include "KVImageMap.h"
#include "KVImageMapAccessible.h"
#include "KVImageSliderAccessible.h"
#include "KVLiveStatus.h"
#include "KVLiveStatusAccessible.h"
#include "KVPicture.h"
#include "KVPictureAccessible.h"
#include "MainF.h"
#include "popUpF.h"

#include <QAccessible>

namespace {

// A plain widget of one of the game's windows that holds others (the cover, the options panel):
// Qt's own interface would list its hidden children too.
bool IsGamePanel(const QWidget& Widget) {
  if (Widget.metaObject() != &QWidget::staticMetaObject)
    return false;
  const QWidget* window = Widget.window();
  return dynamic_cast<const TMainForm*>(window) != nullptr ||
         dynamic_cast<const TPopUpform*>(window) != nullptr;
}

// Our controls carry no meta-object of their own, so they are told apart by type, not by the
// class name Qt passes in.
QAccessibleInterface* MakeInterface(const QString&, QObject* Object) {
  if (auto* status = dynamic_cast<TKVLiveStatus*>(Object))
    return new TKVLiveStatusAccessible(status);
  auto* widget = qobject_cast<QWidget*>(Object);
  if (widget == nullptr)
    return nullptr;
  if (auto* grid = dynamic_cast<TBoardGrid*>(widget))
    return new TBoardGridAccessible(grid);
  if (auto* map = dynamic_cast<TKVCustomImageMap*>(widget))
    return new TKVImageMapAccessible(map);
  if (auto* slider = dynamic_cast<TKVImageSlider*>(widget))
    return new TKVImageSliderAccessible(slider);
  if (auto* picture = dynamic_cast<TKVPicture*>(widget))
    return new TKVPictureAccessible(picture);
  if (dynamic_cast<TPopUpform*>(widget) != nullptr)
    return new TKVAccessibleContainer(widget, QAccessible::Dialog);
  if (dynamic_cast<TMainForm*>(widget) != nullptr)
    return new TKVAccessibleContainer(widget, QAccessible::Window);
  if (IsGamePanel(*widget))
    return new TKVAccessibleContainer(widget, QAccessible::Grouping);
  return nullptr;
}

} // namespace

void InstallAccessibility() {
  // Qt ignores a factory that is already installed.
  QAccessible::installFactory(MakeInterface);
}
