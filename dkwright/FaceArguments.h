// Turning the files and folders a user names into the faces of a set.
#pragma once

#include "DeckRequest.h"

#include <QList>
#include <QStringList>

// One face per file argument, in the order given; a folder adds every GIF, JPEG or BMP file
// in it (by content; other files are passed over), sorted by name. Raises EDeckError for an
// argument that does not exist or a folder without pictures.
QList<TFaceSource> ExpandFaceArguments(const QStringList& Arguments);

// A source reading the file at Path when needed.
TFaceSource FileSource(const QString& Path);
