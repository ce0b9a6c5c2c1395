#include "PartnerDialog.h"

#include "FaceGrid.h"
#include "PictureChooser.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <tuple>

namespace {

QLineEdit* TextEdit(QWidget* parent, const QString& name, const QString& text) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(name);
  edit->setMaxLength(TPairTable::MaxText);
  return edit;
}

} // namespace

TPartnerDialog::TPartnerDialog(const TDraftFace& Face, int Number, const TDraftPartner& Partner,
                               TFaceFormat Format, const QStringList& Languages, QWidget* Parent)
    : QDialog(Parent), FFace(Face), FFormat(Format), FLanguages(Languages), FKind(Partner.Kind),
      FFile(Partner.File), FFileIsSound(Partner.Kind == TPartnerKind::Sound) {
  setWindowTitle(tr("Partner of card %1").arg(Number));
  auto* picture = new QLabel(this);
  picture->setPixmap(QPixmap::fromImage(Face.Thumbnail));
  picture->setAccessibleName(tr("Picture of card %1").arg(Number));
  auto* heading = new QLabel(tr("<b>Card %1</b>, %2: a card pairs with the same picture, as in "
                                "any set, or with another card of its own.")
                                 .arg(Number)
                                 .arg(QFileInfo(Face.Source.Path).fileName().toHtmlEscaped()),
                             this);
  heading->setWordWrap(true);
  auto* top = new QHBoxLayout;
  top->addWidget(picture);
  top->addWidget(heading, 1);

  FProblemLabel = new QLabel(this);
  FProblemLabel->setObjectName(QStringLiteral("PartnerProblem"));
  FProblemLabel->setStyleSheet(QStringLiteral("color: #b02020;"));
  FProblemLabel->setWordWrap(true);
  FProblemLabel->setTextFormat(Qt::PlainText);
  FButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(FButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(FButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(CreateKinds());
  layout->addSpacing(6);
  layout->addLayout(CreateTexts());
  layout->addWidget(FProblemLabel);
  layout->addStretch(1);
  layout->addWidget(FButtons);
  for (int i = 0; i < FLanguages.size(); ++i) {
    FNameEdits[i]->setText(Partner.Names.value(FLanguages[i]));
    FTextEdits[i]->setText(Partner.Texts.value(FLanguages[i]));
  }
  if (FNameEdits.front()->text().isEmpty())
    FNameEdits.front()->setText(DefaultName(Face.Source.Path));
  FKinds->button(int(FKind))->setChecked(true);
  Refresh();
}

QGridLayout* TPartnerDialog::CreateKinds() {
  auto* layout = new QGridLayout;
  FKinds = new QButtonGroup(this);
  const std::pair<TPartnerKind, QString> kinds[] = {
      {TPartnerKind::Same, tr("The &same picture")},
      {TPartnerKind::Picture, tr("Another &picture")},
      {TPartnerKind::Word, tr("A &word")},
      {TPartnerKind::Sound, tr("A s&ound (WAV, at most 10 seconds)")}};
  layout->addWidget(new QLabel(tr("Pairs with:"), this), 0, 0, 1, 3);
  for (const auto& [kind, caption] : kinds) {
    auto* choice = new QRadioButton(caption, this);
    choice->setObjectName(QStringLiteral("Kind%1").arg(int(kind)));
    FKinds->addButton(choice, int(kind));
    layout->addWidget(choice, int(kind) + 1, 0);
  }
  connect(FKinds, &QButtonGroup::idClicked, this,
          [this](int kind) { SetKind(TPartnerKind(kind)); });
  FPictureBtn = new QPushButton(tr("Choose…"), this);
  FPictureBtn->setObjectName(QStringLiteral("ChoosePictureBtn"));
  FPictureBtn->setAccessibleName(tr("Choose the other picture"));
  FSoundBtn = new QPushButton(tr("Choose…"), this);
  FSoundBtn->setObjectName(QStringLiteral("ChooseSoundBtn"));
  FSoundBtn->setAccessibleName(tr("Choose the sound"));
  FPictureFile = new QLabel(this);
  FSoundFile = new QLabel(this);
  for (const auto& [label, button, kind] :
       {std::tuple(FPictureFile, FPictureBtn, TPartnerKind::Picture),
        std::tuple(FSoundFile, FSoundBtn, TPartnerKind::Sound)}) {
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label, int(kind) + 1, 1);
    layout->addWidget(button, int(kind) + 1, 2);
  }
  layout->setColumnStretch(1, 1);
  connect(FPictureBtn, &QPushButton::clicked, this, [this] {
    const QString path = QFileDialog::getOpenFileName(this, tr("Choose the other picture"),
                                                      QString(), PictureFilesFilter());
    if (!path.isEmpty())
      ChoosePicture(path);
  });
  connect(FSoundBtn, &QPushButton::clicked, this, [this] {
    const QString path = QFileDialog::getOpenFileName(this, tr("Choose the sound"), QString(),
                                                      tr("WAV sounds (*.wav);;All files (*)"));
    if (!path.isEmpty())
      ChooseSound(path);
  });
  return layout;
}

// One row a language: the card's own picture's name, and what its partner says in it.
QGridLayout* TPartnerDialog::CreateTexts() {
  auto* layout = new QGridLayout;
  layout->addWidget(new QLabel(tr("Name of the picture"), this), 0, 1);
  FTextsHeading = new QLabel(this);
  layout->addWidget(FTextsHeading, 0, 2);
  for (int i = 0; i < FLanguages.size(); ++i) {
    const QString language = FLanguages[i];
    auto* code = new QLabel(language, this);
    QLineEdit* name = TextEdit(this, QStringLiteral("Name_") + language, {});
    QLineEdit* text = TextEdit(this, QStringLiteral("Text_") + language, {});
    name->setAccessibleName(tr("Name of the picture in %1").arg(language));
    code->setBuddy(name);
    if (i > 0) {
      name->setPlaceholderText(tr("optional"));
      text->setPlaceholderText(tr("optional"));
    }
    connect(text, &QLineEdit::textChanged, this, [this] { Refresh(); });
    layout->addWidget(code, 1 + i, 0);
    layout->addWidget(name, 1 + i, 1);
    layout->addWidget(text, 1 + i, 2);
    FNameEdits.push_back(name);
    FTextEdits.push_back(text);
  }
  layout->setColumnStretch(1, 1);
  layout->setColumnStretch(2, 1);
  return layout;
}

void TPartnerDialog::SetKind(TPartnerKind Kind) {
  FKind = Kind;
  FKinds->button(int(Kind))->setChecked(true);
  Refresh();
}

void TPartnerDialog::Choose(const TDraftFace& File) {
  // A name the user has not changed follows the file; one typed stays.
  QLineEdit* first = FTextEdits.front();
  if (first->text().isEmpty() || first->text() == DefaultName(FFile.Source.Path))
    first->setText(DefaultName(File.Source.Path));
  FFile = File;
  Refresh();
}

void TPartnerDialog::ChoosePicture(const QString& Path) {
  FFileIsSound = false;
  SetKind(TPartnerKind::Picture);
  Choose(SurveyDraftFace(Path, TFaceGrid::ThumbnailBox));
}

void TPartnerDialog::ChooseSound(const QString& Path) {
  FFileIsSound = true;
  SetKind(TPartnerKind::Sound);
  Choose(SurveyDraftSound(Path));
}

TDraftPartner TPartnerDialog::Partner() const {
  TDraftPartner partner;
  partner.Kind = FKind;
  for (int i = 0; i < FLanguages.size(); ++i) {
    partner.Names.insert(FLanguages[i], FNameEdits[i]->text());
    if (FKind != TPartnerKind::Same)
      partner.Texts.insert(FLanguages[i], FTextEdits[i]->text());
  }
  const bool file = FKind == TPartnerKind::Picture || FKind == TPartnerKind::Sound;
  if (file && FFileIsSound == (FKind == TPartnerKind::Sound))
    partner.File = FFile;
  return partner;
}

QString TPartnerDialog::Problem() const {
  return PartnerProblem(Partner(), FFormat, FLanguages.front());
}

void TPartnerDialog::Refresh() {
  const TDraftPartner partner = Partner();
  const QString chosen = QFileInfo(partner.File.Source.Path).fileName();
  FPictureFile->setText(FKind == TPartnerKind::Picture ? chosen : QString());
  FSoundFile->setText(FKind == TPartnerKind::Sound ? chosen : QString());
  FPictureBtn->setEnabled(FKind == TPartnerKind::Picture);
  FSoundBtn->setEnabled(FKind == TPartnerKind::Sound);
  const QString heading = FKind == TPartnerKind::Picture ? tr("Name of the other picture")
                          : FKind == TPartnerKind::Word  ? tr("Word")
                          : FKind == TPartnerKind::Sound ? tr("Caption of the sound")
                                                         : QString();
  FTextsHeading->setText(heading);
  for (int i = 0; i < FLanguages.size(); ++i) {
    FTextEdits[i]->setEnabled(FKind != TPartnerKind::Same);
    FTextEdits[i]->setAccessibleName(
        heading.isEmpty() ? QString() : tr("%1 in %2").arg(heading, FLanguages[i]));
  }
  const QString problem = Problem();
  FProblemLabel->setText(problem);
  FProblemLabel->setVisible(!problem.isEmpty());
  FButtons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
}
