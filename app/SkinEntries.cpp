#include "SkinEntries.h"

#include "KVRStream.h"
#include "KVstring.h"

#include <QBuffer>

namespace {

QByteArray ReadEntry(TKVResReader& Reader, int Index) {
  QBuffer stream;
  stream.open(QIODevice::ReadWrite);
  try {
    Reader.ReadToStream(Index, stream);
  } catch (const EKVResError& error) {
    throw ESkinError(error.what());
  }
  stream.seek(0);
  return ReadStringFromStream(stream, -1);
}

} // namespace

QImage LoadSkinBitmap(TKVResReader& Reader, int Index) {
  const QByteArray bytes = ReadEntry(Reader, Index);
  if (bytes.isEmpty())
    return QImage();
  QImage image;
  if (!image.loadFromData(bytes, "BMP"))
    throw ESkinError("Picture " + std::to_string(Index) +
                     " of tesselo.dat is damaged and cannot be shown.");
  return image;
}

QString LoadSkinText(TKVResReader& Reader, int Index) {
  // The link is plain ASCII; Latin-1 keeps any other byte as the character it names.
  return QString::fromLatin1(ReadEntry(Reader, Index));
}
