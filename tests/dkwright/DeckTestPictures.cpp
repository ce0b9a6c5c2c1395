#include "DeckTestPictures.h"

#include "BmpEncoder.h"
#include "GifEncoder.h"
#include "JpegEncoder.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtEndian>

namespace decktest {

QColor ColourOf(int Index) {
  return QColor::fromHsv((Index * 47) % 360, 200, 220);
}

QByteArray Picture(const QString& Format, int Index, QSize Size, int Frames) {
  QList<TGifSourceFrame> frames;
  for (int f = 0; f < Frames; ++f) {
    QImage image(Size, QImage::Format_RGB32);
    image.fill(ColourOf(Index));
    QPainter painter(&image);
    painter.fillRect(QRect(f * 2, 0, Size.width() / 8 + 1, Size.height() / 8 + 1), Qt::black);
    painter.end();
    frames.push_back({image, 70 * (f + 1)});
  }
  if (Format == QLatin1String("gif"))
    return EncodeGif(frames);
  if (Format == QLatin1String("jpeg"))
    return EncodeJpeg(frames.front().Picture, 90);
  return EncodeBmp(frames.front().Picture);
}

QList<QByteArray> Pictures(const QString& Format, int Count, QSize Size) {
  QList<QByteArray> pictures;
  for (int i = 0; i < Count; ++i)
    pictures.push_back(Picture(Format, i, Size));
  return pictures;
}

QByteArray Wave(int Frames) {
  QByteArray clip = "RIFF....WAVEfmt " + QByteArray(20, '\0') + "data....";
  const auto put = [&](int At, auto Value) { qToLittleEndian(Value, clip.data() + At); };
  put(4, quint32(36 + Frames));
  put(16, quint32(16));
  put(20, quint16(1));
  put(22, quint16(1));
  put(24, quint32(8000));
  put(28, quint32(8000));
  put(32, quint16(1));
  put(34, quint16(8));
  put(40, quint32(Frames));
  return clip + QByteArray(Frames, '\x80');
}

bool WriteFile(const QString& Path, const QByteArray& Bytes) {
  QFile file(Path);
  return file.open(QIODevice::WriteOnly) && file.write(Bytes) == Bytes.size();
}

} // namespace decktest
