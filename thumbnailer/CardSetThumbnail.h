// The picture a file manager shows for a card set: the set's advert, or, when the advert is
// blank, a mosaic of its first faces.
#pragma once

#include <QImage>
#include <QString>

// Largest side of a thumbnail asked for; file managers ask for 128 to 1024.
inline constexpr int MaxThumbnailSize = 2048;

// True when Picture shows nothing: it is empty, or every pixel has the same colour.
bool IsBlankPicture(const QImage& Picture);

// Up to four faces in a 2 x 2 mosaic, each fitted into a cell of Cell (when empty, the largest
// face's size), Gap pixels apart, on a transparent ground; a null picture when there is no
// face.
QImage FaceMosaic(const QList<QImage>& Faces, QSize Cell, int Gap);

// The thumbnail of the card set in FileName with its larger side Size pixels: the advert when
// it is not blank, else a mosaic of the first four faces, else the card back. Reads the set as
// a new game does, with the game's bounds on every picture. Throws ECardSetError (a damaged
// set) or EImageError (a damaged GIF face) with a text fit for the player, and
// std::runtime_error when the set has no picture at all.
QImage CardSetThumbnail(const QString& FileName, int Size);
