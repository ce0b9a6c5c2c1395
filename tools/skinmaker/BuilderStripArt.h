// The strips that invite the player to make card sets with Deckwright: one along the options
// panel, one in the score screen's bottom band. Each is painted over the very background it
// covers, so it reads as lettering on the panel rather than a pasted label.
#pragma once

#include <QImage>

namespace skinart {

QImage OptionsBuilderStrip(); // 386 x 17, at (0, 261) of the options panel
QImage ScoreBuilderStrip();   // 300 x 17, at (13, 230) of the score screen

} // namespace skinart
