// Program start after the application object exists: the single-instance guard, the program
// folder, the windows built from the open resource archive, and the event loop.
#pragma once

#include <QString>
#include <QStringList>

// The text shown when the archive cannot be opened: its full path and the words.
QString MissingArchiveText(const QString& AppDir);

// The card set named on the command line (Arguments as QCoreApplication gives them, the program
// first), as an absolute path; empty when there is none.
QString CardSetArgument(const QStringList& Arguments);

// Runs the game until its main window closes and returns the exit status: 0 after a normal
// run and for a second copy (which shows nothing, or hands its card set over to the running
// copy), 1 when the windows could not be built or the running copy did not take the card set
// (after one message box saying why). A card set named on the command line is opened once the
// window is on screen, as TMainForm::OpenCardSet does.
int RunGame();
