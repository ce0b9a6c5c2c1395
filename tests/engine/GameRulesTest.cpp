#include "EngineTestDoubles.h"
#include "PlayerList.h"
#include "Verdict.h"

#include <gtest/gtest.h>

namespace {

using Cells = std::vector<std::pair<int32_t, int32_t>>;
using Calls = std::vector<std::string>;

std::string At(std::pair<int32_t, int32_t> Cell) {
  return RecordingView::Cell(Cell.first, Cell.second);
}

// Every face-down cell, row-major.
Cells FaceDownCells(const EngineFixture& F) {
  Cells Result;
  const Board& B = F.Engine.Cells();
  for (int32_t Row = 0; Row < B.Rows; ++Row) {
    for (int32_t Col = 0; Col < B.Cols; ++Col) {
      if (B.StateAt(Col, Row) == CellState::FaceDown) {
        Result.push_back({Col, Row});
      }
    }
  }
  return Result;
}

// Two face-down cells of different identities; the test fails when there are none.
Cells MissingPair(const EngineFixture& F) {
  const Cells Down = FaceDownCells(F);
  const Board& B = F.Engine.Cells();
  for (const auto& Second : Down) {
    if (B.IdAt(Second.first, Second.second) != B.IdAt(Down[0].first, Down[0].second)) {
      return {Down[0], Second};
    }
  }
  ADD_FAILURE() << "no two different face-down cards";
  return {{0, 0}, {0, 0}};
}

// ---------------------------------------------------------------------------------------------
// Player list

struct PlayerListCase {
  const char* What;
  bool Computer;
  std::vector<std::string> Names;
  int32_t ExpectedCount;
  std::vector<std::string> ExpectedNames; // all five slots afterwards
};

TEST(PlayerList, DefaultNamesAndTheRunOfNamedSlots) {
  const PlayerListCase Cases[] = {
      {"computer on, all fields empty",
       true,
       {"Computer", "", "", "", ""},
       2,
       {"Computer", "Player", "", "", ""}},
      {"computer off, all empty",
       false,
       {"", "", "", "", ""},
       2,
       {"Player 1", "Player 2", "", "", ""}},
      {"computer off, only the first",
       false,
       {"Ann", "", "", "", ""},
       2,
       {"Ann", "Player 2", "", "", ""}},
      {"computer off, A, gap filled by the panel, C",
       false,
       {"Ann", "Player 2", "Cy", "", ""},
       3,
       {"Ann", "Player 2", "Cy", "", ""}},
      {"computer on, first field empty, second B",
       true,
       {"Computer", "Player", "Bo", "", ""},
       3,
       {"Computer", "Player", "Bo", "", ""}},
      {"computer off, A, gap, gap, D: D never plays",
       false,
       {"Ann", "Player 2", "", "Dee", ""},
       2,
       {"Ann", "Player 2", "", "Dee", ""}},
      {"a gap the panel did not fill keeps the later name out",
       false,
       {"Ann", "", "Cy", "", ""},
       2,
       {"Ann", "Player 2", "Cy", "", ""}},
      {"all five slots named",
       true,
       {"Computer", "B", "C", "D", "E"},
       5,
       {"Computer", "B", "C", "D", "E"}},
      {"names are taken exactly as typed",
       false,
       {" ", "Zoë", "", "", ""},
       2,
       {" ", "Zoë", "", "", ""}},
  };
  for (const PlayerListCase& Case : Cases) {
    PlayerTable Players;
    for (int32_t Slot = 1; Slot <= 5; ++Slot) {
      Players[Slot] = {Case.Names[Slot - 1], 7};
    }
    EXPECT_EQ(BuildPlayerList(Players, Case.Computer), Case.ExpectedCount) << Case.What;
    for (int32_t Slot = 1; Slot <= 5; ++Slot) {
      EXPECT_EQ(Players[Slot].Name, Case.ExpectedNames[Slot - 1]) << Case.What;
      EXPECT_EQ(Players[Slot].Pairs, 0) << Case.What;
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Verdict and status texts

TEST(Verdict, StrictlyHighestCountWinsASharedTopCountHasNoWinner) {
  auto Table = [](std::vector<int32_t> Pairs) {
    PlayerTable Players;
    const char* Names[] = {"", "Ann", "Bo", "Cy", "Dee", "Eve"};
    for (int32_t Slot = 1; Slot <= 5; ++Slot) {
      Players[Slot] = {Names[Slot], Slot <= int32_t(Pairs.size()) ? Pairs[Slot - 1] : 0};
    }
    return Players;
  };
  EXPECT_EQ(JudgeGame(Table({5, 5, 3})).WinnerName, "No winner");
  EXPECT_EQ(JudgeGame(Table({5, 5, 3})).StatusText, "No winner");
  EXPECT_EQ(JudgeGame(Table({6, 4})).WinnerName, "Ann");
  EXPECT_EQ(JudgeGame(Table({6, 4})).StatusText, "The winner is: Ann");
  EXPECT_EQ(JudgeGame(Table({4, 6})).WinnerName, "Bo");
  EXPECT_EQ(JudgeGame(Table({1, 3, 3})).WinnerName, "No winner");
  EXPECT_EQ(JudgeGame(Table({1, 2, 3, 4, 4})).WinnerName, "No winner");
  EXPECT_EQ(JudgeGame(Table({1, 2, 3, 4, 5})).WinnerName, "Eve");
  EXPECT_EQ(JudgeGame(Table({3, 0, 0, 2, 3})).WinnerName, "No winner");
  // A winner whose name happens to read "No winner" is still announced as a winner.
  PlayerTable Odd = Table({2, 1});
  Odd[1].Name = "No winner";
  EXPECT_EQ(JudgeGame(Odd).StatusText, "The winner is: No winner");
}

TEST(Verdict, PlayingStatusText) {
  EXPECT_EQ(PlayingStatusText({"Computer", 0}), "Computer (pairs: 0)");
  EXPECT_EQ(PlayingStatusText({"Zoë", 12}), "Zoë (pairs: 12)");
}

// ---------------------------------------------------------------------------------------------
// A new game

TEST(NewGame, SetsUpInOrderAndWaitsForTheFirstPlayer) {
  EngineFixture F;
  F.Start(10, false, {"Ann", "Bo"});
  EXPECT_EQ(F.View.Take(),
            (Calls{"timer stop", "status ", "fit 4x5", "reset", "status Ann (pairs: 0)"}));
  const GameState& S = F.Engine.State();
  EXPECT_TRUE(S.GameActive);
  EXPECT_FALSE(S.GameOver);
  EXPECT_TRUE(S.InputEnabled);
  EXPECT_EQ(S.PickNo, 1);
  EXPECT_EQ(S.CurrentPlayer, 1);
  EXPECT_EQ(S.PlayerCount, 2);
  EXPECT_EQ(S.PairsFound, 0);
  EXPECT_EQ(F.Engine.Phase(), GamePhase::AwaitingFirstPick);
  ASSERT_EQ(F.Cards.Loaded.size(), 1u);
  EXPECT_EQ(F.Cards.Loaded[0].size(), 10u);
  EXPECT_EQ(S.Faces, F.Cards.Loaded[0]);
  // The faces are made for the board they are dealt on.
  EXPECT_EQ(F.Cards.LoadedFor[0], (BoardShape{S.Cells.Rows, S.Cells.Cols}));
  EXPECT_EQ(S.CardSet.CardWidth, 120);
}

TEST(NewGame, TheGeneratorIsSeededAtStartAndAgainBeforeEveryDeal) {
  // Seeds 1 (start-up, face choice of game 1), 2 (deal 1), 3 (deal 2): two engines started from
  // the same first seed deal the same boards, and the second deal equals a fresh deal from 3.
  EngineFixture A(1);
  EngineFixture B(1);
  A.Start(8, false, {});
  B.Start(8, false, {});
  EXPECT_EQ(A.Engine.Cells().CellId, B.Engine.Cells().CellId);
  EXPECT_EQ(A.Engine.State().Faces, B.Engine.State().Faces);
  A.Start(8, false, {});
  EngineFixture C(2); // start-up seed 2, deal seed 3
  C.Start(8, false, {});
  EXPECT_EQ(A.Engine.Cells().CellId, C.Engine.Cells().CellId);
}

TEST(NewGame, ClampsTheLevelSoTheMemoryStaysWithinItsTable) {
  EngineFixture F;
  F.Start(60, true, {"Computer"}, 99);
  EXPECT_EQ(F.Engine.State().Memory.MemorySize, 93);
  F.Start(60, true, {"Computer"}, -4);
  EXPECT_EQ(F.Engine.State().Memory.MemorySize, 1);
}

TEST(NewGameRefused, TooFewFacesLeavesNoGameRunning) {
  EngineFixture F;
  F.Start(8, false, {"Ann", "Bo"});
  F.Select(MissingPair(F)[0]);
  F.Cards.Header.ImageCount = 7;
  try {
    F.Start(8, false, {"Ann", "Bo"});
    FAIL() << "no error";
  } catch (const GameSetupError& Error) {
    EXPECT_EQ(Error.what(), NotEnoughImagesText());
  }
  const GameState& S = F.Engine.State();
  EXPECT_FALSE(S.GameActive);
  EXPECT_FALSE(S.InputEnabled);
  EXPECT_TRUE(S.GameOver);
  EXPECT_EQ(F.Engine.Phase(), GamePhase::NoGame);
  EXPECT_EQ(F.Engine.Cells().Rows * F.Engine.Cells().Cols, 0);
  EXPECT_EQ(F.Cards.Loaded.size(), 1u) << "faces must not be read for a refused game";
  F.View.Take();
  F.Engine.SelectCell(0, 0);
  F.Engine.close_pair();
  EXPECT_EQ(F.View.Take(), (Calls{"timer stop"}));
  // A set that fits starts a sound game again.
  F.Cards.Header.ImageCount = 8;
  F.Start(8, false, {"Ann", "Bo"});
  EXPECT_TRUE(F.Engine.State().InputEnabled);
  EXPECT_EQ(F.Engine.Cells().Rows, 4);
}

TEST(NewGameRefused, DamagedHeadersAndImpossibleCountsAreErrorsNotHangs) {
  const CardSetHeaderInfo Damaged[] = {{0, 90, 60, 2, {}},
                                       {120, -1, 60, 2, {}},
                                       {INT32_MAX, 90, 60, 2, {}},
                                       {120, 90, INT32_MAX, 1, {}},
                                       // pairs naming a face the set lacks, or one face twice
                                       {120, 90, 20, 2, {{0, 1}, {2, 20}}},
                                       {120, 90, 20, 2, {{0, 1}, {1, 2}}}};
  for (const CardSetHeaderInfo& Header : Damaged) {
    EngineFixture F;
    F.Cards.Header = Header;
    EXPECT_THROW(F.Start(8, false, {}), GameSetupError);
    EXPECT_FALSE(F.Engine.State().GameActive);
    EXPECT_TRUE(F.Cards.Loaded.empty());
  }
  EngineFixture F;
  EXPECT_THROW(F.Start(59, false, {}), GameSetupError);
  EXPECT_THROW(F.Start(0, false, {}), GameSetupError);
  EXPECT_FALSE(F.Engine.State().InputEnabled);
}

TEST(NewGameRefused, AnErrorOfTheCardSetLeavesNoGameRunning) {
  for (bool InHeader : {true, false}) {
    EngineFixture F;
    F.Start(8, true, {"Computer"});
    F.Cards.FailHeader = InHeader;
    F.Cards.FailFaces = !InHeader;
    EXPECT_THROW(F.Start(8, true, {"Computer"}), std::runtime_error);
    const GameState& S = F.Engine.State();
    EXPECT_FALSE(S.GameActive);
    EXPECT_FALSE(S.InputEnabled);
    EXPECT_TRUE(S.GameOver);
    EXPECT_EQ(F.Engine.Cells().Rows, 0);
    // The computer's pair from before must not be closed into the dead game.
    F.View.Take();
    F.Engine.close_pair();
    EXPECT_EQ(F.View.Take(), (Calls{"timer stop"}));
  }
}

// ---------------------------------------------------------------------------------------------
// Turns and scoring

TEST(Turns, AMatchScoresAndTheSamePlayerGoesOn) {
  EngineFixture F;
  F.Start(8, false, {"Ann", "Bo"});
  F.View.Take();
  const auto Pair = F.CellsById()[3];
  F.Select(Pair[0]);
  F.Select(Pair[1]);
  EXPECT_EQ(F.View.Take(),
            (Calls{"face 1 " + At(Pair[0]), "cell " + At(Pair[0]), "face 2 " + At(Pair[1]),
                   "cell " + At(Pair[1]), "sound match", "status Ann (pairs: 1)", "timer start"}));
  // The pair stays face up for the whole delay.
  EXPECT_EQ(F.Engine.Cells().StateAt(Pair[0].first, Pair[0].second), CellState::FaceUp);
  EXPECT_EQ(F.Engine.Phase(), GamePhase::ShowingPair);
  F.Engine.close_pair();
  EXPECT_EQ(F.View.Take(), (Calls{"timer stop", "cell " + At(Pair[0]), "cell " + At(Pair[1])}));
  EXPECT_EQ(F.Engine.Cells().StateAt(Pair[0].first, Pair[0].second), CellState::Removed);
  EXPECT_EQ(F.Engine.Cells().StateAt(Pair[1].first, Pair[1].second), CellState::Removed);
  const GameState& S = F.Engine.State();
  EXPECT_EQ(S.CurrentPlayer, 1);
  EXPECT_EQ(S.Players[1].Pairs, 1);
  EXPECT_EQ(S.PairsFound, 1);
  EXPECT_EQ(S.RunCount, 0) << "only raised while the computer plays";
  EXPECT_EQ(S.PickNo, 1);
  EXPECT_TRUE(S.InputEnabled);
}

TEST(Turns, AMissPassesTheTurnAndWrapsAfterTheLastPlayer) {
  EngineFixture F;
  F.Start(8, false, {"Ann", "Bo", "Cy"});
  for (const char* Next : {"Bo", "Cy", "Ann", "Bo"}) {
    F.View.Take();
    const auto Miss = MissingPair(F);
    F.Select(Miss[0]);
    F.Select(Miss[1]);
    EXPECT_EQ(F.View.Take(),
              (Calls{"face 1 " + At(Miss[0]), "cell " + At(Miss[0]), "face 2 " + At(Miss[1]),
                     "cell " + At(Miss[1]), "sound miss", "timer start"}));
    F.Engine.close_pair();
    EXPECT_EQ(F.View.Take(), (Calls{"timer stop", "cell " + At(Miss[0]), "cell " + At(Miss[1]),
                                    "status " + std::string(Next) + " (pairs: 0)"}));
    EXPECT_EQ(F.Engine.Cells().StateAt(Miss[0].first, Miss[0].second), CellState::FaceDown);
  }
  EXPECT_EQ(F.Engine.State().CurrentPlayer, 2);
}

TEST(Turns, IgnoredClicks) {
  EngineFixture F;
  F.Engine.SelectCell(0, 0);
  EXPECT_TRUE(F.View.Calls.empty()) << "a click before the first game";

  F.Start(8, false, {"Ann", "Bo"});
  const auto Miss = MissingPair(F);
  F.View.Take();
  F.Select(Miss[0]);
  F.View.Take();
  F.Select(Miss[0]);
  F.Engine.SelectCell(-1, 0);
  F.Engine.SelectCell(0, 4);
  F.Engine.SelectCell(4, 0);
  F.Engine.RevealCard(99, 99);
  EXPECT_TRUE(F.View.Take().empty()) << "a face-up cell and cells off the board";

  F.Select(Miss[1]);
  F.View.Take();
  const auto Other = FaceDownCells(F).front();
  F.Select(Other);
  F.Engine.RevealCard(Other.first, Other.second);
  EXPECT_TRUE(F.View.Take().empty()) << "a third click while the pair is shown";

  F.Engine.close_pair();
  const auto Pair = F.CellsById()[5];
  F.Select(Pair[0]);
  F.Select(Pair[1]);
  F.Engine.close_pair();
  F.View.Take();
  F.Select(Pair[0]);
  EXPECT_TRUE(F.View.Take().empty()) << "a removed cell";

  F.Engine.AbandonGame();
  F.View.Take();
  F.Select(FaceDownCells(F).front());
  EXPECT_TRUE(F.View.Take().empty()) << "a click after the game was abandoned";
}

TEST(Turns, ClosePairWithoutAShownPairOnlyStopsTheTimer) {
  EngineFixture F;
  F.Engine.close_pair();
  EXPECT_EQ(F.View.Take(), (Calls{"timer stop"}));
  F.Start(8, false, {});
  F.View.Take();
  F.Engine.close_pair();
  EXPECT_EQ(F.View.Take(), (Calls{"timer stop"}));
  const auto Miss = MissingPair(F);
  F.Select(Miss[0]);
  F.Select(Miss[1]);
  F.Engine.AbandonGame();
  F.View.Take();
  F.Engine.close_pair(); // the timer fired after the game was abandoned
  EXPECT_EQ(F.View.Take(), (Calls{"timer stop"}));
  EXPECT_EQ(F.Engine.Cells().StateAt(Miss[0].first, Miss[0].second), CellState::FaceUp)
      << "an abandoned board keeps its cells";
}

// ---------------------------------------------------------------------------------------------
// End of the game

// Plays a humans-only game to the end: Ann takes AnnPairs pairs in a row, misses, and Bo takes
// the rest.
void PlayTo(EngineFixture& F, int32_t AnnPairs) {
  const auto ById = F.CellsById();
  int32_t Id = 1;
  for (; Id <= AnnPairs; ++Id) {
    F.Select(ById[Id][0]);
    F.Select(ById[Id][1]);
    F.Engine.close_pair();
  }
  const auto Miss = MissingPair(F);
  F.Select(Miss[0]);
  F.Select(Miss[1]);
  F.Engine.close_pair();
  for (; Id < int32_t(ById.size()); ++Id) {
    F.Select(ById[Id][0]);
    F.Select(ById[Id][1]);
    F.Engine.close_pair();
  }
}

TEST(GameEnd, WinnerIsNamedAndTheVerdictStaysOnTheStatusLine) {
  EngineFixture F;
  F.Start(10, false, {"Ann", "Bo"});
  bool SawFacesShown = false;
  F.View.OnFinished = [&] {
    // The score screen runs here: the game is over and every cell paints as a face.
    SawFacesShown = !F.Engine.State().GameActive && F.Engine.State().GameOver;
    EXPECT_EQ(F.View.LastStatus(), "The winner is: Ann");
  };
  PlayTo(F, 6);
  EXPECT_TRUE(SawFacesShown);
  EXPECT_EQ(F.View.FinishedCount, 1);
  EXPECT_EQ(F.Engine.State().WinnerName, "Ann");
  EXPECT_EQ(F.Engine.State().Players[2].Pairs, 4);
  EXPECT_EQ(F.Engine.Phase(), GamePhase::Finished);
  const auto Tail = Calls(F.View.Calls.end() - 6, F.View.Calls.end());
  EXPECT_EQ(Tail[0], "status The winner is: Ann");
  EXPECT_EQ(Tail[1], "timer start");
  EXPECT_EQ(Tail[2], "timer stop");
  EXPECT_EQ(Tail[3].substr(0, 5), "cell ");
  EXPECT_EQ(Tail[4].substr(0, 5), "cell ");
  EXPECT_EQ(Tail[5], "finished");
  F.View.Take();
  F.Engine.close_pair();
  F.Engine.SelectCell(0, 0);
  EXPECT_EQ(F.View.Take(), (Calls{"timer stop"}));
  EXPECT_EQ(F.View.LastStatus(), "(none)");
}

TEST(GameEnd, ASharedTopCountHasNoWinner) {
  EngineFixture F;
  F.Start(10, false, {"Ann", "Bo"});
  PlayTo(F, 5);
  EXPECT_EQ(F.Engine.State().WinnerName, "No winner");
  EXPECT_EQ(F.View.LastStatus(), "No winner");
}

TEST(GameEnd, ANewGameStartedFromTheScoreScreenIsLeftAlone) {
  // Regression: close_pair went on after the score screen and reset the pick of the game that
  // had been started from inside it, running a second computer turn into it.
  EngineFixture F;
  F.Start(8, false, {"Ann", "Bo"});
  F.View.OnFinished = [&] { F.Start(8, true, {"Computer"}); };
  const auto ById = F.CellsById();
  for (int32_t Id = 1; Id <= 8; ++Id) {
    F.Select(ById[Id][0]);
    F.Select(ById[Id][1]);
    F.Engine.close_pair();
  }
  ASSERT_EQ(F.View.FinishedCount, 1);
  const GameState& S = F.Engine.State();
  EXPECT_TRUE(S.GameActive);
  EXPECT_EQ(S.PickNo, 3) << "the computer's first pair of the new game is still shown";
  EXPECT_EQ(S.PairsFound, S.Matched ? 1 : 0);
}

} // namespace
