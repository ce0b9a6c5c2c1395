// A card-set file opened for reading its entries, and the quick read of its header record.
#pragma once

#include "CardSetHeader.h"
#include "KVRStream.h"
#include "RegularFile.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QFile;

// The message of a card set that cannot be opened: FileName and the reason Why.
QString CannotOpenCardSetText(const QString& FileName, const QString& Why);

// Reads the container of a card-set file opened without read-ahead: a read costs the bytes of
// its own entry and nothing more, which keeps the scan of many sets to their headers.
// Raises EKVResError when the file cannot be opened or is not a regular file (a pipe swapped in
// under the name is refused, never waited on); a damaged directory leaves the reader empty
// (Count 0), as TKVResFileReader does.
class TCardSetFile : public TKVResReader {
public:
  explicit TCardSetFile(const QString& FileName);
  ~TCardSetFile() override;
  TCardSetFile(const TCardSetFile&) = delete;
  TCardSetFile& operator=(const TCardSetFile&) = delete;

  // The open file as it stands now; the identity it was opened with should it not answer.
  TFileIdentity Identity() const;

private:
  std::unique_ptr<QFile> FFile;
  TFileIdentity FOpened;
};

// The header record (entry 0, at most TCardSetHeader::RecordSize bytes) of the card set Name,
// opened relative to the folder DirFd (AT_FDCWD: the working folder), exactly as TCardSetFile's
// ReadToBuffer delivers it. A catalogue opens many sets for their headers alone, so a set
// whose directory and entry 0 lie within the file's first few KiB costs two reads at known
// offsets: the container's header, then the directory with entry 0 after it. A pipe swapped
// in under the name is never waited on. Raises EKVResError when the file cannot be opened or
// has no readable entry 0. EntryCount, when given, receives the number of entries.
QByteArray ReadHeaderRecord(int DirFd, const char* Name, qint32* EntryCount = nullptr);
