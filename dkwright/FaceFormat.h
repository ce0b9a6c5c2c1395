// The picture formats a card face may have, told apart by content, never by file name.
#pragma once

#include <QByteArray>
#include <QString>

enum class TFaceFormat { Unknown, Bmp, Gif, Jpeg };

// The format the first bytes of Data announce.
TFaceFormat SniffFaceFormat(const QByteArray& Data);

// The header's ImageKind of a set whose faces are in Format: 1 GIF, 2 JPEG, 0 BMP.
int ImageKindOf(TFaceFormat Format);
// The format of an ImageKind as the game reads it (any value besides 1 and 2 is BMP).
TFaceFormat FormatOfImageKind(int ImageKind);

// "GIF", "JPEG", "BMP" or "unknown".
QString FaceFormatName(TFaceFormat Format);
