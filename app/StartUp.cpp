#include "StartUp.h"

#include "CardSetInstall.h"
#include "HandOver.h"
#include "KVQtMessageBox.h"
#include "KVRStream.h"
#include "KVUtils.h"
#include "KVstring.h"
#include "KeptGameFile.h"
#include "Language.h"
#include "MainF.h"
#include "PopUpWiring.h"
#include "Product.h"
#include "ProgramFolder.h"
#include "RegistryFile.h"
#include "SingleInstance.h"
#include "SkinEntries.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

const QString SkinArchiveName = QStringLiteral("tesselo.dat");

// Restores the default message box when the run ends, whichever way.
class TMessageBoxInstall {
public:
  TMessageBoxInstall() { TKVMessageBox::SetInstance(&FBox); }
  ~TMessageBoxInstall() { TKVMessageBox::SetInstance(nullptr); }

private:
  TKVQtMessageBox FBox;
};

// Runs Steps once each, in order, starting right after Window's first paint has reached the
// screen, so work the first picture does not need is paid for after the player sees the window.
// Each step has a turn of the event loop of its own, so the player's input is answered between
// them. Should the window never paint, the steps run after a while all the same.
class TAfterFirstPaint : public QObject {
public:
  TAfterFirstPaint(QWidget& Window, std::vector<std::function<void()>> Steps)
      : QObject(&Window), FSteps(std::move(Steps)) {
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
    if (FStarted)
      return;
    FStarted = true;
    RunNext();
  }

  void RunNext() {
    if (FNext == FSteps.size())
      return;
    // The step may open a modal window, whose event loop runs the next turn of this one.
    const std::function<void()> step = std::exchange(FSteps[FNext++], nullptr);
    QTimer::singleShot(0, this, [this] { RunNext(); });
    step();
  }

  std::vector<std::function<void()>> FSteps;
  size_t FNext = 0;
  bool FStarted = false;
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
  ShowMessageBox(QCoreApplication::translate(
                     "StartUp", "%1 is already running, but it did not take the card set %2.")
                     .arg(QString::fromLatin1(product::Name), QFileInfo(CardSet).fileName()),
                 QString(), MB_OK | MB_ICONERROR);
  return 1;
}

// The skin of the player's language when it is there and can be read, else the English one.
std::unique_ptr<TKVResFileReader> OpenSkinArchive(const QString& AppDir) {
  const QString english = AppDir + SkinArchiveName;
  const QString localized = LocalizedFile(AppDir, SkinArchiveName, language::Current());
  if (localized != english) {
    try {
      auto archive = std::make_unique<TKVResFileReader>(localized);
      if (archive->Count > 0)
        return archive;
    } catch (const EKVResError&) {
      // A damaged translation of the skin leaves the game in English looks, not without them.
    }
  }
  auto archive = std::make_unique<TKVResFileReader>(english);
  // A damaged directory reads as an empty archive.
  if (archive->Count == 0)
    throw EKVResError("The archive holds no entries.");
  return archive;
}

} // namespace

QString CardSetArgument(const QStringList& Arguments) {
  const QString given = Arguments.value(1);
  return given.isEmpty() ? QString() : QFileInfo(given).absoluteFilePath();
}

QString MissingArchiveText(const QString& AppDir) {
  return QCoreApplication::translate("StartUp", "%1 is missing or corrupted!")
      .arg(AppDir + SkinArchiveName);
}

int RunGame() {
  const QString cardSet = CardSetArgument(QCoreApplication::arguments());
  const QString appDir = AddTrailingDelimiter(ProgramFolder());
  // Reading the environment, and for another language than English mapping its catalogue: the
  // windows are built in the player's language from the start.
  language::Install(language::CatalogueFolder(appDir), WantedLanguages());
  TSingleInstance instance(QString::fromLatin1(product::SeriesName));
  if (!instance.Acquire()) {
    TMessageBoxInstall messageBox;
    return HandOverToRunningCopy(instance, cardSet);
  }
  TMessageBoxInstall messageBox;
  // The install's read-only record (where the card builder lives) fills in what the user's own
  // file does not hold.
  RegistryFile store(DefaultRegistryFilePath(), DefaultSystemRegistryFilePaths(appDir));
  TMainFormSetup setup;
  setup.AppDir = appDir;
  setup.WorkArea = DesktopWorkArea();
  setup.Store = &store;
  setup.KeptGamePath = DefaultKeptGameFilePath();

  std::unique_ptr<TMainForm> mainForm;
  std::unique_ptr<TPopUpWindows> popUps;
  try {
    const std::unique_ptr<TKVResFileReader> archive = OpenSkinArchive(appDir);
    // The windows share their frame pictures; each is decoded once. Every picture of every
    // window is read here, so a damaged skin is reported before anything is shown, although
    // only what the first picture needs is built before it.
    TSkinReader skin(*archive);
    mainForm = std::make_unique<TMainForm>(skin, setup);
    popUps = CreatePopUpWindows(skin, *mainForm);
  } catch (const ESkinError& error) {
    SetWindowIcon();
    ShowMessageBox(QString::fromUtf8(error.what()), QString(), MB_OK | MB_ICONERROR);
    return 1;
  } catch (const std::exception&) {
    SetWindowIcon();
    ShowMessageBox(MissingArchiveText(appDir),
                   QCoreApplication::translate("StartUp", "Error initializing application"),
                   MB_OK | MB_ICONERROR);
    return 1;
  }
  mainForm->SetPopUps(popUps.get());
  // Later copies hand their card sets over to this one.
  THandOverListener handOver;
  handOver.OnFile = [form = mainForm.get()](const QString& Path) { form->OpenCardSet(Path); };
  // The rest of the main window, the secondary windows, Qt's own texts, the icon (a large
  // picture), the sound system and the hand-over socket are not needed for the first picture;
  // a command given earlier builds what it needs itself, and a later copy started meanwhile
  // waits for the socket. The texts come first: the windows built next may show counts.
  TMainForm* form = mainForm.get();
  TPopUpWindows* windows = popUps.get();
  new TAfterFirstPaint(*form, {[form] {
                                 language::InstallDeferred();
                                 form->FinishCreate();
                               },
                               [windows] { windows->Build(); }, SetWindowIcon,
                               [form] { form->LoadSounds(); },
                               [form, &handOver, &instance, cardSet] {
                                 // Copies a killed start left half made go first.
                                 RemoveStaleStagedSets(UserCardsDir());
                                 handOver.Listen(HandOverSocketPath(instance.LockPath()));
                                 if (!cardSet.isEmpty())
                                   form->OpenCardSet(cardSet);
                               }});
  // Told to end (a logout, `kill`), the game closes as its window would, keeping the game in
  // progress; a session about to end has it kept at once, in case the end comes harder.
  TTerminationSignals termination([form] { form->close(); });
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, form, [form] { form->KeepGame(); });
  mainForm->show();
  const int status = QApplication::exec();
  mainForm->SetPopUps(nullptr);
  return status;
}
