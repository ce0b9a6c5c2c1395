// Reduction of true-colour pictures to one shared palette of at most 256 colours, as GIF needs.
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

#include <cstdint>
#include <vector>

// A palette and the pictures expressed in it, one index per pixel, row-major.
struct TPalettedFrames {
  QList<QRgb> Colours;                       // opaque colours; size 1..256
  std::vector<std::vector<uint8_t>> Indexes; // one per input frame, width * height each
  int TransparentIndex = -1;                 // index standing for "no pixel", or -1
  bool HasTransparentPixels = false;         // some frame has pixels of TransparentIndex
};

// Chooses one palette for all Frames (all of one size) and maps every pixel to its nearest
// colour. Pictures with at most 256 distinct colours keep them exactly; others are reduced by
// median cut over a histogram weighted by pixel count. Pixels with alpha below 128 map to a
// reserved transparent index, which exists when any such pixel does or when
// ReserveTransparent asks for one anyway. The result depends only on the pixels, so the same
// frames always give the same bytes.
TPalettedFrames QuantizeFrames(const QList<QImage>& Frames, bool ReserveTransparent = false);
