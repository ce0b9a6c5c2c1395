// The GIF composer checked pixel by pixel on frames written with giflib's own encoder.
#include "GifImage.h"
#include "FaceFixtures.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using fixtures::Gif;
using fixtures::GifFrame;

const QRgb Red = qRgb(255, 0, 0);
const QRgb Green = qRgb(0, 255, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb White = qRgb(255, 255, 255);
constexpr QRgb Clear = 0;

GifFrame Solid(int Left, int Top, int Width, int Height, unsigned char Index) {
  GifFrame frame;
  frame.Left = Left;
  frame.Top = Top;
  frame.Width = Width;
  frame.Height = Height;
  frame.Pixels.assign(size_t(Width * Height), Index);
  return frame;
}

Gif Screen(int Width, int Height, std::vector<GifFrame> Frames) {
  Gif description;
  description.Width = Width;
  description.Height = Height;
  description.GlobalPalette = {Red, Green, Blue, White};
  description.Frames = std::move(Frames);
  return description;
}

// The screen row by row as colours, for whole-picture comparisons.
std::vector<QRgb> Pixels(const QImage& Image) {
  std::vector<QRgb> out;
  for (int y = 0; y < Image.height(); ++y)
    for (int x = 0; x < Image.width(); ++x)
      out.push_back(Image.pixel(x, y));
  return out;
}

TEST(GifImage, FramesUseTheGlobalPaletteUnlessTheyCarryTheirOwn) {
  GifFrame first = Solid(0, 0, 2, 2, 0);
  first.Pixels = {0, 1, 2, 3};
  GifFrame second = Solid(0, 0, 2, 1, 0);
  second.Pixels = {0, 1};
  second.LocalPalette = {Blue, White};
  const TGifAnimation animation = DecodeGif(fixtures::EncodeGif(Screen(2, 2, {first, second})));
  ASSERT_EQ(animation.Frames.size(), 2u);
  EXPECT_EQ(animation.ScreenSize, QSize(2, 2));
  EXPECT_EQ(Pixels(animation.Frames[0].Image), (std::vector<QRgb>{Red, Green, Blue, White}));
  EXPECT_EQ(Pixels(animation.Frames[1].Image), (std::vector<QRgb>{Blue, White, Blue, White}));
}

TEST(GifImage, PixelsNoFrameHasDrawnAreTransparent) {
  const QImage image =
      DecodeGifFirstFrame(fixtures::EncodeGif(Screen(3, 1, {Solid(1, 0, 1, 1, 2)})));
  EXPECT_EQ(Pixels(image), (std::vector<QRgb>{Clear, Blue, Clear}));
}

TEST(GifImage, TransparentPixelsLeaveWhatLiesBeneath) {
  GifFrame over = Solid(0, 0, 3, 1, 1);
  over.Pixels = {1, 3, 1};
  over.Transparent = 3;
  const TGifAnimation animation =
      DecodeGif(fixtures::EncodeGif(Screen(3, 1, {Solid(0, 0, 3, 1, 0), over})));
  EXPECT_EQ(Pixels(animation.Frames[1].Image), (std::vector<QRgb>{Green, Red, Green}));
}

TEST(GifImage, DisposalMethodsPrepareTheScreenForTheNextFrame) {
  // A red 3x1 screen, then a green middle pixel disposed as given, then a blue left pixel.
  auto third = [](int Disposal) {
    GifFrame middle = Solid(1, 0, 1, 1, 1);
    middle.Disposal = Disposal;
    const TGifAnimation animation = DecodeGif(
        fixtures::EncodeGif(Screen(3, 1, {Solid(0, 0, 3, 1, 0), middle, Solid(0, 0, 1, 1, 2)})));
    EXPECT_EQ(Pixels(animation.Frames[1].Image), (std::vector<QRgb>{Red, Green, Red}));
    return Pixels(animation.Frames[2].Image);
  };
  EXPECT_EQ(third(0), (std::vector<QRgb>{Blue, Green, Red})) << "unspecified keeps";
  EXPECT_EQ(third(1), (std::vector<QRgb>{Blue, Green, Red})) << "keep";
  EXPECT_EQ(third(2), (std::vector<QRgb>{Blue, Clear, Red})) << "background clears the area";
  EXPECT_EQ(third(3), (std::vector<QRgb>{Blue, Red, Red})) << "previous restores";
}

TEST(GifImage, RestoreToPreviousOnTheFirstFrameRestoresTransparency) {
  GifFrame first = Solid(0, 0, 2, 1, 0);
  first.Disposal = 3;
  const TGifAnimation animation =
      DecodeGif(fixtures::EncodeGif(Screen(2, 1, {first, Solid(1, 0, 1, 1, 2)})));
  EXPECT_EQ(Pixels(animation.Frames[1].Image), (std::vector<QRgb>{Clear, Blue}));
}

TEST(GifImage, ShortDelaysGetTheBrowserMinimum) {
  std::vector<GifFrame> frames;
  for (int delay : {0, 1, 2, 50}) {
    frames.push_back(Solid(0, 0, 1, 1, 0));
    frames.back().DelayCs = delay;
  }
  const TGifAnimation animation = DecodeGif(fixtures::EncodeGif(Screen(1, 1, frames)));
  std::vector<int> delays;
  for (const TGifFrame& frame : animation.Frames)
    delays.push_back(frame.DelayMs);
  EXPECT_EQ(delays, (std::vector<int>{100, 100, 20, 500}));
}

TEST(GifImage, LoopExtensionGivesThePlayCount) {
  Gif description = Screen(1, 1, {Solid(0, 0, 1, 1, 0), Solid(0, 0, 1, 1, 1)});
  EXPECT_EQ(DecodeGif(fixtures::EncodeGif(description)).PlayCount, 1) << "no extension plays once";
  description.Loops = 0;
  EXPECT_EQ(DecodeGif(fixtures::EncodeGif(description)).PlayCount, 0) << "zero loops for ever";
  description.Loops = 3;
  EXPECT_EQ(DecodeGif(fixtures::EncodeGif(description)).PlayCount, 4);
}

TEST(GifImage, InterlacedRowsComeBackInOrder) {
  for (int height : {1, 2, 3, 5, 9, 17}) {
    GifFrame frame = Solid(0, 0, 1, height, 0);
    frame.Interlace = true;
    for (int y = 0; y < height; ++y)
      frame.Pixels[size_t(y)] = static_cast<unsigned char>(y % 4);
    const QImage image = DecodeGifFirstFrame(fixtures::EncodeGif(Screen(1, height, {frame})));
    const QRgb colours[] = {Red, Green, Blue, White};
    for (int y = 0; y < height; ++y)
      EXPECT_EQ(image.pixel(0, y), colours[y % 4]) << "height " << height << " row " << y;
  }
}

TEST(GifImage, FramesReachingPastTheScreenAreClipped) {
  const QImage image =
      DecodeGifFirstFrame(fixtures::EncodeGif(Screen(2, 2, {Solid(1, 1, 3, 3, 2)})));
  EXPECT_EQ(Pixels(image), (std::vector<QRgb>{Clear, Clear, Clear, Blue}));
  EXPECT_NO_THROW(DecodeGif(fixtures::EncodeGif(Screen(2, 2, {Solid(60, 60, 2, 2, 1)}))));
}

TEST(GifImage, TheFirstFrameIsReadWithoutTheRest) {
  const QByteArray one = fixtures::EncodeGif(Screen(2, 2, {Solid(0, 0, 2, 2, 1)}));
  const QByteArray two =
      fixtures::EncodeGif(Screen(2, 2, {Solid(0, 0, 2, 2, 1), Solid(0, 0, 2, 2, 2)}));
  // Cut inside the second frame: the still picture is whole, the animation is not.
  const QByteArray cut = two.left(one.size() + 4);
  EXPECT_EQ(DecodeGifFirstFrame(cut).pixel(0, 0), Green);
  EXPECT_THROW(DecodeGif(cut), EImageError);
}

TEST(GifImage, DamagedDataIsRejected) {
  const QByteArray good = fixtures::EncodeGif(Screen(4, 4, {Solid(0, 0, 4, 4, 1)}));
  EXPECT_THROW(DecodeGif(QByteArray()), EImageError);
  EXPECT_THROW(DecodeGif("GIF89a"), EImageError);
  EXPECT_THROW(DecodeGif(fixtures::EncodeJpeg(fixtures::Gradient(4, 4))), EImageError);
  for (qsizetype cut = 0; cut < good.size(); ++cut)
    EXPECT_THROW(DecodeGif(good.left(cut)), EImageError) << "cut at " << cut;
  // One pixel without any colour table (giflib's encoder refuses to write this).
  const QByteArray noPalette = QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00", 13) +
                               QByteArray("\x2c\0\0\0\0\x01\0\x01\0\0", 10) +
                               QByteArray("\x02\x02\x44\x01\x00\x3b", 6);
  try {
    DecodeGif(noPalette);
    ADD_FAILURE() << "a picture without colours was decoded";
  } catch (const EImageError& error) {
    EXPECT_NE(std::string(error.what()).find("colour table"), std::string::npos) << error.what();
  }
}

TEST(GifImage, ScrambledBytesNeverCrash) {
  const QByteArray good = fixtures::EncodeGif(
      Screen(8, 8, {Solid(0, 0, 8, 8, 1), Solid(2, 2, 4, 4, 2), Solid(1, 1, 2, 2, 3)}));
  std::mt19937 random(7);
  for (int round = 0; round < 500; ++round) {
    QByteArray bad = good;
    for (int flips = 0; flips < 3; ++flips)
      bad[qsizetype(random() % quint32(bad.size()))] = char(random());
    try {
      DecodeGif(bad);
    } catch (const EImageError&) {
    }
  }
}

TEST(GifImage, BoundsHoldAtTheirEdges) {
  EXPECT_NO_THROW(DecodeGif(fixtures::SolidGif(TImageLimits::MaxSide, 1, Red)));
  EXPECT_NO_THROW(DecodeGif(fixtures::SolidGif(1, TImageLimits::MaxSide, Red)));
  EXPECT_THROW(DecodeGif(fixtures::SolidGif(TImageLimits::MaxSide + 1, 1, Red)), EImageError);
  EXPECT_THROW(ReadGifScreenSize(fixtures::SolidGif(1, TImageLimits::MaxSide + 1, Red)),
               EImageError);

  std::vector<GifFrame> frames(TImageLimits::MaxGifFrames, Solid(0, 0, 1, 1, 0));
  EXPECT_EQ(DecodeGif(fixtures::EncodeGif(Screen(1, 1, frames))).Frames.size(),
            size_t(TImageLimits::MaxGifFrames));
  frames.push_back(Solid(0, 0, 1, 1, 0));
  EXPECT_THROW(DecodeGif(fixtures::EncodeGif(Screen(1, 1, frames))), EImageError);

  // Three composed 4x4 screens take 192 bytes.
  const QByteArray three = fixtures::EncodeGif(Screen(4, 4, std::vector(3, Solid(0, 0, 4, 4, 0))));
  TImageLimits limits;
  limits.MaxBytes = 192;
  EXPECT_EQ(DecodeGif(three, limits).Frames.size(), 3u);
  limits.MaxBytes = 191;
  EXPECT_THROW(DecodeGif(three, limits), EImageError);
  EXPECT_NO_THROW(DecodeGifFirstFrame(three, limits));
}

} // namespace
