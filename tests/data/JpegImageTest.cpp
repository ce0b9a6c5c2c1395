// JPEG faces through libjpeg: what decodes, what must be refused, and the bounds.
#include "JpegImage.h"
#include "CardSetLoader.h"
#include "FaceFixtures.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

int Distance(QRgb A, QRgb B) {
  return std::max({std::abs(qRed(A) - qRed(B)), std::abs(qGreen(A) - qGreen(B)),
                   std::abs(qBlue(A) - qBlue(B))});
}

std::string MessageOf(const QByteArray& Data, const TImageLimits& Limits = {}) {
  try {
    DecodeJpeg(Data, Limits);
  } catch (const EImageError& error) {
    return error.what();
  }
  return "decoded";
}

TEST(JpegImage, ColourAndGreyPicturesDecodeToOpaqueRgb) {
  const QImage source = fixtures::Gradient(40, 24);
  const QImage colour = DecodeJpeg(fixtures::EncodeJpeg(source, 100));
  ASSERT_EQ(colour.size(), source.size());
  EXPECT_EQ(colour.format(), QImage::Format_RGB32);
  for (int y = 0; y < source.height(); ++y)
    for (int x = 0; x < source.width(); ++x)
      ASSERT_LE(Distance(colour.pixel(x, y), source.pixel(x, y)), 8) << x << "," << y;

  const QImage grey = DecodeJpeg(fixtures::EncodeJpeg(source, 100, true));
  const QRgb pixel = grey.pixel(20, 12);
  EXPECT_EQ(qRed(pixel), qGreen(pixel));
  EXPECT_EQ(qGreen(pixel), qBlue(pixel));
  EXPECT_EQ(qAlpha(pixel), 255);
}

TEST(JpegImage, CmykPicturesAreTurnedIntoRgb) {
  const unsigned char orange[4] = {255, 128, 0, 255}; // inverted: no cyan, half magenta
  for (bool ycck : {false, true}) {
    const QImage image = DecodeJpeg(fixtures::EncodeInkJpeg(8, 8, orange, ycck));
    EXPECT_LE(Distance(image.pixel(4, 4), qRgb(255, 128, 0)), 3) << "YCCK " << ycck;
  }
}

// libjpeg only warns about a picture cut inside its data and makes the missing rows up in grey;
// every such cut must be refused.
TEST(JpegImage, TruncatedPicturesAreRefusedThoughLibjpegOnlyWarns) {
  const QByteArray good = fixtures::EncodeJpeg(fixtures::Gradient(32, 32));
  ASSERT_NO_THROW(DecodeJpeg(good));
  for (qsizetype cut = 0; cut < good.size() - 2; cut += 5)
    EXPECT_THROW(DecodeJpeg(good.left(cut)), EImageError) << "cut at " << cut;
  EXPECT_THROW(DecodeJpeg(good.left(good.size() - 3)), EImageError) << "the last data byte";
  EXPECT_NE(MessageOf(good.left(good.size() / 2)).find("JPEG"), std::string::npos);
}

// Regression: any warning refused a picture, so pictures made elsewhere that carry stray bytes
// before a marker, or lack only their end marker, would not play though every row is in them.
TEST(JpegImage, WarningsThatCostNoRowPassAndThePictureIsWhole) {
  const QByteArray good = fixtures::EncodeJpeg(fixtures::Gradient(32, 32));
  const QImage whole = DecodeJpeg(good);
  const QByteArray stray("\x5A\x00\x17", 3);
  const qsizetype scanStart = good.indexOf(QByteArray("\xFF\xDA", 2));
  const qsizetype tables = good.indexOf(QByteArray("\xFF\xC4", 2));
  ASSERT_GT(scanStart, 0);
  ASSERT_GT(tables, 0);
  const struct {
    const char* Why;
    QByteArray Bytes;
  } variants[] = {
      {"no end marker", good.left(good.size() - 2)},
      {"half an end marker", good.left(good.size() - 1)},
      {"stray bytes before the end marker", QByteArray(good).insert(good.size() - 2, stray)},
      {"stray bytes before the scan", QByteArray(good).insert(scanStart, stray)},
      {"stray bytes before a table", QByteArray(good).insert(tables, stray)},
  };
  for (const auto& variant : variants) {
    QImage image;
    ASSERT_NO_THROW(image = DecodeJpeg(variant.Bytes)) << variant.Why;
    EXPECT_TRUE(image == whole) << variant.Why;
  }
  // A progressive picture reads all its scans before its first row: whether its data ends
  // after the last scan or before, it cannot tell, so it is refused either way.
  const QByteArray progressive = fixtures::EncodeProgressiveJpeg(10);
  ASSERT_NO_THROW(DecodeJpeg(progressive));
  EXPECT_THROW(DecodeJpeg(progressive.left(progressive.size() - 2)), EImageError);
  EXPECT_THROW(DecodeJpeg(progressive.left(progressive.size() * 2 / 3)), EImageError);
}

TEST(JpegImage, OtherDataIsRefused) {
  EXPECT_THROW(DecodeJpeg(QByteArray()), EImageError);
  EXPECT_THROW(DecodeJpeg("not a picture"), EImageError);
  EXPECT_THROW(DecodeJpeg(fixtures::SolidGif(2, 2, qRgb(1, 2, 3))), EImageError);
  EXPECT_THROW(DecodeJpeg(QByteArray("\xFF\xD8\xFF\xD9", 4)), EImageError);
}

TEST(JpegImage, ScrambledBytesNeverCrash) {
  const QByteArray good = fixtures::EncodeJpeg(fixtures::Gradient(16, 16));
  std::mt19937 random(11);
  for (int round = 0; round < 300; ++round) {
    QByteArray bad = good;
    for (int flips = 0; flips < 4; ++flips)
      bad[qsizetype(random() % quint32(bad.size()))] = char(random());
    try {
      DecodeJpeg(bad);
    } catch (const EImageError&) {
    }
  }
}

// Rewrites the frame size in the SOF0 marker, so a tiny file claims any size.
QByteArray WithClaimedSize(QByteArray Jpeg, quint16 Width, quint16 Height) {
  const qsizetype sof = Jpeg.indexOf(QByteArray("\xFF\xC0", 2));
  qToBigEndian(Height, Jpeg.data() + sof + 5);
  qToBigEndian(Width, Jpeg.data() + sof + 7);
  return Jpeg;
}

TEST(JpegImage, BoundsHoldAtTheirEdges) {
  const int side = TImageLimits::MaxSide;
  EXPECT_EQ(DecodeJpeg(fixtures::EncodeJpeg(fixtures::Gradient(side, 1))).width(), side);
  EXPECT_EQ(DecodeJpeg(fixtures::EncodeJpeg(fixtures::Gradient(1, side))).height(), side);
  EXPECT_NE(MessageOf(fixtures::EncodeJpeg(fixtures::Gradient(side + 1, 1))).find("too large"),
            std::string::npos);
  EXPECT_THROW(DecodeJpeg(fixtures::EncodeJpeg(fixtures::Gradient(1, side + 1))), EImageError);
  // A header claiming 60000 x 60000 is refused before any pixel memory exists.
  const QByteArray small = fixtures::EncodeJpeg(fixtures::Gradient(8, 8));
  EXPECT_NE(MessageOf(WithClaimedSize(small, 60000, 60000)).find("too large"), std::string::npos);

  TImageLimits limits;
  limits.MaxBytes = 16 * 16 * 4;
  EXPECT_NO_THROW(DecodeJpeg(fixtures::EncodeJpeg(fixtures::Gradient(16, 16)), limits));
  EXPECT_THROW(DecodeJpeg(fixtures::EncodeJpeg(fixtures::Gradient(17, 16)), limits), EImageError);
}

TEST(JpegImage, ACoverDecodesAtTheSmallestScaleThatCoversIt) {
  const QByteArray jpeg = fixtures::EncodeJpeg(fixtures::Gradient(160, 120));
  QSize whole;
  EXPECT_EQ(DecodeJpeg(jpeg, {}, {20, 15}, &whole).size(), QSize(20, 15));
  EXPECT_EQ(whole, QSize(160, 120));
  EXPECT_EQ(DecodeJpeg(jpeg, {}, {21, 15}).size(), QSize(40, 30));
  EXPECT_EQ(DecodeJpeg(jpeg, {}, {10, 100}).size(), QSize(140, 105)) << "both sides covered";
  EXPECT_EQ(DecodeJpeg(jpeg, {}, {400, 300}).size(), QSize(160, 120)) << "never enlarged";
  // A small decode refuses what a whole one refuses, and the bounds are the file's own size.
  EXPECT_THROW(DecodeJpeg(jpeg.left(jpeg.size() / 2), {}, {20, 15}), EImageError);
  EXPECT_NO_THROW(DecodeJpeg(jpeg.left(jpeg.size() - 2), {}, {20, 15})) << "no end marker";
  TImageLimits limits;
  limits.MaxBytes = 16 * 16 * 4;
  EXPECT_THROW(DecodeJpeg(fixtures::EncodeJpeg(fixtures::Gradient(17, 16)), limits, {2, 2}),
               EImageError);
}

TEST(JpegImage, ScanCountHoldsAtItsEdge) {
  const int limit = TImageLimits::MaxJpegScans;
  const QImage image = DecodeJpeg(fixtures::EncodeProgressiveJpeg(limit));
  ASSERT_EQ(image.size(), QSize(16, 16));
  EXPECT_LE(Distance(image.pixel(9, 5), fixtures::Gradient(16, 16).pixel(9, 5)), 12);
  EXPECT_EQ(MessageOf(fixtures::EncodeProgressiveJpeg(limit + 1)),
            "The JPEG picture has too many scans.");

  // In a set, the face past the limit fails the whole load: no face of the set is left behind.
  const QTemporaryDir folder;
  const QString path = folder.filePath("scans.crd");
  fixtures::CardSet set = fixtures::MakeCardSet("Scans", 2, 8);
  set.Faces[0] = fixtures::EncodeProgressiveJpeg(limit);
  set.Faces[7] = fixtures::EncodeProgressiveJpeg(limit + 1);
  fixtures::WriteFile(path, fixtures::BuildCardSet(set));
  TCardSetLoader loader(path);
  loader.ReadHeader();
  std::string problem = "loaded";
  try {
    loader.LoadFaces({0, 1, 2, 3, 4, 5, 6, 7});
  } catch (const ECardSetError& error) {
    problem = error.what();
  }
  EXPECT_NE(problem.find("too many scans"), std::string::npos) << problem;
  EXPECT_TRUE(loader.FacePictures().empty());
}

} // namespace
