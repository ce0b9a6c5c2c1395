// The main window against the generated skin: start-up state, commands by area, layout,
// dragging, closing and the settings it keeps.
#include "AppFixtures.h"

#include "BoardGrid.h"
#include "FaceOverlay.h"
#include "KVCursors.h"
#include "KVImageCtrl.h"
#include "KVImageMap.h"
#include "KVPicture.h"
#include "KVRStream.h"
#include "KVRWriter.h"
#include "KVShell.h"
#include "KVUtils.h"
#include "OptionsPanel.h"
#include "Product.h"
#include "SkinEntries.h"
#include "SkinLayout.h"
#include "TesseloApplication.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <initializer_list>
#include <utility>

#include <gtest/gtest.h>

using namespace apptest;

namespace {

TEST(MainFormStart, ShowsTheCoverInABorderlessCentredWindow) {
  TMainFormRig rig;
  TMainForm& form = rig.Create();
  EXPECT_EQ(form.size(), skinlayout::mainform::Client);
  EXPECT_EQ(form.pos(), QPoint(267, 144));
  EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(form.windowTitle(), product::Title);
  EXPECT_TRUE(form.CoverPanel->isVisible());
  EXPECT_EQ(form.CoverPanel->geometry(),
            QRect(skinlayout::mainform::CoverPlace, skinlayout::mainform::CoverSize));
  EXPECT_FALSE(form.OptionsPanel->isVisible());
  EXPECT_FALSE(form.MGrid->isVisible());
  EXPECT_TRUE(form.CopyRightImage->isVisible());
  EXPECT_EQ(form.Label1->text(), "Welcome");
  EXPECT_EQ(form.Label1->y(), 424);
  EXPECT_EQ(form.Label1->x(), (form.width() - form.Label1->width()) / 2);
  EXPECT_TRUE(rig.Messages.Shown.empty());
}

TEST(MainFormStart, SkinPiecesTakeTheirPlaces) {
  TMainFormRig rig;
  TMainForm& form = rig.Create();
  EXPECT_EQ(form.ExitMap->geometry().topRight(), QPoint(489, 0));
  EXPECT_EQ(form.PanelMap->y() + form.PanelMap->height(), form.height());
  EXPECT_EQ(form.PanelMap->x(), (form.width() - form.PanelMap->width()) / 2);
  EXPECT_EQ(form.CopyRightImage->y() % 3, 1);
  EXPECT_EQ(form.OptionsPanel->pos(), skinlayout::options::Place);
  EXPECT_EQ(form.BgBevel->geometry(), form.rect());
  EXPECT_EQ(form.BgBevel->Count(), 9);
  EXPECT_EQ(form.CopyRightImage->toolTip(), "About");
  // The pictures carried inside the program: both hands and the builder strip.
  EXPECT_TRUE(TKVCursors::IsRegistered(TKVCursors::crHandMove));
  EXPECT_TRUE(TKVCursors::IsRegistered(TKVCursors::crHandPoint));
  EXPECT_EQ(TKVCursors::Cursor(TKVCursors::crHandPoint).hotSpot(), skinlayout::cursors::HotSpot);
  EXPECT_EQ(form.OptionsPanel->DKWRBtn->size(), skinlayout::options::BuilderStrip.size());
  EXPECT_EQ(form.ExitMap->Area(form.ExitMap->IndexOfArea("mini")).AreaHint, "Minimize");
  EXPECT_EQ(form.PanelMap->Area(form.PanelMap->IndexOfArea("play")).AreaHint, "Play");
  // The cover's link is both the hint and the target of its "ad" area.
  const TArea& ad = form.CoverMap->Area(form.CoverMap->IndexOfArea("ad"));
  EXPECT_TRUE(ad.AreaHint.startsWith("http")) << ad.AreaHint.toStdString();
}

// The hands are registered after the first picture; the controls built before it must show
// them then, not the arrow they resolved to.
TEST(MainFormStart, HandsRegisteredAfterTheFirstPictureReachTheControlsBuiltBefore) {
  TKVCursors::Clear();
  TMainFormRig rig;
  TMainForm& form = rig.Create(TestWorkArea, true, false);
  EXPECT_FALSE(TKVCursors::IsRegistered(TKVCursors::crHandMove));
  form.FinishCreate();
  for (QWidget* control :
       std::initializer_list<QWidget*>{form.BgBevel, form.Label1, form.ExitMap, form.PanelMap,
                                       form.CoverMap, form.CopyRightImage}) {
    EXPECT_EQ(control->cursor().shape(), Qt::BitmapCursor) << control->metaObject()->className();
    EXPECT_EQ(control->cursor().hotSpot(), skinlayout::cursors::HotSpot);
  }
}

TEST(MainFormStart, FirstRunShowsTheDefaultOptions) {
  // The game speaks English here, so a desktop writing "2,5" does not change its numbers.
  const QLocale desktop;
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  TMainFormRig rig;
  TMainForm& form = rig.Create();
  QLocale::setDefault(desktop);
  TOptionsPanel& panel = *form.OptionsPanel;
  EXPECT_EQ(panel.PairsBox->currentText(), "8");
  EXPECT_EQ(panel.DelayBox->currentText(), "2.5");
  EXPECT_TRUE(panel.SoundCheck->isChecked());
  EXPECT_TRUE(panel.ComputerCheck->isChecked());
  EXPECT_EQ(panel.IQSlider->Position(), 3);
  EXPECT_EQ(panel.Player1Edit->text(), "");
  EXPECT_EQ(panel.Player4Edit->text(), "");
  EXPECT_EQ(form.Timer1().interval(), 2500);
  // A coarse timer may end the delay a twentieth early.
  EXPECT_EQ(form.Timer1().timerType(), Qt::PreciseTimer);
  EXPECT_EQ(panel.CardsBox->count(), 5);
  EXPECT_EQ(panel.CardsBox->currentText(), "Animations");
}

TEST(MainFormCommands, OptionsPlayAndWindowButtonsByAreaName) {
  TMainFormRig rig;
  TMainForm& form = rig.Create();
  ClickArea(*form.PanelMap, "options");
  EXPECT_TRUE(form.OptionsPanel->isVisible());
  EXPECT_FALSE(form.CoverPanel->isVisible());
  EXPECT_EQ(form.Label1->text(), "Set Options");

  ClickArea(*form.ExitMap, "help");
  EXPECT_EQ(rig.PopUps.Help, 1);
  QTest::mouseClick(form.CopyRightImage, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(rig.PopUps.About, 1);
  QTest::mouseClick(form.OptionsPanel->DKWRBtn, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(rig.PopUps.Builder, 1);

  ClickArea(*form.PanelMap, "play");
  EXPECT_TRUE(form.MGrid->isVisible());
  EXPECT_FALSE(form.OptionsPanel->isVisible());
  EXPECT_FALSE(form.CopyRightImage->isVisible());
  EXPECT_TRUE(form.Game().State().GameActive);

  // Names are compared exactly.
  form.PanelMapMapClick("Options");
  form.PanelMapMapClick("PLAY ");
  EXPECT_TRUE(form.MGrid->isVisible());
  EXPECT_TRUE(form.Game().State().GameActive);
}

TEST(MainFormCommands, ExitAreasCloseTheWindowAndSaveTheSettings) {
  for (const bool fromTitleBar : {false, true}) {
    TMainFormRig rig;
    TMainForm& form = rig.Create();
    form.OptionsPanel->Player1Edit->setText("Ann");
    ClickArea(*form.PanelMap, "play");
    ClickArea(fromTitleBar ? *form.ExitMap : *form.PanelMap, "exit");
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Game().State().GameActive);
    const QByteArray saved = testsupport::ReadFileBytes(rig.Store.FilePath());
    EXPECT_TRUE(saved.contains("\"Player1\"=\"Ann\"")) << saved.left(400).toStdString();
  }
}

TEST(MainFormCommands, MinimiseButtonMinimisesTheWindow) {
  TMainFormRig rig;
  TMainForm& form = rig.Create();
  ClickArea(*form.ExitMap, "mini");
  EXPECT_TRUE(form.windowState() & Qt::WindowMinimized);
}

TEST(MainFormLayout, BoardSizesAndRecentresTheWindowOptionsRestoreIt) {
  TMainFormRig rig;
  TMainForm& form = rig.Create();
  form.move(10, 10);
  ClickArea(*form.PanelMap, "play");
  // 8 pairs of 120 x 90 on 1024 x 738: 4 x 4 cells, a 494-pixel window.
  EXPECT_EQ(form.size(), QSize(494, 455));
  EXPECT_EQ(form.MGrid->geometry(), QRect(5, 21, 484, 364));
  EXPECT_EQ(form.pos(), QPoint((1024 - 494) / 2, (738 - 455) / 2));
  EXPECT_EQ(form.Panel1->size(), QSize(120, 90));

  ClickArea(*form.PanelMap, "options");
  EXPECT_EQ(form.size(), skinlayout::mainform::Client);
  EXPECT_EQ(form.pos(), QPoint(267, 144));
  // Showing the options again at the same size leaves a dragged window where it is.
  form.move(40, 30);
  ClickArea(*form.PanelMap, "options");
  EXPECT_EQ(form.pos(), QPoint(40, 30));
}

TEST(MainFormLayout, LargeBoardShrinksOnASmallWorkArea) {
  TMainFormRig rig;
  TMainForm& form = rig.Create(QRect(0, 0, 800, 600));
  ChooseItem(*form.OptionsPanel->CardsBox, "Shapes and Colours");
  ChooseItem(*form.OptionsPanel->PairsBox, "60");
  ClickArea(*form.PanelMap, "play");
  ASSERT_TRUE(form.Game().State().GameActive) << rig.Messages.Shown.size();
  EXPECT_LE(form.width(), 800);
  EXPECT_LE(form.height(), 600);
  EXPECT_LT(form.CellSize().width(), 120);
  EXPECT_EQ(form.MGrid->width(), form.Game().Cells().Cols * (form.CellSize().width() + 1));
}

TEST(MainFormDrag, LeftPressOnBackgroundDragsRightButtonAndAreasDoNot) {
  TMainFormRig rig;
  TMainForm& form = rig.Create();
  const QPoint start = form.pos();
  // Press on the title bar map outside its buttons and move 30 px right, 20 px down.
  QTest::mousePress(form.ExitMap, Qt::LeftButton, {}, QPoint(2, 2));
  QTest::mouseMove(form.ExitMap, QPoint(32, 22));
  // The map moved with the window, so the pointer is back over the press point.
  QTest::mouseRelease(form.ExitMap, Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(form.pos(), start + QPoint(30, 20));

  const QPoint moved = form.pos();
  QTest::mousePress(form.ExitMap, Qt::RightButton, {}, QPoint(2, 2));
  QTest::mouseMove(form.ExitMap, QPoint(50, 50));
  QTest::mouseRelease(form.ExitMap, Qt::RightButton, {}, QPoint(50, 50));
  EXPECT_EQ(form.pos(), moved);

  const TArea& help = form.ExitMap->Area(form.ExitMap->IndexOfArea("help"));
  QTest::mousePress(form.ExitMap, Qt::LeftButton, {}, QPoint(help.Left + 2, help.Top + 2));
  QTest::mouseMove(form.ExitMap, QPoint(help.Left + 40, help.Top + 40));
  QTest::mouseRelease(form.ExitMap, Qt::LeftButton, {}, QPoint(help.Left + 40, help.Top + 40));
  EXPECT_EQ(form.pos(), moved);
}

// Regression: a drag under way when a modal window opened never got its release, so afterwards
// the window followed the pointer and the next click on a button was taken for the release.
TEST(MainFormDrag, ADragEndsWhenAModalWindowBlocksTheWindow) {
  TMainFormRig rig;
  TMainForm& form = rig.Create();
  QTest::mousePress(form.ExitMap, Qt::LeftButton, {}, QPoint(2, 2));
  {
    QDialog modal;
    modal.setModal(true);
    modal.show();
    QCoreApplication::processEvents();
  }
  const QPoint start = form.pos();
  QTest::mouseMove(form.ExitMap, QPoint(42, 32));
  EXPECT_EQ(form.pos(), start) << "the window does not follow the pointer";
  const TArea& help = form.ExitMap->Area(form.ExitMap->IndexOfArea("help"));
  const QPoint button(help.Left + 2, help.Top + 2);
  QTest::mousePress(form.ExitMap, Qt::LeftButton, {}, button);
  QTest::mouseRelease(form.ExitMap, Qt::LeftButton, {}, button);
  EXPECT_EQ(rig.PopUps.Help, 1) << "the next click is a click";
  EXPECT_EQ(form.pos(), start);
}

// The settings cannot be saved where a file stands in for their folder: the game starts as
// always, and says so once, when it closes, naming the file.
TEST(MainFormSettings, SettingsThatCannotBeSavedAreReportedOnceAtTheClose) {
  TMainFormRig rig;
  QFile blocker(rig.Folder.Path() + "config");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  rig.Create();
  EXPECT_TRUE(rig.Messages.Shown.empty());
  rig.Destroy();
  ASSERT_EQ(rig.Messages.Shown.size(), 1u);
  EXPECT_TRUE(rig.Messages.Shown[0].Text.startsWith("Your settings could not be saved."));
  EXPECT_TRUE(rig.Messages.Shown[0].Text.contains(rig.Store.FilePath()))
      << rig.Messages.Shown[0].Text.toStdString();
}

TEST(MainFormSettings, OptionsRoundTripThroughTheSettingsFile) {
  TMainFormRig rig;
  {
    TMainForm& form = rig.Create();
    TOptionsPanel& panel = *form.OptionsPanel;
    ChooseItem(*panel.CardsBox, "Shapes and Colours");
    ChooseItem(*panel.PairsBox, "21");
    panel.DelayBox->setCurrentIndex(0);
    panel.SoundCheck->setChecked(false);
    panel.ComputerCheck->setChecked(false);
    panel.IQSlider->SetPosition(9);
    panel.Player1Edit->setText("Ann");
    panel.Player2Edit->setText("");
    panel.Player3Edit->setText("Cleo");
    ClickArea(*form.PanelMap, "play");
    EXPECT_EQ(form.Timer1().interval(), 1000);
    rig.Destroy();
  }
  TMainForm& form = rig.Create();
  TOptionsPanel& panel = *form.OptionsPanel;
  EXPECT_EQ(panel.CardsBox->currentText(), "Shapes and Colours");
  EXPECT_EQ(panel.PairsBox->currentText(), "21");
  EXPECT_EQ(panel.DelayBox->currentText(), "1");
  EXPECT_FALSE(panel.SoundCheck->isChecked());
  EXPECT_FALSE(panel.ComputerCheck->isChecked());
  EXPECT_EQ(panel.IQSlider->Position(), 9);
  EXPECT_EQ(panel.Player1Edit->text(), "Ann");
  EXPECT_EQ(panel.Player2Edit->text(), "Player 2");
  EXPECT_EQ(panel.Player3Edit->text(), "Cleo");
  EXPECT_EQ(form.Timer1().interval(), 1000);
}

// Regression guard: the settings are loaded only once the first picture is on screen, and a
// window closed before that must not save the defaults over them.
TEST(MainFormSettings, AWindowClosedBeforeItIsFinishedKeepsTheStoredSettings) {
  TMainFormRig rig;
  {
    TMainForm& form = rig.Create();
    ChooseItem(*form.OptionsPanel->CardsBox, "Shapes and Colours");
    ChooseItem(*form.OptionsPanel->PairsBox, "21");
    ClickArea(*form.PanelMap, "play");
    rig.Destroy();
  }
  TMainForm& early = rig.Create(TestWorkArea, true, false);
  EXPECT_EQ(early.OptionsPanel, nullptr) << "built before the first picture";
  rig.Destroy();
  TMainForm& form = rig.Create();
  EXPECT_EQ(form.OptionsPanel->CardsBox->currentText(), "Shapes and Colours");
  EXPECT_EQ(form.OptionsPanel->PairsBox->currentText(), "21");
}

TEST(MainFormSettings, ChangesWithoutPlayAreLostExceptTheCardSet) {
  TMainFormRig rig;
  {
    TMainForm& form = rig.Create();
    ChooseItem(*form.OptionsPanel->CardsBox, "Wallpapers");
    ChooseItem(*form.OptionsPanel->PairsBox, "10");
    form.OptionsPanel->Player1Edit->setText("Ann");
    rig.Destroy();
  }
  TMainForm& form = rig.Create();
  EXPECT_EQ(form.OptionsPanel->CardsBox->currentText(), "Wallpapers");
  EXPECT_EQ(form.OptionsPanel->PairsBox->currentText(), "8");
  EXPECT_EQ(form.OptionsPanel->Player1Edit->text(), "");
}

TEST(MainFormSkin, DamagedSkinEntryIsReportedByItsOwnErrorAndNoWindowIsBuilt) {
  // Copies of the skin with one picture that is not a bitmap: the command bar, which the first
  // picture shows, and the options background, which is only built after it but must fail
  // all the same before anything is shown. The message names the archive that failed.
  TAppFolder folder;
  TMainFormSetup setup;
  setup.AppDir = folder.Path();
  setup.WorkArea = TestWorkArea;
  QTemporaryDir dir;
  for (const auto& [damagedEntry, archive] :
       {std::pair{skinlayout::entry::CommandBar, "tesselo.dat"},
        std::pair{skinlayout::entry::OptionsBackground, "tesselo.de.dat"}}) {
    WriteDamagedSkin(dir.filePath(archive), damagedEntry);
    TKVResFileReader damaged(dir.filePath(archive));
    TSkinReader damagedSkin(damaged);
    try {
      TMainForm form(damagedSkin, setup);
      ADD_FAILURE() << "a window was built despite entry " << damagedEntry;
    } catch (const ESkinError& error) {
      const std::string message = error.what();
      EXPECT_NE(message.find(std::to_string(damagedEntry)), std::string::npos) << message;
      EXPECT_NE(message.find(archive), std::string::npos) << message;
    }
  }
  // An archive that ends early names the missing entry.
  TKVResWriter shortWriter;
  shortWriter.AddPlain("https://example.com/");
  shortWriter.SaveToFile(dir.filePath("short.dat"));
  TKVResFileReader truncated(dir.filePath("short.dat"));
  TSkinReader truncatedSkin(truncated);
  EXPECT_THROW(TMainForm(truncatedSkin, setup), ESkinError);
}

} // namespace

namespace {

class TRecordingShell : public TKVShell {
public:
  TRecordingShell() { SetInstance(this); }
  ~TRecordingShell() override { SetInstance(nullptr); }
  bool OpenLink(const QString& Link) override {
    Links << Link;
    return true;
  }
  bool Execute(const QString&, const QStringList&) override { return false; }
  QString RegisteredCommand(const QString&) override { return {}; }
  QStringList Links;
};

TEST(MainFormCommands, CoverAdvertOpensTheArchivesLink) {
  TMainFormRig rig;
  TRecordingShell shell;
  TMainForm& form = rig.Create();
  ClickArea(*form.CoverMap, "ad");
  const TArea& ad = form.CoverMap->Area(form.CoverMap->IndexOfArea("ad"));
  EXPECT_EQ(shell.Links, QStringList{ad.AreaHint});
  EXPECT_TRUE(rig.Messages.Shown.empty());
}

TEST(ErrorReport, EscapedExceptionsShowTheirTextUnderTheApplicationTitle) {
  QGuiApplication::setApplicationDisplayName(product::Title);
  TFakeMessageBox box;
  ReportException(std::make_exception_ptr(std::runtime_error("Disk on fire.")));
  ReportException(std::make_exception_ptr(42));
  ASSERT_EQ(box.Shown.size(), 2u);
  EXPECT_EQ(box.Shown[0].Text, "Disk on fire.");
  EXPECT_EQ(box.Shown[0].Caption, product::Title);
  EXPECT_EQ(box.Shown[0].Flags, MB_ICONERROR);
  EXPECT_FALSE(box.Shown[1].Text.isEmpty());
}

} // namespace
