#include "KVGraphics.h"

#include <QPainter>

#include <algorithm>

qint64 DivRoundHalfEven(qint64 Num, qint64 Den) {
  const qint64 q = Num / Den;
  const qint64 twice = 2 * (Num % Den);
  if (twice > Den || (twice == Den && q % 2 != 0))
    return q + 1;
  return q;
}

QRect FittedRect(QSize Graphic, int Width, int Height) {
  const qint64 gw = Graphic.width();
  const qint64 gh = Graphic.height();
  qint64 w = 0;
  qint64 h = 0;
  if (gw > 0 && gh > 0) {
    if (gw > Width || gh > Height) {
      // The box width bounds first; a box narrower than one pixel draws nothing.
      w = std::max(Width, 0);
      h = DivRoundHalfEven(gh * w, gw);
      if (Height > 0 && h > Height) {
        h = Height;
        w = DivRoundHalfEven(gw * h, gh);
      }
    } else {
      w = gw;
      h = gh;
    }
  }
  const qint64 x0 = (Width - w) / 2;
  const qint64 y0 = (Height - h) / 2;
  return QRect(int(x0), int(y0), int(w), int(h));
}

void TKVBitmap::DrawFitted(const QImage* Graphic, int Width, int Height) {
  if (Width <= 0 || Height <= 0) {
    *this = TKVBitmap();
    return;
  }
  *this = TKVBitmap(Width, Height, QImage::Format_RGB888);
  if (isNull())
    return; // too large to allocate: left empty rather than failing mid-paint
  fill(Qt::white);
  if (!Graphic || Graphic->isNull())
    return;
  const QRect target = FittedRect(Graphic->size(), Width, Height);
  if (target.isEmpty())
    return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, *Graphic);
}
