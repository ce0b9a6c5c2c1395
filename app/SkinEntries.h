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

// Entry Index decoded as a device-independent bitmap. An entry of no bytes is the empty
// bitmap (0 x 0), which skin controls keep as an absent sub-image. Throws ESkinError.
QImage LoadSkinBitmap(TKVResReader& Reader, int Index);

// The whole of entry Index as text (Latin-1). Throws ESkinError.
QString LoadSkinText(TKVResReader& Reader, int Index);

// While one lives, every bitmap LoadSkinBitmap decodes from its reader is kept, and an entry
// asked for again is handed out without being read and decoded once more: start-up builds
// several windows from the same frame pictures. Only the newest one is consulted, and only on
// the thread that made it.
class TSkinBitmapCache {
public:
  explicit TSkinBitmapCache(TKVResReader& Reader);
  ~TSkinBitmapCache();
  TSkinBitmapCache(const TSkinBitmapCache&) = delete;
  TSkinBitmapCache& operator=(const TSkinBitmapCache&) = delete;

  // The cache that serves Reader now, or null.
  static TSkinBitmapCache* For(const TKVResReader& Reader);

  // Entry Index of the reader as LoadSkinBitmap gives it, read and decoded the first time.
  QImage Bitmap(int Index);

private:
  TKVResReader& FReader;
  TSkinBitmapCache* FOuter;
  std::map<int, QImage> FBitmaps;
};
