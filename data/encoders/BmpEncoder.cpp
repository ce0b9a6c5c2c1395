#include "BmpEncoder.h"

#include "GifEncoder.h"

#include <QBuffer>
#include <QCoreApplication>

QByteArray EncodeBmp(const QImage& Picture) {
  if (Picture.isNull())
    throw EEncodeError(
        QCoreApplication::translate("Encoders", "An empty picture cannot be written as BMP.")
            .toStdString());
  QByteArray out;
  QBuffer buffer(&out);
  buffer.open(QIODevice::WriteOnly);
  if (!Picture.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP"))
    throw EEncodeError(
        QCoreApplication::translate("Encoders", "The BMP picture could not be written.")
            .toStdString());
  return out;
}
