#include "BmpImage.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <array>
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

[[noreturn]] void CutShort() {
  throw EImageError(QCoreApplication::translate("BmpImage", "The BMP picture is cut short."));
}

// The colour table of a paletted picture, opaque as Qt's reader takes it, with black for every
// index past its end, as Qt shows such an index.
std::array<QRgb, 256> ColourTable(const QByteArray& Data, const TBmpHeader& Header) {
  const qint64 colours = Header.ColoursUsed != 0 ? Header.ColoursUsed : 1 << Header.BitCount;
  const qint64 start = FileHeaderSize + qint64(Header.InfoSize);
  if (colours > 256 || start + 4 * colours > Data.size())
    Damaged();
  std::array<QRgb, 256> table;
  table.fill(qRgb(0, 0, 0));
  const auto* entry = reinterpret_cast<const uchar*>(Data.constData()) + start;
  for (qint64 i = 0; i < colours; ++i, entry += 4)
    table[size_t(i)] = qRgb(entry[2], entry[1], entry[0]);
  return table;
}

// Draws run-length codes: runs of one colour (of two alternating ones with 4-bit pixels),
// colours given one by one, and the escapes that end a row or the picture early or move ahead.
// What the codes skip stays fully transparent, as browsers show it, where Qt's reader would
// leave whatever the memory held.
class TRunDecoder {
public:
  TRunDecoder(const QByteArray& Data, const TBmpHeader& Header)
      : FData(reinterpret_cast<const uchar*>(Data.constData())), FSize(Data.size()),
        FAt(PixelStart(Header)), FNibbles(Header.Compression == RunLength4),
        FBottomUp(Header.Height > 0), FColours(ColourTable(Data, Header)) {
    if (Header.Width <= 0)
      Damaged();
    FImage = QImage(int(Header.Width), int(std::abs(Header.Height)), QImage::Format_ARGB32);
    if (FImage.isNull())
      throw EImageError(QCoreApplication::translate(
          "BmpImage", "There is not enough memory for the BMP picture."));
    FImage.fill(Qt::transparent);
  }

  QImage Decode() {
    const qint64 width = FImage.width();
    const qint64 height = FImage.height();
    bool skipped = false;
    while (FY < height) {
      // The last row may end the data without an end-of-line code.
      if (FAt + 2 > FSize) {
        if (FX == width && FY == height - 1)
          break;
        CutShort();
      }
      const int count = FData[FAt];
      const int code = FData[FAt + 1];
      FAt += 2;
      if (count > 0) {
        Put(count, [code, this](int i) { return FNibbles ? Nibble(code, i) : code; });
      } else if (code >= 3) {
        const qint64 bytes = FNibbles ? (code + 1) / 2 : code;
        if (FAt + bytes > FSize)
          CutShort();
        const uchar* given = FData + FAt;
        Put(code, [given, this](int i) { return FNibbles ? Nibble(given[i / 2], i) : given[i]; });
        // Each string of single colours is padded to whole 16-bit words.
        FAt += (bytes + 1) & ~qint64(1);
      } else if (code == 0) {
        skipped = skipped || FX < width;
        FX = 0;
        ++FY;
      } else if (code == 1) {
        skipped = skipped || FX < width || FY < height - 1;
        break;
      } else {
        if (FAt + 2 > FSize)
          CutShort();
        const int right = FData[FAt];
        const int down = FData[FAt + 1];
        FAt += 2;
        if (FX + right > width || FY + down >= height)
          Damaged();
        skipped = skipped || right > 0 || down > 0;
        FX += right;
        FY += down;
      }
    }
    // Every pixel given: the picture is opaque, and says so to whoever draws it.
    if (!skipped)
      FImage.reinterpretAsFormat(QImage::Format_RGB32);
    return FImage;
  }

private:
  static int Nibble(int Byte, int Index) { return Index % 2 == 0 ? Byte >> 4 : Byte & 0x0f; }

  // Count pixels from the current place, the i-th of colour index ColourOf(i).
  template <typename TColourOf> void Put(int Count, TColourOf ColourOf) {
    if (FX + Count > FImage.width())
      Damaged();
    const int row = int(FBottomUp ? FImage.height() - 1 - FY : FY);
    auto* out = reinterpret_cast<QRgb*>(FImage.scanLine(row)) + FX;
    for (int i = 0; i < Count; ++i)
      out[i] = FColours[size_t(ColourOf(i))];
    FX += Count;
  }

  const uchar* FData;
  qint64 FSize;
  qint64 FAt;
  bool FNibbles;
  bool FBottomUp;
  std::array<QRgb, 256> FColours;
  QImage FImage;
  qint64 FX = 0;
  qint64 FY = 0;
};

void CheckEveryPixelGiven(const QByteArray& Data, const TBmpHeader& Header) {
  const qint64 start = PixelStart(Header);
  switch (Header.Compression) {
  case Uncompressed:
  case BitFields:
  case AlphaBitFields:
    if (start + RowBytes(Header) * std::abs(Header.Height) > Data.size())
      CutShort();
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
  if (header.Compression == RunLength8 || header.Compression == RunLength4) {
    if (header.BitCount != (header.Compression == RunLength8 ? 8 : 4))
      Damaged();
    QImage image = TRunDecoder(Data, header).Decode();
    image.setDotsPerMeterX(header.XPelsPerMeter);
    image.setDotsPerMeterY(header.YPelsPerMeter);
    return image;
  }
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
