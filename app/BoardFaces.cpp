#include "BoardFaces.h"

#include "CardArt.h"
#include "CardSetLoader.h"
#include "FaceFit.h"
#include "GifImage.h"
#include "KVGraphics.h"
#include "Language.h"

#include <exception>
#include <utility>

QSize TBoardFaces::DevicePixels(QSize Logical, qreal Ratio) {
  return {qRound(Logical.width() * Ratio), qRound(Logical.height() * Ratio)};
}

void TBoardFaces::TakeGame(const TCardSetLoader& Loader, int CardImageKind) {
  Clear();
  FKind = CardImageKind;
  FCardBack = Loader.CardBack();
  FFacePictures = Loader.FacePictures();
  FFaceStreams = Loader.FaceStreams();
  if (FFacePictures.size() > size_t(MaxFaces))
    FFacePictures.resize(MaxFaces);
  if (FFaceStreams.size() > size_t(MaxFaces))
    FFaceStreams.resize(MaxFaces);
  FFileName = Loader.FileName();
  FFileIdentity = Loader.FileIdentity();
  FFaceKind = Loader.Header().FaceKind();
  FLimits = Loader.Limits();
  FFaceIndexes = Loader.FaceIndexes();
  FPairs = Loader.PairTable();
  FLanguage = language::Current();
  FFaceWholeSizes = Loader.FaceWholeSizes();
  for (const QImage& picture : FFacePictures)
    FFaceBytes += picture.sizeInBytes();
}

void TBoardFaces::Clear() {
  FCardBack = QImage();
  FFacePictures.clear();
  FFaceStreams.clear();
  FFileName.clear();
  FFileIdentity = {};
  FFaceIndexes.clear();
  FPairs = {};
  FFaceWholeSizes.clear();
  FFaceBytes = 0;
  FCacheSize = QSize();
  FBack = QPixmap();
  FFaces.clear();
}

QByteArray TBoardFaces::FaceStream(int Id) const {
  if (Id < 1 || size_t(Id) > FFaceStreams.size())
    return {};
  return FFaceStreams[size_t(Id - 1)];
}

int TBoardFaces::SetFace(int Id) const {
  return Id >= 1 && size_t(Id) <= FFaceIndexes.size() ? FFaceIndexes[size_t(Id - 1)] : -1;
}

TFaceKind TBoardFaces::Kind(int Id) const {
  const int face = SetFace(Id);
  return face >= 0 && size_t(face) < FPairs.Faces.size() ? FPairs.Faces[size_t(face)].Kind
                                                         : TFaceKind::Picture;
}

QString TBoardFaces::Text(int Id) const {
  const int face = SetFace(Id);
  return face >= 0 ? FaceText(FPairs, face, FLanguage) : QString();
}

namespace {

// Source stretched to Size logical pixels at the screen's Ratio.
QPixmap Stretched(const QImage& Source, QSize Size, qreal Ratio) {
  QPixmap picture =
      QPixmap::fromImage(StretchedToCell(Source, TBoardFaces::DevicePixels(Size, Ratio)));
  picture.setDevicePixelRatio(Ratio);
  return picture;
}

} // namespace

void TBoardFaces::DropCache(QSize Size, qreal Ratio) {
  if (Size == FCacheSize && Ratio == FCacheRatio)
    return;
  FCacheSize = Size;
  FCacheRatio = Ratio;
  FBack = QPixmap();
  FFaces.clear();
}

const QPixmap& TBoardFaces::Back(QSize Size, qreal Ratio) {
  DropCache(Size, Ratio);
  if (FBack.isNull() && !FCardBack.isNull())
    FBack = Stretched(FCardBack, Size, Ratio);
  return FBack;
}

const QPixmap& TBoardFaces::Face(int Id, QSize Size, qreal Ratio) {
  DropCache(Size, Ratio);
  auto found = FFaces.find(Id);
  if (found == FFaces.end())
    found = FFaces.emplace(Id, MakeFace(Id, Size, Ratio)).first;
  return found->second;
}

QPixmap TBoardFaces::MakeFace(int Id, QSize Size, qreal Ratio) {
  if (Kind(Id) != TFaceKind::Picture) {
    const QImage drawn = Kind(Id) == TFaceKind::Word ? DrawWordCard(Size, Text(Id), Ratio)
                                                     : DrawSoundCard(Size, Text(Id), Ratio);
    return QPixmap::fromImage(drawn);
  }
  if (IsGif()) {
    const QByteArray stream = FaceStream(Id);
    if (stream.isEmpty())
      return {};
    try {
      const QImage first = DecodeGifFirstFrame(stream);
      TKVBitmap still;
      still.DrawFitted(&first, Size.width(), Size.height());
      return QPixmap::fromImage(still);
    } catch (const std::exception&) {
      // Painting cannot report; the damaged face was reported when it was turned up.
      return {};
    }
  }
  if (Id < 1 || size_t(Id) > FFacePictures.size() || FFacePictures[size_t(Id - 1)].isNull())
    return {};
  const size_t index = size_t(Id - 1);
  const QSize device = DevicePixels(Size, Ratio);
  const QSize kept = FFacePictures[index].size();
  const bool reduced = index < FFaceWholeSizes.size() && kept != FFaceWholeSizes[index];
  if (reduced && (kept.width() < device.width() || kept.height() < device.height()))
    DecodeAgain(index, device);
  return Stretched(FFacePictures[index], Size, Ratio);
}

void TBoardFaces::DecodeAgain(size_t Index, QSize Device) {
  if (Index >= FFaceIndexes.size())
    return;
  QImage larger;
  try {
    larger = TCardSetLoader::ReloadFace(FFileName, FFileIdentity, FFaceIndexes[Index], FFaceKind,
                                        Device, FLimits);
  } catch (const std::exception&) {
    // The set has gone or changed since the game began; the face kept will do.
    return;
  }
  const qint64 bytes = FFaceBytes - FFacePictures[Index].sizeInBytes() + larger.sizeInBytes();
  if (larger.isNull() || bytes > FLimits.MaxGameBytes)
    return;
  FFacePictures[Index] = std::move(larger);
  FFaceBytes = bytes;
}
