// A picture control sized to its picture (CopyRightImage, OptionsBg, DKWRBtn): it paints the
// picture at its origin and reports a left click (press and release over it) through OnClick.
// Without OnClick it lets mouse presses through to its parent.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

class TPictureImage : public QWidget {
public:
  explicit TPictureImage(QWidget* Parent = nullptr);

  // Takes a copy of Picture and the picture's size.
  void SetPicture(const QImage& Picture);
  const QImage& Picture() const { return FPicture; }
  // Pointer shape by cursor number (1 open hand, 2 pointing hand).
  void SetCursorId(int Number);

  std::function<void()> OnClick;

protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;

private:
  QImage FPicture;
  bool FPressed = false;
};
