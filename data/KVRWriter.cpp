#include "KVRWriter.h"

#include "KVRStream.h"
#include <QCoreApplication>

#include <QSaveFile>
#include <QtEndian>

#include <zlib.h>

#include <limits>

namespace {

constexpr qint64 MaxSize = std::numeric_limits<qint32>::max();

void PutLE32(QByteArray& Out, quint32 Value) {
  char bytes[4];
  qToLittleEndian(Value, bytes);
  Out.append(bytes, 4);
}

QByteArray Deflate(const QByteArray& Content) {
  uLongf size = compressBound(uLong(Content.size()));
  QByteArray packed(qsizetype(size), Qt::Uninitialized);
  const int rc = compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                           reinterpret_cast<const Bytef*>(Content.constData()),
                           uLong(Content.size()), TKVResWriter::CompressionLevel);
  if (rc != Z_OK)
    throw EKVResError(
        QCoreApplication::translate("KVRWriter", "Compressing an archive entry failed.")
            .toStdString());
  packed.resize(qsizetype(size));
  return packed;
}

} // namespace

int TKVResWriter::AddPlain(const QByteArray& Content) {
  return AddRaw(PlainKind, Content);
}

int TKVResWriter::AddBitmap(const QByteArray& Content) {
  return AddRaw(BitmapKind, Content);
}

int TKVResWriter::AddCompressed(const QByteArray& Content) {
  if (Content.size() > MaxSize)
    throw EKVResError(
        QCoreApplication::translate("KVRWriter", "An archive entry cannot hold 2 GiB or more.")
            .toStdString());
  return AddRaw(CompressedKind, Deflate(Content));
}

int TKVResWriter::AddRaw(qint32 Kind, const QByteArray& Stored) {
  const qint64 directory = 8 + 8 * qint64(FEntries.size() + 1);
  if (Stored.size() > MaxSize || directory + FDataSize + Stored.size() > MaxSize)
    throw EKVResError(
        QCoreApplication::translate("KVRWriter", "The archive cannot grow to 2 GiB or more.")
            .toStdString());
  FEntries.push_back({Kind, Stored});
  FDataSize += Stored.size();
  return int(FEntries.size() - 1);
}

QByteArray TKVResWriter::ToBytes() const {
  QByteArray out;
  out.reserve(8 + 8 * qsizetype(FEntries.size()) + FDataSize);
  PutLE32(out, FReserved);
  PutLE32(out, quint32(FEntries.size()));
  for (const TStored& e : FEntries) {
    PutLE32(out, quint32(e.Kind));
    PutLE32(out, quint32(e.Data.size()));
  }
  for (const TStored& e : FEntries)
    out.append(e.Data);
  return out;
}

void TKVResWriter::SaveToFile(const QString& Path) const {
  QSaveFile file(Path);
  const auto fail = [&] {
    throw EKVResError(QCoreApplication::translate("KVRWriter", "Cannot write the archive %1: %2.")
                          .arg(Path, file.errorString())
                          .toStdString());
  };
  // Unbuffered, so a write cut short by a full disk fails here instead of inside commit(),
  // which would otherwise still rename the short file into place.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    fail();
  const QByteArray bytes = ToBytes();
  if (file.write(bytes) != bytes.size())
    fail();
  if (!file.commit())
    fail();
}
