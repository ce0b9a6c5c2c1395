// Where the game's windows put each skin picture, and the sizes the pictures are drawn at.
// The windows lay themselves out from fixed rectangles; every picture here is made to fit them.
#pragma once

#include <QRect>
#include <QSize>

namespace skinart::layout {

// Main window: design client size; the board grid starts at (5, 21).
inline constexpr QSize MainClient{490, 450};
inline constexpr int TitleHeight = 21;
inline constexpr int RailWidth = 5;
inline constexpr int BottomHeight = 70;

// Title bar: the pictures of the two top corners; the left one carries the game's name.
inline constexpr int EdgeTileLength = 16;
inline constexpr QSize WindowButtonsSize{59, TitleHeight};
inline constexpr QRect HelpButton{6, 4, 13, 12};
inline constexpr QRect MiniButton{23, 4, 13, 12};
inline constexpr QRect ExitButton{40, 4, 13, 12};
inline constexpr QSize BottomCornerSize{12, BottomHeight};

// Felt: the window's centre, the board's background and the pop-ups' background.
inline constexpr int FeltTileSize = 96;

// Command bar, centred at the bottom of the main window.
inline constexpr QSize CommandBarSize{466, BottomHeight};
inline constexpr QRect BarExit{8, 32, 57, 28};
inline constexpr QRect BarPlay{392, 32, 65, 28};
inline constexpr QRect BarOptions{398, 8, 60, 16};
// The status line's plate; the line itself is drawn 26 pixels above the window's bottom.
inline constexpr QRect StatusPlate{80, 38, 306, 26};

// Cover, centred 50 pixels below the top, and its advert area.
inline constexpr QSize CoverSize{429, 287};
inline constexpr QPoint CoverPlace{30, 50};
inline constexpr QRect CoverAd{11, 11, 407, 269};

// About plaque, centred at snap(450 - 90) = 361 in the 490 x 450 window.
inline constexpr QSize AboutPlaqueSize{170, 17};
inline constexpr int AboutPlaqueTop = 361;

// Level slider: track, thumb and the inset at each end of the track.
inline constexpr QSize SliderTrackSize{177, 18};
inline constexpr QSize SliderThumbSize{9, 18};
inline constexpr int SliderInset = 5;

// Options panel, placed at (52, 52) in the 490 x 450 window; control places inside it.
inline constexpr QSize OptionsSize{386, 303};
inline constexpr QPoint OptionsPlace{52, 52};
inline constexpr QRect CardsBox{30, 68, 145, 21};
inline constexpr QRect PairsBox{30, 116, 145, 21};
inline constexpr QRect DelayBox{30, 164, 145, 21};
inline constexpr QRect SoundCheck{30, 221, 15, 15};
inline constexpr QRect PlayerEdits[4] = {
    {232, 68, 121, 21}, {232, 92, 121, 21}, {232, 116, 121, 21}, {232, 140, 121, 21}};
inline constexpr QRect ComputerCheck{232, 169, 15, 15};
inline constexpr QRect LevelSlider{200, 225, 177, 18};
inline constexpr QRect OptionsBuilderStrip{0, 261, 386, 17};

// Pop-up windows: 395 x 259, a title strip, rails, a bottom band and a close button.
inline constexpr QSize PopUpSize{395, 259};
inline constexpr QSize PopUpTitleStripSize{395, 24};
inline constexpr QRect PopUpExitButton{378, 4, 13, 12};
inline constexpr QSize PopUpRailSize{5, 16};
inline constexpr QSize PopUpBottomSize{395, 38};
inline constexpr QRect PopUpCloseButton{321, 230, 61, 17};
inline constexpr QRect ScoreBuilderStrip{13, 230, 300, 17};
inline constexpr QSize PopUpTitleSize{180, 20};
inline constexpr int PopUpTitleTop = 29;

// Pictures of the archive that no window reads.
inline constexpr QSize SpareSize{16, 16};

} // namespace skinart::layout
