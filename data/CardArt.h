// The faces of the cards that are not pictures, in a set whose pairs are two different cards:
// a word written on a card, a speaker with its caption for a sound. The builder draws them as
// the pictures older readers show; the game draws them again at the cell's size and the
// screen's sharpness, in the player's language, so both look alike. Drawing text needs a
// QGuiApplication.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Letters smaller than this many pixels are no longer read as a word.
constexpr int SmallestCardLetters = 6;

// The size in pixels of the letters in which a word card of Size writes Text (a sound card's
// caption when Sound): the largest at which Text, wrapped only at word boundaries, fits.
int CardLetterPixels(QSize Size, const QString& Text, bool Sound);

// Word on a plain card of Size logical pixels, made of Size x Ratio device pixels: wrapped at
// word boundaries and as large as fits, never cut (however small that makes the letters).
QImage DrawWordCard(QSize Size, const QString& Word, qreal Ratio = 1.0);

// A speaker sending out sound waves, with Caption (may be empty) under it as DrawWordCard
// writes a word.
QImage DrawSoundCard(QSize Size, const QString& Caption, qreal Ratio = 1.0);
