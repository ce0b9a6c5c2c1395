// The score screen: its rows, winner line, advertisement and card-builder button, over the
// game state the engine leaves after the last pair.
#include "PopupTestSupport.h"

#include "BrowseDWF.h"
#include "BuilderLauncher.h"
#include "GameSettings.h"
#include "GameState.h"
#include "KVImageMap.h"
#include "KVImageMapAccessible.h"
#include "KVPicture.h"
#include "SkinLayout.h"
#include "scoref.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using popuptest::Click;

namespace {

QImage Solid(QSize Size, QColor Colour) {
  QImage image(Size, QImage::Format_RGB32);
  image.fill(Colour);
  return image;
}

class ScoreFormTest : public ::testing::Test {
protected:
  void SetUp() override { Score.SetGame(&Game); }

  // The row texts: name and pairs of each of the five slots.
  std::vector<std::pair<QString, QString>> Rows() {
    std::vector<std::pair<QString, QString>> rows;
    for (int i = 1; i <= 5; ++i)
      rows.emplace_back(Label(QStringLiteral("Label%1").arg(i))->text(),
                        Label(QStringLiteral("Label%1").arg(i + 6))->text());
    return rows;
  }
  QLabel* Label(const QString& Name) { return Score.findChild<QLabel*>(Name); }
  TKVPicture* Picture(const char* Name) {
    return Score.findChild<TKVPicture*>(QLatin1String(Name));
  }
  void EndGame(std::vector<std::pair<std::string, int>> Players, std::string Winner) {
    Game.Players = {};
    for (size_t i = 0; i < Players.size(); ++i)
      Game.Players[i + 1] = {Players[i].first, Players[i].second};
    Game.WinnerName = std::move(Winner);
  }

  popuptest::TFakeDesktop Desktop;
  TOpenSkin Skin;
  GameState Game;
  TScoreForm Score{Skin.Reader};
};

using Row = std::pair<QString, QString>;

TEST_F(ScoreFormTest, TwoPlayersWithoutTheComputerFillFiveRows) {
  EndGame({{"Anna", 5}, {"Ben", 3}}, "Anna");
  Score.show();
  EXPECT_EQ(Rows(),
            (std::vector<Row>{{"Anna", "5"}, {"Ben", "3"}, {"", "0"}, {"", "0"}, {"", "0"}}));
  EXPECT_EQ(Label("Label13")->text(), "The winner is: Anna");
  // The labels are sized to their texts, the counts right-aligned on a fixed right edge.
  EXPECT_EQ(Label("Label1")->pos(), QPoint(24, 88));
  EXPECT_EQ(Label("Label1")->width(), Label("Label1")->sizeHint().width());
  EXPECT_EQ(Label("Label13")->width(), Label("Label13")->sizeHint().width());
  EXPECT_EQ(Label("Label9")->geometry().top(), 126);
  EXPECT_TRUE(Label("Label9")->alignment() & Qt::AlignRight);
  for (const char* name : {"Label6", "Label12", "Label1", "Label7", "Label13"})
    EXPECT_EQ(Label(name)->palette().color(QPalette::WindowText), QColor(Qt::yellow)) << name;
  Score.hide();
}

TEST_F(ScoreFormTest, WinnerLineNamesTheComputerOrNoWinner) {
  EndGame({{"Computer", 7}, {"Anna", 1}}, "Computer");
  Score.show();
  EXPECT_EQ(Label("Label13")->text(), "The winner is: Computer");
  EXPECT_EQ(Rows()[0], Row("Computer", "7")) << "the computer's row comes first";
  Score.hide();

  EndGame({{"Anna", 4}, {"Ben", 4}, {"Cleo", 0}}, "No winner");
  Score.show();
  EXPECT_EQ(Label("Label13")->text(), "The winner is: No winner");
  Score.hide();
}

TEST_F(ScoreFormTest, SecondShowingShowsTheSecondGameAndItsCardSet) {
  EndGame({{"Computer", 2}, {"Anna", 6}, {"Ben", 1}, {"Cleo", 3}, {"Dan", 0}}, "Anna");
  Score.SetAdvert(Solid({100, 80}, Qt::red), QStringLiteral("https://first.example/"));
  Score.show();
  Score.hide();

  EndGame({{"Ben", 9}, {"Ünal", 3}}, "Ben");
  Score.SetAdvert(Solid({50, 50}, Qt::blue), QStringLiteral("https://second.example/"));
  Score.show();
  EXPECT_EQ(Rows(),
            (std::vector<Row>{{"Ben", "9"}, {"Ünal", "3"}, {"", "0"}, {"", "0"}, {"", "0"}}));
  EXPECT_EQ(Label("Label13")->text(), "The winner is: Ben");
  TKVPicture* ad = Picture("AdImage");
  EXPECT_EQ(ad->toolTip(), "https://second.example/");
  EXPECT_EQ(ad->geometry(), QRect(200, 50, 178, 170)) << "the picture is stretched to its box";
  const QImage shot = Score.grab().toImage();
  EXPECT_EQ(shot.pixelColor(289, 135), QColor(Qt::blue));
  EXPECT_EQ(shot.pixelColor(370, 210), QColor(Qt::blue));

  Click(ad, {10, 10});
  EXPECT_EQ(Desktop.Shell.Opened, QStringList({"https://second.example/"}));
  EXPECT_TRUE(Score.isVisible()) << "opening the link leaves the screen open";
  Score.hide();
}

// Regression: names went into labels that read markup, so a typed "<h1>" changed the screen.
TEST_F(ScoreFormTest, NamesAreShownAsTyped) {
  const std::string name = "<h1>Big</h1> & <i>co</i>";
  EndGame({{name, 1}, {"Ben", 0}}, name);
  Score.show();
  QLabel* label = Label("Label1");
  EXPECT_EQ(label->text(), QString::fromStdString(name));
  EXPECT_EQ(label->sizeHint().width(),
            label->fontMetrics().horizontalAdvance(QString::fromStdString(name)));
  EXPECT_EQ(label->height(), 13);
  Score.hide();
}

// A screen reader reads the labels one at a time, so each says whose row it is.
TEST_F(ScoreFormTest, RowsTellAssistiveTechnologyWhoseNameAndPairsTheyShow) {
  EndGame({{"Anna", 5}, {"%2 Ben", 3}}, "Anna");
  Score.show();
  const auto name = [this](const char* Label) {
    return QAccessible::queryAccessibleInterface(this->Label(QLatin1String(Label)))
        ->text(QAccessible::Name);
  };
  EXPECT_EQ(name("Label1"), "Player 1: Anna");
  EXPECT_EQ(name("Label7"), "Player 1 pairs: 5");
  EXPECT_EQ(name("Label2"), "Player 2: %2 Ben");
  EXPECT_EQ(name("Label8"), "Player 2 pairs: 3");
  EXPECT_EQ(name("Label3"), "Player 3: ");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(this->Label("Label9"))->role(),
            QAccessible::StaticText);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Picture("DKWRBtn"))->text(QAccessible::Name),
            "Make your own card set");
  Score.hide();
}

TEST_F(ScoreFormTest, TitleStripExitIsAButtonThatCloses) {
  Score.show();
  auto* map = Score.findChild<TKVImageMap*>(QStringLiteral("ExitMap"));
  ASSERT_NE(map, nullptr);
  TKVImageMapAccessible strip(map);
  ASSERT_EQ(strip.ElementCount(), 1);
  QAccessibleInterface* exit = strip.child(0);
  EXPECT_EQ(exit->role(), QAccessible::Button);
  EXPECT_EQ(exit->text(QAccessible::Description), "exit");
  exit->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_FALSE(Score.isVisible());
}

TEST_F(ScoreFormTest, AdvertWithoutALinkOpensNothing) {
  Score.SetAdvert(Solid({10, 10}, Qt::red), QString());
  Score.show();
  Click(Picture("AdImage"), {5, 5});
  EXPECT_TRUE(Desktop.Shell.Opened.isEmpty());
  EXPECT_TRUE(Desktop.Box.Texts.isEmpty());
  Score.hide();
}

TEST_F(ScoreFormTest, LinkThatCannotOpenIsReportedAndTheScreenStays) {
  Desktop.Shell.OpenResult = false;
  Score.SetAdvert(Solid({10, 10}, Qt::red), QStringLiteral("https://down.example/"));
  Score.show();
  Click(Picture("AdImage"), {5, 5});
  EXPECT_EQ(Desktop.Box.Texts, QStringList({"Unable to connect to https://down.example/"}));
  EXPECT_TRUE(Score.isVisible());
  Score.hide();
}

TEST_F(ScoreFormTest, BuilderButtonLaunchesTheBuilderAndClosesTheScreen) {
  QTemporaryDir dir;
  const QString builder = dir.filePath(QStringLiteral("dkwright"));
  QFile(builder).open(QIODevice::WriteOnly);
  GameSettings settings;
  settings.BuilderPath = builder;
  TBrowseDWForm browse;
  int mainWindowClosed = 0;
  TBuilderLauncher launcher(settings, browse, [&mainWindowClosed] { ++mainWindowClosed; });
  Score.SetBuilderLauncher(&launcher);
  QImage art(QString::fromUtf8(TESSELO_GENERATED_RESOURCES_DIR "/dkwrbtn-score.png"));
  ASSERT_FALSE(art.isNull());
  Score.SetBuilderPicture(art);
  TKVPicture* button = Picture("DKWRBtn");
  EXPECT_EQ(button->geometry(), skinlayout::score::BuilderStrip);
  EndGame({{"Anna", 5}, {"Ben", 3}}, "Anna");
  Score.SetAdvert(Solid({178, 170}, QColor(30, 90, 160)), QStringLiteral("https://a.example/"));
  Score.show();
  popuptest::SaveShot(&Score, QStringLiteral("score"));

  Click(button, {150, 8});
  EXPECT_EQ(Desktop.Shell.Executed, QStringList({builder}));
  EXPECT_EQ(mainWindowClosed, 1);
  EXPECT_FALSE(Score.isVisible());
}

TEST_F(ScoreFormTest, MissingTitleStopsTheBuild) {
  popuptest::TPartialSkin partial(Skin.Archive, 30);
  EXPECT_THROW(TScoreForm score(partial.Skin), EKVResError);
}

} // namespace
