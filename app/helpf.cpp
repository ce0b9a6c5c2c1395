#include "helpf.h"

#include "KVCtrl.h"
#include "KVRichEdOLE.h"
#include "KVUtils.h"
#include "Language.h"
#include "SkinLayout.h"
#include "Translation.h"

#include <QFile>

// The document is compiled into this library; a static library's resources are registered
// only when asked for by name, and once is enough.
static void InitHelpResource() {
  static bool registered = false;
  if (registered)
    return;
  Q_INIT_RESOURCE(popups);
  registered = true;
}

QStringList HelpDocumentLines() {
  return HelpDocumentLines(language::Current());
}

QStringList HelpDocumentLines(const QString& Language) {
  InitHelpResource();
  QFile file(LocalizedFile(QStringLiteral(":/popups/"), QStringLiteral("help.rtf"), Language));
  if (!file.open(QIODevice::ReadOnly))
    return {};
  // RTF is 7-bit text with escapes; each character stands for one byte of the document.
  QStringList lines = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'));
  for (QString& line : lines)
    if (line.endsWith(QLatin1Char('\r')))
      line.chop(1);
  if (!lines.isEmpty() && lines.last().isEmpty())
    lines.removeLast();
  return lines;
}

Thelpform::Thelpform(TSkinReader& Skin, QWidget* Parent) : TPopUpform(Skin, Parent) {
  FormCreate(Skin);
}

Thelpform::~Thelpform() = default;

void Thelpform::FormCreate(TSkinReader& Skin) {
  LoadTitle(Skin, skinlayout::help::TitleEntry, Translated(skinlayout::HelpTitle));

  FKVStrings1 = new TKVStrings(this);
  FKVStrings1->setObjectName(QStringLiteral("KVStrings1"));

  FKVRichEdit1 = new TKVRichEditOLE(this);
  FKVRichEdit1->setObjectName(QStringLiteral("KVRichEdit1"));
  FKVRichEdit1->setGeometry(skinlayout::help::Viewer);
  FKVRichEdit1->SetReadOnly(true);
  FKVRichEdit1->SetScrollBars(TScrollStyle::ssVertical);
  FKVRichEdit1->OnURLClick = [this](QObject* Sender, const QString& URLText,
                                    Qt::MouseButton Button) {
    KVRichEdit1URLClick(Sender, URLText, Button);
  };
}

void Thelpform::LoadDocument() {
  FKVStrings1->SetLines(HelpDocumentLines());
  FKVRichEdit1->LoadFromStrings(FKVStrings1->Lines());
  FDocumentLoaded = true;
}

void Thelpform::showEvent(QShowEvent* Event) {
  if (!FDocumentLoaded)
    LoadDocument();
  TPopUpform::showEvent(Event);
}

void Thelpform::KVRichEdit1URLClick(QObject*, const QString& URLText, Qt::MouseButton Button) {
  if (Button != Qt::LeftButton)
    return;
  if (URLText.contains(QLatin1String("mailto:")))
    SendMail(URLText);
  else
    OpenURL(URLText, QString(), true, TLinkOrigin::Game);
}
