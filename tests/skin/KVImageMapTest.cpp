// The image map: event order of clicks, hover look, pointer and tooltip, hit testing at the
// edges and where areas overlap, pass-through of presses to the window, disabling.
#include "KVImageMap.h"
#include "KVCursors.h"
#include "SkinTestImages.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include <climits>

using skintest::At;
using skintest::Rgb;
using skintest::Shot;
using skintest::Solid;

namespace {

const QColor NormalColor(200, 0, 0);
const QColor OnColor(0, 200, 0);
const QColor OverColor(0, 0, 200);
const QColor DisabledColor(90, 90, 90);
const QColor PressedColor(220, 220, 0);

// Records what a map does, in order: its events, the areas it redraws and the regions painted.
class TRecordingMap : public TKVImageMap {
public:
  using TKVImageMap::TKVImageMap;
  std::vector<QString> Log;
  QRegion Painted;

  void PaintArea(int Index) override {
    Log.push_back("paint:" + AreaName(Index));
    TKVImageMap::PaintArea(Index);
  }

protected:
  void paintEvent(QPaintEvent* Event) override {
    Painted += Event->region();
    TKVImageMap::paintEvent(Event);
  }
};

class ImageMapTest : public ::testing::Test {
protected:
  void SetUp() override {
    TKVCursors::Register(TKVCursors::crHandMove, QCursor(Qt::OpenHandCursor));
    TKVCursors::Register(TKVCursors::crHandPoint, QCursor(Qt::PointingHandCursor));
    Map.OnMapChanging = [this](TKVCustomImageMap* Sender, const QString& Name) {
      EXPECT_EQ(Sender, &Map);
      Map.Log.push_back("changing:" + Name);
    };
    Map.OnMapClick = [this](TKVCustomImageMap*, const QString& Name) {
      Map.Log.push_back("click:" + Name);
    };
    Map.OnMapUnClick = [this](TKVCustomImageMap*, const QString& Name) {
      Map.Log.push_back("unclick:" + Name);
    };
    Map.OnMouseDown = [this](QWidget* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers, int X,
                             int Y) {
      EXPECT_EQ(Sender, &Map);
      Map.Log.push_back(QStringLiteral("down:%1:%2,%3").arg(int(Button)).arg(X).arg(Y));
    };
    Map.OnMouseMove = [this](QWidget*, Qt::MouseButtons, Qt::KeyboardModifiers, int X, int Y) {
      Map.Log.push_back(QStringLiteral("move:%1,%2").arg(X).arg(Y));
    };
    Map.OnMouseUp = [this](QWidget*, Qt::MouseButton Button, Qt::KeyboardModifiers, int X, int Y) {
      Map.Log.push_back(QStringLiteral("up:%1:%2,%3").arg(int(Button)).arg(X).arg(Y));
    };
  }

  void TearDown() override { TKVCursors::Clear(); }

  // The five looks, then areas A (10..30) and B (50..70), both 10..30 high.
  void FillAllLooks() {
    for (const QColor& color : {NormalColor, OnColor, OverColor, DisabledColor, PressedColor})
      Map.AddImage(Solid(100, 40, color));
    AddTwoAreas();
  }

  void AddTwoAreas() {
    Map.SetOutAreaCursor(TKVCursors::crHandMove);
    Map.SetOutAreaHint("Drag me");
    Map.AddArea("A", 10, 10, 30, 30, TKVCursors::crHandPoint, "Area A");
    Map.AddArea("B", 50, 10, 70, 30, TKVCursors::crHandPoint, "Area B");
  }

  void ShowMap() {
    Map.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Map));
  }

  // Moves without a button reach the widget through the pointer's position; a move to where
  // the pointer already is would be skipped, so every hover starts from a neutral spot.
  void Hover(QPoint At) {
    QTest::mouseMove(&Map, At == QPoint(95, 35) ? QPoint(96, 36) : QPoint(95, 35));
    QTest::mouseMove(&Map, At);
  }

  TRecordingMap Map;
};

} // namespace

TEST_F(ImageMapTest, ClickOnBWhileAIsOnFiresChangingUnclickClickInOrder) {
  FillAllLooks();
  Map.SetAreaState("a", arsOn);
  Map.Log.clear();

  QTest::mouseClick(&Map, Qt::LeftButton, {}, QPoint(55, 15));

  // B is redrawn pressed, then released, then on; A is switched off between B's events.
  const std::vector<QString> expected = {"paint:B",   "paint:B", "changing:B", "paint:B",
                                         "unclick:A", "paint:A", "click:B"};
  EXPECT_EQ(Map.Log, expected);
  EXPECT_EQ(Map.GetAreaState("A"), arsOff);
  EXPECT_EQ(Map.GetAreaState("B"), arsOn);
}

TEST_F(ImageMapTest, ClickOnAreaThatIsOnRepeatsChangingAndClickOnly) {
  FillAllLooks();
  Map.SetAreaState(0, arsOn);
  Map.Log.clear();
  Map.SetAreaState(0, arsOn);
  const std::vector<QString> again = {"changing:A", "click:A"};
  EXPECT_EQ(Map.Log, again);

  Map.SetAllowAllOff(true);
  Map.Log.clear();
  QTest::mouseClick(&Map, Qt::LeftButton, {}, QPoint(15, 15));
  const std::vector<QString> off = {"paint:A", "paint:A", "unclick:A", "paint:A"};
  EXPECT_EQ(Map.Log, off);
  EXPECT_EQ(Map.GetAreaState("A"), arsOff);
}

TEST_F(ImageMapTest, LooksFollowHoverPressAndOnState) {
  FillAllLooks();
  ShowMap();
  Hover(QPoint(15, 15));
  EXPECT_EQ(At(Shot(Map), 15, 15), Rgb(OverColor));
  EXPECT_EQ(At(Shot(Map), 55, 15), Rgb(NormalColor));

  QTest::mousePress(&Map, Qt::LeftButton, {}, QPoint(15, 15));
  EXPECT_EQ(At(Shot(Map), 15, 15), Rgb(PressedColor));
  QTest::mouseRelease(&Map, Qt::LeftButton, {}, QPoint(15, 15));
  EXPECT_EQ(At(Shot(Map), 15, 15), Rgb(OnColor));
  EXPECT_EQ(Map.Log.back(), "click:A");

  // Hovering an area that is on keeps the on look; outside the areas the base picture shows.
  Hover(QPoint(16, 16));
  EXPECT_EQ(At(Shot(Map), 15, 15), Rgb(OnColor));
  EXPECT_EQ(At(Shot(Map), 5, 5), Rgb(NormalColor));
}

TEST_F(ImageMapTest, HoverRepaintsOnlyTheAreaItEnters) {
  FillAllLooks();
  ShowMap();
  Hover(QPoint(90, 35));
  QApplication::processEvents();
  Map.Painted = QRegion();

  Hover(QPoint(55, 15));
  QApplication::processEvents();
  EXPECT_EQ(Map.Painted, QRegion(50, 10, 20, 20));
}

TEST_F(ImageMapTest, PointerAndTooltipFollowAreasWhileThePictureStays) {
  Map.AddImage(Solid(100, 40, NormalColor));
  AddTwoAreas();
  Map.AddArea("C", 80, 0, 100, 10, TKVCursors::crDefault, "Area C");
  ShowMap();
  const QImage before = Shot(Map);
  EXPECT_EQ(Map.cursor().shape(), Qt::OpenHandCursor);
  EXPECT_EQ(Map.toolTip(), "Drag me");

  Hover(QPoint(12, 12));
  EXPECT_EQ(Map.cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(Map.toolTip(), "Area A");
  EXPECT_TRUE(Map.Area(0).AreaOver);
  Hover(QPoint(60, 20));
  EXPECT_EQ(Map.toolTip(), "Area B");
  EXPECT_FALSE(Map.Area(0).AreaOver);
  Hover(QPoint(85, 5));
  EXPECT_EQ(Map.cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(Map.toolTip(), "Area C");

  Hover(QPoint(40, 35));
  EXPECT_EQ(Map.cursor().shape(), Qt::OpenHandCursor);
  EXPECT_EQ(Map.toolTip(), "Drag me");
  EXPECT_EQ(Map.OutAreaCursor(), TKVCursors::crHandMove);
  EXPECT_EQ(Shot(Map), before);
}

TEST_F(ImageMapTest, NewHintWithdrawsTheTooltipOnScreen) {
  FillAllLooks();
  ShowMap();
  Hover(QPoint(15, 15));
  QToolTip::showText(Map.mapToGlobal(QPoint(15, 15)), Map.toolTip(), &Map);
  ASSERT_TRUE(QToolTip::isVisible());
  Hover(QPoint(55, 15));
  EXPECT_EQ(Map.toolTip(), "Area B");
  EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
}

TEST(CursorRegistry, UnknownNumbersAndZeroAreTheArrow) {
  TKVCursors::Register(0, QCursor(Qt::CrossCursor));
  TKVCursors::Register(7, QCursor(Qt::WaitCursor));
  EXPECT_EQ(TKVCursors::Cursor(0).shape(), Qt::ArrowCursor);
  EXPECT_EQ(TKVCursors::Cursor(7).shape(), Qt::WaitCursor);
  EXPECT_EQ(TKVCursors::Cursor(8).shape(), Qt::ArrowCursor);
  TKVCursors::Clear();
  EXPECT_EQ(TKVCursors::Cursor(7).shape(), Qt::ArrowCursor);
}

TEST_F(ImageMapTest, HitTestTakesFirstAreaAndExcludesRightAndBottomEdges) {
  FillAllLooks();
  Map.AddArea("Wide", 0, 0, 100, 40, 0, "");
  EXPECT_EQ(Map.AreaAt(10, 10), 0);
  EXPECT_EQ(Map.AreaAt(29, 29), 0);
  EXPECT_EQ(Map.AreaAt(30, 15), 2);
  EXPECT_EQ(Map.AreaAt(15, 30), 2);
  EXPECT_EQ(Map.AreaAt(9, 15), 2);
  EXPECT_EQ(Map.AreaAt(100, 0), -1);

  QTest::mouseClick(&Map, Qt::LeftButton, {}, QPoint(29, 29));
  EXPECT_EQ(Map.GetAreaState("A"), arsOn);
  EXPECT_EQ(Map.GetAreaState("Wide"), arsOff);
}

TEST_F(ImageMapTest, AreasReachingFarOutsideTheControlAreDrawnAndHitSafely) {
  FillAllLooks();
  Map.AddArea("Huge", INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, "");
  Map.AddArea("Inverted", 90, 30, 80, 20, 0, "");
  Map.SetAreaState("Huge", arsOn);
  const QImage shot = Shot(Map);
  EXPECT_EQ(At(shot, 0, 0), Rgb(OnColor));
  EXPECT_EQ(At(shot, 99, 39), Rgb(OnColor));
  EXPECT_EQ(Map.AreaAt(85, 25), 2);
  EXPECT_EQ(Map.AreaAt(INT_MAX, 0), -1);
}

TEST_F(ImageMapTest, AreaUnderTheReleaseIsActivatedAndThePressedLookDoesNotLinger) {
  FillAllLooks();
  QTest::mousePress(&Map, Qt::LeftButton, {}, QPoint(15, 15));
  EXPECT_TRUE(Map.Area(0).AreaClicked);
  QTest::mouseRelease(&Map, Qt::LeftButton, {}, QPoint(55, 15));
  EXPECT_EQ(Map.GetAreaState("B"), arsOn);
  EXPECT_EQ(Map.GetAreaState("A"), arsOff);
  EXPECT_FALSE(Map.Area(0).AreaClicked);
  EXPECT_EQ(At(Shot(Map), 15, 15), Rgb(NormalColor));
}

TEST_F(ImageMapTest, PressOutsideAreasHandsTheWholeDragToTheWindow) {
  FillAllLooks();
  ShowMap();
  QTest::mousePress(&Map, Qt::LeftButton, {}, QPoint(40, 5));
  QTest::mouseMove(&Map, QPoint(15, 15));
  QTest::mouseMove(&Map, QPoint(55, 20));
  QTest::mouseRelease(&Map, Qt::LeftButton, {}, QPoint(55, 20));

  const std::vector<QString> expected = {"down:1:40,5", "move:15,15", "move:55,20", "up:1:55,20"};
  EXPECT_EQ(Map.Log, expected);
  EXPECT_EQ(Map.GetAreaState("A"), arsOff);
  EXPECT_EQ(Map.GetAreaState("B"), arsOff);
}

TEST_F(ImageMapTest, ReleaseOfAnotherButtonDoesNotEndThePassThroughDrag) {
  FillAllLooks();
  QTest::mousePress(&Map, Qt::LeftButton, {}, QPoint(40, 5));
  QTest::mousePress(&Map, Qt::RightButton, {}, QPoint(41, 5));
  QTest::mouseRelease(&Map, Qt::RightButton, {}, QPoint(41, 5));
  QTest::mouseRelease(&Map, Qt::LeftButton, {}, QPoint(15, 15));
  EXPECT_EQ(Map.GetAreaState("A"), arsOff);
  EXPECT_EQ(Map.Log.back(), "up:1:15,15");
}

TEST_F(ImageMapTest, RightPressOnAreaIsHandedOn) {
  FillAllLooks();
  QTest::mouseClick(&Map, Qt::RightButton, {}, QPoint(15, 15));
  const std::vector<QString> expected = {"down:2:15,15", "up:2:15,15"};
  EXPECT_EQ(Map.Log, expected);
  EXPECT_EQ(Map.GetAreaState("A"), arsOff);
}

TEST_F(ImageMapTest, DisablingShowsDisabledLookAndUnclicksEnablingSetsAllOff) {
  FillAllLooks();
  Map.SetAreaState("B", arsOn);
  Map.Log.clear();
  Map.setEnabled(false);
  EXPECT_EQ(Map.Log.front(), "paint:A");
  EXPECT_NE(std::find(Map.Log.begin(), Map.Log.end(), "unclick:B"), Map.Log.end());
  EXPECT_EQ(Map.GetAreaState("A"), arsDisabled);
  EXPECT_EQ(Map.GetAreaState("B"), arsDisabled);
  const QImage disabled = Shot(Map);
  EXPECT_EQ(At(disabled, 15, 15), Rgb(DisabledColor));
  EXPECT_EQ(At(disabled, 55, 15), Rgb(DisabledColor));
  EXPECT_EQ(At(disabled, 40, 15), Rgb(NormalColor));

  Map.setEnabled(true);
  EXPECT_EQ(Map.GetAreaState("A"), arsOff);
  EXPECT_EQ(Map.GetAreaState("B"), arsOff);
  EXPECT_EQ(At(Shot(Map), 55, 15), Rgb(NormalColor));
}

TEST_F(ImageMapTest, DisabledLookFallsBackToNormalWithoutItsImage) {
  Map.AddImage(Solid(100, 40, NormalColor));
  Map.AddImage(Solid(100, 40, OnColor));
  AddTwoAreas();
  Map.setEnabled(false);
  EXPECT_EQ(Map.Area(0).AreaPaint, arpOff);
  EXPECT_EQ(At(Shot(Map), 15, 15), Rgb(NormalColor));
}

TEST_F(ImageMapTest, AddAreaWithExistingNameMovesItAndKeepsCursorAndHint) {
  FillAllLooks();
  Map.AddArea("a", QRect(0, 0, 5, 5), TKVCursors::crDefault, "Other");
  ASSERT_EQ(Map.AreaCount(), 2);
  EXPECT_EQ(Map.AreaName(0), "A");
  EXPECT_EQ(Map.Area(0).Right, 5);
  EXPECT_EQ(Map.Area(0).Bottom, 5);
  EXPECT_EQ(Map.Area(0).AreaCursor, TKVCursors::crHandPoint);
  EXPECT_EQ(Map.Area(0).AreaHint, "Area A");
  EXPECT_EQ(Map.AreaAt(15, 15), -1);
}

TEST_F(ImageMapTest, UnknownNamesAreIgnored) {
  FillAllLooks();
  Map.SetAreaState("nowhere", arsOn);
  EXPECT_EQ(Map.GetAreaState("nowhere"), arsOff);
  EXPECT_TRUE(Map.Log.empty());
}

TEST_F(ImageMapTest, TransparentMapShowsItsParentOutsideAreas) {
  QWidget parent;
  parent.resize(100, 40);
  parent.setAutoFillBackground(true);
  QPalette palette = parent.palette();
  palette.setColor(QPalette::Window, QColor(0, 128, 128));
  parent.setPalette(palette);
  TKVImageMap map(&parent);
  map.AddImage(Solid(100, 40, NormalColor));
  map.AddArea("A", 10, 10, 30, 30, 0, "");
  map.SetTransparent(true);

  const QImage shot = skintest::Shot(parent);
  EXPECT_EQ(At(shot, 5, 5), Rgb(QColor(0, 128, 128)));
  EXPECT_EQ(At(shot, 15, 15), Rgb(NormalColor));
}

TEST_F(ImageMapTest, LeavingTheMapOrEnteringAChildClearsHover) {
  FillAllLooks();
  ShowMap();
  Hover(QPoint(15, 15));
  ASSERT_TRUE(Map.Area(0).AreaOver);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&Map, &leave);
  EXPECT_FALSE(Map.Area(0).AreaOver);

  QWidget child(&Map);
  child.setGeometry(0, 0, 5, 5);
  Hover(QPoint(15, 15));
  ASSERT_TRUE(Map.Area(0).AreaOver);
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(&child, &enter);
  EXPECT_FALSE(Map.Area(0).AreaOver);
}

TEST(ImageMapLook, FollowsStateHoverAndPressWithFallbacks) {
  TArea area;
  const unsigned all = 0x1f;
  const unsigned normalOnly = 0x01;
  area.AreaOver = true;
  EXPECT_EQ(AreaPaintFor(area, all), arpOver);
  EXPECT_EQ(AreaPaintFor(area, normalOnly), arpOff);
  area.AreaState = arsOn;
  EXPECT_EQ(AreaPaintFor(area, all), arpOn);
  EXPECT_EQ(AreaPaintFor(area, all & ~0x02u), arpOver);
  area.AreaClicked = true;
  EXPECT_EQ(AreaPaintFor(area, all), arpClicked);
  area.AreaState = arsDisabled;
  EXPECT_EQ(AreaPaintFor(area, all), arpDisabled);
  EXPECT_EQ(AreaPaintFor(area, all & ~0x08u), arpOff);
  EXPECT_EQ(SubImageOf(arpOver), 2);
  EXPECT_EQ(SubImageOf(arpDisabled), 3);
}
