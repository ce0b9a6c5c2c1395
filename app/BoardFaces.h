// The pictures of the current game: card back, faces by slot (see FaceSlotAt: the card
// identity, or in a set of different cards one of the pair's two faces) and the set's face
// format, with the faces scaled to the cell size kept until the size or the game changes. In a
// set of different cards it also knows what each face is and says.
#pragma once

#include "CardSetHeader.h"
#include "ImageLimits.h"
#include "PairTable.h"
#include "RegularFile.h"

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <map>
#include <vector>

class TCardSetLoader;

class TBoardFaces {
public:
  // Faces a game may have: the size of the face table (two a pair in a set of different cards).
  static constexpr int MaxFaces = 224;

  // The device pixels of Logical pixels on a screen of Ratio, as the pictures are made.
  static QSize DevicePixels(QSize Logical, qreal Ratio);

  // Takes the card back and the faces the loader read for a new game, and its ImageKind
  // (1 GIF, 2 JPEG, else BMP). Drops every cached picture.
  void TakeGame(const TCardSetLoader& Loader, int CardImageKind);
  // Forgets the game's pictures.
  void Clear();

  int CardImageKind() const { return FKind; }
  bool IsGif() const { return FKind == 1; }

  // The encoded GIF of slot Id (1-based), or an empty array.
  QByteArray FaceStream(int Id) const;
  // Whether slot Id is a GIF picture, which plays in an overlay while it is face up.
  bool PlaysInOverlay(int Id) const { return IsGif() && !FaceStream(Id).isEmpty(); }

  // What slot Id is, and its text for the player's language: a picture's name, a word, a
  // sound's caption; empty for a picture without a name and in a plain set.
  TFaceKind Kind(int Id) const;
  QString Text(int Id) const;
  // The set's face index of slot Id, or -1.
  int SetFace(int Id) const;
  const TPairTable& Pairs() const { return FPairs; }
  const QString& FileName() const { return FFileName; }
  const TFileIdentity& FileIdentity() const { return FFileIdentity; }

  // Pictures at exactly Size (logical pixels), made once per game, size and Ratio. A JPEG or
  // BMP face and the card back are stretched to the full cell; a GIF face (for still drawing
  // once a game is over) is its first frame fitted into the cell on white. A word or a sound is
  // drawn at Size x Ratio from its text. An identity without a face, or a face that cannot be
  // decoded, gives a null pixmap.
  //
  // Ratio is the screen's device pixel ratio: backs and JPEG or BMP faces are scaled from the
  // picture kept straight to Size x Ratio device pixels, so a HiDPI screen shows them as sharp
  // as the source allows instead of a cell-sized copy enlarged. A face the loader made for a
  // smaller cell is read and decoded again from the set for the larger one, within the game's
  // face budget, as long as the set's file is the one the game was dealt from; otherwise, or
  // when reading fails, the face kept is enlarged. GIF stills stay at logical size,
  // whose pixels are then repeated whole.
  const QPixmap& Back(QSize Size, qreal Ratio = 1.0);
  const QPixmap& Face(int Id, QSize Size, qreal Ratio = 1.0);

private:
  void DropCache(QSize Size, qreal Ratio);
  QPixmap MakeFace(int Id, QSize Size, qreal Ratio);
  void DecodeAgain(size_t Index, QSize Device);

  int FKind = 1;
  TPairTable FPairs;
  QString FLanguage;
  QImage FCardBack;
  std::vector<QImage> FFacePictures;
  std::vector<QByteArray> FFaceStreams;

  // Where the face pictures came from, to decode them again for a larger cell.
  QString FFileName;
  TFileIdentity FFileIdentity;
  TCardImageKind FFaceKind = TCardImageKind::Gif;
  TImageLimits FLimits;
  std::vector<int32_t> FFaceIndexes;
  std::vector<QSize> FFaceWholeSizes;
  qint64 FFaceBytes = 0; // what FFacePictures hold, against FLimits.MaxGameBytes

  QSize FCacheSize;
  qreal FCacheRatio = 1.0;
  QPixmap FBack;
  std::map<int, QPixmap> FFaces;
};
