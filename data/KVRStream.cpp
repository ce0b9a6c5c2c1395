#include "KVRStream.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QIODevice>
#include <QtEndian>

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace {

// Inflated data travels in blocks of this size; also the copy block of stored entries.
constexpr qint64 BlockSize = 16384;
constexpr qint64 HeaderSize = 8;
constexpr qint64 RecordSize = 8;

qint32 ReadLE32(const char* p) {
  const auto* u = reinterpret_cast<const unsigned char*>(p);
  return static_cast<qint32>(quint32(u[0]) | quint32(u[1]) << 8 | quint32(u[2]) << 16 |
                             quint32(u[3]) << 24);
}

// What can go wrong with an entry: each a whole sentence, marked for translation, with the
// entry's index as %1.
using TProblem = const char*;

// Problems that more than one step can meet, each worded once.
constexpr TProblem EndsEarly =
    QT_TRANSLATE_NOOP("KVRStream", "Archive entry %1 cannot be read: the archive ends early.");
constexpr TProblem OutOfMemory =
    QT_TRANSLATE_NOOP("KVRStream", "Archive entry %1 cannot be inflated: out of memory.");
constexpr TProblem WriteFailed = QT_TRANSLATE_NOOP(
    "KVRStream", "Archive entry %1 cannot be delivered: writing the destination failed.");

[[noreturn]] void Fail(int Index, TProblem Problem) {
  throw EKVResError(QCoreApplication::translate("KVRStream", Problem).arg(Index).toStdString());
}

// Where a read stands in the compressed data: its bytes, the zlib state, and how far along.
// The zlib state is released however the read ends.
class TInflater {
public:
  TInflater(int Index, const char* Packed, qint64 Size) : FIndex(Index) {
    FZ.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(Packed));
    FZ.avail_in = static_cast<uInt>(Size);
    if (inflateInit(&FZ) != Z_OK)
      Fail(FIndex, OutOfMemory);
  }
  ~TInflater() { inflateEnd(&FZ); }
  TInflater(const TInflater&) = delete;
  TInflater& operator=(const TInflater&) = delete;

  bool Finished() const { return FFinished; }

  // Inflates into Out (Capacity > 0) and returns the bytes produced; zero only at the end of
  // the zlib stream.
  qint64 Next(char* Out, qint64 Capacity) {
    FZ.next_out = reinterpret_cast<Bytef*>(Out);
    FZ.avail_out = static_cast<uInt>(Capacity);
    const int rc = inflate(&FZ, Z_NO_FLUSH);
    const qint64 produced = Capacity - FZ.avail_out;
    if (rc == Z_STREAM_END)
      FFinished = true;
    else if (rc == Z_BUF_ERROR || (rc == Z_OK && produced == 0 && FZ.avail_in == 0))
      Fail(FIndex,
           QT_TRANSLATE_NOOP("KVRStream", "Archive entry %1 holds truncated compressed data."));
    else if (rc != Z_OK)
      Fail(FIndex,
           rc == Z_MEM_ERROR
               ? OutOfMemory
               : QT_TRANSLATE_NOOP("KVRStream", "Archive entry %1 holds corrupt compressed data."));
    return produced;
  }

private:
  int FIndex;
  z_stream FZ{};
  bool FFinished = false;
};

void Rewind(int Index, QIODevice& Dest) {
  if (!Dest.seek(0))
    Fail(Index, QT_TRANSLATE_NOOP(
                    "KVRStream",
                    "Archive entry %1 cannot be delivered: the destination cannot be rewound."));
}

void Put(int Index, QIODevice& Dest, const char* Data, qint64 Size) {
  if (Dest.write(Data, Size) != Size)
    Fail(Index, WriteFailed);
}

void CheckInflatedSize(int Index, qint64 Total) {
  if (Total > TKVResReader::MaxInflatedSize)
    Fail(Index, QT_TRANSLATE_NOOP("KVRStream",
                                  "Archive entry %1 inflates beyond the largest size allowed."));
}

// How much the inflater may write into a memory stream at once, with Total bytes delivered:
// at least a block, then as much again as the content already holds, so an entry of n bytes
// takes about log2(n / BlockSize) passes rather than n / BlockSize. Each pass ends with zlib
// copying what it wrote into its window, so fewer passes copy less. Never more than one byte
// past the largest size allowed, which the check after each pass then reports.
qint64 InflateRoom(qint64 Total) {
  return std::min(std::max(BlockSize, Total), TKVResReader::MaxInflatedSize + 1 - Total);
}

// Every reader of pictures inflates into a memory stream: there the inflater writes straight
// into its bytes instead of through a local block. Bytes past the new content stay as they were.
void InflateIntoBuffer(int Index, const QByteArray& Packed, QBuffer& Dest) {
  if (!Dest.isWritable())
    Fail(Index, WriteFailed);
  QByteArray& bytes = Dest.buffer();
  const qsizetype oldSize = bytes.size();
  qint64 total = 0;
  // However the read ends, the bytes keep at least their old size, and the position is after
  // the content delivered, as with any other destination.
  const auto settle = [&] {
    bytes.resize(std::max<qint64>(oldSize, total));
    Dest.seek(total);
  };
  try {
    TInflater inflater(Index, Packed.constData(), Packed.size());
    while (!inflater.Finished()) {
      const qint64 room = InflateRoom(total);
      if (bytes.size() < total + room)
        bytes.resize(total + room);
      total += inflater.Next(bytes.data() + total, room);
      CheckInflatedSize(Index, total);
    }
  } catch (...) {
    settle();
    throw;
  }
  settle();
}

void InflateTo(int Index, const QByteArray& Packed, QIODevice& Dest) {
  if (auto* buffer = qobject_cast<QBuffer*>(&Dest))
    return InflateIntoBuffer(Index, Packed, *buffer);
  TInflater inflater(Index, Packed.constData(), Packed.size());
  std::array<char, BlockSize> block;
  qint64 total = 0;
  while (!inflater.Finished()) {
    const qint64 n = inflater.Next(block.data(), BlockSize);
    total += n;
    CheckInflatedSize(Index, total);
    Put(Index, Dest, block.data(), n);
  }
}

void CopyTo(int Index, QIODevice& Source, qint64 Size, QIODevice& Dest) {
  std::array<char, BlockSize> block;
  for (qint64 left = Size; left > 0;) {
    const qint64 want = std::min(left, BlockSize);
    if (Source.read(block.data(), want) != want)
      Fail(Index, EndsEarly);
    Put(Index, Dest, block.data(), want);
    left -= want;
  }
}

// Moves Stream to Position. A stream already there is left alone: on an unbuffered file every
// seek is a system call, and the catalogue scan opens many files to read a few bytes each.
// A closed or sequential stream cannot seek, wherever it stands.
bool SeekTo(QIODevice& Stream, qint64 Position) {
  if (!Stream.isOpen() || Stream.isSequential())
    return false;
  return Stream.pos() == Position || Stream.seek(Position);
}

} // namespace

bool TKVResReader::ReadDirectory() {
  if (!FStream)
    return false;
  if (SeekTo(*FStream, 0) && ReadHeader() && ReadRecords())
    return true;
  Reserved = 0;
  Count = 0;
  Entries.clear();
  Offsets.clear();
  return false;
}

bool TKVResReader::ReadHeader() {
  // A short header is not an error: the missing bytes keep the fields as they were.
  std::array<char, HeaderSize> header{};
  const qint64 got = FStream->read(header.data(), HeaderSize);
  if (got < 0)
    return false;
  if (got >= 4)
    Reserved = static_cast<quint32>(ReadLE32(header.data()));
  if (got > 4) {
    std::array<char, 4> count{};
    qToLittleEndian(Count, count.data());
    std::copy(header.begin() + 4, header.begin() + got, count.begin());
    Count = ReadLE32(count.data());
  }
  return Count >= 0;
}

bool TKVResReader::ReadRecords() {
  Entries.clear();
  Offsets.clear();
  if (Count == 0)
    return true;
  // A directory that cannot fit in the stream is a damaged header; checking first means a
  // huge count never allocates.
  const qint64 directorySize = qint64(Count) * RecordSize;
  if (HeaderSize + directorySize > FStream->size())
    return false;
  QByteArray records(directorySize, Qt::Uninitialized);
  if (FStream->read(records.data(), directorySize) != directorySize)
    return false;

  Entries.resize(Count);
  Offsets.resize(Count);
  qint64 p = HeaderSize + directorySize;
  for (qint32 i = 0; i < Count; ++i) {
    Entries[i].Kind = ReadLE32(records.constData() + i * RecordSize);
    Entries[i].Size = ReadLE32(records.constData() + i * RecordSize + 4);
    // A negative size would move every later entry back into the directory.
    if (Entries[i].Size < 0)
      return false;
    Offsets[i] = p;
    p += Entries[i].Size;
  }
  return true;
}

const TResEntry& TKVResReader::SeekEntry(int Index) {
  if (Index < 0 || Index >= Count || std::size_t(Index) >= Entries.size())
    throw EKVResError(
        QCoreApplication::translate("KVRStream",
                                    "Archive entry %1 does not exist; the archive has %n entries.",
                                    nullptr, Count)
            .arg(Index)
            .toStdString());
  if (!FStream)
    Fail(Index, QT_TRANSLATE_NOOP("KVRStream",
                                  "Archive entry %1 cannot be read: the archive has no stream."));
  const TResEntry& entry = Entries[Index];
  if (Offsets[Index] + entry.Size > FStream->size())
    Fail(Index,
         QT_TRANSLATE_NOOP("KVRStream", "Archive entry %1 reaches past the end of the archive."));
  if (!SeekTo(*FStream, Offsets[Index]))
    Fail(Index,
         QT_TRANSLATE_NOOP("KVRStream",
                           "Archive entry %1 cannot be read: seeking in the archive failed."));
  return entry;
}

QByteArray TKVResReader::ReadStored(int Index, qint64 Size) {
  QByteArray data(Size, Qt::Uninitialized);
  if (Size > 0 && FStream->read(data.data(), Size) != Size)
    Fail(Index, EndsEarly);
  return data;
}

void TKVResReader::ReadToStream(int Index, QIODevice& Dest) {
  const TResEntry& entry = SeekEntry(Index);
  Rewind(Index, Dest);
  if (entry.Kind < 0) {
    if (entry.Size > 0)
      InflateTo(Index, ReadStored(Index, entry.Size), Dest);
    return;
  }
  CopyTo(Index, *FStream, entry.Size, Dest);
  if (entry.Kind == 1) {
    Rewind(Index, Dest);
    Put(Index, Dest, "BM", 2);
  }
}

qint64 TKVResReader::ReadToBuffer(int Index, void* Buffer, qint64 Capacity) {
  const TResEntry& entry = SeekEntry(Index);
  if (Capacity <= 0)
    return 0;
  if (entry.Kind < 0) {
    const QByteArray packed = ReadStored(Index, entry.Size);
    return DeliverEntry(Index, entry.Kind, packed.constData(), packed.size(), Buffer, Capacity);
  }
  char* out = static_cast<char*>(Buffer);
  const qint64 want = std::min<qint64>(entry.Size, Capacity);
  if (want > 0 && FStream->read(out, want) != want)
    Fail(Index, EndsEarly);
  return DeliverEntry(Index, entry.Kind, out, want, Buffer, Capacity);
}

qint64 TKVResReader::StoredWholeSize(int Index) const {
  if (FStream == nullptr || Index < 0 || size_t(Index) >= Entries.size() ||
      size_t(Index) >= Offsets.size())
    return -1;
  const TResEntry& entry = Entries[size_t(Index)];
  // A bitmap entry shorter than the "BM" written over its start reads differently in a stream.
  const bool asStored = entry.Kind == 0 || (entry.Kind > 0 && entry.Size >= 2);
  const bool held = Offsets[size_t(Index)] + entry.Size <= FStream->size();
  return asStored && held ? entry.Size : -1;
}

qint64 DeliverEntry(int Index, qint32 Kind, const char* Stored, qint64 StoredSize, void* Buffer,
                    qint64 Capacity) {
  char* out = static_cast<char*>(Buffer);
  if (Capacity <= 0)
    return 0;
  if (Kind < 0) {
    if (StoredSize <= 0)
      return 0;
    TInflater inflater(Index, Stored, StoredSize);
    qint64 delivered = 0;
    while (delivered < Capacity && !inflater.Finished()) {
      const qint64 room = std::min<qint64>(Capacity - delivered, BlockSize);
      delivered += inflater.Next(out + delivered, room);
    }
    return delivered;
  }
  const qint64 want = std::min(StoredSize, Capacity);
  if (want > 0 && out != Stored)
    std::memmove(out, Stored, std::size_t(want));
  if (Kind != 1)
    return want;
  const qint64 signature = std::min<qint64>(2, Capacity);
  std::memcpy(out, "BM", std::size_t(signature));
  return std::max(want, signature);
}

TKVResFileReader::TKVResFileReader(const QString& FileName) {
  auto file = std::make_unique<QFile>(FileName);
  if (!file->open(QIODevice::ReadOnly))
    throw EKVResError(QCoreApplication::translate("KVRStream", "Cannot open the archive %1: %2.")
                          .arg(FileName, file->errorString())
                          .toStdString());
  FFileStream = file.release();
  SetStream(FFileStream);
  ReadDirectory();
}

TKVResFileReader::~TKVResFileReader() {
  SetStream(nullptr);
  delete FFileStream;
}
