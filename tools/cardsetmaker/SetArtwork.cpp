#include "SetArtwork.h"

#include "ArtKit.h"
#include "ShapeFaces.h"

#include "DefaultArt.h"

#include <QFont>
#include <QFontMetrics>
#include <QRadialGradient>

#include <cmath>

namespace {

const QRectF BackRect(0, 0, 120, 90);
const QColor Gold(230, 190, 95);

void BackBase(QPainter& p, QColor centre, QColor edge) {
  QRadialGradient fill(BackRect.center(), 78);
  fill.setColorAt(0, centre);
  fill.setColorAt(1, edge);
  p.fillRect(BackRect, fill);
}

void Frame(QPainter& p, QColor colour) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(colour, 2));
  p.drawRoundedRect(BackRect.adjusted(4, 4, -4, -4), 6, 6);
  p.setPen(QPen(colour, 0.8));
  p.drawRoundedRect(BackRect.adjusted(8, 8, -8, -8), 4, 4);
}

void Medallion(QPainter& p, QColor fill, QColor ring, double radius) {
  p.setPen(QPen(ring, 2));
  p.setBrush(fill);
  p.drawEllipse(BackRect.center(), radius, radius);
}

QImage NewBack() {
  return ArtCanvas({120, 90});
}

// Font at Pixels, or smaller until Text fits the advert's band on one line.
QFont FittingLine(QFont Font, int Pixels, const QString& Text) {
  for (Font.setPixelSize(Pixels); Pixels > 7; Font.setPixelSize(--Pixels))
    if (QFontMetrics(Font).horizontalAdvance(Text) <= 170)
      break;
  return Font;
}

} // namespace

QImage DrawAnimationsBack() {
  QImage image = NewBack();
  QPainter p(&image);
  PrepareArtPainter(p);
  BackBase(p, QColor(80, 50, 150), QColor(25, 15, 60));
  p.setPen(Qt::NoPen);
  for (int row = 0; row < 7; ++row)
    for (int col = 0; col < 10; ++col) {
      const QPointF at(10 + col * 11 + (row % 2) * 5.5, 9 + row * 12);
      p.setBrush(QColor(255, 220, 140, 70));
      p.drawPath(StarPath(at, 3.2, 0.3, 0, 4));
    }
  Frame(p, Gold);
  Medallion(p, QColor(45, 25, 100), Gold, 22);
  QRadialGradient star(BackRect.center(), 18);
  star.setColorAt(0, QColor(255, 245, 170));
  star.setColorAt(1, QColor(240, 170, 40));
  p.setPen(QPen(QColor(150, 90, 20), 1));
  p.setBrush(star);
  p.drawPath(StarPath(BackRect.center() + QPointF(0, 1.5), 17, 0.45, 0));
  return image;
}

QImage DrawWallpapersBack() {
  QImage image = NewBack();
  QPainter p(&image);
  PrepareArtPainter(p);
  BackBase(p, QColor(30, 110, 110), QColor(10, 45, 55));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(180, 240, 230, 45), 1));
  for (double y = 6; y < 90; y += 5) {
    QPainterPath wave;
    wave.moveTo(0, y);
    for (int x = 0; x <= 120; x += 3)
      wave.lineTo(x, y + 1.6 * std::sin(x / 6.0 + y / 3.0));
    p.drawPath(wave);
  }
  Frame(p, Gold);
  Medallion(p, QColor(15, 60, 70), Gold, 22);
  p.save();
  p.setClipPath([] {
    QPainterPath clip;
    clip.addEllipse(BackRect.center(), 21, 21);
    return clip;
  }());
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 200, 90));
  p.drawEllipse(QPointF(68, 38), 6, 6);
  p.setBrush(Gold);
  p.drawPolygon(QPolygonF(
      {QPointF(38, 60), QPointF(52, 36), QPointF(60, 48), QPointF(66, 42), QPointF(84, 60)}));
  p.setBrush(QColor(255, 250, 235));
  p.drawPolygon(QPolygonF({QPointF(48, 43), QPointF(52, 36), QPointF(56, 42), QPointF(53, 41)}));
  p.restore();
  return image;
}

QImage DrawShapesBack() {
  QImage image = NewBack();
  QPainter p(&image);
  PrepareArtPainter(p);
  BackBase(p, QColor(200, 40, 50), QColor(120, 10, 25));
  p.setPen(QPen(QColor(255, 255, 255, 70), 1));
  for (double d = -90; d < 130; d += 8) {
    p.drawLine(QPointF(d, 0), QPointF(d + 90, 90));
    p.drawLine(QPointF(d, 90), QPointF(d + 90, 0));
  }
  Frame(p, QColor(255, 245, 235));
  p.setPen(QPen(QColor(255, 245, 235), 2));
  p.setBrush(QColor(150, 15, 35));
  p.drawRoundedRect(QRectF(38, 23, 44, 44), 8, 8);
  const QList<QColor> colours = ShapeColours();
  const int shapes[] = {0, 1, 2, 4};
  const QColor picks[] = {colours[2], colours[4], colours[3], colours[7]};
  for (int i = 0; i < 4; ++i)
    PaintShape(p, shapes[i], picks[i], QRectF(41 + (i % 2) * 19, 26 + (i / 2) * 19, 19, 19));
  return image;
}

QImage FannedCards(const QList<QImage>& Faces, QColor Table) {
  QImage image = ArtCanvas(AdvertBox, Table);
  QPainter p(&image);
  PrepareArtPainter(p);
  QRadialGradient light(QPointF(89, 60), 110);
  light.setColorAt(0, Table.lighter(150));
  light.setColorAt(1, Table.darker(130));
  p.fillRect(image.rect(), light);
  const int count = int(Faces.size());
  for (int i = 0; i < count; ++i) {
    const double spread = count > 1 ? double(i) / (count - 1) - 0.5 : 0;
    p.save();
    p.translate(89 + spread * 96, 66 + std::abs(spread) * 14);
    p.rotate(spread * 34);
    const QRectF card(-30, -22.5, 60, 45);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRoundedRect(card.translated(2, 3), 3, 3);
    p.setBrush(Qt::white);
    p.drawRoundedRect(card.adjusted(-2, -2, 2, 2), 3, 3);
    p.drawImage(card, Faces[i]);
    p.restore();
  }
  return image;
}

QImage ShapeGrid() {
  QImage image = ArtCanvas(AdvertBox, QColor(250, 247, 238));
  QPainter p(&image);
  PrepareArtPainter(p);
  const QList<QColor> colours = ShapeColours();
  const int shapes[] = {4, 0, 5, 2, 6, 1};
  const int picks[] = {2, 5, 0, 3, 6, 1};
  for (int i = 0; i < 6; ++i)
    PaintShape(p, shapes[i], colours[picks[i]], QRectF(6 + (i % 3) * 56, 4 + (i / 3) * 52, 54, 52));
  return image;
}

QImage Mosaic(const QList<QImage>& Pictures) {
  QImage image = ArtCanvas(AdvertBox, QColor(20, 20, 30));
  QPainter p(&image);
  PrepareArtPainter(p);
  const double w = AdvertBox.width() / 2.0;
  const double h = 112 / 2.0;
  for (qsizetype i = 0; i < Pictures.size() && i < 4; ++i) {
    const QRectF cell(double(i % 2) * w, double(i / 2) * h, w, h);
    const QImage filled = Pictures[i].scaled(cell.size().toSize(), Qt::KeepAspectRatioByExpanding,
                                             Qt::SmoothTransformation);
    p.drawImage(cell, filled,
                QRectF(QPointF((filled.width() - w) / 2, (filled.height() - h) / 2), cell.size()));
  }
  p.setPen(QPen(QColor(20, 20, 30), 2));
  p.drawLine(QPointF(w, 0), QPointF(w, 112));
  p.drawLine(QPointF(0, h), QPointF(178, h));
  return image;
}

QImage DrawAdvert(const QImage& Backdrop, const QString& Title, const QString& Tagline,
                  const QString& Address) {
  QImage image = ArtCanvas(AdvertBox);
  QPainter p(&image);
  PrepareArtPainter(p);
  const QImage filled =
      Backdrop.scaled(AdvertBox, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
  p.drawImage(QPointF((AdvertBox.width() - filled.width()) / 2.0,
                      (AdvertBox.height() - filled.height()) / 2.0),
              filled);
  const QRectF band(0, 112, 178, 58);
  FillVertical(p, band, {{0, QColor(10, 10, 25, 150)}, {1, QColor(10, 10, 25, 230)}});
  p.setPen(QPen(Gold, 1));
  p.drawLine(QPointF(0, 112.5), QPointF(178, 112.5));
  QFont title(QStringLiteral("DejaVu Serif"));
  title.setBold(true);
  p.setFont(FittingLine(title, Title.size() > 14 ? 15 : 19, Title));
  p.setPen(Qt::white);
  p.drawText(QRectF(4, 114, 170, 24), Qt::AlignCenter, Title);
  p.setFont(FittingLine(QFont(QStringLiteral("DejaVu Sans")), 10, Tagline));
  p.setPen(QColor(230, 230, 240));
  p.drawText(QRectF(4, 137, 170, 14), Qt::AlignCenter, Tagline);
  p.setPen(Gold);
  p.drawText(QRectF(4, 152, 170, 14), Qt::AlignCenter, Address);
  return image;
}
