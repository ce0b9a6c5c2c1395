// The message box of the widget toolkit, owned by the application's active window: the one
// start-up installs behind the data layer's TKVMessageBox.
#pragma once

#include "KVMessageBox.h"

class TKVQtMessageBox : public TKVMessageBox {
public:
  int Show(const QString& Text, const QString& Caption, int Flags) override;
};
