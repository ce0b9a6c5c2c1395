#include "FaceFixtures.h"

#include "KVRWriter.h"

#include <QBuffer>
#include <QFile>

// clang-format off
#include <algorithm>
#include <cstdio>
#include <jpeglib.h>
// clang-format on
#include <gif_lib.h>

#include <stdexcept>

namespace fixtures {
namespace {

int AppendToArray(GifFileType* Gif, const GifByteType* Bytes, int Length) {
  static_cast<QByteArray*>(Gif->UserData)->append(reinterpret_cast<const char*>(Bytes), Length);
  return Length;
}

void Check(int Result, const char* What) {
  if (Result == GIF_ERROR)
    throw std::runtime_error(std::string("GIF fixture: ") + What);
}

// giflib wants palettes of a power of two entries.
ColorMapObject* MakeMap(const std::vector<QRgb>& Palette) {
  if (Palette.empty())
    return nullptr;
  int size = 2;
  while (size < int(Palette.size()))
    size *= 2;
  std::vector<GifColorType> colours(size_t(size), GifColorType{0, 0, 0});
  for (size_t i = 0; i < Palette.size(); ++i)
    colours[i] = GifColorType{GifByteType(qRed(Palette[i])), GifByteType(qGreen(Palette[i])),
                              GifByteType(qBlue(Palette[i]))};
  return GifMakeMapObject(size, colours.data());
}

void PutControl(GifFileType* Gif, const GifFrame& Frame) {
  GraphicsControlBlock control{};
  control.DisposalMode = Frame.Disposal;
  control.DelayTime = Frame.DelayCs;
  control.TransparentColor = Frame.Transparent;
  GifByteType bytes[4];
  const size_t length = EGifGCBToExtension(&control, bytes);
  Check(EGifPutExtension(Gif, GRAPHICS_EXT_FUNC_CODE, int(length), bytes), "control");
}

void PutLoops(GifFileType* Gif, int Loops) {
  const GifByteType loops[3] = {1, GifByteType(Loops & 0xFF), GifByteType(Loops >> 8)};
  Check(EGifPutExtensionLeader(Gif, APPLICATION_EXT_FUNC_CODE), "loop leader");
  Check(EGifPutExtensionBlock(Gif, 11, "NETSCAPE2.0"), "loop name");
  Check(EGifPutExtensionBlock(Gif, 3, loops), "loop count");
  Check(EGifPutExtensionTrailer(Gif), "loop trailer");
}

void PutFrame(GifFileType* Gif, const GifFrame& Frame) {
  PutControl(Gif, Frame);
  ColorMapObject* local = MakeMap(Frame.LocalPalette);
  const int rc = EGifPutImageDesc(Gif, Frame.Left, Frame.Top, Frame.Width, Frame.Height,
                                  Frame.Interlace, local);
  GifFreeMapObject(local);
  Check(rc, "image");
  // An interlaced frame stores its rows pass by pass; the encoder takes them in that order.
  std::vector<int> rows;
  if (Frame.Interlace) {
    for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
      for (int y = start; y < Frame.Height; y += step)
        rows.push_back(y);
  } else {
    for (int y = 0; y < Frame.Height; ++y)
      rows.push_back(y);
  }
  for (int y : rows) {
    std::vector<GifPixelType> line(Frame.Pixels.begin() + y * Frame.Width,
                                   Frame.Pixels.begin() + (y + 1) * Frame.Width);
    Check(EGifPutLine(Gif, line.data(), Frame.Width), "line");
  }
}

} // namespace

QByteArray EncodeGif(const Gif& Description) {
  QByteArray out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, AppendToArray, &error);
  if (!gif)
    throw std::runtime_error("GIF fixture: open");
  EGifSetGifVersion(gif, true);
  ColorMapObject* global = MakeMap(Description.GlobalPalette);
  const int rc = EGifPutScreenDesc(gif, Description.Width, Description.Height, 8, 0, global);
  GifFreeMapObject(global);
  Check(rc, "screen");
  if (Description.Loops >= 0)
    PutLoops(gif, Description.Loops);
  for (const GifFrame& frame : Description.Frames)
    PutFrame(gif, frame);
  Check(EGifCloseFile(gif, &error), "close");
  return out;
}

QByteArray SolidGif(int Width, int Height, QRgb Colour) {
  Gif description;
  description.Width = Width;
  description.Height = Height;
  description.GlobalPalette = {Colour};
  GifFrame frame;
  frame.Width = Width;
  frame.Height = Height;
  frame.Pixels.assign(size_t(Width) * size_t(Height), 0);
  description.Frames.push_back(frame);
  return EncodeGif(description);
}

namespace {

// Encodes with libjpeg's defaults, or with Script's scans when one is given.
QByteArray Encode(const QImage& Picture, int Quality, bool Grey,
                  const std::vector<jpeg_scan_info>* Script) {
  const QImage rgb = Picture.convertToFormat(QImage::Format_RGB888);
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(rgb.width());
  info.image_height = JDIMENSION(rgb.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  if (Grey)
    jpeg_set_colorspace(&info, JCS_GRAYSCALE);
  jpeg_set_quality(&info, Quality, TRUE);
  if (Script != nullptr) {
    info.scan_info = Script->data();
    info.num_scans = int(Script->size());
  }
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
  free(buffer);
  return out;
}

} // namespace

QByteArray EncodeJpeg(const QImage& Picture, int Quality, bool Grey) {
  return Encode(Picture, Quality, Grey, nullptr);
}

// Every scan must carry on the progression where the scans before left it, or libjpeg warns and
// the picture is refused for that instead: one DC scan of all three components, then each AC
// coefficient of each component alone, first at a coarse bit and then refined bit by bit.
QByteArray EncodeProgressiveJpeg(int Scans) {
  std::vector<jpeg_scan_info> script{{3, {0, 1, 2, 0}, 0, 0, 0, 0}};
  constexpr int Units = 3 * 63;
  constexpr int MostScansPerUnit = 11; // the encoder refines 8-bit samples from bit 10 down
  int left = Scans - 1;
  for (int unit = 0; unit < Units && left > 0; ++unit) {
    const int depth = std::min(MostScansPerUnit, (left + Units - unit - 1) / (Units - unit));
    const int component = unit / 63, coefficient = 1 + unit % 63;
    script.push_back({1, {component, 0, 0, 0}, coefficient, coefficient, 0, depth - 1});
    for (int bit = depth - 1; bit > 0; --bit)
      script.push_back({1, {component, 0, 0, 0}, coefficient, coefficient, bit, bit - 1});
    left -= depth;
  }
  if (int(script.size()) != Scans)
    throw std::invalid_argument("no progressive scan script of that length");
  return Encode(Gradient(16, 16), 95, false, &script);
}

QByteArray EncodeSlowJpeg(int Side, int Scans) {
  const std::vector<jpeg_scan_info> script{{1, {}, 0, 0, 0, 0}, {1, {}, 1, 63, 0, 0}};
  QImage flat(Side, Side, QImage::Format_RGB32);
  flat.fill(Qt::gray);
  const QByteArray file = Encode(flat, 95, true, &script).chopped(2);
  // The AC scan runs from its Huffman table (entropy data never holds FF C4) to the end marker.
  return file + file.mid(file.lastIndexOf("\xFF\xC4")).repeated(Scans - 2) + "\xFF\xD9";
}

QByteArray EncodeInkJpeg(int Width, int Height, const unsigned char (&Inks)[4], bool Ycck) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(Width);
  info.image_height = JDIMENSION(Height);
  info.input_components = 4;
  info.in_color_space = JCS_CMYK;
  jpeg_set_defaults(&info);
  jpeg_set_colorspace(&info, Ycck ? JCS_YCCK : JCS_CMYK);
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row;
  for (int x = 0; x < Width; ++x)
    row.insert(row.end(), std::begin(Inks), std::end(Inks));
  while (info.next_scanline < info.image_height) {
    JSAMPROW line = row.data();
    jpeg_write_scanlines(&info, &line, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
  free(buffer);
  return out;
}

QByteArray EncodeBmp(const QImage& Picture) {
  QByteArray out;
  QBuffer buffer(&out);
  buffer.open(QIODevice::WriteOnly);
  Picture.save(&buffer, "BMP");
  return out;
}

QImage Gradient(int Width, int Height) {
  QImage picture(Width, Height, QImage::Format_RGB32);
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x)
      picture.setPixel(
          x, y, qRgb(x * 255 / std::max(1, Width - 1), y * 255 / std::max(1, Height - 1), 128));
  return picture;
}

QRgb FaceColour(int Index) {
  return qRgb((Index * 67 + 30) % 256, (Index * 151 + 90) % 256, (Index * 29 + 200) % 256);
}

CardSet MakeCardSet(const QString& Title, qint32 ImageKind, int Count) {
  CardSet set;
  set.Header.CardWidth = 64;
  set.Header.CardHeight = 48;
  set.Header.ImageCount = Count;
  set.Header.ImageKind = ImageKind;
  set.Header.Title = Title;
  set.Header.AdLink = QStringLiteral("https://example.org/") + Title;
  QImage advert(8, 4, QImage::Format_RGB32);
  advert.fill(qRgb(10, 20, 30));
  QImage back(6, 6, QImage::Format_RGB32);
  back.fill(qRgb(200, 0, 0));
  set.Advert = EncodeBmp(advert);
  set.Back = EncodeBmp(back);
  for (int k = 0; k < Count; ++k) {
    QImage face(16, 12, QImage::Format_RGB32);
    face.fill(FaceColour(k));
    if (ImageKind == TCardSetHeader::GifKind)
      set.Faces.push_back(SolidGif(16, 12, FaceColour(k)));
    else if (ImageKind == TCardSetHeader::JpegKind)
      set.Faces.push_back(EncodeJpeg(face));
    else
      set.Faces.push_back(EncodeBmp(face));
  }
  return set;
}

QByteArray BuildCardSet(const CardSet& Set) {
  TKVResWriter writer;
  const QByteArray header = Set.Header.ToBytes();
  if (Set.CompressHeader)
    writer.AddCompressed(header);
  else
    writer.AddPlain(header);
  writer.AddBitmap(Set.Advert);
  writer.AddBitmap(Set.Back);
  for (const QByteArray& face : Set.Faces)
    writer.AddCompressed(face);
  return writer.ToBytes();
}

void WriteFile(const QString& Path, const QByteArray& Bytes) {
  QFile file(Path);
  if (!file.open(QIODevice::WriteOnly) || file.write(Bytes) != Bytes.size())
    throw std::runtime_error("cannot write " + Path.toStdString());
}

} // namespace fixtures
