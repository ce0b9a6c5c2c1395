#include "FuzzCheck.h"
#include "FuzzEntries.h"

#include "CardSetHeader.h"
#include "KVRStream.h"

#include <QBuffer>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

namespace fuzzentry {
namespace {

// Enough entries to reach every kind and the tail of a fuzzed directory without making one
// input cost seconds.
constexpr int MaxEntriesRead = 64;
// The capacity the card-set header reader passes, and one that cuts the "BM" signature.
constexpr qint64 HeaderCapacity = TCardSetHeader::RecordSize;
constexpr qint64 TinyCapacity = 1;

std::optional<QByteArray> ReadWhole(TKVResReader& Reader, int Index) {
  QBuffer dest;
  dest.open(QIODevice::ReadWrite);
  try {
    Reader.ReadToStream(Index, dest);
  } catch (const EKVResError&) {
    return std::nullopt;
  }
  return dest.data();
}

// The buffer is exactly Capacity bytes on the heap, so a write past it is caught.
std::optional<QByteArray> ReadCapped(TKVResReader& Reader, int Index, qint64 Capacity) {
  const auto buffer = std::make_unique<char[]>(size_t(Capacity));
  std::memset(buffer.get(), 0, size_t(Capacity));
  qint64 delivered = 0;
  try {
    delivered = Reader.ReadToBuffer(Index, buffer.get(), Capacity);
  } catch (const EKVResError&) {
    return std::nullopt;
  }
  Check(delivered >= 0 && delivered <= Capacity, "ReadToBuffer delivers within its capacity");
  return QByteArray(buffer.get(), delivered);
}

void CheckStoredContent(const TResEntry& Entry, const QByteArray& Whole) {
  Check(Whole.size() <= TKVResReader::MaxInflatedSize, "no entry is larger than the bound");
  if (Entry.Kind < 0)
    return;
  Check(Whole.size() == std::max<qint64>(Entry.Size, Entry.Kind == 1 ? 2 : 0),
        "a stored entry reads back as its stored size");
  if (Entry.Kind == 1)
    Check(Whole.startsWith("BM"), "a bitmap entry starts with BM");
}

// Both ways of reading an entry deliver the same bytes where both succeed.
void ReadEntryBothWays(TKVResReader& Reader, int Index) {
  const std::optional<QByteArray> whole = ReadWhole(Reader, Index);
  if (whole)
    CheckStoredContent(Reader.Entries[size_t(Index)], *whole);
  for (const qint64 capacity : {HeaderCapacity, TinyCapacity}) {
    const std::optional<QByteArray> capped = ReadCapped(Reader, Index, capacity);
    if (!whole || !capped)
      continue;
    Check(capped->size() == std::min<qint64>(whole->size(), capacity),
          "ReadToBuffer delivers as much as fits of what ReadToStream delivers");
    Check(whole->startsWith(*capped), "ReadToBuffer and ReadToStream agree");
  }
}

void CheckDirectory(const TKVResReader& Reader, bool Read) {
  Check(Reader.Count >= 0, "the entry count is never negative");
  Check(Reader.Entries.size() == size_t(Reader.Count) &&
            Reader.Offsets.size() == size_t(Reader.Count),
        "the directory holds Count entries and offsets");
  Check(Read || Reader.Count == 0, "a damaged directory leaves an empty archive");
}

void CheckOutsideIndexRefused(TKVResReader& Reader, int Index) {
  QBuffer dest;
  dest.open(QIODevice::ReadWrite);
  try {
    Reader.ReadToStream(Index, dest);
  } catch (const EKVResError&) {
    Check(dest.size() == 0, "a refused index writes nothing");
    return;
  }
  Broken("an index outside the directory is refused");
}

} // namespace

int Archive(const uint8_t* Data, size_t Size) {
  QByteArray bytes = Bytes(Data, Size);
  QBuffer stream(&bytes);
  stream.open(QIODevice::ReadOnly);
  TKVResReader reader;
  reader.SetStream(&stream);
  const bool read = reader.ReadDirectory();
  CheckDirectory(reader, read);
  CheckOutsideIndexRefused(reader, -1);
  CheckOutsideIndexRefused(reader, reader.Count);
  for (int i = 0; i < std::min(reader.Count, MaxEntriesRead); ++i)
    ReadEntryBothWays(reader, i);
  return 0;
}

} // namespace fuzzentry
