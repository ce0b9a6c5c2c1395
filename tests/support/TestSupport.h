// Small helpers shared by the test executables.
#pragma once

#include <QByteArray>
#include <QString>

namespace testsupport {

// Folder of the checked-out sources (for fixtures kept under tests/).
QString SourceDir();
// The build's program folder: the game, its tools and the generated assets.
QString ProgramDir();
// Whole content of a file, or an empty array when it cannot be read.
QByteArray ReadFileBytes(const QString& path);

} // namespace testsupport
