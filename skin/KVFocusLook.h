// How the keyboard focus looks on the skin: a gold frame with a dark rim, drawn as the skin's own
// highlights are (the yellow of its texts on the green felt). One frame per window
// (TKVFocusFrame) goes around the focused control, or around the part of it that has the focus
// (an image map's hot area, a board's cell), above whatever covers it.
#pragma once

#include <QFocusFrame>
#include <QPointer>

#include <functional>

class QPainter;
class QProxyStyle;
class QRect;

// Width of the frame in pixels, from the edge of its rectangle inward.
inline constexpr int FocusFrameWidth = 3;

// Draws the frame inside Outer: a 1-pixel dark rim at the edge, 2 gold pixels within it.
void PaintFocusFrame(QPainter& Canvas, const QRect& Outer);

// The focus of a line of text among others (a link): a 1-pixel gold frame just around Text, so
// the lines above and below stay readable.
void PaintTextFocus(QPainter& Canvas, const QRect& Text);

// Whether the focus is shown at all: from the first key pressed until the next press of a mouse
// button, so a player who uses the mouse sees the skin as drawn and one who uses the keyboard
// sees where it acts. When it changes, the focused control and its frame are repainted.
bool FocusShown();

// A control whose keyboard focus rests on one of its parts: the frame goes around that part.
class IKVFocusPart {
public:
  virtual ~IKVFocusPart() = default;
  // The part that has the focus, in the control's coordinates; empty for none.
  virtual QRect FocusPart() const = 0;
  // Set by the frame while it follows the control; the control calls it whenever FocusPart
  // changes.
  std::function<void()> FocusPartMoved;

protected:
  void TellFocusPartMoved() {
    if (FocusPartMoved)
      FocusPartMoved();
  }
};

// Controls that show their focus themselves (while FocusShown); TKVFocusFrame leaves them alone.
void SetDrawsOwnFocus(QWidget* Control);
bool DrawsOwnFocus(const QWidget* Control);

// Follows the keyboard focus inside one window and frames the focused control, or its focused
// part, from outside. Being a focus frame, it stays above what it frames and is not part of what
// assistive technology sees.
class TKVFocusFrame : public QFocusFrame {
public:
  explicit TKVFocusFrame(QWidget* Window);
  ~TKVFocusFrame() override;

protected:
  void paintEvent(QPaintEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  void FocusChanged(QWidget* Now);
  // Stops following a control's part.
  void LeavePart();
  void PlaceAroundPart();

  QPointer<QWidget> FWindow;
  // The control whose focused part is framed, while there is one.
  QPointer<QWidget> FPartOwner;
  // Makes the frame as wide as the skin's, for this frame only.
  QProxyStyle* FStyle = nullptr;
};
