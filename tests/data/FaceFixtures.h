// Pictures and card sets made on the spot for the card-set tests: GIFs written with giflib's
// encoder frame by frame (so every disposal and transparency case is exact), JPEGs with
// libjpeg, BMPs with Qt, and card-set files with the archive writer.
#pragma once

#include "CardSetHeader.h"

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QString>

#include <vector>

namespace fixtures {

struct GifFrame {
  int Left = 0, Top = 0, Width = 1, Height = 1;
  std::vector<unsigned char> Pixels; // palette indexes, row by row
  std::vector<QRgb> LocalPalette;    // empty: the frame uses the global palette
  int Disposal = 0;                  // 0 unspecified, 1 keep, 2 background, 3 previous
  int DelayCs = 0;
  int Transparent = -1;
  bool Interlace = false;
};

struct Gif {
  int Width = 1, Height = 1;
  std::vector<QRgb> GlobalPalette; // empty: no global palette
  std::vector<GifFrame> Frames;
  int Loops = -1; // -1: no loop extension
};

QByteArray EncodeGif(const Gif& Description);
// A one-frame GIF of the given size in a single colour.
QByteArray SolidGif(int Width, int Height, QRgb Colour);
QByteArray EncodeJpeg(const QImage& Picture, int Quality = 95, bool Grey = false);
// A 16 x 16 progressive colour JPEG of the gradient in exactly Scans scans (1 to 2080).
QByteArray EncodeProgressiveJpeg(int Scans);
// A Side x Side grey progressive JPEG of Scans scans (2 to 1000), the AC scan repeated (which is
// allowed): quick to make, slow to decode.
QByteArray EncodeSlowJpeg(int Side, int Scans);
// A CMYK JPEG in one ink mix, stored as Photoshop does (Adobe marker, inverted inks: 255 is
// no ink); Ycck stores it in the YCCK colour space.
QByteArray EncodeInkJpeg(int Width, int Height, const unsigned char (&Inks)[4], bool Ycck);
QByteArray EncodeBmp(const QImage& Picture);
// A picture whose every pixel has its own colour, to show that nothing was moved.
QImage Gradient(int Width, int Height);

struct CardSet {
  TCardSetHeader Header;
  QByteArray Advert;
  QByteArray Back;
  std::vector<QByteArray> Faces;
  bool CompressHeader = false;
};

// A set of Count faces of the header's kind, each face a solid picture in its own colour
// FaceColour(k) (k from 0); advert and back are small BMPs.
CardSet MakeCardSet(const QString& Title, qint32 ImageKind, int Count);
QRgb FaceColour(int Index);
QByteArray BuildCardSet(const CardSet& Set);
void WriteFile(const QString& Path, const QByteArray& Bytes);

} // namespace fixtures
