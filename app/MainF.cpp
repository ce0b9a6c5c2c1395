#include "MainF.h"

#include "AppCursors.h"
#include "BoardGrid.h"
#include "CardSetInstall.h"
#include "CardSetLoader.h"
#include "FaceOverlay.h"
#include "GameAnnouncer.h"
#include "KVAccessibleGroup.h"
#include "KVCursors.h"
#include "KVFocusLook.h"
#include "KVImageCtrl.h"
#include "KVImageMap.h"
#include "KVKeys.h"
#include "KVLiveStatus.h"
#include "KVPicture.h"
#include "KVUtils.h"
#include "Language.h"
#include "MainLayout.h"
#include "OptionsPanel.h"
#include "PopUpWindows.h"
#include "Product.h"
#include "SettingsStore.h"
#include "SkinEntries.h"
#include "SkinLayout.h"
#include "Translation.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>

#include <exception>

namespace {

namespace entry = skinlayout::entry;
namespace mainform = skinlayout::mainform;

const QString ApplicationTitle = QString::fromLatin1(product::Title);

TNoPopUpWindows NoPopUps;

// How often a set opened while a modal window is open asks again whether it may be added.
constexpr int ModalWaitMs = 250;
// The status line sits on the plate between the exit and play buttons, 8 pixels clear of its
// ends.
constexpr int StatusPlateWidth = mainform::StatusPlate.width() - 2 * 8;

// The local files among dropped data, or nothing when anything else is among them.
QStringList DroppedFiles(const QMimeData* Data) {
  QStringList files;
  if (Data == nullptr || !Data->hasUrls())
    return files;
  for (const QUrl& url : Data->urls()) {
    if (!url.isLocalFile())
      return {};
    files << url.toLocalFile();
  }
  return files;
}

} // namespace

TMainForm::TMainForm(TSkinReader& Skin, const TMainFormSetup& Setup, QWidget* Parent)
    : QWidget(Parent, Qt::Window | Qt::FramelessWindowHint),
      FClockSeeds(Setup.Seeds == nullptr ? std::make_unique<ClockSeedSource>() : nullptr),
      FGame(*this, Setup.Seeds != nullptr ? *Setup.Seeds : *FClockSeeds), FStore(Setup.Store),
      FPopUps(&NoPopUps), FDrag(*this) {
  FormCreate(Skin, Setup);
}

TMainForm::~TMainForm() {
  // A set still being checked is refused at its next face, and its copy taken away.
  FSetCheck = std::jthread();
  // FormDestroy: the game stops before the board it paints goes.
  FGame.AbandonGame();
}

void TMainForm::SetPopUps(IPopUpWindows* PopUps) {
  FPopUps = PopUps != nullptr ? PopUps : &NoPopUps;
}

template <typename THandler> void TMainForm::Guarded(THandler&& Handler) {
  try {
    Handler();
  } catch (const std::exception& error) {
    ReportGameError(QString::fromUtf8(error.what()));
  }
}

void TMainForm::FormCreate(TSkinReader& Skin, const TMainFormSetup& Setup) {
  setWindowTitle(ApplicationTitle);
  setMinimumWidth(DesignClient.width());
  QFont font(QStringLiteral("Sans Serif"));
  font.setPixelSize(11);
  setFont(font);
  FAppDir = Setup.AppDir;
  FCardsDir = FAppDir + QStringLiteral("cards/");
  FWorkArea = Setup.WorkArea;
  FSoundDevice = Setup.SoundDevice;
  CreateControls();
  LoadSkin(Skin);
  AddHotAreas();
  WireDragging();
  PrepareKeyboard();
  SetPlayerLabel(QString());
  CopyRightImage->setToolTip(Translated(skinlayout::AboutTitle));
  resize(DesignClient);
  FormResize();
  ShowWelcome();
  FocusPlay();
  setAcceptDrops(true);
}

void TMainForm::FinishCreate() {
  if (FBoard != nullptr)
    return;
  ApplyCursors();
  CreateLaterControls();
  PrepareLaterKeyboard();
  FBoard->SetCellSize({120, 90});
  OptionsPanel->AddSliderImage(FLaterSkin->Bitmap(entry::SliderTrack));
  OptionsPanel->AddSliderImage(FLaterSkin->Bitmap(entry::SliderThumb));
  OptionsPanel->SetOptionsBg(FLaterSkin->Bitmap(entry::OptionsBackground));
  // The builder strip belongs to the window's definition, not to the archive.
  OptionsPanel->SetBuilderStrip(QImage(LocalizedFile(
      QStringLiteral(":/"), QStringLiteral("dkwrbtn-options.png"), language::Current())));
  FLaterSkin.reset();
  MGrid->SetBackground(QBrush(FBoardBrush));
  QObject::connect(&FBoard->Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  FBoard->OpenSounds(FAppDir, FSoundDevice);
  if (FStore != nullptr)
    LoadSettings(*FStore, FSettings, FGame.Players(), FCardSets, FCardsDir);
  else
    ScanCardSets(FCardsDir, FSettings.CardsFile, FCardSets);
  FillOptionsPanel();
  FormResize();
}

// The hands are not part of the first picture, and reading their pictures starts Qt's image
// plugins, so they are registered once that picture is on screen; the controls built before
// then take them again now (a number not yet registered shows the arrow).
void TMainForm::ApplyCursors() {
  RegisterMoveCursor();
  RegisterPointCursor();
  BgBevel->SetCursorId(TKVCursors::crHandMove);
  Label1->setCursor(TKVCursors::Cursor(TKVCursors::crHandMove));
  for (TKVImageMap* map : {ExitMap, PanelMap, CoverMap})
    map->SetOutAreaCursor(TKVCursors::crHandMove);
  CopyRightImage->SetCursorId(TKVCursors::crHandPoint);
}

void TMainForm::LoadSounds() {
  FinishCreate();
  FBoard->LoadSounds();
}

void TMainForm::CreateControls() {
  BgBevel = new TKVImageBevel(this);
  PanelMap = new TKVImageMap(this);
  Label1 = new QLabel(this);
  QFont bold = font();
  bold.setBold(true);
  Label1->setFont(bold);
  QPalette black = Label1->palette();
  black.setColor(QPalette::WindowText, Qt::black);
  Label1->setPalette(black);
  // The status line names the players as they typed their names.
  Label1->setTextFormat(Qt::PlainText);
  // Presses on the status line reach the window, which drags itself.
  Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
  ExitMap = new TKVImageMap(this);
  CopyRightImage = new TKVPicture(this);
  CopyRightImage->OnClick = [this](QObject*) { Guarded([this] { CopyRightImageClick(); }); };
  CoverPanel = new QWidget(this);
  CoverPanel->resize(mainform::CoverSize);
  CoverPanel->hide();
  CoverMap = new TKVImageMap(CoverPanel);
  CoverMap->move(0, 0);
}

void TMainForm::CreateLaterControls() {
  FBoard = std::make_unique<TBoardView>(*this, FGame);
  MGrid = FBoard->MGrid;
  MGrid->OnSelectCell = [this](int Col, int Row) { MGridSelectCell(Col, Row); };
  Panel1 = FBoard->Panel1;
  Panel2 = FBoard->Panel2;
  OptionsPanel = new TOptionsPanel(this);
  OptionsPanel->OnBuilderClick = [this] { Guarded([this] { FPopUps->LaunchBuilder(); }); };
  // Stacked as if they had been built with the window: the grid above the frame and the about
  // plaque, the overlays and the options above the grid, and the cover above them all.
  for (QWidget* control : {static_cast<QWidget*>(MGrid), static_cast<QWidget*>(Panel1),
                           static_cast<QWidget*>(Panel2), static_cast<QWidget*>(OptionsPanel)})
    control->stackUnder(CoverPanel);
}

void TMainForm::LoadSkin(TSkinReader& Skin) {
  FCoverLink = Skin.Text(entry::CoverLink);
  CoverMap->AddImage(Skin.Bitmap(entry::Cover));
  for (const int frameEntry : mainform::FrameEntries) {
    FSkinBitmap = Skin.Bitmap(frameEntry);
    BgBevel->AddImage(FSkinBitmap);
    if (frameEntry == entry::FrameTopRight)
      ExitMap->AddImage(FSkinBitmap);
  }
  // The frame's last slot is its centre tile.
  FBoardBrush = FSkinBitmap.copy();
  PanelMap->AddImage(Skin.Bitmap(entry::CommandBar));
  // The options panel is built later, but its pictures are read now, while the archive is open.
  FLaterSkin = std::make_unique<TSkinReader>(
      Skin,
      std::initializer_list<int>{entry::SliderTrack, entry::SliderThumb, entry::OptionsBackground});
  CopyRightImage->SetPicture(Skin.Bitmap(entry::AboutPlaque));
}

void TMainForm::AddHotAreas() {
  const int point = TKVCursors::crHandPoint;
  const auto add = [point](TKVImageMap* Map, const skinlayout::TSkinArea& Area) {
    Map->AddArea(QLatin1String(Area.Name), Area.Rect, point, Translated(Area.Hint));
  };
  ExitMap->SetOutAreaCursor(TKVCursors::crHandMove);
  for (const skinlayout::TSkinArea& area :
       {mainform::HelpArea, mainform::MiniArea, mainform::ExitArea})
    add(ExitMap, area);
  PanelMap->SetOutAreaCursor(TKVCursors::crHandMove);
  for (const skinlayout::TSkinArea& area :
       {mainform::BarExitArea, mainform::BarPlayArea, mainform::BarOptionsArea})
    add(PanelMap, area);
  CoverMap->SetOutAreaCursor(TKVCursors::crHandMove);
  CoverMap->AddArea(QLatin1String(mainform::CoverAdName), mainform::CoverAdArea, point, FCoverLink);
  ExitMap->setAccessibleName(Translated(skinlayout::TitleBarName));
  PanelMap->setAccessibleName(tr("Commands"));
  CoverMap->setAccessibleName(tr("Cover"));
  CopyRightImage->setAccessibleName(Translated(skinlayout::AboutTitle));

  PanelMap->OnMapClick = [this](TKVCustomImageMap*, const QString& Area) {
    Guarded([&] { PanelMapMapClick(Area); });
  };
  ExitMap->OnMapClick = [this](TKVCustomImageMap*, const QString& Area) {
    Guarded([&] { ExitMapMapClick(Area); });
  };
  CoverMap->OnMapClick = [this](TKVCustomImageMap*, const QString& Area) {
    Guarded([&] { CoverMapMapClick(Area); });
  };
}

void TMainForm::PrepareKeyboard() {
  CopyRightImage->SetTabStop(true);
  // The frame and the status line's plate say nothing a reader needs; the status line does.
  SetAccessibleDecoration(BgBevel);
  // Play first: it is what the player came for.
  PanelMap->SetFocusOrder({QLatin1String(mainform::BarPlayArea.Name),
                           QLatin1String(mainform::BarOptionsArea.Name),
                           QLatin1String(mainform::BarExitArea.Name)});
  SetTabChain({CoverMap, PanelMap, ExitMap, CopyRightImage});
  new TKVFocusFrame(this);
  LiveStatus = new TKVLiveStatus(this);
}

void TMainForm::PrepareLaterKeyboard() {
  SetAccessibleDecoration(Panel1);
  SetAccessibleDecoration(Panel2);
  // The middle of the window first (the cover, the board or the options), then the command
  // bar, the window buttons and the about plaque.
  SetTabChain({CoverMap, MGrid, OptionsPanel->FirstControl()});
  SetTabChain({OptionsPanel->LastControl(), PanelMap, ExitMap, CopyRightImage});
}

void TMainForm::FocusPlay() {
  PanelMap->SetFocusArea(PanelMap->IndexOfArea(QLatin1String(mainform::BarPlayArea.Name)), true);
}

void TMainForm::WireDragging() {
  for (TKVCustomImageList* surface :
       {static_cast<TKVCustomImageList*>(BgBevel), static_cast<TKVCustomImageList*>(PanelMap),
        static_cast<TKVCustomImageList*>(ExitMap)}) {
    surface->OnMouseDown = [this](QWidget*, Qt::MouseButton Button, Qt::KeyboardModifiers, int X,
                                  int Y) { FDrag.MouseDown(Button, X, Y); };
    surface->OnMouseMove = [this](QWidget*, Qt::MouseButtons Buttons, Qt::KeyboardModifiers, int X,
                                  int Y) { FDrag.MouseMove(Buttons, X, Y); };
    surface->OnMouseUp = [this](QWidget*, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
      FDrag.MouseUp(X, Y);
    };
  }
}

void TMainForm::mousePressEvent(QMouseEvent* Event) {
  const QPoint at = Event->position().toPoint();
  FDrag.MouseDown(Event->button(), at.x(), at.y());
}

void TMainForm::mouseMoveEvent(QMouseEvent* Event) {
  const QPoint at = Event->position().toPoint();
  FDrag.MouseMove(Event->buttons(), at.x(), at.y());
}

void TMainForm::mouseReleaseEvent(QMouseEvent* Event) {
  const QPoint at = Event->position().toPoint();
  FDrag.MouseUp(at.x(), at.y());
}

void TMainForm::FillOptionsPanel() {
  OptionsPanel->SetCatalogue(FCardSets, FCardsDir);
  OptionsPanel->FillOptionsPanel(FSettings, FGame.Players());
  FBoard->SetRevealDelay(RevealDelayMs(FSettings.Delay));
  if (const TCardsObj* set = OptionsPanel->SelectedSet())
    FBoard->SetCellSize({set->CardWidth, set->CardHeight});
}

void TMainForm::ReadOptionsPanel() {
  OptionsPanel->ReadOptionsPanel(FSettings, FGame.Players());
  FBoard->SetRevealDelay(RevealDelayMs(FSettings.Delay));
}

// ---- Card sets opened from outside ------------------------------------------------------------

void TMainForm::OpenCardSet(const QString& Path) {
  RaiseWindow();
  FOpenedSets.push_back(Path);
  QTimer::singleShot(0, this, [this] { OpenNextCardSet(); });
}

void TMainForm::OpenNextCardSet() {
  if (FAddingSet || FOpenedSets.empty())
    return;
  // A score screen, a pop-up or a message is waiting for the player; what the set changes
  // (the game abandoned, the options shown) must not happen beneath it.
  if (QApplication::activeModalWidget() != nullptr) {
    QTimer::singleShot(ModalWaitMs, this, [this] { OpenNextCardSet(); });
    return;
  }
  FinishCreate();
  const QString path = FOpenedSets.front();
  FOpenedSets.pop_front();
  AddCardSet(path);
}

void TMainForm::AddCardSet(const QString& Path) {
  // Reading every face of a stranger's set may take seconds: it happens on a thread of its own,
  // and the next set waits until this one is placed.
  FAddingSet = true;
  const TCardFolderPair folders{FCardsDir, UserCardsDir()};
  FSetCheck = std::jthread([this, Path, folders](std::stop_token Stop) {
    auto staged = std::make_shared<TStagedSet>();
    QString refusal;
    try {
      *staged =
          StageCardSet(Path, folders, std::chrono::steady_clock::now() + CardSetCheckTime, Stop);
    } catch (const std::exception& error) {
      refusal = QString::fromUtf8(error.what());
    }
    // Posted to the window: if it goes first, the report goes with it, and the staged copy with
    // the report.
    QMetaObject::invokeMethod(
        this, [this, staged, refusal] { CardSetChecked(staged, refusal); }, Qt::QueuedConnection);
  });
}

void TMainForm::CardSetChecked(const std::shared_ptr<TStagedSet>& Staged, const QString& Refusal) {
  // What the set changes (the game abandoned, the options shown) must not happen beneath a
  // window waiting for the player.
  if (QApplication::activeModalWidget() != nullptr) {
    QTimer::singleShot(ModalWaitMs, this,
                       [this, Staged, Refusal] { CardSetChecked(Staged, Refusal); });
    return;
  }
  FSetCheck = std::jthread();
  Guarded([&] {
    if (!Refusal.isEmpty()) {
      // The game in progress, if any, goes on: nothing has changed.
      ShowMessageBox(Refusal, QString(), MB_OK | MB_ICONERROR);
      return;
    }
    const auto askReplace = [](const QString& Name) {
      return ShowMessageBox(tr("Your card folder already holds a different card set named %1. "
                               "Replace it?")
                                .arg(Name),
                            QString(), MB_YESNO | MB_ICONQUESTION) == IDYES;
    };
    TInstalledSet set;
    try {
      set = PlaceCardSet(std::move(*Staged), {FCardsDir, UserCardsDir()}, askReplace);
    } catch (const ECardSetError& error) {
      ShowMessageBox(QString::fromUtf8(error.what()), QString(), MB_OK | MB_ICONERROR);
      return;
    }
    if (set.Outcome != TInstallOutcome::Kept)
      ShowAddedSet(set);
  });
  FAddingSet = false;
  if (!FOpenedSets.empty())
    QTimer::singleShot(0, this, [this] { OpenNextCardSet(); });
}

void TMainForm::ShowAddedSet(const TInstalledSet& Set) {
  FCardSets.CardSetIndex = FCardSets.Put(Set.FileName, Set.Header);
  OptionsPanel->ShowSelectedSet();
  ShowOptions();
  QString status;
  switch (Set.Outcome) {
  case TInstallOutcome::Added:
    status = tr("Card set added: %1");
    break;
  case TInstallOutcome::Replaced:
    status = tr("Card set replaced: %1");
    break;
  default:
    status = tr("Card set chosen: %1");
    break;
  }
  const QString title = ListedTitle(*FCardSets.Selected()).simplified();
  const QFontMetrics metrics(Label1->font());
  const int room = StatusPlateWidth - metrics.horizontalAdvance(status.arg(QString()));
  SetPlayerLabel(status.arg(metrics.elidedText(title, Qt::ElideMiddle, room)));
}

void TMainForm::RaiseWindow() {
  if (isMinimized())
    showNormal();
  // A modal window stays above the window it belongs to.
  QWidget* front = QApplication::activeModalWidget();
  if (front == nullptr)
    front = this;
  front->raise();
  front->activateWindow();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* Event) {
  if (!DroppedFiles(Event->mimeData()).isEmpty())
    Event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* Event) {
  const QStringList files = DroppedFiles(Event->mimeData());
  if (files.isEmpty())
    return;
  Event->acceptProposedAction();
  // Added once the drop has returned, so the file manager is not kept waiting by a question.
  for (const QString& file : files)
    OpenCardSet(file);
}

// ---- Layout and surfaces -------------------------------------------------------------------

void TMainForm::SetClientSize(QSize Size) {
  Size.setWidth(std::max(Size.width(), DesignClient.width()));
  if (Size == size())
    return;
  resize(Size);
  FormResize();
}

void TMainForm::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  // Also a size the window system imposes gets the layout and the centring.
  FormResize();
}

void TMainForm::FormResize() {
  const TShellLayout layout =
      LayOutShell(size(), {PanelMap->size(), ExitMap->size(), skinlayout::options::Size,
                           CopyRightImage->size()});
  BgBevel->setGeometry(rect());
  Label1->move(CentredLeft(width(), Label1->width()), layout.Label1Top);
  PanelMap->move(layout.PanelMap);
  ExitMap->move(layout.ExitMap);
  if (OptionsPanel != nullptr)
    OptionsPanel->move(layout.OptionsPanel);
  CopyRightImage->move(layout.CopyRightImage);
  move(CentredWindowPos(FWorkArea, size()));
}

void TMainForm::SetPlayerLabel(const QString& Text) {
  Label1->setText(Text);
  Label1->adjustSize();
  Label1->move(CentredLeft(width(), Label1->width()), Label1->y());
  if (!Text.isEmpty())
    LiveStatus->Announce(Text);
}

void TMainForm::ShowWelcome() {
  CoverPanel->move(CentredLeft(width(), CoverPanel->width()), mainform::CoverTop);
  SetPlayerLabel(Translated(mainform::WelcomeText));
  CoverPanel->show();
  CoverPanel->raise();
}

void TMainForm::ShowOptions() {
  FinishCreate();
  FGame.AbandonGame();
  FBoard->HideBoard();
  CopyRightImage->show();
  CoverPanel->hide();
  SetClientSize({width(), DesignClient.height()});
  SetClientSize(DesignClient);
  OptionsPanel->show();
  OptionsPanel->raise();
  OptionsPanel->FirstControl()->setFocus(Qt::OtherFocusReason);
  SetPlayerLabel(Translated(mainform::OptionsStatusText));
  OptionsPanel->checkAvailableCards();
}

// ---- Commands ------------------------------------------------------------------------------

void TMainForm::PanelMapMapClick(const QString& Area) {
  if (Area == QLatin1String(mainform::BarExitArea.Name))
    close();
  else if (Area == QLatin1String(mainform::BarPlayArea.Name))
    PlayCommand();
  else if (Area == QLatin1String(mainform::BarOptionsArea.Name))
    ShowOptions();
}

void TMainForm::ExitMapMapClick(const QString& Area) {
  if (Area == QLatin1String(mainform::HelpArea.Name))
    FPopUps->ShowHelp();
  else if (Area == QLatin1String(mainform::MiniArea.Name))
    showMinimized();
  else if (Area == QLatin1String(mainform::ExitArea.Name))
    close();
}

void TMainForm::CoverMapMapClick(const QString& Area) {
  if (Area == QLatin1String(mainform::CoverAdName))
    OpenURL(FCoverLink, QString(), true, TLinkOrigin::Game);
}

void TMainForm::CopyRightImageClick() {
  FPopUps->ShowAbout();
}

bool TMainForm::CanDeal() {
  const TCardsObj* set = OptionsPanel->SelectedSet();
  if (set == nullptr) {
    ShowMessageBox(tr("There is no card set in %1, so no game can start.").arg(FCardsDir),
                   QString(), MB_OK | MB_ICONERROR);
    ShowOptions();
    return false;
  }
  if (FSettings.Pairs > set->ImageCount) {
    // The options say why, and offer a count the set can fill where there is one.
    ShowOptions();
    return false;
  }
  return true;
}

void TMainForm::PlayCommand() {
  FinishCreate();
  CoverPanel->hide();
  ReadOptionsPanel();
  if (!CanDeal())
    return;
  TCardSetLoader loader(OptionsPanel->SelectedSet()->FileName);
  loader.SetCellCover([this](const CardSetHeaderInfo& Header, const BoardShape& Shape) {
    return FBoard->CellCover(Header, Shape, FWorkArea.size());
  });
  NewGameOptions options;
  options.Pairs = FSettings.Pairs;
  options.BoardWidth = FWorkArea.width() - BoardMarginWidth;
  options.BoardHeight = FWorkArea.height() - BoardMarginHeight;
  options.Computer = FSettings.Computer;
  options.Level = FSettings.Level;
  FLoader = &loader;
  try {
    FGame.NewGame1Click(options, loader);
  } catch (...) {
    FLoader = nullptr;
    throw;
  }
  FLoader = nullptr;
}

void TMainForm::ReportGameError(const QString& Text) {
  FGame.AbandonGame();
  ShowMessageBox(Text, QString(), MB_OK | MB_ICONERROR);
  ShowOptions();
}

void TMainForm::closeEvent(QCloseEvent* Event) {
  FormClose();
  Event->accept();
}

void TMainForm::FormClose() {
  if (FClosed)
    return;
  FClosed = true;
  // The settings saved must be the ones loaded, also when the window closes that early.
  FinishCreate();
  FGame.AbandonGame();
  if (FStore == nullptr)
    return;
  // Said once, here: the game ran on its defaults or its last choices all the same.
  QString problem;
  if (!SaveSettings(*FStore, FSettings, FGame.Players(), FCardSets, &problem))
    ShowMessageBox(tr("Your settings could not be saved. %1").arg(problem), QString(),
                   MB_OK | MB_ICONWARNING);
}

// ---- The board -----------------------------------------------------------------------------

void TMainForm::MGridSelectCell(int Col, int Row) {
  Guarded([&] { FGame.SelectCell(Col, Row); });
}

void TMainForm::Timer1Timer() {
  Guarded([&] { FGame.close_pair(); });
}

void TMainForm::CellChanged(int32_t Col, int32_t Row) {
  FBoard->CellChanged(Col, Row);
}

void TMainForm::FaceShown(int32_t Pick, int32_t Col, int32_t Row) {
  LiveStatus->Announce(CardTurnedText(FGame.State(), Col, Row));
  try {
    FBoard->FaceShown(Pick, Col, Row);
  } catch (const std::exception& error) {
    // The game is in the middle of a pick; it is stopped once the pick has returned.
    const QString text = QString::fromUtf8(error.what());
    QMetaObject::invokeMethod(
        this, [this, text] { ReportGameError(text); }, Qt::QueuedConnection);
  }
}

void TMainForm::StatusTextChanged(const std::string& Text) {
  SetPlayerLabel(QString::fromStdString(Text));
}

void TMainForm::PlaySound(GameSound Sound) {
  // Told right after the pair is judged, so it is also when the judgement is said.
  LiveStatus->Announce(PairJudgedText(FGame.State()));
  FBoard->PlaySound(Sound, FSettings.Sound);
}

void TMainForm::StartRevealTimer() {
  FBoard->StartRevealTimer();
}

void TMainForm::StopRevealTimer() {
  // A window closed before it was finished has no board yet.
  if (FBoard != nullptr)
    FBoard->StopRevealTimer();
}

void TMainForm::FitBoard(int32_t Rows, int32_t Cols) {
  if (FLoader != nullptr) {
    FBoard->TakeGame(*FLoader, FGame.State().CardSet);
    FAdvert = FLoader->Advert();
    FAdLink = FLoader->AdLink();
  }
  const TBoardFit fit = FBoard->FitBoardToScreen(Rows, Cols, FWorkArea.size());
  SetClientSize(fit.Client);
  MGrid->move(fit.Grid.topLeft());
}

void TMainForm::BoardReset() {
  OptionsPanel->hide();
  CopyRightImage->hide();
  CoverPanel->hide();
  FBoard->ShowBoard();
}

void TMainForm::GameFinished() {
  FBoard->Repaint();
  FPopUps->ShowScore(FGame, FAdvert, FAdLink);
  // The game is over: the next thing to do is play again (or choose options).
  if (!FClosed && FGame.Phase() == GamePhase::Finished)
    FocusPlay();
}
