// Installing a card set the player opened: the checks it must pass, where its copy goes, when a
// namesake is replaced, and that a refused set leaves nothing behind.
#include "CardSetInstall.h"
#include "CardSetLoader.h"
#include "FaceFixtures.h"
#include "GameSetupError.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <stop_token>
#include <thread>

#include <sys/stat.h>
#include <sys/time.h>

namespace {

using fixtures::BuildCardSet;
using fixtures::MakeCardSet;

class CardSetInstall : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(FRoot.isValid());
    QDir(FRoot.path()).mkpath(QStringLiteral("program/cards"));
    QDir(FRoot.path()).mkpath(QStringLiteral("downloads"));
    FFolders = {FRoot.filePath(QStringLiteral("program/cards/")),
                FRoot.filePath(QStringLiteral("data/Kovalent/Tesselo/cards/"))};
  }

  QString Download(const QString& Name, const fixtures::CardSet& Set) {
    const QString path = FRoot.filePath(QStringLiteral("downloads/") + Name);
    fixtures::WriteFile(path, BuildCardSet(Set));
    return path;
  }
  TInstalledSet Install(const QString& Path, bool Replace = false) {
    return InstallCardSet(Path, FFolders, [this, Replace](const QString& Name) {
      Asked << Name;
      return Replace;
    });
  }
  std::string Refusal(const QString& Path) {
    try {
      Install(Path);
    } catch (const ECardSetError& error) {
      return error.what();
    }
    return "installed";
  }
  QStringList UserFolder() const {
    return QDir(FFolders.User).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  }
  static QByteArray Bytes(const QString& Path) {
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir FRoot;
  TCardFolderPair FFolders;
  QStringList Asked;
};

TEST_F(CardSetInstall, ACheckedCopyIsAddedOnceAndThenFoundAgain) {
  const QString path = Download(QStringLiteral("holiday.crd"), MakeCardSet("Holiday", 2, 8));
  const TInstalledSet added = Install(path);
  EXPECT_EQ(added.Outcome, TInstallOutcome::Added);
  EXPECT_EQ(added.FileName, FFolders.User + QStringLiteral("holiday.crd"));
  EXPECT_EQ(added.Header.Title, QStringLiteral("Holiday"));
  EXPECT_EQ(Bytes(added.FileName), Bytes(path));
  EXPECT_EQ(UserFolder(), QStringList{QStringLiteral("holiday.crd")}) << "no staging left";

  const TInstalledSet again = Install(path);
  EXPECT_EQ(again.Outcome, TInstallOutcome::Present);
  EXPECT_EQ(again.FileName, added.FileName);
  EXPECT_TRUE(Asked.isEmpty()) << "an identical set is not asked about";

  // A file without the suffix is kept under a name the catalogue lists.
  const QString bare = Download(QStringLiteral("beach"), MakeCardSet("Beach", 0, 8));
  EXPECT_EQ(Install(bare).FileName, FFolders.User + QStringLiteral("beach.crd"));
  const QString odd = Download(QStringLiteral("line\nbreak\t\u2028"), MakeCardSet("Odd", 0, 8));
  EXPECT_EQ(Install(odd).FileName, FFolders.User + QStringLiteral("line_break__.crd"));
}

TEST_F(CardSetInstall, ADifferentNamesakeIsReplacedOnlyWhenThePlayerAgrees) {
  QDir().mkpath(FFolders.User);
  fixtures::WriteFile(FFolders.User + QStringLiteral("holiday.crd"),
                      BuildCardSet(MakeCardSet("Old holiday", 0, 8)));
  const QByteArray old = Bytes(FFolders.User + QStringLiteral("holiday.crd"));
  const QString path = Download(QStringLiteral("holiday.crd"), MakeCardSet("New holiday", 0, 9));

  EXPECT_EQ(Install(path, false).Outcome, TInstallOutcome::Kept);
  EXPECT_EQ(Asked, QStringList{QStringLiteral("holiday.crd")});
  EXPECT_EQ(Bytes(FFolders.User + QStringLiteral("holiday.crd")), old);
  EXPECT_EQ(UserFolder(), QStringList{QStringLiteral("holiday.crd")});

  const TInstalledSet replaced = Install(path, true);
  EXPECT_EQ(replaced.Outcome, TInstallOutcome::Replaced);
  EXPECT_EQ(replaced.Header.Title, QStringLiteral("New holiday"));
  EXPECT_EQ(Bytes(replaced.FileName), Bytes(path));
  EXPECT_EQ(UserFolder(), QStringList{QStringLiteral("holiday.crd")});
}

TEST_F(CardSetInstall, TheProgramsSetsAreNeverReplacedAndSetsInACardFolderStayPut) {
  const fixtures::CardSet shipped = MakeCardSet("Shapes", 0, 8);
  fixtures::WriteFile(FFolders.Program + QStringLiteral("shapes.crd"), BuildCardSet(shipped));
  const TInstalledSet same = Install(Download(QStringLiteral("shapes.crd"), shipped));
  EXPECT_EQ(same.Outcome, TInstallOutcome::Present);
  EXPECT_EQ(same.FileName, FFolders.Program + QStringLiteral("shapes.crd"));
  EXPECT_FALSE(QFileInfo::exists(FFolders.User)) << "nothing made for a set already there";

  const TInstalledSet other =
      Install(Download(QStringLiteral("shapes.crd"), MakeCardSet("My shapes", 0, 8)), true);
  EXPECT_EQ(other.Outcome, TInstallOutcome::Added);
  EXPECT_EQ(other.FileName, FFolders.User + QStringLiteral("shapes-2.crd"));
  EXPECT_TRUE(Asked.isEmpty());

  const TInstalledSet inPlace = Install(other.FileName);
  EXPECT_EQ(inPlace.Outcome, TInstallOutcome::Present);
  EXPECT_EQ(inPlace.FileName, other.FileName);
  EXPECT_EQ(UserFolder(), QStringList{QStringLiteral("shapes-2.crd")});
}

TEST_F(CardSetInstall, RefusedSetsSayWhyAndLeaveNothingBehind) {
  fixtures::CardSet damaged = MakeCardSet("Damaged", 2, 8);
  damaged.Faces[6].chop(40);
  fixtures::CardSet brokenFrame = MakeCardSet("Animated", 1, 8);
  brokenFrame.Faces[7] = fixtures::SolidGif(16, 12, qRgb(1, 2, 3)).left(30);
  fixtures::CardSet promise = MakeCardSet("Promise", 0, 8);
  promise.Header.ImageCount = 40;
  const QString foreign = FRoot.filePath(QStringLiteral("downloads/huge.crd"));
  fixtures::WriteFile(foreign, {});
  ASSERT_TRUE(QFile::resize(foreign, MaxCardSetFileBytes));
  const std::pair<QString, std::string> refused[] = {
      {foreign, "\"huge.crd\" cannot be used"}, // a sparse gigabyte: seconds to copy
      {Download(QStringLiteral("few.crd"), MakeCardSet("Few", 0, 7)), NotEnoughImagesText()},
      {Download(QStringLiteral("damaged.crd"), damaged), "\"damaged.crd\" cannot be used"},
      {Download(QStringLiteral("frame.crd"), brokenFrame), "Face image 8"},
      {Download(QStringLiteral("promise.crd"), promise), "face image 9"},
      {FRoot.filePath(QStringLiteral("downloads")), "Cannot open the card set downloads"},
      {FRoot.filePath(QStringLiteral("downloads/missing.crd")), "Cannot open"},
  };
  QElapsedTimer timer;
  timer.start();
  for (const auto& [path, why] : refused) {
    const std::string text = Refusal(path);
    EXPECT_NE(text.find(why), std::string::npos) << text;
    EXPECT_FALSE(QFileInfo::exists(FRoot.filePath(QStringLiteral("data")))) << text;
  }

  EXPECT_LT(timer.elapsed(), 1000);

  // A pipe is refused at once instead of waiting for a writer.
  const QString pipe = FRoot.filePath(QStringLiteral("downloads/pipe.crd"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  EXPECT_NE(Refusal(pipe).find("Cannot open"), std::string::npos);

  // Checking stops at its deadline.
  const QString slow = Download(QStringLiteral("slow.crd"), MakeCardSet("Slow", 0, 8));
  try {
    InstallCardSet(slow, FFolders, nullptr, std::chrono::steady_clock::now());
    ADD_FAILURE() << "installed past its deadline";
  } catch (const ECardSetError& error) {
    EXPECT_NE(std::string(error.what()).find("too long"), std::string::npos);
  }
  EXPECT_FALSE(QFileInfo::exists(FRoot.filePath(QStringLiteral("data"))));

  // A window that goes stops the check, even amid a face that takes seconds to decode.
  fixtures::CardSet slower = MakeCardSet("Slower", 2, 8);
  slower.Faces[3] = fixtures::EncodeSlowJpeg(4096, 1000);
  const QString slowerPath = Download(QStringLiteral("slower.crd"), slower);
  const auto later = std::chrono::steady_clock::now() + std::chrono::hours(1);
  std::jthread window([&](std::stop_token Stop) {
    EXPECT_THROW(StageCardSet(slowerPath, FFolders, later, Stop), ECardSetError);
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  timer.restart();
  window = std::jthread(); // as the window's end does
  EXPECT_LT(timer.elapsed(), 900);
  EXPECT_FALSE(QFileInfo::exists(FRoot.filePath(QStringLiteral("data"))));
  // A checked copy never placed leaves nothing; what killed copies left goes at the next start,
  // but not a staging a running copy uses.
  TStagedSet unplaced = StageCardSet(slow, FFolders, later);
  for (const QString left : {".incoming-killed/owner.lock", ".incoming-old/part.crd"}) {
    QDir().mkpath(QFileInfo(FFolders.User + left).path());
    fixtures::WriteFile(FFolders.User + left, {});
  }
  const timeval age{::time(nullptr) - 7200, 0}, times[2] = {age, age};
  ::utimes(QFile::encodeName(FFolders.User + ".incoming-old").constData(), times);
  RemoveStaleStagedSets(FFolders.User);
  EXPECT_EQ(UserFolder().size(), 1);
  unplaced = TStagedSet();
  EXPECT_FALSE(QFileInfo::exists(FRoot.filePath(QStringLiteral("data"))));
}

} // namespace
