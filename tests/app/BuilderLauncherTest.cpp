// Launching the card builder: from the stored path, or through the browse dialog when the
// path names no file; what cancelling leaves behind, and what a failed start does.
#include "PopupTestSupport.h"

#include "BrowseDWF.h"
#include "BuilderLauncher.h"
#include "GameSettings.h"
#include "Product.h"

#include <QAbstractProxyModel>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <vector>

using popuptest::Click;

namespace {

class BuilderLauncherTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(Dir.isValid()); }

  QString MakeFile(const QString& Name) {
    const QString path = Dir.filePath(Name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    return path;
  }
  QPushButton* Button(const char* Name) {
    return Browse.findChild<QPushButton*>(QLatin1String(Name));
  }
  // Runs Action once the browse dialog is up (the launcher shows it modally).
  void WhenBrowseShows(std::function<void()> Action) {
    QTimer::singleShot(0, &Browse, [this, Action] {
      BrowseSeen = Browse.isVisible();
      Action();
    });
  }

  popuptest::TFakeDesktop Desktop;
  QTemporaryDir Dir;
  GameSettings Settings;
  TBrowseDWForm Browse;
  int MainWindowClosed = 0;
  TBuilderLauncher Launcher{Settings, Browse, [this] { ++MainWindowClosed; }};
  bool BrowseSeen = false;
};

TEST_F(BuilderLauncherTest, StoredPathOfAnExistingFileStartsItAndClosesTheMainWindow) {
  Settings.BuilderPath = MakeFile(QStringLiteral("dkwright"));
  EXPECT_TRUE(Launcher.DKWRBtnClick(nullptr));
  EXPECT_EQ(Desktop.Shell.Executed, QStringList({Settings.BuilderPath}));
  EXPECT_EQ(MainWindowClosed, 1);
  EXPECT_FALSE(Browse.isVisible());
}

TEST_F(BuilderLauncherTest, MissingBuilderShowsBrowseDialogAndCancelKeepsTheProgram) {
  for (const QString& path : {QString(), Dir.filePath(QStringLiteral("gone/dkwright")),
                              Dir.path() /* a folder is no program */}) {
    Settings.BuilderPath = path;
    BrowseSeen = false;
    WhenBrowseShows([this] { Button("CancelBtn")->click(); });
    EXPECT_FALSE(Launcher.DKWRBtnClick(nullptr));
    EXPECT_TRUE(BrowseSeen) << path.toStdString();
    EXPECT_FALSE(Browse.isVisible());
    EXPECT_EQ(Settings.BuilderPath, path);
  }
  // Escape is the cancel button too.
  WhenBrowseShows([this] { QTest::keyClick(&Browse, Qt::Key_Escape); });
  EXPECT_FALSE(Launcher.DKWRBtnClick(nullptr));
  EXPECT_TRUE(Desktop.Shell.Executed.isEmpty());
  EXPECT_TRUE(Desktop.Shell.Opened.isEmpty());
  EXPECT_EQ(MainWindowClosed, 0);
}

TEST_F(BuilderLauncherTest, BrowsingToAFileStoresItStartsItAndEndsTheProgram) {
  const QString chosen = MakeFile(QStringLiteral("my-dkwright"));
  int dialogRuns = 0;
  Browse.SetOpenDialogRunner([&](QFileDialog&) { return ++dialogRuns == 1 ? QString() : chosen; });
  WhenBrowseShows([this] {
    Button("BrowseBtn")->click(); // cancelled: the dialog stays
    EXPECT_TRUE(Browse.isVisible());
    EXPECT_TRUE(Desktop.Shell.Executed.isEmpty());
    Button("BrowseBtn")->click();
  });
  EXPECT_TRUE(Launcher.DKWRBtnClick(nullptr));
  EXPECT_EQ(dialogRuns, 2);
  EXPECT_EQ(Settings.BuilderPath, QDir::toNativeSeparators(chosen));
  EXPECT_EQ(Desktop.Shell.Executed, QStringList({chosen}));
  EXPECT_EQ(MainWindowClosed, 1);
  EXPECT_FALSE(Browse.isVisible()) << "the dialog closes with the program";
}

// Regression: a file that could not be started at all used to end the program anyway, leaving
// the user with neither the game nor the builder.
TEST_F(BuilderLauncherTest, FileThatCannotBeStartedIsOpenedOrReported) {
  Settings.BuilderPath = MakeFile(QStringLiteral("notes.txt"));
  Desktop.Shell.ExecuteResult = false;
  EXPECT_TRUE(Launcher.DKWRBtnClick(nullptr));
  EXPECT_EQ(Desktop.Shell.Opened,
            QStringList({QUrl::fromLocalFile(Settings.BuilderPath).toString()}))
      << "the desktop opens what is not a program";
  EXPECT_EQ(MainWindowClosed, 1);
}

// Regression: a browsed-to file that failed to start was kept as the builder's path, so every
// later click tried it again and the browse dialog never came back.
TEST_F(BuilderLauncherTest, OnlyAPathThatStartedIsKeptAndAFailureOffersTheBrowseAgain) {
  const QString stored = MakeFile(QStringLiteral("dkwright"));
  Settings.BuilderPath = stored;
  Desktop.Shell.ExecuteResult = false;
  Desktop.Shell.OpenResult = false;
  const QString broken = MakeFile(QStringLiteral("broken"));
  const QString working = MakeFile(QStringLiteral("working"));
  QStringList choices{broken, working};
  Browse.SetOpenDialogRunner([&](QFileDialog&) { return choices.takeFirst(); });
  WhenBrowseShows([&] {
    Button("BrowseBtn")->click(); // fails: reported, the dialog stays
    EXPECT_TRUE(Browse.isVisible());
    EXPECT_EQ(Settings.BuilderPath, stored);
    Desktop.Shell.ExecuteResult = true;
    Button("BrowseBtn")->click();
  });
  EXPECT_TRUE(Launcher.DKWRBtnClick(nullptr));
  EXPECT_TRUE(BrowseSeen) << "a stored path that cannot start offers the browse dialog";
  EXPECT_EQ(Desktop.Box.Texts,
            QStringList({"Unable to start " + stored, "Unable to start " + broken}));
  EXPECT_EQ(Settings.BuilderPath, working);
  EXPECT_EQ(MainWindowClosed, 1);
}

TEST_F(BuilderLauncherTest, BrowseDialogLayoutAndOpenDialogChoices) {
  EXPECT_EQ(Browse.windowTitle(), product::SeriesName);
  EXPECT_EQ(Browse.size(), QSize(226, 78));
  // The message spans the dialog in the middle of its frame, as high as its lettering needs
  // (13 pixels in the design's font).
  const auto* label = Browse.findChild<QLabel*>(QStringLiteral("Label1"));
  const QRect frame = Browse.findChild<QWidget*>(QStringLiteral("Bevel1"))->geometry();
  EXPECT_EQ(label->width(), 226);
  EXPECT_GE(label->height(), std::max(13, label->sizeHint().height()));
  EXPECT_LE(std::abs(label->geometry().center().y() - frame.center().y()), 1);
  EXPECT_EQ(Button("BrowseBtn")->geometry(), QRect(35, 48, 75, 25));
  EXPECT_EQ(Button("CancelBtn")->geometry(), QRect(115, 48, 75, 25));
  QFileDialog& open = Browse.OpenDialog1();
  EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
  EXPECT_EQ(open.nameFilters(),
            QStringList({TBrowseDWForm::ProgramFilesFilter(), TBrowseDWForm::AllFilesFilter()}));
  popuptest::SaveShot(&Browse, QStringLiteral("browse"));
}

// Its icons make the open dialog slow to build, so start-up must not build it; once built, the
// same dialog serves every browse and keeps the folder the user went to.
TEST_F(BuilderLauncherTest, OpenDialogIsBuiltAtTheFirstBrowseAndKept) {
  EXPECT_EQ(Browse.findChild<QFileDialog*>(), nullptr);
  std::vector<QFileDialog*> runs;
  Browse.SetOpenDialogRunner([&](QFileDialog& Dialog) {
    runs.push_back(&Dialog);
    return QString();
  });
  Button("BrowseBtn")->click();
  Button("BrowseBtn")->click();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0], runs[1]);
  EXPECT_EQ(Browse.findChildren<QFileDialog*>(), QList<QFileDialog*>({runs[0]}));
  EXPECT_EQ(runs[0]->nameFilters(),
            QStringList({TBrowseDWForm::ProgramFilesFilter(), TBrowseDWForm::AllFilesFilter()}));
  EXPECT_EQ(&Browse.OpenDialog1(), runs[0]);
}

// Programs here have no name extension: the program choice shows executables and folders.
TEST_F(BuilderLauncherTest, ProgramChoiceShowsOnlyExecutablesAndFolders) {
  const QString program = MakeFile(QStringLiteral("dkwright"));
  QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);
  MakeFile(QStringLiteral("readme.txt"));
  QDir(Dir.path()).mkdir(QStringLiteral("sub"));
  QFileDialog& open = Browse.OpenDialog1();
  open.setDirectory(Dir.path());
  auto* proxy = open.proxyModel();
  ASSERT_NE(proxy, nullptr);
  auto* files = qobject_cast<QFileSystemModel*>(proxy->sourceModel());
  ASSERT_NE(files, nullptr);
  // The file model reads folders in the background.
  for (int wait = 0; wait < 250 && files->rowCount(files->index(Dir.path())) < 3; ++wait)
    QTest::qWait(20);
  ASSERT_EQ(files->rowCount(files->index(Dir.path())), 3);
  auto visible = [&] {
    QStringList names;
    const QModelIndex root = proxy->mapFromSource(files->index(Dir.path()));
    for (int row = 0; row < proxy->rowCount(root); ++row)
      names << proxy->index(row, 0, root).data().toString();
    names.sort();
    return names;
  };
  EXPECT_EQ(visible(), QStringList({"dkwright", "sub"}));
  open.selectNameFilter(TBrowseDWForm::AllFilesFilter());
  emit open.filterSelected(TBrowseDWForm::AllFilesFilter());
  EXPECT_EQ(visible(), QStringList({"dkwright", "readme.txt", "sub"}));
}

} // namespace
