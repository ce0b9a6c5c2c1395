// The settings file: creation, foreign content kept, damaged files kept aside, atomic replace.
#include "RegistryFile.h"

#include "Product.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QString GameKey = QString::fromLatin1(product::SettingsKey);
// The line that opens the game's key in the file.
const QByteArray GameSection = "[HKEY_CURRENT_USER\\" + GameKey.toUtf8() + "]\r\n";

QByteArray ReadAll(const QString& Path) {
  QFile File(Path);
  return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

void WriteAll(const QString& Path, const QByteArray& Bytes) {
  QDir().mkpath(QFileInfo(Path).absolutePath());
  QFile File(Path);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(File.write(Bytes), Bytes.size());
}

class RegistryFileTest : public ::testing::Test {
protected:
  QTemporaryDir FDir;
  QString FPath = FDir.filePath("Kovalent/registry.reg");
  RegistryFile FStore{FPath};

  void WriteGameValue(const QString& Name, qint32 Value) {
    ASSERT_TRUE(FStore.OpenKey(GameKey, true));
    FStore.WriteInteger(Name, Value);
    FStore.CloseKey();
  }
  QStringList FolderEntries() const {
    return QDir(FDir.filePath("Kovalent")).entryList(QDir::Files | QDir::Hidden);
  }
};

TEST_F(RegistryFileTest, FirstWriteCreatesTheFolderAndAReadableFile) {
  ASSERT_TRUE(FStore.OpenKey(GameKey, true));
  FStore.WriteInteger("Pairs", 8);
  FStore.WriteString("Cards", "animals.crd");
  FStore.CloseKey();
  EXPECT_EQ(ReadAll(FPath), "REGEDIT4\r\n\r\n" + GameSection +
                                "\"Pairs\"=dword:00000008\r\n"
                                "\"Cards\"=\"animals.crd\"\r\n"
                                "\r\n");
  ASSERT_TRUE(FStore.OpenKey(GameKey + "\\", false));
  EXPECT_EQ(FStore.ReadInteger("pairs"), 8);
  EXPECT_EQ(FStore.ReadString("CARDS"), "animals.crd");
  FStore.CloseKey();
}

TEST_F(RegistryFileTest, OpeningAMissingKeyWithoutCreatingLeavesNoKeyOpen) {
  EXPECT_FALSE(FStore.OpenKey(GameKey, false));
  EXPECT_THROW(FStore.ValueExists("Pairs"), ESettingsStoreError);
  EXPECT_THROW(FStore.WriteInteger("Pairs", 1), ESettingsStoreError);
  FStore.CloseKey();
  EXPECT_FALSE(QFile::exists(FPath));
}

TEST_F(RegistryFileTest, ValuesOfAnotherTypeOrMissingOnesAreReadAsTheStoreDefines) {
  WriteAll(FPath, "REGEDIT4\r\n[HKEY_CURRENT_USER\\" + GameKey.toUtf8() +
                      "]\r\n\"Pairs\"=\"ten\"\r\n\"Name\"=dword:00000001\r\n"
                      "\"Blob\"=hex:01\r\n\"Neg\"=dword:ffffffff\r\n");
  ASSERT_TRUE(FStore.OpenKey(GameKey, false));
  EXPECT_TRUE(FStore.ValueExists("Pairs"));
  EXPECT_FALSE(FStore.ValueExists("Level"));
  EXPECT_THROW(FStore.ReadInteger("Pairs"), ESettingsStoreError);
  EXPECT_THROW(FStore.ReadInteger("Level"), ESettingsStoreError);
  EXPECT_THROW(FStore.ReadInteger("Blob"), ESettingsStoreError);
  EXPECT_THROW(FStore.ReadString("Name"), ESettingsStoreError);
  EXPECT_THROW(FStore.ReadString("Blob"), ESettingsStoreError);
  EXPECT_EQ(FStore.ReadString("Player1"), "");
  EXPECT_EQ(FStore.ReadInteger("Neg"), -1);
  FStore.CloseKey();
}

TEST_F(RegistryFileTest, SavingKeepsForeignKeysAndValuesInTheirOrder) {
  const QByteArray Before = "REGEDIT4\r\n"
                            "\r\n"
                            "[HKEY_CURRENT_USER\\Software\\Kovalent\\Install]\r\n"
                            "\"Deckwright\"=\"/opt/kovalent/\"\r\n"
                            "\r\n" +
                            GameSection +
                            "\"Window\"=hex:01,02,\\\r\n"
                            "  03\r\n"
                            "\"Pairs\"=dword:00000008\r\n"
                            "\"Zoom\"=\"big\"\r\n"
                            "\r\n";
  WriteAll(FPath, Before);
  WriteGameValue("Pairs", 10);
  WriteGameValue("Delay", 4);
  QByteArray Expected = Before;
  Expected.replace("dword:00000008", "dword:0000000a");
  Expected.insert(Expected.size() - 2, "\"Delay\"=dword:00000004\r\n");
  EXPECT_EQ(ReadAll(FPath), Expected);
  EXPECT_FALSE(QFile::exists(FPath + ".corrupt"));
}

TEST_F(RegistryFileTest, ReadingAloneNeverTouchesTheFile) {
  const QByteArray Before = "REGEDIT4\n[HKEY_CURRENT_USER\\" + GameKey.toUtf8() +
                            "]\n\"Pairs\"=dword:00000010\n; a comment\n";
  WriteAll(FPath, Before);
  ASSERT_TRUE(FStore.OpenKey(GameKey, true));
  EXPECT_EQ(FStore.ReadInteger("Pairs"), 16);
  FStore.CloseKey();
  EXPECT_EQ(ReadAll(FPath), Before);
}

TEST_F(RegistryFileTest, DamagedFilesReadAsEmptyAndAreKeptAsideWhenReplaced) {
  QByteArray Oversized = "REGEDIT4\r\n[HKEY_CURRENT_USER\\X]\r\n\"Big\"=\"";
  Oversized += QByteArray(MaxRegistryFileSize, 'a') + "\"\r\n";
  const std::vector<std::pair<const char*, QByteArray>> Cases = {
      {"truncated", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + GameKey.toUtf8() + "]\r\n\"Pa"},
      {"binary", QByteArray("\x7f\x45\x4c\x46\x02\x01\x01\x00\x00\xff", 10)},
      {"empty", ""},
      {"oversized", Oversized},
  };
  for (const auto& [Name, Bytes] : Cases) {
    SCOPED_TRACE(Name);
    QFile::remove(FPath + ".corrupt");
    WriteAll(FPath, Bytes);
    ASSERT_TRUE(FStore.OpenKey(GameKey, false) == false);
    ASSERT_TRUE(FStore.OpenKey(GameKey, true));
    EXPECT_FALSE(FStore.ValueExists("Pairs"));
    FStore.WriteInteger("Pairs", 12);
    FStore.CloseKey();
    EXPECT_EQ(ReadAll(FPath + ".corrupt"), Bytes);
    ASSERT_TRUE(FStore.OpenKey(GameKey, false));
    EXPECT_EQ(FStore.ReadInteger("Pairs"), 12);
    FStore.CloseKey();
  }
}

TEST_F(RegistryFileTest, EarlierCopiesKeptAsideAreNeverOverwritten) {
  WriteAll(FPath, "garbage one");
  WriteGameValue("Pairs", 8);
  WriteAll(FPath, "garbage two");
  WriteGameValue("Pairs", 8);
  EXPECT_EQ(ReadAll(FPath + ".corrupt"), "garbage one");
  EXPECT_EQ(ReadAll(FPath + ".corrupt.2"), "garbage two");
}

TEST_F(RegistryFileTest, ReplacingAValueOfAnotherTypeKeepsTheOldFileAside) {
  const QByteArray Before =
      "REGEDIT4\r\n[HKEY_CURRENT_USER\\" + GameKey.toUtf8() + "]\r\n\"Pairs\"=\"twelve\"\r\n";
  WriteAll(FPath, Before);
  WriteGameValue("Pairs", 12);
  EXPECT_EQ(ReadAll(FPath + ".corrupt"), Before);
  EXPECT_TRUE(ReadAll(FPath).contains("\"Pairs\"=dword:0000000c"));
}

TEST_F(RegistryFileTest, LineBreaksInValuesBecomeSpacesAndInNamesAreRefused) {
  ASSERT_TRUE(FStore.OpenKey(GameKey, true));
  FStore.WriteString("Player1", "Ann\r\nBob\nC");
  EXPECT_THROW(FStore.WriteString("Player\r1", "Ann"), ESettingsStoreError);
  FStore.WriteString("Player2", "Bob");
  FStore.CloseKey();
  ASSERT_TRUE(FStore.OpenKey(GameKey, false));
  EXPECT_EQ(FStore.ReadString("Player1"), "Ann Bob C");
  EXPECT_EQ(FStore.ReadString("Player2"), "Bob");
  FStore.CloseKey();
}

TEST_F(RegistryFileTest, SomethingOtherThanAFileIsAStoreFailure) {
  ASSERT_TRUE(QDir().mkpath(FPath));
  EXPECT_THROW(FStore.OpenKey(GameKey, true), ESettingsStoreError);
  ASSERT_TRUE(QDir().rmdir(FPath));
  // A pipe would block a plain open until someone writes to it.
  ASSERT_EQ(mkfifo(QFile::encodeName(FPath).constData(), 0600), 0);
  EXPECT_THROW(FStore.OpenKey(GameKey, true), ESettingsStoreError);
}

// A write that fails half-way (here: the file size limit, as a full disk would) leaves the
// previous file whole and no temporary file behind.
TEST_F(RegistryFileTest, AFailedWriteLeavesThePreviousFileIntact) {
  WriteGameValue("Pairs", 8);
  const QByteArray Before = ReadAll(FPath);
  const QStringList EntriesBefore = FolderEntries();

  ASSERT_TRUE(FStore.OpenKey(GameKey, true));
  FStore.WriteString("Cards", QString(4096, u'x'));
  rlimit Saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &Saved), 0);
  auto OldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit Small = Saved;
  Small.rlim_cur = 1024;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Small), 0);
  EXPECT_THROW(FStore.CloseKey(), ESettingsStoreError);
  setrlimit(RLIMIT_FSIZE, &Saved);
  std::signal(SIGXFSZ, OldHandler);

  EXPECT_EQ(ReadAll(FPath), Before);
  EXPECT_EQ(FolderEntries(), EntriesBefore);
}

// A settings file kept elsewhere behind a link (a folder of dotfiles) is written where it lives.
TEST_F(RegistryFileTest, AFileBehindALinkIsWrittenWhereItLives) {
  const QString Real = FDir.filePath("dotfiles/registry.reg");
  WriteAll(Real, "REGEDIT4\r\n\r\n");
  ASSERT_TRUE(QDir().mkpath(FDir.filePath("Kovalent")));
  ASSERT_TRUE(QFile::link(Real, FPath));
  WriteGameValue("Pairs", 12);
  EXPECT_TRUE(QFileInfo(FPath).isSymLink());
  EXPECT_TRUE(ReadAll(Real).contains("\"Pairs\"=dword:0000000c"));
  EXPECT_TRUE(FolderEntries() == QStringList{"registry.reg"});
}

TEST(RegistryFilePathTest, FollowsTheUsersConfigurationFolder) {
  const QByteArray Saved = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", "/tmp/tesselo-config-test");
  EXPECT_EQ(DefaultRegistryFilePath(), "/tmp/tesselo-config-test/Kovalent/registry.reg");
  qunsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(DefaultRegistryFilePath(), QDir::homePath() + "/.config/Kovalent/registry.reg");
  if (!Saved.isNull()) {
    qputenv("XDG_CONFIG_HOME", Saved);
  }
}

} // namespace
