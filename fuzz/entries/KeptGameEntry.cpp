#include "FuzzCheck.h"
#include "FuzzEntries.h"

#include "GameEngine.h"
#include "KeptGameFile.h"

namespace fuzzentry {
namespace {

// The engine's view, painting nothing: the entry only plays on.
class TSilentView : public IGameView {
public:
  bool TimerRunning = false;
  void CellChanged(int32_t, int32_t) override {}
  void FaceShown(int32_t, int32_t, int32_t) override {}
  void StatusTextChanged(const std::string&) override {}
  void PlaySound(GameSound) override {}
  void StartRevealTimer() override { TimerRunning = true; }
  void StopRevealTimer() override { TimerRunning = false; }
  void FitBoard(int32_t, int32_t) override {}
  void BoardReset() override {}
  void GameFinished() override {}
};

// Resumes the game and plays it to its end, each turn of the player a found pair: a game read
// from a file must be one the engine can finish.
void PlayToTheEnd(const KeptGame& Game) {
  TSilentView view;
  CountingSeedSource seeds(1);
  GameEngine engine(view, seeds);
  engine.ResumeGame(Game);
  const Board& cells = engine.Cells();
  const GameState& state = engine.State();
  for (int32_t step = 0; step < 8 * cells.CellCount() && state.GameActive; ++step) {
    if (view.TimerRunning) {
      engine.close_pair();
      continue;
    }
    int32_t k = 0;
    while (k < cells.CellCount() &&
           (cells.StateAt(k % cells.Cols, k / cells.Cols) != CellState::FaceDown ||
            (state.PickNo == 2 &&
             cells.IdAt(k % cells.Cols, k / cells.Cols) != state.TurnPicks[1].CardId)))
      ++k;
    Check(k < cells.CellCount(), "the card a player needs is face down");
    engine.SelectCell(k % cells.Cols, k / cells.Cols);
  }
  Check(engine.Phase() == GamePhase::Finished, "a resumed game can be played to its end");
}

} // namespace

int KeptGameFile(const uint8_t* Data, size_t Size) {
  QString problem;
  const std::optional<TKeptGameRecord> record = KeptGameFromBytes(Bytes(Data, Size), &problem);
  if (!record) {
    Check(!problem.isEmpty() && !problem.contains(u'\n'), "a refused file says why in one line");
    return 0;
  }
  const QByteArray written = KeptGameBytes(*record);
  const std::optional<TKeptGameRecord> again = KeptGameFromBytes(written, nullptr);
  Check(again && KeptGameBytes(*again) == written, "a kept game read is written back the same");
  PlayToTheEnd(record->Game);
  return 0;
}

} // namespace fuzzentry
