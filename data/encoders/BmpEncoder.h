// Writes Windows BMP files, the format of card backs, adverts and BMP faces.
#pragma once

#include <QByteArray>
#include <QImage>

// Encodes Picture as an uncompressed 24-bit BMP (transparency is dropped onto black).
// Raises EEncodeError (GifEncoder.h) for an empty picture.
QByteArray EncodeBmp(const QImage& Picture);
