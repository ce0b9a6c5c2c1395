#include "OpenedSets.h"

#include "KVUtils.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <exception>

namespace {

// How often a set checked while a modal window is open asks again whether it may be placed.
constexpr int ModalWaitMs = 250;
// The fewest pixels a title keeps on the status line, however long the words around it.
constexpr int MinTitleRoom = 48;

} // namespace

TOpenedSets::TOpenedSets(TCardFolderPair Folders, TPlaced Placed, QObject* Parent)
    : QObject(Parent), FFolders(std::move(Folders)), FPlaced(std::move(Placed)) {}

TOpenedSets::~TOpenedSets() = default;

void TOpenedSets::Open(const QString& Path) {
  FWaiting.push_back(Path);
  QTimer::singleShot(0, this, [this] { CheckNext(); });
}

void TOpenedSets::CheckNext() {
  if (FBusy || FWaiting.empty())
    return;
  FBusy = true;
  const QString path = FWaiting.front();
  FWaiting.pop_front();
  // Reading every face of a stranger's set may take seconds: it happens on a thread of its own,
  // and the next set waits until this one is placed.
  FCheck = std::jthread([this, path, folders = FFolders](std::stop_token Stop) {
    auto staged = std::make_shared<TStagedSet>();
    QString refusal;
    try {
      *staged =
          StageCardSet(path, folders, std::chrono::steady_clock::now() + CardSetCheckTime, Stop);
    } catch (const std::exception& error) {
      refusal = QString::fromUtf8(error.what());
    }
    // Posted: if this object goes first, the report goes with it, and the staged copy with the
    // report.
    QMetaObject::invokeMethod(
        this, [this, staged, refusal] { Checked(staged, refusal); }, Qt::QueuedConnection);
  });
}

void TOpenedSets::Checked(const std::shared_ptr<TStagedSet>& Staged, const QString& Refusal) {
  // A message or a question must not come beneath a window waiting for the player.
  if (QApplication::activeModalWidget() != nullptr) {
    QTimer::singleShot(ModalWaitMs, this, [this, Staged, Refusal] { Checked(Staged, Refusal); });
    return;
  }
  FCheck = std::jthread();
  try {
    if (!Refusal.isEmpty())
      ShowMessageBox(Refusal, QString(), MB_OK | MB_ICONERROR);
    else
      Place(std::move(*Staged));
  } catch (const std::exception& error) {
    // Whatever goes wrong with an opened set concerns that set alone, never the game.
    ShowMessageBox(QString::fromUtf8(error.what()), QString(), MB_OK | MB_ICONERROR);
  }
  FBusy = false;
  if (!FWaiting.empty())
    QTimer::singleShot(0, this, [this] { CheckNext(); });
}

void TOpenedSets::Place(TStagedSet Staged) {
  const auto askReplace = [](const QString& Name) {
    return ShowMessageBox(
               tr("Your card folder already holds a different card set named %1. Replace it?")
                   .arg(Name),
               QString(), MB_YESNO | MB_ICONQUESTION) == IDYES;
  };
  const TInstalledSet set = PlaceCardSet(std::move(Staged), FFolders, askReplace);
  if (set.Outcome != TInstallOutcome::Kept)
    FPlaced(set);
}

QString TOpenedSets::StatusText(TInstallOutcome Outcome, const QString& Title, bool ForNextGame,
                                const QFontMetrics& Metrics, int Room) {
  QString status;
  switch (Outcome) {
  case TInstallOutcome::Added:
    status = ForNextGame ? tr("Added for the next game: %1") : tr("Card set added: %1");
    break;
  case TInstallOutcome::Replaced:
    status = ForNextGame ? tr("Replaced for the next game: %1") : tr("Card set replaced: %1");
    break;
  default:
    status = ForNextGame ? tr("Chosen for the next game: %1") : tr("Card set chosen: %1");
    break;
  }
  const int room = std::max(MinTitleRoom, Room - Metrics.horizontalAdvance(status.arg(QString())));
  return status.arg(Metrics.elidedText(Title.simplified(), Qt::ElideMiddle, room));
}
