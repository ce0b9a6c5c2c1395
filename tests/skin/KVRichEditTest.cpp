// The help viewer as the help window uses it: loading (rich, plain, refused), link clicks with
// the mouse, read-only typing, saving and loading again.
#include "KVCtrl.h"
#include "KVRichEdOLE.h"
#include "RtfReader.h"
#include "TestSupport.h"
#include "URLDetector.h"

#include <QElapsedTimer>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>

namespace {

const QStringList HelpLines = {
    "{\\rtf1\\ansi\\ansicpg1252\\deff0",
    "{\\fonttbl{\\f0\\fswiss Sans Serif;}{\\f1\\fswiss Arial;}}",
    "{\\colortbl ;\\red192\\green0\\blue0;\\red0\\green0\\blue0;}",
    "\\pard\\f0\\fs16\\par",
    "\\pard\\li142\\f1\\fs20\\cf1\\b Using the Game\\cf2\\b0  - find pairs.\\par",
    "Web http://one.example/a and www.two.example and mailto:me@three.example\\par",
    "Caf\\'e9 \\u8730? done.\\par",
    "\\pard\\f0\\fs16\\par",
    "}"};

struct TClick {
  QObject* Sender;
  QString URLText;
  Qt::MouseButton Button;
};

// A viewer set up as the help window sets it up, shown so that its text is laid out.
class KVRichEditTest : public ::testing::Test {
protected:
  void SetUp() override {
    FEdit.SetReadOnly(true);
    FEdit.SetScrollBars(TScrollStyle::ssVertical);
    FEdit.setGeometry(18, 52, 357, 167);
    FEdit.OnURLClick = [this](QObject* Sender, const QString& Text, Qt::MouseButton Button) {
      FClicks.push_back({Sender, Text, Button});
    };
    FEdit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&FEdit));
  }

  // The middle of the character at document position Pos, in viewport coordinates.
  QPoint PointOf(int Pos) {
    QTextCursor Cursor(FEdit.document());
    Cursor.setPosition(Pos);
    const QRect Left = FEdit.cursorRect(Cursor);
    Cursor.setPosition(Pos + 1);
    const QRect Right = FEdit.cursorRect(Cursor);
    return QPoint((Left.left() + Right.left()) / 2, Left.center().y());
  }
  QPoint PointOf(const QString& Text, int Offset = 2) {
    const int Pos = static_cast<int>(FEdit.toPlainText().indexOf(Text));
    EXPECT_GE(Pos, 0) << Text.toStdString();
    return PointOf(Pos + Offset);
  }
  void Press(const QPoint& At, Qt::MouseButton Button = Qt::LeftButton) {
    QTest::mousePress(FEdit.viewport(), Button, {}, At);
  }
  void Release(const QPoint& At, Qt::MouseButton Button = Qt::LeftButton) {
    QTest::mouseRelease(FEdit.viewport(), Button, {}, At);
  }
  QStringList Hrefs() const {
    QStringList Result;
    for (QTextBlock Block = FEdit.document()->begin(); Block.isValid(); Block = Block.next())
      for (auto It = Block.begin(); !It.atEnd(); ++It)
        if (It.fragment().charFormat().isAnchor())
          Result << It.fragment().charFormat().anchorHref();
    return Result;
  }

  TKVRichEditOLE FEdit;
  std::vector<TClick> FClicks;
};

TEST_F(KVRichEditTest, HelpDocumentLoadsAsRichTextWithLinks) {
  TKVStrings Strings;
  Strings.SetLines(HelpLines);
  FEdit.LoadFromStrings(Strings.Lines());
  const QString Text = FEdit.toPlainText();
  EXPECT_TRUE(Text.startsWith("\nUsing the Game - find pairs.\n"));
  EXPECT_TRUE(Text.contains(QString::fromUtf8("Café √ done.")));
  EXPECT_FALSE(Text.contains("rtf"));
  EXPECT_EQ(Hrefs(),
            (QStringList{"http://one.example/a", "www.two.example", "mailto:me@three.example"}));
  const QTextBlock Title = FEdit.document()->findBlock(1);
  EXPECT_DOUBLE_EQ(Title.blockFormat().leftMargin(), 142 / RtfTwipsPerPixel);
  EXPECT_EQ(Title.begin().fragment().charFormat().fontWeight(), QFont::Bold);
}

TEST_F(KVRichEditTest, ProjectHelpDocumentIsReadAsRichText) {
  const QByteArray Source =
      testsupport::ReadFileBytes(testsupport::SourceDir() + "/resources/help.rtf");
  if (Source.isEmpty())
    GTEST_SKIP() << "no help document in this tree";
  FEdit.LoadFromBytes(Source);
  EXPECT_FALSE(FEdit.toPlainText().contains("\\rtf"));
  EXPECT_TRUE(FEdit.toPlainText().contains("Using the Game"));
}

// The help window hands the viewer its document's bytes as Latin-1 characters: a raw byte of
// 0x80..0x9F (curly quotes, the euro sign, dashes) used to become "?", not its escape's character.
TEST_F(KVRichEditTest, RawWindows1252BytesShowAsTheirEscapesDo) {
  const auto shown = [this](const QByteArray& Text) {
    FEdit.LoadFromStrings({"{\\rtf1\\ansi\\ansicpg1252 " + QString::fromLatin1(Text) + "}"});
    return FEdit.toPlainText();
  };
  for (int byte = 0x80; byte <= 0x9F; ++byte)
    EXPECT_EQ(shown(QByteArray(1, char(byte))), shown("\\'" + QByteArray::number(byte, 16)));
}

TEST_F(KVRichEditTest, TextThatIsNotRtfIsShownAsPlainText) {
  FEdit.LoadFromStrings({"Just words,", QString::fromLatin1("caf\xe9 and {braces} \\par")});
  EXPECT_EQ(FEdit.toPlainText(), QString::fromUtf8("Just words,\ncafé and {braces} \\par\n"));

  const QByteArray Deep = QByteArray(100000, '{');
  FEdit.LoadFromBytes("{\\rtf1" + Deep);
  EXPECT_EQ(FEdit.toPlainText(), "{\\rtf1" + Deep) << "too deep for RTF: shown as it is";
}

// Wrapping one huge word at a word boundary took time growing with the square of its length.
TEST_F(KVRichEditTest, HugeWordIsLaidOutQuickly) {
  QElapsedTimer Timer;
  Timer.start();
  FEdit.LoadFromBytes(QByteArray(400000, 'x'));
  QTest::qWait(0);
  EXPECT_LT(Timer.elapsed(), 15000);
  EXPECT_GT(FEdit.verticalScrollBar()->maximum(), 0);
}

// Marking links in a shown document laid the paragraph out again for every link; past a
// bounded number the rest stay text.
TEST_F(KVRichEditTest, ManyLinksInOneParagraphAreMarkedQuickly) {
  QByteArray Source;
  for (int I = 0; I < 2 * MaxMarkedURLs; ++I)
    Source += "http://a.example/b ";
  QElapsedTimer Timer;
  Timer.start();
  FEdit.LoadFromBytes(Source);
  EXPECT_EQ(Hrefs().size(), MaxMarkedURLs);
  FEdit.SetAutoURLDetect(false);
  EXPECT_TRUE(Hrefs().isEmpty());
  EXPECT_LT(Timer.elapsed(), 10000);
}

TEST_F(KVRichEditTest, SourceTooLargeForBothReadingsRaisesFailedToLoadStream) {
  FEdit.LoadFromString("{\\rtf1 old}");
  const QByteArray Huge(RtfMaxSourceBytes + 1, 'x');
  try {
    FEdit.LoadFromBytes(Huge);
    FAIL() << "no error raised";
  } catch (const EKVRichEditError& Error) {
    EXPECT_STREQ(Error.what(), "Failed to Load Stream");
  }
  EXPECT_TRUE(FEdit.toPlainText().isEmpty());
  FEdit.SetPlainText(true);
  EXPECT_THROW(FEdit.LoadFromBytes(Huge), EKVRichEditError);
  FEdit.SetPlainText(false);
  EXPECT_THROW(FEdit.LoadFromBytes(QByteArray(RtfMaxParagraphs + 1, '\n')), EKVRichEditError);
  FEdit.LoadFromBytes(QByteArray(RtfMaxParagraphs, '\n'));
  EXPECT_EQ(FEdit.document()->blockCount(), RtfMaxParagraphs + 1);
}

TEST_F(KVRichEditTest, PlainTextModeShowsAndSavesTheSourceItself) {
  FEdit.SetPlainText(true);
  FEdit.LoadFromString("{\\rtf1 \\b bold}");
  EXPECT_EQ(FEdit.toPlainText(), "{\\rtf1 \\b bold}");
  EXPECT_EQ(FEdit.SaveToString(), "{\\rtf1 \\b bold}");
}

TEST_F(KVRichEditTest, ClickOnALinkFiresOnceWithItsText) {
  FEdit.LoadFromStrings(HelpLines);
  Press(PointOf("http://one"));
  Release(PointOf("http://one", 10));
  ASSERT_EQ(FClicks.size(), 1u);
  EXPECT_EQ(FClicks[0].Sender, &FEdit);
  EXPECT_EQ(FClicks[0].URLText, "http://one.example/a");
  EXPECT_EQ(FClicks[0].Button, Qt::LeftButton);

  Press(PointOf("mailto:"));
  Release(PointOf("mailto:"));
  ASSERT_EQ(FClicks.size(), 2u);
  EXPECT_EQ(FClicks[1].URLText, "mailto:me@three.example");
}

TEST_F(KVRichEditTest, PressOnALinkAndReleaseElsewhereFiresNothing) {
  FEdit.LoadFromStrings(HelpLines);
  Press(PointOf("http://one"));
  Release(PointOf("Using the Game"));
  Press(PointOf("http://one"));
  Release(PointOf("www.two"));
  Press(PointOf("www.two"), Qt::RightButton);
  Release(PointOf("www.two"), Qt::RightButton);
  EXPECT_TRUE(FClicks.empty());
}

// The remembered link used to survive a release away from it, so a later press elsewhere
// followed by a release on that link clicked it.
TEST_F(KVRichEditTest, ReleaseAwayFromTheLinkForgetsThePress) {
  FEdit.LoadFromStrings(HelpLines);
  Press(PointOf("www.two"));
  Release(PointOf("Using the Game"));
  Press(PointOf("Using the Game"));
  Release(PointOf("www.two"));
  EXPECT_TRUE(FClicks.empty());
}

TEST_F(KVRichEditTest, ReadOnlyViewerIgnoresTyping) {
  FEdit.LoadFromStrings(HelpLines);
  const QString Before = FEdit.toPlainText();
  FEdit.setFocus();
  QTest::keyClicks(&FEdit, "typed");
  QTest::keyClick(&FEdit, Qt::Key_Delete);
  QTest::keyClick(&FEdit, Qt::Key_Return);
  EXPECT_EQ(FEdit.toPlainText(), Before);
}

TEST_F(KVRichEditTest, LongTextWrapsAndScrollsVerticallyOnly) {
  QString Long;
  for (int I = 0; I < 200; ++I)
    Long += QStringLiteral("word%1 ").arg(I);
  FEdit.LoadFromString("{\\rtf1 " + Long + "}");
  QTest::qWait(0);
  EXPECT_EQ(FEdit.horizontalScrollBar()->maximum(), 0);
  EXPECT_GT(FEdit.verticalScrollBar()->maximum(), 0);
  EXPECT_TRUE(FEdit.verticalScrollBar()->isVisible());
}

TEST_F(KVRichEditTest, SaveAndLoadAgainKeepsTextFormatsAndLinks) {
  FEdit.LoadFromStrings(HelpLines);
  const QString Saved = FEdit.SaveToString();
  EXPECT_TRUE(Saved.startsWith("{\\rtf1"));
  EXPECT_FALSE(Saved.endsWith(QChar(0)));

  // Link colour and underline belong to the view, not to the document.
  const TRtfReadResult Read = ParseRtf(Saved.toLatin1());
  ASSERT_TRUE(Read.Ok);
  for (const TRtfRun& Run : Read.Document.Paragraphs.at(2).Runs) {
    EXPECT_FALSE(Run.Format.Underline) << Run.Text.toStdString();
    EXPECT_EQ(Run.Format.Color, 0x000000u) << Run.Text.toStdString();
  }

  TKVRichEditOLE Again;
  Again.LoadFromString(Saved);
  EXPECT_EQ(Again.toPlainText(), FEdit.toPlainText());
  EXPECT_EQ(Again.SaveToString(), Saved);
  for (QTextBlock A = FEdit.document()->begin(), B = Again.document()->begin(); A.isValid();
       A = A.next(), B = B.next()) {
    ASSERT_TRUE(B.isValid());
    EXPECT_EQ(A.blockFormat().leftMargin(), B.blockFormat().leftMargin());
    EXPECT_EQ(A.charFormat().fontPointSize(), B.charFormat().fontPointSize());
    for (auto IA = A.begin(), IB = B.begin(); !IA.atEnd(); ++IA, ++IB) {
      ASSERT_FALSE(IB.atEnd());
      const QTextCharFormat FA = IA.fragment().charFormat(), FB = IB.fragment().charFormat();
      EXPECT_EQ(IA.fragment().text(), IB.fragment().text());
      EXPECT_EQ(FA.fontWeight(), FB.fontWeight());
      EXPECT_EQ(FA.fontPointSize(), FB.fontPointSize());
      EXPECT_EQ(FA.foreground().color(), FB.foreground().color());
      EXPECT_EQ(FA.anchorHref(), FB.anchorHref());
    }
  }
}

TEST_F(KVRichEditTest, SwitchingLinkDetectionOffAndOnRemovesAndRestoresLinks) {
  FEdit.LoadFromStrings(HelpLines);
  FEdit.SetAutoURLDetect(false);
  EXPECT_TRUE(Hrefs().isEmpty());
  Press(PointOf("www.two"));
  Release(PointOf("www.two"));
  EXPECT_TRUE(FClicks.empty());
  FEdit.SetAutoURLDetect(true);
  EXPECT_EQ(Hrefs().size(), 3);

  FEdit.SetAutoURLDetect(false);
  FEdit.LoadFromStrings(HelpLines);
  EXPECT_TRUE(Hrefs().isEmpty()) << "a new document is not scanned while detection is off";
}

} // namespace
