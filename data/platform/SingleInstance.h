// Keeps a second copy of the game from running. The lock lives in the user's runtime folder
// and names the running process, so a lock left behind by a copy that crashed or was killed
// is recognised as stale and taken over.
#pragma once

#include <QString>

#include <memory>

class QLockFile;

class TSingleInstance {
public:
  // Name is the system-wide name of the lock; the game uses the product's series name.
  explicit TSingleInstance(const QString& Name);
  ~TSingleInstance();

  TSingleInstance(const TSingleInstance&) = delete;
  TSingleInstance& operator=(const TSingleInstance&) = delete;

  // True when this process now holds the lock or the lock could not be made at all (then the
  // game starts normally, as it would without the service); false when another live copy
  // holds it.
  bool Acquire();

  QString LockPath() const { return FLockPath; }

  // Folder the lock is kept in: the user's runtime folder, else the temporary folder.
  static QString LockFolder();

private:
  QString FLockPath;
  std::unique_ptr<QLockFile> FLock;
};
