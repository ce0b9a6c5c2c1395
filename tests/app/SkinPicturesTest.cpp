// The skin's pictures: the bitmap reader against Qt's own (the same picture, to the pixel, for
// every kind of bitmap, whether it reads the bytes itself or hands them to Qt), and the cache
// that lets the windows built at start-up share them.
#include "DibImage.h"
#include "KVRStream.h"
#include "SkinEntries.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QtEndian>

#include <gtest/gtest.h>

#include <random>

namespace {

struct TBitmapShape {
  int Width = 1;
  int Height = 1;
  int BitCount = 24;
  quint32 Gap = 0; // bytes between the headers and the pixels
  quint32 ColoursUsed = 0;
  qint32 PelsPerMeter = 3780;
};

template <typename T> void Put(QByteArray& Bytes, qsizetype At, T Value) {
  qToLittleEndian<T>(Value, Bytes.data() + At);
}

// A bitmap file of Shape with pseudo-random pixel bytes (rows padded to 32-bit words).
QByteArray MakeBitmap(const TBitmapShape& Shape, unsigned Seed = 1) {
  const int rowBytes = (Shape.Width * Shape.BitCount / 8 + 3) & ~3;
  const quint32 offset = 54 + Shape.Gap;
  QByteArray bytes(qsizetype(offset) + qsizetype(rowBytes) * std::abs(Shape.Height), '\0');
  bytes[0] = 'B';
  bytes[1] = 'M';
  Put<quint32>(bytes, 2, quint32(bytes.size()));
  Put<quint32>(bytes, 10, offset);
  Put<quint32>(bytes, 14, 40);
  Put<qint32>(bytes, 18, Shape.Width);
  Put<qint32>(bytes, 22, Shape.Height);
  Put<quint16>(bytes, 26, 1);
  Put<quint16>(bytes, 28, quint16(Shape.BitCount));
  Put<qint32>(bytes, 38, Shape.PelsPerMeter);
  Put<qint32>(bytes, 42, Shape.PelsPerMeter);
  Put<quint32>(bytes, 46, Shape.ColoursUsed);
  std::mt19937 random(Seed);
  for (qsizetype at = offset; at < bytes.size(); ++at)
    bytes[at] = char(random() & 0xff);
  return bytes;
}

void ExpectAsQtReadsIt(const QByteArray& Bytes, const std::string& What) {
  const QImage ours = ReadDibImage(Bytes);
  const QImage qt = QImage::fromData(Bytes, "BMP");
  ASSERT_EQ(ours.isNull(), qt.isNull()) << What;
  EXPECT_EQ(ours.format(), qt.format()) << What;
  EXPECT_EQ(ours.size(), qt.size()) << What;
  EXPECT_TRUE(ours == qt) << What;
  EXPECT_EQ(ours.dotsPerMeterX(), qt.dotsPerMeterX()) << What;
  EXPECT_EQ(ours.dotsPerMeterY(), qt.dotsPerMeterY()) << What;
}

TEST(DibImage, EveryPictureOfTheSkinReadsAsQtReadsIt) {
  TKVResFileReader skin(testsupport::ProgramDir() + QStringLiteral("/tesselo.dat"));
  ASSERT_GT(skin.Count, 20);
  int pictures = 0;
  for (int entry = 0; entry < skin.Count; ++entry) {
    QBuffer stream;
    stream.open(QIODevice::ReadWrite);
    skin.ReadToStream(entry, stream);
    if (!stream.buffer().startsWith("BM"))
      continue;
    ++pictures;
    ExpectAsQtReadsIt(stream.buffer(), "entry " + std::to_string(entry));
  }
  EXPECT_GT(pictures, 20);
}

TEST(DibImage, RowPaddingGapsAndResolutionMatchQt) {
  for (int width = 1; width <= 5; ++width)
    for (int height : {1, 2, 7})
      for (quint32 gap : {0u, 6u})
        ExpectAsQtReadsIt(MakeBitmap({width, height, 24, gap, 0, width == 3 ? 0 : 2835}),
                          std::to_string(width) + "x" + std::to_string(height) + " gap " +
                              std::to_string(gap));
}

// Bitmaps the direct reader leaves alone still come out as Qt gives them, damaged ones null.
TEST(DibImage, OtherAndDamagedBitmapsGetQtsAnswer) {
  const QByteArray whole = MakeBitmap({6, 4});
  struct TCase {
    const char* Why;
    QByteArray Bytes;
  };
  QByteArray noSignature = whole;
  noSignature[0] = 'X';
  const TCase cases[] = {
      {"top-down rows", MakeBitmap({6, -4})},
      {"32-bit pixels", MakeBitmap({6, 4, 32})},
      {"a colour table declared", MakeBitmap({6, 4, 24, 64, 16})},
      {"headers only", whole.left(54)},
      {"headers cut short", whole.left(30)},
      {"no signature", noSignature},
      {"text", QByteArray("BMthis is not a picture")},
      {"nothing", QByteArray()},
  };
  for (const TCase& c : cases)
    ExpectAsQtReadsIt(c.Bytes, c.Why);
  EXPECT_TRUE(ReadDibImage(QByteArray("BMthis is not a picture")).isNull());
}

// Regression: Qt returns a bitmap whose pixels are cut short with the missing rows left as
// whatever the memory held, so a damaged skin picture was shown as noise instead of reported.
TEST(DibImage, PixelsCutShortAreRefused) {
  const QByteArray whole = MakeBitmap({6, 4});
  for (qsizetype cut : {1, 5, 24, 95})
    EXPECT_TRUE(ReadDibImage(whole.left(whole.size() - cut)).isNull()) << cut;
  EXPECT_FALSE(ReadDibImage(whole).isNull());
}

TEST(DibImage, HugeDeclaredSizeWithoutPixelsIsRefusedWithoutAllocating) {
  QByteArray bytes = MakeBitmap({2, 2});
  Put<qint32>(bytes, 18, 1 << 30);
  Put<qint32>(bytes, 22, 1 << 30);
  EXPECT_TRUE(ReadDibImage(bytes).isNull());
}

TEST(SkinBitmapCache, WhileItLivesAPictureIsDecodedOnceAndShared) {
  TKVResFileReader skin(testsupport::ProgramDir() + QStringLiteral("/tesselo.dat"));
  TKVResFileReader other(testsupport::ProgramDir() + QStringLiteral("/tesselo.dat"));
  const qint64 uncached = LoadSkinBitmap(skin, 10).cacheKey();
  EXPECT_NE(LoadSkinBitmap(skin, 10).cacheKey(), uncached);
  qint64 kept = 0;
  {
    TSkinBitmapCache cache(skin);
    kept = LoadSkinBitmap(skin, 10).cacheKey();
    EXPECT_EQ(LoadSkinBitmap(skin, 10).cacheKey(), kept);
    EXPECT_NE(LoadSkinBitmap(skin, 18).cacheKey(), kept);
    EXPECT_NE(LoadSkinBitmap(other, 10).cacheKey(), kept) << "another archive is not served";
    EXPECT_THROW(LoadSkinBitmap(skin, skin.Count), ESkinError);
    EXPECT_THROW(LoadSkinBitmap(skin, skin.Count), ESkinError) << "a failure is not kept";
  }
  EXPECT_NE(LoadSkinBitmap(skin, 10).cacheKey(), kept);
}

} // namespace
