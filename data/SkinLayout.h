// The skin archive tesselo.dat and the windows built from it, described once: which entry holds
// which picture, the size each picture is drawn at, and where the windows put their controls,
// hot areas and fixed texts. The windows lay themselves out from these values, the skin
// generator paints every picture to fit them, and the tests check the one against the other.
//
// Rectangles are QRect(left, top, width, height) in the coordinates of the picture or window
// their section names. A hot area's right and bottom edges lie outside it, as
// TKVCustomImageMap::AddArea takes a QRect.
//
// Texts are marked for translation with the context of the window that shows them
// (TESSELO_TEXT) and shown through Translated (data/Translation.h); the generator paints the
// captions from the same translations.
#pragma once

#include "Product.h"
#include "Wording.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace skinlayout {

// An area of an image map: the command it reports, where it lies on the map's picture, and the
// tooltip it shows.
struct TSkinArea {
  const char* Name;
  QRect Rect;
  TText Hint;
};

// The slot that a frame leaves empty (a placeholder keeps the later slots at their indexes).
inline constexpr int NoEntry = -1;

// ---- The archive's entries, in index order --------------------------------------------------

namespace entry {
inline constexpr int CoverLink = 0; // text: the link the cover's advert area opens
inline constexpr int Cover = 1;
// The main window's frame, in the bevel's slot order (see mainform::FrameEntries).
inline constexpr int FrameTopLeft = 2;  // the title bar's left end, carrying the game's name
inline constexpr int FrameTop = 3;      // stretched along the top
inline constexpr int FrameTopRight = 4; // the window buttons; also the title bar map's picture
inline constexpr int FrameLeft = 5;
inline constexpr int FrameRight = 6;
inline constexpr int FrameBottomLeft = 7;
inline constexpr int FrameBottom = 8; // stretched along the bottom
inline constexpr int FrameBottomRight = 9;
// The frame's centre tile: the main window's, the board's and the pop-ups' background.
inline constexpr int Felt = 10;
inline constexpr int CommandBar = 11;
inline constexpr int SliderTrack = 12;
inline constexpr int SliderThumb = 13;
inline constexpr int AboutPlaque = 14;
inline constexpr int OptionsBackground = 17;
inline constexpr int PopUpTitleStrip = 18;
inline constexpr int PopUpLeftRail = 19;
inline constexpr int PopUpRightRail = 20;
inline constexpr int PopUpBottom = 21;
inline constexpr int PopUpCloseButton = 22;
inline constexpr int AboutTitle = 23;
inline constexpr int HelpTitle = 29;
inline constexpr int ScoreTitle = 30;
// Entries no window reads. They hold pictures all the same, as every entry of a skin must.
inline constexpr int Spare[] = {15, 16, 24, 25, 26, 27, 28};
inline constexpr int Count = 31;
} // namespace entry

// ---- The two hand cursors, carried in the program beside the archive -----------------------

namespace cursors {
inline constexpr QSize Size{32, 32};
// Both are registered with this hot spot: the pointing hand's fingertip.
inline constexpr QPoint HotSpot{12, 6};
} // namespace cursors

// ---- Texts more than one window shows ------------------------------------------------------

// The game's page: the generator stores it as entry::CoverLink, the about box shows it.
inline constexpr char HomePage[] = "https://tesselo.kovalent.example/";
inline constexpr TText ExitText = TESSELO_TEXT("TMainForm", "Exit");
inline constexpr TText CloseText = TESSELO_TEXT("TPopUpform", "Close");
inline constexpr TText OptionsText = TESSELO_TEXT("TMainForm", "Options");
// The pop-ups' titles: painted into their title pictures, and the hints of what opens them.
inline constexpr TText AboutTitle = TESSELO_TEXT("TAboutForm", "About");
inline constexpr TText HelpTitle = TESSELO_TEXT("Thelpform", "Help");
inline constexpr TText ScoreTitle = TESSELO_TEXT("TScoreForm", "Score");
// Screen readers' name for a window's title bar map.
inline constexpr TText TitleBarName = TESSELO_TEXT("TMainForm", "Window");
// Screen readers' name for the strips that start the card builder.
inline constexpr TText BuilderStripName = TESSELO_TEXT("TOptionsPanel", "Make your own card set");

// ---- The main window (TMainForm) -----------------------------------------------------------

namespace mainform {
// The client size the window is designed at; it is never narrower.
inline constexpr QSize Client{490, 450};
// Slots top-left, top, top-right, left, right, bottom-left, bottom, bottom-right, centre.
inline constexpr int FrameEntries[9] = {
    entry::FrameTopLeft, entry::FrameTop,         entry::FrameTopRight,
    entry::FrameLeft,    entry::FrameRight,       entry::FrameBottomLeft,
    entry::FrameBottom,  entry::FrameBottomRight, entry::Felt};
// The frame around the board: the grid starts at (RailWidth, TitleHeight).
inline constexpr int TitleHeight = 21;
inline constexpr int RailWidth = 5;
inline constexpr int BottomHeight = 70;
// Length of the edge pictures that are stretched along the sides.
inline constexpr int EdgeTileLength = 16;
inline constexpr QSize BottomCornerSize{12, BottomHeight};
inline constexpr int FeltTileSize = 96;

// The title bar map (ExitMap) at the window's top-right corner.
inline constexpr QSize WindowButtonsSize{59, TitleHeight};
inline constexpr TSkinArea HelpArea{"help", {6, 4, 13, 12}, HelpTitle};
inline constexpr TSkinArea MiniArea{"mini", {23, 4, 13, 12}, TESSELO_TEXT("TMainForm", "Minimize")};
inline constexpr TSkinArea ExitArea{"exit", {40, 4, 13, 12}, ExitText};

// The command bar (PanelMap), centred at the window's bottom.
inline constexpr QSize CommandBarSize{466, BottomHeight};
inline constexpr TSkinArea BarExitArea{"exit", {8, 32, 57, 28}, ExitText};
inline constexpr TSkinArea BarPlayArea{
    "play", {392, 32, 65, 28}, TESSELO_TEXT("TMainForm", "Play")};
inline constexpr TSkinArea BarOptionsArea{"options", {398, 8, 60, 16}, OptionsText};
// The plate the status line (Label1) is drawn on; the line's top lies StatusFromBottom pixels
// above the window's bottom.
inline constexpr QRect StatusPlate{80, 38, 306, 26};
inline constexpr int StatusFromBottom = 26;
inline constexpr TText WelcomeText = TESSELO_TEXT("TMainForm", "Welcome");
inline constexpr TText OptionsStatusText = TESSELO_TEXT("TMainForm", "Set Options");

// The cover (CoverMap), centred CoverTop pixels below the window's top; its advert area's hint
// is the link of entry::CoverLink.
inline constexpr QSize CoverSize{429, 287};
inline constexpr int CoverTop = 50;
inline constexpr QPoint CoverPlace{(Client.width() - CoverSize.width()) / 2, CoverTop};
inline constexpr QRect CoverAdArea{11, 11, 407, 269};
inline constexpr char CoverAdName[] = "ad";

// The about plaque (CopyRightImage), centred; at the design size its top is 361, the snap of
// 450 - 90 to the artwork's grid.
inline constexpr QSize AboutPlaqueSize{170, 17};
inline constexpr int AboutPlaqueTop = 361;
} // namespace mainform

// ---- The options panel (TOptionsPanel), inside the main window ------------------------------

namespace options {
inline constexpr QSize Size{386, 303};
// Where the main window puts the panel at its design size.
inline constexpr QPoint Place{52, 52};
// Captions painted beside controls, which also name the controls for screen readers.
inline constexpr TText CardsCaption = TESSELO_TEXT("TOptionsPanel", "Card set");
inline constexpr TText PairsCaption = TESSELO_TEXT("TOptionsPanel", "Pairs");
inline constexpr TText SoundCaption = TESSELO_TEXT("TOptionsPanel", "Sound");
inline constexpr QRect CardsBox{30, 68, 145, 21};
inline constexpr QRect PairsBox{30, 116, 145, 21};
inline constexpr QRect DelayBox{30, 164, 145, 21};
inline constexpr QRect SoundCheck{30, 221, 15, 15};
inline constexpr QRect PlayerEdits[4] = {
    {232, 68, 121, 21}, {232, 92, 121, 21}, {232, 116, 121, 21}, {232, 140, 121, 21}};
inline constexpr QRect ComputerCheck{232, 169, 15, 15};
// The level slider (IQSlider): its track picture is as large as it, the thumb as high, and
// levels are spread over the track less SliderInset pixels at each end.
inline constexpr QRect LevelSlider{200, 225, 177, 18};
inline constexpr QSize SliderThumbSize{9, 18};
inline constexpr int SliderInset = 5;
// The card-builder strip (DKWRBtn) along the panel's bottom.
inline constexpr QRect BuilderStrip{0, 261, 386, 17};
} // namespace options

// ---- The pop-up windows (TPopUpform and the windows derived from it) ------------------------

namespace popup {
inline constexpr QSize Size{395, 259};
// The bevel's nine slots: only the rails, the bottom band (drawn at its own size from the
// bottom-left corner) and the felt.
inline constexpr int FrameEntries[9] = {
    NoEntry, NoEntry, NoEntry,    entry::PopUpLeftRail, entry::PopUpRightRail, entry::PopUpBottom,
    NoEntry, NoEntry, entry::Felt};
inline constexpr QSize RailSize{5, 16};
inline constexpr QSize BottomSize{395, 38};
// The title strip (ExitMap) along the top, with its close button.
inline constexpr QSize TitleStripSize{395, 24};
inline constexpr TSkinArea ExitArea{"exit", {378, 4, 13, 12}, CloseText};
// The title picture (TitleImage) is centred at TitleTop; TitlePlace is its place until one is
// loaded.
inline constexpr QSize TitleSize{180, 20};
inline constexpr int TitleTop = 29;
inline constexpr QPoint TitlePlace{128, TitleTop};
// The close button (CloseBtn); it keeps its distances from the right and bottom edges.
inline constexpr QRect CloseButton{321, 230, 61, 17};
// Labels are this high, in the windows' 11-pixel font.
inline constexpr int LabelHeight = 13;
} // namespace popup

namespace score {
inline constexpr int TitleEntry = entry::ScoreTitle;
inline constexpr QRect AdImage{200, 50, 178, 170};
inline constexpr QRect BuilderStrip{13, 230, 300, 17};
inline constexpr QPoint PlayersCaptionPlace{32, 60};
inline constexpr TText PlayersCaption = TESSELO_TEXT("TScoreForm", "Players:");
inline constexpr QPoint PairsCaptionPlace{150, 60};
inline constexpr TText PairsCaption = TESSELO_TEXT("TScoreForm", "Pairs:");
// One row per player slot: the name from NameLeft, the pair count right-aligned in PairBox.
inline constexpr int RowTops[5] = {88, 108, 126, 144, 162};
inline constexpr int NameLeft = 24;
inline constexpr QRect PairBox{148, 0, 24, 13};
inline constexpr QPoint WinnerPlace{24, 198};
} // namespace score

namespace about {
inline constexpr int TitleEntry = entry::AboutTitle;

// Text lines are translated; names (the product's, the maker's, its address) stay as they are.
enum class TLineKind { Text, Name, Web, Mail };

// A label across the window's whole width, its text centred.
struct TLine {
  const char* Name;
  TText Text; // without a context for names and links
  int Top;
  TLineKind Kind;
  bool Bold;
};

inline constexpr TLine Lines[] = {
    {"Label8", {nullptr, product::Title}, 60, TLineKind::Name, false},
    {"Label1", TESSELO_TEXT("TAboutForm", "Original concept and design by"), 80, TLineKind::Text,
     false},
    {"Label12", {nullptr, "Kovalent Games Ltd."}, 94, TLineKind::Name, true},
    {"Label2", {nullptr, "14 Lattice Row, Tessel Bridge, TB3 7KV"}, 108, TLineKind::Name, false},
    {"Label3", {nullptr, "https://www.kovalent.example/"}, 120, TLineKind::Web, false},
    {"Label10", {nullptr, HomePage}, 132, TLineKind::Web, false},
    {"Label4", {nullptr, "tesselo@kovalent.example"}, 144, TLineKind::Mail, false},
    {"Label5",
     TESSELO_TEXT("TAboutForm",
                  "The artwork of the animated card sets belongs to Pixelgarten Studio"),
     170, TLineKind::Text, false},
    {"Label6", TESSELO_TEXT("TAboutForm", "and is used with its kind permission."), 182,
     TLineKind::Text, false},
    {"Label7", {nullptr, "https://www.pixelgarten.example/"}, 194, TLineKind::Web, false},
};
// The label whose click opens the artists' page through the maker's redirect.
inline constexpr char ArtworkLineName[] = "Label7";

// The copyright line, left-aligned over the bottom band.
inline constexpr QPoint CopyrightPlace{20, 234};
inline constexpr TText CopyrightText =
    TESSELO_TEXT("TAboutForm", "Copyright © 2026 Kovalent Games Ltd.");
} // namespace about

namespace help {
inline constexpr int TitleEntry = entry::HelpTitle;
// The help viewer (KVRichEdit1); the title pictures must end above it.
inline constexpr QRect Viewer{18, 52, 357, 167};
} // namespace help

} // namespace skinlayout
