// The game's windows in other languages: in the test-only pseudo language, which is longer than
// English, every window and pop-up keeps its texts whole and shows none that bypassed the
// translators; in each shipped language, a few words of the options and the score screen.
#include "AppFixtures.h"

#include "KVImageMap.h"
#include "KVPicture.h"
#include "OptionsPanel.h"
#include "PopUpWiring.h"
#include "PseudoLanguage.h"
#include "TestSupport.h"
#include "Translation.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>

using namespace apptest;
using namespace testsupport;

namespace {

// Runs Look on the next modal window once it is up, then closes it.
class TModalInspector {
public:
  explicit TModalInspector(std::function<void(QWidget&)> Look) : FLook(std::move(Look)) {
    QTimer::singleShot(0, [this] { Inspect(); });
  }
  QString ClassName;

private:
  void Inspect() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
      if (++FTries < 200)
        QTimer::singleShot(10, [this] { Inspect(); });
      return;
    }
    ClassName = QString::fromLatin1(modal->metaObject()->className());
    FLook(*modal);
    modal->close();
  }
  std::function<void(QWidget&)> FLook;
  int FTries = 0;
};

class LanguagesTest : public ::testing::Test {
protected:
  TMainForm& Create() {
    UseQtTranslationsForWording();
    TMainForm& form = Rig.Create();
    TOpenSkin skin;
    PopUps = CreatePopUpWindows(skin.Reader, form);
    form.SetPopUps(PopUps.get());
    return form;
  }
  void TearDown() override {
    Rig.Form().SetPopUps(nullptr);
    QCoreApplication::processEvents();
  }

  // Plays the running game to its end, Look inspecting the score screen.
  void PlayToTheEnd(TMainForm& Form, std::function<void(QWidget&)> Look) {
    TModalInspector inspector(std::move(Look));
    for (int step = 0; step < 200 && Form.Game().State().GameActive; ++step) {
      if (ElapseRevealTimer(Form))
        continue;
      const TCellPair pair = FaceDownPair(Form.Game());
      ClickCell(Form, pair.First.x(), pair.First.y());
      ClickCell(Form, pair.Second.x(), pair.Second.y());
    }
    EXPECT_EQ(inspector.ClassName, "TScoreForm");
  }

  TMainFormRig Rig;
  std::unique_ptr<IPopUpWindows> PopUps;
};

TEST_F(LanguagesTest, InALongerLanguageEveryWindowShowsItsTextsWholeAndTranslated) {
  TPseudoLanguage pseudo;
  // What is never translated: names typed, the programs' and the maker's names and address.
  const QStringList exempt{"Ann",
                           "Bob",
                           "Kovalent Tesselo 2.05",
                           "Kovalent Tesselo",
                           "Deckwright",
                           "Kovalent Games Ltd.",
                           "tesselo@kovalent.example",
                           "14 Lattice Row, Tessel Bridge, TB3 7KV"};
  const auto inspect = [&](const QWidget& Window, const char* State) {
    const QStringList clipped = ClippedTexts(Window);
    EXPECT_TRUE(clipped.isEmpty()) << State << ": " << clipped.join(" | ").toStdString();
    const QStringList unmarked = UnmarkedTexts(ShownTexts(Window), exempt);
    EXPECT_TRUE(unmarked.isEmpty()) << State << ": " << unmarked.join(" | ").toStdString();
  };
  TMainForm& form = Create();
  inspect(form, "cover");
  ClickArea(*form.PanelMap, "options");
  inspect(form, "options");
  form.OptionsPanel->ComputerCheck->setChecked(true);
  form.OptionsPanel->Player1Edit->setText("Ann");
  form.OptionsPanel->Player2Edit->setText("Bob");
  ClickArea(*form.PanelMap, "play");
  ASSERT_TRUE(form.Game().State().GameActive);
  inspect(form, "game");
  PlayToTheEnd(form, [&](QWidget& Score) { inspect(Score, "score screen"); });
  inspect(form, "game over");

  TModalInspector help([&](QWidget& Window) { inspect(Window, "help"); });
  ClickArea(*form.ExitMap, "help");
  EXPECT_EQ(help.ClassName, "Thelpform");
  TModalInspector about([&](QWidget& Window) { inspect(Window, "about"); });
  QTest::mouseClick(form.CopyRightImage, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(about.ClassName, "TAboutForm");

  form.Settings().BuilderPath = Rig.Folder.Path() + "no-such-builder";
  ClickArea(*form.PanelMap, "options");
  TModalInspector browse([&](QWidget& Window) { inspect(Window, "builder missing"); });
  QTest::mouseClick(form.OptionsPanel->DKWRBtn, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(browse.ClassName, "TBrowseDWForm");
}

struct TLanguageWords {
  const char* Code;
  const char* Welcome;
  const char* SetOptions;
  const char* FirstNameField;
  const char* Computer;
  const char* Winner; // the verdict, up to the winner's name
  const char* PairsCaption;
};

class ShippedLanguageTest : public LanguagesTest,
                            public ::testing::WithParamInterface<TLanguageWords> {};

TEST_P(ShippedLanguageTest, OptionsAndScoreSpeakTheLanguage) {
  const TLanguageWords& words = GetParam();
  QTranslator catalogue;
  ASSERT_TRUE(catalogue.load(QStringLiteral("tesselo_") + words.Code,
                             ProgramDir() + QStringLiteral("/translations")));
  QCoreApplication::installTranslator(&catalogue);
  TMainForm& form = Create();
  EXPECT_EQ(form.Label1->text(), QString::fromUtf8(words.Welcome));
  ClickArea(*form.PanelMap, "options");
  EXPECT_EQ(form.Label1->text(), QString::fromUtf8(words.SetOptions));
  EXPECT_EQ(form.OptionsPanel->Player1Edit->accessibleName(),
            QString::fromUtf8(words.FirstNameField));
  // The computer's name comes from the engine, through the same catalogue.
  form.OptionsPanel->ComputerCheck->setChecked(true);
  form.OptionsPanel->Player2Edit->setText("Ann");
  ClickArea(*form.PanelMap, "play");
  QStringList scoreTexts;
  PlayToTheEnd(form, [&](QWidget& Score) {
    scoreTexts = ShownTexts(Score);
    // For a look by eye: TESSELO_SHOTS_DIR names a folder for the pictures.
    if (const QString shots = qEnvironmentVariable("TESSELO_SHOTS_DIR"); !shots.isEmpty())
      Score.grab().save(shots + QStringLiteral("/score.") + words.Code + QStringLiteral(".png"));
  });
  EXPECT_TRUE(scoreTexts.contains(QString::fromUtf8(words.Computer)))
      << scoreTexts.join('|').toStdString();
  EXPECT_TRUE(scoreTexts.contains(QString::fromUtf8(words.PairsCaption)))
      << scoreTexts.join('|').toStdString();
  EXPECT_TRUE(form.Label1->text().startsWith(QString::fromUtf8(words.Winner)))
      << form.Label1->text().toStdString();
  QCoreApplication::removeTranslator(&catalogue);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogues, ShippedLanguageTest,
    ::testing::Values(TLanguageWords{"de", "Willkommen", "Optionen einstellen",
                                     "Name von Spieler 1", "Computer", "Gewonnen hat: ", "Paare:"},
                      TLanguageWords{"fr", "Bienvenue", "Règle les options", "Nom du joueur 1",
                                     "Ordinateur", "Le gagnant est\u00a0: ", "Paires\u00a0:"},
                      TLanguageWords{"es", "Bienvenida", "Elige las opciones",
                                     "Nombre del jugador 1", "Ordenador",
                                     "Ha ganado: ", "Parejas:"}),
    [](const ::testing::TestParamInfo<TLanguageWords>& Info) {
      return std::string(Info.param.Code);
    });

} // namespace
