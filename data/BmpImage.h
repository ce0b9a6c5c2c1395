// Decoding of Windows BMP pictures: the skin's pictures, and a card set's advert, card back and
// BMP faces.
//
// The pixel data must give every pixel the picture's kind promises. Qt's reader returns a
// picture whose data is cut short (or whose run-length codes skip pixels) with the missing
// pixels holding whatever the memory held, so the same file would show differently on every
// run; a picture cut short is refused as damaged instead.
//
// Run-length pictures (8 and 4 bits a pixel) are read here: their codes may legally skip pixels
// (a move ahead, a row or the picture ended early), which come out fully transparent, so such a
// picture has an alpha channel; one whose codes give every pixel is opaque. Uncompressed 24-bit
// bottom-up bitmaps, which every skin picture is, are read here directly too, to the pixel as
// Qt's reader reads them (that reader converts them pixel by pixel through its general
// colour-mask formula, a tenth of start-up); any other kind goes to Qt's reader.
#pragma once

#include "ImageLimits.h"

#include <QByteArray>
#include <QImage>

// Decodes a whole BMP file held in Data. The size in the file's header is checked against
// Limits before any pixel memory is allocated. Throws EImageError when the data is not a BMP
// picture, is damaged or cut short, or lies past Limits.
QImage DecodeBmp(const QByteArray& Data, const TImageLimits& Limits = {});
