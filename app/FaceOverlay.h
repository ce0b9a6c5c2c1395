// An overlay panel (Panel1/Img1, Panel2/Img2) that shows a face-up GIF card over its cell and
// plays the animation while it is shown. The panel is white; the picture is shrunk to fit the
// panel (never enlarged) and centred in it.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <vector>

class TFaceOverlay : public QWidget {
public:
  explicit TFaceOverlay(QWidget* Parent = nullptr);

  // Decodes the GIF in Data, composes its frames at the fitted size once, places the panel at
  // Place (parent coordinates; its size is the panel's) and shows it, starting the animation.
  // Throws EImageError when Data cannot be decoded; the overlay is then left hidden.
  void ShowFace(const QByteArray& Data, const QRect& Place);
  // Stops the animation, hides the panel and drops the frames.
  void HideFace();

  // Where the picture sits inside the panel.
  QRect ImageRect() const { return FImageRect; }
  int FrameCount() const { return int(FFrames.size()); }
  int CurrentFrame() const { return FCurrent; }

protected:
  void paintEvent(QPaintEvent* Event) override;

private:
  void NextFrame();
  void ScheduleFrame();

  struct TFrame {
    QImage Image;
    int DelayMs = 0;
  };
  std::vector<TFrame> FFrames;
  QRect FImageRect;
  int FCurrent = 0;
  int FPlaysLeft = 0; // 0: for ever
  QTimer FFrameTimer;
};
