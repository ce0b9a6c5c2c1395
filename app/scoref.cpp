#include "scoref.h"

#include "BuilderLauncher.h"
#include "GameState.h"
#include "KVCursors.h"
#include "KVLiveStatus.h"
#include "KVPicture.h"
#include "KVUtils.h"
#include "SkinLayout.h"
#include "Translation.h"
#include "Verdict.h"

#include <QLabel>

namespace {

namespace score = skinlayout::score;

} // namespace

TScoreForm::TScoreForm(TSkinReader& Skin, QWidget* Parent) : TPopUpform(Skin, Parent) {
  FormCreate(Skin);
}

TScoreForm::~TScoreForm() = default;

void TScoreForm::FormCreate(TSkinReader& Skin) {
  LoadTitle(Skin, score::TitleEntry, Translated(skinlayout::ScoreTitle));

  FAdImage = new TKVPicture(this);
  FAdImage->setObjectName(QStringLiteral("AdImage"));
  FAdImage->SetAutoSize(false);
  FAdImage->SetStretch(true);
  FAdImage->setGeometry(score::AdImage);
  FAdImage->SetCursorId(TKVCursors::crHandPoint);
  FAdImage->OnClick = [this](QObject* Sender) { AdImageClick(Sender); };

  AddYellowLabel(QStringLiteral("Label6"), Translated(score::PlayersCaption),
                 score::PlayersCaptionPlace.x(), score::PlayersCaptionPlace.y());
  AddYellowLabel(QStringLiteral("Label12"), Translated(score::PairsCaption),
                 score::PairsCaptionPlace.x(), score::PairsCaptionPlace.y());
  for (size_t row = 0; row < FNameLabels.size(); ++row) {
    const int top = score::RowTops[row];
    FNameLabels[row] =
        AddYellowLabel(QStringLiteral("Label%1").arg(row + 1), {}, score::NameLeft, top);
    FPairLabels[row] = AddYellowLabel(QStringLiteral("Label%1").arg(row + 7), {}, 0, 0);
    // The pair counts are right-aligned in their box; their right edge stays put.
    FPairLabels[row]->setGeometry(score::PairBox.translated(0, top));
    FPairLabels[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  FWinnerLabel =
      AddYellowLabel(QStringLiteral("Label13"), {}, score::WinnerPlace.x(), score::WinnerPlace.y());

  FDKWRBtn = new TKVPicture(this);
  FDKWRBtn->setObjectName(QStringLiteral("DKWRBtn"));
  FDKWRBtn->setAccessibleName(Translated(skinlayout::BuilderStripName));
  FDKWRBtn->setGeometry(score::BuilderStrip);
  FDKWRBtn->SetCursorId(TKVCursors::crHandPoint);
  FDKWRBtn->OnClick = [this](QObject* Sender) { DKWRBtnClick(Sender); };
  FDKWRBtn->SetTabStop(true);
  FLiveStatus = new TKVLiveStatus(this);
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
    FNameLabels[row]->setAccessibleName(tr("Player %1: %2").arg(QString::number(slot), name));
    FPairLabels[row]->setAccessibleName(
        tr("Player %1 pairs: %2").arg(QString::number(slot), QString::number(pairs)));
  }
  const QString winner = FGame ? QString::fromStdString(FGame->WinnerName) : QString();
  SetAutoSizedText(FWinnerLabel, QString::fromStdString(WinnerLine(winner.toStdString())));
  // The verdict is what the window is about; readers say a dialog's description as it opens.
  setAccessibleDescription(FWinnerLabel->text());
  // Tab stops at the advertisement only when it leads somewhere.
  FAdImage->SetTabStop(!FAdLink.isEmpty());
  FAdImage->SetHint(FAdLink);
  FAdImage->setAccessibleName(FAdLink.isEmpty() ? tr("Advertisement")
                                                : tr("Advertisement: %1").arg(FAdLink));
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
  FLiveStatus->Announce(accessibleDescription());
}
