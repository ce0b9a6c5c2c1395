#include "RtfReader.h"

#include <QColor>
#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <utility>

namespace {

// Bytes 0x80..0x9F of Windows-1252; the five undefined ones keep their own value.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Values of control words are read into this range; each consumer narrows further.
constexpr int64_t ParamLimit = 2147483647;
constexpr int MaxHalfPoints = 3276;   // 1638 points, the largest size word processors offer
constexpr int MaxIndentTwips = 31680; // 22 inches
constexpr int MaxUnicodeSkip = 16;
constexpr size_t MaxColors = 65536; // as many as \cf can address

enum class TDest { Text, Skip, FontTable, ColorTable };

// Character properties as the source states them; the font stays a number until the run is
// emitted, because "\deff" comes before the font table that names it.
struct TCharState {
  int Font = -1; // -1: the default font
  int HalfPoints = RtfDefaultHalfPoints;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  int Color = 0;
  bool operator==(const TCharState&) const = default;
};

struct TGroupState {
  TDest Dest = TDest::Text;
  TCharState Char;
  TRtfParaFormat Para;
  int UnicodeSkip = 1;
};

struct TColorEntry {
  int Red = 0, Green = 0, Blue = 0;
  bool Given = false;
};

int Clamp(int64_t Value, int Low, int High) {
  return static_cast<int>(std::clamp<int64_t>(Value, Low, High));
}

bool IsAsciiLetter(char C) {
  return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z');
}
bool IsAsciiDigit(char C) {
  return C >= '0' && C <= '9';
}

int HexValue(char C) {
  if (IsAsciiDigit(C))
    return C - '0';
  if (C >= 'a' && C <= 'f')
    return C - 'a' + 10;
  if (C >= 'A' && C <= 'F')
    return C - 'A' + 10;
  return -1;
}

// Destinations whose content is never shown: document properties, style definitions, pictures,
// headers and footers, field instructions (the field's result is shown), list definitions.
bool IsSkippedDestination(std::string_view Word) {
  // clang-format off
  static constexpr std::string_view Skipped[] = {
      "info", "stylesheet", "pict", "object", "nonshppict", "shp", "header", "headerl",
      "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "fldinst",
      "listtable", "listoverridetable", "pn", "revtbl", "rsidtbl", "xmlnstbl", "filetbl",
      "themedata", "colorschememapping", "latentstyles", "datastore", "xe", "tc",
      "annotation", "atnid", "atnauthor", "template", "comment"};
  // clang-format on
  return std::find(std::begin(Skipped), std::end(Skipped), Word) != std::end(Skipped);
}

// Reads one RTF source from start to end in a single pass; one instance per source.
class TRtfParser {
public:
  explicit TRtfParser(QByteArrayView Source) : FSrc(Source) {}
  TRtfReadResult Run();

private:
  void OpenGroup();
  void CloseGroup();
  void ReadControl();
  void ReadControlWord();
  void ReadHexEscape();
  void SkipBinary(int64_t Count);
  void HandleWord(std::string_view Word, bool HasParam, int64_t Param);
  bool HandleTextWord(std::string_view Word, bool HasParam, int64_t Param);
  bool HandleFormatWord(std::string_view Word, bool HasParam, int64_t Param);
  bool HandleParaWord(std::string_view Word, bool HasParam, int64_t Param);
  void HandleSymbol(char C);
  bool ConsumeUnicodeSkip();
  void PutChar(char16_t C);
  void PutText(char16_t C);
  void Append(char16_t C);
  const TRtfCharFormat& CurrentFormat();
  void PutTableText(char16_t C);
  void CommitFont();
  void CommitColor();
  void EndParagraph();
  void FinishDocument();
  TRtfCharFormat Resolve(const TCharState& State) const;
  TGroupState& Top() { return FStack.back(); }
  void Fail(const QString& Message) {
    if (FError.isEmpty())
      FError = Message;
  }

  QByteArrayView FSrc;
  qsizetype FPos = 0;
  std::vector<TGroupState> FStack{TGroupState{}};
  bool FEnded = false;
  QString FError;
  int FPendingSkip = 0;
  char16_t FHighSurrogate = 0;

  int FDefaultFont = 0;
  std::map<int, QString> FFonts;
  int FFontNumber = 0;
  QString FFontName;
  std::vector<TColorEntry> FColors;
  TColorEntry FColor;

  TRtfDocument FDoc;
  TRtfParagraph FPara;

  TCharState FFormatState;
  TRtfCharFormat FFormat;
  bool FFormatValid = false;
  int FFormatSerial = 0; // counts resolutions: equal serials mean an equal format
  int FRunSerial = -1;   // the serial the last run was checked against
  int FRunCount = 0;
};

TRtfReadResult TRtfParser::Run() {
  TRtfReadResult Result;
  if (FSrc.size() > RtfMaxSourceBytes) {
    Result.Error = QStringLiteral("Rich text larger than %1 bytes").arg(RtfMaxSourceBytes);
    return Result;
  }
  if (!LooksLikeRtf(FSrc)) {
    Result.Error = QStringLiteral("Not rich text: no {\\rtf header");
    return Result;
  }
  FPos = FSrc.indexOf('{');
  while (FPos < FSrc.size() && !FEnded && FError.isEmpty()) {
    const char C = FSrc[FPos++];
    if (C == '{')
      OpenGroup();
    else if (C == '}')
      CloseGroup();
    else if (C == '\\')
      ReadControl();
    else if (C != '\r' && C != '\n' && !ConsumeUnicodeSkip())
      PutChar(Windows1252ToChar(static_cast<uint8_t>(C)).unicode());
  }
  if (!FError.isEmpty()) {
    Result.Error = FError;
    return Result;
  }
  if (!FEnded)
    FinishDocument();
  Result.Ok = true;
  Result.Document = std::move(FDoc);
  return Result;
}

void TRtfParser::OpenGroup() {
  FPendingSkip = 0;
  if (static_cast<int>(FStack.size()) > RtfMaxGroupDepth) {
    Fail(QStringLiteral("Rich text nested deeper than %1 groups").arg(RtfMaxGroupDepth));
    return;
  }
  FStack.push_back(Top());
}

// The open paragraph takes the formats in force where the document ends, inside its groups.
void TRtfParser::FinishDocument() {
  if (!FPara.Runs.empty() || FDoc.Paragraphs.empty())
    EndParagraph();
  FEnded = true;
}

void TRtfParser::CloseGroup() {
  FPendingSkip = 0;
  if (FStack.size() == 2)
    FinishDocument();
  const TDest Closed = Top().Dest;
  FStack.pop_back();
  // A font entry written without its closing ';' ends with its group.
  if (Closed == TDest::FontTable && !FFontName.isEmpty())
    CommitFont();
}

void TRtfParser::ReadControl() {
  if (FPos >= FSrc.size())
    return;
  const char C = FSrc[FPos];
  if (IsAsciiLetter(C)) {
    ReadControlWord();
    return;
  }
  ++FPos;
  if (C == '\'')
    ReadHexEscape();
  else if (!ConsumeUnicodeSkip())
    HandleSymbol(C);
}

void TRtfParser::ReadControlWord() {
  const qsizetype Start = FPos;
  while (FPos < FSrc.size() && IsAsciiLetter(FSrc[FPos]))
    ++FPos;
  const std::string_view Word(FSrc.data() + Start, static_cast<size_t>(FPos - Start));
  bool Negative = false;
  if (FPos + 1 < FSrc.size() && FSrc[FPos] == '-' && IsAsciiDigit(FSrc[FPos + 1])) {
    Negative = true;
    ++FPos;
  }
  bool HasParam = false;
  int64_t Param = 0;
  while (FPos < FSrc.size() && IsAsciiDigit(FSrc[FPos])) {
    HasParam = true;
    Param = std::min<int64_t>(Param * 10 + (FSrc[FPos] - '0'), ParamLimit);
    ++FPos;
  }
  if (Negative)
    Param = -Param;
  if (FPos < FSrc.size() && FSrc[FPos] == ' ')
    ++FPos;
  if (Word == "bin") {
    SkipBinary(Param);
    return;
  }
  if (!ConsumeUnicodeSkip())
    HandleWord(Word, HasParam, Param);
}

void TRtfParser::ReadHexEscape() {
  int Value = 0;
  for (int Digit = 0; Digit < 2; ++Digit) {
    const int Nibble = FPos < FSrc.size() ? HexValue(FSrc[FPos]) : -1;
    // A truncated escape is dropped; the byte that broke it is read as ordinary text.
    if (Nibble < 0)
      return;
    Value = Value * 16 + Nibble;
    ++FPos;
  }
  if (!ConsumeUnicodeSkip())
    PutChar(Windows1252ToChar(static_cast<uint8_t>(Value)).unicode());
}

void TRtfParser::SkipBinary(int64_t Count) {
  const qsizetype Left = FSrc.size() - FPos;
  FPos += static_cast<qsizetype>(std::clamp<int64_t>(Count, 0, Left));
  ConsumeUnicodeSkip();
}

// The characters that stand in for a Unicode escape, for readers that do not know it.
bool TRtfParser::ConsumeUnicodeSkip() {
  if (FPendingSkip <= 0)
    return false;
  --FPendingSkip;
  return true;
}

void TRtfParser::HandleWord(std::string_view Word, bool HasParam, int64_t Param) {
  TGroupState& State = Top();
  if (State.Dest == TDest::Skip)
    return;
  if (Word == "fonttbl") {
    State.Dest = TDest::FontTable;
    return;
  }
  if (Word == "colortbl") {
    State.Dest = TDest::ColorTable;
    FColors.clear();
    FColor = {};
    FFormatValid = false;
    return;
  }
  if (IsSkippedDestination(Word)) {
    State.Dest = TDest::Skip;
    return;
  }
  if (State.Dest == TDest::FontTable) {
    if (Word == "u")
      HandleTextWord(Word, HasParam, Param);
    if (Word == "f") {
      FFontNumber = Clamp(Param, 0, 65535);
      FFontName.clear();
    }
    return;
  }
  if (State.Dest == TDest::ColorTable) {
    const int Value = Clamp(Param, 0, 255);
    if (Word == "red" || Word == "green" || Word == "blue") {
      (Word == "red" ? FColor.Red : Word == "green" ? FColor.Green : FColor.Blue) = Value;
      FColor.Given = true;
    }
    return;
  }
  if (Word == "deff") {
    FDefaultFont = Clamp(Param, 0, 65535);
    FFormatValid = false;
  } else if (Word == "uc")
    State.UnicodeSkip = HasParam ? Clamp(Param, 0, MaxUnicodeSkip) : 1;
  else if (!HandleTextWord(Word, HasParam, Param) && !HandleFormatWord(Word, HasParam, Param))
    HandleParaWord(Word, HasParam, Param);
}

bool TRtfParser::HandleTextWord(std::string_view Word, bool HasParam, int64_t Param) {
  static constexpr std::pair<std::string_view, char16_t> Chars[] = {
      {"tab", u'\t'},        {"line", 0x2028},    {"emdash", 0x2014},  {"endash", 0x2013},
      {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C},
      {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005}};
  for (const auto& [Name, Char] : Chars) {
    if (Word == Name) {
      PutChar(Char);
      return true;
    }
  }
  if (Word == "par" || Word == "sect") {
    EndParagraph();
    return true;
  }
  if (Word == "u") {
    if (HasParam && Param >= -32768 && Param <= 65535)
      PutChar(static_cast<char16_t>(Param < 0 ? Param + 65536 : Param));
    else if (HasParam)
      PutChar(0xFFFD);
    FPendingSkip = Top().UnicodeSkip;
    return true;
  }
  return false;
}

bool TRtfParser::HandleFormatWord(std::string_view Word, bool HasParam, int64_t Param) {
  TCharState& Char = Top().Char;
  const bool On = !HasParam || Param != 0;
  if (Word == "plain")
    Char = TCharState{};
  else if (Word == "f")
    Char.Font = Clamp(Param, 0, 65535);
  else if (Word == "fs")
    Char.HalfPoints = HasParam ? Clamp(Param, 2, MaxHalfPoints) : RtfDefaultHalfPoints;
  else if (Word == "b")
    Char.Bold = On;
  else if (Word == "i")
    Char.Italic = On;
  else if (Word == "ulnone")
    Char.Underline = false;
  else if (Word == "ul" || Word == "uld" || Word == "uldb" || Word == "ulw" || Word == "uldash")
    Char.Underline = On;
  else if (Word == "cf")
    Char.Color = Clamp(Param, 0, 65535);
  else
    return false;
  return true;
}

bool TRtfParser::HandleParaWord(std::string_view Word, bool, int64_t Param) {
  TRtfParaFormat& Para = Top().Para;
  const int Twips = Clamp(Param, -MaxIndentTwips, MaxIndentTwips);
  if (Word == "pard")
    Para = TRtfParaFormat{};
  else if (Word == "li")
    Para.LeftTwips = Twips;
  else if (Word == "ri")
    Para.RightTwips = Twips;
  else if (Word == "fi")
    Para.FirstLineTwips = Twips;
  else if (Word == "ql")
    Para.Align = TRtfAlign::Left;
  else if (Word == "qc")
    Para.Align = TRtfAlign::Center;
  else if (Word == "qr")
    Para.Align = TRtfAlign::Right;
  else if (Word == "qj")
    Para.Align = TRtfAlign::Justify;
  else
    return false;
  return true;
}

void TRtfParser::HandleSymbol(char C) {
  switch (C) {
  case '\\':
  case '{':
  case '}':
    PutChar(static_cast<char16_t>(C));
    break;
  case '~':
    PutChar(0x00A0);
    break;
  case '_':
    PutChar(0x2011);
    break;
  case '*':
    Top().Dest = TDest::Skip;
    break;
  case '\r':
  case '\n':
    if (Top().Dest == TDest::Text)
      EndParagraph();
    break;
  default:
    break; // "\-" (optional hyphen), "\|", "\:" and unknown symbols show nothing
  }
}

void TRtfParser::PutChar(char16_t C) {
  switch (Top().Dest) {
  case TDest::Text:
    PutText(C);
    break;
  case TDest::FontTable:
  case TDest::ColorTable:
    PutTableText(C);
    break;
  case TDest::Skip:
    break;
  }
}

void TRtfParser::PutTableText(char16_t C) {
  const bool Fonts = Top().Dest == TDest::FontTable;
  if (C == u';')
    Fonts ? CommitFont() : CommitColor();
  else if (Fonts && C >= 0x20 && !QChar::isSurrogate(C))
    FFontName += QChar(C);
}

// Characters the document structure reserves (block and frame marks, objects) and controls
// other than the tab are dropped, so a run can never break the paragraph list; a surrogate
// half without its partner becomes U+FFFD.
void TRtfParser::PutText(char16_t C) {
  const bool Reserved = (C < 0x20 && C != u'\t') || C == 0x7F || C == 0x2029 || C == 0xFFFC ||
                        C == 0xFDD0 || C == 0xFDD1;
  if (Reserved)
    return;
  if (FHighSurrogate != 0) {
    const char16_t High = std::exchange(FHighSurrogate, 0);
    if (QChar::isLowSurrogate(C)) {
      Append(High);
      Append(C);
      return;
    }
    Append(0xFFFD);
  }
  if (QChar::isHighSurrogate(C))
    FHighSurrogate = C;
  else
    Append(QChar::isLowSurrogate(C) ? char16_t(0xFFFD) : C);
}

void TRtfParser::Append(char16_t C) {
  const TRtfCharFormat& Format = CurrentFormat();
  if (FPara.Runs.empty() ||
      (FRunSerial != FFormatSerial && !(FPara.Runs.back().Format == Format))) {
    if (++FRunCount > RtfMaxRuns)
      Fail(QStringLiteral("Rich text with more than %1 format changes").arg(RtfMaxRuns));
    FPara.Runs.push_back(TRtfRun{QString(), Format});
  }
  FRunSerial = FFormatSerial;
  FPara.Runs.back().Text += QChar(C);
}

// Resolving a format per character would dominate the reading time, so the last one is kept
// until the character state or the tables change.
const TRtfCharFormat& TRtfParser::CurrentFormat() {
  if (FFormatValid && FFormatState == Top().Char)
    return FFormat;
  FFormatState = Top().Char;
  FFormat = Resolve(FFormatState);
  FFormatValid = true;
  ++FFormatSerial;
  return FFormat;
}

void TRtfParser::CommitFont() {
  FFormatValid = false;
  FFonts[FFontNumber] = FFontName.trimmed();
  FFontName.clear();
}

void TRtfParser::CommitColor() {
  FFormatValid = false;
  if (FColors.size() < MaxColors)
    FColors.push_back(FColor);
  FColor = {};
}

void TRtfParser::EndParagraph() {
  if (FHighSurrogate != 0) {
    FHighSurrogate = 0;
    PutText(0xFFFD);
  }
  if (FDoc.Paragraphs.size() >= size_t(RtfMaxParagraphs))
    Fail(QStringLiteral("Rich text with more than %1 paragraphs").arg(RtfMaxParagraphs));
  FPara.Format = Top().Para;
  FPara.MarkFormat = CurrentFormat();
  FDoc.Paragraphs.push_back(std::move(FPara));
  FPara = TRtfParagraph{};
}

TRtfCharFormat TRtfParser::Resolve(const TCharState& State) const {
  TRtfCharFormat Format;
  const auto Font = FFonts.find(State.Font >= 0 ? State.Font : FDefaultFont);
  if (Font != FFonts.end())
    Format.FontFamily = Font->second;
  Format.HalfPoints = State.HalfPoints;
  Format.Bold = State.Bold;
  Format.Italic = State.Italic;
  Format.Underline = State.Underline;
  // Entry 0 and entries without components are the default colour ("auto").
  if (State.Color > 0 && State.Color < static_cast<int>(FColors.size()) &&
      FColors[State.Color].Given) {
    const TColorEntry& Entry = FColors[State.Color];
    Format.HasColor = true;
    Format.Color = (uint32_t(Entry.Red) << 16) | (uint32_t(Entry.Green) << 8) | Entry.Blue;
  }
  return Format;
}

QTextCharFormat ToCharFormat(const TRtfCharFormat& Format) {
  QTextCharFormat Result;
  if (!Format.FontFamily.isEmpty())
    Result.setFontFamilies({Format.FontFamily});
  Result.setFontPointSize(Format.HalfPoints / 2.0);
  Result.setFontWeight(Format.Bold ? QFont::Bold : QFont::Normal);
  Result.setFontItalic(Format.Italic);
  Result.setFontUnderline(Format.Underline);
  if (Format.HasColor)
    Result.setForeground(QColor(QRgb(Format.Color)));
  return Result;
}

QTextBlockFormat ToBlockFormat(const TRtfParaFormat& Format) {
  static constexpr Qt::Alignment Aligns[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                             Qt::AlignJustify};
  QTextBlockFormat Result;
  Result.setLeftMargin(Format.LeftTwips / RtfTwipsPerPixel);
  Result.setRightMargin(Format.RightTwips / RtfTwipsPerPixel);
  Result.setTextIndent(Format.FirstLineTwips / RtfTwipsPerPixel);
  Result.setAlignment(Aligns[static_cast<int>(Format.Align)]);
  return Result;
}

// Inserts text in as few calls as it can: a cursor insertion costs far more than its characters,
// and a document of many short paragraphs would otherwise take seconds to build.
class TDocumentBuilder {
public:
  explicit TDocumentBuilder(QTextDocument& Doc) : FCursor(&Doc) { FCursor.beginEditBlock(); }
  ~TDocumentBuilder() { FCursor.endEditBlock(); }

  void FirstParagraph(const TRtfParagraph& Para) {
    FCursor.setBlockFormat(ToBlockFormat(Para.Format));
    FCursor.setBlockCharFormat(ToCharFormat(Para.MarkFormat));
  }
  // A separator inserted with the text starts a block with the previous block's format and the
  // text's format as its mark, so only a paragraph that differs needs a block of its own.
  void NextParagraph(const TRtfParagraph& Para, const TRtfParagraph& Previous) {
    if (FPending.isEmpty())
      FFormat = Para.MarkFormat; // nothing waits, so the separator may take any format
    if (Para.Format == Previous.Format && Para.MarkFormat == FFormat) {
      FPending += QChar::ParagraphSeparator;
      return;
    }
    Flush();
    FCursor.insertBlock(ToBlockFormat(Para.Format), ToCharFormat(Para.MarkFormat));
  }
  void Add(const QString& Text, const TRtfCharFormat& Format) {
    if (!FPending.isEmpty() && !(Format == FFormat))
      Flush();
    FFormat = Format;
    FPending += Text;
  }
  void Flush() {
    if (!FPending.isEmpty())
      FCursor.insertText(FPending, ToCharFormat(FFormat));
    FPending.clear();
  }

private:
  QTextCursor FCursor;
  QString FPending;
  TRtfCharFormat FFormat;
};

} // namespace

bool LooksLikeRtf(QByteArrayView Source) {
  qsizetype Pos = 0;
  while (Pos < Source.size() &&
         std::string_view(" \t\r\n").find(Source[Pos]) != std::string_view::npos)
    ++Pos;
  return Source.sliced(Pos).startsWith(QByteArrayView("{\\rtf"));
}

TRtfReadResult ParseRtf(QByteArrayView Source) {
  return TRtfParser(Source).Run();
}

void ApplyRtf(const TRtfDocument& Rtf, QTextDocument& Doc) {
  // Building a document is not an edit to undo.
  const bool Undo = Doc.isUndoRedoEnabled();
  Doc.setUndoRedoEnabled(false);
  Doc.clear();
  TDocumentBuilder Builder(Doc);
  const TRtfParagraph* Previous = nullptr;
  for (const TRtfParagraph& Para : Rtf.Paragraphs) {
    if (Previous)
      Builder.NextParagraph(Para, *Previous);
    else
      Builder.FirstParagraph(Para);
    for (const TRtfRun& Run : Para.Runs)
      Builder.Add(Run.Text, Run.Format);
    Previous = &Para;
  }
  Builder.Flush();
  Doc.setUndoRedoEnabled(Undo);
}

bool ReadRtf(QByteArrayView Source, QTextDocument& Doc, QString* Error) {
  const TRtfReadResult Result = ParseRtf(Source);
  if (!Result.Ok) {
    if (Error)
      *Error = Result.Error;
    return false;
  }
  ApplyRtf(Result.Document, Doc);
  return true;
}

QChar Windows1252ToChar(uint8_t Byte) {
  if (Byte >= 0x80 && Byte <= 0x9F)
    return QChar(Cp1252High[Byte - 0x80]);
  return QChar(char16_t(Byte));
}

QString DecodeWindows1252(QByteArrayView Bytes) {
  QString Text(Bytes.size(), Qt::Uninitialized);
  for (qsizetype I = 0; I < Bytes.size(); ++I)
    Text[I] = Windows1252ToChar(static_cast<uint8_t>(Bytes[I]));
  return Text;
}

int CharToWindows1252(QChar C) {
  const char16_t Code = C.unicode();
  if (Code < 0x80 || (Code >= 0xA0 && Code <= 0xFF))
    return Code;
  const auto Found = std::find(Cp1252High.begin(), Cp1252High.end(), Code);
  return Found == Cp1252High.end() ? -1 : 0x80 + static_cast<int>(Found - Cp1252High.begin());
}

QByteArray EncodeWindows1252(const QString& Text) {
  QByteArray bytes(Text.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < Text.size(); ++i) {
    const char16_t code = Text[i].unicode();
    const int byte = CharToWindows1252(Text[i]);
    // U+0080..U+009F are no text: they are bytes read as Latin-1 characters.
    const bool carried = code >= 0x80 && code <= 0x9F;
    bytes[i] = static_cast<char>(byte >= 0 ? byte : carried ? code : '?');
  }
  return bytes;
}
