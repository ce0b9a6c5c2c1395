#include "DroppedFiles.h"

#include <QMimeData>
#include <QUrl>

QStringList DroppedFiles(const QMimeData* Data) {
  QStringList paths;
  if (Data == nullptr || !Data->hasUrls())
    return paths;
  for (const QUrl& url : Data->urls())
    if (url.isLocalFile())
      paths.push_back(url.toLocalFile());
  return paths;
}
