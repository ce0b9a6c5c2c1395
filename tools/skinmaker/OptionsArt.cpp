#include "OptionsArt.h"

#include "Captions.h"
#include "Materials.h"
#include "Ornaments.h"
#include "SkinLayout.h"
#include "Translation.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace skinart {

namespace {

constexpr int FeltBottom = 254;
const QColor CaptionColour{244, 222, 160};

QRect FeltArea() {
  return QRect(6, 6, skinlayout::options::Size.width() - 12, FeltBottom - 5);
}

void PaintPanelBody(QImage& Image) {
  PaintWood(Image, Image.rect(), TGrain::Horizontal, PanelWoodSeed, true);
  const QRect area = FeltArea();
  QImage felt(area.size(), QImage::Format_RGB32);
  PaintFelt(felt, skinlayout::options::Place + area.topLeft());
  QPainter painter(&Image);
  PreparePainter(painter);
  painter.drawImage(area.topLeft(), felt);
  QRadialGradient shade(QPointF(area.center()), area.width() * 0.7);
  shade.setColorAt(0.0, QColor(0, 0, 0, 30));
  shade.setColorAt(1.0, QColor(0, 0, 0, 130));
  painter.fillRect(area, shade);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0, 0, 0, 130), 2));
  painter.drawRect(QRectF(area).adjusted(1, 1, -1, -1));
  painter.setPen(QPen(palette::BrassMid, 1));
  painter.drawRect(QRectF(area).adjusted(-0.5, -0.5, 0.5, 0.5));
  painter.setPen(QPen(palette::Outline, 1));
  painter.drawRect(QRectF(Image.rect()).adjusted(0.5, 0.5, -0.5, -0.5));
  painter.setPen(QPen(QColor(255, 240, 200, 60), 1));
  painter.drawRect(QRectF(Image.rect()).adjusted(1.5, 1.5, -1.5, -1.5));
  const int h = Image.height();
  for (const QPointF& at : {QPointF(10.5, h - 12.5), QPointF(Image.width() - 11.5, h - 12.5)})
    DrawRivet(painter, at, 2.6);
}

// A sunken, plain field where a control sits: the bevel lies outside the control's rectangle,
// so whatever the control paints covers only the flat colour.
void DrawWell(QPainter& Painter, const QRect& Control) {
  Painter.save();
  Painter.setRenderHint(QPainter::Antialiasing, false);
  Painter.fillRect(Control.adjusted(-2, -2, 2, 2), QColor(20, 14, 8));
  Painter.fillRect(Control.adjusted(-1, -1, 1, 1), QColor(214, 196, 150));
  Painter.fillRect(Control.adjusted(-1, -1, 0, 0), QColor(60, 44, 26));
  Painter.fillRect(Control, palette::Field);
  Painter.restore();
}

QString Tr(const char* Text) {
  return QCoreApplication::translate("TOptionsPanel", Text);
}

void DrawCaption(QPainter& Painter, const QRectF& Box, const QString& Text, const QString& Place,
                 int Flags = Qt::AlignLeft | Qt::AlignBottom) {
  const QFont font = FittingFont(Text, SerifFont(12, true), Box.width(), Place);
  DrawRaisedText(Painter, Box, Text, font, CaptionColour, Flags);
}

void DrawTitle(QPainter& Painter) {
  const double mid = skinlayout::options::Size.width() / 2.0;
  const QString title = Tr(QT_TRANSLATE_NOOP("TOptionsPanel", "Game Options"));
  // The title sits between two flourishes, which keep at least 40 pixels each.
  const double room = 2 * (170 - 40 - 6);
  const QFont font =
      FittingFont(title, SerifFont(21, true), room, QStringLiteral("the options' title"));
  const double half = std::max(84.0, QFontMetricsF(font).horizontalAdvance(title) / 2 + 6);
  DrawGoldText(Painter, QRectF(0, 12, skinlayout::options::Size.width(), 30), title, font);
  DrawFlourish(Painter, QPointF(mid - 170, 27.5), QPointF(mid - half, 27.5), palette::Gold);
  DrawFlourish(Painter, QPointF(mid + half, 27.5), QPointF(mid + 170, 27.5), palette::Gold);
}

void DrawGameColumn(QPainter& Painter) {
  DrawCaption(Painter, QRectF(30, 48, 160, 18), Translated(skinlayout::options::CardsCaption),
              QStringLiteral("the card set list's caption"));
  DrawCaption(Painter, QRectF(30, 96, 160, 18), Translated(skinlayout::options::PairsCaption),
              QStringLiteral("the pairs list's caption"));
  DrawCaption(Painter, QRectF(30, 144, 160, 18),
              Tr(QT_TRANSLATE_NOOP("TOptionsPanel", "Delay (seconds)")),
              QStringLiteral("the delay list's caption"));
  for (const QRect& box : {skinlayout::options::CardsBox, skinlayout::options::PairsBox,
                           skinlayout::options::DelayBox})
    DrawWell(Painter, box);
  const QRect sound = skinlayout::options::SoundCheck;
  DrawWell(Painter, sound);
  DrawCaption(Painter, QRectF(sound.right() + 8, sound.top() - 2, 120, sound.height() + 4),
              Translated(skinlayout::options::SoundCaption),
              QStringLiteral("the sound box's caption"), Qt::AlignLeft | Qt::AlignVCenter);
}

void DrawPlayersColumn(QPainter& Painter) {
  const QRect first = skinlayout::options::PlayerEdits[0];
  DrawCaption(Painter, QRectF(first.left(), 48, 140, 18),
              Tr(QT_TRANSLATE_NOOP("TOptionsPanel", "Players")),
              QStringLiteral("the name fields' caption"));
  for (int i = 0; i < 4; ++i) {
    const QRect edit = skinlayout::options::PlayerEdits[i];
    DrawWell(Painter, edit);
    DrawRaisedText(Painter, QRectF(edit.left() - 22, edit.top(), 16, edit.height()),
                   QString::number(i + 1), SerifFont(12, true), CaptionColour,
                   Qt::AlignRight | Qt::AlignVCenter);
  }
  const QRect computer = skinlayout::options::ComputerCheck;
  DrawWell(Painter, computer);
  DrawCaption(Painter, QRectF(computer.right() + 8, computer.top() - 2, 120, computer.height() + 4),
              Tr(QT_TRANSLATE_NOOP("TOptionsPanel", "Computer")),
              QStringLiteral("the computer box's caption"), Qt::AlignLeft | Qt::AlignVCenter);
}

void DrawLevelScale(QPainter& Painter) {
  const QRect slider = skinlayout::options::LevelSlider;
  DrawCaption(Painter, QRectF(slider.left() + 2, slider.top() - 20, 170, 18),
              Tr(QT_TRANSLATE_NOOP("TOptionsPanel", "Level")),
              QStringLiteral("the level slider's caption"));
  Painter.save();
  const QFont font = SansFont(9);
  for (int i = 0; i <= 10; ++i) {
    const double x = LevelTickX(i) + 0.5;
    const double y = slider.bottom() + 1.5;
    Painter.setPen(QPen(QColor(244, 222, 160, 200), 1));
    Painter.drawLine(QPointF(x, y), QPointF(x, y + (i % 5 == 0 ? 3 : 2)));
    DrawRaisedText(Painter, QRectF(x - 10, y + 3, 20, 11), QString::number(i), font, CaptionColour);
  }
  Painter.restore();
}

void DrawColumnDivider(QPainter& Painter) {
  Painter.save();
  QLinearGradient fade(QPointF(0, 56), QPointF(0, 196));
  fade.setColorAt(0, QColor(206, 168, 84, 0));
  fade.setColorAt(0.5, QColor(206, 168, 84, 150));
  fade.setColorAt(1, QColor(206, 168, 84, 0));
  Painter.setPen(QPen(QBrush(fade), 1));
  Painter.drawLine(QPointF(196.5, 56), QPointF(196.5, 196));
  Painter.restore();
  DrawFlourish(Painter, QPointF(24, 203.5), QPointF(362, 203.5), QColor(206, 168, 84, 170));
}

} // namespace

int LevelTickX(int Value) {
  const QRect slider = skinlayout::options::LevelSlider;
  const double scale = double(slider.width() - 2 * skinlayout::options::SliderInset) / 10.0;
  return slider.left() + skinlayout::options::SliderInset + int(std::nearbyint(Value * scale));
}

QImage OptionsBackground() {
  QImage image(skinlayout::options::Size, QImage::Format_RGB32);
  PaintPanelBody(image);
  QPainter painter(&image);
  PreparePainter(painter);
  DrawTitle(painter);
  DrawColumnDivider(painter);
  DrawGameColumn(painter);
  DrawPlayersColumn(painter);
  DrawLevelScale(painter);
  return image;
}

QImage SliderTrack() {
  QImage image = OptionsBackground().copy(skinlayout::options::LevelSlider);
  QPainter painter(&image);
  PreparePainter(painter);
  const double left = skinlayout::options::SliderInset - 1.5;
  const double right = image.width() - skinlayout::options::SliderInset + 1.5;
  const QRectF groove(left, 7, right - left, 4);
  painter.setPen(QPen(QColor(255, 240, 200, 70), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(groove.translated(0, 1), 2, 2);
  painter.setPen(QPen(palette::Outline, 1));
  QLinearGradient depth(groove.topLeft(), groove.bottomLeft());
  depth.setColorAt(0, QColor(8, 20, 12));
  depth.setColorAt(1, QColor(40, 70, 48));
  painter.setBrush(depth);
  painter.drawRoundedRect(groove, 2, 2);
  return image;
}

QImage SliderThumb() {
  const QSize size = skinlayout::options::SliderThumbSize;
  QImage image(size, QImage::Format_RGB32);
  image.fill(QColor(18, 58, 34));
  QPainter painter(&image);
  PreparePainter(painter);
  const QRectF body(0.5, 0.5, size.width() - 1, size.height() - 1);
  QLinearGradient brass(body.topLeft(), body.topRight());
  brass.setColorAt(0.0, palette::BrassLight);
  brass.setColorAt(0.5, palette::BrassMid);
  brass.setColorAt(1.0, palette::BrassDark);
  painter.setBrush(brass);
  painter.setPen(QPen(palette::Outline, 1));
  painter.drawRoundedRect(body, 2, 2);
  painter.setPen(QPen(palette::Engraving, 1));
  for (double y : {6.5, 9.0, 11.5})
    painter.drawLine(QPointF(2.5, y), QPointF(size.width() - 2.5, y));
  return image;
}

} // namespace skinart
