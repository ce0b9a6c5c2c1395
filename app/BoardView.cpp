#include "BoardView.h"

#include "BoardGrid.h"
#include "CardSetLoader.h"
#include "FaceOverlay.h"
#include "GameEngine.h"

#include <QCoreApplication>
#include <QPainter>
#include <QWidget>

TBoardView::TBoardView(QWidget& Parent, const GameEngine& Game) : FGame(Game) {
  MGrid = new TBoardGrid(&Parent);
  MGrid->setGeometry(BoardOrigin.x(), BoardOrigin.y(), 473, 381);
  MGrid->SetLineColor(QColor(0x1b, 0x2a, 0x1f));
  MGrid->hide();
  MGrid->setAccessibleName(QCoreApplication::translate("TBoardGrid", "Board"));
  MGrid->OnDrawCell = [this](QPainter& Canvas, int Col, int Row, const QRect& Rect) {
    DrawCell(Canvas, Col, Row, Rect);
  };
  MGrid->OnCellShown = [this](int Col, int Row) { return CellShown(Col, Row); };
  // A card's picture is named by its identity, which is the order in which the game chose its
  // faces; the grid asks only for cards that show or showed their face.
  MGrid->OnCellFace = [this](int Col, int Row) { return FGame.Cells().IdAt(Col, Row); };
  MGrid->OnCellName = [this](int Col, int Row) { return FaceText(Col, Row); };
  Panel1 = new TFaceOverlay(&Parent);
  Panel2 = new TFaceOverlay(&Parent);
  Timer1.setSingleShot(true);
  // A coarse timer may end the reveal up to a twentieth early or late; the delay is the
  // player's choice to the half second.
  Timer1.setTimerType(Qt::PreciseTimer);
  Timer1.setInterval(2500);
}

void TBoardView::OpenSounds(const QString& AppDir, std::optional<bool> Device) {
  FSound.Open(AppDir, Device);
}

void TBoardView::PlaySound(GameSound Sound, bool Enabled) {
  if (Enabled && FSound.Play(Sound))
    ++FSoundsPlayed;
}

void TBoardView::PlayClip(int Col, int Row, bool Enabled) {
  const int slot = FaceSlotAt(FGame.State(), Col, Row);
  if (!Enabled || FFaces.Kind(slot) != TFaceKind::Sound || !FSound.SoundReady())
    return;
  QByteArray clip;
  try {
    clip = TCardSetLoader::ReadSoundClip(FFaces.FileName(), FFaces.Pairs(), FFaces.SetFace(slot),
                                         &FFaces.FileIdentity());
  } catch (const std::exception&) {
    // The set was checked when it was installed; one that changed since stays silent.
    return;
  }
  if (clip.isEmpty())
    return;
  if (FSound.PlayClip(clip))
    ++FClipsPlayed;
}

QString TBoardView::FaceText(int Col, int Row) const {
  return FFaces.Text(FaceSlotAt(FGame.State(), Col, Row));
}

void TBoardView::StopRevealTimer() {
  Timer1.stop();
  Panel1->HideFace();
  Panel2->HideFace();
}

void TBoardView::TakeGame(const TCardSetLoader& Loader, int CardImageKind) {
  FFaces.TakeGame(Loader, CardImageKind);
}

void TBoardView::SetCellSize(QSize Size) {
  FCellWidth = Size.width();
  FCellHeight = Size.height();
}

void TBoardView::ApplyFit(const TBoardFit& Fit, int Rows, int Cols) {
  SetCellSize({Fit.CellWidth, Fit.CellHeight});
  Panel1->resize(FCellWidth, FCellHeight);
  Panel2->resize(FCellWidth, FCellHeight);
  MGrid->SetShape(Cols, Rows, FCellWidth, FCellHeight);
}

void TBoardView::FaceShown(int Pick, int Col, int Row) {
  if (FFaces.PlaysInOverlay(FaceSlotAt(FGame.State(), Col, Row)))
    ShowFaceOverlay(Pick, Col, Row);
}

void TBoardView::ShowFaceOverlay(int Pick, int Col, int Row) {
  TFaceOverlay* overlay = Pick == 1 ? Panel1 : Panel2;
  const QRect place = MGrid->CellRect(Col, Row).translated(MGrid->pos());
  overlay->ShowFace(FFaces.FaceStream(FaceSlotAt(FGame.State(), Col, Row)), place);
}

void TBoardView::CellChanged(int Col, int Row) {
  MGrid->InvalidateCell(Col, Row);
}

void TBoardView::ShowBoard() {
  MGrid->show();
  MGrid->update();
  MGrid->setFocus();
}

void TBoardView::HideBoard() {
  Panel1->HideFace();
  Panel2->HideFace();
  MGrid->hide();
}

void TBoardView::Repaint() {
  MGrid->update();
}

const QPixmap* TBoardView::CellPicture(int Col, int Row, QSize Size, qreal Ratio, bool& Covered) {
  Covered = false;
  switch (CellShown(Col, Row)) {
  case TCellShown::FaceDown:
    return &FFaces.Back(Size, Ratio);
  case TCellShown::FaceUp: {
    // During a game a GIF face shows in its overlay above the cell.
    const int slot = FaceSlotAt(FGame.State(), Col, Row);
    Covered = FGame.State().GameActive && FFaces.PlaysInOverlay(slot);
    return Covered ? nullptr : &FFaces.Face(slot, Size, Ratio);
  }
  case TCellShown::Removed:
  case TCellShown::Blank:
    break;
  }
  return nullptr;
}

// The one place where the game's state of a cell becomes what the board shows of it: the
// painting and the screen reader's description both follow it.
TCellShown TBoardView::CellShown(int Col, int Row) const {
  if (!MGrid->isVisible())
    return TCellShown::Blank;
  // Once a game is over or abandoned every cell shows its face.
  if (!FGame.State().GameActive)
    return TCellShown::FaceUp;
  switch (FGame.Cells().StateAt(Col, Row)) {
  case CellState::FaceDown:
    return TCellShown::FaceDown;
  case CellState::FaceUp:
    return TCellShown::FaceUp;
  case CellState::Removed:
    break;
  }
  return TCellShown::Removed;
}

void TBoardView::DrawCell(QPainter& Canvas, int Col, int Row, const QRect& Rect) {
  if (!MGrid->isVisible())
    return;
  bool covered = false;
  const QPixmap* picture = CellPicture(Col, Row, Rect.size(), MGrid->devicePixelRatioF(), covered);
  // What lies under an overlay, or under a picture's transparent parts, is the line colour.
  if (covered || (picture != nullptr && picture->hasAlphaChannel()))
    Canvas.fillRect(Rect, MGrid->LineColor());
  if (covered)
    return;
  if (picture != nullptr && !picture->isNull()) {
    // Pictures are made at the cell's size, so they are copied, not scaled.
    if (picture->deviceIndependentSize() == QSizeF(Rect.size()))
      Canvas.drawPixmap(Rect.topLeft(), *picture);
    else
      Canvas.drawPixmap(Rect, *picture);
    return;
  }
  // The window's centre tile shows through, aligned with the window's own tiling.
  Canvas.setBrushOrigin(-MGrid->pos());
  Canvas.fillRect(Rect, MGrid->Background());
}
