#include "KVImageCtrl.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

// Rows of the background's work band: enough that copying it down a clip takes few block copies.
constexpr int MinBandRows = 64;

// Largest multiple of Step at or below Value (Step > 0).
int FloorTo(int Value, int Step) {
  const int q = Value / Step;
  return (Value % Step != 0 && Value < 0 ? q - 1 : q) * Step;
}

int ClampToInt(qint64 Value) {
  return int(
      std::clamp<qint64>(Value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Bevel

TKVImageBevel::TKVImageBevel(QWidget* Parent) : TKVCustomImageList(Parent) {
  SetAutoSize(false);
}

void TKVImageBevel::SetStretch(bool Value) {
  if (Value == FStretch)
    return;
  FStretch = Value;
  update();
}

void TKVImageBevel::SetBgColor(bool Value) {
  if (Value == FBgColor)
    return;
  FBgColor = Value;
  update();
}

QColor TKVImageBevel::Color() const {
  if (FParentColor && parentWidget())
    return parentWidget()->palette().color(QPalette::Window);
  return FColor.isValid() ? FColor : palette().color(QPalette::Window);
}

void TKVImageBevel::SetColor(const QColor& Value) {
  if (Value == FColor && !FParentColor)
    return;
  FColor = Value;
  FParentColor = false;
  update();
}

void TKVImageBevel::SetParentColor(bool Value) {
  if (Value == FParentColor)
    return;
  FParentColor = Value;
  update();
}

void TKVImageBevel::paintEvent(QPaintEvent* Event) {
  QPainter painter(this);
  Paint(painter, Event->rect());
}

void TKVImageBevel::Paint(QPainter& Canvas, const QRect& Clip) const {
  const QRect clip = Clip.intersected(rect());
  if (clip.isEmpty())
    return;
  Canvas.save();
  Canvas.setClipRect(clip, Qt::IntersectClip);
  PaintBackground(Canvas, clip);
  if (FStretch)
    PaintStretchedEdges(Canvas, clip);
  else
    PaintTiledEdges(Canvas, clip);
  PaintCorners(Canvas, clip);
  Canvas.restore();
}

// The tile is laid into a work band that starts at the tile corner at or before the clip's
// top-left: one row of tiles is drawn, and the rows below are filled by doubling copies. The
// band is then copied down the clip as often as it takes. The pattern is thus anchored at the
// control's origin whatever the clip, a full repaint costs a few block copies instead of one
// copy per tile, and the work band stays small however large the window grows (a band as
// large as the clip would double the memory of painting a large board's window).
void TKVImageBevel::PaintBackground(QPainter& Canvas, const QRect& Clip) const {
  if (FBgColor) {
    Canvas.fillRect(Clip, Color());
    return;
  }
  const int tw = GetImageWidth(8);
  const int th = GetImageHeight(8);
  if (tw <= 0 || th <= 0)
    return;
  const QPoint origin(FloorTo(Clip.left(), tw), FloorTo(Clip.top(), th));
  const int w = Clip.right() + 1 - origin.x();
  const int h = Clip.bottom() + 1 - origin.y();
  // Whole tiles, at least MinBandRows high, unless the clip needs less.
  const int band = std::min(h, ((MinBandRows + th - 1) / th) * th);
  QImage work(w, band, Picture().format());
  if (work.isNull())
    return;
  {
    QPainter row(&work);
    row.setCompositionMode(QPainter::CompositionMode_Source);
    row.fillRect(0, 0, w, std::min(th, band), Qt::transparent);
    for (int x = 0; x < w; x += tw)
      DrawImage(row, x, 8, 0);
  }
  const qsizetype stride = work.bytesPerLine();
  uchar* bits = work.bits();
  for (qint64 b = th; b < band; b *= 2) {
    const qint64 rows = std::min<qint64>(b, band - b);
    std::memcpy(bits + b * stride, bits, size_t(rows * stride));
  }
  for (int top = origin.y(); top <= Clip.bottom(); top += band) {
    const QRect part = QRect(origin.x(), top, w, band).intersected(Clip);
    Canvas.drawImage(part.topLeft(), work, part.translated(-origin.x(), -top));
  }
}

void TKVImageBevel::PaintStretchedEdges(QPainter& Canvas, const QRect& Clip) const {
  const int w = width();
  const int h = height();
  const QRect targets[] = {
      QRect(0, 0, w, GetImageHeight(1)), QRect(0, h - GetImageHeight(6), w, GetImageHeight(6)),
      QRect(0, 0, GetImageWidth(3), h), QRect(w - GetImageWidth(4), 0, GetImageWidth(4), h)};
  const int parts[] = {1, 6, 3, 4};
  for (int k = 0; k < 4; ++k)
    if (targets[k].intersects(Clip))
      StretchDrawImage(Canvas, targets[k], parts[k]);
}

// Tiles run from the control's origin along each side: x = 0, w, 2w, ... for the top and the
// bottom, y = 0, h, 2h, ... for the sides. Only the tiles meeting the clip are drawn.
void TKVImageBevel::PaintTiledEdges(QPainter& Canvas, const QRect& Clip) const {
  const int parts[] = {1, 6, 4, 3};
  for (const int slot : parts) {
    const int iw = GetImageWidth(slot);
    const int ih = GetImageHeight(slot);
    if (iw <= 0 || ih <= 0)
      continue;
    const bool along = slot == 1 || slot == 6;
    QRect target = along ? QRect(0, 0, width(), ih) : QRect(0, 0, iw, height());
    if (slot == 6)
      target.moveTop(height() - ih);
    if (slot == 4)
      target.moveLeft(width() - iw);
    const QRect part = target.intersected(Clip);
    if (part.isEmpty())
      continue;
    if (along) {
      for (int x = FloorTo(part.left(), iw); x <= part.right(); x += iw)
        DrawImage(Canvas, x, slot, target.top());
    } else {
      for (int y = FloorTo(part.top(), ih); y <= part.bottom(); y += ih)
        DrawImage(Canvas, target.left(), slot, y);
    }
  }
}

void TKVImageBevel::PaintCorners(QPainter& Canvas, const QRect& Clip) const {
  const int w = width();
  const int h = height();
  const QPoint places[] = {QPoint(0, 0), QPoint(w - GetImageWidth(2), 0),
                           QPoint(0, h - GetImageHeight(5)),
                           QPoint(w - GetImageWidth(7), h - GetImageHeight(7))};
  const int parts[] = {0, 2, 5, 7};
  for (int k = 0; k < 4; ++k) {
    const QRect target(places[k], QSize(GetImageWidth(parts[k]), GetImageHeight(parts[k])));
    if (target.intersects(Clip))
      DrawImage(Canvas, places[k].x(), parts[k], places[k].y());
  }
}

// ---------------------------------------------------------------------------------------------
// Slider geometry

int RoundHalfEven(double Value) {
  if (std::isnan(Value))
    return 0;
  const double limit = std::numeric_limits<int>::max();
  const double rounded = std::nearbyint(std::clamp(Value, -limit - 1, limit));
  return int(rounded);
}

double TSliderGeometry::Scale() const {
  const double span = std::max(double(Max) - double(Min), 1.0);
  return (double(Width) - 2.0 * StartPos) / span;
}

int TSliderGeometry::ThumbLeft(int Position) const {
  const qint64 centre = RoundHalfEven((double(Position) - Min) * Scale());
  return ClampToInt(centre - ThumbWidth / 2 + StartPos);
}

QRect TSliderGeometry::ThumbRect(int Position) const {
  return QRect(ThumbLeft(Position), ThumbTop, ThumbWidth, ThumbHeight);
}

int TSliderGeometry::ValueAt(int X) const {
  if (Max <= Min)
    return Min;
  // Kept in floating point until clamped: with a wide range the rounded step count alone
  // can lie outside the int range.
  const double value = std::nearbyint((double(X) - StartPos) / Scale()) + Min;
  if (std::isnan(value))
    return Min;
  return int(std::clamp(value, double(Min), double(Max)));
}

bool TSliderGeometry::InGrabZone(int Position, int X) const {
  const double s = Scale();
  const double steps = double(Position) - Min;
  return RoundHalfEven(steps * s) <= X && X < RoundHalfEven((steps + 1) * s);
}

// ---------------------------------------------------------------------------------------------
// Slider

TKVImageSlider::TKVImageSlider(QWidget* Parent) : TKVCustomImageList(Parent) {
  setFocusPolicy(Qt::StrongFocus);
}

TSliderGeometry TKVImageSlider::Geometry() const {
  TSliderGeometry g;
  g.Width = width();
  g.StartPos = FStartPos;
  g.Min = FMin;
  g.Max = FMax;
  g.ThumbWidth = GetImageWidth(1);
  g.ThumbHeight = GetImageHeight(1);
  g.ThumbTop = FThumbTop;
  return g;
}

void TKVImageSlider::SetPosition(int Value) {
  Value = std::clamp(Value, FMin, FMax);
  if (Value == FPosition)
    return;
  const TSliderGeometry geometry = Geometry();
  update(geometry.ThumbRect(FPosition));
  FPosition = Value;
  update(geometry.ThumbRect(FPosition));
  if (QAccessible::isActive()) {
    QAccessibleValueChangeEvent changed(this, FPosition);
    QAccessible::updateAccessibility(&changed);
  }
  Change();
}

void TKVImageSlider::SetRange(int Position, int Min, int Max) {
  Max = std::max(Max, Min);
  Position = std::max(Position, Min);
  if (Min == FMin && Max == FMax && Position == FPosition)
    return;
  FMin = Min;
  FMax = Max;
  SetPosition(std::min(Position, Max));
  update();
}

void TKVImageSlider::SetOrientation(TTrackBarOrientation Value) {
  if (Value == FOrientation)
    return;
  FOrientation = Value;
  update();
}

void TKVImageSlider::Change() {
  if (OnChange)
    OnChange(this);
}

void TKVImageSlider::paintEvent(QPaintEvent* Event) {
  if (Count() <= 0)
    return;
  const QRect clip = Event->rect();
  QPainter painter(this);
  CopyImageRect(painter, clip, 0, clip);
  DrawImage(painter, Geometry().ThumbLeft(FPosition), 1, FThumbTop);
}

void TKVImageSlider::mousePressEvent(QMouseEvent* Event) {
  const QPoint at = Event->position().toPoint();
  if (Event->button() == Qt::LeftButton) {
    if (!Geometry().InGrabZone(FPosition, at.x()))
      return;
    // The widget system keeps the mouse with this control until the release.
    FDragging = true;
  }
  DoMouseDown(Event->button(), Event->modifiers(), at);
}

void TKVImageSlider::mouseMoveEvent(QMouseEvent* Event) {
  const QPoint at = Event->position().toPoint();
  if (FDragging && !(Event->buttons() & Qt::LeftButton))
    GestureLost();
  if (FDragging)
    SetPosition(Geometry().ValueAt(at.x()));
  DoMouseMove(Event->buttons(), Event->modifiers(), at);
}

void TKVImageSlider::keyPressEvent(QKeyEvent* Event) {
  // Worked out in 64 bits: a range may span every int.
  const qint64 page = std::max<qint64>(1, (qint64(FMax) - FMin) / 4);
  const auto step = [this](qint64 Steps) {
    SetPosition(int(std::clamp<qint64>(qint64(FPosition) + Steps, FMin, FMax)));
  };
  switch (Event->key()) {
  case Qt::Key_Left:
  case Qt::Key_Down:
    step(-1);
    break;
  case Qt::Key_Right:
  case Qt::Key_Up:
    step(1);
    break;
  case Qt::Key_PageDown:
    step(-page);
    break;
  case Qt::Key_PageUp:
    step(page);
    break;
  case Qt::Key_Home:
    SetPosition(FMin);
    break;
  case Qt::Key_End:
    SetPosition(FMax);
    break;
  default:
    TKVCustomImageList::keyPressEvent(Event);
  }
}

void TKVImageSlider::mouseReleaseEvent(QMouseEvent* Event) {
  const QPoint at = Event->position().toPoint();
  FDragging = false;
  SetPosition(Geometry().ValueAt(at.x()));
  DoMouseUp(Event->button(), Event->modifiers(), at);
}
