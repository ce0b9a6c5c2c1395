// The data path of a new game: TCardSetLoader's ReadHeader and LoadFaces for the first P faces
// of a set, against the floor of reading just the pictures a game shows from the file and
// decoding them with the bare library calls (libjpeg into an RGB32 picture, QImage for BMP).
// Those pictures are the chosen faces, the card back every face-down card shows and the
// advert the window shows. A game keeps GIF faces encoded and only checks their screen, so
// their floor is giflib opening each face. NewGameFacesOnly is the former floor, which left
// the back and the advert out, for comparison.
//
// A set may name the cell its faces are shown in, in device pixels. The loader then makes its
// faces for that cell, and NewGameScaledFloor decodes the same pictures with libjpeg alone at
// the smallest scale that covers the cell, on every core. NewGameFloor always decodes whole,
// on one core. Every figure is the CPU time of all the process's threads: the work done,
// wherever it ran.
//
// Sets are named on the command line before the benchmark flags, as NAME=PATH:PAIRS or
// NAME=PATH:PAIRS:WIDTHxHEIGHT, e.g.
//   perf_newgame shapes=program/cards/shapes.crd:60 photos=photos.crd:60:80x60
// "perf_newgame --once NAME=PATH:PAIRS:WIDTHxHEIGHT" runs the scaled floor once and reports
// its wall time and peak memory, for a process of its own. "--once-words" does the same for a
// set of different cards: the pictures of its first PAIRS pairs decoded as the scaled floor
// decodes them, and their words drawn once at the cell's size, as the board draws a word.
#include "CardArt.h"
#include "CardSetHeader.h"
#include "CardSetLoader.h"
#include "PairTable.h"

#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
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
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

struct TSetCase {
  std::string Name;
  QString Path;
  int Pairs = 0;
  QSize Cover; // the cell in device pixels; empty: faces whole
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
    loader.LoadFaces(faces, Set.Cover);
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

// The container's directory: each entry's kind, and where its stored bytes lie.
struct TDirectory {
  std::vector<qint32> Kinds;
  std::vector<qint64> Offsets; // one more than Kinds: the end of the last entry
};

QByteArray ReadAt(int Fd, qint64 Offset, qint64 Size) {
  QByteArray bytes(Size, Qt::Uninitialized);
  bytes.truncate(std::max<qsizetype>(0, pread(Fd, bytes.data(), size_t(Size), off_t(Offset))));
  return bytes;
}

TDirectory ReadDirectory(int Fd) {
  const QByteArray head = ReadAt(Fd, 0, 8);
  const qint32 count = LE32(head.constData() + 4);
  const QByteArray records = ReadAt(Fd, 8, qint64(count) * 8);
  TDirectory directory;
  directory.Offsets.assign(size_t(count) + 1, 8 + qint64(count) * 8);
  for (qint32 i = 0; i < count; ++i) {
    directory.Kinds.push_back(LE32(records.constData() + i * 8));
    directory.Offsets[size_t(i) + 1] =
        directory.Offsets[size_t(i)] + LE32(records.constData() + i * 8 + 4);
  }
  return directory;
}

// The stored bytes of one entry, inflated or given their "BM" as the container says. pread
// keeps no file position, so workers may read side by side.
QByteArray ReadEntry(int Fd, const TDirectory& Directory, int32_t Entry) {
  const qint64 start = Directory.Offsets[size_t(Entry)];
  QByteArray data = ReadAt(Fd, start, Directory.Offsets[size_t(Entry) + 1] - start);
  const qint32 kind = Directory.Kinds[size_t(Entry)];
  if (kind < 0) {
    data = Inflate(data);
  } else if (kind == 1 && data.size() >= 2) {
    data[0] = 'B';
    data[1] = 'M';
  }
  return data;
}

std::vector<QByteArray> ReadFaces(int Fd, const std::vector<int32_t>& Entries) {
  const TDirectory directory = ReadDirectory(Fd);
  std::vector<QByteArray> faces;
  for (const int32_t entry : Entries)
    faces.push_back(ReadEntry(Fd, directory, entry));
  return faces;
}

// The picture decoded whole, or at the smallest of libjpeg's scales whose output covers Cover.
QImage BareJpeg(const QByteArray& Data, QSize Cover = {}) {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(Data.constData()),
               static_cast<unsigned long>(Data.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_EXT_BGRX;
  info.scale_denom = 8;
  for (info.scale_num = Cover.isEmpty() ? 8 : 1;; ++info.scale_num) {
    jpeg_calc_output_dimensions(&info);
    if (info.scale_num == 8 ||
        (int(info.output_width) >= Cover.width() && int(info.output_height) >= Cover.height()))
      break;
  }
  QImage image(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
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

// The entries of the first Pairs faces, after the advert's and the back's when asked for.
std::vector<int32_t> ChosenEntries(int Pairs, bool WithBackAndAdvert) {
  std::vector<int32_t> entries;
  if (WithBackAndAdvert)
    entries = {TCardSetEntries::Advert, TCardSetEntries::Back};
  for (const int32_t face : ChosenFaces(Pairs))
    entries.push_back(TCardSetEntries::FirstFace + face);
  return entries;
}

void BareDecode(benchmark::State& State, const TSetCase& Set, bool WithBackAndAdvert) {
  const std::vector<int32_t> entries = ChosenEntries(Set.Pairs, WithBackAndAdvert);
  for (auto _ : State) {
    const int fd = open(QFile::encodeName(Set.Path).constData(), O_RDONLY | O_CLOEXEC);
    const std::vector<QByteArray> faces = ReadFaces(fd, entries);
    close(fd);
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

// Entries read and decoded for a cell of Cover by the machine's cores, which take the pictures
// in turn.
std::vector<QImage> DecodeScaled(int Fd, const TDirectory& Directory,
                                 const std::vector<int32_t>& Entries, QSize Cover) {
  std::vector<QImage> pictures(Entries.size());
  std::atomic<size_t> next{0};
  auto work = [&] {
    for (size_t k = next++; k < Entries.size(); k = next++) {
      const QByteArray face = ReadEntry(Fd, Directory, Entries[k]);
      pictures[k] = face.startsWith("BM") ? QImage::fromData(face, "BMP") : BareJpeg(face, Cover);
    }
  };
  std::vector<std::thread> helpers;
  for (unsigned i = 1; i < std::max(1u, std::thread::hardware_concurrency()); ++i)
    helpers.emplace_back(work);
  work();
  for (std::thread& helper : helpers)
    helper.join();
  return pictures;
}

// The chosen faces with the back and the advert, decoded for the set's cell.
std::vector<QImage> ScaledFloor(const TSetCase& Set) {
  const int fd = open(QFile::encodeName(Set.Path).constData(), O_RDONLY | O_CLOEXEC);
  std::vector<QImage> pictures =
      DecodeScaled(fd, ReadDirectory(fd), ChosenEntries(Set.Pairs, true), Set.Cover);
  close(fd);
  return pictures;
}

void BM_ScaledFloor(benchmark::State& State, const TSetCase& Set) {
  for (auto _ : State)
    benchmark::DoNotOptimize(ScaledFloor(Set).data());
  State.counters["faces"] = Set.Pairs;
}

// One pass of the scaled floor in a process of its own, reported as the game reports its
// "play": the whole-process figures of bench/run take it in turn with the game.
int ScaledFloorOnce(const TSetCase& Set) {
  const auto start = std::chrono::steady_clock::now();
  const std::vector<QImage> pictures = ScaledFloor(Set);
  const auto spent = std::chrono::steady_clock::now() - start;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf(
      "new_game_ns=%lld pictures=%zu peak_rss_kib=%ld\n",
      static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(spent).count()),
      pictures.size(), usage.ru_maxrss);
  return 0;
}

// The pictures of the first Pairs pairs of a set of different cards, with the back and the
// advert, decoded for the cell on every core; then the pairs' words drawn once for the cell.
// The pair table, which says which faces are words, is read from the entry after the faces.
int WordsFloorOnce(const TSetCase& Set) {
  // A game has put text on screen before "play"; the font database is ready on both sides.
  benchmark::DoNotOptimize(QFontMetricsF(QFont()).height());
  const auto start = std::chrono::steady_clock::now();
  const int fd = open(QFile::encodeName(Set.Path).constData(), O_RDONLY | O_CLOEXEC);
  const TDirectory directory = ReadDirectory(fd);
  const TCardSetHeader header =
      TCardSetHeader::FromBytes(ReadEntry(fd, directory, TCardSetEntries::Header));
  const TPairTable table =
      PairTableFromBytes(ReadEntry(fd, directory, TCardSetEntries::FirstFace + header.ImageCount));
  std::vector<int32_t> entries{TCardSetEntries::Advert, TCardSetEntries::Back};
  QStringList words;
  for (size_t p = 0; p < std::min(table.Pairs.size(), size_t(Set.Pairs)); ++p)
    for (const int face : table.Pairs[p]) {
      if (table.Faces[size_t(face)].Kind == TFaceKind::Picture)
        entries.push_back(TCardSetEntries::FirstFace + face);
      else
        words.push_back(FaceText(table, face, QStringLiteral("en")));
    }
  const std::vector<QImage> pictures = DecodeScaled(fd, directory, entries, Set.Cover);
  close(fd);
  std::vector<QImage> drawn;
  for (const QString& word : words)
    drawn.push_back(DrawWordCard(Set.Cover, word));
  const auto spent = std::chrono::steady_clock::now() - start;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf(
      "new_game_ns=%lld pictures=%zu words=%zu peak_rss_kib=%ld\n",
      static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(spent).count()),
      pictures.size(), drawn.size(), usage.ru_maxrss);
  return 0;
}

void BM_BareDecode(benchmark::State& State, const TSetCase& Set) {
  BareDecode(State, Set, true);
}

void BM_BareFacesOnly(benchmark::State& State, const TSetCase& Set) {
  BareDecode(State, Set, false);
}

// NAME=PATH:PAIRS or NAME=PATH:PAIRS:WIDTHxHEIGHT
bool ParseCase(const char* Text, TSetCase& Case) {
  std::string text(Text);
  const auto equals = text.find('=');
  if (text.rfind("--", 0) == 0 || equals == std::string::npos)
    return false;
  auto colon = text.rfind(':');
  const auto times = text.rfind('x');
  if (colon != std::string::npos && times != std::string::npos && times > colon) {
    Case.Cover = QSize(std::atoi(text.c_str() + colon + 1), std::atoi(text.c_str() + times + 1));
    text.resize(colon);
    colon = text.rfind(':');
  }
  if (colon == std::string::npos || colon < equals)
    return false;
  Case.Name = text.substr(0, equals);
  Case.Path = QString::fromStdString(text.substr(equals + 1, colon - equals - 1));
  Case.Pairs = std::atoi(text.c_str() + colon + 1);
  return Case.Pairs > 0;
}

} // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--once") {
    TSetCase one;
    return ParseCase(argv[2], one) && !one.Cover.isEmpty() ? ScaledFloorOnce(one) : 2;
  }
  if (argc == 3 && std::string(argv[1]) == "--once-words") {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
      qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TSetCase one;
    return ParseCase(argv[2], one) && !one.Cover.isEmpty() ? WordsFloorOnce(one) : 2;
  }
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
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime();
    benchmark::RegisterBenchmark(("NewGameFloor/" + one.Name).c_str(), BM_BareDecode, one)
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime();
    benchmark::RegisterBenchmark(("NewGameFacesOnly/" + one.Name).c_str(), BM_BareFacesOnly, one)
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime();
    if (!one.Cover.isEmpty())
      benchmark::RegisterBenchmark(("NewGameScaledFloor/" + one.Name).c_str(), BM_ScaledFloor, one)
          ->Unit(benchmark::kMillisecond)
          ->MeasureProcessCPUTime();
  }
  int count = int(rest.size());
  benchmark::Initialize(&count, rest.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
