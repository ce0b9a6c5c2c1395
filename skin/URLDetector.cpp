#include "URLDetector.h"

#include <QColor>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QVariant>
#include <array>

namespace {

// Properties of a marked anchor that remember what it looked like before.
constexpr int MarkedProperty = QTextFormat::UserProperty + 0x4B56;
constexpr int OldForegroundProperty = MarkedProperty + 1;
constexpr int OldUnderlineProperty = MarkedProperty + 2;

constexpr std::array<QLatin1StringView, 5> Prefixes = {
    QLatin1StringView("http://"), QLatin1StringView("https://"), QLatin1StringView("ftp://"),
    QLatin1StringView("www."), QLatin1StringView("mailto:")};

bool EndsLink(QChar C) {
  return C.isSpace() || C.category() == QChar::Other_Control ||
         QStringView(u"<>\"{}|\\^`").contains(C);
}

// Length of the prefix that opens a link at Pos, or 0.
int PrefixAt(const QString& Text, int Pos) {
  if (Pos > 0 && Text[Pos - 1].isLetterOrNumber())
    return 0;
  const QStringView Rest = QStringView(Text).sliced(Pos);
  for (const QLatin1StringView Prefix : Prefixes) {
    if (Rest.startsWith(Prefix, Qt::CaseInsensitive))
      return static_cast<int>(Prefix.size());
  }
  return 0;
}

// The link's length once trailing punctuation is dropped.
int TrimLink(QStringView Link) {
  int Length = static_cast<int>(Link.size());
  while (Length > 0) {
    const QChar Last = Link[Length - 1];
    const QStringView Kept = Link.first(Length);
    const bool Unbalanced = (Last == u')' && Kept.count(u'(') < Kept.count(u')')) ||
                            (Last == u']' && Kept.count(u'[') < Kept.count(u']'));
    if (!QStringView(u".,;:!?'\"").contains(Last) && !Unbalanced)
      break;
    --Length;
  }
  return Length;
}

// Copies property Id into Store, absent stays absent.
void Keep(QTextCharFormat& Format, int Id, int Store) {
  if (Format.hasProperty(Id))
    Format.setProperty(Store, Format.property(Id));
}

// Puts back what Keep stored, absent included, and forgets the copy.
void Restore(QTextCharFormat& Format, int Id, int Store) {
  if (Format.hasProperty(Store))
    Format.setProperty(Id, Format.property(Store));
  else
    Format.clearProperty(Id);
  Format.clearProperty(Store);
}

struct TPiece {
  int Start;
  int End;
  QTextCharFormat Format;
};

// The parts of [Start, End) that lie in one fragment each, with their formats. They are
// gathered before any is changed, because changing a format splits fragments.
std::vector<TPiece> PiecesOf(const QTextBlock& Block, int Start, int End) {
  std::vector<TPiece> Pieces;
  for (auto It = Block.begin(); !It.atEnd(); ++It) {
    const QTextFragment Fragment = It.fragment();
    const int From = std::max(Start, Fragment.position());
    const int To = std::min(End, Fragment.position() + Fragment.length());
    if (From < To)
      Pieces.push_back({From, To, Fragment.charFormat()});
  }
  return Pieces;
}

void SetFormat(QTextDocument& Doc, const TPiece& Piece, const QTextCharFormat& Format) {
  QTextCursor Cursor(&Doc);
  Cursor.setPosition(Piece.Start);
  Cursor.setPosition(Piece.End, QTextCursor::KeepAnchor);
  Cursor.setCharFormat(Format);
}

void MarkLink(QTextDocument& Doc, const QTextBlock& Block, TURLRange Range, const QColor& Color) {
  const int Start = Block.position() + Range.Start;
  const QString Href = Block.text().mid(Range.Start, Range.Length);
  for (const TPiece& Piece : PiecesOf(Block, Start, Start + Range.Length)) {
    QTextCharFormat Format = Piece.Format;
    Format.setProperty(MarkedProperty, true);
    Keep(Format, QTextFormat::ForegroundBrush, OldForegroundProperty);
    Keep(Format, QTextFormat::TextUnderlineStyle, OldUnderlineProperty);
    Format.setAnchor(true);
    Format.setAnchorHref(Href);
    Format.setForeground(Color);
    Format.setFontUnderline(true);
    SetFormat(Doc, Piece, Format);
  }
}

QTextCharFormat Unmarked(QTextCharFormat Format) {
  Restore(Format, QTextFormat::ForegroundBrush, OldForegroundProperty);
  Restore(Format, QTextFormat::TextUnderlineStyle, OldUnderlineProperty);
  Format.clearProperty(MarkedProperty);
  Format.clearProperty(QTextFormat::IsAnchor);
  Format.clearProperty(QTextFormat::AnchorHref);
  return Format;
}

} // namespace

std::vector<TURLRange> FindURLs(const QString& Text) {
  std::vector<TURLRange> Links;
  int Pos = 0;
  while (Pos < Text.size()) {
    const int Prefix = PrefixAt(Text, Pos);
    if (Prefix == 0) {
      ++Pos;
      continue;
    }
    int End = Pos + Prefix;
    while (End < Text.size() && !EndsLink(Text[End]))
      ++End;
    const int Length = TrimLink(QStringView(Text).sliced(Pos, End - Pos));
    if (Length > Prefix)
      Links.push_back({Pos, Length});
    Pos = End;
  }
  return Links;
}

// One edit block for all links: the layout then runs once, not once per link and paragraph.
void MarkURLs(QTextDocument& Doc, const QColor& LinkColor) {
  QTextCursor Edit(&Doc);
  Edit.beginEditBlock();
  for (QTextBlock Block = Doc.begin(); Block.isValid(); Block = Block.next()) {
    for (const TURLRange& Range : FindURLs(Block.text()))
      MarkLink(Doc, Block, Range, LinkColor);
  }
  Edit.endEditBlock();
}

void UnmarkURLs(QTextDocument& Doc) {
  QTextCursor Edit(&Doc);
  Edit.beginEditBlock();
  for (QTextBlock Block = Doc.begin(); Block.isValid(); Block = Block.next()) {
    for (const TPiece& Piece :
         PiecesOf(Block, Block.position(), Block.position() + Block.length())) {
      if (Piece.Format.boolProperty(MarkedProperty))
        SetFormat(Doc, Piece, Unmarked(Piece.Format));
    }
  }
  Edit.endEditBlock();
}
