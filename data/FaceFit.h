// How a decoded face is stretched to the cell it is drawn in.
#pragma once

#include <QImage>
#include <QSize>

// Picture stretched to exactly Cell pixels, whatever its proportions, with every source pixel
// counted. Whole, when given, is the size of the picture in its file when Picture was decoded
// from it at a reduced libjpeg scale of M/8: libjpeg rounds such a size up, so the last row or
// column can lie partly outside the picture, and only the part inside is stretched, as the
// whole picture would have been.
QImage StretchedToCell(const QImage& Picture, QSize Cell, QSize Whole = {});
