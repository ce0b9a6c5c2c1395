// Decoding of JPEG card faces from memory with libjpeg.
#pragma once

#include "ImageLimits.h"

#include <QByteArray>
#include <QImage>

// Decodes a whole JPEG file held in Data into an opaque QImage::Format_RGB32 picture.
// Throws EImageError when the data is not a JPEG picture, uses a colour space that cannot
// become RGB, lies past Limits, or is damaged or cut short.
//
// libjpeg only warns about damage and pads what is missing with grey, so its warnings are
// judged by when they come: one that comes while rows of the picture are still being decoded
// means rows were made up, and the picture is refused. Warnings before decoding starts or
// after the last row (stray bytes before a marker, a missing end marker) leave every row as
// the file holds it, and such pictures, common among those made elsewhere, are shown. A
// progressive picture reads its whole file before its first row, so a warning while reading
// it, or data that ends before its end marker, refuses it.
QImage DecodeJpeg(const QByteArray& Data, const TImageLimits& Limits = {});
