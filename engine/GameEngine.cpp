#include "GameEngine.h"

#include "BoardLayout.h"
#include "DealCards.h"
#include "PlayerList.h"
#include "SelectFaces.h"
#include "Verdict.h"

#include <algorithm>

namespace {

// Limits beyond which a card set's header can only be damaged. They keep the face list of a new
// game small and the view's pixel arithmetic within int32.
constexpr int32_t MaxCardSide = 32767;
constexpr int32_t MaxFaceCount = 10000;

void CheckHeader(const CardSetHeaderInfo& Header) {
  const bool SidesOk = Header.CardWidth > 0 && Header.CardWidth <= MaxCardSide &&
                       Header.CardHeight > 0 && Header.CardHeight <= MaxCardSide;
  if (!SidesOk || Header.ImageCount > MaxFaceCount) {
    throw GameSetupError("This set of cards is damaged and cannot be played.");
  }
}

MemoryEntry AsEntry(const TurnPick& Pick) {
  return {Pick.CardId, Pick.Col, Pick.Row};
}

// Stateless, so one instance serves every engine of the program.
ISeedSource& ProgramClock() {
  static ClockSeedSource Clock;
  return Clock;
}

} // namespace

GameEngine::GameEngine(IGameView& View, ISeedSource& Seeds) : FView(View), FRandom(Seeds) {}

GameEngine::GameEngine(IGameView& View) : GameEngine(View, ProgramClock()) {}

void GameEngine::NewGame1Click(const NewGameOptions& Options, ICardSource& Cards) {
  AbandonGame();
  FState.InputEnabled = false;
  ++FGameSerial;
  FState.ComputerOn = Options.Computer;
  FState.Level = std::clamp(Options.Level, 0, MaxLevel);
  FState.PlayerCount = BuildPlayerList(FState.Players, Options.Computer);
  FState.Faces.clear();
  FView.StatusTextChanged("");
  try {
    SetUpBoard(Options, Cards);
  } catch (...) {
    DropBoard();
    throw;
  }
  FView.FitBoard(FState.Cells.Rows, FState.Cells.Cols);
  StartGameState();
  FView.BoardReset();
  PostPlayerStatus();
  FState.InputEnabled = false;
  FState.Matched = false;
  if (FState.ComputerOn) {
    ComputerTurn();
  } else {
    FState.InputEnabled = true;
  }
}

// Header, layout and faces. The new shape is committed only once the faces are loaded, so a
// failure cannot leave a board whose shape and identities disagree.
void GameEngine::SetUpBoard(const NewGameOptions& Options, ICardSource& Cards) {
  const CardSetHeaderInfo Header = Cards.ReadHeader();
  CheckHeader(Header);
  const auto Shape = ChooseBoardLayout(Options.Pairs, Header.CardWidth, Header.CardHeight,
                                       Options.BoardWidth, Options.BoardHeight);
  if (!Shape) {
    throw GameSetupError("A board of " + std::to_string(Options.Pairs) +
                         " pairs cannot be laid out.");
  }
  if (Header.ImageCount < Options.Pairs) {
    throw GameSetupError(NotEnoughImagesText);
  }
  std::vector<int32_t> faces = SelectFaces(Header.ImageCount, Options.Pairs, FRandom);
  Cards.LoadFaces(faces);
  FState.CardSet = Header;
  FState.Faces = std::move(faces);
  FState.Cells = Board{};
  FState.Cells.Rows = Shape->Rows;
  FState.Cells.Cols = Shape->Cols;
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
  for (int32_t Slot = 1; Slot <= FState.PlayerCount; ++Slot) {
    FState.Players[Slot].Pairs = 0;
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
  const int32_t Pick = FState.PickNo;
  if (!FState.GameActive || Pick < 1 || Pick > 2 ||
      FState.Cells.StateAt(Col, Row) != CellState::FaceDown) {
    return;
  }
  FState.Cells.CellState[Row][Col] = CellState::FaceUp;
  FView.FaceShown(Pick, Col, Row);
  FView.CellChanged(Col, Row);
  FState.TurnPicks[Pick] = {FState.Cells.CellId[Row][Col], Col, Row};
  if (FState.ComputerOn) {
    RememberCard(FState.Memory, FRandom, AsEntry(FState.TurnPicks[Pick]));
  }
  FState.PickNo = Pick + 1;
  if (FState.PickNo == 3) {
    EvaluatePair();
    FView.StartRevealTimer();
  }
}

void GameEngine::EvaluatePair() {
  const int32_t First = FState.TurnPicks[1].CardId;
  if (First != 0 && First == FState.TurnPicks[2].CardId) {
    if (FState.ComputerOn) {
      ++FState.RunCount;
    }
    FState.Matched = true;
    ++FState.PairsFound;
    ++FState.Players[FState.CurrentPlayer].Pairs;
    if (FState.ComputerOn) {
      ForgetCard(FState.Memory, First);
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
  GameVerdict Verdict = JudgeGame(FState.Players);
  FState.WinnerName = std::move(Verdict.WinnerName);
  FView.StatusTextChanged(Verdict.StatusText);
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
    const uint64_t Serial = FGameSerial;
    FView.GameFinished();
    if (Serial != FGameSerial) {
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
  const CellState After = FState.Matched ? CellState::Removed : CellState::FaceDown;
  for (int32_t Pick = 1; Pick <= 2; ++Pick) {
    const TurnPick& Picked = FState.TurnPicks[Pick];
    FState.Cells.CellState[Picked.Row][Picked.Col] = After;
  }
  for (int32_t Pick = 1; Pick <= 2; ++Pick) {
    FView.CellChanged(FState.TurnPicks[Pick].Col, FState.TurnPicks[Pick].Row);
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
  bool Found = false;
  if (FState.PickNo == 1) {
    if (const auto Pair = FindKnownPair(FState.Memory, FState.RunCount)) {
      RevealCard(Pair->First.Col, Pair->First.Row);
      RevealCard(Pair->Second.Col, Pair->Second.Row);
      Found = true;
    }
  }
  if (!Found && FState.PickNo == 1) {
    RevealRandomHiddenCell(1);
    // The first pick has been remembered by now and may have overwritten its own partner.
    if (const auto Partner = FindPartner(FState.Memory, AsEntry(FState.TurnPicks[1]))) {
      RevealCard(Partner->Col, Partner->Row);
      Found = true;
    }
  }
  if (!Found && FState.PickNo == 2) {
    RevealRandomHiddenCell(2);
    FState.InputEnabled = true;
  }
}

// Scans row-major from a uniform start to the next face-down cell, so a cell that follows
// removed or face-up cells is more likely to be chosen.
void GameEngine::RevealRandomHiddenCell(int32_t PickNumber) {
  const int32_t N = FState.Cells.CellCount();
  const int32_t Cols = FState.Cells.Cols;
  int32_t K = FRandom.Random(N);
  for (int32_t Tried = 0; Tried < N; ++Tried) {
    const int32_t Row = K / Cols;
    const int32_t Col = K % Cols;
    if (FState.Cells.CellState[Row][Col] == CellState::FaceDown) {
      FState.PickNo = PickNumber;
      RevealCard(Col, Row);
      return;
    }
    K = K + 1 == N ? 0 : K + 1;
  }
}

void GameEngine::PostPlayerStatus() {
  FView.StatusTextChanged(PlayingStatusText(FState.Players[FState.CurrentPlayer]));
}

GamePhase GameEngine::Phase() const {
  if (FState.GameActive) {
    static constexpr GamePhase ByPick[] = {GamePhase::AwaitingFirstPick,
                                           GamePhase::AwaitingSecondPick, GamePhase::ShowingPair};
    return ByPick[std::clamp(FState.PickNo, 1, 3) - 1];
  }
  const bool Complete =
      FState.Cells.PairCount() > 0 && FState.PairsFound == FState.Cells.PairCount();
  return FState.GameOver && Complete ? GamePhase::Finished : GamePhase::NoGame;
}
