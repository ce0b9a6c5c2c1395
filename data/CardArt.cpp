#include "CardArt.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

const QColor Paper(250, 246, 234);
const QColor Ink(40, 44, 64);
constexpr int TextFlags = Qt::AlignCenter | Qt::TextWordWrap;

QImage BlankCard(QSize size, qreal Ratio) {
  QImage card(qRound(size.width() * Ratio), qRound(size.height() * Ratio), QImage::Format_RGB32);
  card.setDevicePixelRatio(Ratio);
  card.fill(Paper);
  return card;
}

void DrawEdge(QPainter& painter, const QRect& card) {
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal edge = std::max(1.0, std::min(card.width(), card.height()) / 30.0);
  painter.setPen(QPen(Ink.lighter(250), edge));
  painter.drawRoundedRect(QRectF(card).adjusted(edge, edge, -edge, -edge), 3 * edge, 3 * edge);
}

// The largest letters, from a third of the area's height down, at which Text wrapped at word
// boundaries fits Area; a word wider than the area makes the letters smaller, never is cut.
QFont FittingFont(const QString& Text, const QRect& Area) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  int pixels = std::max(1, Area.height() / 3);
  for (; pixels > 1; --pixels) {
    font.setPixelSize(pixels);
    const QRect needed = QFontMetrics(font).boundingRect(Area, TextFlags, Text);
    if (needed.width() <= Area.width() && needed.height() <= Area.height())
      break;
  }
  font.setPixelSize(pixels);
  return font;
}

void WriteText(QPainter& painter, const QString& Text, const QRect& Area) {
  painter.setFont(FittingFont(Text, Area));
  painter.setPen(Ink);
  painter.drawText(Area, TextFlags, Text);
}

QRect Inside(QSize size) {
  const int margin = std::max(2, std::min(size.width(), size.height()) / 10);
  return QRect(QPoint(0, 0), size).adjusted(margin, margin, -margin, -margin);
}

void DrawSpeaker(QPainter& painter, const QRectF& Area) {
  const qreal unit = std::min(Area.width() / 5, Area.height() / 3);
  const QPointF centre = Area.center() - QPointF(unit, 0);
  QPainterPath speaker;
  speaker.addRect(QRectF(centre.x() - unit * 0.9, centre.y() - unit * 0.4, unit * 0.6, unit * 0.8));
  speaker.moveTo(centre.x() - unit * 0.3, centre.y() - unit * 0.4);
  speaker.lineTo(centre.x() + unit * 0.5, centre.y() - unit * 1.1);
  speaker.lineTo(centre.x() + unit * 0.5, centre.y() + unit * 1.1);
  speaker.lineTo(centre.x() - unit * 0.3, centre.y() + unit * 0.4);
  speaker.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(Ink);
  painter.drawPath(speaker.simplified());
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Ink, std::max(1.0, unit / 6), Qt::SolidLine, Qt::RoundCap));
  for (int wave = 1; wave <= 3; ++wave) {
    const qreal radius = unit * (0.5 + 0.55 * wave);
    const QRectF circle(centre.x() + unit * 0.2 - radius, centre.y() - radius, 2 * radius,
                        2 * radius);
    painter.drawArc(circle, -40 * 16, 80 * 16);
  }
}

// The speaker above, the caption below with room for two lines: a caption such as
// "grenouille (French)" on one line would be too small to read on a board's card.
int SpeakerSplit(const QRect& Inside) {
  return Inside.top() + Inside.height() * 9 / 20;
}

QRect CaptionArea(const QRect& Inside) {
  return QRect(QPoint(Inside.left(), SpeakerSplit(Inside)), Inside.bottomRight());
}

} // namespace

int CardLetterPixels(QSize Size, const QString& Text, bool Sound) {
  const QRect inside = Inside(Size);
  return FittingFont(Text, Sound ? CaptionArea(inside) : inside).pixelSize();
}

QImage DrawWordCard(QSize Size, const QString& Word, qreal Ratio) {
  QImage card = BlankCard(Size, Ratio);
  QPainter painter(&card);
  DrawEdge(painter, QRect(QPoint(0, 0), Size));
  WriteText(painter, Word, Inside(Size));
  painter.end();
  return card;
}

QImage DrawSoundCard(QSize Size, const QString& Caption, qreal Ratio) {
  QImage card = BlankCard(Size, Ratio);
  QPainter painter(&card);
  DrawEdge(painter, QRect(QPoint(0, 0), Size));
  const QRect inside = Inside(Size);
  if (Caption.isEmpty()) {
    DrawSpeaker(painter, inside);
  } else {
    DrawSpeaker(painter, QRect(inside.topLeft(), QPoint(inside.right(), SpeakerSplit(inside))));
    WriteText(painter, Caption, CaptionArea(inside));
  }
  painter.end();
  return card;
}
