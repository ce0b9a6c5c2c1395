// dkwright as the game starts it (no arguments: a window) and as a terminal user does (with
// arguments: the command line, which needs no display).
#include "TestSupport.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

QString Dkwright() {
  return testsupport::ProgramDir() + QStringLiteral("/dkwright");
}

} // namespace

TEST(DkwrightModesTest, WithoutArgumentsItOpensItsWindowAndWaitsForTheUser) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  process.setProcessEnvironment(environment);
  process.start(Dkwright(), {});
  ASSERT_TRUE(process.waitForStarted(10000));
  // A command line without a command would print its usage and end at once.
  EXPECT_FALSE(process.waitForFinished(1500)) << process.readAllStandardError().toStdString();
  process.kill();
  process.waitForFinished();
}

TEST(DkwrightModesTest, WithArgumentsItNeedsNoDisplay) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
    environment.remove(QString::fromLatin1(name));
  process.setProcessEnvironment(environment);
  process.start(Dkwright(), {QStringLiteral("help")});
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_TRUE(process.readAllStandardOutput().startsWith("Deckwright makes card sets"));
}
