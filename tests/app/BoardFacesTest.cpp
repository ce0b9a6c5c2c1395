// The pictures a game's cells are painted with, on a screen of device pixel ratio 2: built from
// the face's full source straight into device pixels, so detail finer than a logical pixel
// survives instead of a cell-sized copy being enlarged.
#include "AppFixtures.h"

#include "BoardFaces.h"
#include "CardSetLoader.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

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

} // namespace
