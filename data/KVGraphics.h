// The bitmap that fits a card face into the card box.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

// Where DrawFitted puts a graphic of size Graphic inside a Width x Height box: centred, shrunk
// to fit keeping its aspect ratio (rounded half to even), never enlarged. An empty or invalid
// graphic gives an empty rectangle at the box's centre. A box height of 0 or less leaves the
// height unbounded.
QRect FittedRect(QSize Graphic, int Width, int Height);

// Rounds Num / Den (Den > 0, Num >= 0) to the nearest integer, halves to the even neighbour.
qint64 DivRoundHalfEven(qint64 Num, qint64 Den);

class TKVBitmap : public QImage {
public:
  using QImage::QImage;
  TKVBitmap() = default;

  // Makes this bitmap exactly Width x Height, 24 bits per pixel, white, with Graphic (may be
  // null, then nothing is drawn) stretched into FittedRect. A size of 0 or less in either
  // direction leaves an empty bitmap.
  void DrawFitted(const QImage* Graphic, int Width, int Height);
};
