// The hand-over socket between two copies of the game, over real Unix sockets: a path arrives
// whole, a stale socket neither blocks a listener nor fools a sender, and the listener takes
// nothing too long, from nobody silent for ever and from no other user.
#include "HandOver.h"

#include "Product.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <future>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class HandOver : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(FDir.isValid());
    FSocket = FDir.filePath(QString::fromLatin1(product::SeriesName) + QStringLiteral(".socket"));
    FListener.OnFile = [this](const QString& Path) { Received << Path; };
  }

  // Runs the event loop until Done or five seconds have passed.
  template <typename TDone> static void SpinUntil(TDone Done) {
    QElapsedTimer timer;
    timer.start();
    while (!Done() && timer.elapsed() < 5000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  // Hands Path over from another thread, as a second copy of the game would, while this one
  // serves the listener.
  bool Send(const QString& Path, int TimeoutMs = 5000) {
    auto sent =
        std::async(std::launch::async, [&] { return HandOverFile(FSocket, Path, TimeoutMs); });
    SpinUntil([&] { return sent.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
    return sent.get();
  }
  // A raw connection to the listener, as any local program could make; -1 when refused.
  int RawConnection() const {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(FSocket);
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
      ::close(fd);
      return -1;
    }
    return fd;
  }
  // What the listener said on a raw connection once it is done with it: 1 for the answer, 0
  // for none (closed), -1 while it is still open.
  static int AnswerOn(int Fd) {
    char answer = 0;
    int result = -1;
    SpinUntil([&] {
      const ssize_t got = ::recv(Fd, &answer, 1, MSG_DONTWAIT);
      if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
        return false;
      result = got == 1 ? 1 : 0;
      return true;
    });
    return result;
  }

  QTemporaryDir FDir;
  QString FSocket;
  THandOverListener FListener;
  QStringList Received;
};

TEST_F(HandOver, PathsArriveWholeManyAtOnceAndSilentOrOverlongSendersAreDropped) {
  ASSERT_TRUE(FListener.Listen(FSocket));
  EXPECT_EQ(QFileInfo(FSocket).permissions() & (QFile::ReadOther | QFile::WriteOther), 0);

  // A silent connection does not hold the next sender up.
  const int silent = RawConnection();
  const QString path = QStringLiteral("/home/ann/Downloads/Ferien am Meer \u00e9t\u00e9.crd");
  EXPECT_TRUE(Send(path));
  SpinUntil([&] { return !Received.isEmpty(); });
  EXPECT_EQ(Received, QStringList{path});

  // More than a path may hold is dropped without an answer and without a delivery.
  const int overlong = RawConnection();
  const QByteArray bytes(MaxHandOverBytes + 1, 'a');
  ASSERT_EQ(::send(overlong, bytes.constData(), std::size_t(bytes.size()), MSG_NOSIGNAL),
            bytes.size());
  ::shutdown(overlong, SHUT_WR);
  EXPECT_EQ(AnswerOn(overlong), 0) << "closed without an answer";
  EXPECT_EQ(AnswerOn(silent), 0) << "the silent one is let go";
  ::close(overlong);
  ::close(silent);
  EXPECT_EQ(Received.size(), 1);

  // A file manager opening many sets starts a copy of the game for each, all at once.
  std::vector<std::future<bool>> senders;
  for (int k = 0; k < 20; ++k)
    senders.push_back(
        std::async(std::launch::async, HandOverFile, FSocket, "/" + QString::number(k), 5000));
  SpinUntil([&] { return Received.size() == 21; });
  for (auto& sender : senders)
    EXPECT_TRUE(sender.get());
  EXPECT_EQ(QSet(Received.begin(), Received.end()).size(), 21);
}

TEST_F(HandOver, AStaleSocketNeitherBlocksAListenerNorFoolsASender) {
  // What a killed copy leaves: a socket file nobody listens on.
  const int dead = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray path = QFile::encodeName(FSocket);
  std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
  ASSERT_EQ(::bind(dead, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(dead);

  QElapsedTimer timer;
  timer.start();
  EXPECT_FALSE(HandOverFile(FSocket, QStringLiteral("/tmp/set.crd"), 300));
  EXPECT_LT(timer.elapsed(), 3000);

  ASSERT_TRUE(FListener.Listen(FSocket));
  EXPECT_TRUE(Send(QStringLiteral("/tmp/set.crd")));
}

TEST_F(HandOver, AnotherUserIsNotListenedTo) {
  if (::geteuid() != 0)
    GTEST_SKIP() << "needs root to connect as another user";
  ASSERT_TRUE(FListener.Listen(FSocket));
  // Open the way for the other user, so only the credentials stand in between.
  ::chmod(QFile::encodeName(FDir.path()).constData(), 0755);
  ::chmod(QFile::encodeName(FSocket).constData(), 0666);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0)
      ::_exit(3);
    const int fd = RawConnection();
    if (fd < 0)
      ::_exit(4);
    ::send(fd, "/tmp/x.crd", 10, MSG_NOSIGNAL);
    ::shutdown(fd, SHUT_WR);
    char answer = 0;
    ::_exit(::recv(fd, &answer, 1, 0) == 1 ? 1 : 0);
  }
  int status = -1;
  SpinUntil([&] { return ::waitpid(child, &status, WNOHANG) == child; });
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the other user got an answer";
  QCoreApplication::processEvents();
  EXPECT_TRUE(Received.isEmpty());
}

} // namespace
