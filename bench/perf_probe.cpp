#include "perf_probe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <utility>
#include <vector>

#include <unistd.h>

namespace {

struct TPhase {
  const char* Name;
  long long Ns;
};

std::vector<TPhase>& Phases() {
  static std::vector<TPhase> phases;
  return phases;
}

} // namespace

void MarkStartUpPhase(const char* Name) {
  Phases().push_back({Name, MonotonicNs()});
}

TFirstPaintProbe::TFirstPaintProbe(std::function<void()> Then) : FThen(std::move(Then)) {}

bool TFirstPaintProbe::eventFilter(QObject* Watched, QEvent* Event) {
  if (!FShown && Event->type() == QEvent::Show) {
    const auto* widget = qobject_cast<QWidget*>(Watched);
    if (widget != nullptr && widget->isWindow()) {
      FShown = true;
      MarkStartUpPhase("show");
    }
  }
  if (!FSeen && Event->type() == QEvent::Paint) {
    const auto* widget = qobject_cast<QWidget*>(Watched);
    if (widget != nullptr && widget->isWindow()) {
      FSeen = true;
      // A zero timer fires after the paint of this round and its flush to the screen.
      QTimer::singleShot(0, FThen);
    }
  }
  return QObject::eventFilter(Watched, Event);
}

long long MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

long long PeakRssKiB() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (status == nullptr)
    return -1;
  char line[256];
  long long peak = -1;
  while (std::fgets(line, sizeof line, status) != nullptr)
    if (std::strncmp(line, "VmHWM:", 6) == 0)
      peak = std::strtoll(line + 6, nullptr, 10);
  std::fclose(status);
  return peak;
}

void ReportFirstPaintAndExit() {
  const long long now = MonotonicNs();
  std::printf("first_paint_ns=%lld peak_rss_kib=%lld", now, PeakRssKiB());
  for (const TPhase& phase : Phases())
    std::printf(" %s_ns=%lld", phase.Name, phase.Ns);
  std::printf("\n");
  std::fflush(stdout);
  _exit(0);
}
