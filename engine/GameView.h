// What the game tells the board view. The engine draws nothing and owns no timer: the view
// paints what it is told, plays the sounds and runs the reveal-delay timer for it.
#pragma once

#include <cstdint>
#include <string>

enum class GameSound { Match, Miss };

// Every call comes synchronously from inside an engine operation. The view may read the engine's
// state from within a call; it must not start a new game from within one, except from the
// score screen's modal loop inside GameFinished, which the engine tolerates.
class IGameView {
public:
  virtual ~IGameView() = default;

  // The state of cell (Col, Row) changed: repaint it.
  virtual void CellChanged(int32_t Col, int32_t Row) = 0;
  // A card was turned face up as pick 1 or 2 of the turn (GIF sets show it in that overlay).
  // Always followed by CellChanged for the same cell.
  virtual void FaceShown(int32_t Pick, int32_t Col, int32_t Row) = 0;
  // New text for the status line (empty while a game is being set up).
  virtual void StatusTextChanged(const std::string& Text) = 0;
  // After the second pick of a turn; the view plays it only when sound is on and available.
  virtual void PlaySound(GameSound Sound) = 0;
  // After the second pick: call GameEngine::close_pair once the reveal delay has elapsed.
  virtual void StartRevealTimer() = 0;
  // Stop the reveal timer and hide both face overlays.
  virtual void StopRevealTimer() = 0;
  // A new board of Rows x Cols: size the cells, the grid and the window. The engine's Rows and
  // Cols already hold the new shape; its cells are dealt only afterwards.
  virtual void FitBoard(int32_t Rows, int32_t Cols) = 0;
  // A new game is dealt: hide the options panel and the about image, show the grid and paint
  // every cell.
  virtual void BoardReset() = 0;
  // The last pair has been removed and GameActive is false: repaint every cell (faces shown)
  // and show the score screen modally; return when it is closed.
  virtual void GameFinished() = 0;
};
