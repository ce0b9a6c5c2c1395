// The image bevel (a window's skinned frame and background) and the image slider.
#pragma once

#include "KVImageList.h"

#include <QColor>
#include <QRect>

#include <functional>

// Nine slots of the strip: 0 top-left corner, 1 top edge, 2 top-right corner, 3 left edge,
// 4 right edge, 5 bottom-left corner, 6 bottom edge, 7 bottom-right corner, 8 background tile.
// An absent slot (missing, or an empty placeholder) is not drawn. The tile repeats from the
// control's origin; the edges are stretched or tiled along their sides; the corners are drawn
// last at their own size. Adding images never resizes the bevel.
class TKVImageBevel : public TKVCustomImageList {
public:
  explicit TKVImageBevel(QWidget* Parent = nullptr);

  // Edges are stretched along their side when true, tiled from the origin when false.
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  // The background is a plain colour instead of the tile.
  bool BgColor() const { return FBgColor; }
  void SetBgColor(bool Value);
  // The plain background colour: the parent's window colour while ParentColor is true,
  // otherwise Color. Writing Color switches ParentColor off.
  QColor Color() const;
  void SetColor(const QColor& Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);

  // Draws the part Clip of the bevel (control coordinates) on Canvas. Every copy is limited to
  // Clip, and the picture does not depend on how the surface is cut into clip rectangles.
  void Paint(QPainter& Canvas, const QRect& Clip) const;

protected:
  void paintEvent(QPaintEvent* Event) override;

private:
  void PaintBackground(QPainter& Canvas, const QRect& Clip) const;
  void PaintStretchedEdges(QPainter& Canvas, const QRect& Clip) const;
  void PaintTiledEdges(QPainter& Canvas, const QRect& Clip) const;
  void PaintCorners(QPainter& Canvas, const QRect& Clip) const;

  bool FStretch = true;
  bool FBgColor = false;
  bool FParentColor = true;
  QColor FColor;
};

enum TTrackBarOrientation { trHorizontal, trVertical };

// Where the slider's thumb sits and which value a pointer position means. With
// L = Width - 2 * StartPos and the scale s = L / (Max - Min):
//   thumb left x(p) = R((p - Min) * s) - ThumbWidth div 2 + StartPos,
//   value v(x)      = R((x - StartPos) / s) + Min, clamped to Min..Max,
//   grab zone of p  = x from R((p - Min) * s) included to R((p - Min + 1) * s) excluded,
// where R rounds halves to the even neighbour. An empty range (Min = Max) is scaled as a range
// of one step, so the thumb rests at the start, every pointer position means Min and the grab
// zone spans the usable length. Results that do not fit an integer are clamped.
struct TSliderGeometry {
  int Width = 0;
  int StartPos = 0;
  int Min = 0;
  int Max = 10;
  int ThumbWidth = 0;
  int ThumbHeight = 0;
  int ThumbTop = 0;

  double Scale() const;
  int ThumbLeft(int Position) const;
  QRect ThumbRect(int Position) const;
  int ValueAt(int X) const;
  bool InGrabZone(int Position, int X) const;
};

// Nearest integer, halves to the even neighbour; NaN gives 0, values past the int range clamp.
int RoundHalfEven(double Value);

class TKVImageSlider;
using TSliderChangeEvent = std::function<void(TKVImageSlider* Sender)>;

// Horizontal value slider: sub-image 0 is the track, drawn at the origin; sub-image 1 is the
// thumb. A press on the thumb's grab zone starts a drag that follows the pointer; any release
// moves the thumb to the pointer, so a click on the track jumps there. With the focus, the
// arrows move the thumb one step, Page Up and Page Down a quarter of the range, Home and End to
// the ends.
class TKVImageSlider : public TKVCustomImageList {
public:
  explicit TKVImageSlider(QWidget* Parent = nullptr);

  int Min() const { return FMin; }
  int Max() const { return FMax; }
  int Position() const { return FPosition; }
  void SetMin(int Value) { SetRange(FPosition, Value, FMax); }
  void SetMax(int Value) { SetRange(FPosition, FMin, Value); }
  // Clamps to Min..Max; a real change repaints the old and new thumb and fires OnChange.
  void SetPosition(int Value);
  // Max below Min becomes Min, Position below Min becomes Min; then Position is written with
  // the smaller of it and Max.
  void SetRange(int Position, int Min, int Max);

  // Inset of the usable length at each end of the track (no repaint).
  int StartPos() const { return FStartPos; }
  void SetStartPos(int Value) { FStartPos = Value; }
  // The thumb's top (no repaint).
  int ThumbTop() const { return FThumbTop; }
  void SetThumbTop(int Value) { FThumbTop = Value; }
  // Stored only: the layout is horizontal whatever it holds.
  TTrackBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TTrackBarOrientation Value);

  bool Dragging() const { return FDragging; }
  TSliderGeometry Geometry() const;
  // Fires OnChange.
  void Change();

  TSliderChangeEvent OnChange;

protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  // Ends a thumb drag where the thumb stands.
  void GestureLost() override { FDragging = false; }

private:
  int FMin = 0;
  int FMax = 10;
  int FPosition = 0;
  int FStartPos = 0;
  int FThumbTop = 0;
  TTrackBarOrientation FOrientation = trHorizontal;
  bool FDragging = false;
};
