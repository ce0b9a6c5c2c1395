#include "DibImage.h"

#include <QtEndian>

namespace {

constexpr qsizetype FileHeaderSize = 14;
constexpr quint32 InfoHeaderSize = 40;
constexpr qsizetype HeadersSize = FileHeaderSize + InfoHeaderSize;
// Larger pictures go to Qt's reader, which applies its own allocation limit to them.
constexpr qint64 MaxDirectPixels = qint64(16) * 1024 * 1024;

// The fields of the two headers that decide whether a bitmap can be read directly.
struct TDibHeader {
  quint32 PixelOffset = 0;
  qint32 Width = 0;
  qint32 Height = 0;
  quint16 Planes = 0;
  quint16 BitCount = 0;
  quint32 Compression = 0;
  qint32 XPelsPerMeter = 0;
  qint32 YPelsPerMeter = 0;
  quint32 ColoursUsed = 0;
};

template <typename T> T Field(QByteArrayView Bytes, qsizetype At) {
  return qFromLittleEndian<T>(Bytes.data() + At);
}

TDibHeader ReadHeader(QByteArrayView Bytes) {
  TDibHeader header;
  header.PixelOffset = Field<quint32>(Bytes, 10);
  header.Width = Field<qint32>(Bytes, 18);
  header.Height = Field<qint32>(Bytes, 22);
  header.Planes = Field<quint16>(Bytes, 26);
  header.BitCount = Field<quint16>(Bytes, 28);
  header.Compression = Field<quint32>(Bytes, 30);
  header.XPelsPerMeter = Field<qint32>(Bytes, 38);
  header.YPelsPerMeter = Field<qint32>(Bytes, 42);
  header.ColoursUsed = Field<quint32>(Bytes, 46);
  return header;
}

// Each row of a 24-bit bitmap is padded to whole 32-bit words.
qint64 RowBytes(const TDibHeader& Header) {
  return (qint64(Header.Width) * 3 + 3) & ~qint64(3);
}

// True for an uncompressed 24-bit bottom-up bitmap of reasonable size: the kind Qt reads
// without any choice of its own, so reading it here gives the same picture.
bool IsPlainBitmap(QByteArrayView Bytes, const TDibHeader& Header) {
  if (Bytes[0] != 'B' || Bytes[1] != 'M' || Field<quint32>(Bytes, FileHeaderSize) != InfoHeaderSize)
    return false;
  if (Header.Planes != 1 || Header.BitCount != 24 || Header.Compression != 0 ||
      Header.ColoursUsed != 0)
    return false;
  if (Header.Width <= 0 || Header.Height <= 0 ||
      qint64(Header.Width) * Header.Height > MaxDirectPixels)
    return false;
  // Qt reads the pixels where the offset says when it lies past the headers.
  return Header.PixelOffset >= HeadersSize;
}

bool HasAllPixels(QByteArrayView Bytes, const TDibHeader& Header) {
  return Header.PixelOffset + RowBytes(Header) * Header.Height <= Bytes.size();
}

QImage ReadDirectly(QByteArrayView Bytes, const TDibHeader& Header) {
  QImage image(Header.Width, Header.Height, QImage::Format_RGB32);
  if (image.isNull())
    return image;
  const qint64 rowBytes = RowBytes(Header);
  const auto* row = reinterpret_cast<const uchar*>(Bytes.data()) + Header.PixelOffset;
  // The last row of the picture comes first.
  for (int y = Header.Height - 1; y >= 0; --y, row += rowBytes) {
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    // Blue, green and red read as one little-endian word; the fourth byte belongs to the next
    // pixel, so the last pixel of the row, which may have none after it, is read bytewise.
    const int last = Header.Width - 1;
    for (int x = 0; x < last; ++x)
      out[x] = 0xff000000u | (qFromLittleEndian<quint32>(row + 3 * x) & 0x00ffffffu);
    out[last] = qRgb(row[3 * last + 2], row[3 * last + 1], row[3 * last]);
  }
  image.setDotsPerMeterX(Header.XPelsPerMeter);
  image.setDotsPerMeterY(Header.YPelsPerMeter);
  return image;
}

} // namespace

QImage ReadDibImage(QByteArrayView Bytes) {
  if (Bytes.size() >= HeadersSize) {
    const TDibHeader header = ReadHeader(Bytes);
    if (IsPlainBitmap(Bytes, header))
      return HasAllPixels(Bytes, header) ? ReadDirectly(Bytes, header) : QImage();
  }
  return QImage::fromData(Bytes, "BMP");
}
