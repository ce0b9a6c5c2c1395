// The catalogue scan over a folder of 1,000 card sets: how long it takes, and how many bytes it
// reads per set, against the floor of opening each file and reading its first KiB.
#include "CardSets.h"
#include "KVRWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int SetCount = 1000;
constexpr int FacesPerSet = 20;
constexpr int FaceBytes = 4096;

// The bytes this process has read through read(2) and its relatives (rchar of
// /proc/self/io) before this probe, and the length of the probe's own read.
std::pair<qint64, qint64> ReadCounter() {
  char text[512];
  const int fd = ::open("/proc/self/io", O_RDONLY);
  const ssize_t length = fd < 0 ? -1 : ::read(fd, text, sizeof text - 1);
  if (fd >= 0)
    ::close(fd);
  if (length <= 0)
    return {-1, 0};
  text[length] = '\0';
  const char* rchar = std::strstr(text, "rchar:");
  return {rchar ? std::strtoll(rchar + 6, nullptr, 10) : -1, length};
}

// A mark to measure reads from; BytesReadSince(mark) leaves both probes out.
qint64 ReadMark() {
  const auto [count, probe] = ReadCounter();
  return count + probe;
}

qint64 BytesReadSince(qint64 Mark) {
  return ReadCounter().first - Mark;
}

// Sets shaped like real ones (header, advert, back, faces of a few KiB), so that reading
// more than the header shows in the figures.
class SetFolder {
public:
  SetFolder() {
    TCardSetHeader header;
    header.CardWidth = 120;
    header.CardHeight = 90;
    header.ImageCount = FacesPerSet;
    header.ImageKind = TCardSetHeader::JpegKind;
    for (int i = 0; i < SetCount; ++i) {
      header.Title = QStringLiteral("Set %1").arg(i);
      TKVResWriter writer;
      writer.AddPlain(header.ToBytes());
      writer.AddBitmap(QByteArray(FaceBytes, 'a'));
      writer.AddBitmap(QByteArray(FaceBytes, 'b'));
      for (int face = 0; face < FacesPerSet; ++face)
        writer.AddPlain(QByteArray(FaceBytes, char(face)));
      writer.SaveToFile(FDir.filePath(QStringLiteral("set%1.crd").arg(i, 4, 10, QLatin1Char('0'))));
    }
  }
  QString Path() const { return FDir.path() + QLatin1Char('/'); }

private:
  QTemporaryDir FDir;
};

const SetFolder& Sets() {
  static const SetFolder sets;
  return sets;
}

void ReportPerSet(benchmark::State& State, qint64 Bytes) {
  State.counters["bytes_read_per_set"] = double(Bytes) / double(State.iterations() * SetCount);
  State.counters["sets"] = SetCount;
}

void BM_ScanCardSets(benchmark::State& State) {
  const QString path = Sets().Path();
  qint64 bytes = 0;
  for (auto _ : State) {
    TCardSetCatalogue catalogue;
    const qint64 before = ReadMark();
    ScanCardSets(path, QStringLiteral("set0500.crd"), catalogue);
    bytes += BytesReadSince(before);
    benchmark::DoNotOptimize(catalogue.CardSets.size());
    if (catalogue.CardSets.size() != size_t(SetCount))
      State.SkipWithError("not every set was listed");
  }
  ReportPerSet(State, bytes);
}
BENCHMARK(BM_ScanCardSets)->Unit(benchmark::kMillisecond);

void BM_OpenAndReadFirstKiB(benchmark::State& State) {
  const QDir dir(Sets().Path());
  qint64 bytes = 0;
  for (auto _ : State) {
    const qint64 before = ReadMark();
    const QStringList names = dir.entryList({QStringLiteral("*.crd")}, QDir::Files);
    for (const QString& name : names) {
      QFile file(dir.filePath(name));
      if (file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        benchmark::DoNotOptimize(file.read(1024));
    }
    bytes += BytesReadSince(before);
  }
  ReportPerSet(State, bytes);
}
BENCHMARK(BM_OpenAndReadFirstKiB)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
