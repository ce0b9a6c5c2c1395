#include "BoardFaces.h"

#include "CardSetLoader.h"
#include "GifImage.h"
#include "KVGraphics.h"

#include <QPainter>

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
  FFaceKind = Loader.Header().FaceKind();
  FLimits = Loader.Limits();
  FFaceIndexes = Loader.FaceIndexes();
  FFaceWholeSizes = Loader.FaceWholeSizes();
  for (const QImage& picture : FFacePictures)
    FFaceBytes += picture.sizeInBytes();
}

void TBoardFaces::Clear() {
  FCardBack = QImage();
  FFacePictures.clear();
  FFaceStreams.clear();
  FFileName.clear();
  FFaceIndexes.clear();
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

namespace {

// The part of Kept that shows the picture, for a JPEG face decoded at M/8 of its Whole size:
// a side that is not a multiple of 8/M ends in a pixel only partly inside the picture (libjpeg
// rounds the scaled size up), which stretching Kept whole would squeeze into the cell.
QSizeF ShownPart(QSize Kept, QSize Whole) {
  for (int m = 1; Whole.isValid() && Kept != Whole && m < 8; ++m)
    if ((Whole.width() * m + 7) / 8 == Kept.width() &&
        (Whole.height() * m + 7) / 8 == Kept.height())
      return QSizeF(Whole) * (m / 8.0);
  return QSizeF(Kept);
}

// Source stretched to Size logical pixels at the screen's Ratio; Whole is the size of the
// picture Source was decoded from, when it was decoded smaller.
QPixmap Stretched(const QImage& Source, QSize Size, qreal Ratio, QSize Whole = {}) {
  const QSize device = TBoardFaces::DevicePixels(Size, Ratio);
  const QSizeF shown = ShownPart(Source.size(), Whole);
  QImage cell;
  if (shown == QSizeF(Source.size()) || Source.width() > 2 * device.width() ||
      Source.height() > 2 * device.height()) {
    // Qt's smooth scaling averages every source pixel, which a larger reduction needs.
    cell = Source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  } else {
    // Within a factor of two, sampling is as good, and it can start and end between pixels.
    cell = QImage(device, QImage::Format_RGB32);
    QPainter paint(&cell);
    paint.setRenderHint(QPainter::SmoothPixmapTransform);
    paint.drawImage(QRectF(QPointF(), QSizeF(device)), Source, QRectF(QPointF(), shown));
  }
  QPixmap picture = QPixmap::fromImage(std::move(cell));
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
  const QSize whole = index < FFaceWholeSizes.size() ? FFaceWholeSizes[index] : QSize();
  return Stretched(FFacePictures[index], Size, Ratio, whole);
}

void TBoardFaces::DecodeAgain(size_t Index, QSize Device) {
  if (Index >= FFaceIndexes.size())
    return;
  QImage larger;
  try {
    larger = TCardSetLoader::ReloadFace(FFileName, FFaceIndexes[Index], FFaceKind, Device, FLimits);
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
