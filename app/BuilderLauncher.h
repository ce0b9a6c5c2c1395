// Starting the card builder (Deckwright), the command behind the builder buttons of the
// options panel and the score screen. Starting it ends this program: the main window is
// closed, which saves the settings with the builder's path.
//
// The builder is started through the desktop shell (TKVShell, which tests replace): as a
// program without arguments, or, when the file is not a program this system can start, opened
// as a double click would open it.
#pragma once

#include <QString>

#include <functional>

struct GameSettings;
class QObject;
class TBrowseDWForm;

class TBuilderLauncher {
public:
  using TCloseMainWindow = std::function<void()>;

  // Settings and Browse are not owned and must outlive the launcher; the launcher becomes
  // Browse's OnProgramChosen.
  TBuilderLauncher(GameSettings& Settings, TBrowseDWForm& Browse, TCloseMainWindow CloseMainWindow);
  ~TBuilderLauncher();

  TBuilderLauncher(const TBuilderLauncher&) = delete;
  TBuilderLauncher& operator=(const TBuilderLauncher&) = delete;

  // Starts the builder when BuilderPath names an existing file; when there is none, or it
  // cannot be started, shows the browse dialog modally. True when the builder was started and
  // the main window closed.
  bool DKWRBtnClick(QObject* Sender);
  // The browse dialog's choice: the builder starts from FileName, which becomes BuilderPath
  // only when it did start. False keeps the dialog open for another choice.
  bool ProgramChosen(const QString& FileName);

private:
  // Starts FileName, keeps it as BuilderPath and closes the main window (which saves it); when
  // nothing could be started, says so, leaves BuilderPath as it was and the program running.
  bool StartBuilder(const QString& FileName);

  GameSettings& FSettings;
  TBrowseDWForm& FBrowse;
  TCloseMainWindow FCloseMainWindow;
};
