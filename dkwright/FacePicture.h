// A face decoded with the game's own decoders, so a set is only built from pictures the game
// can show.
#pragma once

#include "FaceFormat.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>

struct TFacePicture {
  TFaceFormat Format = TFaceFormat::Unknown;
  QList<QImage> Frames; // one for stills; every composed frame of an animated GIF
  QList<int> DelaysMs;  // one per frame
  QSize Size() const { return Frames.isEmpty() ? QSize() : Frames.front().size(); }
};

// The bytes of the file at Path, which may be at most MaxBytes long. It is opened without
// waiting: a pipe or a device named as a picture is refused, never waited on. Raises
// EDeckError naming Name when the file cannot be read, is not a regular file, is too large or
// is empty.
QByteArray ReadInputFile(const QString& Path, const QString& Name, qint64 MaxBytes);
// A picture file: at most TDeckRequest::MaxFileBytes.
QByteArray ReadFaceFile(const QString& Path, const QString& Name);

// Decodes Data as a picture in the format its content announces. Raises EDeckError naming
// Name when the format is unknown or the picture is damaged or too large.
TFacePicture DecodeFacePicture(const QByteArray& Data, const QString& Name);

// The picture's size, read from its header without decoding its pixels. Raises like
// DecodeFacePicture for an unknown format or an unreadable header.
QSize ReadFaceSize(const QByteArray& Data, const QString& Name);
