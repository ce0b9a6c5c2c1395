// The sound module: the game's executable leaves Qt Multimedia out, and the module beside the
// game plays the sounds; a damaged module leaves the game silent.
#include "AppFixtures.h"

#include "SoundPlayer.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

using namespace apptest;

namespace {

QString Ldd(const QString& Program) {
  QProcess ldd;
  ldd.start(QStringLiteral("ldd"), {Program});
  ldd.waitForFinished();
  return QString::fromLocal8Bit(ldd.readAllStandardOutput());
}

TEST(SoundModule, TheGameLeavesQtMultimediaToTheModule) {
  const QString game = Ldd(testsupport::ProgramDir() + QStringLiteral("/tesselo"));
  ASSERT_TRUE(game.contains(QStringLiteral("libQt6Widgets"))) << game.toStdString();
  EXPECT_FALSE(game.contains(QStringLiteral("libQt6Multimedia"))) << game.toStdString();
  const QString module = Ldd(testsupport::ProgramDir() + QStringLiteral("/" TESSELO_SOUND_MODULE));
  EXPECT_TRUE(module.contains(QStringLiteral("libQt6Multimedia"))) << module.toStdString();
}

// Without an audio device a sound effect still goes through loading into playing (and never
// reports an error), so playing can be seen here.
TEST(SoundModule, SoundsPlayWhereTheModuleIsPresent) {
  TSoundPlayer player;
  player.Open(testsupport::ProgramDir() + QLatin1Char('/'), true);
  ASSERT_TRUE(player.SoundReady());
  ASSERT_TRUE(player.Play(GameSound::Match));
  const QDeadlineTimer deadline(5000);
  while (!player.Playing(GameSound::Match) && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_TRUE(player.Playing(GameSound::Match));
  EXPECT_FALSE(player.Playing(GameSound::Miss));
}

// A missing module is tried with the whole window (GameOnScreen); a damaged one must not take
// the game down either.
TEST(SoundModule, ADamagedModuleLeavesTheGameSilent) {
  TAppFolder folder(false);
  folder.AddSoundFiles(true, true, false);
  QFile module(folder.Path() + QStringLiteral(TESSELO_SOUND_MODULE));
  ASSERT_TRUE(module.open(QIODevice::WriteOnly));
  module.write("not a library");
  module.close();
  TSoundPlayer player;
  player.Open(folder.Path(), true);
  EXPECT_FALSE(player.SoundReady());
  EXPECT_FALSE(player.Play(GameSound::Miss));
  EXPECT_FALSE(player.Playing(GameSound::Miss));
}

} // namespace
