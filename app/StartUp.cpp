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
#include <QEvent>
#include <QIcon>
#include <QTimer>

#include <functional>
#include <memory>
#include <utility>

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

// Runs Then once, right after Window's first paint has reached the screen, so work the first
// picture does not need is paid for after the player sees the window. Should the window never
// paint, Then runs after a while all the same.
class TAfterFirstPaint : public QObject {
public:
  TAfterFirstPaint(QWidget& Window, std::function<void()> Then)
      : QObject(&Window), FThen(std::move(Then)) {
    Window.installEventFilter(this);
    QTimer::singleShot(FallbackMs, this, [this] { Run(); });
  }

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    if (Event->type() == QEvent::Paint) {
      Watched->removeEventFilter(this);
      // A zero timer fires once this round of painting is done and flushed.
      QTimer::singleShot(0, this, [this] { Run(); });
    }
    return QObject::eventFilter(Watched, Event);
  }

private:
  static constexpr int FallbackMs = 2000;

  void Run() {
    if (auto then = std::exchange(FThen, nullptr))
      then();
  }

  std::function<void()> FThen;
};

void SetWindowIcon() {
  QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/tesselo.png")));
}

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
    // The windows share their frame pictures; each is decoded once.
    TSkinBitmapCache pictures(archive);
    mainForm = std::make_unique<TMainForm>(archive, setup);
    popUps = CreatePopUps(archive, *mainForm);
  } catch (const ESkinError& error) {
    SetWindowIcon();
    ShowMessageBox(QString::fromUtf8(error.what()), QString(), MB_OK | MB_ICONERROR);
    return 1;
  } catch (const std::exception&) {
    SetWindowIcon();
    ShowMessageBox(MissingArchiveText(appDir), QStringLiteral("Error initializing application"),
                   MB_OK | MB_ICONERROR);
    return 1;
  }
  mainForm->SetPopUps(popUps.get());
  // The icon (a large picture) and the sound system are not needed for the first picture.
  new TAfterFirstPaint(*mainForm, [form = mainForm.get()] {
    SetWindowIcon();
    form->LoadSounds();
  });
  mainForm->show();
  const int status = QApplication::exec();
  mainForm->SetPopUps(nullptr);
  return status;
}
