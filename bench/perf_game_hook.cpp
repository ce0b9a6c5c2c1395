// Linked into a copy of the game built from its own main(): when the application object is
// made, installs the first-paint probe, so the game's start-up is timed exactly as it runs.
//
// With TESSELO_PERF_PLAY=1 in the environment, the first paint is followed by the "play"
// command with the stored settings, a whole paint of the board, and a report of the new
// game's time, of its cells' size and of the peak memory; the process then ends.
#include "perf_probe.h"

#include "BoardFaces.h"
#include "BoardGrid.h"
#include "MainF.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace {

constexpr int GiveUpMs = 120000;

TMainForm* FindMainForm() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* form = dynamic_cast<TMainForm*>(widget))
      return form;
  return nullptr;
}

[[noreturn]] void PlayAndReport() {
  TMainForm* form = FindMainForm();
  if (form == nullptr) {
    std::fprintf(stderr, "no main window\n");
    _exit(2);
  }
  // The window finishes itself right after its first paint, long before a player can click;
  // "play" is timed from a finished window, as a player meets it.
  form->FinishCreate();
  const long long before = MonotonicNs();
  form->PanelMapMapClick(QStringLiteral("play"));
  form->MGrid->repaint();
  const long long after = MonotonicNs();
  // The cell in device pixels, which the floors decode the same faces for.
  const QSize cell = TBoardFaces::DevicePixels({form->MGrid->ColWidth(), form->MGrid->RowHeight()},
                                               form->MGrid->devicePixelRatioF());
  std::printf("new_game_ns=%lld board_cells=%d board_cols=%d cell_width=%d cell_height=%d "
              "peak_rss_kib=%lld\n",
              after - before, form->MGrid->ColCount() * form->MGrid->RowCount(),
              form->MGrid->ColCount(), cell.width(), cell.height(), PeakRssKiB());
  std::fflush(stdout);
  _exit(0);
}

// Set while the program's libraries are loaded and its statics made, before main() runs.
const bool Loaded = (MarkStartUpPhase("loaded"), true);

void InstallProbe() {
  MarkStartUpPhase("app");
  const bool play = qEnvironmentVariableIntValue("TESSELO_PERF_PLAY") == 1;
  auto* probe = new TFirstPaintProbe(play ? PlayAndReport : ReportFirstPaintAndExit);
  probe->setParent(qApp);
  qApp->installEventFilter(probe);
  // A start-up that never paints (a message box waiting for a click) must not hang the run.
  QTimer::singleShot(GiveUpMs, [] { _exit(3); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
