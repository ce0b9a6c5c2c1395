// Pictures made on the spot for the card-set builder's tests.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QSize>
#include <QString>

namespace decktest {

// A picture of Size in a colour that depends on Index (and so tells faces apart), with a mark
// in one corner, encoded as "gif", "jpeg" or "bmp". A gif with Frames > 1 is animated, each
// frame shown for 70 ms more than the one before, starting at 70 ms.
QByteArray Picture(const QString& Format, int Index, QSize Size = {120, 90}, int Frames = 1);

// The colour Picture gives to Index.
QColor ColourOf(int Index);

// Count pictures of one format, indexes 0..Count-1.
QList<QByteArray> Pictures(const QString& Format, int Count, QSize Size = {120, 90});

// A mono 8-bit PCM WAV clip of Frames frames at 8 kHz.
QByteArray Wave(int Frames);

// Writes Bytes to Path; false when that fails.
bool WriteFile(const QString& Path, const QByteArray& Bytes);

} // namespace decktest
