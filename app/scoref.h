// The score screen: shown modally when the last pair has been found, it lists the five player
// slots in turn order with their pairs, names the winner, and shows the advertisement picture
// of the card set in play, which opens the set's link when clicked. Its card-builder button
// does what the main window's does. Assistive technology reads the verdict as the window's
// description, and hears it announced when the window opens.
#pragma once

#include "popUpF.h"

#include <QString>

#include <array>

struct GameState;
class QLabel;
class TBuilderLauncher;
class TKVLiveStatus;
class TKVPicture;

class TScoreForm : public TPopUpform {
  Q_OBJECT

public:
  // Builds the window and reads its title (entry 30) besides the pop-up skin.
  explicit TScoreForm(TSkinReader& Skin, QWidget* Parent = nullptr);
  ~TScoreForm() override;

  // The game whose slots and verdict every showing lists; not owned, it must outlive the
  // window. Without one the rows are empty.
  void SetGame(const GameState* Game) { FGame = Game; }
  // The card set's advertisement picture and link, set each time a game starts; kept
  // between showings.
  void SetAdvert(const QImage& Picture, const QString& Link);
  const QString& AdLink() const { return FAdLink; }
  // The picture of the card-builder button (300 x 17); the button takes its size.
  void SetBuilderPicture(const QImage& Picture);
  // What the card-builder button runs; not owned. Without one the button does nothing.
  void SetBuilderLauncher(TBuilderLauncher* Launcher) { FLauncher = Launcher; }

  // Fills the rows, the winner line and the advertisement's hint from the game; runs at every
  // showing.
  void FormShow();
  // Opens the card set's link; nothing when the set has none.
  void AdImageClick(QObject* Sender);
  // Runs the card-builder command; once the builder has started the program is ending, so the
  // window closes too.
  void DKWRBtnClick(QObject* Sender);

protected:
  void showEvent(QShowEvent* Event) override;

private:
  void FormCreate(TSkinReader& Skin);
  QLabel* AddYellowLabel(const QString& Name, const QString& Text, int Left, int Top);
  static void SetAutoSizedText(QLabel* Label, const QString& Text);

  const GameState* FGame = nullptr;
  TBuilderLauncher* FLauncher = nullptr;
  QString FAdLink;

  TKVPicture* FAdImage = nullptr;
  TKVPicture* FDKWRBtn = nullptr;
  // Label1 ... Label5 and Label7 ... Label11: the names and pairs of slots 1 to 5.
  std::array<QLabel*, 5> FNameLabels{};
  std::array<QLabel*, 5> FPairLabels{};
  QLabel* FWinnerLabel = nullptr;
  // Says the verdict as the window opens.
  TKVLiveStatus* FLiveStatus = nullptr;
};
