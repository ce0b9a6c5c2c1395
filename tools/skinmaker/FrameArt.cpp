#include "FrameArt.h"

#include "Materials.h"
#include "Ornaments.h"
#include "SkinLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace skinart {

namespace {

QImage Blank(int Width, int Height) {
  QImage image(Width, Height, QImage::Format_RGB32);
  image.fill(palette::WoodMid);
  return image;
}

// Across-grain profile of the rails, outermost column first: rim, light edge, wood, brass
// inlay, shadow on the felt.
void PaintRailColumns(QImage& Target, int Y0, int Y1, bool Mirrored) {
  const int w = Target.width();
  auto column = [&](int i) { return Mirrored ? w - 1 - i : i; };
  BlendColumn(Target, column(0), Y0, Y1, palette::Outline, 0.9);
  BlendColumn(Target, column(1), Y0, Y1, palette::Cream, 0.22);
  BlendColumn(Target, column(3), Y0, Y1, palette::BrassMid, 0.95);
  BlendColumn(Target, column(4), Y0, Y1, palette::FeltShade, 0.85);
}

QImage Rail(bool Mirrored) {
  const QSize size(skinlayout::mainform::RailWidth, skinlayout::mainform::EdgeTileLength);
  QImage image = Blank(size.width(), size.height());
  PaintWood(image, image.rect(), TGrain::Vertical, RailWoodSeed, false);
  if (Mirrored)
    image = image.mirrored(true, false);
  PaintRailColumns(image, 0, size.height() - 1, Mirrored);
  return image;
}

// The rails run on into the corners where the bars' inlay meets them.
// InlayRow is the row of the bar's brass line, which turns into the rail's brass column.
void PaintRailJoint(QImage& Target, int Y0, int Y1, int InlayRow, bool Right) {
  QImage rail = Rail(Right);
  const int x0 = Right ? Target.width() - skinlayout::mainform::RailWidth : 0;
  for (int y = Y0; y <= Y1; ++y)
    for (int x = 0; x < skinlayout::mainform::RailWidth; ++x)
      Target.setPixel(x0 + x, y, rail.pixel(x, y % rail.height()));
  const int inner = Right ? x0 : x0 + skinlayout::mainform::RailWidth - 1;
  BlendPixel(Target, inner, InlayRow, palette::BrassMid, 0.95);
}

void CloseOuterSide(QImage& Target, int Y0, int Y1, bool Right) {
  const int x = Right ? Target.width() - 1 : 0;
  BlendColumn(Target, x, Y0, Y1, palette::Outline, 0.9);
  BlendColumn(Target, Right ? x - 1 : x + 1, Y0 + 1, Y1 - 1,
              Right ? palette::Outline : palette::Cream, 0.2);
}

void DrawWindowButtonGlyphs(QPainter& Painter) {
  const QRectF help = QRectF(skinlayout::mainform::HelpArea.Rect).adjusted(0, -0.5, 1, 0.5);
  DrawEngravedText(Painter, help, QStringLiteral("?"), SansFont(9, true));
  const QRect mini = skinlayout::mainform::MiniArea.Rect;
  Painter.setPen(QPen(palette::Engraving, 2.0, Qt::SolidLine, Qt::FlatCap));
  Painter.drawLine(QPointF(mini.left() + 3.5, mini.top() + 9.0),
                   QPointF(mini.right() - 2.5, mini.top() + 9.0));
  const QRectF exit = QRectF(skinlayout::mainform::ExitArea.Rect).adjusted(4, 3.5, -3, -3.5);
  Painter.setPen(QPen(palette::Cream, 1.6, Qt::SolidLine, Qt::RoundCap));
  Painter.drawLine(exit.topLeft(), exit.bottomRight());
  Painter.drawLine(exit.topRight(), exit.bottomLeft());
}

} // namespace

void PaintTitleBand(QImage& Target, bool AlongVaries) {
  const int w = Target.width();
  const int h = Target.height();
  PaintWood(Target, Target.rect(), TGrain::Horizontal, TopWoodSeed, AlongVaries);
  BlendRow(Target, 0, 0, w - 1, palette::Outline, 0.9);
  BlendRow(Target, 1, 0, w - 1, palette::Cream, 0.28);
  BlendRow(Target, 2, 0, w - 1, palette::Cream, 0.1);
  BlendRow(Target, h - 5, 0, w - 1, palette::Outline, 0.08);
  BlendRow(Target, h - 4, 0, w - 1, palette::Outline, 0.16);
  BlendRow(Target, h - 3, 0, w - 1, palette::Outline, 0.26);
  BlendRow(Target, h - 2, 0, w - 1, palette::BrassMid, 0.95);
  BlendRow(Target, h - 1, 0, w - 1, palette::FeltShade, 0.85);
}

void PaintBottomBand(QImage& Target, bool AlongVaries) {
  const int w = Target.width();
  const int h = Target.height();
  PaintWood(Target, Target.rect(), TGrain::Horizontal, BottomWoodSeed, AlongVaries);
  BlendRow(Target, 0, 0, w - 1, palette::FeltShade, 0.85);
  BlendRow(Target, 1, 0, w - 1, palette::BrassMid, 0.95);
  BlendRow(Target, 2, 0, w - 1, palette::Outline, 0.45);
  BlendRow(Target, 3, 0, w - 1, palette::Cream, 0.26);
  BlendRow(Target, 4, 0, w - 1, palette::Cream, 0.14);
  BlendRow(Target, 5, 0, w - 1, palette::Cream, 0.06);
  for (int i = 0; i < 4; ++i)
    BlendRow(Target, h - 6 + i, 0, w - 1, palette::Outline, 0.06 + 0.07 * i);
  BlendRow(Target, h - 2, 0, w - 1, palette::Outline, 0.45);
  BlendRow(Target, h - 1, 0, w - 1, palette::Outline, 0.9);
}

QImage TitleBarLeft() {
  const QString title = QStringLiteral("Kovalent Tesselo");
  const QFont font = SerifFont(13, true);
  const int textLeft = 27;
  const int width = textLeft + QFontMetrics(font).horizontalAdvance(title) + 14;
  QImage image = Blank(width, skinlayout::mainform::TitleHeight);
  PaintTitleBand(image, true);
  CloseOuterSide(image, 0, skinlayout::mainform::TitleHeight - 3, false);
  PaintRailJoint(image, skinlayout::mainform::TitleHeight - 2,
                 skinlayout::mainform::TitleHeight - 1, skinlayout::mainform::TitleHeight - 2,
                 false);
  QPainter painter(&image);
  PreparePainter(painter);
  DrawEmblem(painter, QRectF(8, 3.5, 15, 13.5));
  DrawGoldText(painter,
               QRectF(textLeft, 0, width - textLeft, skinlayout::mainform::TitleHeight - 2), title,
               font, Qt::AlignLeft | Qt::AlignVCenter);
  return image;
}

QImage TitleBarEdge() {
  QImage image = Blank(skinlayout::mainform::EdgeTileLength, skinlayout::mainform::TitleHeight);
  PaintTitleBand(image, false);
  return image;
}

QImage WindowButtons() {
  const QSize size = skinlayout::mainform::WindowButtonsSize;
  QImage image = Blank(size.width(), size.height());
  PaintTitleBand(image, true);
  CloseOuterSide(image, 0, size.height() - 3, true);
  PaintRailJoint(image, size.height() - 2, size.height() - 1, size.height() - 2, true);
  QPainter painter(&image);
  PreparePainter(painter);
  DrawBrassButton(painter, skinlayout::mainform::HelpArea.Rect, 3);
  DrawBrassButton(painter, skinlayout::mainform::MiniArea.Rect, 3);
  DrawRubyButton(painter, skinlayout::mainform::ExitArea.Rect, 3);
  DrawWindowButtonGlyphs(painter);
  return image;
}

QImage LeftRail() {
  return Rail(false);
}
QImage RightRail() {
  return Rail(true);
}

namespace {
QImage BottomCorner(bool Right) {
  const QSize size = skinlayout::mainform::BottomCornerSize;
  QImage image = Blank(size.width(), size.height());
  PaintBottomBand(image, true);
  CloseOuterSide(image, 2, size.height() - 1, Right);
  PaintRailJoint(image, 0, 1, 1, Right);
  QPainter painter(&image);
  PreparePainter(painter);
  const double x = Right ? size.width() - 6.5 : 6.5;
  DrawRivet(painter, QPointF(x, 14.5), 2.6);
  DrawRivet(painter, QPointF(x, size.height() - 14.5), 2.6);
  return image;
}
} // namespace

QImage BottomLeft() {
  return BottomCorner(false);
}
QImage BottomRight() {
  return BottomCorner(true);
}

QImage BottomEdge() {
  QImage image = Blank(skinlayout::mainform::EdgeTileLength, skinlayout::mainform::BottomHeight);
  PaintBottomBand(image, false);
  return image;
}

} // namespace skinart
