// The main window: the skinned borderless frame, its command bars, the cover, the options
// panel and the board of the game, which it shows as the game's view.
#pragma once

#include "BoardView.h"
#include "CardSets.h"
#include "GameSettings.h"
#include "GameTable.h"
#include "WindowDrag.h"

#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

class ISettingsStore;
class IPopUpWindows;
class QLabel;
class TBoardGrid;
class TFaceOverlay;
class TKVImageBevel;
class TKVImageMap;
class TKVLiveStatus;
class TSkinReader;
class TOpenedSets;
class TOptionsPanel;
class TKVPicture;
struct TInstalledSet;

// What the program hands the main window when it creates it.
struct TMainFormSetup {
  QString AppDir;                  // the program's folder, ending in a separator
  QRect WorkArea;                  // the desktop work area, read once
  ISettingsStore* Store = nullptr; // the per-user settings; must outlive the window
  ISeedSource* Seeds = nullptr;    // the game's seeds; the clock when null
  // Whether sounds can be heard; asked of the system when not given.
  std::optional<bool> SoundDevice;
  // Where a game in progress is kept when the window closes and comes back from at the next
  // start; empty keeps nothing.
  QString KeptGamePath;
};

class TMainForm : public QWidget, public IGameTableHost {
  Q_DECLARE_TR_FUNCTIONS(TMainForm)

public:
  // Builds from the open archive Skin what the window's first picture shows (FormCreate): the
  // frame, the command bars, the cover, the about plaque and the status line. The options
  // panel's pictures are read too, so that every skin entry the window needs has been read.
  // Throws ESkinError when a skin entry cannot be read; no window is left behind then.
  TMainForm(TSkinReader& Skin, const TMainFormSetup& Setup, QWidget* Parent = nullptr);
  ~TMainForm() override;

  // Builds the rest of the window: the board, the options panel filled from the settings and
  // the card sets, the two hand cursors and the sounds' setup. Start-up calls it once the first
  // picture is on screen; every command that needs these parts calls it first, so a click that
  // comes earlier waits for them and still works. Later calls do nothing. The board's and the
  // sounds' accessors below (CellSize to SoundsPlayed) may be used only after it.
  void FinishCreate();

  // The secondary windows; not owned, must outlive the window. Without them nothing is shown.
  void SetPopUps(IPopUpWindows* PopUps);

  // Commands by area name; unknown names do nothing.
  void PanelMapMapClick(const QString& Area);
  void ExitMapMapClick(const QString& Area);
  void CoverMapMapClick(const QString& Area);
  void CopyRightImageClick();

  // A card set the player opened from outside the game (the command line, a file manager, a
  // later copy of the game, a drop): raises the window, adds the set to the user's card folder
  // as InstallCardSet does and chooses it for the next game. With no game on the board the
  // options show it chosen; a game on the board goes on, and the status line says for a moment
  // that the set comes in the next game. A refused set is explained in a message box and
  // changes nothing. Sets wait their turn while another is being added or a modal window is
  // open.
  void OpenCardSet(const QString& Path);

  // Loads the match and miss sounds (and finishes the window first). Starting the sound system
  // takes long, so start-up calls this once the window is on screen; a sound asked for earlier
  // loads them itself.
  void LoadSounds();

  // Writes the game in progress where it is kept, as closing the window does, without closing
  // (the desktop's session is about to end).
  void KeepGame();

  // Sets the status line and centres it.
  void SetPlayerLabel(const QString& Text);
  void ShowWelcome();
  // Abandons any game and shows the options panel in a window of the design size.
  void ShowOptions();
  // Lays the controls out for the current client size and centres the window on the work area.
  void FormResize();

  // A cell choice of the board grid, and the reveal delay's end, as the table takes them.
  void MGridSelectCell(int Col, int Row);
  void Timer1Timer();

  // IGameTableHost
  void TableStatus(const QString& Text) override;
  void TableAnnounce(const QString& Text) override;
  void TableFitted(QSize Client) override;
  void TableDealt() override;
  void TableFinished(const QImage& Advert, const QString& AdLink) override;
  void TableFailed(const QString& Text) override;

  GameEngine& Game() { return FTable.Game(); }
  const GameSettings& Settings() const { return FSettings; }
  // The card builder's command changes BuilderPath, which is saved when the window closes.
  GameSettings& Settings() { return FSettings; }
  const TCardSetCatalogue& CardSets() const { return FCardSets; }
  QSize CellSize() { return FTable.Board().CellSize(); }
  const QRect& WorkArea() const { return FWorkArea; }
  const QString& CardsDir() const { return FCardsDir; }
  const QTimer& Timer1() { return FTable.Board().Timer1; }
  bool SoundReady() { return FTable.Board().SoundReady(); }
  // Sounds started during the run, for a view without speakers to be checked.
  int SoundsPlayed() { return FTable.Board().SoundsPlayed(); }
  int ClipsPlayed() { return FTable.Board().ClipsPlayed(); }

  TKVImageBevel* BgBevel = nullptr;
  TKVImageMap* PanelMap = nullptr;
  QLabel* Label1 = nullptr;
  TKVImageMap* ExitMap = nullptr;
  TKVPicture* CopyRightImage = nullptr;
  // Null until FinishCreate.
  TBoardGrid* MGrid = nullptr;
  TFaceOverlay* Panel1 = nullptr;
  TFaceOverlay* Panel2 = nullptr;
  TOptionsPanel* OptionsPanel = nullptr;
  QWidget* CoverPanel = nullptr;
  TKVImageMap* CoverMap = nullptr;
  // What the window says aloud as the game goes on: the status line's texts and each card
  // turned and pair judged.
  TKVLiveStatus* LiveStatus = nullptr;

protected:
  void closeEvent(QCloseEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void dragEnterEvent(QDragEnterEvent* Event) override;
  void dropEvent(QDropEvent* Event) override;

private:
  void FormCreate(TSkinReader& Skin, const TMainFormSetup& Setup);
  void CreateControls();
  void CreateLaterControls();
  void ApplyCursors();
  void LoadSkin(TSkinReader& Skin);
  void AddHotAreas();
  void WireDragging();
  // Names for assistive technology, the Tab chain, the focus frame and the live status, for the
  // controls built first, and then for those built later.
  void PrepareKeyboard();
  void PrepareLaterKeyboard();
  // Gives the keyboard's focus to the command bar's "play".
  void FocusPlay();
  void FillOptionsPanel();
  void ReadOptionsPanel();
  void FormClose();

  // Chooses a set just placed in a card folder for the next game: shown in the options when no
  // game is on the board, only told on the status line while one is.
  void ShowAddedSet(const TInstalledSet& Set);
  // Shows Text on the status line for a moment, then the game's last status again.
  void ShowPassingStatus(const QString& Text);
  // Sets the status line without saying it aloud.
  void ShowStatus(const QString& Text);
  void RaiseWindow();

  void PlayCommand();
  bool CanDeal();
  void SetClientSize(QSize Size);
  // Shows the error's text under the application title and returns to the options; the
  // game in progress is abandoned.
  void ReportGameError(const QString& Text);
  // Runs Handler, reporting any exception it throws as ReportGameError does.
  template <typename THandler> void Guarded(THandler&& Handler);

  std::unique_ptr<ClockSeedSource> FClockSeeds;
  // The game and its board; the board is built by FinishCreate.
  TGameTable FTable;
  ISettingsStore* FStore = nullptr;
  IPopUpWindows* FPopUps = nullptr;
  GameSettings FSettings;
  TCardSetCatalogue FCardSets;
  TWindowDrag FDrag;

  QString FAppDir;
  QString FCardsDir;
  QRect FWorkArea;
  std::optional<bool> FSoundDevice;
  QString FKeptGamePath;
  // The options panel's pictures, from the reading of the skin until the panel is built.
  std::unique_ptr<TSkinReader> FLaterSkin;
  QString FCoverLink;
  QImage FSkinBitmap;
  QImage FBoardBrush;
  bool FClosed = false;
  // What the game last said on the status line, to come back to after a passing message.
  QString FGameStatus;

  // Copies and checks the sets opened from outside, away from the window, which goes on
  // painting; stopped first when the window goes.
  std::unique_ptr<TOpenedSets> FOpenedSets;
};
