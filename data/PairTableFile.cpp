#include "PairTableFile.h"

#include "CardSetHeader.h"
#include "KVRStream.h"
#include "WaveClip.h"

#include <QCoreApplication>

namespace {

// At most Limit + 1 bytes of entry Index: one more than allowed tells that it is too large,
// without inflating or reading the rest.
QByteArray ReadBounded(TKVResReader& Reader, int Index, qsizetype Limit) {
  QByteArray bytes(Limit + 1, Qt::Uninitialized);
  bytes.truncate(Reader.ReadToBuffer(Index, bytes.data(), bytes.size()));
  return bytes;
}

QString Tr(const char* Text) {
  return QCoreApplication::translate("PairTable", Text);
}

} // namespace

TPairTable ReadPairTable(TKVResReader& Reader, qint32 ImageCount) {
  const qint64 entry = qint64(TCardSetEntries::FirstFace) + ImageCount;
  if (ImageCount < 0 || entry >= Reader.Count)
    return {};
  const qsizetype signatureSize = qsizetype(sizeof(PairTableSignature) - 1);
  try {
    if (ReadBounded(Reader, int(entry), signatureSize - 1) != PairTableSignature)
      return {};
  } catch (const EKVResError&) {
    return {}; // as an older reader, which never reads it
  }
  TPairTable table;
  try {
    table = PairTableFromBytes(ReadBounded(Reader, int(entry), TPairTable::MaxBytes));
  } catch (const EKVResError& error) {
    throw EPairTableError(
        Tr("Its pair table cannot be read: %1").arg(QString::fromUtf8(error.what())).toStdString());
  }
  if (qint64(table.Faces.size()) != ImageCount)
    throw EPairTableError(Tr("Its pair table describes %1 faces; the set has %2.")
                              .arg(table.Faces.size())
                              .arg(ImageCount)
                              .toStdString());
  for (const TPairFace& face : table.Faces)
    if (face.Kind == TFaceKind::Sound && face.SoundEntry >= Reader.Count)
      throw EPairTableError(
          Tr("Its pair table names a sound the file does not hold.").toStdString());
  return table;
}

QByteArray ReadSoundClip(TKVResReader& Reader, const TPairTable& Table, int Face) {
  if (Face < 0 || Face >= int(Table.Faces.size()) ||
      Table.Faces[size_t(Face)].Kind != TFaceKind::Sound)
    throw EPairTableError(Tr("Face %1 is not a sound.").arg(qint64(Face) + 1).toStdString());
  QByteArray clip = ReadBounded(Reader, Table.Faces[size_t(Face)].SoundEntry, TWaveClip::MaxBytes);
  ReadWaveClip(clip);
  return clip;
}
