#include "PairArt.h"

#include "DeckError.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

const QColor Paper(250, 246, 234);
const QColor Ink(40, 44, 64);
constexpr int SmallestLetters = 6; // pixels: smaller is no longer read as a word
constexpr int TextFlags = Qt::AlignCenter | Qt::TextWordWrap;

QImage BlankCard(QSize size) {
  QImage card(size, QImage::Format_RGB32);
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
  for (int pixels = std::max(SmallestLetters, Area.height() / 3); pixels >= SmallestLetters;
       --pixels) {
    font.setPixelSize(pixels);
    const QRect needed = QFontMetrics(font).boundingRect(Area, TextFlags, Text);
    if (needed.width() <= Area.width() && needed.height() <= Area.height())
      return font;
  }
  throw EDeckError(
      QCoreApplication::translate("Deckwright", "\"%1\" does not fit on a card of %2 x %3 pixels.")
          .arg(Text)
          .arg(Area.width())
          .arg(Area.height())
          .toStdString());
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

} // namespace

QImage DrawWordCard(QSize Size, const QString& Word) {
  QImage card = BlankCard(Size);
  QPainter painter(&card);
  DrawEdge(painter, card.rect());
  WriteText(painter, Word, Inside(Size));
  painter.end();
  return card;
}

QImage DrawSoundCard(QSize Size, const QString& Caption) {
  QImage card = BlankCard(Size);
  QPainter painter(&card);
  DrawEdge(painter, card.rect());
  const QRect inside = Inside(Size);
  if (Caption.isEmpty()) {
    DrawSpeaker(painter, inside);
  } else {
    // The speaker above, the caption below with room for two lines: a caption such as
    // "grenouille (French)" on one line would be too small to read on a board's card.
    const int split = inside.top() + inside.height() * 9 / 20;
    DrawSpeaker(painter, QRect(inside.topLeft(), QPoint(inside.right(), split)));
    WriteText(painter, Caption, QRect(QPoint(inside.left(), split), inside.bottomRight()));
  }
  painter.end();
  return card;
}
