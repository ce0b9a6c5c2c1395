// Decoding of JPEG card faces from memory with libjpeg.
#pragma once

#include "ImageLimits.h"

#include <QByteArray>
#include <QImage>

// Decodes a whole JPEG file held in Data into an opaque QImage::Format_RGB32 picture.
// Throws EImageError when the data is not a JPEG picture, is damaged or truncated (any
// warning of the decoder rejects the picture, because libjpeg pads a cut file with grey and
// only warns), uses a colour space that cannot become RGB, or lies past Limits.
QImage DecodeJpeg(const QByteArray& Data, const TImageLimits& Limits = {});
