// Decoding of JPEG card faces from memory with libjpeg.
#pragma once

#include "ImageLimits.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

// Decodes a JPEG file held in Data into an opaque QImage::Format_RGB32 picture. Throws
// EImageError when the data is not a JPEG picture, uses a colour space that cannot become RGB,
// its own size lies past Limits, or it is damaged or cut short.
//
// Without Cover the picture is decoded whole. With a Cover size it is decoded at the smallest
// of libjpeg's scales, 1/8 to 8/8, whose result is at least Cover on both sides: a photograph
// shown in a small cell then skips most of the decoder's work and memory. A picture that only
// the full scale covers is decoded whole; none is ever enlarged. WholeSize, when given,
// receives the picture's own size, whatever scale was used.
//
// libjpeg only warns about damage and pads what is missing with grey, so its warnings are
// judged by when they come: one that comes while rows of the picture are still being decoded
// means rows were made up, and the picture is refused. Warnings before decoding starts or
// after the last row (stray bytes before a marker, a missing end marker) leave every row as
// the file holds it, and such pictures, common among those made elsewhere, are shown. A
// progressive picture reads its whole file before its first row, so a warning while reading
// it, or data that ends before its end marker, refuses it.
//
// The rows counted are those of the scale decoded at: the judgement is the same at every
// scale, since every scale reads the whole file.
QImage DecodeJpeg(const QByteArray& Data, const TImageLimits& Limits = {}, QSize Cover = {},
                  QSize* WholeSize = nullptr);
