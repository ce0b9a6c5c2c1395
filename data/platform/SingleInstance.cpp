#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The lock name may hold spaces and dots; anything else becomes an underscore so the name is
// a valid file name everywhere.
QString LockFileName(const QString& Name) {
  QString safe;
  for (QChar c : Name)
    safe += (c.isLetterOrNumber() || c == u' ' || c == u'.' || c == u'-') ? c : QChar(u'_');
  return safe + QStringLiteral(".lock");
}

} // namespace

TSingleInstance::TSingleInstance(const QString& Name) {
  const QString folder = LockFolder();
  if (!folder.isEmpty())
    FLockPath = QDir(folder).filePath(LockFileName(Name));
}

TSingleInstance::~TSingleInstance() {
  // The file stays: removing it could let a copy that opened it meanwhile lock a file no
  // later copy finds.
  if (FLockFd >= 0)
    ::close(FLockFd);
}

QString TSingleInstance::LockFolder() {
  // Not Qt's runtime location: without the variable it falls back to the shared temporary
  // folder, where another user may have made the folder first.
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && IsPrivateFolder(runtime))
    return runtime;
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  if (cache.isEmpty() || !QDir().mkpath(cache + QStringLiteral("/Kovalent")))
    return {};
  const QString folder = cache + QStringLiteral("/Kovalent/runtime");
  // Made private from the start; one that is there already must be so.
  ::mkdir(QFile::encodeName(folder).constData(), 0700);
  return IsPrivateFolder(folder) ? folder : QString();
}

bool TSingleInstance::IsPrivateFolder(const QString& Folder) {
  struct stat info {};
  return ::lstat(QFile::encodeName(Folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
         info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

bool TSingleInstance::Acquire() {
  if (FLockFd >= 0 || FLockPath.isEmpty())
    return true;
  const QByteArray path = QFile::encodeName(FLockPath);
  const int fd =
      ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
  // Without a lock file the game starts as it would without the service.
  if (fd < 0)
    return true;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return !held;
  }
  FLockFd = fd;
  // Process number, program and host, one a line, as Qt's lock files hold them. Nothing is
  // synced to disk: the lock is the system's, and the file need not outlive the process.
  const QByteArray names = QByteArray::number(qint64(::getpid())) + '\n' +
                           QCoreApplication::applicationName().toUtf8() + '\n' +
                           QSysInfo::machineHostName().toUtf8() + '\n';
  // The names only inform; the lock holds without them.
  [[maybe_unused]] const bool named =
      ::ftruncate(fd, 0) == 0 && ::write(fd, names.constData(), size_t(names.size())) > 0;
  return true;
}
