// Whole-process figures of a Qt program: the moment its first window has painted, and the
// most memory it has held.
#pragma once

#include <QObject>

#include <functional>

// Watches every event of the application. The first paint event that reaches a top-level
// window is let through; once the event loop has finished that paint (and flushed it), Then
// runs. Install it before the first window is shown.
class TFirstPaintProbe : public QObject {
public:
  explicit TFirstPaintProbe(std::function<void()> Then);

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  std::function<void()> FThen;
  bool FShown = false;
  bool FSeen = false;
};

// CLOCK_MONOTONIC now, in nanoseconds: the clock the harness reads before it starts a program.
long long MonotonicNs();

// The peak resident set of this process so far (VmHWM), in KiB; -1 when unknown.
long long PeakRssKiB();

// Marks a moment of start-up under a name; ReportFirstPaintAndExit prints them all.
void MarkStartUpPhase(const char* Name);

// Prints "first_paint_ns=N peak_rss_kib=N", then each marked phase as "NAME_ns=N", and ends the
// process at once, without tearing anything down, so the figure holds start-up alone.
[[noreturn]] void ReportFirstPaintAndExit();
