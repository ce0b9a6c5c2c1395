#include "TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int Signals[] = {SIGTERM, SIGHUP, SIGINT};

// The handler may only write to a descriptor; the loop reads the other end. -1 when unset.
int WriteEnd = -1;
int ReadEnd = -1;

extern "C" void NoteSignal(int) {
  const int saved = errno;
  const char byte = 1;
  // A full pipe already holds a signal that has not been read: nothing is lost.
  [[maybe_unused]] const ssize_t written = ::write(WriteEnd, &byte, 1);
  errno = saved;
}

} // namespace

TTerminationSignals::TTerminationSignals(std::function<void()> OnSignal, QObject* Parent)
    : QObject(Parent), FOnSignal(std::move(OnSignal)) {
  int ends[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0)
    return; // the signals keep their default action: the program ends as before
  ReadEnd = ends[0];
  WriteEnd = ends[1];
  FNotifier = std::make_unique<QSocketNotifier>(ReadEnd, QSocketNotifier::Read);
  connect(FNotifier.get(), &QSocketNotifier::activated, this, [this] { SignalArrived(); });
  struct sigaction action {};
  action.sa_handler = NoteSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : Signals)
    ::sigaction(signal, &action, nullptr);
}

TTerminationSignals::~TTerminationSignals() {
  if (FNotifier == nullptr)
    return;
  for (const int signal : Signals)
    ::signal(signal, SIG_DFL);
  FNotifier.reset();
  ::close(ReadEnd);
  ::close(WriteEnd);
  ReadEnd = WriteEnd = -1;
}

void TTerminationSignals::SignalArrived() {
  char bytes[16];
  while (::read(ReadEnd, bytes, sizeof bytes) > 0) {
  }
  FOnSignal();
}
