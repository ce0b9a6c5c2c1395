// The read-only system files below the user's settings file: where they are looked for, how
// their values fill in what the user's file lacks, and the card builder found through the
// install's record.
#include "CardSets.h"
#include "GameSettings.h"
#include "Product.h"
#include "RegistryFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

const QString GameKey = QString::fromLatin1(product::SettingsKey);
const QString InstallKey = QStringLiteral("Software\\Kovalent\\Install\\");

QByteArray ReadAll(const QString& Path) {
  QFile File(Path);
  return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

void WriteAll(const QString& Path, const QByteArray& Bytes) {
  ASSERT_TRUE(QDir().mkpath(QFileInfo(Path).absolutePath()));
  QFile File(Path);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(File.write(Bytes), Bytes.size());
}

// A registry text file holding one key of the current user's root with the given value lines.
QByteArray KeyFile(const QString& Key, const QByteArray& Values) {
  return "REGEDIT4\n\n[HKEY_CURRENT_USER\\" + Key.toUtf8() + "]\n" + Values;
}

// The record the install writes for a program folder.
QByteArray InstallRecord(const QString& ProgramFolder) {
  return KeyFile("Software\\Kovalent\\Install",
                 "\"Deckwright\"=\"" + ProgramFolder.toUtf8() + "\"\n");
}

TEST(SystemRegistryFilePathsTest, TheInstallsOwnRecordComesBeforeTheConfigFolders) {
  EXPECT_EQ(
      SystemRegistryFilePaths("/opt/tesselo/lib/tesselo/", "/etc/xdg/xdg-kde:/etc/xdg"),
      QStringList({"/opt/tesselo/lib/tesselo/registry.reg",
                   "/opt/tesselo/etc/xdg/Kovalent/registry.reg",
                   "/etc/xdg/xdg-kde/Kovalent/registry.reg", "/etc/xdg/Kovalent/registry.reg"}));
}

TEST(SystemRegistryFilePathsTest, EmptyOrRelativeConfigFoldersFollowTheXdgRules) {
  const QString Program = QStringLiteral("/usr/lib/tesselo/");
  const QStringList Own{"/usr/lib/tesselo/registry.reg", "/usr/etc/xdg/Kovalent/registry.reg"};
  EXPECT_EQ(SystemRegistryFilePaths(Program, ""),
            Own + QStringList{"/etc/xdg/Kovalent/registry.reg"});
  EXPECT_EQ(SystemRegistryFilePaths(Program, "::"), SystemRegistryFilePaths(Program, ""));
  EXPECT_EQ(SystemRegistryFilePaths(Program, "relative/dir::/srv/xdg/"),
            Own + QStringList{"/srv/xdg/Kovalent/registry.reg"});
  // A config folder that is also the install's prefix is read once.
  EXPECT_EQ(SystemRegistryFilePaths(Program, "/usr/etc/xdg"), Own);
}

class SystemRegistryTest : public ::testing::Test {
protected:
  QTemporaryDir FDir;
  QString FUserPath = FDir.filePath("home/Kovalent/registry.reg");
  QString FFirstPath = FDir.filePath("first/Kovalent/registry.reg");
  QString FSecondPath = FDir.filePath("second/Kovalent/registry.reg");
  RegistryFile FStore{FUserPath, {FFirstPath, FSecondPath}};
};

TEST_F(SystemRegistryTest, EachValueComesFromTheUserElseTheFirstSystemFileHoldingIt) {
  WriteAll(FUserPath, KeyFile(GameKey, "\"Cards\"=\"mine.crd\"\n"));
  WriteAll(FFirstPath, KeyFile(GameKey, "\"Cards\"=\"first.crd\"\n\"Pairs\"=dword:0000000c\n"));
  WriteAll(FSecondPath, KeyFile(GameKey, "\"Pairs\"=dword:00000010\n\"Level\"=dword:00000007\n"));
  ASSERT_TRUE(FStore.OpenKey(GameKey, false));
  EXPECT_EQ(FStore.ReadString("Cards"), "mine.crd");
  EXPECT_EQ(FStore.ReadInteger("Pairs"), 12);
  EXPECT_EQ(FStore.ReadInteger("level"), 7);
  EXPECT_TRUE(FStore.ValueExists("Level"));
  EXPECT_FALSE(FStore.ValueExists("Delay"));
  EXPECT_TRUE(FStore.ReadString("Player1").isEmpty());
  FStore.CloseKey();
}

TEST_F(SystemRegistryTest, TheUsersValueWinsEvenWhenItHasAnotherType) {
  WriteAll(FUserPath, KeyFile(GameKey, "\"Pairs\"=\"ten\"\n"));
  WriteAll(FFirstPath, KeyFile(GameKey, "\"Pairs\"=dword:0000000c\n"));
  ASSERT_TRUE(FStore.OpenKey(GameKey, false));
  EXPECT_THROW(FStore.ReadInteger("Pairs"), ESettingsStoreError);
  FStore.CloseKey();
}

TEST_F(SystemRegistryTest, AKeyOnlySystemFilesHoldOpensAndWritesGoToTheUsersFile) {
  WriteAll(FFirstPath, InstallRecord("/usr/lib/tesselo/"));
  const QByteArray SystemBytes = ReadAll(FFirstPath);
  ASSERT_TRUE(FStore.OpenKey(InstallKey, false));
  EXPECT_EQ(FStore.ReadString("Deckwright"), "/usr/lib/tesselo/");
  FStore.CloseKey();
  EXPECT_FALSE(QFile::exists(FUserPath)); // reading alone writes nothing

  ASSERT_TRUE(FStore.OpenKey(InstallKey, false));
  FStore.WriteString("Deckwright", "/home/me/tesselo/");
  FStore.CloseKey();
  EXPECT_EQ(ReadAll(FFirstPath), SystemBytes);
  EXPECT_EQ(ReadAll(FUserPath), "REGEDIT4\r\n\r\n"
                                "[HKEY_CURRENT_USER\\Software\\Kovalent\\Install]\r\n"
                                "\"Deckwright\"=\"/home/me/tesselo/\"\r\n"
                                "\r\n");
  EXPECT_FALSE(FStore.OpenKey(GameKey, false)); // no other key was made
}

TEST_F(SystemRegistryTest, OpeningWithCreateStillAddsTheKeyToTheUsersFile) {
  WriteAll(FFirstPath, InstallRecord("/usr/lib/tesselo/"));
  ASSERT_TRUE(FStore.OpenKey(InstallKey, true));
  EXPECT_EQ(FStore.ReadString("Deckwright"), "/usr/lib/tesselo/");
  FStore.CloseKey();
  EXPECT_EQ(ReadAll(FUserPath), "REGEDIT4\r\n\r\n"
                                "[HKEY_CURRENT_USER\\Software\\Kovalent\\Install]\r\n"
                                "\r\n");
  // The empty key the user's file now holds does not hide the system file's values.
  ASSERT_TRUE(FStore.OpenKey(InstallKey, false));
  EXPECT_EQ(FStore.ReadString("Deckwright"), "/usr/lib/tesselo/");
  FStore.CloseKey();
}

TEST_F(SystemRegistryTest, AKeyNobodyHoldsIsNotOpenedWithoutCreating) {
  WriteAll(FFirstPath, InstallRecord("/usr/lib/tesselo/"));
  EXPECT_FALSE(FStore.OpenKey(GameKey, false));
  EXPECT_THROW(FStore.ValueExists("Pairs"), ESettingsStoreError);
  EXPECT_FALSE(QFile::exists(FUserPath));
}

TEST_F(SystemRegistryTest, BrokenSystemFilesArePassedOver) {
  WriteAll(FSecondPath, InstallRecord("/usr/lib/tesselo/"));
  for (const QByteArray& Broken :
       {QByteArray("not a registry file"), KeyFile(InstallKey, "\"Deckwright\"=\"unterminated\n"),
        QByteArray(MaxRegistryFileSize + 1, ';')}) {
    WriteAll(FFirstPath, Broken);
    ASSERT_TRUE(FStore.OpenKey(InstallKey, false));
    EXPECT_EQ(FStore.ReadString("Deckwright"), "/usr/lib/tesselo/");
    FStore.CloseKey();
    EXPECT_EQ(ReadAll(FFirstPath), Broken);
  }
  QFile::remove(FFirstPath);
  ASSERT_TRUE(QDir().mkpath(FFirstPath)); // a folder where the file should be
  ASSERT_TRUE(FStore.OpenKey(InstallKey, false));
  EXPECT_EQ(FStore.ReadString("Deckwright"), "/usr/lib/tesselo/");
  FStore.CloseKey();
  EXPECT_TRUE(QDir(FDir.filePath("first/Kovalent")).entryList(QDir::Files).isEmpty());
}

TEST_F(SystemRegistryTest, KeyLinesWrittenWithATrailingBackslashStillMatch) {
  WriteAll(FFirstPath, "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Kovalent\\Install\\]\n"
                       "\"Deckwright\"=\"/opt/tesselo/lib/tesselo/\"\n");
  ASSERT_TRUE(FStore.OpenKey("Software\\Kovalent\\Install", false));
  EXPECT_EQ(FStore.ReadString("Deckwright"), "/opt/tesselo/lib/tesselo/");
  FStore.CloseKey();
}

// The whole road: the install's record in a relocatable tree, found from the program folder.
class InstalledBuilderTest : public ::testing::Test {
protected:
  QTemporaryDir FDir;
  QString FPrefix = FDir.filePath("opt/tesselo");
  QString FProgram = FPrefix + "/lib/tesselo/";
  QString FUserPath = FDir.filePath("home/Kovalent/registry.reg");
  QString FRecordPath = FPrefix + "/etc/xdg/Kovalent/registry.reg";
  RegistryFile FStore{FUserPath, SystemRegistryFilePaths(FProgram, FDir.filePath("no-xdg"))};
  GameSettings FSettings;
  PlayerTable FPlayers;
  TCardSetCatalogue FCatalogue;

  void SetUp() override {
    ASSERT_TRUE(QDir().mkpath(FProgram + "cards"));
    WriteAll(FRecordPath, InstallRecord(FProgram));
  }
  void Load() { LoadSettings(FStore, FSettings, FPlayers, FCatalogue, FProgram + "cards/"); }
};

TEST_F(InstalledBuilderTest, AFirstRunFindsTheBuilderAndSavesItOnlyToTheUsersFile) {
  const QByteArray Record = ReadAll(FRecordPath);
  Load();
  EXPECT_EQ(FSettings.BuilderPath, FProgram + BuilderFileName());
  EXPECT_TRUE(SaveSettings(FStore, FSettings, FPlayers, FCatalogue));
  EXPECT_EQ(ReadAll(FRecordPath), Record);
  ASSERT_TRUE(FStore.OpenKey(GameKey, false));
  EXPECT_EQ(FStore.ReadString("Deckwright"), FProgram + BuilderFileName());
  FStore.CloseKey();
}

TEST_F(InstalledBuilderTest, TheUsersOwnBuilderWins) {
  const QString Own = FDir.filePath("own/dkwright");
  WriteAll(Own, "#!/bin/sh\n");
  WriteAll(FUserPath, KeyFile(GameKey, "\"Deckwright\"=\"" + Own.toUtf8() + "\"\n"));
  Load();
  EXPECT_EQ(FSettings.BuilderPath, Own);

  // A stale path is looked up again, and the user's own install record wins over the system's.
  WriteAll(FUserPath, KeyFile(GameKey, "\"Deckwright\"=\"/gone/dkwright\"\n") +
                          "\n[HKEY_CURRENT_USER\\Software\\Kovalent\\Install]\n"
                          "\"Deckwright\"=\"/home/me/dw/\"\n");
  Load();
  EXPECT_EQ(FSettings.BuilderPath, "/home/me/dw/" + BuilderFileName());
}

} // namespace
