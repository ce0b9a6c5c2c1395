// The file that keeps a game in progress between runs: the game (engine/KeptGame.h), the
// window's reveal delay and sound beside it, and which card set it was dealt from.
//
// A JSON document with a "version" field; another version is refused, never guessed at. It is
// written as the settings file is (a side file made durable and renamed over the old one), so a
// crash or a full disk leaves the last kept game whole. It is read as hostile: opened without
// waiting, at most MaxKeptGameFileSize bytes, every field bounded, and the game checked by
// CheckKeptGame before anyone may play it.
#pragma once

#include "KeptGame.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

inline constexpr qint64 MaxKeptGameFileSize = 256 * 1024;
inline constexpr int KeptGameFileVersion = 1;

// What tells a card set from a changed or another one of the same name.
struct TCardSetIdentity {
  QString FileName; // without its folder
  qint64 Size = 0;
  qint64 ModifiedMs = 0;   // modification time, milliseconds since 1970
  QByteArray HeaderDigest; // SHA-256 of the set's header record, in lowercase hex
  bool operator==(const TCardSetIdentity&) const = default;
};

// The window's settings that belong to the game kept.
struct TKeptSettings {
  qint32 Delay = 3; // GameSettings::Delay, an index into the delay list
  bool Sound = true;
};

struct TKeptGameRecord {
  KeptGame Game;
  TKeptSettings Settings;
  TCardSetIdentity CardSet;
};

// kept-game.json beside the settings file.
QString DefaultKeptGameFilePath();

// The identity of the set at Path, or nothing with a one-line Problem when it cannot be read
// (missing, not a regular file, no header record).
std::optional<TCardSetIdentity> CardSetIdentityOf(const QString& Path, QString* Problem = nullptr);

// Whether the set at Path is still the one Kept names: same file name, size, time and header.
bool IsSameCardSet(const TCardSetIdentity& Kept, const QString& Path);

// The file's bytes, and back. KeptGameFromBytes refuses (nothing, with a one-line Problem)
// anything but a record this version writes whose game CheckKeptGame accepts.
QByteArray KeptGameBytes(const TKeptGameRecord& Record);
std::optional<TKeptGameRecord> KeptGameFromBytes(const QByteArray& Bytes, QString* Problem);

// Writes Record to Path, making its folder. False with a one-line Problem when Record's game is
// refused by CheckKeptGame or the file cannot be written; the file before stays whole then.
bool SaveKeptGame(const QString& Path, const TKeptGameRecord& Record, QString* Problem = nullptr);

// The record kept at Path. Nothing with an empty Problem when no game is kept there; nothing
// with a one-line Problem when the file is damaged, too large, of another version or not a
// regular file. The file is left as it is. The problems here are in English, for a record of
// what went wrong; what the player is told is the window's to word.
std::optional<TKeptGameRecord> LoadKeptGame(const QString& Path, QString* Problem);

// Removes the kept game at Path, if any: a finished or abandoned game is not kept. False with
// a Problem when a file stays.
bool DiscardKeptGame(const QString& Path, QString* Problem = nullptr);
