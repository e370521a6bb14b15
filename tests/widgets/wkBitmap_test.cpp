// The kit's 24-bit picture: memory layout, change reports, transparent drawing, the
// colour operations the image buttons use, and the imager's effects.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>

#include "platform/Random.h"
#include "widgets/wkBitmap.h"

namespace {

// A picture filled with one colour.
void Fill(TwkBitmap& b, int w, int h, TColor c) {
  b.SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, c);
}

std::uint32_t LE32(const QByteArray& d, int at) {
  return std::uint8_t(d[at]) | (std::uint8_t(d[at + 1]) << 8) | (std::uint8_t(d[at + 2]) << 16) |
         (std::uint32_t(std::uint8_t(d[at + 3])) << 24);
}

}  // namespace

TEST(TwkBitmapLayout, RowsArePaddedToFourBytes) {
  const int expected[][2] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {67, 204}, {103, 312}};
  for (const auto& [width, bytes] : expected) {
    TwkBitmap b;
    b.SetSize(width, 3);
    EXPECT_EQ(b.RowSize(), bytes) << "width " << width;
    EXPECT_EQ(b.ScanLine(1) - b.ScanLine(0), bytes) << "width " << width;
    EXPECT_EQ(b.ScanLine(2) - b.ScanLine(0), 2 * bytes);
  }
}

TEST(TwkBitmapLayout, PixelsAreBlueGreenRedTopRowFirst) {
  TwkBitmap b;
  b.SetSize(2, 2);
  b.SetPixel(1, 0, RGBColor(10, 20, 30));
  const std::uint8_t* row0 = b.ScanLine(0);
  EXPECT_EQ(row0[3], 30);
  EXPECT_EQ(row0[4], 20);
  EXPECT_EQ(row0[5], 10);
  // Painting through the canvas lands in the same bytes.
  {
    QPainter p(&b.Canvas());
    p.fillRect(QRect(0, 1, 1, 1), QColor(1, 2, 3));
  }
  EXPECT_EQ(b.Pixel(0, 1), RGBColor(1, 2, 3));
  EXPECT_EQ(b.ScanLine(1)[0], 3);
}

TEST(TwkBitmapLayout, SizeChangesAndChangeReports) {
  TwkBitmap b;
  int changes = 0;
  b.OnChange = [&] { ++changes; };
  int linked = 0;
  const int link = b.AddChangeLink([&] { ++linked; });
  EXPECT_TRUE(b.Empty());
  b.SetSize(4, 3);
  EXPECT_FALSE(b.Empty());
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(linked, 1);
  b.SetPixel(0, 0, clWhite);
  b.SetSize(4, 3);  // same size: nothing recreated, nothing reported
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(b.Pixel(0, 0), clWhite);
  b.RemoveChangeLink(link);
  b.GaussianBlur(3);  // several passes, one report
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(linked, 1);
  b.SetSize(0, 5);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Width(), 0);
  b.SetSize(-1, 5);
  EXPECT_TRUE(b.Empty());
}

TEST(TwkBitmapLayout, WidthThenHeightMakesAPicture) {
  TwkBitmap b;
  int changes = 0;
  b.OnChange = [&] { ++changes; };
  b.SetWidth(10);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(changes, 0);
  b.SetHeight(5);
  ASSERT_FALSE(b.Empty());
  EXPECT_EQ(b.Width(), 10);
  EXPECT_EQ(b.Height(), 5);
  EXPECT_EQ(changes, 1);
  b.SetHeight(0);  // empty again, the width still remembered
  EXPECT_TRUE(b.Empty());
  b.SetHeight(2);
  EXPECT_EQ(b.Width(), 10);
  EXPECT_FALSE(b.Empty());
}

TEST(TwkBitmapLayout, ResizeStretchesThePicture) {
  TwkBitmap b;
  Fill(b, 2, 1, clRed);
  b.SetPixel(1, 0, clBlue);
  b.Resize(4, 2);
  ASSERT_EQ(b.Width(), 4);
  EXPECT_EQ(b.Pixel(0, 1), clRed);
  EXPECT_EQ(b.Pixel(1, 1), clRed);
  EXPECT_EQ(b.Pixel(2, 0), clBlue);
  EXPECT_EQ(b.Pixel(3, 1), clBlue);
}

TEST(TwkBitmapFiles, PaletteBitmapLoadsAsTwentyFourBit) {
  QImage indexed(3, 2, QImage::Format_Indexed8);
  indexed.setColorTable({qRgb(255, 0, 0), qRgb(12, 34, 56), qRgb(200, 100, 50)});
  indexed.fill(0);
  indexed.setPixel(1, 0, 1);
  indexed.setPixel(2, 1, 2);
  QByteArray file;
  QBuffer buffer(&file);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(indexed.save(&buffer, "BMP"));
  ASSERT_TRUE(file.startsWith("BM"));

  TwkBitmap b;
  ASSERT_TRUE(b.LoadFromData(file));
  EXPECT_EQ(b.Width(), 3);
  EXPECT_EQ(b.Height(), 2);
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(255, 0, 0));
  EXPECT_EQ(b.Pixel(1, 0), RGBColor(12, 34, 56));
  EXPECT_EQ(b.Pixel(2, 1), RGBColor(200, 100, 50));

  const QByteArray saved = b.SaveToData();
  ASSERT_TRUE(saved.startsWith("BM"));
  EXPECT_EQ(saved[28], 24);                         // bits per pixel
  EXPECT_EQ(LE32(saved, 2), uint32_t(54 + 2 * 12));  // file size: rows of 12 bytes
  QImage back;
  ASSERT_TRUE(back.loadFromData(saved, "BMP"));
  EXPECT_EQ(back.pixel(1, 0), qRgb(12, 34, 56));
  EXPECT_EQ(back.pixel(2, 1), qRgb(200, 100, 50));
}

TEST(TwkBitmapFiles, DamagedDataLeavesThePictureAlone) {
  TwkBitmap b;
  Fill(b, 2, 2, clGreen);
  EXPECT_FALSE(b.LoadFromData(QByteArray("BM\x10\x00garbage", 11)));
  EXPECT_FALSE(b.LoadFromData(QByteArray("\x89PNG....")));
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Pixel(1, 1), clGreen);
  TwkBitmap empty;
  EXPECT_TRUE(empty.SaveToData().isEmpty());
}

TEST(TwkBitmapDrawing, TransparentPixelsAreLeftOut) {
  TwkBitmap src;
  Fill(src, 2, 2, clRed);
  src.SetPixel(1, 1, clBlue);
  src.SetTransparentColor(clRed);
  src.SetTransparent(true);

  QImage target(4, 4, QImage::Format_RGB32);
  target.fill(Qt::green);
  {
    QPainter p(&target);
    src.Draw(p, QRect(1, 1, 2, 2));
  }
  EXPECT_EQ(target.pixel(1, 1), qRgb(0, 255, 0));
  EXPECT_EQ(target.pixel(2, 2), qRgb(0, 0, 255));

  // Stretched: whole pixels repeated, the key colour still left out.
  target.fill(Qt::green);
  {
    QPainter p(&target);
    src.Draw(p, QRect(0, 0, 4, 4));
  }
  EXPECT_EQ(target.pixel(1, 1), qRgb(0, 255, 0));
  EXPECT_EQ(target.pixel(2, 2), qRgb(0, 0, 255));
  EXPECT_EQ(target.pixel(3, 3), qRgb(0, 0, 255));
  EXPECT_EQ(target.pixel(3, 1), qRgb(0, 255, 0));

  // Opaque: the key colour is drawn like any other.
  src.SetTransparent(false);
  {
    QPainter p(&target);
    src.Draw(p, QRect(0, 0, 2, 2));
  }
  EXPECT_EQ(target.pixel(0, 0), qRgb(255, 0, 0));

  // An empty picture draws nothing.
  TwkBitmap empty;
  target.fill(Qt::green);
  {
    QPainter p(&target);
    empty.Draw(p, QRect(0, 0, 4, 4));
  }
  EXPECT_EQ(target.pixel(0, 0), qRgb(0, 255, 0));
}

TEST(TwkBitmapDrawing, TileCoversTheRectangleFromItsCorner) {
  TwkBitmap src;
  Fill(src, 2, 1, clRed);
  src.SetPixel(1, 0, clBlue);
  QImage target(6, 3, QImage::Format_RGB32);
  target.fill(Qt::black);
  {
    QPainter p(&target);
    src.Tile(p, QRect(1, 1, 5, 2));
  }
  EXPECT_EQ(target.pixel(0, 1), qRgb(0, 0, 0));
  EXPECT_EQ(target.pixel(1, 1), qRgb(255, 0, 0));
  EXPECT_EQ(target.pixel(2, 2), qRgb(0, 0, 255));
  EXPECT_EQ(target.pixel(5, 2), qRgb(255, 0, 0));
  EXPECT_EQ(target.pixel(3, 0), qRgb(0, 0, 0));
}

TEST(TwkBitmapColours, TintMovesEveryChannelExceptTheKeyColour) {
  TwkBitmap b;
  Fill(b, 3, 1, RGBColor(100, 150, 250));
  b.SetPixel(2, 0, clRed);
  b.Tint(192, 192, 192);
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(100, 150, 250));
  EXPECT_EQ(b.Pixel(2, 0), clRed);  // no key colour: every pixel, red unchanged by 192

  b.SetTransparentColor(clRed);
  b.Tint(239, 92, 0);  // +47, -100, -192
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(147, 50, 58));
  EXPECT_EQ(b.Pixel(2, 0), clRed);

  b.Tint(0, 0, 255);  // clamped at both ends
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(0, 0, 121));
  b.Tint(255, 255, 255);
  b.Tint(255, 255, 255);
  b.Tint(255, 255, 255);
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(189, 189, 255));
}

TEST(TwkBitmapColours, ReplaceColourChangesExactMatchesOnly) {
  TwkBitmap b;
  Fill(b, 2, 2, clRed);
  b.SetPixel(1, 0, RGBColor(254, 0, 0));
  int changes = 0;
  b.OnChange = [&] { ++changes; };
  b.ReplaceColor(clBlack, clRed);
  EXPECT_EQ(b.Pixel(0, 0), clBlack);
  EXPECT_EQ(b.Pixel(1, 1), clBlack);
  EXPECT_EQ(b.Pixel(1, 0), RGBColor(254, 0, 0));
  EXPECT_EQ(changes, 1);
}

TEST(TwkBitmapEffects, ChannelRules) {
  TwkBitmap b;
  Fill(b, 1, 1, RGBColor(200, 20, 10));
  b.GrayScale();  // 10/3 + 20/3 + 200/3, each third apart
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(75, 75, 75));
  b.Invert();
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(180, 180, 180));

  Fill(b, 1, 1, RGBColor(100, 0, 255));
  b.Lightness(128);  // c + (255 - c) * 128 / 256
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(177, 127, 255));
  Fill(b, 1, 1, RGBColor(100, 0, 255));
  b.Lightness(-64);  // c - c * 64 / 256
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(75, 0, 192));

  Fill(b, 1, 1, RGBColor(100, 127, 200));
  b.Contrast(128);  // 100 - 28*128/256; 127 + 1*128/256; 200 + 72*128/256
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(86, 127, 236));

  Fill(b, 1, 1, RGBColor(90, 30, 60));
  b.Saturation(256);
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(90, 30, 60));
  b.Saturation(0);
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(60, 60, 60));

  Fill(b, 1, 1, RGBColor(90, 30, 250));
  b.ColorShift(-100, 10, 10);
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(0, 40, 255));
}

TEST(TwkBitmapEffects, FlipsAndRotation) {
  TwkBitmap b;
  Fill(b, 3, 2, clBlack);
  b.SetPixel(0, 0, clRed);
  b.FlipHorizontal();
  EXPECT_EQ(b.Pixel(2, 0), clRed);
  EXPECT_EQ(b.Pixel(0, 0), clBlack);
  b.FlipVertical();
  EXPECT_EQ(b.Pixel(2, 1), clRed);
  EXPECT_EQ(b.Pixel(2, 0), clBlack);

  // A half turn about the centre of a 3 x 3 picture swaps opposite corners.
  Fill(b, 3, 3, clBlack);
  b.SetPixel(0, 0, clRed);
  b.SetPixel(2, 2, clBlue);
  b.Rotate(1, 1, 180);
  EXPECT_EQ(b.Pixel(2, 2), clRed);
  EXPECT_EQ(b.Pixel(0, 0), clBlue);
  // Uncovered pixels take the top-left pixel's colour.
  Fill(b, 4, 2, clGreen);
  b.SetPixel(0, 0, clRed);
  b.Rotate(-1, -1, 90);
  EXPECT_EQ(b.Pixel(0, 0), clRed);
  EXPECT_EQ(b.Pixel(3, 1), clRed);
}

TEST(TwkBitmapEffects, FiltersKeepFlatAreasAndWorkOnEdges) {
  TwkBitmap b;
  Fill(b, 5, 5, RGBColor(80, 90, 100));
  b.GaussianBlur(2);
  EXPECT_EQ(b.Pixel(2, 2), RGBColor(80, 90, 100));
  b.Sharpen(1);
  EXPECT_EQ(b.Pixel(0, 4), RGBColor(80, 90, 100));
  b.Emboss();
  EXPECT_EQ(b.Pixel(4, 4), RGBColor(128, 128, 128));

  // Distance 0 sharpens nothing and returns; -1 is the same ring as 1.
  TwkBitmap minus;
  for (TwkBitmap* s : {&b, &minus}) {
    Fill(*s, 3, 3, RGBColor(60, 60, 60));
    s->SetPixel(1, 1, RGBColor(100, 100, 100));
  }
  b.Sharpen(0);
  EXPECT_EQ(b.Pixel(1, 1), RGBColor(100, 100, 100));
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(60, 60, 60));
  b.Sharpen(1);
  minus.Sharpen(-1);
  EXPECT_EQ(GetRValue(minus.Pixel(1, 1)), (256 * 100 - 16 * 8 * 60) / 128);
  EXPECT_EQ(minus.ToImage(), b.ToImage());

  // A bright column blurs into its neighbours.
  Fill(b, 5, 5, clBlack);
  for (int y = 0; y < 5; ++y) b.SetPixel(3, y, clWhite);
  b.BlurStep(1);
  EXPECT_GT(GetRValue(b.Pixel(2, 2)), 0);
  EXPECT_LT(GetRValue(b.Pixel(2, 2)), 255);

  // A sponge only takes colours that were already there.
  Random::Seed(7);
  Fill(b, 6, 6, clBlack);
  b.SetPixel(3, 3, clWhite);
  b.Sponge(2);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) {
      const TColor c = b.Pixel(x, y);
      EXPECT_TRUE(c == clBlack || c == clWhite);
    }
}

TEST(TwkBitmapEffects, AlphaBlend) {
  TwkBitmap b, other;
  Fill(b, 2, 1, RGBColor(0, 0, 0));
  Fill(other, 2, 1, RGBColor(200, 100, 0));
  other.SetPixel(1, 0, clFuchsia);
  other.SetTransparentColor(clFuchsia);
  b.AlphaBlend(other, 128, true);
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(100, 50, 0));
  EXPECT_EQ(b.Pixel(1, 0), RGBColor(0, 0, 0));

  TwkBitmap wrong;
  Fill(wrong, 3, 1, clWhite);
  try {
    b.AlphaBlend(wrong, 128, false);
    FAIL() << "no error for pictures of different sizes";
  } catch (const EwkBitmapError& e) {
    EXPECT_STREQ(e.what(), "In Alpha Blend, Blend Bitmap must be same dimensions as Current Bitmap");
  }
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(100, 50, 0));
}

TEST(TwkBitmapEffects, SavedCopyRestoresPixelsAndSize) {
  TwkBitmap b;
  Fill(b, 3, 2, clTeal);
  b.SaveCopy();
  b.SetSize(7, 7);
  b.Invert();
  b.RestoreCopy();
  EXPECT_EQ(b.Width(), 3);
  EXPECT_EQ(b.Height(), 2);
  EXPECT_EQ(b.Pixel(2, 1), clTeal);
  // The canvas follows the restored pixels.
  {
    QPainter p(&b.Canvas());
    p.fillRect(QRect(0, 0, 1, 1), Qt::white);
  }
  EXPECT_EQ(b.Pixel(0, 0), clWhite);
}

TEST(TwkBitmapAssign, CopiesPixelsAndTransparency) {
  TwkBitmap a;
  Fill(a, 2, 2, clOlive);
  a.SetTransparentColor(clOlive);
  a.SetTransparent(true);
  TwkBitmap b;
  int changes = 0;
  b.OnChange = [&] { ++changes; };
  b.Assign(a);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(b.Pixel(1, 1), clOlive);
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.TransparentColor(), clOlive);
  b.Assign(QImage());
  EXPECT_TRUE(b.Empty());
}
