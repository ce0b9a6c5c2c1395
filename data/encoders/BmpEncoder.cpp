#include "BmpEncoder.h"

#include "GifEncoder.h"

#include <QBuffer>

QByteArray EncodeBmp(const QImage& Picture) {
  if (Picture.isNull())
    throw EEncodeError("An empty picture cannot be written as BMP.");
  QByteArray out;
  QBuffer buffer(&out);
  buffer.open(QIODevice::WriteOnly);
  if (!Picture.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP"))
    throw EEncodeError("The BMP picture could not be written.");
  return out;
}
