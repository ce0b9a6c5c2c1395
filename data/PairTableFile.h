// The pair table and the sound clips of a set, read from its container.
#pragma once

#include "PairTable.h"

#include <QByteArray>
#include <QtGlobal>

class TKVResReader;

// The pair table of the set Reader holds, whose header gives ImageCount faces. A plain set gives
// an empty table: one without an entry after its faces, or whose entry there does not start
// with PairTableSignature (an older set may carry entries of its own after the faces). Raises
// EPairTableError for a table that cannot be used: damaged, unreadable, for another number of
// faces, or naming a sound entry the file does not have.
TPairTable ReadPairTable(TKVResReader& Reader, qint32 ImageCount);

// The WAV file of sound face Face of Table, checked by ReadWaveClip. Raises EPairTableError
// for a face that is not a sound, EWaveClipError for a clip that cannot be played, EKVResError
// for an entry that cannot be read.
QByteArray ReadSoundClip(TKVResReader& Reader, const TPairTable& Table, int Face);
