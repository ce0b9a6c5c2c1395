// The board of the main window: the grid of cards (MGrid), the two overlays of face-up GIF
// cards (Panel1, Panel2), the reveal-delay timer (Timer1) and the match and miss sounds,
// all painted and sized from the game's state. The window around it decides when the board
// is shown and how large the window becomes.
#pragma once

#include "BoardFaces.h"
#include "GameView.h"
#include "MainLayout.h"
#include "SoundPlayer.h"

#include <QSize>
#include <QString>
#include <QTimer>

class GameEngine;
class QPainter;
class QRect;
class QWidget;
class TBoardGrid;
class TCardSetLoader;
class TFaceOverlay;
enum class TCellShown : quint8;

class TBoardView {
public:
  // Creates the grid (hidden) and the overlays on Parent, which owns them. Game must outlive
  // the view.
  TBoardView(QWidget& Parent, const GameEngine& Game);

  TBoardGrid* MGrid = nullptr;
  TFaceOverlay* Panel1 = nullptr;
  TFaceOverlay* Panel2 = nullptr;
  // One-shot: each turn gets exactly one elapse.
  QTimer Timer1;

  // SoundReady only when both files and the sound module are there and Device says sound can
  // be heard (asked of the system when not given). The sounds load on LoadSounds or the first
  // PlaySound.
  void OpenSounds(const QString& AppDir, std::optional<bool> Device);
  void LoadSounds() { FSound.Load(); }
  bool SoundReady() { return FSound.SoundReady(); }
  int SoundsPlayed() const { return FSoundsPlayed; }
  // Plays Sound when Enabled and the sounds are ready, without waiting for it.
  void PlaySound(GameSound Sound, bool Enabled);
  // Plays the clip of the sound card at (Col, Row) when Enabled and sound can be heard; a
  // clip that cannot be read stays silent.
  void PlayClip(int Col, int Row, bool Enabled);
  int ClipsPlayed() const { return FClipsPlayed; }
  // What the face at (Col, Row) shows or says in the player's language (see TBoardFaces::Text).
  QString FaceText(int Col, int Row) const;

  void SetRevealDelay(int Milliseconds) { Timer1.setInterval(Milliseconds); }
  void StartRevealTimer() { Timer1.start(); }
  // Stops the timer and hides both overlays.
  void StopRevealTimer();

  // Takes the pictures a new game's set was read into, and its ImageKind.
  void TakeGame(const TCardSetLoader& Loader, int CardImageKind);
  QSize CellSize() const { return {FCellWidth, FCellHeight}; }
  void SetCellSize(QSize Size);
  // Sizes the cells, the overlays and the grid for Rows x Cols cells of Fit. The caller sizes
  // the window to the fit and places the grid.
  void ApplyFit(const TBoardFit& Fit, int Rows, int Cols);

  // A card turned face up: GIF faces show in the overlay of Pick. Throws EImageError when the
  // face cannot be decoded.
  void FaceShown(int Pick, int Col, int Row);
  void CellChanged(int Col, int Row);
  // Shows the grid with every cell painted anew, and gives it the keyboard.
  void ShowBoard();
  // Hides the grid and both overlays.
  void HideBoard();
  // Repaints every cell.
  void Repaint();

private:
  void ShowFaceOverlay(int Pick, int Col, int Row);
  void DrawCell(QPainter& Canvas, int Col, int Row, const QRect& Rect);
  // What the cell shows, from the game's state; the picture follows it.
  TCellShown CellShown(int Col, int Row) const;
  const QPixmap* CellPicture(int Col, int Row, QSize Size, qreal Ratio, bool& Covered);

  const GameEngine& FGame;
  TBoardFaces FFaces;
  TSoundPlayer FSound;
  int FSoundsPlayed = 0;
  int FClipsPlayed = 0;
  int FCellWidth = 120;
  int FCellHeight = 90;
};
