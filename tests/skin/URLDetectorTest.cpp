// Link detection: which text is a link, and that marking links can be undone exactly.
#include "URLDetector.h"

#include <QColor>
#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>

namespace {

QStringList LinksIn(const QString& Text) {
  QStringList Links;
  for (const TURLRange& Range : FindURLs(Text))
    Links << Text.mid(Range.Start, Range.Length);
  return Links;
}

TEST(FindURLs, RecognisesEveryPrefixInAnyCase) {
  EXPECT_EQ(LinksIn("see http://a.example/x?y=1&z=2#f and HTTPS://B.example, "
                    "ftp://files.example/f.zip; www.c.example or Mailto:me@d.example."),
            (QStringList{"http://a.example/x?y=1&z=2#f", "HTTPS://B.example",
                         "ftp://files.example/f.zip", "www.c.example", "Mailto:me@d.example"}));
}

TEST(FindURLs, LinksEndAtSpaceLineBreakAndDelimiters) {
  EXPECT_EQ(LinksIn(QString::fromUtf8("www.a.example\u2028www.b.example\twww.c.example<x> "
                                      "\"http://d.example\"")),
            (QStringList{"www.a.example", "www.b.example", "www.c.example", "http://d.example"}));
}

TEST(FindURLs, TrailingPunctuationAndUnbalancedBracketsAreNotPartOfTheLink) {
  EXPECT_EQ(LinksIn("(see http://a.example/wiki/X_(y)). Or http://b.example/p)!? "
                    "[www.c.example]"),
            (QStringList{"http://a.example/wiki/X_(y)", "http://b.example/p", "www.c.example"}));
}

TEST(FindURLs, BarePrefixesAndPrefixesInsideWordsAreNoLinks) {
  EXPECT_TRUE(LinksIn("http:// www. mailto: xhttp://a.example awww.b.example 2www.c").isEmpty());
  EXPECT_EQ(LinksIn("http://"), QStringList());
  EXPECT_EQ(LinksIn("-www.a.example"), QStringList{"www.a.example"});
}

// Trimming recounted the brackets for every character it dropped, and marking rescanned the
// paragraph for every link: both grew with the square of the input.
TEST(FindURLs, LongInputsTakeLinearTime) {
  QElapsedTimer Timer;
  Timer.start();
  EXPECT_EQ(LinksIn("http://a" + QString(200000, u')')), QStringList{"http://a"});

  QString Many;
  for (int I = 0; I < 20000; ++I)
    Many += QStringLiteral("www.a%1.example ").arg(I);
  QTextDocument Doc;
  QTextCursor(&Doc).insertText(Many);
  MarkURLs(Doc, QColor(Qt::blue));
  int Anchors = 0;
  for (auto It = Doc.firstBlock().begin(); !It.atEnd(); ++It)
    Anchors += It.fragment().charFormat().isAnchor();
  EXPECT_EQ(Anchors, MaxMarkedURLs) << "links past the bound stay text";
  EXPECT_LT(Timer.elapsed(), 10000);
}

TEST(MarkURLs, MarkingMakesAnchorsAndUnmarkingRestoresTheFormats) {
  QTextDocument Doc;
  QTextCursor Cursor(&Doc);
  QTextCharFormat Red;
  Red.setForeground(QColor(Qt::red));
  QTextCharFormat Bold;
  Bold.setFontWeight(QFont::Bold);
  Bold.setFontUnderline(true);
  Cursor.insertText(QStringLiteral("go to http://a."), Red);
  Cursor.insertText(QStringLiteral("example now"), Bold);
  Cursor.insertBlock();
  Cursor.insertText(QStringLiteral("mailto:x@y.example"));

  MarkURLs(Doc, QColor(Qt::blue));
  QStringList Hrefs;
  for (QTextBlock Block = Doc.begin(); Block.isValid(); Block = Block.next()) {
    for (auto It = Block.begin(); !It.atEnd(); ++It) {
      const QTextCharFormat Format = It.fragment().charFormat();
      if (!Format.isAnchor())
        continue;
      Hrefs << Format.anchorHref();
      EXPECT_EQ(Format.foreground().color(), QColor(Qt::blue));
      EXPECT_TRUE(Format.fontUnderline());
    }
  }
  EXPECT_EQ(Hrefs, (QStringList{"http://a.example", "http://a.example", "mailto:x@y.example"}))
      << "a link across two formats is one href in two fragments";

  UnmarkURLs(Doc);
  const QTextBlock First = Doc.firstBlock();
  auto It = First.begin();
  EXPECT_EQ(It.fragment().text(), "go to http://a.");
  EXPECT_EQ(It.fragment().charFormat(), Red);
  ++It;
  EXPECT_EQ(It.fragment().text(), "example now");
  EXPECT_FALSE(It.fragment().charFormat().isAnchor());
  EXPECT_TRUE(It.fragment().charFormat().fontUnderline());
  EXPECT_EQ(It.fragment().charFormat().fontWeight(), QFont::Bold);
  EXPECT_FALSE(First.next().begin().fragment().charFormat().isAnchor());
  EXPECT_FALSE(
      First.next().begin().fragment().charFormat().hasProperty(QTextFormat::ForegroundBrush));
}

} // namespace
