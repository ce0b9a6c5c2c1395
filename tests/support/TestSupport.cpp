#include "TestSupport.h"

#include <QFile>

namespace testsupport {

QString SourceDir() { return qEnvironmentVariable("TESSELO_SOURCE_DIR", QStringLiteral(TESSELO_SOURCE_DIR_DEFAULT)); }

QString ProgramDir() {
  return qEnvironmentVariable("TESSELO_PROGRAM_DIR", QStringLiteral(TESSELO_PROGRAM_DIR_DEFAULT));
}

QByteArray ReadFileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  return file.readAll();
}

} // namespace testsupport
