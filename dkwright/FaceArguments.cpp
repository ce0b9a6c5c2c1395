#include "FaceArguments.h"

#include "DeckError.h"
#include "FaceFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Enough of the file to recognise its format.
bool LooksLikePicture(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && SniffFaceFormat(file.read(32)) != TFaceFormat::Unknown;
}

QList<TFaceSource> FolderSources(const QString& folder) {
  QList<TFaceSource> sources;
  const QDir dir(folder);
  const QStringList names = dir.entryList(QDir::Files | QDir::Readable, QDir::Name);
  for (const QString& name : names) {
    const QString path = dir.filePath(name);
    if (LooksLikePicture(path))
      sources.push_back(FileSource(path));
  }
  if (sources.isEmpty())
    throw EDeckError(QCoreApplication::translate(
                         "Deckwright", "%1: the folder holds no GIF, JPEG or BMP pictures.")
                         .arg(folder)
                         .toStdString());
  return sources;
}

} // namespace

TFaceSource FileSource(const QString& Path) {
  return {Path, Path, {}};
}

QList<TFaceSource> ExpandFaceArguments(const QStringList& Arguments) {
  QList<TFaceSource> sources;
  for (const QString& argument : Arguments) {
    const QFileInfo info(argument);
    if (info.isDir())
      sources += FolderSources(argument);
    else if (info.exists())
      sources.push_back(FileSource(argument));
    else
      throw EDeckError(QCoreApplication::translate("Deckwright", "%1: no such file or folder.")
                           .arg(argument)
                           .toStdString());
  }
  return sources;
}
