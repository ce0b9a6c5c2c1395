#include "KVShell.h"

#include "KVDesktopShell.h"

namespace {
TKVShell* GInstalledShell = nullptr;
}

TKVShell& TKVShell::Instance() {
  static TKVDesktopShell desktop;
  return GInstalledShell ? *GInstalledShell : desktop;
}

void TKVShell::SetInstance(TKVShell* Shell) {
  GInstalledShell = Shell;
}
