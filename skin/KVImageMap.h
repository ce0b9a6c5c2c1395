// The image map: a picture with named rectangular hot areas, the button surface of every window.
//
// Sub-images 0..4 of the strip are whole pictures of the control in one look each: normal (also
// the base picture), on, hover, disabled, pressed. An area shows its rectangle taken from the
// sub-image of its current look; an absent sub-image falls back to the normal look.
//
// A left press and release over an area switches it on (at most one area is on at a time) and
// reports its name. Presses outside every enabled area are handed on to the window through
// OnMouseDown/OnMouseMove/OnMouseUp, in map coordinates, so the window can be dragged by the
// map's background.
//
// The keyboard reaches every enabled area: a map with areas is a stop of the Tab chain, and
// inside it Tab and Shift+Tab, the arrows, Home and End move the focus from area to area (in
// FocusOrder) before Tab leaves the map; Enter, Return or Space press the area that has the
// focus as a click would. The window's focus frame goes around that area.
#pragma once

#include "KVFocusLook.h"
#include "KVImageList.h"

#include <QString>

#include <functional>
#include <vector>

enum TAreaState : quint8 { arsOff = 0, arsOn = 1, arsDisabled = 2 };
// Note the order: the hover look is sub-image 2 and the disabled look sub-image 3.
enum TAreaPaint : quint8 { arpOff = 0, arpOn = 1, arpDisabled = 2, arpOver = 3, arpClicked = 4 };

// One hot area. Left and Top belong to it, Right and Bottom do not.
struct TArea {
  qint32 Left = 0;
  qint32 Top = 0;
  qint32 Right = 0;
  qint32 Bottom = 0;
  TAreaState AreaState = arsOff;
  TAreaPaint AreaPaint = arpOff;
  // The pointer is over the area.
  bool AreaOver = false;
  // The left button went down on the area and has not yet been released.
  bool AreaClicked = false;
  qint16 AreaCursor = 0;
  QString AreaHint;

  bool Contains(int X, int Y) const { return Left <= X && X < Right && Top <= Y && Y < Bottom; }
};

// The look an area should show, given which of sub-images 0..4 are present (bit k of
// PresentImages set when sub-image k has a width above 0).
TAreaPaint AreaPaintFor(const TArea& Area, unsigned PresentImages);
// The strip index holding the look.
int SubImageOf(TAreaPaint Paint);

class TKVCustomImageMap;
using TMapClickEvent = std::function<void(TKVCustomImageMap* Sender, const QString& AreaName)>;

class TKVCustomImageMap : public TKVCustomImageList, public IKVFocusPart {
public:
  explicit TKVCustomImageMap(QWidget* Parent = nullptr);
  ~TKVCustomImageMap() override;

  // Appends an area that starts off, or, when an area of that name (ignoring case) exists,
  // only moves it: its cursor and hint stay. Nothing is redrawn. Rect's right and bottom
  // edges are outside the area, so QRect(left, top, width, height) is the natural form.
  void AddArea(const QString& Name, const QRect& Rect, int Cursor, const QString& Hint);
  // The same with the rectangle as left, top, right, bottom (right and bottom outside).
  void AddArea(const QString& Name, int Left, int Top, int Right, int Bottom, int Cursor,
               const QString& Hint);

  int AreaCount() const { return int(FAreas.size()); }
  // Index must lie in 0..AreaCount()-1.
  const TArea& Area(int Index) const { return FAreas[size_t(Index)].Area; }
  const QString& AreaName(int Index) const { return FAreas[size_t(Index)].Name; }
  // Index of the area of that name, ignoring case, or -1.
  int IndexOfArea(const QString& Name) const;
  // The first area in list order containing the point, or -1.
  int AreaAt(int X, int Y) const;

  // Operations by index require 0 <= Index < AreaCount(); those by name ignore unknown names.
  virtual void PaintArea(int Index);
  virtual void UpdateAreaPaint(int Index);
  // Going on fires OnMapChanging first (every time), switches every other area that is on
  // off (each firing OnMapUnClick), and ends with OnMapClick (every time).
  virtual void SetAreaState(int Index, TAreaState State);
  virtual void SetAreaOver(int Index, bool Flag);
  virtual void SetAreaClicked(int Index, bool Flag);
  virtual TAreaState GetAreaState(const QString& Name) const;
  virtual void SetAreaState(const QString& Name, TAreaState State);
  virtual void ResetAreas();
  // What a left click released over the area does: switches it on (or off, under
  // AllowAllOff, when it is already on); a disabled area ignores it. Assistive technology
  // presses areas through this, so a press without a pointer acts as a click.
  void PressArea(int Index);

  // The area that has the keyboard's focus while the map has it, or -1.
  int FocusArea() const { return FFocusArea; }
  // Gives Index the focus inside the map (and the map the focus when Focus is true); a
  // disabled area or an index outside the map is ignored.
  void SetFocusArea(int Index, bool Focus = false);
  // The order in which the keyboard visits the areas, by name; areas not named follow in their
  // own order. Default: the order they were added in.
  void SetFocusOrder(const QStringList& Names);
  // Whether Tab reaches the map at all (default true, once it has areas); the areas can still be
  // pressed through assistive technology.
  void SetTabStop(bool Value);
  // The focused area's rectangle, inside the map.
  QRect FocusPart() const override;

  bool ChangeCursor() const { return FChangeCursor; }
  void SetChangeCursor(bool Value) { FChangeCursor = Value; }
  // A release on the area that is already on switches it off instead of clicking it again.
  bool AllowAllOff() const { return FAllowAllOff; }
  void SetAllowAllOff(bool Value) { FAllowAllOff = Value; }
  // When true only the areas are drawn; the parent shows through elsewhere.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // Sets the current pointer shape and remembers it as the shape outside every area.
  int OutAreaCursor() const { return FOutAreaCursor; }
  void SetOutAreaCursor(int Value);
  // The tooltip outside every area; writing it sets Hint at once.
  const QString& OutAreaHint() const { return FOutAreaHint; }
  void SetOutAreaHint(const QString& Value);

  TMapClickEvent OnMapChanging;
  TMapClickEvent OnMapClick;
  TMapClickEvent OnMapUnClick;

protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void leaveEvent(QEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;
  bool focusNextPrevChild(bool Next) override;
  // Enabling sets every area off, disabling sets every area disabled.
  void changeEvent(QEvent* Event) override;
  // The map gets no leave when the pointer moves onto one of its children, so their enter
  // events are watched to clear the hover state.
  void childEvent(QChildEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  // Ends a pass-through drag and takes the pressed look off every area.
  void GestureLost() override;

private:
  struct TNamedArea {
    QString Name;
    TArea Area;
  };

  unsigned PresentImages() const;
  QRect VisibleRect(const TArea& Area, const QRect& Bounds) const;
  void ClearOver(int Except);
  void ShowAreaLook(int Index);
  void ShowOutsideLook();
  // The enabled areas in focus order.
  std::vector<int> FocusStops() const;
  // The stop Steps away from the focused area (clamped to the ends), or -1 past them when
  // Clamp is false.
  int StopFrom(int Steps, bool Clamp) const;
  void TellFocusArea();

  std::vector<TNamedArea> FAreas;
  bool FChangeCursor = true;
  bool FAllowAllOff = false;
  bool FTransparent = false;
  bool FPassThrough = false;
  int FOutAreaCursor = 0;
  QString FOutAreaHint;
  int FFocusArea = -1;
  QStringList FFocusOrder;
  bool FTabStop = true;
};

// The published face of the map; all logic lives in TKVCustomImageMap.
class TKVImageMap : public TKVCustomImageMap {
public:
  using TKVCustomImageMap::TKVCustomImageMap;
};
