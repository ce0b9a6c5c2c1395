// Where a set made in the window is saved, and under which name.
#pragma once

#include <QString>

struct TCardFolders {
  QString Program; // the game's own cards folder, listed by the game
  QString User;    // the user's cards folder, for when the program folder may not be written

  // The folders of a builder installed in ProgramFolder (which ends in '/'), beside the game:
  // ProgramFolder + "cards/", and Kovalent/Tesselo/cards/ in the user's data folder
  // ($XDG_DATA_HOME, by default ~/.local/share).
  static TCardFolders Beside(const QString& ProgramFolder);

  // The first of Program and User that exists or can be made and takes a new file, ending in
  // '/'; empty when neither does.
  QString Writable() const;
};

// A file name for a set called Title: letters, digits, '-' and '_' kept, every other run of
// characters made one '_', at most 60 characters, and ".crd" after it ("cards.crd" for a title
// with nothing usable).
QString CardSetFileName(const QString& Title);
