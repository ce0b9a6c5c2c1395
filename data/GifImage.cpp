#include "GifImage.h"

#include <gif_lib.h>

#include <QCoreApplication>
#include <QRect>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

namespace {

struct TMemorySource {
  const QByteArray* Data = nullptr;
  qsizetype Position = 0;
};

// giflib's read callback: copies the next bytes of the held data; fewer at its end.
int ReadFromMemory(GifFileType* Gif, GifByteType* Buffer, int Length) {
  auto* source = static_cast<TMemorySource*>(Gif->UserData);
  const qsizetype count =
      std::clamp<qsizetype>(source->Data->size() - source->Position, 0, std::max(Length, 0));
  std::memcpy(Buffer, source->Data->constData() + source->Position, size_t(count));
  source->Position += count;
  return int(count);
}

struct TGifCloser {
  // Closing frees giflib's memory; with a memory source there is nothing that can fail.
  void operator()(GifFileType* Gif) const {
    int error = 0;
    DGifCloseFile(Gif, &error);
  }
};
using TGifHandle = std::unique_ptr<GifFileType, TGifCloser>;

GraphicsControlBlock NoControl() {
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSAL_UNSPECIFIED;
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  return control;
}

int FrameDelayMs(int Hundredths) {
  return Hundredths <= 1 ? TGifAnimation::MinFrameDelayMs : Hundredths * 10;
}

// The rows of an interlaced frame arrive in four passes: every 8th row from 0, every 8th
// from 4, every 4th from 2, every 2nd from 1. Gives the row of the Index-th stored line.
int InterlacedRow(int Index, int Height) {
  static constexpr int Start[] = {0, 4, 2, 1};
  static constexpr int Step[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    const int rows =
        Height > Start[pass] ? (Height - Start[pass] + Step[pass] - 1) / Step[pass] : 0;
    if (Index < rows)
      return Start[pass] + Index * Step[pass];
    Index -= rows;
  }
  return Height - 1;
}

// Palette of one frame as premultiplied pixels; the transparent index and indexes past the
// colour table are fully transparent, so they leave the canvas as it is.
std::array<QRgb, 256> FramePalette(const ColorMapObject& Map, int TransparentIndex) {
  std::array<QRgb, 256> palette{};
  const int count = std::min(Map.ColorCount, 256);
  for (int i = 0; i < count; ++i)
    palette[size_t(i)] = qRgb(Map.Colors[i].Red, Map.Colors[i].Green, Map.Colors[i].Blue);
  if (TransparentIndex >= 0 && TransparentIndex < 256)
    palette[size_t(TransparentIndex)] = 0;
  return palette;
}

void CopyArea(const QImage& From, QImage& To, QPoint At) {
  for (int y = 0; y < From.height(); ++y)
    std::memcpy(To.scanLine(At.y() + y) + qsizetype(At.x()) * 4, From.constScanLine(y),
                size_t(From.width()) * 4);
}

// Reads the records of one GIF in order and composes its frames on a canvas the size of the
// logical screen.
class TGifDecoder {
public:
  TGifDecoder(const QByteArray& Data, const TImageLimits& Limits);
  TGifAnimation Decode(int FrameLimit);

private:
  [[noreturn]] void Fail() const;
  void ReadExtension(TGifAnimation& Animation);
  void ReadFrame(TGifAnimation& Animation);
  void ChargeFrame(const GifImageDesc& Desc);
  void DrawRows(const GifImageDesc& Desc, const std::array<QRgb, 256>& Palette);
  void Dispose(const QRect& Area, const QImage& Before);

  TMemorySource FSource;
  TImageLimits FLimits;
  TGifHandle FGif;
  QImage FCanvas;
  GraphicsControlBlock FControl = NoControl();
  qint64 FComposedBytes = 0;
  qint64 FDecodedPixels = 0;
};

// What giflib's Error means, for the player's message, in the player's language.
QString GifReason(int Error) {
  const char* why = nullptr;
  switch (Error) {
  case D_GIF_ERR_READ_FAILED:
  case D_GIF_ERR_EOF_TOO_SOON:
    why = QT_TRANSLATE_NOOP("GifImage", "it ends early");
    break;
  case D_GIF_ERR_NOT_GIF_FILE:
    why = QT_TRANSLATE_NOOP("GifImage", "it is not in GIF format");
    break;
  case D_GIF_ERR_NO_SCRN_DSCR:
    why = QT_TRANSLATE_NOOP("GifImage", "it has no screen description");
    break;
  case D_GIF_ERR_NO_IMAG_DSCR:
    why = QT_TRANSLATE_NOOP("GifImage", "a frame has no image description");
    break;
  case D_GIF_ERR_NO_COLOR_MAP:
    why = QT_TRANSLATE_NOOP("GifImage", "it has no colour table");
    break;
  case D_GIF_ERR_WRONG_RECORD:
    why = QT_TRANSLATE_NOOP("GifImage", "it holds a record of an unknown kind");
    break;
  case D_GIF_ERR_DATA_TOO_BIG:
    why = QT_TRANSLATE_NOOP("GifImage", "a frame holds more pixels than its size");
    break;
  case D_GIF_ERR_NOT_ENOUGH_MEM:
    why = QT_TRANSLATE_NOOP("GifImage", "there is not enough memory");
    break;
  case D_GIF_ERR_IMAGE_DEFECT:
    why = QT_TRANSLATE_NOOP("GifImage", "its image data is defective");
    break;
  default:
    why = QT_TRANSLATE_NOOP("GifImage", "error %1");
    break;
  }
  return QCoreApplication::translate("GifImage", why).arg(Error);
}

TGifHandle OpenGif(TMemorySource& Source, const TImageLimits& Limits) {
  if (!IsGifData(*Source.Data))
    throw EImageError(QCoreApplication::translate("GifImage", "The picture is not a GIF picture."));
  int error = 0;
  TGifHandle gif(DGifOpen(&Source, ReadFromMemory, &error));
  if (!gif)
    throw EImageError(
        QCoreApplication::translate("GifImage", "The GIF picture cannot be read (%1).")
            .arg(GifReason(error)));
  Limits.CheckSize(gif->SWidth, gif->SHeight, "GIF");
  return gif;
}

TGifDecoder::TGifDecoder(const QByteArray& Data, const TImageLimits& Limits)
    : FSource{&Data, 0}, FLimits(Limits), FGif(OpenGif(FSource, Limits)) {
  FCanvas = QImage(FGif->SWidth, FGif->SHeight, QImage::Format_ARGB32_Premultiplied);
  if (FCanvas.isNull())
    throw EImageError(
        QCoreApplication::translate("GifImage", "There is not enough memory for the GIF picture."));
  FCanvas.fill(Qt::transparent);
}

void TGifDecoder::Fail() const {
  if (FGif->Error == D_GIF_ERR_READ_FAILED)
    throw EImageError(QCoreApplication::translate("GifImage", "The GIF picture is incomplete."));
  throw EImageError(QCoreApplication::translate("GifImage", "The GIF picture is damaged (%1).")
                        .arg(GifReason(FGif->Error)));
}

TGifAnimation TGifDecoder::Decode(int FrameLimit) {
  TGifAnimation animation;
  animation.ScreenSize = FCanvas.size();
  for (;;) {
    if (int(animation.Frames.size()) >= FrameLimit)
      return animation;
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(FGif.get(), &record) == GIF_ERROR)
      Fail();
    if (record == IMAGE_DESC_RECORD_TYPE)
      ReadFrame(animation);
    else if (record == EXTENSION_RECORD_TYPE)
      ReadExtension(animation);
    else
      break; // the trailer; giflib reports unknown records as errors
  }
  if (animation.Frames.empty())
    throw EImageError(QCoreApplication::translate("GifImage", "The GIF picture holds no image."));
  return animation;
}

void TGifDecoder::ReadExtension(TGifAnimation& Animation) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(FGif.get(), &code, &block) == GIF_ERROR)
    Fail();
  // A malformed control block is ignored, as browsers do: the frame shows with no delay and
  // no transparency.
  if (code == GRAPHICS_EXT_FUNC_CODE && block &&
      DGifExtensionToGCB(block[0], block + 1, &FControl) == GIF_ERROR)
    FControl = NoControl();
  const bool looping = code == APPLICATION_EXT_FUNC_CODE && block && block[0] == 11 &&
                       (std::memcmp(block + 1, "NETSCAPE2.0", 11) == 0 ||
                        std::memcmp(block + 1, "ANIMEXTS1.0", 11) == 0);
  while (block) {
    if (DGifGetExtensionNext(FGif.get(), &block) == GIF_ERROR)
      Fail();
    if (looping && block && block[0] >= 3 && block[1] == 1) {
      const int loops = block[2] | (block[3] << 8);
      Animation.PlayCount = loops == 0 ? 0 : loops + 1;
    }
  }
}

// Counts a frame against the bounds before anything of it is decoded.
void TGifDecoder::ChargeFrame(const GifImageDesc& Desc) {
  FLimits.CheckSize(Desc.Width, Desc.Height, "GIF");
  FDecodedPixels += qint64(Desc.Width) * Desc.Height;
  FComposedBytes += FCanvas.sizeInBytes();
  if (FDecodedPixels > FLimits.MaxBytes || FComposedBytes > FLimits.MaxBytes)
    throw EImageError(QCoreApplication::translate(
        "GifImage", "The GIF picture needs more memory than a card face may use."));
}

void TGifDecoder::ReadFrame(TGifAnimation& Animation) {
  if (int(Animation.Frames.size()) >= FLimits.MaxFrames)
    throw EImageError(QCoreApplication::translate(
        "GifImage", "The GIF picture has more than %n frames.", nullptr, FLimits.MaxFrames));
  if (DGifGetImageDesc(FGif.get()) == GIF_ERROR)
    Fail();
  const GifImageDesc desc = FGif->Image;
  ChargeFrame(desc);
  const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : FGif->SColorMap;
  if (!map)
    throw EImageError(
        QCoreApplication::translate("GifImage", "The GIF picture has no colour table."));
  const QRect area =
      QRect(desc.Left, desc.Top, desc.Width, desc.Height).intersected(FCanvas.rect());
  const QImage before = FControl.DisposalMode == DISPOSE_PREVIOUS ? FCanvas.copy(area) : QImage();
  DrawRows(desc, FramePalette(*map, FControl.TransparentColor));
  Animation.Frames.push_back({FCanvas, FrameDelayMs(FControl.DelayTime)});
  Dispose(area, before);
  FControl = NoControl();
}

void TGifDecoder::DrawRows(const GifImageDesc& Desc, const std::array<QRgb, 256>& Palette) {
  std::vector<GifPixelType> line(size_t(Desc.Width));
  for (int index = 0; index < Desc.Height; ++index) {
    // A thousand frames of many rows each take seconds: a stop must not wait for their end.
    FLimits.CheckGoingOn();
    if (DGifGetLine(FGif.get(), line.data(), Desc.Width) == GIF_ERROR)
      Fail();
    const int y = Desc.Top + (Desc.Interlace ? InterlacedRow(index, Desc.Height) : index);
    if (y < 0 || y >= FCanvas.height())
      continue;
    auto* row = reinterpret_cast<QRgb*>(FCanvas.scanLine(y));
    const int end = std::min(Desc.Width, FCanvas.width() - Desc.Left);
    for (int x = std::max(0, -Desc.Left); x < end; ++x) {
      const QRgb pixel = Palette[line[size_t(x)]];
      if (qAlpha(pixel) != 0)
        row[Desc.Left + x] = pixel;
    }
  }
}

void TGifDecoder::Dispose(const QRect& Area, const QImage& Before) {
  if (Area.isEmpty())
    return;
  if (FControl.DisposalMode == DISPOSE_BACKGROUND) {
    for (int y = Area.top(); y <= Area.bottom(); ++y)
      std::fill_n(reinterpret_cast<QRgb*>(FCanvas.scanLine(y)) + Area.left(), Area.width(), 0u);
  } else if (FControl.DisposalMode == DISPOSE_PREVIOUS) {
    CopyArea(Before, FCanvas, Area.topLeft());
  }
}

} // namespace

bool IsGifData(const QByteArray& Data) {
  return Data.startsWith("GIF87a") || Data.startsWith("GIF89a");
}

QSize ReadGifScreenSize(const QByteArray& Data, const TImageLimits& Limits) {
  TMemorySource source{&Data, 0};
  TGifHandle gif = OpenGif(source, Limits);
  return QSize(gif->SWidth, gif->SHeight);
}

TGifAnimation DecodeGif(const QByteArray& Data, const TImageLimits& Limits) {
  return TGifDecoder(Data, Limits).Decode(std::numeric_limits<int>::max());
}

QImage DecodeGifFirstFrame(const QByteArray& Data, const TImageLimits& Limits) {
  return TGifDecoder(Data, Limits).Decode(1).Frames.front().Image;
}
