// The archive as the game reads it: every entry through TKVResFileReader, the kinds used, the
// link text and the pictures' sizes against the skin's description.
#include "SkinArtTest.h"

#include "KVRStream.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QUrl>
#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace skintest {

QString ArchivePath() {
  return testsupport::ProgramDir() + "/tesselo.dat";
}

QImage Entry(int Index) {
  TKVResFileReader reader(ArchivePath());
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  reader.ReadToStream(Index, buffer);
  return QImage::fromData(buffer.data(), "BMP");
}

int Luma(QRgb Pixel) {
  return (qRed(Pixel) * 299 + qGreen(Pixel) * 587 + qBlue(Pixel) * 114) / 1000;
}

} // namespace skintest

using skintest::Entry;

namespace entry = skinlayout::entry;
namespace mainform = skinlayout::mainform;
namespace options = skinlayout::options;
namespace popup = skinlayout::popup;

TEST(SkinArchive, HoldsEveryEntryInEveryStorageKind) {
  TKVResFileReader reader(skintest::ArchivePath());
  ASSERT_GE(reader.Count, entry::Count);
  std::set<int> kinds;
  for (const TResEntry& item : reader.Entries)
    kinds.insert(item.Kind < 0 ? -1 : item.Kind);
  EXPECT_TRUE(kinds.count(-1)) << "no compressed entry";
  EXPECT_TRUE(kinds.count(1)) << "no entry with a restored signature";
  EXPECT_TRUE(kinds.count(0)) << "no plain entry";
}

TEST(SkinArchive, TheCoverLinkIsOnAnExampleDomain) {
  TKVResFileReader reader(skintest::ArchivePath());
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  reader.ReadToStream(entry::CoverLink, buffer);
  const QByteArray text = buffer.data();
  EXPECT_FALSE(text.contains('\0'));
  EXPECT_FALSE(text.endsWith('\n'));
  const QUrl url(QString::fromLatin1(text), QUrl::StrictMode);
  ASSERT_TRUE(url.isValid()) << text.constData();
  EXPECT_EQ(url.scheme(), "https");
  EXPECT_TRUE(url.host().endsWith(".example")) << text.constData();
}

TEST(SkinArchive, EveryPictureIsA24BitBitmapTheReaderRestores) {
  TKVResFileReader reader(skintest::ArchivePath());
  for (int i = entry::CoverLink + 1; i < entry::Count; ++i) {
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    reader.ReadToStream(i, buffer);
    const QByteArray bytes = buffer.data();
    ASSERT_GT(bytes.size(), 54) << "entry " << i;
    EXPECT_TRUE(bytes.startsWith("BM")) << "entry " << i;
    EXPECT_EQ(quint8(bytes[28]), 24) << "entry " << i;
    EXPECT_FALSE(QImage::fromData(bytes, "BMP").isNull()) << "entry " << i;
  }
}

TEST(SkinArchive, MainWindowPiecesHaveTheirDescribedSizes) {
  EXPECT_EQ(Entry(entry::Cover).size(), mainform::CoverSize);
  for (int i : {entry::FrameTopLeft, entry::FrameTop, entry::FrameTopRight})
    EXPECT_EQ(Entry(i).height(), mainform::TitleHeight) << "title bar entry " << i;
  EXPECT_EQ(Entry(entry::FrameTopRight).size(), mainform::WindowButtonsSize);
  EXPECT_LE(Entry(entry::FrameTopLeft).width() + Entry(entry::FrameTopRight).width(),
            mainform::Client.width())
      << "the top corners overlap at the design width";
  for (int i : {entry::FrameLeft, entry::FrameRight})
    EXPECT_EQ(Entry(i).width(), mainform::RailWidth) << "rail entry " << i;
  for (int i : {entry::FrameBottomLeft, entry::FrameBottom, entry::FrameBottomRight})
    EXPECT_EQ(Entry(i).height(), mainform::BottomHeight) << "bottom entry " << i;
  EXPECT_EQ(Entry(entry::Felt).size(), QSize(mainform::FeltTileSize, mainform::FeltTileSize));
  const QImage bar = Entry(entry::CommandBar);
  EXPECT_EQ(bar.size(), mainform::CommandBarSize);
  EXPECT_EQ(Entry(entry::SliderTrack).size(), options::LevelSlider.size());
  const QImage thumb = Entry(entry::SliderThumb);
  EXPECT_EQ(thumb.size(), options::SliderThumbSize);
  // At the top level the thumb, centred on the end of the usable length, ends inside the track.
  const int usable = options::LevelSlider.width() - 2 * options::SliderInset;
  EXPECT_LE(options::SliderInset + usable - thumb.width() / 2 + thumb.width(),
            options::LevelSlider.width());
  const QImage plaque = Entry(entry::AboutPlaque);
  EXPECT_EQ(plaque.size(), mainform::AboutPlaqueSize);
  EXPECT_LE(mainform::AboutPlaqueTop + plaque.height(), mainform::Client.height() - bar.height())
      << "the about plaque runs into the command bar";
  EXPECT_EQ(Entry(entry::OptionsBackground).size(), options::Size);
}

TEST(SkinArchive, PopUpPiecesHaveTheirDescribedSizes) {
  const QImage strip = Entry(entry::PopUpTitleStrip);
  EXPECT_EQ(strip.size(), popup::TitleStripSize);
  EXPECT_EQ(strip.width(), popup::Size.width());
  EXPECT_LE(strip.height(), popup::TitleTop) << "the strip runs into the title pictures";
  EXPECT_EQ(Entry(entry::PopUpLeftRail).size(), popup::RailSize);
  EXPECT_EQ(Entry(entry::PopUpRightRail).size(), popup::RailSize);
  const QImage band = Entry(entry::PopUpBottom);
  EXPECT_EQ(band.size(), popup::BottomSize);
  EXPECT_EQ(band.width(), popup::Size.width());
  const int bandTop = popup::Size.height() - band.height();
  EXPECT_LE(bandTop, popup::CloseButton.top()) << "the close button would sit on the felt";
  EXPECT_GE(bandTop, skinlayout::score::WinnerPlace.y() + popup::LabelHeight)
      << "the band would cover the score labels";
  EXPECT_EQ(Entry(entry::PopUpCloseButton).size(), popup::CloseButton.size());
  for (int i : {entry::AboutTitle, entry::HelpTitle, entry::ScoreTitle}) {
    const QImage title = Entry(i);
    EXPECT_EQ(title.size(), popup::TitleSize) << "title entry " << i;
    EXPECT_LE(popup::TitleTop + title.height(), skinlayout::help::Viewer.top())
        << "title entry " << i << " runs into the help viewer";
  }
  for (int i : entry::Spare)
    EXPECT_FALSE(Entry(i).isNull()) << "spare entry " << i;
}
