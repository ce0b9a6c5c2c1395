#include "CoverArt.h"

#include "Captions.h"
#include "CardArt.h"
#include "Materials.h"
#include "Ornaments.h"
#include "SkinLayout.h"

#include <QCoreApplication>
#include <QPainter>
#include <QRadialGradient>

namespace skinart {

namespace {

void DrawFrame(QPainter& Painter, const QImage& Wood, QSize Size) {
  const QRectF outer(0.5, 0.5, Size.width() - 1, Size.height() - 1);
  Painter.save();
  Painter.drawImage(0, 0, Wood);
  Painter.setBrush(Qt::NoBrush);
  Painter.setPen(QPen(palette::Outline, 1));
  Painter.drawRect(outer);
  Painter.setPen(QPen(QColor(255, 240, 200, 70), 1));
  Painter.drawRect(outer.adjusted(1, 1, -1, -1));
  Painter.restore();
}

void DrawSpotlitFelt(QPainter& Painter, const QRect& Area) {
  QImage felt(Area.size(), QImage::Format_RGB32);
  PaintFelt(felt, skinlayout::mainform::CoverPlace + Area.topLeft());
  Painter.drawImage(Area.topLeft(), felt);
  QRadialGradient light(QPointF(Area.center().x(), Area.top() + Area.height() * 0.42),
                        Area.width() * 0.62);
  light.setColorAt(0.0, QColor(255, 255, 210, 40));
  light.setColorAt(0.55, QColor(0, 0, 0, 0));
  light.setColorAt(1.0, QColor(0, 0, 0, 150));
  Painter.fillRect(Area, light);
  // Brass inlay round the felt, with a shadow where the felt meets the wood.
  Painter.setBrush(Qt::NoBrush);
  Painter.setPen(QPen(QColor(0, 0, 0, 120), 2));
  Painter.drawRect(QRectF(Area).adjusted(1, 1, -1, -1));
  Painter.setPen(QPen(palette::BrassMid, 1));
  Painter.drawRect(QRectF(Area).adjusted(-0.5, -0.5, 0.5, 0.5));
}

void DrawFan(QPainter& Painter, const QPointF& Pivot) {
  const QSizeF card(76, 104);
  const TMotif motifs[] = {TMotif::Heart, TMotif::Star, TMotif::Sun, TMotif::Sun, TMotif::Moon};
  const int count = 5;
  for (int i = 0; i < count; ++i) {
    Painter.save();
    Painter.translate(Pivot);
    Painter.rotate(-40 + i * 20);
    const QRectF box(-card.width() / 2, -card.height() - 110, card.width(), card.height());
    if (i == 1)
      DrawCardBack(Painter, box);
    else
      DrawCardFace(Painter, box, motifs[i]);
    Painter.restore();
  }
}

void DrawTitle(QPainter& Painter, const QRect& Area) {
  DrawGoldText(Painter, QRectF(Area.left(), Area.top() + 10, Area.width(), 48),
               QStringLiteral("Kovalent Tesselo"), SerifFont(40, true));
  const double y = Area.top() + 66.5;
  const double mid = Area.center().x() + 0.5;
  DrawFlourish(Painter, QPointF(mid - 150, y), QPointF(mid - 8, y), palette::Gold);
  DrawFlourish(Painter, QPointF(mid + 8, y), QPointF(mid + 150, y), palette::Gold);
  const QString motto =
      QCoreApplication::translate("TMainForm", "The card game of memory and matching pairs");
  DrawRaisedText(Painter, QRectF(Area.left(), Area.top() + 72, Area.width(), 20), motto,
                 FittingFont(motto, SerifFont(14, false, true), Area.width() - 20,
                             QStringLiteral("the cover's motto")),
                 palette::Cream);
}

void DrawInvitation(QPainter& Painter, const QRect& Area) {
  const QRectF ribbon(Area.left() + 40, Area.bottom() - 34, Area.width() - 80, 24);
  Painter.save();
  Painter.setPen(QPen(QColor(206, 168, 84, 200), 1));
  Painter.setBrush(QColor(8, 30, 16, 190));
  Painter.drawRoundedRect(ribbon, 11, 11);
  Painter.restore();
  // The site's name is not translated; the words around it are.
  const QString invitation = QCoreApplication::translate("TMainForm", "New card sets at %1")
                                 .arg(QStringLiteral("tesselo.kovalent.example"));
  DrawRaisedText(Painter, ribbon, invitation,
                 FittingFont(invitation, SansFont(12, true), ribbon.width() - 16,
                             QStringLiteral("the cover's ribbon")),
                 QColor(190, 240, 120));
}

} // namespace

QImage Cover() {
  const QSize size = skinlayout::mainform::CoverSize;
  QImage image(size, QImage::Format_RGB32);
  PaintWood(image, image.rect(), TGrain::Horizontal, PanelWoodSeed, true);
  QPainter painter(&image);
  PreparePainter(painter);
  DrawFrame(painter, image.copy(), size);
  const QRect area = skinlayout::mainform::CoverAdArea;
  DrawSpotlitFelt(painter, area);
  painter.setClipRect(area);
  DrawFan(painter, QPointF(area.center().x() + 0.5, area.bottom() + 70));
  painter.setClipping(false);
  DrawTitle(painter, area);
  DrawInvitation(painter, area);
  for (const QPointF& corner :
       {QPointF(5.5, 5.5), QPointF(size.width() - 6.5, 5.5), QPointF(5.5, size.height() - 6.5),
        QPointF(size.width() - 6.5, size.height() - 6.5)})
    DrawRivet(painter, corner, 2.6);
  return image;
}

} // namespace skinart
