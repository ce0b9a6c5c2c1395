// The GIF overlay: placement of the picture in its panel, playing while shown, hiding.
#include "AppFixtures.h"

#include "FaceOverlay.h"
#include "ImageLimits.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace apptest;

namespace {

TEST(FaceOverlay, LargerFaceIsShrunkAndCentredSmallerStaysItsSize) {
  QWidget parent;
  TFaceOverlay overlay(&parent);
  overlay.ShowFace(GifBytes({200, 100}, 1), QRect(10, 20, 120, 90));
  EXPECT_EQ(overlay.geometry(), QRect(10, 20, 120, 90));
  EXPECT_EQ(overlay.ImageRect(), QRect(0, 15, 120, 60));
  overlay.ShowFace(GifBytes({60, 40}, 1), QRect(0, 0, 120, 90));
  EXPECT_EQ(overlay.ImageRect(), QRect(30, 25, 60, 40));
  // White shows around a smaller picture.
  const QImage shot = overlay.grab().toImage();
  EXPECT_EQ(QColor(shot.pixel(5, 5)), QColor(Qt::white));
}

TEST(FaceOverlay, AnimationPlaysWhileShownAndStopsWhenHidden) {
  QWidget parent;
  parent.show();
  TFaceOverlay overlay(&parent);
  overlay.ShowFace(GifBytes({60, 40}, 3), QRect(0, 0, 120, 90));
  EXPECT_TRUE(overlay.isVisible());
  EXPECT_EQ(overlay.FrameCount(), 3);
  EXPECT_EQ(overlay.CurrentFrame(), 0);
  QTest::qWait(250);
  EXPECT_GT(overlay.CurrentFrame(), 0);
  overlay.HideFace();
  EXPECT_FALSE(overlay.isVisible());
  EXPECT_EQ(overlay.FrameCount(), 0);
  QTest::qWait(150);
  EXPECT_EQ(overlay.CurrentFrame(), 0);
}

TEST(FaceOverlay, DamagedFaceIsRefusedAndLeavesTheOverlayHidden) {
  QWidget parent;
  TFaceOverlay overlay(&parent);
  EXPECT_THROW(overlay.ShowFace(GifBytes({60, 40}, 2).left(40), QRect(0, 0, 120, 90)), EImageError);
  EXPECT_THROW(overlay.ShowFace(QByteArray(), QRect(0, 0, 120, 90)), EImageError);
  EXPECT_FALSE(overlay.isVisible());
}

} // namespace
