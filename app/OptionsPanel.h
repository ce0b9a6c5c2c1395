// The options panel: card set, pairs, reveal delay, sound, computer opponent and its level, and
// four player names. It is filled from the settings once at start-up and read back only when a
// game is started; choosing another card set takes effect at once.
#pragma once

#include "CardSetLoader.h"
#include "GameSettings.h"
#include "OptionsChoices.h"

#include <QCoreApplication>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class TCardSetCatalogue;
class TCardsObj;
class TKVImageSlider;
class TKVPicture;

class TOptionsPanel : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(TOptionsPanel)

public:
  explicit TOptionsPanel(QWidget* Parent = nullptr);

  // The skin: background with the painted captions, slider track and thumb, and the
  // card-builder strip.
  void SetOptionsBg(const QImage& Picture);
  void AddSliderImage(const QImage& Picture);
  void SetBuilderStrip(const QImage& Picture);

  // The catalogue the card-set list shows and selects in; it must outlive the panel. CardsDir
  // names the folder in the notice shown when the catalogue is empty.
  void SetCatalogue(TCardSetCatalogue& Catalogue, const QString& CardsDir);

  // Settings and catalogue into the controls; fits the pairs to the selected set silently.
  void FillOptionsPanel(const GameSettings& Settings, const PlayerTable& Players);
  // Controls into the settings, the catalogue's selection and the player slots.
  void ReadOptionsPanel(GameSettings& Settings, PlayerTable& Players);
  // A new line chosen in CardsBox: selects its set at once, then checks the pairs.
  void CardsBoxChange();
  // The catalogue's items and selection into CardsBox after the catalogue changed (a set was
  // added or replaced); fits the pairs to the selected set silently.
  void ShowSelectedSet();
  // Tells the player when the pairs need more faces than the selected set holds, then lowers
  // the pairs to the largest listed count the set can fill.
  void checkAvailableCards();

  // The set the list has selected, or nullptr when there is none.
  const TCardsObj* SelectedSet() const;
  // The number in PairsBox's text.
  int SelectedPairs() const;

  // The first and last stops of the panel's Tab chain, which the window links to its own.
  QWidget* FirstControl() const;
  QWidget* LastControl() const;

  // The card-builder strip was clicked.
  std::function<void()> OnBuilderClick;

  TKVPicture* OptionsBg = nullptr;
  QComboBox* CardsBox = nullptr;
  QComboBox* PairsBox = nullptr;
  QComboBox* DelayBox = nullptr;
  QCheckBox* SoundCheck = nullptr;
  QLineEdit* Player1Edit = nullptr;
  QLineEdit* Player2Edit = nullptr;
  QLineEdit* Player3Edit = nullptr;
  QLineEdit* Player4Edit = nullptr;
  QCheckBox* ComputerCheck = nullptr;
  TKVImageSlider* IQSlider = nullptr;
  TKVPicture* DKWRBtn = nullptr;

private:
  void CreateControls();
  void NameControls();
  void FillCardsBox();
  void FitPairsToSelectedSet();
  TNameFields NameFields() const;

  TCardSetCatalogue* FCatalogue = nullptr;
  QString FCardsDir;
};
