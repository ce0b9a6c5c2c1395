#include "aboutf.h"

#include "KVCursors.h"
#include "KVUtils.h"
#include "Product.h"

#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

namespace {

constexpr int TitleEntry = 23;
const QColor LinkColour(0x00, 0xFF, 0x00);
const QColor TextColour(0xFF, 0xFF, 0x00);

enum class TLabelKind { Text, Web, Mail };

struct TLabelRow {
  const char* Name;
  const char* Text;
  int Top;
  TLabelKind Kind;
};

// The labels that span the window's width, top to bottom.
constexpr TLabelRow LabelRows[] = {
    {"Label8", product::Title, 60, TLabelKind::Text},
    {"Label1", "Original concept and design by", 80, TLabelKind::Text},
    {"Label12", "Kovalent Games Ltd.", 94, TLabelKind::Text},
    {"Label2", "14 Lattice Row, Tessel Bridge, TB3 7KV", 108, TLabelKind::Text},
    {"Label3", "https://www.kovalent.example/", 120, TLabelKind::Web},
    {"Label10", "https://tesselo.kovalent.example/", 132, TLabelKind::Web},
    {"Label4", "tesselo@kovalent.example", 144, TLabelKind::Mail},
    {"Label5", "The artwork of the animated card sets belongs to Pixelgarten Studio", 170,
     TLabelKind::Text},
    {"Label6", "and is used with its kind permission.", 182, TLabelKind::Text},
    {"Label7", "https://www.pixelgarten.example/", 194, TLabelKind::Web},
};

void SetTextColour(QLabel* Label, const QColor& Colour) {
  QPalette palette = Label->palette();
  palette.setColor(QPalette::WindowText, Colour);
  Label->setPalette(palette);
}

} // namespace

const QString TAboutForm::ArtworkRedirectLink =
    QStringLiteral("https://www.kovalent.example/go/pixelgarten");

TAboutForm::TAboutForm(TSkinReader& Skin, QWidget* Parent) : TPopUpform(Skin, Parent) {
  FormCreate(Skin);
}

TAboutForm::~TAboutForm() = default;

void TAboutForm::FormCreate(TSkinReader& Skin) {
  LoadTitle(Skin, TitleEntry);
  for (const TLabelRow& row : LabelRows) {
    QLabel* label = AddCentredLabel(QLatin1String(row.Name), QString::fromUtf8(row.Text), row.Top);
    if (row.Kind == TLabelKind::Text)
      MakeTextLabel(label);
    else
      MakeLinkLabel(label);
    if (row.Kind == TLabelKind::Mail)
      FMailLabel = label;
  }
  FArtworkLabel = findChild<QLabel*>(QStringLiteral("Label7"));
  QLabel* company = findChild<QLabel*>(QStringLiteral("Label12"));
  QFont bold = company->font();
  bold.setBold(true);
  company->setFont(bold);
  MakeTextLabel(AddLabel(QStringLiteral("Label11"),
                         QStringLiteral("Copyright \u00A9 2026 Kovalent Games Ltd."), 20, 234));
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
  if (Label == FMailLabel)
    MailClick(Label);
  else
    URLClick(Label);
}

void TAboutForm::URLClick(QObject* Sender) {
  if (Sender == FArtworkLabel) {
    OpenURL(ArtworkRedirectLink, QString(), true, TLinkOrigin::Game);
    return;
  }
  if (const auto* label = qobject_cast<QLabel*>(Sender))
    OpenURL(label->text(), QString(), true, TLinkOrigin::Game);
}

void TAboutForm::MailClick(QObject* Sender) {
  if (const auto* label = qobject_cast<QLabel*>(Sender))
    SendMail(label->text());
}
