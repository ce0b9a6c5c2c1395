#include "popUpF.h"

#include "KVAccessibleGroup.h"
#include "KVCursors.h"
#include "KVFocusLook.h"
#include "KVImageCtrl.h"
#include "KVImageMap.h"
#include "KVKeys.h"
#include "KVPicture.h"
#include "SkinEntries.h"
#include "SkinLayout.h"
#include "Translation.h"

#include <QApplication>
#include <QFontInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>

#include <algorithm>

namespace {

namespace popup = skinlayout::popup;

// The close button keeps the distances of its design place from the right and bottom edges,
// whatever its picture's size.
constexpr int CloseBtnRightGap =
    popup::Size.width() - popup::CloseButton.x() - popup::CloseButton.width();
constexpr int CloseBtnBottomGap =
    popup::Size.height() - popup::CloseButton.y() - popup::CloseButton.height();

QFont PopUpFont() {
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  // 8 points on the 96-dpi screen the skin is drawn for; fixed in pixels so the texts fit
  // the artwork whatever the desktop's scaling.
  font.setPixelSize(11);
  return font;
}

} // namespace

TPopUpform::TPopUpform(TSkinReader& Skin, QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setModal(true);
  setFixedSize(ClientSize);
  setFont(PopUpFont());
  CreateControls();
  FormCreate(Skin);
}

TPopUpform::~TPopUpform() = default;

int TPopUpform::ShowModal() {
  const QPointer<QWidget> before = QApplication::activeWindow();
  const int result = exec();
  if (before != nullptr && before->isVisible() && !before->isActiveWindow())
    before->activateWindow();
  return result;
}

void TPopUpform::CreateControls() {
  FPopUpBg = new TKVImageBevel(this);
  FPopUpBg->setObjectName(QStringLiteral("PopUpBg"));
  FPopUpBg->setGeometry(QRect(QPoint(0, 0), ClientSize));
  FPopUpBg->SetStretch(false);

  FExitMap = new TKVImageMap(this);
  FExitMap->setObjectName(QStringLiteral("ExitMap"));
  FExitMap->setAccessibleName(Translated(skinlayout::TitleBarName));
  FExitMap->move(0, 0);

  FTitleImage = new TKVPicture(this);
  FTitleImage->setObjectName(QStringLiteral("TitleImage"));
  FTitleImage->move(popup::TitlePlace);

  FCloseBtn = new TKVPicture(this);
  FCloseBtn->setObjectName(QStringLiteral("CloseBtn"));
  FCloseBtn->setAccessibleName(Translated(skinlayout::CloseText));
  FCloseBtn->SetTabStop(true);

  // The title strip's close area does what CloseBtn does, so the keyboard stops at one of them;
  // the frame and the title picture say nothing the window's name does not.
  SetAccessibleDecoration(FPopUpBg);
  SetAccessibleDecoration(FTitleImage);
  new TKVFocusFrame(this);

  for (TKVCustomImageList* surface :
       {static_cast<TKVCustomImageList*>(FPopUpBg), static_cast<TKVCustomImageList*>(FExitMap)}) {
    surface->OnMouseDown = [this](auto... Args) { AppMouseDown(Args...); };
    surface->OnMouseMove = [this](auto... Args) { AppMouseMove(Args...); };
    surface->OnMouseUp = [this](auto... Args) { AppMouseUp(Args...); };
  }
  FTitleImage->OnMouseDown = [this](auto... Args) { AppMouseDown(Args...); };
  FTitleImage->OnMouseMove = [this](auto... Args) { AppMouseMove(Args...); };
  FTitleImage->OnMouseUp = [this](auto... Args) { AppMouseUp(Args...); };
  FExitMap->OnMapClick = [this](TKVCustomImageMap* Sender, const QString& AreaName) {
    ExitMapMapClick(Sender, AreaName);
  };
  FCloseBtn->OnClick = [this](QObject* Sender) { CloseBtnClick(Sender); };
}

void TPopUpform::FormCreate(TSkinReader& Skin) {
  FExitMap->AddImage(Skin.Bitmap(skinlayout::entry::PopUpTitleStrip));
  // Slots without artwork get an empty bitmap, which keeps the later slots at their indexes.
  for (const int frameEntry : popup::FrameEntries)
    FPopUpBg->AddImage(frameEntry == skinlayout::NoEntry ? QImage() : Skin.Bitmap(frameEntry));
  FCloseBtn->SetPicture(Skin.Bitmap(skinlayout::entry::PopUpCloseButton));
  PlaceCloseBtn();

  FExitMap->SetOutAreaCursor(TKVCursors::crHandMove);
  FExitMap->AddArea(QLatin1String(popup::ExitArea.Name), popup::ExitArea.Rect,
                    TKVCursors::crHandPoint, Translated(popup::ExitArea.Hint));
  FExitMap->SetTabStop(false);
  FPopUpBg->SetCursorId(TKVCursors::crHandMove);
  FTitleImage->SetCursorId(TKVCursors::crHandMove);
  FCloseBtn->SetCursorId(TKVCursors::crHandPoint);
}

void TPopUpform::LoadTitle(TSkinReader& Skin, int Entry, const QString& Title) {
  setWindowTitle(Title);
  FTitleImage->SetPicture(Skin.Bitmap(Entry));
  FTitleImage->move((width() - FTitleImage->width()) / 2, popup::TitleTop);
}

QLabel* TPopUpform::AddLabel(const QString& Name, const QString& Text, int Left, int Top,
                             QLabel* Label) {
  QLabel* label = Label != nullptr ? Label : new QLabel(this);
  label->setText(Text);
  label->setObjectName(Name);
  // Player names reach these labels as typed; they must never be read as markup.
  label->setTextFormat(Qt::PlainText);
  label->move(Left, Top);
  label->adjustSize();
  label->resize(label->width(), popup::LabelHeight);
  return label;
}

void TPopUpform::ShrinkToWidth(QLabel* Label) {
  QFont font = Label->font();
  const int pixels = QFontInfo(font).pixelSize();
  for (int size = pixels - 1; size >= pixels * 7 / 10; --size) {
    if (Label->sizeHint().width() <= Label->width())
      return;
    font.setPixelSize(size);
    Label->setFont(font);
  }
}

void TPopUpform::AddDragSurface(QWidget* Surface) {
  FDragSurfaces.push_back(Surface);
  Surface->installEventFilter(this);
}

bool TPopUpform::eventFilter(QObject* Watched, QEvent* Event) {
  auto* surface = qobject_cast<QWidget*>(Watched);
  const bool dragsWindow =
      surface != nullptr &&
      std::find(FDragSurfaces.begin(), FDragSurfaces.end(), surface) != FDragSurfaces.end();
  if (dragsWindow && DragByEvent(surface, Event))
    return true;
  return QDialog::eventFilter(Watched, Event);
}

bool TPopUpform::DragByEvent(QWidget* Sender, QEvent* Event) {
  const auto type = Event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonRelease)
    return false;
  auto* mouse = static_cast<QMouseEvent*>(Event);
  const QPoint at = mouse->position().toPoint();
  if (type == QEvent::MouseButtonPress)
    AppMouseDown(Sender, mouse->button(), mouse->modifiers(), at.x(), at.y());
  else if (type == QEvent::MouseMove)
    AppMouseMove(Sender, mouse->buttons(), mouse->modifiers(), at.x(), at.y());
  else
    AppMouseUp(Sender, mouse->button(), mouse->modifiers(), at.x(), at.y());
  return true;
}

void TPopUpform::AppMouseDown(QWidget*, Qt::MouseButton Button, Qt::KeyboardModifiers, int X,
                              int Y) {
  FDrag.MouseDown(Button, X, Y);
}

void TPopUpform::AppMouseMove(QWidget*, Qt::MouseButtons Buttons, Qt::KeyboardModifiers, int X,
                              int Y) {
  FDrag.MouseMove(Buttons, X, Y);
}

void TPopUpform::AppMouseUp(QWidget*, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
  FDrag.MouseUp(X, Y);
}

void TPopUpform::CloseBtnClick(QObject*) {
  close();
}

void TPopUpform::ExitMapMapClick(TKVCustomImageMap*, const QString& AreaName) {
  if (AreaName == QLatin1String(popup::ExitArea.Name))
    close();
}

void TPopUpform::PlaceCloseBtn() {
  FCloseBtn->move(width() - CloseBtnRightGap - FCloseBtn->width(),
                  height() - CloseBtnBottomGap - FCloseBtn->height());
}

void TPopUpform::CentreOnScreen() {
  QScreen* screen = this->screen();
  if (screen == nullptr)
    screen = QGuiApplication::primaryScreen();
  if (screen == nullptr)
    return;
  const QRect area = screen->geometry();
  move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

void TPopUpform::showEvent(QShowEvent* Event) {
  CentreOnScreen();
  FCloseBtn->setFocus(Qt::OtherFocusReason);
  QDialog::showEvent(Event);
}

void TPopUpform::keyPressEvent(QKeyEvent* Event) {
  if (IsEnterKey(*Event)) {
    close();
    return;
  }
  QDialog::keyPressEvent(Event);
}

void TPopUpform::resizeEvent(QResizeEvent* Event) {
  QDialog::resizeEvent(Event);
  FPopUpBg->resize(size());
  PlaceCloseBtn();
}

void TPopUpform::mousePressEvent(QMouseEvent* Event) {
  if (!DragByEvent(this, Event))
    QDialog::mousePressEvent(Event);
}

void TPopUpform::mouseMoveEvent(QMouseEvent* Event) {
  if (!DragByEvent(this, Event))
    QDialog::mouseMoveEvent(Event);
}

void TPopUpform::mouseReleaseEvent(QMouseEvent* Event) {
  if (!DragByEvent(this, Event))
    QDialog::mouseReleaseEvent(Event);
}
