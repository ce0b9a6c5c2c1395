#include "DeckInfo.h"

#include "DeckError.h"
#include "FaceFormat.h"

#include "CardSetHeader.h"
#include "KVRStream.h"
#include "PairTableFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <utility>

namespace {

QString Tr(const char* Text) {
  return QCoreApplication::translate("Deckwright", Text);
}

QString StorageName(qint32 kind) {
  if (kind < 0)
    return Tr(QT_TRANSLATE_NOOP("Deckwright", "compressed"));
  if (kind == 1)
    return Tr(QT_TRANSLATE_NOOP("Deckwright", "bitmap"));
  return Tr(QT_TRANSLATE_NOOP("Deckwright", "plain"));
}

// What the entries after the faces hold: the pair table and its clips, or whatever an older
// set kept there.
QString TrailingRole(int index, qint32 imageCount, const TPairTable& table) {
  if (!table.IsMixed())
    return Tr(QT_TRANSLATE_NOOP("Deckwright", "other"));
  if (index == TCardSetEntries::FirstFace + imageCount)
    return Tr(QT_TRANSLATE_NOOP("Deckwright", "pair table"));
  for (const TPairFace& face : table.Faces)
    if (face.SoundEntry == index)
      return Tr(QT_TRANSLATE_NOOP("Deckwright", "sound"));
  return Tr(QT_TRANSLATE_NOOP("Deckwright", "other"));
}

QString Role(int index, qint32 imageCount, const TPairTable& table) {
  if (index >= TCardSetEntries::FirstFace && index - TCardSetEntries::FirstFace >= imageCount)
    return TrailingRole(index, imageCount, table);
  switch (index) {
  case TCardSetEntries::Header:
    return Tr(QT_TRANSLATE_NOOP("Deckwright", "header"));
  case TCardSetEntries::Advert:
    return Tr(QT_TRANSLATE_NOOP("Deckwright", "advert"));
  case TCardSetEntries::Back:
    return Tr(QT_TRANSLATE_NOOP("Deckwright", "back"));
  default:
    // Faces are counted from 1, as the player counts them.
    return QCoreApplication::translate("Deckwright", "face %1")
        .arg(index - TCardSetEntries::FirstFace + 1);
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
      .arg(role, -12)
      .arg(storage, -12)
      .arg(stored, 9)
      .arg(delivered, 9)
      .arg(format);
}

QString EntryLine(TKVResFileReader& reader, int index, qint32 imageCount, const TPairTable& table) {
  const TResEntry& entry = reader.Entries[size_t(index)];
  const QByteArray content = Content(reader, index);
  const TFaceFormat face = SniffFaceFormat(content);
  QString format = FaceFormatName(face);
  if (index == TCardSetEntries::Header || content.startsWith(PairTableSignature))
    format = QStringLiteral("-");
  else if (face == TFaceFormat::Unknown && content.startsWith("RIFF") &&
           content.mid(8, 4) == "WAVE")
    format = QStringLiteral("WAV");
  return Columns(QString::number(index), Role(index, imageCount, table), StorageName(entry.Kind),
                 QString::number(entry.Size), QString::number(content.size()), format);
}

// A face as the pair listing shows it: kind, file and texts in the set's languages.
QString SideText(const TPairTable& table, int face) {
  const TPairFace& side = table.Faces[size_t(face)];
  QStringList texts;
  for (const QString& language : table.Languages)
    if (side.Texts.contains(language))
      texts.push_back(side.Kind == TFaceKind::Word
                          ? QStringLiteral("\"%1\"").arg(side.Texts.value(language))
                          : side.Texts.value(language));
  QString text = FaceKindName(side.Kind);
  if (side.Kind != TFaceKind::Word)
    text += QLatin1Char(' ') + (side.File.isEmpty()
                                    ? Tr(QT_TRANSLATE_NOOP("Deckwright", "face %1")).arg(face + 1)
                                    : side.File);
  if (side.Kind == TFaceKind::Word)
    return text + QLatin1Char(' ') + texts.join(QStringLiteral(" / ")) +
           (side.Language.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(side.Language));
  return texts.isEmpty() ? text
                         : text + QStringLiteral(" (%1)").arg(texts.join(QStringLiteral(" / ")));
}

void DescribePairs(TKVResFileReader& reader, qint32 imageCount, TPairTable& table,
                   QTextStream& out) {
  try {
    table = ReadPairTable(reader, imageCount);
  } catch (const EPairTableError& error) {
    out << Tr(QT_TRANSLATE_NOOP("Deckwright", "Pairs:")) << "  " << QString::fromUtf8(error.what())
        << "\n";
    return;
  }
  if (!table.IsMixed())
    return;
  out << Tr(QT_TRANSLATE_NOOP("Deckwright", "Pairs:")) << "  "
      << table.Languages.join(QStringLiteral(", ")) << "\n";
  for (size_t p = 0; p < table.Pairs.size(); ++p)
    out << QStringLiteral("%1: %2 <-> %3")
               .arg(p + 1, 4)
               .arg(SideText(table, table.Pairs[p][0]), SideText(table, table.Pairs[p][1]))
        << "\n";
}

} // namespace

QString DescribeDeck(const QString& Path) {
  try {
    TKVResFileReader reader(Path);
    if (reader.Count < 3)
      throw EDeckError(
          QCoreApplication::translate("Deckwright",
                                      "%1: not a card set (it has %n entries, a set at least 3).",
                                      nullptr, reader.Count)
              .arg(Path)
              .toStdString());
    QByteArray record(TCardSetHeader::RecordSize, '\0');
    reader.ReadToBuffer(0, record.data(), record.size());
    const TCardSetHeader header = TCardSetHeader::FromBytes(record);
    QString text;
    QTextStream out(&text);
    const QList<std::pair<QString, QString>> fields = {
        {Tr(QT_TRANSLATE_NOOP("Deckwright", "Title:")), header.Title},
        {Tr(QT_TRANSLATE_NOOP("Deckwright", "Link:")), header.AdLink},
        {Tr(QT_TRANSLATE_NOOP("Deckwright", "Card box:")),
         QStringLiteral("%1 x %2").arg(header.CardWidth).arg(header.CardHeight)},
        {Tr(QT_TRANSLATE_NOOP("Deckwright", "Faces:")), QString::number(header.ImageCount)},
        {Tr(QT_TRANSLATE_NOOP("Deckwright", "Face format:")),
         QStringLiteral("%1 (ImageKind %2)")
             .arg(FaceFormatName(FormatOfImageKind(header.ImageKind)))
             .arg(header.ImageKind)},
        {Tr(QT_TRANSLATE_NOOP("Deckwright", "Entries:")), QString::number(reader.Count)}};
    // The values line up two spaces after the longest label, whatever the language.
    qsizetype labelWidth = 0;
    for (const auto& field : fields)
      labelWidth = std::max(labelWidth, field.first.size());
    for (const auto& field : fields)
      out << field.first.leftJustified(labelWidth + 2) << field.second << "\n";
    out << Columns(QStringLiteral("#"), Tr(QT_TRANSLATE_NOOP("Deckwright", "role")),
                   Tr(QT_TRANSLATE_NOOP("Deckwright", "storage")),
                   Tr(QT_TRANSLATE_NOOP("Deckwright", "stored")),
                   Tr(QT_TRANSLATE_NOOP("Deckwright", "delivered")),
                   Tr(QT_TRANSLATE_NOOP("Deckwright", "format")))
        << "\n";
    TPairTable table;
    QString pairs;
    QTextStream pairsOut(&pairs);
    DescribePairs(reader, header.ImageCount, table, pairsOut);
    pairsOut.flush();
    for (int i = 0; i < reader.Count; ++i)
      out << EntryLine(reader, i, header.ImageCount, table) << "\n";
    out << pairs;
    return text;
  } catch (const EKVResError& error) {
    throw EDeckError(
        QStringLiteral("%1: %2").arg(Path, QString::fromUtf8(error.what())).toStdString());
  }
}
