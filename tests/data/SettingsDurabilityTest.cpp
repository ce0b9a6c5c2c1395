// The settings file through a crash: the game's save runs in a child process, round after round
// with new values, and is killed (SIGKILL) at random moments; after each kill the file must hold
// the values of the round before or of the round being saved, whole, and nothing may be left
// beside it to pile up.
#include "RegistryFile.h"
#include "RegistryText.h"
#include "SettingsRounds.h"

#include "CardSets.h"
#include "Product.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <thread>

namespace {

// The round whose values the file at Path holds, or -1 when it holds anything else: no file,
// one that does not parse, a value missing, or values of two rounds.
long RoundInFile(const QString& Path) {
  QFile file(Path);
  if (!file.open(QIODevice::ReadOnly) || !ParseRegistryText(file.readAll()))
    return -1;
  RegistryFile store(Path);
  try {
    if (!store.OpenKey(QLatin1String(product::SettingsKey), false))
      return -1;
    const long round = store.ReadInteger("Pairs");
    const TSettingsRound expected = SettingsOfRound(round);
    bool whole = store.ReadInteger("Computer") == 0 &&
                 store.ReadInteger("Sound") == (expected.Settings.Sound ? 1 : 0) &&
                 store.ReadInteger("Level") == expected.Settings.Level &&
                 store.ReadInteger("Delay") == expected.Settings.Delay &&
                 store.ReadString("Deckwright") == expected.Settings.BuilderPath;
    for (int field = 1; field <= 4; ++field)
      whole = whole && store.ReadString(QStringLiteral("Player%1").arg(field)).toStdString() ==
                           expected.Players[field].Name;
    store.CloseKey();
    return whole ? round : -1;
  } catch (const ESettingsStoreError&) {
    return -1;
  }
}

// The last round the child began and the last it finished, from its output.
struct TProgress {
  long Begun;
  long Done;
};

TProgress ProgressOf(const QByteArray& Output, long Before) {
  TProgress progress{Before, Before};
  for (const QByteArray& line : Output.split('\n')) {
    const QList<QByteArray> words = line.split(' ');
    if (words.size() != 2)
      continue;
    (words[0] == "begin" ? progress.Begun : progress.Done) = words[1].toLong();
  }
  return progress;
}

QStringList Beside(const QString& Path) {
  QStringList names = QFileInfo(Path).dir().entryList(QDir::Files | QDir::Hidden | QDir::System);
  names.removeOne(QFileInfo(Path).fileName());
  return names;
}

TEST(SettingsDurability, AKilledSaveLeavesTheOldOrTheNewValuesWholeAndNothingPilesUp) {
  constexpr int Kills = 240;
  // Past a few saves, so that the moments fall all over a save whatever it costs here.
  constexpr int MaxDelayUs = 8000;
  QTemporaryDir dir;
  const QString path = dir.filePath("Kovalent/registry.reg");
  {
    RegistryFile store(path);
    const TSettingsRound first = SettingsOfRound(1);
    ASSERT_TRUE(SaveSettings(store, first.Settings, first.Players, TCardSetCatalogue()));
  }
  long current = 1;
  int insideSave = 0;
  std::mt19937 random(20261208);
  for (int kill = 0; kill < Kills; ++kill) {
    QProcess child;
    child.start(QStringLiteral(TESSELO_SETTINGS_SAVE_LOOP), {path, QString::number(current + 1)});
    ASSERT_TRUE(child.waitForStarted());
    // The first "begin": from here on the child does nothing but save.
    ASSERT_TRUE(child.waitForReadyRead(20000)) << child.readAllStandardError().toStdString();
    std::this_thread::sleep_for(std::chrono::microseconds(random() % MaxDelayUs));
    ::kill(pid_t(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished(20000));
    ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << "the save failed on its own";
    const TProgress progress = ProgressOf(child.readAllStandardOutput(), current);
    const long found = RoundInFile(path);
    ASSERT_TRUE(found == progress.Done || found == progress.Begun)
        << "kill " << kill << ": the file holds round " << found << " after round " << progress.Done
        << " was saved and " << progress.Begun << " begun";
    if (progress.Begun > progress.Done)
      ++insideSave;
    const QStringList beside = Beside(path);
    ASSERT_TRUE(beside.isEmpty() || beside == QStringList{"registry.reg.new"})
        << beside.join(' ').toStdString();
    current = found;
  }
  EXPECT_GE(insideSave, Kills / 2) << "the kills must fall inside the saves";
  // The next save takes up what a kill left behind.
  RegistryFile store(path);
  const TSettingsRound next = SettingsOfRound(current + 1);
  ASSERT_TRUE(SaveSettings(store, next.Settings, next.Players, TCardSetCatalogue()));
  EXPECT_EQ(RoundInFile(path), current + 1);
  EXPECT_TRUE(Beside(path).isEmpty());
}

} // namespace
