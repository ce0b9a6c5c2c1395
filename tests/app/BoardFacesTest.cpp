// The pictures a game's cells are painted with: on a screen of device pixel ratio 2 built from
// the face's source straight into device pixels, so detail finer than a logical pixel survives
// instead of a cell-sized copy being enlarged; from faces decoded only as large as their cells
// need, the same cells as from whole faces.
#include "AppFixtures.h"

#include "BoardFaces.h"
#include "CardSetLoader.h"
#include "TestSupport.h"
#include "encoders/JpegEncoder.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>

using namespace apptest;

namespace {

// One-pixel black and white stripes: a picture that loses everything when halved.
QImage Stripes(QSize Size) {
  QImage stripes(Size, QImage::Format_RGB32);
  for (int x = 0; x < Size.width(); ++x)
    for (int y = 0; y < Size.height(); ++y)
      stripes.setPixel(x, y, x % 2 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
  return stripes;
}

class BoardFacesTest : public ::testing::Test {
protected:
  void SetUp() override {
    const QString path = Dir.filePath(QStringLiteral("stripes.crd"));
    // A BMP set (kind 3) whose face is twice the 120 x 90 card box.
    WriteCardSet(path, QStringLiteral("Stripes"), 3, {BmpBytes(Stripes({240, 180}))});
    TCardSetLoader loader(path);
    loader.ReadHeader();
    loader.LoadFaces({0});
    Faces.TakeGame(loader, loader.Header().ImageKind);
  }

  QTemporaryDir Dir;
  TBoardFaces Faces;
};

TEST_F(BoardFacesTest, FaceAtRatioTwoKeepsItsSourceDetail) {
  const QPixmap& face = Faces.Face(1, {120, 90}, 2.0);
  EXPECT_EQ(face.size(), QSize(240, 180));
  EXPECT_EQ(face.devicePixelRatio(), 2.0);
  EXPECT_EQ(face.deviceIndependentSize(), QSizeF(120, 90));
  const QImage pixels = face.toImage();
  EXPECT_LT(qGray(pixels.pixel(100, 50)), 40);
  EXPECT_GT(qGray(pixels.pixel(101, 50)), 215);
}

TEST_F(BoardFacesTest, ChangeOfRatioRebuildsTheCachedPictures) {
  EXPECT_EQ(Faces.Face(1, {120, 90}).size(), QSize(120, 90));
  EXPECT_EQ(Faces.Back({120, 90}).devicePixelRatio(), 1.0);
  // The window moved to a HiDPI screen: same logical size, new pictures.
  EXPECT_EQ(Faces.Face(1, {120, 90}, 2.0).size(), QSize(240, 180));
  EXPECT_EQ(Faces.Back({120, 90}, 2.0).size(), QSize(240, 180));
  EXPECT_EQ(Faces.Back({120, 90}, 1.0).size(), QSize(120, 90));
}

// Faces loaded from Path for cells of Cover device pixels (empty: whole), in a TBoardFaces.
std::unique_ptr<TBoardFaces> LoadFaces(const QString& Path, QSize Cover) {
  TCardSetLoader loader(Path);
  const CardSetHeaderInfo info = loader.ReadHeader();
  std::vector<int32_t> indexes(size_t(std::min(info.ImageCount, 12)));
  std::iota(indexes.begin(), indexes.end(), 0);
  loader.LoadFaces(indexes, Cover);
  auto faces = std::make_unique<TBoardFaces>();
  faces->TakeGame(loader, info.ImageKind);
  return faces;
}

// Largest and mean difference of one colour channel between two pictures of the same size.
struct TDifference {
  int Largest = 0;
  double Mean = 0;
};

TDifference Compare(const QImage& A, const QImage& B) {
  TDifference difference;
  qint64 sum = 0;
  for (int y = 0; y < A.height(); ++y)
    for (int x = 0; x < A.width(); ++x) {
      const QRgb a = A.pixel(x, y);
      const QRgb b = B.pixel(x, y);
      for (const int d : {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)}) {
        difference.Largest = std::max(difference.Largest, std::abs(d));
        sum += std::abs(d);
      }
    }
  difference.Mean = double(sum) / (3.0 * A.width() * A.height());
  return difference;
}

// A photograph's kind of content: soft light, fine texture and a few hard edges.
QImage PhotoLike(QSize Size, int Seed) {
  QImage photo(Size, QImage::Format_RGB32);
  for (int y = 0; y < Size.height(); ++y)
    for (int x = 0; x < Size.width(); ++x) {
      const double light = 0.5 + 0.5 * std::sin(x * 0.013 * (Seed + 1) + y * 0.021);
      const int grain = int((x * 7919 + y * 104729 + Seed * 31) % 23);
      photo.setPixel(x, y,
                     qRgb(int(40 + 150 * light) + grain, int(90 + 80 * light) + grain / 2,
                          int(200 - 120 * light) + grain));
    }
  QPainter paint(&photo);
  paint.fillRect(Size.width() / 5, Size.height() / 4, Size.width() / 3, Size.height() / 2,
                 QColor::fromHsv(Seed * 40 % 360, 200, 230));
  paint.setPen(QPen(Qt::black, 3));
  paint.drawLine(0, Size.height() - 1, Size.width() - 1, 0);
  return photo;
}

TEST(BoardFacesScaled, CellsFromFacesDecodedForThemMatchCellsFromWholeFaces) {
  QTemporaryDir dir;
  const QString photos = dir.filePath(QStringLiteral("photos.crd"));
  QList<QByteArray> faces;
  for (int seed = 0; seed < 4; ++seed)
    faces.push_back(EncodeJpeg(PhotoLike({512, 384}, seed), 90));
  WriteCardSet(photos, QStringLiteral("Photos"), 2, faces);
  const QString builtIn = testsupport::ProgramDir() + QStringLiteral("/cards/");
  for (const QString& path : {builtIn + QStringLiteral("wallpapers.crd"),
                              builtIn + QStringLiteral("shapes.crd"), photos}) {
    const std::unique_ptr<TBoardFaces> whole = LoadFaces(path, {});
    // The cells of small and large boards, on ordinary and HiDPI screens.
    for (const auto& [cell, ratio] : {std::pair{QSize(120, 90), 1.0},
                                      {QSize(80, 60), 1.0},
                                      {QSize(33, 25), 1.0},
                                      {QSize(80, 60), 2.0}}) {
      SCOPED_TRACE(path.toStdString() + " " + std::to_string(cell.width()) + " x" +
                   std::to_string(ratio));
      const QSize device = TBoardFaces::DevicePixels(cell, ratio);
      const std::unique_ptr<TBoardFaces> scaled = LoadFaces(path, device);
      for (int id = 1; id <= 4; ++id) {
        const QImage expected = whole->Face(id, cell, ratio).toImage();
        const QImage shown = scaled->Face(id, cell, ratio).toImage();
        ASSERT_EQ(shown.size(), expected.size());
        const TDifference difference = Compare(shown, expected);
        EXPECT_LE(difference.Largest, 64) << "face " << id;
        EXPECT_LE(difference.Mean, 2.0) << "face " << id;
      }
    }
  }
}

TEST(BoardFacesScaled, AFaceNeededLargerIsDecodedAgain) {
  // Two-pixel stripes: a quarter-size decode averages them to grey, a half-size one keeps them.
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("stripes.crd"));
  QImage stripes(480, 360, QImage::Format_RGB32);
  for (int x = 0; x < stripes.width(); ++x)
    for (int y = 0; y < stripes.height(); ++y)
      stripes.setPixel(x, y, x / 2 % 2 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
  WriteCardSet(path, QStringLiteral("Stripes"), 2, {EncodeJpeg(stripes, 100)});
  const std::unique_ptr<TBoardFaces> faces = LoadFaces(path, {120, 90});
  const auto contrast = [](const QPixmap& Face) {
    const QImage pixels = Face.toImage();
    return std::abs(qGray(pixels.pixel(100, 50)) - qGray(pixels.pixel(101, 50)));
  };
  EXPECT_LT(contrast(faces->Face(1, {120, 90})), 40);
  // The window moves to a HiDPI screen.
  EXPECT_GT(contrast(faces->Face(1, {120, 90}, 2.0)), 150);

  // Only the file the game was dealt from is read again: with the set gone, or rewritten since,
  // the face kept is enlarged rather than lost or taken from the new file.
  for (const bool rewritten : {false, true}) {
    WriteCardSet(path, QStringLiteral("Stripes"), 2, {EncodeJpeg(stripes, 100)});
    const std::unique_ptr<TBoardFaces> dealt = LoadFaces(path, {120, 90});
    if (rewritten)
      WriteCardSet(path, QStringLiteral("Other"), 2, {EncodeJpeg(stripes, 90)});
    else
      ASSERT_TRUE(QFile::remove(path));
    const QPixmap enlarged = dealt->Face(1, {120, 90}, 2.0);
    EXPECT_EQ(enlarged.size(), QSize(240, 180));
    EXPECT_LT(contrast(enlarged), 40);
  }
}

} // namespace
