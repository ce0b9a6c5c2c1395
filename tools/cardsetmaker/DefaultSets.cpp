#include "DefaultSets.h"

#include "AnimatedFaces.h"
#include "LandscapeFaces.h"
#include "SetArtwork.h"
#include "ShapeFaces.h"

#include "BmpEncoder.h"
#include "GifEncoder.h"
#include "JpegEncoder.h"

namespace {

constexpr int LandscapeQuality = 85;

TFaceSource Picture(const QString& name, const QByteArray& bytes) {
  return {name, {}, bytes};
}

TDeckRequest BaseRequest(const QString& title, const QString& page) {
  TDeckRequest request;
  request.Title = title;
  request.Link = QStringLiteral("https://www.kovalent.example/cards/") + page;
  request.CardBox = {120, 90};
  return request;
}

TDefaultSet AnimationsSet() {
  TDeckRequest request = BaseRequest(QStringLiteral("Animations"), QStringLiteral("animations"));
  QList<QImage> fan;
  for (const TAnimation& animation : DrawAnimations()) {
    request.Faces.push_back(
        Picture(animation.Name + QStringLiteral(".gif"), EncodeGif(animation.Frames)));
    if (animation.Name == QLatin1String("owl") || animation.Name == QLatin1String("star") ||
        animation.Name == QLatin1String("fish"))
      fan.push_back(animation.Frames.front().Picture);
  }
  request.Advert =
      Picture(QStringLiteral("advert"),
              EncodeBmp(DrawAdvert(FannedCards(fan, QColor(60, 40, 120)), request.Title,
                                   QStringLiteral("Twelve cards that move"),
                                   QStringLiteral("www.kovalent.example"))));
  request.Back = Picture(QStringLiteral("back"), EncodeBmp(DrawAnimationsBack()));
  request.FaceStorage = TEntryStorage::Plain;
  request.PictureStorage = TEntryStorage::Compressed;
  return {QStringLiteral("animations.crd"), request};
}

TDefaultSet WallpapersSet() {
  TDeckRequest request = BaseRequest(QStringLiteral("Wallpapers"), QStringLiteral("wallpapers"));
  const QList<QImage> landscapes = DrawLandscapes();
  for (qsizetype i = 0; i < landscapes.size(); ++i)
    request.Faces.push_back(Picture(QStringLiteral("landscape%1.jpg").arg(i + 1),
                                    EncodeJpeg(landscapes[i], LandscapeQuality)));
  request.Advert = Picture(
      QStringLiteral("advert"),
      EncodeBmp(DrawAdvert(Mosaic({landscapes[1], landscapes[4], landscapes[5], landscapes[6]}),
                           request.Title, QStringLiteral("Twelve faraway places"),
                           QStringLiteral("www.kovalent.example"))));
  request.Back = Picture(QStringLiteral("back"), EncodeBmp(DrawWallpapersBack()));
  request.FaceStorage = TEntryStorage::Plain;
  request.PictureStorage = TEntryStorage::Bitmap;
  return {QStringLiteral("wallpapers.crd"), request};
}

TDefaultSet ShapesSet() {
  TDeckRequest request =
      BaseRequest(QStringLiteral("Shapes and Colours"), QStringLiteral("shapes"));
  const QList<QImage> faces = DrawShapeFaces();
  for (qsizetype i = 0; i < faces.size(); ++i)
    request.Faces.push_back(Picture(QStringLiteral("shape%1.bmp").arg(i + 1), EncodeBmp(faces[i])));
  request.Advert =
      Picture(QStringLiteral("advert"),
              EncodeBmp(DrawAdvert(ShapeGrid(), request.Title,
                                   QStringLiteral("Up to 60 pairs, easy to tell apart"),
                                   QStringLiteral("www.kovalent.example"))));
  request.Back = Picture(QStringLiteral("back"), EncodeBmp(DrawShapesBack()));
  request.FaceStorage = TEntryStorage::Compressed;
  request.PictureStorage = TEntryStorage::Compressed;
  return {QStringLiteral("shapes.crd"), request};
}

} // namespace

QList<TDefaultSet> DefaultSets() {
  return {AnimationsSet(), WallpapersSet(), ShapesSet()};
}
