#include "PopUpWiring.h"

#include "BrowseDWF.h"
#include "BuilderLauncher.h"
#include "Language.h"
#include "MainF.h"
#include "SkinEntries.h"
#include "SkinLayout.h"
#include "aboutf.h"
#include "helpf.h"
#include "popUpF.h"
#include "scoref.h"

#include <QImage>

#include <initializer_list>

namespace {

class TAppPopUps : public IPopUpWindows {
public:
  TAppPopUps(TSkinReader& Skin, TMainForm& MainForm)
      : FPopUpBase(Skin), FScore(Skin), FAbout(Skin), FHelp(Skin),
        FLauncher(MainForm.Settings(), FBrowse, [&MainForm] { MainForm.close(); }) {
    FScore.SetBuilderPicture(QImage(LocalizedFile(
        QStringLiteral(":/"), QStringLiteral("dkwrbtn-score.png"), language::Current())));
    FScore.SetBuilderLauncher(&FLauncher);
  }

  void ShowHelp() override { FHelp.ShowModal(); }
  void ShowAbout() override { FAbout.ShowModal(); }
  void ShowScore(const GameEngine& Game, const QImage& Advert, const QString& AdLink) override {
    FScore.SetGame(&Game.State());
    FScore.SetAdvert(Advert, AdLink);
    FScore.ShowModal();
  }
  void LaunchBuilder() override { FLauncher.DKWRBtnClick(nullptr); }

private:
  // Built and skinned like every pop-up, and never shown.
  TPopUpform FPopUpBase;
  TScoreForm FScore;
  TAboutForm FAbout;
  Thelpform FHelp;
  TBrowseDWForm FBrowse;
  TBuilderLauncher FLauncher;
};

// Every entry the windows read, in the order they read them: the pop-up base's title strip,
// frame slots and close button, then the titles of the score screen, the about box and help.
constexpr std::initializer_list<int> PopUpEntries = {skinlayout::entry::PopUpTitleStrip,
                                                     skinlayout::entry::PopUpLeftRail,
                                                     skinlayout::entry::PopUpRightRail,
                                                     skinlayout::entry::PopUpBottom,
                                                     skinlayout::entry::Felt,
                                                     skinlayout::entry::PopUpCloseButton,
                                                     skinlayout::score::TitleEntry,
                                                     skinlayout::about::TitleEntry,
                                                     skinlayout::help::TitleEntry};

} // namespace

TPopUpWindows::TPopUpWindows(TSkinReader& Skin, TMainForm& MainForm)
    : FSkin(Skin, PopUpEntries), FMainForm(MainForm) {}

TPopUpWindows::~TPopUpWindows() = default;

void TPopUpWindows::Build() {
  if (FWindows != nullptr)
    return;
  // The windows take the hands' shapes as they are built: a hand not yet registered would stay
  // the arrow in them.
  language::InstallDeferred();
  FMainForm.FinishCreate();
  // A message shown while the window was finished runs start-up's own call in its event loop.
  if (FWindows == nullptr)
    FWindows = std::make_unique<TAppPopUps>(FSkin, FMainForm);
}

void TPopUpWindows::ShowHelp() {
  Build();
  FWindows->ShowHelp();
}

void TPopUpWindows::ShowAbout() {
  Build();
  FWindows->ShowAbout();
}

void TPopUpWindows::ShowScore(const GameEngine& Game, const QImage& Advert, const QString& AdLink) {
  Build();
  FWindows->ShowScore(Game, Advert, AdLink);
}

void TPopUpWindows::LaunchBuilder() {
  Build();
  FWindows->LaunchBuilder();
}

std::unique_ptr<TPopUpWindows> CreatePopUpWindows(TSkinReader& Skin, TMainForm& MainForm) {
  return std::make_unique<TPopUpWindows>(Skin, MainForm);
}
