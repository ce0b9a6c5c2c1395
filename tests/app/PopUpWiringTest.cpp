// The main window with the real secondary windows: the score screen ends a game, help and the
// card builder's browse dialog open modally and the program goes on after them.
#include "AppFixtures.h"

#include "BoardGrid.h"
#include "FaceOverlay.h"
#include "KVCursors.h"
#include "KVImageCtrl.h"
#include "KVImageMap.h"
#include "KVPicture.h"
#include "KVQtMessageBox.h"
#include "KVRStream.h"
#include "OptionsPanel.h"
#include "PopUpWiring.h"
#include "SkinLayout.h"
#include "scoref.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

using namespace apptest;

namespace {

// What a label or a tool tip shows of Text: Qt reads it as markup when its format says so or,
// left to guess, when the text looks like markup.
QString ShownText(const QString& Text, Qt::TextFormat Format) {
  if (Format == Qt::PlainText || (Format == Qt::AutoText && !Qt::mightBeRichText(Text)))
    return Text;
  QTextDocument document;
  document.setHtml(Text);
  return document.toPlainText();
}

QString ShownText(const QLabel& Label) {
  return ShownText(Label.text(), Label.textFormat());
}

// Closes the next modal window once it is up and remembers its class and what it showed.
class TModalCloser {
public:
  TModalCloser() {
    QTimer::singleShot(0, [this] { Close(); });
  }
  QString ClassName;
  QStringList Texts;
  QStringList Shown;
  QStringList ShownTips;

private:
  void Close() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
      if (++FTries < 200)
        QTimer::singleShot(10, [this] { Close(); });
      return;
    }
    ClassName = QString::fromLatin1(modal->metaObject()->className());
    for (const QLabel* label : modal->findChildren<QLabel*>()) {
      Texts << label->text();
      Shown << ShownText(*label);
    }
    for (const QWidget* widget : modal->findChildren<QWidget*>())
      if (!widget->toolTip().isEmpty())
        ShownTips << ShownText(widget->toolTip(), Qt::AutoText);
    modal->close();
  }
  int FTries = 0;
};

// Turns the face-down pairs one after the other until the game is over.
void PlayEveryPair(TMainForm& Form) {
  for (int step = 0; step < 40 && Form.Game().State().GameActive; ++step) {
    if (ElapseRevealTimer(Form))
      continue;
    const TCellPair pair = FaceDownPair(Form.Game());
    ClickCell(Form, pair.First.x(), pair.First.y());
    ClickCell(Form, pair.Second.x(), pair.Second.y());
  }
}

// The help button and the about plaque each open their window modally.
void ExpectHelpAndAboutOpen(TMainForm& Form) {
  {
    TModalCloser closer;
    ClickArea(*Form.ExitMap, "help");
    EXPECT_EQ(closer.ClassName, "Thelpform");
  }
  {
    TModalCloser closer;
    QTest::mouseClick(Form.CopyRightImage, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(closer.ClassName, "TAboutForm");
  }
}

class PopUpWiringTest : public ::testing::Test {
protected:
  // The window and its secondary windows, the archive open only meanwhile. Unless Finish, both
  // are left as start-up leaves them at the first paint: the rest of the window and the
  // secondary windows not built yet.
  TMainForm& Create(bool Finish = true) {
    TMainForm& form = Rig.Create(TestWorkArea, true, Finish);
    TOpenSkin skin;
    PopUps = CreatePopUpWindows(skin.Reader, form);
    form.SetPopUps(PopUps.get());
    if (Finish)
      PopUps->Build();
    return form;
  }
  // The pop-ups go before the window does.
  void TearDown() override { Rig.Form().SetPopUps(nullptr); }

  TMainFormRig Rig;
  std::unique_ptr<TPopUpWindows> PopUps;
};

TEST_F(PopUpWiringTest, LastPairShowsTheScoreScreenAndTheGameEndsAfterIt) {
  TMainForm& form = Create();
  form.OptionsPanel->ComputerCheck->setChecked(false);
  form.OptionsPanel->Player1Edit->setText("Ann");
  form.OptionsPanel->Player2Edit->setText("Bob");
  ClickArea(*form.PanelMap, "play");
  TModalCloser closer;
  PlayEveryPair(form);
  EXPECT_EQ(closer.ClassName, "TScoreForm");
  EXPECT_TRUE(closer.Texts.contains("Ann")) << closer.Texts.join('|').toStdString();
  EXPECT_EQ(form.Label1->text(), "The winner is: Ann");
  EXPECT_FALSE(form.Game().State().GameActive);
  // The game can start again afterwards.
  ClickArea(*form.PanelMap, "play");
  EXPECT_TRUE(form.Game().State().GameActive);
}

// Regression: names, card-set titles and links went into labels and tool tips that guess
// markup, so "<font size=7>" blew the status line up over the buttons and "<img src=...>" made
// a label read a local file.
TEST_F(PopUpWiringTest, NamesSetsAndLinksFromOutsideAreShownAsTyped) {
  const QString title = R"(<img src="/etc/hostname">Evil <b>set</b>)";
  QList<QByteArray> faces;
  for (int face = 0; face < 8; ++face)
    faces << BmpBytes(Solid({40, 30}, QColor::fromHsv(face * 40, 200, 200)));
  WriteCardSet(Rig.Folder.CardsDir() + "hostile.crd", title, 0, faces);
  const QString brokenName = "<font color=red size=7>broken.crd";
  WriteCardSet(Rig.Folder.CardsDir() + brokenName, "Broken", 0,
               QList<QByteArray>(8, QByteArray("no picture")));
  TMainForm& form = Create();
  TOptionsPanel& panel = *form.OptionsPanel;
  const QString ann = "<font size=7>Ann";
  const QString bob = R"(<img src="/etc/hostname">Bob &amp; co)";
  panel.ComputerCheck->setChecked(false);
  panel.Player1Edit->setText(ann);
  panel.Player2Edit->setText(bob);

  // The message box quotes the file's name as it is.
  ChooseItem(*panel.CardsBox, "Broken");
  {
    TKVQtMessageBox realBox;
    TKVMessageBox::SetInstance(&realBox);
    TModalCloser closer;
    ClickArea(*form.PanelMap, "play");
    TKVMessageBox::SetInstance(&Rig.Messages);
    EXPECT_EQ(closer.ClassName, "QMessageBox");
    const QString quoted = "The card set \"" + brokenName + "\" cannot be used.";
    EXPECT_TRUE(std::any_of(closer.Shown.begin(), closer.Shown.end(), [&](const QString& Text) {
      return Text.startsWith(quoted);
    })) << closer.Shown.join('|').toStdString();
  }

  ChooseItem(*panel.CardsBox, title);
  EXPECT_EQ(panel.CardsBox->currentText(), title);
  ClickArea(*form.PanelMap, "play");
  ASSERT_TRUE(form.Game().State().GameActive);
  EXPECT_TRUE(form.Label1->text().contains(ann)) << form.Label1->text().toStdString();
  EXPECT_EQ(ShownText(*form.Label1).toStdString(), form.Label1->text().toStdString());
  EXPECT_LE(form.Label1->height(), 20) << "the status line keeps its size";

  TModalCloser closer;
  PlayEveryPair(form);
  ASSERT_EQ(closer.ClassName, "TScoreForm");
  EXPECT_TRUE(closer.Shown.contains(ann)) << closer.Shown.join('|').toStdString();
  EXPECT_TRUE(closer.Shown.contains(bob));
  EXPECT_TRUE(closer.ShownTips.contains("https://cards.example/" + title))
      << closer.ShownTips.join('|').toStdString();
  EXPECT_EQ(ShownText(*form.Label1).toStdString(), form.Label1->text().toStdString());
}

TEST_F(PopUpWiringTest, HelpAndAboutOpenModallyAndTheWindowGoesOn) {
  TMainForm& form = Create();
  ExpectHelpAndAboutOpen(form);
  EXPECT_TRUE(form.isVisible());
}

// Each help and about window there is, and whether it shows the hands.
QStringList HelpAndAboutWindows() {
  QStringList windows;
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    const QString name = QString::fromLatin1(window->metaObject()->className());
    if (name != "Thelpform" && name != "TAboutForm")
      continue;
    bool hands = false;
    for (const QWidget* control : window->findChildren<QWidget*>())
      hands = hands || control->cursor().shape() == Qt::BitmapCursor;
    windows << name + (hands ? " hands" : " arrows");
  }
  windows.sort();
  return windows;
}

// Clicks that come before the windows they open are built (start-up builds them only after the
// first paint) wait for them and work, and find what start-up's later steps would have made:
// the hands registered, the windows built once.
TEST_F(PopUpWiringTest, ClicksBeforeTheWindowsAreBuiltStillOpenThem) {
  TKVCursors::Clear();
  TMainForm& form = Create(false);
  ASSERT_EQ(form.OptionsPanel, nullptr);
  ASSERT_FALSE(PopUps->Built());
  ExpectHelpAndAboutOpen(form);
  form.FinishCreate();
  PopUps->Build();
  EXPECT_EQ(HelpAndAboutWindows(), QStringList({"TAboutForm hands", "Thelpform hands"}));
  ClickArea(*form.PanelMap, "options");
  ASSERT_NE(form.OptionsPanel, nullptr);
  EXPECT_TRUE(form.OptionsPanel->isVisible());
  EXPECT_EQ(form.OptionsPanel->pos(), skinlayout::options::Place);
  EXPECT_EQ(form.OptionsPanel->CardsBox->currentText(), "Animations");
  EXPECT_EQ(form.Label1->text(), "Set Options");
  // Stacked as in a window built at once: in the order of building, with the options raised.
  std::vector<qsizetype> stacking;
  for (const QObject* control : std::initializer_list<const QObject*>{
           form.BgBevel, form.PanelMap, form.Label1, form.ExitMap, form.CopyRightImage, form.MGrid,
           form.Panel1, form.Panel2, form.CoverPanel, form.OptionsPanel})
    stacking.push_back(form.children().indexOf(control));
  EXPECT_TRUE(std::is_sorted(stacking.begin(), stacking.end()));
}

// The secondary windows are built after the first paint, but a damaged picture of theirs is
// reported while the archive is open, before anything is shown.
TEST_F(PopUpWiringTest, ADamagedPictureOfASecondaryWindowFailsBeforeItIsBuilt) {
  TMainForm& form = Rig.Create(TestWorkArea, false, false);
  QTemporaryDir dir;
  WriteDamagedSkin(dir.filePath("tesselo.dat"), skinlayout::entry::HelpTitle);
  TKVResFileReader damaged(dir.filePath("tesselo.dat"));
  TSkinReader damagedSkin(damaged);
  EXPECT_THROW(CreatePopUpWindows(damagedSkin, form), ESkinError);
}

TEST_F(PopUpWiringTest, BuilderMissingAsksForItAndCancellingKeepsTheProgram) {
  TMainForm& form = Create();
  form.Settings().BuilderPath = Rig.Folder.Path() + "no-such-builder";
  ClickArea(*form.PanelMap, "options");
  TModalCloser closer;
  QTest::mouseClick(form.OptionsPanel->DKWRBtn, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(closer.ClassName, "TBrowseDWForm");
  EXPECT_TRUE(form.isVisible());
}

} // namespace
