#include "BuilderLauncher.h"

#include "BrowseDWF.h"
#include "GameSettings.h"
#include "KVShell.h"
#include "KVUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

TBuilderLauncher::TBuilderLauncher(GameSettings& Settings, TBrowseDWForm& Browse,
                                   TCloseMainWindow CloseMainWindow)
    : FSettings(Settings), FBrowse(Browse), FCloseMainWindow(std::move(CloseMainWindow)) {
  FBrowse.OnProgramChosen = [this](const QString& FileName) { return ProgramChosen(FileName); };
}

TBuilderLauncher::~TBuilderLauncher() {
  FBrowse.OnProgramChosen = nullptr;
}

bool TBuilderLauncher::DKWRBtnClick(QObject*) {
  if (QFileInfo(FSettings.BuilderPath).isFile() && StartBuilder(FSettings.BuilderPath))
    return true;
  return FBrowse.exec() == QDialog::Accepted;
}

bool TBuilderLauncher::ProgramChosen(const QString& FileName) {
  return StartBuilder(QDir::toNativeSeparators(QFileInfo(FileName).absoluteFilePath()));
}

bool TBuilderLauncher::StartBuilder(const QString& FileName) {
  TKVShell& shell = TKVShell::Instance();
  // Closing the program without anything started would look as if the button quit the game.
  if (!shell.Execute(FileName, {}) &&
      !shell.OpenLink(QUrl::fromLocalFile(FileName).toString(QUrl::FullyEncoded))) {
    ShowMessageBox(
        QCoreApplication::translate("TBuilderLauncher", "Unable to start %1").arg(FileName),
        QString(), MB_ICONERROR);
    return false;
  }
  // Only a path that started is kept: one that cannot start would be retried at every click.
  FSettings.BuilderPath = FileName;
  if (FCloseMainWindow)
    FCloseMainWindow();
  return true;
}
