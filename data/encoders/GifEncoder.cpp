#include "GifEncoder.h"

#include "Palette.h"

#include <gif_lib.h>

#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace {

int WriteToArray(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
  return length;
}

[[noreturn]] void Fail(int code) {
  const QString why = code == E_GIF_ERR_NOT_ENOUGH_MEM
                          ? QCoreApplication::translate("Encoders", "out of memory")
                          : QCoreApplication::translate("Encoders", "error %1").arg(code);
  throw EEncodeError(
      QCoreApplication::translate("Encoders", "The GIF picture could not be written: %1.")
          .arg(why)
          .toStdString());
}

// giflib wants a power-of-two colour count from 2 to 256.
int ColourMapSize(qsizetype used) {
  int size = 2;
  while (size < used)
    size *= 2;
  return size;
}

struct TMapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using TColourMap = std::unique_ptr<ColorMapObject, TMapDeleter>;

TColourMap MakeColourMap(const QList<QRgb>& colours) {
  const int size = ColourMapSize(colours.size());
  std::vector<GifColorType> entries(size_t(size), GifColorType{0, 0, 0});
  for (qsizetype i = 0; i < colours.size(); ++i)
    entries[size_t(i)] = {GifByteType(qRed(colours[i])), GifByteType(qGreen(colours[i])),
                          GifByteType(qBlue(colours[i]))};
  TColourMap map(GifMakeMapObject(size, entries.data()));
  if (!map)
    throw EEncodeError(QCoreApplication::translate(
                           "Encoders", "The GIF picture could not be written: out of memory.")
                           .toStdString());
  return map;
}

// The closing function frees the handle even when it fails; the guard calls it exactly once.
class TGifHandle {
public:
  explicit TGifHandle(QByteArray& out) {
    int error = 0;
    FGif = EGifOpen(&out, WriteToArray, &error);
    if (!FGif)
      Fail(error);
  }
  ~TGifHandle() {
    if (FGif)
      EGifCloseFile(FGif, nullptr);
  }
  TGifHandle(const TGifHandle&) = delete;
  TGifHandle& operator=(const TGifHandle&) = delete;

  GifFileType* Get() const { return FGif; }
  void Check(int result) const {
    if (result == GIF_ERROR)
      Fail(FGif->Error);
  }
  void Close() {
    int error = 0;
    GifFileType* gif = std::exchange(FGif, nullptr);
    if (EGifCloseFile(gif, &error) == GIF_ERROR)
      Fail(error);
  }

private:
  GifFileType* FGif = nullptr;
};

void PutLoopForever(const TGifHandle& gif) {
  static const char application[] = "NETSCAPE2.0";
  static const GifByteType loop[] = {1, 0, 0};
  gif.Check(EGifPutExtensionLeader(gif.Get(), APPLICATION_EXT_FUNC_CODE));
  gif.Check(EGifPutExtensionBlock(gif.Get(), 11, application));
  gif.Check(EGifPutExtensionBlock(gif.Get(), 3, loop));
  gif.Check(EGifPutExtensionTrailer(gif.Get()));
}

void PutFrameControl(const TGifHandle& gif, int delayMs, int disposal, int transparent) {
  GraphicsControlBlock control{};
  control.DisposalMode = disposal;
  control.UserInputFlag = false;
  control.DelayTime = std::clamp((delayMs + 5) / 10, 0, 65535);
  control.TransparentColor = transparent;
  GifByteType bytes[4];
  const size_t length = EGifGCBToExtension(&control, bytes);
  gif.Check(EGifPutExtension(gif.Get(), GRAPHICS_EXT_FUNC_CODE, int(length), bytes));
}

struct TRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

// Smallest rectangle holding every pixel that differs between two frames; at least 1 x 1,
// because a frame that changes nothing still has to carry its delay.
TRect ChangedRect(const std::vector<uint8_t>& before, const std::vector<uint8_t>& after, int width,
                  int height) {
  int left = width;
  int right = -1;
  int top = height;
  int bottom = -1;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const size_t i = size_t(y) * size_t(width) + size_t(x);
      if (before[i] != after[i]) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  if (right < 0)
    return {0, 0, 1, 1};
  return {left, top, right - left + 1, bottom - top + 1};
}

void PutPixels(const TGifHandle& gif, const std::vector<uint8_t>& indexes, int width,
               const TRect& rect) {
  gif.Check(
      EGifPutImageDesc(gif.Get(), rect.Left, rect.Top, rect.Width, rect.Height, false, nullptr));
  std::vector<GifPixelType> line(size_t(rect.Width));
  for (int y = rect.Top; y < rect.Top + rect.Height; ++y) {
    const auto* row = indexes.data() + size_t(y) * size_t(width) + size_t(rect.Left);
    std::memcpy(line.data(), row, line.size());
    gif.Check(EGifPutLine(gif.Get(), line.data(), rect.Width));
  }
}

void CheckFrames(const QList<TGifSourceFrame>& frames) {
  if (frames.isEmpty())
    throw EEncodeError(
        QCoreApplication::translate("Encoders", "A GIF picture needs at least one frame.")
            .toStdString());
  const QSize size = frames.front().Picture.size();
  if (size.isEmpty() || size.width() > 65535 || size.height() > 65535)
    throw EEncodeError(
        QCoreApplication::translate(
            "Encoders", "A GIF picture must be between 1 and 65535 pixels on each side.")
            .toStdString());
  for (const TGifSourceFrame& frame : frames)
    if (frame.Picture.size() != size)
      throw EEncodeError(QCoreApplication::translate(
                             "Encoders", "All frames of a GIF picture must have the same size.")
                             .toStdString());
}

} // namespace

QByteArray EncodeGif(const QList<TGifSourceFrame>& Frames) {
  CheckFrames(Frames);
  const int width = Frames.front().Picture.width();
  const int height = Frames.front().Picture.height();
  QList<QImage> pictures;
  for (const TGifSourceFrame& frame : Frames)
    pictures.push_back(frame.Picture);
  // Animations keep one index free to mark pixels that stay as they were.
  const TPalettedFrames paletted = QuantizeFrames(pictures, Frames.size() > 1);
  const bool transparent = paletted.HasTransparentPixels;
  const TColourMap map = MakeColourMap(paletted.Colours);

  QByteArray out;
  TGifHandle gif(out);
  EGifSetGifVersion(gif.Get(), true);
  const int background = transparent ? paletted.TransparentIndex : 0;
  gif.Check(EGifPutScreenDesc(gif.Get(), width, height, 8, background, map.get()));
  if (Frames.size() > 1)
    PutLoopForever(gif);
  for (qsizetype i = 0; i < Frames.size(); ++i) {
    const auto& indexes = paletted.Indexes[size_t(i)];
    if (i == 0 || transparent) {
      // Animations with transparent pixels are written whole and cleared after showing, so
      // that a pixel can turn transparent again.
      PutFrameControl(gif, Frames[i].DelayMs, transparent ? DISPOSE_BACKGROUND : DISPOSE_DO_NOT,
                      transparent ? paletted.TransparentIndex : NO_TRANSPARENT_COLOR);
      PutPixels(gif, indexes, width, {0, 0, width, height});
      continue;
    }
    // Opaque ones only draw what changed, and inside that rectangle mark unchanged pixels
    // transparent: long runs of one index are what the GIF compressor packs best.
    const auto& previous = paletted.Indexes[size_t(i - 1)];
    const TRect rect = ChangedRect(previous, indexes, width, height);
    std::vector<uint8_t> changes = indexes;
    for (size_t p = 0; p < changes.size(); ++p)
      if (changes[p] == previous[p])
        changes[p] = uint8_t(paletted.TransparentIndex);
    PutFrameControl(gif, Frames[i].DelayMs, DISPOSE_DO_NOT, paletted.TransparentIndex);
    PutPixels(gif, changes, width, rect);
  }
  gif.Close();
  return out;
}
