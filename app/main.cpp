// Kovalent Tesselo: a game of pairs.
#include "StartUp.h"
#include "TesseloApplication.h"

int main(int argc, char** argv) {
  TTesseloApplication app(argc, argv);
  QGuiApplication::setApplicationDisplayName(QStringLiteral("Kovalent Tesselo 2.05"));
  return RunGame();
}
