// Card backs and score-screen adverts of the default sets.
#pragma once

#include <QImage>
#include <QList>
#include <QString>

QImage DrawAnimationsBack();
QImage DrawWallpapersBack();
QImage DrawShapesBack();

// An advert (178 x 170): Backdrop (cropped to fill), a band with Title and Tagline, and the
// web address below.
QImage DrawAdvert(const QImage& Backdrop, const QString& Title, const QString& Tagline,
                  const QString& Address);

// A backdrop of shapes in a 3 x 2 grid on a light table.
QImage ShapeGrid();

// A backdrop of four pictures in a 2 x 2 grid.
QImage Mosaic(const QList<QImage>& Pictures);

// A backdrop of a few faces laid out like cards on a table.
QImage FannedCards(const QList<QImage>& Faces, QColor Table);
