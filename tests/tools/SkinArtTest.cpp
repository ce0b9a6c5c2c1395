// The archive as the game reads it: every entry through TKVResFileReader, the kinds used, the
// link text and the pictures' sizes against the rectangles the windows lay out.
#include "SkinArtTest.h"

#include "KVRStream.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QUrl>
#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace skintest {

QString ArchivePath() {
  return testsupport::ProgramDir() + "/tesselo.dat";
}

QImage Entry(int Index) {
  TKVResFileReader reader(ArchivePath());
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  reader.ReadToStream(Index, buffer);
  return QImage::fromData(buffer.data(), "BMP");
}

namespace {
QColor Average(const QImage& Image, const QRect& Rect) {
  double r = 0, g = 0, b = 0;
  int n = 0;
  for (int y = Rect.top(); y <= Rect.bottom(); ++y)
    for (int x = Rect.left(); x <= Rect.right(); ++x) {
      const QRgb p = Image.pixel(x, y);
      r += qRed(p);
      g += qGreen(p);
      b += qBlue(p);
      ++n;
    }
  return QColor(int(r / n), int(g / n), int(b / n));
}
} // namespace

double MeanColourDistance(const QImage& A, const QRect& RectA, const QImage& B,
                          const QRect& RectB) {
  const QColor a = Average(A, RectA);
  const QColor b = Average(B, RectB);
  return (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
          std::abs(a.blue() - b.blue())) /
         3.0;
}

int Luma(QRgb Pixel) {
  return (qRed(Pixel) * 299 + qGreen(Pixel) * 587 + qBlue(Pixel) * 114) / 1000;
}

} // namespace skintest

using skintest::Entry;

TEST(SkinArchive, HoldsEntriesZeroToThirtyInEveryStorageKind) {
  TKVResFileReader reader(skintest::ArchivePath());
  ASSERT_GE(reader.Count, 31);
  std::set<int> kinds;
  for (const TResEntry& entry : reader.Entries)
    kinds.insert(entry.Kind < 0 ? -1 : entry.Kind);
  EXPECT_TRUE(kinds.count(-1)) << "no compressed entry";
  EXPECT_TRUE(kinds.count(1)) << "no entry with a restored signature";
  EXPECT_TRUE(kinds.count(0)) << "no plain entry";
}

TEST(SkinArchive, EntryZeroIsTheCoverLinkOnAnExampleDomain) {
  TKVResFileReader reader(skintest::ArchivePath());
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  reader.ReadToStream(0, buffer);
  const QByteArray text = buffer.data();
  EXPECT_FALSE(text.contains('\0'));
  EXPECT_FALSE(text.endsWith('\n'));
  const QUrl url(QString::fromLatin1(text), QUrl::StrictMode);
  ASSERT_TRUE(url.isValid()) << text.constData();
  EXPECT_EQ(url.scheme(), "https");
  EXPECT_TRUE(url.host().endsWith(".example")) << text.constData();
}

TEST(SkinArchive, EveryPictureIsA24BitBitmapTheReaderRestores) {
  TKVResFileReader reader(skintest::ArchivePath());
  for (int i = 1; i <= 30; ++i) {
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    reader.ReadToStream(i, buffer);
    const QByteArray bytes = buffer.data();
    ASSERT_GT(bytes.size(), 54) << "entry " << i;
    EXPECT_TRUE(bytes.startsWith("BM")) << "entry " << i;
    EXPECT_EQ(quint8(bytes[28]), 24) << "entry " << i;
    EXPECT_FALSE(QImage::fromData(bytes, "BMP").isNull()) << "entry " << i;
  }
}

TEST(SkinArchive, MainWindowPiecesFitTheFrameLayout) {
  EXPECT_EQ(Entry(1).size(), QSize(429, 287)); // cover panel
  for (int i : {2, 3, 4})
    EXPECT_EQ(Entry(i).height(), 21) << "title bar entry " << i; // the grid starts at top 21
  EXPECT_LE(Entry(2).width() + Entry(4).width(), 490) << "top corners overlap at 490 wide";
  EXPECT_GE(Entry(4).width(), 53) << "the exit button ends at x = 53";
  for (int i : {5, 6})
    EXPECT_EQ(Entry(i).width(), 5) << "rail entry " << i; // the grid starts at left 5
  for (int i : {7, 8, 9})
    EXPECT_EQ(Entry(i).height(), 70) << "bottom entry " << i; // client = grid + 91 = 21 + 70
  const QImage tile = Entry(10);
  EXPECT_EQ(tile.width(), tile.height());
  EXPECT_GE(tile.width(), 32);
  const QImage bar = Entry(11);
  EXPECT_LE(bar.height(), 70);
  EXPECT_LE(bar.width(), 480);
  EXPECT_GE(bar.width(), 458) << "the options button ends at x = 458";
  EXPECT_EQ(Entry(12).size(), QSize(177, 18));
  EXPECT_EQ(Entry(13).height(), 18);
  // The thumb is placed at R(p * 16.7) - width div 2 + 5; at p = 10 it must end inside 177.
  EXPECT_LE(167 - Entry(13).width() / 2 + 5 + Entry(13).width(), 177);
  const QImage plaque = Entry(14);
  EXPECT_LE(361 + plaque.height(), 450 - bar.height()) << "about plaque runs into the bar";
  EXPECT_EQ(Entry(17).size(), QSize(386, 303));
}

TEST(SkinArchive, PopUpPiecesFitThePopUpLayout) {
  const QImage strip = Entry(18);
  EXPECT_EQ(strip.width(), 395);
  EXPECT_LE(strip.height(), 29) << "title pictures start at top 29";
  EXPECT_GE(strip.height(), 16) << "the exit area ends at y = 16";
  EXPECT_GT(Entry(19).width(), 0);
  EXPECT_GT(Entry(20).width(), 0);
  const QImage band = Entry(21);
  EXPECT_EQ(band.width(), 395);
  EXPECT_LE(259 - band.height(), 230) << "the close button at top 230 would sit on the felt";
  EXPECT_GE(259 - band.height(), 219) << "the band would cover the score labels";
  EXPECT_EQ(Entry(22).size(), QSize(61, 17));
  for (int i : {23, 29, 30}) {
    const QImage title = Entry(i);
    EXPECT_LE(title.width(), 395) << "title entry " << i;
    EXPECT_LE(29 + title.height(), 52) << "title entry " << i << " runs into the help viewer";
  }
  for (int i : {15, 16, 24, 25, 26, 27, 28})
    EXPECT_FALSE(Entry(i).isNull()) << "spare entry " << i;
}
