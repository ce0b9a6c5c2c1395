// The pair table of sets of different cards: written and read back, refused when hostile, found
// only where it belongs in a set's file; and the WAV check of sound clips.
#include "PairTable.h"
#include "CardSetLoader.h"
#include "FaceFixtures.h"
#include "KVRWriter.h"
#include "WaveClip.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QByteArray Le(quint32 Value, int Bytes) {
  QByteArray bytes(4, '\0');
  qToLittleEndian(Value, bytes.data());
  return bytes.left(Bytes);
}

// A PCM WAV file of Frames silent frames.
QByteArray Wave(int Rate, int Channels, int Bits, int Frames, quint16 Format = 1) {
  const int frame = Channels * Bits / 8;
  return "RIFF" + Le(36 + Frames * frame, 4) + "WAVEfmt " + Le(16, 4) + Le(Format, 2) +
         Le(Channels, 2) + Le(Rate, 4) + Le(Rate * frame, 4) + Le(frame, 2) + Le(Bits, 2) + "data" +
         Le(Frames * frame, 4) + QByteArray(Frames * frame, '\0');
}

// Face 0 a picture named in two languages, 1 its word in either, 2 a German word and 3 its
// English sound: the table of a set of four faces, whose clip is entry 8.
TPairTable SampleTable() {
  TPairTable table;
  table.Languages = {QStringLiteral("en"), QStringLiteral("de")};
  table.Faces = {
      {0, TFaceKind::Picture, {}, {{"en", "cat"}, {"de", "Katze"}}, -1, QStringLiteral("cat.jpg")},
      {0, TFaceKind::Word, {}, {{"en", "cat"}, {"de", "Katze"}}, -1, {}},
      {1, TFaceKind::Word, QStringLiteral("de"), {{"de", "Hund"}}, -1, {}},
      {1, TFaceKind::Sound, {}, {{"en", "a bark"}}, 8, QStringLiteral("bark.wav")}};
  return table;
}

QByteArray Table(const char* Json) {
  return QByteArray(PairTableSignature) + Json;
}

} // namespace

TEST(PairTable, ReadsBackWhatItWroteWithItsPairs) {
  TPairTable table = SampleTable();
  const TPairTable read = PairTableFromBytes(PairTableToBytes(table));
  table.Pairs = {{0, 1}, {2, 3}};
  EXPECT_EQ(read, table);
}

TEST(PairTable, FaceTextFollowsThePlayersLanguage) {
  const TPairTable table = SampleTable();
  const struct {
    int Face;
    const char* Language;
    const char* Shown;
  } cases[] = {{0, "de", "Katze"}, {0, "de_AT", "Katze"}, {0, "fr", "cat"},
               {2, "en", "Hund"},  {3, "de", "a bark"},   {9, "en", ""}};
  for (const auto& c : cases)
    EXPECT_EQ(FaceText(table, c.Face, QLatin1String(c.Language)), QString::fromUtf8(c.Shown))
        << c.Face << " " << c.Language;
}

TEST(PairTable, RefusesHostileTables) {
  const QByteArray longText = QByteArray(TPairTable::MaxText + 1, 'a');
  const QByteArray manyLanguages = R"("languages":["aa","ab","ac","ad","ae","af","ag","ah","ai"])";
  const auto faces = [](const QByteArray& First) {
    return Table(R"({"version":1,"languages":["en"],"faces":[)" + First +
                 R"(,{"pair":0,"kind":"picture"}]})");
  };
  const struct {
    QByteArray Bytes;
    const char* Problem;
  } cases[] = {
      {"{\"version\":1}", "does not start as one"},
      {Table("{\"version\":1,"), "is damaged"},
      {Table(R"({"version":2,"languages":[],"faces":[]})"), "version"},
      {Table(R"({"version":1,)" + manyLanguages + R"(,"faces":[]})"), "at most 8 languages"},
      {Table(R"({"version":1,"languages":["EN"],"faces":[]})"), "language code"},
      {Table(R"({"version":1,"languages":[],"faces":[{"pair":0,"kind":"picture"}]})"),
       "even number"},
      {faces(R"({"pair":1,"kind":"picture"})"), "pair out of range"},
      {faces(R"({"pair":0.5,"kind":"picture"})"), "pair out of range"},
      {faces(R"({"pair":0,"kind":"smell"})"), "not a picture, word or sound"},
      {faces(R"({"pair":0,"kind":"word"})"), "word without a text"},
      {faces(R"({"pair":0,"kind":"word","text":{"fr":"chat"}})"), "does not list"},
      {faces(R"({"pair":0,"kind":"word","text":{"en":")" + longText + "\"}}"), "longer than"},
      {faces(R"({"pair":0,"kind":"word","text":{"en":"a\nb"}})"), "control characters"},
      {faces(R"({"pair":0,"kind":"word","language":"en","text":{}})"), "in that language"},
      {faces(R"({"pair":0,"kind":"sound","sound":5})"), "sound entry out of range"},
      {faces(R"({"pair":0,"kind":"picture","sound":6})"), "not one"},
      {Table(R"({"version":1,"languages":[],"faces":[{"pair":0,"kind":"picture"},)"
             R"({"pair":0,"kind":"picture"},{"pair":0,"kind":"picture"},)"
             R"({"pair":1,"kind":"picture"}]})"),
       "more than two faces in pair 1"},
      {Table(QByteArray(TPairTable::MaxBytes, ' ')), "larger than"},
  };
  for (const auto& c : cases) {
    try {
      PairTableFromBytes(c.Bytes);
      ADD_FAILURE() << "accepted: " << c.Bytes.left(200).toStdString();
    } catch (const EPairTableError& error) {
      EXPECT_NE(std::string(error.what()).find(c.Problem), std::string::npos) << error.what();
    }
  }
}

TEST(WaveClip, AcceptsOnlyShortPcmThatIsWhole) {
  const QByteArray good = Wave(8000, 1, 16, 8000);
  EXPECT_EQ(ReadWaveClip(good).DurationMs(), 1000);
  EXPECT_EQ(ReadWaveClip(Wave(48000, 2, 16, 480000)).DurationMs(), 10000);
  const struct {
    QByteArray Bytes;
    const char* Problem;
  } cases[] = {
      {good.left(good.size() - 1), "cut short"},
      {Wave(48000, 2, 16, 480001), "longer than 10 seconds"},
      {Wave(8000, 1, 16, 10, 3), "not uncompressed PCM"},
      {Wave(96000, 1, 16, 10), "8 to 48 kHz"},
      {Wave(8000, 3, 8, 10), "8 to 48 kHz"},
      {Wave(8000, 1, 16, 0), "silent"},
      {good.left(36), "no sound data"},
      {"RIFF" + Le(4, 4) + "AVI ", "not a WAV"},
      {QByteArray(TWaveClip::MaxBytes + 1, 'R'), "larger than 2 MiB"},
  };
  for (const auto& c : cases) {
    try {
      ReadWaveClip(c.Bytes);
      ADD_FAILURE() << c.Problem;
    } catch (const EWaveClipError& error) {
      EXPECT_NE(std::string(error.what()).find(c.Problem), std::string::npos) << error.what();
    }
  }
}

// A set of four faces followed by Extra entries, as the loader reads it.
class PairTableFile : public ::testing::Test {
protected:
  QString Write(const std::vector<QByteArray>& Extra) {
    fixtures::CardSet set = fixtures::MakeCardSet(QStringLiteral("Pairs"), 0, 4);
    TKVResWriter writer;
    writer.AddPlain(set.Header.ToBytes());
    for (const QByteArray& entry : {set.Advert, set.Back})
      writer.AddBitmap(entry);
    for (const QByteArray& entry : set.Faces)
      writer.AddPlain(entry);
    for (const QByteArray& entry : Extra)
      writer.AddCompressed(entry);
    const QString path = FDir.filePath(QStringLiteral("set%1.crd").arg(++FCount));
    writer.SaveToFile(path);
    return path;
  }
  std::string Refusal(const QString& Path) {
    try {
      TCardSetLoader(Path).ReadHeader();
    } catch (const ECardSetError& error) {
      return error.what();
    }
    return "accepted";
  }

private:
  QTemporaryDir FDir;
  int FCount = 0;
};

TEST_F(PairTableFile, IsFoundOnlyRightAfterTheFacesAndChecked) {
  const QByteArray table = PairTableToBytes(SampleTable());
  const QByteArray clip = Wave(8000, 1, 8, 800);
  // An older set's own entries after the faces, the table among them, leave the set plain.
  for (const auto& extra : {std::vector<QByteArray>{}, {"notes", table, clip}}) {
    TCardSetLoader plain(Write(extra));
    plain.ReadHeader();
    EXPECT_FALSE(plain.PairTable().IsMixed());
  }
  const QString mixed = Write({table, clip});
  TCardSetLoader loader(mixed);
  loader.ReadHeader();
  EXPECT_EQ(loader.PairTable().Pairs, (std::vector<std::array<int, 2>>{{0, 1}, {2, 3}}));
  EXPECT_EQ(TCardSetLoader::ReadSoundClip(mixed, loader.PairTable(), 3), clip);
  // A game asks for the clips of the file it was dealt from; another file is silent.
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(mixed).constData(), &info), 0);
  TFileIdentity identity = IdentityOf(info);
  EXPECT_EQ(TCardSetLoader::ReadSoundClip(mixed, loader.PairTable(), 3, &identity), clip);
  ++identity.Inode;
  EXPECT_TRUE(TCardSetLoader::ReadSoundClip(mixed, loader.PairTable(), 3, &identity).isEmpty());
  EXPECT_THROW(TCardSetLoader::ReadSoundClip(mixed, loader.PairTable(), 2), ECardSetError);
  EXPECT_NE(Refusal(Write({table})).find("sound the file does not hold"), std::string::npos);
  EXPECT_NE(Refusal(Write({table.left(40)})).find("damaged"), std::string::npos);
  const QString badClip = Write({table, clip.left(60)});
  TCardSetLoader checked(badClip);
  checked.ReadHeader();
  EXPECT_THROW(checked.CheckFaces(std::chrono::steady_clock::now() + std::chrono::minutes(1)),
               ECardSetError);
}
