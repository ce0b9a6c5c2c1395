// Where the game is installed and where it may put its window: the Linux answers to the
// program-folder and desktop work-area questions.
#pragma once

#include <QRect>
#include <QString>

// Folder of the running executable with symbolic links resolved, ending in '/'. Needs a
// QCoreApplication.
QString ProgramFolder();

// The primary screen's available geometry (the screen less panels and docks); an 800 x 600
// area at the origin when there is no screen. Needs a QGuiApplication.
QRect DesktopWorkArea();
