// The game on the main window's table: the engine, the board it is shown on, the set being
// dealt, the reveal timer and the sounds. It is the engine's view; the window around it keeps
// the frame, the commands and the options, and hears from the table through IGameTableHost.
//
// A deal runs one way: the engine plans the game from the set's header (shape and faces), the
// table fits that shape to the screen once, the loader decodes the chosen faces at the cell's
// size, and the engine starts (the computer may move at once).
#pragma once

#include "GameAnnouncer.h"
#include "GameEngine.h"
#include "KeptGameFile.h"
#include "MainLayout.h"

#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QString>

#include <memory>
#include <optional>

class QWidget;
class TBoardView;
class TCardSetCatalogue;

// What the window does for the table.
class IGameTableHost {
public:
  virtual ~IGameTableHost() = default;

  // The status line's new text (empty while a game is being set up).
  virtual void TableStatus(const QString& Text) = 0;
  // A text for assistive technology to say, without showing it.
  virtual void TableAnnounce(const QString& Text) = 0;
  // A new board needs the client area Client; the table places its grid afterwards.
  virtual void TableFitted(QSize Client) = 0;
  // A new game is dealt: what covered the board (cover, options, about plaque) goes.
  virtual void TableDealt() = 0;
  // The game is over: show the score screen with the set's advert and link; returns when it is
  // closed.
  virtual void TableFinished(const QImage& Advert, const QString& AdLink) = 0;
  // Something the game needed failed (a face that cannot be decoded): say Text and stop.
  virtual void TableFailed(const QString& Text) = 0;
};

class TGameTable : public IGameView {
  Q_DECLARE_TR_FUNCTIONS(TGameTable)

public:
  // Host and Seeds must outlive the table. The board is built later, by BuildBoard.
  TGameTable(IGameTableHost& Host, ISeedSource& Seeds);
  ~TGameTable() override;

  // Builds the board's controls (grid, overlays) on Window, hidden, and opens the sounds found
  // in AppDir. Start-up calls it after the first paint.
  void BuildBoard(QWidget& Window, const QString& AppDir, std::optional<bool> SoundDevice);
  bool HasBoard() const { return FBoard != nullptr; }

  GameEngine& Game() { return FGame; }
  const GameEngine& Game() const { return FGame; }
  // Only after BuildBoard.
  TBoardView& Board() { return *FBoard; }

  // The reveal delay (an index of the options' list, see RevealDelayMs) and whether sounds
  // play, for the game in progress and the next.
  void SetDelayAndSound(qint32 Delay, bool Sound);

  // Where the game in progress is kept between runs; empty, the default, keeps nothing.
  void SetKeptGamePath(const QString& Path) { FKeptPath = Path; }
  // Writes the game in progress there, or removes what is kept when no game is in progress (a
  // pair being shown is kept settled). Runs after every judged pair and a new deal, and when
  // the window closes; a file that cannot be written is not reported.
  void KeepGame();
  // Goes on with the game kept there, its set found in Sets, on a screen whose work area is
  // Work. Returns what the player should be told when a kept game cannot be restored (a
  // damaged file, a set changed or removed since); the file is removed then, so it is told
  // once. Empty when a game was restored or none was kept.
  QString ResumeKeptGame(const TCardSetCatalogue& Sets, QSize Work);

  // Deals a new game from the set FileName on a screen whose work area is Work; Options' board
  // room is taken from Work. Throws (with a text fit for the player) when the set cannot serve
  // the game; no game runs then.
  void NewGame(const QString& FileName, NewGameOptions Options, QSize Work);
  // Stops the game in progress, hides the board and forgets the game kept.
  void Abandon();
  // Whether a board (a game running or finished) is on the table.
  bool Shown() const;

  // The board grid's cell choice, and the reveal delay's end.
  void MGridSelectCell(int Col, int Row);
  void Timer1Timer();

  // IGameView
  void CellChanged(int32_t Col, int32_t Row) override;
  void FaceShown(int32_t Pick, int32_t Col, int32_t Row) override;
  void StatusTextChanged(const std::string& Text) override;
  void PlaySound(GameSound Sound) override;
  void StartRevealTimer() override;
  void StopRevealTimer() override;
  void FitBoard(int32_t Rows, int32_t Cols) override;
  void BoardReset() override;
  void GameFinished() override;

private:
  TFaceNamer FaceNamer() const;
  // Runs Handler; an exception it throws stops the game and is told to the host.
  template <typename THandler> void Guarded(THandler&& Handler);
  // The board of Rows x Cols cards of Card fitted to Work once, and the faces loaded from
  // Loader for its cells, for a deal or a resumed game.
  void LoadBoard(class TCardSetLoader& Loader, const CardSetHeaderInfo& Card,
                 const std::vector<int32_t>& Faces, BoardShape Shape, QSize Work);

  IGameTableHost& FHost;
  GameEngine FGame;
  std::unique_ptr<TBoardView> FBoard;
  TKeptSettings FPlay; // the delay and sound, kept with the game
  QString FKeptPath;
  // The set of the game in progress, as the kept game names it.
  std::optional<TCardSetIdentity> FSetIdentity;
  // The fit of the board being dealt, made once for its shape and the screen.
  TBoardFit FFit;
  QImage FAdvert;
  QString FAdLink;
};
