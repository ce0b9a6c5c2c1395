#include "Ornaments.h"

#include "Materials.h"

#include <QFontDatabase>
#include <QPainterPath>
#include <QRadialGradient>

namespace skinart {

void RegisterFonts() {
  static bool done = false;
  if (done)
    return;
  done = true;
  const char* files[] = {"DejaVuSans.ttf",
                         "DejaVuSans-Bold.ttf",
                         "DejaVuSerif.ttf",
                         "DejaVuSerif-Bold.ttf",
                         "DejaVuSerif-BoldItalic.ttf",
                         "DejaVuSerif-Italic.ttf",
                         "DejaVuSansCondensed-Bold.ttf"};
  for (const char* file : files)
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/") +
                                      QLatin1String(file));
}

namespace {
QFont MakeFont(const QString& Family, int PixelSize, bool Bold, bool Italic) {
  QFont font(Family);
  font.setPixelSize(PixelSize);
  font.setBold(Bold);
  font.setItalic(Italic);
  font.setStyleStrategy(QFont::PreferAntialias);
  font.setHintingPreference(QFont::PreferVerticalHinting);
  return font;
}
} // namespace

QFont SerifFont(int PixelSize, bool Bold, bool Italic) {
  return MakeFont(QStringLiteral("DejaVu Serif"), PixelSize, Bold, Italic);
}

QFont SansFont(int PixelSize, bool Bold) {
  return MakeFont(QStringLiteral("DejaVu Sans"), PixelSize, Bold, false);
}

void PreparePainter(QPainter& Painter) {
  Painter.setRenderHint(QPainter::Antialiasing);
  Painter.setRenderHint(QPainter::TextAntialiasing);
  Painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

namespace {

void DrawButtonBody(QPainter& Painter, const QRect& Box, double Radius, const QBrush& Face,
                    const QColor& Lip) {
  Painter.save();
  const QRectF outer = QRectF(Box).adjusted(0.5, 0.5, 0.5, 0.5);
  // Shadow on the surface: the button stands off it by a pixel.
  Painter.setPen(Qt::NoPen);
  Painter.setBrush(QColor(0, 0, 0, 90));
  Painter.drawRoundedRect(outer.translated(0.8, 1.0), Radius, Radius);
  Painter.setBrush(Face);
  Painter.setPen(QPen(palette::Outline, 1.0));
  Painter.drawRoundedRect(outer.adjusted(0, 0, -1, -1), Radius, Radius);
  // Bright upper bevel and darker lower bevel inside the rim.
  const QRectF inner = outer.adjusted(1, 1, -2, -2);
  Painter.setBrush(Qt::NoBrush);
  Painter.setPen(QPen(QColor(Lip.red(), Lip.green(), Lip.blue(), 170), 1.0));
  Painter.drawLine(inner.topLeft() + QPointF(Radius * 0.6, 0),
                   inner.topRight() - QPointF(Radius * 0.6, 0));
  Painter.setPen(QPen(QColor(0, 0, 0, 60), 1.0));
  Painter.drawLine(inner.bottomLeft() + QPointF(Radius * 0.6, 0),
                   inner.bottomRight() - QPointF(Radius * 0.6, 0));
  Painter.restore();
}

} // namespace

void DrawBrassButton(QPainter& Painter, const QRect& Box, double Radius) {
  DrawButtonBody(Painter, Box, Radius, BrassGradient(Box), QColor(255, 250, 225));
}

void DrawRubyButton(QPainter& Painter, const QRect& Box, double Radius) {
  QLinearGradient ruby(Box.topLeft(), Box.bottomLeft());
  ruby.setColorAt(0.0, QColor(236, 120, 104));
  ruby.setColorAt(0.45, QColor(176, 38, 32));
  ruby.setColorAt(1.0, QColor(96, 14, 12));
  DrawButtonBody(Painter, Box, Radius, ruby, QColor(255, 200, 190));
}

void DrawEngravedText(QPainter& Painter, const QRectF& Box, const QString& Text, const QFont& Font,
                      int Flags) {
  Painter.save();
  Painter.setFont(Font);
  Painter.setPen(QColor(255, 246, 205, 150));
  Painter.drawText(Box.translated(0, 1), Flags, Text);
  Painter.setPen(palette::Engraving);
  Painter.drawText(Box, Flags, Text);
  Painter.restore();
}

void DrawRaisedText(QPainter& Painter, const QRectF& Box, const QString& Text, const QFont& Font,
                    const QColor& Colour, int Flags) {
  Painter.save();
  Painter.setFont(Font);
  Painter.setPen(QColor(0, 0, 0, 170));
  Painter.drawText(Box.translated(1, 1), Flags, Text);
  Painter.setPen(Colour);
  Painter.drawText(Box, Flags, Text);
  Painter.restore();
}

void DrawGoldText(QPainter& Painter, const QRectF& Box, const QString& Text, const QFont& Font,
                  int Flags) {
  Painter.save();
  Painter.setFont(Font);
  Painter.setPen(QColor(0, 0, 0, 190));
  Painter.drawText(Box.translated(1, 1.5), Flags, Text);
  const QRectF bounds = Painter.boundingRect(Box, Flags, Text);
  QLinearGradient gold(bounds.topLeft(), bounds.bottomLeft());
  gold.setColorAt(0.0, QColor(255, 243, 190));
  gold.setColorAt(0.5, palette::Gold);
  gold.setColorAt(0.52, QColor(214, 166, 70));
  gold.setColorAt(1.0, QColor(250, 214, 130));
  Painter.setPen(QPen(QBrush(gold), 1));
  Painter.drawText(Box, Flags, Text);
  Painter.restore();
}

void DrawRivet(QPainter& Painter, const QPointF& Centre, double Radius) {
  Painter.save();
  Painter.setPen(Qt::NoPen);
  Painter.setBrush(QColor(0, 0, 0, 100));
  Painter.drawEllipse(Centre + QPointF(0.6, 0.8), Radius, Radius);
  QRadialGradient dome(Centre - QPointF(Radius * 0.35, Radius * 0.4), Radius * 1.5);
  dome.setColorAt(0.0, palette::BrassLight);
  dome.setColorAt(0.5, palette::BrassMid);
  dome.setColorAt(1.0, palette::BrassDark);
  Painter.setBrush(dome);
  Painter.setPen(QPen(palette::Outline, 0.8));
  Painter.drawEllipse(Centre, Radius, Radius);
  Painter.restore();
}

void DrawEmblem(QPainter& Painter, const QRectF& Box) {
  Painter.save();
  const double w = Box.width() * 0.62;
  const double h = Box.height() * 0.86;
  const QRectF back(Box.left(), Box.top(), w, h);
  const QRectF front(Box.right() - w, Box.bottom() - h, w, h);
  const double r = w * 0.16;
  Painter.setPen(QPen(palette::Outline, 0.9));
  QLinearGradient navy(back.topLeft(), back.bottomRight());
  navy.setColorAt(0, QColor(60, 84, 150));
  navy.setColorAt(1, QColor(24, 34, 84));
  Painter.setBrush(navy);
  Painter.drawRoundedRect(back, r, r);
  Painter.setBrush(palette::Cream);
  Painter.drawRoundedRect(front, r, r);
  QPainterPath diamond;
  const QPointF c = front.center();
  diamond.moveTo(c.x(), c.y() - h * 0.28);
  diamond.lineTo(c.x() + w * 0.26, c.y());
  diamond.lineTo(c.x(), c.y() + h * 0.28);
  diamond.lineTo(c.x() - w * 0.26, c.y());
  diamond.closeSubpath();
  Painter.setPen(Qt::NoPen);
  Painter.setBrush(QColor(190, 30, 36));
  Painter.drawPath(diamond);
  Painter.restore();
}

void DrawFlourish(QPainter& Painter, const QPointF& From, const QPointF& To, const QColor& Colour) {
  Painter.save();
  QLinearGradient fade(From, To);
  QColor clear = Colour;
  clear.setAlpha(0);
  fade.setColorAt(0.0, clear);
  fade.setColorAt(0.5, Colour);
  fade.setColorAt(1.0, clear);
  Painter.setPen(QPen(QBrush(fade), 1.2));
  Painter.drawLine(From, To);
  const QPointF c = (From + To) / 2;
  QPainterPath diamond;
  diamond.moveTo(c.x(), c.y() - 2.5);
  diamond.lineTo(c.x() + 3.5, c.y());
  diamond.lineTo(c.x(), c.y() + 2.5);
  diamond.lineTo(c.x() - 3.5, c.y());
  diamond.closeSubpath();
  Painter.setPen(Qt::NoPen);
  Painter.setBrush(Colour);
  Painter.drawPath(diamond);
  Painter.restore();
}

} // namespace skinart
