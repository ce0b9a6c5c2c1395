// The RTF writer: what it writes reads back to the same document.
#include "RtfWriter.h"
#include "RtfReader.h"

#include <QFont>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

void ExpectSameDocument(const TRtfDocument& Expected, const TRtfDocument& Actual) {
  ASSERT_EQ(Expected.Paragraphs.size(), Actual.Paragraphs.size());
  for (size_t P = 0; P < Expected.Paragraphs.size(); ++P) {
    const TRtfParagraph& Want = Expected.Paragraphs[P];
    const TRtfParagraph& Got = Actual.Paragraphs[P];
    EXPECT_EQ(Want.Format, Got.Format) << "paragraph " << P;
    EXPECT_EQ(Want.MarkFormat, Got.MarkFormat) << "paragraph " << P;
    ASSERT_EQ(Want.Runs.size(), Got.Runs.size()) << "paragraph " << P;
    for (size_t R = 0; R < Want.Runs.size(); ++R) {
      EXPECT_EQ(Want.Runs[R].Text, Got.Runs[R].Text);
      EXPECT_EQ(Want.Runs[R].Format, Got.Runs[R].Format) << Want.Runs[R].Text.toStdString();
    }
  }
}

TRtfDocument RoundTrip(const TRtfDocument& Rtf, QString* Written = nullptr) {
  QTextDocument Doc;
  ApplyRtf(Rtf, Doc);
  const QString Source = WriteRtf(Doc);
  if (Written)
    *Written = Source;
  const TRtfReadResult Again = ParseRtf(Source.toLatin1());
  EXPECT_TRUE(Again.Ok) << Again.Error.toStdString();
  return Again.Document;
}

TEST(RtfWriter, FormatsAndParagraphsSurviveARoundTrip) {
  const TRtfReadResult Original = ParseRtf(
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Sans Serif;}{\\f1 Arial;}{\\f2 Courier New;}}"
      "{\\colortbl ;\\red192\\green0\\blue0;\\red0\\green0\\blue0;\\red1\\green2\\blue3;}"
      "\\pard\\f0\\fs16\\par"
      "\\pard\\li142\\ri-30\\fi-120\\qc\\f1\\fs20\\cf1\\b Using\\cf2\\b0\\i  the\\ul  game\\par"
      "\\pard\\qr\\f2\\fs31\\cf3 right\\par\\pard\\qj\\fs48 justified\\par"
      "\\pard\\f0\\fs16\\par}");
  ASSERT_TRUE(Original.Ok);
  ExpectSameDocument(Original.Document, RoundTrip(Original.Document));
}

TEST(RtfWriter, SpecialCharactersAreEscapedAndComeBack) {
  const QString Text =
      QString::fromUtf8("back\\slash {braces} tab\there line\u2028nbsp\u00a0é€√😀 ‘q’");
  QTextDocument Doc;
  QTextCursor(&Doc).insertText(Text);
  const QString Source = WriteRtf(Doc);
  for (const QChar C : Source)
    ASSERT_LT(C.unicode(), 0x80) << "RTF is written in 7-bit ASCII";
  QTextDocument Again;
  ASSERT_TRUE(ReadRtf(Source.toLatin1(), Again));
  EXPECT_EQ(Again.firstBlock().text(), Text);
  EXPECT_EQ(Again.blockCount(), 1);
}

TEST(RtfWriter, UnformattedTextTakesTheDocumentDefaultFont) {
  QTextDocument Doc;
  Doc.setDefaultFont(QFont(QStringLiteral("Arial"), 9));
  QTextCursor(&Doc).insertText(QStringLiteral("plain"));
  const TRtfReadResult Read = ParseRtf(WriteRtf(Doc).toLatin1());
  ASSERT_TRUE(Read.Ok);
  const TRtfCharFormat& Format = Read.Document.Paragraphs.at(0).Runs.at(0).Format;
  EXPECT_EQ(Format.FontFamily, "Arial");
  EXPECT_EQ(Format.HalfPoints, 18);
  EXPECT_FALSE(Format.Bold);
  EXPECT_FALSE(Format.HasColor);
}

TEST(RtfWriter, FontNamesOutsideTheCodePageComeBack) {
  QTextDocument Doc;
  QTextCharFormat Format;
  Format.setFontFamilies({QString::fromUtf8("Caf\u00e9 \u221a Sans")});
  QTextCursor(&Doc).insertText(QStringLiteral("x"), Format);
  const TRtfReadResult Read = ParseRtf(WriteRtf(Doc).toLatin1());
  ASSERT_TRUE(Read.Ok);
  EXPECT_EQ(Read.Document.Paragraphs.at(0).Runs.at(0).Format.FontFamily,
            QString::fromUtf8("Caf\u00e9 \u221a Sans"));
}

TEST(RtfWriter, EmptyDocumentIsOneEmptyParagraph) {
  QTextDocument Doc;
  const TRtfReadResult Read = ParseRtf(WriteRtf(Doc).toLatin1());
  ASSERT_TRUE(Read.Ok);
  ASSERT_EQ(Read.Document.Paragraphs.size(), 1u);
  EXPECT_TRUE(Read.Document.Paragraphs[0].Runs.empty());
}

} // namespace
