// The entries of tesselo.dat (their order is described in SkinLayout.h) and how each is
// stored. The game's data uses every storage kind of the container: the plain link text, the
// pictures the windows read with the "BM" signature the reader restores (cheaper to read than to
// inflate), and the spare pictures zlib-compressed.
#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace skinart {

enum class TStorage { Plain, Bitmap, Compressed };

struct TSkinEntry {
  TStorage Storage;
  // The content the game reads back: the link text, or a complete BMP file.
  QByteArray Content;
};

// The picture of entry Index; the cover link's entry is text and gives a null image.
QImage SkinPicture(int Index);
// A 24-bit Windows bitmap file of the image.
QByteArray BitmapFile(const QImage& Image);
// All entries, in index order.
std::vector<TSkinEntry> SkinEntries();
// The archive file: bitmap-kind entries are stored with their first two bytes zeroed, since
// the reader writes the signature back.
QByteArray PackSkin(const std::vector<TSkinEntry>& Entries);

} // namespace skinart
