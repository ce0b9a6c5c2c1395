// The header record of a card set (the first entry of a *.crd file), read by the game and
// written by the card-set builder, and where the file keeps each of its parts.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The entries of a *.crd file: the header record, the advert picture, the card back, then the
// faces, face k (counted from 0) in entry FirstFace + k. A set whose pairs are two different
// cards keeps, right after its last face, the pair table (data/PairTable.h), which starts with
// its signature, then the sound clips the table names; an older reader never looks past the
// faces and deals each face twice.
struct TCardSetEntries {
  static constexpr int Header = 0;
  static constexpr int Advert = 1;
  static constexpr int Back = 2;
  static constexpr int FirstFace = 3;
};

// Format of a set's face images, as ImageKind names it.
enum class TCardImageKind { Gif, Jpeg, Bmp };

// Record layout (integers 32-bit little-endian; each text one length byte, then up to 255
// characters in the Windows-1252 code page, in a 256-byte field):
//   0 CardWidth, 4 CardHeight, 8 ImageCount, 12 ImageKind, 16 Title,
//   272 a text field the game does not read, 528 AdLink, 784 three words the game does not read.
struct TCardSetHeader {
  static constexpr int RecordSize = 796;
  static constexpr int TextCapacity = 255;
  static constexpr qint32 GifKind = 1;
  static constexpr qint32 JpegKind = 2;

  qint32 CardWidth = 0;  // width in pixels of the box a face is fitted into
  qint32 CardHeight = 0; // height in pixels of that box
  qint32 ImageCount = 0; // number of faces
  qint32 ImageKind = 0;  // GifKind, JpegKind, any other value BMP
  QString Title;
  QString AdLink; // link behind the advert picture, also the picture's hint

  TCardImageKind FaceKind() const;

  // Parses a record. Bytes past the end of Bytes read as zero, so the fields a short record
  // does not cover are zero or empty, and a text whose length byte reaches past the end is cut
  // where the bytes end. Bytes past RecordSize are ignored.
  static TCardSetHeader FromBytes(const QByteArray& Bytes);

  // The record of exactly RecordSize bytes; the fields the game does not read are zero.
  // Texts are cut to their first TextCapacity characters, and characters outside Windows-1252
  // become '?'.
  QByteArray ToBytes() const;
};
