// Makes the drawn controls (image maps, the slider, pictures, the board grid) and the windows'
// live statuses visible to assistive technology, and keeps the hidden parts of the game's windows
// out of its sight. Call once after the application object exists; calling again does nothing
// more.
#pragma once

void InstallAccessibility();
