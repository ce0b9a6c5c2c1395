// Access to the skin the build generated, for the skin tests.
#pragma once

#include "SkinLayout.h"

#include <QImage>
#include <QString>

#include <map>

namespace skintest {

QString ArchivePath();
// Entry Index of the build's tesselo.dat, read with the game's reader and decoded as a BMP.
QImage Entry(int Index);
// Relative luminance 0..255.
int Luma(QRgb Pixel);

} // namespace skintest
