#include "KeptGame.h"
#include "EngineTestDoubles.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

using TCell = std::pair<int32_t, int32_t>;

std::vector<TCell> CellsIn(const Board& Cells, CellState State) {
  std::vector<TCell> found;
  for (int32_t row = 0; row < Cells.Rows; ++row) {
    for (int32_t col = 0; col < Cells.Cols; ++col) {
      if (Cells.StateAt(col, row) == State) {
        found.push_back({col, row});
      }
    }
  }
  return found;
}

// One step as the window drives the game: the reveal delay elapses at once, else the human at
// turn turns a face-down cell drawn by Human.
void Step(EngineFixture& F, std::mt19937& Human) {
  if (F.View.TimerRunning) {
    F.Engine.close_pair();
    return;
  }
  const std::vector<TCell> down = CellsIn(F.Engine.Cells(), CellState::FaceDown);
  F.Select(down[Human() % down.size()]);
}

void PlayOn(EngineFixture& F, std::mt19937& Human) {
  for (int step = 0; step < 10000 && F.View.FinishedCount == 0; ++step) {
    Step(F, Human);
  }
}

// The cards turned and the sounds of the calls since the last Take.
std::vector<std::string> Turns(RecordingView& View) {
  std::vector<std::string> turns;
  for (const std::string& call : View.Take()) {
    if (call.rfind("face", 0) == 0 || call.rfind("sound", 0) == 0) {
      turns.push_back(call);
    }
  }
  return turns;
}

// Kept at every step of a few games, a pair shown and the computer at turn among them, and
// resumed by another engine whose generator goes on as the original's does.
TEST(KeptGame, ResumedAtAnyMomentPlaysOnToTheSameVerdict) {
  int shownWithComputerNext = 0;
  for (const bool computer : {false, true}) {
    for (const uint64_t seed : {3u, 4u}) {
      for (int moment = 0;; ++moment) {
        EngineFixture original(seed);
        original.Start(12, computer, {"Ann", "Bo", "Cy"}, 10);
        std::mt19937 human(seed);
        for (int step = 0; step < moment && original.View.FinishedCount == 0; ++step) {
          Step(original, human);
        }
        const GameState& state = original.Engine.State();
        if (original.View.FinishedCount > 0) {
          break;
        }
        const std::optional<KeptGame> kept = KeepGame(state);
        ASSERT_EQ(kept.has_value(), !state.GameOver) << moment;
        if (!kept) {
          continue;
        }
        ASSERT_EQ(CheckKeptGame(*kept), std::nullopt) << moment;
        shownWithComputerNext += state.PickNo == 3 && computer && state.CurrentPlayer == 1;
        original.View.Take();
        CountingSeedSource seeds = original.Seeds;
        EngineFixture resumed(seeds.NextSeed());
        original.Engine.Generator().Reseed();
        resumed.Engine.ResumeGame(*kept);
        std::mt19937 humanOfResumed = human;
        PlayOn(original, human);
        PlayOn(resumed, humanOfResumed);
        ASSERT_EQ(resumed.View.FinishedCount, 1) << moment;
        std::vector<std::string> resumedTurns = Turns(resumed.View);
        // The first pick of the kept turn is shown again; the original showed it before.
        resumedTurns.erase(resumedTurns.begin(), resumedTurns.begin() + (kept->PickNo == 2));
        EXPECT_EQ(resumedTurns, Turns(original.View)) << moment;
        EXPECT_EQ(resumed.Engine.State().WinnerName, original.Engine.State().WinnerName);
        for (int32_t slot = 1; slot <= MaxPlayerSlots; ++slot) {
          EXPECT_EQ(resumed.Engine.Players()[slot].Pairs, original.Engine.Players()[slot].Pairs)
              << "moment " << moment << " slot " << slot;
        }
      }
    }
  }
  EXPECT_GT(shownWithComputerNext, 0);
}

TEST(KeptGame, ImpossibleBoardsAreRefusedAndNeverResumed) {
  EngineFixture f(7);
  f.Start(8, true, {"Computer", "Bo"}, 10);
  std::mt19937 human(7);
  while (f.Engine.State().PairsFound == 0 || f.View.TimerRunning) {
    Step(f, human);
  }
  const KeptGame base = *KeepGame(f.Engine.State());
  const TCell removed = CellsIn(base.Cells, CellState::Removed)[0];
  const TCell down = CellsIn(base.Cells, CellState::FaceDown)[0];
  const TCell other = CellsIn(base.Cells, CellState::FaceDown)[1];
  auto setState = [](KeptGame& K, TCell Cell, CellState State) {
    K.Cells.CellState[Cell.second][Cell.first] = State;
  };
  const std::vector<std::function<void(KeptGame&)>> impossible = {
      [](KeptGame& K) { K.Cells.Rows = 16; },
      [](KeptGame& K) { K.Cells.Cols = 5; },
      [](KeptGame& K) { K.CardSet.CardWidth = 0; },
      [](KeptGame& K) { K.Faces[1] = K.Faces[0]; },
      [](KeptGame& K) { K.Faces[0] = K.CardSet.ImageCount; },
      [&](KeptGame& K) { K.Cells.CellId[down.second][down.first] = 9; },
      [&](KeptGame& K) { setState(K, down, CellState::Removed); },
      [](KeptGame& K) { ++K.PairsFound; },
      [](KeptGame& K) { ++K.Players[2].Pairs; },
      [](KeptGame& K) { K.CurrentPlayer = 3; },
      [](KeptGame& K) { K.PlayerCount = 6; },
      [](KeptGame& K) { K.PickNo = 2; },
      [&](KeptGame& K) { setState(K, down, CellState::FaceUp); },
      [&](KeptGame& K) {
        setState(K, down, CellState::FaceUp);
        setState(K, other, CellState::FaceUp);
        K.PickNo = 2;
        K.FirstPick = {K.Cells.IdAt(down.first, down.second), down.first, down.second};
      },
      [&](KeptGame& K) {
        K.Memory.Entries[1] = {1, removed.first, removed.second};
      },
      [&](KeptGame& K) {
        K.Memory.Entries[1] = {1 + base.Cells.IdAt(down.first, down.second) % 8, down.first,
                               down.second};
      },
      [](KeptGame& K) { K.Level = 11; },
      [](KeptGame& K) { K.Memory.MemorySize = MemoryCapacity; },
  };
  EXPECT_EQ(CheckKeptGame(base), std::nullopt);
  const Board before = f.Engine.Cells();
  for (size_t i = 0; i < impossible.size(); ++i) {
    KeptGame kept = base;
    impossible[i](kept);
    EXPECT_NE(CheckKeptGame(kept), std::nullopt) << "case " << i;
    EXPECT_THROW(f.Engine.ResumeGame(kept), GameSetupError) << "case " << i;
  }
  EXPECT_EQ(f.Engine.Cells().CellState, before.CellState);
}

} // namespace
