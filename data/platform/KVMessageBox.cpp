#include "KVMessageBox.h"

#include <QTextStream>

#include <cstdio>

namespace {

// Before the program installs its message box (and in tools without windows) a message must
// still reach the user.
class TStderrMessageBox : public TKVMessageBox {
public:
  int Show(const QString& Text, const QString& Caption, int) override {
    QTextStream(stderr) << Caption << ": " << Text << '\n';
    return 1; // the OK button
  }
};

TKVMessageBox* GInstalledBox = nullptr;

} // namespace

TKVMessageBox& TKVMessageBox::Instance() {
  static TStderrMessageBox fallback;
  return GInstalledBox ? *GInstalledBox : fallback;
}

void TKVMessageBox::SetInstance(TKVMessageBox* Box) {
  GInstalledBox = Box;
}
