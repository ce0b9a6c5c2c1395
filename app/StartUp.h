// Program start after the application object exists: the single-instance guard, the program
// folder, the windows built from the open resource archive, and the event loop.
#pragma once

#include <QString>

// The text shown when the archive cannot be opened: its full path and the words.
QString MissingArchiveText(const QString& AppDir);

// Runs the game until its main window closes and returns the exit status: 0 after a normal
// run and for a second copy (which shows nothing), 1 when the windows could not be built
// (after one message box saying why).
int RunGame();
