// Reading the windows' skin from the resource archive while it is open at start-up.
#pragma once

#include "KVRStream.h"

#include <QImage>
#include <QString>

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
class TSkinReader {
public:
  explicit TSkinReader(TKVResReader& Archive) : FArchive(Archive) {}
  TSkinReader(const TSkinReader&) = delete;
  TSkinReader& operator=(const TSkinReader&) = delete;

  // Entry Index decoded as a device-independent bitmap. An entry of no bytes is the empty
  // bitmap (0 x 0), which skin controls keep as an absent sub-image. Throws ESkinError; a
  // failure is not kept, so asking again reads the entry again.
  QImage Bitmap(int Index);
  // The whole of entry Index as text (Latin-1). Throws ESkinError.
  QString Text(int Index);

private:
  TKVResReader& FArchive;
  std::map<int, QImage> FBitmaps;
};
