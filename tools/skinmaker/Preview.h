// Pictures of whole windows put together from the skin pieces the way the game lays them out,
// to judge the artwork as a player sees it.
#pragma once

#include <QImage>
#include <QSize>

#include <vector>

namespace skinart {

// The nine frame slots of a window (top-left, top, top-right, left, right, bottom-left,
// bottom, bottom-right, centre tile); a null image is an empty slot.
struct TFrameSlots {
  QImage Pieces[9];
};

// Paints the frame over a window of the given size: the tile repeated from the origin, edges
// stretched (or tiled when Stretch is false) along their sides, corners at their own size.
QImage ComposeFrame(const TFrameSlots& Slots, QSize Client, bool Stretch);

// The main window at its start size with the cover, as the game opens.
QImage PreviewCover();
// The main window with the options panel and sample values in its controls.
QImage PreviewOptions();
// The main window around a board of 8 x 6 cards in the middle of a game.
QImage PreviewBoard();
// The score screen and the about box with sample texts.
QImage PreviewScore();
QImage PreviewAbout();

} // namespace skinart
