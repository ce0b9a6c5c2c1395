// Whole games played through the window: clicks on the board, the reveal timer, the status
// line, the score screen, GIF overlays, sounds and the failures a game can meet.
#include "AppFixtures.h"

#include "BoardGrid.h"
#include "CardSetLoader.h"
#include "FaceOverlay.h"
#include "KVImageMap.h"
#include "KVUtils.h"
#include "OptionsPanel.h"
#include "Product.h"
#include "SkinLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace apptest;

namespace {

void PickPair(TMainForm& Form, const TCellPair& Cells) {
  ClickCell(Form, Cells.First.x(), Cells.First.y());
  ClickCell(Form, Cells.Second.x(), Cells.Second.y());
}

// Plays until the score screen has been shown: the humans always find a pair, the computer
// plays its own turns when the timer elapses.
void PlayToTheEnd(TMainFormRig& Rig) {
  TMainForm& form = Rig.Form();
  for (int step = 0; step < 500 && Rig.PopUps.Scores.empty(); ++step) {
    if (ElapseRevealTimer(form))
      continue;
    ASSERT_TRUE(form.Game().State().InputEnabled);
    PickPair(form, FaceDownPair(form.Game()));
  }
}

TEST(GameOnScreen, HumanAgainstTheComputerToTheScoreScreen) {
  TMainFormRig rig;
  TMainForm& form = rig.Create();
  form.OptionsPanel->Player1Edit->setText("Ann");
  ClickArea(*form.PanelMap, "play");
  ASSERT_TRUE(form.Game().State().GameActive);
  // The computer opens: its two picks are on the board and the timer runs.
  EXPECT_TRUE(form.Timer1().isActive());
  EXPECT_TRUE(form.Label1->text().startsWith("Computer (pairs: "));
  PlayToTheEnd(rig);
  ASSERT_EQ(rig.PopUps.Scores.size(), 1u);
  const TScoreShown& score = rig.PopUps.Scores[0];
  EXPECT_EQ(score.Names[0], "Computer");
  EXPECT_EQ(score.Names[1], "Ann");
  EXPECT_EQ(score.Pairs[0] + score.Pairs[1], 8);
  EXPECT_TRUE(score.AdvertShown);
  EXPECT_EQ(score.AdLink, "https://www.kovalent.example/cards/animations");
  const QString verdict = score.Winner == "No winner"
                              ? QStringLiteral("No winner")
                              : "The winner is: " + QString::fromStdString(score.Winner);
  EXPECT_EQ(form.Label1->text(), verdict);
  // After the game the board stays, every face shown.
  EXPECT_TRUE(form.MGrid->isVisible());
  EXPECT_FALSE(form.Game().State().GameActive);
  EXPECT_FALSE(form.Panel1->isVisible());
}

TEST(GameOnScreen, TwoHumansSharingTheHighestCountGiveNoWinner) {
  TMainFormRig rig;
  TMainForm& form = rig.Create();
  ChooseItem(*form.OptionsPanel->CardsBox, "Wallpapers");
  form.OptionsPanel->ComputerCheck->setChecked(false);
  ClickArea(*form.PanelMap, "play");
  ASSERT_TRUE(form.Game().State().InputEnabled);
  EXPECT_EQ(form.Label1->text(), "Player 1 (pairs: 0)");

  for (int i = 0; i < 4; ++i) {
    PickPair(form, FaceDownPair(form.Game()));
    EXPECT_EQ(form.Label1->text(), QString("Player 1 (pairs: %1)").arg(i + 1));
    // A matched pair stays face up for the whole delay, then is removed.
    const TurnPick pick = form.Game().State().TurnPicks[1];
    EXPECT_EQ(form.Game().Cells().StateAt(pick.Col, pick.Row), CellState::FaceUp);
    EXPECT_TRUE(ElapseRevealTimer(form));
    EXPECT_EQ(form.Game().Cells().StateAt(pick.Col, pick.Row), CellState::Removed);
  }
  PickPair(form, FaceDownMiss(form.Game()));
  // The status changes only after the delay.
  EXPECT_EQ(form.Label1->text(), "Player 1 (pairs: 4)");
  EXPECT_TRUE(ElapseRevealTimer(form));
  EXPECT_EQ(form.Label1->text(), "Player 2 (pairs: 0)");
  for (int i = 0; i < 4; ++i) {
    PickPair(form, FaceDownPair(form.Game()));
    EXPECT_TRUE(ElapseRevealTimer(form));
  }
  ASSERT_EQ(rig.PopUps.Scores.size(), 1u);
  EXPECT_EQ(rig.PopUps.Scores[0].Winner, "No winner");
  EXPECT_EQ(form.Label1->text(), "No winner");
  EXPECT_EQ(rig.PopUps.Scores[0].Pairs, (std::vector<int>{4, 4, 0, 0, 0}));
}

TEST(GameOnScreen, SweepingAcrossTheBoardTurnsTheFirstTwoFaceDownCells) {
  TMainFormRig rig;
  TMainForm& form = rig.Create();
  form.OptionsPanel->ComputerCheck->setChecked(false);
  ClickArea(*form.PanelMap, "play");
  TBoardGrid& grid = *form.MGrid;
  QTest::mousePress(&grid, Qt::LeftButton, {}, grid.CellRect(0, 0).center());
  QTest::mouseMove(&grid, grid.CellRect(1, 0).center());
  QTest::mouseMove(&grid, grid.CellRect(2, 0).center());
  QTest::mouseRelease(&grid, Qt::LeftButton, {}, grid.CellRect(2, 0).center());
  const Board& cells = form.Game().Cells();
  EXPECT_EQ(cells.StateAt(0, 0), CellState::FaceUp);
  EXPECT_EQ(cells.StateAt(1, 0), CellState::FaceUp);
  EXPECT_EQ(cells.StateAt(2, 0), CellState::FaceDown);
  EXPECT_EQ(form.Game().State().PickNo, 3);
}

TEST(GameOnScreen, GifFacesShowInTheirOverlaysUntilTheDelayEnds) {
  TMainFormRig rig;
  TMainForm& form = rig.Create();
  form.OptionsPanel->ComputerCheck->setChecked(false);
  ClickArea(*form.PanelMap, "play");
  const TCellPair miss = FaceDownMiss(form.Game());
  ClickCell(form, miss.First.x(), miss.First.y());
  EXPECT_TRUE(form.Panel1->isVisible());
  EXPECT_FALSE(form.Panel2->isVisible());
  const QRect first = form.MGrid->CellRect(miss.First.x(), miss.First.y());
  EXPECT_EQ(form.Panel1->geometry(), first.translated(form.MGrid->pos()));
  EXPECT_GT(form.Panel1->FrameCount(), 1);
  ClickCell(form, miss.Second.x(), miss.Second.y());
  EXPECT_TRUE(form.Panel2->isVisible());
  // The animation plays while shown.
  const int frame = form.Panel1->CurrentFrame();
  QTest::qWait(350);
  EXPECT_NE(form.Panel1->CurrentFrame(), frame);
  EXPECT_TRUE(ElapseRevealTimer(form));
  EXPECT_FALSE(form.Panel1->isVisible());
  EXPECT_FALSE(form.Panel2->isVisible());
}

TEST(GameOnScreen, OptionsWhileAPairIsShownAbandonsTheGame) {
  TMainFormRig rig;
  TMainForm& form = rig.Create();
  form.OptionsPanel->ComputerCheck->setChecked(false);
  ClickArea(*form.PanelMap, "play");
  PickPair(form, FaceDownPair(form.Game()));
  ASSERT_TRUE(form.Timer1().isActive());
  ClickArea(*form.PanelMap, "options");
  EXPECT_FALSE(form.Timer1().isActive());
  EXPECT_FALSE(form.Panel1->isVisible());
  EXPECT_FALSE(form.Game().State().GameActive);
  EXPECT_TRUE(rig.PopUps.Scores.empty());
  EXPECT_EQ(form.size(), skinlayout::mainform::Client);
  // The shown pair was never closed.
  const auto& picks = form.Game().State().TurnPicks;
  EXPECT_EQ(form.Game().Cells().StateAt(picks[1].Col, picks[1].Row), CellState::FaceUp);
}

// The set for the ears: each card turned plays its clip too, under the same conditions.
TEST(GameOnScreen, SoundsPlayOnlyWhenOnAndBothFilesAndTheModuleAreThere) {
  struct Case {
    bool Good, Bad, Module, SoundOn;
    int Expected;
  };
  for (const Case c : {Case{true, true, true, true, 1}, Case{true, false, true, true, 0},
                       Case{false, true, true, true, 0}, Case{true, true, true, false, 0},
                       Case{true, true, false, true, 0}}) {
    TMainFormRig rig;
    rig.Folder.AddSoundFiles(c.Good, c.Bad, c.Module);
    TMainForm& form = rig.Create();
    EXPECT_EQ(form.SoundReady(), c.Good && c.Bad && c.Module);
    form.OptionsPanel->ComputerCheck->setChecked(false);
    form.OptionsPanel->SoundCheck->setChecked(c.SoundOn);
    ChooseItem(*form.OptionsPanel->CardsBox, "Animal words to hear");
    ClickArea(*form.PanelMap, "play");
    PickPair(form, FaceDownPair(form.Game()));
    EXPECT_EQ(form.SoundsPlayed(), c.Expected) << c.Good << c.Bad << c.Module << c.SoundOn;
    EXPECT_EQ(form.ClipsPlayed(), 2 * c.Expected);
  }
}

TEST(GameOnScreen, JpegFacesArePaintedIntoTheirCells) {
  TMainFormRig rig;
  TMainForm& form = rig.Create();
  ChooseItem(*form.OptionsPanel->CardsBox, "Wallpapers");
  form.OptionsPanel->ComputerCheck->setChecked(false);
  ClickArea(*form.PanelMap, "play");
  const TCellPair pair = FaceDownPair(form.Game());
  const QImage before = form.MGrid->grab().toImage();
  ClickCell(form, pair.First.x(), pair.First.y());
  EXPECT_FALSE(form.Panel1->isVisible());
  const QImage after = form.MGrid->grab().toImage();
  const QPoint inside = form.MGrid->CellRect(pair.First.x(), pair.First.y()).center();
  EXPECT_NE(before.pixel(inside), after.pixel(inside));
  // Other cells keep the card back.
  const QPoint other = form.MGrid->CellRect(pair.Second.x(), pair.Second.y()).center();
  EXPECT_EQ(before.pixel(other), after.pixel(other));
  // A removed cell shows the window's centre tile, not the back.
  ClickCell(form, pair.Second.x(), pair.Second.y());
  ElapseRevealTimer(form);
  const QImage removed = form.MGrid->grab().toImage();
  EXPECT_NE(removed.pixel(inside), before.pixel(inside));
  EXPECT_NE(removed.pixel(inside), after.pixel(inside));
}

TEST(GameOnScreen, SetWithTooFewFacesIsRefusedWithItsMessage) {
  TMainFormRig rig(false);
  QList<QByteArray> faces;
  for (int i = 0; i < 5; ++i)
    faces << BmpBytes(Solid({40, 30}, QColor::fromHsv(i * 50, 200, 200)));
  WriteCardSet(rig.Folder.CardsDir() + "tiny.crd", "Tiny", 3, faces, {40, 30});
  TMainForm& form = rig.Create();
  ClickArea(*form.PanelMap, "play");
  EXPECT_FALSE(form.Game().State().GameActive);
  EXPECT_FALSE(form.MGrid->isVisible());
  EXPECT_TRUE(form.OptionsPanel->isVisible());
  ASSERT_EQ(rig.Messages.Shown.size(), 1u);
  EXPECT_EQ(rig.Messages.Shown[0].Text, QString::fromStdString(NotEnoughImagesText()));
}

TEST(GameOnScreen, EmptyCatalogueNamesTheFolderAndPlayStartsNothing) {
  TMainFormRig rig(false);
  TMainForm& form = rig.Create();
  EXPECT_EQ(form.OptionsPanel->CardsBox->count(), 0);
  EXPECT_TRUE(form.OptionsPanel->CardsBox->placeholderText().contains(form.CardsDir()));
  ClickArea(*form.PanelMap, "play");
  EXPECT_FALSE(form.Game().State().GameActive);
  EXPECT_TRUE(form.OptionsPanel->isVisible());
  ASSERT_EQ(rig.Messages.Shown.size(), 1u);
  EXPECT_TRUE(rig.Messages.Shown[0].Text.contains(form.CardsDir()));
  // Closing still saves without a set.
  rig.Destroy();
}

TEST(GameOnScreen, SetThatVanishedIsReportedAndTheProgramStaysUsable) {
  TMainFormRig rig(false);
  QList<QByteArray> faces;
  for (int i = 0; i < 8; ++i)
    faces << BmpBytes(Solid({40, 30}, QColor::fromHsv(i * 40, 200, 200)));
  const QString path = rig.Folder.CardsDir() + "gone.crd";
  WriteCardSet(path, "Gone", 3, faces, {40, 30});
  TMainForm& form = rig.Create();
  QFile::remove(path);
  ClickArea(*form.PanelMap, "play");
  EXPECT_FALSE(form.Game().State().GameActive);
  EXPECT_TRUE(form.OptionsPanel->isVisible());
  ASSERT_EQ(rig.Messages.Shown.size(), 1u);
  EXPECT_TRUE(rig.Messages.Shown[0].Text.contains("gone.crd"))
      << rig.Messages.Shown[0].Text.toStdString();
  EXPECT_EQ(rig.Messages.Shown[0].Caption, product::Title);
  EXPECT_EQ(rig.Messages.Shown[0].Flags & MB_ICONMASK, MB_ICONERROR);
  // Writing it back makes the game playable again.
  WriteCardSet(path, "Gone", 3, faces, {40, 30});
  ClickArea(*form.PanelMap, "play");
  EXPECT_TRUE(form.Game().State().GameActive);
}

TEST(GameOnScreen, DamagedGifFaceIsReportedWhenTurnedAndTheGameEnds) {
  TMainFormRig rig(false);
  QList<QByteArray> faces;
  for (int i = 0; i < 8; ++i) {
    QByteArray gif = GifBytes({60, 40}, 2);
    // Keep the signature and screen size, cut the picture data.
    faces << gif.left(30);
  }
  WriteCardSet(rig.Folder.CardsDir() + "broken.crd", "Broken", 1, faces);
  TMainForm& form = rig.Create();
  form.OptionsPanel->ComputerCheck->setChecked(false);
  ClickArea(*form.PanelMap, "play");
  ASSERT_TRUE(form.Game().State().GameActive)
      << (rig.Messages.Shown.empty() ? std::string() : rig.Messages.Shown[0].Text.toStdString());
  ClickCell(form, 0, 0);
  QCoreApplication::processEvents();
  ASSERT_EQ(rig.Messages.Shown.size(), 1u);
  EXPECT_FALSE(form.Game().State().GameActive);
  EXPECT_TRUE(form.OptionsPanel->isVisible());
  EXPECT_FALSE(form.Panel1->isVisible());
}

} // namespace
