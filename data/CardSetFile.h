// A card-set file opened for reading its entries.
#pragma once

#include "KVRStream.h"

#include <QString>

#include <memory>

class QFile;

// Reads the container of a card-set file opened without read-ahead: a read costs the bytes of
// its own entry and nothing more, which keeps the scan of many sets to their headers.
// Raises EKVResError when the file cannot be opened; a damaged directory leaves the reader
// empty (Count 0), as TKVResFileReader does.
class TCardSetFile : public TKVResReader {
public:
  explicit TCardSetFile(const QString& FileName);
  ~TCardSetFile() override;
  TCardSetFile(const TCardSetFile&) = delete;
  TCardSetFile& operator=(const TCardSetFile&) = delete;

private:
  std::unique_ptr<QFile> FFile;
};
