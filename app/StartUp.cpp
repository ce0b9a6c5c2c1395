#include "StartUp.h"

#include "HandOver.h"
#include "KVQtMessageBox.h"
#include "KVRStream.h"
#include "KVUtils.h"
#include "KVstring.h"
#include "MainF.h"
#include "PopUpWiring.h"
#include "Product.h"
#include "ProgramFolder.h"
#include "RegistryFile.h"
#include "SingleInstance.h"
#include "SkinEntries.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include <functional>
#include <memory>
#include <utility>

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

// A second copy started with a card set hands it to the running copy and ends; without one it
// ends at once, as it always has. Returns the exit status.
int HandOverToRunningCopy(const TSingleInstance& Instance, const QString& CardSet) {
  if (CardSet.isEmpty())
    return 0;
  if (HandOverFile(HandOverSocketPath(Instance.LockPath()), CardSet))
    return 0;
  SetWindowIcon();
  ShowMessageBox(QStringLiteral("Kovalent Tesselo is already running, but it did not take the "
                                "card set %1.")
                     .arg(QFileInfo(CardSet).fileName()),
                 QString(), MB_OK | MB_ICONERROR);
  return 1;
}

} // namespace

QString CardSetArgument(const QStringList& Arguments) {
  const QString given = Arguments.value(1);
  return given.isEmpty() ? QString() : QFileInfo(given).absoluteFilePath();
}

QString MissingArchiveText(const QString& AppDir) {
  return AppDir + QStringLiteral("tesselo.dat is missing or corrupted!");
}

int RunGame() {
  const QString cardSet = CardSetArgument(QCoreApplication::arguments());
  TSingleInstance instance(QString::fromLatin1(product::SeriesName));
  if (!instance.Acquire()) {
    TMessageBoxInstall messageBox;
    return HandOverToRunningCopy(instance, cardSet);
  }
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
    TSkinReader skin(archive);
    mainForm = std::make_unique<TMainForm>(skin, setup);
    popUps = CreatePopUpWindows(skin, *mainForm);
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
  // Later copies hand their card sets over to this one.
  THandOverListener handOver;
  handOver.OnFile = [form = mainForm.get()](const QString& Path) { form->OpenCardSet(Path); };
  // The icon (a large picture), the sound system and the hand-over socket are not needed for
  // the first picture; a later copy started meanwhile waits for the socket.
  new TAfterFirstPaint(*mainForm, [form = mainForm.get(), &handOver, &instance, cardSet] {
    SetWindowIcon();
    form->LoadSounds();
    handOver.Listen(HandOverSocketPath(instance.LockPath()));
    if (!cardSet.isEmpty())
      form->OpenCardSet(cardSet);
  });
  mainForm->show();
  const int status = QApplication::exec();
  mainForm->SetPopUps(nullptr);
  return status;
}
