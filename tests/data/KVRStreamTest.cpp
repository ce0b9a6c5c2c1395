// Byte-level fixtures for the entry container. Files are built either with the writer or, for
// damaged ones, byte by byte, so each test shows exactly which bytes it feeds the reader.
#include "KVRStream.h"
#include "CardSetHeader.h"
#include "KVRWriter.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtEndian>
#include <gtest/gtest.h>
#include <zlib.h>

#include <array>
#include <cstdint>
#include <limits>

namespace {

QByteArray LE32(qint32 v) {
  QByteArray b(4, '\0');
  qToLittleEndian(v, b.data());
  return b;
}

// Header and directory for the given (kind, size) records, without any data.
QByteArray Directory(quint32 reserved, qint32 count, std::initializer_list<TResEntry> records) {
  QByteArray b = LE32(qint32(reserved)) + LE32(count);
  for (const TResEntry& r : records)
    b += LE32(r.Kind) + LE32(r.Size);
  return b;
}

QByteArray Zlib(const QByteArray& content) {
  uLongf size = compressBound(uLong(content.size()));
  QByteArray out(qsizetype(size), '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size,
            reinterpret_cast<const Bytef*>(content.constData()), uLong(content.size()), 6);
  out.resize(qsizetype(size));
  return out;
}

// A reader over an in-memory archive; keeps the bytes alive for the reader's lifetime.
struct MemArchive {
  explicit MemArchive(const QByteArray& bytes) : Bytes(bytes), Buffer(&Bytes) {
    Buffer.open(QIODevice::ReadOnly);
    Reader.SetStream(&Buffer);
    Ok = Reader.ReadDirectory();
  }
  QByteArray Read(int index) {
    QByteArray out;
    QBuffer dest(&out);
    dest.open(QIODevice::ReadWrite);
    Reader.ReadToStream(index, dest);
    return out;
  }
  QByteArray Bytes;
  QBuffer Buffer;
  TKVResReader Reader;
  bool Ok = false;
};

// A random-access sink that keeps nothing, for reads too large to hold.
class NullDevice : public QIODevice {
protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char*, qint64 len) override { return len; }
};

QByteArray Pattern(qsizetype n) {
  QByteArray b(n, '\0');
  for (qsizetype i = 0; i < n; ++i)
    b[i] = char((i * 7 + i / 251) & 0xFF);
  return b;
}

} // namespace

TEST(KVRStreamDirectory, OffsetsFollowFromSizesOnly) {
  MemArchive a(Directory(0xDEADBEEF, 3, {{0, 5}, {2, 0}, {7, 3}}) + "hellobye");
  ASSERT_TRUE(a.Ok);
  EXPECT_EQ(a.Reader.Reserved, 0xDEADBEEFu);
  ASSERT_EQ(a.Reader.Count, 3);
  EXPECT_EQ(a.Reader.Offsets, (std::vector<qint64>{32, 37, 37}));
  EXPECT_EQ(a.Read(0), "hello");
  EXPECT_EQ(a.Read(1), "");
  EXPECT_EQ(a.Read(2), "bye");
}

TEST(KVRStreamDirectory, ChangingOneSizeShiftsTheLaterEntries) {
  const QByteArray data = "aaaabbbcc";
  MemArchive a(Directory(0, 3, {{0, 4}, {0, 3}, {0, 2}}) + data);
  MemArchive b(Directory(0, 3, {{0, 3}, {0, 3}, {0, 2}}) + data);
  EXPECT_EQ(a.Read(1), "bbb");
  EXPECT_EQ(b.Read(1), "abb");
  EXPECT_EQ(b.Read(2), "bc");
}

TEST(KVRStreamDirectory, EmptyAndShortFilesOpenEmpty) {
  MemArchive eight(Directory(0, 0, {}));
  EXPECT_TRUE(eight.Ok);
  EXPECT_EQ(eight.Reader.Count, 0);
  for (int n = 0; n <= 4; ++n) {
    MemArchive shortFile(QByteArray(n, '\x11'));
    EXPECT_TRUE(shortFile.Ok) << n;
    EXPECT_EQ(shortFile.Reader.Count, 0) << n;
    EXPECT_TRUE(shortFile.Reader.Entries.empty()) << n;
  }
}

TEST(KVRStreamDirectory, DamagedHeadersLeaveTheReaderEmpty) {
  const std::array<QByteArray, 6> damaged = {
      Directory(0, -1, {}),
      // A huge count must be refused before anything is allocated for it.
      Directory(0, std::numeric_limits<qint32>::max(), {}),
      Directory(0, 0x10000000, {{0, 0}}),
      // The directory is cut short by the end of the file.
      Directory(0, 3, {{0, 0}, {0, 0}}),
      Directory(0, 2, {{0, 0}}) + "1234",
      // A negative size would pull later entries back into the directory.
      Directory(0, 2, {{0, -8}, {0, 8}}) + "abcdefgh",
  };
  for (const QByteArray& bytes : damaged) {
    MemArchive a(bytes);
    EXPECT_FALSE(a.Ok) << bytes.toHex().toStdString();
    EXPECT_EQ(a.Reader.Count, 0);
    EXPECT_EQ(a.Reader.Reserved, 0u);
    EXPECT_TRUE(a.Reader.Entries.empty());
    EXPECT_TRUE(a.Reader.Offsets.empty());
    EXPECT_THROW(a.Read(0), EKVResError);
  }
}

TEST(KVRStreamDirectory, NoStreamIsNoDirectory) {
  TKVResReader reader;
  EXPECT_FALSE(reader.ReadDirectory());
  QByteArray out;
  QBuffer dest(&out);
  dest.open(QIODevice::ReadWrite);
  EXPECT_THROW(reader.ReadToStream(0, dest), EKVResError);
}

TEST(KVRStreamRead, BitmapKindRestoresTheSignature) {
  for (const QByteArray& head : {QByteArray("\0\0", 2), QByteArray("xy"), QByteArray("BM")}) {
    TKVResWriter w;
    w.AddBitmap(head + "rest of the picture");
    MemArchive a(w.ToBytes());
    EXPECT_EQ(a.Read(0), "BMrest of the picture");
  }
}

TEST(KVRStreamRead, OnlyKindOneIsABitmap) {
  TKVResWriter w;
  w.AddRaw(0, "xy0");
  w.AddRaw(2, "xy2");
  w.AddRaw(-2147483647, Zlib("xy-")); // bit 31 and bit 0 set: inflated, never a bitmap
  MemArchive a(w.ToBytes());
  EXPECT_EQ(a.Read(0), "xy0");
  EXPECT_EQ(a.Read(1), "xy2");
  EXPECT_EQ(a.Read(2), "xy-");
}

TEST(KVRStreamRead, EmptyEntries) {
  TKVResWriter w;
  w.AddPlain({});
  w.AddBitmap({});
  w.AddRaw(-1, {});
  w.AddCompressed({});
  MemArchive a(w.ToBytes());
  EXPECT_EQ(a.Read(0), "");
  EXPECT_EQ(a.Read(1), "BM");
  EXPECT_EQ(a.Read(2), "");
  EXPECT_EQ(a.Read(3), "");
}

TEST(KVRStreamRead, DestinationIsOverwrittenNotTruncated) {
  TKVResWriter w;
  w.AddBitmap("..new");
  w.AddPlain("abc");
  MemArchive a(w.ToBytes());
  QByteArray out = "0123456789";
  QBuffer dest(&out);
  dest.open(QIODevice::ReadWrite);
  dest.seek(7);
  a.Reader.ReadToStream(0, dest);
  EXPECT_EQ(out, "BMnew56789");
  // The position stays where the last write ended: after the signature.
  EXPECT_EQ(dest.pos(), 2);
  a.Reader.ReadToStream(1, dest);
  EXPECT_EQ(out, "abcew56789");
  EXPECT_EQ(dest.pos(), 3);
}

TEST(KVRStreamRead, CompressedRoundTripsAcrossBlocks) {
  for (qsizetype n :
       {qsizetype(1), qsizetype(16383), qsizetype(16384), qsizetype(16385), qsizetype(200000)}) {
    const QByteArray content = Pattern(n);
    TKVResWriter w;
    w.AddPlain("before");
    w.AddCompressed(content);
    w.AddPlain("after");
    MemArchive a(w.ToBytes());
    EXPECT_EQ(a.Read(1), content) << n;
    EXPECT_EQ(a.Read(2), "after");
  }
}

// Memory streams take the inflated blocks directly; any other device gets them written one by
// one. Both deliver the same bytes, keep the old tail and end at the same position.
TEST(KVRStreamRead, CompressedIntoMemoryAndOtherDevicesAlike) {
  const QByteArray content = Pattern(40000);
  TKVResWriter w;
  w.AddCompressed(content);
  MemArchive a(w.ToBytes());
  const QByteArray old = QByteArray(50000, '#');

  QByteArray memory = old;
  QBuffer buffer(&memory);
  buffer.open(QIODevice::ReadWrite);
  a.Reader.ReadToStream(0, buffer);
  EXPECT_EQ(memory, content + old.mid(40000));
  EXPECT_EQ(buffer.pos(), 40000);

  QTemporaryFile file;
  ASSERT_TRUE(file.open());
  file.write(old);
  a.Reader.ReadToStream(0, file);
  EXPECT_EQ(file.pos(), 40000);
  file.seek(0);
  EXPECT_EQ(file.readAll(), memory);

  QByteArray readOnly = "abc";
  QBuffer closed(&readOnly);
  closed.open(QIODevice::ReadOnly);
  EXPECT_THROW(a.Reader.ReadToStream(0, closed), EKVResError);
  EXPECT_EQ(readOnly, "abc");
}

// A memory stream takes the inflated bytes in passes that grow with the content; the sizes at
// and around each pass's end deliver the same bytes, keep a longer old tail and end the position
// after the content, as any other device does.
TEST(KVRStreamRead, CompressedIntoMemoryAcrossGrowingPasses) {
  for (qsizetype n : {qsizetype(32767), qsizetype(32768), qsizetype(32769), qsizetype(65536),
                      qsizetype(65537), qsizetype(131073), qsizetype((1 << 20) + 3)}) {
    const QByteArray content = Pattern(n);
    TKVResWriter w;
    w.AddCompressed(content);
    MemArchive a(w.ToBytes());
    EXPECT_EQ(a.Read(0), content) << n;

    QByteArray memory(n + 1000, '#');
    QBuffer buffer(&memory);
    buffer.open(QIODevice::ReadWrite);
    a.Reader.ReadToStream(0, buffer);
    EXPECT_EQ(memory, content + QByteArray(1000, '#')) << n;
    EXPECT_EQ(buffer.pos(), n);

    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    a.Reader.ReadToStream(0, file);
    file.seek(0);
    EXPECT_EQ(file.readAll(), content) << n;
  }
}

// A read seeks only when the stream stands elsewhere; wherever a caller left the stream, each
// read still delivers its own entry.
TEST(KVRStreamRead, EntriesReadWhereverTheStreamStands) {
  TKVResWriter w;
  w.AddPlain("first");
  w.AddPlain("second");
  w.AddBitmap("xxpicture");
  MemArchive a(w.ToBytes());
  ASSERT_TRUE(a.Ok);
  EXPECT_EQ(a.Read(0), "first");
  EXPECT_EQ(a.Read(1), "second");
  EXPECT_EQ(a.Read(1), "second");
  a.Buffer.seek(3);
  EXPECT_EQ(a.Read(0), "first");
  a.Buffer.seek(a.Buffer.size());
  EXPECT_EQ(a.Read(2), "BMpicture");
  std::array<char, 5> head{};
  a.Buffer.seek(0);
  EXPECT_EQ(a.Reader.ReadToBuffer(1, head.data(), qint64(head.size())), 5);
  EXPECT_EQ(QByteArray(head.data(), 5), "secon");
  a.Buffer.seek(1);
  EXPECT_TRUE(a.Reader.ReadDirectory());
  EXPECT_EQ(a.Reader.Count, 3);
}

TEST(KVRStreamRead, FailedInflateKeepsTheDestinationsSize) {
  QByteArray packed = Zlib(Pattern(100000));
  packed.truncate(packed.size() / 2);
  TKVResWriter w;
  w.AddRaw(-1, packed);
  MemArchive a(w.ToBytes());
  for (const qsizetype oldSize : {qsizetype(0), qsizetype(10), qsizetype(300000)}) {
    QByteArray out(oldSize, '#');
    QBuffer dest(&out);
    dest.open(QIODevice::ReadWrite);
    EXPECT_THROW(a.Reader.ReadToStream(0, dest), EKVResError);
    EXPECT_GE(out.size(), oldSize);
    EXPECT_LE(out.size(), std::max<qsizetype>(oldSize, 100000));
    EXPECT_LE(dest.pos(), out.size());
    EXPECT_EQ(out.left(1000), Pattern(1000));
    if (oldSize == 300000) {
      EXPECT_EQ(out.right(1000), QByteArray(1000, '#'));
    }
  }
}

TEST(KVRStreamRead, DataPastTheEndFails) {
  MemArchive plain(Directory(0, 2, {{0, 3}, {0, 10}}) + "abcdefg");
  EXPECT_EQ(plain.Read(0), "abc");
  QByteArray out = "keep";
  QBuffer dest(&out);
  dest.open(QIODevice::ReadWrite);
  EXPECT_THROW(plain.Reader.ReadToStream(1, dest), EKVResError);
  EXPECT_EQ(out, "keep");

  const QByteArray packed = Zlib("some text");
  MemArchive compressed(Directory(0, 1, {{-1, qint32(packed.size() + 1)}}) + packed);
  EXPECT_THROW(compressed.Read(0), EKVResError);
}

TEST(KVRStreamRead, IndexOutsideTheDirectoryFailsAndWritesNothing) {
  TKVResWriter w;
  w.AddPlain("x");
  MemArchive a(w.ToBytes());
  QByteArray out = "keep";
  QBuffer dest(&out);
  dest.open(QIODevice::ReadWrite);
  dest.seek(2);
  for (int index : {-1, 1, std::numeric_limits<int>::max()}) {
    EXPECT_THROW(a.Reader.ReadToStream(index, dest), EKVResError);
    char buffer[4] = {'z', 'z', 'z', 'z'};
    EXPECT_THROW(a.Reader.ReadToBuffer(index, buffer, 4), EKVResError);
    EXPECT_EQ(QByteArray(buffer, 4), "zzzz");
  }
  EXPECT_EQ(out, "keep");
  EXPECT_EQ(dest.pos(), 2);
}

TEST(KVRStreamRead, BadCompressedDataFails) {
  const QByteArray packed = Zlib(Pattern(50000));
  QByteArray corrupt = packed;
  corrupt[corrupt.size() / 2] = char(corrupt[corrupt.size() / 2] ^ 0x55);
  QByteArray badChecksum = packed;
  badChecksum[badChecksum.size() - 1] = char(badChecksum[badChecksum.size() - 1] ^ 1);
  const std::array<QByteArray, 5> bad = {
      packed.left(packed.size() - 10), // truncated inside the deflate data
      packed.left(2),                  // header only
      corrupt, badChecksum, QByteArray("not zlib at all")};
  for (const QByteArray& stored : bad) {
    TKVResWriter w;
    w.AddRaw(-5, stored);
    MemArchive a(w.ToBytes());
    EXPECT_THROW(a.Read(0), EKVResError) << stored.size();
  }
}

TEST(KVRStreamRead, InflatingIsBounded) {
  // A few hundred kilobytes of zeros that would inflate past the limit.
  const qint64 big = TKVResReader::MaxInflatedSize + 16384;
  z_stream z{};
  ASSERT_EQ(deflateInit(&z, 9), Z_OK);
  QByteArray packed;
  std::vector<char> zeros(1 << 20, 0);
  std::array<char, 65536> out;
  for (qint64 left = big; left >= 0;) {
    const qint64 n = std::min<qint64>(left, qint64(zeros.size()));
    z.next_in = reinterpret_cast<Bytef*>(zeros.data());
    z.avail_in = uInt(n);
    left -= n;
    const int flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
    do {
      z.next_out = reinterpret_cast<Bytef*>(out.data());
      z.avail_out = uInt(out.size());
      deflate(&z, flush);
      packed.append(out.data(), qsizetype(out.size() - z.avail_out));
    } while (z.avail_out == 0);
    if (flush == Z_FINISH)
      break;
  }
  deflateEnd(&z);
  TKVResWriter w;
  w.AddRaw(-1, packed);
  MemArchive a(w.ToBytes());
  NullDevice sink;
  ASSERT_TRUE(sink.open(QIODevice::WriteOnly));
  EXPECT_THROW(a.Reader.ReadToStream(0, sink), EKVResError);
}

TEST(KVRStreamBuffer, PlainAndBitmapFillAtMostTheCapacity) {
  TKVResWriter w;
  w.AddPlain("0123456789");
  w.AddBitmap("xx234");
  w.AddBitmap({});
  MemArchive a(w.ToBytes());
  char buffer[8];
  std::fill(std::begin(buffer), std::end(buffer), '.');
  EXPECT_EQ(a.Reader.ReadToBuffer(0, buffer, 6), 6);
  EXPECT_EQ(QByteArray(buffer, 8), "012345..");
  std::fill(std::begin(buffer), std::end(buffer), '.');
  EXPECT_EQ(a.Reader.ReadToBuffer(1, buffer, 8), 5);
  EXPECT_EQ(QByteArray(buffer, 8), "BM234...");
  std::fill(std::begin(buffer), std::end(buffer), '.');
  EXPECT_EQ(a.Reader.ReadToBuffer(2, buffer, 8), 2);
  EXPECT_EQ(QByteArray(buffer, 8), "BM......");
  EXPECT_EQ(a.Reader.ReadToBuffer(0, buffer, 0), 0);
}

// Only entries that ReadToBuffer delivers byte for byte as stored, and that the stream holds
// whole, may be read at once into an array of their stored size.
TEST(KVRStreamBuffer, StoredWholeSizeOnlyForEntriesDeliveredAsStoredAndHeld) {
  TKVResWriter w;
  w.AddPlain("0123456789");
  w.AddBitmap("xx234");
  w.AddBitmap("x");
  w.AddCompressed("packed");
  MemArchive a(w.ToBytes());
  ASSERT_TRUE(a.Ok);
  EXPECT_EQ(a.Reader.StoredWholeSize(0), 10);
  EXPECT_EQ(a.Reader.StoredWholeSize(1), 5);
  EXPECT_EQ(a.Reader.StoredWholeSize(2), -1) << "the BM would outgrow the entry";
  EXPECT_EQ(a.Reader.StoredWholeSize(3), -1);
  EXPECT_EQ(a.Reader.StoredWholeSize(4), -1);
  EXPECT_EQ(a.Reader.StoredWholeSize(-1), -1);
  // The directory promises more than the stream holds.
  MemArchive cut(Directory(0, 2, {{0, 4}, {0, 100}}) + "abcd" + "short");
  ASSERT_TRUE(cut.Ok);
  EXPECT_EQ(cut.Reader.StoredWholeSize(0), 4);
  EXPECT_EQ(cut.Reader.StoredWholeSize(1), -1);
}

TEST(KVRStreamBuffer, CompressedInflatesUpToTheCapacity) {
  // The content inflates far beyond its stored size, and the buffer is larger than the
  // stored size: the whole capacity is filled.
  const QByteArray content = QByteArray(5000, 'q') + "tail";
  TKVResWriter w;
  w.AddCompressed(content);
  w.AddCompressed("short");
  MemArchive a(w.ToBytes());
  // The capacity the card-set header reader asks for.
  constexpr int Capacity = TCardSetHeader::RecordSize;
  ASSERT_LT(a.Reader.Entries[0].Size, Capacity);
  std::vector<char> buffer(Capacity, '.');
  EXPECT_EQ(a.Reader.ReadToBuffer(0, buffer.data(), Capacity), Capacity);
  EXPECT_EQ(QByteArray(buffer.data(), Capacity), content.left(Capacity));
  std::vector<char> whole(8000, '.');
  EXPECT_EQ(a.Reader.ReadToBuffer(0, whole.data(), 8000), content.size());
  EXPECT_EQ(QByteArray(whole.data(), content.size()), content);
  EXPECT_EQ(whole[content.size()], '.');
  std::fill(buffer.begin(), buffer.end(), '.');
  EXPECT_EQ(a.Reader.ReadToBuffer(1, buffer.data(), Capacity), 5);
  EXPECT_EQ(QByteArray(buffer.data(), 6), "short.");
}

TEST(KVRStreamFile, OpensReadsAndReportsAMissingFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("tesselo.dat");
  TKVResWriter w;
  w.AddPlain("http://example.com/");
  w.AddBitmap("..picture");
  w.AddCompressed("inflated");
  w.SaveToFile(path);

  TKVResFileReader reader(path);
  ASSERT_EQ(reader.Count, 3);
  EXPECT_TRUE(reader.FileStream()->isOpen());
  QByteArray out;
  QBuffer dest(&out);
  dest.open(QIODevice::ReadWrite);
  reader.ReadToStream(1, dest);
  EXPECT_EQ(out, "BMpicture");
  dest.buffer().clear();
  reader.ReadToStream(2, dest);
  EXPECT_EQ(out, "inflated");

  try {
    TKVResFileReader missing(dir.filePath("nothing.dat"));
    FAIL() << "a missing archive opened";
  } catch (const EKVResError& e) {
    EXPECT_NE(std::string(e.what()).find("nothing.dat"), std::string::npos);
  }
}

TEST(KVRStreamFile, DamagedFileOpensEmpty) {
  QTemporaryDir dir;
  const QString path = dir.filePath("bad.crd");
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(Directory(0, 1000, {{0, 1}}));
  f.close();
  TKVResFileReader reader(path);
  EXPECT_EQ(reader.Count, 0);
}

TEST(KVResWriter, LayoutIsTheDocumentedOne) {
  TKVResWriter w;
  w.SetReserved(0x01020304);
  EXPECT_EQ(w.AddPlain("ab"), 0);
  EXPECT_EQ(w.AddBitmap("cde"), 1);
  EXPECT_EQ(w.AddRaw(-7, "f"), 2);
  EXPECT_EQ(w.ToBytes(), Directory(0x01020304, 3, {{0, 2}, {1, 3}, {-7, 1}}) + "abcdef");
  // Same input, same bytes.
  TKVResWriter a, b;
  a.AddCompressed(Pattern(100000));
  b.AddCompressed(Pattern(100000));
  EXPECT_EQ(a.ToBytes(), b.ToBytes());
  EXPECT_LT(a.ToBytes()[4 + 4], 0) << "compressed kind must be negative";
}

TEST(KVResWriter, SaveFailureNamesTheFileAndLeavesNothing) {
  QTemporaryDir dir;
  const QString path = dir.filePath("missing-folder/out.dat");
  TKVResWriter w;
  w.AddPlain("x");
  try {
    w.SaveToFile(path);
    FAIL() << "saved into a missing folder";
  } catch (const EKVResError& e) {
    EXPECT_NE(std::string(e.what()).find("out.dat"), std::string::npos);
  }
  EXPECT_FALSE(QFile::exists(path));
}

// Damaged files of every shape: each read either delivers or raises EKVResError, and nothing
// else happens (the sanitizer build turns any overrun into a failure).
TEST(KVRStreamRobustness, MutatedArchivesFailCleanly) {
  TKVResWriter w;
  w.AddPlain("plain text entry");
  w.AddBitmap("..bitmap entry");
  w.AddCompressed(Pattern(3000));
  w.AddRaw(-9, Zlib("second compressed"));
  const QByteArray original = w.ToBytes();
  std::uint32_t seed = 2026;
  const auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
  };
  for (int round = 0; round < 3000; ++round) {
    QByteArray bytes = original;
    const int flips = 1 + int(next() % 4);
    for (int i = 0; i < flips; ++i)
      bytes[qsizetype(next() % quint32(bytes.size()))] = char(next());
    if (round % 7 == 0)
      bytes.truncate(qsizetype(next() % quint32(bytes.size())));
    MemArchive a(bytes);
    for (int index = -1; index <= a.Reader.Count; ++index) {
      try {
        a.Read(index);
      } catch (const EKVResError&) {
      }
      char buffer[64];
      try {
        EXPECT_LE(a.Reader.ReadToBuffer(index, buffer, sizeof buffer), qint64(sizeof buffer));
      } catch (const EKVResError&) {
      }
    }
  }
}
