#include "FuzzCheck.h"
#include "FuzzEntries.h"

#include "CardSetLoader.h"
#include "CardSets.h"
#include "GifImage.h"
#include "KVRStream.h"

#include <QDir>

#include <algorithm>
#include <vector>

namespace fuzzentry {
namespace {

// The most faces one game shows: 60 pairs.
constexpr int MaxGameFaces = 60;
const QString SetName = QStringLiteral("fuzzed.crd");

QString CardsDir() {
  const QString dir = ScratchDir() + QStringLiteral("/cards");
  Check(QDir().mkpath(dir), "the cards folder can be made");
  return dir;
}

// The scan lists the set exactly when its header entry can be read.
void Scan(const QString& Dir, const QString& FileName) {
  TCardSetCatalogue catalogue;
  ScanCardSets(Dir, SetName, catalogue);
  bool readable = true;
  try {
    ReadCardSetHeader(FileName);
  } catch (const EKVResError&) {
    readable = false;
  }
  Check(catalogue.CardSets.size() == (readable ? 1u : 0u),
        "a set is listed exactly when its header can be read");
  Check(catalogue.CardSetIndex == 0, "the only set, or none, is selected");
}

// The entries of the first faces a game may pick, as the game numbers them.
std::vector<int32_t> FaceEntries(const CardSetHeaderInfo& Info) {
  const int count = std::clamp(Info.ImageCount, 0, MaxGameFaces);
  std::vector<int32_t> entries(static_cast<size_t>(count));
  for (int k = 0; k < count; ++k)
    entries[size_t(k)] = TCardSetLoader::FirstFaceEntry + k;
  return entries;
}

// A GIF face is decoded when the board shows it still.
void ShowGifFaces(const TCardSetLoader& Loader) {
  for (const QByteArray& face : Loader.FaceStreams()) {
    try {
      Check(!DecodeGifFirstFrame(face).isNull(), "a decoded GIF face has pixels");
    } catch (const EImageError&) {
    }
  }
}

void LoadForGame(const QString& FileName) {
  TCardSetLoader loader(FileName);
  CardSetHeaderInfo info;
  try {
    info = loader.ReadHeader();
  } catch (const ECardSetError& error) {
    Check(*error.what() != '\0', "a refused set says why");
    return;
  }
  const std::vector<int32_t> entries = FaceEntries(info);
  try {
    loader.LoadFaces(entries);
  } catch (const ECardSetError& error) {
    Check(*error.what() != '\0', "a refused face says why");
    return;
  }
  const size_t loaded = loader.FaceStreams().size() + loader.FacePictures().size();
  Check(loaded == entries.size(), "every chosen face is loaded");
  for (const QImage& picture : loader.FacePictures())
    Check(!picture.isNull(), "a loaded face has pixels");
  ShowGifFaces(loader);
}

} // namespace

int CardSet(const uint8_t* Data, size_t Size) {
  const QString dir = CardsDir();
  const QString fileName = dir + u'/' + SetName;
  Check(WriteWholeFile(fileName, Bytes(Data, Size)), "the set can be written");
  Scan(dir, fileName);
  LoadForGame(fileName);
  return 0;
}

} // namespace fuzzentry
