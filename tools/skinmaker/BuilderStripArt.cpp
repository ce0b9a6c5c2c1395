#include "BuilderStripArt.h"

#include "Captions.h"
#include "OptionsArt.h"
#include "Ornaments.h"
#include "PopUpArt.h"
#include "SkinLayout.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

namespace skinart {

namespace {

// The invitation, with the builder's name (not translated) and a closing guillemet.
QString Invitation() {
  return QCoreApplication::translate("TOptionsPanel", "Make your own card sets with %1")
             .arg(QStringLiteral("Deckwright")) +
         QStringLiteral(" \u00bb");
}

// The lettering is drawn as large as the room beside the emblem allows, from 12 pixels down;
// a translation that does not fit at the smallest size stops the generator.
QImage Letter(QImage Background, const QString& Place) {
  const int emblem = 16;
  const QString invitation = Invitation();
  const QFont font =
      FittingFont(invitation, SansFont(12, true), Background.width() - emblem - 10, Place, 8);
  const int textWidth = QFontMetrics(font).horizontalAdvance(invitation);
  const int left = (Background.width() - (emblem + 5 + textWidth)) / 2;
  QPainter painter(&Background);
  PreparePainter(painter);
  DrawEmblem(painter, QRectF(left, 1.5, emblem, 14));
  DrawRaisedText(painter, QRectF(left + emblem + 5, 0, textWidth + 2, Background.height()),
                 invitation, font, QColor(250, 222, 140), Qt::AlignLeft | Qt::AlignVCenter);
  return Background;
}

} // namespace

QImage OptionsBuilderStrip() {
  return Letter(OptionsBackground().copy(skinlayout::options::BuilderStrip),
                QStringLiteral("the options' card-builder strip"));
}

QImage ScoreBuilderStrip() {
  const QRect strip = skinlayout::score::BuilderStrip;
  const int bandTop = skinlayout::popup::Size.height() - skinlayout::popup::BottomSize.height();
  return Letter(PopUpBottom().copy(strip.translated(0, -bandTop)),
                QStringLiteral("the score screen's card-builder strip"));
}

} // namespace skinart
