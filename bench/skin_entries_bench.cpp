// What the way a skin entry is stored costs start-up: every entry of tesselo.dat read through the
// archive reader and decoded as the windows read it (TSkinReader), from a copy of the archive
// that holds every entry plain and from one that holds every entry compressed. Both copies are
// read once before timing, so they come from the page cache, as after any earlier start.
//
//     skin_entries_bench TESSELO_DAT [benchmark options]
//
// SkinEntry/plain/N and SkinEntry/compressed/N time entry N alone; SkinEntries/shipped reads
// every entry the windows read from the archive as it is built, and SkinEntries/plain and
// SkinEntries/compressed the same entries from the two copies. Each reports the stored bytes.
#include "KVRStream.h"
#include "KVRWriter.h"
#include "SkinEntries.h"
#include "SkinLayout.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <vector>

namespace {

namespace entry = skinlayout::entry;

bool IsRead(int Index) {
  return Index != entry::CoverLink && std::find(std::begin(entry::Spare), std::end(entry::Spare),
                                                Index) == std::end(entry::Spare);
}

QByteArray Content(TKVResReader& Archive, int Index) {
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  Archive.ReadToStream(Index, buffer);
  return buffer.data();
}

// Writes a copy of the archive at Source with every entry stored the same way.
void WriteCopy(const QString& Source, const QString& Target, bool Compressed) {
  TKVResFileReader archive(Source);
  TKVResWriter writer;
  for (int i = 0; i < archive.Count; ++i) {
    const QByteArray content = Content(archive, i);
    if (Compressed)
      writer.AddCompressed(content);
    else
      writer.AddPlain(content);
  }
  writer.SaveToFile(Target);
}

qint64 StoredBytes(const QString& Archive, const std::vector<int>& Entries) {
  TKVResFileReader archive(Archive);
  qint64 bytes = 0;
  for (const int i : Entries)
    bytes += archive.Entries[size_t(i)].Size;
  return bytes;
}

// Reads and decodes Entries from the archive at Path, as the windows do at start-up.
void ReadEntries(benchmark::State& State, const QString& Path, const std::vector<int>& Entries) {
  TKVResFileReader archive(Path);
  for (auto _ : State) {
    TSkinReader skin(archive);
    for (const int i : Entries)
      benchmark::DoNotOptimize(skin.Bitmap(i).constBits());
  }
  State.counters["stored_bytes"] = double(StoredBytes(Path, Entries));
}

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: skin_entries_bench TESSELO_DAT [benchmark options]\n");
    return 2;
  }
  const QString shipped = QString::fromLocal8Bit(argv[1]);
  QTemporaryDir folder;
  const QString plain = folder.filePath(QStringLiteral("plain.dat"));
  const QString compressed = folder.filePath(QStringLiteral("compressed.dat"));
  WriteCopy(shipped, plain, false);
  WriteCopy(shipped, compressed, true);

  std::vector<int> read;
  for (int i = 0; i < entry::Count; ++i)
    if (IsRead(i))
      read.push_back(i);
  for (const auto& [name, path] : {std::pair{"shipped", shipped}, std::pair{"plain", plain},
                                   std::pair{"compressed", compressed}})
    benchmark::RegisterBenchmark((std::string("SkinEntries/") + name).c_str(), ReadEntries, path,
                                 read)
        ->Unit(benchmark::kMicrosecond);
  for (const int i : read)
    for (const auto& [name, path] :
         {std::pair{"plain", plain}, std::pair{"compressed", compressed}})
      benchmark::RegisterBenchmark(
          (std::string("SkinEntry/") + name + "/" + std::to_string(i)).c_str(), ReadEntries, path,
          std::vector<int>{i})
          ->Unit(benchmark::kMicrosecond);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
