#include "KeptGame.h"
#include "EngineTestDoubles.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>

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

// A set whose pairs are two different faces (face 2p with 2p + 1): each pair's faces are dealt
// once, on the two sides of one identity, the game is won by pairs and not by equal faces
// against a computer that remembers them, and a kept game is checked against the set's pairs.
TEST(MixedSet, PairsOfTwoFacesAreDealtOnceMatchedByPairAndKeptWhole) {
  EngineFixture F;
  F.Cards.Header = {120, 90, 24, 2, {}};
  for (int32_t p = 0; p < 12; ++p) {
    F.Cards.Header.Pairs.push_back({2 * p, 2 * p + 1});
  }
  F.Start(8, true, {"Computer", "Ann"}, MaxLevel);
  const std::vector<int32_t> faces = F.Engine.State().Faces;
  ASSERT_EQ(faces.size(), 16u);
  EXPECT_EQ(F.Cards.Loaded.at(0), faces);
  std::set<int32_t> slots;
  for (int32_t k = 0; k < 8; ++k) {
    EXPECT_EQ(faces[size_t(k)] + 1, faces[size_t(8 + k)]);
    EXPECT_EQ(faces[size_t(k)] % 2, 0);
  }
  for (int32_t row = 0; row < F.Engine.Cells().Rows; ++row) {
    for (int32_t col = 0; col < F.Engine.Cells().Cols; ++col) {
      slots.insert(FaceSlotAt(F.Engine.State(), col, row));
    }
  }
  EXPECT_EQ(slots.size(), 16u);
  EXPECT_EQ(*slots.begin(), 1);

  const std::optional<KeptGame> kept = KeepGame(F.Engine.State());
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(CheckKeptGame(*kept), std::nullopt);
  // A set that has no such pairs (any more) is refused only when resumed: the file cannot say.
  EngineFixture resumed;
  resumed.Engine.ResumeGame(*kept);
  const TCell first = CellsIn(kept->Cells, CellState::FaceDown).front();
  const std::vector<std::function<void(KeptGame&)>> spoil = {
      [](KeptGame& Game) { Game.CardSet.Pairs.clear(); },
      [](KeptGame& Game) { std::swap(Game.Faces[0], Game.Faces[1]); },
      [&](KeptGame& Game) { Game.Cells.CellSide[first.second][first.first] ^= 1; },
  };
  for (const auto& Spoil : spoil) {
    KeptGame spoilt = *kept;
    Spoil(spoilt);
    EXPECT_THROW(resumed.Engine.ResumeGame(spoilt), GameSetupError);
  }

  for (int32_t turn = 0; turn < 40 && F.Engine.Phase() != GamePhase::Finished; ++turn) {
    if (F.Engine.Phase() == GamePhase::ShowingPair) {
      F.Engine.close_pair();
      continue;
    }
    const auto byId = F.CellsById();
    for (size_t id = 1; id < byId.size(); ++id) {
      if (F.Engine.Cells().StateAt(byId[id][0].first, byId[id][0].second) == CellState::FaceDown) {
        F.Select(byId[id][0]);
        F.Select(byId[id][1]);
        break;
      }
    }
  }
  ASSERT_EQ(F.Engine.Phase(), GamePhase::Finished);
  EXPECT_EQ(F.Engine.State().Players[1].Pairs + F.Engine.State().Players[2].Pairs, 8);
}
