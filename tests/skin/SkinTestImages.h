// Pictures and pixel probes shared by the skin control tests.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace skintest {

inline QImage Solid(int Width, int Height, QColor Color) {
  QImage image(Width, Height, QImage::Format_RGB32);
  image.fill(Color);
  return image;
}

// A picture whose every pixel tells where it lies: red = x * Step, green = y * Step, blue as
// given, so a shifted or seamed copy is caught at the first wrong pixel.
inline QImage Coded(int Width, int Height, int Step, int Blue) {
  QImage image(Width, Height, QImage::Format_RGB32);
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x)
      image.setPixel(x, y, qRgb(x * Step, y * Step, Blue));
  return image;
}

inline QRgb Opaque(QRgb Pixel) {
  return Pixel | 0xff000000u;
}

// The widget as it paints itself, pixel by pixel.
inline QImage Shot(QWidget& Widget) {
  return Widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline QRgb At(const QImage& Image, int X, int Y) {
  return Opaque(Image.pixel(X, Y));
}

inline QRgb Rgb(QColor Color) {
  return Opaque(Color.rgb());
}

} // namespace skintest
