#include "FacePreparation.h"

#include "CardBox.h"
#include "DeckError.h"

#include "BmpEncoder.h"
#include "GifEncoder.h"
#include "JpegEncoder.h"

namespace {

constexpr int ShrunkJpegQuality = 88;

QImage Scaled(const QImage& picture, QSize size) {
  return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QByteArray Reencode(const TFacePicture& picture, QSize size) {
  switch (picture.Format) {
  case TFaceFormat::Gif: {
    QList<TGifSourceFrame> frames;
    for (qsizetype i = 0; i < picture.Frames.size(); ++i)
      frames.push_back({Scaled(picture.Frames[i], size), picture.DelaysMs[i]});
    return EncodeGif(frames);
  }
  case TFaceFormat::Jpeg:
    return EncodeJpeg(Scaled(picture.Frames.front(), size), ShrunkJpegQuality);
  default:
    return EncodeBmp(Scaled(picture.Frames.front(), size));
  }
}

} // namespace

QByteArray PrepareFaceBytes(const QByteArray& Data, const TFacePicture& Picture, QSize Box,
                            bool KeepSize) {
  const QSize stored = StoredFaceSize(Picture.Size(), Box);
  if (KeepSize || stored == Picture.Size())
    return Data;
  try {
    return Reencode(Picture, stored);
  } catch (const EEncodeError& error) {
    throw EDeckError(error.what());
  }
}

QImage ShrinkToFit(const QImage& Picture, QSize Box) {
  const QSize stored = StoredFaceSize(Picture.size(), Box);
  return stored == Picture.size() ? Picture : Scaled(Picture, stored);
}
