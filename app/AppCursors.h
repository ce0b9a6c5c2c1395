// The two hand cursors the program carries, registered by number before any control asks.
#pragma once

// Registers number 1 (open hand, "CRHMOVE") and 2 (pointing hand, "CRHPOINT") from the
// embedded pictures, with skinlayout::cursors::HotSpot. A picture that cannot be read leaves its
// number the arrow. Needs a QGuiApplication; calling it again is harmless.
void RegisterAppCursors();
