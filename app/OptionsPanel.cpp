#include "OptionsPanel.h"

#include "CardSets.h"
#include "GameSetupError.h"
#include "KVAccessibleGroup.h"
#include "KVCursors.h"
#include "KVImageCtrl.h"
#include "KVKeys.h"
#include "KVPicture.h"
#include "KVUtils.h"
#include "Language.h"
#include "PlainText.h"
#include "SkinLayout.h"
#include "Translation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

namespace options = skinlayout::options;

QComboBox* MakeList(QWidget* Parent, const QRect& Place, const QStringList& Items) {
  auto* box = new QComboBox(Parent);
  box->setGeometry(Place);
  box->addItems(Items);
  return box;
}

QCheckBox* MakeCheck(QWidget* Parent, const QRect& Place) {
  auto* check = new QCheckBox(Parent);
  check->setGeometry(Place);
  check->setChecked(true);
  return check;
}

QLineEdit* MakeEdit(QWidget* Parent, const QRect& Place) {
  auto* edit = new QLineEdit(Parent);
  edit->setGeometry(Place);
  // A card set dropped on the window must reach the window, not become a player's name.
  edit->setAcceptDrops(false);
  return edit;
}

} // namespace

TOptionsPanel::TOptionsPanel(QWidget* Parent) : QWidget(Parent) {
  resize(options::Size);
  CreateControls();
  hide();
}

namespace {

// Names a control for assistive technology. A list box on Linux is read by the label it is
// labelled by (its own name is its current line), so it also gets a hidden label as buddy.
void Caption(QWidget* Control, const QString& Text) {
  Control->setAccessibleName(Text);
  if (qobject_cast<QComboBox*>(Control) == nullptr)
    return;
  auto* label = new QLabel(Text, Control->parentWidget());
  label->setBuddy(Control);
  label->hide();
}

} // namespace

void TOptionsPanel::NameControls() {
  // The captions are painted into the background picture, so nothing else names the controls.
  Caption(CardsBox, Translated(options::CardsCaption));
  Caption(PairsBox, Translated(options::PairsCaption));
  Caption(DelayBox, tr("Delay in seconds"));
  Caption(SoundCheck, Translated(options::SoundCaption));
  Caption(Player1Edit, tr("Player 1 name"));
  Caption(Player2Edit, tr("Player 2 name"));
  Caption(Player3Edit, tr("Player 3 name"));
  Caption(Player4Edit, tr("Player 4 name"));
  Caption(ComputerCheck, tr("Computer player"));
  Caption(IQSlider, tr("Computer level"));
  Caption(DKWRBtn, Translated(skinlayout::BuilderStripName));
  Caption(OptionsBg, Translated(skinlayout::OptionsText));
  // The panel is named by its painted title; the picture it is painted on says nothing more.
  setAccessibleName(Translated(skinlayout::OptionsText));
  SetAccessibleDecoration(OptionsBg);
}

void TOptionsPanel::CreateControls() {
  OptionsBg = new TKVPicture(this);
  OptionsBg->setGeometry(QRect(QPoint(0, 0), options::Size));
  CardsBox = MakeList(this, options::CardsBox, {});
  PairsBox = MakeList(this, options::PairsBox, PairsItems());
  DelayBox = MakeList(this, options::DelayBox, DelayItems(language::Numbers()));
  SoundCheck = MakeCheck(this, options::SoundCheck);
  Player1Edit = MakeEdit(this, options::PlayerEdits[0]);
  Player2Edit = MakeEdit(this, options::PlayerEdits[1]);
  Player3Edit = MakeEdit(this, options::PlayerEdits[2]);
  Player4Edit = MakeEdit(this, options::PlayerEdits[3]);
  ComputerCheck = MakeCheck(this, options::ComputerCheck);
  IQSlider = new TKVImageSlider(this);
  IQSlider->SetStartPos(options::SliderInset);
  IQSlider->SetRange(5, 0, 10);
  IQSlider->setGeometry(options::LevelSlider);
  IQSlider->SetCursorId(TKVCursors::crHandPoint);
  DKWRBtn = new TKVPicture(this);
  DKWRBtn->move(options::BuilderStrip.topLeft());
  DKWRBtn->SetCursorId(TKVCursors::crHandPoint);
  NameControls();
  DKWRBtn->OnClick = [this](QObject*) {
    if (OnBuilderClick)
      OnBuilderClick();
  };

  SetTabChain({CardsBox, PairsBox, DelayBox, SoundCheck, Player1Edit, Player2Edit, Player3Edit,
               Player4Edit, ComputerCheck, IQSlider, DKWRBtn});
  DKWRBtn->SetTabStop(true);

  // Only the player's own choices count as changes, not the panel being filled.
  QObject::connect(CardsBox, &QComboBox::activated, this, [this] { CardsBoxChange(); });
  QObject::connect(PairsBox, &QComboBox::activated, this, [this] { checkAvailableCards(); });
}

QWidget* TOptionsPanel::FirstControl() const {
  return CardsBox;
}

QWidget* TOptionsPanel::LastControl() const {
  return DKWRBtn;
}

void TOptionsPanel::SetOptionsBg(const QImage& Picture) {
  OptionsBg->SetPicture(Picture);
  OptionsBg->lower();
}

void TOptionsPanel::AddSliderImage(const QImage& Picture) {
  IQSlider->AddImage(Picture);
  IQSlider->setGeometry(options::LevelSlider);
}

void TOptionsPanel::SetBuilderStrip(const QImage& Picture) {
  DKWRBtn->SetPicture(Picture);
}

void TOptionsPanel::SetCatalogue(TCardSetCatalogue& Catalogue, const QString& CardsDir) {
  FCatalogue = &Catalogue;
  FCardsDir = CardsDir;
}

const TCardsObj* TOptionsPanel::SelectedSet() const {
  return FCatalogue != nullptr ? FCatalogue->Selected() : nullptr;
}

int TOptionsPanel::SelectedPairs() const {
  return PairsBox->currentText().toInt();
}

TNameFields TOptionsPanel::NameFields() const {
  return {Player1Edit->text(), Player2Edit->text(), Player3Edit->text(), Player4Edit->text()};
}

void TOptionsPanel::FillCardsBox() {
  CardsBox->clear();
  if (FCatalogue == nullptr)
    return;
  // Each line carries its set's position in the catalogue, which never changes during a run
  // (sets opened while it runs are added at the end). A set without a title would be a blank
  // line nobody can choose knowingly: its file name stands in for it.
  for (size_t i = 0; i < FCatalogue->CardSets.size(); ++i)
    CardsBox->addItem(ListedTitle(*FCatalogue->CardSets[i]), int(i));
  if (FCatalogue->CardSets.empty()) {
    const QString notice = tr("No card sets in %1").arg(FCardsDir);
    CardsBox->setPlaceholderText(notice);
    CardsBox->setToolTip(PlainToolTip(notice));
  }
  CardsBox->setCurrentIndex(CardsBox->findData(FCatalogue->CardSetIndex));
}

void TOptionsPanel::FillOptionsPanel(const GameSettings& Settings, const PlayerTable& Players) {
  SoundCheck->setChecked(Settings.Sound);
  ComputerCheck->setChecked(Settings.Computer);
  IQSlider->SetPosition(Settings.Level);
  const TNameFields fields = NameFieldsFromSlots(Settings.Computer, Players);
  Player1Edit->setText(fields[0]);
  Player2Edit->setText(fields[1]);
  Player3Edit->setText(fields[2]);
  Player4Edit->setText(fields[3]);
  PairsBox->setCurrentIndex(PairsItemIndexFor(Settings.Pairs));
  // A stored delay outside the list leaves it without a selection.
  DelayBox->setCurrentIndex(
      Settings.Delay >= 0 && Settings.Delay < DelayBox->count() ? Settings.Delay : -1);
  FillCardsBox();
  FitPairsToSelectedSet();
}

void TOptionsPanel::ShowSelectedSet() {
  FillCardsBox();
  FitPairsToSelectedSet();
}

void TOptionsPanel::FitPairsToSelectedSet() {
  if (const TCardsObj* set = SelectedSet())
    PairsBox->setCurrentIndex(FitPairsIndex(PairsBox->currentIndex(), set->PlayablePairs()));
}

void TOptionsPanel::checkAvailableCards() {
  const TCardsObj* set = SelectedSet();
  if (set == nullptr)
    return;
  if (SelectedPairs() > set->PlayablePairs())
    ShowMessageBox(QString::fromStdString(NotEnoughImagesText()), QString(), MB_OK);
  FitPairsToSelectedSet();
}

void TOptionsPanel::CardsBoxChange() {
  if (FCatalogue != nullptr && CardsBox->currentIndex() >= 0)
    FCatalogue->CardSetIndex = CardsBox->currentData().toInt();
  checkAvailableCards();
}

void TOptionsPanel::ReadOptionsPanel(GameSettings& Settings, PlayerTable& Players) {
  Settings.Sound = SoundCheck->isChecked();
  Settings.Pairs = SelectedPairs();
  Settings.Computer = ComputerCheck->isChecked();
  Settings.Level = IQSlider->Position();
  // Without a selection (a stored delay outside the list) the delay stays as it was.
  if (DelayBox->currentIndex() >= 0)
    Settings.Delay = DelayBox->currentIndex();
  if (FCatalogue != nullptr && CardsBox->currentIndex() >= 0)
    FCatalogue->CardSetIndex = CardsBox->currentData().toInt();
  SlotsFromNameFields(Settings.Computer, NameFields(), Players);
}
