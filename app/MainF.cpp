#include "MainF.h"

#include "AppCursors.h"
#include "BoardGrid.h"
#include "BoardView.h"
#include "CardSetInstall.h"
#include "FaceOverlay.h"
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
#include "OpenedSets.h"
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

// How long the status line tells of an opened set before the game's own words come back.
constexpr int PassingStatusMs = 4000;
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
      FTable(*this, Setup.Seeds != nullptr ? *Setup.Seeds : *FClockSeeds), FStore(Setup.Store),
      FPopUps(&NoPopUps), FDrag(*this) {
  FormCreate(Skin, Setup);
}

TMainForm::~TMainForm() {
  // A set still being checked is refused at its next face, and its copy taken away.
  FOpenedSets.reset();
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
  FKeptGamePath = Setup.KeptGamePath;
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
  FOpenedSets =
      std::make_unique<TOpenedSets>(TCardFolderPair{FCardsDir, UserCardsDir()},
                                    [this](const TInstalledSet& Set) { ShowAddedSet(Set); });
}

void TMainForm::FinishCreate() {
  if (FTable.HasBoard())
    return;
  ApplyCursors();
  CreateLaterControls();
  PrepareLaterKeyboard();
  FTable.Board().SetCellSize({120, 90});
  OptionsPanel->AddSliderImage(FLaterSkin->Bitmap(entry::SliderTrack));
  OptionsPanel->AddSliderImage(FLaterSkin->Bitmap(entry::SliderThumb));
  OptionsPanel->SetOptionsBg(FLaterSkin->Bitmap(entry::OptionsBackground));
  // The builder strip belongs to the window's definition, not to the archive.
  OptionsPanel->SetBuilderStrip(QImage(LocalizedFile(
      QStringLiteral(":/"), QStringLiteral("dkwrbtn-options.png"), language::Current())));
  FLaterSkin.reset();
  MGrid->SetBackground(QBrush(FBoardBrush));
  if (FStore != nullptr)
    LoadSettings(*FStore, FSettings, FTable.Game().Players(), FCardSets, FCardsDir);
  else
    ScanCardSets(FCardsDir, FSettings.CardsFile, FCardSets);
  FillOptionsPanel();
  FormResize();
  // The game the player left, if any, comes back as it was; its faces are read now, after the
  // first picture, as a new deal's are.
  FTable.SetKeptGamePath(FKeptGamePath);
  const QString notRestored = FTable.ResumeKeptGame(FCardSets, FWorkArea.size());
  if (!notRestored.isEmpty())
    SetPlayerLabel(notRestored);
}

void TMainForm::KeepGame() {
  if (FTable.HasBoard())
    FTable.KeepGame();
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
  FTable.Board().LoadSounds();
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
  FTable.BuildBoard(*this, FAppDir, FSoundDevice);
  MGrid = FTable.Board().MGrid;
  Panel1 = FTable.Board().Panel1;
  Panel2 = FTable.Board().Panel2;
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
  OptionsPanel->FillOptionsPanel(FSettings, FTable.Game().Players());
  FTable.SetDelayAndSound(FSettings.Delay, FSettings.Sound);
  if (const TCardsObj* set = OptionsPanel->SelectedSet())
    FTable.Board().SetCellSize({set->CardWidth, set->CardHeight});
}

void TMainForm::ReadOptionsPanel() {
  OptionsPanel->ReadOptionsPanel(FSettings, FTable.Game().Players());
  FTable.SetDelayAndSound(FSettings.Delay, FSettings.Sound);
}

// ---- Card sets opened from outside ------------------------------------------------------------

void TMainForm::OpenCardSet(const QString& Path) {
  RaiseWindow();
  FOpenedSets->Open(Path);
}

void TMainForm::ShowAddedSet(const TInstalledSet& Set) {
  FinishCreate();
  FCardSets.CardSetIndex = FCardSets.Put(Set.FileName, Set.Header);
  OptionsPanel->ShowSelectedSet();
  // A game on the board is the player's: the set waits for the next deal, and the status line
  // says so for a moment before the game's own words come back.
  const bool forNextGame = FTable.Shown();
  const QString status =
      TOpenedSets::StatusText(Set.Outcome, ListedTitle(*FCardSets.Selected()), forNextGame,
                              QFontMetrics(Label1->font()), StatusPlateWidth);
  if (forNextGame) {
    ShowPassingStatus(status);
    return;
  }
  ShowOptions();
  SetPlayerLabel(status);
}

void TMainForm::ShowPassingStatus(const QString& Text) {
  SetPlayerLabel(Text);
  QTimer::singleShot(PassingStatusMs, this, [this, Text] {
    // Whatever the game has said since stands.
    if (Label1->text() == Text)
      ShowStatus(FGameStatus);
  });
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
  ShowStatus(Text);
  if (!Text.isEmpty())
    LiveStatus->Announce(Text);
}

void TMainForm::ShowStatus(const QString& Text) {
  Label1->setText(Text);
  Label1->adjustSize();
  Label1->move(CentredLeft(width(), Label1->width()), Label1->y());
}

void TMainForm::ShowWelcome() {
  CoverPanel->move(CentredLeft(width(), CoverPanel->width()), mainform::CoverTop);
  SetPlayerLabel(Translated(mainform::WelcomeText));
  CoverPanel->show();
  CoverPanel->raise();
}

void TMainForm::ShowOptions() {
  FinishCreate();
  FTable.Abandon();
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
  if (FSettings.Pairs > set->PlayablePairs()) {
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
  NewGameOptions options;
  options.Pairs = FSettings.Pairs;
  options.Computer = FSettings.Computer;
  options.Level = FSettings.Level;
  FTable.NewGame(OptionsPanel->SelectedSet()->FileName, options, FWorkArea.size());
}

void TMainForm::ReportGameError(const QString& Text) {
  FTable.Game().AbandonGame();
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
  // The game in progress is kept for the next start before it stops here.
  FTable.KeepGame();
  FTable.Game().AbandonGame();
  if (FStore == nullptr)
    return;
  // Said once, here: the game ran on its defaults or its last choices all the same.
  QString problem;
  if (!SaveSettings(*FStore, FSettings, FTable.Game().Players(), FCardSets, &problem))
    ShowMessageBox(tr("Your settings could not be saved. %1").arg(problem), QString(),
                   MB_OK | MB_ICONWARNING);
}

// ---- The board -----------------------------------------------------------------------------

void TMainForm::MGridSelectCell(int Col, int Row) {
  FTable.MGridSelectCell(Col, Row);
}

void TMainForm::Timer1Timer() {
  FTable.Timer1Timer();
}

void TMainForm::TableStatus(const QString& Text) {
  FGameStatus = Text;
  SetPlayerLabel(Text);
}

void TMainForm::TableAnnounce(const QString& Text) {
  LiveStatus->Announce(Text);
}

void TMainForm::TableFitted(QSize Client) {
  SetClientSize(Client);
}

void TMainForm::TableDealt() {
  OptionsPanel->hide();
  CopyRightImage->hide();
  CoverPanel->hide();
}

void TMainForm::TableFinished(const QImage& Advert, const QString& AdLink) {
  FPopUps->ShowScore(FTable.Game(), Advert, AdLink);
  // The game is over: the next thing to do is play again (or choose options).
  if (!FClosed && FTable.Game().Phase() == GamePhase::Finished)
    FocusPlay();
}

void TMainForm::TableFailed(const QString& Text) {
  ReportGameError(Text);
}
