#include "SingleInstance.h"
#include "Product.h"
#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Each test gets its own runtime folder so parallel runs never share a lock.
class SingleInstanceTest : public ::testing::Test {
protected:
  void SetUp() override {
    FOldRuntime = qgetenv("XDG_RUNTIME_DIR");
    FOldCache = qgetenv("XDG_CACHE_HOME");
    ASSERT_TRUE(FDir.isValid());
    QFile::setPermissions(FDir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", FDir.path().toLocal8Bit());
    qputenv("XDG_CACHE_HOME", QFile::encodeName(FDir.filePath(QStringLiteral("cache"))));
  }
  void TearDown() override {
    qputenv("XDG_RUNTIME_DIR", FOldRuntime);
    qputenv("XDG_CACHE_HOME", FOldCache);
  }

  QTemporaryDir FDir;
  QByteArray FOldRuntime, FOldCache;
};

// The PID of a process that has already ended.
qint64 DeadPid() {
  QProcess p;
  p.start(QStringLiteral("true"), {});
  p.waitForFinished();
  return p.processId() != 0 ? p.processId() : 999999;
}

} // namespace

TEST_F(SingleInstanceTest, SecondCopyIsRefusedUntilTheFirstEnds) {
  auto first = std::make_unique<TSingleInstance>(QString::fromLatin1(product::SeriesName));
  ASSERT_TRUE(first->Acquire());
  EXPECT_TRUE(first->LockPath().startsWith(FDir.path()));

  TSingleInstance second(QString::fromLatin1(product::SeriesName));
  EXPECT_FALSE(second.Acquire());

  first.reset();
  EXPECT_TRUE(second.Acquire());
}

TEST_F(SingleInstanceTest, LockOfAKilledCopyDoesNotBlock) {
  TSingleInstance probe(QString::fromLatin1(product::SeriesName));
  // What a copy killed with SIGKILL leaves behind: a lock naming a process that is gone.
  QFile stale(probe.LockPath());
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.write(QByteArray::number(DeadPid()) + "\ntesselo\n" + QSysInfo::machineHostName().toUtf8() +
              "\n");
  stale.close();

  EXPECT_TRUE(probe.Acquire());
}

// A copy started while the first runs must be refused also when the first keeps its lock the
// way Qt's lock files do (an older build of the game), and such a copy must see ours as held.
TEST_F(SingleInstanceTest, LocksOfQtLockFilesAndOursExcludeEachOther) {
  TSingleInstance ours(QString::fromLatin1(product::SeriesName));
  {
    QLockFile theirs(ours.LockPath());
    ASSERT_TRUE(theirs.tryLock(0));
    EXPECT_FALSE(ours.Acquire());
  }
  ASSERT_TRUE(ours.Acquire());
  QLockFile theirs(ours.LockPath());
  theirs.setStaleLockTime(0);
  EXPECT_FALSE(theirs.tryLock(0));
}

// Not Qt's runtime fallback, a shared folder: a private one in the cache, else none.
TEST_F(SingleInstanceTest, OnlyAPrivateFolderHoldsTheLock) {
  qunsetenv("XDG_RUNTIME_DIR");
  const QString runtime = FDir.filePath(QStringLiteral("cache/Kovalent/runtime"));
  const auto lockPath = [] {
    TSingleInstance instance(QString::fromLatin1(product::SeriesName));
    EXPECT_TRUE(instance.Acquire());
    return instance.LockPath();
  };
  EXPECT_TRUE(lockPath().startsWith(runtime));
  ::chmod(QFile::encodeName(runtime).constData(), 0770);
  EXPECT_EQ(lockPath(), QString());
  ::chmod(QFile::encodeName(runtime).constData(), 0700);
  ASSERT_TRUE(QDir().rename(runtime, runtime + '2') && QFile::link(runtime + '2', runtime));
  EXPECT_EQ(lockPath(), QString()) << "a link is not private";
}

TEST(ProgramFolderTest, EndsWithSeparatorAndHoldsTheExecutable) {
  const QString folder = ProgramFolder();
  ASSERT_TRUE(folder.endsWith(u'/'));
  EXPECT_TRUE(
      QFileInfo::exists(folder + QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
}
