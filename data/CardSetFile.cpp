#include "CardSetFile.h"

#include "RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include <array>
#include <cerrno>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void CannotOpen(const QString& FileName, const QString& Why) {
  throw EKVResError(CannotOpenCardSetText(FileName, Why).toStdString());
}

// Something else swapped in under the name since the scan (a pipe, a device) is refused
// instead of blocking the game.
int OpenSet(const QString& FileName, TFileIdentity& Identity) {
  struct stat info {};
  const int fd = OpenRegularFile(AT_FDCWD, QFile::encodeName(FileName).constData(), info);
  if (fd == NotARegularFile)
    CannotOpen(FileName, QCoreApplication::translate("CardSetFile", "it is not a regular file"));
  if (fd < 0)
    CannotOpen(FileName, QString::fromLocal8Bit(std::strerror(errno)));
  Identity = IdentityOf(info);
  return fd;
}

} // namespace

QString CannotOpenCardSetText(const QString& FileName, const QString& Why) {
  return QCoreApplication::translate("CardSetFile", "Cannot open the card set %1: %2.")
      .arg(FileName, Why);
}

TCardSetFile::TCardSetFile(const QString& FileName) : FFile(std::make_unique<QFile>()) {
  const int fd = OpenSet(FileName, FOpened);
  if (!FFile->open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    CannotOpen(FileName, FFile->errorString());
  }
  SetStream(FFile.get());
  ReadDirectory();
}

TCardSetFile::~TCardSetFile() {
  SetStream(nullptr);
}

TFileIdentity TCardSetFile::Identity() const {
  struct stat info {};
  return ::fstat(FFile->handle(), &info) == 0 ? IdentityOf(info) : FOpened;
}

namespace {

constexpr qint64 HeadSize = 8;
constexpr qint64 DirectoryRecordSize = 8;
constexpr qint64 RecordBytes = TCardSetHeader::RecordSize;
// The directory and entry 0 are read at once when they fit here: sets of up to 1,948 entries.
constexpr qint64 QuickSize = 16384;

// Closes the descriptor however the read ends.
// Size bytes at Offset, fewer only where the file ends; -1 when the file cannot be read there
// (a pipe or a folder cannot).
qint64 ReadAt(int Fd, char* Out, qint64 Size, qint64 Offset) {
  qint64 done = 0;
  while (done < Size) {
    const ssize_t got = ::pread(Fd, Out + done, std::size_t(Size - done), off_t(Offset + done));
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0)
      return -1;
    if (got == 0)
      break;
    done += got;
  }
  return done;
}

qint32 LE32(const char* Bytes) {
  return qFromLittleEndian<qint32>(Bytes);
}

// What the archive reader says of a damaged directory, which it empties.
[[noreturn]] void NoEntryZero() {
  throw EKVResError(
      QCoreApplication::translate(
          "KVRStream", "Archive entry %1 does not exist; the archive has %n entries.", nullptr, 0)
          .arg(0)
          .toStdString());
}

QByteArray Deliver(qint32 Kind, const char* Stored, qint64 StoredSize) {
  QByteArray record(RecordBytes, Qt::Uninitialized);
  record.truncate(
      DeliverEntry(TCardSetEntries::Header, Kind, Stored, StoredSize, record.data(), RecordBytes));
  return record;
}

// Sets whose entry 0 lies beyond the quick read (a directory of thousands of entries, or an
// entry 0 larger than a record) go through the archive reader, which asks for the file's size.
QByteArray ReadThroughArchiveReader(int Fd, qint32* EntryCount) {
  QFile file;
  if (!file.open(Fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
    NoEntryZero();
  TKVResReader reader;
  reader.SetStream(&file);
  reader.ReadDirectory();
  if (EntryCount != nullptr)
    *EntryCount = reader.Count;
  QByteArray record(RecordBytes, '\0');
  record.truncate(reader.ReadToBuffer(TCardSetEntries::Header, record.data(), record.size()));
  return record;
}

} // namespace

QByteArray ReadHeaderRecord(int DirFd, const char* Name, qint32* EntryCount) {
  const TFileDescriptor file(::openat(DirFd, Name, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (file.Get() < 0)
    throw EKVResError(
        CannotOpenCardSetText(QFile::decodeName(Name), QString::fromLocal8Bit(std::strerror(errno)))
            .toStdString());
  std::array<char, QuickSize> bytes;
  if (ReadAt(file.Get(), bytes.data(), HeadSize, 0) != HeadSize)
    NoEntryZero();
  const qint32 count = LE32(bytes.data() + 4);
  if (count <= 0)
    NoEntryZero();
  if (EntryCount != nullptr)
    *EntryCount = count;
  const qint64 directory = qint64(count) * DirectoryRecordSize;
  if (directory + RecordBytes > QuickSize)
    return ReadThroughArchiveReader(file.Get(), EntryCount);

  // The directory, and after it as much of entry 0 as a record needs.
  const qint64 wanted = directory + RecordBytes;
  const qint64 got = ReadAt(file.Get(), bytes.data(), wanted, HeadSize);
  if (got < directory)
    NoEntryZero();
  for (qint64 offset = 4; offset < directory; offset += DirectoryRecordSize)
    if (LE32(bytes.data() + offset) < 0)
      NoEntryZero();
  const qint32 kind = LE32(bytes.data());
  const qint32 size = LE32(bytes.data() + 4);
  const qint64 held = got - directory;
  if (size <= held)
    return Deliver(kind, bytes.data() + directory, kind < 0 ? size : std::min<qint64>(size, held));
  if (got < wanted)
    throw EKVResError(QCoreApplication::translate(
                          "KVRStream", "Archive entry %1 reaches past the end of the archive.")
                          .arg(0)
                          .toStdString());
  return ReadThroughArchiveReader(file.Get(), EntryCount);
}
