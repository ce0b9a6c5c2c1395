// The card sets the game ships with, read through the game's own card-set code.
#include "TestSupport.h"

#include "CardSetLoader.h"
#include "CardSets.h"
#include "GifImage.h"
#include "KVRStream.h"
#include "PairTable.h"

#include <QBuffer>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <map>
#include <numeric>
#include <set>

namespace {

QString CardsDir() {
  return testsupport::ProgramDir() + QStringLiteral("/cards/");
}

using enum TFaceKind;

// A set of different cards: its pairs, what each pair's cards are, and how many distinct texts
// a pair has in one language.
struct TPairsExpected {
  int Count = 0;
  std::array<TFaceKind, 2> Kinds = {};
  int NamesPerPair = 0;
};

struct TExpected {
  QString Title;
  int Faces;
  int Kind;
  TPairsExpected Pairs = {};
};

const std::map<QString, TExpected>& Expected() {
  static const std::map<QString, TExpected> sets{
      {QStringLiteral("animations.crd"), {QStringLiteral("Animations"), 12, 1}},
      {QStringLiteral("wallpapers.crd"), {QStringLiteral("Wallpapers"), 12, 2}},
      {QStringLiteral("shapes.crd"), {QStringLiteral("Shapes and Colours"), 64, 0}},
      // Each picture is named as its word; each sound has a caption of its own.
      {QStringLiteral("learn-shapes.crd"),
       {QStringLiteral("Learn shapes and colours"), 48, 0, {24, {Picture, Word}, 1}}},
      {QStringLiteral("hear-words.crd"),
       {QStringLiteral("Animal words to hear"), 24, 1, {12, {Sound, Sound}, 2}}},
  };
  return sets;
}

std::vector<qint32> Kinds(const QString& file) {
  TKVResFileReader reader(file);
  std::vector<qint32> kinds;
  for (const TResEntry& entry : reader.Entries)
    kinds.push_back(entry.Kind);
  return kinds;
}

} // namespace

TEST(DefaultSets, TheCatalogueListsAllFive) {
  TCardSetCatalogue catalogue;
  ScanCardSets(CardsDir(), QStringLiteral("shapes.crd"), catalogue);
  ASSERT_EQ(catalogue.CardSets.size(), 5u);
  for (const auto& item : catalogue.CardSets) {
    const QString name = QFileInfo(item->FileName).fileName();
    ASSERT_TRUE(Expected().count(name)) << name.toStdString();
    EXPECT_EQ(item->Title, Expected().at(name).Title);
    EXPECT_EQ(item->ImageCount, Expected().at(name).Faces);
    // The options offer no more pairs than a game can deal.
    const TPairsExpected& pairs = Expected().at(name).Pairs;
    EXPECT_EQ(item->PlayablePairs(), pairs.Count > 0 ? pairs.Count : Expected().at(name).Faces);
    EXPECT_EQ(QSize(item->CardWidth, item->CardHeight), QSize(120, 90));
  }
  EXPECT_EQ(catalogue.SelectedFileName(), QStringLiteral("shapes.crd"));
}

TEST(DefaultSets, EveryPictureLoadsAndDecodes) {
  for (const auto& [name, expected] : Expected()) {
    SCOPED_TRACE(name.toStdString());
    TCardSetLoader loader(CardsDir() + name);
    const CardSetHeaderInfo info = loader.ReadHeader();
    EXPECT_EQ(info.ImageKind, expected.Kind);
    EXPECT_EQ(loader.Advert().size(), QSize(178, 170));
    EXPECT_EQ(loader.CardBack().size(), QSize(120, 90));
    const QUrl link(loader.AdLink());
    EXPECT_EQ(link.scheme(), QStringLiteral("https"));
    EXPECT_TRUE(link.host().endsWith(QLatin1String(".example"))) << link.host().toStdString();
    std::vector<int32_t> faces(size_t(info.ImageCount));
    std::iota(faces.begin(), faces.end(), 0);
    loader.LoadFaces(faces);
    for (const QByteArray& stream : loader.FaceStreams()) {
      if (expected.Pairs.Count > 0)
        break; // drawn word and sound faces are stills
      const TGifAnimation animation = DecodeGif(stream);
      EXPECT_EQ(animation.ScreenSize, QSize(120, 90));
      EXPECT_GE(animation.Frames.size(), 8u);
      EXPECT_EQ(animation.PlayCount, 0) << "loops for ever";
      EXPECT_LE(stream.size(), 48 * 1024);
    }
    // The game draws word and sound faces itself: only pictures are read.
    const std::vector<QImage>& pictures = loader.FacePictures();
    for (size_t k = 0; k < pictures.size(); ++k) {
      const bool drawn = k < loader.PairTable().Faces.size() &&
                         loader.PairTable().Faces[k].Kind != TFaceKind::Picture;
      EXPECT_EQ(pictures[k].isNull(), drawn) << k;
    }
  }
}

TEST(DefaultSets, FacesOfASetAreAllDifferent) {
  for (const auto& [name, expected] : Expected()) {
    TKVResFileReader reader(CardsDir() + name);
    std::set<QByteArray> faces;
    for (int i = 3; i < 3 + expected.Faces; ++i) {
      QBuffer buffer;
      buffer.open(QIODevice::ReadWrite);
      reader.ReadToStream(i, buffer);
      faces.insert(buffer.data());
    }
    EXPECT_EQ(int(faces.size()), expected.Faces) << name.toStdString();
  }
}

TEST(DefaultSets, PairSetsPairEveryFaceNameThemApartAndReadEveryClip) {
  for (const auto& [name, expected] : Expected()) {
    if (expected.Pairs.Count == 0)
      continue;
    SCOPED_TRACE(name.toStdString());
    TCardSetLoader loader(CardsDir() + name);
    loader.ReadHeader();
    loader.CheckFaces(std::chrono::steady_clock::now() + std::chrono::minutes(1));
    const TPairTable& table = loader.PairTable();
    ASSERT_EQ(table.Pairs.size(), size_t(expected.Pairs.Count));
    for (const auto& [left, right] : table.Pairs)
      EXPECT_EQ((std::array{table.Faces[size_t(left)].Kind, table.Faces[size_t(right)].Kind}),
                expected.Pairs.Kinds);
    EXPECT_EQ(table.Languages, QStringList({"en", "de", "fr", "es"}));
    // CheckFaces above has read and checked every clip.
    for (int face = 0; face < int(table.Faces.size()); ++face)
      EXPECT_EQ(table.Faces[size_t(face)].Texts.size(), table.Languages.size()) << face;
    for (const QString& language : table.Languages) {
      std::map<QString, int> pairOf; // no text may name two pairs
      for (int face = 0; face < int(table.Faces.size()); ++face) {
        const QString text = FaceText(table, face, language);
        const int pair = table.Faces[size_t(face)].Pair;
        EXPECT_EQ(pairOf.emplace(text, pair).first->second, pair) << text.toStdString();
      }
      EXPECT_EQ(pairOf.size(), size_t(expected.Pairs.Count * expected.Pairs.NamesPerPair))
          << language.toStdString();
    }
  }
}

TEST(DefaultSets, StoredPlainBitmapAndCompressed) {
  const auto animations = Kinds(CardsDir() + QStringLiteral("animations.crd"));
  const auto wallpapers = Kinds(CardsDir() + QStringLiteral("wallpapers.crd"));
  const auto shapes = Kinds(CardsDir() + QStringLiteral("shapes.crd"));
  EXPECT_EQ(animations[3], 0) << "GIF faces gain nothing from compression";
  EXPECT_LT(animations[1], 0);
  EXPECT_EQ(wallpapers[1], 1);
  EXPECT_EQ(wallpapers[2], 1);
  EXPECT_EQ(wallpapers[3], 0);
  EXPECT_LT(shapes[3], 0);
  for (const auto* kinds : {&animations, &wallpapers, &shapes})
    EXPECT_EQ(kinds->front(), 0) << "headers stay plain";
}

TEST(DefaultSets, GeneratingAgainGivesTheSameBytes) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QProcess maker;
  maker.start(QStringLiteral(TESSELO_CARDSETMAKER), {dir.path()});
  ASSERT_TRUE(maker.waitForFinished(120000));
  ASSERT_EQ(maker.exitCode(), 0) << maker.readAllStandardError().toStdString();
  for (const auto& [name, expected] : Expected()) {
    const QByteArray again = testsupport::ReadFileBytes(dir.filePath(name));
    EXPECT_FALSE(again.isEmpty());
    EXPECT_TRUE(again == testsupport::ReadFileBytes(CardsDir() + name)) << name.toStdString();
  }
}
