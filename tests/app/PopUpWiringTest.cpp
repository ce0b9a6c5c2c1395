// The main window with the real secondary windows: the score screen ends a game, help and the
// card builder's browse dialog open modally and the program goes on after them.
#include "AppFixtures.h"

#include "BoardGrid.h"
#include "KVImageMap.h"
#include "KVRStream.h"
#include "OptionsPanel.h"
#include "PictureImage.h"
#include "PopUpWiring.h"
#include "scoref.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace apptest;

namespace {

// Closes the next modal window once it is up and remembers its class.
class TModalCloser {
public:
  TModalCloser() {
    QTimer::singleShot(0, [this] { Close(); });
  }
  QString ClassName;
  QStringList Texts;

private:
  void Close() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
      if (++FTries < 200)
        QTimer::singleShot(10, [this] { Close(); });
      return;
    }
    ClassName = QString::fromLatin1(modal->metaObject()->className());
    for (const QLabel* label : modal->findChildren<QLabel*>())
      Texts << label->text();
    modal->close();
  }
  int FTries = 0;
};

class PopUpWiringTest : public ::testing::Test {
protected:
  TMainForm& Create() {
    TMainForm& form = Rig.Create();
    auto skin = OpenSkin();
    PopUps = CreatePopUpWindows(*skin, form);
    form.SetPopUps(PopUps.get());
    return form;
  }
  // The pop-ups go before the window does.
  void TearDown() override { Rig.Form().SetPopUps(nullptr); }

  TMainFormRig Rig;
  std::unique_ptr<IPopUpWindows> PopUps;
};

TEST_F(PopUpWiringTest, LastPairShowsTheScoreScreenAndTheGameEndsAfterIt) {
  TMainForm& form = Create();
  form.OptionsPanel->ComputerCheck->setChecked(false);
  form.OptionsPanel->Player1Edit->setText("Ann");
  form.OptionsPanel->Player2Edit->setText("Bob");
  ClickArea(*form.PanelMap, "play");
  TModalCloser closer;
  for (int step = 0; step < 40 && form.Game().State().GameActive; ++step) {
    if (ElapseRevealTimer(form))
      continue;
    const TCellPair pair = FaceDownPair(form.Game());
    ClickCell(form, pair.First.x(), pair.First.y());
    ClickCell(form, pair.Second.x(), pair.Second.y());
  }
  EXPECT_EQ(closer.ClassName, "TScoreForm");
  EXPECT_TRUE(closer.Texts.contains("Ann")) << closer.Texts.join('|').toStdString();
  EXPECT_EQ(form.Label1->text(), "The winner is: Ann");
  EXPECT_FALSE(form.Game().State().GameActive);
  // The game can start again afterwards.
  ClickArea(*form.PanelMap, "play");
  EXPECT_TRUE(form.Game().State().GameActive);
}

TEST_F(PopUpWiringTest, HelpAndAboutOpenModallyAndTheWindowGoesOn) {
  TMainForm& form = Create();
  {
    TModalCloser closer;
    ClickArea(*form.ExitMap, "help");
    EXPECT_EQ(closer.ClassName, "Thelpform");
  }
  {
    TModalCloser closer;
    QTest::mouseClick(form.CopyRightImage, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(closer.ClassName, "TAboutForm");
  }
  EXPECT_TRUE(form.isVisible());
}

TEST_F(PopUpWiringTest, BuilderMissingAsksForItAndCancellingKeepsTheProgram) {
  TMainForm& form = Create();
  form.Settings().BuilderPath = Rig.Folder.Path() + "no-such-builder";
  ClickArea(*form.PanelMap, "options");
  TModalCloser closer;
  QTest::mouseClick(form.OptionsPanel->DKWRBtn, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(closer.ClassName, "TBrowseDWForm");
  EXPECT_TRUE(form.isVisible());
}

} // namespace
