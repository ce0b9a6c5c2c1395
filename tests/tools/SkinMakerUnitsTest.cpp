// The generator's building blocks: noise that tiles, felt that lines up across windows, the
// WAV writer's bytes and the archive packing of each storage kind.
#include "Materials.h"
#include "Noise.h"
#include "SkinArchive.h"
#include "SkinLayout.h"
#include "SoundSynth.h"

#include "KVRStream.h"

#include <QBuffer>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QImage FeltAt(QPoint Place, QSize Size) {
  QImage image(Size, QImage::Format_RGB32);
  skinart::PaintFelt(image, Place);
  return image;
}

} // namespace

TEST(SkinNoise, RepeatsAfterOnePeriodAndStaysInRange) {
  const skinart::TValueNoise noise(8, 42);
  for (double y = 0; y < 8; y += 0.37)
    for (double x = 0; x < 8; x += 0.41) {
      const double v = noise.At(x, y);
      ASSERT_GE(v, 0.0);
      ASSERT_LE(v, 1.0);
      ASSERT_NEAR(v, noise.At(x + 8, y), 1e-9);
      ASSERT_NEAR(v, noise.At(x, y - 8), 1e-9);
    }
  const skinart::TFractalNoise fractal(4, 3, 7);
  EXPECT_NEAR(fractal.At(1.3, 2.6), fractal.At(5.3, 2.6), 1e-9);
  EXPECT_NEAR(fractal.At(1.3, 2.6), fractal.At(1.3, 6.6), 1e-9);
}

TEST(SkinNoise, SameSeedSameValuesOtherSeedOtherValues) {
  const skinart::TValueNoise a(16, 1);
  const skinart::TValueNoise b(16, 1);
  const skinart::TValueNoise c(16, 2);
  int differ = 0;
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(a.At(i, 3), b.At(i, 3));
    differ += a.At(i, 3) != c.At(i, 3);
  }
  EXPECT_GT(differ, 8);
}

TEST(SkinFelt, PiecesLineUpWithTheRepeatedTile) {
  const QImage tile = skinart::FeltTile(96);
  EXPECT_EQ(FeltAt({0, 0}, {96, 96}), tile);
  // A picture placed one tile further along shows the same felt.
  EXPECT_EQ(FeltAt({96 + 5, 7}, {40, 30}), FeltAt({5, 7}, {40, 30}));
  // And a piece cut from the window at (30, 50) is that part of the tiled surface.
  const QImage piece = FeltAt({30, 50}, {80, 60});
  for (int y = 0; y < piece.height(); y += 7)
    for (int x = 0; x < piece.width(); x += 5)
      ASSERT_EQ(piece.pixel(x, y), tile.pixel((x + 30) % 96, (y + 50) % 96));
}

TEST(SkinWave, HeaderAndClippedSamples) {
  const QByteArray file = skinart::WaveFile({0.0, 1.0, -2.0, 0.5}, 22050);
  ASSERT_EQ(file.size(), 44 + 8);
  const char* p = file.constData();
  EXPECT_EQ(file.left(4), "RIFF");
  EXPECT_EQ(qFromLittleEndian<quint32>(p + 4), 44u + 8u - 8u);
  EXPECT_EQ(file.mid(8, 8), "WAVEfmt ");
  EXPECT_EQ(qFromLittleEndian<quint32>(p + 16), 16u);
  EXPECT_EQ(qFromLittleEndian<quint16>(p + 20), 1); // PCM
  EXPECT_EQ(qFromLittleEndian<quint16>(p + 22), 1); // mono
  EXPECT_EQ(qFromLittleEndian<quint32>(p + 24), 22050u);
  EXPECT_EQ(qFromLittleEndian<quint32>(p + 28), 44100u); // bytes per second
  EXPECT_EQ(qFromLittleEndian<quint16>(p + 32), 2);      // block align
  EXPECT_EQ(qFromLittleEndian<quint16>(p + 34), 16);
  EXPECT_EQ(file.mid(36, 4), "data");
  EXPECT_EQ(qFromLittleEndian<quint32>(p + 40), 8u);
  EXPECT_EQ(qFromLittleEndian<qint16>(p + 44), 0);
  EXPECT_EQ(qFromLittleEndian<qint16>(p + 46), 32767);
  EXPECT_EQ(qFromLittleEndian<qint16>(p + 48), -32767);
  EXPECT_EQ(qFromLittleEndian<qint16>(p + 50), 16384);
}

TEST(SkinPacking, EachStorageKindReadsBackAsItsContent) {
  const QByteArray bitmap = skinart::BitmapFile(QImage(3, 2, QImage::Format_RGB32));
  ASSERT_TRUE(bitmap.startsWith("BM"));
  const std::vector<skinart::TSkinEntry> entries = {
      {skinart::TStorage::Plain, QByteArray(skinlayout::HomePage)},
      {skinart::TStorage::Bitmap, bitmap},
      {skinart::TStorage::Compressed, bitmap}};
  QByteArray archive = skinart::PackSkin(entries);
  QBuffer stream(&archive);
  stream.open(QIODevice::ReadOnly);
  TKVResReader reader;
  reader.SetStream(&stream);
  ASSERT_TRUE(reader.ReadDirectory());
  ASSERT_EQ(reader.Count, 3);
  EXPECT_EQ(reader.Entries[0].Kind, 0);
  EXPECT_EQ(reader.Entries[1].Kind, 1);
  EXPECT_LT(reader.Entries[2].Kind, 0);
  // The signature of a bitmap-kind entry is not stored; the reader writes it back.
  const qint64 stored = reader.Offsets[1];
  EXPECT_EQ(archive.at(stored), '\0');
  EXPECT_EQ(archive.at(stored + 1), '\0');
  for (int i = 0; i < 3; ++i) {
    QBuffer out;
    out.open(QIODevice::ReadWrite);
    reader.ReadToStream(i, out);
    EXPECT_EQ(out.data(), entries[std::size_t(i)].Content) << "entry " << i;
  }
}
