#include "Captions.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace skinart {

QFont FittingFont(const QString& Text, const QFont& Font, double Room, const QString& Place,
                  int Smallest) {
  const int size = Font.pixelSize();
  const int smallest = Smallest > 0 ? Smallest : std::max(8, int(std::lround(size * 0.8)));
  QFont font = Font;
  for (int pixels = size; pixels >= smallest; --pixels) {
    font.setPixelSize(pixels);
    // One pixel for the shadow or lip every lettering casts beside itself.
    if (QFontMetricsF(font).horizontalAdvance(Text) + 1 <= Room)
      return font;
  }
  font.setPixelSize(smallest);
  const double needed = QFontMetricsF(font).horizontalAdvance(Text) + 1;
  throw ECaptionError(QStringLiteral("The caption \"%1\" does not fit %2: it needs %3 pixels at "
                                     "%4-pixel lettering, the place gives %5.")
                          .arg(Text, Place)
                          .arg(std::ceil(needed))
                          .arg(smallest)
                          .arg(std::floor(Room))
                          .toStdString());
}

} // namespace skinart
