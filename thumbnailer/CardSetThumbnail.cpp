#include "CardSetThumbnail.h"

#include "CardSetLoader.h"
#include "ImageLimits.h"

#include <QPainter>

#include <algorithm>
#include <stdexcept>

namespace {

constexpr int MosaicFaces = 4;

QList<QImage> FirstFaces(const TCardSetLoader& Loader, QSize Box) {
  QList<QImage> faces;
  for (int face = 0; face < std::min(MosaicFaces, int(std::max(0, Loader.Header().ImageCount)));
       ++face)
    faces << Loader.FaceWithin(face, Box);
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

QImage FaceMosaic(const QList<QImage>& Faces, QSize Cell, int Gap) {
  if (Faces.isEmpty())
    return {};
  QSize cell = Cell;
  if (cell.isEmpty()) {
    cell = {1, 1};
    for (const QImage& face : Faces)
      cell = cell.expandedTo(face.size());
  }
  QImage mosaic(cell.width() * 2 + Gap, cell.height() * 2 + Gap,
                QImage::Format_ARGB32_Premultiplied);
  mosaic.fill(Qt::transparent);
  QPainter painter(&mosaic);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (int i = 0; i < std::min(MosaicFaces, int(Faces.size())); ++i) {
    const QImage fitted = Faces[i].scaled(cell, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QPoint corner((i % 2) * (cell.width() + Gap), (i / 2) * (cell.height() + Gap));
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
    // The mosaic is made at the size asked for, whatever box the header claims, and each
    // face is reduced to its cell as it is read: a set of huge faces then costs one face.
    const int gap = std::max(1, Size / 64);
    const int side = std::max(1, (Size - gap) / 2);
    const QSize box(header.CardWidth, header.CardHeight);
    const QSize cell = SensibleCell(box)
                           ? box.scaled(side, side, Qt::KeepAspectRatio).expandedTo({1, 1})
                           : QSize();
    picture = FaceMosaic(FirstFaces(loader, cell.isEmpty() ? QSize(side, side) : cell), cell, gap);
  }
  if (picture.isNull())
    picture = loader.CardBack();
  if (picture.isNull())
    throw std::runtime_error("The card set has no picture to show.");
  return picture.scaled(Size, Size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_ARGB32);
}
