#include "CardSetInstall.h"

#include "BoardLayout.h"
#include "CardSetFile.h"
#include "CardSetLoader.h"
#include "CardSets.h"
#include "GameSetupError.h"
#include "KVRStream.h"
#include "RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <stop_token>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int MostNames = 9; // Name.crd, then Name-2.crd to Name-9.crd
constexpr std::size_t ChunkBytes = 64 * 1024;
// A larger file has its header read from the copy of its first HeadBytes before the rest is
// copied: the directory and the header record lie there in any set, so a file that is no card
// set is refused before gigabytes of it are copied.
constexpr qint64 HeadBytes = 1024 * 1024;

// A staging folder is named StagingPrefix and six random characters, and holds OwnerLockName,
// locked while a copy of the game uses the folder.
constexpr char StagingPrefix[] = ".incoming-";
constexpr char OwnerLockName[] = "owner.lock";
// A staging folder without a lock is left alone this long: its copy of the game may be about to
// lock it.
constexpr auto UnlockedStagingAge = std::chrono::hours(1);

[[noreturn]] void Refuse(const QString& Text) {
  throw ECardSetError(Text.toStdString());
}

[[noreturn]] void CannotCopy(const QString& Name, const QString& Folder, const QString& Why) {
  Refuse(
      QCoreApplication::translate("CardSetInstall", "The card set %1 cannot be copied into %2: %3.")
          .arg(Name, Folder, Why));
}

[[noreturn]] void TooLarge(const QString& Name) {
  Refuse(QCoreApplication::translate("CardSetInstall", "The card set %1 is too large.").arg(Name));
}

QString ErrnoText() {
  return QString::fromLocal8Bit(std::strerror(errno));
}

// Reads up to Size bytes, fewer only at the end of the file; -1 on an error.
ssize_t ReadSome(int Fd, char* Out, std::size_t Size) {
  ssize_t got;
  do
    got = ::read(Fd, Out, Size);
  while (got < 0 && errno == EINTR);
  return got;
}

bool WriteAll(int Fd, const char* Data, std::size_t Size) {
  while (Size > 0) {
    const ssize_t put = ::write(Fd, Data, Size);
    if (put < 0 && errno == EINTR)
      continue;
    if (put <= 0)
      return false;
    Data += put;
    Size -= std::size_t(put);
  }
  return true;
}

// Makes a folder and its missing parents, and takes them away again unless Keep is called: a
// refused set leaves no empty folders behind.
class TMadeFolders {
public:
  bool Make(const QString& Folder) {
    for (QString path = QDir::cleanPath(Folder); !QFileInfo::exists(path);
         path = QFileInfo(path).path())
      FMade.prepend(path);
    return QDir().mkpath(Folder);
  }
  void Keep() { FMade.clear(); }
  ~TMadeFolders() {
    for (auto made = FMade.crbegin(); made != FMade.crend(); ++made)
      QDir().rmdir(*made);
  }

private:
  QStringList FMade;
};

// The file name the set is kept under: the name it came with, ending in ".crd" so the
// catalogue lists it. A control character (a line break, a tab) becomes '_': the settings store
// keeps the chosen set's name on one line, and a name that cannot be shown as it is cannot be
// read by the player either.
QString SetFileName(const QString& Path) {
  QString name = QFileInfo(Path).fileName();
  for (QChar& c : name)
    if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
        c.category() == QChar::Separator_Paragraph)
      c = u'_';
  if (!name.endsWith(QStringLiteral(".crd"), Qt::CaseInsensitive))
    name += QStringLiteral(".crd");
  return name;
}

// Name.crd, Name-2.crd, ... for Attempt 1, 2, ...
QString CandidateName(const QString& Name, int Attempt) {
  if (Attempt == 1)
    return Name;
  return Name.left(Name.size() - 4) + QStringLiteral("-%1").arg(Attempt) + Name.right(4);
}

bool SameFolder(const QString& A, const QString& B) {
  const QString a = QFileInfo(A).canonicalFilePath();
  return !a.isEmpty() && a == QFileInfo(B).canonicalFilePath();
}

// Whether the regular file Path holds exactly the bytes of the regular file Other.
bool SameBytes(const QString& Path, const QString& Other) {
  struct stat one {
  }, two{};
  const TFileDescriptor a(OpenRegularFile(AT_FDCWD, QFile::encodeName(Path).constData(), one));
  const TFileDescriptor b(OpenRegularFile(AT_FDCWD, QFile::encodeName(Other).constData(), two));
  if (a.Get() < 0 || b.Get() < 0 || one.st_size != two.st_size)
    return false;
  std::array<char, ChunkBytes> left, right;
  for (;;) {
    const ssize_t got = ReadSome(a.Get(), left.data(), left.size());
    if (got < 0 || ReadSome(b.Get(), right.data(), std::size_t(got)) != got)
      return false;
    if (got == 0)
      return true;
    if (std::memcmp(left.data(), right.data(), std::size_t(got)) != 0)
      return false;
  }
}

[[noreturn]] void Stopped(const QString& Name) {
  Refuse(QCoreApplication::translate("CardSetInstall", "Copying the card set %1 was stopped.")
             .arg(Name));
}

// What the catalogue and the check read first: the header record, and enough faces for the
// smallest game.
TCardSetHeader CheckHead(const QString& FileName) {
  TCardSetHeader header;
  try {
    header = ReadCardSetHeader(FileName);
  } catch (const EKVResError& error) {
    throw ECardSetError(UnusableCardSetText(FileName, error.what()));
  }
  if (header.ImageCount < OfferedPairCounts.front())
    throw ECardSetError(NotEnoughImagesText());
  return header;
}

// Copies the open regular file Source into Target, a new file, refusing more than
// MaxCardSetFileBytes (the file may grow while it is read), or a file whose first HeadBytes
// are not the start of a card set. Stops when a stop is requested through Stop.
void CopyBounded(int Source, const QString& Target, const QString& Name, std::stop_token Stop) {
  const TFileDescriptor out(::open(QFile::encodeName(Target).constData(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644));
  if (out.Get() < 0)
    CannotCopy(Name, QFileInfo(Target).path(), ErrnoText());
  std::array<char, ChunkBytes> chunk;
  qint64 total = 0;
  for (;;) {
    const ssize_t got = ReadSome(Source, chunk.data(), chunk.size());
    if (got < 0)
      Refuse(QCoreApplication::translate("CardSetInstall", "Cannot read the card set %1: %2.")
                 .arg(Name, ErrnoText()));
    if (got == 0)
      break;
    if (Stop.stop_requested())
      Stopped(Name);
    const bool headDone = total < HeadBytes && total + got >= HeadBytes;
    total += got;
    if (total > MaxCardSetFileBytes)
      TooLarge(Name);
    if (!WriteAll(out.Get(), chunk.data(), std::size_t(got)))
      CannotCopy(Name, QFileInfo(Target).path(), ErrnoText());
    if (headDone)
      CheckHead(Target);
  }
  // The copy must be on the disk before a rename can make it the set the player has.
  if (::fsync(out.Get()) != 0)
    CannotCopy(Name, QFileInfo(Target).path(), ErrnoText());
}

// The checks a set passes before it is offered: the reads of a new game over every face, and
// the header as the catalogue reads it.
TCardSetHeader CheckSet(const QString& FileName, std::chrono::steady_clock::time_point Deadline,
                        std::stop_token Stop) {
  TCardSetLoader loader(FileName);
  loader.ReadHeader();
  if (loader.Header().ImageCount < OfferedPairCounts.front())
    throw ECardSetError(NotEnoughImagesText());
  loader.CheckFaces(Deadline, Stop);
  try {
    return ReadCardSetHeader(FileName);
  } catch (const EKVResError& error) {
    throw ECardSetError(UnusableCardSetText(FileName, error.what()));
  }
}

void SyncFolder(const QString& Folder) {
  const TFileDescriptor folder(
      ::open(QFile::encodeName(Folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.Get() >= 0)
    ::fsync(folder.Get());
}

// Where the checked copy Staged goes among the names of Name, or what is there already.
TInstalledSet PlaceCopy(const QString& Staged, const QString& Name, const TCardFolderPair& Folders,
                        const TAskReplace& AskReplace, const TCardSetHeader& Header) {
  const bool programApart = !SameFolder(Folders.Program, Folders.User);
  for (int attempt = 1; attempt <= MostNames; ++attempt) {
    const QString name = CandidateName(Name, attempt);
    const QString program = Folders.Program + name;
    const QString user = Folders.User + name;
    // The program's sets are never replaced; the settings name a set by its file name alone,
    // and the program's folder is listed first, so a namesake in the user's folder would lose.
    if (programApart && QFileInfo::exists(program)) {
      if (SameBytes(Staged, program))
        return {TInstallOutcome::Present, program, Header};
      continue;
    }
    TInstallOutcome outcome = TInstallOutcome::Added;
    if (QFileInfo::exists(user) || QFileInfo(user).isSymLink()) {
      if (SameBytes(Staged, user))
        return {TInstallOutcome::Present, user, Header};
      if (!AskReplace || !AskReplace(name))
        return {TInstallOutcome::Kept, QString(), Header};
      outcome = TInstallOutcome::Replaced;
    }
    if (::rename(QFile::encodeName(Staged).constData(), QFile::encodeName(user).constData()) != 0)
      CannotCopy(Name, Folders.User, ErrnoText());
    SyncFolder(Folders.User);
    return {outcome, user, Header};
  }
  Refuse(QCoreApplication::translate("CardSetInstall",
                                     "The card set %1 cannot be copied: %2 already holds sets of "
                                     "all its names.")
             .arg(Name, Folders.User));
}

} // namespace

struct TStagedSet::TParts {
  // The set was in a card folder already: nothing was copied.
  std::optional<TInstalledSet> Present;
  QString Name;
  // Destroyed in reverse order: the staged copy goes before the folders made for it, and the
  // staging folder's lock is given up only once the folder is gone.
  TMadeFolders Made;
  std::optional<TFileDescriptor> OwnerLock;
  std::optional<QTemporaryDir> Staging;
  QString Staged;
  TCardSetHeader Header;
};

TStagedSet::TStagedSet() = default;
TStagedSet::~TStagedSet() = default;
TStagedSet::TStagedSet(TStagedSet&&) noexcept = default;
TStagedSet& TStagedSet::operator=(TStagedSet&&) noexcept = default;

TStagedSet StageCardSet(const QString& Path, const TCardFolderPair& Folders,
                        std::chrono::steady_clock::time_point Deadline, std::stop_token Stop) {
  TStagedSet result;
  result.F = std::make_unique<TStagedSet::TParts>();
  TStagedSet::TParts& parts = *result.F;
  parts.Name = SetFileName(Path);
  const QString shownName = QFileInfo(Path).fileName();
  struct stat info {};
  const TFileDescriptor source(
      OpenRegularFile(AT_FDCWD, QFile::encodeName(Path).constData(), info));
  if (source.Get() == NotARegularFile)
    Refuse(QCoreApplication::translate("CardSetInstall",
                                       "Cannot open the card set %1: it is not a file.")
               .arg(shownName));
  if (source.Get() < 0)
    Refuse(CannotOpenCardSetText(shownName, ErrnoText()));
  if (info.st_size > MaxCardSetFileBytes)
    TooLarge(shownName);

  // A set of a card folder is already where the catalogue looks.
  const QString folder = QFileInfo(Path).absolutePath();
  for (const QString& cards : {Folders.Program, Folders.User}) {
    if (SameFolder(folder, cards) && parts.Name == shownName) {
      parts.Present = TInstalledSet{TInstallOutcome::Present, cards + parts.Name,
                                    CheckSet(Path, Deadline, Stop)};
      return result;
    }
  }

  if (Folders.User.isEmpty())
    Refuse(QCoreApplication::translate("CardSetInstall",
                                       "There is no folder to copy the card set %1 into.")
               .arg(shownName));
  if (!parts.Made.Make(Folders.User))
    Refuse(
        QCoreApplication::translate("CardSetInstall", "The card set %1 cannot be copied into %2.")
            .arg(shownName, Folders.User));
  // The copy is checked, not the original, which could change after its check. It carries
  // the set's own name, so the checks' messages name the set the player knows.
  parts.Staging.emplace(Folders.User + QLatin1String(StagingPrefix) + QStringLiteral("XXXXXX"));
  if (!parts.Staging->isValid())
    CannotCopy(shownName, Folders.User, parts.Staging->errorString());
  // A copy of the game killed from here on leaves the folder unlocked, for the next start to
  // take away.
  parts.OwnerLock.emplace(
      ::open(QFile::encodeName(parts.Staging->filePath(QLatin1String(OwnerLockName))).constData(),
             O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
  if (parts.OwnerLock->Get() < 0 || ::flock(parts.OwnerLock->Get(), LOCK_EX | LOCK_NB) != 0)
    CannotCopy(shownName, Folders.User, ErrnoText());
  parts.Staged = parts.Staging->filePath(parts.Name);
  CopyBounded(source.Get(), parts.Staged, shownName, Stop);
  parts.Header = CheckSet(parts.Staged, Deadline, Stop);
  return result;
}

TInstalledSet PlaceCardSet(TStagedSet Staged, const TCardFolderPair& Folders,
                           const TAskReplace& AskReplace) {
  TStagedSet::TParts& parts = *Staged.F;
  if (parts.Present)
    return *parts.Present;
  TInstalledSet placed = PlaceCopy(parts.Staged, parts.Name, Folders, AskReplace, parts.Header);
  if (placed.Outcome == TInstallOutcome::Added || placed.Outcome == TInstallOutcome::Replaced)
    parts.Made.Keep();
  return placed;
}

void RemoveStaleStagedSets(const QString& UserFolder) {
  if (UserFolder.isEmpty())
    return;
  const QDir folder(UserFolder);
  const QStringList names =
      folder.entryList({QLatin1String(StagingPrefix) + u'*'},
                       QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks);
  for (const QString& name : names) {
    const QString path = folder.filePath(name);
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::geteuid())
      continue;
    const TFileDescriptor lock(
        ::open(QFile::encodeName(path + u'/' + QLatin1String(OwnerLockName)).constData(),
               O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    if (lock.Get() >= 0) {
      // Held: a running copy of the game is checking or placing this set.
      if (::flock(lock.Get(), LOCK_EX | LOCK_NB) != 0)
        continue;
    } else {
      const auto age =
          std::chrono::system_clock::now() - std::chrono::system_clock::from_time_t(info.st_mtime);
      if (age < UnlockedStagingAge)
        continue;
    }
    QDir(path).removeRecursively();
  }
}

TInstalledSet InstallCardSet(const QString& Path, const TCardFolderPair& Folders,
                             const TAskReplace& AskReplace,
                             std::chrono::steady_clock::time_point Deadline) {
  return PlaceCardSet(StageCardSet(Path, Folders, Deadline), Folders, AskReplace);
}
