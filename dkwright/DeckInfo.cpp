#include "DeckInfo.h"

#include "DeckError.h"
#include "FaceFormat.h"

#include "CardSetHeader.h"
#include "KVRStream.h"

#include <QBuffer>
#include <QTextStream>

namespace {

QString StorageName(qint32 kind) {
  if (kind < 0)
    return QStringLiteral("compressed");
  if (kind == 1)
    return QStringLiteral("bitmap");
  return QStringLiteral("plain");
}

QString Role(int index) {
  switch (index) {
  case TCardSetEntries::Header:
    return QStringLiteral("header");
  case TCardSetEntries::Advert:
    return QStringLiteral("advert");
  case TCardSetEntries::Back:
    return QStringLiteral("back");
  default:
    // Faces are counted from 1, as the player counts them.
    return QStringLiteral("face %1").arg(index - TCardSetEntries::FirstFace + 1);
  }
}

QByteArray Content(TKVResFileReader& reader, int index) {
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  reader.ReadToStream(index, buffer);
  return buffer.data();
}

QString Columns(const QString& index, const QString& role, const QString& storage,
                const QString& stored, const QString& delivered, const QString& format) {
  return QStringLiteral("%1  %2  %3  %4  %5  %6")
      .arg(index, 4)
      .arg(role, -9)
      .arg(storage, -10)
      .arg(stored, 9)
      .arg(delivered, 9)
      .arg(format);
}

QString EntryLine(TKVResFileReader& reader, int index) {
  const TResEntry& entry = reader.Entries[size_t(index)];
  const QByteArray content = Content(reader, index);
  const QString format = index == TCardSetEntries::Header
                             ? QStringLiteral("-")
                             : FaceFormatName(SniffFaceFormat(content));
  return Columns(QString::number(index), Role(index), StorageName(entry.Kind),
                 QString::number(entry.Size), QString::number(content.size()), format);
}

} // namespace

QString DescribeDeck(const QString& Path) {
  try {
    TKVResFileReader reader(Path);
    if (reader.Count < 3)
      throw EDeckError(QStringLiteral("%1: not a card set (it has %2 entries, a set at least 3).")
                           .arg(Path)
                           .arg(reader.Count)
                           .toStdString());
    QByteArray record(TCardSetHeader::RecordSize, '\0');
    reader.ReadToBuffer(0, record.data(), record.size());
    const TCardSetHeader header = TCardSetHeader::FromBytes(record);
    QString text;
    QTextStream out(&text);
    out << "Title:        " << header.Title << "\n"
        << "Link:         " << header.AdLink << "\n"
        << "Card box:     " << header.CardWidth << " x " << header.CardHeight << "\n"
        << "Faces:        " << header.ImageCount << "\n"
        << "Face format:  " << FaceFormatName(FormatOfImageKind(header.ImageKind)) << " (ImageKind "
        << header.ImageKind << ")\n"
        << "Entries:      " << reader.Count << "\n"
        << Columns(QStringLiteral("#"), QStringLiteral("role"), QStringLiteral("storage"),
                   QStringLiteral("stored"), QStringLiteral("delivered"), QStringLiteral("format"))
        << "\n";
    for (int i = 0; i < reader.Count; ++i)
      out << EntryLine(reader, i) << "\n";
    return text;
  } catch (const EKVResError& error) {
    throw EDeckError(
        QStringLiteral("%1: %2").arg(Path, QString::fromUtf8(error.what())).toStdString());
  }
}
