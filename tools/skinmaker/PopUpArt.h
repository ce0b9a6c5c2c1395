// The pop-up windows' pieces (about box, help window, score screen): a title strip with a
// close button, rails, a bottom band, a "Close" button and the windows' title pictures. The
// felt between them is the main window's tile.
#pragma once

#include <QImage>
#include <QString>

namespace skinart {

QImage PopUpTitleStrip();  // entry 18, with the "exit" button
QImage PopUpLeftRail();    // entry 19
QImage PopUpRightRail();   // entry 20
QImage PopUpBottom();      // entry 21: the bottom band as wide as the window
QImage PopUpCloseButton(); // entry 22
// Entries 23, 29 and 30: a title in gold over the felt exactly where the window centres it.
QImage PopUpTitle(const QString& Text);

} // namespace skinart
