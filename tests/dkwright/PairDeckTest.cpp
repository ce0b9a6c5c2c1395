// Sets of pairs of different cards: the table and clips the builder writes, read back through
// the game's loader, and plain sets left exactly as they were.
#include "DeckTestPictures.h"

#include "DeckBuilder.h"
#include "DeckwrightCommand.h"

#include "CardSetLoader.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <numeric>

#include <sys/stat.h>

using namespace decktest;

namespace {

TDeckRequest PlainRequest() {
  TDeckRequest request;
  request.Title = QStringLiteral("Plain");
  request.Advert = {QStringLiteral("advert"), {}, Picture(QStringLiteral("bmp"), 20)};
  request.Back = {QStringLiteral("back"), {}, Picture(QStringLiteral("bmp"), 21)};
  const QList<QByteArray> faces = Pictures(QStringLiteral("jpeg"), 8);
  for (qsizetype i = 0; i < faces.size(); ++i)
    request.Faces.push_back({QStringLiteral("face%1").arg(i), {}, faces[i]});
  return request;
}

class PairSheetRun : public ::testing::Test {
protected:
  void SetUp() override {
    QDir().mkpath(Path(QStringLiteral("pics")));
    for (int i = 0; i < 3; ++i)
      WriteFile(Path(QStringLiteral("pics/p%1.jpg").arg(i)), Picture(QStringLiteral("jpeg"), i));
    WriteFile(Path(QStringLiteral("bark.wav")), Wave(4000));
  }
  QString Path(const QString& Name) const { return FDir.filePath(Name); }
  // Runs dkwright build on a table of Lines, then seven pairs of words; its error, or "".
  QString Build(const QByteArray& Lines) {
    QByteArray table = Lines;
    for (int i = 0; i < 7; ++i)
      table += QStringLiteral("\ntext.en:%1\ttext.de:%1").arg(i).toUtf8();
    WriteFile(Path(QStringLiteral("pairs.tsv")), table);
    return Run({QStringLiteral("build"), QStringLiteral("-o"), Path(QStringLiteral("set.crd")),
                QStringLiteral("--title"), QStringLiteral("Pairs"), QStringLiteral("--pairs"),
                Path(QStringLiteral("pairs.tsv"))});
  }
  QString Run(const QStringList& Arguments) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    RunDeckwright(Arguments, outStream, errStream);
    FOut = out;
    return err;
  }
  QString FOut;

private:
  QTemporaryDir FDir;
};

} // namespace

TEST_F(PairSheetRun, BuildsPairsTheGameReads) {
  ASSERT_EQ(Build("left:en\tright:en\tleft:de\tright:de\npics/p0.jpg\ttext:cat\tKatze\tKatze\n"
                  "bark.wav\tpics/p1.jpg\t\tHund")
                .toStdString(),
            "");
  const QString set = Path(QStringLiteral("set.crd"));
  TCardSetLoader loader(set);
  const CardSetHeaderInfo info = loader.ReadHeader();
  const TPairTable& table = loader.PairTable();
  ASSERT_EQ(info.ImageCount, 18);
  EXPECT_EQ(table.Pairs.size(), 9u);
  EXPECT_EQ(table.Languages, QStringList({"en", "de"}));
  EXPECT_EQ(FaceText(table, 1, QStringLiteral("de")), "Katze");
  EXPECT_EQ(FaceText(table, 3, QStringLiteral("en")), "Hund");
  EXPECT_EQ(TCardSetLoader::ReadSoundClip(set, table, 2), Wave(4000));
  std::vector<int32_t> faces(18);
  std::iota(faces.begin(), faces.end(), 0);
  loader.LoadFaces(faces);
  EXPECT_EQ(loader.FacePictures().size(), 18u) << "words and sounds have faces too";
  EXPECT_EQ(Run({QStringLiteral("info"), set}).toStdString(), "");
  EXPECT_TRUE(
      FOut.contains(QStringLiteral("1: picture p0.jpg (Katze) <-> word \"cat\" / \"Katze\"")))
      << FOut.toStdString();
}

TEST_F(PairSheetRun, RefusesHostileTables) {
  ASSERT_EQ(::mkfifo(Path(QStringLiteral("pipe.jpg")).toLocal8Bit().constData(), 0600), 0);
  WriteFile(Path(QStringLiteral("long.wav")), Wave(80001));
  ASSERT_TRUE(QFile::link(QStringLiteral("/etc/passwd"), Path(QStringLiteral("link.jpg"))));
  const struct {
    QByteArray Lines;
    const char* Problem;
  } cases[] = {
      {"../outside.jpg\ttext:x", "not a file inside the table's folder"},
      {"/etc/passwd\ttext:x", "not a file inside the table's folder"},
      {"link.jpg\ttext:x", "not a file inside the table's folder"},
      {"pipe.jpg\ttext:x", "not a regular file"},
      {"long.wav\ttext:x", "longer than 10 seconds"},
      {"pics/p0.jpg\ttext:x\textra", "3 columns"},
      {"left\tright\tmiddle:de", "column 3"},
      {"text.en:x\ttext:y\nleft\tright", "\"left\": no such file"},
      {"left\tright\tleft:aa\tleft:ab\tleft:ac\tleft:ad\tleft:ae\tleft:af\tleft:ag\tleft:ah",
       "at most 8 languages"},
      {"text:" + QByteArray(201, 'a') + "\ttext:x", "longer than 200"},
      {"text:\ttext:x", "without a word"},
      {"text:\xff\ttext:x", "not UTF-8"},
      {"# seven pairs are too few", "at least 8 pairs"},
  };
  for (const auto& c : cases) {
    const QString error = Build(c.Lines);
    EXPECT_TRUE(error.contains(QLatin1String(c.Problem)))
        << c.Problem << ": " << error.toStdString();
  }
}

// The digest of this set as built before sets of different cards existed.
TEST(PairDeck, PlainSetIsByteForByteAsBefore) {
  const QByteArray bytes = BuildDeck(PlainRequest());
  EXPECT_EQ(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString(),
            "10b7c7971dda8767e95209ee6cd73e7517cb51cce03630510721b632f125591b");
}
