#include "SkinArchive.h"

#include "CommandBarArt.h"
#include "CoverArt.h"
#include "FrameArt.h"
#include "KVRWriter.h"
#include "Materials.h"
#include "OptionsArt.h"
#include "PopUpArt.h"
#include "SkinLayout.h"

#include <QBuffer>

namespace skinart {

namespace {

// Swatches of felt for the entries no window reads: valid pictures that keep the indexes.
QImage Spare(int Index) {
  QImage swatch(layout::SpareSize, QImage::Format_RGB32);
  PaintFelt(swatch, QPoint(Index * 5, Index * 3));
  return swatch;
}

TStorage StorageOf(int Index) {
  switch (Index) {
  case 0:
  case 15:
  case 16:
  case 24:
  case 25:
  case 26:
  case 27:
  case 28:
    return TStorage::Plain;
  case 1:
  case 2:
  case 10:
  case 11:
  case 17:
  case 18:
  case 21:
    return TStorage::Compressed;
  default:
    return TStorage::Bitmap;
  }
}

} // namespace

QImage SkinPicture(int Index) {
  switch (Index) {
  case 1:
    return Cover();
  case 2:
    return TitleBarLeft();
  case 3:
    return TitleBarEdge();
  case 4:
    return WindowButtons();
  case 5:
    return LeftRail();
  case 6:
    return RightRail();
  case 7:
    return BottomLeft();
  case 8:
    return BottomEdge();
  case 9:
    return BottomRight();
  case 10:
    return FeltTile(layout::FeltTileSize);
  case 11:
    return CommandBar();
  case 12:
    return SliderTrack();
  case 13:
    return SliderThumb();
  case 14:
    return AboutPlaque();
  case 17:
    return OptionsBackground();
  case 18:
    return PopUpTitleStrip();
  case 19:
    return PopUpLeftRail();
  case 20:
    return PopUpRightRail();
  case 21:
    return PopUpBottom();
  case 22:
    return PopUpCloseButton();
  case 23:
    return PopUpTitle(QStringLiteral("About"));
  case 29:
    return PopUpTitle(QStringLiteral("Help"));
  case 30:
    return PopUpTitle(QStringLiteral("Score"));
  case 15:
  case 16:
  case 24:
  case 25:
  case 26:
  case 27:
  case 28:
    return Spare(Index);
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
  entries.push_back({StorageOf(0), QByteArray(CoverLink)});
  for (int i = 1; i < SkinEntryCount; ++i)
    entries.push_back({StorageOf(i), BitmapFile(SkinPicture(i))});
  return entries;
}

QByteArray PackSkin(const std::vector<TSkinEntry>& Entries) {
  TKVResWriter writer;
  for (const TSkinEntry& entry : Entries) {
    switch (entry.Storage) {
    case TStorage::Plain:
      writer.AddPlain(entry.Content);
      break;
    case TStorage::Compressed:
      writer.AddCompressed(entry.Content);
      break;
    case TStorage::Bitmap: {
      QByteArray stored = entry.Content;
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
