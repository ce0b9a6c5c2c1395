#include "DefaultArt.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QUrl>

#include <algorithm>

namespace {

const QColor Gold(226, 186, 92);

// FNV-1a: unlike qHash it is not seeded per run, so the colour is stable.
quint32 StableHash(const QString& text) {
  quint32 hash = 2166136261u;
  for (const char c : text.toUtf8()) {
    hash ^= quint8(c);
    hash *= 16777619u;
  }
  return hash;
}

QString Initials(const QString& title) {
  QString initials;
  for (const QString& word : title.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (word.front().isLetterOrNumber())
      initials += word.front().toUpper();
    if (initials.size() == 2)
      break;
  }
  return initials.isEmpty() ? QStringLiteral("K") : initials;
}

void DrawLattice(QPainter& painter, QRectF area, QColor colour) {
  painter.save();
  painter.setClipRect(area);
  painter.setPen(QPen(colour, 1.0));
  const qreal step = 9;
  const qreal span = area.width() + area.height();
  for (qreal d = -span; d < span; d += step) {
    painter.drawLine(QPointF(area.left() + d, area.top()),
                     QPointF(area.left() + d + area.height(), area.bottom()));
    painter.drawLine(QPointF(area.left() + d, area.bottom()),
                     QPointF(area.left() + d + area.height(), area.top()));
  }
  painter.restore();
}

void DrawMedallion(QPainter& painter, QPointF centre, qreal radius, QColor base,
                   const QString& text) {
  QRadialGradient fill(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
  fill.setColorAt(0, base.lighter(140));
  fill.setColorAt(1, base.darker(160));
  painter.setPen(QPen(Gold, std::max(1.5, radius / 9)));
  painter.setBrush(fill);
  painter.drawEllipse(centre, radius, radius);
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setBold(true);
  font.setPixelSize(std::max(6, int(radius * (text.size() > 1 ? 0.8 : 1.1))));
  painter.setFont(font);
  painter.setPen(Gold);
  const QRectF box(centre.x() - radius, centre.y() - radius, radius * 2, radius * 2);
  painter.drawText(box, Qt::AlignCenter, text);
}

QImage NewCanvas(QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// Wraps the title into the width with the largest font of at most three lines.
QFont FitTitle(const QString& title, QRectF area) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  for (int pixels = 24; pixels > 8; --pixels) {
    font.setPixelSize(pixels);
    const QRect needed =
        QFontMetrics(font).boundingRect(area.toRect(), Qt::AlignCenter | Qt::TextWordWrap, title);
    if (needed.width() <= area.width() && needed.height() <= area.height())
      return font;
  }
  return font;
}

} // namespace

QColor TitleColour(const QString& Title) {
  return QColor::fromHsv(int(StableHash(Title) % 360), 170, 120);
}

QImage DrawDefaultBack(QSize Box, const QString& Title) {
  QImage image = NewCanvas(Box);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor base = TitleColour(Title);
  const QRectF whole(0, 0, Box.width(), Box.height());
  QRadialGradient fill(whole.center(), std::max(Box.width(), Box.height()) * 0.7);
  fill.setColorAt(0, base.lighter(125));
  fill.setColorAt(1, base.darker(170));
  painter.fillRect(whole, fill);
  const qreal unit = std::min(Box.width(), Box.height()) / 90.0;
  const QRectF frame = whole.adjusted(4 * unit, 4 * unit, -4 * unit, -4 * unit);
  DrawLattice(painter, frame, QColor(255, 255, 255, 34));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Gold, 2 * unit));
  painter.drawRoundedRect(frame, 5 * unit, 5 * unit);
  painter.setPen(QPen(Gold.darker(130), 0.8 * unit));
  painter.drawRoundedRect(frame.adjusted(4 * unit, 4 * unit, -4 * unit, -4 * unit), 3 * unit,
                          3 * unit);
  DrawMedallion(painter, whole.center(), 20 * unit, base, Initials(Title));
  return image;
}

QImage DrawDefaultAdvert(const QString& Title, const QString& Link) {
  QImage image = NewCanvas(AdvertBox);
  QPainter painter(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
  const QColor base = TitleColour(Title);
  QLinearGradient fill(0, 0, 0, AdvertBox.height());
  fill.setColorAt(0, base.lighter(150));
  fill.setColorAt(1, base.darker(200));
  painter.fillRect(image.rect(), fill);

  const QImage back = DrawDefaultBack({60, 45}, Title);
  for (int i = -1; i <= 1; ++i) {
    painter.save();
    painter.translate(89 + i * 30, 62);
    painter.rotate(i * 14.0);
    painter.fillRect(QRectF(-28, -20, 60, 45), QColor(0, 0, 0, 70));
    painter.drawImage(QPointF(-30, -22.5), back);
    painter.restore();
  }

  const QRectF titleArea(8, 92, 162, 52);
  painter.setFont(FitTitle(Title, titleArea));
  painter.setPen(Qt::white);
  painter.drawText(titleArea, Qt::AlignCenter | Qt::TextWordWrap, Title);

  const QString host = QUrl(Link).host();
  if (!host.isEmpty()) {
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(10);
    painter.setFont(small);
    painter.setPen(Gold.lighter(115));
    painter.drawText(QRectF(4, 148, 170, 16), Qt::AlignCenter, host);
  }
  return image;
}
