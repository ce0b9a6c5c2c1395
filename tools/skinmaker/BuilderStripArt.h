// The strips that invite the player to make card sets with Deckwright: one along the options
// panel, one in the score screen's bottom band. Each is painted over the very background it
// covers, so it reads as lettering on the panel rather than a pasted label.
#pragma once

#include <QImage>

namespace skinart {

QImage OptionsBuilderStrip(); // skinlayout::options::BuilderStrip
QImage ScoreBuilderStrip();   // skinlayout::score::BuilderStrip

} // namespace skinart
