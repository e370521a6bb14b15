// The colour swatch: the Blend routine's two scales and the swatch's painted pixels.

#include <gtest/gtest.h>

#include <QTest>

#include "widgets/ColorPreview.h"
#include "widgets/WebColors.h"
#include "widgets/wkUtils.h"

namespace {

QRgb Rgb(TColor c) {
  const TColor r = ColorToRGB(c);
  return qRgb(GetRValue(r), GetGValue(r), GetBValue(r));
}

}  // namespace

TEST(Blend, WeightsBelowHundredArePercent) {
  EXPECT_EQ(Blend(clRed, clWhite, 50), RGBColor(255, 128, 128));
  EXPECT_EQ(Blend(clRed, clSilver, 50), RGBColor(224, 96, 96));
  EXPECT_EQ(Blend(clWhite, clBlack, 75), RGBColor(191, 191, 191));  // 191.25 rounded
  EXPECT_EQ(Blend(RGBColor(1, 0, 0), clBlack, 50), RGBColor(1, 0, 0));  // half rounds up
  EXPECT_EQ(Blend(RGBColor(10, 20, 30), clWhite, 0), clWhite);
}

TEST(Blend, WeightsFromHundredArePerMille) {
  EXPECT_EQ(Blend(clWhite, clBlack, 100), RGBColor(26, 26, 26));   // a tenth, not all
  EXPECT_EQ(Blend(clWhite, clBlack, 250), RGBColor(64, 64, 64));   // 63.75
  EXPECT_EQ(Blend(clWhite, clBlack, 1000), clWhite);
}

TEST(Blend, SystemColoursAreResolvedFirst) {
  const TColor face = ColorToRGB(clBtnFace);
  EXPECT_EQ(Blend(clBtnFace, face, 30), face);
  EXPECT_EQ(Blend(clBtnFace, clBlack, 500),
            RGBColor((GetRValue(face) * 500 + 500) / 1000, (GetGValue(face) * 500 + 500) / 1000,
                     (GetBValue(face) * 500 + 500) / 1000));
}

TEST(TColorPreview, PlainSwatchIsFramedColour) {
  TColorPreview swatch;  // 68 x 32
  swatch.SetColor(RGBColor(10, 120, 200));
  const QImage img = swatch.Render();
  ASSERT_EQ(img.size(), QSize(68, 32));
  EXPECT_EQ(img.pixel(0, 0), Rgb(clBtnShadow));
  EXPECT_EQ(img.pixel(67, 31), Rgb(clBtnShadow));
  EXPECT_EQ(img.pixel(1, 1), qRgb(10, 120, 200));
  EXPECT_EQ(img.pixel(66, 30), qRgb(10, 120, 200));
}

TEST(TColorPreview, SwatchStyleBlackShowsFrameGapAndBlack) {
  TColorPreview swatch;
  swatch.SetSwatchStyle(true);
  swatch.SetColor(clBlack);
  const QImage img = swatch.Render();
  EXPECT_EQ(img.pixel(0, 10), Rgb(clBtnShadow));
  EXPECT_EQ(img.pixel(1, 10), Rgb(clWindow));
  EXPECT_EQ(img.pixel(10, 1), Rgb(clWindow));
  for (int x = 2; x < 10; ++x) EXPECT_EQ(img.pixel(x, 16), qRgb(0, 0, 0)) << x;
  EXPECT_EQ(img.pixel(65, 29), qRgb(0, 0, 0));
  EXPECT_EQ(img.pixel(66, 30), Rgb(clWindow));
}

TEST(TColorPreview, SwatchStyleRingsDarkenTheColour) {
  TColorPreview swatch;
  swatch.SetSwatchStyle(true);
  swatch.SetColor(RGBColor(200, 100, 40));
  const QImage img = swatch.Render();
  EXPECT_EQ(img.pixel(2, 16), Rgb(Blend(RGBColor(200, 100, 40), clBlack, 75)));
  EXPECT_EQ(img.pixel(3, 16), Rgb(Blend(RGBColor(200, 100, 40), clBlack, 87)));
  EXPECT_EQ(img.pixel(4, 16), qRgb(200, 100, 40));
  EXPECT_EQ(img.pixel(34, 3), Rgb(Blend(RGBColor(200, 100, 40), clBlack, 87)));
}

TEST(TColorPreview, HalfOpaqueRedShowsPinkWithCheckerboard) {
  TColorPreview swatch;
  swatch.SetColor(clRed);
  swatch.SetOpacity(50);
  const QImage img = swatch.Render();
  const QRgb pink = qRgb(255, 128, 128), block = qRgb(224, 96, 96);
  EXPECT_EQ(img.pixel(0, 0), Rgb(clBtnShadow));
  EXPECT_EQ(img.pixel(3, 3), pink);    // cell row 0, column 0
  EXPECT_EQ(img.pixel(8, 3), block);   // row 0, column 1
  EXPECT_EQ(img.pixel(3, 8), block);   // row 1, column 0
  EXPECT_EQ(img.pixel(8, 8), pink);    // row 1, column 1
  EXPECT_EQ(img.pixel(7, 0), Rgb(clBtnShadow));  // the frame is not covered
  EXPECT_EQ(img.pixel(67, 8), Rgb(clBtnShadow));

  swatch.SetBlockSize(4);
  const QImage small = swatch.Render();
  EXPECT_EQ(small.pixel(5, 2), block);
  EXPECT_EQ(small.pixel(5, 5), pink);
}

TEST(TColorPreview, NoColourIsWhiteAndSilver) {
  TColorPreview swatch;
  swatch.SetColor(clNone);
  const QImage img = swatch.Render();
  EXPECT_EQ(img.pixel(3, 3), qRgb(255, 255, 255));
  EXPECT_EQ(img.pixel(8, 3), qRgb(192, 192, 192));
  swatch.SetColor(clBlue);
  swatch.SetOpacity(0);
  const QImage clear = swatch.Render();
  EXPECT_EQ(clear.pixel(3, 3), qRgb(255, 255, 255));
  EXPECT_EQ(clear.pixel(8, 3), qRgb(192, 192, 192));
}

TEST(TColorPreview, ChangeEventsFireOnlyForNewValues) {
  TColorPreview swatch;
  int colours = 0, opacities = 0;
  swatch.OnColorChange = [&] { ++colours; };
  swatch.OnOpacityChange = [&] { ++opacities; };
  swatch.SetColor(clWhite);
  EXPECT_EQ(colours, 0);
  swatch.SetColor(clRed);
  swatch.SetColor(clRed);
  EXPECT_EQ(colours, 1);
  swatch.SetOpacity(100);
  swatch.SetOpacity(40);
  swatch.SetOpacity(40);
  EXPECT_EQ(opacities, 1);
}

TEST(TColorPreview, PaintsWhatItRendersAndReportsMouseDown) {
  TColorPreview swatch;
  swatch.SetColor(clGreen);
  swatch.SetSwatchStyle(true);
  EXPECT_EQ(swatch.grab().toImage().convertToFormat(QImage::Format_RGB32),
            swatch.Render().convertToFormat(QImage::Format_RGB32));
  int presses = 0;
  swatch.OnMouseDown = [&](Qt::MouseButton button, QPoint) {
    if (button == Qt::LeftButton) ++presses;
  };
  QTest::mousePress(&swatch, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseRelease(&swatch, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(presses, 1);
}

TEST(WebColors, TablesAndLookups) {
  const auto& bytes = WebSafeBytes();
  EXPECT_EQ(bytes[0], 0);
  EXPECT_EQ(bytes[25], 0);
  EXPECT_EQ(bytes[26], 51);
  EXPECT_EQ(bytes[128], 153);
  EXPECT_EQ(bytes[255], 255);
  EXPECT_EQ(WebSafeColor(RGBColor(30, 130, 250)), RGBColor(51, 153, 255));

  EXPECT_EQ(WebNamedColors().size(), 140u);
  EXPECT_EQ(WebSafeColors().size(), 216u);
  EXPECT_EQ(WebBasicColors().size(), 16u);
  EXPECT_STREQ(WebSafeColors()[1].Name, "#000033");
  EXPECT_EQ(WebSafeColors()[215].Color, clWhite);

  EXPECT_EQ(WebColorFromName("CornflowerBlue"), RGBColor(100, 149, 237));
  EXPECT_EQ(WebColorFromName("tomato"), RGBColor(255, 99, 71));
  EXPECT_EQ(WebColorFromName("Maroon"), clMaroon);
  EXPECT_EQ(WebColorFromName("clBtnFace"), clBtnFace);
  EXPECT_EQ(WebColorFromName("#6495ED"), RGBColor(100, 149, 237));
  EXPECT_EQ(WebColorFromName("ff0000"), clRed);
  EXPECT_EQ(WebColorFromName("#12345G"), std::nullopt);
  EXPECT_EQ(WebColorFromName("Plaid"), std::nullopt);

  EXPECT_EQ(WebColorName(clAqua), "Aqua");
  EXPECT_EQ(WebColorName(RGBColor(255, 99, 71)), "Tomato");
  EXPECT_EQ(WebColorName(clBtnShadow), "clBtnShadow");
  EXPECT_EQ(WebColorName(RGBColor(1, 2, 3)), "#010203");
  EXPECT_EQ(WebColorCode(RGBColor(100, 149, 237)), "#6495ED");
}
