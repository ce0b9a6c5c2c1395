#include "CardSetHeader.h"

#include <QtEndian>

#include <algorithm>
#include <array>

namespace {

constexpr int TitleOffset = 16;
constexpr int AdLinkOffset = 528;

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unassigned codes keep
// their C1 control meaning, as Windows maps them.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar FromCp1252(unsigned char Byte) {
  if (Byte >= 0x80 && Byte < 0xA0)
    return QChar(Cp1252High[Byte - 0x80]);
  return QChar(Byte);
}

char ToCp1252(QChar Character) {
  const char16_t code = Character.unicode();
  const auto high = std::find(Cp1252High.begin(), Cp1252High.end(), code);
  if (high != Cp1252High.end())
    return char(0x80 + (high - Cp1252High.begin()));
  if (code < 0x100 && !(code >= 0x80 && code < 0xA0))
    return char(code);
  return '?';
}

qint32 ReadInt(const QByteArray& Record, int Offset) {
  return qFromLittleEndian<qint32>(Record.constData() + Offset);
}

QString ReadText(const QByteArray& Record, int Offset) {
  const int length = static_cast<unsigned char>(Record[Offset]);
  QString text;
  text.reserve(length);
  for (int i = 0; i < length; ++i)
    text.append(FromCp1252(static_cast<unsigned char>(Record[Offset + 1 + i])));
  return text;
}

void WriteText(QByteArray& Record, int Offset, const QString& Text) {
  const int length = std::min<qsizetype>(Text.size(), TCardSetHeader::TextCapacity);
  Record[Offset] = char(length);
  for (int i = 0; i < length; ++i)
    Record[Offset + 1 + i] = ToCp1252(Text[i]);
}

} // namespace

TCardImageKind TCardSetHeader::FaceKind() const {
  if (ImageKind == GifKind)
    return TCardImageKind::Gif;
  if (ImageKind == JpegKind)
    return TCardImageKind::Jpeg;
  return TCardImageKind::Bmp;
}

TCardSetHeader TCardSetHeader::FromBytes(const QByteArray& Bytes) {
  // A short record is padded with zeros, so a text that was not stored at all has length 0;
  // a stored text is then cut where the stored bytes end, never filled up with the padding.
  QByteArray record = Bytes.left(RecordSize);
  const qsizetype present = record.size();
  record.append(RecordSize - present, '\0');
  TCardSetHeader header;
  header.CardWidth = ReadInt(record, 0);
  header.CardHeight = ReadInt(record, 4);
  header.ImageCount = ReadInt(record, 8);
  header.ImageKind = ReadInt(record, 12);
  header.Title =
      ReadText(record, TitleOffset).left(std::max<qsizetype>(0, present - TitleOffset - 1));
  header.AdLink =
      ReadText(record, AdLinkOffset).left(std::max<qsizetype>(0, present - AdLinkOffset - 1));
  return header;
}

QByteArray TCardSetHeader::ToBytes() const {
  QByteArray record(RecordSize, '\0');
  qToLittleEndian(CardWidth, record.data());
  qToLittleEndian(CardHeight, record.data() + 4);
  qToLittleEndian(ImageCount, record.data() + 8);
  qToLittleEndian(ImageKind, record.data() + 12);
  WriteText(record, TitleOffset, Title);
  WriteText(record, AdLinkOffset, AdLink);
  return record;
}
