// The imager: its effects reach the shown picture, and each draw style puts the picture
// where it belongs.

#include <gtest/gtest.h>

#include <QPainter>

#include "widgets/wkImager.h"

namespace {

// 40 x 20: red, with a blue top-left pixel.
QImage Picture() {
  QImage img(40, 20, QImage::Format_RGB32);
  img.fill(qRgb(255, 0, 0));
  img.setPixel(0, 0, qRgb(0, 0, 255));
  return img;
}

QRgb Shown(TwkCustomImager& imager, int x, int y) {
  return imager.grab().toImage().pixel(x, y);
}

}  // namespace

TEST(TwkCustomImager, DrawStylesPlaceThePicture) {
  TwkCustomImager imager;
  ASSERT_EQ(imager.size(), QSize(100, 100));
  imager.SetPicture(Picture());

  EXPECT_EQ(imager.TargetRect(), QRect(0, 0, 40, 20));
  EXPECT_EQ(Shown(imager, 0, 0), qRgb(0, 0, 255));
  EXPECT_EQ(Shown(imager, 39, 19), qRgb(255, 0, 0));
  EXPECT_NE(Shown(imager, 40, 19), qRgb(255, 0, 0));

  imager.SetDrawStyle(wkdsCenter);
  EXPECT_EQ(imager.TargetRect(), QRect(30, 40, 40, 20));
  EXPECT_EQ(Shown(imager, 30, 40), qRgb(0, 0, 255));

  imager.SetDrawStyle(wkdsStretch);
  EXPECT_EQ(imager.TargetRect(), QRect(0, 0, 100, 100));
  EXPECT_EQ(Shown(imager, 1, 4), qRgb(0, 0, 255));  // one picture pixel is 2.5 x 5
  EXPECT_EQ(Shown(imager, 99, 99), qRgb(255, 0, 0));

  imager.SetDrawStyle(wkdsProportional);
  EXPECT_EQ(imager.TargetRect(), QRect(0, 0, 100, 50));
  imager.SetDrawStyle(wkdsCenterProportional);
  EXPECT_EQ(imager.TargetRect(), QRect(0, 25, 100, 50));
  EXPECT_EQ(Shown(imager, 1, 26), qRgb(0, 0, 255));

  // Tiled, the working picture covers the control, repeating from the corner.
  imager.SetDrawStyle(wkdsTile);
  EXPECT_EQ(imager.Bitmap().Width(), 100);
  EXPECT_EQ(imager.Bitmap().Height(), 100);
  EXPECT_EQ(Shown(imager, 40, 20), qRgb(0, 0, 255));
  EXPECT_EQ(Shown(imager, 80, 80), qRgb(0, 0, 255));
  EXPECT_EQ(Shown(imager, 81, 80), qRgb(255, 0, 0));
  imager.resize(50, 30);
  EXPECT_EQ(imager.Bitmap().Width(), 50);
}

TEST(TwkCustomImager, EffectsRebuildTheShownPicture) {
  TwkCustomImager imager;
  imager.SetPicture(Picture());
  TwkBitmapOptions& options = imager.BitmapOptions();

  options.SetGrayScale(true);  // red: 255 / 3
  EXPECT_EQ(imager.Bitmap().Pixel(10, 10), RGBColor(85, 85, 85));
  EXPECT_EQ(Shown(imager, 10, 10), qRgb(85, 85, 85));
  options.SetInverted(true);
  EXPECT_EQ(imager.Bitmap().Pixel(10, 10), RGBColor(170, 170, 170));
  options.SetGrayScale(false);
  options.SetInverted(false);
  EXPECT_EQ(imager.Bitmap().Pixel(10, 10), RGBColor(255, 0, 0));

  options.SetHorizontallyFlipped(true);
  EXPECT_EQ(imager.Bitmap().Pixel(39, 0), RGBColor(0, 0, 255));
  options.SetVerticallyFlipped(true);
  EXPECT_EQ(imager.Bitmap().Pixel(39, 19), RGBColor(0, 0, 255));
  options.SetHorizontallyFlipped(false);
  options.SetVerticallyFlipped(false);

  options.SetTintColor(RGBColor(192, 242, 192));
  EXPECT_EQ(imager.Bitmap().Pixel(10, 10), RGBColor(255, 50, 0));
  options.SetTintColor(clNone);

  // A blend picture of another size is left out rather than failing the paint.
  TwkBitmap other;
  other.SetSize(5, 5);
  options.SetAlphaBlend({128, &other, false});
  EXPECT_EQ(imager.Bitmap().Pixel(10, 10), RGBColor(255, 0, 0));
  other.SetSize(40, 20);  // black
  options.SetAlphaBlend({255, &other, false});
  EXPECT_EQ(imager.Bitmap().Pixel(10, 10), RGBColor(0, 0, 0));
}

TEST(TwkCustomImager, NoPictureShowsTheBackground) {
  TwkCustomImager imager;
  imager.BitmapOptions().SetColor(RGBColor(10, 20, 30));
  EXPECT_TRUE(imager.Bitmap().Empty());
  EXPECT_EQ(Shown(imager, 50, 50), qRgb(10, 20, 30));
}
