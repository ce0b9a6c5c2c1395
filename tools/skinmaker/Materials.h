// The skin's materials: green felt, walnut and brass. Every picture is painted from these, so
// all windows look like parts of one card table.
#pragma once

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPoint>
#include <QRect>

#include <cstdint>

namespace skinart {

namespace palette {
inline const QColor Outline{28, 16, 8};
inline const QColor WoodDark{58, 34, 18};
inline const QColor WoodMid{96, 60, 33};
inline const QColor WoodLight{128, 85, 49};
inline const QColor BrassLight{251, 233, 170};
inline const QColor BrassMid{206, 168, 84};
inline const QColor BrassDark{122, 90, 34};
inline const QColor Engraving{52, 32, 12};
inline const QColor Gold{240, 204, 112};
inline const QColor Cream{246, 236, 206};
inline const QColor Ivory{238, 229, 200};
inline const QColor Field{250, 247, 238};
inline const QColor FeltShade{10, 42, 24};
} // namespace palette

// Seeds of the wood pieces that must join without a seam share one value.
inline constexpr std::uint64_t TopWoodSeed = 0x7E55E10;
inline constexpr std::uint64_t RailWoodSeed = 0x7E55E11;
inline constexpr std::uint64_t BottomWoodSeed = 0x7E55E12;
inline constexpr std::uint64_t PanelWoodSeed = 0x7E55E13;

// A square felt tile that repeats without a seam.
QImage FeltTile(int Size);

// Fills Target with the felt exactly as the window shows it when Target's top-left pixel sits
// at Place in a window whose background is the repeated tile.
void PaintFelt(QImage& Target, QPoint Place);

enum class TGrain { Horizontal, Vertical };

// Walnut over Area. The grain runs along the given direction; the across coordinate counts from
// Area's top (horizontal grain) or left (vertical grain), so pieces with the same seed and
// height line up. With AlongVaries false every line along the grain is one colour, as a
// stretched edge needs; with it true the grain wanders, but not at Area's two ends, so such a
// piece still joins a stretched edge without a seam.
void PaintWood(QImage& Target, const QRect& Area, TGrain Grain, std::uint64_t Seed,
               bool AlongVaries);

// Polished brass lit from above, over the height of Box.
QLinearGradient BrassGradient(const QRectF& Box);

// Blends Colour over the pixel at (X, Y) with the given opacity (0..1); outside pixels are
// ignored. For the one-pixel lines of bevels, where antialiased painting would blur.
void BlendPixel(QImage& Target, int X, int Y, const QColor& Colour, double Opacity);
void BlendRow(QImage& Target, int Y, int X0, int X1, const QColor& Colour, double Opacity);
void BlendColumn(QImage& Target, int X, int Y0, int Y1, const QColor& Colour, double Opacity);

} // namespace skinart
