#include "BuilderLauncher.h"

#include "BrowseDWF.h"
#include "GameSettings.h"
#include "KVShell.h"
#include "KVUtils.h"

#include <QDir>
#include <QFileInfo>

TBuilderLauncher::TBuilderLauncher(GameSettings& Settings, TBrowseDWForm& Browse,
                                   TCloseMainWindow CloseMainWindow)
    : FSettings(Settings), FBrowse(Browse), FCloseMainWindow(std::move(CloseMainWindow)) {
  FBrowse.OnProgramChosen = [this](const QString& FileName) { return ProgramChosen(FileName); };
}

TBuilderLauncher::~TBuilderLauncher() {
  FBrowse.OnProgramChosen = nullptr;
}

bool TBuilderLauncher::DKWRBtnClick(QObject*) {
  if (QFileInfo(FSettings.BuilderPath).isFile())
    return StartBuilder(FSettings.BuilderPath);
  return FBrowse.exec() == QDialog::Accepted;
}

bool TBuilderLauncher::ProgramChosen(const QString& FileName) {
  FSettings.BuilderPath = QDir::toNativeSeparators(QFileInfo(FileName).absoluteFilePath());
  return StartBuilder(FSettings.BuilderPath);
}

bool TBuilderLauncher::StartBuilder(const QString& FileName) {
  TKVShell& shell = TKVShell::Instance();
  // Closing the program without anything started would look as if the button quit the game.
  if (!shell.Execute(FileName, QString()) && !shell.OpenLink(FileName)) {
    ShowMessageBox(QStringLiteral("Unable to start ") + FileName, QString(), MB_ICONERROR);
    return false;
  }
  if (FCloseMainWindow)
    FCloseMainWindow();
  return true;
}
