#include "SkinArchive.h"

#include "CommandBarArt.h"
#include "CoverArt.h"
#include "FrameArt.h"
#include "KVRWriter.h"
#include "Materials.h"
#include "OptionsArt.h"
#include "PopUpArt.h"
#include "SkinLayout.h"
#include "Translation.h"

#include <QBuffer>

#include <algorithm>
#include <iterator>

namespace skinart {

namespace {

namespace entry = skinlayout::entry;

// Pictures of the entries no window reads: valid pictures, small swatches of felt.
constexpr QSize SpareSize{16, 16};

QImage Spare(int Index) {
  QImage swatch(SpareSize, QImage::Format_RGB32);
  PaintFelt(swatch, QPoint(Index * 5, Index * 3));
  return swatch;
}

bool IsSpare(int Index) {
  return std::find(std::begin(entry::Spare), std::end(entry::Spare), Index) !=
         std::end(entry::Spare);
}

// Every storage kind of the container is used, where it costs start-up nothing. The pictures the
// windows read are stored as bitmaps whose signature the reader restores: read from the page
// cache and decoded, each costs less stored so than inflated, from 1.3 against 1.8 us for a
// 310-byte rail to 60 us against 1.7 ms for the cover (bench/skin_entries_bench), and every
// window's picture is read before the first paint. The link is plain text, and the spare
// pictures, which no window reads, are compressed.
TStorage StorageOf(int Index) {
  if (Index == entry::CoverLink)
    return TStorage::Plain;
  return IsSpare(Index) ? TStorage::Compressed : TStorage::Bitmap;
}

} // namespace

QImage SkinPicture(int Index) {
  if (IsSpare(Index))
    return Spare(Index);
  switch (Index) {
  case entry::Cover:
    return Cover();
  case entry::FrameTopLeft:
    return TitleBarLeft();
  case entry::FrameTop:
    return TitleBarEdge();
  case entry::FrameTopRight:
    return WindowButtons();
  case entry::FrameLeft:
    return LeftRail();
  case entry::FrameRight:
    return RightRail();
  case entry::FrameBottomLeft:
    return BottomLeft();
  case entry::FrameBottom:
    return BottomEdge();
  case entry::FrameBottomRight:
    return BottomRight();
  case entry::Felt:
    return FeltTile(skinlayout::mainform::FeltTileSize);
  case entry::CommandBar:
    return CommandBar();
  case entry::SliderTrack:
    return SliderTrack();
  case entry::SliderThumb:
    return SliderThumb();
  case entry::AboutPlaque:
    return AboutPlaque();
  case entry::OptionsBackground:
    return OptionsBackground();
  case entry::PopUpTitleStrip:
    return PopUpTitleStrip();
  case entry::PopUpLeftRail:
    return PopUpLeftRail();
  case entry::PopUpRightRail:
    return PopUpRightRail();
  case entry::PopUpBottom:
    return PopUpBottom();
  case entry::PopUpCloseButton:
    return PopUpCloseButton();
  case entry::AboutTitle:
    return PopUpTitle(Translated(skinlayout::AboutTitle), QStringLiteral("the about box's title"));
  case entry::HelpTitle:
    return PopUpTitle(Translated(skinlayout::HelpTitle), QStringLiteral("the help window's title"));
  case entry::ScoreTitle:
    return PopUpTitle(Translated(skinlayout::ScoreTitle),
                      QStringLiteral("the score screen's title"));
  default:
    return {};
  }
}

QByteArray BitmapFile(const QImage& Image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  // An opaque 32-bit image is written with 24 bits per pixel.
  Image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
  return bytes;
}

std::vector<TSkinEntry> SkinEntries() {
  std::vector<TSkinEntry> entries;
  entries.push_back({StorageOf(entry::CoverLink), QByteArray(skinlayout::HomePage)});
  for (int i = entry::CoverLink + 1; i < entry::Count; ++i)
    entries.push_back({StorageOf(i), BitmapFile(SkinPicture(i))});
  return entries;
}

QByteArray PackSkin(const std::vector<TSkinEntry>& Entries) {
  TKVResWriter writer;
  for (const TSkinEntry& item : Entries) {
    switch (item.Storage) {
    case TStorage::Plain:
      writer.AddPlain(item.Content);
      break;
    case TStorage::Compressed:
      writer.AddCompressed(item.Content);
      break;
    case TStorage::Bitmap: {
      QByteArray stored = item.Content;
      if (stored.size() >= 2)
        stored[0] = stored[1] = '\0';
      writer.AddBitmap(stored);
      break;
    }
    }
  }
  return writer.ToBytes();
}

} // namespace skinart
