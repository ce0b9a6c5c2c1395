// Reader of the numbered-entry container shared by tesselo.dat and every card set (*.crd).
//
// Layout (all integers 32-bit little-endian): Reserved, Count, then Count directory records
// {Kind, Size}, then the entries' data back to back. Kind < 0: zlib stream (inflated on read);
// Kind == 1: content whose first two bytes read back as "BM"; any other kind: stored as is.
// Entries have no names; callers address them by 0-based index.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <stdexcept>
#include <vector>

class QIODevice;
class QFile;

// Every failure of the archive code (open, read, inflate, index) is raised as this error;
// its text is a complete sentence fit for a message box.
class EKVResError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

struct TResEntry {
  qint32 Kind = 0;
  qint32 Size = 0;
};

// The directory of an archive.
class TKVCustomRes {
public:
  TKVCustomRes() = default;
  virtual ~TKVCustomRes() = default;

  quint32 Reserved = 0;
  qint32 Count = 0;
  std::vector<TResEntry> Entries;
  // Absolute position of each entry's data. Wider than the stored sizes, so a directory whose
  // sizes add up past 2 GiB cannot wrap around.
  std::vector<qint64> Offsets;
};

// Reads the container from any seekable stream. The reader does not own the stream.
class TKVResReader : public TKVCustomRes {
public:
  // The largest number of bytes a compressed entry may inflate to. Past it the read fails
  // instead of exhausting memory.
  static constexpr qint64 MaxInflatedSize = qint64(256) * 1024 * 1024;

  QIODevice* Stream() const { return FStream; }
  void SetStream(QIODevice* stream) { FStream = stream; }

  // Reads the header and the directory and computes the offsets. False (and an empty
  // directory) when there is no stream, or the header or directory cannot be read, cannot
  // fit in the stream, or gives an entry a negative size. A stream of 4 bytes or fewer is an
  // empty archive. Entries that reach past the end of the stream are reported by their reads.
  bool ReadDirectory();

  // Writes the content of entry Index into Dest from its position 0 (Dest is not truncated)
  // and leaves Dest's position where the last write ended (after "BM" for kind 1).
  // Raises EKVResError for an index outside the directory, data past the end of the stream,
  // corrupt or truncated zlib data, or an entry inflating beyond MaxInflatedSize.
  void ReadToStream(int Index, QIODevice& Dest);

  // Copies the content of entry Index into Buffer, at most Capacity bytes (a compressed entry
  // is inflated up to Capacity). Bytes not delivered leave Buffer as it was. Returns the
  // number of bytes delivered; raises EKVResError like ReadToStream.
  qint64 ReadToBuffer(int Index, void* Buffer, qint64 Capacity);

  // The size of entry Index when ReadToBuffer delivers it exactly as stored and the stream
  // holds all of it, so it can be read at once into an array of that size; -1 otherwise (a
  // compressed entry, a bitmap too short for its "BM", an entry past the end, no such entry),
  // when ReadToStream reads it and reports what is wrong.
  qint64 StoredWholeSize(int Index) const;

private:
  // Steps of ReadDirectory; false when the header or the directory is damaged.
  bool ReadHeader();
  bool ReadRecords();
  // Checks Index and that its data lies inside the stream, then seeks to the data.
  const TResEntry& SeekEntry(int Index);
  // The next Size stored bytes of entry Index, whole.
  QByteArray ReadStored(int Index, qint64 Size);

  QIODevice* FStream = nullptr;
};

// The content of an entry of Kind as ReadToBuffer delivers it, from its stored bytes: Stored
// holds the first StoredSize of them, every one for a compressed entry. Stored may be Buffer
// itself. Raises EKVResError for corrupt or truncated zlib data.
qint64 DeliverEntry(int Index, qint32 Kind, const char* Stored, qint64 StoredSize, void* Buffer,
                    qint64 Capacity);

// Opens a file read-only and reads its directory. Raises EKVResError when the file cannot be
// opened; a damaged directory leaves the reader empty (Count 0) without an error.
class TKVResFileReader : public TKVResReader {
public:
  explicit TKVResFileReader(const QString& FileName);
  ~TKVResFileReader() override;

  TKVResFileReader(const TKVResFileReader&) = delete;
  TKVResFileReader& operator=(const TKVResFileReader&) = delete;

  QFile* FileStream() const { return FFileStream; }

private:
  QFile* FFileStream = nullptr;
};
