// Decoding of Windows BMP pictures: the skin's pictures, and a card set's advert, card back and
// BMP faces.
//
// The pixel data must give every pixel of the picture. Qt's reader returns a picture whose data
// is cut short (or whose run-length codes skip pixels) with the missing pixels holding whatever
// the memory held, so the same file would show differently on every run; such a picture is
// refused as damaged instead.
//
// Uncompressed 24-bit bottom-up bitmaps, which every skin picture is, are read here directly,
// to the pixel as Qt's reader reads them (that reader converts them pixel by pixel through its
// general colour-mask formula, a tenth of start-up); any other kind goes to Qt's reader.
#pragma once

#include "ImageLimits.h"

#include <QByteArray>
#include <QImage>

// Decodes a whole BMP file held in Data. The size in the file's header is checked against
// Limits before any pixel memory is allocated. Throws EImageError when the data is not a BMP
// picture, is damaged, does not give every pixel, or lies past Limits.
QImage DecodeBmp(const QByteArray& Data, const TImageLimits& Limits = {});
