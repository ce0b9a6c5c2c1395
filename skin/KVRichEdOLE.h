// The rich-text viewer of the help window: shows an RTF document, finds the web and mail links
// in it and reports a click on one.
//
// Qt draws the text, so there is no rich-edit library to choose or load: the control always
// behaves as the fullest level (links detected and reported).
#pragma once

#include <QTextBrowser>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

class QByteArray;

// Raised when a document can be read neither as rich text nor as plain text.
class EKVRichEditError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// Sender is the control; URLText the link exactly as the document has it.
using TRichEditURLClickEvent =
    std::function<void(QObject* Sender, const QString& URLText, Qt::MouseButton Button)>;

class TKVCustomRichEdit : public QTextBrowser {
  Q_OBJECT

public:
  explicit TKVCustomRichEdit(QWidget* Parent = nullptr);

  // Default false: the text can be edited.
  bool ReadOnly() const { return isReadOnly(); }
  void SetReadOnly(bool Value) { setReadOnly(Value); }
  // Default ssBoth. An enabled bar shows only when needed while HideScrollBars is true, and
  // always (idle when not needed) otherwise.
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  bool HideScrollBars() const { return FHideScrollBars; }
  void SetHideScrollBars(bool Value);
  // Default true: lines wrap at the control's width.
  bool WordWrap() const { return lineWrapMode() != NoWrap; }
  void SetWordWrap(bool Value) { setLineWrapMode(Value ? WidgetWidth : NoWrap); }
  // Default true: links are found in every document loaded, and in the current one when it is
  // switched on; switching it off turns them back into ordinary text.
  bool AutoURLDetect() const { return FAutoURLDetect; }
  void SetAutoURLDetect(bool Value);
  // Default false: documents are read as rich text first and saved as rich text.
  bool PlainText() const { return FPlainText; }
  void SetPlainText(bool Value) { FPlainText = Value; }

  // Fired when the left button is pressed and released on the same link, and when Enter or
  // Return is pressed on the link the keyboard's focus selected (Tab moves it from link to link).
  TRichEditURLClickEvent OnURLClick;

  // Empties the control and loads Source: as rich text, and when that fails as plain text (the
  // other order with PlainText). Throws EKVRichEditError "Failed to Load Stream" when both fail
  // (a source larger than RtfMaxSourceBytes or with more than RtfMaxParagraphs line breaks); the
  // control is then empty.
  void LoadFromBytes(const QByteArray& Source);
  // Each line ended by a line break; lines hold Windows-1252 text (characters outside it
  // become '?'). Throws as LoadFromBytes.
  void LoadFromStrings(const QStringList& Lines);
  void LoadFromString(const QString& Text);
  // The content as RTF (as plain text with PlainText), links written as ordinary text, without
  // trailing zero characters.
  QString SaveToString() const;

protected:
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;

private:
  struct TLinkRange {
    int Start = 0;
    int End = 0;
    bool operator==(const TLinkRange&) const = default;
  };

  // The link under a point of the viewport, or none. Serves press and release alike.
  std::optional<TLinkRange> LinkAt(const QPoint& ViewportPos) const;
  // The link holding the character at Pos in the document, or none.
  std::optional<TLinkRange> LinkAtPosition(int Pos) const;
  // Reports a click on Link through OnURLClick with the link's text.
  void ReportClick(const TLinkRange& Link);
  static bool ReadAsRichText(const QByteArray& Source, QTextDocument& Doc);
  static bool ReadAsPlainText(const QByteArray& Source, QTextDocument& Doc);
  // Shows Doc in place of the current document, which is freed.
  void ShowDocument(std::unique_ptr<QTextDocument> Doc);
  std::unique_ptr<QTextDocument> CopyOfDocument() const;
  void UpdateScrollBarPolicies();

  TScrollStyle FScrollBars = TScrollStyle::ssBoth;
  bool FHideScrollBars = true;
  bool FAutoURLDetect = true;
  bool FPlainText = false;
  std::optional<TLinkRange> FPressedLink;
  QTextDocument* FBlank;              // shown while documents are swapped
  QTextDocument* FDocument = nullptr; // the loaded document; both are children of this control
};

class TKVRichEditOLE : public TKVCustomRichEdit {
  Q_OBJECT

public:
  using TKVCustomRichEdit::TKVCustomRichEdit;
};
