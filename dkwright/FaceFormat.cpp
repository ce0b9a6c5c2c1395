#include "FaceFormat.h"

#include <QCoreApplication>

TFaceFormat SniffFaceFormat(const QByteArray& Data) {
  if (Data.startsWith("GIF87a") || Data.startsWith("GIF89a"))
    return TFaceFormat::Gif;
  if (Data.startsWith("\xFF\xD8\xFF"))
    return TFaceFormat::Jpeg;
  // A BMP file header is 14 bytes and the smallest info header 12 more.
  if (Data.startsWith("BM") && Data.size() >= 26)
    return TFaceFormat::Bmp;
  return TFaceFormat::Unknown;
}

int ImageKindOf(TFaceFormat Format) {
  switch (Format) {
  case TFaceFormat::Gif:
    return 1;
  case TFaceFormat::Jpeg:
    return 2;
  default:
    return 0;
  }
}

TFaceFormat FormatOfImageKind(int ImageKind) {
  if (ImageKind == 1)
    return TFaceFormat::Gif;
  if (ImageKind == 2)
    return TFaceFormat::Jpeg;
  return TFaceFormat::Bmp;
}

QString FaceFormatName(TFaceFormat Format) {
  switch (Format) {
  case TFaceFormat::Bmp:
    return QStringLiteral("BMP");
  case TFaceFormat::Gif:
    return QStringLiteral("GIF");
  case TFaceFormat::Jpeg:
    return QStringLiteral("JPEG");
  default:
    return QCoreApplication::translate("Deckwright", "unknown");
  }
}
