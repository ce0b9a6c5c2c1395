// The main window with the real secondary windows: the score screen ends a game, help and the
// card builder's browse dialog open modally and the program goes on after them.
#include "AppFixtures.h"

#include "BoardGrid.h"
#include "KVImageMap.h"
#include "KVPicture.h"
#include "KVQtMessageBox.h"
#include "KVRStream.h"
#include "OptionsPanel.h"
#include "PopUpWiring.h"
#include "scoref.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

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

class PopUpWiringTest : public ::testing::Test {
protected:
  TMainForm& Create() {
    TMainForm& form = Rig.Create();
    TOpenSkin skin;
    PopUps = CreatePopUpWindows(skin.Reader, form);
    form.SetPopUps(PopUps.get());
    return form;
  }
  // The pop-ups go before the window does.
  void TearDown() override { Rig.Form().SetPopUps(nullptr); }

  TMainFormRig Rig;
  std::unique_ptr<IPopUpWindows> PopUps;
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
  {
    TModalCloser closer;
    ClickArea(*form.ExitMap, "help");
    EXPECT_EQ(closer.ClassName, "Thelpform");
  }
  {
    TModalCloser closer;
    QTest::mouseClick(form.CopyRightImage, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(closer.ClassName, "TAboutForm");
  }
  EXPECT_TRUE(form.isVisible());
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
