#include "KVPictureAccessible.h"

#include "KVPicture.h"

TKVPictureAccessible::TKVPictureAccessible(TKVPicture* Picture)
    : QAccessibleWidget(Picture, QAccessible::Graphic) {}

TKVPicture* TKVPictureAccessible::Picture() const {
  return static_cast<TKVPicture*>(widget());
}

QAccessible::Role TKVPictureAccessible::role() const {
  return Picture()->OnClick ? QAccessible::Button : QAccessible::Graphic;
}

QStringList TKVPictureAccessible::actionNames() const {
  if (!Picture()->OnClick || !Picture()->isEnabled())
    return QAccessibleWidget::actionNames();
  return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void TKVPictureAccessible::doAction(const QString& ActionName) {
  if (ActionName == pressAction() && Picture()->isEnabled())
    Picture()->Click();
  else
    QAccessibleWidget::doAction(ActionName);
}
