#include "FaceFit.h"

#include <QPainter>

namespace {

// The part of Picture that shows its Whole picture: for a scale of M/8, Whole x M/8.
QSizeF ShownPart(QSize Picture, QSize Whole) {
  for (int m = 1; Whole.isValid() && Picture != Whole && m < 8; ++m)
    if ((Whole.width() * m + 7) / 8 == Picture.width() &&
        (Whole.height() * m + 7) / 8 == Picture.height())
      return QSizeF(Whole) * (m / 8.0);
  return QSizeF(Picture);
}

} // namespace

QImage StretchedToCell(const QImage& Picture, QSize Cell, QSize Whole) {
  const QSizeF shown = ShownPart(Picture.size(), Whole);
  if (shown == QSizeF(Picture.size()) || Picture.width() > 2 * Cell.width() ||
      Picture.height() > 2 * Cell.height())
    // Qt's smooth scaling averages every source pixel, which a larger reduction needs.
    return Picture.scaled(Cell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  // Within a factor of two, sampling is as good, and it can start and end between pixels.
  QImage cell(Cell, QImage::Format_RGB32);
  QPainter paint(&cell);
  paint.setRenderHint(QPainter::SmoothPixmapTransform);
  paint.drawImage(QRectF(QPointF(), QSizeF(Cell)), Picture, QRectF(QPointF(), shown));
  return cell;
}
