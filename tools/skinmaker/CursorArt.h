// The two hand cursors (skinlayout::cursors): black outline, white fill, transparent
// elsewhere; the game registers both with the same hot spot.
#pragma once

#include <QImage>

namespace skinart {

QImage OpenHandCursor();     // "CRHMOVE": over everything that drags a window
QImage PointingHandCursor(); // "CRHPOINT": over everything clickable; the fingertip is the hot spot

} // namespace skinart
