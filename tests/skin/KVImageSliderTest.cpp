// The image slider: geometry with halves rounded to even, the grab zone, the range rules,
// the mouse gestures, partial repaint of the thumb, and an empty range.
#include "KVImageCtrl.h"
#include "SkinTestImages.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

using skintest::At;
using skintest::Rgb;
using skintest::Shot;
using skintest::Solid;

namespace {

const QColor TrackColor(128, 128, 128);
const QColor ThumbColor(250, 0, 0);

class TRecordingSlider : public TKVImageSlider {
public:
  using TKVImageSlider::TKVImageSlider;
  QRegion Painted;

protected:
  void paintEvent(QPaintEvent* Event) override {
    Painted += Event->region();
    TKVImageSlider::paintEvent(Event);
  }
};

// The options panel's level slider: 177 wide, StartPos 5, 0..10, an 11-pixel thumb.
class ImageSliderTest : public ::testing::Test {
protected:
  void SetUp() override {
    Slider.AddImage(Solid(177, 18, TrackColor));
    Slider.AddImage(Solid(11, 18, ThumbColor));
    Slider.SetStartPos(5);
    Slider.OnChange = [this](TKVImageSlider* Sender) {
      EXPECT_EQ(Sender, &Slider);
      Log.push_back("change:" + QString::number(Sender->Position()));
    };
    Slider.OnMouseDown = [this](QWidget*, Qt::MouseButton, Qt::KeyboardModifiers, int X, int) {
      Log.push_back("down:" + QString::number(X));
    };
    Slider.OnMouseMove = [this](QWidget*, Qt::MouseButtons, Qt::KeyboardModifiers, int X, int) {
      Log.push_back("move:" + QString::number(X));
    };
    Slider.OnMouseUp = [this](QWidget*, Qt::MouseButton, Qt::KeyboardModifiers, int X, int) {
      Log.push_back("up:" + QString::number(X));
    };
  }

  TRecordingSlider Slider;
  std::vector<QString> Log;
};

} // namespace

TEST(SliderGeometry, RoundsHalvesToEvenAndSurvivesAnyInput) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(5.09), 5);
  EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
  EXPECT_EQ(RoundHalfEven(1e300), INT_MAX);
  EXPECT_EQ(RoundHalfEven(-INFINITY), INT_MIN);
}

TEST(SliderGeometry, HalfwayPointerPositionsRoundToEven) {
  TSliderGeometry g;
  g.Width = 100;
  EXPECT_DOUBLE_EQ(g.Scale(), 10.0);
  EXPECT_EQ(g.ValueAt(25), 2);
  EXPECT_EQ(g.ValueAt(35), 4);
  EXPECT_EQ(g.ValueAt(5), 0);
  EXPECT_EQ(g.ValueAt(-500), 0);
  EXPECT_EQ(g.ValueAt(500), 10);
}

TEST(SliderGeometry, EmptyOrDegenerateRangesNeverFail) {
  TSliderGeometry g;
  g.Width = 177;
  g.StartPos = 5;
  g.ThumbWidth = 11;
  g.Min = g.Max = 4;
  EXPECT_EQ(g.ThumbLeft(4), 0);
  EXPECT_EQ(g.ValueAt(0), 4);
  EXPECT_EQ(g.ValueAt(170), 4);
  EXPECT_TRUE(g.InGrabZone(4, 0));
  EXPECT_TRUE(g.InGrabZone(4, 166));
  EXPECT_FALSE(g.InGrabZone(4, 167));

  g.Min = 0;
  g.Max = 10;
  g.Width = 10; // no usable length at all
  EXPECT_EQ(g.ValueAt(5), 0);
  EXPECT_EQ(g.ValueAt(9), 10);
  EXPECT_FALSE(g.InGrabZone(0, 5));

  g.Width = 177;
  g.Min = INT_MIN;
  g.Max = INT_MAX;
  EXPECT_EQ(g.ThumbLeft(INT_MIN), 0);
  EXPECT_GE(g.ThumbLeft(INT_MAX), 160);
  EXPECT_EQ(g.ValueAt(-100), INT_MIN);
  EXPECT_EQ(g.ValueAt(1000), INT_MAX);
}

TEST_F(ImageSliderTest, WorkedExampleOfTheLevelSlider) {
  ASSERT_EQ(Slider.size(), QSize(177, 18));
  const TSliderGeometry g = Slider.Geometry();
  EXPECT_NEAR(g.Scale(), 16.7, 1e-9);
  EXPECT_EQ(g.ThumbLeft(3), 55 - 11 / 2);
  // The grab zone of position 3 runs from R(50.1) to R(66.8), not shifted by StartPos.
  EXPECT_FALSE(g.InGrabZone(3, 49));
  EXPECT_TRUE(g.InGrabZone(3, 50));
  EXPECT_TRUE(g.InGrabZone(3, 66));
  EXPECT_FALSE(g.InGrabZone(3, 67));

  Slider.SetPosition(3);
  const QImage shot = Shot(Slider);
  EXPECT_EQ(At(shot, 49, 9), Rgb(TrackColor));
  EXPECT_EQ(At(shot, 50, 9), Rgb(ThumbColor));
  EXPECT_EQ(At(shot, 60, 17), Rgb(ThumbColor));
  EXPECT_EQ(At(shot, 61, 9), Rgb(TrackColor));

  QTest::mouseClick(&Slider, Qt::LeftButton, {}, QPoint(90, 9));
  EXPECT_EQ(Slider.Position(), 5);
}

TEST_F(ImageSliderTest, PositionWritesClampAndFireOnlyOnChange) {
  Slider.SetPosition(0);
  EXPECT_TRUE(Log.empty());
  Slider.SetPosition(42);
  Slider.SetPosition(10);
  Slider.SetPosition(-3);
  const std::vector<QString> expected = {"change:10", "change:0"};
  EXPECT_EQ(Log, expected);
}

TEST_F(ImageSliderTest, RangeWritesPullPositionAndMaxAlong) {
  Slider.SetPosition(2);
  Log.clear();
  Slider.SetMin(6);
  EXPECT_EQ(Slider.Position(), 6);
  EXPECT_EQ(Log, std::vector<QString>{"change:6"});
  Slider.SetMax(3);
  EXPECT_EQ(Slider.Max(), 6);
  EXPECT_EQ(Slider.Min(), 6);

  // With no range left the thumb rests at the start and clicks change nothing.
  Log.clear();
  QTest::mouseClick(&Slider, Qt::LeftButton, {}, QPoint(150, 9));
  EXPECT_EQ(Slider.Position(), 6);
  EXPECT_EQ(Log, (std::vector<QString>{"down:150", "up:150"}));
}

TEST_F(ImageSliderTest, PressOffTheThumbMovesItOnlyAtRelease) {
  QTest::mousePress(&Slider, Qt::LeftButton, {}, QPoint(150, 9));
  QTest::mouseMove(&Slider, QPoint(120, 9));
  EXPECT_EQ(Slider.Position(), 0);
  EXPECT_FALSE(Slider.Dragging());
  QTest::mouseRelease(&Slider, Qt::LeftButton, {}, QPoint(90, 9));
  EXPECT_EQ(Slider.Position(), 5);
  const std::vector<QString> expected = {"move:120", "change:5", "up:90"};
  EXPECT_EQ(Log, expected);
}

TEST_F(ImageSliderTest, DragFromTheThumbFollowsThePointer) {
  Slider.SetPosition(3);
  Log.clear();
  QTest::mousePress(&Slider, Qt::LeftButton, {}, QPoint(55, 9));
  EXPECT_TRUE(Slider.Dragging());
  QTest::mouseMove(&Slider, QPoint(90, 9));
  QTest::mouseMove(&Slider, QPoint(140, 9));
  QTest::mouseRelease(&Slider, Qt::LeftButton, {}, QPoint(140, 9));
  EXPECT_FALSE(Slider.Dragging());
  const std::vector<QString> expected = {"down:55",  "change:5", "move:90",
                                         "change:8", "move:140", "up:140"};
  EXPECT_EQ(Log, expected);
}

TEST_F(ImageSliderTest, ThumbDragEndsWhenTheSliderIsHidden) {
  Slider.show();
  Slider.SetPosition(3);
  QTest::mousePress(&Slider, Qt::LeftButton, {}, QPoint(55, 9));
  ASSERT_TRUE(Slider.Dragging());
  Slider.hide();
  Slider.show();
  EXPECT_FALSE(Slider.Dragging());
  QTest::mouseMove(&Slider, QPoint(140, 9));
  EXPECT_EQ(Slider.Position(), 3) << "the thumb does not follow the pointer";
  QTest::mouseRelease(&Slider, Qt::LeftButton, {}, QPoint(55, 9));
  Slider.hide();
}

TEST_F(ImageSliderTest, MovingTheThumbRepaintsOnlyItsOldAndNewPlace) {
  Slider.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Slider));
  QApplication::processEvents();
  Slider.Painted = QRegion();
  Slider.SetPosition(3);
  QApplication::processEvents();
  const TSliderGeometry g = Slider.Geometry();
  EXPECT_EQ(Slider.Painted, QRegion(g.ThumbRect(0)) + QRegion(g.ThumbRect(3)));
}

TEST(ImageSlider, WithoutImagesTheValueLogicStillWorks) {
  TKVImageSlider slider;
  slider.resize(100, 10);
  QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(50, 5));
  EXPECT_EQ(slider.Position(), 5);
  EXPECT_FALSE(Shot(slider).isNull());
}

// From the keyboard: a step per arrow, a quarter of the range per page, the ends by Home and
// End, never past them, even where the range spans every int.
TEST(ImageSlider, KeysStepPageAndJumpWithinTheRange) {
  TKVImageSlider slider;
  slider.SetRange(5, 0, 10);
  std::vector<int> seen;
  for (int key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageUp,
                  Qt::Key_PageDown, Qt::Key_Home, Qt::Key_Left, Qt::Key_End, Qt::Key_Right}) {
    QTest::keyClick(&slider, Qt::Key(key));
    seen.push_back(slider.Position());
  }
  EXPECT_EQ(seen, (std::vector<int>{6, 7, 6, 8, 10, 8, 0, 0, 10, 10}));
  slider.SetRange(INT_MAX - 1, INT_MIN, INT_MAX);
  QTest::keyClick(&slider, Qt::Key_PageUp);
  EXPECT_EQ(slider.Position(), INT_MAX);
  QTest::keyClick(&slider, Qt::Key_Home);
  QTest::keyClick(&slider, Qt::Key_PageDown);
  EXPECT_EQ(slider.Position(), INT_MIN);
}
