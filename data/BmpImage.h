// Decoding of Windows BMP pictures (advert, card back and BMP faces) with Qt's own reader.
#pragma once

#include "ImageLimits.h"

#include <QByteArray>
#include <QImage>

// Decodes a whole BMP file held in Data. The size in the file's header is checked against
// Limits before any pixel memory is allocated. Throws EImageError when the data is not a BMP
// picture, is damaged, or lies past Limits.
QImage DecodeBmp(const QByteArray& Data, const TImageLimits& Limits = {});
