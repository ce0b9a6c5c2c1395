// The RTF reader: what it makes of well-formed documents, and that damaged or hostile input
// ends in a clear result, never a crash, a hang or unbounded growth.
#include "RtfReader.h"

#include <QColor>
#include <QElapsedTimer>
#include <QFont>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>
#include <iterator>

namespace {

TRtfDocument Parse(const QByteArray& Source) {
  const TRtfReadResult Result = ParseRtf(Source);
  EXPECT_TRUE(Result.Ok) << Result.Error.toStdString();
  return Result.Document;
}

// All the text of a parsed document, paragraphs joined by '\n'.
QString TextOf(const TRtfDocument& Doc) {
  QStringList Paragraphs;
  for (const TRtfParagraph& Para : Doc.Paragraphs) {
    QString Text;
    for (const TRtfRun& Run : Para.Runs)
      Text += Run.Text;
    Paragraphs << Text;
  }
  return Paragraphs.join(QLatin1Char('\n'));
}

const QByteArray Header = "{\\rtf1\\ansi\\ansicpg1252\\deff0"
                          "{\\fonttbl{\\f0\\fswiss\\fcharset0 Sans Serif;}{\\f1\\fswiss Arial;}}"
                          "{\\colortbl ;\\red192\\green0\\blue0;\\red0\\green0\\blue0;}\n";

TEST(RtfReaderFormats, HelpStyleParagraphCarriesFontsColoursAndIndent) {
  const TRtfDocument Doc = Parse(Header + "\\pard\\f0\\fs16\\par\n"
                                          "\\pard\\li142\\f1\\fs20\\cf1\\b Using the Game\\cf2\\b0 "
                                          " - the goal.\\par\n}");
  ASSERT_EQ(Doc.Paragraphs.size(), 2u);

  const TRtfParagraph& Blank = Doc.Paragraphs[0];
  EXPECT_TRUE(Blank.Runs.empty());
  EXPECT_EQ(Blank.MarkFormat.FontFamily, "Sans Serif");
  EXPECT_EQ(Blank.MarkFormat.HalfPoints, 16);

  const TRtfParagraph& Para = Doc.Paragraphs[1];
  EXPECT_EQ(Para.Format.LeftTwips, 142);
  ASSERT_EQ(Para.Runs.size(), 2u);
  EXPECT_EQ(Para.Runs[0].Text, "Using the Game");
  EXPECT_EQ(Para.Runs[0].Format.FontFamily, "Arial");
  EXPECT_EQ(Para.Runs[0].Format.HalfPoints, 20);
  EXPECT_TRUE(Para.Runs[0].Format.Bold);
  EXPECT_TRUE(Para.Runs[0].Format.HasColor);
  EXPECT_EQ(Para.Runs[0].Format.Color, 0xC00000u);
  EXPECT_EQ(Para.Runs[1].Text, " - the goal.");
  EXPECT_FALSE(Para.Runs[1].Format.Bold);
  EXPECT_EQ(Para.Runs[1].Format.Color, 0x000000u);
}

TEST(RtfReaderFormats, GroupsScopeFormatsAndPlainResets) {
  const TRtfDocument Doc =
      Parse(Header + "a{\\i b{\\ul c\\ulnone d}e}f\\b\\i\\ul\\fs40\\plain g\\ul h\\ul0 i}");
  ASSERT_EQ(Doc.Paragraphs.size(), 1u);
  QString Italic, Underlined, Plain;
  for (const TRtfRun& Run : Doc.Paragraphs[0].Runs) {
    (Run.Format.Italic ? Italic : Plain) += Run.Text;
    if (Run.Format.Underline)
      Underlined += Run.Text;
    EXPECT_FALSE(Run.Format.Bold);
    EXPECT_EQ(Run.Format.HalfPoints, RtfDefaultHalfPoints);
    EXPECT_EQ(Run.Format.FontFamily, "Sans Serif") << "\\deff0 names the default font";
  }
  EXPECT_EQ(Italic, "bcde");
  EXPECT_EQ(Underlined, "ch");
  EXPECT_EQ(Plain, "afghi");
}

TEST(RtfReaderFormats, ParagraphFormatsFollowTheParagraphMark) {
  const TRtfDocument Doc = Parse(Header + "\\qc centred\\par\\qr\\ri300 right\\par"
                                          "\\pard\\qj\\li-60\\fi720 just\\par\\pard left\\par}");
  ASSERT_EQ(Doc.Paragraphs.size(), 4u);
  EXPECT_EQ(Doc.Paragraphs[0].Format.Align, TRtfAlign::Center);
  EXPECT_EQ(Doc.Paragraphs[1].Format.Align, TRtfAlign::Right);
  EXPECT_EQ(Doc.Paragraphs[1].Format.RightTwips, 300);
  EXPECT_EQ(Doc.Paragraphs[2].Format.Align, TRtfAlign::Justify);
  EXPECT_EQ(Doc.Paragraphs[2].Format.LeftTwips, -60);
  EXPECT_EQ(Doc.Paragraphs[2].Format.FirstLineTwips, 720);
  EXPECT_EQ(Doc.Paragraphs[2].Format.RightTwips, 0) << "\\pard resets the paragraph";
  EXPECT_EQ(Doc.Paragraphs[3].Format, TRtfParaFormat{});
}

TEST(RtfReaderFormats, UnknownFontAndColourFallBackToDefaults) {
  const TRtfDocument Doc = Parse("{\\rtf1{\\colortbl;\\red1\\green2\\blue3;;}"
                                 "\\f7\\cf2 a\\cf9 b\\cf1 c}");
  const std::vector<TRtfRun>& Runs = Doc.Paragraphs.at(0).Runs;
  ASSERT_EQ(Runs.size(), 2u);
  EXPECT_EQ(Runs[0].Text, "ab");
  EXPECT_FALSE(Runs[0].Format.HasColor);
  EXPECT_TRUE(Runs[0].Format.FontFamily.isEmpty());
  EXPECT_EQ(Runs[1].Format.Color, 0x010203u);
}

TEST(RtfReaderText, EscapesDecodeToUnicode) {
  // A stand-in count of two skips "xy"; the end of a group ends the skipping early.
  const TRtfDocument Doc = Parse("{\\rtf1\\ansi caf\\'e9 \\'80 \\'4a\\u8364? \\uc2\\u8730 xy|"
                                 "{\\u937 a}z\\uc0\\u955 | \\\\\\{\\}\\tab\\line\\~\\emdash}");
  EXPECT_EQ(TextOf(Doc), QString::fromUtf8("café € J€ √|Ωzλ| \\{}\t\u2028\u00a0\u2014"));
}

TEST(RtfReaderText, RawBytesAreWindows1252AndLineBreaksInSourceAreIgnored) {
  const TRtfDocument Doc = Parse("{\\rtf1 na\xefve\r\n \x93quoted\x94\n}");
  EXPECT_EQ(TextOf(Doc), QString::fromUtf8("naïve “quoted”"));
}

TEST(RtfReaderText, SurrogatesPairOrBecomeReplacementCharacters) {
  EXPECT_EQ(TextOf(Parse("{\\rtf1 \\u-10179?\\u-8704?}")), QString::fromUtf8("😀"));
  EXPECT_EQ(TextOf(Parse("{\\rtf1 \\u-10179?x\\u-8704?}")), QString::fromUtf8("\uFFFDx\uFFFD"));
}

TEST(RtfReaderText, CharactersThatWouldBreakTheDocumentAreDropped) {
  // Paragraph separator, newline, object and frame marks must not split or corrupt blocks.
  const TRtfDocument Doc = Parse("{\\rtf1 a\\u8233?b\\u10?c\\u65532?d\\u64976?e\x01"
                                 "f\\u99999999?g}");
  EXPECT_EQ(TextOf(Doc), QString::fromUtf8("abcdef\uFFFDg"));
  QTextDocument Text;
  ApplyRtf(Doc, Text);
  EXPECT_EQ(Text.blockCount(), 1);
}

TEST(RtfReaderText, SkippedDestinationsShowNothing) {
  const TRtfDocument Doc =
      Parse("{\\rtf1{\\info{\\title Secret}{\\author Me}}{\\stylesheet{\\s0 Normal;}}"
            "{\\*\\generator Writer 1.0;}{\\*\\unknown {nested \\par}}{\\pict\\wmetafile8 0a0b}"
            "{\\field{\\*\\fldinst HYPERLINK \"http://x.example\"}{\\fldrslt shown}} "
            "{\\header head}bin:\\bin4 {}}}after}");
  EXPECT_EQ(TextOf(Doc), "shown bin:after");
}

TEST(RtfReaderStructure, TrailingParagraphMarkAddsNoEmptyParagraph) {
  EXPECT_EQ(Parse("{\\rtf1 a\\par b\\par}").Paragraphs.size(), 2u);
  EXPECT_EQ(Parse("{\\rtf1 a\\par b}").Paragraphs.size(), 2u);
  EXPECT_EQ(Parse("{\\rtf1 a\\par\\par}").Paragraphs.size(), 2u);
  EXPECT_EQ(Parse("{\\rtf1 a\\\r\nb}").Paragraphs.size(), 2u) << "backslash + line break";
  EXPECT_EQ(Parse("{\\rtf1}").Paragraphs.size(), 1u);
}

TEST(RtfReaderApply, DocumentGetsCharAndBlockFormats) {
  QTextDocument Doc;
  ASSERT_TRUE(ReadRtf(Header + "\\pard\\f0\\fs16\\par\\pard\\li142\\qc\\f1\\fs20\\cf1\\b\\i\\ul "
                               "Title\\plain\\fs20 body}",
                      Doc));
  ASSERT_EQ(Doc.blockCount(), 2);
  EXPECT_EQ(Doc.toPlainText(), "\nTitlebody");

  const QTextBlock Blank = Doc.firstBlock();
  EXPECT_DOUBLE_EQ(Blank.charFormat().fontPointSize(), 8.0);

  const QTextBlock Text = Blank.next();
  EXPECT_DOUBLE_EQ(Text.blockFormat().leftMargin(), 142 / RtfTwipsPerPixel);
  EXPECT_EQ(Text.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

  const QTextCharFormat Title = Text.begin().fragment().charFormat();
  EXPECT_EQ(Text.begin().fragment().text(), "Title");
  EXPECT_EQ(Title.fontFamilies().toStringList(), QStringList{"Arial"});
  EXPECT_DOUBLE_EQ(Title.fontPointSize(), 10.0);
  EXPECT_EQ(Title.fontWeight(), QFont::Bold);
  EXPECT_TRUE(Title.fontItalic());
  EXPECT_TRUE(Title.fontUnderline());
  EXPECT_EQ(Title.foreground().color(), QColor(192, 0, 0));

  const QTextCharFormat Body = (++Text.begin()).fragment().charFormat();
  EXPECT_EQ(Body.fontWeight(), QFont::Normal);
  EXPECT_FALSE(Body.hasProperty(QTextFormat::ForegroundBrush));
}

// Paragraphs that share formats are inserted together; each block must still get its own.
TEST(RtfReaderApply, EveryBlockGetsItsParagraphsFormats) {
  const TRtfDocument Rtf = Parse("{\\rtf1\\fs16\\par\\par a\\par\\li300 b\\par\\fs30\\par"
                                 "\\fs16 c{\\b d}\\par\\par\\pard e\\par}");
  QTextDocument Doc;
  ApplyRtf(Rtf, Doc);
  ASSERT_EQ(Doc.blockCount(), static_cast<int>(Rtf.Paragraphs.size()));
  QTextBlock Block = Doc.firstBlock();
  for (const TRtfParagraph& Para : Rtf.Paragraphs) {
    QString Text;
    for (const TRtfRun& Run : Para.Runs)
      Text += Run.Text;
    EXPECT_EQ(Block.text(), Text);
    EXPECT_DOUBLE_EQ(Block.blockFormat().leftMargin(), Para.Format.LeftTwips / RtfTwipsPerPixel)
        << Text.toStdString();
    EXPECT_DOUBLE_EQ(Block.charFormat().fontPointSize(), Para.MarkFormat.HalfPoints / 2.0)
        << Text.toStdString();
    Block = Block.next();
  }
  EXPECT_EQ(Doc.toPlainText(), "\n\na\nb\n\ncd\n\ne");
}

TEST(RtfReaderApply, FailureLeavesTheDocumentAlone) {
  QTextDocument Doc(QStringLiteral("kept"));
  QString Error;
  EXPECT_FALSE(ReadRtf("plain words", Doc, &Error));
  EXPECT_FALSE(Error.isEmpty());
  EXPECT_EQ(Doc.toPlainText(), "kept");
}

TEST(RtfReaderDamaged, NotRtfIsRefused) {
  for (const QByteArray& Source : {QByteArray(), QByteArray("hello"), QByteArray("{\\rt"),
                                   QByteArray("{rtf1 x}"), QByteArray("\\rtf1 x")})
    EXPECT_FALSE(ParseRtf(Source).Ok) << Source.toStdString();
  EXPECT_TRUE(ParseRtf(" \r\n{\\rtf1 lead}").Ok) << "white space may lead";
}

TEST(RtfReaderDamaged, UnbalancedBracesGiveTheTextUpToTheEnd) {
  EXPECT_EQ(TextOf(Parse("{\\rtf1 open {\\b never closed")), "open never closed");
  EXPECT_EQ(TextOf(Parse("{\\rtf1 done} trailing } junk {")), "done");
  EXPECT_EQ(TextOf(Parse("{\\rtf1 a}}}}")), "a");
}

TEST(RtfReaderDamaged, TruncatedEscapesAreDropped) {
  EXPECT_EQ(TextOf(Parse("{\\rtf1 a\\'4")), "a");
  EXPECT_EQ(TextOf(Parse("{\\rtf1 a\\'zzb}")), "azzb");
  EXPECT_EQ(TextOf(Parse("{\\rtf1 a\\")), "a");
  EXPECT_EQ(TextOf(Parse("{\\rtf1 a\\u")), "a");
  EXPECT_EQ(TextOf(Parse("{\\rtf1 a\\u-")), "a");
  EXPECT_EQ(TextOf(Parse("{\\rtf1 a\\bin99999999999 lost}")), "a");
}

TEST(RtfReaderDamaged, HugeNumbersAreClamped) {
  const TRtfDocument Doc =
      Parse("{\\rtf1\\fs99999999999999999999999\\li-99999999999999\\ri99999999999"
            "\\uc99999999999\\cf-5 x\\u1234567890123 abcdefghijklmnopqrstuvwxyz}");
  const TRtfRun& Run = Doc.Paragraphs.at(0).Runs.at(0);
  EXPECT_EQ(Run.Format.HalfPoints, 3276);
  EXPECT_FALSE(Run.Format.HasColor);
  EXPECT_EQ(Doc.Paragraphs[0].Format.LeftTwips, -31680);
  EXPECT_EQ(Doc.Paragraphs[0].Format.RightTwips, 31680);
  EXPECT_EQ(TextOf(Doc), QString::fromUtf8("x\uFFFDqrstuvwxyz")) << "\\uc is capped at 16";
}

TEST(RtfReaderDamaged, NestingIsBounded) {
  const auto Nested = [](int Depth) {
    return "{\\rtf1" + QByteArray(Depth - 1, '{') + "x" + QByteArray(Depth - 1, '}') + "}";
  };
  EXPECT_EQ(TextOf(Parse(Nested(RtfMaxGroupDepth))), "x");
  const TRtfReadResult Deep = ParseRtf(Nested(RtfMaxGroupDepth + 1));
  EXPECT_FALSE(Deep.Ok);
  EXPECT_TRUE(Deep.Error.contains("nested"));

  QElapsedTimer Timer;
  Timer.start();
  EXPECT_FALSE(ParseRtf("{\\rtf1" + QByteArray(100000, '{')).Ok);
  EXPECT_FALSE(ParseRtf(QByteArray(100000, '{')).Ok);
  EXPECT_LT(Timer.elapsed(), 2000);
}

TEST(RtfReaderDamaged, SizeIsBounded) {
  QByteArray Source = "{\\rtf1 " + QByteArray(RtfMaxSourceBytes, 'a') + "}";
  const TRtfReadResult Result = ParseRtf(Source);
  EXPECT_FALSE(Result.Ok);
  EXPECT_TRUE(Result.Error.contains("larger"));
  Source.resize(RtfMaxSourceBytes);
  EXPECT_TRUE(ParseRtf(Source).Ok);
}

TEST(RtfReaderDamaged, ParagraphAndRunCountsAreBounded) {
  QByteArray Pars = "{\\rtf1 ";
  for (int I = 0; I < RtfMaxParagraphs; ++I)
    Pars += "\\par";
  EXPECT_EQ(Parse(Pars).Paragraphs.size(), size_t(RtfMaxParagraphs));
  const TRtfReadResult TooMany = ParseRtf(Pars + "\\par x");
  EXPECT_FALSE(TooMany.Ok);
  EXPECT_TRUE(TooMany.Error.contains("paragraphs"));

  QByteArray Runs = "{\\rtf1 ";
  for (int I = 0; I < RtfMaxRuns / 2; ++I)
    Runs += "{\\b a}b";
  EXPECT_EQ(Parse(Runs).Paragraphs.at(0).Runs.size(), size_t(RtfMaxRuns));
  EXPECT_FALSE(ParseRtf(Runs + "{\\b a}").Ok);
}

// Random bytes behind a valid header, and rich-text fragments shuffled together: every reading
// ends, and whatever it yields can be applied to a document.
TEST(RtfReaderDamaged, GarbageNeverCrashesOrHangs) {
  static const QByteArray Pieces[] = {
      "{",    "}",     "\\",   "\\'",       "\\u-",   "\\uc3",      "\\b",   "\\par",
      "\\*",  "\\bin", "9999", "\\fonttbl", "\\f1",   "\\colortbl", ";",     "\\red9",
      "\xff", "\\'e9", "x",    " ",         "\\pict", "\\u55357",   "\\line"};
  QRandomGenerator Random(20261208);
  QElapsedTimer Timer;
  Timer.start();
  for (int Round = 0; Round < 400; ++Round) {
    QByteArray Source = "{\\rtf1 ";
    const int Length = Random.bounded(1, 600);
    for (int I = 0; I < Length; ++I) {
      if (Round % 2 == 0)
        Source += static_cast<char>(Random.bounded(256));
      else
        Source += Pieces[Random.bounded(int(std::size(Pieces)))];
    }
    const TRtfReadResult Result = ParseRtf(Source);
    if (!Result.Ok)
      continue;
    ASSERT_FALSE(Result.Document.Paragraphs.empty());
    QTextDocument Doc;
    ApplyRtf(Result.Document, Doc);
    EXPECT_EQ(Doc.blockCount(), static_cast<int>(Result.Document.Paragraphs.size()));
  }
  EXPECT_LT(Timer.elapsed(), 10000);
}

TEST(Windows1252, EveryByteRoundTrips) {
  QByteArray All;
  for (int Byte = 0; Byte < 256; ++Byte)
    All += static_cast<char>(Byte);
  const QString Text = DecodeWindows1252(All);
  EXPECT_EQ(Text[0x80], QChar(0x20AC));
  EXPECT_EQ(Text[0x9F], QChar(0x0178));
  EXPECT_EQ(Text[0xE9], QChar(0x00E9));
  EXPECT_EQ(EncodeWindows1252(Text), All);
  EXPECT_EQ(EncodeWindows1252(QString::fromUtf8("√x")), "?x");
}

} // namespace
