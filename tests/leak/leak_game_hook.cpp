// Linked into a copy of the game built from its own main(): once the main window has painted,
// it plays the way a player would (a new game, two cards, the help and about windows opened
// and closed, back to the options) and then closes the window with its own exit button, so the
// program ends through its ordinary path and the leak checker sees everything the run left behind.
#include "MainF.h"
#include "popUpF.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <utility>

#include <unistd.h>

namespace {

// A run that never gets as far as the main window (a message box waiting for a click) must
// not hang the check.
constexpr int GiveUpMs = 60000;
// The longest wait for the computer's turn to end, for the player's two cards to settle and
// for a pop-up to come up.
constexpr int TurnWaitMs = 20000;
constexpr int PollMs = 50;

[[noreturn]] void GiveUp(const char* Why) {
  std::fprintf(stderr, "leak_game: %s\n", Why);
  std::fflush(stderr);
  _exit(2);
}

TMainForm* FindMainForm() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* form = dynamic_cast<TMainForm*>(widget))
      return form;
  return nullptr;
}

// Calls Then once Ready holds, polling; gives up with Why after TurnWaitMs.
template <typename TReady, typename TThen>
void WhenReady(TMainForm* Form, const char* Why, TReady Ready, TThen Then, int WaitedMs = 0) {
  if (Ready()) {
    Then();
    return;
  }
  if (WaitedMs >= TurnWaitMs)
    GiveUp(Why);
  QTimer::singleShot(PollMs, Form, [=] { WhenReady(Form, Why, Ready, Then, WaitedMs + PollMs); });
}

// The pop-up on screen, or none.
TPopUpform* ShownPopUp() {
  auto* popUp = dynamic_cast<TPopUpform*>(QApplication::activeModalWidget());
  return popUp != nullptr && popUp->isVisible() ? popUp : nullptr;
}

// Presses the close button of the next pop-up as soon as it is up, as the player would. Called
// before the pop-up is opened: showing it runs its own event loop, in which the wait goes on.
void CloseNextPopUp(TMainForm* Form) {
  WhenReady(
      Form, "no pop-up came up", [] { return ShownPopUp() != nullptr; },
      [] { ShownPopUp()->CloseBtnClick(nullptr); });
}

void CloseGame(TMainForm* Form) {
  std::printf("leak_game: played, closing\n");
  std::fflush(stdout);
  Form->PanelMapMapClick(QStringLiteral("exit"));
}

void OpenPopUps(TMainForm* Form) {
  CloseNextPopUp(Form);
  Form->ExitMapMapClick(QStringLiteral("help"));
  CloseNextPopUp(Form);
  Form->CopyRightImageClick();
  // Back to the options panel, which abandons the game, before the close.
  Form->PanelMapMapClick(QStringLiteral("options"));
  CloseGame(Form);
}

// The first face-down cell from Skip on in reading order, as a column and row.
std::pair<int, int> FaceDownCell(const GameState& State, std::pair<int, int> Skip = {-1, -1}) {
  for (int row = 0; row < State.Cells.Rows; ++row)
    for (int col = 0; col < State.Cells.Cols; ++col)
      if (State.Cells.StateAt(col, row) == CellState::FaceDown && std::pair(col, row) != Skip)
        return {col, row};
  GiveUp("no face-down card");
}

// The player turns two cards; once they have turned back or left the board, the pop-ups come.
void TurnTwoCards(TMainForm* Form) {
  const GameState& state = Form->Game().State();
  const auto first = FaceDownCell(state);
  const auto second = FaceDownCell(state, first);
  Form->MGridSelectCell(first.first, first.second);
  Form->MGridSelectCell(second.first, second.second);
  if (state.Cells.StateAt(first.first, first.second) != CellState::FaceUp)
    GiveUp("the card did not turn");
  WhenReady(
      Form, "the two cards did not settle",
      [&state, first] {
        return state.Cells.StateAt(first.first, first.second) != CellState::FaceUp;
      },
      [Form] { OpenPopUps(Form); });
}

void Play() {
  TMainForm* form = FindMainForm();
  if (form == nullptr)
    GiveUp("no main window");
  form->PanelMapMapClick(QStringLiteral("play"));
  // The computer may have the first turn.
  const GameState& state = form->Game().State();
  WhenReady(
      form, "the computer's turn did not end",
      [&state] { return state.InputEnabled && state.GameActive && state.PickNo == 1; },
      [form] { TurnTwoCards(form); });
}

// Starts the play once, after the main window's first paint.
class TFirstPaintStart : public QObject {
protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    if (Event->type() == QEvent::Paint && dynamic_cast<TMainForm*>(Watched) != nullptr) {
      qApp->removeEventFilter(this);
      QTimer::singleShot(0, Play);
    }
    return QObject::eventFilter(Watched, Event);
  }
};

void InstallStart() {
  auto* start = new TFirstPaintStart;
  start->setParent(qApp);
  qApp->installEventFilter(start);
  QTimer::singleShot(GiveUpMs, [] { GiveUp("gave up waiting for the game"); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallStart)
