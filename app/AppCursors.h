// The two hand cursors the program carries, registered by number before any control asks.
#pragma once

// Register number 1 (open hand, "CRHMOVE") and 2 (pointing hand, "CRHPOINT") from the embedded
// pictures, with skinlayout::cursors::HotSpot. A picture that cannot be read leaves its number
// the arrow. They need a QGuiApplication; calling them again is harmless. Neither hand is part
// of the main window's first picture, so start-up registers them after it.
void RegisterMoveCursor();
void RegisterPointCursor();
