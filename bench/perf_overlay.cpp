// Two animated GIF faces playing at once in the game's face overlays: the share of one core
// the process uses while they play, against the same window with nothing playing.
//
//   perf_overlay program/cards/animations.crd [SECONDS]
// prints "overlay_cpu_percent=X idle_cpu_percent=Y frames=N".
#include "CardSetLoader.h"
#include "FaceOverlay.h"
#include "SkinLayout.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <numeric>
#include <vector>

namespace {

double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The share of one core used while the event loop runs for Seconds.
double CpuPercentOver(double Seconds) {
  const double before = CpuSeconds();
  QEventLoop loop;
  QTimer::singleShot(int(Seconds * 1000), &loop, &QEventLoop::quit);
  loop.exec();
  return (CpuSeconds() - before) / Seconds * 100.0;
}

// The first two faces of the set that have more than one frame.
std::vector<QByteArray> AnimatedFaces(const QString& Path) {
  TCardSetLoader loader(Path);
  const CardSetHeaderInfo header = loader.ReadHeader();
  std::vector<int32_t> faces(size_t(header.ImageCount));
  std::iota(faces.begin(), faces.end(), 0);
  loader.LoadFaces(faces);
  std::vector<QByteArray> animated;
  for (const QByteArray& face : loader.FaceStreams()) {
    TFaceOverlay probe;
    probe.ShowFace(face, QRect(0, 0, 120, 90));
    if (probe.FrameCount() > 1 && animated.size() < 2)
      animated.push_back(face);
  }
  return animated;
}

} // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: perf_overlay SET.crd [SECONDS]\n");
    return 2;
  }
  const double seconds = argc > 2 ? std::atof(argv[2]) : 5.0;
  const std::vector<QByteArray> faces = AnimatedFaces(QString::fromLocal8Bit(argv[1]));
  if (faces.size() < 2) {
    std::fprintf(stderr, "the set has fewer than two animated faces\n");
    return 2;
  }
  QWidget window;
  window.resize(skinlayout::mainform::Client);
  TFaceOverlay panel1(&window);
  TFaceOverlay panel2(&window);
  window.show();
  CpuPercentOver(0.5); // let the window settle
  const double idle = CpuPercentOver(seconds);
  panel1.ShowFace(faces[0], QRect(5, 21, 120, 90));
  panel2.ShowFace(faces[1], QRect(127, 21, 120, 90));
  const double playing = CpuPercentOver(seconds);
  std::printf("overlay_cpu_percent=%.2f idle_cpu_percent=%.2f frames=%d\n", playing, idle,
              panel1.FrameCount() + panel2.FrameCount());
  return 0;
}
