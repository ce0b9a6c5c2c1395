// Linked into a copy of the game built from its own main(): once the main window has painted,
// it plays the way a player would (a new game, two cards, the help and about windows opened
// and closed) and then closes the window with its own exit button, so the program ends
// through its ordinary path and the leak checker sees everything the run left behind.
#include "MainF.h"
#include "popUpF.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#include <unistd.h>

namespace {

// A run that never gets as far as the main window (a message box waiting for a click) must
// not hang the check.
constexpr int GiveUpMs = 60000;
// The longest wait for the two cards to turn back; the computer's turns may follow.
constexpr int RevealWaitMs = 6000;
constexpr int PollMs = 50;
// Time for a pop-up to show before its close button is pressed.
constexpr int PopUpShownMs = 150;

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

// Presses the close button of whichever pop-up is up, as the player would.
void CloseShownPopUp() {
  auto* popUp = dynamic_cast<TPopUpform*>(QApplication::activeModalWidget());
  if (popUp == nullptr)
    GiveUp("no pop-up came up");
  popUp->CloseBtnClick(nullptr);
}

void CloseGame(TMainForm* Form) {
  std::printf("leak_game: played, closing\n");
  std::fflush(stdout);
  Form->PanelMapMapClick(QStringLiteral("exit"));
}

void OpenPopUps(TMainForm* Form) {
  QTimer::singleShot(PopUpShownMs, CloseShownPopUp);
  Form->ExitMapMapClick(QStringLiteral("help"));
  QTimer::singleShot(PopUpShownMs, CloseShownPopUp);
  Form->CopyRightImageClick();
  CloseGame(Form);
}

void WaitForCardsBack(TMainForm* Form, int WaitedMs) {
  if (!Form->Timer1().isActive() || WaitedMs >= RevealWaitMs) {
    OpenPopUps(Form);
    return;
  }
  QTimer::singleShot(PollMs, Form, [Form, WaitedMs] { WaitForCardsBack(Form, WaitedMs + PollMs); });
}

void Play() {
  TMainForm* form = FindMainForm();
  if (form == nullptr)
    GiveUp("no main window");
  form->PanelMapMapClick(QStringLiteral("play"));
  form->MGridSelectCell(0, 0);
  form->MGridSelectCell(1, 0);
  WaitForCardsBack(form, 0);
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
