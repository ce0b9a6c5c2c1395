// The two hand cursors: 32 x 32, black outline, white fill, transparent elsewhere; the game
// registers both with the hot spot (12, 6).
#pragma once

#include <QImage>
#include <QPoint>

namespace skinart {

inline constexpr QPoint CursorHotSpot{12, 6};

QImage OpenHandCursor();     // "CRHMOVE": over everything that drags a window
QImage PointingHandCursor(); // "CRHPOINT": over everything clickable; the fingertip is the hot spot

} // namespace skinart
