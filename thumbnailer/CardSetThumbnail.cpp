#include "CardSetThumbnail.h"

#include "CardSetLoader.h"
#include "GifImage.h"
#include "ImageLimits.h"

#include <QPainter>

#include <algorithm>
#include <stdexcept>

namespace {

constexpr int MosaicFaces = 4;
constexpr int MosaicGap = 4; // pixels between the cells, at the cells' own size

QList<QImage> FirstFaces(TCardSetLoader& Loader) {
  const TCardSetHeader& header = Loader.Header();
  std::vector<int32_t> first;
  for (int face = 0; face < std::min(MosaicFaces, int(std::max(0, header.ImageCount))); ++face)
    first.push_back(face);
  Loader.LoadFaces(first);
  QList<QImage> faces;
  for (const QByteArray& stream : Loader.FaceStreams())
    faces << DecodeGifFirstFrame(stream);
  for (const QImage& picture : Loader.FacePictures())
    faces << picture;
  return faces;
}

bool SensibleCell(QSize Cell) {
  return Cell.width() >= 1 && Cell.height() >= 1 && Cell.width() <= TImageLimits::MaxSide &&
         Cell.height() <= TImageLimits::MaxSide;
}

} // namespace

bool IsBlankPicture(const QImage& Picture) {
  if (Picture.isNull())
    return true;
  const QImage pixels = Picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb first = pixels.pixel(0, 0);
  for (int y = 0; y < pixels.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    if (std::any_of(line, line + pixels.width(), [first](QRgb Pixel) { return Pixel != first; }))
      return false;
  }
  return true;
}

QImage FaceMosaic(const QList<QImage>& Faces, QSize CellSize) {
  if (Faces.isEmpty())
    return {};
  QSize cell = CellSize;
  if (!SensibleCell(cell)) {
    cell = {1, 1};
    for (const QImage& face : Faces)
      cell = cell.expandedTo(face.size());
  }
  QImage mosaic(cell.width() * 2 + MosaicGap, cell.height() * 2 + MosaicGap,
                QImage::Format_ARGB32_Premultiplied);
  mosaic.fill(Qt::transparent);
  QPainter painter(&mosaic);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (int i = 0; i < std::min(MosaicFaces, int(Faces.size())); ++i) {
    const QImage fitted = Faces[i].scaled(cell, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QPoint corner((i % 2) * (cell.width() + MosaicGap),
                        (i / 2) * (cell.height() + MosaicGap));
    painter.drawImage(
        corner + QPoint((cell.width() - fitted.width()) / 2, (cell.height() - fitted.height()) / 2),
        fitted);
  }
  return mosaic;
}

QImage CardSetThumbnail(const QString& FileName, int Size) {
  TCardSetLoader loader(FileName);
  loader.ReadHeader();
  QImage picture = loader.Advert();
  if (IsBlankPicture(picture)) {
    const TCardSetHeader& header = loader.Header();
    picture = FaceMosaic(FirstFaces(loader), QSize(header.CardWidth, header.CardHeight));
  }
  if (picture.isNull())
    picture = loader.CardBack();
  if (picture.isNull())
    throw std::runtime_error("The card set has no picture to show.");
  return picture.scaled(Size, Size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_ARGB32);
}
