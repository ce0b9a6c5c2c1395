#include "HandOver.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr char Taken = '1';
// The first wait before connecting again, doubled after each try up to the last.
constexpr int FirstRetryMs = 20;
constexpr int LastRetryMs = 320;
// Connections the system holds for the listener while it serves others: many copies started
// at once (a file manager opening many sets) wait there, each for its turn.
constexpr int Backlog = 64;

// The socket's address; false when the path does not fit one.
bool AddressOf(const QString& SocketPath, sockaddr_un& Address) {
  const QByteArray bytes = QFile::encodeName(SocketPath);
  std::memset(&Address, 0, sizeof Address);
  Address.sun_family = AF_UNIX;
  if (bytes.isEmpty() || std::size_t(bytes.size()) >= sizeof Address.sun_path)
    return false;
  std::memcpy(Address.sun_path, bytes.constData(), std::size_t(bytes.size()));
  return true;
}

bool SameUser(int Fd) {
  ucred peer{};
  socklen_t size = sizeof peer;
  return ::getsockopt(Fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof peer &&
         peer.uid == ::geteuid();
}

class TSocket {
public:
  explicit TSocket(int Fd) : FFd(Fd) {}
  ~TSocket() {
    if (FFd >= 0)
      ::close(FFd);
  }
  TSocket(const TSocket&) = delete;
  TSocket& operator=(const TSocket&) = delete;
  int Get() const { return FFd; }
  int Release() { return std::exchange(FFd, -1); }

private:
  int FFd;
};

int MsLeft(Clock::time_point Deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(Deadline - Clock::now());
  return int(std::max<long long>(0, left.count()));
}

// Connects to the listener, trying again, less often each time, while it is not there yet or
// its queue is full; -1 when the time is up. The connection is made without waiting, so a
// listener that takes no one never holds the sender past its deadline; it blocks once made.
int Connect(const sockaddr_un& Address, Clock::time_point Deadline) {
  for (int retryMs = FirstRetryMs;; retryMs = std::min(2 * retryMs, LastRetryMs)) {
    TSocket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (socket.Get() < 0)
      return -1;
    if (::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&Address), sizeof Address) == 0) {
      const int flags = ::fcntl(socket.Get(), F_GETFL);
      return flags >= 0 && ::fcntl(socket.Get(), F_SETFL, flags & ~O_NONBLOCK) == 0
                 ? socket.Release()
                 : -1;
    }
    const int error = errno;
    const bool notYet = error == ENOENT || error == ECONNREFUSED || error == EAGAIN;
    if (!notYet || MsLeft(Deadline) == 0)
      return -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min(retryMs, MsLeft(Deadline))));
  }
}

bool SendAll(int Fd, const QByteArray& Bytes) {
  qsizetype done = 0;
  while (done < Bytes.size()) {
    const ssize_t sent =
        ::send(Fd, Bytes.constData() + done, std::size_t(Bytes.size() - done), MSG_NOSIGNAL);
    if (sent < 0 && errno == EINTR)
      continue;
    if (sent <= 0)
      return false;
    done += sent;
  }
  return true;
}

bool AwaitAnswer(int Fd, Clock::time_point Deadline) {
  for (;;) {
    pollfd watched{Fd, POLLIN, 0};
    const int ready = ::poll(&watched, 1, MsLeft(Deadline));
    if (ready < 0 && errno == EINTR)
      continue;
    if (ready <= 0)
      return false;
    char answer = 0;
    const ssize_t got = ::recv(Fd, &answer, 1, 0);
    if (got < 0 && errno == EINTR)
      continue;
    return got == 1 && answer == Taken;
  }
}

} // namespace

QString HandOverSocketPath(const QString& LockPath) {
  if (LockPath.isEmpty())
    return {};
  QString path = LockPath;
  if (path.endsWith(QStringLiteral(".lock")))
    path.chop(5);
  return path + QStringLiteral(".socket");
}

bool HandOverFile(const QString& SocketPath, const QString& Path, int TimeoutMs) {
  const QByteArray bytes = QFile::encodeName(Path);
  sockaddr_un address{};
  if (bytes.isEmpty() || bytes.size() > MaxHandOverBytes || bytes.contains('\0') ||
      !AddressOf(SocketPath, address))
    return false;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(TimeoutMs);
  const TSocket socket(Connect(address, deadline));
  // Whoever listens there must be the player's own game: a path says where the player's files
  // lie.
  if (socket.Get() < 0 || !SameUser(socket.Get()) || !SendAll(socket.Get(), bytes) ||
      ::shutdown(socket.Get(), SHUT_WR) != 0)
    return false;
  return AwaitAnswer(socket.Get(), deadline);
}

struct THandOverListener::TConnection {
  int Fd = -1;
  QByteArray Bytes;
  QSocketNotifier* Notifier = nullptr;
  QTimer* Timer = nullptr;
};

THandOverListener::THandOverListener(QObject* Parent) : QObject(Parent) {}

THandOverListener::~THandOverListener() {
  while (!FConnections.empty())
    Drop(FConnections.back().get());
  if (FFd < 0)
    return;
  delete FNotifier;
  ::close(FFd);
  struct stat info {};
  const QByteArray path = QFile::encodeName(FPath);
  if (::lstat(path.constData(), &info) == 0 && info.st_ino == FInode)
    ::unlink(path.constData());
}

bool THandOverListener::Listen(const QString& SocketPath) {
  sockaddr_un address{};
  if (FFd >= 0 || !AddressOf(SocketPath, address))
    return false;
  const QByteArray path = QFile::encodeName(SocketPath);
  // Only a socket is taken away: whatever else has that name is not the game's.
  struct stat info {};
  if (::lstat(path.constData(), &info) == 0 && S_ISSOCK(info.st_mode))
    ::unlink(path.constData());
  TSocket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  if (socket.Get() < 0 ||
      ::bind(socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
    return false;
  if (::chmod(path.constData(), 0600) != 0 || ::listen(socket.Get(), Backlog) != 0 ||
      ::lstat(path.constData(), &info) != 0) {
    ::unlink(path.constData());
    return false;
  }
  FInode = info.st_ino;
  FPath = SocketPath;
  FFd = socket.Release();
  FNotifier = new QSocketNotifier(FFd, QSocketNotifier::Read, this);
  connect(FNotifier, &QSocketNotifier::activated, this, [this] { Accept(); });
  return true;
}

void THandOverListener::Accept() {
  // Past MaxConnections the rest wait in the system's queue, taken as places come free (Drop);
  // closing them would lose their sets.
  while (int(FConnections.size()) < MaxConnections) {
    const int fd = ::accept4(FFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0)
      return;
    if (!SameUser(fd)) {
      ::close(fd);
      continue;
    }
    auto connection = std::make_unique<TConnection>();
    TConnection* raw = connection.get();
    raw->Fd = fd;
    raw->Notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(raw->Notifier, &QSocketNotifier::activated, this, [this, raw] { Read(raw); });
    raw->Timer = new QTimer(this);
    raw->Timer->setSingleShot(true);
    connect(raw->Timer, &QTimer::timeout, this, [this, raw] { Drop(raw); });
    raw->Timer->start(ConnectionTimeoutMs);
    FConnections.push_back(std::move(connection));
  }
  FNotifier->setEnabled(false);
}

void THandOverListener::Read(TConnection* Connection) {
  char chunk[1024];
  for (;;) {
    const ssize_t got = ::recv(Connection->Fd, chunk, sizeof chunk, 0);
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
      return;
    if (got < 0 || Connection->Bytes.size() + got > MaxHandOverBytes) {
      Drop(Connection);
      return;
    }
    if (got > 0) {
      Connection->Bytes.append(chunk, got);
      continue;
    }
    // The whole path is here.
    const QByteArray path = Connection->Bytes;
    const bool usable = !path.isEmpty() && !path.contains('\0');
    if (usable)
      ::send(Connection->Fd, &Taken, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
    Drop(Connection);
    if (usable)
      QTimer::singleShot(0, this, [this, file = QFile::decodeName(path)] {
        if (OnFile)
          OnFile(file);
      });
    return;
  }
}

void THandOverListener::Drop(TConnection* Connection) {
  const auto found =
      std::find_if(FConnections.begin(), FConnections.end(),
                   [Connection](const auto& Owned) { return Owned.get() == Connection; });
  if (found == FConnections.end())
    return;
  // The notifier or the timer may be the one whose signal is being delivered now.
  Connection->Notifier->setEnabled(false);
  Connection->Notifier->deleteLater();
  Connection->Timer->stop();
  Connection->Timer->deleteLater();
  ::close(Connection->Fd);
  FConnections.erase(found);
  if (FNotifier != nullptr)
    FNotifier->setEnabled(true);
}
