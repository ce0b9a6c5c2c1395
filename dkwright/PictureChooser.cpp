#include "PictureChooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

QString PictureFilesFilter() {
  return TPictureChooser::tr("Pictures (*.gif *.jpg *.jpeg *.bmp);;All files (*)");
}

TPictureChooser::TPictureChooser(const QString& Name, const QString& Caption,
                                 const QString& DialogTitle, QSize Preview, QWidget* Parent)
    : QWidget(Parent), FDialogTitle(DialogTitle), FPreviewSize(Preview) {
  FPreview = new QLabel(this);
  FPreview->setFixedSize(Preview + QSize(4, 4));
  FPreview->setAlignment(Qt::AlignCenter);
  FPreview->setFrameShape(QFrame::StyledPanel);
  FNote = new QLabel(this);
  FNote->setWordWrap(true);
  FNote->setObjectName(Name + QStringLiteral("Note"));
  auto* chooseBtn = new QPushButton(tr("Choose…"), this);
  FDrawnBtn = new QPushButton(tr("Drawn"), this);
  FDrawnBtn->setToolTip(tr("Use the picture drawn from the title"));
  connect(chooseBtn, &QPushButton::clicked, this, [this] { ChooseBtnClick(); });
  connect(FDrawnBtn, &QPushButton::clicked, this, [this] { UseDrawn(); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(chooseBtn);
  buttons->addWidget(FDrawnBtn);
  buttons->addStretch(1);
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(FPreview, 0, 0, 4, 1);
  layout->addWidget(new QLabel(QStringLiteral("<b>%1</b>").arg(Caption.toHtmlEscaped()), this), 0,
                    1);
  layout->addWidget(FNote, 1, 1);
  layout->addLayout(buttons, 2, 1);
  layout->setRowStretch(3, 1);
  layout->setColumnStretch(1, 1);
  ShowPreview();
}

void TPictureChooser::SetDrawn(const QImage& Drawn) {
  FDrawn = Drawn;
  if (!FChosen)
    ShowPreview();
}

void TPictureChooser::Choose(const QString& Path) {
  FChosen = SurveyDraftFace(Path, FPreviewSize);
  ShowPreview();
  emit Changed();
}

void TPictureChooser::UseDrawn() {
  if (!FChosen)
    return;
  FChosen.reset();
  ShowPreview();
  emit Changed();
}

TFaceSource TPictureChooser::Source() const {
  return FChosen ? FChosen->Source : TFaceSource{};
}

QString TPictureChooser::Problem() const {
  return FChosen ? FChosen->Problem : QString();
}

void TPictureChooser::ChooseBtnClick() {
  const QString path =
      QFileDialog::getOpenFileName(this, FDialogTitle, QString(), PictureFilesFilter());
  if (!path.isEmpty())
    Choose(path);
}

void TPictureChooser::ShowPreview() {
  const QImage shown = FChosen ? FChosen->Thumbnail : FDrawn;
  FPreview->setPixmap(shown.isNull()
                          ? QPixmap()
                          : QPixmap::fromImage(shown.scaled(FPreviewSize, Qt::KeepAspectRatio,
                                                            Qt::SmoothTransformation)));
  FDrawnBtn->setEnabled(FChosen.has_value());
  if (!FChosen)
    FNote->setText(tr("Drawn from the title"));
  else if (!FChosen->Problem.isEmpty())
    FNote->setText(QStringLiteral("<span style='color:#b02020'>%1</span>")
                       .arg(FChosen->Problem.toHtmlEscaped()));
  else
    FNote->setText(QFileInfo(FChosen->Source.Path).fileName().toHtmlEscaped());
}
