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

namespace {

// Source stretched to Size logical pixels at the screen's Ratio.
QPixmap Stretched(const QImage& Source, QSize Size, qreal Ratio) {
  const QSize device(qRound(Size.width() * Ratio), qRound(Size.height() * Ratio));
  QPixmap picture =
      QPixmap::fromImage(Source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
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

QPixmap TBoardFaces::MakeFace(int Id, QSize Size, qreal Ratio) const {
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
  return Stretched(FFacePictures[size_t(Id - 1)], Size, Ratio);
}
