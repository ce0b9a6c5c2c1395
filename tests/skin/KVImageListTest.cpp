// The picture strip: its tables and placeholders, fixed-size slots, copies reaching past a
// sub-image, and the loaders from the archive and from Qt's resources.
#include "KVImageList.h"
#include "KVRStream.h"
#include "KVRWriter.h"
#include "SkinTestImages.h"

#include <QBuffer>
#include <QPainter>
#include <gtest/gtest.h>

#include <climits>

using skintest::At;
using skintest::Rgb;
using skintest::Solid;

namespace {

QByteArray BmpBytes(const QImage& Image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  Image.save(&buffer, "BMP");
  return bytes;
}

QImage Canvas(int Width, int Height) {
  return Solid(Width, Height, Qt::white);
}

} // namespace

TEST(ImageListTables, VariableSizeStripOfTheWorkedExample) {
  TKVCustomImageList list;
  ASSERT_EQ(list.size(), QSize(100, 100));
  list.AddImage(Solid(60, 20, Qt::red));
  EXPECT_EQ(list.size(), QSize(60, 20));
  list.AddImage(QImage());
  list.AddImage(Solid(40, 30, Qt::blue));

  EXPECT_EQ(list.size(), QSize(60, 20));
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Picture().size(), QSize(100, 30));
  EXPECT_EQ(list.VarWidthS(), "60,0,40,");
  EXPECT_EQ(list.VarHeightS(), "20,0,30,");
  EXPECT_EQ(list.Rects()[2], QRect(60, 0, 40, 30));
  EXPECT_EQ(list.GetImageWidth(1), 0);
  EXPECT_EQ(list.GetImageHeight(1), 0);
  EXPECT_EQ(list.GetImageWidth(3), 0);
  EXPECT_EQ(list.GetImageWidth(-1), 0);
  EXPECT_EQ(At(list.Picture(), 60, 29), Rgb(Qt::blue));
  EXPECT_EQ(At(list.Picture(), 59, 0), Rgb(Qt::red));
}

TEST(ImageListTables, SizeTextsReadOnlyClosedIntegerEntries) {
  TKVCustomImageList list;
  list.SetCount(4);
  list.SetVarWidthS("10,20");
  list.SetVarHeightS("abc,-5,7,,");
  list.Loaded();
  EXPECT_EQ(list.GetImageWidth(0), 10);
  EXPECT_EQ(list.GetImageWidth(1), 0);
  EXPECT_EQ(list.GetImageWidth(2), 0);
  EXPECT_EQ(list.GetImageHeight(0), 0);
  EXPECT_EQ(list.GetImageHeight(1), 0);
  EXPECT_EQ(list.GetImageHeight(2), 7);
  EXPECT_EQ(list.Rects()[1], QRect(10, 0, 0, 0));
}

TEST(ImageListTables, StoredCountIsBoundedAndStripRefusesMore) {
  TKVCustomImageList list;
  list.SetCount(2000000000);
  EXPECT_EQ(list.Count(), TKVCustomImageList::MaxCount);
  EXPECT_EQ(list.Rects().size(), size_t(TKVCustomImageList::MaxCount));
  EXPECT_FALSE(list.AddImage(Solid(2, 2, Qt::red)));
  list.SetCount(-3);
  EXPECT_EQ(list.Count(), 0);
}

TEST(ImageListTables, ClearEmptiesStripButKeepsControlSize) {
  TKVCustomImageList list;
  list.AddImage(Solid(30, 10, Qt::red));
  list.AddImage(Solid(30, 10, Qt::red));
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_TRUE(list.Picture().isNull());
  EXPECT_TRUE(list.VarWidthS().isEmpty());
  EXPECT_TRUE(list.Rects().empty());
  EXPECT_EQ(list.size(), QSize(30, 10));
  list.AddImage(Solid(8, 4, Qt::green));
  EXPECT_EQ(list.Rects()[0], QRect(0, 0, 8, 4));
}

TEST(ImageListFixedSize, FirstImageSetsSlotsAndWidthChangesCropOrLeaveGaps) {
  TKVCustomImageList list;
  list.SetVarSize(false);
  list.AddImage(Solid(10, 6, Qt::red));
  list.AddImage(Solid(20, 8, Qt::blue));
  EXPECT_EQ(list.ImgWidth(), 10);
  EXPECT_EQ(list.ImgHeight(), 6);
  EXPECT_EQ(list.Picture().size(), QSize(20, 6));
  EXPECT_EQ(list.Rects()[1], QRect(10, 0, 10, 6));
  EXPECT_EQ(list.GetImageWidth(1), 10);
  EXPECT_EQ(list.size(), QSize(10, 6));

  list.SetImgWidth(4);
  EXPECT_EQ(list.Picture().size(), QSize(8, 6));
  EXPECT_EQ(At(list.Picture(), 3, 0), Rgb(Qt::red));
  EXPECT_EQ(At(list.Picture(), 4, 0), Rgb(Qt::blue));
  EXPECT_EQ(list.width(), 4);

  list.SetImgWidth(7);
  EXPECT_EQ(At(list.Picture(), 4, 0), Rgb(Qt::black));
  EXPECT_EQ(At(list.Picture(), 7, 0), Rgb(Qt::blue));

  list.SetImgHeight(9);
  EXPECT_EQ(list.Picture().height(), 9);
  EXPECT_EQ(list.Rects()[1], QRect(7, 0, 7, 9));
}

TEST(ImageListFixedSize, SlotWidthThatWouldOverflowTheStripIsRefused) {
  TKVCustomImageList list;
  list.SetVarSize(false);
  list.AddImage(Solid(4, 4, Qt::red));
  list.AddImage(Solid(4, 4, Qt::blue));
  list.SetImgWidth(INT_MAX);
  EXPECT_EQ(list.ImgWidth(), 4);
  EXPECT_EQ(list.Picture().size(), QSize(8, 4));
  list.SetImgHeight(INT_MAX);
  EXPECT_EQ(list.ImgHeight(), 4);
}

TEST(ImageListFixedSize, WritesOfSlotSizeAreIgnoredInVariableMode) {
  TKVCustomImageList list;
  list.AddImage(Solid(10, 6, Qt::red));
  list.SetImgWidth(50);
  list.SetImgHeight(50);
  EXPECT_EQ(list.ImgWidth(), 100);
  EXPECT_EQ(list.Picture().size(), QSize(10, 6));
  EXPECT_EQ(list.size(), QSize(10, 6));
}

TEST(ImageListDrawing, CopyReachesIntoNextSubImageButNeverPastTheStrip) {
  TKVCustomImageList list;
  list.AddImage(Solid(10, 10, Qt::red));
  list.AddImage(Solid(10, 10, Qt::blue));
  QImage target = Canvas(30, 10);
  {
    QPainter painter(&target);
    list.CopyImageRect(painter, QRect(0, 0, 30, 10), 0, QRect(5, 0, 30, 10));
  }
  EXPECT_EQ(At(target, 4, 5), Rgb(Qt::red));
  EXPECT_EQ(At(target, 5, 5), Rgb(Qt::blue));
  EXPECT_EQ(At(target, 14, 5), Rgb(Qt::blue));
  EXPECT_EQ(At(target, 15, 5), Rgb(Qt::white));

  // Stretched copies keep the same rule: the part outside the strip is not drawn.
  QImage stretched = Canvas(40, 20);
  {
    QPainter painter(&stretched);
    list.CopyImageRect(painter, QRect(0, 0, 40, 20), 1, QRect(0, -10, 20, 20));
  }
  EXPECT_EQ(At(stretched, 5, 5), Rgb(Qt::white));
  EXPECT_EQ(At(stretched, 5, 15), Rgb(Qt::blue));
  EXPECT_EQ(At(stretched, 25, 15), Rgb(Qt::white));
}

TEST(ImageListDrawing, InvalidIndexesDrawNothingAndGiveNothing) {
  TKVCustomImageList list;
  list.AddImage(Solid(10, 10, Qt::red));
  QImage target = Canvas(10, 10);
  {
    QPainter painter(&target);
    list.DrawImage(painter, 0, 1, 0);
    list.DrawImage(painter, 0, -1, 0);
    list.StretchDrawImage(painter, target.rect(), 5);
    list.CopyImageRect(painter, target.rect(), 2, target.rect());
  }
  EXPECT_EQ(target, Canvas(10, 10));
  QImage kept = Solid(3, 3, Qt::green);
  list.GetImage(kept, 1);
  EXPECT_EQ(kept.size(), QSize(3, 3));
  list.GetImage(kept, 0);
  EXPECT_EQ(kept.size(), QSize(10, 10));
  EXPECT_EQ(At(kept, 9, 9), Rgb(Qt::red));
}

TEST(ImageListDrawing, StretchDrawAndDrawImagePlaceSubImages) {
  TKVCustomImageList list;
  list.AddImage(Solid(4, 4, Qt::red));
  list.AddImage(Solid(2, 2, Qt::blue));
  QImage target = Canvas(20, 20);
  {
    QPainter painter(&target);
    list.StretchDrawImage(painter, QRect(0, 0, 10, 10), 1);
    list.DrawImage(painter, 15, 0, 15);
  }
  EXPECT_EQ(At(target, 9, 9), Rgb(Qt::blue));
  EXPECT_EQ(At(target, 10, 10), Rgb(Qt::white));
  EXPECT_EQ(At(target, 15, 15), Rgb(Qt::red));
  EXPECT_EQ(At(target, 14, 14), Rgb(Qt::white));
}

TEST(ImageListDrawing, PaletteComesFromTheFirstIndexedImage) {
  QImage indexed(2, 2, QImage::Format_Indexed8);
  indexed.setColorTable({qRgb(1, 2, 3), qRgb(4, 5, 6)});
  indexed.fill(1);
  TKVCustomImageList list;
  list.AddImage(indexed);
  EXPECT_EQ(list.Palette(), indexed.colorTable());
  EXPECT_EQ(At(list.Picture(), 1, 1), qRgb(4, 5, 6));
  list.SetIgnorePalette(true);
  EXPECT_TRUE(list.Palette().isEmpty());
}

TEST(ImageListDrawing, AlphaInOneImagePromotesTheStripWithoutBlending) {
  QImage clear(3, 3, QImage::Format_ARGB32);
  clear.fill(Qt::transparent);
  TKVCustomImageList list;
  list.AddImage(Solid(3, 3, Qt::red));
  list.AddImage(clear);
  EXPECT_TRUE(list.Picture().hasAlphaChannel());
  EXPECT_EQ(qAlpha(list.Picture().pixel(4, 1)), 0);
  EXPECT_EQ(list.Picture().pixel(1, 1), qRgb(255, 0, 0));
}

class ImageListArchive : public ::testing::Test {
protected:
  void SetUp() override {
    TKVResWriter writer;
    for (int i = 0; i < 5; ++i)
      writer.AddPlain("filler");
    writer.AddBitmap(BmpBytes(Solid(6, 4, Qt::red)));      // 5
    writer.AddPlain("not a picture at all");               // 6
    writer.AddCompressed(BmpBytes(Solid(3, 9, Qt::blue))); // 7
    QByteArray truncated = BmpBytes(Solid(50, 50, Qt::green));
    truncated.truncate(40);
    writer.AddPlain(truncated); // 8
    Bytes = writer.ToBytes();
    Stream.setBuffer(&Bytes);
    Stream.open(QIODevice::ReadOnly);
    Reader.SetStream(&Stream);
    ASSERT_TRUE(Reader.ReadDirectory());
  }

  QByteArray Bytes;
  QBuffer Stream;
  TKVResReader Reader;
};

TEST_F(ImageListArchive, NegativeEntryAddsAnEmptyPlaceholder) {
  TKVCustomImageList list;
  list.AddImage(Solid(1, 1, Qt::black));
  list.LoadFromResFile(Reader, {5, -1, 7});
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.VarWidthS(), "6,0,3,");
  EXPECT_EQ(list.VarHeightS(), "4,0,9,");
  EXPECT_EQ(At(list.Picture(), 6, 8), Rgb(Qt::blue));
}

TEST_F(ImageListArchive, FailingEntriesAddNothingAndLaterImagesMoveDown) {
  TKVCustomImageList list;
  list.LoadFromResFile(Reader, {6, 5, 8, 99, -7, 7});
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.VarWidthS(), "6,0,3,");
}

TEST(ImageListResources, RangeSkipsMissingResourcesAndKeepsTheStrip) {
  TKVCustomImageList list;
  list.AddImage(Solid(2, 2, Qt::black));
  list.LoadFromResourceRange("skintest/tile", 1, 3);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.VarWidthS(), "2,4,6,");
  EXPECT_EQ(At(list.Picture(), 2, 0), Rgb(Qt::red));
  EXPECT_EQ(At(list.Picture(), 6, 1), Rgb(Qt::green));
}

TEST(ImageListResources, NamesGiveOneSubImageEachWithPlaceholdersForGaps) {
  TKVCustomImageList list;
  list.AddImage(Solid(2, 2, Qt::black));
  list.LoadFromResourceNames(R"(skintest/tile1,,"skintest/missing", "skintest/tile3")", false);
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.VarWidthS(), "4,0,0,6,");

  list.setObjectName("skintest/KVTest");
  list.LoadFromResourceNames("Frame", true);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.GetImageWidth(0), 5);
  EXPECT_EQ(At(list.Picture(), 4, 4), Rgb(Qt::blue));
}
