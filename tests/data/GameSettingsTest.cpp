// Loading and saving the game's choices: through the settings file in a temporary folder, and
// through an in-memory store that fails on demand.
#include "GameSettings.h"
#include "CardSets.h"
#include "KVRWriter.h"
#include "Product.h"
#include "RegistryFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <limits>
#include <map>
#include <variant>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString GameKey = QString::fromLatin1(product::SettingsKey);
const QString InstallKey = QStringLiteral("Software\\Kovalent\\Install\\");

// A store in memory. Failures are injected by value name; every call is logged.
class FakeStore : public ISettingsStore {
public:
  using Value = std::variant<qint32, QString>;
  std::map<QString, std::map<QString, Value>> Keys; // by upper-case path and name
  QString FailOn;                                   // a value name, or "open"
  QStringList Log;

  bool OpenKey(const QString& Path, bool CanCreate) override {
    Log << "open " + Path;
    Check("open");
    const QString Key = Path.toUpper().chopped(Path.endsWith(u'\\') ? 1 : 0);
    if (!Keys.count(Key) && !CanCreate) {
      return false;
    }
    FOpen = &Keys[Key];
    return true;
  }
  bool ValueExists(const QString& Name) override { return Open().count(Name.toUpper()) != 0; }
  qint32 ReadInteger(const QString& Name) override {
    Check(Name);
    const auto Found = Open().find(Name.toUpper());
    if (Found == Open().end() || !std::holds_alternative<qint32>(Found->second)) {
      throw ESettingsStoreError("wrong type");
    }
    return std::get<qint32>(Found->second);
  }
  QString ReadString(const QString& Name) override {
    Check(Name);
    const auto Found = Open().find(Name.toUpper());
    if (Found == Open().end()) {
      return QString();
    }
    if (!std::holds_alternative<QString>(Found->second)) {
      throw ESettingsStoreError("wrong type");
    }
    return std::get<QString>(Found->second);
  }
  void WriteInteger(const QString& Name, qint32 V) override { Write(Name, V); }
  void WriteString(const QString& Name, const QString& V) override { Write(Name, V); }
  void CloseKey() override {
    if (FOpen != nullptr) {
      Log << "close";
    }
    FOpen = nullptr;
  }

private:
  std::map<QString, Value>* FOpen = nullptr;
  std::map<QString, Value>& Open() {
    if (FOpen == nullptr) {
      throw ESettingsStoreError("no key");
    }
    return *FOpen;
  }
  void Check(const QString& Name) const {
    if (Name == FailOn) {
      throw ESettingsStoreError("injected failure");
    }
  }
  void Write(const QString& Name, const Value& V) {
    Check(Name);
    Open()[Name.toUpper()] = V;
  }
};

class GameSettingsTest : public ::testing::Test {
protected:
  QTemporaryDir FDir;
  QString FCardsDir = FDir.filePath("cards/");
  QString FStorePath = FDir.filePath("config/Kovalent/registry.reg");
  RegistryFile FStore{FStorePath};
  GameSettings FSettings;
  PlayerTable FPlayers;
  TCardSetCatalogue FCatalogue;

  void SetUp() override {
    ASSERT_TRUE(QDir().mkpath(FCardsDir));
    WriteCardSet("animals.crd", "Animals");
    WriteCardSet("flags.crd", "Flags");
  }

  void WriteCardSet(const QString& Name, const QString& Title) {
    TCardSetHeader Header;
    Header.CardWidth = 80;
    Header.CardHeight = 100;
    Header.ImageCount = 30;
    Header.Title = Title;
    TKVResWriter Writer;
    Writer.AddPlain(Header.ToBytes());
    Writer.SaveToFile(FCardsDir + Name);
  }

  void WriteStoreFile(const QByteArray& GameValues, const QByteArray& Extra = QByteArray()) {
    QDir().mkpath(QFileInfo(FStorePath).absolutePath());
    QFile File(FStorePath);
    ASSERT_TRUE(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
    File.write("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + GameKey.toUtf8() + "]\r\n" + GameValues +
               Extra);
  }

  void Load() { LoadSettings(FStore, FSettings, FPlayers, FCatalogue, FCardsDir); }

  std::vector<std::string> Names() const {
    std::vector<std::string> Result;
    for (int Slot = 1; Slot <= MaxPlayerSlots; ++Slot) {
      Result.push_back(FPlayers[Slot].Name);
    }
    return Result;
  }

  QString StoredString(const QString& Name) {
    EXPECT_TRUE(FStore.OpenKey(GameKey, false));
    const QString Value = FStore.ReadString(Name);
    FStore.CloseKey();
    return Value;
  }
};

using Slots = std::vector<std::string>;

TEST_F(GameSettingsTest, FirstRunCreatesTheKeyAndEmptiesTheNameSlots) {
  FPlayers[3].Pairs = 7;
  FSettings.Pairs = 40;
  Load();
  EXPECT_EQ(FSettings.Pairs, 8);
  EXPECT_TRUE(FSettings.Computer);
  EXPECT_TRUE(FSettings.Sound);
  EXPECT_EQ(FSettings.Level, 3);
  EXPECT_EQ(FSettings.Delay, 3);
  EXPECT_TRUE(FSettings.CardsFile.isEmpty());
  EXPECT_TRUE(FSettings.BuilderPath.isEmpty());
  // The missing names overwrite the default "Player" of slot 2.
  EXPECT_EQ(Names(), (Slots{"Computer", "", "", "", ""}));
  EXPECT_EQ(FPlayers[3].Pairs, 0);
  ASSERT_TRUE(FStore.OpenKey(GameKey, false));
  FStore.CloseKey();
  EXPECT_EQ(FCatalogue.CardSets.size(), 2u);
  EXPECT_EQ(FCatalogue.CardSetIndex, 0);
}

TEST_F(GameSettingsTest, EverythingSavedIsLoadedBack) {
  Load();
  FSettings = GameSettings{20, false, false, 10, 8, QString(), "/opt/Deckwright/dkwright"};
  FPlayers = PlayerTable();
  FPlayers[1].Name = "Ann";
  FPlayers[2].Name = "Bo \"B\" \\ Zoë";
  FPlayers[4].Name = "Dee";
  FCatalogue.CardSetIndex = 1;
  ASSERT_TRUE(SaveSettings(FStore, FSettings, FPlayers, FCatalogue));

  GameSettings Saved = FSettings;
  Saved.CardsFile = "flags.crd";
  FSettings = GameSettings();
  FCatalogue.CardSetIndex = 0;
  Load();
  EXPECT_EQ(FSettings.Pairs, Saved.Pairs);
  EXPECT_EQ(FSettings.Computer, Saved.Computer);
  EXPECT_EQ(FSettings.Sound, Saved.Sound);
  EXPECT_EQ(FSettings.Level, Saved.Level);
  EXPECT_EQ(FSettings.Delay, Saved.Delay);
  EXPECT_EQ(FSettings.CardsFile, Saved.CardsFile);
  EXPECT_EQ(FCatalogue.CardSetIndex, 1);
  EXPECT_EQ(Names(), (Slots{"Ann", "Bo \"B\" \\ Zoë", "", "Dee", ""}));
}

TEST_F(GameSettingsTest, NamesFollowTheFirstNameFieldWhateverTheComputerOption) {
  WriteStoreFile("\"Computer\"=dword:00000000\r\n\"Player1\"=\"Ann\"\r\n\"Player2\"=\"Bob\"\r\n");
  Load();
  EXPECT_FALSE(FSettings.Computer);
  EXPECT_EQ(Names(), (Slots{"Ann", "Bob", "", "", ""}));

  // The options panel moves the names along when the computer joins; saving follows.
  FSettings.Computer = true;
  FPlayers = PlayerTable();
  FPlayers[1].Name = "Computer";
  FPlayers[2].Name = "Ann";
  FPlayers[3].Name = "Bob";
  ASSERT_TRUE(SaveSettings(FStore, FSettings, FPlayers, FCatalogue));
  EXPECT_EQ(StoredString("Player1"), "Ann");
  EXPECT_EQ(StoredString("Player2"), "Bob");

  Load();
  EXPECT_EQ(Names(), (Slots{"Computer", "Ann", "Bob", "", ""}));
}

TEST_F(GameSettingsTest, ABooleanIsTrueWhenNotZeroAndIsSavedAsOne) {
  WriteStoreFile("\"Computer\"=dword:00000002\r\n\"Sound\"=dword:ffffffff\r\n"
                 "\"Delay\"=dword:ffffffff\r\n");
  Load();
  EXPECT_TRUE(FSettings.Computer);
  EXPECT_TRUE(FSettings.Sound);
  EXPECT_EQ(FSettings.Delay, -1); // not range-tested
  SaveSettings(FStore, FSettings, FPlayers, FCatalogue);
  ASSERT_TRUE(FStore.OpenKey(GameKey, false));
  EXPECT_EQ(FStore.ReadInteger("Computer"), 1);
  EXPECT_EQ(FStore.ReadInteger("Sound"), 1);
  FStore.CloseKey();
}

// A value of the wrong type ends the reading there: earlier values stay, later ones and the
// builder lookup keep their defaults.
TEST_F(GameSettingsTest, AValueOfTheWrongTypeStopsTheReading) {
  const QByteArray Install = "\r\n[HKEY_CURRENT_USER\\Software\\Kovalent\\Install]\r\n"
                             "\"Deckwright\"=\"/opt/dw/\"\r\n";
  WriteStoreFile("\"Pairs\"=dword:00000014\r\n\"Computer\"=dword:00000000\r\n"
                 "\"Level\"=\"high\"\r\n\"Delay\"=dword:00000005\r\n\"Cards\"=\"flags.crd\"\r\n"
                 "\"Player1\"=\"Ann\"\r\n",
                 Install);
  Load();
  EXPECT_EQ(FSettings.Pairs, 20);
  EXPECT_FALSE(FSettings.Computer);
  EXPECT_EQ(FSettings.Level, 3);
  EXPECT_EQ(FSettings.Delay, 3);
  EXPECT_TRUE(FSettings.CardsFile.isEmpty());
  EXPECT_EQ(Names(), (Slots{"Computer", "Player", "", "", ""}));
  EXPECT_TRUE(FSettings.BuilderPath.isEmpty());

  WriteStoreFile("\"Player1\"=\"Ann\"\r\n\"Player2\"=\"Bob\"\r\n\"Player3\"=dword:00000001\r\n"
                 "\"Player4\"=\"Dee\"\r\n",
                 Install);
  Load();
  EXPECT_EQ(Names(), (Slots{"Computer", "Ann", "Bob", "", ""}));
  EXPECT_TRUE(FSettings.BuilderPath.isEmpty());
}

TEST_F(GameSettingsTest, TheBuilderIsLookedUpOnlyWhenTheStoredPathNamesNoFile) {
  const QByteArray Install = "\r\n[HKEY_CURRENT_USER\\Software\\Kovalent\\Install]\r\n"
                             "\"Deckwright\"=\"/opt/dw/\"\r\n";
  WriteStoreFile("\"Deckwright\"=\"/nowhere/dkwright\"\r\n", Install);
  Load();
  EXPECT_EQ(FSettings.BuilderPath, "/opt/dw/" + BuilderFileName());

  const QString Existing = FDir.filePath("dkwright");
  QFile(Existing).open(QIODevice::WriteOnly);
  WriteStoreFile("\"Deckwright\"=\"" + Existing.toUtf8() + "\"\r\n", Install);
  Load();
  EXPECT_EQ(FSettings.BuilderPath, Existing);

  // No separator is inserted: the installer stores the folder with its trailing one.
  WriteStoreFile("", "\r\n[HKEY_CURRENT_USER\\Software\\Kovalent\\Install]\r\n"
                     "\"Deckwright\"=\"/opt/dw\"\r\n");
  Load();
  EXPECT_EQ(FSettings.BuilderPath, "/opt/dw" + BuilderFileName());

  WriteStoreFile("\"Deckwright\"=\"/nowhere/dkwright\"\r\n");
  Load();
  EXPECT_EQ(FSettings.BuilderPath, "/nowhere/dkwright");
  EXPECT_TRUE(FStore.OpenKey(InstallKey, false)); // created by the lookup
  FStore.CloseKey();
}

TEST_F(GameSettingsTest, TheStoredCardsSelectOnlyAnExactlyNamedSet) {
  const std::vector<std::pair<QByteArray, int>> Cases = {
      {"flags.crd", 1}, {"Flags.crd", 0}, {"gone.crd", 0}, {"", 0}};
  for (const auto& [Cards, Index] : Cases) {
    WriteStoreFile("\"Cards\"=\"" + Cards + "\"\r\n");
    FCatalogue.CardSetIndex = 5;
    Load();
    EXPECT_EQ(FCatalogue.CardSetIndex, Index) << Cards.constData();
  }
}

TEST_F(GameSettingsTest, SetsInTheUsersOwnFolderFollowAndCanBeTheStoredChoice) {
  // The test main points XDG_DATA_HOME at a private folder, so this is the test's own.
  const QString UserDir = UserCardsDir();
  ASSERT_FALSE(UserDir.isEmpty());
  ASSERT_TRUE(QDir().mkpath(UserDir));
  const QString ProgramCards = FCardsDir;
  FCardsDir = UserDir;
  WriteCardSet("holiday.crd", "Holiday");
  FCardsDir = ProgramCards;

  WriteStoreFile("\"Cards\"=\"holiday.crd\"\r\n");
  Load();
  ASSERT_EQ(FCatalogue.CardSets.size(), 3u);
  EXPECT_EQ(FCatalogue.CardSets[2]->Title, QStringLiteral("Holiday"));
  EXPECT_EQ(FCatalogue.CardSetIndex, 2);
  EXPECT_TRUE(SaveSettings(FStore, FSettings, FPlayers, FCatalogue));
  EXPECT_EQ(StoredString("Cards"), QStringLiteral("holiday.crd"));
  QDir(UserDir).removeRecursively();
}

TEST_F(GameSettingsTest, AnEmptyCatalogueAtCloseStillSavesTheNames) {
  WriteStoreFile("\"Cards\"=\"flags.crd\"\r\n");
  Load();
  FCatalogue.CardSets.clear();
  FSettings.BuilderPath = "/opt/dw/dkwright";
  FPlayers[2].Name = "Ann";
  FSettings.Pairs = 12;
  EXPECT_TRUE(SaveSettings(FStore, FSettings, FPlayers, FCatalogue));
  EXPECT_EQ(StoredString("Cards"), "flags.crd");
  EXPECT_EQ(StoredString("Player1"), "Ann");
  EXPECT_EQ(StoredString("Deckwright"), "/opt/dw/dkwright");
}

TEST_F(GameSettingsTest, ADamagedFileStartsWithDefaultsAndIsKeptAside) {
  const QByteArray Damaged = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Kovalent\\Kov";
  QDir().mkpath(QFileInfo(FStorePath).absolutePath());
  QFile File(FStorePath);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  File.write(Damaged);
  File.close();
  Load();
  EXPECT_EQ(FSettings.Pairs, 8);
  EXPECT_EQ(Names(), (Slots{"Computer", "", "", "", ""}));
  QFile Aside(FStorePath + ".corrupt");
  ASSERT_TRUE(Aside.open(QIODevice::ReadOnly));
  EXPECT_EQ(Aside.readAll(), Damaged);
  FSettings.Pairs = 16;
  EXPECT_TRUE(SaveSettings(FStore, FSettings, FPlayers, FCatalogue));
  Load();
  EXPECT_EQ(FSettings.Pairs, 16);
}

TEST_F(GameSettingsTest, AStoreThatCannotBeOpenedLeavesTheDefaults) {
  ASSERT_TRUE(QDir().mkpath(FStorePath)); // a folder where the file should be
  Load();
  EXPECT_EQ(FSettings.Pairs, 8);
  EXPECT_EQ(Names(), (Slots{"Computer", "Player", "", "", ""}));
  EXPECT_EQ(FCatalogue.CardSets.size(), 2u);
  EXPECT_FALSE(SaveSettings(FStore, FSettings, FPlayers, FCatalogue));
}

// Regression: where the settings folder could not be written and no settings file existed yet,
// closing the key made for the first run failed, and that ended the loading before the card
// builder was looked up in the install's record. Saving then names the file it could not write.
TEST(GameSettingsUnwritableTest, TheBuilderIsStillFoundAndSavingSaysWhere) {
  QTemporaryDir Dir;
  const QString System = Dir.filePath("program/registry.reg");
  ASSERT_TRUE(QDir().mkpath(Dir.filePath("program")));
  QFile Record(System);
  ASSERT_TRUE(Record.open(QIODevice::WriteOnly));
  Record.write("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Kovalent\\Install]\n"
               "\"Deckwright\"=\"/opt/dw/\"\n");
  Record.close();
  // A folder without write permission stops every user but root; a file where the folder
  // should be stops root as well.
  ASSERT_TRUE(QDir().mkpath(Dir.filePath("readonly/Kovalent")));
  ASSERT_EQ(::chmod(QFile::encodeName(Dir.filePath("readonly/Kovalent")).constData(), 0555), 0);
  QFile Blocker(Dir.filePath("blocked"));
  ASSERT_TRUE(Blocker.open(QIODevice::WriteOnly));
  Blocker.close();
  for (const QString& User : {Dir.filePath("readonly/Kovalent/registry.reg"),
                              Dir.filePath("blocked/Kovalent/registry.reg")}) {
    if (User.contains("readonly") &&
        ::access(QFile::encodeName(QFileInfo(User).path()).constData(), W_OK) == 0) {
      continue; // root writes there all the same
    }
    RegistryFile Store(User, {System});
    GameSettings Settings;
    PlayerTable Players;
    TCardSetCatalogue Catalogue;
    LoadSettings(Store, Settings, Players, Catalogue, Dir.filePath("cards/"));
    EXPECT_EQ(Settings.BuilderPath, "/opt/dw/" + BuilderFileName()) << User.toStdString();
    QString Problem;
    EXPECT_FALSE(SaveSettings(Store, Settings, Players, Catalogue, &Problem));
    EXPECT_TRUE(Problem.contains(User)) << Problem.toStdString();
  }
}

TEST(GameSettingsFakeStoreTest, AFailedWriteKeepsWhatWasWrittenAndStillClosesTheKey) {
  FakeStore Store;
  Store.FailOn = "Cards";
  GameSettings Settings;
  Settings.Pairs = 30;
  PlayerTable Players;
  Players[2].Name = "Ann";
  TCardSetCatalogue Catalogue;
  Catalogue.CardSets.push_back(std::make_unique<TCardsObj>());
  Catalogue.CardSets[0]->FileName = "/games/cards/a.crd";
  EXPECT_FALSE(SaveSettings(Store, Settings, Players, Catalogue));
  const auto& Saved = Store.Keys[GameKey.toUpper()];
  EXPECT_EQ(std::get<qint32>(Saved.at("PAIRS")), 30);
  EXPECT_EQ(std::get<qint32>(Saved.at("DELAY")), 3);
  EXPECT_EQ(Saved.count("PLAYER1"), 0u);
  EXPECT_EQ(Store.Log.back(), "close");

  Store.FailOn.clear();
  EXPECT_TRUE(SaveSettings(Store, Settings, Players, Catalogue));
  EXPECT_EQ(std::get<QString>(Saved.at("CARDS")), "a.crd");
  EXPECT_EQ(std::get<QString>(Saved.at("PLAYER1")), "Ann");
}

TEST(GameSettingsFakeStoreTest, AFailureWhileOpeningLeavesEveryDefault) {
  FakeStore Store;
  Store.Keys[GameKey.toUpper()]["PAIRS"] = 20;
  Store.FailOn = "open";
  GameSettings Settings;
  PlayerTable Players;
  TCardSetCatalogue Catalogue;
  LoadSettings(Store, Settings, Players, Catalogue, "/nonexistent/cards/");
  EXPECT_EQ(Settings.Pairs, 8);
  EXPECT_EQ(Players[2].Name, "Player");
  EXPECT_TRUE(Catalogue.CardSets.empty());
}

TEST(RevealDelayTest, HalfSecondStepsFromOneSecondWithoutOverflow) {
  EXPECT_EQ(RevealDelayMs(0), 1000);
  EXPECT_EQ(RevealDelayMs(3), 2500);
  EXPECT_EQ(RevealDelayMs(8), 5000);
  EXPECT_EQ(RevealDelayMs(-1), 500);
  EXPECT_EQ(RevealDelayMs(-3), 0);
  EXPECT_EQ(RevealDelayMs(std::numeric_limits<qint32>::max()), std::numeric_limits<qint32>::max());
  EXPECT_EQ(RevealDelayMs(std::numeric_limits<qint32>::min()), 0);
}

} // namespace
