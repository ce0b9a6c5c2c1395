// The encoders are checked by decoding what they write with the game's own decoders.
#include "BmpEncoder.h"
#include "GifEncoder.h"
#include "JpegEncoder.h"

#include "BmpImage.h"
#include "GifImage.h"
#include "JpegImage.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

struct TDecoded {
  QList<QImage> Frames;
  QList<int> Delays;
};

TDecoded DecodeAll(const QByteArray& bytes) {
  const TGifAnimation animation = DecodeGif(bytes);
  EXPECT_EQ(animation.PlayCount, animation.Frames.size() > 1 ? 0 : 1) << "loops for ever";
  TDecoded result;
  for (const auto& frame : animation.Frames) {
    result.Frames.push_back(frame.Image.convertToFormat(QImage::Format_ARGB32));
    result.Delays.push_back(frame.DelayMs);
  }
  return result;
}

QImage Filled(QSize size, QColor colour) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(colour);
  return image;
}

QImage WithSquare(QImage image, QRect square, QColor colour) {
  QPainter painter(&image);
  painter.fillRect(square, colour);
  return image;
}

int ChannelDistance(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b))});
}

} // namespace

TEST(GifEncoder, FramesAndDelaysSurviveTheRoundTrip) {
  const QSize size(40, 30);
  const QList<TGifSourceFrame> frames{
      {WithSquare(Filled(size, Qt::white), {2, 2, 10, 10}, Qt::red), 100},
      {WithSquare(Filled(size, Qt::white), {20, 10, 10, 10}, Qt::blue), 250},
      {WithSquare(Filled(size, Qt::white), {5, 15, 8, 8}, Qt::darkGreen), 40},
  };
  const TDecoded decoded = DecodeAll(EncodeGif(frames));
  ASSERT_EQ(decoded.Frames.size(), 3);
  EXPECT_EQ(decoded.Delays, (QList<int>{100, 250, 40}));
  // Few colours are kept exactly, and the changed rectangles compose into whole frames.
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(decoded.Frames[i], frames[i].Picture) << "frame " << i;
}

TEST(GifEncoder, ManyColoursAreReducedToNearbyOnes) {
  QImage gradient(64, 64, QImage::Format_RGB32);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      gradient.setPixel(x, y, qRgb(x * 4, y * 4, 255 - x * 2));
  const TDecoded decoded = DecodeAll(EncodeGif({{gradient, 100}}));
  ASSERT_EQ(decoded.Frames.size(), 1);
  int worst = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      worst = std::max(worst, ChannelDistance(gradient.pixel(x, y), decoded.Frames[0].pixel(x, y)));
  EXPECT_LE(worst, 24);
}

TEST(GifEncoder, TransparencyCanComeAndGo) {
  const QSize size(16, 16);
  const QImage first = WithSquare(Filled(size, Qt::transparent), {4, 4, 8, 8}, Qt::yellow);
  const QImage second = WithSquare(Filled(size, Qt::transparent), {0, 0, 4, 4}, Qt::magenta);
  const TDecoded decoded = DecodeAll(EncodeGif({{first, 100}, {second, 100}}));
  ASSERT_EQ(decoded.Frames.size(), 2);
  EXPECT_EQ(qAlpha(decoded.Frames[0].pixel(8, 8)), 255);
  EXPECT_EQ(qAlpha(decoded.Frames[0].pixel(0, 0)), 0);
  // The yellow square of the first frame must not linger in the second.
  EXPECT_EQ(qAlpha(decoded.Frames[1].pixel(8, 8)), 0);
  EXPECT_EQ(decoded.Frames[1].pixel(1, 1), QColor(Qt::magenta).rgba());
}

TEST(GifEncoder, IdenticalFramesCostAlmostNothingAndKeepTheirDelay) {
  QImage busy(120, 90, QImage::Format_RGB32);
  for (int y = 0; y < 90; ++y)
    for (int x = 0; x < 120; ++x)
      busy.setPixel(x, y, qRgb((x * 37 + y * 11) % 200, (x * y) % 150, (x + y) % 100));
  const QByteArray one = EncodeGif({{busy, 100}});
  const QByteArray many = EncodeGif({{busy, 100}, {busy, 300}, {busy, 100}, {busy, 100}});
  EXPECT_LT(many.size(), one.size() + 200);
  EXPECT_EQ(DecodeAll(many).Delays, (QList<int>{100, 300, 100, 100}));
}

TEST(GifEncoder, SameFramesGiveSameBytes) {
  const QList<TGifSourceFrame> frames{
      {WithSquare(Filled({30, 20}, Qt::cyan), {3, 3, 5, 5}, Qt::black), 70}};
  EXPECT_EQ(EncodeGif(frames), EncodeGif(frames));
}

TEST(GifEncoder, RefusesFramesItCannotWrite) {
  EXPECT_THROW(EncodeGif({}), EEncodeError);
  EXPECT_THROW(EncodeGif({{QImage(), 100}}), EEncodeError);
  EXPECT_THROW(EncodeGif({{Filled({10, 10}, Qt::red), 100}, {Filled({10, 11}, Qt::red), 100}}),
               EEncodeError);
}

TEST(JpegEncoder, SizeAndColoursSurviveTheRoundTrip) {
  QImage picture = Filled({64, 48}, Qt::red);
  picture = WithSquare(picture, {32, 0, 32, 48}, Qt::blue);
  const QImage decoded = DecodeJpeg(EncodeJpeg(picture, 85));
  ASSERT_EQ(decoded.size(), QSize(64, 48));
  EXPECT_LE(ChannelDistance(decoded.pixel(8, 24), qRgb(255, 0, 0)), 12);
  EXPECT_LE(ChannelDistance(decoded.pixel(56, 24), qRgb(0, 0, 255)), 12);
}

TEST(JpegEncoder, QualityTradesSizeAndIsDeterministic) {
  QImage noise(96, 96, QImage::Format_RGB32);
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 96; ++x)
      noise.setPixel(x, y, qRgb((x * 7919 + y * 104729) % 256, (x * y * 31) % 256, (x ^ y) * 2));
  EXPECT_LT(EncodeJpeg(noise, 30).size(), EncodeJpeg(noise, 95).size());
  EXPECT_EQ(EncodeJpeg(noise, 85), EncodeJpeg(noise, 85));
}

TEST(JpegEncoder, RefusesAnEmptyPicture) {
  EXPECT_THROW(EncodeJpeg(QImage()), EEncodeError);
}

TEST(BmpEncoder, PicturesSurviveTheRoundTripExactly) {
  const QImage picture = WithSquare(Filled({33, 17}, QColor(10, 200, 30)), {5, 5, 9, 4}, Qt::blue);
  const QImage decoded = DecodeBmp(EncodeBmp(picture));
  EXPECT_EQ(decoded.convertToFormat(QImage::Format_ARGB32), picture);
  EXPECT_THROW(EncodeBmp(QImage()), EEncodeError);
}

TEST(GifEncoder, ManyColouredAnimationsComposeCloseToTheirFrames) {
  // More colours than a palette holds, moving: the index kept for "unchanged" must not cost
  // the picture its likeness.
  QList<TGifSourceFrame> frames;
  for (int f = 0; f < 3; ++f) {
    QImage frame(48, 48, QImage::Format_RGB32);
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 48; ++x)
        frame.setPixel(x, y, qRgb((x * 5 + f * 20) % 256, y * 5, (x + y) * 2 + f));
    frames.push_back({frame, 100});
  }
  const TDecoded decoded = DecodeAll(EncodeGif(frames));
  ASSERT_EQ(decoded.Frames.size(), 3);
  for (int f = 0; f < 3; ++f) {
    int worst = 0;
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 48; ++x)
        worst = std::max(
            worst, ChannelDistance(frames[f].Picture.pixel(x, y), decoded.Frames[f].pixel(x, y)));
    EXPECT_LE(worst, 32) << "frame " << f;
    EXPECT_EQ(qAlpha(decoded.Frames[f].pixel(47, 47)), 255) << "no hole shows through";
  }
}
