#include "BmpImage.h"

#include <QtEndian>

#include <cstdlib>

namespace {

constexpr int FileHeaderSize = 14;
// The oldest info header (OS/2 1.x) stores 16-bit sides; every later one 32-bit sides.
constexpr quint32 CoreHeaderSize = 12;

qint64 ReadLE32(const QByteArray& Data, int Offset) {
  return qFromLittleEndian<qint32>(Data.constData() + Offset);
}

qint64 ReadLE16(const QByteArray& Data, int Offset) {
  return qFromLittleEndian<quint16>(Data.constData() + Offset);
}

// The picture's sides as its info header gives them; a negative height marks a top-down
// picture and counts by its magnitude.
void CheckHeaderSize(const QByteArray& Data, const TImageLimits& Limits) {
  if (Data.size() < FileHeaderSize + 4 || !Data.startsWith("BM"))
    throw EImageError("The picture is not a BMP picture.");
  const quint32 infoSize = quint32(ReadLE32(Data, FileHeaderSize));
  const bool core = infoSize == CoreHeaderSize;
  if (Data.size() < FileHeaderSize + (core ? 8 : 12))
    throw EImageError("The BMP picture is incomplete.");
  const qint64 width = core ? ReadLE16(Data, 18) : ReadLE32(Data, 18);
  const qint64 height = core ? ReadLE16(Data, 20) : ReadLE32(Data, 22);
  Limits.CheckSize(std::abs(width), std::abs(height), "BMP");
}

} // namespace

QImage DecodeBmp(const QByteArray& Data, const TImageLimits& Limits) {
  CheckHeaderSize(Data, Limits);
  QImage image;
  if (!image.loadFromData(Data, "BMP"))
    throw EImageError("The BMP picture is damaged.");
  return image;
}
