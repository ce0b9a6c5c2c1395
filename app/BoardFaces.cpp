#include "BoardFaces.h"

#include "CardSetLoader.h"
#include "GifImage.h"
#include "KVGraphics.h"

#include <exception>

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
}

void TBoardFaces::Clear() {
  FCardBack = QImage();
  FFacePictures.clear();
  FFaceStreams.clear();
  FCacheSize = QSize();
  FBack = QPixmap();
  FFaces.clear();
}

QByteArray TBoardFaces::FaceStream(int Id) const {
  if (Id < 1 || size_t(Id) > FFaceStreams.size())
    return {};
  return FFaceStreams[size_t(Id - 1)];
}

void TBoardFaces::DropCache(QSize Size) {
  if (Size == FCacheSize)
    return;
  FCacheSize = Size;
  FBack = QPixmap();
  FFaces.clear();
}

const QPixmap& TBoardFaces::Back(QSize Size) {
  DropCache(Size);
  if (FBack.isNull() && !FCardBack.isNull())
    FBack =
        QPixmap::fromImage(FCardBack.scaled(Size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  return FBack;
}

const QPixmap& TBoardFaces::Face(int Id, QSize Size) {
  DropCache(Size);
  auto found = FFaces.find(Id);
  if (found == FFaces.end())
    found = FFaces.emplace(Id, MakeFace(Id, Size)).first;
  return found->second;
}

QPixmap TBoardFaces::MakeFace(int Id, QSize Size) const {
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
  return QPixmap::fromImage(
      FFacePictures[size_t(Id - 1)].scaled(Size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}
