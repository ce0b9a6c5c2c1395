#include "PopUpWiring.h"

#include "BrowseDWF.h"
#include "BuilderLauncher.h"
#include "KVRStream.h"
#include "Language.h"
#include "MainF.h"
#include "SkinEntries.h"
#include "aboutf.h"
#include "helpf.h"
#include "popUpF.h"
#include "scoref.h"

#include <QImage>

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

} // namespace

std::unique_ptr<IPopUpWindows> CreatePopUpWindows(TSkinReader& Skin, TMainForm& MainForm) {
  try {
    return std::make_unique<TAppPopUps>(Skin, MainForm);
  } catch (const EKVResError& error) {
    throw ESkinError(error.what());
  }
}
