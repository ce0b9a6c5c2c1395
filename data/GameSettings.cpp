#include "GameSettings.h"

#include "CardSets.h"
#include "Product.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <exception>
#include <limits>

namespace {

constexpr int NameFields = 4;

// Value names, shared by reading and writing so the two cannot drift apart.
const QString PairsValue = QStringLiteral("Pairs");
const QString ComputerValue = QStringLiteral("Computer");
const QString SoundValue = QStringLiteral("Sound");
const QString LevelValue = QStringLiteral("Level");
const QString DelayValue = QStringLiteral("Delay");
const QString CardsValue = QStringLiteral("Cards");
const QString DeckwrightValue = QStringLiteral("Deckwright");

// The slot that name field Field (1..4) fills: with the computer playing, slot 1 is its own.
int NameSlot(bool Computer, int Field) {
  return Computer ? Field + 1 : Field;
}

QString NameValue(int Field) {
  return QStringLiteral("Player%1").arg(Field);
}

void ResetToDefaults(GameSettings& Settings, PlayerTable& Players) {
  Settings = GameSettings();
  Players = PlayerTable();
  Players[1].Name = ComputerName();
  Players[2].Name = PartnerName();
}

qint32 ReadIntegerIfExists(ISettingsStore& Store, const QString& Name, qint32 Default) {
  return Store.ValueExists(Name) ? Store.ReadInteger(Name) : Default;
}

QString ReadStringIfExists(ISettingsStore& Store, const QString& Name, const QString& Default) {
  return Store.ValueExists(Name) ? Store.ReadString(Name) : Default;
}

void CloseQuietly(ISettingsStore& Store) {
  try {
    Store.CloseKey();
  } catch (const std::exception&) {
    // Loading goes on with what it has; nothing was meant to be written.
  }
}

// The order matters: a value of the wrong type stops the reading, leaving the later ones at
// their defaults.
void ReadSettingsKey(ISettingsStore& Store, GameSettings& Settings, PlayerTable& Players) {
  if (!Store.OpenKey(QLatin1String(product::SettingsKey), true)) {
    return;
  }
  Settings.Pairs = ReadIntegerIfExists(Store, PairsValue, Settings.Pairs);
  Settings.Computer = ReadIntegerIfExists(Store, ComputerValue, Settings.Computer) != 0;
  Settings.Sound = ReadIntegerIfExists(Store, SoundValue, Settings.Sound) != 0;
  Settings.Level = ReadIntegerIfExists(Store, LevelValue, Settings.Level);
  Settings.Delay = ReadIntegerIfExists(Store, DelayValue, Settings.Delay);
  Settings.CardsFile = ReadStringIfExists(Store, CardsValue, Settings.CardsFile);
  Settings.BuilderPath = ReadStringIfExists(Store, DeckwrightValue, Settings.BuilderPath);
  // Names are read whether or not they exist: a missing one empties its slot.
  for (int Field = 1; Field <= NameFields; ++Field) {
    Players[NameSlot(Settings.Computer, Field)].Name =
        Store.ReadString(NameValue(Field)).toStdString();
  }
  // Closing stores the key created for a first run; where it cannot be stored (a settings
  // folder that cannot be written) the reading is whole all the same, and the builder must
  // still be looked up. Saving at close says what went wrong.
  CloseQuietly(Store);
}

// The installer records the builder's folder, trailing separator included.
void LookUpBuilder(ISettingsStore& Store, GameSettings& Settings) {
  if (QFileInfo(Settings.BuilderPath).isFile() ||
      !Store.OpenKey(QLatin1String(InstallKeyPath), true)) {
    return;
  }
  if (Store.ValueExists(DeckwrightValue)) {
    Settings.BuilderPath = Store.ReadString(DeckwrightValue) + BuilderFileName();
  }
  Store.CloseKey();
}

void WriteSettingsKey(ISettingsStore& Store, const GameSettings& Settings,
                      const PlayerTable& Players, const TCardSetCatalogue& Catalogue) {
  Store.WriteInteger(PairsValue, Settings.Pairs);
  Store.WriteInteger(ComputerValue, Settings.Computer ? 1 : 0);
  Store.WriteInteger(SoundValue, Settings.Sound ? 1 : 0);
  Store.WriteInteger(LevelValue, Settings.Level);
  Store.WriteInteger(DelayValue, Settings.Delay);
  // Without a selected set the stored choice stays; the names after it must not be lost.
  if (Catalogue.Selected() != nullptr) {
    Store.WriteString(CardsValue, Catalogue.SelectedFileName());
  }
  if (!Settings.BuilderPath.isEmpty()) {
    Store.WriteString(DeckwrightValue, Settings.BuilderPath);
  }
  for (int Field = 1; Field <= NameFields; ++Field) {
    Store.WriteString(NameValue(Field),
                      QString::fromStdString(Players[NameSlot(Settings.Computer, Field)].Name));
  }
}

} // namespace

QString BuilderFileName() {
  return QStringLiteral("dkwright") + QLatin1String(ExecutableSuffix);
}

qint32 RevealDelayMs(qint32 Delay) {
  const qint64 Ms = static_cast<qint64>(Delay) * 500 + 1000;
  if (Ms < 0) {
    return 0;
  }
  return static_cast<qint32>(std::min<qint64>(Ms, std::numeric_limits<qint32>::max()));
}

void LoadSettings(ISettingsStore& Store, GameSettings& Settings, PlayerTable& Players,
                  TCardSetCatalogue& Catalogue, const QString& CardsDir) {
  ResetToDefaults(Settings, Players);
  Catalogue.CardSetIndex = 0;
  try {
    ReadSettingsKey(Store, Settings, Players);
    LookUpBuilder(Store, Settings);
  } catch (const std::exception&) {
    // A store failure or a value of the wrong type ends the reading; defaults fill the rest.
  }
  CloseQuietly(Store);
  ScanCardSets(CardsDir, Settings.CardsFile, Catalogue);
  // Sets saved by the card builder when the program folder is not writable (an installed
  // game) live in the user's own folder; they follow the program folder's sets.
  const QString userDir = UserCardsDir();
  if (!userDir.isEmpty() && QDir(userDir) != QDir(CardsDir))
    AddCardSets(userDir, Settings.CardsFile, Catalogue);
}

bool SaveSettings(ISettingsStore& Store, const GameSettings& Settings, const PlayerTable& Players,
                  const TCardSetCatalogue& Catalogue, QString* Problem) {
  bool Complete = false;
  const auto note = [Problem](const std::exception& Error) {
    if (Problem != nullptr && Problem->isEmpty())
      *Problem = QString::fromUtf8(Error.what());
  };
  try {
    if (Store.OpenKey(QLatin1String(product::SettingsKey), true)) {
      WriteSettingsKey(Store, Settings, Players, Catalogue);
      Complete = true;
    }
  } catch (const std::exception& Error) {
    // What was written before the failure is still closed into the store below.
    note(Error);
  }
  try {
    Store.CloseKey();
  } catch (const std::exception& Error) {
    Complete = false;
    note(Error);
  }
  if (!Complete && Problem != nullptr && Problem->isEmpty())
    *Problem =
        QCoreApplication::translate("GameSettings", "The settings store could not be opened.");
  return Complete;
}
