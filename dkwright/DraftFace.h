// A picture the user has put into a set that is not built yet: what it is, as far as reading
// its header tells, and a small picture of it for the face grid.
#pragma once

#include "DeckRequest.h"
#include "FaceFormat.h"

#include <QImage>
#include <QSize>
#include <QString>

struct TDraftFace {
  TFaceSource Source;
  TFaceFormat Format = TFaceFormat::Unknown;
  QSize Size;
  QImage Thumbnail; // null when the picture cannot be read
  QString Problem;  // one sentence naming the file; empty when the picture can be used
};

// Reads the file at Path: its format and size through the builder's own readers, and a
// thumbnail fitted into ThumbnailBox. Never raises: a file that is missing, too large, not a
// picture or damaged gives a face with a Problem.
TDraftFace SurveyDraftFace(const QString& Path, QSize ThumbnailBox);

// The picture files among Paths, in order: a folder gives its GIF, JPEG and BMP files sorted by
// name, as the command line takes them; files are kept as given, so that one that is not a
// picture is shown with its problem rather than dropped without a word. A folder without
// pictures adds a sentence to Notices.
QStringList ExpandDraftPaths(const QStringList& Paths, QStringList& Notices);
