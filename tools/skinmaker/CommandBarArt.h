// The main window's command bar and the small "About" plaque above it.
#pragma once

#include <QImage>

namespace skinart {

// The command bar: exit and play buttons at the ends, options above play, and the ivory plate that
// carries the status line between them.
QImage CommandBar();
// A brass plaque that opens the about box.
QImage AboutPlaque();

} // namespace skinart
