#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

QString ProgramFolder() {
  // applicationFilePath() reads /proc/self/exe, so a link to the game in a bin folder still
  // finds the data beside the real executable.
  const QFileInfo exe(QCoreApplication::applicationFilePath());
  QString folder = exe.canonicalPath();
  if (folder.isEmpty())
    folder = exe.absolutePath();
  return folder.endsWith(u'/') ? folder : folder + u'/';
}

QRect DesktopWorkArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr)
    return QRect(0, 0, 800, 600);
  return screen->availableGeometry();
}
