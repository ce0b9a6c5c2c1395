#include "scoref.h"

#include "BuilderLauncher.h"
#include "GameState.h"
#include "KVCursors.h"
#include "KVUtils.h"
#include "PopUpPicture.h"

#include <QLabel>

namespace {

constexpr int TitleEntry = 30;
constexpr std::array<int, 5> RowTops{88, 108, 126, 144, 162};
constexpr int NameLeft = 24;
// The pair counts are right-aligned in a box from x 148; their right edge stays put.
constexpr QRect PairBox{148, 0, 24, 13};

} // namespace

TScoreForm::TScoreForm(TSkinReader& Skin, QWidget* Parent) : TPopUpform(Skin, Parent) {
  FormCreate(Skin);
}

TScoreForm::~TScoreForm() = default;

void TScoreForm::FormCreate(TSkinReader& Skin) {
  LoadTitle(Skin, TitleEntry);

  FAdImage = new TPopUpPicture(this);
  FAdImage->setObjectName(QStringLiteral("AdImage"));
  FAdImage->SetAutoSize(false);
  FAdImage->SetStretch(true);
  FAdImage->setGeometry(200, 50, 178, 170);
  FAdImage->SetCursorId(TKVCursors::crHandPoint);
  FAdImage->OnClick = [this](QObject* Sender) { AdImageClick(Sender); };

  AddYellowLabel(QStringLiteral("Label6"), QStringLiteral("Players:"), 32, 60);
  AddYellowLabel(QStringLiteral("Label12"), QStringLiteral("Pairs:"), 150, 60);
  for (size_t row = 0; row < RowTops.size(); ++row) {
    const int top = RowTops[row];
    FNameLabels[row] = AddYellowLabel(QStringLiteral("Label%1").arg(row + 1), {}, NameLeft, top);
    FPairLabels[row] = AddYellowLabel(QStringLiteral("Label%1").arg(row + 7), {}, 0, 0);
    FPairLabels[row]->setGeometry(PairBox.translated(0, top));
    FPairLabels[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  FWinnerLabel = AddYellowLabel(QStringLiteral("Label13"), {}, 24, 198);

  FDKWRBtn = new TPopUpPicture(this);
  FDKWRBtn->setObjectName(QStringLiteral("DKWRBtn"));
  FDKWRBtn->setAccessibleName(QStringLiteral("Make your own card set"));
  FDKWRBtn->setGeometry(13, 230, 300, 17);
  FDKWRBtn->SetCursorId(TKVCursors::crHandPoint);
  FDKWRBtn->OnClick = [this](QObject* Sender) { DKWRBtnClick(Sender); };
}

QLabel* TScoreForm::AddYellowLabel(const QString& Name, const QString& Text, int Left, int Top) {
  QLabel* label = AddLabel(Name, Text, Left, Top);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::yellow);
  label->setPalette(palette);
  return label;
}

void TScoreForm::SetAutoSizedText(QLabel* Label, const QString& Text) {
  Label->setText(Text);
  Label->resize(Label->sizeHint().width(), Label->height());
}

void TScoreForm::SetAdvert(const QImage& Picture, const QString& Link) {
  FAdImage->SetPicture(Picture);
  FAdLink = Link;
}

void TScoreForm::SetBuilderPicture(const QImage& Picture) {
  FDKWRBtn->SetPicture(Picture);
}

void TScoreForm::FormShow() {
  for (size_t row = 0; row < FNameLabels.size(); ++row) {
    const int slot = int(row) + 1;
    const QString name = FGame ? QString::fromStdString(FGame->Players[slot].Name) : QString();
    const int pairs = FGame ? FGame->Players[slot].Pairs : 0;
    SetAutoSizedText(FNameLabels[row], name);
    FPairLabels[row]->setText(QString::number(pairs));
    // A screen reader reads labels one by one; each must say which slot it belongs to.
    FNameLabels[row]->setAccessibleName(
        QStringLiteral("Player %1: %2").arg(QString::number(slot), name));
    FPairLabels[row]->setAccessibleName(
        QStringLiteral("Player %1 pairs: %2").arg(QString::number(slot), QString::number(pairs)));
  }
  const QString winner = FGame ? QString::fromStdString(FGame->WinnerName) : QString();
  SetAutoSizedText(FWinnerLabel, QStringLiteral("The winner is: ") + winner);
  FAdImage->SetHint(FAdLink);
  FAdImage->setAccessibleName(FAdLink.isEmpty() ? QStringLiteral("Advertisement")
                                                : QStringLiteral("Advertisement: ") + FAdLink);
}

void TScoreForm::AdImageClick(QObject*) {
  // A card set without a link has nothing to open; asking the shell would only report a
  // failure to connect to nothing.
  if (!FAdLink.isEmpty())
    OpenURL(FAdLink, QString(), true, TLinkOrigin::CardSet);
}

void TScoreForm::DKWRBtnClick(QObject* Sender) {
  if (FLauncher != nullptr && FLauncher->DKWRBtnClick(Sender))
    close();
}

void TScoreForm::showEvent(QShowEvent* Event) {
  FormShow();
  TPopUpform::showEvent(Event);
}
