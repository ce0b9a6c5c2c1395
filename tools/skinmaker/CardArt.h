// Playing cards for the skin's own pictures (the cover's fan, the previews, the icon): an
// ivory face with a painted motif, and a patterned back.
#pragma once

#include <QPainter>
#include <QRectF>

namespace skinart {

enum class TMotif { Sun, Moon, Star, Leaf, Heart };

void DrawCardFace(QPainter& Painter, const QRectF& Box, TMotif Motif);
void DrawCardBack(QPainter& Painter, const QRectF& Box);

} // namespace skinart
