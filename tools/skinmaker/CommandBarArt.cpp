#include "CommandBarArt.h"

#include "Captions.h"
#include "FrameArt.h"
#include "Materials.h"
#include "Ornaments.h"
#include "SkinLayout.h"
#include "Translation.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

namespace skinart {

namespace {

void DrawStatusPlate(QPainter& Painter) {
  const QRectF plate = QRectF(skinlayout::mainform::StatusPlate).adjusted(0.5, 0.5, -0.5, -0.5);
  Painter.save();
  Painter.setPen(Qt::NoPen);
  Painter.setBrush(QColor(0, 0, 0, 80));
  Painter.drawRoundedRect(plate.translated(0, 1.2), 6, 6);
  Painter.setBrush(BrassGradient(plate));
  Painter.setPen(QPen(palette::Outline, 1));
  Painter.drawRoundedRect(plate, 6, 6);
  const QRectF face = plate.adjusted(3, 3, -3, -3);
  QLinearGradient ivory(face.topLeft(), face.bottomLeft());
  ivory.setColorAt(0.0, QColor(214, 202, 170));
  ivory.setColorAt(0.25, palette::Ivory);
  ivory.setColorAt(1.0, QColor(247, 241, 222));
  Painter.setBrush(ivory);
  Painter.setPen(QPen(QColor(120, 92, 40), 0.8));
  Painter.drawRoundedRect(face, 4, 4);
  Painter.restore();
}

// Card suits inlaid in brass across the top of the bar, over the plate.
void DrawSuitInlay(QPainter& Painter) {
  const QString suits[] = {QStringLiteral("\u2660"), QStringLiteral("\u2665"),
                           QStringLiteral("\u2666"), QStringLiteral("\u2663")};
  const double centre = skinlayout::mainform::StatusPlate.center().x() + 0.5;
  const double step = 22;
  for (int i = 0; i < 4; ++i) {
    const double x = centre + (i - 1.5) * step;
    const QRectF box(x - 9, 9, 18, 18);
    Painter.save();
    Painter.setFont(SansFont(14, true));
    Painter.setPen(QColor(20, 10, 4, 200));
    Painter.drawText(box.translated(0, 1), Qt::AlignCenter, suits[i]);
    Painter.setPen(QPen(QBrush(BrassGradient(box.adjusted(0, 3, 0, -3))), 1));
    Painter.drawText(box, Qt::AlignCenter, suits[i]);
    Painter.restore();
  }
  Painter.save();
  Painter.setPen(QPen(QColor(206, 168, 84, 150), 1));
  const double y = 18.5;
  Painter.drawLine(QPointF(84, y), QPointF(centre - 2 * step - 4, y));
  Painter.drawLine(QPointF(centre + 2 * step + 4, y), QPointF(382, y));
  Painter.restore();
}

void DrawPlayGlyph(QPainter& Painter, const QRectF& Box) {
  QPainterPath arrow;
  arrow.moveTo(Box.left(), Box.top());
  arrow.lineTo(Box.right(), Box.center().y());
  arrow.lineTo(Box.left(), Box.bottom());
  arrow.closeSubpath();
  Painter.save();
  Painter.setPen(Qt::NoPen);
  Painter.setBrush(QColor(255, 246, 205, 150));
  Painter.drawPath(arrow.translated(0, 1));
  Painter.setBrush(palette::Engraving);
  Painter.drawPath(arrow);
  Painter.restore();
}

} // namespace

QImage CommandBar() {
  const QSize size = skinlayout::mainform::CommandBarSize;
  QImage image(size, QImage::Format_RGB32);
  PaintBottomBand(image, true);
  QPainter painter(&image);
  PreparePainter(painter);
  DrawSuitInlay(painter);
  DrawStatusPlate(painter);

  // Each caption keeps three pixels clear of its button's rounded ends.
  const QRect exit = skinlayout::mainform::BarExitArea.Rect;
  DrawRubyButton(painter, exit, 6);
  const QString exitText = Translated(skinlayout::ExitText);
  DrawRaisedText(painter, QRectF(exit).adjusted(0, 0, 1, 0), exitText,
                 FittingFont(exitText, SerifFont(14, true), exit.width() - 6,
                             QStringLiteral("the command bar's exit button")),
                 palette::Cream);

  const QRect play = skinlayout::mainform::BarPlayArea.Rect;
  DrawBrassButton(painter, play, 6);
  DrawPlayGlyph(painter, QRectF(play.left() + 10, play.top() + 8.5, 9, 11));
  const QString playText = Translated(skinlayout::mainform::BarPlayArea.Hint);
  const QRectF playBox = QRectF(play).adjusted(20, 0, -3, 0);
  DrawEngravedText(painter, playBox, playText,
                   FittingFont(playText, SerifFont(14, true), playBox.width(),
                               QStringLiteral("the command bar's play button")));

  const QRect options = skinlayout::mainform::BarOptionsArea.Rect;
  DrawBrassButton(painter, options, 4);
  const QString optionsText = Translated(skinlayout::OptionsText);
  DrawEngravedText(painter, QRectF(options).adjusted(0, 0, 1, 0), optionsText,
                   FittingFont(optionsText, SansFont(10, true), options.width() - 4,
                               QStringLiteral("the command bar's options button")));
  return image;
}

QImage AboutPlaque() {
  const QSize size = skinlayout::mainform::AboutPlaqueSize;
  QImage image(size, QImage::Format_RGB32);
  PaintFelt(image, QPoint((skinlayout::mainform::Client.width() - size.width()) / 2,
                          skinlayout::mainform::AboutPlaqueTop));
  QPainter painter(&image);
  PreparePainter(painter);
  const QRectF plate = QRectF(0.5, 0.5, size.width() - 2, size.height() - 2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 90));
  painter.drawRoundedRect(plate.translated(1, 1), 4, 4);
  painter.setBrush(BrassGradient(plate));
  painter.setPen(QPen(palette::Outline, 1));
  painter.drawRoundedRect(plate, 4, 4);
  DrawRivet(painter, QPointF(6, size.height() / 2.0 - 0.5), 1.8);
  DrawRivet(painter, QPointF(size.width() - 7, size.height() / 2.0 - 0.5), 1.8);
  // The lettering stays clear of the rivets at the plate's ends.
  const QString caption = QCoreApplication::translate("TMainForm", "About Kovalent Tesselo");
  DrawEngravedText(painter, plate.adjusted(0, -0.5, 0, -0.5), caption,
                   FittingFont(caption, SansFont(10, true), plate.width() - 24,
                               QStringLiteral("the about plaque")));
  return image;
}

} // namespace skinart
