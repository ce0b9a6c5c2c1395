// What a card set is built from: plain data, so a command line and a window can fill it alike.
#pragma once

#include "PairTable.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QSize>
#include <QString>

#include <array>
#include <functional>

// How a picture entry is kept in the set's file. Every way reads back the same bytes.
enum class TEntryStorage {
  Plain,      // as is
  Bitmap,     // as is, with the first two bytes restored to "BM" on reading (BMP only)
  Compressed, // zlib
};

// One face. Bytes are used when not empty; otherwise the file at Path is read, when needed
// and one face at a time, so a folder of large photos never sits in memory whole.
struct TFaceSource {
  QString Name; // how messages name the face (the file's path for files)
  QString Path;
  QByteArray Bytes;
};

// One card of a pair of different cards.
struct TPairSide {
  TFaceKind Kind = TFaceKind::Picture;
  TFaceSource Source;           // the picture, or the WAV clip of a sound; nothing for a word
  QString Language;             // a word of this one language, never translated
  QMap<QString, QString> Texts; // language code -> the picture's name, the word, the caption
};
using TPairSides = std::array<TPairSide, 2>;

struct TDeckRequest {
  static constexpr int MinFaces = 8;  // the game deals at least 8 pairs
  static constexpr int MaxText = 255; // characters of the title and of the link
  static constexpr qint64 MaxFileBytes = qint64(64) * 1024 * 1024;

  QString Title;
  QString Link;
  QSize CardBox;      // empty: chosen from the faces (DefaultCardBox)
  TFaceSource Advert; // no name, path or bytes: drawn from the title
  TFaceSource Back;   // likewise
  QList<TFaceSource> Faces;
  // A set whose pairs are two different cards, when not empty: its faces are made from these,
  // two a pair, and Faces is not read. Words and sounds get pictures drawn in the faces' format
  // (GIF when no side is a picture).
  QList<TPairSides> Pairs;
  QStringList Languages; // of the pairs' texts; the first is shown when the player's is missing
  bool KeepSize = false; // store large faces as given instead of shrinking them
  TEntryStorage FaceStorage = TEntryStorage::Plain;
  TEntryStorage PictureStorage = TEntryStorage::Bitmap; // advert and back
};

// Told how far the build is (Done of Total steps, and what is being done). Returning false
// stops the build, which then raises EDeckCancelled.
using TDeckProgress = std::function<bool(int Done, int Total, const QString& Step)>;
