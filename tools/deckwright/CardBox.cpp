#include "CardBox.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>

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
  QSize box = Common.scaled(StandardCardBox, Qt::KeepAspectRatio);
  return box.expandedTo({1, 1});
}

QSize StoredFaceSize(QSize Face, QSize Box) {
  const QSize limit = Box * 2;
  if (Face.width() <= limit.width() && Face.height() <= limit.height())
    return Face;
  return Face.scaled(limit, Qt::KeepAspectRatio).expandedTo({1, 1});
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
