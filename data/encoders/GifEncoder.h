// Writes (animated) GIF files through giflib's encoder.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

#include <stdexcept>

// Every failure of an encoder; its text is one sentence fit for the user.
class EEncodeError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

struct TGifSourceFrame {
  QImage Picture;    // any format; alpha below 128 counts as transparent
  int DelayMs = 100; // how long the frame stays; GIF keeps hundredths of a second
};

// Encodes Frames (at least one, all of one non-empty size, at most 65535 on a side) as a GIF89a
// with one global palette shared by every frame. More than one frame makes an animation that
// loops forever. Opaque animations store only the rectangle that changed since the previous
// frame, which keeps flat drawings small. Same frames, same bytes. Raises EEncodeError.
QByteArray EncodeGif(const QList<TGifSourceFrame>& Frames);
