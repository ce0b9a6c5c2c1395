// The card-set builder's library: sizing rules, format checks, and sets read back through the
// game's own loader.
#include "DeckTestPictures.h"

#include "CardBox.h"
#include "DeckBuilder.h"
#include "DeckError.h"
#include "DefaultArt.h"
#include "FaceFormat.h"

#include "CardSetLoader.h"
#include "GifImage.h"
#include "JpegImage.h"
#include "KVRStream.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <numeric>

using namespace decktest;

namespace {

TDeckRequest RequestOf(const QList<QByteArray>& faces) {
  TDeckRequest request;
  request.Title = QStringLiteral("Test faces");
  request.Link = QStringLiteral("https://test.kovalent.example/");
  for (qsizetype i = 0; i < faces.size(); ++i)
    request.Faces.push_back({QStringLiteral("face%1").arg(i), {}, faces[i]});
  return request;
}

// A built set, saved and opened with the game's loader with every face read.
class TLoadedSet {
public:
  explicit TLoadedSet(const QByteArray& bytes) {
    FPath = FDir.filePath(QStringLiteral("set.crd"));
    SaveDeck(bytes, FPath);
    FLoader = std::make_unique<TCardSetLoader>(FPath);
    Info = FLoader->ReadHeader();
    std::vector<int32_t> faces(size_t(Info.ImageCount));
    std::iota(faces.begin(), faces.end(), 0);
    FLoader->LoadFaces(faces);
  }
  const TCardSetLoader& Loader() const { return *FLoader; }
  std::vector<qint32> Kinds() const {
    TKVResFileReader reader(FPath);
    std::vector<qint32> kinds;
    for (const TResEntry& entry : reader.Entries)
      kinds.push_back(entry.Kind);
    return kinds;
  }
  CardSetHeaderInfo Info;

private:
  QTemporaryDir FDir;
  QString FPath;
  std::unique_ptr<TCardSetLoader> FLoader;
};

std::string ErrorOf(const TDeckRequest& request) {
  try {
    BuildDeck(request);
  } catch (const EDeckError& error) {
    return error.what();
  }
  return "no error";
}

} // namespace

TEST(CardBox, DefaultBoxKeepsTheFacesProportionsWithin120By90) {
  EXPECT_EQ(DefaultCardBox({4000, 3000}), QSize(120, 90));
  EXPECT_EQ(DefaultCardBox({40, 30}), QSize(120, 90)) << "small faces are enlarged";
  EXPECT_EQ(DefaultCardBox({500, 500}), QSize(90, 90));
  EXPECT_EQ(DefaultCardBox({300, 400}), QSize(68, 90));
  EXPECT_EQ(DefaultCardBox({1600, 400}), QSize(120, 30));
  EXPECT_EQ(DefaultCardBox({}), QSize(120, 90));
  EXPECT_EQ(DefaultCardBox({1, 5000}), QSize(1, 90)) << "never thinner than a pixel";
}

TEST(CardBox, CommonSizeIsTheMostFrequentFirstOnATie) {
  EXPECT_EQ(CommonFaceSize({{10, 10}, {20, 15}, {20, 15}, {10, 10}, {30, 30}}), QSize(10, 10));
  EXPECT_EQ(CommonFaceSize({{10, 10}, {20, 15}, {20, 15}}), QSize(20, 15));
  EXPECT_EQ(CommonFaceSize({}), QSize());
}

TEST(CardBox, FacesShrinkOnlyBeyondTwiceTheBox) {
  EXPECT_EQ(StoredFaceSize({240, 180}, {120, 90}), QSize(240, 180));
  EXPECT_EQ(StoredFaceSize({4000, 3000}, {120, 90}), QSize(240, 180));
  EXPECT_EQ(StoredFaceSize({3000, 4000}, {120, 90}), QSize(135, 180));
  EXPECT_EQ(StoredFaceSize({241, 10}, {120, 90}), QSize(240, 10));
}

TEST(CardBox, ParsesOnlyWellFormedSizes) {
  EXPECT_EQ(ParseCardBox(QStringLiteral("120x90")), QSize(120, 90));
  EXPECT_EQ(ParseCardBox(QStringLiteral("64X64")), QSize(64, 64));
  for (const char* bad : {"", "120", "0x90", "120x", "x90", "120*90", "3000x90", "-1x5", "1x2x3"})
    EXPECT_TRUE(ParseCardBox(QString::fromLatin1(bad)).isEmpty()) << bad;
}

TEST(FaceFormat, IsReadFromTheContent) {
  EXPECT_EQ(SniffFaceFormat(Picture(QStringLiteral("gif"), 0)), TFaceFormat::Gif);
  EXPECT_EQ(SniffFaceFormat(Picture(QStringLiteral("jpeg"), 0)), TFaceFormat::Jpeg);
  EXPECT_EQ(SniffFaceFormat(Picture(QStringLiteral("bmp"), 0)), TFaceFormat::Bmp);
  EXPECT_EQ(SniffFaceFormat("BM"), TFaceFormat::Unknown) << "too short for a bitmap";
  EXPECT_EQ(SniffFaceFormat("GIF90a........"), TFaceFormat::Unknown);
  EXPECT_EQ(SniffFaceFormat(QByteArray()), TFaceFormat::Unknown);
  EXPECT_EQ(FormatOfImageKind(ImageKindOf(TFaceFormat::Bmp)), TFaceFormat::Bmp);
  EXPECT_EQ(FormatOfImageKind(7), TFaceFormat::Bmp);
}

TEST(BuildDeck, JpegSetLoadsThroughTheGame) {
  TDeckRequest request = RequestOf(Pictures(QStringLiteral("jpeg"), 9, {160, 120}));
  const TLoadedSet set(BuildDeck(request));
  EXPECT_EQ(set.Info.ImageCount, 9);
  EXPECT_EQ(set.Info.ImageKind, 2);
  EXPECT_EQ(set.Info.CardWidth, 120);
  EXPECT_EQ(set.Info.CardHeight, 90);
  EXPECT_EQ(set.Loader().Header().Title, request.Title);
  EXPECT_EQ(set.Loader().AdLink(), request.Link);
  EXPECT_EQ(set.Loader().Advert().size(), AdvertBox);
  EXPECT_EQ(set.Loader().CardBack().size(), QSize(120, 90));
  ASSERT_EQ(set.Loader().FacePictures().size(), 9u);
  for (int i = 0; i < 9; ++i) {
    const QColor centre = set.Loader().FacePictures()[size_t(i)].pixelColor(80, 60);
    EXPECT_NEAR(centre.hue(), ColourOf(i).hue(), 6) << "faces keep their order, face " << i;
  }
  EXPECT_EQ(set.Kinds(), (std::vector<qint32>{0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(BuildDeck, CompressedBmpSetWithGivenBoxAndPictures) {
  TDeckRequest request = RequestOf(Pictures(QStringLiteral("bmp"), 8, {64, 64}));
  request.CardBox = {80, 70};
  request.FaceStorage = TEntryStorage::Compressed;
  request.PictureStorage = TEntryStorage::Compressed;
  request.Advert = {QStringLiteral("advert"), {}, Picture(QStringLiteral("jpeg"), 3, {300, 200})};
  request.Back = {QStringLiteral("back"), {}, Picture(QStringLiteral("gif"), 4, {50, 40}, 3)};
  const TLoadedSet set(BuildDeck(request));
  EXPECT_EQ(set.Info.ImageKind, 0);
  EXPECT_EQ(QSize(set.Info.CardWidth, set.Info.CardHeight), QSize(80, 70));
  EXPECT_EQ(set.Loader().Advert().size(), QSize(300, 200)) << "within twice the advert box";
  EXPECT_EQ(set.Loader().CardBack().size(), QSize(50, 40));
  EXPECT_EQ(set.Loader().FacePictures()[5].size(), QSize(64, 64));
  const std::vector<qint32> kinds = set.Kinds();
  EXPECT_EQ(kinds.front(), 0) << "the header stays plain, for the catalogue scan";
  for (size_t i = 1; i < kinds.size(); ++i)
    EXPECT_LT(kinds[i], 0) << "entry " << i;
}

TEST(BuildDeck, LargePhotosShrinkUnlessTheirSizeIsKept) {
  QList<QByteArray> photos = Pictures(QStringLiteral("jpeg"), 8, {1600, 1200});
  const TLoadedSet shrunk(BuildDeck(RequestOf(photos)));
  EXPECT_EQ(shrunk.Loader().FacePictures()[0].size(), QSize(240, 180));
  EXPECT_NEAR(shrunk.Loader().FacePictures()[7].pixelColor(200, 150).hue(), ColourOf(7).hue(), 6);

  TDeckRequest keep = RequestOf(photos);
  keep.KeepSize = true;
  const TLoadedSet kept(BuildDeck(keep));
  EXPECT_EQ(kept.Loader().FacePictures()[0].size(), QSize(1600, 1200));
}

TEST(BuildDeck, LargeAnimationsShrinkFrameByFrameKeepingDelays) {
  QList<QByteArray> faces;
  for (int i = 0; i < 8; ++i)
    faces.push_back(Picture(QStringLiteral("gif"), i, {400, 300}, 3));
  const TLoadedSet set(BuildDeck(RequestOf(faces)));
  EXPECT_EQ(set.Info.ImageKind, 1);
  const TGifAnimation animation = DecodeGif(set.Loader().FaceStreams()[2]);
  EXPECT_EQ(animation.ScreenSize, QSize(240, 180));
  ASSERT_EQ(animation.Frames.size(), 3u);
  EXPECT_EQ(animation.Frames[0].DelayMs, 70);
  EXPECT_EQ(animation.Frames[2].DelayMs, 210);
  EXPECT_EQ(animation.PlayCount, 0);
}

TEST(BuildDeck, RefusesWhatTheGameCouldNotUse) {
  const QList<QByteArray> jpegs = Pictures(QStringLiteral("jpeg"), 8);
  EXPECT_NE(ErrorOf(RequestOf(jpegs.mid(0, 7))).find("at least 8 faces"), std::string::npos);

  QList<QByteArray> mixed = jpegs;
  mixed[5] = Picture(QStringLiteral("bmp"), 5);
  EXPECT_NE(ErrorOf(RequestOf(mixed)).find("face5: a BMP picture among JPEG faces"),
            std::string::npos);

  QList<QByteArray> damaged = jpegs;
  damaged[3].truncate(damaged[3].size() / 2);
  EXPECT_NE(ErrorOf(RequestOf(damaged)).find("face3"), std::string::npos);

  QList<QByteArray> text = jpegs;
  text[6] = "just some words, no picture";
  EXPECT_NE(ErrorOf(RequestOf(text)).find("face6: not a GIF, JPEG or BMP"), std::string::npos);

  TDeckRequest longTitle = RequestOf(jpegs);
  longTitle.Title = QString(256, QLatin1Char('t'));
  EXPECT_NE(ErrorOf(longTitle).find("title"), std::string::npos);
  longTitle.Title = QString(255, QLatin1Char('t'));
  EXPECT_EQ(ErrorOf(longTitle), "no error");

  TDeckRequest longLink = RequestOf(jpegs);
  longLink.Link = QStringLiteral("https://x.example/") + QString(240, QLatin1Char('a'));
  EXPECT_NE(ErrorOf(longLink).find("link"), std::string::npos);
}

TEST(BuildDeck, ReportsProgressAndStopsWhenAsked) {
  const TDeckRequest request = RequestOf(Pictures(QStringLiteral("bmp"), 8));
  QList<int> done;
  BuildDeck(request, [&](int Done, int Total, const QString&) {
    EXPECT_EQ(Total, 19);
    done.push_back(Done);
    return true;
  });
  ASSERT_FALSE(done.isEmpty());
  EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));
  EXPECT_EQ(done.back(), 19);

  int calls = 0;
  EXPECT_THROW(BuildDeck(request, [&](int, int, const QString&) { return ++calls < 5; }),
               EDeckCancelled);
  EXPECT_EQ(calls, 5);
}

TEST(BuildDeck, SameRequestSameBytes) {
  const TDeckRequest request = RequestOf(Pictures(QStringLiteral("gif"), 8, {30, 20}));
  EXPECT_EQ(BuildDeck(request), BuildDeck(request));
}

TEST(DefaultArt, BacksAndAdvertsDependOnTheTitle) {
  EXPECT_EQ(DrawDefaultBack({90, 90}, QStringLiteral("A")).size(), QSize(90, 90));
  EXPECT_EQ(DrawDefaultAdvert(QStringLiteral("A"), {}).size(), AdvertBox);
  EXPECT_EQ(DrawDefaultBack({120, 90}, QStringLiteral("Birds")),
            DrawDefaultBack({120, 90}, QStringLiteral("Birds")));
  EXPECT_NE(TitleColour(QStringLiteral("Birds")), TitleColour(QStringLiteral("Boats")));
}
