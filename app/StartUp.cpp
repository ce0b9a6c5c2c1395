#include "StartUp.h"

#include "KVQtMessageBox.h"
#include "KVRStream.h"
#include "KVUtils.h"
#include "KVstring.h"
#include "MainF.h"
#include "PopUpWindows.h"
#include "ProgramFolder.h"
#include "RegistryFile.h"
#include "SingleInstance.h"
#include "SkinEntries.h"

#include <QApplication>

#include <memory>

#ifdef TESSELO_HAVE_POPUPS
#include "PopUpWiring.h"
#endif

namespace {

// Restores the default message box when the run ends, whichever way.
class TMessageBoxInstall {
public:
  TMessageBoxInstall() { TKVMessageBox::SetInstance(&FBox); }
  ~TMessageBoxInstall() { TKVMessageBox::SetInstance(nullptr); }

private:
  TKVQtMessageBox FBox;
};

std::unique_ptr<IPopUpWindows> CreatePopUps([[maybe_unused]] TKVResReader& Skin,
                                            [[maybe_unused]] TMainForm& MainForm) {
#ifdef TESSELO_HAVE_POPUPS
  return CreatePopUpWindows(Skin, MainForm);
#else
  return std::make_unique<TNoPopUpWindows>();
#endif
}

} // namespace

QString MissingArchiveText(const QString& AppDir) {
  return AppDir + QStringLiteral("tesselo.dat is missing or corrupted!");
}

int RunGame() {
  TSingleInstance instance(QStringLiteral("Kovalent Tesselo 2.0"));
  if (!instance.Acquire())
    return 0;
  TMessageBoxInstall messageBox;
  const QString appDir = AddTrailingDelimiter(ProgramFolder());
  // The install's read-only record (where the card builder lives) fills in what the user's own
  // file does not hold.
  RegistryFile store(DefaultRegistryFilePath(), DefaultSystemRegistryFilePaths(appDir));
  TMainFormSetup setup;
  setup.AppDir = appDir;
  setup.WorkArea = DesktopWorkArea();
  setup.Store = &store;

  std::unique_ptr<TMainForm> mainForm;
  std::unique_ptr<IPopUpWindows> popUps;
  try {
    TKVResFileReader archive(appDir + QStringLiteral("tesselo.dat"));
    // A damaged directory reads as an empty archive.
    if (archive.Count == 0)
      throw EKVResError("The archive holds no entries.");
    mainForm = std::make_unique<TMainForm>(archive, setup);
    popUps = CreatePopUps(archive, *mainForm);
  } catch (const ESkinError& error) {
    ShowMessageBox(QString::fromUtf8(error.what()), QString(), MB_OK | MB_ICONERROR);
    return 1;
  } catch (const std::exception&) {
    ShowMessageBox(MissingArchiveText(appDir), QStringLiteral("Error initializing application"),
                   MB_OK | MB_ICONERROR);
    return 1;
  }
  mainForm->SetPopUps(popUps.get());
  mainForm->show();
  const int status = QApplication::exec();
  mainForm->SetPopUps(nullptr);
  return status;
}
