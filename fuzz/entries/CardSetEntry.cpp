#include "FuzzCheck.h"
#include "FuzzEntries.h"

#include "CardSetLoader.h"
#include "CardSets.h"
#include "GameEngine.h"
#include "GifImage.h"
#include "KVRStream.h"

#include <QDir>

#include <algorithm>
#include <numeric>
#include <vector>

namespace fuzzentry {
namespace {

// The most faces one game shows: 60 pairs.
constexpr int MaxGameFaces = 60;
const QString SetName = QStringLiteral("fuzzed.crd");
// The smallest game: a set with as few faces as that still starts one.
constexpr int32_t GamePairs = 8;
constexpr uint64_t DealSeed = 1;

// The board as a player would see it, minus the drawing.
class TNullView : public IGameView {
public:
  void CellChanged(int32_t, int32_t) override {}
  void FaceShown(int32_t, int32_t, int32_t) override {}
  void StatusTextChanged(const std::string&) override {}
  void PlaySound(GameSound) override {}
  void StartRevealTimer() override {}
  void StopRevealTimer() override {}
  void FitBoard(int32_t, int32_t) override {}
  void BoardReset() override {}
  void GameFinished() override {}
};

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

// The first faces a game may pick.
std::vector<int32_t> FirstFaces(const CardSetHeaderInfo& Info) {
  const int count = std::clamp(Info.ImageCount, 0, MaxGameFaces);
  std::vector<int32_t> faces(static_cast<size_t>(count));
  std::iota(faces.begin(), faces.end(), 0);
  return faces;
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

// The game's own new-game path: header, board layout, a random choice of faces, the deal.
void StartGame(const QString& FileName) {
  TNullView view;
  CountingSeedSource seeds(DealSeed);
  GameEngine engine(view, seeds);
  engine.Players()[1].Name = "Player";
  NewGameOptions options;
  options.Pairs = GamePairs;
  options.Computer = false;
  TCardSetLoader loader(FileName);
  try {
    engine.NewGame1Click(options, loader);
  } catch (const GameSetupError& error) {
    Check(*error.what() != '\0', "a game that cannot start says why");
    return;
  } catch (const ECardSetError& error) {
    Check(*error.what() != '\0', "a set that cannot serve a game says why");
    return;
  }
  Check(loader.FaceStreams().size() + loader.FacePictures().size() == size_t(GamePairs),
        "a game that starts has a face for every pair");
}

// Up to a whole game's worth of faces, in order, so every face of a small set is read.
void LoadForGame(const QString& FileName) {
  TCardSetLoader loader(FileName);
  CardSetHeaderInfo info;
  try {
    info = loader.ReadHeader();
  } catch (const ECardSetError& error) {
    Check(*error.what() != '\0', "a refused set says why");
    return;
  }
  const std::vector<int32_t> faces = FirstFaces(info);
  try {
    loader.LoadFaces(faces);
  } catch (const ECardSetError& error) {
    Check(*error.what() != '\0', "a refused face says why");
    return;
  }
  const size_t loaded = loader.FaceStreams().size() + loader.FacePictures().size();
  Check(loaded == faces.size(), "every chosen face is loaded");
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
  StartGame(fileName);
  LoadForGame(fileName);
  return 0;
}

} // namespace fuzzentry
