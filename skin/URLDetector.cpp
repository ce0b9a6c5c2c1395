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

// The link's length once trailing punctuation is dropped. The bracket counts are kept as it
// shrinks, so a link ending in a long row of brackets costs no more than its length.
int TrimLink(QStringView Link) {
  qsizetype Round = Link.count(u'(') - Link.count(u')');
  qsizetype Square = Link.count(u'[') - Link.count(u']');
  int Length = static_cast<int>(Link.size());
  while (Length > 0) {
    const QChar Last = Link[Length - 1];
    if (Last == u')' && Round < 0)
      ++Round;
    else if (Last == u']' && Square < 0)
      ++Square;
    else if (!QStringView(u".,;:!?'\"").contains(Last))
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

QTextCharFormat Marked(const QTextCharFormat& Old, const QString& Href, const QColor& Color) {
  QTextCharFormat Format = Old;
  Format.setProperty(MarkedProperty, true);
  Keep(Format, QTextFormat::ForegroundBrush, OldForegroundProperty);
  Keep(Format, QTextFormat::TextUnderlineStyle, OldUnderlineProperty);
  Format.setAnchor(true);
  Format.setAnchorHref(Href);
  Format.setForeground(Color);
  Format.setFontUnderline(true);
  return Format;
}

// Walks the block's fragments and its links side by side, once: a link may span fragments and
// a fragment may hold many links.
void MarkBlock(QTextDocument& Doc, const QTextBlock& Block, const QColor& Color, int& Budget) {
  const QString Text = Block.text();
  std::vector<TURLRange> Links = FindURLs(Text);
  if (static_cast<int>(Links.size()) > Budget)
    Links.resize(Budget);
  Budget -= static_cast<int>(Links.size());
  std::vector<TPiece> Pieces;
  std::vector<QString> Hrefs;
  size_t Link = 0;
  for (auto It = Block.begin(); !It.atEnd() && Link < Links.size(); ++It) {
    const QTextFragment Fragment = It.fragment();
    const int From = Fragment.position() - Block.position();
    const int To = From + Fragment.length();
    while (Link < Links.size() && Links[Link].Start < To) {
      const int End = Links[Link].Start + Links[Link].Length;
      const int PieceFrom = std::max(From, Links[Link].Start);
      if (PieceFrom < std::min(To, End)) {
        Pieces.push_back({Block.position() + PieceFrom, Block.position() + std::min(To, End),
                          Fragment.charFormat()});
        Hrefs.push_back(Text.mid(Links[Link].Start, Links[Link].Length));
      }
      if (End > To)
        break; // the link goes on in the next fragment
      ++Link;
    }
  }
  for (size_t I = 0; I < Pieces.size(); ++I)
    SetFormat(Doc, Pieces[I], Marked(Pieces[I].Format, Hrefs[I], Color));
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
  int Budget = MaxMarkedURLs;
  for (QTextBlock Block = Doc.begin(); Block.isValid() && Budget > 0; Block = Block.next())
    MarkBlock(Doc, Block, LinkColor, Budget);
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
