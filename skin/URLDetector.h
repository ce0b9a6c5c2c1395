// Finds web and mail addresses in text and turns them into anchors of a QTextDocument, as the
// help viewer's automatic link detection does.
#pragma once

#include <QString>
#include <vector>

class QColor;
class QTextDocument;

struct TURLRange {
  int Start = 0;
  int Length = 0;
  bool operator==(const TURLRange&) const = default;
};

// Links in Text, in order and not overlapping. A link starts with "http://", "https://",
// "ftp://", "www." or "mailto:" (any case) where no letter or digit precedes it, runs to the
// next white space or one of <>"{}|\^` and loses trailing punctuation (.,;:!?'" and closing
// brackets that do not close one of its own). A bare prefix is no link.
std::vector<TURLRange> FindURLs(const QString& Text);

// Each link costs its paragraph a format range to lay out; a document beyond this many links is
// not a help text, and the rest of its links stay plain text.
inline constexpr int MaxMarkedURLs = 10000;

// Makes the first MaxMarkedURLs links of Doc anchors whose href is the link's text, drawn in
// LinkColor and underlined. The formats it replaces are kept in the anchors so UnmarkURLs can
// restore them.
void MarkURLs(QTextDocument& Doc, const QColor& LinkColor);

// Undoes MarkURLs: every anchor it made gets its former colour and underline back.
void UnmarkURLs(QTextDocument& Doc);
