#include "CardBox.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cmath>

namespace {

// Size scaled with its proportions to the largest size that fits Limit, rounded to whole
// pixels (Qt's own scaling truncates, which makes 3:4 faces a pixel thinner than they are).
QSize FitInside(QSize size, QSize limit) {
  const double scale =
      std::min(double(limit.width()) / size.width(), double(limit.height()) / size.height());
  const int width = std::clamp(int(std::lround(size.width() * scale)), 1, limit.width());
  const int height = std::clamp(int(std::lround(size.height() * scale)), 1, limit.height());
  return {width, height};
}

} // namespace

QSize CommonFaceSize(const QList<QSize>& FaceSizes) {
  QSize best;
  qsizetype bestCount = 0;
  for (const QSize& size : FaceSizes) {
    const qsizetype count = FaceSizes.count(size);
    if (count > bestCount) {
      best = size;
      bestCount = count;
    }
  }
  return best;
}

QSize DefaultCardBox(QSize Common) {
  if (Common.isEmpty())
    return StandardCardBox;
  return FitInside(Common, StandardCardBox);
}

QSize StoredFaceSize(QSize Face, QSize Box) {
  const QSize limit = Box * 2;
  if (Face.width() <= limit.width() && Face.height() <= limit.height())
    return Face;
  return FitInside(Face, limit);
}

QSize ParseCardBox(const QString& Text) {
  static const QRegularExpression pattern(QStringLiteral("^(\\d{1,4})[xX](\\d{1,4})$"));
  const QRegularExpressionMatch match = pattern.match(Text.trimmed());
  if (!match.hasMatch())
    return {};
  const int width = match.captured(1).toInt();
  const int height = match.captured(2).toInt();
  if (width < 1 || height < 1 || width > 2048 || height > 2048)
    return {};
  return {width, height};
}
