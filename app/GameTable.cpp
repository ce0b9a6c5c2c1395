#include "GameTable.h"

#include "BoardFaces.h"
#include "BoardGrid.h"
#include "BoardView.h"
#include "CardSetLoader.h"
#include "CardSets.h"
#include "GameAnnouncer.h"
#include "GameSettings.h"
#include "KeptGame.h"

#include <QFileInfo>
#include <QTimer>
#include <QWidget>

#include <exception>
#include <stdexcept>

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

void TGameTable::SetDelayAndSound(qint32 Delay, bool Sound) {
  FPlay = {Delay, Sound};
  FBoard->SetRevealDelay(RevealDelayMs(Delay));
}

void TGameTable::LoadBoard(TCardSetLoader& Loader, const CardSetHeaderInfo& Card,
                           const std::vector<int32_t>& Faces, BoardShape Shape, QSize Work) {
  FFit = FitBoardToScreen(Card.CardWidth, Card.CardHeight, Shape.Rows, Shape.Cols, Work);
  Loader.LoadFaces(Faces, TBoardFaces::DevicePixels({FFit.CellWidth, FFit.CellHeight},
                                                    FBoard->MGrid->devicePixelRatioF()));
  FBoard->TakeGame(Loader, Card.ImageKind);
  FAdvert = Loader.Advert();
  FAdLink = Loader.AdLink();
}

void TGameTable::NewGame(const QString& FileName, NewGameOptions Options, QSize Work) {
  Options.BoardWidth = Work.width() - BoardMarginWidth;
  Options.BoardHeight = Work.height() - BoardMarginHeight;
  FSetIdentity.reset();
  TCardSetLoader loader(FileName);
  const GamePlan plan = FGame.PlanGame(Options, loader);
  LoadBoard(loader, plan.CardSet, plan.Faces, plan.Shape, Work);
  FSetIdentity = CardSetIdentityOf(FileName);
  FGame.StartGame(plan);
  KeepGame();
}

void TGameTable::Abandon() {
  FGame.AbandonGame();
  KeepGame();
  if (FBoard != nullptr)
    FBoard->HideBoard();
}

void TGameTable::KeepGame() {
  if (FKeptPath.isEmpty())
    return;
  const std::optional<KeptGame> kept = ::KeepGame(FGame.State());
  if (kept && FSetIdentity)
    SaveKeptGame(FKeptPath, {*kept, FPlay, *FSetIdentity});
  else
    DiscardKeptGame(FKeptPath);
}

QString TGameTable::ResumeKeptGame(const TCardSetCatalogue& Sets, QSize Work) {
  if (FKeptPath.isEmpty())
    return {};
  QString problem;
  const std::optional<TKeptGameRecord> record = LoadKeptGame(FKeptPath, &problem);
  if (!record && problem.isEmpty())
    return {};
  // Said once: what cannot come back is let go.
  const auto letGo = [this](const QString& Why) {
    FGame.AbandonGame();
    DiscardKeptGame(FKeptPath);
    return Why;
  };
  if (!record)
    return letGo(tr("The game you left could not be read."));
  QString setPath;
  bool namesake = false;
  for (const auto& set : Sets.CardSets) {
    if (QFileInfo(set->FileName).fileName() != record->CardSet.FileName)
      continue;
    namesake = true;
    if (IsSameCardSet(record->CardSet, set->FileName))
      setPath = set->FileName;
  }
  if (setPath.isEmpty())
    return letGo(namesake ? tr("The cards of the game you left have changed.")
                          : tr("The cards of the game you left are gone."));
  try {
    KeptGame kept = record->Game;
    TCardSetLoader loader(setPath);
    // Which faces make a pair is the set's to say, so the kept game is checked against it.
    kept.CardSet.Pairs = loader.ReadHeader().Pairs;
    LoadBoard(loader, kept.CardSet, kept.Faces, {kept.Cells.Rows, kept.Cells.Cols}, Work);
    SetDelayAndSound(record->Settings.Delay, record->Settings.Sound);
    FSetIdentity = record->CardSet;
    FGame.ResumeGame(kept);
  } catch (const std::exception&) {
    return letGo(tr("The game you left could not be read."));
  }
  return {};
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

TFaceNamer TGameTable::FaceNamer() const {
  return [this](int Col, int Row) { return FBoard->FaceText(Col, Row); };
}

void TGameTable::CellChanged(int32_t Col, int32_t Row) {
  FBoard->CellChanged(Col, Row);
}

void TGameTable::FaceShown(int32_t Pick, int32_t Col, int32_t Row) {
  FHost.TableAnnounce(CardTurnedText(FGame.State(), Col, Row, FaceNamer()));
  FBoard->PlayClip(Col, Row, FPlay.Sound);
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
  FHost.TableAnnounce(PairJudgedText(FGame.State(), FaceNamer()));
  FBoard->PlaySound(Sound, FPlay.Sound);
}

void TGameTable::StartRevealTimer() {
  FBoard->StartRevealTimer();
  // A pair has just been judged: a crash from here on loses at most the next turn.
  KeepGame();
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
