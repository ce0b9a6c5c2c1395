// What a face becomes inside a set.
#pragma once

#include "FacePicture.h"

#include <QByteArray>
#include <QSize>

// The bytes to store for a face whose file holds Data and decodes to Picture, in a set whose
// card box is Box. A face within twice the box is stored exactly as given, and so is every
// face when KeepSize is set. A larger one is scaled down with its proportions to fit twice the
// box and encoded again in its own format: a JPEG at quality 88, a BMP as 24-bit, an animated
// GIF frame by frame with its delays. This keeps a set made from camera photos small and quick
// to deal, while faces stay sharp on a board that enlarges its cells.
QByteArray PrepareFaceBytes(const QByteArray& Data, const TFacePicture& Picture, QSize Box,
                            bool KeepSize);

// Picture shrunk like a face to fit twice Box when it is larger (for adverts and backs).
QImage ShrinkToFit(const QImage& Picture, QSize Box);
