// The catalogue scan over a folder of 1,000 card sets: how long it takes, and how many bytes it
// reads per set, against the floor of opening each file and reading its first KiB.
#include "CardSets.h"
#include "KVRWriter.h"
#include "ReadCounter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int SetCount = 1000;
constexpr int FacesPerSet = 20;
constexpr int FaceBytes = 4096;

using readcounter::BytesReadSince;
using readcounter::ReadMark;

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
