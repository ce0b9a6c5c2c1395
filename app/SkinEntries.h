// Reading the windows' skin from the resource archive while it is open at start-up.
#pragma once

#include <QImage>
#include <QString>

#include <stdexcept>

class TKVResReader;

// A skin entry that cannot be read or decoded. Its text names the entry and the problem and is
// shown to the player as is.
class ESkinError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Entry Index decoded as a device-independent bitmap. An entry of no bytes is the empty
// bitmap (0 x 0), which skin controls keep as an absent sub-image. Throws ESkinError.
QImage LoadSkinBitmap(TKVResReader& Reader, int Index);

// The whole of entry Index as text (Latin-1). Throws ESkinError.
QString LoadSkinText(TKVResReader& Reader, int Index);
