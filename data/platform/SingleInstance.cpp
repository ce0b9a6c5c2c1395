#include "SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

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

TSingleInstance::TSingleInstance(const QString& Name)
    : FLockPath(QDir(LockFolder()).filePath(LockFileName(Name))) {}

TSingleInstance::~TSingleInstance() = default;

QString TSingleInstance::LockFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty())
    folder = QDir::tempPath();
  return folder;
}

bool TSingleInstance::Acquire() {
  if (FLock && FLock->isLocked())
    return true;
  FLock = std::make_unique<QLockFile>(FLockPath);
  // The game holds the lock for its whole run, so age says nothing about staleness; a lock
  // is stale only when the process named in it is gone, which QLockFile checks by its PID.
  FLock->setStaleLockTime(0);
  if (FLock->tryLock(0))
    return true;
  return FLock->error() != QLockFile::LockFailedError;
}
