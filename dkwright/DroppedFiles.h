// The local files of a drag, as the window takes them.
#pragma once

#include <QStringList>

class QMimeData;

// Paths of the local files and folders Data carries, in order; empty for anything else (text,
// remote links), which the window then refuses to take.
QStringList DroppedFiles(const QMimeData* Data);
