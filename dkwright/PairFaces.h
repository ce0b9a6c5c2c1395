// What a set of different cards adds to a plain one: faces drawn for its words and sounds, the
// pair table, and the clips.
#pragma once

#include "DeckRequest.h"
#include "FaceFormat.h"

#include <QByteArray>
#include <QList>
#include <QSize>

// The pictures among the sides, in pair order.
QList<TFaceSource> PairPictures(const QList<TPairSides>& Pairs);

// The table of Pairs, face 2p and 2p + 1 for pair p, its clips from entry FirstClip on in
// the order of the sound sides. Raises EDeckError for a table the game would refuse.
TPairTable MakePairTable(const QList<TPairSides>& Pairs, const QStringList& Languages,
                         int FirstClip);

// One face a side, in table order: a picture as given, a word or sound drawn at twice Box,
// with the text FaceText gives in the set's first language, encoded in Format.
QList<TFaceSource> PairFaceSources(const QList<TPairSides>& Pairs, const TPairTable& Table,
                                   QSize Box, TFaceFormat Format);

// The WAV file of a sound side, checked as the game checks it. Raises EDeckError naming it.
QByteArray ReadPairClip(const TPairSide& Side);
