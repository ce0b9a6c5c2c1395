#include "GameEngine.h"

#include "BoardLayout.h"
#include "DealCards.h"
#include "KeptGame.h"
#include "PlayerList.h"
#include "SelectFaces.h"
#include "Verdict.h"
#include "Wording.h"

#include <algorithm>
#include <stdexcept>

namespace {

void CheckHeader(const CardSetHeaderInfo& Header) {
  if (!Header.WithinBounds()) {
    throw GameSetupError(
        Wording("GameEngine", "This set of cards is damaged and cannot be played."));
  }
}

MemoryEntry AsEntry(const TurnPick& Pick) {
  return {Pick.CardId, Pick.Col, Pick.Row};
}

// Stateless, so one instance serves every engine of the program.
ISeedSource& ProgramClock() {
  static ClockSeedSource programClock;
  return programClock;
}

} // namespace

std::string NotEnoughImagesText() {
  return Wording("GameEngine", "This set of cards does not contain enough images!");
}

GameEngine::GameEngine(IGameView& View, ISeedSource& Seeds) : FView(View), FRandom(Seeds) {}

GameEngine::GameEngine(IGameView& View) : GameEngine(View, ProgramClock()) {}

void GameEngine::NewGame1Click(const NewGameOptions& Options, ICardSource& Cards) {
  const GamePlan plan = PlanGame(Options, Cards);
  try {
    Cards.LoadFaces(plan.Faces, plan.Shape);
  } catch (...) {
    DropBoard();
    throw;
  }
  StartGame(plan);
}

GamePlan GameEngine::PlanGame(const NewGameOptions& Options, ICardSource& Cards) {
  AbandonGame();
  // Nothing of the last game is left for a view to paint while the faces are read.
  DropBoard();
  ++FGameSerial;
  FState.ComputerOn = Options.Computer;
  FState.Level = std::clamp(Options.Level, 0, MaxLevel);
  FState.PlayerCount = BuildPlayerList(FState.Players, Options.Computer);
  FView.StatusTextChanged("");
  GamePlan plan;
  plan.Serial = FGameSerial;
  plan.CardSet = Cards.ReadHeader();
  CheckHeader(plan.CardSet);
  const auto shape =
      ChooseBoardLayout(Options.Pairs, plan.CardSet.CardWidth, plan.CardSet.CardHeight,
                        Options.BoardWidth, Options.BoardHeight);
  if (!shape) {
    throw GameSetupError(
        Wording("GameEngine", "A board of %n pairs cannot be laid out.", nullptr, Options.Pairs));
  }
  const auto available = plan.CardSet.IsMixed() ? static_cast<int32_t>(plan.CardSet.Pairs.size())
                                                : plan.CardSet.ImageCount;
  if (available < Options.Pairs) {
    throw GameSetupError(NotEnoughImagesText());
  }
  plan.Shape = *shape;
  plan.Faces = plan.CardSet.IsMixed()
                   ? SelectPairFaces(plan.CardSet, Options.Pairs, FRandom)
                   : SelectFaces(plan.CardSet.ImageCount, Options.Pairs, FRandom);
  return plan;
}

void GameEngine::StartGame(const GamePlan& Plan) {
  if (Plan.Serial != FGameSerial || FState.GameActive) {
    throw std::logic_error("a game can start only from the last plan made");
  }
  FState.CardSet = Plan.CardSet;
  FState.Faces = Plan.Faces;
  FState.Cells = Board{};
  FState.Cells.Rows = Plan.Shape.Rows;
  FState.Cells.Cols = Plan.Shape.Cols;
  FView.FitBoard(FState.Cells.Rows, FState.Cells.Cols);
  StartGameState();
  FView.BoardReset();
  BeginPlay();
}

void GameEngine::BeginPlay() {
  PostPlayerStatus();
  FState.InputEnabled = false;
  FState.Matched = false;
  if (FState.ComputerOn && FState.CurrentPlayer == 1) {
    ComputerTurn();
  } else {
    FState.InputEnabled = true;
  }
}

void GameEngine::DropBoard() {
  FState.Cells = Board{};
  FState.Faces.clear();
  FState.GameActive = false;
  FState.GameOver = true;
  FState.InputEnabled = false;
}

void GameEngine::StartGameState() {
  FState.GameActive = false;
  FState.WinnerName.clear();
  DealCards(FState.Cells, FRandom);
  ResetMemory(FState.Memory, FState.Cells.Rows, FState.Cells.Cols, FState.Level);
  FState.PickNo = 1;
  FState.CurrentPlayer = 1;
  for (int32_t slot = 1; slot <= FState.PlayerCount; ++slot) {
    FState.Players[slot].Pairs = 0;
  }
  FState.TurnPicks.fill(TurnPick{});
  FState.PairsFound = 0;
  FState.GameOver = false;
  FState.GameActive = true;
}

void GameEngine::SelectCell(int32_t Col, int32_t Row) {
  if (FState.InputEnabled && FState.GameActive && FState.PickNo < 3 &&
      FState.Cells.StateAt(Col, Row) == CellState::FaceDown) {
    RevealCard(Col, Row);
  }
}

void GameEngine::RevealCard(int32_t Col, int32_t Row) {
  const int32_t pick = FState.PickNo;
  if (!FState.GameActive || pick < 1 || pick > 2 ||
      FState.Cells.StateAt(Col, Row) != CellState::FaceDown) {
    return;
  }
  FState.Cells.CellState[Row][Col] = CellState::FaceUp;
  FView.FaceShown(pick, Col, Row);
  FView.CellChanged(Col, Row);
  FState.TurnPicks[pick] = {FState.Cells.CellId[Row][Col], Col, Row};
  if (FState.ComputerOn) {
    RememberCard(FState.Memory, FRandom, AsEntry(FState.TurnPicks[pick]));
  }
  FState.PickNo = pick + 1;
  if (FState.PickNo == 3) {
    EvaluatePair();
    FView.StartRevealTimer();
  }
}

void GameEngine::EvaluatePair() {
  const int32_t first = FState.TurnPicks[1].CardId;
  if (first != 0 && first == FState.TurnPicks[2].CardId) {
    if (FState.ComputerOn) {
      ++FState.RunCount;
    }
    FState.Matched = true;
    ++FState.PairsFound;
    ++FState.Players[FState.CurrentPlayer].Pairs;
    if (FState.ComputerOn) {
      ForgetCard(FState.Memory, first);
    }
    FView.PlaySound(GameSound::Match);
    PostPlayerStatus();
    CheckGameOver();
    return;
  }
  FState.Matched = false;
  FState.CurrentPlayer = FState.CurrentPlayer >= FState.PlayerCount ? 1 : FState.CurrentPlayer + 1;
  FState.RunCount = 0;
  FView.PlaySound(GameSound::Miss);
}

void GameEngine::CheckGameOver() {
  if (FState.PairsFound != FState.Cells.PairCount()) {
    FState.GameOver = false;
    return;
  }
  GameVerdict verdict = JudgeGame(FState.Players);
  FState.WinnerName = std::move(verdict.WinnerName);
  FView.StatusTextChanged(verdict.StatusText);
  FState.GameOver = true;
}

void GameEngine::close_pair() {
  FView.StopRevealTimer();
  if (!FState.GameActive || FState.PickNo != 3) {
    return;
  }
  FState.InputEnabled = false;
  EndTurnCells();
  if (FState.Matched && FState.GameOver) {
    FState.GameActive = false;
    const uint64_t serial = FGameSerial;
    FView.GameFinished();
    if (serial != FGameSerial) {
      return;
    }
  }
  if (!FState.Matched) {
    PostPlayerStatus();
  }
  FState.PickNo = 1;
  FState.Matched = false;
  if (FState.ComputerOn && FState.CurrentPlayer == 1 && !FState.GameOver) {
    ComputerTurn();
  }
  FState.InputEnabled = true;
}

// A matched pair leaves the board, a missed one is turned back.
void GameEngine::EndTurnCells() {
  const CellState after = FState.Matched ? CellState::Removed : CellState::FaceDown;
  for (int32_t pick = 1; pick <= 2; ++pick) {
    const TurnPick& picked = FState.TurnPicks[pick];
    FState.Cells.CellState[picked.Row][picked.Col] = after;
  }
  for (int32_t pick = 1; pick <= 2; ++pick) {
    FView.CellChanged(FState.TurnPicks[pick].Col, FState.TurnPicks[pick].Row);
  }
}

void GameEngine::AbandonGame() {
  FView.StopRevealTimer();
  FState.GameActive = false;
  FState.GameOver = true;
}

// Both picks are made inside this call, so no click can come between them.
void GameEngine::ComputerTurn() {
  FState.InputEnabled = false;
  bool found = false;
  if (FState.PickNo == 1) {
    if (const auto pair = FindKnownPair(FState.Memory, FState.RunCount)) {
      RevealCard(pair->First.Col, pair->First.Row);
      RevealCard(pair->Second.Col, pair->Second.Row);
      found = true;
    }
  }
  if (!found && FState.PickNo == 1) {
    RevealRandomHiddenCell(1);
    // The first pick has been remembered by now and may have overwritten its own partner.
    if (const auto partner = FindPartner(FState.Memory, AsEntry(FState.TurnPicks[1]))) {
      RevealCard(partner->Col, partner->Row);
      found = true;
    }
  }
  if (!found && FState.PickNo == 2) {
    RevealRandomHiddenCell(2);
    FState.InputEnabled = true;
  }
}

// Scans row-major from a uniform start to the next face-down cell, so a cell that follows
// removed or face-up cells is more likely to be chosen.
void GameEngine::RevealRandomHiddenCell(int32_t PickNumber) {
  const int32_t n = FState.Cells.CellCount();
  const int32_t cols = FState.Cells.Cols;
  int32_t k = FRandom.Random(n);
  for (int32_t tried = 0; tried < n; ++tried) {
    const int32_t row = k / cols;
    const int32_t col = k % cols;
    if (FState.Cells.CellState[row][col] == CellState::FaceDown) {
      FState.PickNo = PickNumber;
      RevealCard(col, row);
      return;
    }
    k = k + 1 == n ? 0 : k + 1;
  }
}

void GameEngine::PostPlayerStatus() {
  FView.StatusTextChanged(PlayingStatusText(FState.Players[FState.CurrentPlayer]));
}

GamePhase GameEngine::Phase() const {
  if (FState.GameActive) {
    static constexpr GamePhase byPick[] = {GamePhase::AwaitingFirstPick,
                                           GamePhase::AwaitingSecondPick, GamePhase::ShowingPair};
    return byPick[std::clamp(FState.PickNo, 1, 3) - 1];
  }
  const bool complete =
      FState.Cells.PairCount() > 0 && FState.PairsFound == FState.Cells.PairCount();
  return FState.GameOver && complete ? GamePhase::Finished : GamePhase::NoGame;
}

void GameEngine::ResumeGame(const KeptGame& Kept) {
  if (const auto problem = CheckKeptGame(Kept)) {
    throw GameSetupError(*problem);
  }
  if (Kept.CardSet.IsMixed() != Kept.Cells.TwoFacesACard(Kept.Faces.size())) {
    throw GameSetupError("the faces do not match the set's pairs");
  }
  AbandonGame();
  FState.InputEnabled = false;
  ++FGameSerial;
  FState.ComputerOn = Kept.ComputerOn;
  FState.Level = Kept.Level;
  FState.Players = Kept.Players;
  FState.PlayerCount = Kept.PlayerCount;
  FState.CardSet = Kept.CardSet;
  FState.Faces = Kept.Faces;
  FView.StatusTextChanged("");
  FState.Cells = Board{};
  FState.Cells.Rows = Kept.Cells.Rows;
  FState.Cells.Cols = Kept.Cells.Cols;
  FView.FitBoard(FState.Cells.Rows, FState.Cells.Cols);
  FState.Cells = Kept.Cells;
  FState.Memory = Kept.Memory;
  FState.RunCount = Kept.RunCount;
  FState.PairsFound = Kept.PairsFound;
  FState.CurrentPlayer = Kept.CurrentPlayer;
  FState.PickNo = Kept.PickNo;
  FState.TurnPicks.fill(TurnPick{});
  FState.TurnPicks[1] = Kept.PickNo == 2 ? Kept.FirstPick : TurnPick{};
  FState.Matched = false;
  FState.WinnerName.clear();
  FState.GameOver = false;
  FState.GameActive = true;
  FView.BoardReset();
  if (FState.PickNo == 2) {
    FView.FaceShown(1, Kept.FirstPick.Col, Kept.FirstPick.Row);
    FView.CellChanged(Kept.FirstPick.Col, Kept.FirstPick.Row);
  }
  BeginPlay();
}
