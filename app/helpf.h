// The help window: the help document, shown read-only in the rich-text viewer, whose web and
// mail links open in the desktop's browser and mail program.
#pragma once

#include "popUpF.h"

class TKVRichEditOLE;
class TKVStrings;

class Thelpform : public TPopUpform {
  Q_OBJECT

public:
  // Builds the window and reads its title (entry 29) besides the pop-up skin. The help
  // document, which the program carries with it, is laid out when the window is first shown:
  // most runs never open it.
  explicit Thelpform(TSkinReader& Skin, QWidget* Parent = nullptr);
  ~Thelpform() override;

  // The viewer's link handler: the left button only; a link containing "mailto:" starts a
  // mail, any other opens in the browser.
  void KVRichEdit1URLClick(QObject* Sender, const QString& URLText, Qt::MouseButton Button);

protected:
  void showEvent(QShowEvent* Event) override;

private:
  void FormCreate(TSkinReader& Skin);
  void LoadDocument();

  TKVRichEditOLE* FKVRichEdit1 = nullptr;
  TKVStrings* FKVStrings1 = nullptr;
  bool FDocumentLoaded = false;
};

// The help document, one RTF source line per entry, as the program carries it in Language
// (by default the one chosen at start-up), or in English when it has none in that language.
QStringList HelpDocumentLines(const QString& Language);
QStringList HelpDocumentLines();
