// Brass buttons, plates, rivets and lettering: the fittings mounted on the wood and the felt.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

namespace skinart {

// Makes the DejaVu faces available by file, so the lettering does not depend on which fonts
// the font configuration happens to prefer.
void RegisterFonts();
QFont SerifFont(int PixelSize, bool Bold = false, bool Italic = false);
QFont SansFont(int PixelSize, bool Bold = false);

// Antialiased shapes and text, smooth scaling.
void PreparePainter(QPainter& Painter);

// A raised brass button that fills Box exactly (Box is a pixel rectangle, right and bottom
// included), with a dark rim, a bright upper bevel and a shadow cast on the surface below.
void DrawBrassButton(QPainter& Painter, const QRect& Box, double Radius);
// The same button with a deep ruby face, for commands that close something.
void DrawRubyButton(QPainter& Painter, const QRect& Box, double Radius);

// Lettering cut into brass: dark ink with a bright lip underneath.
void DrawEngravedText(QPainter& Painter, const QRectF& Box, const QString& Text, const QFont& Font,
                      int Flags = Qt::AlignCenter);
// Lettering standing off a dark surface: a colour with a soft dark shadow.
void DrawRaisedText(QPainter& Painter, const QRectF& Box, const QString& Text, const QFont& Font,
                    const QColor& Colour, int Flags = Qt::AlignCenter);
// Lettering in gold leaf: a vertical gold gradient with a dark shadow.
void DrawGoldText(QPainter& Painter, const QRectF& Box, const QString& Text, const QFont& Font,
                  int Flags = Qt::AlignCenter);

// A domed brass rivet.
void DrawRivet(QPainter& Painter, const QPointF& Centre, double Radius);

// A small emblem of the game: two overlapping cards, the front one showing a diamond.
void DrawEmblem(QPainter& Painter, const QRectF& Box);

// A thin ornamental rule with a diamond in the middle, for titles.
void DrawFlourish(QPainter& Painter, const QPointF& From, const QPointF& To, const QColor& Colour);

} // namespace skinart
