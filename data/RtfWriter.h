// Writes a QTextDocument as rich text (RTF) that RtfReader reads back to the same text, fonts,
// sizes, weights, slants, underlines, colours, indents and alignments.
#pragma once

#include <QString>

class QTextDocument;

// The whole document as one RTF source in 7-bit ASCII: characters of Windows-1252 are written
// as "\'hh" escapes, all others as "\uN?" escapes. Runs without a font family or size take the
// document's default font. Anchors are written as ordinary text.
QString WriteRtf(const QTextDocument& Doc);
