#include "KVRichEdOLE.h"

#include "RtfReader.h"
#include "RtfWriter.h"
#include "URLDetector.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <algorithm>
#include <memory>

namespace {

// Plain text as the platform writes it: Windows-1252, any line break, no zero characters.
QString PlainTextOf(const QByteArray& Source) {
  QString Text = DecodeWindows1252(Source);
  Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  Text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  Text.remove(QChar(0));
  return Text;
}

// Qt lays out a word wider than the view in time that grows with the square of its length
// (a one-megabyte word would take most of an hour), so a document holding a word longer than this
// wraps anywhere instead, which stays linear.
constexpr int MaxWordWrappedAtBoundary = 500;

int LongestWord(const QTextDocument& Doc) {
  int Longest = 0;
  for (QTextBlock Block = Doc.begin(); Block.isValid(); Block = Block.next()) {
    int Length = 0;
    for (const QChar C : Block.text()) {
      Length = C.isSpace() ? 0 : Length + 1;
      Longest = std::max(Longest, Length);
    }
  }
  return Longest;
}

} // namespace

TKVCustomRichEdit::TKVCustomRichEdit(QWidget* Parent)
    : QTextBrowser(Parent), FBlank(new QTextDocument(this)) {
  // Links are reported through OnURLClick only; the viewer never follows one itself.
  setOpenLinks(false);
  setOpenExternalLinks(false);
  setReadOnly(false);
  setLineWrapMode(WidgetWidth);
  UpdateScrollBarPolicies();
}

void TKVCustomRichEdit::SetScrollBars(TScrollStyle Value) {
  if (FScrollBars == Value)
    return;
  FScrollBars = Value;
  UpdateScrollBarPolicies();
}

void TKVCustomRichEdit::SetHideScrollBars(bool Value) {
  if (FHideScrollBars == Value)
    return;
  FHideScrollBars = Value;
  UpdateScrollBarPolicies();
}

void TKVCustomRichEdit::SetAutoURLDetect(bool Value) {
  if (FAutoURLDetect == Value)
    return;
  FAutoURLDetect = Value;
  std::unique_ptr<QTextDocument> Copy = CopyOfDocument();
  if (Value)
    MarkURLs(*Copy, palette().color(QPalette::Link));
  else
    UnmarkURLs(*Copy);
  ShowDocument(std::move(Copy));
}

void TKVCustomRichEdit::UpdateScrollBarPolicies() {
  const auto Policy = [this](bool Enabled) {
    if (!Enabled)
      return Qt::ScrollBarAlwaysOff;
    return FHideScrollBars ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn;
  };
  const bool Both = FScrollBars == TScrollStyle::ssBoth;
  setVerticalScrollBarPolicy(Policy(Both || FScrollBars == TScrollStyle::ssVertical));
  setHorizontalScrollBarPolicy(Policy(Both || FScrollBars == TScrollStyle::ssHorizontal));
}

// Every document is built away from the view and shown when complete: Qt lays out a shown
// paragraph again on every format change, which made marking the links of a long paragraph
// take time growing with the square of its length.
void TKVCustomRichEdit::LoadFromBytes(const QByteArray& Source) {
  FPressedLink.reset();
  auto Doc = std::make_unique<QTextDocument>();
  Doc->setDefaultFont(font());
  // Loading is not an edit the user could undo.
  Doc->setUndoRedoEnabled(false);
  const bool Loaded = FPlainText ? ReadAsPlainText(Source, *Doc) || ReadAsRichText(Source, *Doc)
                                 : ReadAsRichText(Source, *Doc) || ReadAsPlainText(Source, *Doc);
  if (Loaded && FAutoURLDetect)
    MarkURLs(*Doc, palette().color(QPalette::Link));
  Doc->setUndoRedoEnabled(true);
  ShowDocument(std::move(Doc));
  if (!Loaded)
    throw EKVRichEditError(
        QCoreApplication::translate("KVRichEdOLE", "Failed to Load Stream").toStdString());
}

// The wrap mode is set while the view shows an empty document, so that neither the old nor the
// new document is laid out with the wrong one.
void TKVCustomRichEdit::ShowDocument(std::unique_ptr<QTextDocument> Doc) {
  const QTextOption::WrapMode Mode = LongestWord(*Doc) > MaxWordWrappedAtBoundary
                                         ? QTextOption::WrapAnywhere
                                         : QTextOption::WrapAtWordBoundaryOrAnywhere;
  setDocument(FBlank);
  delete FDocument;
  setWordWrapMode(Mode);
  FDocument = Doc.release();
  FDocument->setParent(this);
  setDocument(FDocument);
  moveCursor(QTextCursor::Start);
}

std::unique_ptr<QTextDocument> TKVCustomRichEdit::CopyOfDocument() const {
  std::unique_ptr<QTextDocument> Copy(document()->clone());
  // A clone loses the first paragraph's own formats; they size an empty first line.
  QTextCursor First(Copy.get());
  First.setBlockFormat(document()->firstBlock().blockFormat());
  First.setBlockCharFormat(document()->firstBlock().charFormat());
  return Copy;
}

void TKVCustomRichEdit::LoadFromStrings(const QStringList& Lines) {
  QByteArray Source;
  for (const QString& Line : Lines)
    Source += EncodeWindows1252(Line) + "\r\n";
  LoadFromBytes(Source);
}

void TKVCustomRichEdit::LoadFromString(const QString& Text) {
  LoadFromBytes(EncodeWindows1252(Text));
}

bool TKVCustomRichEdit::ReadAsRichText(const QByteArray& Source, QTextDocument& Doc) {
  return ReadRtf(Source, Doc);
}

// Plain text has the rich text's bounds, so that neither reading can stall the viewer.
bool TKVCustomRichEdit::ReadAsPlainText(const QByteArray& Source, QTextDocument& Doc) {
  if (Source.size() > RtfMaxSourceBytes)
    return false;
  const QString Text = PlainTextOf(Source);
  if (Text.count(QLatin1Char('\n')) > RtfMaxParagraphs)
    return false;
  Doc.setPlainText(Text);
  return true;
}

QString TKVCustomRichEdit::SaveToString() const {
  QString Text;
  if (FPlainText) {
    Text = toPlainText();
  } else {
    const std::unique_ptr<QTextDocument> Copy = CopyOfDocument();
    UnmarkURLs(*Copy);
    Text = WriteRtf(*Copy);
  }
  while (Text.endsWith(QChar(0)))
    Text.chop(1);
  return Text;
}

std::optional<TKVCustomRichEdit::TLinkRange>
TKVCustomRichEdit::LinkAt(const QPoint& ViewportPos) const {
  const QPointF DocPos =
      QPointF(ViewportPos) + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
  return LinkAtPosition(document()->documentLayout()->hitTest(DocPos, Qt::ExactHit));
}

std::optional<TKVCustomRichEdit::TLinkRange> TKVCustomRichEdit::LinkAtPosition(int Pos) const {
  if (Pos < 0)
    return std::nullopt;
  // A link is the run of touching anchor fragments with one href around the hit character.
  std::optional<TLinkRange> Run;
  QString RunHref;
  const QTextBlock Block = document()->findBlock(Pos);
  for (auto It = Block.begin(); !It.atEnd(); ++It) {
    const QTextFragment Fragment = It.fragment();
    const QTextCharFormat Format = Fragment.charFormat();
    const int End = Fragment.position() + Fragment.length();
    if (Run && Format.isAnchor() && Format.anchorHref() == RunHref &&
        Fragment.position() == Run->End) {
      Run->End = End;
      continue;
    }
    if (Run && Pos >= Run->Start && Pos < Run->End)
      return Run;
    Run.reset();
    if (Format.isAnchor())
      Run = TLinkRange{Fragment.position(), End};
    RunHref = Format.anchorHref();
  }
  if (Run && Pos >= Run->Start && Pos < Run->End)
    return Run;
  return std::nullopt;
}

// A press on a link remembers it; any other left press forgets it, so a release on a link
// clicks it only when the same press began there.
void TKVCustomRichEdit::mousePressEvent(QMouseEvent* Event) {
  if (Event->button() == Qt::LeftButton)
    FPressedLink = LinkAt(Event->position().toPoint());
  QTextBrowser::mousePressEvent(Event);
}

// The keyboard reaches the links with Tab, which selects the link it lands on; Enter or Return
// then clicks it as the left button would.
void TKVCustomRichEdit::keyPressEvent(QKeyEvent* Event) {
  const bool enter = Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter;
  const QTextCursor Selected = textCursor();
  const std::optional<TLinkRange> Link =
      enter && Selected.hasSelection() ? LinkAtPosition(Selected.selectionStart()) : std::nullopt;
  if (!Link || Link->End < Selected.selectionEnd()) {
    QTextBrowser::keyPressEvent(Event);
    return;
  }
  ReportClick(*Link);
}

void TKVCustomRichEdit::ReportClick(const TLinkRange& Link) {
  if (!OnURLClick)
    return;
  QTextCursor Cursor(document());
  Cursor.setPosition(Link.Start);
  Cursor.setPosition(Link.End, QTextCursor::KeepAnchor);
  OnURLClick(this, Cursor.selectedText(), Qt::LeftButton);
}

void TKVCustomRichEdit::mouseReleaseEvent(QMouseEvent* Event) {
  std::optional<TLinkRange> Clicked;
  if (Event->button() == Qt::LeftButton) {
    const std::optional<TLinkRange> Released = LinkAt(Event->position().toPoint());
    if (Released && Released == FPressedLink)
      Clicked = Released;
    FPressedLink.reset();
  }
  QTextBrowser::mouseReleaseEvent(Event);
  if (Clicked)
    ReportClick(*Clicked);
}
