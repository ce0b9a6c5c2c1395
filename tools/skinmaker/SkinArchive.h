// The entries of tesselo.dat, in index order, and how each is stored. The game's data uses
// every storage kind of the container: plain text and pictures, pictures whose "BM" signature
// the reader restores, and zlib-compressed pictures.
#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace skinart {

inline constexpr char CoverLink[] = "https://tesselo.kovalent.example/";
inline constexpr int SkinEntryCount = 31;

enum class TStorage { Plain, Bitmap, Compressed };

struct TSkinEntry {
  TStorage Storage;
  // The content the game reads back: the link text, or a complete BMP file.
  QByteArray Content;
};

// The picture of entry Index (1..30); entry 0 is text and gives a null image.
QImage SkinPicture(int Index);
// A 24-bit Windows bitmap file of the image.
QByteArray BitmapFile(const QImage& Image);
// All entries 0..30.
std::vector<TSkinEntry> SkinEntries();
// The archive file: bitmap-kind entries are stored with their first two bytes zeroed, since
// the reader writes the signature back.
QByteArray PackSkin(const std::vector<TSkinEntry>& Entries);

} // namespace skinart
