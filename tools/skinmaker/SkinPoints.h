// The points of the windows that the end-to-end checks click, for scripts that cannot read
// SkinLayout.h: KEY=value lines a shell sources. Points are the centres of their areas, in the
// coordinates of what each section names: the main window at its design size, the command bar
// (centred at the bottom of the window whatever its size), the options panel, a pop-up.
#pragma once

#include <QByteArray>

namespace skinart {

QByteArray SkinPoints();

} // namespace skinart
