// The dkwright program as a user runs it: the built binary, started as a separate process.
#include "DeckTestPictures.h"
#include "TestSupport.h"

#include "CardSetLoader.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <numeric>

using namespace decktest;

namespace {

struct TRun {
  int Status = -1;
  QString Out;
  QString Err;
};

TRun Dkwright(const QStringList& arguments, const QString& locale = QString()) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  if (!locale.isEmpty())
    environment.insert(QStringLiteral("LC_ALL"), locale);
  process.setProcessEnvironment(environment);
  process.start(testsupport::ProgramDir() + QStringLiteral("/dkwright"), arguments);
  TRun run;
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.Status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
  run.Out = QString::fromUtf8(process.readAllStandardOutput());
  run.Err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

class DkwrightTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(FDir.isValid()); }

  QString Path(const QString& name) const { return FDir.filePath(name); }

  // Writes Count faces of one format as face00.ext, face01.ext... into Folder (made if needed).
  QStringList WriteFaces(const QString& folder, const QString& format, int count,
                         QSize size = {120, 90}) {
    QDir().mkpath(Path(folder));
    QStringList paths;
    for (int i = 0; i < count; ++i) {
      const QString path =
          Path(QStringLiteral("%1/face%2.pic").arg(folder).arg(i, 2, 10, QLatin1Char('0')));
      EXPECT_TRUE(WriteFile(path, Picture(format, i, size)));
      paths.push_back(path);
    }
    return paths;
  }

  QStringList BuildArguments(const QString& out) const {
    return {QStringLiteral("build"), QStringLiteral("-o"), out, QStringLiteral("--title"),
            QStringLiteral("Holiday")};
  }

  // The faces of a set as the game loads them.
  std::vector<QImage> LoadFaces(const QString& file) const {
    TCardSetLoader loader(file);
    const CardSetHeaderInfo info = loader.ReadHeader();
    std::vector<int32_t> faces(size_t(info.ImageCount));
    std::iota(faces.begin(), faces.end(), 0);
    loader.LoadFaces(faces);
    return loader.FacePictures();
  }

  // Every refusal: status 1, one line naming the problem, and nothing at the output.
  void ExpectRefusal(const QStringList& arguments, const QString& out, const char* problem) {
    const TRun run = Dkwright(arguments);
    EXPECT_EQ(run.Status, 1) << problem;
    EXPECT_TRUE(run.Err.startsWith(QStringLiteral("dkwright: "))) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains(QLatin1String(problem))) << run.Err.toStdString();
    EXPECT_EQ(run.Err.count(QLatin1Char('\n')), 1) << run.Err.toStdString();
    EXPECT_FALSE(QFile::exists(out)) << problem;
    EXPECT_EQ(QDir(FDir.path()).entryList({QStringLiteral("*.crd*")}, QDir::Files).size(), 0)
        << "no temporary file is left behind";
  }

private:
  QTemporaryDir FDir;
};

} // namespace

TEST_F(DkwrightTest, BuildsAndDescribesASet) {
  const QStringList faces = WriteFaces(QStringLiteral("faces"), QStringLiteral("bmp"), 10);
  const QString out = Path(QStringLiteral("holiday.crd"));
  QStringList arguments = BuildArguments(out);
  arguments << QStringLiteral("--link") << QStringLiteral("https://holiday.kovalent.example/")
            << QStringLiteral("--size") << QStringLiteral("100x80") << QStringLiteral("--compress")
            << faces;
  const TRun build = Dkwright(arguments);
  ASSERT_EQ(build.Status, 0) << build.Err.toStdString();
  EXPECT_EQ(LoadFaces(out).size(), 10u);

  const TRun info = Dkwright({QStringLiteral("info"), out});
  ASSERT_EQ(info.Status, 0) << info.Err.toStdString();
  for (const char* expected :
       {"Title:        Holiday", "https://holiday.kovalent.example/", "Card box:     100 x 80",
        "Faces:        10", "BMP", "Entries:      13", "face 10", "compressed"})
    EXPECT_TRUE(info.Out.contains(QLatin1String(expected))) << expected << "\n"
                                                            << info.Out.toStdString();
}

TEST_F(DkwrightTest, FolderGivesItsPicturesSortedByName) {
  WriteFaces(QStringLiteral("photos"), QStringLiteral("jpeg"), 9);
  ASSERT_TRUE(WriteFile(Path(QStringLiteral("photos/notes.txt")), "not a picture"));
  const QString out = Path(QStringLiteral("photos.crd"));
  const TRun run = Dkwright(BuildArguments(out) << Path(QStringLiteral("photos")));
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  const std::vector<QImage> faces = LoadFaces(out);
  ASSERT_EQ(faces.size(), 9u);
  for (int i = 0; i < 9; ++i)
    EXPECT_NEAR(faces[size_t(i)].pixelColor(60, 45).hue(), ColourOf(i).hue(), 6) << i;
}

TEST_F(DkwrightTest, LargePhotosAreScaledDownUnlessKept) {
  WriteFaces(QStringLiteral("camera"), QStringLiteral("jpeg"), 8, {2000, 1500});
  const QString small = Path(QStringLiteral("small.crd"));
  ASSERT_EQ(Dkwright(BuildArguments(small) << Path(QStringLiteral("camera"))).Status, 0);
  EXPECT_EQ(LoadFaces(small).front().size(), QSize(240, 180));

  const QString kept = Path(QStringLiteral("kept.crd"));
  ASSERT_EQ(Dkwright(BuildArguments(kept)
                     << QStringLiteral("--keep-size") << Path(QStringLiteral("camera")))
                .Status,
            0);
  EXPECT_EQ(LoadFaces(kept).front().size(), QSize(2000, 1500));
}

TEST_F(DkwrightTest, RefusesBadInputLeavingNothingAtTheOutput) {
  const QString out = Path(QStringLiteral("refused.crd"));
  const QStringList jpegs = WriteFaces(QStringLiteral("jpegs"), QStringLiteral("jpeg"), 8);

  ExpectRefusal(BuildArguments(out) << jpegs.mid(0, 7), out, "at least 8 faces");

  QStringList mixed = jpegs;
  mixed[4] = WriteFaces(QStringLiteral("bmps"), QStringLiteral("bmp"), 1).front();
  ExpectRefusal(BuildArguments(out) << mixed, out, "a BMP picture among JPEG faces");

  const QString broken = Path(QStringLiteral("broken.jpg"));
  QByteArray half = Picture(QStringLiteral("jpeg"), 1);
  half.truncate(half.size() / 2);
  ASSERT_TRUE(WriteFile(broken, half));
  ExpectRefusal(BuildArguments(out) << jpegs.mid(1) << broken, out, "broken.jpg");

  const QString words = Path(QStringLiteral("words.jpg"));
  ASSERT_TRUE(WriteFile(words, "hello"));
  ExpectRefusal(BuildArguments(out) << jpegs.mid(1) << words, out, "not a GIF, JPEG or BMP");

  ExpectRefusal(BuildArguments(out) << jpegs << Path(QStringLiteral("missing.jpg")), out,
                "no such file or folder");

  QStringList longTitle = {QStringLiteral("build"), QStringLiteral("-o"), out,
                           QStringLiteral("--title"), QString(256, QLatin1Char('T'))};
  ExpectRefusal(longTitle << jpegs, out, "title is longer than 255");

  ExpectRefusal(BuildArguments(out)
                    << QStringLiteral("--link")
                    << QStringLiteral("https://a.example/") + QString(250, QLatin1Char('x'))
                    << jpegs,
                out, "link is longer than 255");

  ExpectRefusal(BuildArguments(out) << QStringLiteral("--size") << QStringLiteral("big") << jpegs,
                out, "not WIDTHxHEIGHT");
  ExpectRefusal({QStringLiteral("info"), Path(QStringLiteral("jpegs/face00.pic"))},
                Path(QStringLiteral("none")), "not a card set");
}

TEST_F(DkwrightTest, AFailedBuildKeepsTheOldSet) {
  const QStringList gifs = WriteFaces(QStringLiteral("gifs"), QStringLiteral("gif"), 8);
  const QString out = Path(QStringLiteral("keep.crd"));
  ASSERT_EQ(Dkwright(BuildArguments(out) << gifs).Status, 0);
  const QByteArray before = testsupport::ReadFileBytes(out);
  EXPECT_EQ(Dkwright(BuildArguments(out) << gifs.mid(1)).Status, 1);
  EXPECT_EQ(testsupport::ReadFileBytes(out), before);
}

TEST_F(DkwrightTest, HelpExplainsTheDefaultBox) {
  const TRun help = Dkwright({QStringLiteral("help")});
  EXPECT_EQ(help.Status, 0);
  EXPECT_TRUE(help.Out.contains(QLatin1String("--size WxH")));
  EXPECT_TRUE(help.Out.contains(QLatin1String("120x90")));
  EXPECT_EQ(Dkwright({QStringLiteral("bake")}).Status, 1);
}

// The refusals of a table of pairs and of a set's pair table reach the translators too.
TEST_F(DkwrightTest, PairRefusalsSpeakTheDesktopsLanguage) {
  const QString table = Path(QStringLiteral("pairs.tsv"));
  const QString out = Path(QStringLiteral("words.crd"));
  ASSERT_TRUE(WriteFile(table, QByteArray("text:a\ttext:b\n").repeated(8)));
  ASSERT_EQ(Dkwright(BuildArguments(out) << QStringLiteral("--pairs") << table).Status, 0);
  QByteArray set = testsupport::ReadFileBytes(out);
  ASSERT_EQ(set.count("\"version\":1"), 1);
  ASSERT_TRUE(WriteFile(out, set.replace("\"version\":1", "\"version\":9")));
  ASSERT_TRUE(WriteFile(table, "text:\ttext:b\n"));
  EXPECT_TRUE(
      Dkwright(BuildArguments(Path(QStringLiteral("x.crd"))) << QStringLiteral("--pairs") << table,
               QStringLiteral("de_DE.UTF-8"))
          .Err.contains(QStringLiteral("Wortkarte ohne Wort")));
  const TRun info = Dkwright({QStringLiteral("info"), out}, QStringLiteral("de_DE.UTF-8"));
  EXPECT_TRUE(
      (info.Out + info.Err).contains(QStringLiteral("Version, die dieses Spiel nicht kennt")))
      << (info.Out + info.Err).toStdString();
}
