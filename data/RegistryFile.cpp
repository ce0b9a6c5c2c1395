#include "RegistryFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Copies kept aside before a damaged file is replaced; past this many the write is refused
// rather than any copy overwritten.
constexpr int MaxAsideCopies = 100;

[[noreturn]] void Fail(const QString& Text) {
  throw ESettingsStoreError(Text.toStdString());
}

bool HasLineBreak(const QString& Text) {
  return Text.contains(u'\n') || Text.contains(u'\r');
}

void RefuseLineBreak(const QString& Text) {
  if (HasLineBreak(Text)) {
    Fail(QCoreApplication::translate("RegistryFile",
                                     "The settings store cannot hold a line break."));
  }
}

QString FullKeyPath(const QString& Path) {
  QString Relative = Path;
  while (Relative.startsWith(u'\\')) {
    Relative.remove(0, 1);
  }
  while (Relative.endsWith(u'\\')) {
    Relative.chop(1);
  }
  if (Relative.isEmpty()) {
    Fail(QCoreApplication::translate("RegistryFile", "A settings key needs a path."));
  }
  RefuseLineBreak(Relative);
  return QLatin1String(RegistryUserRoot) + u'\\' + Relative;
}

QString AsideName(const QString& FilePath, int Copy) {
  const QString Name = FilePath + QStringLiteral(".corrupt");
  return Copy == 1 ? Name : Name + u'.' + QString::number(Copy);
}

// Copies the current file to the first free aside name.
void KeepAside(const QString& FilePath) {
  if (!QFileInfo::exists(FilePath)) {
    return;
  }
  for (int Copy = 1; Copy <= MaxAsideCopies; ++Copy) {
    const QString Target = AsideName(FilePath, Copy);
    if (QFileInfo::exists(Target)) {
      continue;
    }
    if (!QFile::copy(FilePath, Target)) {
      Fail(QCoreApplication::translate("RegistryFile",
                                       "The damaged settings file %1 could not be kept aside.")
               .arg(FilePath));
    }
    return;
  }
  Fail(QCoreApplication::translate("RegistryFile",
                                   "Too many damaged copies of %1 are kept; it is left as it is.")
           .arg(FilePath));
}

// The side file a new settings file is written to before it takes the place of the old one.
// Its name is fixed, so one left behind by a crash is taken up by the next save instead of
// piling up beside others.
QByteArray SideFileName(const QString& FilePath) {
  return QFile::encodeName(FilePath) + ".new";
}

// Closes the descriptor however the write ends.
class TDescriptor {
public:
  explicit TDescriptor(int Fd = -1) : FFd(Fd) {}
  ~TDescriptor() { Reset(); }
  TDescriptor(const TDescriptor&) = delete;
  TDescriptor& operator=(const TDescriptor&) = delete;
  int Fd() const { return FFd; }
  void Reset(int Fd = -1) {
    if (FFd >= 0)
      ::close(FFd);
    FFd = Fd;
  }

private:
  int FFd;
};

[[noreturn]] void FailToWrite(const QString& FilePath, int Error) {
  Fail(QCoreApplication::translate("RegistryFile", "%1 cannot be written: %2.")
           .arg(FilePath, QString::fromLocal8Bit(std::strerror(Error))));
}

// Opens the side file and locks it, so two writers never write into one file. A writer that
// waited for the lock may find the file it opened already renamed into place by the other;
// it then opens the new side file. Never waits on anything but the lock: a pipe or a link put
// in the side file's place is refused.
void OpenSideFile(const QString& FilePath, const QByteArray& Side, TDescriptor& File) {
  for (int Attempt = 0; Attempt < 100; ++Attempt) {
    File.Reset(
        ::open(Side.constData(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666));
    if (File.Fd() < 0 || ::flock(File.Fd(), LOCK_EX) != 0) {
      FailToWrite(FilePath, errno);
    }
    struct stat Held {};
    struct stat Named {};
    if (::fstat(File.Fd(), &Held) != 0 || !S_ISREG(Held.st_mode)) {
      FailToWrite(FilePath, EINVAL);
    }
    if (::lstat(Side.constData(), &Named) == 0 && Named.st_dev == Held.st_dev &&
        Named.st_ino == Held.st_ino) {
      return;
    }
  }
  FailToWrite(FilePath, EBUSY);
}

bool WriteAll(int Fd, const QByteArray& Bytes) {
  qsizetype Done = 0;
  while (Done < Bytes.size()) {
    const ssize_t Wrote = ::write(Fd, Bytes.constData() + Done, std::size_t(Bytes.size() - Done));
    if (Wrote < 0 && errno == EINTR) {
      continue;
    }
    if (Wrote <= 0) {
      return false;
    }
    Done += Wrote;
  }
  return true;
}

} // namespace

// The bytes are written whole to the side file, made durable, and renamed over FilePath. The
// new file keeps the old one's permissions.
void ReplaceFile(const QString& FilePath, const QByteArray& Bytes) {
  // A settings file kept elsewhere behind a link stays there, and the link stays a link.
  const QFileInfo Info(FilePath);
  const QString Real =
      Info.isSymLink() && !Info.canonicalFilePath().isEmpty() ? Info.canonicalFilePath() : FilePath;
  const QByteArray Target = QFile::encodeName(Real);
  const QByteArray Side = SideFileName(Real);
  TDescriptor File;
  OpenSideFile(FilePath, Side, File);
  struct stat Old {};
  const bool Replaces = ::stat(Target.constData(), &Old) == 0;
  const bool Written = ::ftruncate(File.Fd(), 0) == 0 &&
                       (!Replaces || ::fchmod(File.Fd(), Old.st_mode & 07777) == 0) &&
                       WriteAll(File.Fd(), Bytes) && ::fsync(File.Fd()) == 0 &&
                       ::rename(Side.constData(), Target.constData()) == 0;
  if (!Written) {
    const int Error = errno;
    ::unlink(Side.constData());
    FailToWrite(FilePath, Error);
  }
  // The rename itself lasts once the folder is on the disk as well.
  const TDescriptor Folder(::open(QFile::encodeName(QFileInfo(Real).absolutePath()).constData(),
                                  O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (Folder.Fd() >= 0) {
    ::fsync(Folder.Fd());
  }
}

namespace {

// Key lines written by hand may end in a backslash, as the game's own key paths do.
bool SameKeyPath(const QString& FilePath, const QString& FullPath) {
  QString Path = FilePath;
  while (Path.endsWith(u'\\')) {
    Path.chop(1);
  }
  return SameRegistryName(Path, FullPath);
}

std::optional<size_t> KeyIndex(const RegistryDocument& Document, const QString& FullPath) {
  for (size_t I = 0; I < Document.Keys.size(); ++I) {
    if (SameKeyPath(Document.Keys[I].Path, FullPath)) {
      return I;
    }
  }
  return std::nullopt;
}

// A system file as a document, or nothing when it is missing, not a plain file, unreadable,
// too large or damaged: such a file only fails to supply values.
std::optional<RegistryDocument> ReadSystemDocument(const QString& FilePath) {
  const QFileInfo Info(FilePath);
  if (!Info.isFile() || Info.size() > MaxRegistryFileSize) {
    return std::nullopt;
  }
  QFile File(FilePath);
  if (!File.open(QIODevice::ReadOnly)) {
    return std::nullopt;
  }
  const QByteArray Bytes = File.read(MaxRegistryFileSize + 1);
  if (Bytes.size() > MaxRegistryFileSize) {
    return std::nullopt;
  }
  return ParseRegistryText(Bytes);
}

} // namespace

QString DefaultRegistryFilePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Kovalent/registry.reg");
}

QStringList SystemRegistryFilePaths(const QString& ProgramFolder, const QString& ConfigDirs) {
  const QDir Program(ProgramFolder);
  QStringList Paths{
      QDir::cleanPath(Program.filePath(QStringLiteral("registry.reg"))),
      QDir::cleanPath(Program.filePath(QStringLiteral("../../etc/xdg/Kovalent/registry.reg")))};
  QStringList Dirs = ConfigDirs.split(u':', Qt::SkipEmptyParts);
  if (Dirs.isEmpty()) {
    Dirs << QStringLiteral("/etc/xdg");
  }
  for (const QString& Dir : Dirs) {
    // Relative entries are invalid in the list and are ignored, as the XDG rules ask.
    if (QDir::isAbsolutePath(Dir)) {
      Paths << QDir::cleanPath(Dir + QStringLiteral("/Kovalent/registry.reg"));
    }
  }
  Paths.removeDuplicates();
  return Paths;
}

QStringList DefaultSystemRegistryFilePaths(const QString& ProgramFolder) {
  return SystemRegistryFilePaths(ProgramFolder, qEnvironmentVariable("XDG_CONFIG_DIRS"));
}

RegistryFile::RegistryFile(QString FilePath, QStringList SystemFilePaths)
    : FFilePath(std::move(FilePath)), FSystemFilePaths(std::move(SystemFilePaths)) {}

bool RegistryFile::OpenKey(const QString& Path, bool CanCreate) {
  CloseKey();
  const QString FullPath = FullKeyPath(Path);
  ReadDocument();
  ReadSystemKeys(FullPath);
  FKeyPath = FullPath;
  FKeyIndex = KeyIndex(*FDocument, FullPath);
  if (!FKeyIndex && CanCreate) {
    KeyToWrite();
    FChanged = true;
  }
  if (!FKeyIndex && FSystemKeys.empty()) {
    CloseKey();
    return false;
  }
  return true;
}

bool RegistryFile::ValueExists(const QString& Name) {
  return FindValue(Name) != nullptr;
}

qint32 RegistryFile::ReadInteger(const QString& Name) {
  const RegistryValue* Value = FindValue(Name);
  if (Value == nullptr || Value->Kind != RegistryValueKind::Dword) {
    Fail(QCoreApplication::translate("RegistryFile", "Invalid data type for '%1'.").arg(Name));
  }
  return static_cast<qint32>(Value->Dword);
}

QString RegistryFile::ReadString(const QString& Name) {
  const RegistryValue* Value = FindValue(Name);
  if (Value == nullptr) {
    return QString();
  }
  if (Value->Kind != RegistryValueKind::String) {
    Fail(QCoreApplication::translate("RegistryFile", "Invalid data type for '%1'.").arg(Name));
  }
  return Value->Text;
}

void RegistryFile::WriteInteger(const QString& Name, qint32 Value) {
  ValueToWrite(Name, RegistryValueKind::Dword).Dword = static_cast<quint32>(Value);
}

void RegistryFile::WriteString(const QString& Name, const QString& Value) {
  // A value comes from outside (a typed name, a set's file name): refusing it would stop the
  // values after it from being saved, so its line breaks become spaces. Names are the game's.
  QString oneLine = Value;
  oneLine.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
  ValueToWrite(Name, RegistryValueKind::String).Text = oneLine;
}

void RegistryFile::CloseKey() {
  std::optional<RegistryDocument> Document = std::exchange(FDocument, std::nullopt);
  const bool Changed = std::exchange(FChanged, false);
  const bool KeepOldAside = std::exchange(FKeepAside, false);
  FKeyIndex.reset();
  FSystemKeys.clear();
  if (Document && Changed) {
    WriteDocument(*Document, KeepOldAside);
  }
}

const RegistryValue* RegistryFile::FindValue(const QString& Name) {
  if (!FDocument) {
    Fail(QCoreApplication::translate("RegistryFile", "No settings key is open."));
  }
  if (FKeyIndex) {
    if (const RegistryValue* Own = FindRegistryValue(FDocument->Keys[*FKeyIndex], Name)) {
      return Own;
    }
  }
  for (RegistryKey& Key : FSystemKeys) {
    if (const RegistryValue* Value = FindRegistryValue(Key, Name)) {
      return Value;
    }
  }
  return nullptr;
}

RegistryKey& RegistryFile::KeyToWrite() {
  if (!FDocument) {
    Fail(QCoreApplication::translate("RegistryFile", "No settings key is open."));
  }
  if (!FKeyIndex) {
    FDocument->Keys.push_back(RegistryKey{FKeyPath, {}});
    FKeyIndex = FDocument->Keys.size() - 1;
  }
  return FDocument->Keys[*FKeyIndex];
}

RegistryValue& RegistryFile::ValueToWrite(const QString& Name, RegistryValueKind Kind) {
  RegistryKey& Key = KeyToWrite();
  RefuseLineBreak(Name);
  RegistryValue* Value = FindRegistryValue(Key, Name);
  if (Value == nullptr) {
    Key.Values.push_back(RegistryValue{Name, Kind, 0, QString()});
    Value = &Key.Values.back();
  } else if (Value->Kind != Kind) {
    // The old value would be lost with its type; the file keeps a copy aside.
    FKeepAside = true;
    *Value = RegistryValue{Value->Name, Kind, 0, QString()};
  }
  FChanged = true;
  return *Value;
}

void RegistryFile::ReadDocument() {
  FDocument = RegistryDocument();
  FKeepAside = false;
  const QFileInfo Info(FFilePath);
  if (!Info.exists()) {
    return;
  }
  // Anything but a plain file (a folder, a pipe that would block) is a store failure.
  if (!Info.isFile()) {
    FDocument.reset();
    Fail(QCoreApplication::translate("RegistryFile", "The settings file %1 is not a file.")
             .arg(FFilePath));
  }
  QFile File(FFilePath);
  if (!File.open(QIODevice::ReadOnly)) {
    FDocument.reset();
    Fail(QCoreApplication::translate("RegistryFile", "The settings file %1 cannot be read: %2")
             .arg(FFilePath, File.errorString()));
  }
  const QByteArray Bytes = File.read(MaxRegistryFileSize + 1);
  std::optional<RegistryDocument> Parsed;
  if (Bytes.size() <= MaxRegistryFileSize) {
    Parsed = ParseRegistryText(Bytes);
  }
  if (Parsed) {
    FDocument = std::move(Parsed);
  } else {
    FKeepAside = true;
  }
}

void RegistryFile::ReadSystemKeys(const QString& FullPath) {
  FSystemKeys.clear();
  for (const QString& SystemPath : FSystemFilePaths) {
    std::optional<RegistryDocument> Document = ReadSystemDocument(SystemPath);
    if (!Document) {
      continue;
    }
    if (const std::optional<size_t> Index = KeyIndex(*Document, FullPath)) {
      FSystemKeys.push_back(std::move(Document->Keys[*Index]));
    }
  }
}

void RegistryFile::WriteDocument(const RegistryDocument& Document, bool KeepOldAside) const {
  const QFileInfo Info(FFilePath);
  if (!QDir().mkpath(Info.absolutePath())) {
    Fail(QCoreApplication::translate("RegistryFile", "The folder of %1 cannot be created.")
             .arg(FFilePath));
  }
  if (KeepOldAside) {
    KeepAside(FFilePath);
  }
  ReplaceFile(FFilePath, FormatRegistryText(Document));
}
