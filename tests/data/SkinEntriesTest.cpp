// The skin's pictures: the bitmap reader against Qt's own (the same picture, to the pixel, for
// every picture of the skin), and the reader that lets the windows built at start-up share them.
#include "SkinEntries.h"
#include "BmpAgreement.h"
#include "BmpImage.h"
#include "KVRStream.h"
#include "SkinLayout.h"
#include "TestSupport.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(SkinPictures, EveryPictureOfTheSkinReadsAsQtReadsIt) {
  TKVResFileReader skin(testsupport::ProgramDir() + QStringLiteral("/tesselo.dat"));
  ASSERT_GT(skin.Count, 20);
  int pictures = 0;
  for (int entry = 0; entry < skin.Count; ++entry) {
    QBuffer stream;
    stream.open(QIODevice::ReadWrite);
    skin.ReadToStream(entry, stream);
    if (!stream.buffer().startsWith("BM"))
      continue;
    ++pictures;
    ExpectAsQtReadsIt(stream.buffer(), "entry " + std::to_string(entry));
  }
  EXPECT_GT(pictures, 20);
}

TEST(SkinReader, APictureIsDecodedOnceAndSharedByItsReaderOnly) {
  TKVResFileReader archive(testsupport::ProgramDir() + QStringLiteral("/tesselo.dat"));
  TKVResFileReader other(testsupport::ProgramDir() + QStringLiteral("/tesselo.dat"));
  TSkinReader skin(archive);
  TSkinReader otherSkin(other);
  const int felt = skinlayout::entry::Felt;
  const qint64 kept = skin.Bitmap(felt).cacheKey();
  EXPECT_EQ(skin.Bitmap(felt).cacheKey(), kept);
  EXPECT_NE(skin.Bitmap(skinlayout::entry::PopUpTitleStrip).cacheKey(), kept);
  EXPECT_NE(otherSkin.Bitmap(felt).cacheKey(), kept) << "another reader decodes its own";
  EXPECT_EQ(otherSkin.Bitmap(felt), skin.Bitmap(felt));
  EXPECT_THROW(skin.Bitmap(archive.Count), ESkinError);
  EXPECT_THROW(skin.Bitmap(archive.Count), ESkinError) << "a failure is not kept";
}

TEST(SkinReader, AWindowBuiltLaterKeepsItsPicturesReadWhileTheArchiveWasOpen) {
  const int felt = skinlayout::entry::Felt;
  const int strip = skinlayout::entry::PopUpTitleStrip;
  std::unique_ptr<TSkinReader> later;
  QImage shared;
  {
    TKVResFileReader archive(testsupport::ProgramDir() + QStringLiteral("/tesselo.dat"));
    TSkinReader skin(archive);
    shared = skin.Bitmap(felt);
    later = std::make_unique<TSkinReader>(skin, std::initializer_list<int>{felt, strip});
    // An entry the archive does not hold fails while it is open, as the window's would.
    EXPECT_THROW(TSkinReader(skin, {strip, archive.Count}), ESkinError);
  }
  EXPECT_EQ(later->Bitmap(felt).cacheKey(), shared.cacheKey()) << "decoded once";
  EXPECT_FALSE(later->Bitmap(strip).isNull());
  EXPECT_THROW(later->Bitmap(skinlayout::entry::Cover), ESkinError);
  EXPECT_THROW(later->Text(skinlayout::entry::CoverLink), ESkinError);
}

} // namespace
