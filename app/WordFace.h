// The faces the game draws itself for a set whose pairs are two different cards: a word, and
// a sound card's speaker with its caption, drawn at the cell's size and the screen's
// sharpness in the player's language.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Text in Size logical pixels at the screen's Ratio: wrapped at word boundaries and shrunk
// until all of it fits, never cut.
QImage DrawWordFace(const QString& Text, QSize Size, qreal Ratio);

// A speaker above Caption, which is laid out as a word is in the space left.
QImage DrawSoundFace(const QString& Caption, QSize Size, qreal Ratio);
