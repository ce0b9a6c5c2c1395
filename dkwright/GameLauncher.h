// Starts the game from the builder, so that a set just made can be played at once.
#pragma once

#include <QString>

enum class TLaunchResult {
  Started,
  AlreadyRunning, // the game holds its single-instance lock; a second copy would only quit
  Missing,        // no game beside the builder
  Failed,         // the game is there but could not be started
};

class TGameLauncher {
public:
  // The game's executable, and the name of the lock it holds while it runs.
  TGameLauncher(QString GamePath, QString LockName);

  // The game "tesselo" in ProgramFolder, with the game's own lock name.
  static TGameLauncher Beside(const QString& ProgramFolder);

  // Starts the game detached, so it outlives the builder. With CardSet, the game is started
  // with that set, which it adds and chooses as when the player opens the set from a file
  // manager: a copy already running gets the set from the copy started here. Without one, a
  // copy already running is left alone (AlreadyRunning).
  TLaunchResult Launch(const QString& CardSet = QString()) const;

  // Whether a live copy of the game holds its lock now.
  bool GameRunning() const;

  const QString& GamePath() const { return FGamePath; }

private:
  QString FGamePath;
  QString FLockName;
};
