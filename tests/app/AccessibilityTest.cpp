// What assistive technology sees of the main window: the image maps' hot areas as buttons that
// press, the board's cells by row, column and what is shown (never a hidden face), only what the
// window shows, the options' controls by name, the live status, and the board and the command
// bar played from the keyboard.
#include "AppFixtures.h"

#include "AccessibilityFactory.h"
#include "BoardGrid.h"
#include "KVImageCtrl.h"
#include "KVImageMap.h"
#include "KVLiveStatus.h"
#include "KVPicture.h"
#include "OptionsPanel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

using namespace apptest;

namespace {

QAccessibleInterface* Accessible(QObject* Object) {
  return QAccessible::queryAccessibleInterface(Object);
}

QStringList ChildNames(QAccessibleInterface* Parent, QAccessible::Role Role) {
  QStringList names;
  for (int i = 0; i < Parent->childCount(); ++i)
    if (Parent->child(i)->role() == Role)
      names << Parent->child(i)->text(QAccessible::Name);
  return names;
}

QAccessibleInterface* ChildNamed(QAccessibleInterface* Parent, const QString& Name) {
  for (int i = 0; i < Parent->childCount(); ++i)
    if (Parent->child(i)->text(QAccessible::Name) == Name)
      return Parent->child(i);
  return nullptr;
}

// A list box's own name is its current line on Linux; readers name it by the label it is
// labelled by, so that is where its name is looked for.
QString NameOf(QAccessibleInterface* Control) {
  if (Control->role() != QAccessible::ComboBox)
    return Control->text(QAccessible::Name);
  const auto labels = Control->relations(QAccessible::Label);
  return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

void Press(QAccessibleInterface* Element) {
  ASSERT_NE(Element, nullptr);
  ASSERT_NE(Element->actionInterface(), nullptr);
  Element->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// Every child must find its way back: a reader navigates by parent and index.
void ExpectConsistentTree(QAccessibleInterface* Node, int Depth = 0) {
  ASSERT_LT(Depth, 20);
  for (int i = 0; i < Node->childCount(); ++i) {
    QAccessibleInterface* child = Node->child(i);
    ASSERT_NE(child, nullptr) << i;
    EXPECT_EQ(child->parent(), Node) << child->text(QAccessible::Name).toStdString();
    EXPECT_EQ(Node->indexOfChild(child), i) << child->text(QAccessible::Name).toStdString();
    ExpectConsistentTree(child, Depth + 1);
  }
}

QAccessibleInterface* Cell(TMainForm& Form, int Col, int Row) {
  return Accessible(Form.MGrid)->child(Row * Form.MGrid->ColCount() + Col);
}

class AccessibilityTest : public ::testing::Test {
protected:
  void SetUp() override {
    InstallAccessibility();
    QAccessible::setActive(true);
  }
  // Two humans, so the board waits for the player's choices.
  TMainForm& StartGame() {
    TMainForm& form = Rig.Create();
    form.OptionsPanel->ComputerCheck->setChecked(false);
    ClickArea(*form.PanelMap, "play");
    return form;
  }

  TMainFormRig Rig;
};

TEST_F(AccessibilityTest, HotAreasAreNamedButtonsAndPressingThemActs) {
  TMainForm& form = Rig.Create();
  QAccessibleInterface* commands = Accessible(form.PanelMap);
  ASSERT_NE(commands, nullptr);
  EXPECT_EQ(commands->text(QAccessible::Name), "Commands");
  EXPECT_EQ(ChildNames(commands, QAccessible::Button), QStringList({"Exit", "Play", "Options"}));
  EXPECT_EQ(ChildNames(Accessible(form.ExitMap), QAccessible::Button),
            QStringList({"Help", "Minimize", "Exit"}));
  EXPECT_EQ(ChildNamed(commands, "Play")->text(QAccessible::Description), "play");
  // The area's rectangle on the screen, so a reader can point at it.
  const TArea& play = form.PanelMap->Area(form.PanelMap->IndexOfArea("play"));
  EXPECT_EQ(ChildNamed(commands, "Play")->rect().topLeft(),
            form.PanelMap->mapToGlobal(QPoint(play.Left, play.Top)));
  EXPECT_EQ(Accessible(form.CoverMap)->childCount() > 0, true);

  Press(ChildNamed(commands, "Options"));
  EXPECT_TRUE(form.OptionsPanel->isVisible());
  Press(ChildNamed(Accessible(form.ExitMap), "Help"));
  EXPECT_EQ(Rig.PopUps.Help, 1);
}

TEST_F(AccessibilityTest, DisabledAreaOffersNoPress) {
  TMainForm& form = Rig.Create();
  const int index = form.PanelMap->IndexOfArea("play");
  form.PanelMap->SetAreaState(index, arsDisabled);
  QAccessibleInterface* play = ChildNamed(Accessible(form.PanelMap), "Play");
  EXPECT_TRUE(play->state().disabled);
  EXPECT_TRUE(play->actionInterface()->actionNames().isEmpty());
  Press(play);
  EXPECT_FALSE(form.Game().State().GameActive);
}

TEST_F(AccessibilityTest, WholeWindowTreeLeadsBackToItsParents) {
  TMainForm& form = StartGame();
  ExpectConsistentTree(Accessible(&form));
  form.OptionsPanel->show();
  ExpectConsistentTree(Accessible(&form));
}

TEST_F(AccessibilityTest, TheKeyboardWalksTheBoardAndTurnsTheFocusedCard) {
  TMainForm& form = StartGame();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_EQ(form.MGrid->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
  ASSERT_TRUE(form.MGrid->hasFocus());

  // Moving tells the reader the cell reached, and turns nothing.
  QTest::keyClick(form.MGrid, Qt::Key_Right);
  EXPECT_EQ(form.MGrid->CurrentCell(), QPoint(1, 0));
  EXPECT_EQ(form.Game().Cells().StateAt(1, 0), CellState::FaceDown);
  EXPECT_EQ(Accessible(form.MGrid)->focusChild(), Cell(form, 1, 0));
  EXPECT_TRUE(Cell(form, 1, 0)->state().focused);
  EXPECT_FALSE(Cell(form, 0, 0)->state().focused);
  QTest::keyClick(form.MGrid, Qt::Key_Return);
  EXPECT_EQ(form.Game().Cells().StateAt(1, 0), CellState::FaceUp);
}

// The command bar and the window buttons from the keyboard: play first, then options and exit,
// Tab on to the next control once the bar's last area is passed.
TEST_F(AccessibilityTest, TheCommandBarIsPlayedFromTheKeyboard) {
  TMainForm& form = Rig.Create();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  ASSERT_TRUE(form.PanelMap->hasFocus());
  QAccessibleInterface* commands = Accessible(form.PanelMap);
  EXPECT_EQ(commands->focusChild(), ChildNamed(commands, "Play"));
  QTest::keyClick(form.PanelMap, Qt::Key_Tab);
  EXPECT_EQ(commands->focusChild(), ChildNamed(commands, "Options"));
  QTest::keyClick(form.PanelMap, Qt::Key_Right);
  EXPECT_EQ(commands->focusChild(), ChildNamed(commands, "Exit"));
  QTest::keyClick(form.PanelMap, Qt::Key_Tab);
  EXPECT_TRUE(form.ExitMap->hasFocus());
  QTest::keyClick(form.ExitMap, Qt::Key_Backtab);
  EXPECT_EQ(commands->focusChild(), ChildNamed(commands, "Exit"));
  QTest::keyClick(form.PanelMap, Qt::Key_Home);
  QTest::keyClick(form.PanelMap, Qt::Key_Right);
  QTest::keyClick(form.PanelMap, Qt::Key_Space);
  EXPECT_TRUE(form.OptionsPanel->isVisible());
  EXPECT_TRUE(form.OptionsPanel->CardsBox->hasFocus());
}

// What a reader may say of each cell: its place, and the picture's number once the face shows.
void ExpectCellsTellNoHiddenFace(TMainForm& Form) {
  const QRegularExpression placeOnly(QStringLiteral("^row \\d+, column \\d+, face down$"));
  QAccessibleInterface* board = Accessible(Form.MGrid);
  const Board& cells = Form.Game().Cells();
  for (int i = 0; i < board->childCount(); ++i) {
    QAccessibleInterface* cell = board->child(i);
    const int col = i % cells.Cols;
    const int row = i / cells.Cols;
    const QString face = QString::number(cells.IdAt(col, row));
    // Once the game is over every card shows its face.
    const CellState state =
        Form.Game().State().GameActive ? cells.StateAt(col, row) : CellState::FaceUp;
    switch (state) {
    case CellState::FaceDown:
      EXPECT_TRUE(placeOnly.match(cell->text(QAccessible::Name)).hasMatch()) << i;
      for (QAccessible::Text kind : {QAccessible::Description, QAccessible::Value,
                                     QAccessible::Help, QAccessible::Accelerator})
        EXPECT_TRUE(cell->text(kind).isEmpty()) << i;
      break;
    case CellState::FaceUp:
      EXPECT_TRUE(cell->text(QAccessible::Name).endsWith(", face up, picture " + face)) << i;
      break;
    case CellState::Removed:
      EXPECT_TRUE(cell->text(QAccessible::Name).endsWith(", removed, picture " + face)) << i;
      break;
    }
  }
}

TEST_F(AccessibilityTest, NoFaceDownCardTellsItsFaceOverAWholeGame) {
  TMainForm& form = StartGame();
  QAccessibleInterface* board = Accessible(form.MGrid);
  ASSERT_EQ(board->role(), QAccessible::Table);
  EXPECT_EQ(board->text(QAccessible::Name), "Board");
  ASSERT_EQ(ChildNames(board, QAccessible::Cell).size(),
            form.MGrid->ColCount() * form.MGrid->RowCount());
  EXPECT_EQ(Cell(form, 2, 1)->text(QAccessible::Name), "row 2, column 3, face down");
  // A miss before every pair, each card turned through the cell's press action.
  while (form.Game().State().GameActive) {
    for (const TCellPair& turn : {FaceDownMiss(form.Game()), FaceDownPair(form.Game())}) {
      if (turn.First.x() < 0)
        continue;
      Press(Cell(form, turn.First.x(), turn.First.y()));
      ExpectCellsTellNoHiddenFace(form);
      Press(Cell(form, turn.Second.x(), turn.Second.y()));
      ExpectCellsTellNoHiddenFace(form);
      ElapseRevealTimer(form);
      ExpectCellsTellNoHiddenFace(form);
    }
  }
  // The finished board shows every face.
  for (int i = 0; i < board->childCount(); ++i)
    EXPECT_TRUE(board->child(i)->text(QAccessible::Name).contains(", face up, picture ")) << i;
}

TEST_F(AccessibilityTest, HiddenPartsOfTheWindowAreNotInTheTree) {
  TMainForm& form = Rig.Create();
  const auto listed = [&form](QWidget* Widget) {
    return Accessible(&form)->indexOfChild(Accessible(Widget)) >= 0;
  };
  EXPECT_FALSE(listed(form.MGrid));
  EXPECT_FALSE(listed(form.OptionsPanel));
  EXPECT_FALSE(listed(form.BgBevel));
  EXPECT_TRUE(listed(form.CoverPanel));
  EXPECT_TRUE(listed(form.PanelMap));
  form.OptionsPanel->ComputerCheck->setChecked(false);
  ClickArea(*form.PanelMap, "play");
  EXPECT_TRUE(listed(form.MGrid));
  EXPECT_FALSE(listed(form.CoverPanel));
  EXPECT_FALSE(listed(form.CopyRightImage));
  ClickArea(*form.PanelMap, "options");
  EXPECT_FALSE(listed(form.MGrid));
  EXPECT_TRUE(listed(form.OptionsPanel));
  // The options' list boxes keep the hidden labels readers name them by, unlisted.
  QAccessibleInterface* options = Accessible(form.OptionsPanel);
  for (int i = 0; i < options->childCount(); ++i)
    EXPECT_NE(options->child(i)->role(), QAccessible::StaticText) << i;
}

// A screen reader hears the game through the window's live status: each card turned, each pair
// judged, whose turn it is; what one event brings is said at once.
TEST_F(AccessibilityTest, TheLiveStatusSaysEachTurnAsItHappens) {
  TMainForm& form = StartGame();
  QAccessibleInterface* live = Accessible(form.LiveStatus);
  ASSERT_NE(live, nullptr);
  EXPECT_EQ(live->role(), QAccessible::Notification);
  EXPECT_EQ(live->parent(), Accessible(&form));
  const auto said = [&] {
    QCoreApplication::processEvents();
    return live->text(QAccessible::Name);
  };
  EXPECT_TRUE(said().endsWith("Player 1 (pairs: 0)"));
  const Board& cells = form.Game().Cells();
  const auto picture = [&cells](QPoint At) { return cells.IdAt(At.x(), At.y()); };
  const TCellPair miss = FaceDownMiss(form.Game());
  ClickCell(form, miss.First.x(), miss.First.y());
  EXPECT_EQ(said(), QString("Player 1 turns row %1, column %2: picture %3.")
                        .arg(miss.First.y() + 1)
                        .arg(miss.First.x() + 1)
                        .arg(picture(miss.First)));
  ClickCell(form, miss.Second.x(), miss.Second.y());
  EXPECT_TRUE(
      said().endsWith(QString(". No pair: picture %1 and picture %2. The turn passes to Player 2.")
                          .arg(picture(miss.First))
                          .arg(picture(miss.Second))))
      << said().toStdString();
  ElapseRevealTimer(form);
  EXPECT_EQ(said(), "Player 2 (pairs: 0)");
  const TCellPair pair = FaceDownPair(form.Game());
  ClickCell(form, pair.First.x(), pair.First.y());
  ClickCell(form, pair.Second.x(), pair.Second.y());
  EXPECT_TRUE(said().endsWith(
      QString(" Pair of picture %1 for Player 2, who plays again. Player 2 (pairs: 1)")
          .arg(picture(pair.First))))
      << said().toStdString();
}

TEST_F(AccessibilityTest, OptionsControlsCarryTheirPaintedCaptions) {
  TMainForm& form = Rig.Create();
  TOptionsPanel& panel = *form.OptionsPanel;
  const std::vector<std::pair<QWidget*, QString>> named = {
      {panel.CardsBox, "Card set"},
      {panel.PairsBox, "Pairs"},
      {panel.DelayBox, "Delay in seconds"},
      {panel.SoundCheck, "Sound"},
      {panel.Player1Edit, "Player 1 name"},
      {panel.Player2Edit, "Player 2 name"},
      {panel.Player3Edit, "Player 3 name"},
      {panel.Player4Edit, "Player 4 name"},
      {panel.ComputerCheck, "Computer player"}};
  for (const auto& [widget, name] : named)
    EXPECT_EQ(NameOf(Accessible(widget)), name) << name.toStdString();
  EXPECT_EQ(Accessible(panel.SoundCheck)->role(), QAccessible::CheckBox);
  EXPECT_EQ(Accessible(panel.Player1Edit)->role(), QAccessible::EditableText);
  EXPECT_EQ(Accessible(panel.DelayBox)->role(), QAccessible::ComboBox);
  // The level is a slider a reader can read and set, kept within its range like a drag.
  QAccessibleInterface* level = Accessible(panel.IQSlider);
  EXPECT_EQ(level->text(QAccessible::Name), "Computer level");
  ASSERT_EQ(level->role(), QAccessible::Slider);
  QAccessibleValueInterface* value = level->valueInterface();
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->minimumValue().toInt(), 0);
  EXPECT_EQ(value->maximumValue().toInt(), 10);
  value->setCurrentValue(7);
  EXPECT_EQ(panel.IQSlider->Position(), 7);
  value->setCurrentValue(42);
  EXPECT_EQ(value->currentValue().toInt(), 10);
}

} // namespace
