#include "aboutf.h"

#include "KVCursors.h"
#include "KVFocusLook.h"
#include "KVKeys.h"
#include "KVUtils.h"
#include "SkinLayout.h"
#include "Translation.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace {

namespace about = skinlayout::about;

const QColor LinkColour(0x00, 0xFF, 0x00);
const QColor TextColour(0xFF, 0xFF, 0x00);

void SetTextColour(QLabel* Label, const QColor& Colour) {
  QPalette palette = Label->palette();
  palette.setColor(QPalette::WindowText, Colour);
  Label->setPalette(palette);
}

// A link line: it shows the keyboard's focus as a frame around its text only, as the lines
// above and below lie close.
class TLinkLabel : public QLabel {
public:
  explicit TLinkLabel(QWidget* Parent) : QLabel(Parent) { SetDrawsOwnFocus(this); }

protected:
  void paintEvent(QPaintEvent* Event) override {
    QLabel::paintEvent(Event);
    if (!hasFocus() || !FocusShown())
      return;
    QPainter canvas(this);
    const QSize textSize = fontMetrics().size(Qt::TextSingleLine, text());
    PaintTextFocus(canvas,
                   QStyle::alignedRect(layoutDirection(), alignment(), textSize, contentsRect()));
  }
  void focusInEvent(QFocusEvent* Event) override {
    QLabel::focusInEvent(Event);
    update();
  }
  void focusOutEvent(QFocusEvent* Event) override {
    QLabel::focusOutEvent(Event);
    update();
  }
};

} // namespace

const QString TAboutForm::ArtworkRedirectLink =
    QStringLiteral("https://www.kovalent.example/go/pixelgarten");

TAboutForm::TAboutForm(TSkinReader& Skin, QWidget* Parent) : TPopUpform(Skin, Parent) {
  FormCreate(Skin);
}

TAboutForm::~TAboutForm() = default;

void TAboutForm::FormCreate(TSkinReader& Skin) {
  LoadTitle(Skin, about::TitleEntry, Translated(skinlayout::AboutTitle));
  for (const about::TLine& line : about::Lines) {
    const bool link = line.Kind != about::TLineKind::Text && line.Kind != about::TLineKind::Name;
    QLabel* label = AddCentredLabel(QLatin1String(line.Name), Translated(line.Text), line.Top,
                                    link ? new TLinkLabel(this) : nullptr);
    if (!link)
      MakeTextLabel(label);
    else
      MakeLinkLabel(label);
    if (line.Kind == about::TLineKind::Mail)
      FMailLabel = label;
    if (line.Bold) {
      QFont bold = label->font();
      bold.setBold(true);
      label->setFont(bold);
    }
    ShrinkToWidth(label);
  }
  FArtworkLabel = findChild<QLabel*>(QLatin1String(about::ArtworkLineName));
  MakeTextLabel(AddLabel(QStringLiteral("Label11"), Translated(about::CopyrightText),
                         about::CopyrightPlace.x(), about::CopyrightPlace.y()));
}

QLabel* TAboutForm::AddCentredLabel(const QString& Name, const QString& Text, int Top,
                                    QLabel* Label) {
  QLabel* label = AddLabel(Name, Text, 0, Top, Label);
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
  // Tab reaches every link, and Enter or Space opens it.
  Label->setFocusPolicy(Qt::TabFocus);
  Label->setAccessibleDescription(tr("Link"));
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
  case QEvent::KeyPress:
    if (!IsActivationKey(*static_cast<QKeyEvent*>(Event)))
      return TPopUpform::eventFilter(Watched, Event);
    OpenLink(label);
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
  if (clicked)
    OpenLink(Label);
}

void TAboutForm::OpenLink(QLabel* Label) {
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
