// Makes the drawn controls (image maps, the slider, the board grid) visible to assistive
// technology. Call once after the application object exists; calling again does nothing more.
#pragma once

void InstallAccessibility();
