// Reads the chosen card set for a new game: header, advert, card back and the chosen faces,
// each once, and nothing else.
#pragma once

#include "CardSetHeader.h"
#include "CardSource.h"
#include "ImageLimits.h"
#include "PairTable.h"
#include "RegularFile.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <chrono>
#include <exception>
#include <functional>
#include <memory>
#include <stdexcept>
#include <stop_token>
#include <vector>

class TCardSetFile;

// A card set that cannot be used for a game. Its text names the file and says what is wrong,
// fit for the player.
class ECardSetError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The message of a set that cannot be used: its file's name, then the sentence Problem.
std::string UnusableCardSetText(const QString& FileName, const std::string& Problem);

class TCardSetLoader : public ICardSource {
public:
  explicit TCardSetLoader(QString FileName, TImageLimits Limits = {});
  ~TCardSetLoader() override;
  TCardSetLoader(const TCardSetLoader&) = delete;
  TCardSetLoader& operator=(const TCardSetLoader&) = delete;

  // Opens the file and reads its header, advert, card back and pair table; the file stays open
  // for LoadFaces. An empty advert or back entry gives a null picture, a plain set an empty
  // table. Throws ECardSetError, also for a pair table that cannot be used.
  CardSetHeaderInfo ReadHeader() override;

  // Reads the faces of indexes Faces, face k from entry TCardSetEntries::FirstFace + k, and
  // closes the file, also on failure. GIF faces are kept encoded in FaceStreams (their
  // signature and screen size checked); JPEG and BMP faces are decoded into FacePictures, on
  // every core of the machine. For a cell of Cover device pixels (not empty), a JPEG face is
  // decoded at the smallest scale that covers it and stretched to it, and a BMP face more than
  // twice the cell on either side is stretched to it once; smaller BMP faces stay as they are.
  // An empty Cover keeps every face whole. The word and sound faces of a set of different
  // cards are not read, for the game draws them: each gives a null picture (in a GIF set, an
  // empty stream). Throws ECardSetError when ReadHeader has not run, a
  // face lies outside 0..ImageCount - 1 or the file, a face is damaged or of another format, or
  // the faces, at the size they are kept, together need more than the limits' MaxGameBytes.
  // Whichever of these comes first in face order is the one reported, as when the faces are
  // read one after another; a failure leaves no face loaded.
  void LoadFaces(const std::vector<int32_t>& Faces, QSize Cover);
  // The engine's reading: every face whole, whatever the board.
  void LoadFaces(const std::vector<int32_t>& Faces, const BoardShape& Shape) override;
  void LoadFaces(const std::vector<int32_t>& Faces) { LoadFaces(Faces, QSize()); }

  // Reads and decodes every face of the set whole, one at a time and keeping none, as
  // LoadFaces reads a game's faces; a GIF face is also decoded frame by frame, as the board
  // plays it, and every sound clip is checked. Closes the file. Throws ECardSetError like
  // LoadFaces and ReadSoundClip, and when Deadline passes before the last face has been
  // checked or a stop is requested through Stop; either ends the decoding of the face at hand
  // too, within a row of its picture.
  void CheckFaces(std::chrono::steady_clock::time_point Deadline, std::stop_token Stop = {});

  // Face index Face of the set FileName, of format Kind, again: decoded as LoadFaces decodes
  // it for a cell of Cover device pixels (a GIF face gives a null picture). Only the file of
  // Identity is read: once the file has been rewritten or replaced its faces may be other
  // pictures, and the answer is a null picture too. The file is open only during the call.
  // Throws ECardSetError.
  static QImage ReloadFace(const QString& FileName, const TFileIdentity& Identity, int Face,
                           TCardImageKind Kind, QSize Cover, const TImageLimits& Limits = {});

  // Face index Face alone, from the file ReadHeader opened (which stays open), fitted within
  // Box keeping its proportions; a picture already within Box is kept as it is, an animated
  // GIF face gives its first frame. A JPEG face is decoded at the smallest scale that covers
  // Box, any other face whole and reduced at once, so no more than one face is ever held
  // whole, for previews that show a few faces small. Throws ECardSetError like LoadFaces.
  QImage FaceWithin(int Face, QSize Box) const;

  // The WAV file of sound face Face of the set FileName, whose pair table is Table, checked
  // (PCM, at most TWaveClip::MaxDurationMs). The file is open only during the call. With
  // Identity, only that file is read, as ReloadFace reads: a set replaced since gives an empty
  // clip, for its entries may be other sounds. Throws ECardSetError.
  static QByteArray ReadSoundClip(const QString& FileName, const TPairTable& Table, int Face,
                                  const TFileIdentity* Identity = nullptr);

  const TCardSetHeader& Header() const { return FHeader; }
  // Which faces pair with which in a set of different cards; empty for a plain set.
  const TPairTable& PairTable() const { return FPairTable; }
  const QImage& Advert() const { return FAdvert; }
  const QString& AdLink() const { return FHeader.AdLink; }
  const QImage& CardBack() const { return FCardBack; }
  // Face k is the face of card identity k + 1. Only the list of the set's format is filled.
  const std::vector<QByteArray>& FaceStreams() const { return FFaceStreams; }
  const std::vector<QImage>& FacePictures() const { return FFacePictures; }
  // Each face picture's own size in the file; the picture kept may be smaller, made for its cell.
  const std::vector<QSize>& FaceWholeSizes() const { return FFaceWholeSizes; }
  // The face indexes LoadFaces read: picture or stream k is face FaceIndexes()[k] of the set.
  const std::vector<int32_t>& FaceIndexes() const { return FFaceIndexes; }
  const QString& FileName() const { return FFileName; }
  // The file as LoadFaces found it, for ReloadFace.
  const TFileIdentity& FileIdentity() const { return FFileIdentity; }
  const TImageLimits& Limits() const { return FLimits; }

private:
  struct TFaceSlot;
  [[noreturn]] void Fail(const QString& Problem) const;
  // The header as the engine reads it.
  CardSetHeaderInfo HeaderInfo() const;
  QByteArray ReadEntry(int Index) const;
  // NotUsable: the message (marked for translation) when the picture cannot be decoded, its
  // reason as %1.
  QImage ReadBitmap(int Index, const char* NotUsable) const;
  QByteArray ReadFaceEntry(int Face) const;
  // Decodes Data, a face of Kind, into Slot for a cell of Cover device pixels (empty: whole).
  // Throws EImageError. Touches nothing but Slot, so workers may run it side by side.
  static void DecodeFace(TFaceSlot& Slot, TCardImageKind Kind, QByteArray Data, QSize Cover,
                         const TImageLimits& Limits);
  std::vector<TFaceSlot> DecodeFaces(const std::vector<int32_t>& Faces, QSize Cover) const;
  void KeepFaces(const std::vector<int32_t>& Faces, std::vector<TFaceSlot>& Slots);
  [[noreturn]] void FailFace(int Face, const std::exception_ptr& Error) const;
  void ReadPairs();
  bool DrawnByGame(int Face) const;
  [[noreturn]] void FailSound(int Face, const std::exception_ptr& Error) const;
  void CheckFace(int Face, const TImageLimits& Limits);
  void DropFaces();
  void ChargeFace(qint64 Bytes);

  QString FFileName;
  TImageLimits FLimits;
  std::unique_ptr<TCardSetFile> FReader;
  TCardSetHeader FHeader;
  TPairTable FPairTable;
  QImage FAdvert;
  QImage FCardBack;
  std::vector<QByteArray> FFaceStreams;
  std::vector<QImage> FFacePictures;
  std::vector<QSize> FFaceWholeSizes;
  std::vector<int32_t> FFaceIndexes;
  TFileIdentity FFileIdentity;
  qint64 FFaceBytes = 0; // what the faces loaded so far hold, against FLimits.MaxGameBytes
};
