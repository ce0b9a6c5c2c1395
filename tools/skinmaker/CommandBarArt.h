// The main window's command bar and the small "About" plaque above it.
#pragma once

#include <QImage>

namespace skinart {

// Entry 11: exit and play buttons at the ends, options above play, and the ivory plate that
// carries the status line between them.
QImage CommandBar();
// Entry 14: a brass plaque that opens the about box.
QImage AboutPlaque();

} // namespace skinart
