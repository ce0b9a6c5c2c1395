// Keeps a second copy of the game from running. The lock is a lock on a file in a folder only
// the user can write (the runtime folder, else one in the user's cache), which the system releases
// when the process holding it ends however it ends, so a copy that crashed or was killed leaves
// nothing that blocks the next one. The file names the running process, as Qt's lock files do, so a
// copy that keeps its lock that way sees it as held too.
#pragma once

#include <QString>

class TSingleInstance {
public:
  // Name is the system-wide name of the lock; the game uses the product's series name.
  explicit TSingleInstance(const QString& Name);
  ~TSingleInstance();

  TSingleInstance(const TSingleInstance&) = delete;
  TSingleInstance& operator=(const TSingleInstance&) = delete;

  // True when this process now holds the lock or the lock could not be made at all (then the
  // game starts normally, as it would without the service; LockPath is empty when there was no
  // private folder for it); false when another live copy holds it.
  bool Acquire();

  QString LockPath() const { return FLockPath; }

  // Folder the lock (and the hand-over socket beside it) is kept in: $XDG_RUNTIME_DIR, else
  // Kovalent/runtime in the user's cache folder, made for the purpose; empty when neither is
  // private. A folder others can write is never used: whoever could put a file there could
  // keep the game from starting, or listen in its place.
  static QString LockFolder();

  // Whether Folder is a folder itself (not a link to one) owned by this user and writable by
  // no one else.
  static bool IsPrivateFolder(const QString& Folder);

private:
  QString FLockPath;
  // The open lock file while it is held, else -1.
  int FLockFd = -1;
};
