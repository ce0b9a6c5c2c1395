// A card set opened from outside reaches the main window: handed over by a later copy of the
// game over the real socket, or dropped on the window; a refused one changes nothing.
#include "AppFixtures.h"
#include "CardSetLoader.h"
#include "HandOver.h"
#include "KVUtils.h"
#include "OptionsPanel.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include <future>

using namespace apptest;

namespace {

// Each test keeps its own user card folder, so no set it adds reaches another test.
class CardSetOpening : public ::testing::Test {
protected:
  void SetUp() override {
    FOldDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", FDataHome.path().toLocal8Bit());
  }
  void TearDown() override { qputenv("XDG_DATA_HOME", FOldDataHome); }

  QString Download(const QString& Name, const QString& Title, int Faces = 8) {
    QList<QByteArray> faces;
    for (int i = 0; i < Faces; ++i)
      faces << BmpBytes(Solid({40, 30}, QColor::fromHsv(i * 359 / Faces, 200, 200)));
    const QString path = FDownloads.filePath(Name);
    WriteCardSet(path, Title, 0, faces);
    return path;
  }
  QString UserSet(const QString& Name) const {
    return FDataHome.filePath(QStringLiteral("Kovalent/Tesselo/cards/") + Name);
  }
  static void SpinUntil(const std::function<bool()>& Done) {
    QElapsedTimer timer;
    timer.start();
    while (!Done() && timer.elapsed() < 5000)
      QTest::qWait(10);
  }

  QTemporaryDir FDataHome;
  QTemporaryDir FDownloads;
  QByteArray FOldDataHome;
};

TEST_F(CardSetOpening, ASetHandedOverIsAddedChosenShownAndSaved) {
  TMainFormRig rig;
  TMainForm& form = rig.Create();
  const int listed = form.OptionsPanel->CardsBox->count();
  THandOverListener listener;
  listener.OnFile = [&form](const QString& Path) { form.OpenCardSet(Path); };
  const QString socket = FDownloads.filePath(QStringLiteral("game.socket"));
  ASSERT_TRUE(listener.Listen(socket));

  // A game is going on, one card turned, when the set arrives from a later copy of the game:
  // the game stays as it is, and the set waits for the next deal.
  form.OptionsPanel->ComputerCheck->setChecked(false);
  ClickArea(*form.PanelMap, "play");
  form.MGridSelectCell(0, 0);
  const QSize board = form.size();
  const QString playing = form.Label1->text();
  const QString beach = Download(QStringLiteral("beach.crd"), QStringLiteral("Beach"));
  auto sent = std::async(std::launch::async, [&] { return HandOverFile(socket, beach); });
  SpinUntil([&] { return form.OptionsPanel->CardsBox->count() > listed; });
  EXPECT_TRUE(sent.get());

  EXPECT_FALSE(form.OptionsPanel->isVisible());
  EXPECT_EQ(form.Game().Phase(), GamePhase::AwaitingSecondPick);
  EXPECT_EQ(form.size(), board);
  EXPECT_EQ(form.OptionsPanel->CardsBox->currentText(), QStringLiteral("Beach"));
  const QString passing = QStringLiteral("Added for the next game: Beach");
  EXPECT_EQ(form.Label1->text(), passing);
  SpinUntil([&] { return form.Label1->text() != passing; });
  EXPECT_EQ(form.Label1->text(), playing);
  EXPECT_EQ(testsupport::ReadFileBytes(UserSet("beach.crd")), testsupport::ReadFileBytes(beach));

  // With no game on the board, the options show the set chosen.
  ClickArea(*form.PanelMap, "options");
  // The same set again is only chosen; a different one of that name is asked about.
  ChooseItem(*form.OptionsPanel->CardsBox, form.OptionsPanel->CardsBox->itemText(0));
  form.OpenCardSet(beach);
  SpinUntil([&] { return form.OptionsPanel->CardsBox->currentText() == QStringLiteral("Beach"); });
  EXPECT_EQ(form.Label1->text(), QStringLiteral("Card set chosen: Beach"));
  EXPECT_EQ(form.OptionsPanel->CardsBox->count(), listed + 1);
  rig.Messages.Answer = IDYES;
  form.OpenCardSet(Download(QStringLiteral("beach.crd"), QStringLiteral("Beach at night"), 10));
  SpinUntil([&] { return form.Label1->text().startsWith(QStringLiteral("Card set replaced")); });
  ASSERT_EQ(rig.Messages.Shown.size(), 1u);
  EXPECT_NE(rig.Messages.Shown[0].Text.indexOf(QStringLiteral("beach.crd")), -1);
  EXPECT_EQ(form.OptionsPanel->CardsBox->count(), listed + 1) << "the line is replaced";
  EXPECT_EQ(form.OptionsPanel->CardsBox->currentText(), QStringLiteral("Beach at night"));

  rig.Destroy();
  const QByteArray saved = testsupport::ReadFileBytes(rig.Store.FilePath());
  EXPECT_TRUE(saved.contains("\"Cards\"=\"beach.crd\"")) << saved.left(400).toStdString();
}

TEST_F(CardSetOpening, ADroppedSetThatIsRefusedChangesNothing) {
  TMainFormRig rig;
  TMainForm& form = rig.Create();
  ClickArea(*form.PanelMap, "play");
  const QString chosen = form.OptionsPanel->CardsBox->currentText();
  const int listed = form.OptionsPanel->CardsBox->count();

  QMimeData data;
  data.setUrls(
      {QUrl::fromLocalFile(Download(QStringLiteral("few.crd"), QStringLiteral("Few"), 7))});
  QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
  QCoreApplication::sendEvent(&form, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
  QCoreApplication::sendEvent(&form, &drop);
  SpinUntil([&] { return !rig.Messages.Shown.empty(); });

  ASSERT_EQ(rig.Messages.Shown.size(), 1u);
  EXPECT_EQ(rig.Messages.Shown[0].Text, QString::fromStdString(NotEnoughImagesText()));
  EXPECT_TRUE(form.Game().State().GameActive) << "the game goes on";
  EXPECT_EQ(form.OptionsPanel->CardsBox->count(), listed);
  EXPECT_EQ(form.OptionsPanel->CardsBox->currentText(), chosen);
  EXPECT_FALSE(QFileInfo::exists(UserSet("few.crd")));
}

TEST_F(CardSetOpening, AWindowClosedWhileASetIsCheckedLeavesNoStagedCopyBehind) {
  for (int wait : {0, 1, 5, 20}) {
    TMainFormRig rig;
    TMainForm& form = rig.Create();
    form.OpenCardSet(Download(QStringLiteral("late.crd"), QStringLiteral("Late"), 30));
    QTest::qWait(wait); // the check started, running, or finished with its report waiting
    rig.Destroy();
    const QDir user(FDataHome.filePath(QStringLiteral("Kovalent/Tesselo/cards")));
    const QStringList left = user.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_TRUE(left.isEmpty() || left == QStringList{QStringLiteral("late.crd")})
        << wait << " " << left.join(' ').toStdString();
  }
}

} // namespace
