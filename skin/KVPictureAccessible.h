// A picture control as assistive technology sees it: a button that presses as a click would
// when it clicks (OnClick), a graphic otherwise. Its name is the accessible name the window gave.
#pragma once

#include <QAccessibleWidget>

class TKVPicture;

class TKVPictureAccessible : public QAccessibleWidget {
public:
  explicit TKVPictureAccessible(TKVPicture* Picture);

  QAccessible::Role role() const override;
  QStringList actionNames() const override;
  void doAction(const QString& ActionName) override;

private:
  TKVPicture* Picture() const;
};
