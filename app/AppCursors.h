// The two hand cursors the program carries, registered by number before any control asks.
#pragma once

// Register number 1 (open hand, "CRHMOVE") and 2 (pointing hand, "CRHPOINT") from the embedded
// pictures, with skinlayout::cursors::HotSpot. A picture that cannot be read leaves its number
// the arrow. They need a QGuiApplication; calling them again is harmless. The first picture of
// the main window shows only the open hand, so start-up registers the pointing hand later.
void RegisterMoveCursor();
void RegisterPointCursor();
