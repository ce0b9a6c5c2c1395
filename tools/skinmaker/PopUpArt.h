// The pop-up windows' pieces (about box, help window, score screen): a title strip with a
// close button, rails, a bottom band, a "Close" button and the windows' title pictures. The
// felt between them is the main window's tile.
#pragma once

#include <QImage>
#include <QString>

namespace skinart {

QImage PopUpTitleStrip(); // with the "exit" button
QImage PopUpLeftRail();
QImage PopUpRightRail();
QImage PopUpBottom(); // the bottom band as wide as the window
QImage PopUpCloseButton();
// The windows' titles: a title in gold over the felt exactly where the window centres it.
// Place names the title in the message when Text does not fit (see FittingFont).
QImage PopUpTitle(const QString& Text, const QString& Place);

} // namespace skinart
