// The card-set catalogue: one item per readable *.crd file of the cards folder.
#pragma once

#include "CardSetHeader.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>
#include <vector>

// One readable card set, as the options panel lists it.
class TCardsObj {
public:
  QString FileName; // the cards folder followed by the file's name
  QString Title;
  qint32 CardWidth = 0, CardHeight = 0, ImageCount = 0;
  // A set whose pairs are two different cards: the pairs its table names (0 for a plain set).
  qint32 MixedPairs = 0;

  // The most pairs a game can deal from the set: one face a pair, or one pair of its table.
  qint32 PlayablePairs() const { return MixedPairs > 0 ? MixedPairs : ImageCount; }
};

class TCardSetCatalogue {
public:
  std::vector<std::unique_ptr<TCardsObj>> CardSets;
  int CardSetIndex = 0; // the selected item

  // The selected item, or nullptr when the catalogue is empty or the index is outside it.
  const TCardsObj* Selected() const;
  // Index of Item in CardSets, or -1.
  int IndexOf(const TCardsObj* Item) const;
  // The file name part of the selected item's FileName (what the settings store as "Cards"),
  // or empty when nothing is selected.
  QString SelectedFileName() const;

  // Lists the set in the file FileName with Header's fields and returns its index: the item
  // of that file when there is one (a set replaced on disk), else a new last item, so the
  // indexes of the items listed before never change.
  int Put(const QString& FileName, const TCardSetHeader& Header);
};

// The name a set is listed by: its title, or its file name without the suffix when the title
// is blank, so no line of the list is empty.
QString ListedTitle(const TCardsObj& Set);

// Names as a file manager lists them: by letters regardless of case, names differing only in
// case ordered case-sensitively, so every file system gives the same catalogue.
QStringList SortCardSetNames(QStringList Names);

// Replaces the catalogue with one item per *.crd file of CardsDir (the pattern's letter case
// is ignored, as on the platform the sets come from) that holds a readable header. Reads only
// the directory and entry 0 of each file. Anything that cannot be read (not a regular file,
// empty, damaged, no access) is skipped silently. CardSetIndex becomes the index of the file
// named exactly CardsFile (letter case included), else 0.
void ScanCardSets(const QString& CardsDir, const QString& CardsFile, TCardSetCatalogue& Catalogue);

// Appends the sets of a further folder in the same way, after those already listed. The file
// named CardsFile becomes the selection only when the catalogue has no set of that name yet,
// so the program folder's set wins over a namesake in the user's folder.
void AddCardSets(const QString& CardsDir, const QString& CardsFile, TCardSetCatalogue& Catalogue);

// The user's own card folder, where sets are saved when the program folder cannot be written:
// $XDG_DATA_HOME/Kovalent/Tesselo/cards/ (ending in '/'), or empty when there is none.
QString UserCardsDir();

// Reads the header record of a card set's file. Throws EKVResError when the file cannot be
// opened or has no entry 0.
TCardSetHeader ReadCardSetHeader(const QString& FileName);
