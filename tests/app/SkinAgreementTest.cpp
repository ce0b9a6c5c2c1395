// The windows against the skin the build generated, each window as it builds itself from the
// archive: every hot area lies on a button painted in its map's picture, every options control
// on a plain field of the panel's picture, the level slider's thumb over the scale's ticks, the
// status line on its plate, and the pictures painted over felt where the windows put them.
#include "AppFixtures.h"

#include "KVImageCtrl.h"
#include "KVImageMap.h"
#include "KVPicture.h"
#include "OptionsPanel.h"
#include "SkinLayout.h"
#include "scoref.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace apptest;

namespace {

int Luma(QRgb Pixel) {
  return (qRed(Pixel) * 299 + qGreen(Pixel) * 587 + qBlue(Pixel) * 114) / 1000;
}

QColor Average(const QImage& Image, const QRect& Rect) {
  double r = 0, g = 0, b = 0;
  for (int y = Rect.top(); y <= Rect.bottom(); ++y)
    for (int x = Rect.left(); x <= Rect.right(); ++x) {
      const QRgb pixel = Image.pixel(x, y);
      r += qRed(pixel);
      g += qGreen(pixel);
      b += qBlue(pixel);
    }
  const double n = double(Rect.width()) * Rect.height();
  return QColor(int(r / n), int(g / n), int(b / n));
}

bool IsPlain(const QImage& Image, const QRect& Rect) {
  const QRgb first = Image.pixel(Rect.topLeft());
  for (int y = Rect.top(); y <= Rect.bottom(); ++y)
    for (int x = Rect.left(); x <= Rect.right(); ++x)
      if (Image.pixel(x, y) != first)
        return false;
  return true;
}

// Sub-image Index of a skin control's strip.
QImage SubImage(const TKVCustomImageList& Control, int Index = 0) {
  QImage image;
  Control.GetImage(image, Index);
  return image;
}

QRect AreaRect(const TKVCustomImageMap& Map, int Index) {
  const TArea& area = Map.Area(Index);
  return QRect(QPoint(area.Left, area.Top), QPoint(area.Right - 1, area.Bottom - 1));
}

// Every area of Map lies on a button of its picture: inside the area the picture stands out from
// Plain, the picture's wood without buttons, in the same rows.
void ExpectAreasOnButtons(const TKVCustomImageMap& Map, const QImage& Plain, int Areas) {
  const QImage picture = SubImage(Map);
  ASSERT_EQ(Map.AreaCount(), Areas);
  for (int i = 0; i < Map.AreaCount(); ++i) {
    const QString name = Map.AreaName(i);
    const QRect area = AreaRect(Map, i);
    ASSERT_TRUE(picture.rect().contains(area)) << name.toStdString();
    const QRect inside = area.adjusted(2, 2, -2, -2);
    const QColor button = Average(picture, inside);
    const QColor wood = Average(Plain, QRect(0, inside.top(), Plain.width(), inside.height()));
    const int distance = std::abs(button.red() - wood.red()) +
                         std::abs(button.green() - wood.green()) +
                         std::abs(button.blue() - wood.blue());
    EXPECT_GT(distance, 90) << name.toStdString();
  }
}

class SkinAgreement : public ::testing::Test {
protected:
  TMainFormRig Rig;
};

TEST_F(SkinAgreement, MainWindowAreasLieOnTheirButtonsAndTheCoverFillsItsPanel) {
  TMainForm& form = Rig.Create();
  // The bevel's top and bottom edges are the frame's plain wood.
  ExpectAreasOnButtons(*form.ExitMap, SubImage(*form.BgBevel, 1), 3);
  ExpectAreasOnButtons(*form.PanelMap, SubImage(*form.BgBevel, 6), 3);
  EXPECT_EQ(form.CoverMap->size(), form.CoverPanel->size());
  ASSERT_EQ(form.CoverMap->AreaCount(), 1);
  EXPECT_TRUE(form.CoverMap->rect().contains(AreaRect(*form.CoverMap, 0)));
}

TEST_F(SkinAgreement, StatusLineIsDrawnOnItsPlateBetweenTheButtons) {
  TMainForm& form = Rig.Create();
  const QImage bar = SubImage(*form.PanelMap);
  // Room for a long status line, centred in the window as the bar is.
  const int top = form.Label1->y() - form.PanelMap->y();
  const QRect line(bar.width() / 2 - 120, top + 2, 240, 10);
  for (int y = line.top(); y <= line.bottom(); ++y)
    for (int x = line.left(); x <= line.right(); ++x)
      ASSERT_GT(Luma(bar.pixel(x, y)), 170) << "dark plate pixel at " << x << "," << y;
  const TKVImageMap& map = *form.PanelMap;
  EXPECT_LT(AreaRect(map, map.IndexOfArea(QStringLiteral("exit"))).right(), line.left());
  EXPECT_GT(AreaRect(map, map.IndexOfArea(QStringLiteral("play"))).left(), line.right());
}

TEST_F(SkinAgreement, OptionsControlsSitOnPlainFieldsAndTheThumbOnTheScale) {
  TMainForm& form = Rig.Create();
  form.ShowOptions();
  const TOptionsPanel& panel = *form.OptionsPanel;
  const QImage background = panel.OptionsBg->Picture();
  ASSERT_EQ(background.size(), panel.size());
  for (const QWidget* control : std::initializer_list<const QWidget*>{
           panel.CardsBox, panel.PairsBox, panel.DelayBox, panel.SoundCheck, panel.Player1Edit,
           panel.Player2Edit, panel.Player3Edit, panel.Player4Edit, panel.ComputerCheck})
    EXPECT_TRUE(IsPlain(background, control->geometry()))
        << control->accessibleName().toStdString();
  const TKVImageSlider& slider = *panel.IQSlider;
  EXPECT_EQ(SubImage(slider, 0).size(), slider.size());
  const int tickRow = slider.geometry().bottom() + 2;
  for (int level = slider.Min(); level <= slider.Max(); ++level) {
    const int x = slider.x() + slider.Geometry().ThumbRect(level).center().x();
    EXPECT_GT(Luma(background.pixel(x, tickRow)), 120) << "no tick under level " << level;
    EXPECT_LT(Luma(background.pixel(x + 4, tickRow)), 110) << "a tick beside level " << level;
  }
}

// The generator paints the felt of these pictures for the place they are shown at, so that it
// runs on from the window's own felt without a seam.
TEST_F(SkinAgreement, PicturesOverFeltAreShownWhereTheirFeltWasPainted) {
  TMainForm& form = Rig.Create();
  EXPECT_EQ(form.CoverPanel->pos(), skinlayout::mainform::CoverPlace);
  form.ShowOptions();
  EXPECT_EQ(form.OptionsPanel->pos(), skinlayout::options::Place);
  EXPECT_EQ(form.CopyRightImage->pos().y(), skinlayout::mainform::AboutPlaqueTop);
  TOpenSkin skin;
  TScoreForm score(skin.Reader);
  const QWidget* title = score.findChild<QWidget*>(QStringLiteral("TitleImage"));
  EXPECT_EQ(title->pos(), QPoint((skinlayout::popup::Size.width() - title->width()) / 2,
                                 skinlayout::popup::TitleTop));
}

TEST_F(SkinAgreement, PopUpCloseControlsAndBuilderStripLieOnTheirArtwork) {
  TOpenSkin skin;
  TScoreForm score(skin.Reader);
  const auto* map = score.findChild<TKVImageMap*>(QStringLiteral("ExitMap"));
  const QImage strip = SubImage(*map);
  // Right of the title lettering the strip is plain wood.
  ExpectAreasOnButtons(*map, strip.copy(300, 0, 60, strip.height()), 1);
  const auto* frame = score.findChild<TKVImageBevel*>(QStringLiteral("PopUpBg"));
  const QImage band = SubImage(*frame, 5);
  const QRect bandRect(0, score.height() - band.height(), band.width(), band.height());
  for (const char* name : {"CloseBtn", "DKWRBtn"}) {
    const QWidget* control = score.findChild<QWidget*>(QLatin1String(name));
    EXPECT_TRUE(bandRect.contains(control->geometry())) << name;
  }
}

} // namespace
