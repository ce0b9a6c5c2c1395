#include "FaceOverlay.h"

#include "GifImage.h"
#include "KVGraphics.h"

#include <QPainter>

TFaceOverlay::TFaceOverlay(QWidget* Parent) : QWidget(Parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  hide();
  FFrameTimer.setSingleShot(true);
  QObject::connect(&FFrameTimer, &QTimer::timeout, this, [this] { NextFrame(); });
}

void TFaceOverlay::ShowFace(const QByteArray& Data, const QRect& Place) {
  HideFace();
  const TGifAnimation animation = DecodeGif(Data);
  setGeometry(Place);
  FImageRect = FittedRect(animation.ScreenSize, Place.width(), Place.height());
  // Frames are scaled once per showing, so each tick only draws a ready picture. A shrunk face
  // is scaled into the device pixels of a HiDPI screen; one that is not shrunk keeps its own
  // pixels, which the painter repeats whole rather than blurring them.
  const QSize device = (QSizeF(FImageRect.size()) * devicePixelRatioF()).toSize();
  FFrames.reserve(animation.Frames.size());
  for (const TGifFrame& frame : animation.Frames) {
    const bool fits =
        frame.Image.width() <= device.width() && frame.Image.height() <= device.height();
    FFrames.push_back(
        {fits ? frame.Image
              : frame.Image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
         frame.DelayMs});
  }
  FCurrent = 0;
  FPlaysLeft = animation.PlayCount;
  show();
  raise();
  update();
  ScheduleFrame();
}

void TFaceOverlay::HideFace() {
  FFrameTimer.stop();
  hide();
  FFrames.clear();
  FCurrent = 0;
}

void TFaceOverlay::ScheduleFrame() {
  if (FFrames.size() > 1)
    FFrameTimer.start(FFrames[size_t(FCurrent)].DelayMs);
}

void TFaceOverlay::NextFrame() {
  if (FFrames.empty())
    return;
  if (FCurrent + 1 < int(FFrames.size())) {
    ++FCurrent;
  } else {
    // A finite animation stops on its last frame after its last play.
    if (FPlaysLeft == 1)
      return;
    if (FPlaysLeft > 1)
      --FPlaysLeft;
    FCurrent = 0;
  }
  update(FImageRect);
  ScheduleFrame();
}

void TFaceOverlay::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  canvas.fillRect(rect(), Qt::white);
  if (!FFrames.empty())
    canvas.drawImage(FImageRect, FFrames[size_t(FCurrent)].Image);
}
