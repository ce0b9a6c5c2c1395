// The main window's frame: a walnut title bar, rails and bottom band around the felt, with a
// brass inlay that runs all the way round the felt.
#pragma once

#include <QImage>

namespace skinart {

QImage TitleBarLeft();  // top-left corner, carries the game's name
QImage TitleBarEdge();  // top edge, stretched along the top
QImage WindowButtons(); // top-right corner with help, minimise and exit
QImage LeftRail();
QImage RightRail();
QImage BottomLeft();
QImage BottomEdge(); // stretched along the bottom
QImage BottomRight();

// The bottom band's wood and bevels over the whole of Target (70 rows high), as the stretched
// bottom edge shows it, so the command bar's ends blend into the band.
void PaintBottomBand(QImage& Target, bool AlongVaries);
// The title strip's wood and bevels over the whole of Target, with the inlay line two rows
// above its bottom; pop-ups use it for their own title strip.
void PaintTitleBand(QImage& Target, bool AlongVaries);

} // namespace skinart
