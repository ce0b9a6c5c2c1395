// tesselo-thumbnailer: the preview of a card set for file managers, called the way the
// freedesktop thumbnailer convention calls such programs.
//
//   tesselo-thumbnailer -s SIZE INPUT OUTPUT
//
// Writes a PNG of INPUT's advert (or a mosaic of its faces) with its larger side SIZE pixels
// to OUTPUT, and nothing else anywhere. INPUT comes from anywhere, so it is read within the
// game's bounds on every picture and the whole run within a time cap; a set that cannot be
// shown ends the run with a non-zero status and OUTPUT untouched.
#include "CardSetInstall.h"
#include "CardSetThumbnail.h"
#include "RegularFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageWriter>
#include <QString>

#include <cerrno>
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

// Seconds a run may take, on the clock and on the processor. The largest set the game accepts
// takes a fraction of this; a file built to keep a decoder busy does not get further.
constexpr unsigned TimeCapSeconds = 10;

enum Status { Done = 0, Failed = 1, Usage = 2, TimedOut = 3 };

void OutOfTime(int) {
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

bool WriteOutput(const QByteArray& Output, const QByteArray& Png) {
  const int fd =
      ::open(Output.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0)
    return false;
  qsizetype done = 0;
  while (done < Png.size()) {
    const ssize_t put = ::write(fd, Png.constData() + done, std::size_t(Png.size() - done));
    if (put < 0 && errno == EINTR)
      continue;
    if (put <= 0)
      break;
    done += put;
  }
  const bool whole = ::close(fd) == 0 && done == Png.size();
  if (!whole)
    ::unlink(Output.constData());
  return whole;
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
  QByteArray png;
  try {
    png = EncodePng(CardSetThumbnail(QFile::decodeName(input), int(size)));
  } catch (const std::exception& error) {
    return Fail(QString::fromUtf8(error.what()));
  }
  if (png.isEmpty())
    return Fail(QStringLiteral("the preview cannot be encoded"));
  // Nothing may cut the writing short and leave half a picture behind.
  ::alarm(0);
  if (!WriteOutput(output, png))
    return Fail(QStringLiteral("cannot write %1").arg(QFile::decodeName(output)));
  return Done;
}
