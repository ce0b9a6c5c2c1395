// The state of the game, as plain data.
#pragma once

#include "Board.h"
#include "CardSource.h"
#include "ComputerMemory.h"
#include "PlayerSlot.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One card picked in the current turn.
struct TurnPick {
  int32_t CardId = 0;
  int32_t Col = 0;
  int32_t Row = 0;
};

struct GameState {
  Board Cells;
  CardSetHeaderInfo CardSet; // header of the set in play: native cell size, F, ImageKind
  // The face of card identity k+1 at index k; in a set whose pairs are two different cards
  // the face of its side-1 card at index pairs + k. Empty when no game.
  std::vector<int32_t> Faces;

  PlayerTable Players{};
  int32_t PlayerCount = 0;   // players taking turns: slots 1..PlayerCount
  int32_t CurrentPlayer = 1; // slot at turn

  int32_t PickNo = 1;                  // 1, 2: waiting for that pick; 3: the pair is shown
  std::array<TurnPick, 3> TurnPicks{}; // picks 1 and 2 of this turn; index 0 unused
  bool Matched = false;                // the two picks of this turn share their identity
  int32_t PairsFound = 0;
  // Pairs found in a row; raised only while the computer plays and zeroed on every miss. A new
  // game keeps it, so a run that ended the last game still narrows the computer's search.
  int32_t RunCount = 0;
  std::string WinnerName;

  bool GameActive = false;   // a game is being played; while false every cell shows its face
  bool GameOver = false;     // the last pair was found, or the game was abandoned
  bool InputEnabled = false; // the board accepts a player's pick

  bool ComputerOn = false; // slot 1 is the computer opponent in this game
  int32_t Level = 0;       // the computer's level in this game, 0..MaxLevel
  ComputerMemory Memory;
};

// Where in State.Faces the face a cell shows is, counted from 1; 0 for a cell off the board.
inline int32_t FaceSlotAt(const GameState& State, int32_t Col, int32_t Row) {
  const int32_t id = State.Cells.IdAt(Col, Row);
  return id > 0 && State.Cells.TwoFacesACard(State.Faces.size())
             ? id + State.Cells.CellSide[Row][Col] * State.Cells.PairCount()
             : id;
}

// Named phases, derived from the flags above.
enum class GamePhase {
  NoGame,             // before the first game, after an abandoned one or a failed set-up
  AwaitingFirstPick,  // PickNo 1
  AwaitingSecondPick, // PickNo 2
  ShowingPair,        // PickNo 3: the reveal timer runs
  Finished,           // the last pair was found; faces are shown until the next game
};
