// The options panel against hand-made catalogues: filling, the pairs guard and its message,
// and reading the controls back.
#include "AppFixtures.h"

#include "CardSets.h"
#include "KVImageCtrl.h"
#include "OptionsPanel.h"
#include "Product.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace apptest;

namespace {

std::unique_ptr<TCardsObj> Set(const QString& Title, int ImageCount) {
  auto set = std::make_unique<TCardsObj>();
  set->Title = Title;
  set->FileName = "/cards/" + Title + ".crd";
  set->CardWidth = 100;
  set->CardHeight = 80;
  set->ImageCount = ImageCount;
  return set;
}

class OptionsPanelTest : public ::testing::Test {
protected:
  void SetUp() override {
    QGuiApplication::setApplicationDisplayName(product::Title);
    Catalogue.CardSets.push_back(Set("Big", 60));
    Catalogue.CardSets.push_back(Set("Twelve", 12));
    Catalogue.CardSets.push_back(Set("TwentyOne", 21));
    Catalogue.CardSets.push_back(Set("Twelve", 12));
    Panel.SetCatalogue(Catalogue, "/cards/");
  }
  void Fill() { Panel.FillOptionsPanel(Settings, Players); }

  TFakeMessageBox Messages;
  TCardSetCatalogue Catalogue;
  GameSettings Settings;
  PlayerTable Players{};
  TOptionsPanel Panel;
};

TEST_F(OptionsPanelTest, FillingSelectsTheStoredValuesAndTheCataloguesSet) {
  Settings.Pairs = 20;
  Settings.Delay = 8;
  Settings.Level = 14;
  Catalogue.CardSetIndex = 2;
  Fill();
  EXPECT_EQ(Panel.CardsBox->count(), 4);
  EXPECT_EQ(Panel.CardsBox->currentIndex(), 2);
  EXPECT_EQ(Panel.PairsBox->currentText(), "20");
  EXPECT_EQ(Panel.DelayBox->currentText(), "5");
  EXPECT_EQ(Panel.IQSlider->Position(), 10);
  EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(OptionsPanelTest, FillingFitsThePairsToTheSetWithoutAMessage) {
  Settings.Pairs = 20;
  Catalogue.CardSetIndex = 1;
  Fill();
  EXPECT_EQ(Panel.PairsBox->currentText(), "12");
  EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(OptionsPanelTest, SmallerSetShowsTheMessageOnceAndLargerNeverRaises) {
  Settings.Pairs = 20;
  Fill();
  ChooseItem(*Panel.CardsBox, "Twelve");
  ASSERT_EQ(Messages.Shown.size(), 1u);
  EXPECT_EQ(Messages.Shown[0].Text, QString::fromStdString(NotEnoughImagesText()));
  EXPECT_EQ(Messages.Shown[0].Caption, product::Title);
  EXPECT_EQ(Messages.Shown[0].Flags, 0);
  EXPECT_EQ(Panel.PairsBox->currentText(), "12");
  EXPECT_EQ(Catalogue.CardSetIndex, 1);
  ChooseItem(*Panel.CardsBox, "TwentyOne");
  EXPECT_EQ(Messages.Shown.size(), 1u);
  EXPECT_EQ(Panel.PairsBox->currentText(), "12");
  EXPECT_EQ(Catalogue.CardSetIndex, 2);
}

TEST_F(OptionsPanelTest, SetsWithTheSameTitleAreToldApartByPosition) {
  Fill();
  Panel.CardsBox->setCurrentIndex(3);
  emit Panel.CardsBox->activated(3);
  EXPECT_EQ(Catalogue.CardSetIndex, 3);
}

TEST_F(OptionsPanelTest, SetWithoutATitleIsListedByItsFileName) {
  Catalogue.CardSets.push_back(Set("", 12));
  Catalogue.CardSets.back()->FileName = "/cards/holiday.photos.crd";
  Catalogue.CardSets.push_back(Set("  ", 12));
  Catalogue.CardSets.back()->FileName = "/cards/blank.crd";
  Fill();
  ASSERT_EQ(Panel.CardsBox->count(), 6);
  EXPECT_EQ(Panel.CardsBox->itemText(4), "holiday.photos");
  EXPECT_EQ(Panel.CardsBox->itemText(5), "blank");
  EXPECT_EQ(Panel.CardsBox->itemText(0), "Big");
}

TEST_F(OptionsPanelTest, TooManyPairsChosenForTheSetIsRefused) {
  Catalogue.CardSetIndex = 2;
  Fill();
  ChooseItem(*Panel.PairsBox, "24");
  ASSERT_EQ(Messages.Shown.size(), 1u);
  EXPECT_EQ(Panel.PairsBox->currentText(), "21");
  ChooseItem(*Panel.PairsBox, "14");
  EXPECT_EQ(Messages.Shown.size(), 1u);
  EXPECT_EQ(Panel.PairsBox->currentText(), "14");
}

TEST_F(OptionsPanelTest, ReadingBackGivesSettingsAndPlayerSlots) {
  Fill();
  ChooseItem(*Panel.PairsBox, "33");
  Panel.DelayBox->setCurrentIndex(0);
  Panel.SoundCheck->setChecked(false);
  Panel.ComputerCheck->setChecked(true);
  Panel.IQSlider->SetPosition(7);
  Panel.Player1Edit->setText("");
  Panel.Player2Edit->setText("B");
  Panel.ReadOptionsPanel(Settings, Players);
  EXPECT_EQ(Settings.Pairs, 33);
  EXPECT_EQ(Settings.Delay, 0);
  EXPECT_FALSE(Settings.Sound);
  EXPECT_TRUE(Settings.Computer);
  EXPECT_EQ(Settings.Level, 7);
  EXPECT_EQ(Players[1].Name, "Computer");
  EXPECT_EQ(Players[2].Name, "Player");
  EXPECT_EQ(Players[3].Name, "B");
}

TEST_F(OptionsPanelTest, StoredDelayOutsideTheListLeavesNoSelectionAndIsKept) {
  Settings.Delay = 12;
  Fill();
  EXPECT_EQ(Panel.DelayBox->currentIndex(), -1);
  Panel.ReadOptionsPanel(Settings, Players);
  EXPECT_EQ(Settings.Delay, 12);
}

TEST_F(OptionsPanelTest, StoredNamesFillTheFieldsForTheComputerSetting) {
  Players[1].Name = "A";
  Players[2].Name = "B";
  Players[5].Name = "E";
  Settings.Computer = true;
  Fill();
  EXPECT_EQ(Panel.Player1Edit->text(), "B");
  EXPECT_EQ(Panel.Player4Edit->text(), "E");
  Settings.Computer = false;
  Fill();
  EXPECT_EQ(Panel.Player1Edit->text(), "A");
  EXPECT_EQ(Panel.Player4Edit->text(), "");
}

} // namespace
