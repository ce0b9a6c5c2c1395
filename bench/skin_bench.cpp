// Repaint figures of the skin controls on the offscreen platform.
//
// BevelFullRepaint paints a bevel of the main window's design size with all nine slots into a
// surface; the floor is one drawPixmap of a prepared pixmap of that size into the same surface.
// MapHover moves the pointer onto one area of a map as wide, 80 high, and off again, and reports
// the pixels repainted per
// hover against the map's whole surface.
#include "KVImageCtrl.h"
#include "KVImageMap.h"
#include "SkinLayout.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <benchmark/benchmark.h>

namespace {

constexpr int WindowWidth = skinlayout::mainform::Client.width();
constexpr int WindowHeight = skinlayout::mainform::Client.height();

QImage Noise(int Width, int Height, int Seed) {
  QImage image(Width, Height, QImage::Format_RGB32);
  quint32 state = quint32(Seed) * 2654435761u + 1;
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) {
      state = state * 1664525u + 1013904223u;
      image.setPixel(x, y, state >> 8);
    }
  return image;
}

// Sizes like the main window's skin: 30-pixel corners, 12-pixel edges, a 64-pixel tile.
void AddMainFrame(TKVImageBevel& Bevel) {
  const QSize sizes[] = {{30, 30}, {8, 12}, {30, 30}, {12, 8}, {12, 8},
                         {30, 30}, {8, 12}, {30, 30}, {64, 64}};
  int seed = 1;
  for (const QSize& size : sizes)
    Bevel.AddImage(Noise(size.width(), size.height(), seed++));
}

QImage Surface() {
  return QImage(WindowWidth, WindowHeight, QImage::Format_ARGB32_Premultiplied);
}

void BevelFullRepaint(benchmark::State& State, bool Stretch) {
  TKVImageBevel bevel;
  bevel.resize(WindowWidth, WindowHeight);
  AddMainFrame(bevel);
  bevel.SetStretch(Stretch);
  QImage surface = Surface();
  for (auto _ : State) {
    QPainter painter(&surface);
    bevel.Paint(painter, bevel.rect());
    painter.end();
    benchmark::DoNotOptimize(surface.constBits());
  }
}

void BM_BevelFullRepaintStretched(benchmark::State& State) {
  BevelFullRepaint(State, true);
}
BENCHMARK(BM_BevelFullRepaintStretched)->Unit(benchmark::kMicrosecond);

void BM_BevelFullRepaintTiled(benchmark::State& State) {
  BevelFullRepaint(State, false);
}
BENCHMARK(BM_BevelFullRepaintTiled)->Unit(benchmark::kMicrosecond);

// The same bevel through the widget's own paint event (QWidget::render).
void BM_BevelRenderWidget(benchmark::State& State) {
  TKVImageBevel bevel;
  bevel.resize(WindowWidth, WindowHeight);
  AddMainFrame(bevel);
  QImage surface = Surface();
  for (auto _ : State) {
    bevel.render(&surface);
    benchmark::DoNotOptimize(surface.constBits());
  }
}
BENCHMARK(BM_BevelRenderWidget)->Unit(benchmark::kMicrosecond);

void BM_FloorDrawPixmap(benchmark::State& State) {
  TKVImageBevel bevel;
  bevel.resize(WindowWidth, WindowHeight);
  AddMainFrame(bevel);
  const QPixmap prepared = bevel.grab();
  QImage surface = Surface();
  for (auto _ : State) {
    QPainter painter(&surface);
    painter.drawPixmap(0, 0, prepared);
    painter.end();
    benchmark::DoNotOptimize(surface.constBits());
  }
}
BENCHMARK(BM_FloorDrawPixmap)->Unit(benchmark::kMicrosecond);

class TMeasuredMap : public TKVImageMap {
public:
  using TKVImageMap::TKVImageMap;
  qint64 PaintedPixels = 0;

protected:
  void paintEvent(QPaintEvent* Event) override {
    for (const QRect& part : Event->region())
      PaintedPixels += qint64(part.width()) * part.height();
    TKVImageMap::paintEvent(Event);
  }
};

void SendMove(QWidget& Widget, QPoint At) {
  QMouseEvent move(QEvent::MouseMove, At, Widget.mapToGlobal(At), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&Widget, &move);
}

void BM_MapHover(benchmark::State& State) {
  TMeasuredMap map;
  for (int look = 0; look < 5; ++look)
    map.AddImage(Noise(WindowWidth, 80, 10 + look));
  for (const skinlayout::TSkinArea& area :
       {skinlayout::mainform::BarExitArea, skinlayout::mainform::BarPlayArea,
        skinlayout::mainform::BarOptionsArea})
    map.AddArea(area.Name, area.Rect, 2, QString::fromUtf8(area.Hint.Source));
  map.show();
  QApplication::processEvents();
  map.PaintedPixels = 0;
  qint64 hovers = 0;
  for (auto _ : State) {
    SendMove(map, QPoint(420, 45));
    QApplication::processEvents();
    SendMove(map, QPoint(200, 70));
    QApplication::processEvents();
    hovers += 2;
  }
  State.counters["repainted_px_per_hover"] = double(map.PaintedPixels) / double(hovers);
  State.counters["area_px"] = 65 * 28;
  State.counters["map_px"] = WindowWidth * 80;
}
BENCHMARK(BM_MapHover)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
