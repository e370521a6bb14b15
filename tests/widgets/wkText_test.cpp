// Caption text effects: measuring with the effect extents, placing by alignment, and the
// pixels of the shadow, emboss, outline and extrusion styles.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>

#include <set>

#include "widgets/wkText.h"

namespace {

QFont TestFont(int pixels = 13) {
  QFont f("Liberation Sans");
  f.setPixelSize(pixels);
  f.setStyleStrategy(QFont::NoAntialias);  // exact colours for the pixel checks
  return f;
}

struct TTextRig {
  bool Enabled = true;
  QStringList Calls;
  TwkCaptionText Text{[this] { Calls << "change"; }, [this] { Calls << "adjust"; },
                      [this] { return Enabled; }};
  TTextRig(const QString& caption, const QRect& bounds) {
    Text.SetText(caption);
    Text.SetBounds(bounds);
    Text.SetFont(TestFont(), clBlack);
  }
  QImage Render(QSize size = QSize(120, 40)) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    Text.Draw(p);
    return img;
  }
};

std::set<QRgb> Colours(const QImage& img) {
  std::set<QRgb> s;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) s.insert(img.pixel(x, y) & 0xFFFFFF);
  return s;
}

TEST(CaptionMeasureTest, EmptyCaptionIsOnePixelWidePlusTheEffects) {
  TTextRig rig("", QRect(0, 0, 100, 40));
  const int lineHeight = QFontMetrics(TestFont()).height();
  EXPECT_EQ(rig.Text.Measure(true), QSize(1, lineHeight));
  rig.Text.Shadow().SetEnabled(true);
  rig.Text.Shadow().SetXOffset(3);
  rig.Text.Shadow().SetYOffset(2);
  EXPECT_EQ(rig.Text.Measure(true), QSize(4, lineHeight + 2));
  rig.Text.SetStyle(wklsOutline);
  EXPECT_EQ(rig.Text.Measure(true), QSize(6, lineHeight + 4));
}

TEST(CaptionMeasureTest, AcceleratorsLineSpacingAndTheBoundsLimit) {
  TTextRig rig("&Autoplay", QRect(0, 0, 300, 200));
  const QFontMetrics fm(TestFont());
  EXPECT_EQ(rig.Text.Measure(true).width(), fm.horizontalAdvance("Autoplay") + 1);
  rig.Text.SetOptions(0);
  EXPECT_EQ(rig.Text.Measure(true).width(), fm.horizontalAdvance("&Autoplay") + 1);
  rig.Text.SetText("Game #12\r\nScore: 20");
  EXPECT_EQ(rig.Text.Measure(true).height(), 2 * fm.height() + 5);
  rig.Text.SetBounds(QRect(0, 0, 20, 10));
  EXPECT_EQ(rig.Text.Measure(false), QSize(20, 10));
}

TEST(CaptionMeasureTest, ShadowInsideAnExtrusionAddsOnlyWhereItPointsTheSameWay) {
  TTextRig rig("Pellamy", QRect(0, 0, 300, 100));
  const QSize plain = rig.Text.Measure(true);
  rig.Text.ExtrudeEffects().SetEnabled(true);
  rig.Text.ExtrudeEffects().SetDepth(4);
  rig.Text.Shadow().SetEnabled(true);
  rig.Text.Shadow().SetXOffset(2);
  rig.Text.Shadow().SetYOffset(2);
  // bottom-right layers step (-1, -1): a (2, 2) shadow lies inside them
  EXPECT_EQ(rig.Text.Measure(true), plain + QSize(4, 4));
  rig.Text.ExtrudeEffects().SetOrientation(wkTopLeft);
  EXPECT_EQ(rig.Text.Measure(true), plain + QSize(6, 6));
  rig.Text.ExtrudeEffects().SetOrientation(wkLeft);  // step (1, 0)
  EXPECT_EQ(rig.Text.Measure(true), plain + QSize(6, 4));
}

TEST(CaptionMeasureTest, RotationTurnsTheBox) {
  TTextRig rig("Pellamy", QRect(0, 0, 300, 300));
  const QSize plain = rig.Text.Measure(true);
  rig.Text.SetRotation(90);
  EXPECT_EQ(rig.Text.Measure(true), plain.transposed());
  rig.Text.SetRotation(360);
  EXPECT_EQ(rig.Text.Measure(true), plain);
  EXPECT_EQ(rig.Text.TextRect(), QRect(QPoint(0, 0), plain));
}

TEST(CaptionPlaceTest, AlignmentsPlaceTheTextRectangle) {
  TTextRig rig("Score: 20", QRect(10, 5, 200, 30));
  const QSize m = rig.Text.Measure(false);
  EXPECT_EQ(rig.Text.TextRect().topLeft(), QPoint(10, 5));
  rig.Text.SetAlignment(taRightJustify);
  rig.Text.SetVAlignment(vaBottom);
  EXPECT_EQ(rig.Text.TextRect(), QRect(210 - m.width(), 35 - m.height(), m.width(), m.height()));
  rig.Text.SetAlignment(taCenter);
  rig.Text.SetVAlignment(vaVCenter);
  const QRect centred = rig.Text.TextRect();
  EXPECT_EQ(centred.left(), 10 + 100 - m.width() / 2);
  EXPECT_EQ(centred.top(), 5 + 15 - m.height() / 2);
  // a (1, 1) shadow moves the centred caption back by half of 1: not at all
  rig.Text.Shadow().SetEnabled(true);
  rig.Text.Shadow().SetXOffset(1);
  rig.Text.Shadow().SetYOffset(1);
  EXPECT_EQ(rig.Text.TextRect().topLeft(), centred.topLeft());
  rig.Text.Shadow().SetXOffset(4);
  EXPECT_EQ(rig.Text.TextRect().left(), centred.left() - 2);

  // Inside an extrusion the shadow moves the caption only by what it adds to the size.
  rig.Text.Shadow().SetEnabled(false);
  rig.Text.ExtrudeEffects().SetEnabled(true);
  rig.Text.ExtrudeEffects().SetDepth(4);
  const QRect extruded = rig.Text.TextRect();
  rig.Text.Shadow().SetEnabled(true);
  rig.Text.Shadow().SetXOffset(6);
  rig.Text.Shadow().SetYOffset(6);
  EXPECT_EQ(rig.Text.TextRect().topLeft(), extruded.topLeft());  // layers step (-1, -1)
  rig.Text.ExtrudeEffects().SetOrientation(wkTopLeft);  // step (1, 1): the shadow counts
  EXPECT_EQ(rig.Text.TextRect().topLeft(), extruded.topLeft() - QPoint(3, 3));
}

TEST(CaptionChangeTest, SizeChangesAdjustFirstAndEqualValuesAreNoChange) {
  TTextRig rig("x", QRect(0, 0, 50, 20));
  rig.Text.SetAlignment(taLeftJustify);
  rig.Text.SetHighlightColor(clBtnHighlight);
  EXPECT_TRUE(rig.Calls.isEmpty());
  rig.Text.SetWordWrap(true);
  EXPECT_EQ(rig.Calls, QStringList({"adjust", "change"}));
  rig.Calls.clear();
  rig.Text.SetOutlineColor(clRed);
  EXPECT_EQ(rig.Calls, QStringList({"change"}));
  rig.Calls.clear();
  rig.Text.Shadow().SetXOffset(3);
  EXPECT_EQ(rig.Calls, QStringList({"adjust", "change"}));

  TTextRig copy("", QRect());
  copy.Text.Assign(rig.Text);
  EXPECT_EQ(copy.Text.Text(), "x");
  EXPECT_TRUE(copy.Text.WordWrap());
  EXPECT_EQ(copy.Text.OutlineColor(), clRed);
  EXPECT_EQ(copy.Text.Shadow().XOffset(), 3);
}

TEST(CaptionDrawTest, ShadowIsDrawnOffsetBehindTheCaption) {
  TTextRig rig("IIII", QRect(5, 5, 100, 30));
  rig.Text.Shadow().SetEnabled(true);
  rig.Text.Shadow().SetColor(clRed);
  rig.Text.Shadow().SetXOffset(1);
  rig.Text.Shadow().SetYOffset(1);
  const QImage img = rig.Render();
  int checked = 0;
  for (int y = 1; y < img.height(); ++y)
    for (int x = 1; x < img.width(); ++x) {
      const QRgb px = img.pixel(x, y) & 0xFFFFFF;
      if (px == 0xFF0000) {  // a shadow pixel: the caption covers or sits one up-left
        ++checked;
        const QRgb from = img.pixel(x - 1, y - 1) & 0xFFFFFF;
        EXPECT_TRUE(from == 0x000000 || from == 0xFF0000) << x << "," << y;
      }
    }
  EXPECT_GT(checked, 10);
  EXPECT_TRUE(Colours(img).count(0x000000));
}

TEST(CaptionDrawTest, DisabledDefaultCaptionIsEngraved) {
  TTextRig rig("IIII", QRect(5, 5, 100, 30));
  rig.Enabled = false;
  rig.Text.DisabledColors().SetHighlightColor(clLime);
  rig.Text.DisabledColors().SetShadeColor(clBlue);
  const QImage img = rig.Render();
  const std::set<QRgb> c = Colours(img);
  EXPECT_TRUE(c.count(0x00FF00));   // light copy one pixel right and down
  EXPECT_TRUE(c.count(0x0000FF));   // dark caption
  EXPECT_FALSE(c.count(0x000000));  // never the font colour
  for (int y = 0; y < img.height() - 1; ++y)
    for (int x = 0; x < img.width() - 1; ++x)
      if ((img.pixel(x, y) & 0xFFFFFF) == 0x0000FF) {
        const QRgb below = img.pixel(x + 1, y + 1) & 0xFFFFFF;
        EXPECT_TRUE(below == 0x00FF00 || below == 0x0000FF) << x << "," << y;
      }
}

TEST(CaptionDrawTest, RaisedStyleAndAnEmptyColourLeftOut) {
  TTextRig rig("IIII", QRect(5, 5, 100, 30));
  rig.Text.SetStyle(wklsRaised);
  rig.Text.SetHighlightColor(clLime);
  rig.Text.SetShadeColor(clBlue);
  std::set<QRgb> c = Colours(rig.Render());
  EXPECT_TRUE(c.count(0x00FF00));
  EXPECT_TRUE(c.count(0x0000FF));
  EXPECT_TRUE(c.count(0x000000));
  rig.Text.SetHighlightColor(clNone);
  c = Colours(rig.Render());
  EXPECT_FALSE(c.count(0x00FF00));
  EXPECT_TRUE(c.count(0x0000FF));
}

TEST(CaptionDrawTest, OutlineRimsTheCaption) {
  TTextRig rig("IHI", QRect(5, 5, 100, 30));
  rig.Text.SetStyle(wklsOutline);
  rig.Text.SetOutlineColor(clRed);
  rig.Text.SetFont(TestFont(), clLime);
  const QImage img = rig.Render();
  // the eight rim copies leave no caption pixel touching the background
  int caption = 0;
  for (int y = 1; y < img.height() - 1; ++y)
    for (int x = 1; x < img.width() - 1; ++x) {
      if ((img.pixel(x, y) & 0xFFFFFF) != 0x00FF00) continue;
      ++caption;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
          EXPECT_NE(img.pixel(x + dx, y + dy) & 0xFFFFFF, 0xFFFFFFu) << x << "," << y;
    }
  EXPECT_GT(caption, 20);
  EXPECT_TRUE(Colours(img).count(0xFF0000));
}

TEST(CaptionDrawTest, ExtrusionLayersRunFromFarToNearColour) {
  TTextRig rig("I", QRect(0, 0, 60, 40));
  rig.Text.ExtrudeEffects().SetEnabled(true);
  rig.Text.ExtrudeEffects().SetDepth(5);
  rig.Text.ExtrudeEffects().SetNearColor(clRed);
  rig.Text.ExtrudeEffects().SetFarColor(clBlue);
  rig.Text.SetFont(TestFont(), clWhite);
  const std::set<QRgb> c = Colours(rig.Render(QSize(60, 40)));
  // layer i: far + (near - far) * i / 5, floored
  EXPECT_TRUE(c.count(qRgb(51, 0, 204) & 0xFFFFFF));
  EXPECT_TRUE(c.count(qRgb(204, 0, 51) & 0xFFFFFF));
  EXPECT_TRUE(c.count(0xFFFFFF));
  EXPECT_FALSE(c.count(0xFF0000)) << "the nearest layer lies under the caption";
}

TEST(CaptionDrawTest, RotatedCaptionDrawsInsideItsTurnedBox) {
  TTextRig rig("Pellamy", QRect(0, 0, 60, 80));
  rig.Text.SetRotation(90);
  const QRect box = rig.Text.TextRect();
  const QImage img = rig.Render(QSize(60, 80));
  int dark = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if ((img.pixel(x, y) & 0xFFFFFF) == 0) {
        ++dark;
        EXPECT_TRUE(box.adjusted(-2, -2, 2, 2).contains(x, y)) << x << "," << y;
      }
  EXPECT_GT(dark, 20);
  EXPECT_GT(box.height(), box.width());
}

}  // namespace
