// The faces of "Shapes and Colours": eight bold shapes in eight clear colours.
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QSize>

inline constexpr QSize ShapeFaceSize{120, 90};

// The eight colours, far apart in hue and lightness.
QList<QColor> ShapeColours();

// One shape (0..7: circle, square, triangle, diamond, star, heart, moon, cross) in Colour,
// centred in Box.
void PaintShape(QPainter& Painter, int Shape, QColor Colour, QRectF Box);

// One face: Shape in Colour on a light card edged in the colour, Scale times ShapeFaceSize.
QImage DrawShapeFace(int Shape, QColor Colour, int Scale = 1);

// 64 faces, shape by shape, each in every colour.
QList<QImage> DrawShapeFaces();
