// Kovalent Tesselo: a game of pairs.
#include "StartUp.h"
#include "TesseloApplication.h"

#include <QGuiApplication>

int main(int argc, char** argv) {
  TTesseloApplication app(argc, argv);
  QGuiApplication::setApplicationDisplayName(QStringLiteral("Kovalent Tesselo 2.05"));
  // Lets the desktop match the window to the installed launcher and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("example.kovalent.Tesselo"));
  return RunGame();
}
