// The image bevel: corners at their own size, edges stretched or tiled from the origin, the
// background tile anchored at the origin whatever the repaint region, and the plain colour.
#include "KVImageCtrl.h"
#include "SkinTestImages.h"

#include <QPainter>
#include <gtest/gtest.h>

using skintest::At;
using skintest::Coded;
using skintest::Rgb;
using skintest::Shot;
using skintest::Solid;

namespace {

const QColor TopLeft(10, 0, 0), TopRight(20, 0, 0), BottomLeft(30, 0, 0), BottomRight(40, 0, 0);
const QColor EdgeFirst(0, 100, 0), EdgeSecond(0, 200, 0);

// Two halves, so a stretch shows where each half of the source landed.
QImage Halves(int Width, int Height, bool SideBySide) {
  QImage image = Solid(Width, Height, EdgeFirst);
  QPainter painter(&image);
  if (SideBySide)
    painter.fillRect(Width / 2, 0, Width - Width / 2, Height, EdgeSecond);
  else
    painter.fillRect(0, Height / 2, Width, Height - Height / 2, EdgeSecond);
  return image;
}

QImage Tile() {
  return Coded(16, 16, 16, 77);
}

QRgb TileAt(int X, int Y) {
  return Tile().pixel(X % 16, Y % 16);
}

void AddFrame(TKVImageBevel& Bevel) {
  Bevel.AddImage(Solid(8, 8, TopLeft));
  Bevel.AddImage(Halves(2, 4, true));
  Bevel.AddImage(Solid(8, 8, TopRight));
  Bevel.AddImage(Halves(4, 2, false));
  Bevel.AddImage(Halves(4, 2, false));
  Bevel.AddImage(Solid(8, 8, BottomLeft));
  Bevel.AddImage(Halves(2, 4, true));
  Bevel.AddImage(Solid(8, 8, BottomRight));
  Bevel.AddImage(Tile());
}

} // namespace

TEST(ImageBevel, StretchedFrameOfTheMainWindow) {
  TKVImageBevel bevel;
  bevel.resize(490, 450);
  AddFrame(bevel);
  ASSERT_EQ(bevel.size(), QSize(490, 450));
  const QImage shot = Shot(bevel);

  EXPECT_EQ(At(shot, 0, 0), Rgb(TopLeft));
  EXPECT_EQ(At(shot, 7, 7), Rgb(TopLeft));
  EXPECT_EQ(At(shot, 482, 0), Rgb(TopRight));
  EXPECT_EQ(At(shot, 489, 7), Rgb(TopRight));
  EXPECT_EQ(At(shot, 0, 442), Rgb(BottomLeft));
  EXPECT_EQ(At(shot, 489, 449), Rgb(BottomRight));

  EXPECT_EQ(At(shot, 8, 0), Rgb(EdgeFirst));
  EXPECT_EQ(At(shot, 244, 3), Rgb(EdgeFirst));
  EXPECT_EQ(At(shot, 245, 3), Rgb(EdgeSecond));
  EXPECT_EQ(At(shot, 481, 0), Rgb(EdgeSecond));
  EXPECT_EQ(At(shot, 100, 446), Rgb(EdgeFirst));
  EXPECT_EQ(At(shot, 300, 449), Rgb(EdgeSecond));
  EXPECT_EQ(At(shot, 3, 224), Rgb(EdgeFirst));
  EXPECT_EQ(At(shot, 3, 225), Rgb(EdgeSecond));
  EXPECT_EQ(At(shot, 486, 100), Rgb(EdgeFirst));
  EXPECT_EQ(At(shot, 486, 441), Rgb(EdgeSecond));

  EXPECT_EQ(At(shot, 100, 4), TileAt(100, 4));
  EXPECT_EQ(At(shot, 4, 100), TileAt(4, 100));
  EXPECT_EQ(At(shot, 250, 333), TileAt(250, 333));
  EXPECT_EQ(At(shot, 481, 445), TileAt(481, 445));
  EXPECT_EQ(At(shot, 485, 441), TileAt(485, 441));
}

TEST(ImageBevel, ResizingLaysTheEdgesAtTheNewLength) {
  TKVImageBevel bevel;
  AddFrame(bevel);
  bevel.resize(300, 200);
  const QImage shot = Shot(bevel);
  EXPECT_EQ(At(shot, 299, 0), Rgb(TopRight));
  EXPECT_EQ(At(shot, 149, 0), Rgb(EdgeFirst));
  EXPECT_EQ(At(shot, 150, 0), Rgb(EdgeSecond));
  EXPECT_EQ(At(shot, 299, 199), Rgb(BottomRight));
  EXPECT_EQ(At(shot, 297, 99), Rgb(EdgeFirst));
  EXPECT_EQ(At(shot, 297, 100), Rgb(EdgeSecond));
}

TEST(ImageBevel, TiledEdgesRepeatFromTheOrigin) {
  TKVImageBevel bevel;
  bevel.resize(100, 60);
  bevel.SetStretch(false);
  const QImage top = Coded(7, 3, 30, 5);
  const QImage right = Coded(4, 9, 20, 6);
  for (const QImage& slot : {QImage(), top, QImage(), QImage(), right})
    bevel.AddImage(slot);
  const QImage shot = Shot(bevel);
  for (int x = 0; x < 96; ++x)
    ASSERT_EQ(At(shot, x, 1), top.pixel(x % 7, 1)) << "x " << x;
  for (int y = 0; y < 60; ++y)
    ASSERT_EQ(At(shot, 98, y), right.pixel(2, y % 9)) << "y " << y;
}

TEST(ImageBevel, TileHasNoSeamWhereRepaintRegionsMeet) {
  TKVImageBevel bevel;
  bevel.resize(100, 70);
  for (int i = 0; i < 8; ++i)
    bevel.AddImage(QImage());
  bevel.AddImage(Tile());

  QImage pieced = Solid(100, 70, Qt::white);
  for (const QRect& region : {QRect(0, 0, 37, 70), QRect(37, 0, 63, 23), QRect(37, 23, 63, 47)})
    bevel.render(&pieced, region.topLeft(), QRegion(region));
  QImage painted = Solid(100, 70, Qt::white);
  {
    QPainter painter(&painted);
    bevel.Paint(painter, QRect(53, 41, 47, 29));
    bevel.Paint(painter, QRect(0, 0, 53, 70));
    bevel.Paint(painter, QRect(53, 0, 47, 41));
  }
  for (int y = 0; y < 70; ++y)
    for (int x = 0; x < 100; ++x) {
      ASSERT_EQ(At(pieced, x, y), TileAt(x, y)) << x << "," << y;
      ASSERT_EQ(At(painted, x, y), TileAt(x, y)) << x << "," << y;
    }
}

// The background is copied down a tall clip in bands; every band must start on a tile row.
TEST(ImageBevel, TileOfOddHeightStaysAnchoredDownATallClip) {
  TKVImageBevel bevel;
  bevel.resize(60, 700);
  for (int i = 0; i < 8; ++i)
    bevel.AddImage(QImage());
  const QImage tile = Coded(13, 23, 9, 55);
  bevel.AddImage(tile);
  QImage painted = Solid(60, 700, Qt::white);
  {
    QPainter painter(&painted);
    bevel.Paint(painter, QRect(5, 7, 50, 680));
  }
  for (int y = 0; y < 700; ++y)
    for (int x = 0; x < 60; ++x) {
      const bool inside = x >= 5 && x < 55 && y >= 7 && y < 687;
      ASSERT_EQ(At(painted, x, y), inside ? tile.pixel(x % 13, y % 23) : Rgb(Qt::white))
          << x << "," << y;
    }
}

TEST(ImageBevel, PaintStaysInsideItsClip) {
  TKVImageBevel bevel;
  bevel.resize(490, 450);
  AddFrame(bevel);
  QImage canvas = Solid(490, 450, Qt::white);
  {
    QPainter painter(&canvas);
    bevel.Paint(painter, QRect(100, 2, 20, 20));
  }
  EXPECT_EQ(At(canvas, 99, 2), Rgb(Qt::white));
  EXPECT_EQ(At(canvas, 100, 2), Rgb(EdgeFirst));
  EXPECT_EQ(At(canvas, 119, 21), TileAt(119, 21));
  EXPECT_EQ(At(canvas, 120, 21), Rgb(Qt::white));
  EXPECT_EQ(At(canvas, 0, 0), Rgb(Qt::white));
}

TEST(ImageBevel, PlainColourFromTheParentReplacesTheTile) {
  QWidget parent;
  QPalette palette = parent.palette();
  palette.setColor(QPalette::Window, QColor(255, 0, 255));
  parent.setPalette(palette);
  parent.resize(120, 90);
  TKVImageBevel bevel(&parent);
  bevel.resize(120, 90);
  AddFrame(bevel);
  bevel.SetBgColor(true);
  const QImage shot = Shot(bevel);
  EXPECT_EQ(At(shot, 60, 45), Rgb(QColor(255, 0, 255)));
  EXPECT_EQ(At(shot, 0, 0), Rgb(TopLeft));
  EXPECT_EQ(At(shot, 30, 0), Rgb(EdgeFirst));

  bevel.SetColor(QColor(1, 2, 3));
  EXPECT_FALSE(bevel.ParentColor());
  EXPECT_EQ(At(Shot(bevel), 60, 45), Rgb(QColor(1, 2, 3)));
}

TEST(ImageBevel, EmptySlotsAreSkipped) {
  // The pop-up windows' frame: only the sides, the bottom-left corner and the tile.
  TKVImageBevel bevel;
  bevel.resize(120, 90);
  for (const QImage& slot : {QImage(), QImage(), QImage(), Halves(4, 2, false), Halves(4, 2, false),
                             Solid(8, 8, BottomLeft), QImage(), QImage(), Tile()})
    bevel.AddImage(slot);
  ASSERT_EQ(bevel.size(), QSize(120, 90));
  const QImage shot = Shot(bevel);
  EXPECT_EQ(At(shot, 60, 0), TileAt(60, 0));
  EXPECT_EQ(At(shot, 60, 89), TileAt(60, 89));
  EXPECT_EQ(At(shot, 119, 89), Rgb(EdgeSecond));
  EXPECT_EQ(At(shot, 0, 89), Rgb(BottomLeft));
}

TEST(ImageBevel, BevelWithoutImagesShowsItsParent) {
  QWidget parent;
  parent.setAutoFillBackground(true);
  QPalette palette = parent.palette();
  palette.setColor(QPalette::Window, QColor(0, 0, 90));
  parent.setPalette(palette);
  parent.resize(50, 50);
  TKVImageBevel bevel(&parent);
  bevel.resize(50, 50);
  EXPECT_EQ(At(Shot(parent), 25, 25), Rgb(QColor(0, 0, 90)));
}
