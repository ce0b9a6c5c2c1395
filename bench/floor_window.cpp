// The floor of start-up: the least a Qt Widgets program can do to show a window like the
// game's. A frameless window of the game's design size that paints one pixmap, made before the
// window shows, and one line of text in the status line's font: the game's first picture says
// "Welcome", so the floor pays for starting the fonts too.
// Prints the moment of its first paint (see perf_probe.h) and ends.
#include "SkinLayout.h"
#include "perf_probe.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <utility>

namespace {

class TPixmapWindow : public QWidget {
public:
  explicit TPixmapWindow(QPixmap Picture) : FPicture(std::move(Picture)) {
    setWindowFlag(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(FPicture.size());
  }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter canvas(this);
    canvas.drawPixmap(0, 0, FPicture);
    canvas.drawText(rect().adjusted(0, 0, 0, -26), Qt::AlignHCenter | Qt::AlignBottom,
                    QStringLiteral("Welcome"));
  }

private:
  QPixmap FPicture;
};

QPixmap Cover() {
  QPixmap picture(skinlayout::mainform::Client);
  picture.fill(QColor(40, 90, 160));
  return picture;
}

} // namespace

// Set while the program's libraries are loaded and its statics made, before main() runs.
const bool Loaded = (MarkStartUpPhase("loaded"), true);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  MarkStartUpPhase("app");
  TFirstPaintProbe probe(ReportFirstPaintAndExit);
  app.installEventFilter(&probe);
  TPixmapWindow window(Cover());
  QFont font(QStringLiteral("Sans Serif"));
  font.setPixelSize(11);
  font.setBold(true);
  window.setFont(font);
  window.show();
  return QApplication::exec();
}
