// The widget message box: flags become buttons and icon, the pressed button comes back.
#include "KVQtMessageBox.h"
#include "KVUtils.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Seen {
  QString Text;
  QString Caption;
  QMessageBox::Icon Icon = QMessageBox::NoIcon;
  int Buttons = 0;
};

// Shows the box and, once it is up, notes what it shows and presses Press.
int ShowAndPress(int Flags, QMessageBox::StandardButton Press, Seen& seen) {
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
      return;
    seen = {box->text(), box->windowTitle(), box->icon(), int(box->standardButtons())};
    if (QAbstractButton* button = box->button(Press))
      button->click();
    else
      box->reject();
  });
  TKVQtMessageBox qtBox;
  return qtBox.Show("Body", "Title", Flags);
}

} // namespace

TEST(KVQtMessageBox, FlagsChooseButtonsIconAndResult) {
  Seen seen;
  EXPECT_EQ(ShowAndPress(MB_OK | MB_ICONERROR, QMessageBox::Ok, seen), IDOK);
  EXPECT_EQ(seen.Text, "Body");
  EXPECT_EQ(seen.Caption, "Title");
  EXPECT_EQ(seen.Icon, QMessageBox::Critical);
  EXPECT_EQ(seen.Buttons, int(QMessageBox::Ok));

  EXPECT_EQ(ShowAndPress(MB_YESNO | MB_ICONQUESTION, QMessageBox::No, seen), IDNO);
  EXPECT_EQ(seen.Icon, QMessageBox::Question);
  EXPECT_EQ(seen.Buttons, int(QMessageBox::Yes | QMessageBox::No));

  EXPECT_EQ(ShowAndPress(MB_OKCANCEL, QMessageBox::Cancel, seen), IDCANCEL);
  EXPECT_EQ(seen.Icon, QMessageBox::NoIcon);
}
