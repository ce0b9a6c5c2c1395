// A picture of a whole card set, to look at without the game.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Reads the set at CardSetFile through the game's own loader and lays out its advert, back
// and every face (Columns to a row, each drawn into Cell). With AllFrames, each GIF face
// shows all its frames in a row instead. Throws what the loader throws.
QImage DrawPreviewSheet(const QString& CardSetFile, int Columns, QSize Cell,
                        bool AllFrames = false);
