#include "EngineTestDoubles.h"
#include "Verdict.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

using Calls = std::vector<std::string>;

// Plays the game to its verdict the way the view would: the reveal timer "elapses" as soon as it
// is started, and the human at turn picks two face-down cells at random (its own generator, so
// the engine's draws stay those of the game).
void PlayToTheEnd(EngineFixture& F) {
  std::mt19937 Human(17);
  for (int Step = 0; Step < 10000 && F.View.FinishedCount == 0; ++Step) {
    if (F.View.TimerRunning) {
      F.Engine.close_pair();
      continue;
    }
    ASSERT_TRUE(F.Engine.State().InputEnabled);
    ASSERT_EQ(F.Engine.State().PickNo, 1);
    for (int Pick = 0; Pick < 2; ++Pick) {
      std::vector<std::pair<int32_t, int32_t>> Down;
      const Board& B = F.Engine.Cells();
      for (int32_t Row = 0; Row < B.Rows; ++Row) {
        for (int32_t Col = 0; Col < B.Cols; ++Col) {
          if (B.StateAt(Col, Row) == CellState::FaceDown) {
            Down.push_back({Col, Row});
          }
        }
      }
      ASSERT_FALSE(Down.empty());
      F.Select(Down[Human() % Down.size()]);
    }
  }
  ASSERT_EQ(F.View.FinishedCount, 1);
}

// Reads the recorded notifications of one whole game and checks that they tell a consistent
// story in the right order: set-up, then turns of two faces, a sound that fits the cards, the
// status texts, the reveal timer, the cells closed or removed, the next player, the verdict.
class GameLogChecker {
public:
  GameLogChecker(const EngineFixture& F) : FEngine(F.Engine), FCalls(F.View.Calls) {}

  void Check() {
    const Board& B = FEngine.Cells();
    Expect("timer stop");
    Expect("status ");
    Expect("fit " + std::to_string(B.Rows) + "x" + std::to_string(B.Cols));
    Expect("reset");
    Expect(Playing(1));
    bool Over = false;
    while (!Over && FNext < FCalls.size() && !::testing::Test::HasFailure()) {
      Over = CheckTurn();
    }
    EXPECT_TRUE(Over);
    EXPECT_EQ(FNext, FCalls.size()) << "nothing may follow the score screen";
    EXPECT_EQ(FFound, B.PairCount());
    for (int32_t Slot = 1; Slot <= 5; ++Slot) {
      EXPECT_EQ(FEngine.State().Players[Slot].Pairs, FPairs[Slot]) << "slot " << Slot;
    }
  }

private:
  bool CheckTurn() {
    const std::string A = Face(1);
    const std::string B = Face(2);
    EXPECT_NE(A, B);
    const bool Match = FEngine.Cells().IdAt(Col(A), Row(A)) == FEngine.Cells().IdAt(Col(B), Row(B));
    Expect(Match ? "sound match" : "sound miss");
    bool Over = false;
    if (Match) {
      ++FPairs[FCurrent];
      ++FFound;
      Expect(Playing(FCurrent));
      Over = FFound == FEngine.Cells().PairCount();
      if (Over) {
        Expect("status " + JudgeGame(FEngine.State().Players).StatusText);
      }
    }
    Expect("timer start");
    Expect("timer stop");
    Expect("cell " + A);
    Expect("cell " + B);
    if (Match) {
      FRemoved.insert(A);
      FRemoved.insert(B);
    } else {
      FCurrent = FCurrent == FEngine.State().PlayerCount ? 1 : FCurrent + 1;
      Expect(Playing(FCurrent));
    }
    if (Over) {
      Expect("finished");
    }
    return Over;
  }

  std::string Face(int Pick) {
    const std::string Prefix = "face " + std::to_string(Pick) + " ";
    const std::string Call = Take();
    EXPECT_EQ(Call.substr(0, Prefix.size()), Prefix);
    const std::string Cell = Call.substr(Prefix.size());
    EXPECT_EQ(FRemoved.count(Cell), 0u) << "a removed cell was turned: " << Cell;
    Expect("cell " + Cell);
    return Cell;
  }

  std::string Playing(int32_t Slot) const {
    return "status " + FEngine.State().Players[Slot].Name +
           " (pairs: " + std::to_string(FPairs[Slot]) + ")";
  }
  std::string Take() { return FNext < FCalls.size() ? FCalls[FNext++] : "(end)"; }
  void Expect(const std::string& Call) { EXPECT_EQ(Take(), Call) << "call " << FNext - 1; }
  static int32_t Col(const std::string& Cell) { return std::stoi(Cell); }
  static int32_t Row(const std::string& Cell) { return std::stoi(Cell.substr(Cell.find(',') + 1)); }

  const GameEngine& FEngine;
  const Calls& FCalls;
  size_t FNext = 0;
  int32_t FCurrent = 1;
  int32_t FFound = 0;
  std::array<int32_t, 6> FPairs{};
  std::set<std::string> FRemoved;
};

TEST(WholeGame, HumansOnly) {
  for (uint64_t Seed : {1u, 2u, 3u}) {
    EngineFixture F(Seed);
    F.Start(12, false, {"Ann", "Bo", "Cy"});
    PlayToTheEnd(F);
    GameLogChecker(F).Check();
    EXPECT_FALSE(F.Engine.State().GameActive);
    EXPECT_EQ(F.Engine.Phase(), GamePhase::Finished);
  }
}

TEST(WholeGame, AgainstTheComputerAtLevelsZeroThreeAndTen) {
  for (int32_t Level : {0, 3, 10}) {
    for (uint64_t Seed : {5u, 6u}) {
      EngineFixture F(Seed);
      F.Start(18, true, {"Computer", "Bo"}, Level);
      PlayToTheEnd(F);
      SCOPED_TRACE("level " + std::to_string(Level));
      GameLogChecker(F).Check();
      EXPECT_EQ(F.Engine.State().WinnerName, JudgeGame(F.Engine.State().Players).WinnerName);
    }
  }
}

TEST(WholeGame, AGappedNameNeverPlaysAndScoresNothing) {
  EngineFixture F(8);
  F.Start(8, false, {"Ann", "Player 2", "", "Dee"});
  PlayToTheEnd(F);
  GameLogChecker(F).Check();
  EXPECT_EQ(F.Engine.State().Players[4].Name, "Dee");
  EXPECT_EQ(F.Engine.State().Players[4].Pairs, 0);
  for (const std::string& Call : F.View.Calls) {
    EXPECT_EQ(Call.find("Dee"), std::string::npos);
  }
}

TEST(WholeGame, ASeedReplaysTheWholeGame) {
  EngineFixture A(31);
  EngineFixture B(31);
  A.Start(18, true, {"Computer", "Bo"}, 5);
  B.Start(18, true, {"Computer", "Bo"}, 5);
  PlayToTheEnd(A);
  PlayToTheEnd(B);
  EXPECT_EQ(A.View.Calls, B.View.Calls);
}

} // namespace
