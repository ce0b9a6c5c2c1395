// The face pictures of the cards that are not pictures: a word written on a card, a speaker
// for a sound. Older readers of a set show these faces, so each says what its card is.
// Drawing text needs a QGuiApplication.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Word on a plain card of Size, wrapped at word boundaries and as large as fits; never cut.
// Raises EDeckError when it does not fit even in the smallest legible letters.
QImage DrawWordCard(QSize Size, const QString& Word);

// A speaker sending out sound waves, with Caption (may be empty) under it as DrawWordCard
// writes a word.
QImage DrawSoundCard(QSize Size, const QString& Caption);
