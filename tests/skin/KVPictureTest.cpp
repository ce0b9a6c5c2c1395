// The picture control: a click is a left press and a left release over it, the release handed on
// before the click; a picture nobody listens to leaves the mouse to its parent; it takes its
// picture's size, or stretches the picture over its own.
#include "KVPicture.h"
#include "SkinTestImages.h"

#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

using skintest::At;
using skintest::Rgb;
using skintest::Shot;
using skintest::Solid;

namespace {

class TPressedParent : public QWidget {
public:
  int Presses = 0;

protected:
  void mousePressEvent(QMouseEvent*) override { ++Presses; }
};

TEST(Picture, ClicksOnALeftReleaseOverItselfAfterTheReleaseIsHandedOn) {
  TKVPicture picture;
  picture.SetPicture(Solid(20, 10, Qt::red));
  QStringList seen;
  picture.OnMouseUp = [&](QWidget*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
    seen << "up";
  };
  picture.OnClick = [&](QObject* Sender) {
    EXPECT_EQ(Sender, &picture);
    seen << "click";
  };
  QTest::mouseClick(&picture, Qt::LeftButton, {}, {5, 5});
  EXPECT_EQ(seen, QStringList({"up", "click"}));
  seen.clear();
  QTest::mousePress(&picture, Qt::LeftButton, {}, {5, 5});
  QTest::mouseRelease(&picture, Qt::LeftButton, {}, {30, 5});
  QTest::mouseClick(&picture, Qt::RightButton, {}, {5, 5});
  EXPECT_EQ(seen, QStringList({"up", "up"})) << "released off it, or another button";
}

TEST(Picture, NobodyListeningLeavesTheMouseToTheParent) {
  TPressedParent parent;
  parent.resize(50, 50);
  auto* picture = new TKVPicture(&parent);
  picture->SetPicture(Solid(20, 10, Qt::red));
  QTest::mouseClick(picture, Qt::LeftButton, {}, {5, 5});
  EXPECT_EQ(parent.Presses, 1);
  picture->OnClick = [](QObject*) {};
  QTest::mouseClick(picture, Qt::LeftButton, {}, {5, 5});
  EXPECT_EQ(parent.Presses, 1);
}

TEST(Picture, TakesItsPictureSizeOrStretchesThePictureOverItsOwn) {
  TKVPicture picture;
  picture.SetPicture(Solid(20, 10, Qt::blue));
  EXPECT_EQ(picture.size(), QSize(20, 10));
  picture.SetPicture(QImage());
  EXPECT_EQ(picture.size(), QSize(0, 0)) << "no picture, no room taken";
  picture.SetAutoSize(false);
  picture.resize(40, 30);
  picture.SetPicture(Solid(4, 3, Qt::blue));
  EXPECT_EQ(picture.size(), QSize(40, 30));
  picture.SetStretch(true);
  const QImage shot = Shot(picture);
  EXPECT_EQ(At(shot, 39, 29), Rgb(Qt::blue));
  EXPECT_EQ(At(shot, 20, 15), Rgb(Qt::blue));
}

} // namespace
