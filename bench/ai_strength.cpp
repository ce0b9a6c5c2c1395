// Plays the computer opponent at every level against two scripted players and prints its win,
// draw and loss rates. Usage: ai_strength [games per table cell, default 2000]
//
// Each game runs in a fresh engine seeded from the game's number, so every level meets the same
// deals and the same opponent choices (the differences between levels are not noise of the
// deal). The reveal timer "elapses" as soon as the engine asks for it.

#include "GameEngine.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

struct Cell {
  int32_t Col;
  int32_t Row;
};

class TimerOnlyView : public IGameView {
public:
  bool TimerRunning = false;
  bool Finished = false;
  std::vector<Cell> Shown; // every card turned over, by anyone

  void CellChanged(int32_t, int32_t) override {}
  void FaceShown(int32_t, int32_t Col, int32_t Row) override { Shown.push_back({Col, Row}); }
  void StatusTextChanged(const std::string&) override {}
  void PlaySound(GameSound) override {}
  void StartRevealTimer() override { TimerRunning = true; }
  void StopRevealTimer() override { TimerRunning = false; }
  void FitBoard(int32_t, int32_t) override {}
  void BoardReset() override {}
  void GameFinished() override { Finished = true; }
};

class EnoughFaces : public ICardSource {
public:
  CardSetHeaderInfo ReadHeader() override { return {120, 90, 60, 2, {}}; }
  void LoadFaces(const std::vector<int32_t>&, const BoardShape&) override {}
};

std::vector<Cell> FaceDownCells(const Board& B) {
  std::vector<Cell> Down;
  for (int32_t Row = 0; Row < B.Rows; ++Row) {
    for (int32_t Col = 0; Col < B.Cols; ++Col) {
      if (B.StateAt(Col, Row) == CellState::FaceDown) {
        Down.push_back({Col, Row});
      }
    }
  }
  return Down;
}

enum class Opponent { Random, PerfectMemory };

// Picks two face-down cells at random.
void PlayRandomTurn(GameEngine& Engine, std::mt19937& Choice) {
  for (int Pick = 0; Pick < 2; ++Pick) {
    const auto Down = FaceDownCells(Engine.Cells());
    const Cell C = Down[Choice() % Down.size()];
    Engine.SelectCell(C.Col, C.Row);
  }
}

// Remembers every card ever shown: takes a known pair; otherwise turns an unknown card and
// completes it from memory when it can, else turns a second unknown card.
void PlayPerfectTurn(GameEngine& Engine, const TimerOnlyView& View, std::mt19937& Choice) {
  const Board& B = Engine.Cells();
  std::vector<bool> Seen(static_cast<size_t>(MaxBoardSide * MaxBoardSide), false);
  for (const Cell& C : View.Shown) {
    Seen[C.Row * MaxBoardSide + C.Col] = true;
  }
  auto KnownFaceDown = [&](int32_t Id, Cell Except) -> const Cell* {
    for (const Cell& C : View.Shown) {
      const bool Other = C.Col != Except.Col || C.Row != Except.Row;
      if (Other && B.StateAt(C.Col, C.Row) == CellState::FaceDown && B.IdAt(C.Col, C.Row) == Id) {
        return &C;
      }
    }
    return nullptr;
  };
  for (const Cell& C : View.Shown) {
    if (B.StateAt(C.Col, C.Row) != CellState::FaceDown) {
      continue;
    }
    if (const Cell* Partner = KnownFaceDown(B.IdAt(C.Col, C.Row), C)) {
      const Cell Second = *Partner;
      Engine.SelectCell(C.Col, C.Row);
      Engine.SelectCell(Second.Col, Second.Row);
      return;
    }
  }
  for (int Pick = 0; Pick < 2; ++Pick) {
    std::vector<Cell> Unknown;
    for (const Cell& C : FaceDownCells(B)) {
      if (!Seen[C.Row * MaxBoardSide + C.Col]) {
        Unknown.push_back(C);
      }
    }
    if (Unknown.empty()) { // only known cards left, none of them paired: cannot happen
      Unknown = FaceDownCells(B);
    }
    const Cell First = Unknown[Choice() % Unknown.size()];
    Seen[First.Row * MaxBoardSide + First.Col] = true;
    Engine.SelectCell(First.Col, First.Row);
    if (Pick == 0) {
      if (const Cell* Partner = KnownFaceDown(B.IdAt(First.Col, First.Row), First)) {
        const Cell Second = *Partner;
        Engine.SelectCell(Second.Col, Second.Row);
        return;
      }
    }
  }
}

struct Score {
  int32_t Computer = 0;
  int32_t Opponent = 0;
};

Score PlayOneGame(int32_t Pairs, int32_t Level, Opponent Who, uint64_t GameNo) {
  TimerOnlyView View;
  CountingSeedSource Seeds(GameNo * 2 + 1);
  GameEngine Engine(View, Seeds);
  EnoughFaces Cards;
  Engine.Players()[1].Name = "Computer";
  Engine.Players()[2].Name = "Opponent";
  std::mt19937 Choice(static_cast<uint32_t>(GameNo));
  Engine.NewGame1Click({Pairs, 1024, 738, true, Level}, Cards);
  while (!View.Finished) {
    if (View.TimerRunning) {
      Engine.close_pair();
    } else if (Who == Opponent::Random) {
      PlayRandomTurn(Engine, Choice);
    } else {
      PlayPerfectTurn(Engine, View, Choice);
    }
  }
  return {Engine.State().Players[1].Pairs, Engine.State().Players[2].Pairs};
}

struct Rates {
  int Wins = 0;
  int Draws = 0;
  int Losses = 0;
  int64_t ComputerPairs = 0; // the share of pairs still shows strength when a rate saturates
  int64_t AllPairs = 0;
};

} // namespace

int main(int Argc, char** Argv) {
  const int Games = Argc > 1 ? std::max(1, std::atoi(Argv[1])) : 2000;
  const int32_t PairCounts[] = {8, 18, 60};
  const auto Began = std::chrono::steady_clock::now();
  for (Opponent Who : {Opponent::Random, Opponent::PerfectMemory}) {
    std::printf("\nComputer against a player with %s, %d games per cell:\n"
                "win / draw / loss %% (computer's share of all pairs %%)\n",
                Who == Opponent::Random ? "random picks" : "perfect memory", Games);
    std::printf("level | %-26s | %-26s | %-26s\n", "8 pairs", "18 pairs", "60 pairs");
    for (int32_t Level = 0; Level <= MaxLevel; ++Level) {
      std::printf("%5d", Level);
      for (int32_t Pairs : PairCounts) {
        Rates R;
        for (int Game = 0; Game < Games; ++Game) {
          const Score S = PlayOneGame(Pairs, Level, Who, static_cast<uint64_t>(Game));
          const int32_t Margin = S.Computer - S.Opponent;
          (Margin > 0 ? R.Wins : Margin == 0 ? R.Draws : R.Losses)++;
          R.ComputerPairs += S.Computer;
          R.AllPairs += S.Computer + S.Opponent;
        }
        std::printf(" | %5.1f / %5.1f / %5.1f (%4.1f)", 100.0 * R.Wins / Games,
                    100.0 * R.Draws / Games, 100.0 * R.Losses / Games,
                    100.0 * static_cast<double>(R.ComputerPairs) / static_cast<double>(R.AllPairs));
      }
      std::printf("\n");
      std::fflush(stdout);
    }
  }
  const double Seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - Began).count();
  std::printf("\n%.1f s\n", Seconds);
  return 0;
}
