// The data path of a new game: TCardSetLoader's ReadHeader and LoadFaces for the first P faces
// of a set, against the floor of reading just the pictures a game shows from the file and
// decoding them with the bare library calls (libjpeg into an RGB32 picture, QImage for BMP).
// Those pictures are the chosen faces, the card back every face-down card shows and the
// advert the window shows. A game keeps GIF faces encoded and only checks their screen, so
// their floor is giflib opening each face. NewGameFacesOnly is the former floor, which left
// the back and the advert out, for comparison.
//
// Sets are named on the command line before the benchmark flags, as NAME=PATH:PAIRS, e.g.
//   perf_newgame shapes=program/cards/shapes.crd:60 --benchmark_format=json
#include "CardSetHeader.h"
#include "CardSetLoader.h"

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <benchmark/benchmark.h>

// clang-format off
#include <cstdio> // jpeglib.h needs FILE and size_t declared first
#include <jpeglib.h>
// clang-format on
#include <gif_lib.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace {

struct TSetCase {
  std::string Name;
  QString Path;
  int Pairs = 0;
};

// The first Pairs faces, as a game of Pairs pairs could choose them.
std::vector<int32_t> ChosenFaces(int Pairs) {
  std::vector<int32_t> faces(static_cast<size_t>(Pairs));
  std::iota(faces.begin(), faces.end(), 0);
  return faces;
}

void BM_LoadSet(benchmark::State& State, const TSetCase& Set) {
  const std::vector<int32_t> faces = ChosenFaces(Set.Pairs);
  qint64 bytes = 0;
  for (auto _ : State) {
    TCardSetLoader loader(Set.Path);
    loader.ReadHeader();
    loader.LoadFaces(faces);
    bytes = 0;
    for (const QImage& face : loader.FacePictures())
      bytes += face.sizeInBytes();
    for (const QByteArray& face : loader.FaceStreams())
      bytes += face.size();
    benchmark::DoNotOptimize(bytes);
  }
  State.counters["faces"] = Set.Pairs;
  State.counters["face_bytes"] = double(bytes);
}

// --- The floor: the container read by hand, each face decoded by its library alone. ---

qint32 LE32(const char* p) {
  return qFromLittleEndian<qint32>(p);
}

// zlib's one-shot call, into a buffer that doubles until the whole entry fits.
QByteArray Inflate(const QByteArray& Packed) {
  QByteArray plain(std::max<qsizetype>(64 * 1024, Packed.size() * 16), Qt::Uninitialized);
  for (;;) {
    uLongf size = uLongf(plain.size());
    const int rc =
        uncompress(reinterpret_cast<Bytef*>(plain.data()), &size,
                   reinterpret_cast<const Bytef*>(Packed.constData()), uLong(Packed.size()));
    if (rc != Z_BUF_ERROR || plain.size() > 256 * 1024 * 1024) {
      plain.truncate(rc == Z_OK ? qsizetype(size) : 0);
      return plain;
    }
    plain.resize(plain.size() * 2);
  }
}

// The stored bytes of the chosen entries, inflated or given their "BM" as the container says.
std::vector<QByteArray> ReadFaces(QFile& File, const std::vector<int32_t>& Entries) {
  const QByteArray head = File.read(8);
  const qint32 count = LE32(head.constData() + 4);
  const QByteArray records = File.read(qint64(count) * 8);
  std::vector<qint64> offsets(size_t(count) + 1, 8 + qint64(count) * 8);
  for (qint32 i = 0; i < count; ++i)
    offsets[size_t(i) + 1] = offsets[size_t(i)] + LE32(records.constData() + i * 8 + 4);
  std::vector<QByteArray> faces;
  for (const int32_t entry : Entries) {
    const qint32 kind = LE32(records.constData() + entry * 8);
    File.seek(offsets[size_t(entry)]);
    QByteArray data = File.read(offsets[size_t(entry) + 1] - offsets[size_t(entry)]);
    if (kind < 0) {
      data = Inflate(data);
    } else if (kind == 1 && data.size() >= 2) {
      data[0] = 'B';
      data[1] = 'M';
    }
    faces.push_back(std::move(data));
  }
  return faces;
}

QImage BareJpeg(const QByteArray& Data) {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(Data.constData()),
               static_cast<unsigned long>(Data.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_EXT_BGRX;
  QImage image(int(info.image_width), int(info.image_height), QImage::Format_RGB32);
  jpeg_start_decompress(&info);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.scanLine(int(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return image;
}

struct TMemoryRead {
  const QByteArray* Data;
  qsizetype Position;
};

int ReadGifBytes(GifFileType* File, GifByteType* Out, int Count) {
  auto* source = static_cast<TMemoryRead*>(File->UserData);
  const int n = int(std::min<qsizetype>(Count, source->Data->size() - source->Position));
  std::memcpy(Out, source->Data->constData() + source->Position, size_t(n));
  source->Position += n;
  return n;
}

// Opens the GIF, which reads its signature and logical screen, as a game checks a face.
int BareGif(const QByteArray& Data) {
  TMemoryRead source{&Data, 0};
  int error = 0;
  GifFileType* file = DGifOpen(&source, ReadGifBytes, &error);
  if (file == nullptr)
    return 0;
  const int frames = file->SWidth > 0 ? 1 : 0;
  DGifCloseFile(file, &error);
  return frames;
}

void BareDecode(benchmark::State& State, const TSetCase& Set, bool WithBackAndAdvert) {
  std::vector<int32_t> entries;
  if (WithBackAndAdvert)
    entries = {TCardSetEntries::Advert, TCardSetEntries::Back};
  for (const int32_t face : ChosenFaces(Set.Pairs))
    entries.push_back(TCardSetEntries::FirstFace + face);
  for (auto _ : State) {
    QFile file(Set.Path);
    file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    const std::vector<QByteArray> faces = ReadFaces(file, entries);
    // The decoded faces are kept until all are done, as a game keeps them, so both sides
    // pay for fresh memory alike.
    std::vector<QImage> pictures;
    qint64 frames = 0;
    for (const QByteArray& face : faces) {
      if (face.startsWith("GIF"))
        frames += BareGif(face);
      else if (face.startsWith("BM"))
        pictures.push_back(QImage::fromData(face, "BMP"));
      else
        pictures.push_back(BareJpeg(face));
    }
    benchmark::DoNotOptimize(frames);
    benchmark::DoNotOptimize(pictures.data());
  }
  State.counters["faces"] = Set.Pairs;
}

void BM_BareDecode(benchmark::State& State, const TSetCase& Set) {
  BareDecode(State, Set, true);
}

void BM_BareFacesOnly(benchmark::State& State, const TSetCase& Set) {
  BareDecode(State, Set, false);
}

// NAME=PATH:PAIRS
bool ParseCase(const char* Text, TSetCase& Case) {
  const std::string text(Text);
  const auto equals = text.find('=');
  const auto colon = text.rfind(':');
  if (text.rfind("--", 0) == 0 || equals == std::string::npos || colon == std::string::npos ||
      colon < equals)
    return false;
  Case.Name = text.substr(0, equals);
  Case.Path = QString::fromStdString(text.substr(equals + 1, colon - equals - 1));
  Case.Pairs = std::atoi(text.c_str() + colon + 1);
  return Case.Pairs > 0;
}

} // namespace

int main(int argc, char** argv) {
  static std::vector<TSetCase> cases;
  std::vector<char*> rest{argv[0]};
  for (int i = 1; i < argc; ++i) {
    TSetCase one;
    if (ParseCase(argv[i], one))
      cases.push_back(one);
    else
      rest.push_back(argv[i]);
  }
  for (const TSetCase& one : cases) {
    benchmark::RegisterBenchmark(("NewGame/" + one.Name).c_str(), BM_LoadSet, one)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("NewGameFloor/" + one.Name).c_str(), BM_BareDecode, one)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("NewGameFacesOnly/" + one.Name).c_str(), BM_BareFacesOnly, one)
        ->Unit(benchmark::kMillisecond);
  }
  int count = int(rest.size());
  benchmark::Initialize(&count, rest.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
