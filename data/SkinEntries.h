// Reading the windows' skin from the resource archive while it is open at start-up.
#pragma once

#include "KVRStream.h"

#include <QImage>
#include <QString>

#include <initializer_list>
#include <map>

// A skin entry that cannot be read or decoded. Its text names the entry and the problem and is
// shown to the player as is. It is an archive error, so code that reads any archive catches it.
class ESkinError : public EKVResError {
public:
  using EKVResError::EKVResError;
};

// The skin entries of an open archive, as the windows read them while they are built. Start-up
// makes one and hands it to every window it builds: the windows share their frame pictures,
// and each bitmap is read and decoded once, then kept for the reader's life. It must not
// outlive the archive.
//
// A window built after the archive is closed takes a reader of its own, made while the archive
// was open (the constructor from a source reader): it holds the window's pictures, read and
// decoded at once, so a damaged skin is reported before anything is shown all the same.
class TSkinReader {
public:
  // The messages name the archive by its file's name (tesselo.de.dat for the German skin).
  explicit TSkinReader(TKVResReader& Archive);
  // A reader without an archive that holds Entries of Source, read now in their order. Throws
  // ESkinError as Bitmap does.
  TSkinReader(TSkinReader& Source, std::initializer_list<int> Entries);
  TSkinReader(const TSkinReader&) = delete;
  TSkinReader& operator=(const TSkinReader&) = delete;

  // Entry Index decoded as a device-independent bitmap. An entry of no bytes is the empty
  // bitmap (0 x 0), which skin controls keep as an absent sub-image. Throws ESkinError; a
  // failure is not kept, so asking again reads the entry again. A reader without an archive
  // raises it for every entry it does not hold.
  QImage Bitmap(int Index);
  // The whole of entry Index as text (Latin-1). Throws ESkinError.
  QString Text(int Index);

private:
  TKVResReader& Archive(int Index);

  TKVResReader* FArchive = nullptr;
  QString FArchiveName;
  std::map<int, QImage> FBitmaps;
};
