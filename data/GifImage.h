// Decoding of GIF card faces from memory with giflib: every frame composed as a browser
// shows it, with its delay and the animation's loop count.
#pragma once

#include "ImageLimits.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <vector>

struct TGifFrame {
  // The whole logical screen as it looks while this frame shows
  // (QImage::Format_ARGB32_Premultiplied; pixels no frame has drawn are transparent).
  QImage Image;
  // How long the frame shows. A stored delay of 0 or 1 hundredths of a second becomes
  // MinFrameDelayMs, as browsers do, because such files expect a player that cannot go faster.
  int DelayMs = 0;
};

struct TGifAnimation {
  static constexpr int MinFrameDelayMs = 100;

  QSize ScreenSize;
  std::vector<TGifFrame> Frames;
  // How many times the frames play in all: 1 without a loop extension, 0 for ever, and a
  // stored loop count n plays n + 1 times (the first play and n repeats).
  int PlayCount = 1;
};

// True when Data starts like a GIF file ("GIF87a" or "GIF89a").
bool IsGifData(const QByteArray& Data);

// Checks the signature and the logical screen size without decoding any frame. Throws
// EImageError like DecodeGif.
QSize ReadGifScreenSize(const QByteArray& Data, const TImageLimits& Limits = {});

// Decodes every frame. Disposal methods "keep", "restore to background" (the frame's area
// becomes transparent) and "restore to previous" are applied between frames; transparent
// pixels leave what lies beneath; a frame uses its own palette, else the global one;
// interlaced frames are put back in row order. Throws EImageError when the data is not a
// GIF, is damaged or truncated, or lies past Limits (screen and frame sides, frame count, and
// the bytes of all composed frames and of all decoded frame pixels).
TGifAnimation DecodeGif(const QByteArray& Data, const TImageLimits& Limits = {});

// The first frame alone, for still drawing; reads no further than that frame. Throws like
// DecodeGif.
QImage DecodeGifFirstFrame(const QByteArray& Data, const TImageLimits& Limits = {});
