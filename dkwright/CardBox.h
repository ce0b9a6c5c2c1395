// How big a set's card box is, and how big its faces may stay.
#pragma once

#include <QList>
#include <QSize>

// The card box the game was designed around; default boxes keep within it.
inline constexpr QSize StandardCardBox{120, 90};

// The size most faces share (the first such size on a tie), or an empty size for no faces.
QSize CommonFaceSize(const QList<QSize>& FaceSizes);

// The default card box for faces of size Common: that size scaled, up or down, to the largest
// box of the same proportions that fits in 120 x 90 (4:3 photos give 120 x 90, squares 90 x 90),
// never thinner than 1 pixel.
QSize DefaultCardBox(QSize Common);

// The size a face of size Face is stored at in a set with card box Box: unchanged while it fits
// in twice the box, otherwise shrunk with its proportions to fit twice the box.
QSize StoredFaceSize(QSize Face, QSize Box);

// Parses "WxH" (both 1..2048); an empty size when the text is not such a size.
QSize ParseCardBox(const QString& Text);
