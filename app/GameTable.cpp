#include "GameTable.h"

#include "BoardFaces.h"
#include "BoardGrid.h"
#include "BoardView.h"
#include "CardSetLoader.h"
#include "GameAnnouncer.h"

#include <QTimer>
#include <QWidget>

#include <exception>

TGameTable::TGameTable(IGameTableHost& Host, ISeedSource& Seeds)
    : FHost(Host), FGame(*this, Seeds) {}

TGameTable::~TGameTable() {
  // The game stops before the board it paints goes.
  FGame.AbandonGame();
}

template <typename THandler> void TGameTable::Guarded(THandler&& Handler) {
  try {
    Handler();
  } catch (const std::exception& error) {
    FHost.TableFailed(QString::fromUtf8(error.what()));
  }
}

void TGameTable::BuildBoard(QWidget& Window, const QString& AppDir,
                            std::optional<bool> SoundDevice) {
  if (FBoard != nullptr)
    return;
  FBoard = std::make_unique<TBoardView>(Window, FGame);
  FBoard->MGrid->OnSelectCell = [this](int Col, int Row) { MGridSelectCell(Col, Row); };
  QObject::connect(&FBoard->Timer1, &QTimer::timeout, FBoard->MGrid, [this] { Timer1Timer(); });
  FBoard->OpenSounds(AppDir, SoundDevice);
}

void TGameTable::SetRevealDelay(int Milliseconds) {
  FBoard->SetRevealDelay(Milliseconds);
}

void TGameTable::NewGame(const QString& FileName, NewGameOptions Options, QSize Work) {
  Options.BoardWidth = Work.width() - BoardMarginWidth;
  Options.BoardHeight = Work.height() - BoardMarginHeight;
  TCardSetLoader loader(FileName);
  const GamePlan plan = FGame.PlanGame(Options, loader);
  FFit = FitBoardToScreen(plan.CardSet.CardWidth, plan.CardSet.CardHeight, plan.Shape.Rows,
                          plan.Shape.Cols, Work);
  loader.LoadFaces(plan.Faces, TBoardFaces::DevicePixels({FFit.CellWidth, FFit.CellHeight},
                                                         FBoard->MGrid->devicePixelRatioF()));
  FBoard->TakeGame(loader, plan.CardSet.ImageKind);
  FAdvert = loader.Advert();
  FAdLink = loader.AdLink();
  FGame.StartGame(plan);
}

void TGameTable::Abandon() {
  FGame.AbandonGame();
  if (FBoard != nullptr)
    FBoard->HideBoard();
}

bool TGameTable::Shown() const {
  return FBoard != nullptr && !FBoard->MGrid->isHidden();
}

void TGameTable::MGridSelectCell(int Col, int Row) {
  Guarded([&] { FGame.SelectCell(Col, Row); });
}

void TGameTable::Timer1Timer() {
  Guarded([&] { FGame.close_pair(); });
}

void TGameTable::CellChanged(int32_t Col, int32_t Row) {
  FBoard->CellChanged(Col, Row);
}

void TGameTable::FaceShown(int32_t Pick, int32_t Col, int32_t Row) {
  FHost.TableAnnounce(CardTurnedText(FGame.State(), Col, Row));
  try {
    FBoard->FaceShown(Pick, Col, Row);
  } catch (const std::exception& error) {
    // The game is in the middle of a pick; it is stopped once the pick has returned.
    const QString text = QString::fromUtf8(error.what());
    QTimer::singleShot(0, FBoard->MGrid, [this, text] { FHost.TableFailed(text); });
  }
}

void TGameTable::StatusTextChanged(const std::string& Text) {
  FHost.TableStatus(QString::fromStdString(Text));
}

void TGameTable::PlaySound(GameSound Sound) {
  // Told right after the pair is judged, so it is also when the judgement is said.
  FHost.TableAnnounce(PairJudgedText(FGame.State()));
  FBoard->PlaySound(Sound, FSoundOn);
}

void TGameTable::StartRevealTimer() {
  FBoard->StartRevealTimer();
}

void TGameTable::StopRevealTimer() {
  // A window closed before it was finished has no board yet.
  if (FBoard != nullptr)
    FBoard->StopRevealTimer();
}

void TGameTable::FitBoard(int32_t Rows, int32_t Cols) {
  FBoard->ApplyFit(FFit, Rows, Cols);
  FHost.TableFitted(FFit.Client);
  FBoard->MGrid->move(FFit.Grid.topLeft());
}

void TGameTable::BoardReset() {
  FHost.TableDealt();
  FBoard->ShowBoard();
}

void TGameTable::GameFinished() {
  FBoard->Repaint();
  FHost.TableFinished(FAdvert, FAdLink);
}
