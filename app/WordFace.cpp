#include "WordFace.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Paper(0xfb, 0xf7, 0xec);
const QColor Ink(0x1b, 0x2a, 0x1f);
constexpr int TextFlags = Qt::AlignCenter | Qt::TextWordWrap;

// Paper with a faint rounded edge, so a drawn card sits well among the set's framed pictures.
QImage BlankFace(QSize Size, qreal Ratio) {
  QImage face(qRound(Size.width() * Ratio), qRound(Size.height() * Ratio), QImage::Format_RGB32);
  face.setDevicePixelRatio(Ratio);
  face.fill(Paper);
  QPainter canvas(&face);
  canvas.setRenderHint(QPainter::Antialiasing);
  const qreal inset = std::max(1.5, std::min(Size.width(), Size.height()) / 30.0);
  canvas.setPen(QPen(QColor(Ink.red(), Ink.green(), Ink.blue(), 70), inset / 1.5));
  canvas.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(Size)).adjusted(inset, inset, -inset, -inset),
                         3 * inset, 3 * inset);
  return face;
}

// The largest pixel size at which Text, wrapped only between words, fits Box; the search
// halves the range, so a long text costs a dozen measurements, once per cell size.
QFont FittedFont(const QString& Text, const QRectF& Box) {
  QFont font;
  font.setBold(true);
  const auto fits = [&](int Pixels) {
    font.setPixelSize(Pixels);
    const QRectF needed = QFontMetricsF(font).boundingRect(Box, TextFlags, Text);
    return needed.width() <= Box.width() && needed.height() <= Box.height();
  };
  int low = 1;
  int high = std::max(2, int(Box.height() / 2));
  while (low < high) {
    const int middle = (low + high + 1) / 2;
    if (fits(middle))
      low = middle;
    else
      high = middle - 1;
  }
  font.setPixelSize(low);
  return font;
}

void DrawText(QPainter& Canvas, const QString& Text, const QRectF& Box) {
  Canvas.setFont(FittedFont(Text, Box));
  Canvas.setPen(Ink);
  Canvas.drawText(Box, TextFlags, Text);
}

QRectF Inner(QSize Size) {
  const qreal margin = std::max(2.0, std::min(Size.width(), Size.height()) / 12.0);
  return QRectF(QPointF(0, 0), QSizeF(Size)).adjusted(margin, margin, -margin, -margin);
}

} // namespace

QImage DrawWordFace(const QString& Text, QSize Size, qreal Ratio) {
  QImage face = BlankFace(Size, Ratio);
  QPainter canvas(&face);
  canvas.setRenderHint(QPainter::TextAntialiasing);
  DrawText(canvas, Text, Inner(Size));
  return face;
}

QImage DrawSoundFace(const QString& Caption, QSize Size, qreal Ratio) {
  QImage face = BlankFace(Size, Ratio);
  QPainter canvas(&face);
  canvas.setRenderHint(QPainter::Antialiasing);
  const QRectF inner = Inner(Size);
  // The speaker takes the upper half, or all of the card when there is nothing to say.
  const qreal speakerHeight = Caption.isEmpty() ? inner.height() : inner.height() / 2;
  const qreal unit = speakerHeight / 4;
  const QPointF centre(inner.center().x() - unit, inner.top() + speakerHeight / 2);
  QPainterPath cone;
  cone.moveTo(centre + QPointF(-1.5 * unit, -0.6 * unit));
  cone.lineTo(centre + QPointF(-0.6 * unit, -0.6 * unit));
  cone.lineTo(centre + QPointF(0.4 * unit, -1.5 * unit));
  cone.lineTo(centre + QPointF(0.4 * unit, 1.5 * unit));
  cone.lineTo(centre + QPointF(-0.6 * unit, 0.6 * unit));
  cone.lineTo(centre + QPointF(-1.5 * unit, 0.6 * unit));
  cone.closeSubpath();
  canvas.fillPath(cone, Ink);
  canvas.setPen(QPen(Ink, std::max(1.0, unit / 4), Qt::SolidLine, Qt::RoundCap));
  for (int wave = 1; wave <= 3; ++wave) {
    const qreal radius = unit * (0.5 + 0.6 * wave);
    const QPointF origin = centre + QPointF(0.4 * unit, 0);
    canvas.drawArc(QRectF(origin - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)),
                   -45 * 16, 90 * 16);
  }
  if (!Caption.isEmpty()) {
    canvas.setRenderHint(QPainter::TextAntialiasing);
    DrawText(canvas, Caption, inner.adjusted(0, speakerHeight, 0, 0));
  }
  return face;
}
