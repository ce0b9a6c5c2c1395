// The options panel: its background with every caption painted beside its control, and the
// level slider's track and thumb.
#pragma once

#include <QImage>

namespace skinart {

QImage OptionsBackground();
QImage SliderTrack(); // the panel under the slider, with the groove
QImage SliderThumb();

// The x coordinate, in the panel, of the slider's thumb centre for level Value (0..10); the
// scale's ticks sit there.
int LevelTickX(int Value);

} // namespace skinart
