// The parts of the builder's window that are not widgets: pair counts, file names, the save
// folder, the checks beside each field and the build thread.
#include "DeckTestPictures.h"

#include "CardFolders.h"
#include "DeckBuildJob.h"
#include "DraftChecks.h"
#include "PairChoices.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace decktest;

TEST(PairChoicesTest, CountsTheOfferedPairCountsAFaceCountFills) {
  EXPECT_EQ(PlayablePairChoices(0), 0);
  EXPECT_EQ(MostPlayablePairs(7), 0);
  EXPECT_EQ(PlayablePairChoices(8), 1);
  EXPECT_EQ(MostPlayablePairs(8), 8);
  EXPECT_EQ(MostPlayablePairs(13), 12);
  EXPECT_EQ(PlayablePairChoices(13), 3);
  EXPECT_EQ(MostPlayablePairs(21), 21); // the odd counts of the list count too
  EXPECT_EQ(PlayablePairChoices(21), 8);
  EXPECT_EQ(MostPlayablePairs(59), 56);
  EXPECT_EQ(PlayablePairChoices(60), 28);
  EXPECT_EQ(PlayablePairChoices(500), OfferedPairChoices());
}

TEST(CardSetFileNameTest, KeepsOnlySafeCharactersAndEndsInCrd) {
  EXPECT_EQ(CardSetFileName(QStringLiteral("Holiday 2024!")), QStringLiteral("Holiday_2024.crd"));
  EXPECT_EQ(CardSetFileName(QStringLiteral("../../etc/passwd")), QStringLiteral("etc_passwd.crd"));
  EXPECT_EQ(CardSetFileName(QStringLiteral(".hidden")), QStringLiteral("hidden.crd"));
  EXPECT_EQ(CardSetFileName(QStringLiteral("Été à Paris")), QStringLiteral("Été_à_Paris.crd"));
  EXPECT_EQ(CardSetFileName(QString()), QStringLiteral("cards.crd"));
  EXPECT_EQ(CardSetFileName(QStringLiteral(" *** ")), QStringLiteral("cards.crd"));
  EXPECT_EQ(CardSetFileName(QString(300, QLatin1Char('a'))).size(), 64);
  EXPECT_FALSE(CardSetFileName(QStringLiteral("a/b\\c:d")).contains(QLatin1Char('/')));
}

class CardFoldersTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(FDir.isValid());
    FOldDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", FDir.filePath(QStringLiteral("data")).toLocal8Bit());
  }
  void TearDown() override {
    if (FOldDataHome.isNull())
      qunsetenv("XDG_DATA_HOME");
    else
      qputenv("XDG_DATA_HOME", FOldDataHome);
  }
  QTemporaryDir FDir;
  QByteArray FOldDataHome;
};

TEST_F(CardFoldersTest, TheGamesFolderFirstTheUsersWhenThatCannotBeWritten) {
  const TCardFolders folders = TCardFolders::Beside(FDir.filePath(QStringLiteral("program")));
  EXPECT_EQ(folders.Program, FDir.filePath(QStringLiteral("program/cards/")));
  EXPECT_EQ(folders.User, FDir.filePath(QStringLiteral("data/Kovalent/Tesselo/cards/")));
  EXPECT_EQ(folders.Writable(), folders.Program);
  EXPECT_TRUE(QDir(folders.Program).isEmpty()) << "the probe file must not stay behind";

  // A program folder under a file can never be made, whoever the user is.
  ASSERT_TRUE(WriteFile(FDir.filePath(QStringLiteral("file")), "x"));
  const TCardFolders blocked = TCardFolders::Beside(FDir.filePath(QStringLiteral("file/prog")));
  EXPECT_EQ(blocked.Writable(), blocked.User);
  const TCardFolders neither{blocked.Program, FDir.filePath(QStringLiteral("file/user/"))};
  EXPECT_TRUE(neither.Writable().isEmpty());
}

TEST(DraftChecksTest, EachFieldGetsItsOwnSentence) {
  QList<TDraftFace> faces(8);
  for (TDraftFace& face : faces)
    face.Format = TFaceFormat::Jpeg;
  EXPECT_TRUE(CheckDraft(QStringLiteral("Fine"), QString(), QString(), faces).Passed());

  const TDraftChecks bad =
      CheckDraft(QString(256, QLatin1Char('t')), QString(256, QLatin1Char('l')),
                 QStringLiteral("0x90"), faces.mid(0, 5));
  EXPECT_TRUE(bad.Title.contains(QLatin1String("256 characters"))) << bad.Title.toStdString();
  EXPECT_TRUE(bad.Link.contains(QLatin1String("at most 255"))) << bad.Link.toStdString();
  EXPECT_FALSE(bad.CardBox.isEmpty());
  EXPECT_TRUE(bad.Faces.contains(QLatin1String("add 3 more"))) << bad.Faces.toStdString();
  EXPECT_FALSE(CheckDraft(QStringLiteral("   "), {}, {}, faces).Title.isEmpty());
  EXPECT_TRUE(
      CheckDraft(QStringLiteral("T"), {}, QStringLiteral("90x90"), faces).CardBox.isEmpty());
}

TEST(DraftChecksTest, AnUnreadableFaceComesBeforeFormatsAndMixedFormatsNameTheOddOne) {
  QList<TDraftFace> faces(9);
  for (TDraftFace& face : faces)
    face.Format = TFaceFormat::Jpeg;
  faces[4].Format = TFaceFormat::Gif;
  faces[4].Source.Path = QStringLiteral("/pictures/odd.gif");
  const QString mixed = CheckDraft(QStringLiteral("T"), {}, {}, faces).Faces;
  EXPECT_TRUE(mixed.startsWith(QLatin1String("odd.gif is a GIF picture among JPEG faces")))
      << mixed.toStdString();

  faces[7].Problem = QStringLiteral("/pictures/broken.jpg: not a GIF, JPEG or BMP picture.");
  faces[7].Format = TFaceFormat::Unknown;
  EXPECT_EQ(CheckDraft(QStringLiteral("T"), {}, {}, faces).Faces, faces[7].Problem);
}

TEST(DraftFaceTest, SurveysPicturesAndNamesWhatCannotBeRead) {
  QTemporaryDir dir;
  const QString good = dir.filePath(QStringLiteral("good.jpg"));
  const QString text = dir.filePath(QStringLiteral("notes.jpg"));
  const QString empty = dir.filePath(QStringLiteral("empty.bmp"));
  ASSERT_TRUE(WriteFile(good, Picture(QStringLiteral("jpeg"), 1, {800, 600})));
  ASSERT_TRUE(WriteFile(text, "just some words, not a picture"));
  ASSERT_TRUE(WriteFile(empty, {}));

  const TDraftFace face = SurveyDraftFace(good, {96, 72});
  EXPECT_TRUE(face.Problem.isEmpty());
  EXPECT_EQ(face.Format, TFaceFormat::Jpeg);
  EXPECT_EQ(face.Size, QSize(800, 600));
  EXPECT_EQ(face.Thumbnail.size(), QSize(96, 72));
  for (const QString& path : {text, empty, dir.filePath(QStringLiteral("missing.gif"))}) {
    const TDraftFace bad = SurveyDraftFace(path, {96, 72});
    EXPECT_TRUE(bad.Problem.startsWith(path)) << bad.Problem.toStdString();
    EXPECT_TRUE(bad.Thumbnail.isNull());
  }
}

TEST(DraftFaceTest, FoldersExpandToTheirPicturesByNameAndEmptyFoldersAreNoted) {
  QTemporaryDir dir;
  QDir(dir.path()).mkpath(QStringLiteral("set"));
  QDir(dir.path()).mkpath(QStringLiteral("bare"));
  ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("set/b.gif")), Picture("gif", 1)));
  ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("set/a.gif")), Picture("gif", 2)));
  ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("set/readme.txt")), "words"));
  QStringList notices;
  const QStringList files = ExpandDraftPaths(
      {dir.filePath(QStringLiteral("set")), dir.filePath(QStringLiteral("bare"))}, notices);
  EXPECT_EQ(files, QStringList({dir.filePath(QStringLiteral("set/a.gif")),
                                dir.filePath(QStringLiteral("set/b.gif"))}));
  ASSERT_EQ(notices.size(), 1);
  EXPECT_TRUE(notices.front().contains(QLatin1String("no GIF, JPEG or BMP")));
}

TEST(DeckBuildJobTest, DeliversOneResultOnTheCallersThread) {
  TDeckRequest request;
  request.Title = QStringLiteral("Job");
  for (const QByteArray& bytes : Pictures(QStringLiteral("bmp"), 8))
    request.Faces.push_back({QStringLiteral("face"), {}, bytes});

  TDeckBuildJob job;
  QSignalSpy built(&job, &TDeckBuildJob::Built);
  QSignalSpy progressed(&job, &TDeckBuildJob::Progressed);
  job.Start(request, QStringLiteral("Job.crd"));
  EXPECT_TRUE(job.Running());
  ASSERT_TRUE(built.wait(30000));
  EXPECT_FALSE(job.Running());
  EXPECT_FALSE(built.front().front().toByteArray().isEmpty());
  EXPECT_EQ(progressed.back().at(0).toInt(), progressed.back().at(1).toInt());

  QSignalSpy failed(&job, &TDeckBuildJob::Failed);
  request.Faces.resize(3);
  job.Start(request, QStringLiteral("Job.crd"));
  ASSERT_TRUE(failed.wait(30000));
  EXPECT_TRUE(failed.front().front().toString().contains(QLatin1String("at least 8")));

  QSignalSpy cancelled(&job, &TDeckBuildJob::Cancelled);
  request.Faces = {};
  for (const QByteArray& bytes : Pictures(QStringLiteral("jpeg"), 8, {2400, 1800}))
    request.Faces.push_back({QStringLiteral("photo"), {}, bytes});
  job.Start(request, QStringLiteral("Job.crd"));
  job.Cancel();
  ASSERT_TRUE(cancelled.wait(30000));
  EXPECT_EQ(built.size(), 1);
}
