// The picture strip every skin control derives from.
//
// One strip bitmap holds the sub-images side by side, left to right; controls draw any state or
// frame part with one block copy from it. In variable-size mode (the default) every sub-image
// keeps its own size, recorded as text in VarWidthS and VarHeightS ("60,0,40," - each entry
// closed by a comma); in fixed-size mode every sub-image is ImgWidth x ImgHeight.
//
// A 0 x 0 bitmap added to the strip is a placeholder: it keeps the indexes of the following
// sub-images and counts as absent (GetImageWidth gives 0).
//
// The control is a plain widget without a filled background: it paints over its parent's
// surface, and the base draws nothing itself. Its mouse handlers hand every event on to
// OnMouseDown, OnMouseMove and OnMouseUp; descendants decide what to keep.
#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QPainter;
class TKVResReader;

// Mouse events handed on to the window, in the control's coordinates.
using TMouseEvent = std::function<void(QWidget* Sender, Qt::MouseButton Button,
                                       Qt::KeyboardModifiers Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(QWidget* Sender, Qt::MouseButtons Buttons,
                                           Qt::KeyboardModifiers Shift, int X, int Y)>;

class TKVCustomImageList : public QWidget {
public:
  // The most sub-images a strip holds. Placeholders take no pixels, so without a bound a
  // stored Count could make the tables grow without limit.
  static constexpr int MaxCount = 65536;
  // The largest strip, in bytes of pixels; an image that would grow the strip past it is
  // refused.
  static constexpr qint64 MaxStripBytes = qint64(512) * 1024 * 1024;

  explicit TKVCustomImageList(QWidget* Parent = nullptr);
  ~TKVCustomImageList() override;

  // Appends a copy of Bitmap's pixels as sub-image Count (a null image counts as 0 x 0). With
  // AutoSize, the first image added sets the control's size. Nothing is repainted. False, and
  // nothing changed, when the strip would grow past MaxStripBytes or MaxCount.
  bool AddImage(const QImage& Bitmap);
  // Empties the strip, the size texts and the tables; the control keeps its size.
  void Clear();

  // Size of sub-image Index; 0 for an index outside 0..Count-1.
  int GetImageWidth(int Index) const;
  int GetImageHeight(int Index) const;

  // Draws sub-image Index at its own size with its top-left corner at (X, Y).
  void DrawImage(QPainter& Canvas, int X, int Index, int Y) const;
  // Copies Source, given relative to sub-image Index's left edge (y unchanged), to Dest,
  // stretching when the sizes differ. The source is not clipped to the sub-image: past its
  // right edge the next sub-image's pixels are read. It is clipped to the strip itself; the
  // part of Dest whose source lies outside the strip is left as it was.
  void CopyImageRect(QPainter& Canvas, const QRect& Dest, int Index, const QRect& Source) const;
  // Bitmap becomes a copy of sub-image Index; left as it was for an invalid index.
  void GetImage(QImage& Bitmap, int Index) const;
  // Draws sub-image Index stretched into Rect.
  void StretchDrawImage(QPainter& Canvas, const QRect& Rect, int Index) const;

  // Clears the strip, then adds one sub-image per entry number of the archive, in order: a
  // negative number adds an empty placeholder; an entry that cannot be read or decoded adds
  // nothing (the following sub-images move down one index).
  virtual void LoadFromResFile(TKVResReader& Reader, const std::vector<int>& Entries);
  // Adds the bitmaps of Qt's resource system named Prefix followed by n, for n from First to
  // Last inclusive; a missing or unreadable one adds nothing. The strip is not cleared. A
  // prefix not starting with ":" is looked up under ":/".
  virtual void LoadFromResourceRange(const QString& Prefix, int First, int Last);
  // Clears the strip, then adds one sub-image for each name of the comma-separated list
  // (items may be double-quoted, with "" for a quote): the resource of that name, prefixed
  // with objectName() when WithPrefix is true, or an empty placeholder for an empty name or a
  // resource that cannot be read.
  virtual void LoadFromResourceNames(const QString& Names, bool WithPrefix);

  const QImage& Picture() const { return FPicture; }
  // Rectangle of each sub-image within the strip, Count entries.
  const std::vector<QRect>& Rects() const { return FRects; }
  int Count() const { return FCount; }
  int ImgWidth() const { return FImgWidth; }
  int ImgHeight() const { return FImgHeight; }
  bool VarSize() const { return FVarSize; }
  bool AutoSize() const { return FAutoSize; }
  bool IgnorePalette() const { return FIgnorePalette; }
  const QString& VarWidthS() const { return FVarWidthS; }
  const QString& VarHeightS() const { return FVarHeightS; }
  // The strip's colour table (taken from the first indexed bitmap added); empty when
  // IgnorePalette is true or no bitmap had one.
  QList<QRgb> Palette() const;

  // Fixed-size mode only (ignored in variable-size mode): resizes every sub-image's slot,
  // cropping on the right or leaving a gap, and with AutoSize the control's width/height.
  void SetImgWidth(int Value);
  void SetImgHeight(int Value);
  // Stored-property writes: they set the number or text and rebuild the tables.
  void SetCount(int Value);
  void SetVarWidthS(const QString& Value);
  void SetVarHeightS(const QString& Value);
  // When switched on, the control takes the size ImgWidth x ImgHeight.
  void SetAutoSize(bool Value);
  void SetVarSize(bool Value);
  void SetIgnorePalette(bool Value) { FIgnorePalette = Value; }
  // Rebuilds the tables from VarWidthS, VarHeightS and Count once stored properties are set.
  void Loaded();

  // Pointer shape by registry number (see TKVCursors); 0 is the arrow.
  int CursorId() const { return FCursorId; }
  void SetCursorId(int Value);
  // The tooltip text; shown only while ShowHint is true.
  const QString& Hint() const { return FHint; }
  void SetHint(const QString& Value);
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);

  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

protected:
  // Hand an event on to the window through the matching handler, if one is assigned.
  void DoMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPoint At);
  void DoMouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, QPoint At);
  void DoMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPoint At);

  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;

  // A gesture under way (a press held on the control) that will never get its release: the
  // window was blocked by a modal window, the control was hidden, or a move came without the
  // left button because the release went elsewhere. Controls that keep a gesture's state
  // forget it here; the base keeps none.
  virtual void GestureLost() {}
  bool event(QEvent* Event) override;
  void hideEvent(QHideEvent* Event) override;

private:
  bool GrowStrip(int NewWidth, int NewHeight, bool NeedsAlpha);
  void RebuildTables();
  void ApplyToolTip();

  QImage FPicture;
  int FImgWidth = 100;
  int FImgHeight = 100;
  int FCount = 0;
  bool FVarSize = true;
  bool FAutoSize = true;
  bool FIgnorePalette = false;
  QString FVarWidthS;
  QString FVarHeightS;
  QList<QRgb> FPalette;
  std::vector<int> FWidths;
  std::vector<int> FHeights;
  std::vector<QRect> FRects;

  int FCursorId = 0;
  QString FHint;
  bool FShowHint = true;
};
