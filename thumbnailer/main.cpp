// tesselo-thumbnailer: the preview of a card set for file managers, called the way the
// freedesktop thumbnailer convention calls such programs.
//
//   tesselo-thumbnailer -s SIZE INPUT OUTPUT
//
// Writes a PNG of INPUT's advert (or a mosaic of its faces) with its larger side SIZE pixels
// to OUTPUT, a new name or a regular file, and leaves nothing else anywhere. INPUT comes from
// anywhere, so it is read within the game's bounds on every picture and the whole run, the
// writing included, within a time cap; a set that cannot be shown, or a run that reaches the
// cap, ends with a non-zero status and OUTPUT untouched.
#include "CardSetInstall.h"
#include "CardSetThumbnail.h"
#include "RegularFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageWriter>
#include <QString>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Seconds a run may take, on the clock and on the processor, writing the preview included.
// The largest set the game accepts takes a fraction of this; a file built to keep a decoder
// busy does not get further.
constexpr unsigned TimeCapSeconds = 10;

enum Status { Done = 0, Failed = 1, Usage = 2, TimedOut = 3 };

// The preview being written, by the name it has until it takes OUTPUT's place: whatever ends
// the run before then removes it, the time cap too, so OUTPUT is either untouched or whole.
char PartialPreview[PATH_MAX] = "";

void OutOfTime(int) {
  if (PartialPreview[0] != '\0')
    ::unlink(PartialPreview);
  constexpr char Text[] = "tesselo-thumbnailer: the card set takes too long to read\n";
  [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, Text, sizeof Text - 1);
  ::_exit(TimedOut);
}

void CapTime() {
  struct sigaction action {};
  action.sa_handler = OutOfTime;
  ::sigaction(SIGALRM, &action, nullptr);
  ::sigaction(SIGXCPU, &action, nullptr);
  ::alarm(TimeCapSeconds);
  const rlimit cpu{TimeCapSeconds, TimeCapSeconds + 1};
  ::setrlimit(RLIMIT_CPU, &cpu);
}

// Keeps the time cap from firing while PartialPreview and the file it names change together.
class TClockHeld {
public:
  TClockHeld() {
    sigset_t clock;
    sigemptyset(&clock);
    sigaddset(&clock, SIGALRM);
    sigaddset(&clock, SIGXCPU);
    ::sigprocmask(SIG_BLOCK, &clock, &FBefore);
  }
  ~TClockHeld() { ::sigprocmask(SIG_SETMASK, &FBefore, nullptr); }
  TClockHeld(const TClockHeld&) = delete;
  TClockHeld& operator=(const TClockHeld&) = delete;

private:
  sigset_t FBefore;
};

int Fail(const QString& Text) {
  std::fprintf(stderr, "tesselo-thumbnailer: %s\n", Text.toLocal8Bit().constData());
  return Failed;
}

// The set must be a regular file of a size the game accepts; a pipe is never waited on.
QString InputProblem(const QByteArray& Input) {
  struct stat info {};
  const TFileDescriptor fd(OpenRegularFile(AT_FDCWD, Input.constData(), info));
  if (fd.Get() == NotARegularFile)
    return QStringLiteral("the card set is not a file");
  if (fd.Get() < 0)
    return QStringLiteral("cannot open the card set: %1")
        .arg(QString::fromLocal8Bit(std::strerror(errno)));
  if (info.st_size > MaxCardSetFileBytes)
    return QStringLiteral("the card set is too large");
  return {};
}

QByteArray EncodePng(const QImage& Picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  return writer.write(Picture) ? bytes : QByteArray();
}

// OUTPUT is a path the caller reads once the run is over: a new name, or a regular file that
// the preview replaces. Looked at without being opened, so a pipe or a device put there is
// never waited on nor disturbed; a link is refused whatever it points to.
QString OutputProblem(const QByteArray& Output) {
  struct stat info {};
  if (::lstat(Output.constData(), &info) != 0)
    return errno == ENOENT
               ? QString()
               : QStringLiteral("cannot write %1: %2")
                     .arg(QFile::decodeName(Output), QString::fromLocal8Bit(std::strerror(errno)));
  if (!S_ISREG(info.st_mode))
    return QStringLiteral("%1 is not a regular file").arg(QFile::decodeName(Output));
  return {};
}

bool WriteAll(int Fd, const QByteArray& Bytes) {
  qsizetype done = 0;
  while (done < Bytes.size()) {
    const ssize_t put = ::write(Fd, Bytes.constData() + done, std::size_t(Bytes.size() - done));
    if (put < 0 && errno == EINTR)
      continue;
    if (put <= 0)
      return false;
    done += put;
  }
  return true;
}

// Writes Png to a new file in OUTPUT's folder and renames it over OUTPUT, which changes the
// name alone: whatever replaced OUTPUT since it was looked at is not written through.
bool WriteOutput(const QByteArray& Output, const QByteArray& Png) {
  const int slash = Output.lastIndexOf('/');
  const QByteArray partial = Output.left(slash + 1) + ".tesselo-preview-XXXXXX";
  if (partial.size() >= qsizetype(sizeof PartialPreview))
    return false;
  int fd = -1;
  {
    const TClockHeld held;
    std::memcpy(PartialPreview, partial.constData(), std::size_t(partial.size()) + 1);
    fd = ::mkostemp(PartialPreview, O_CLOEXEC);
    if (fd < 0)
      PartialPreview[0] = '\0';
  }
  if (fd < 0)
    return false;
  const bool written = WriteAll(fd, Png);
  const bool closed = ::close(fd) == 0;
  const TClockHeld held;
  const bool placed = written && closed && ::rename(PartialPreview, Output.constData()) == 0;
  if (!placed)
    ::unlink(PartialPreview);
  PartialPreview[0] = '\0';
  return placed;
}

} // namespace

int main(int argc, char** argv) {
  CapTime();
  if (argc != 5 || std::strcmp(argv[1], "-s") != 0) {
    std::fputs("Usage: tesselo-thumbnailer -s SIZE INPUT OUTPUT\n", stderr);
    return Usage;
  }
  char* end = nullptr;
  const long size = std::strtol(argv[2], &end, 10);
  if (*argv[2] == '\0' || *end != '\0' || size < 1 || size > MaxThumbnailSize) {
    std::fprintf(stderr, "tesselo-thumbnailer: SIZE must be 1 to %d\n", MaxThumbnailSize);
    return Usage;
  }
  const QByteArray input(argv[3]);
  const QByteArray output(argv[4]);
  if (const QString problem = InputProblem(input); !problem.isEmpty())
    return Fail(problem);
  if (const QString problem = OutputProblem(output); !problem.isEmpty())
    return Fail(problem);
  QByteArray png;
  try {
    png = EncodePng(CardSetThumbnail(QFile::decodeName(input), int(size)));
  } catch (const std::exception& error) {
    return Fail(QString::fromUtf8(error.what()));
  }
  if (png.isEmpty())
    return Fail(QStringLiteral("the preview cannot be encoded"));
  if (!WriteOutput(output, png))
    return Fail(QStringLiteral("cannot write %1").arg(QFile::decodeName(output)));
  return Done;
}
