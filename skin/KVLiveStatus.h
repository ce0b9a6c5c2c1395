// What a window announces as it happens (a card turned, a pair judged, whose turn it is), for a
// player who listens rather than looks. Assistive technology reads it as a notification that is
// part of the window: each announcement changes its name and shows it anew, which is what
// screen readers speak without the player moving the focus there. It holds nothing the window
// does not show or has not shown.
//
// Readers fetch the name when they hear that it changed, by then possibly changed again, so
// everything announced while one event is handled is said together, as one text, once control
// returns to the event loop.
#pragma once

#include <QObject>
#include <QString>

class QWidget;

class TKVLiveStatus : public QObject {
public:
  // Lives in Window, whose accessible children list it after the window's controls.
  explicit TKVLiveStatus(QWidget* Window);

  // The last text said.
  const QString& Text() const { return FText; }
  // Says Text, after whatever else is being said for the same event; the same words said again
  // are announced again.
  void Announce(const QString& Text);

private:
  void Say();

  QString FText;
  QString FPending;
};
