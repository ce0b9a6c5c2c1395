// Every bound on what a file from outside can make the game read or allocate, exactly at its
// edge: the bound itself is accepted, one past it gets a clear error, and nothing half-done is
// left behind.
#include "BmpImage.h"
#include "CardSetLoader.h"
#include "FaceFixtures.h"
#include "GifImage.h"
#include "ImageLimits.h"
#include "KVRStream.h"
#include "KVRWriter.h"
#include "Product.h"
#include "RegistryFile.h"
#include "RtfReader.h"

#include <QBuffer>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <zlib.h>

#include <array>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

namespace {

constexpr int RecordBytes = 8;

// Counts what is written to it and keeps nothing, so a quarter-gigabyte entry costs no memory.
class TCountingSink : public QIODevice {
public:
  qint64 Written = 0;

protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char*, qint64 Size) override {
    Written += Size;
    return Size;
  }
};

// A header giving Count entries followed by Records empty directory records.
QByteArray EmptyRecords(qint32 Count, int Records) {
  QByteArray bytes(8 + Records * RecordBytes, '\0');
  qToLittleEndian(Count, bytes.data() + 4);
  return bytes;
}

// A zlib stream of Size zero bytes, made block by block.
QByteArray DeflatedZeros(qint64 Size) {
  z_stream z{};
  EXPECT_EQ(deflateInit(&z, Z_BEST_SPEED), Z_OK);
  const std::vector<char> zeros(1 << 20, 0);
  std::array<char, 1 << 16> out;
  QByteArray packed;
  qint64 left = Size;
  int flush = Z_NO_FLUSH;
  while (flush != Z_FINISH) {
    const qint64 n = std::min<qint64>(left, qint64(zeros.size()));
    left -= n;
    flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zeros.data()));
    z.avail_in = uInt(n);
    do {
      z.next_out = reinterpret_cast<Bytef*>(out.data());
      z.avail_out = uInt(out.size());
      deflate(&z, flush);
      packed.append(out.data(), qsizetype(out.size() - z.avail_out));
    } while (z.avail_out == 0);
  }
  deflateEnd(&z);
  return packed;
}

struct TMemArchive {
  QByteArray Bytes;
  QBuffer Stream{&Bytes};
  TKVResReader Reader;
  bool Ok = false;
  explicit TMemArchive(QByteArray Data) : Bytes(std::move(Data)) {
    Stream.open(QIODevice::ReadOnly);
    Reader.SetStream(&Stream);
    Ok = Reader.ReadDirectory();
  }
};

std::string MessageOf(const std::function<void()>& Action) {
  try {
    Action();
  } catch (const std::exception& error) {
    return error.what();
  }
  return "no error";
}

TEST(ArchiveBounds, TheDirectoryMayFillTheFileButNotPassIt) {
  for (const int records : {1, 7}) {
    TMemArchive fits(EmptyRecords(records, records));
    EXPECT_TRUE(fits.Ok);
    EXPECT_EQ(fits.Reader.Count, records);

    TMemArchive past(EmptyRecords(records + 1, records));
    EXPECT_FALSE(past.Ok);
    EXPECT_EQ(past.Reader.Count, 0);
    EXPECT_TRUE(past.Reader.Entries.empty());
    EXPECT_TRUE(past.Reader.Offsets.empty());
  }
}

TEST(ArchiveBounds, AnEntryInflatesToTheLargestSizeButNotOneByteMore) {
  TKVResWriter writer;
  writer.AddRaw(TKVResWriter::CompressedKind, DeflatedZeros(TKVResReader::MaxInflatedSize));
  writer.AddRaw(TKVResWriter::CompressedKind, DeflatedZeros(TKVResReader::MaxInflatedSize + 1));
  writer.AddPlain("after");
  TMemArchive archive(writer.ToBytes());
  ASSERT_TRUE(archive.Ok);

  TCountingSink atBound;
  atBound.open(QIODevice::WriteOnly);
  archive.Reader.ReadToStream(0, atBound);
  EXPECT_EQ(atBound.Written, TKVResReader::MaxInflatedSize);

  TCountingSink past;
  past.open(QIODevice::WriteOnly);
  const std::string refused = MessageOf([&] { archive.Reader.ReadToStream(1, past); });
  EXPECT_NE(refused.find("largest size"), std::string::npos) << refused;
  EXPECT_LE(past.Written, TKVResReader::MaxInflatedSize);

  // A memory stream, what the game reads its pictures into, is filled by its own path.
  QByteArray whole;
  QBuffer memory(&whole);
  memory.open(QIODevice::ReadWrite);
  archive.Reader.ReadToStream(0, memory);
  EXPECT_EQ(whole.size(), TKVResReader::MaxInflatedSize);
  QByteArray cut;
  QBuffer pastMemory(&cut);
  pastMemory.open(QIODevice::ReadWrite);
  EXPECT_THROW(archive.Reader.ReadToStream(1, pastMemory), EKVResError);
  // The refused entry's last pass may stay in the stream, but memory stays bounded.
  EXPECT_LT(cut.size(), 2 * TKVResReader::MaxInflatedSize);

  // The refusal leaves the reader whole: the next entry reads as ever.
  QByteArray after;
  QBuffer dest(&after);
  dest.open(QIODevice::WriteOnly);
  archive.Reader.ReadToStream(2, dest);
  EXPECT_EQ(after, "after");
}

TEST(ImageBounds, SidesAndBytesAreCheckedInclusively) {
  const TImageLimits limits;
  // The largest square at 4 bytes a pixel is exactly the byte bound.
  EXPECT_NO_THROW(limits.CheckSize(TImageLimits::MaxSide, TImageLimits::MaxSide, "test"));
  EXPECT_THROW(limits.CheckSize(TImageLimits::MaxSide + 1, 1, "test"), EImageError);
  EXPECT_THROW(limits.CheckSize(1, TImageLimits::MaxSide + 1, "test"), EImageError);
  EXPECT_THROW(limits.CheckSize(0, 1, "test"), EImageError);

  TImageLimits narrow;
  narrow.MaxBytes = 12 * 4;
  EXPECT_NO_THROW(narrow.CheckSize(4, 3, "test"));
  EXPECT_NO_THROW(narrow.CheckSize(12, 1, "test"));
  EXPECT_THROW(narrow.CheckSize(13, 1, "test"), EImageError);
}

TEST(ImageBounds, BmpSidesAndBytesAtTheirEdges) {
  const int side = TImageLimits::MaxSide;
  EXPECT_EQ(DecodeBmp(fixtures::EncodeBmp(fixtures::Gradient(side, 1))).width(), side);
  EXPECT_EQ(DecodeBmp(fixtures::EncodeBmp(fixtures::Gradient(1, side))).height(), side);
  EXPECT_THROW(DecodeBmp(fixtures::EncodeBmp(fixtures::Gradient(side + 1, 1))), EImageError);
  EXPECT_THROW(DecodeBmp(fixtures::EncodeBmp(fixtures::Gradient(1, side + 1))), EImageError);

  const QByteArray bmp = fixtures::EncodeBmp(fixtures::Gradient(4, 4));
  TImageLimits limits;
  limits.MaxBytes = 4 * 4 * 4;
  EXPECT_NO_THROW(DecodeBmp(bmp, limits));
  limits.MaxBytes -= 1;
  EXPECT_THROW(DecodeBmp(bmp, limits), EImageError);
}

TEST(ImageBounds, GifFramesAreBoundedLikeTheirScreen) {
  const int side = TImageLimits::MaxSide;
  const auto wideFrame = [](int Width) {
    fixtures::Gif gif;
    gif.GlobalPalette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    fixtures::GifFrame frame;
    frame.Width = Width;
    frame.Pixels.assign(size_t(Width), 1);
    gif.Frames = {frame};
    return fixtures::EncodeGif(gif);
  };
  EXPECT_EQ(DecodeGif(wideFrame(side)).Frames.size(), 1u);
  EXPECT_THROW(DecodeGif(wideFrame(side + 1)), EImageError);
}

TEST(RtfBounds, TheLargestDocumentIsReadAndOneByteMoreIsRefused) {
  QByteArray source = "{\\rtf1 x}";
  source.insert(7, QByteArray(RtfMaxSourceBytes - source.size(), ' '));
  ASSERT_EQ(source.size(), RtfMaxSourceBytes);
  EXPECT_TRUE(ParseRtf(source).Ok);
  source.insert(7, ' ');
  const TRtfReadResult refused = ParseRtf(source);
  EXPECT_FALSE(refused.Ok);
  EXPECT_FALSE(refused.Error.isEmpty());
  EXPECT_TRUE(refused.Document.Paragraphs.empty());
}

class SettingsBounds : public ::testing::Test {
protected:
  const QString GameKey = QString::fromLatin1(product::SettingsKey);
  QTemporaryDir FDir;
  QString FPath = FDir.filePath(QStringLiteral("registry.reg"));

  // A valid settings file of exactly Size bytes, its length made up by a padding value.
  QByteArray FileOfSize(qsizetype Size) const {
    const QByteArray head = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + GameKey.toUtf8() +
                            "]\r\n\"Pairs\"=dword:0000000c\r\n\"Pad\"=\"";
    const QByteArray tail = "\"\r\n";
    return head + QByteArray(Size - head.size() - tail.size(), 'a') + tail;
  }

  void Write(const QByteArray& Bytes) {
    QFile file(FPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(Bytes), Bytes.size());
  }

  static QByteArray ReadAll(const QString& Path) {
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
};

TEST_F(SettingsBounds, TheLargestFileIsReadAndLeftAsItIs) {
  const QByteArray largest = FileOfSize(MaxRegistryFileSize);
  ASSERT_EQ(largest.size(), MaxRegistryFileSize);
  Write(largest);
  RegistryFile store(FPath);
  ASSERT_TRUE(store.OpenKey(GameKey, false));
  EXPECT_EQ(store.ReadInteger("Pairs"), 12);
  store.CloseKey();
  EXPECT_EQ(ReadAll(FPath), largest);
}

TEST_F(SettingsBounds, OneByteMoreReadsAsEmptyAndIsKeptAsideWhenReplaced) {
  const QByteArray past = FileOfSize(MaxRegistryFileSize + 1);
  Write(past);
  RegistryFile store(FPath);
  EXPECT_FALSE(store.OpenKey(GameKey, false));
  ASSERT_TRUE(store.OpenKey(GameKey, true));
  EXPECT_FALSE(store.ValueExists("Pairs"));
  store.WriteInteger("Pairs", 5);
  store.CloseKey();
  EXPECT_EQ(ReadAll(FPath + ".corrupt"), past);
  ASSERT_TRUE(store.OpenKey(GameKey, false));
  EXPECT_EQ(store.ReadInteger("Pairs"), 5);
  EXPECT_FALSE(store.ValueExists("Pad"));
}

class GameFaceBounds : public ::testing::Test {
protected:
  QTemporaryDir FDir;
  const std::vector<int32_t> FFaces = {0, 1, 2, 3, 4, 5, 6, 7};

  QString WriteSet(qint32 Kind) const {
    const QString path = FDir.filePath(QStringLiteral("set%1.crd").arg(Kind));
    fixtures::WriteFile(path, BuildCardSet(fixtures::MakeCardSet("Budget", Kind, 8)));
    return path;
  }

  // What the eight faces of the set hold once loaded without a budget to speak of.
  static qint64 FaceBytes(const QString& Path) {
    TCardSetLoader loader(Path);
    loader.ReadHeader();
    loader.LoadFaces({0, 1, 2, 3, 4, 5, 6, 7});
    qint64 bytes = 0;
    for (const QByteArray& stream : loader.FaceStreams())
      bytes += stream.size();
    for (const QImage& picture : loader.FacePictures())
      bytes += picture.sizeInBytes();
    return bytes;
  }
};

TEST_F(GameFaceBounds, TheFacesOfAGameFitTheirBudgetExactlyOrNotAtAll) {
  for (const qint32 kind : {TCardSetHeader::GifKind, TCardSetHeader::JpegKind, 0}) {
    SCOPED_TRACE(kind);
    const QString path = WriteSet(kind);
    TImageLimits limits;
    limits.MaxGameBytes = FaceBytes(path);
    ASSERT_GT(limits.MaxGameBytes, 0);

    TCardSetLoader fits(path, limits);
    fits.ReadHeader();
    fits.LoadFaces(FFaces);
    EXPECT_EQ(fits.FaceStreams().size() + fits.FacePictures().size(), FFaces.size());

    limits.MaxGameBytes -= 1;
    TCardSetLoader past(path, limits);
    past.ReadHeader();
    const std::string refused = MessageOf([&] { past.LoadFaces(FFaces); });
    EXPECT_NE(refused.find("more memory than a game may use"), std::string::npos) << refused;
    EXPECT_TRUE(past.FaceStreams().empty());
    EXPECT_TRUE(past.FacePictures().empty());
    // The file is closed after the refusal, as after any other.
    EXPECT_THROW(past.LoadFaces(FFaces), ECardSetError);
  }
}

} // namespace
