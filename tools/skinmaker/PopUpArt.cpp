#include "PopUpArt.h"

#include "Captions.h"
#include "FrameArt.h"
#include "Materials.h"
#include "Ornaments.h"
#include "SkinLayout.h"
#include "Translation.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace skinart {

namespace {

void CloseSides(QImage& Image, int Y0, int Y1) {
  const int w = Image.width();
  BlendColumn(Image, 0, Y0, Y1, palette::Outline, 0.9);
  BlendColumn(Image, 1, Y0 + 1, Y1 - 1, palette::Cream, 0.2);
  BlendColumn(Image, w - 1, Y0, Y1, palette::Outline, 0.9);
  BlendColumn(Image, w - 2, Y0 + 1, Y1 - 1, palette::Outline, 0.2);
}

// The rails run on into the band through rows Y0..Y1; InlayRow is where the band's brass line
// turns into the rails' brass columns.
void JoinRails(QImage& Image, int Y0, int Y1, int InlayRow) {
  const QImage left = PopUpLeftRail();
  const QImage right = PopUpRightRail();
  const int x0 = Image.width() - right.width();
  for (int y = Y0; y <= Y1; ++y) {
    for (int x = 0; x < left.width(); ++x)
      Image.setPixel(x, y, left.pixel(x, y % left.height()));
    for (int x = 0; x < right.width(); ++x)
      Image.setPixel(x0 + x, y, right.pixel(x, y % right.height()));
  }
  BlendPixel(Image, left.width() - 1, InlayRow, palette::BrassMid, 0.95);
  BlendPixel(Image, x0, InlayRow, palette::BrassMid, 0.95);
}

} // namespace

QImage PopUpTitleStrip() {
  const QSize size = skinlayout::popup::TitleStripSize;
  QImage image(size, QImage::Format_RGB32);
  PaintTitleBand(image, true);
  CloseSides(image, 0, size.height() - 3);
  JoinRails(image, size.height() - 2, size.height() - 1, size.height() - 2);
  QPainter painter(&image);
  PreparePainter(painter);
  DrawEmblem(painter, QRectF(8, 4, 15, 14));
  DrawGoldText(painter, QRectF(28, 0, 200, size.height() - 2), QStringLiteral("Kovalent Tesselo"),
               SerifFont(12, true), Qt::AlignLeft | Qt::AlignVCenter);
  const QRect exit = skinlayout::popup::ExitArea.Rect;
  DrawRubyButton(painter, exit, 3);
  const QRectF cross = QRectF(exit).adjusted(4, 3.5, -3, -3.5);
  painter.setPen(QPen(palette::Cream, 1.6, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(cross.topLeft(), cross.bottomRight());
  painter.drawLine(cross.topRight(), cross.bottomLeft());
  return image;
}

QImage PopUpLeftRail() {
  return LeftRail();
}
QImage PopUpRightRail() {
  return RightRail();
}

QImage PopUpBottom() {
  const QSize size = skinlayout::popup::BottomSize;
  QImage image(size, QImage::Format_RGB32);
  PaintBottomBand(image, true);
  CloseSides(image, 2, size.height() - 1);
  JoinRails(image, 0, 1, 1);
  return image;
}

QImage PopUpCloseButton() {
  const QRect place = skinlayout::popup::CloseButton;
  const int bandTop = skinlayout::popup::Size.height() - skinlayout::popup::BottomSize.height();
  QImage image = PopUpBottom().copy(place.translated(0, -bandTop));
  QPainter painter(&image);
  PreparePainter(painter);
  const QRect button(0, 0, place.width() - 1, place.height() - 1);
  DrawBrassButton(painter, button, 4);
  const QString caption = Translated(skinlayout::CloseText);
  DrawEngravedText(painter, QRectF(button).adjusted(0, -0.5, 1, -0.5), caption,
                   FittingFont(caption, SansFont(11, true), button.width() - 4,
                               QStringLiteral("the pop-ups' close button")));
  return image;
}

QImage PopUpTitle(const QString& Text, const QString& Place) {
  const QSize size = skinlayout::popup::TitleSize;
  QImage image(size, QImage::Format_RGB32);
  PaintFelt(image, QPoint((skinlayout::popup::Size.width() - size.width()) / 2,
                          skinlayout::popup::TitleTop));
  QPainter painter(&image);
  PreparePainter(painter);
  // The flourishes give way to a long title, down to 20 pixels each; the title never runs
  // into them.
  constexpr double Edge = 4, ShortestFlourish = 20, Gap = 4;
  const QFont font = FittingFont(Text, SerifFont(17, true, true),
                                 size.width() - 2 * (Edge + ShortestFlourish + Gap), Place);
  const double inner =
      std::min(54.0, (size.width() - QFontMetricsF(font).horizontalAdvance(Text)) / 2 - Gap);
  const double y = size.height() / 2.0 + 0.5;
  DrawFlourish(painter, QPointF(Edge, y), QPointF(inner, y), palette::Gold);
  DrawFlourish(painter, QPointF(size.width() - inner, y), QPointF(size.width() - Edge, y),
               palette::Gold);
  DrawGoldText(painter, QRectF(0, 0, size.width(), size.height()), Text, font);
  return image;
}

} // namespace skinart
