// The cover shown at start: the game's name over a fan of cards, framed like a table inlay.
#pragma once

#include <QImage>

namespace skinart {

// The cover. The whole picture inside the frame is the advert area that opens the game's page.
QImage Cover();

} // namespace skinart
