// The table of pairs a set of different cards is built from: one pair a line, LEFT<TAB>RIGHT,
// each side a picture, a WAV clip or a word, with optional columns of names and translations.
#pragma once

#include "DeckRequest.h"

#include <QString>

struct TPairSheet {
  static constexpr qint64 MaxBytes = 1024 * 1024;

  QStringList Languages; // the first is that of the LEFT and RIGHT columns
  QList<TPairSides> Pairs;
};

// Reads the UTF-8 table at Path. Lines that are empty or start with '#' are passed over. The
// first other line may name the columns: left[:LANG]<TAB>right[:LANG], then any of left:LANG
// and right:LANG, which give that side's text in LANG (a picture's name, a sound's caption,
// a word's translation); LANG of the first two columns is the set's first language (en when
// not named). A side is text:WORD (a word, in the first language), text.LANG:WORD (a word of
// LANG alone, never translated), a path ending in .wav (a sound) or the path of a picture;
// paths are relative to the table's folder and may not leave it. Files are only named here,
// never opened. Raises EDeckError naming the line for anything else, a text longer than
// TPairTable::MaxText, more than TPairTable::MaxLanguages languages or too many pairs.
TPairSheet ReadPairSheet(const QString& Path);
