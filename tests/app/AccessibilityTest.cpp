// What assistive technology sees of the main window: the image maps' hot areas as buttons that
// press, the board's cells by row, column and what is shown (never a hidden face), the options'
// controls by name, and the board played from the keyboard.
#include "AppFixtures.h"

#include "AccessibilityFactory.h"
#include "BoardGrid.h"
#include "KVImageCtrl.h"
#include "KVImageMap.h"
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

TEST_F(AccessibilityTest, CellsSayRowColumnAndWhatIsShownButNeverAHiddenFace) {
  TMainForm& form = StartGame();
  QAccessibleInterface* board = Accessible(form.MGrid);
  ASSERT_EQ(board->role(), QAccessible::Table);
  EXPECT_EQ(board->text(QAccessible::Name), "Board");
  const int cells = form.MGrid->ColCount() * form.MGrid->RowCount();
  ASSERT_EQ(ChildNames(board, QAccessible::Cell).size(), cells);
  EXPECT_EQ(Cell(form, 2, 1)->text(QAccessible::Name), "row 2, column 3, face down");

  const TCellPair pair = FaceDownPair(form.Game());
  Press(Cell(form, pair.First.x(), pair.First.y()));
  EXPECT_TRUE(
      Cell(form, pair.First.x(), pair.First.y())->text(QAccessible::Name).endsWith(", face up"));
  Press(Cell(form, pair.Second.x(), pair.Second.y()));
  ElapseRevealTimer(form);
  EXPECT_EQ(form.Game().Cells().StateAt(pair.First.x(), pair.First.y()), CellState::Removed);
  EXPECT_TRUE(
      Cell(form, pair.First.x(), pair.First.y())->text(QAccessible::Name).endsWith(", removed"));

  // A face-down cell's every text is its place and nothing more: the same for any face.
  const QRegularExpression placeOnly(QStringLiteral("^row \\d+, column \\d+, face down$"));
  for (int i = 0; i < cells; ++i) {
    QAccessibleInterface* cell = board->child(i);
    const QPoint at(i % form.MGrid->ColCount(), i / form.MGrid->ColCount());
    if (form.Game().Cells().StateAt(at.x(), at.y()) != CellState::FaceDown)
      continue;
    EXPECT_TRUE(placeOnly.match(cell->text(QAccessible::Name)).hasMatch()) << i;
    for (QAccessible::Text kind : {QAccessible::Description, QAccessible::Value, QAccessible::Help,
                                   QAccessible::Accelerator})
      EXPECT_TRUE(cell->text(kind).isEmpty()) << i;
  }
}

TEST_F(AccessibilityTest, NavigationKeysChooseCellsAndTheGridTakesFocus) {
  TMainForm& form = StartGame();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_EQ(form.MGrid->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
  form.MGrid->setFocus();
  ASSERT_TRUE(form.MGrid->hasFocus());

  // Each move is a cell choice: the cell reached turns over.
  QTest::keyClick(form.MGrid, Qt::Key_Right);
  EXPECT_EQ(form.MGrid->CurrentCell(), QPoint(1, 0));
  EXPECT_EQ(form.Game().Cells().StateAt(1, 0), CellState::FaceUp);
  EXPECT_EQ(Accessible(form.MGrid)->focusChild(), Cell(form, 1, 0));
  EXPECT_TRUE(Cell(form, 1, 0)->state().focused);
  EXPECT_FALSE(Cell(form, 0, 0)->state().focused);
  ElapseRevealTimer(form);

  const int lastCol = form.MGrid->ColCount() - 1;
  const int lastRow = form.MGrid->RowCount() - 1;
  QTest::keyClick(form.MGrid, Qt::Key_PageDown);
  EXPECT_EQ(form.MGrid->CurrentCell(), QPoint(1, lastRow));
  QTest::keyClick(form.MGrid, Qt::Key_End);
  EXPECT_EQ(form.MGrid->CurrentCell(), QPoint(lastCol, lastRow));
  QTest::keyClick(form.MGrid, Qt::Key_Home);
  QTest::keyClick(form.MGrid, Qt::Key_PageUp);
  EXPECT_EQ(form.MGrid->CurrentCell(), QPoint(0, 0));
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
