// Card sets the player opens from outside the game (the command line, a file manager, a later
// copy of the game, a drop on the window), taken in one at a time: each is copied and checked on
// a thread of its own while the window goes on, then named in the card folder, asking before a
// namesake is replaced. A refused set is explained in a message box and changes nothing.
#pragma once

#include "CardSetInstall.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <thread>

class QFontMetrics;

class TOpenedSets : public QObject {
  Q_DECLARE_TR_FUNCTIONS(TOpenedSets)

public:
  // Placed is told each set that now lies in a card folder (added, replaced or already there);
  // a set the player chose to keep out changes nothing and is not told.
  using TPlaced = std::function<void(const TInstalledSet& Set)>;

  TOpenedSets(TCardFolderPair Folders, TPlaced Placed, QObject* Parent = nullptr);
  // A set still being checked is refused at its next step, and its copy taken away.
  ~TOpenedSets() override;

  // Queues the set at Path; it is checked once those before it are placed. The check starts at
  // once, but placing waits while a modal window is open, so a question never comes beneath one.
  void Open(const QString& Path);

  // The status line's words for a set that was placed, its title elided in the middle to fit
  // Room pixels of Metrics; ForNextGame adds that a game in progress keeps its cards.
  static QString StatusText(TInstallOutcome Outcome, const QString& Title, bool ForNextGame,
                            const QFontMetrics& Metrics, int Room);

private:
  void CheckNext();
  // The slow half has ended on its thread: Staged holds the checked copy, or Refusal says why
  // the set cannot be used.
  void Checked(const std::shared_ptr<TStagedSet>& Staged, const QString& Refusal);
  void Place(TStagedSet Staged);

  TCardFolderPair FFolders;
  TPlaced FPlaced;
  std::deque<QString> FWaiting; // oldest first
  bool FBusy = false;
  // Last, so it is stopped and joined before anything it reports to goes.
  std::jthread FCheck;
};
