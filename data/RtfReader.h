// Reads a rich-text (RTF) document, the help viewer's source format, into plain data, and
// applies that data to a QTextDocument.
//
// The reader is strict and small: it knows the groups, the font and colour tables, the character
// formats (font, size in half-points, bold, italic, underline, colour), the paragraph formats
// (indents in twips, alignment), paragraph and line breaks, tabs, Windows-1252 escapes and
// Unicode escapes. Every other destination is skipped whole, every other control word is
// ignored. It never crashes, hangs or grows without bound: a source larger than
// RtfMaxSourceBytes, nested deeper than RtfMaxGroupDepth, or with more paragraphs or runs than
// a text view builds in about a second (RtfMaxParagraphs, RtfMaxRuns) is refused with an error.
//
// A document whose outer group is never closed is read up to its end (a truncated file still
// shows its text); anything after the outer group is ignored.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <vector>

class QTextDocument;

// Qt lays text out at about a megabyte a second, so a larger document would freeze the view.
inline constexpr qsizetype RtfMaxSourceBytes = 1024 * 1024;
inline constexpr int RtfMaxGroupDepth = 200;
inline constexpr int RtfMaxParagraphs = 100000;
inline constexpr int RtfMaxRuns = 200000;
// Indents are stored in twips (1/1440 inch); the document measures in logical pixels at 96 dpi.
inline constexpr double RtfTwipsPerPixel = 15.0;
// The size a run has when the document never says otherwise: 12 points.
inline constexpr int RtfDefaultHalfPoints = 24;

enum class TRtfAlign { Left, Center, Right, Justify };

struct TRtfCharFormat {
  QString FontFamily; // empty: the document's default font
  int HalfPoints = RtfDefaultHalfPoints;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool HasColor = false; // false: the default text colour
  uint32_t Color = 0;    // 0xRRGGBB, meaningful with HasColor
  bool operator==(const TRtfCharFormat&) const = default;
};

struct TRtfParaFormat {
  int LeftTwips = 0;
  int RightTwips = 0;
  int FirstLineTwips = 0; // relative to LeftTwips
  TRtfAlign Align = TRtfAlign::Left;
  bool operator==(const TRtfParaFormat&) const = default;
};

struct TRtfRun {
  QString Text; // never holds a paragraph break; a line break is U+2028
  TRtfCharFormat Format;
};

struct TRtfParagraph {
  TRtfParaFormat Format;
  TRtfCharFormat MarkFormat; // the paragraph mark's format: it sizes an empty paragraph
  std::vector<TRtfRun> Runs;
};

// At least one paragraph once read successfully.
struct TRtfDocument {
  std::vector<TRtfParagraph> Paragraphs;
};

struct TRtfReadResult {
  bool Ok = false;
  QString Error; // set when !Ok
  TRtfDocument Document;
};

// True when Source opens with "{\rtf", after optional ASCII white space.
bool LooksLikeRtf(QByteArrayView Source);

// Reads Source as RTF. Never throws for any input.
TRtfReadResult ParseRtf(QByteArrayView Source);

// Replaces the content of Doc with Rtf. Runs without a font family keep the document's default.
void ApplyRtf(const TRtfDocument& Rtf, QTextDocument& Doc);

// ParseRtf then ApplyRtf. On failure Doc is untouched and Error (when given) says why.
bool ReadRtf(QByteArrayView Source, QTextDocument& Doc, QString* Error = nullptr);

// Windows-1252, the code page of the sources: undefined bytes map to the same code point, as
// the platform's own conversion does, so every byte sequence decodes.
QChar Windows1252ToChar(uint8_t Byte);
QString DecodeWindows1252(QByteArrayView Bytes);
// The byte of C in Windows-1252, or -1 when C has none.
int CharToWindows1252(QChar C);
// U+0080..U+009F become the byte of that value: text read from bytes as Latin-1, as the help
// document's lines are, gives back its own bytes, curly quotes and euro signs included. Other
// characters without a byte become '?'.
QByteArray EncodeWindows1252(const QString& Text);
