// Reads the chosen card set for a new game: header, advert, card back and the chosen faces,
// each once, and nothing else.
#pragma once

#include "CardSetHeader.h"
#include "CardSource.h"
#include "ImageLimits.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <chrono>
#include <memory>
#include <stdexcept>
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

  // Opens the file and reads its header, advert and card back; the file stays open for
  // LoadFaces. An empty advert or back entry gives a null picture. Throws ECardSetError.
  CardSetHeaderInfo ReadHeader() override;

  // Reads the faces of indexes Faces in order, face k from entry TCardSetEntries::FirstFace + k,
  // and closes the file, also on failure. GIF faces are kept encoded in FaceStreams (their
  // signature and screen size checked); JPEG and BMP faces are decoded into FacePictures.
  // Throws ECardSetError when ReadHeader has not run, a face lies outside 0..ImageCount - 1 or
  // the file, a face is damaged or of another format, or the faces together need more than the
  // limits' MaxGameBytes; a failure leaves no face loaded.
  void LoadFaces(const std::vector<int32_t>& Faces) override;

  // Reads and decodes every face of the set, one at a time and keeping none, as LoadFaces
  // reads a game's faces; a GIF face is also decoded frame by frame, as the board plays it.
  // Closes the file. Throws ECardSetError like LoadFaces, and when Deadline passes before the
  // last face has been checked.
  void CheckFaces(std::chrono::steady_clock::time_point Deadline);

  const TCardSetHeader& Header() const { return FHeader; }
  const QImage& Advert() const { return FAdvert; }
  const QString& AdLink() const { return FHeader.AdLink; }
  const QImage& CardBack() const { return FCardBack; }
  // Face k is the face of card identity k + 1. Only the list of the set's format is filled.
  const std::vector<QByteArray>& FaceStreams() const { return FFaceStreams; }
  const std::vector<QImage>& FacePictures() const { return FFacePictures; }

private:
  [[noreturn]] void Fail(const std::string& Problem) const;
  QByteArray ReadEntry(int Index) const;
  QImage ReadBitmap(int Index, const char* What) const;
  void LoadFace(int Face);
  void CheckFace(int Face);
  void DropFaces();
  void ChargeFace(qint64 Bytes);

  QString FFileName;
  TImageLimits FLimits;
  std::unique_ptr<TCardSetFile> FReader;
  TCardSetHeader FHeader;
  QImage FAdvert;
  QImage FCardBack;
  std::vector<QByteArray> FFaceStreams;
  std::vector<QImage> FFacePictures;
  qint64 FFaceBytes = 0; // what the faces loaded so far hold, against FLimits.MaxGameBytes
};
