#include "SkinEntries.h"

#include "BmpImage.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileDevice>
#include <QFileInfo>

#include <string>

namespace {

QByteArray ReadEntry(TKVResReader& Archive, int Index) {
  // The pictures are stored as they are, so each is read at once into an array of its size;
  // other entries go through a stream, whose reader inflates them.
  try {
    const qint64 size = Archive.StoredWholeSize(Index);
    if (size >= 0) {
      QByteArray bytes(size, Qt::Uninitialized);
      bytes.truncate(Archive.ReadToBuffer(Index, bytes.data(), bytes.size()));
      return bytes;
    }
  } catch (const EKVResError& error) {
    throw ESkinError(error.what());
  }
  QBuffer stream;
  stream.open(QIODevice::ReadWrite);
  try {
    Archive.ReadToStream(Index, stream);
  } catch (const EKVResError& error) {
    throw ESkinError(error.what());
  }
  // The entry is the whole buffer; the copy shares its bytes.
  return stream.buffer();
}

QImage DecodeSkinBitmap(TKVResReader& Archive, const QString& ArchiveName, int Index) {
  const QByteArray bytes = ReadEntry(Archive, Index);
  if (bytes.isEmpty())
    return QImage();
  try {
    return DecodeBmp(bytes);
  } catch (const EImageError&) {
    throw ESkinError(QCoreApplication::translate("SkinEntries",
                                                 "Picture %1 of %2 is damaged and cannot be shown.")
                         .arg(QString::number(Index), ArchiveName)
                         .toStdString());
  }
}

} // namespace

TSkinReader::TSkinReader(TKVResReader& Archive)
    : FArchive(&Archive), FArchiveName(QStringLiteral("tesselo.dat")) {
  if (const auto* file = qobject_cast<const QFileDevice*>(Archive.Stream()))
    FArchiveName = QFileInfo(file->fileName()).fileName();
}

TSkinReader::TSkinReader(TSkinReader& Source, std::initializer_list<int> Entries)
    : FArchiveName(Source.FArchiveName) {
  for (const int index : Entries)
    FBitmaps.emplace(index, Source.Bitmap(index));
}

TKVResReader& TSkinReader::Archive(int Index) {
  if (FArchive == nullptr)
    throw ESkinError("Entry " + std::to_string(Index) + " of " + FArchiveName.toStdString() +
                     " was not read while the archive was open.");
  return *FArchive;
}

QImage TSkinReader::Bitmap(int Index) {
  const auto kept = FBitmaps.find(Index);
  if (kept != FBitmaps.end())
    return kept->second;
  QImage bitmap = DecodeSkinBitmap(Archive(Index), FArchiveName, Index);
  FBitmaps.emplace(Index, bitmap);
  return bitmap;
}

QString TSkinReader::Text(int Index) {
  // The link is plain ASCII; Latin-1 keeps any other byte as the character it names.
  return QString::fromLatin1(ReadEntry(Archive(Index), Index));
}
