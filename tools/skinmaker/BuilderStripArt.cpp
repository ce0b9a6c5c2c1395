#include "BuilderStripArt.h"

#include "OptionsArt.h"
#include "Ornaments.h"
#include "PopUpArt.h"
#include "SkinLayout.h"

#include <QFontMetrics>
#include <QPainter>

namespace skinart {

namespace {

const QString Invitation = QStringLiteral("Make your own card sets with Deckwright \u00bb");

// The largest lettering, up to 12 pixels, that fits the room left beside the emblem.
QFont FittingFont(int Room) {
  for (int size = 12; size > 8; --size) {
    const QFont font = SansFont(size, true);
    if (QFontMetrics(font).horizontalAdvance(Invitation) <= Room)
      return font;
  }
  return SansFont(8, true);
}

QImage Letter(QImage Background) {
  const int emblem = 16;
  const QFont font = FittingFont(Background.width() - emblem - 10);
  const int textWidth = QFontMetrics(font).horizontalAdvance(Invitation);
  const int left = (Background.width() - (emblem + 5 + textWidth)) / 2;
  QPainter painter(&Background);
  PreparePainter(painter);
  DrawEmblem(painter, QRectF(left, 1.5, emblem, 14));
  DrawRaisedText(painter, QRectF(left + emblem + 5, 0, textWidth + 2, Background.height()),
                 Invitation, font, QColor(250, 222, 140), Qt::AlignLeft | Qt::AlignVCenter);
  return Background;
}

} // namespace

QImage OptionsBuilderStrip() {
  return Letter(OptionsBackground().copy(skinlayout::options::BuilderStrip));
}

QImage ScoreBuilderStrip() {
  const QRect strip = skinlayout::score::BuilderStrip;
  const int bandTop = skinlayout::popup::Size.height() - skinlayout::popup::BottomSize.height();
  return Letter(PopUpBottom().copy(strip.translated(0, -bandTop)));
}

} // namespace skinart
