#include "KVImageList.h"

#include "KVCursors.h"
#include "KVRStream.h"
#include "PlainText.h"

#include <QBuffer>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <limits>

namespace {

int ClampToInt(qint64 Value) {
  return int(
      std::clamp<qint64>(Value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Whether a strip of that size stays within MaxStripBytes; divided rather than multiplied so
// that no product of two large sides can overflow.
bool FitsStrip(qint64 Width, qint64 Height) {
  if (Width <= 0 || Height <= 0)
    return true;
  return Width <= TKVCustomImageList::MaxStripBytes / 4 / Height;
}

// Entry i of a size text is the text between the i-th and the next comma; an entry that is
// not closed by a comma, is empty, is not an integer, or is negative reads as 0.
std::vector<int> ParseSizeList(const QString& Text, int Count) {
  std::vector<int> sizes(size_t(Count), 0);
  const QStringList fields = Text.split(QLatin1Char(','));
  const int closed = std::min<qsizetype>(fields.size() - 1, Count);
  for (int i = 0; i < closed; ++i) {
    bool ok = false;
    const int value = fields[i].toInt(&ok);
    sizes[size_t(i)] = ok && value > 0 ? value : 0;
  }
  return sizes;
}

// Comma-separated names; an item may be double-quoted (then commas are part of it and ""
// stands for one quote). Spaces around unquoted items are dropped.
QStringList SplitNames(const QString& Names) {
  QStringList items;
  QString item;
  bool quoted = false;
  for (qsizetype i = 0; i < Names.size(); ++i) {
    const QChar c = Names[i];
    if (quoted) {
      if (c != QLatin1Char('"'))
        item += c;
      else if (i + 1 < Names.size() && Names[i + 1] == QLatin1Char('"'))
        item += Names[++i];
      else
        quoted = false;
    } else if (c == QLatin1Char('"')) {
      quoted = true;
    } else if (c == QLatin1Char(',')) {
      items << item.trimmed();
      item.clear();
    } else {
      item += c;
    }
  }
  if (!Names.isEmpty())
    items << item.trimmed();
  return items;
}

QString ResourcePath(const QString& Name) {
  return Name.startsWith(QLatin1Char(':')) ? Name : QStringLiteral(":/") + Name;
}

} // namespace

TKVCustomImageList::TKVCustomImageList(QWidget* Parent) : QWidget(Parent) {
  resize(100, 100);
  setMouseTracking(true);
}

TKVCustomImageList::~TKVCustomImageList() = default;

bool TKVCustomImageList::AddImage(const QImage& Bitmap) {
  if (FCount >= MaxCount)
    return false;
  const int w = Bitmap.width();
  const int h = Bitmap.height();
  const bool firstImage = FCount == 0;
  qint64 newWidth = 0;
  qint64 newHeight = 0;
  int x0 = 0;
  if (FVarSize) {
    x0 = FPicture.width();
    newWidth = qint64(x0) + w;
    newHeight = std::max(FPicture.height(), h);
  } else {
    const int slotWidth = firstImage ? w : FImgWidth;
    x0 = ClampToInt(qint64(FCount) * slotWidth);
    newWidth = qint64(x0) + slotWidth;
    newHeight = firstImage ? h : FPicture.height();
  }
  if (!FitsStrip(newWidth, newHeight))
    return false;
  if (!GrowStrip(int(newWidth), int(newHeight), Bitmap.hasAlphaChannel()))
    return false;

  if (FPalette.isEmpty())
    FPalette = Bitmap.colorTable();
  if (!Bitmap.isNull() && !FPicture.isNull()) {
    QPainter painter(&FPicture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x0, 0, Bitmap);
  }
  if (FVarSize) {
    FVarWidthS += QString::number(w) + QLatin1Char(',');
    FVarHeightS += QString::number(h) + QLatin1Char(',');
  } else if (firstImage) {
    FImgWidth = w;
    FImgHeight = h;
  }
  if (firstImage && FAutoSize)
    resize(w, h);
  ++FCount;
  RebuildTables();
  return true;
}

// Grows (or crops) the strip to the given size, keeping its pixels at their place. The strip is
// opaque until a bitmap with an alpha channel arrives; fresh space is black in an opaque strip,
// as in a device bitmap, and transparent once the strip carries alpha.
bool TKVCustomImageList::GrowStrip(int NewWidth, int NewHeight, bool NeedsAlpha) {
  const bool alpha = NeedsAlpha || FPicture.hasAlphaChannel();
  const QImage::Format format = alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
  if (NewWidth == FPicture.width() && NewHeight == FPicture.height() && format == FPicture.format())
    return true;
  if (NewWidth <= 0 || NewHeight <= 0) {
    FPicture = QImage();
    return true;
  }
  QImage grown(NewWidth, NewHeight, format);
  if (grown.isNull())
    return false;
  grown.fill(alpha ? Qt::transparent : Qt::black);
  if (!FPicture.isNull()) {
    QPainter painter(&grown);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, FPicture);
  }
  FPicture = std::move(grown);
  return true;
}

void TKVCustomImageList::Clear() {
  FPicture = QImage();
  FVarWidthS.clear();
  FVarHeightS.clear();
  FCount = 0;
  RebuildTables();
}

void TKVCustomImageList::RebuildTables() {
  FRects.assign(size_t(FCount), QRect());
  if (FVarSize) {
    FWidths = ParseSizeList(FVarWidthS, FCount);
    FHeights = ParseSizeList(FVarHeightS, FCount);
    qint64 x = 0;
    for (int i = 0; i < FCount; ++i) {
      FRects[size_t(i)] = QRect(ClampToInt(x), 0, FWidths[size_t(i)], FHeights[size_t(i)]);
      x += FWidths[size_t(i)];
    }
  } else {
    FWidths.clear();
    FHeights.clear();
    for (int i = 0; i < FCount; ++i)
      FRects[size_t(i)] = QRect(ClampToInt(qint64(i) * FImgWidth), 0, FImgWidth, FImgHeight);
  }
}

int TKVCustomImageList::GetImageWidth(int Index) const {
  if (Index < 0 || Index >= FCount)
    return 0;
  return FVarSize ? FWidths[size_t(Index)] : FImgWidth;
}

int TKVCustomImageList::GetImageHeight(int Index) const {
  if (Index < 0 || Index >= FCount)
    return 0;
  return FVarSize ? FHeights[size_t(Index)] : FImgHeight;
}

void TKVCustomImageList::DrawImage(QPainter& Canvas, int X, int Index, int Y) const {
  if (Index < 0 || Index >= FCount)
    return;
  const QSize size(GetImageWidth(Index), GetImageHeight(Index));
  CopyImageRect(Canvas, QRect(QPoint(X, Y), size), Index, QRect(QPoint(0, 0), size));
}

void TKVCustomImageList::CopyImageRect(QPainter& Canvas, const QRect& Dest, int Index,
                                       const QRect& Source) const {
  if (Index < 0 || Index >= FCount || Dest.isEmpty() || Source.isEmpty() || FPicture.isNull())
    return;
  const QRect source = Source.translated(FRects[size_t(Index)].left(), 0);
  const QRect inside = source.intersected(FPicture.rect());
  if (inside.isEmpty())
    return;
  if (Dest.size() == Source.size()) {
    const QPoint shift = inside.topLeft() - source.topLeft();
    Canvas.drawImage(Dest.topLeft() + shift, FPicture, inside);
    return;
  }
  // Stretched: the part of the source inside the strip maps to the matching part of Dest.
  const qreal sx = qreal(Dest.width()) / Source.width();
  const qreal sy = qreal(Dest.height()) / Source.height();
  const QRectF target(Dest.left() + (inside.left() - source.left()) * sx,
                      Dest.top() + (inside.top() - source.top()) * sy, inside.width() * sx,
                      inside.height() * sy);
  Canvas.drawImage(target, FPicture, QRectF(inside));
}

void TKVCustomImageList::GetImage(QImage& Bitmap, int Index) const {
  if (Index < 0 || Index >= FCount)
    return;
  Bitmap = FPicture.copy(FRects[size_t(Index)]);
}

void TKVCustomImageList::StretchDrawImage(QPainter& Canvas, const QRect& Rect, int Index) const {
  const QRect whole(0, 0, GetImageWidth(Index), GetImageHeight(Index));
  CopyImageRect(Canvas, Rect, Index, whole);
}

void TKVCustomImageList::LoadFromResFile(TKVResReader& Reader, const std::vector<int>& Entries) {
  Clear();
  for (const int entry : Entries) {
    if (entry < 0) {
      AddImage(QImage());
      continue;
    }
    try {
      QBuffer buffer;
      buffer.open(QIODevice::ReadWrite);
      Reader.ReadToStream(entry, buffer);
      const QImage image = QImage::fromData(buffer.data());
      if (!image.isNull())
        AddImage(image);
    } catch (const std::exception&) {
      // A damaged entry leaves a gap in the strip rather than failing the whole skin.
    }
  }
}

void TKVCustomImageList::LoadFromResourceRange(const QString& Prefix, int First, int Last) {
  for (qint64 n = First; n <= Last; ++n) {
    const QImage image(ResourcePath(Prefix + QString::number(n)));
    if (!image.isNull())
      AddImage(image);
  }
}

void TKVCustomImageList::LoadFromResourceNames(const QString& Names, bool WithPrefix) {
  Clear();
  const QString prefix = WithPrefix ? objectName() : QString();
  for (const QString& name : SplitNames(Names)) {
    if (name.isEmpty()) {
      AddImage(QImage());
      continue;
    }
    AddImage(QImage(ResourcePath(prefix + name)));
  }
}

QList<QRgb> TKVCustomImageList::Palette() const {
  return FIgnorePalette ? QList<QRgb>() : FPalette;
}

void TKVCustomImageList::SetImgWidth(int Value) {
  Value = std::max(Value, 0);
  if (FVarSize || Value == FImgWidth)
    return;
  if (FCount > 0 && !FPicture.isNull()) {
    const qint64 width = qint64(FCount) * Value;
    if (!FitsStrip(width, FPicture.height()))
      return;
    QImage strip(int(width), FPicture.height(), FPicture.format());
    strip.fill(FPicture.hasAlphaChannel() ? Qt::transparent : Qt::black);
    QPainter painter(&strip);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int i = 0; i < FCount; ++i)
      painter.drawImage(i * Value, 0, FPicture, i * FImgWidth, 0, FImgWidth, FPicture.height());
    painter.end();
    FPicture = std::move(strip);
  }
  FImgWidth = Value;
  RebuildTables();
  if (FAutoSize)
    resize(Value, height());
}

void TKVCustomImageList::SetImgHeight(int Value) {
  Value = std::max(Value, 0);
  if (FVarSize || Value == FImgHeight)
    return;
  if (FCount > 0 && !FPicture.isNull()) {
    if (!FitsStrip(FPicture.width(), Value))
      return;
    GrowStrip(FPicture.width(), Value, false);
  }
  FImgHeight = Value;
  RebuildTables();
  if (FAutoSize)
    resize(width(), Value);
}

void TKVCustomImageList::SetCount(int Value) {
  Value = std::clamp(Value, 0, MaxCount);
  if (Value == FCount)
    return;
  FCount = Value;
  RebuildTables();
}

void TKVCustomImageList::SetVarWidthS(const QString& Value) {
  if (Value == FVarWidthS)
    return;
  FVarWidthS = Value;
  RebuildTables();
}

void TKVCustomImageList::SetVarHeightS(const QString& Value) {
  if (Value == FVarHeightS)
    return;
  FVarHeightS = Value;
  RebuildTables();
}

void TKVCustomImageList::SetAutoSize(bool Value) {
  if (Value == FAutoSize)
    return;
  FAutoSize = Value;
  if (FAutoSize)
    resize(FImgWidth, FImgHeight);
}

void TKVCustomImageList::SetVarSize(bool Value) {
  if (Value == FVarSize)
    return;
  FVarSize = Value;
  RebuildTables();
}

void TKVCustomImageList::Loaded() {
  RebuildTables();
}

void TKVCustomImageList::SetCursorId(int Value) {
  FCursorId = Value;
  setCursor(TKVCursors::Cursor(Value));
}

void TKVCustomImageList::SetHint(const QString& Value) {
  if (Value == FHint)
    return;
  FHint = Value;
  ApplyToolTip();
}

void TKVCustomImageList::SetShowHint(bool Value) {
  if (Value == FShowHint)
    return;
  FShowHint = Value;
  ApplyToolTip();
}

void TKVCustomImageList::ApplyToolTip() {
  // Hints name links and sets that come from outside; they are shown as typed.
  setToolTip(FShowHint ? PlainToolTip(FHint) : QString());
}

void TKVCustomImageList::DoMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                     QPoint At) {
  if (OnMouseDown)
    OnMouseDown(this, Button, Shift, At.x(), At.y());
}

void TKVCustomImageList::DoMouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift,
                                     QPoint At) {
  if (OnMouseMove)
    OnMouseMove(this, Buttons, Shift, At.x(), At.y());
}

void TKVCustomImageList::DoMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPoint At) {
  if (OnMouseUp)
    OnMouseUp(this, Button, Shift, At.x(), At.y());
}

bool TKVCustomImageList::event(QEvent* Event) {
  if (Event->type() == QEvent::WindowBlocked)
    GestureLost();
  return QWidget::event(Event);
}

void TKVCustomImageList::hideEvent(QHideEvent* Event) {
  GestureLost();
  QWidget::hideEvent(Event);
}

void TKVCustomImageList::mousePressEvent(QMouseEvent* Event) {
  DoMouseDown(Event->button(), Event->modifiers(), Event->position().toPoint());
}

void TKVCustomImageList::mouseMoveEvent(QMouseEvent* Event) {
  DoMouseMove(Event->buttons(), Event->modifiers(), Event->position().toPoint());
}

void TKVCustomImageList::mouseReleaseEvent(QMouseEvent* Event) {
  DoMouseUp(Event->button(), Event->modifiers(), Event->position().toPoint());
}
