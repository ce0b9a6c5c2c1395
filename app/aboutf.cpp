#include "aboutf.h"

#include "KVCursors.h"
#include "KVUtils.h"

#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

namespace {

constexpr int TitleEntry = 23;
const QColor LinkColour(0x00, 0xFF, 0x00);
const QColor TextColour(0xFF, 0xFF, 0x00);

void SetTextColour(QLabel* Label, const QColor& Colour) {
  QPalette palette = Label->palette();
  palette.setColor(QPalette::WindowText, Colour);
  Label->setPalette(palette);
}

} // namespace

const QString TAboutForm::ArtworkRedirectLink =
    QStringLiteral("https://www.kovalent.example/go/pixelgarten");

TAboutForm::TAboutForm(TKVResReader& Reader, QWidget* Parent) : TPopUpform(Reader, Parent) {
  FormCreate(Reader);
}

TAboutForm::~TAboutForm() = default;

void TAboutForm::FormCreate(TKVResReader& Reader) {
  LoadTitle(Reader, TitleEntry);

  MakeTextLabel(
      AddCentredLabel(QStringLiteral("Label8"), QStringLiteral("Kovalent Tesselo 2.05"), 60));
  MakeTextLabel(AddCentredLabel(QStringLiteral("Label1"),
                                QStringLiteral("Original concept and design by"), 80));
  QLabel* company =
      AddCentredLabel(QStringLiteral("Label12"), QStringLiteral("Kovalent Games Ltd."), 94);
  QFont bold = company->font();
  bold.setBold(true);
  company->setFont(bold);
  MakeTextLabel(company);
  MakeTextLabel(AddCentredLabel(QStringLiteral("Label2"),
                                QStringLiteral("14 Lattice Row, Tessel Bridge, TB3 7KV"), 108));
  MakeLinkLabel(AddCentredLabel(QStringLiteral("Label3"),
                                QStringLiteral("https://www.kovalent.example/"), 120));
  MakeLinkLabel(AddCentredLabel(QStringLiteral("Label10"),
                                QStringLiteral("https://tesselo.kovalent.example/"), 132));
  FLabel4 =
      AddCentredLabel(QStringLiteral("Label4"), QStringLiteral("tesselo@kovalent.example"), 144);
  MakeLinkLabel(FLabel4);
  MakeTextLabel(AddCentredLabel(
      QStringLiteral("Label5"),
      QStringLiteral("The artwork of the animated card sets belongs to Pixelgarten Studio"), 170));
  MakeTextLabel(AddCentredLabel(QStringLiteral("Label6"),
                                QStringLiteral("and is used with its kind permission."), 182));
  FLabel7 = AddCentredLabel(QStringLiteral("Label7"),
                            QStringLiteral("https://www.pixelgarten.example/"), 194);
  MakeLinkLabel(FLabel7);
  MakeTextLabel(AddLabel(QStringLiteral("Label11"),
                         QStringLiteral("Copyright © 2026 Kovalent Games Ltd."), 20, 234));
}

QLabel* TAboutForm::AddCentredLabel(const QString& Name, const QString& Text, int Top) {
  QLabel* label = AddLabel(Name, Text, 0, Top);
  label->setGeometry(0, Top, ClientSize.width(), label->height());
  label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  return label;
}

void TAboutForm::MakeTextLabel(QLabel* Label) {
  SetTextColour(Label, TextColour);
  Label->setCursor(TKVCursors::Cursor(TKVCursors::crHandMove));
  AddDragSurface(Label);
}

void TAboutForm::MakeLinkLabel(QLabel* Label) {
  SetTextColour(Label, LinkColour);
  Label->setCursor(TKVCursors::Cursor(TKVCursors::crHandPoint));
  FLinkLabels.push_back(Label);
  Label->installEventFilter(this);
}

bool TAboutForm::eventFilter(QObject* Watched, QEvent* Event) {
  auto* label = qobject_cast<QLabel*>(Watched);
  if (label == nullptr ||
      std::find(FLinkLabels.begin(), FLinkLabels.end(), label) == FLinkLabels.end())
    return TPopUpform::eventFilter(Watched, Event);
  // A link's presses must not reach the window below it, which would start a drag.
  switch (Event->type()) {
  case QEvent::MouseButtonPress:
    if (static_cast<QMouseEvent*>(Event)->button() == Qt::LeftButton)
      FPressedLink = label;
    return true;
  case QEvent::MouseButtonRelease:
    LinkLabelMouseUp(label, *static_cast<QMouseEvent*>(Event));
    return true;
  case QEvent::MouseMove:
  case QEvent::MouseButtonDblClick:
    return true;
  default:
    return TPopUpform::eventFilter(Watched, Event);
  }
}

void TAboutForm::LinkLabelMouseUp(QLabel* Label, const QMouseEvent& Event) {
  if (Event.button() != Qt::LeftButton)
    return;
  const bool clicked = FPressedLink == Label && Label->rect().contains(Event.position().toPoint());
  FPressedLink = nullptr;
  if (!clicked)
    return;
  if (Label == FLabel4)
    MailClick(Label);
  else
    URLClick(Label);
}

void TAboutForm::URLClick(QObject* Sender) {
  if (Sender == FLabel7) {
    OpenURL(ArtworkRedirectLink);
    return;
  }
  if (const auto* label = qobject_cast<QLabel*>(Sender))
    OpenURL(label->text());
}

void TAboutForm::MailClick(QObject* Sender) {
  if (const auto* label = qobject_cast<QLabel*>(Sender))
    SendMail(label->text());
}
