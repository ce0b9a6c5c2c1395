// Builds a card set: checks and reads the faces, sizes them, adds an advert and a back, and
// assembles the file's entries.
#pragma once

#include "DeckRequest.h"

#include <QByteArray>

#include <stop_token>

// The bytes of the set's file. Raises EDeckError, with one sentence naming the culprit, when
// the title or link is too long, there are fewer than MinFaces faces, a face cannot be read or
// decoded, the faces are of more than one format, or the card box is empty; EDeckCancelled
// when Progress asks to stop. Deterministic: the same request gives the same bytes.
QByteArray BuildDeck(const TDeckRequest& Request, const TDeckProgress& Progress = {});

// Writes Bytes to Path atomically: a failed write leaves no partial file behind. Raises
// EDeckError naming the file.
void SaveDeck(const QByteArray& Bytes, const QString& Path);

// Reads Bytes back as the game reads a set it is given: its header and pair table, every face
// decoded and every sound clip checked, within the time the game gives a set handed to it
// (CardSetCheckTime). The copy read is named Name, so the game's messages
// name the set. Raises EDeckError with the game's words, or EDeckCancelled once Stop is asked.
void CheckBuiltDeck(const QByteArray& Bytes, const QString& Name, std::stop_token Stop = {});
