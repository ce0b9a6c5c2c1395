// The message box of the widget toolkit, owned by the application's active window. Kept in
// its own library so the data libraries stay free of widgets.
#pragma once

#include "KVMessageBox.h"

class TKVQtMessageBox : public TKVMessageBox {
public:
  int Show(const QString& Text, const QString& Caption, int Flags) override;
};
