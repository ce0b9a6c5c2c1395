// Deckwright's window: a card set made from the user's own pictures, saved where the game
// finds it, and the game started with it, all without a terminal. A card may pair with another
// picture, a word or a sound instead of itself, which makes a set of different cards. Reading,
// fitting, encoding and writing are the command line's own (BuildDeck, SaveDeck), and the set
// is read back as the game reads it (CheckBuiltDeck) before it is saved.
#pragma once

#include "CardFolders.h"
#include "DeckBuildJob.h"
#include "DeckwrightPrompts.h"
#include "DraftChecks.h"
#include "GameLauncher.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class TFaceGrid;
class TPictureChooser;

class TDeckwrightWindow : public QWidget {
  Q_OBJECT

public:
  TDeckwrightWindow(TCardFolders Folders, TGameLauncher Launcher, QWidget* Parent = nullptr);

  void SetPrompts(TDeckwrightPrompts Prompts) { FPrompts = std::move(Prompts); }

  // Adds the pictures among Paths (files, or folders of pictures) after the faces there are.
  void AddPaths(const QStringList& Paths);

  // Checks the set and starts building and saving it. False, with the reason told, when it is
  // refused before anything is built (a failed check, no writable folder, an existing set the
  // user keeps); otherwise SaveEnded follows.
  bool Save();
  // Starts the game, or hands the set over to the game already running, with the set saved
  // last chosen (none when the set has changed since), and closes the window; tells why when
  // the game cannot be started.
  void Play();

  TDraftChecks Checks() const;
  bool Building() const { return FJob.Running(); }
  // Reading pictures or building: the set cannot change now.
  bool Busy() const { return FReading || FJob.Running(); }

signals:
  // A save started by Save ended: Path holds the new set when Saved.
  void SaveEnded(bool Saved, const QString& Path);

protected:
  void closeEvent(QCloseEvent* Event) override;
  void dragEnterEvent(QDragEnterEvent* Event) override;
  void dropEvent(QDropEvent* Event) override;

private:
  void CreateControls();
  QWidget* CreateFacesPane();
  QWidget* CreateSetPane();
  QWidget* CreateActionRow();
  void WireControls();
  QList<TDraftFace> ReadFaces(const QStringList& Files);

  void AddFilesBtnClick();
  void AddFolderBtnClick();
  void PartnerBtnClick();
  void CancelBtnClick();
  void DraftChanged();
  void JobProgressed(int Done, int Total, const QString& Step);
  void JobBuilt(const QByteArray& Bytes);
  void JobFailed(const QString& Message);
  void JobCancelled();

  void ShowChecks(const TDraftChecks& Checks);
  void ShowPairs(int Faces);
  void ShowSaveName();
  void RedrawDefaults();
  QSize CardBox() const;
  // The set's languages, the first its own; empty, with the reason in Problem, when the field
  // cannot be read.
  QStringList Languages(QString& Problem) const;
  // Why the cards' partners cannot be built yet; empty when they can, or when there are none.
  QString PairsCheck() const;
  TDeckRequest Request() const;
  QString SaveRefusal(const TDraftChecks& Checks) const;
  void SetBusy(bool Busy);
  void EndSave(bool Saved, const QString& Status);

  TCardFolders FFolders;
  TGameLauncher FLauncher;
  TDeckwrightPrompts FPrompts;
  TDeckBuildJob FJob;
  QString FSavePath;  // where the set being built goes
  QString FSavedPath; // the set saved last
  bool FUnsaved = false;
  bool FReading = false;

  TFaceGrid* FFaceGrid = nullptr;
  QPushButton* FAddFilesBtn = nullptr;
  QPushButton* FAddFolderBtn = nullptr;
  QPushButton* FEarlierBtn = nullptr;
  QPushButton* FLaterBtn = nullptr;
  QPushButton* FPartnerBtn = nullptr;
  QPushButton* FRemoveBtn = nullptr;
  QLabel* FFacesCheck = nullptr;
  QLabel* FPairsNote = nullptr;
  QLineEdit* FTitleEdit = nullptr;
  QLabel* FTitleCheck = nullptr;
  QLineEdit* FLinkEdit = nullptr;
  QLabel* FLinkCheck = nullptr;
  QLineEdit* FCardBoxEdit = nullptr;
  QLabel* FCardBoxCheck = nullptr;
  QLineEdit* FLanguagesEdit = nullptr;
  QLabel* FLanguagesCheck = nullptr;
  TPictureChooser* FAdvertChooser = nullptr;
  TPictureChooser* FBackChooser = nullptr;
  QLabel* FSaveNote = nullptr;
  QProgressBar* FBuildProgress = nullptr;
  QPushButton* FCancelBtn = nullptr;
  QLabel* FStatusLabel = nullptr;
  QPushButton* FSaveBtn = nullptr;
  QPushButton* FPlayBtn = nullptr;
  QPushButton* FCloseBtn = nullptr;
};
