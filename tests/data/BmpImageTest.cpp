// BMP pictures (advert, card back, BMP faces): decoded by Qt, sizes checked from the header.
#include "BmpImage.h"
#include "FaceFixtures.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray WithClaimedSize(QByteArray Bmp, qint32 Width, qint32 Height) {
  qToLittleEndian(Width, Bmp.data() + 18);
  qToLittleEndian(Height, Bmp.data() + 22);
  return Bmp;
}

TEST(BmpImage, DecodesWhatQtWrites) {
  const QImage source = fixtures::Gradient(5, 3);
  const QImage image = DecodeBmp(fixtures::EncodeBmp(source));
  ASSERT_EQ(image.size(), source.size());
  EXPECT_EQ(image.pixel(4, 2), source.pixel(4, 2));
}

TEST(BmpImage, SizeFromTheHeaderIsCheckedBeforeDecoding) {
  const QByteArray bmp = fixtures::EncodeBmp(fixtures::Gradient(4, 4));
  EXPECT_THROW(DecodeBmp(WithClaimedSize(bmp, 100000, 1)), EImageError);
  // A negative height is a top-down picture; its size counts by magnitude.
  EXPECT_THROW(DecodeBmp(WithClaimedSize(bmp, 4, -(TImageLimits::MaxSide + 1))), EImageError);
  EXPECT_THROW(DecodeBmp(WithClaimedSize(bmp, 0, 4)), EImageError);
  TImageLimits limits;
  limits.MaxWidth = 4;
  EXPECT_NO_THROW(DecodeBmp(bmp, limits));
  limits.MaxWidth = 3;
  EXPECT_THROW(DecodeBmp(bmp, limits), EImageError);
}

TEST(BmpImage, OtherOrDamagedDataIsRefused) {
  const QByteArray bmp = fixtures::EncodeBmp(fixtures::Gradient(4, 4));
  EXPECT_THROW(DecodeBmp(QByteArray()), EImageError);
  EXPECT_THROW(DecodeBmp("BM"), EImageError);
  EXPECT_THROW(DecodeBmp(fixtures::EncodeJpeg(fixtures::Gradient(4, 4))), EImageError);
  EXPECT_THROW(DecodeBmp(bmp.left(30)), EImageError);
}

} // namespace
