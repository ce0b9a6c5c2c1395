// The skinned pop-ups: where the skin puts their controls, dragging them by each surface,
// closing them, skin failures while building, the about box's links and the help window's.
#include "PopupTestSupport.h"

#include "KVImageCtrl.h"
#include "KVImageMap.h"
#include "KVPicture.h"
#include "KVRStream.h"
#include "KVRichEdOLE.h"
#include "RtfReader.h"
#include "SkinLayout.h"
#include "aboutf.h"
#include "helpf.h"
#include "popUpF.h"

#include <QApplication>
#include <QBuffer>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <gtest/gtest.h>

using popuptest::Click;
using popuptest::Drag;

namespace {

template <typename T> T* Control(QWidget* Window, const char* Name) {
  T* control = Window->findChild<T*>(QLatin1String(Name));
  EXPECT_NE(control, nullptr) << Name;
  return control;
}

QPoint ScreenCentredPos(QWidget* Window) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  return {screen.left() + (screen.width() - Window->width()) / 2,
          screen.top() + (screen.height() - Window->height()) / 2};
}

class PopUpTest : public ::testing::Test {
protected:
  popuptest::TFakeDesktop Desktop;
  TOpenSkin Skin;
};

TEST_F(PopUpTest, SkinPutsFrameStripTitleAndCloseButtonInPlace) {
  TPopUpform base(Skin.Reader);
  TAboutForm about(Skin.Reader);
  Thelpform help(Skin.Reader);
  for (TPopUpform* window :
       {&base, static_cast<TPopUpform*>(&about), static_cast<TPopUpform*>(&help)}) {
    EXPECT_EQ(window->size(), skinlayout::popup::Size);
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    auto* bg = Control<TKVImageBevel>(window, "PopUpBg");
    EXPECT_EQ(bg->geometry(), window->rect());
    EXPECT_EQ(bg->Count(), 9);
    for (int slot : {0, 1, 2, 6, 7})
      EXPECT_EQ(bg->GetImageWidth(slot), 0) << "slot " << slot;
    for (int slot : {3, 4, 5, 8})
      EXPECT_GT(bg->GetImageWidth(slot), 0) << "slot " << slot;
    EXPECT_FALSE(bg->Stretch());
    auto* map = Control<TKVImageMap>(window, "ExitMap");
    EXPECT_EQ(map->pos(), QPoint(0, 0));
    EXPECT_EQ(map->size(), QSize(map->GetImageWidth(0), map->GetImageHeight(0)));
    ASSERT_EQ(map->AreaCount(), 1);
    EXPECT_EQ(map->AreaName(0), "exit");
    EXPECT_EQ(map->Area(0).AreaHint, "Close");
    const TArea& exit = map->Area(0);
    EXPECT_EQ(QRect(exit.Left, exit.Top, exit.Right - exit.Left, exit.Bottom - exit.Top),
              skinlayout::popup::ExitArea.Rect);
    EXPECT_EQ(Control<TKVPicture>(window, "CloseBtn")->geometry(), skinlayout::popup::CloseButton);
  }
  EXPECT_EQ(Control<TKVPicture>(&base, "TitleImage")->pos(), skinlayout::popup::TitlePlace);
  for (TPopUpform* window : {static_cast<TPopUpform*>(&about), static_cast<TPopUpform*>(&help)}) {
    auto* title = Control<TKVPicture>(window, "TitleImage");
    ASSERT_GT(title->width(), 0);
    EXPECT_EQ(title->pos(),
              QPoint((window->width() - title->width()) / 2, skinlayout::popup::TitleTop));
  }
}

TEST_F(PopUpTest, DraggingByStripTitleBackgroundOrTextMovesTheWindow) {
  TAboutForm window(Skin.Reader);
  window.show();
  struct TSurface {
    const char* Name;
    QPoint From;
  };
  // The strip is pressed well left of its "exit" area.
  for (TSurface surface : {TSurface{"ExitMap", {100, 8}}, TSurface{"TitleImage", {5, 5}},
                           TSurface{"PopUpBg", {200, 150}}, TSurface{"Label8", {190, 5}}}) {
    QWidget* control = Control<QWidget>(&window, surface.Name);
    const QPoint before = window.pos();
    Drag(control, surface.From, {37, -21});
    EXPECT_EQ(window.pos(), before + QPoint(37, -21)) << surface.Name;
    EXPECT_TRUE(window.isVisible());
  }
  const QPoint before = window.pos();
  Drag(Control<QWidget>(&window, "PopUpBg"), {200, 150}, {30, 30}, Qt::RightButton);
  EXPECT_EQ(window.pos(), before) << "the right button does not drag";
  window.hide();
}

// Regression: a drag under way when the pop-up was hidden, or whose release went to another
// window (the next move comes without the button), left the pop-up following the pointer.
TEST_F(PopUpTest, ADragEndsWhenTheWindowIsHiddenOrItsReleaseGoesElsewhere) {
  TPopUpform window(Skin.Reader);
  window.show();
  QWidget* bg = Control<QWidget>(&window, "PopUpBg");
  QTest::mousePress(bg, Qt::LeftButton, {}, QPoint(200, 150));
  window.hide();
  window.show();
  const QPoint shown = window.pos();
  QTest::mouseMove(bg, QPoint(230, 170));
  EXPECT_EQ(window.pos(), shown) << "after hiding";
  QTest::mouseRelease(bg, Qt::LeftButton, {}, QPoint(230, 170));

  QTest::mousePress(bg, Qt::LeftButton, {}, QPoint(200, 150));
  const QPointF elsewhere(210, 160);
  QMouseEvent lost(QEvent::MouseMove, elsewhere, bg->mapToGlobal(elsewhere), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(bg, &lost);
  QTest::mouseMove(bg, QPoint(240, 190));
  EXPECT_EQ(window.pos(), shown) << "after a move without the button";
  QTest::mouseRelease(bg, Qt::LeftButton, {}, QPoint(240, 190));
  EXPECT_EQ(window.pos(), shown);
  window.hide();
}

TEST_F(PopUpTest, ExitAreaAndCloseButtonCloseWithoutMoving) {
  TPopUpform window(Skin.Reader);
  window.show();
  EXPECT_EQ(window.pos(), ScreenCentredPos(&window));
  window.move(window.pos() + QPoint(-40, 25));
  const QPoint dragged = window.pos();
  auto* map = Control<TKVImageMap>(&window, "ExitMap");
  Click(map, {300, 8}); // on the strip, outside the area
  EXPECT_TRUE(window.isVisible());
  Click(map, {384, 9});
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.pos(), dragged);

  // Shown again, the same window is centred once more.
  window.show();
  EXPECT_EQ(window.pos(), ScreenCentredPos(&window));
  window.move(window.pos() + QPoint(11, 12));
  const QPoint moved = window.pos();
  auto* close = Control<TKVPicture>(&window, "CloseBtn");
  QTest::mousePress(close, Qt::LeftButton, {}, {30, 8});
  QTest::mouseRelease(close, Qt::LeftButton, {}, {200, 8}); // released off the button
  EXPECT_TRUE(window.isVisible());
  Click(close, {30, 8});
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.pos(), moved);

  // The "exit" area still closes on a later showing, after it was last clicked.
  window.show();
  Click(map, {384, 9});
  EXPECT_FALSE(window.isVisible());
}

TEST_F(PopUpTest, ShowModalReturnsWhenTheExitAreaIsClicked) {
  Thelpform window(Skin.Reader);
  QTimer::singleShot(0, &window, [&window] {
    Click(window.findChild<TKVImageMap*>(QStringLiteral("ExitMap")), {384, 9});
  });
  window.ShowModal();
  EXPECT_FALSE(window.isVisible());
}

TEST_F(PopUpTest, SkinThatCannotBeReadStopsTheBuild) {
  struct TCase {
    int Count;
    int Broken;
    const char* Why;
  };
  for (TCase c : {TCase{22, -1, "close button missing"}, TCase{31, 19, "edge is no bitmap"}}) {
    popuptest::TPartialSkin partial(Skin.Archive, c.Count, c.Broken);
    EXPECT_THROW(TPopUpform window(partial.Skin), EKVResError) << c.Why;
  }
}

class AboutBoxTest : public PopUpTest {
protected:
  TAboutForm About{Skin.Reader};
};

TEST_F(AboutBoxTest, WebLinksOpenTheirTextAndTheArtworkLinkItsRedirect) {
  About.show();
  const QPoint at = About.pos();
  for (const char* name : {"Label3", "Label10", "Label7"}) {
    auto* label = Control<QLabel>(&About, name);
    Click(label, label->rect().center());
  }
  EXPECT_EQ(Desktop.Shell.Opened,
            QStringList({"https://www.kovalent.example/", "https://tesselo.kovalent.example/",
                         "https://www.kovalent.example/go/pixelgarten"}));
  EXPECT_EQ(Control<QLabel>(&About, "Label7")->text(), "https://www.pixelgarten.example/");
  EXPECT_EQ(About.pos(), at) << "a link does not drag";
  EXPECT_TRUE(Desktop.Box.Texts.isEmpty());
}

TEST_F(AboutBoxTest, MailLinkStartsAMailAndOnlyAWholeLeftClickCounts) {
  auto* mail = Control<QLabel>(&About, "Label4");
  Click(mail, mail->rect().center(), Qt::RightButton);
  QTest::mousePress(mail, Qt::LeftButton, {}, mail->rect().center());
  QTest::mouseRelease(mail, Qt::LeftButton, {}, mail->rect().bottomRight() + QPoint(5, 5));
  EXPECT_TRUE(Desktop.Shell.Opened.isEmpty());
  Click(mail, mail->rect().center());
  EXPECT_EQ(Desktop.Shell.Opened, QStringList({"mailto:tesselo@kovalent.example"}));
}

TEST_F(AboutBoxTest, TabReachesTheLinksAndEnterOpensTheFocusedOne) {
  About.show();
  About.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&About));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(Desktop.Shell.Opened,
            QStringList({"https://www.kovalent.example/", "https://tesselo.kovalent.example/"}));
  EXPECT_TRUE(About.isVisible());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(About.isVisible());
}

TEST_F(AboutBoxTest, LinkThatCannotOpenIsReported) {
  Desktop.Shell.OpenResult = false;
  auto* web = Control<QLabel>(&About, "Label3");
  Click(web, web->rect().center());
  ASSERT_EQ(Desktop.Box.Texts.size(), 1);
  EXPECT_EQ(Desktop.Box.Texts[0], "Unable to connect to https://www.kovalent.example/");
}

TEST_F(AboutBoxTest, LabelsKeepTheirPlacesColoursAndFonts) {
  const int width = skinlayout::popup::Size.width();
  for (const skinlayout::about::TLine& line : skinlayout::about::Lines) {
    auto* label = Control<QLabel>(&About, line.Name);
    const bool link = line.Kind == skinlayout::about::TLineKind::Web ||
                      line.Kind == skinlayout::about::TLineKind::Mail;
    EXPECT_EQ(label->text(), QString::fromUtf8(line.Text.Source)) << line.Name;
    EXPECT_EQ(label->geometry(), QRect(0, line.Top, width, skinlayout::popup::LabelHeight))
        << line.Name;
    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter) << line.Name;
    EXPECT_EQ(label->palette().color(QPalette::WindowText),
              link ? QColor(Qt::green) : QColor(Qt::yellow))
        << line.Name;
    EXPECT_EQ(label->cursor().shape(), link ? Qt::PointingHandCursor : Qt::OpenHandCursor)
        << line.Name;
    EXPECT_EQ(label->font().bold(), line.Bold) << line.Name;
    // Every text must fit the window's width.
    EXPECT_LE(label->sizeHint().width(), width) << line.Name;
  }
  EXPECT_TRUE(Control<QLabel>(&About, "Label12")->font().bold());
  auto* copyright = Control<QLabel>(&About, "Label11");
  EXPECT_EQ(copyright->pos(), skinlayout::about::CopyrightPlace);
  EXPECT_EQ(copyright->text(), QStringLiteral("Copyright © 2026 Kovalent Games Ltd."));
  EXPECT_LT(copyright->geometry().right(), skinlayout::popup::CloseButton.left())
      << "clear of the close button";
  popuptest::SaveShot(&About, QStringLiteral("about"));
}

class HelpWindowTest : public PopUpTest {
protected:
  Thelpform Help{Skin.Reader};
  TKVRichEditOLE* Viewer() { return Control<TKVRichEditOLE>(&Help, "KVRichEdit1"); }
};

TEST_F(HelpWindowTest, ShowsTheHelpDocumentReadOnlyWithItsLinks) {
  TKVRichEditOLE* viewer = Viewer();
  // Start-up builds the window without laying the document out; the first showing does.
  EXPECT_TRUE(viewer->document()->isEmpty());
  Help.show();
  EXPECT_EQ(viewer->geometry(), QRect(18, 52, 357, 167));
  EXPECT_TRUE(viewer->ReadOnly());
  EXPECT_EQ(viewer->ScrollBars(), TScrollStyle::ssVertical);
  const QString text = viewer->toPlainText();
  EXPECT_TRUE(text.contains("Using the Game")) << text.toStdString();
  EXPECT_TRUE(text.contains("8 to 60"));
  EXPECT_TRUE(text.contains("12 cards each"));
  EXPECT_EQ(HelpDocumentLines().first(), "{\\rtf1\\ansi\\ansicpg1252\\deff0");
  popuptest::SaveShot(&Help, QStringLiteral("help"));
  Help.hide();
  Help.show();
  EXPECT_EQ(viewer->toPlainText(), text) << "the document is laid out once";
  Help.hide();
}

// Each language's document passes the same strict reader as the English one, keeps its facts
// and links, and a language without one gets the English document.
TEST(HelpDocuments, EachLanguageReadsStrictlyWithItsFactsAndLinks) {
  const auto read = [](const QString& Language) {
    QByteArray source;
    for (const QString& line : HelpDocumentLines(Language))
      source += line.toLatin1() + "\r\n";
    QTextDocument document;
    QString error;
    EXPECT_TRUE(ReadRtf(source, document, &error))
        << Language.toStdString() << ": " << error.toStdString();
    return document.toPlainText();
  };
  const QString english = read(QStringLiteral("en"));
  for (const char* language : {"de", "fr", "es"}) {
    const QString text = read(QString::fromLatin1(language));
    EXPECT_NE(text, english) << language;
    for (const char* kept : {"8", "60", "12", "https://tesselo.kovalent.example/",
                             "tesselo@kovalent.example", "Deckwright"})
      EXPECT_TRUE(text.contains(QString::fromLatin1(kept))) << language << ": " << kept;
  }
  EXPECT_TRUE(read(QStringLiteral("de")).contains(QStringLiteral("Spielanleitung")));
  EXPECT_TRUE(read(QStringLiteral("fr")).contains(QStringLiteral("tu rejoues")));
  EXPECT_TRUE(read(QStringLiteral("es")).contains(QStringLiteral("Cómo se juega")));
  EXPECT_EQ(read(QStringLiteral("it_IT")), english);
}

TEST_F(HelpWindowTest, MailLinksStartAMailWebLinksOpenAndOtherButtonsDoNothing) {
  Help.KVRichEdit1URLClick(Viewer(), "mailto:tesselo@kovalent.example", Qt::LeftButton);
  Help.KVRichEdit1URLClick(Viewer(), "https://tesselo.kovalent.example/", Qt::LeftButton);
  Help.KVRichEdit1URLClick(Viewer(), "https://tesselo.kovalent.example/", Qt::RightButton);
  Help.KVRichEdit1URLClick(Viewer(), "mailto:tesselo@kovalent.example", Qt::MiddleButton);
  EXPECT_EQ(Desktop.Shell.Opened,
            QStringList({"mailto:tesselo@kovalent.example", "https://tesselo.kovalent.example/"}));
}

// The mail link of the document, clicked where the viewer draws it.
TEST_F(HelpWindowTest, ClickOnTheDocumentsMailLinkStartsAMail) {
  Help.show();
  TKVRichEditOLE* viewer = Viewer();
  QTextCursor found = viewer->document()->find(QStringLiteral("tesselo@kovalent"));
  ASSERT_FALSE(found.isNull());
  viewer->setTextCursor(found);
  viewer->ensureCursorVisible();
  QTextCursor inside(found);
  inside.setPosition(found.selectionStart() + 2);
  const QPoint at = viewer->cursorRect(inside).center();
  Click(viewer->viewport(), at, Qt::RightButton);
  EXPECT_TRUE(Desktop.Shell.Opened.isEmpty());
  Click(viewer->viewport(), at);
  EXPECT_EQ(Desktop.Shell.Opened, QStringList({"mailto:tesselo@kovalent.example"}));
  Help.hide();
}

// From the keyboard: each showing starts on the close button; Tab reaches the text, where Enter
// opens the link Tab selected and otherwise closes the window, as Escape does anywhere.
TEST_F(HelpWindowTest, TheKeyboardReachesTheLinksAndEnterOrEscapeCloses) {
  auto* close = Control<TKVPicture>(&Help, "CloseBtn");
  for (int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    Help.show();
    Help.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Help));
    EXPECT_TRUE(close->hasFocus()) << key;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Viewer()) << key;
    QTest::keyClick(Viewer(), Qt::Key(key));
    EXPECT_FALSE(Help.isVisible()) << key;
  }
  EXPECT_TRUE(Desktop.Shell.Opened.isEmpty());
  Help.show();
  Help.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Help));
  QTest::keyClick(close, Qt::Key_Tab);
  QTest::keyClick(Viewer(), Qt::Key_Tab);
  QTest::keyClick(Viewer(), Qt::Key_Return);
  EXPECT_TRUE(Help.isVisible());
  EXPECT_EQ(Desktop.Shell.Opened.size(), 1);
  QTest::keyClick(Viewer(), Qt::Key_Escape);
  EXPECT_FALSE(Help.isVisible());
}

} // namespace
