// The player's choices kept between runs, and their loading from and saving to the per-user
// settings store under the product's settings key, "Software\Kovalent\" and the series name.
//
// Stored values: "Pairs", "Computer", "Sound", "Level", "Delay" as 32-bit integers (a Boolean
// as 0 or 1, read as true when not 0); "Cards", "Deckwright" and "Player1" to "Player4" as
// strings. "Player1" always belongs to the first name field: slot 2 when the computer plays,
// slot 1 when it does not.
#pragma once

#include "PlayerSlot.h"

#include <QString>
#include <QtGlobal>

class ISettingsStore;
class TCardSetCatalogue;

struct GameSettings {
  qint32 Pairs = 8;
  bool Computer = true;
  bool Sound = true;
  qint32 Level = 3;    // the computer's skill, 0 to 10 as the slider holds it
  qint32 Delay = 3;    // index into the delay list "1" "1.5" ... "5" seconds
  QString CardsFile;   // file name, without folder, of the selected card set
  QString BuilderPath; // full path of the card builder's executable
};

inline constexpr char InstallKeyPath[] = "Software\\Kovalent\\Install\\";

// The platform's executable suffix: the one place that knows it.
#ifdef Q_OS_WIN
inline constexpr char ExecutableSuffix[] = ".exe";
#else
inline constexpr char ExecutableSuffix[] = "";
#endif

// The card builder's file name: "dkwright" with the platform's executable suffix.
QString BuilderFileName();

// The reveal timer's interval for a stored Delay: Delay x 500 + 1000 milliseconds. Delay is not
// range-tested when loaded, so the result is held within 0 .. INT32_MAX instead of overflowing.
qint32 RevealDelayMs(qint32 Delay);

// Sets the defaults, overlays what the store holds, looks up the card builder when the stored
// path names no existing file, then scans CardsDir for card sets and appends those of the
// user's own card folder (UserCardsDir). Store failures and values of
// the wrong type end the reading silently: what was read before stays, the rest keep their
// defaults.
void LoadSettings(ISettingsStore& Store, GameSettings& Settings, PlayerTable& Players,
                  TCardSetCatalogue& Catalogue, const QString& CardsDir);

// Writes the settings and the four name fields. Failures end the writing, keeping what was
// written before; the result tells whether everything reached the store, and Problem (when
// given) gets the first failure's text, which names the store's file. With no card set selected
// "Cards" is left as it is and the rest is still written.
bool SaveSettings(ISettingsStore& Store, const GameSettings& Settings, const PlayerTable& Players,
                  const TCardSetCatalogue& Catalogue, QString* Problem = nullptr);
