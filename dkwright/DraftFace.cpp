#include "DraftFace.h"

#include "DeckError.h"
#include "FaceArguments.h"
#include "FacePicture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

QByteArray ReadBounded(const QString& path, QString& problem) {
  try {
    return ReadFaceFile(path, path);
  } catch (const EDeckError& error) {
    problem = QString::fromUtf8(error.what());
    return {};
  }
}

// The reader scales while decoding (a JPEG is read at an eighth of its size when that is
// enough), so a grid of camera photos costs little memory and time.
QImage Thumbnail(const QByteArray& bytes, QSize size, QSize box) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  if (size.width() > box.width() || size.height() > box.height())
    reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio));
  return reader.read();
}

} // namespace

TDraftFace SurveyDraftFace(const QString& Path, QSize ThumbnailBox) {
  TDraftFace face;
  face.Source = FileSource(Path);
  const QByteArray bytes = ReadBounded(Path, face.Problem);
  if (!face.Problem.isEmpty())
    return face;
  face.Format = SniffFaceFormat(bytes);
  try {
    face.Size = ReadFaceSize(bytes, Path);
  } catch (const EDeckError& error) {
    face.Problem = QString::fromUtf8(error.what());
    return face;
  }
  face.Thumbnail = Thumbnail(bytes, face.Size, ThumbnailBox);
  if (face.Thumbnail.isNull())
    face.Problem =
        QCoreApplication::translate("Deckwright", "%1: the picture cannot be read.").arg(Path);
  return face;
}

QStringList ExpandDraftPaths(const QStringList& Paths, QStringList& Notices) {
  QStringList files;
  for (const QString& path : Paths) {
    if (!QFileInfo(path).isDir()) {
      files.push_back(path);
      continue;
    }
    try {
      for (const TFaceSource& source : ExpandFaceArguments({path}))
        files.push_back(source.Path);
    } catch (const EDeckError& error) {
      Notices.push_back(QString::fromUtf8(error.what()));
    }
  }
  return files;
}
