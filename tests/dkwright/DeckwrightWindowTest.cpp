// Deckwright's window driven as a user drives it, on the offscreen platform: pictures added,
// checks and pair counts read off the window, sets saved and read back through the game's own
// card-set code, refusals that leave no file, and the game started from the window.
#include "DeckTestPictures.h"
#include "PseudoLanguage.h"
#include "TestSupport.h"

#include "CardSetLoader.h"
#include "CardSets.h"
#include "DeckwrightWindow.h"
#include "FaceGrid.h"
#include "PartnerDialog.h"
#include "PictureChooser.h"
#include "SingleInstance.h"

#include <QAccessible>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <numeric>

#include <sys/stat.h>

using namespace decktest;

namespace {

// What the window asked and told, with the answer every question gets.
struct TPromptLog {
  QStringList Asked, Told, Warned;
  bool Answer = true;
};

class DeckwrightWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(FDir.isValid());
    FFolders = {Path(QStringLiteral("program/cards/")), Path(QStringLiteral("user/cards/"))};
    MakeWindow(FFolders, Path(QStringLiteral("program/tesselo")));
  }

  QString Path(const QString& name) const { return FDir.filePath(name); }

  void MakeWindow(const TCardFolders& folders, const QString& game) {
    FWindow = std::make_unique<TDeckwrightWindow>(
        folders, TGameLauncher(game, QStringLiteral("Deckwright test game ") + FDir.path()));
    FWindow->SetPrompts({[this](const QString& q) {
                           FLog.Asked << q;
                           return FLog.Answer;
                         },
                         [this](const QString& t) { FLog.Told << t; },
                         [this](const QString& t) { FLog.Warned << t; }});
  }

  // Count pictures of Format, face00.pic..., in a folder of their own; returns the folder.
  QString WriteFaces(const QString& folder, const QString& format, int count,
                     QSize size = {120, 90}, int first = 0) {
    QDir().mkpath(Path(folder));
    for (int i = first; i < first + count; ++i)
      EXPECT_TRUE(WriteFile(
          Path(QStringLiteral("%1/face%2.pic").arg(folder).arg(i, 2, 10, QLatin1Char('0'))),
          Picture(format, i, size)));
    return Path(folder);
  }

  template <class T> T* Child(const char* name) const {
    T* child = FWindow->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  QString Text(const char* label) const { return Child<QLabel>(label)->text(); }
  bool Shown(const char* label) const { return !Child<QLabel>(label)->isHidden(); }
  void Type(const char* edit, const QString& text) { Child<QLineEdit>(edit)->setText(text); }

  // Saves and waits for the end; the path of the new set, or empty.
  QString SaveAndWait() {
    QSignalSpy ended(FWindow.get(), &TDeckwrightWindow::SaveEnded);
    if (!FWindow->Save())
      return {};
    EXPECT_TRUE(ended.wait(60000));
    return ended.isEmpty() ? QString() : ended.front().at(1).toString();
  }

  // The partner dialog of the grid's current card, opened with Enter as a keyboard user does.
  TPartnerDialog* OpenPartner(int row) {
    auto* grid = Child<TFaceGrid>("FaceGrid");
    grid->setCurrentRow(row);
    QTest::keyClick(grid, Qt::Key_Return);
    auto* dialog = FWindow->findChild<TPartnerDialog*>();
    EXPECT_TRUE(dialog && dialog->isVisible());
    return dialog;
  }
  static void Accept(TPartnerDialog* dialog) {
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QStringList FilesIn(const QString& folder) const {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
  }

  // The faces of a set as the game loads them for a game of all its faces.
  std::vector<QImage> GameFaces(const QString& file) const {
    TCardSetLoader loader(file);
    const CardSetHeaderInfo info = loader.ReadHeader();
    std::vector<int32_t> faces(size_t(info.ImageCount));
    std::iota(faces.begin(), faces.end(), 0);
    loader.LoadFaces(faces);
    return loader.FacePictures();
  }

  QTemporaryDir FDir;
  TCardFolders FFolders;
  TPromptLog FLog;
  std::unique_ptr<TDeckwrightWindow> FWindow;
};

// Runs the event loop until Done holds or Ms pass.
template <class F> bool WaitFor(F done, int ms = 10000) {
  QDeadlineTimer deadline(ms);
  while (!done() && !deadline.hasExpired())
    QTest::qWait(20);
  return done();
}

// A drop as the desktop makes it: the drag enters the widget, which must accept it for the
// drop to follow.
void DropOn(QWidget* target, const QList<QUrl>& urls) {
  QMimeData data;
  data.setUrls(urls);
  const QPoint at = target->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
}

bool NearColour(const QImage& image, const QColor& colour) {
  const QColor centre = image.pixelColor(image.width() / 2, image.height() / 2);
  return std::abs(centre.red() - colour.red()) < 12 &&
         std::abs(centre.green() - colour.green()) < 12 &&
         std::abs(centre.blue() - colour.blue()) < 12;
}

} // namespace

TEST_F(DeckwrightWindowTest, AFolderOfPicturesGivesThePairCountItCanFill) {
  EXPECT_TRUE(Text("PairsNote").contains(QLatin1String("No faces yet")));
  FWindow->AddPaths({WriteFaces(QStringLiteral("photos"), QStringLiteral("jpeg"), 13)});
  EXPECT_EQ(Child<TFaceGrid>("FaceGrid")->count(), 13);
  EXPECT_TRUE(Text("PairsNote")
                  .contains(QLatin1String(
                      "can be played with up to 12 pairs (3 of the game's 28 pair counts)")))
      << Text("PairsNote").toStdString();
  EXPECT_FALSE(Shown("FacesCheck"));
  EXPECT_EQ(Child<QLineEdit>("CardBoxEdit")->placeholderText(),
            QStringLiteral("automatic: 120x90"));
}

// In a language two fifths longer than English, with every check on show, no text of the window
// is cut and none bypassed the translators.
TEST_F(DeckwrightWindowTest, InALongerLanguageTextsStayWholeAndTranslated) {
  testsupport::TPseudoLanguage pseudo;
  MakeWindow(FFolders, Path(QStringLiteral("program/tesselo")));
  FWindow->show();
  const auto inspect = [&](const char* State, const QWidget& window) {
    QCoreApplication::processEvents();
    const QStringList clipped = testsupport::ClippedTexts(window);
    EXPECT_TRUE(clipped.isEmpty()) << State << ": " << clipped.join(" | ").toStdString();
    // File names, the format names and the programs' names are never translated.
    const QStringList unmarked = testsupport::UnmarkedTexts(
        testsupport::ShownTexts(window),
        {QDir::toNativeSeparators(FFolders.Program), "Kovalent Tesselo", "Deckwright",
         "face05.pic: ", "face05.pic", "tesselo.crd", "Pictures.crd", "TTT", "en", "de"});
    EXPECT_TRUE(unmarked.isEmpty()) << State << ": " << unmarked.join(" | ").toStdString();
  };
  inspect("empty", *FWindow);
  FWindow->AddPaths({WriteFaces(QStringLiteral("few"), QStringLiteral("jpeg"), 5)});
  FWindow->AddPaths({WriteFaces(QStringLiteral("gifs"), QStringLiteral("gif"), 4, {120, 90}, 5)});
  Type("TitleEdit", QString(300, QLatin1Char('T')));
  Type("LinkEdit", QString(256, QLatin1Char('L')));
  Type("CardBoxEdit", QStringLiteral("wide"));
  inspect("every check shown", *FWindow);
  Type("LanguagesEdit", QStringLiteral("en de"));
  OpenPartner(5)->ChooseSound(Path(QStringLiteral("gifs/face05.pic")));
  inspect("a sound refused", *FWindow->findChild<TPartnerDialog*>());
}

TEST_F(DeckwrightWindowTest, ChecksStandBesideWhatTheyAreAboutAndSavingIsRefused) {
  FWindow->AddPaths({WriteFaces(QStringLiteral("few"), QStringLiteral("jpeg"), 5)});
  EXPECT_TRUE(Shown("FacesCheck"));
  EXPECT_TRUE(Text("FacesCheck").contains(QLatin1String("at least 8 faces; add 3 more")));
  EXPECT_TRUE(Text("PairsNote").contains(QLatin1String("too few")));

  FWindow->AddPaths({WriteFaces(QStringLiteral("gifs"), QStringLiteral("gif"), 4, {120, 90}, 5)});
  EXPECT_TRUE(Text("FacesCheck").contains(QLatin1String("face05.pic is a GIF picture among JPEG")))
      << Text("FacesCheck").toStdString();

  Type("TitleEdit", QString(300, QLatin1Char('T')));
  Type("LinkEdit", QString(256, QLatin1Char('L')));
  Type("CardBoxEdit", QStringLiteral("wide"));
  EXPECT_TRUE(Shown("TitleCheck"));
  EXPECT_TRUE(Text("TitleCheck").contains(QLatin1String("300 characters")));
  EXPECT_TRUE(Shown("LinkCheck"));
  EXPECT_TRUE(Shown("CardBoxCheck"));

  EXPECT_FALSE(FWindow->Save());
  ASSERT_EQ(FLog.Warned.size(), 1);
  EXPECT_TRUE(FLog.Warned.front().contains(QLatin1String("GIF picture among JPEG")));
  EXPECT_TRUE(FilesIn(FFolders.Program).isEmpty());
  EXPECT_TRUE(FilesIn(FFolders.User).isEmpty());
}

TEST_F(DeckwrightWindowTest, AFileThatIsNoPictureIsMarkedAndNamed) {
  FWindow->AddPaths({WriteFaces(QStringLiteral("set"), QStringLiteral("bmp"), 8)});
  // A name that looks like markup is shown, and read aloud, as it is written.
  const QString notes = Path(QStringLiteral("<b>notes.bmp"));
  ASSERT_TRUE(WriteFile(notes, "BMnot really a picture at all"));
  FWindow->AddPaths({notes});
  EXPECT_TRUE(Text("FacesCheck").startsWith(notes));
  EXPECT_EQ(
      QAccessible::queryAccessibleInterface(Child<QLabel>("FacesCheck"))->text(QAccessible::Name),
      Text("FacesCheck"));
  auto* grid = Child<TFaceGrid>("FaceGrid");
  EXPECT_EQ(grid->item(8)->toolTip(), Text("FacesCheck"));
  Type("TitleEdit", QStringLiteral("Notes"));
  EXPECT_FALSE(FWindow->Save());
  EXPECT_TRUE(FilesIn(FFolders.Program).isEmpty());

  grid->item(8)->setSelected(true);
  QTest::keyClick(grid, Qt::Key_Delete);
  EXPECT_EQ(grid->count(), 8);
  EXPECT_FALSE(Shown("FacesCheck"));
  EXPECT_FALSE(SaveAndWait().isEmpty());
}

TEST_F(DeckwrightWindowTest, SavedSetIsListedAndLoadedByTheGameInTheGridsOrder) {
  FWindow->AddPaths({WriteFaces(QStringLiteral("set"), QStringLiteral("jpeg"), 10)});
  auto* grid = Child<TFaceGrid>("FaceGrid");
  grid->item(0)->setSelected(true);
  Child<QPushButton>("LaterBtn")->click(); // face 0 now second
  grid->clearSelection();
  grid->item(9)->setSelected(true);
  Child<QPushButton>("RemoveBtn")->click(); // face 9 gone
  Type("TitleEdit", QStringLiteral("Holiday 2024!"));
  Type("LinkEdit", QStringLiteral("https://example.org/holiday"));

  const QString saved = SaveAndWait();
  EXPECT_EQ(saved, FFolders.Program + QStringLiteral("Holiday_2024.crd"));
  ASSERT_EQ(FLog.Told.size(), 1);
  EXPECT_TRUE(FLog.Told.front().contains(FFolders.Program)) << FLog.Told.front().toStdString();
  EXPECT_EQ(FilesIn(FFolders.Program), QStringList({QStringLiteral("Holiday_2024.crd")}));

  TCardSetCatalogue catalogue;
  ScanCardSets(FFolders.Program, QString(), catalogue);
  ASSERT_EQ(catalogue.CardSets.size(), 1u);
  EXPECT_EQ(catalogue.CardSets[0]->Title, QStringLiteral("Holiday 2024!"));
  EXPECT_EQ(catalogue.CardSets[0]->ImageCount, 9);
  EXPECT_EQ(catalogue.CardSets[0]->CardWidth, 120);

  const std::vector<QImage> faces = GameFaces(saved);
  ASSERT_EQ(faces.size(), 9u);
  const int order[] = {1, 0, 2, 3, 4, 5, 6, 7, 8};
  for (size_t k = 0; k < faces.size(); ++k)
    EXPECT_TRUE(NearColour(faces[k], ColourOf(order[k]))) << "face " << k;
  TCardSetLoader loader(saved);
  loader.ReadHeader();
  EXPECT_EQ(loader.AdLink(), QStringLiteral("https://example.org/holiday"));
  EXPECT_FALSE(loader.CardBack().isNull());
}

TEST_F(DeckwrightWindowTest, AnExistingSetIsReplacedOnlyWhenTheUserSaysSo) {
  FWindow->AddPaths({WriteFaces(QStringLiteral("set"), QStringLiteral("gif"), 8)});
  Type("TitleEdit", QStringLiteral("Twice"));
  const QString first = SaveAndWait();
  ASSERT_FALSE(first.isEmpty());
  const QByteArray before = testsupport::ReadFileBytes(first);
  EXPECT_TRUE(FLog.Asked.isEmpty());

  FWindow->AddPaths({WriteFaces(QStringLiteral("more"), QStringLiteral("gif"), 2, {120, 90}, 8)});
  FLog.Answer = false;
  EXPECT_FALSE(FWindow->Save());
  ASSERT_EQ(FLog.Asked.size(), 1);
  EXPECT_TRUE(FLog.Asked.front().contains(QLatin1String("Twice.crd")));
  EXPECT_EQ(testsupport::ReadFileBytes(first), before);

  FLog.Answer = true;
  EXPECT_EQ(SaveAndWait(), first);
  EXPECT_EQ(ReadCardSetHeader(first).ImageCount, 10);
  EXPECT_EQ(FilesIn(FFolders.Program).size(), 1);
}

TEST_F(DeckwrightWindowTest, WithoutWriteAccessToTheGameTheSetGoesToTheUsersFolder) {
  ASSERT_TRUE(WriteFile(Path(QStringLiteral("readonly")), "a file, so no folder can be made"));
  const TCardFolders folders{Path(QStringLiteral("readonly/cards/")), FFolders.User};
  MakeWindow(folders, Path(QStringLiteral("program/tesselo")));
  FWindow->AddPaths({WriteFaces(QStringLiteral("set"), QStringLiteral("bmp"), 8)});
  Type("TitleEdit", QStringLiteral("Mine"));
  EXPECT_EQ(SaveAndWait(), FFolders.User + QStringLiteral("Mine.crd"));
  ASSERT_EQ(FLog.Told.size(), 1);
  EXPECT_TRUE(FLog.Told.front().contains(FFolders.User));
  EXPECT_TRUE(FLog.Told.front().contains(QLatin1String("cannot be written")));

  MakeWindow({folders.Program, Path(QStringLiteral("readonly/user/"))}, QString());
  FWindow->AddPaths({Path(QStringLiteral("set"))});
  Type("TitleEdit", QStringLiteral("Nowhere"));
  EXPECT_FALSE(FWindow->Save());
  ASSERT_EQ(FLog.Warned.size(), 1);
  EXPECT_TRUE(FLog.Warned.front().contains(QLatin1String("cannot be saved")));
}

TEST_F(DeckwrightWindowTest, CancellingOrADamagedPictureLeavesNoFile) {
  FWindow->AddPaths({WriteFaces(QStringLiteral("big"), QStringLiteral("jpeg"), 10, {2400, 1800})});
  Type("TitleEdit", QStringLiteral("Big"));
  QSignalSpy ended(FWindow.get(), &TDeckwrightWindow::SaveEnded);
  ASSERT_TRUE(FWindow->Save());
  EXPECT_TRUE(FWindow->Building());
  EXPECT_FALSE(Child<QPushButton>("SaveBtn")->isEnabled());
  Child<QPushButton>("CancelBtn")->click();
  ASSERT_TRUE(ended.wait(60000));
  EXPECT_FALSE(ended.front().at(0).toBool());
  EXPECT_TRUE(Text("StatusLabel").contains(QLatin1String("Cancelled")));
  EXPECT_TRUE(Child<QPushButton>("SaveBtn")->isEnabled());
  EXPECT_TRUE(FilesIn(FFolders.Program).isEmpty());

  // The header reads well, so only decoding while building finds the cut.
  const QByteArray whole = Picture(QStringLiteral("jpeg"), 3, {640, 480});
  ASSERT_TRUE(WriteFile(Path(QStringLiteral("big/face03.pic")), whole.left(whole.size() / 2)));
  MakeWindow(FFolders, QString());
  FWindow->AddPaths({Path(QStringLiteral("big"))});
  Type("TitleEdit", QStringLiteral("Big"));
  EXPECT_TRUE(SaveAndWait().isEmpty());
  ASSERT_EQ(FLog.Warned.size(), 1);
  EXPECT_TRUE(FLog.Warned.front().contains(QLatin1String("face03.pic")))
      << FLog.Warned.front().toStdString();
  EXPECT_TRUE(FilesIn(FFolders.Program).isEmpty());
}

TEST_F(DeckwrightWindowTest, DroppedFilesAndFoldersBecomeFaces) {
  const QString folder = WriteFaces(QStringLiteral("drop"), QStringLiteral("gif"), 9);
  FWindow->show();
  DropOn(FWindow.get(), {QUrl::fromLocalFile(folder)});
  auto* grid = Child<TFaceGrid>("FaceGrid");
  EXPECT_EQ(grid->count(), 9);

  DropOn(grid->viewport(), {QUrl::fromLocalFile(folder + QStringLiteral("/face00.pic")),
                            QUrl(QStringLiteral("https://example.org/remote.gif"))});
  ASSERT_EQ(grid->count(), 10);
  EXPECT_TRUE(grid->item(9)->text().endsWith(QLatin1String("face00.pic")));
  EXPECT_TRUE(grid->item(9)->text().startsWith(QLatin1String("10")));
}

TEST_F(DeckwrightWindowTest, PlayTellsWhenTheGameIsMissingOrAlreadyRunning) {
  FWindow->show();
  FWindow->Play();
  ASSERT_EQ(FLog.Warned.size(), 1);
  EXPECT_TRUE(FLog.Warned.front().contains(QLatin1String("is not beside Deckwright")));

  // A stand-in game that leaves a mark where it was started.
  const QString game = Path(QStringLiteral("program/tesselo"));
  QDir().mkpath(Path(QStringLiteral("program")));
  ASSERT_TRUE(WriteFile(game, "#!/bin/sh\npwd > started\n"));
  QFile::setPermissions(game, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  TSingleInstance running(QStringLiteral("Deckwright test game ") + FDir.path());
  ASSERT_TRUE(running.Acquire());
  FWindow->Play();
  ASSERT_EQ(FLog.Warned.size(), 2);
  EXPECT_TRUE(FLog.Warned.back().contains(QLatin1String("already running")));
  EXPECT_TRUE(FWindow->isVisible());
}

TEST_F(DeckwrightWindowTest, PlayAsksAboutAnUnsavedSetThenStartsTheGameDetached) {
  const QString game = Path(QStringLiteral("program/tesselo"));
  QDir().mkpath(Path(QStringLiteral("program")));
  ASSERT_TRUE(WriteFile(game, "#!/bin/sh\npwd > started\n"));
  QFile::setPermissions(game, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  FWindow->show();
  FWindow->AddPaths({WriteFaces(QStringLiteral("set"), QStringLiteral("gif"), 8)});
  FLog.Answer = false;
  FWindow->Play();
  EXPECT_EQ(FLog.Asked.size(), 1);
  EXPECT_TRUE(FWindow->isVisible());

  FLog.Answer = true;
  FWindow->Play();
  EXPECT_FALSE(FWindow->isVisible());
  const QString mark = Path(QStringLiteral("program/started"));
  ASSERT_TRUE(WaitFor([&] { return !testsupport::ReadFileBytes(mark).isEmpty(); }));
  EXPECT_EQ(testsupport::ReadFileBytes(mark).trimmed(),
            QDir(Path(QStringLiteral("program"))).canonicalPath().toUtf8());
}

TEST_F(DeckwrightWindowTest, PlayStartsTheGameWithTheSetJustSavedEvenWhileItRuns) {
  // A stand-in game that notes the set it was started with.
  const QString game = Path(QStringLiteral("program/tesselo"));
  QDir().mkpath(Path(QStringLiteral("program")));
  ASSERT_TRUE(WriteFile(game, "#!/bin/sh\nprintf '%s' \"$1\" > started\n"));
  QFile::setPermissions(game, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  // The game already runs: the copy started with the set hands it over.
  TSingleInstance running(QStringLiteral("Deckwright test game ") + FDir.path());
  ASSERT_TRUE(running.Acquire());
  FWindow->show();
  FWindow->AddPaths({WriteFaces(QStringLiteral("set"), QStringLiteral("gif"), 8)});
  Type("TitleEdit", QStringLiteral("Just saved"));
  const QString saved = SaveAndWait();
  ASSERT_FALSE(saved.isEmpty());
  FWindow->Play();
  EXPECT_TRUE(FLog.Asked.isEmpty());
  EXPECT_TRUE(FLog.Warned.isEmpty());
  EXPECT_FALSE(FWindow->isVisible());
  const QString mark = Path(QStringLiteral("program/started"));
  ASSERT_TRUE(WaitFor([&] { return !testsupport::ReadFileBytes(mark).isEmpty(); }));
  EXPECT_EQ(QString::fromUtf8(testsupport::ReadFileBytes(mark)),
            QFileInfo(saved).absoluteFilePath());
}

TEST_F(DeckwrightWindowTest, AChosenAdvertAndBackGoIntoTheSetAndADamagedOneIsRefused) {
  FWindow->AddPaths({WriteFaces(QStringLiteral("set"), QStringLiteral("jpeg"), 8)});
  Type("TitleEdit", QStringLiteral("Chosen"));
  ASSERT_TRUE(WriteFile(Path(QStringLiteral("advert.gif")), Picture("gif", 20, {178, 170})));
  ASSERT_TRUE(WriteFile(Path(QStringLiteral("back.bmp")), "BM but nothing more of a bitmap"));
  auto choosers = FWindow->findChildren<TPictureChooser*>();
  ASSERT_EQ(choosers.size(), 2);
  choosers[0]->Choose(Path(QStringLiteral("advert.gif")));
  choosers[1]->Choose(Path(QStringLiteral("back.bmp")));
  EXPECT_TRUE(Text("BackNote").contains(QLatin1String("back.bmp")));
  EXPECT_FALSE(FWindow->Save());
  ASSERT_EQ(FLog.Warned.size(), 1);
  EXPECT_TRUE(FLog.Warned.front().contains(QLatin1String("back.bmp")));
  EXPECT_TRUE(FilesIn(FFolders.Program).isEmpty());

  choosers[1]->UseDrawn();
  const QString saved = SaveAndWait();
  ASSERT_FALSE(saved.isEmpty());
  TCardSetLoader loader(saved);
  loader.ReadHeader();
  EXPECT_EQ(loader.Advert().size(), QSize(178, 170));
  EXPECT_TRUE(NearColour(loader.Advert(), ColourOf(20)));
  EXPECT_EQ(loader.CardBack().size(), QSize(120, 90));
}

TEST_F(DeckwrightWindowTest, CardsPairedWithAWordAndASoundMakeASetOfDifferentCards) {
  FWindow->show();
  FWindow->AddPaths({WriteFaces(QStringLiteral("set"), QStringLiteral("gif"), 8)});
  ASSERT_TRUE(WriteFile(Path(QStringLiteral("bark.wav")), Wave(4000)));
  Type("TitleEdit", QStringLiteral("Animals"));
  Type("LanguagesEdit", QStringLiteral("en de"));

  TPartnerDialog* dialog = OpenPartner(1);
  dialog->findChild<QRadioButton*>(QStringLiteral("Kind2"))->click(); // a word
  EXPECT_FALSE(dialog->Problem().isEmpty());
  dialog->findChild<QLineEdit*>(QStringLiteral("Name_de"))->setText(QStringLiteral("Hund"));
  dialog->findChild<QLineEdit*>(QStringLiteral("Text_en"))->setText(QStringLiteral("dog"));
  dialog->findChild<QLineEdit*>(QStringLiteral("Text_de"))->setText(QStringLiteral("Hund"));
  Accept(dialog);
  dialog = OpenPartner(2);
  dialog->ChooseSound(Path(QStringLiteral("bark.wav")));
  Accept(dialog);
  EXPECT_TRUE(Child<TFaceGrid>("FaceGrid")
                  ->item(1)
                  ->data(Qt::AccessibleDescriptionRole)
                  .toString()
                  .contains(QLatin1String("\"dog\"")));

  const QString saved = SaveAndWait();
  ASSERT_FALSE(saved.isEmpty()) << FLog.Warned.join(' ').toStdString();
  TCardSetLoader loader(saved);
  loader.ReadHeader();
  loader.CheckFaces(std::chrono::steady_clock::now() + std::chrono::seconds(30));
  const TPairTable& table = loader.PairTable();
  EXPECT_EQ(table.Languages, QStringList({QStringLiteral("en"), QStringLiteral("de")}));
  ASSERT_EQ(table.Faces.size(), 16u);
  EXPECT_EQ(table.Pairs.front(), (std::array<int, 2>{0, 1}));
  EXPECT_EQ(table.Faces[0].Texts.value(QStringLiteral("en")), QStringLiteral("face00"));
  EXPECT_EQ(table.Faces[3].Kind, TFaceKind::Word);
  EXPECT_EQ(FaceText(table, 2, QStringLiteral("de")), QStringLiteral("Hund"));
  EXPECT_EQ(FaceText(table, 3, QStringLiteral("de_AT")), QStringLiteral("Hund"));
  EXPECT_EQ(FaceText(table, 3, QStringLiteral("fr")), QStringLiteral("dog"));
  EXPECT_EQ(table.Faces[5].Kind, TFaceKind::Sound);
  EXPECT_EQ(FaceText(table, 5, QStringLiteral("en")), QStringLiteral("bark"));
  EXPECT_EQ(TCardSetLoader::ReadSoundClip(saved, table, 5), Wave(4000));
}

// A sound the game could not play is refused when it is chosen, with the reason beside it: the
// clip reader's own reasons (each is tested with the reader), and a pipe, never waited on.
TEST_F(DeckwrightWindowTest, ASoundThatCannotBePlayedIsRefusedWhenChosen) {
  FWindow->show();
  FWindow->AddPaths({WriteFaces(QStringLiteral("set"), QStringLiteral("gif"), 8)});
  ASSERT_TRUE(WriteFile(Path(QStringLiteral("long.wav")), Wave(80001)));
  ASSERT_EQ(::mkfifo(Path(QStringLiteral("pipe.wav")).toLocal8Bit().constData(), 0600), 0);
  TPartnerDialog* dialog = OpenPartner(0);
  const std::pair<const char*, const char*> cases[] = {{"long.wav", "longer than 10 seconds"},
                                                       {"pipe.wav", "not a regular file"}};
  for (const auto& [file, reason] : cases) {
    dialog->ChooseSound(Path(QString::fromLatin1(file)));
    const QString shown = dialog->findChild<QLabel*>(QStringLiteral("PartnerProblem"))->text();
    EXPECT_TRUE(shown.contains(QLatin1String(file)) && shown.contains(QLatin1String(reason)))
        << shown.toStdString();
    EXPECT_FALSE(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
  }
}

// Renders the window with the pictures of a default set into DECKWRIGHT_SCREENSHOT (a PNG
// path) for the documentation; skipped unless that is set.
TEST_F(DeckwrightWindowTest, Screenshot) {
  const QString target = qEnvironmentVariable("DECKWRIGHT_SCREENSHOT");
  if (target.isEmpty())
    GTEST_SKIP() << "set DECKWRIGHT_SCREENSHOT to a PNG path";
  const QString set = testsupport::ProgramDir() + QStringLiteral("/cards/wallpapers.crd");
  // The folders of an installed game; nothing is saved, they only show in the window.
  MakeWindow({QStringLiteral("/usr/lib/tesselo/cards/"),
              QStringLiteral("/home/ann/.local/share/Kovalent/Tesselo/cards/")},
             QString());
  QDir().mkpath(Path(QStringLiteral("holiday")));
  const std::vector<QImage> faces = GameFaces(set);
  for (size_t k = 0; k < faces.size(); ++k)
    ASSERT_TRUE(faces[k].save(
        Path(QStringLiteral("holiday/walk-%1.jpg").arg(k + 1, 2, 10, QLatin1Char('0'))), "JPEG",
        92));
  FWindow->AddPaths({Path(QStringLiteral("holiday"))});
  Type("TitleEdit", QStringLiteral("Autumn walks"));
  Type("LinkEdit", QStringLiteral("https://example.org/walks"));
  Type("LanguagesEdit", QStringLiteral("en de"));
  FWindow->show();
  ASSERT_TRUE(WriteFile(Path(QStringLiteral("rustling leaves.wav")), Wave(8000)));
  TPartnerDialog* dialog = OpenPartner(0);
  dialog->SetKind(TPartnerKind::Word);
  dialog->findChild<QLineEdit*>(QStringLiteral("Text_en"))->setText(QStringLiteral("Oak wood"));
  dialog->findChild<QLineEdit*>(QStringLiteral("Text_de"))->setText(QStringLiteral("Eichenwald"));
  Accept(dialog);
  dialog = OpenPartner(1);
  dialog->ChooseSound(Path(QStringLiteral("rustling leaves.wav")));
  QTest::qWait(50);
  ASSERT_TRUE(dialog->grab().save(target + QStringLiteral(".partner.png"), "PNG"));
  Accept(dialog);
  OpenPartner(2)->ChoosePicture(Path(QStringLiteral("holiday/walk-09.jpg")));
  Accept(FWindow->findChild<TPartnerDialog*>());
  Child<TFaceGrid>("FaceGrid")->item(2)->setSelected(true);
  QTest::qWait(50);
  ASSERT_TRUE(FWindow->grab().save(target, "PNG"));
}
