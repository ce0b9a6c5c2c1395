// The twelve painted landscapes of the "Wallpapers" set.
#pragma once

#include <QImage>
#include <QList>
#include <QSize>

inline constexpr QSize LandscapeSize{240, 180};

// Dawn lake, tropical bay, dunes, misty forest, aurora, sunset sea, snow peaks, green hills,
// lavender field, canyon, moonlit lake and autumn valley; each from its own fixed seed.
QList<QImage> DrawLandscapes();
