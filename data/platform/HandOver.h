// Hands a file to the copy of the game that already runs: a Unix socket beside the
// single-instance lock, on which the running copy listens. A later copy started with a file
// sends the file's path and ends once the running copy has taken it.
//
// The exchange: the later copy connects, writes the path's bytes (at most MaxHandOverBytes, no
// terminator) and shuts its writing down; the running copy answers with one byte, "1", once it
// has the whole path, and closes. Only a peer of the same user is listened to, on either side.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QSocketNotifier;
class QTimer;

// The longest path handed over, in bytes.
inline constexpr int MaxHandOverBytes = 4096;

// The socket beside the lock at LockPath: its name with ".socket" in place of ".lock"; empty
// without a lock path, and no hand-over then.
QString HandOverSocketPath(const QString& LockPath);

// Sends the absolute path Path to the copy listening at SocketPath. While that copy has not
// opened its socket yet (it holds the lock but is still starting), connecting is tried again.
// True when the running copy confirmed the path within TimeoutMs.
bool HandOverFile(const QString& SocketPath, const QString& Path, int TimeoutMs = 10000);

// The running copy's end. It never blocks the event loop: the socket and every connection are
// non-blocking and watched by notifiers, a connection that says nothing is dropped after a
// while, and only a few connections are served at once; the others wait their turn in the
// system's queue, and a sender that finds even that full tries again.
class THandOverListener : public QObject {
public:
  // How long one connection may take to send its path, and how many are served at once.
  static constexpr int ConnectionTimeoutMs = 2000;
  static constexpr int MaxConnections = 4;

  explicit THandOverListener(QObject* Parent = nullptr);
  ~THandOverListener() override;

  // Listens at SocketPath, taking the place of a socket a killed copy left there (the caller
  // holds the single-instance lock, so no live copy listens there). False when the socket cannot
  // be made; the game then runs without hand-over.
  bool Listen(const QString& SocketPath);

  // A path was handed over; called from the event loop, after the connection has ended.
  std::function<void(const QString& Path)> OnFile;

private:
  struct TConnection;

  void Accept();
  void Read(TConnection* Connection);
  void Drop(TConnection* Connection);

  int FFd = -1;
  QString FPath;
  quint64 FInode = 0; // of the socket made, so only it is removed at the end
  QSocketNotifier* FNotifier = nullptr;
  std::vector<std::unique_ptr<TConnection>> FConnections;
};
