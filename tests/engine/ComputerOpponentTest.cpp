#include "ComputerMemory.h"
#include "DealCards.h"
#include "EngineTestDoubles.h"
#include "SelectFaces.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Calls = std::vector<std::string>;

int32_t UsedEntries(const ComputerMemory& Memory) {
  int32_t Used = 0;
  for (int32_t I = 1; I <= MemoryCapacity; ++I) {
    Used += Memory.Entries[I].CardId != 0 ? 1 : 0;
  }
  return Used;
}

// ---------------------------------------------------------------------------------------------
// The memory on its own

TEST(ComputerMemory, SizeByBoardAndLevel) {
  struct Row {
    int32_t Rows;
    int32_t Cols;
    std::array<int32_t, 11> Sizes;
  };
  const Row Table[] = {
      {4, 4, {1, 2, 3, 4, 5, 7, 8, 9, 10, 12, 13}},
      {6, 6, {1, 3, 6, 9, 12, 14, 17, 20, 23, 25, 28}},
      {8, 8, {1, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50}},
      {10, 12, {1, 10, 19, 28, 37, 47, 56, 65, 74, 84, 93}},
  };
  for (const Row& R : Table) {
    for (int32_t Level = 0; Level <= 10; ++Level) {
      EXPECT_EQ(MemorySizeFor(R.Rows, R.Cols, Level), R.Sizes[Level])
          << R.Rows * R.Cols << " cells, level " << Level;
    }
  }
  // Out-of-range levels from a damaged settings store stay within the table.
  EXPECT_EQ(MemorySizeFor(12, 15, 1000), MemorySizeFor(12, 15, 10));
  EXPECT_EQ(MemorySizeFor(12, 15, -1), 1);
}

TEST(ComputerMemory, RememberStoresInTheDrawnSlotAndNeverTwiceForOneCell) {
  CountingSeedSource SeedsA(11);
  CountingSeedSource SeedsB(11);
  RandomGenerator Random(SeedsA);
  RandomGenerator Twin(SeedsB);
  ComputerMemory Memory;
  ResetMemory(Memory, 4, 4, 10); // 13 entries

  RememberCard(Memory, Random, {5, 2, 0});
  const int32_t Slot = Twin.Random(13) + 1;
  EXPECT_EQ(Memory.Entries[Slot], (MemoryEntry{5, 2, 0}));
  EXPECT_EQ(UsedEntries(Memory), 1);

  // The same card at the same cell: a slot is still drawn, nothing is stored or overwritten.
  const ComputerMemory Before = Memory;
  RememberCard(Memory, Random, {5, 2, 0});
  Twin.Random(13);
  EXPECT_EQ(Memory.Entries, Before.Entries);

  // The same identity at the partner cell is a different card and is stored.
  RememberCard(Memory, Random, {5, 3, 3});
  const int32_t Next = Twin.Random(13) + 1;
  EXPECT_EQ(Memory.Entries[Next], (MemoryEntry{5, 3, 3}));
  EXPECT_EQ(Random.Random(1000), Twin.Random(1000));
}

TEST(ComputerMemory, ASmallMemoryForgetsByOverwriting) {
  // Level 10 with 8 pairs: 13 entries for 16 cells, and every card goes to a random entry, so
  // even a full look at the board leaves some cells unknown.
  CountingSeedSource Seeds(4);
  RandomGenerator Random(Seeds);
  ComputerMemory Memory;
  ResetMemory(Memory, 4, 4, 10);
  for (int32_t Cell = 0; Cell < 16; ++Cell) {
    RememberCard(Memory, Random, {Cell / 2 + 1, Cell % 4, Cell / 4});
  }
  EXPECT_LE(UsedEntries(Memory), 13);
  EXPECT_LT(UsedEntries(Memory), 16);
  for (int32_t I = 14; I <= MemoryCapacity; ++I) {
    EXPECT_EQ(Memory.Entries[I].CardId, 0) << "entry " << I << " is beyond MemorySize";
  }
}

TEST(ComputerMemory, ForgetEmptiesBothCardsOfThePairOnly) {
  ComputerMemory Memory;
  Memory.MemorySize = 9;
  Memory.Entries[2] = {5, 2, 0};
  Memory.Entries[4] = {3, 3, 0};
  Memory.Entries[9] = {5, 4, 1};
  ForgetCard(Memory, 5);
  EXPECT_EQ(Memory.Entries[2], MemoryEntry{});
  EXPECT_EQ(Memory.Entries[9], MemoryEntry{});
  EXPECT_EQ(Memory.Entries[4], (MemoryEntry{3, 3, 0}));
}

TEST(ComputerMemory, KnownPairSearchNarrowsToEntryOneAfterTwoPairsInARow) {
  ComputerMemory Memory;
  Memory.MemorySize = 9;
  Memory.Entries[3] = {5, 2, 0};
  Memory.Entries[7] = {5, 4, 1};
  Memory.Entries[5] = {6, 1, 1};
  for (int32_t RunCount : {0, 1}) {
    const auto Pair = FindKnownPair(Memory, RunCount);
    ASSERT_TRUE(Pair);
    EXPECT_EQ(Pair->First, Memory.Entries[3]);
    EXPECT_EQ(Pair->Second, Memory.Entries[7]);
  }
  EXPECT_FALSE(FindKnownPair(Memory, 2));
  EXPECT_FALSE(FindKnownPair(Memory, 5));

  Memory.Entries[1] = {6, 0, 3}; // the partner of entry 5
  const auto Narrowed = FindKnownPair(Memory, 2);
  ASSERT_TRUE(Narrowed);
  EXPECT_EQ(Narrowed->Second, Memory.Entries[5]);

  // Entries beyond MemorySize take no part, and one cell twice is no pair.
  ComputerMemory Small;
  Small.MemorySize = 1;
  Small.Entries[1] = {5, 2, 0};
  Small.Entries[2] = {5, 4, 1};
  EXPECT_FALSE(FindKnownPair(Small, 0));
  EXPECT_FALSE(FindKnownPair(Small, 2));
  Small.MemorySize = 2;
  Small.Entries[2] = {5, 2, 0};
  EXPECT_FALSE(FindKnownPair(Small, 0));
}

TEST(ComputerMemory, PartnerIsTheFirstEntryOfTheIdentityAtAnotherCell) {
  ComputerMemory Memory;
  Memory.MemorySize = 9;
  Memory.Entries[2] = {5, 2, 0};
  Memory.Entries[6] = {5, 4, 1};
  EXPECT_EQ(FindPartner(Memory, {5, 2, 0}), Memory.Entries[6]);
  EXPECT_EQ(FindPartner(Memory, {5, 4, 1}), Memory.Entries[2]);
  EXPECT_FALSE(FindPartner(Memory, {3, 0, 0}));
  EXPECT_FALSE(FindPartner(Memory, {0, 0, 0})) << "empty entries are no partners";
}

// ---------------------------------------------------------------------------------------------
// The computer's turns in a game

// 4 x 5 board; identity 5 lies at (2, 0) and (4, 1).
constexpr int32_t Arranged[4][5] = {
    {1, 2, 5, 3, 4}, {6, 7, 8, 9, 5}, {1, 2, 3, 4, 6}, {7, 8, 9, 10, 10}};

// A game of the computer against Bo on the arranged board, right after Bo missed with (0, 0)
// and (1, 0): the next close_pair hands the turn to the computer.
void AfterHumanMiss(EngineFixture& F, int32_t Level, int32_t RunCount,
                    std::vector<std::pair<int32_t, MemoryEntry>> Remembered) {
  F.Start(10, true, {"Computer", "Bo"}, Level);
  GameState& S = F.Engine.StateForTesting();
  ASSERT_EQ(S.Cells.Rows * S.Cells.Cols, 20);
  S.Cells.Rows = 4;
  S.Cells.Cols = 5;
  for (int32_t Row = 0; Row < 4; ++Row) {
    for (int32_t Col = 0; Col < 5; ++Col) {
      S.Cells.CellId[Row][Col] = Arranged[Row][Col];
      S.Cells.CellState[Row][Col] = CellState::FaceDown;
    }
  }
  S.Cells.CellState[0][0] = CellState::FaceUp;
  S.Cells.CellState[0][1] = CellState::FaceUp;
  S.TurnPicks[1] = {1, 0, 0};
  S.TurnPicks[2] = {2, 1, 0};
  S.PickNo = 3;
  S.Matched = false;
  S.CurrentPlayer = 1;
  S.PairsFound = 0;
  S.Players[1].Pairs = 0;
  S.RunCount = RunCount;
  S.Memory.Entries.fill(MemoryEntry{});
  for (const auto& [Index, Entry] : Remembered) {
    S.Memory.Entries[Index] = Entry;
  }
  F.View.Take();
}

// The cells the computer turned over, in order, from the recorded face notifications.
std::vector<std::string> Faces(const Calls& Recorded) {
  std::vector<std::string> Result;
  for (const std::string& Call : Recorded) {
    if (Call.rfind("face ", 0) == 0) {
      Result.push_back(Call.substr(7));
    }
  }
  return Result;
}

TEST(ComputerTurn, TakesAKnownPairAndPlaysAgainRightAfterTheDelay) {
  EngineFixture F;
  AfterHumanMiss(F, 10, 0, {{3, {5, 2, 0}}, {7, {5, 4, 1}}});
  F.Engine.close_pair();
  EXPECT_EQ(F.View.Take(),
            (Calls{"timer stop", "cell 0,0", "cell 1,0", "status Computer (pairs: 0)", "face 1 2,0",
                   "cell 2,0", "face 2 4,1", "cell 4,1", "sound match",
                   "status Computer (pairs: 1)", "timer start"}));
  const GameState& S = F.Engine.State();
  EXPECT_EQ(S.RunCount, 1);
  EXPECT_EQ(S.Players[1].Pairs, 1);
  EXPECT_FALSE(FindPartner(S.Memory, {5, 2, 0})) << "a found pair is forgotten";
  EXPECT_EQ(S.PickNo, 3) << "no click can come in while the pair is shown";

  F.Engine.close_pair();
  const Calls Next = F.View.Take();
  ASSERT_GE(Next.size(), 4u);
  EXPECT_EQ(Calls(Next.begin(), Next.begin() + 4),
            (Calls{"timer stop", "cell 2,0", "cell 4,1", Next[3]}));
  EXPECT_EQ(Next[3].substr(0, 7), "face 1 ") << "the computer moves again at once";
}

TEST(ComputerTurn, AfterTwoPairsInARowAPairWithoutEntryOneIsNotTaken) {
  bool SawRandomFirst = false;
  bool SawRememberedFirst = false;
  for (uint64_t Seed = 1; Seed <= 300; ++Seed) {
    EngineFixture F(Seed);
    AfterHumanMiss(F, 10, 2, {{3, {5, 2, 0}}, {7, {5, 4, 1}}});
    F.Engine.close_pair();
    const auto Picks = Faces(F.View.Take());
    ASSERT_EQ(Picks.size(), 2u);
    if (Picks[0] == "2,0" || Picks[0] == "4,1") {
      // Its own first card matches a remembered one: the partner follows, whatever RunCount.
      EXPECT_EQ(Picks[1], Picks[0] == "2,0" ? "4,1" : "2,0") << "seed " << Seed;
      SawRememberedFirst = true;
    } else {
      SawRandomFirst = true;
    }
  }
  EXPECT_TRUE(SawRandomFirst);
  EXPECT_TRUE(SawRememberedFirst);
}

TEST(ComputerTurn, AfterTwoPairsInARowAPairWithEntryOneIsTaken) {
  EngineFixture F;
  AfterHumanMiss(F, 10, 2, {{1, {5, 4, 1}}, {7, {5, 2, 0}}});
  F.Engine.close_pair();
  EXPECT_EQ(Faces(F.View.Take()), (std::vector<std::string>{"4,1", "2,0"}));
  EXPECT_EQ(F.Engine.State().RunCount, 3);
}

TEST(ComputerTurn, ARandomFirstCardIsCompletedFromMemory) {
  // Only one card of identity 5 is known; when chance turns up its partner, the computer goes
  // for the remembered cell.
  bool SawPartner = false;
  for (uint64_t Seed = 1; Seed <= 300; ++Seed) {
    EngineFixture F(Seed);
    AfterHumanMiss(F, 10, 0, {{4, {5, 2, 0}}});
    F.Engine.close_pair();
    const auto Picks = Faces(F.View.Take());
    ASSERT_EQ(Picks.size(), 2u);
    if (Picks[0] == "4,1") {
      EXPECT_EQ(Picks[1], "2,0") << "seed " << Seed;
      SawPartner = true;
    }
  }
  EXPECT_TRUE(SawPartner);
}

TEST(ComputerTurn, AHumansMatchIsForgottenAndCountsInTheRun) {
  EngineFixture F;
  AfterHumanMiss(F, 10, 0, {});
  GameState& S = F.Engine.StateForTesting();
  S.Cells.CellState[0][0] = CellState::FaceDown;
  S.Cells.CellState[0][1] = CellState::FaceDown;
  S.PickNo = 1;
  S.CurrentPlayer = 2;
  S.InputEnabled = true;
  S.Memory.Entries[2] = {5, 2, 0};
  S.Memory.Entries[4] = {3, 3, 0};
  S.Memory.Entries[9] = {5, 4, 1};
  F.Engine.SelectCell(2, 0);
  F.Engine.SelectCell(4, 1);
  const GameState& After = F.Engine.State();
  EXPECT_EQ(After.Players[2].Pairs, 1);
  EXPECT_EQ(After.RunCount, 1);
  EXPECT_FALSE(FindPartner(After.Memory, {5, 2, 0}));
  EXPECT_FALSE(FindPartner(After.Memory, {5, 4, 1}));
  EXPECT_EQ(After.Memory.Entries[4], (MemoryEntry{3, 3, 0}));
  // Bo plays on; the computer does not move.
  F.Engine.close_pair();
  EXPECT_EQ(F.Engine.State().CurrentPlayer, 2);
  EXPECT_EQ(F.Engine.State().PickNo, 1);
  EXPECT_TRUE(F.Engine.State().InputEnabled);
}

// Replays the draws of a new game with the computer on and predicts its first turn: the face
// choice from the start-up seed, the deal from the next seed, then the first pick's scan, its
// memory slot, the second pick's scan. The memory is empty, so both picks are random at every
// level.
TEST(ComputerTurn, FirstTurnOfAGameIsRandomInTheDocumentedOrderOfDraws) {
  for (int32_t Level : {0, 3, 10}) {
    for (uint64_t Seed : {1u, 99u, 2024u}) {
      EngineFixture F(Seed);
      F.Start(8, true, {"Computer"}, Level);

      CountingSeedSource TwinSeeds(Seed);
      RandomGenerator Twin(TwinSeeds);
      SelectFaces(60, 8, Twin);
      Board Dealt;
      Dealt.Rows = 4;
      Dealt.Cols = 4;
      DealCards(Dealt, Twin);
      ASSERT_EQ(Dealt.CellId, F.Engine.Cells().CellId);
      const int32_t Size = MemorySizeFor(4, 4, Level);
      const int32_t First = Twin.Random(16);
      Twin.Random(Size);
      int32_t Second = Twin.Random(16);
      if (Second == First) {
        Second = (Second + 1) % 16;
      }
      const std::vector<std::string> Expected = {RecordingView::Cell(First % 4, First / 4),
                                                 RecordingView::Cell(Second % 4, Second / 4)};
      EXPECT_EQ(Faces(F.View.Take()), Expected) << "level " << Level << ", seed " << Seed;
      const GameState& S = F.Engine.State();
      EXPECT_EQ(S.Memory.MemorySize, Size);
      EXPECT_EQ(S.PickNo, 3);
      EXPECT_EQ(S.InputEnabled, true) << "set after a random second pick";
    }
  }
}

TEST(ComputerTurn, LevelZeroHoldsOnlyTheLastCardSoNeverKnowsAPair) {
  EngineFixture F;
  AfterHumanMiss(F, 0, 0, {{1, {5, 4, 1}}});
  ASSERT_EQ(F.Engine.State().Memory.MemorySize, 1);
  F.Engine.close_pair();
  const auto Picks = Faces(F.View.Take());
  ASSERT_EQ(Picks.size(), 2u);
  // Its first card replaced the one remembered card, so even (2, 0) is not completed from
  // memory; whatever it turned, only its second card is left in memory.
  const TurnPick& Last = F.Engine.State().TurnPicks[2];
  EXPECT_EQ(F.Engine.State().Memory.Entries[1], (MemoryEntry{Last.CardId, Last.Col, Last.Row}));
  EXPECT_EQ(UsedEntries(F.Engine.State().Memory), 1);
}

} // namespace
