// ReadToStream of an 8 MiB compressed entry from a memory stream, against zlib's uncompress of
// the same bytes into a buffer of the right size (the floor: no blocks, no stream).
#include "KVRStream.h"
#include "KVRWriter.h"

#include <QBuffer>
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdint>

namespace {

constexpr qsizetype EntrySize = 8 * 1024 * 1024;

// Picture-like content: runs and gradients with some noise, so it compresses about as well as
// the skin bitmaps do rather than trivially.
QByteArray Content() {
  QByteArray bytes(EntrySize, '\0');
  std::uint32_t seed = 12345;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    seed = seed * 1664525u + 1013904223u;
    const int noise = (seed >> 28) < 3 ? int(seed >> 24) : 0;
    bytes[i] = char(((i / 3) % 256 + (i / 4096) + noise) & 0xFF);
  }
  return bytes;
}

struct Fixture {
  Fixture() : Plain(Content()) {
    TKVResWriter writer;
    writer.AddCompressed(Plain);
    Archive = writer.ToBytes();
    Packed = Archive.mid(16);
  }
  QByteArray Plain;
  QByteArray Archive;
  QByteArray Packed;
};

const Fixture& Data() {
  static const Fixture fixture;
  return fixture;
}

void ReadToStream(benchmark::State& state, bool reuseDest) {
  QByteArray archive = Data().Archive;
  QBuffer source(&archive);
  source.open(QIODevice::ReadOnly);
  TKVResReader reader;
  reader.SetStream(&source);
  reader.ReadDirectory();
  QByteArray out;
  for (auto _ : state) {
    if (!reuseDest)
      out = QByteArray();
    QBuffer dest(&out);
    dest.open(QIODevice::ReadWrite);
    reader.ReadToStream(0, dest);
    benchmark::DoNotOptimize(out.data());
  }
  if (out != Data().Plain)
    state.SkipWithError("inflated content differs");
  state.SetBytesProcessed(state.iterations() * EntrySize);
  state.counters["ratio"] = double(EntrySize) / double(Data().Packed.size());
}

void BM_ReadToStream_FreshDest(benchmark::State& state) {
  ReadToStream(state, false);
}
void BM_ReadToStream_ReusedDest(benchmark::State& state) {
  ReadToStream(state, true);
}

void BM_ZlibUncompress(benchmark::State& state) {
  const QByteArray& packed = Data().Packed;
  QByteArray out(EntrySize, '\0');
  for (auto _ : state) {
    uLongf size = uLongf(out.size());
    const int rc =
        uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
                   reinterpret_cast<const Bytef*>(packed.constData()), uLong(packed.size()));
    if (rc != Z_OK)
      state.SkipWithError("uncompress failed");
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(state.iterations() * EntrySize);
}

} // namespace

BENCHMARK(BM_ZlibUncompress)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadToStream_ReusedDest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadToStream_FreshDest)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
