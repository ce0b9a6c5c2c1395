// Writes baseline JPEG files through libjpeg-turbo's compressor.
#pragma once

#include <QByteArray>
#include <QImage>

// Encodes Picture (any format; transparency is dropped onto black) as a colour JPEG/JFIF file
// at Quality 1..100 with optimised Huffman tables. Same picture, same bytes.
// Raises EEncodeError (GifEncoder.h) for an empty picture or a failure of the library.
QByteArray EncodeJpeg(const QImage& Picture, int Quality = 85);
