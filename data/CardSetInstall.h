// Adding a card set the player opened from outside the game (a file manager, the command line,
// a drop on the window) to the user's card folder, where the catalogue lists it.
#pragma once

#include "CardSetHeader.h"

#include <QString>
#include <QtGlobal>

#include <chrono>
#include <functional>
#include <memory>
#include <stop_token>

// The two folders the catalogue lists, each ending in '/': the program's and the user's.
struct TCardFolderPair {
  QString Program;
  QString User; // empty when the user has no data folder
};

enum class TInstallOutcome {
  Added,    // copied into the user's folder under a name that was free
  Replaced, // a different set of that name was there, and the player let it be replaced
  Present,  // the very set is already in a card folder (a copy of the same bytes, or itself)
  Kept,     // a different set of that name was there, and the player kept it: nothing changed
};

struct TInstalledSet {
  TInstallOutcome Outcome = TInstallOutcome::Kept;
  QString FileName;      // the set in its card folder (folder + name); empty when Kept
  TCardSetHeader Header; // its header record as the catalogue reads it
};

// Asked before a different set of the file name Name is replaced; true replaces it.
using TAskReplace = std::function<bool(const QString& Name)>;

// The largest card-set file taken in: every face of a 60-pair game at the largest size a face
// may decode to would not reach it.
inline constexpr qint64 MaxCardSetFileBytes = qint64(1024) * 1024 * 1024;
// How long checking the faces of a set may take before the set is refused.
inline constexpr std::chrono::seconds CardSetCheckTime{20};

// Opens the file Path from outside without waiting (a pipe or a device is refused, not read),
// copies at most MaxCardSetFileBytes of it into a hidden folder inside Folders.User, and checks
// the copy as the catalogue and a new game read it: header, advert, card back, every face (see
// TCardSetLoader::CheckFaces, with Deadline), and at least 8 faces for the smallest game. The
// copy then takes the first free name of Name.crd, Name-2.crd, ... Name-9.crd (".crd" is added
// when Path lacks it): a name taken by an identical set selects that set instead; a name the
// program's folder holds is never replaced; a name the user's folder holds for a different set
// is replaced only when AskReplace agrees, atomically. A set that lies in one of the card
// folders already is checked where it is and not copied. Throws ECardSetError, whose text is
// fit for the player, when the set is refused or cannot be copied; nothing is left behind then.
TInstalledSet
InstallCardSet(const QString& Path, const TCardFolderPair& Folders, const TAskReplace& AskReplace,
               std::chrono::steady_clock::time_point Deadline = std::chrono::steady_clock::now() +
                                                                CardSetCheckTime);

// A set InstallCardSet's slow half has copied and checked, not yet under a name of the card
// folder. Whoever holds it may place it; dropped unplaced, it takes its copy and any folder made
// for it away.
class TStagedSet {
public:
  TStagedSet();
  ~TStagedSet();
  TStagedSet(TStagedSet&&) noexcept;
  TStagedSet& operator=(TStagedSet&&) noexcept;

private:
  friend TStagedSet StageCardSet(const QString&, const TCardFolderPair&,
                                 std::chrono::steady_clock::time_point, std::stop_token);
  friend TInstalledSet PlaceCardSet(TStagedSet, const TCardFolderPair&, const TAskReplace&);
  struct TParts;
  std::unique_ptr<TParts> F;
};

// InstallCardSet in two halves, so that reading every face can run away from the window while
// the question about a namesake is asked where windows live. StageCardSet opens, copies and
// checks, on any thread; a stop requested through Stop refuses the set like a passed deadline.
// PlaceCardSet names the checked copy. Both throw ECardSetError as InstallCardSet does.
TStagedSet StageCardSet(const QString& Path, const TCardFolderPair& Folders,
                        std::chrono::steady_clock::time_point Deadline, std::stop_token Stop = {});
TInstalledSet PlaceCardSet(TStagedSet Staged, const TCardFolderPair& Folders,
                           const TAskReplace& AskReplace);

// Takes away what copies of the game killed while staging a set left in UserFolder (the user's
// card folder): hidden staging folders whose lock no running copy holds, and those without a
// lock once they are an hour old. A folder another running copy uses stays. Called at start.
void RemoveStaleStagedSets(const QString& UserFolder);
