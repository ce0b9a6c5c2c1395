#include "DeckwrightWindow.h"

#include "CardBox.h"
#include "DeckBuilder.h"
#include "DeckError.h"
#include "DefaultArt.h"
#include "DroppedFiles.h"
#include "FaceGrid.h"
#include "PairChoices.h"
#include "PartnerDialog.h"
#include "PictureChooser.h"
#include "Product.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString CheckStyle = QStringLiteral("color: #b02020;");

// A hint in an empty field is read whole, in whichever language it is written: the field is
// never narrower than its hint (with room for its frame and margins).
void SetHint(QLineEdit* Edit, const QString& Hint) {
  Edit->setPlaceholderText(Hint);
  Edit->setMinimumWidth(Edit->fontMetrics().horizontalAdvance(Hint) + 16);
}

QLabel* CheckLabel(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setStyleSheet(CheckStyle);
  // Checks quote file names and typed texts, which are never markup.
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->hide();
  return label;
}

void ShowCheck(QLabel* label, const QString& text) {
  label->setText(text);
  label->setVisible(!text.isEmpty());
}

// Words are most often written in the maker's own language, so a new set starts with it.
QString UsersLanguage() {
  const QString language = QLocale::system().name().section(QLatin1Char('_'), 0, 0);
  QString problem;
  ParseLanguages(language, problem);
  return problem.isEmpty() ? language : QStringLiteral("en");
}

QPushButton* Button(const QString& text, QWidget* parent, const QString& name) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  return button;
}

QList<QSize> UsableSizes(const QList<TDraftFace>& faces) {
  QList<QSize> sizes;
  for (const TDraftFace& face : faces)
    if (face.Problem.isEmpty())
      sizes.push_back(face.Size);
  return sizes;
}

} // namespace

TDeckwrightWindow::TDeckwrightWindow(TCardFolders Folders, TGameLauncher Launcher, QWidget* Parent)
    : QWidget(Parent), FFolders(std::move(Folders)), FLauncher(std::move(Launcher)),
      FPrompts(TDeckwrightPrompts::MessageBoxes(this)) {
  setWindowTitle(tr("Deckwright: card sets for %1").arg(QString::fromLatin1(product::Name)));
  setAcceptDrops(true);
  CreateControls();
  WireControls();
  DraftChanged();
  FUnsaved = false;
  resize(880, 580);
}

void TDeckwrightWindow::CreateControls() {
  auto* panes = new QHBoxLayout;
  panes->addWidget(CreateFacesPane(), 3);
  panes->addWidget(CreateSetPane(), 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(panes, 1);
  layout->addWidget(CreateActionRow());
}

QWidget* TDeckwrightWindow::CreateFacesPane() {
  auto* pane = new QGroupBox(tr("Faces"), this);
  FFaceGrid = new TFaceGrid(pane);
  FFaceGrid->setObjectName(QStringLiteral("FaceGrid"));
  FAddFilesBtn = Button(tr("Add pictures…"), pane, QStringLiteral("AddFilesBtn"));
  FAddFolderBtn = Button(tr("Add folder…"), pane, QStringLiteral("AddFolderBtn"));
  FEarlierBtn = Button(tr("◀ Earlier"), pane, QStringLiteral("EarlierBtn"));
  FLaterBtn = Button(tr("Later ▶"), pane, QStringLiteral("LaterBtn"));
  FPartnerBtn = Button(tr("Partner…"), pane, QStringLiteral("PartnerBtn"));
  FPartnerBtn->setToolTip(
      tr("What the chosen card pairs with: the same picture, another picture, a word or a sound"));
  FRemoveBtn = Button(tr("Remove"), pane, QStringLiteral("RemoveBtn"));
  FFacesCheck = CheckLabel(pane, QStringLiteral("FacesCheck"));
  FPairsNote = new QLabel(pane);
  FPairsNote->setObjectName(QStringLiteral("PairsNote"));
  FPairsNote->setWordWrap(true);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {FAddFilesBtn, FAddFolderBtn})
    buttons->addWidget(button);
  buttons->addStretch(1);
  for (QPushButton* button : {FEarlierBtn, FLaterBtn, FPartnerBtn, FRemoveBtn})
    buttons->addWidget(button);
  auto* layout = new QVBoxLayout(pane);
  layout->addWidget(FFaceGrid, 1);
  layout->addLayout(buttons);
  layout->addWidget(FPairsNote);
  layout->addWidget(FFacesCheck);
  return pane;
}

QWidget* TDeckwrightWindow::CreateSetPane() {
  auto* pane = new QGroupBox(tr("Card set"), this);
  FTitleEdit = new QLineEdit(pane);
  FTitleEdit->setObjectName(QStringLiteral("TitleEdit"));
  SetHint(FTitleEdit, tr("the name the game lists"));
  FTitleCheck = CheckLabel(pane, QStringLiteral("TitleCheck"));
  FLinkEdit = new QLineEdit(pane);
  FLinkEdit->setObjectName(QStringLiteral("LinkEdit"));
  SetHint(FLinkEdit, tr("optional, opened from the score screen"));
  FLinkCheck = CheckLabel(pane, QStringLiteral("LinkCheck"));
  FCardBoxEdit = new QLineEdit(pane);
  FCardBoxEdit->setObjectName(QStringLiteral("CardBoxEdit"));
  FCardBoxEdit->setToolTip(
      tr("WIDTHxHEIGHT in pixels; empty fits the faces' proportions into 120x90"));
  FCardBoxCheck = CheckLabel(pane, QStringLiteral("CardBoxCheck"));
  FLanguagesEdit = new QLineEdit(UsersLanguage(), pane);
  FLanguagesEdit->setObjectName(QStringLiteral("LanguagesEdit"));
  FLanguagesEdit->setToolTip(tr("The languages of the names and words of cards with a partner, "
                                "such as en de fr; the first is shown when a player's is missing"));
  FLanguagesCheck = CheckLabel(pane, QStringLiteral("LanguagesCheck"));
  FAdvertChooser = new TPictureChooser(QStringLiteral("Advert"), tr("Advert"),
                                       tr("Choose the advert"), QSize(89, 85), pane);
  FBackChooser = new TPictureChooser(QStringLiteral("Back"), tr("Back"), tr("Choose the back"),
                                     QSize(89, 85), pane);

  auto* form = new QFormLayout(pane);
  form->addRow(tr("Title"), FTitleEdit);
  form->addRow(QString(), FTitleCheck);
  form->addRow(tr("Link"), FLinkEdit);
  form->addRow(QString(), FLinkCheck);
  form->addRow(tr("Card box"), FCardBoxEdit);
  form->addRow(QString(), FCardBoxCheck);
  form->addRow(tr("Languages"), FLanguagesEdit);
  form->addRow(QString(), FLanguagesCheck);
  form->addRow(FAdvertChooser);
  form->addRow(FBackChooser);
  FSaveNote = new QLabel(pane);
  FSaveNote->setObjectName(QStringLiteral("SaveNote"));
  FSaveNote->setWordWrap(true);
  FSaveNote->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  FSaveNote->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
  form->addRow(FSaveNote);
  return pane;
}

QWidget* TDeckwrightWindow::CreateActionRow() {
  auto* row = new QWidget(this);
  FBuildProgress = new QProgressBar(row);
  FBuildProgress->setObjectName(QStringLiteral("BuildProgress"));
  FBuildProgress->hide();
  FCancelBtn = Button(tr("Cancel"), row, QStringLiteral("CancelBtn"));
  FCancelBtn->hide();
  FStatusLabel = new QLabel(row);
  FStatusLabel->setObjectName(QStringLiteral("StatusLabel"));
  FStatusLabel->setWordWrap(true);
  FStatusLabel->setTextFormat(Qt::PlainText);
  FStatusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  FSaveBtn = Button(tr("Save"), row, QStringLiteral("SaveBtn"));
  FSaveBtn->setDefault(true);
  FPlayBtn = Button(tr("Play with it"), row, QStringLiteral("PlayBtn"));
  FCloseBtn = Button(tr("Close"), row, QStringLiteral("CloseBtn"));

  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(FStatusLabel, 1);
  layout->addWidget(FBuildProgress, 1);
  layout->addWidget(FCancelBtn);
  for (QPushButton* button : {FSaveBtn, FPlayBtn, FCloseBtn})
    layout->addWidget(button);
  return row;
}

void TDeckwrightWindow::WireControls() {
  connect(FAddFilesBtn, &QPushButton::clicked, this, [this] { AddFilesBtnClick(); });
  connect(FAddFolderBtn, &QPushButton::clicked, this, [this] { AddFolderBtnClick(); });
  connect(FEarlierBtn, &QPushButton::clicked, this, [this] { FFaceGrid->MoveSelected(-1); });
  connect(FLaterBtn, &QPushButton::clicked, this, [this] { FFaceGrid->MoveSelected(+1); });
  connect(FPartnerBtn, &QPushButton::clicked, this, [this] { PartnerBtnClick(); });
  connect(FFaceGrid, &TFaceGrid::PartnerWanted, this, [this] { PartnerBtnClick(); });
  connect(FRemoveBtn, &QPushButton::clicked, this, [this] { FFaceGrid->RemoveSelected(); });
  connect(FFaceGrid, &TFaceGrid::FacesChanged, this, [this] { DraftChanged(); });
  connect(FFaceGrid, &TFaceGrid::FilesDropped, this,
          [this](const QStringList& paths) { AddPaths(paths); });
  for (QLineEdit* edit : {FTitleEdit, FLinkEdit, FCardBoxEdit, FLanguagesEdit})
    connect(edit, &QLineEdit::textChanged, this, [this] { DraftChanged(); });
  for (TPictureChooser* chooser : {FAdvertChooser, FBackChooser})
    connect(chooser, &TPictureChooser::Changed, this, [this] { DraftChanged(); });
  connect(FCancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
  connect(FSaveBtn, &QPushButton::clicked, this, [this] { Save(); });
  connect(FPlayBtn, &QPushButton::clicked, this, [this] { Play(); });
  connect(FCloseBtn, &QPushButton::clicked, this, [this] { close(); });
  connect(&FJob, &TDeckBuildJob::Progressed, this, &TDeckwrightWindow::JobProgressed);
  connect(&FJob, &TDeckBuildJob::Built, this, &TDeckwrightWindow::JobBuilt);
  connect(&FJob, &TDeckBuildJob::Failed, this, &TDeckwrightWindow::JobFailed);
  connect(&FJob, &TDeckBuildJob::Cancelled, this, &TDeckwrightWindow::JobCancelled);
}

void TDeckwrightWindow::AddPaths(const QStringList& Paths) {
  if (Busy())
    return;
  QStringList notices;
  const QList<TDraftFace> faces = ReadFaces(ExpandDraftPaths(Paths, notices));
  FFaceGrid->AddFaces(faces);
  if (!notices.isEmpty())
    FStatusLabel->setText(notices.join(QLatin1Char(' ')));
}

// A folder of camera photos takes a moment to read even at thumbnail size, so the window shows
// how far it is and keeps painting; user input waits, so nothing changes the set meanwhile.
QList<TDraftFace> TDeckwrightWindow::ReadFaces(const QStringList& Files) {
  QList<TDraftFace> faces;
  FReading = true;
  SetBusy(true);
  FCancelBtn->hide();
  FBuildProgress->setMaximum(int(Files.size()));
  for (const QString& path : Files) {
    FBuildProgress->setValue(int(faces.size()));
    FBuildProgress->setFormat(tr("Reading %1").arg(QFileInfo(path).fileName()) +
                              QStringLiteral("  %p%"));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    faces.push_back(SurveyDraftFace(path, TFaceGrid::ThumbnailBox));
  }
  SetBusy(false);
  FReading = false;
  return faces;
}

void TDeckwrightWindow::AddFilesBtnClick() {
  AddPaths(
      QFileDialog::getOpenFileNames(this, tr("Add pictures"), QString(), PictureFilesFilter()));
}

void TDeckwrightWindow::AddFolderBtnClick() {
  const QString folder =
      QFileDialog::getExistingDirectory(this, tr("Add the pictures of a folder"));
  if (!folder.isEmpty())
    AddPaths({folder});
}

void TDeckwrightWindow::PartnerBtnClick() {
  const int row = FFaceGrid->currentRow();
  if (Busy())
    return;
  if (row < 0) {
    FStatusLabel->setText(tr("Choose a card among the faces first."));
    return;
  }
  QString problem;
  const QStringList languages = Languages(problem);
  if (!problem.isEmpty()) {
    FPrompts.Warn(problem);
    return;
  }
  const QList<TDraftFace> faces = FFaceGrid->Faces();
  auto* dialog = new TPartnerDialog(faces[row], row + 1, FFaceGrid->Partner(row),
                                    DraftFormat(faces), languages, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  // The dialog is window-modal, so the cards cannot move while it is open.
  connect(dialog, &QDialog::accepted, this,
          [this, dialog, row] { FFaceGrid->SetPartner(row, dialog->Partner()); });
  dialog->open();
}

QStringList TDeckwrightWindow::Languages(QString& Problem) const {
  return ParseLanguages(FLanguagesEdit->text(), Problem);
}

QString TDeckwrightWindow::PairsCheck() const {
  const QList<TDraftPartner> partners = FFaceGrid->Partners();
  if (std::none_of(partners.begin(), partners.end(),
                   [](const TDraftPartner& partner) { return partner.IsPair(); }))
    return {};
  QString problem;
  const QStringList languages = Languages(problem);
  return problem.isEmpty()
             ? CheckPartners(partners, DraftFormat(FFaceGrid->Faces()), languages.front())
             : problem;
}

TDraftChecks TDeckwrightWindow::Checks() const {
  return CheckDraft(FTitleEdit->text(), FLinkEdit->text(), FCardBoxEdit->text(),
                    FFaceGrid->Faces());
}

void TDeckwrightWindow::DraftChanged() {
  FUnsaved = true;
  ShowChecks(Checks());
  ShowPairs(int(UsableSizes(FFaceGrid->Faces()).size()));
  RedrawDefaults();
  ShowSaveName();
  QString problem;
  FFaceGrid->SetLanguage(Languages(problem).value(0));
  const QSize box = DefaultCardBox(CommonFaceSize(UsableSizes(FFaceGrid->Faces())));
  SetHint(FCardBoxEdit, tr("automatic: %1x%2").arg(box.width()).arg(box.height()));
}

void TDeckwrightWindow::ShowChecks(const TDraftChecks& Checks) {
  ShowCheck(FTitleCheck, FTitleEdit->text().isEmpty() ? QString() : Checks.Title);
  ShowCheck(FLinkCheck, Checks.Link);
  ShowCheck(FCardBoxCheck, Checks.CardBox);
  ShowCheck(FFacesCheck, FFaceGrid->count() == 0  ? QString()
                         : Checks.Faces.isEmpty() ? PairsCheck()
                                                  : Checks.Faces);
  QString problem;
  Languages(problem);
  ShowCheck(FLanguagesCheck, problem);
}

void TDeckwrightWindow::ShowPairs(int Faces) {
  if (FFaceGrid->count() == 0) {
    FPairsNote->setText(
        tr("No faces yet: a set needs at least %1 pictures.").arg(TDeckRequest::MinFaces));
    return;
  }
  const int most = MostPlayablePairs(Faces);
  FPairsNote->setText(
      most == 0 ? tr("%n faces: too few for the smallest game of %1 pairs.", nullptr, Faces)
                      .arg(TDeckRequest::MinFaces)
                : tr("%n faces: this set can be played with up to %1 pairs (%2 of the game's %3 "
                     "pair counts).",
                     nullptr, Faces)
                      .arg(most)
                      .arg(PlayablePairChoices(Faces))
                      .arg(OfferedPairChoices()));
}

// Where Save will put the set, so the name is no surprise; the folder is the game's own unless
// that turns out not to be writable when saving.
void TDeckwrightWindow::ShowSaveName() {
  FSaveNote->setText(tr("Save writes <b>%1</b> into the game's cards folder, %2")
                         .arg(CardSetFileName(FTitleEdit->text()).toHtmlEscaped(),
                              QDir::toNativeSeparators(FFolders.Program).toHtmlEscaped()));
}

QSize TDeckwrightWindow::CardBox() const {
  const QSize given = ParseCardBox(FCardBoxEdit->text());
  return given.isEmpty() ? DefaultCardBox(CommonFaceSize(UsableSizes(FFaceGrid->Faces()))) : given;
}

void TDeckwrightWindow::RedrawDefaults() {
  const QString title = FTitleEdit->text();
  FAdvertChooser->SetDrawn(DrawDefaultAdvert(title, FLinkEdit->text()));
  FBackChooser->SetDrawn(DrawDefaultBack(CardBox(), title));
}

TDeckRequest TDeckwrightWindow::Request() const {
  TDeckRequest request;
  request.Title = FTitleEdit->text();
  request.Link = FLinkEdit->text();
  request.CardBox = ParseCardBox(FCardBoxEdit->text());
  request.Advert = FAdvertChooser->Source();
  request.Back = FBackChooser->Source();
  QString problem;
  request.Languages = Languages(problem);
  const QList<TDraftFace> faces = FFaceGrid->Faces();
  // Cards with partners are built as the command line builds a table of pairs.
  request.Pairs = DraftPairs(faces, FFaceGrid->Partners(), request.Languages);
  if (request.Pairs.isEmpty()) {
    request.Languages.clear();
    for (const TDraftFace& face : faces)
      request.Faces.push_back(face.Source);
  }
  return request;
}

// The first reason the set cannot be built yet, worded for a message box.
QString TDeckwrightWindow::SaveRefusal(const TDraftChecks& Checks) const {
  for (const QString& problem :
       {Checks.Faces, PairsCheck(), Checks.Title, Checks.Link, Checks.CardBox,
        FAdvertChooser->Problem(), FBackChooser->Problem()})
    if (!problem.isEmpty())
      return tr("The set cannot be saved yet.") + QStringLiteral("\n\n") + problem;
  return {};
}

bool TDeckwrightWindow::Save() {
  if (Busy())
    return false;
  const TDraftChecks checks = Checks();
  ShowCheck(FTitleCheck, checks.Title);
  const QString refusal = SaveRefusal(checks);
  if (!refusal.isEmpty()) {
    FPrompts.Warn(refusal);
    return false;
  }
  const QString folder = FFolders.Writable();
  if (folder.isEmpty()) {
    FPrompts.Warn(tr("Neither %1 nor %2 can be written, so the set cannot be saved.")
                      .arg(QDir::toNativeSeparators(FFolders.Program),
                           QDir::toNativeSeparators(FFolders.User)));
    return false;
  }
  const QString path = folder + CardSetFileName(FTitleEdit->text());
  if (QFileInfo::exists(path) &&
      !FPrompts.Ask(tr("%1 already holds a card set named %2.\n\nReplace it?")
                        .arg(QDir::toNativeSeparators(folder), QFileInfo(path).fileName())))
    return false;
  FSavePath = path;
  SetBusy(true);
  FJob.Start(Request(), path);
  return true;
}

void TDeckwrightWindow::SetBusy(bool Busy) {
  for (QWidget* control : std::initializer_list<QWidget*>{
           FFaceGrid, FAddFilesBtn, FAddFolderBtn, FEarlierBtn, FLaterBtn, FPartnerBtn, FRemoveBtn,
           FTitleEdit, FLinkEdit, FCardBoxEdit, FLanguagesEdit, FAdvertChooser, FBackChooser,
           FSaveBtn, FPlayBtn})
    control->setEnabled(!Busy);
  FBuildProgress->setVisible(Busy);
  FBuildProgress->setValue(0);
  FCancelBtn->setVisible(Busy);
  FCancelBtn->setEnabled(true);
  FStatusLabel->setVisible(!Busy);
}

void TDeckwrightWindow::JobProgressed(int Done, int Total, const QString& Step) {
  FBuildProgress->setMaximum(Total);
  FBuildProgress->setValue(Done);
  FBuildProgress->setFormat(Total == 0 ? Step : Step + QStringLiteral("  %p%"));
}

void TDeckwrightWindow::JobBuilt(const QByteArray& Bytes) {
  try {
    SaveDeck(Bytes, FSavePath);
  } catch (const EDeckError& error) {
    FPrompts.Warn(QString::fromUtf8(error.what()));
    EndSave(false, tr("The set was not saved."));
    return;
  }
  const QString folder = QFileInfo(FSavePath).absolutePath() + QLatin1Char('/');
  QString saved = tr("Saved %1 into %2.")
                      .arg(QFileInfo(FSavePath).fileName(), QDir::toNativeSeparators(folder));
  if (QDir(folder) != QDir(FFolders.Program))
    saved += QLatin1Char(' ') + tr("The game's own cards folder, %1, cannot be written.")
                                    .arg(QDir::toNativeSeparators(FFolders.Program));
  FUnsaved = false;
  FSavedPath = FSavePath;
  FPrompts.Tell(saved);
  EndSave(true, saved);
}

void TDeckwrightWindow::JobFailed(const QString& Message) {
  FPrompts.Warn(Message);
  EndSave(false, tr("The set was not saved."));
}

void TDeckwrightWindow::JobCancelled() {
  EndSave(false, tr("Cancelled: nothing was written."));
}

void TDeckwrightWindow::EndSave(bool Saved, const QString& Status) {
  SetBusy(false);
  FStatusLabel->setText(Status);
  const QString path = Saved ? FSavePath : QString();
  FSavePath.clear();
  emit SaveEnded(Saved, path);
}

void TDeckwrightWindow::CancelBtnClick() {
  FCancelBtn->setEnabled(false);
  FJob.Cancel();
}

void TDeckwrightWindow::Play() {
  if (Busy())
    return;
  if (FUnsaved && FFaceGrid->count() > 0 &&
      !FPrompts.Ask(tr("This set has not been saved. Start the game without it?")))
    return;
  switch (FLauncher.Launch(FUnsaved ? QString() : FSavedPath)) {
  case TLaunchResult::Started:
    close();
    return;
  case TLaunchResult::AlreadyRunning:
    FPrompts.Warn(tr("%1 is already running.").arg(QString::fromLatin1(product::Name)));
    return;
  case TLaunchResult::Missing:
    FPrompts.Warn(tr("The game is not beside Deckwright (%1), so it cannot be started from here.")
                      .arg(QDir::toNativeSeparators(FLauncher.GamePath())));
    return;
  case TLaunchResult::Failed:
    FPrompts.Warn(
        tr("%1 could not be started.").arg(QDir::toNativeSeparators(FLauncher.GamePath())));
    return;
  }
}

void TDeckwrightWindow::closeEvent(QCloseEvent* Event) {
  // A build halfway is simply dropped: nothing has been written yet.
  FJob.Cancel();
  QWidget::closeEvent(Event);
}

void TDeckwrightWindow::dragEnterEvent(QDragEnterEvent* Event) {
  if (!Busy() && !DroppedFiles(Event->mimeData()).isEmpty())
    Event->acceptProposedAction();
}

void TDeckwrightWindow::dropEvent(QDropEvent* Event) {
  const QStringList paths = DroppedFiles(Event->mimeData());
  if (Busy() || paths.isEmpty())
    return;
  Event->acceptProposedAction();
  AddPaths(paths);
}
