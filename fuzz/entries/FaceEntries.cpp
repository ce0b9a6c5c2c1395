#include "FuzzCheck.h"
#include "FuzzEntries.h"

#include "BmpImage.h"
#include "GifImage.h"
#include "JpegImage.h"

namespace fuzzentry {
namespace {

// Stored delays of 0 and 1 hundredths are raised; the shortest kept is 2 hundredths.
constexpr int ShortestStoredDelayMs = 20;

void CheckWithinLimits(const QImage& Picture) {
  const TImageLimits limits;
  Check(!Picture.isNull(), "a decoded picture has pixels");
  Check(Picture.width() <= limits.MaxWidth && Picture.height() <= limits.MaxHeight,
        "a decoded picture lies within the largest sides");
  Check(Picture.sizeInBytes() <= limits.MaxBytes, "a decoded picture lies within its bytes");
}

void CheckAnimation(const TGifAnimation& Animation) {
  Check(!Animation.Frames.empty(), "a decoded GIF has a frame");
  Check(int(Animation.Frames.size()) <= TImageLimits::MaxGifFrames, "frames stay within bound");
  for (const TGifFrame& frame : Animation.Frames) {
    Check(frame.Image.size() == Animation.ScreenSize, "every frame is the whole screen");
    Check(frame.DelayMs >= ShortestStoredDelayMs, "no frame shows for less than 20 ms");
  }
  Check(Animation.PlayCount >= 0, "the play count is never negative");
}

} // namespace

int Gif(const uint8_t* Data, size_t Size) {
  const QByteArray bytes = Bytes(Data, Size);
  QSize screen;
  try {
    screen = ReadGifScreenSize(bytes);
  } catch (const EImageError&) {
  }
  try {
    const TGifAnimation animation = DecodeGif(bytes);
    CheckAnimation(animation);
    CheckWithinLimits(animation.Frames.front().Image);
    Check(animation.ScreenSize == screen, "the screen size read alone is the decoded one");
    const QImage first = DecodeGifFirstFrame(bytes);
    Check(first == animation.Frames.front().Image, "the first frame alone is the first frame");
  } catch (const EImageError&) {
  }
  return 0;
}

int Jpeg(const uint8_t* Data, size_t Size) {
  QSize whole;
  try {
    const QImage picture = DecodeJpeg(Bytes(Data, Size), {}, {}, &whole);
    CheckWithinLimits(picture);
    Check(picture.format() == QImage::Format_RGB32, "a JPEG face is opaque RGB");
    Check(picture.size() == whole, "a face decoded whole has its own size");
  } catch (const EImageError&) {
  }
  // The same file for a small cell, as a board of many pairs decodes it.
  try {
    const QImage small = DecodeJpeg(Bytes(Data, Size), {}, {17, 13});
    CheckWithinLimits(small);
    Check(!whole.isValid() || (small.width() <= whole.width() && small.height() <= whole.height()),
          "a small decode is never larger than the picture");
  } catch (const EImageError&) {
  }
  return 0;
}

int Bmp(const uint8_t* Data, size_t Size) {
  try {
    CheckWithinLimits(DecodeBmp(Bytes(Data, Size)));
  } catch (const EImageError&) {
  }
  return 0;
}

} // namespace fuzzentry
