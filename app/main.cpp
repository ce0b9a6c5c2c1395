// Kovalent Tesselo: a game of pairs.
#include "Product.h"
#include "StartUp.h"
#include "TesseloApplication.h"

#include <QGuiApplication>

int main(int argc, char** argv) {
  TTesseloApplication app(argc, argv);
  QGuiApplication::setApplicationDisplayName(QString::fromLatin1(product::Title));
  // Lets the desktop match the window to the installed launcher and its icon.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(product::AppId));
  return RunGame();
}
