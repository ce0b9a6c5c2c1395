#include "BmpImage.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr qsizetype FileHeaderSize = 14;
// The oldest info header (OS/2 1.x) stores 16-bit sides and no compression; every later one
// starts with the 40 bytes of BITMAPINFOHEADER.
constexpr quint32 CoreHeaderSize = 12;
constexpr quint32 InfoHeaderSize = 40;

enum TCompression : quint32 {
  Uncompressed = 0,
  RunLength8 = 1,
  RunLength4 = 2,
  BitFields = 3,
  AlphaBitFields = 6,
};

// The fields of the headers that say where the pixels are and how many bytes they take.
struct TBmpHeader {
  quint32 PixelOffset = 0;
  quint32 InfoSize = 0;
  bool Core = false;
  qint64 Width = 0;
  qint64 Height = 0; // negative for a top-down picture
  quint16 Planes = 0;
  quint16 BitCount = 0;
  quint32 Compression = Uncompressed;
  qint32 XPelsPerMeter = 0;
  qint32 YPelsPerMeter = 0;
  quint32 ColoursUsed = 0;
};

template <typename T> T Field(const QByteArray& Data, qsizetype At) {
  return qFromLittleEndian<T>(Data.constData() + At);
}

[[noreturn]] void Damaged() {
  throw EImageError(QCoreApplication::translate("BmpImage", "The BMP picture is damaged."));
}

TBmpHeader ReadHeader(const QByteArray& Data) {
  if (Data.size() < FileHeaderSize + 4 || !Data.startsWith("BM"))
    throw EImageError(QCoreApplication::translate("BmpImage", "The picture is not a BMP picture."));
  TBmpHeader header;
  header.PixelOffset = Field<quint32>(Data, 10);
  header.InfoSize = Field<quint32>(Data, FileHeaderSize);
  header.Core = header.InfoSize == CoreHeaderSize;
  if (!header.Core && header.InfoSize < InfoHeaderSize)
    Damaged();
  if (Data.size() < FileHeaderSize + (header.Core ? CoreHeaderSize : InfoHeaderSize))
    throw EImageError(QCoreApplication::translate("BmpImage", "The BMP picture is incomplete."));
  if (header.Core) {
    header.Width = Field<quint16>(Data, 18);
    header.Height = Field<quint16>(Data, 20);
    header.Planes = Field<quint16>(Data, 22);
    header.BitCount = Field<quint16>(Data, 24);
    return header;
  }
  header.Width = Field<qint32>(Data, 18);
  header.Height = Field<qint32>(Data, 22);
  header.Planes = Field<quint16>(Data, 26);
  header.BitCount = Field<quint16>(Data, 28);
  header.Compression = Field<quint32>(Data, 30);
  header.XPelsPerMeter = Field<qint32>(Data, 38);
  header.YPelsPerMeter = Field<qint32>(Data, 42);
  header.ColoursUsed = Field<quint32>(Data, 46);
  return header;
}

// Where the pixels start: where the file header says, unless that lies inside the headers and
// the colour table, in which case the reader takes them from right after those.
qint64 PixelStart(const TBmpHeader& Header) {
  qint64 end = FileHeaderSize + qint64(Header.InfoSize);
  if (Header.InfoSize == InfoHeaderSize && Header.Compression == BitFields)
    end += 12;
  if (Header.InfoSize == InfoHeaderSize && Header.Compression == AlphaBitFields)
    end += 16;
  if (Header.BitCount <= 8) {
    const qint64 colours = Header.ColoursUsed != 0 ? Header.ColoursUsed : 1 << Header.BitCount;
    end += colours * (Header.Core ? 3 : 4);
  }
  return std::max<qint64>(Header.PixelOffset, end);
}

// Each row is padded to whole 32-bit words.
qint64 RowBytes(const TBmpHeader& Header) {
  return (Header.Width * Header.BitCount + 31) / 32 * 4;
}

// True when the run-length codes from At give every pixel of the picture: each row is filled
// to its end before the next starts, no code moves past pixels (an offset escape), skips the
// rest of a row or of the picture, runs past a row's end, or is cut off by the end of Data.
bool RunsGiveEveryPixel(const QByteArray& Data, qint64 At, const TBmpHeader& Header) {
  const bool nibbles = Header.Compression == RunLength4;
  const qint64 width = Header.Width;
  const qint64 height = std::abs(Header.Height);
  qint64 x = 0;
  for (qint64 y = 0; y < height;) {
    // The last row may end the data (or the picture) without an end-of-line code.
    const bool rowFull = x == width;
    if (At + 2 > Data.size())
      return rowFull && y == height - 1;
    const int count = quint8(Data[At]);
    const int code = quint8(Data[At + 1]);
    At += 2;
    if (count > 0 || code >= 3) {
      // A run of count pixels of one value, or code pixels given one by one.
      const int pixels = count > 0 ? count : code;
      if (x + pixels > width)
        return false;
      x += pixels;
      if (count == 0) {
        const qint64 bytes = nibbles ? (code + 1) / 2 : code;
        if (At + bytes > Data.size())
          return false;
        At += (bytes + 1) & ~qint64(1);
      }
    } else if (code == 0 && rowFull) {
      x = 0;
      ++y;
    } else {
      // An end of line or of the picture before the row is full, or an offset.
      return code == 1 && rowFull && y == height - 1;
    }
  }
  return true;
}

void CheckEveryPixelGiven(const QByteArray& Data, const TBmpHeader& Header) {
  const qint64 start = PixelStart(Header);
  switch (Header.Compression) {
  case Uncompressed:
  case BitFields:
  case AlphaBitFields:
    if (start + RowBytes(Header) * std::abs(Header.Height) > Data.size())
      throw EImageError(QCoreApplication::translate("BmpImage", "The BMP picture is cut short."));
    return;
  case RunLength8:
  case RunLength4:
    if (Header.BitCount != (Header.Compression == RunLength8 ? 8 : 4))
      Damaged();
    if (!RunsGiveEveryPixel(Data, start, Header))
      throw EImageError(
          QCoreApplication::translate("BmpImage", "The BMP picture does not give every pixel."));
    return;
  default:
    Damaged();
  }
}

// True for an uncompressed 24-bit bottom-up bitmap without a colour table: the kind Qt's
// reader reads without any choice of its own, so reading it here gives the same picture.
bool IsPlainBitmap(const TBmpHeader& Header) {
  return Header.InfoSize == InfoHeaderSize && Header.Planes == 1 && Header.BitCount == 24 &&
         Header.Compression == Uncompressed && Header.ColoursUsed == 0 && Header.Width > 0 &&
         Header.Height > 0 && Header.PixelOffset >= FileHeaderSize + InfoHeaderSize;
}

QImage ReadPlainBitmap(const QByteArray& Data, const TBmpHeader& Header) {
  const int width = int(Header.Width);
  const int height = int(Header.Height);
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull())
    throw EImageError(
        QCoreApplication::translate("BmpImage", "There is not enough memory for the BMP picture."));
  const qint64 rowBytes = RowBytes(Header);
  const auto* row = reinterpret_cast<const uchar*>(Data.constData()) + Header.PixelOffset;
  // The last row of the picture comes first.
  for (int y = height - 1; y >= 0; --y, row += rowBytes) {
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    // Blue, green and red read as one little-endian word; the fourth byte belongs to the next
    // pixel, so the last pixel of the row, which may have none after it, is read bytewise.
    const int last = width - 1;
    for (int x = 0; x < last; ++x)
      out[x] = 0xff000000u | (qFromLittleEndian<quint32>(row + 3 * x) & 0x00ffffffu);
    out[last] = qRgb(row[3 * last + 2], row[3 * last + 1], row[3 * last]);
  }
  image.setDotsPerMeterX(Header.XPelsPerMeter);
  image.setDotsPerMeterY(Header.YPelsPerMeter);
  return image;
}

} // namespace

QImage DecodeBmp(const QByteArray& Data, const TImageLimits& Limits) {
  const TBmpHeader header = ReadHeader(Data);
  Limits.CheckSize(std::abs(header.Width), std::abs(header.Height), "BMP");
  CheckEveryPixelGiven(Data, header);
  // Qt's reader cannot be stopped once it runs; the runs checked above may have taken long.
  Limits.CheckGoingOn();
  if (IsPlainBitmap(header))
    return ReadPlainBitmap(Data, header);
  QImage image;
  if (!image.loadFromData(Data, "BMP"))
    Damaged();
  return image;
}
