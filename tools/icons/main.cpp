// Writes the desktop's icons at the sizes of its icon theme.
//
//   tesselo_icons EMBLEM.png SIZE OUT.png [SIZE OUT.png ...]
//   tesselo_icons --card-set SIZE OUT.png [SIZE OUT.png ...]
//
// The first form scales the game's emblem to SIZE x SIZE pixels with area averaging, so thin
// lines fade instead of breaking up. The second draws the icon of a card-set file at each size:
// two card backs fanned behind a face, drawn anew for every size so its edges stay sharp.
// Every run gives the same bytes.
#include "CardArt.h"
#include "Ornaments.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdio>
#include <functional>

namespace {

// The card-set icon is drawn on a canvas of this many units a side.
constexpr double CanvasUnits = 256;

int Fail(const char* Text, const QString& Subject) {
  std::fprintf(stderr, "tesselo_icons: %s %s\n", Text, qPrintable(Subject));
  return 1;
}

QImage ScaledEmblem(const QImage& Emblem, int Size) {
  return Emblem.scaled(Size, Size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_ARGB32);
}

// A hand of three cards standing on their lower edge, as a file of cards: the backs lean out
// to either side, the face stands in front.
QImage CardSetIcon(int Size) {
  QImage icon(Size, Size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  skinart::PreparePainter(painter);
  painter.scale(Size / CanvasUnits, Size / CanvasUnits);
  const QRectF card(-58, -164, 116, 164);
  for (const double lean : {-17.0, 17.0}) {
    painter.save();
    painter.translate(128, 236);
    painter.rotate(lean);
    skinart::DrawCardBack(painter, card.translated(0, -8));
    painter.restore();
  }
  painter.translate(128, 244);
  skinart::DrawCardFace(painter, card, skinart::TMotif::Sun);
  painter.end();
  return icon.convertToFormat(QImage::Format_ARGB32);
}

// Writes Draw(SIZE) to OUT for each SIZE OUT pair of Pairs.
int WriteSizes(int Count, char** Pairs, const std::function<QImage(int)>& Draw) {
  for (int i = 0; i + 1 < Count; i += 2) {
    bool ok = false;
    const int size = QString::fromLocal8Bit(Pairs[i]).toInt(&ok);
    const QString out = QString::fromLocal8Bit(Pairs[i + 1]);
    if (!ok || size < 1 || size > 1024)
      return Fail("is not an icon size from 1 to 1024:", QString::fromLocal8Bit(Pairs[i]));
    // Quality 0 asks for the strongest compression; the pixels are the same.
    if (!Draw(size).save(out, "PNG", 0))
      return Fail("cannot write", out);
  }
  return 0;
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 4 || argc % 2 != 0) {
    std::fputs("Usage: tesselo_icons EMBLEM.png|--card-set SIZE OUT.png [SIZE OUT.png ...]\n",
               stderr);
    return 1;
  }
  const QString first = QString::fromLocal8Bit(argv[1]);
  if (first == QLatin1String("--card-set"))
    return WriteSizes(argc - 2, argv + 2, CardSetIcon);
  QImage emblem(first);
  if (emblem.isNull())
    return Fail("cannot read", first);
  emblem = emblem.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return WriteSizes(argc - 2, argv + 2, [&emblem](int Size) { return ScaledEmblem(emblem, Size); });
}
