#include "CardSetFile.h"

#include <QFile>

TCardSetFile::TCardSetFile(const QString& FileName) : FFile(std::make_unique<QFile>(FileName)) {
  if (!FFile->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
    throw EKVResError(QStringLiteral("Cannot open the card set %1: %2.")
                          .arg(FileName, FFile->errorString())
                          .toStdString());
  SetStream(FFile.get());
  ReadDirectory();
}

TCardSetFile::~TCardSetFile() {
  SetStream(nullptr);
}
