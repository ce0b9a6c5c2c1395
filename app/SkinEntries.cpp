#include "SkinEntries.h"

#include "BmpImage.h"

#include <QBuffer>

namespace {

thread_local TSkinBitmapCache* NewestCache = nullptr;

QByteArray ReadEntry(TKVResReader& Reader, int Index) {
  QBuffer stream;
  stream.open(QIODevice::ReadWrite);
  try {
    Reader.ReadToStream(Index, stream);
  } catch (const EKVResError& error) {
    throw ESkinError(error.what());
  }
  // The entry is the whole buffer; the copy shares its bytes.
  return stream.buffer();
}

QImage DecodeSkinBitmap(TKVResReader& Reader, int Index) {
  const QByteArray bytes = ReadEntry(Reader, Index);
  if (bytes.isEmpty())
    return QImage();
  try {
    return DecodeBmp(bytes);
  } catch (const EImageError&) {
    throw ESkinError("Picture " + std::to_string(Index) +
                     " of tesselo.dat is damaged and cannot be shown.");
  }
}

} // namespace

QImage LoadSkinBitmap(TKVResReader& Reader, int Index) {
  if (TSkinBitmapCache* cache = TSkinBitmapCache::For(Reader))
    return cache->Bitmap(Index);
  return DecodeSkinBitmap(Reader, Index);
}

QString LoadSkinText(TKVResReader& Reader, int Index) {
  // The link is plain ASCII; Latin-1 keeps any other byte as the character it names.
  return QString::fromLatin1(ReadEntry(Reader, Index));
}

TSkinBitmapCache::TSkinBitmapCache(TKVResReader& Reader) : FReader(Reader), FOuter(NewestCache) {
  NewestCache = this;
}

TSkinBitmapCache::~TSkinBitmapCache() {
  NewestCache = FOuter;
}

TSkinBitmapCache* TSkinBitmapCache::For(const TKVResReader& Reader) {
  return NewestCache != nullptr && &NewestCache->FReader == &Reader ? NewestCache : nullptr;
}

QImage TSkinBitmapCache::Bitmap(int Index) {
  const auto kept = FBitmaps.find(Index);
  if (kept != FBitmaps.end())
    return kept->second;
  QImage bitmap = DecodeSkinBitmap(FReader, Index);
  FBitmaps.emplace(Index, bitmap);
  return bitmap;
}
