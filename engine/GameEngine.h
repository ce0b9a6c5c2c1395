// The game of pairs: board, players, turns, scoring, verdict and the computer opponent.
#pragma once

#include "CardSource.h"
#include "GameSetupError.h"
#include "GameState.h"
#include "GameView.h"
#include "RandomGenerator.h"

#include <cstdint>
#include <vector>

struct KeptGame;

// What the "play" command hands to a new game, besides the player table and the card set.
struct NewGameOptions {
  int32_t Pairs = 8; // one of OfferedPairCounts
  // The room in pixels the board may take on the desktop: the work area less the window's frame
  // (by default that of a 1024 x 738 work area).
  int32_t BoardWidth = 1014;
  int32_t BoardHeight = 647;
  bool Computer = true; // slot 1 is the computer opponent
  int32_t Level = 3;    // the computer's level, clamped to 0..MaxLevel
};

// A new game chosen but not yet dealt: the set's header, the board's shape and the faces, face
// index Faces[k] for card identity k + 1. Made by PlanGame and good for the next StartGame only.
struct GamePlan {
  CardSetHeaderInfo CardSet;
  BoardShape Shape;
  std::vector<int32_t> Faces;
  uint64_t Serial = 0; // the game it was planned for
};

// The one game of the program. Every operation runs synchronously on the caller's thread and
// reports to the view while it runs. The engine owns the program-wide random generator.
class GameEngine {
public:
  // View and Seeds must outlive the engine. The generator takes its first seed at once.
  GameEngine(IGameView& View, ISeedSource& Seeds);
  // Seeds from the clock, as the program does.
  explicit GameEngine(IGameView& View);

  // Abandons any game, builds the player list from Players(), reads the card set's header,
  // chooses the board's shape, picks and loads the faces, deals and starts; when the computer
  // plays it makes its first turn before this returns.
  // Throws GameSetupError when the set cannot serve the game (too few faces, a damaged header,
  // a pair count without a layout) and passes on any exception of Cards; either way no game is
  // running afterwards (GameActive and InputEnabled false, GameOver true, an empty 0 x 0 board).
  void NewGame1Click(const NewGameOptions& Options, ICardSource& Cards);

  // NewGame1Click in two steps, for a caller that loads the faces itself in between (at the
  // size the board's cells will have, once the shape is known).
  // PlanGame abandons any game, empties the board, builds the player list, reads the header and
  // chooses the shape and the faces; Cards.LoadFaces is not called. Throws as NewGame1Click does,
  // leaving no game. Until StartGame no game runs and the board is empty.
  GamePlan PlanGame(const NewGameOptions& Options, ICardSource& Cards);
  // Deals the planned board and starts, as NewGame1Click ends. Throws std::logic_error for a
  // plan that is not the last one made.
  void StartGame(const GamePlan& Plan);

  // Abandons any game and goes on with Kept, a game kept from an earlier run, telling the view
  // as a new game does (FitBoard, BoardReset, the status line, a first pick made already shown
  // again); the computer plays before this returns when it is at turn. The faces of Kept must be
  // loaded by then, and Kept.CardSet.Pairs be the set's. Throws GameSetupError, leaving
  // everything as it was, when CheckKeptGame refuses Kept or it has two faces a card and the
  // set has no pairs of different cards.
  void ResumeGame(const KeptGame& Kept);

  // A player's click: turns the cell when input is enabled, a game runs, fewer than two cards
  // are picked and the cell is on the board and face down; otherwise does nothing.
  void SelectCell(int32_t Col, int32_t Row);

  // Turns a face-down cell up as the next pick and, after the second, judges the pair and asks
  // for the reveal timer. Ignored outside a running game, after the second pick, and for cells
  // that are off the board or not face down.
  void RevealCard(int32_t Col, int32_t Row);

  // End of a turn, when the reveal delay has elapsed: removes a matched pair or turns a missed
  // one back, ends the game after the last pair (GameFinished runs inside this call), and runs
  // the computer's turn when it is at turn. Only stops the timer when no pair is shown.
  void close_pair();

  // Stops the game in progress; the cells keep their values and paint as faces.
  void AbandonGame();

  // The options panel fills the names before NewGame1Click; the score screen reads the result.
  PlayerTable& Players() { return FState.Players; }
  const GameState& State() const { return FState; }
  const Board& Cells() const { return FState.Cells; }
  GamePhase Phase() const;

  // The program-wide generator.
  RandomGenerator& Generator() { return FRandom; }

  // Test hook: lets a test arrange a board, a memory or a RunCount before the next operation.
  GameState& StateForTesting() { return FState; }

private:
  void DropBoard();
  void StartGameState();
  // The board is on the view: says who is at turn and lets the computer or the player move.
  void BeginPlay();
  void EvaluatePair();
  void CheckGameOver();
  void EndTurnCells();
  void ComputerTurn();
  void RevealRandomHiddenCell(int32_t PickNumber);
  void PostPlayerStatus();

  IGameView& FView;
  RandomGenerator FRandom;
  GameState FState;
  // Counts the games set up; close_pair notices from it that a game was started from inside
  // the score screen and leaves that game alone.
  uint64_t FGameSerial = 0;
};
