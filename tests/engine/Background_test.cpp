#include <gtest/gtest.h>

#include <QPainter>
#include <QWidget>

#include "engine/Background.h"

namespace {

// The store's default gradient colours, as the game windows pass them.
constexpr TColor Start = 0x00008800;
constexpr TColor End = 0x00002400;

QRgb Rgb(TColor c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }
QRgb Green(int g) { return qRgb(0, g, 0); }

struct TTable {
  QWidget Form;
  TzBackground* Background;
  explicit TTable(QSize client) {
    Form.resize(client);
    Background = new TzBackground(&Form);
    Background->Loaded();
  }
  // What the window shows: the background painted through its paint event.
  QImage Shown() { return Form.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

}  // namespace

TEST(Background, VerticalGradientBandsAndRows) {
  TTable t(QSize(672, 491));
  t.Background->SetBackType(btBlend);
  t.Background->SetFillType(gVert);
  t.Background->SetColor(Start);
  t.Background->SetEndColor(End);
  const QImage shown = t.Shown();
  const QImage& cache = t.Background->BackBuffer();
  ASSERT_EQ(cache.size(), QSize(672, 491));
  for (const QImage* img : {&shown, &cache}) {
    EXPECT_EQ(img->pixel(0, 0), Rgb(Start));
    EXPECT_EQ(img->pixel(671, 3), Green(136));  // bands 0 and 1 take rows 0..3
    EXPECT_EQ(img->pixel(0, 4), Green(135));    // band 2 starts at row 4
    EXPECT_EQ(img->pixel(300, 244), Green(86));  // band 127: rows 244, 245
    EXPECT_EQ(img->pixel(300, 245), Green(86));
    EXPECT_EQ(img->pixel(300, 490), Rgb(End));
    // Every row is one colour across.
    EXPECT_EQ(img->pixel(0, 300), img->pixel(671, 300));
  }
}

TEST(Background, HorizontalGradientColumns) {
  TTable t(QSize(672, 491));
  t.Background->SetBackType(btBlend);
  t.Background->SetFillType(gHorz);
  t.Background->SetColor(Start);
  t.Background->SetEndColor(End);
  const QImage shown = t.Shown();
  EXPECT_EQ(shown.pixel(0, 0), Rgb(Start));
  EXPECT_EQ(shown.pixel(4, 490), Green(136));  // band 1: columns 3, 4
  EXPECT_EQ(shown.pixel(5, 0), Green(135));    // band 2 starts at column 5
  EXPECT_EQ(shown.pixel(669, 200), Rgb(End));  // band 255: columns 669..671
  EXPECT_EQ(shown.pixel(671, 200), Rgb(End));
  EXPECT_EQ(t.Background->BackBuffer().pixel(5, 0), Green(135));
}

TEST(Background, TwoHundredFiftyFiveBandsGiveTwoHundredFiftySixColoursEndToEnd) {
  TTable t(QSize(40, 512));
  t.Background->SetBackType(btBlend);
  t.Background->SetFillType(gVert);
  t.Background->SetColor(RGBColor(0, 0, 0));
  t.Background->SetEndColor(RGBColor(255, 0, 0));
  t.Shown();
  const QImage& cache = t.Background->BackBuffer();
  for (int i = 0; i <= 255; ++i) {
    ASSERT_EQ(cache.pixel(20, 2 * i), qRgb(i, 0, 0)) << "band " << i;
    ASSERT_EQ(cache.pixel(20, 2 * i + 1), qRgb(i, 0, 0)) << "band " << i;
  }
}

TEST(Background, RadialFrames) {
  {
    // 300 x 200 with 255 bands: 100 frames one pixel wide and high.
    TTable t(QSize(300, 200));
    t.Background->SetBackType(btBlend);
    t.Background->SetFillType(gRadial);
    t.Background->SetColor(Start);
    t.Background->SetEndColor(End);
    const QImage shown = t.Shown();
    EXPECT_EQ(shown.pixel(0, 0), Green(136));
    EXPECT_EQ(shown.pixel(299, 199), Green(136));
    EXPECT_EQ(shown.pixel(5, 100), Green(131));    // frame 5
    EXPECT_EQ(shown.pixel(10, 50), Green(126));    // frame 10
    EXPECT_EQ(shown.pixel(150, 100), Green(37));   // frame 99, the innermost
    EXPECT_EQ(shown.pixel(150, 99), Green(37));
  }
  {
    // 10 bands on 200 x 100: frames 10 pixels wide and 5 high.
    TTable t(QSize(200, 100));
    t.Background->SetBackType(btBlend);
    t.Background->SetFillType(gRadial);
    t.Background->SetBands(10);
    t.Background->SetColor(Start);
    t.Background->SetEndColor(End);
    t.Shown();
    const QImage& cache = t.Background->BackBuffer();
    EXPECT_EQ(cache.pixel(15, 2), Green(136));   // frame 0's top strip spans the width
    EXPECT_EQ(cache.pixel(5, 50), Green(136));   // frame 0's left strip
    EXPECT_EQ(cache.pixel(15, 50), Green(126));  // frame 1's left strip
    EXPECT_EQ(cache.pixel(100, 7), Green(126));  // frame 1's top strip
    EXPECT_EQ(cache.pixel(100, 50), Green(46));  // frame 9
  }
}

TEST(Background, TiledPictureStartsAtTheTopLeft) {
  TTable t(QSize(100, 50));
  QImage tile(30, 20, QImage::Format_RGB32);
  tile.fill(Qt::white);
  tile.setPixel(0, 0, qRgb(255, 0, 0));
  tile.setPixel(29, 19, qRgb(0, 0, 255));
  t.Background->SetBitMap(tile);
  const QImage shown = t.Shown();
  for (const QImage* img : {&shown, &t.Background->BackBuffer()}) {
    EXPECT_EQ(img->pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(img->pixel(60, 40), qRgb(255, 0, 0));
    EXPECT_EQ(img->pixel(90, 20), qRgb(255, 0, 0));  // the last column is cut off
    EXPECT_EQ(img->pixel(89, 39), qRgb(0, 0, 255));
    EXPECT_EQ(img->pixel(61, 40), qRgb(255, 255, 255));
  }
}

TEST(Background, WindowColourShowsWithoutAPictureAndTheCacheKeepsItsContent) {
  TTable t(QSize(120, 80));
  QPalette pal = t.Form.palette();
  pal.setColor(QPalette::Window, QColor(10, 20, 30));
  t.Form.setPalette(pal);

  t.Background->SetBackType(btBlend);
  t.Background->SetColor(Start);
  t.Background->SetEndColor(Start);
  t.Shown();
  ASSERT_EQ(t.Background->BackBuffer().pixel(60, 40), Rgb(Start));

  t.Background->SetBackType(btBitmap);  // no picture
  EXPECT_EQ(t.Shown().pixel(60, 40), qRgb(10, 20, 30));
  EXPECT_EQ(t.Background->BackBuffer().pixel(60, 40), Rgb(Start));

  t.Background->SetBackType(btNormal);
  EXPECT_EQ(t.Shown().pixel(5, 5), qRgb(10, 20, 30));
  EXPECT_EQ(t.Background->BackBuffer().pixel(5, 5), Rgb(Start));
}

TEST(Background, PaintAndResizeEventsAndTheCacheFollowsTheClientSize) {
  TTable t(QSize(200, 100));
  t.Background->SetBackType(btBlend);
  int resizes = 0;
  int paints = 0;
  t.Background->OnResize = [&](TzBackground*) { ++resizes; };
  t.Background->OnPaint = [&](TzBackground* sender, QPainter* canvas) {
    EXPECT_EQ(sender, t.Background);
    ASSERT_NE(canvas, nullptr);
    canvas->fillRect(0, 0, 1, 1, Qt::yellow);  // drawn over the background
    ++paints;
  };
  EXPECT_EQ(t.Background->BackBuffer().size(), QSize(100, 100));  // before the first paint
  t.Form.show();
  resizes = 0;
  t.Form.resize(250, 140);
  EXPECT_EQ(resizes, 1);
  paints = 0;
  const QImage shown = t.Shown();
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(shown.pixel(0, 0), qRgb(255, 255, 0));
  EXPECT_EQ(t.Background->BackBuffer().size(), QSize(250, 140));
}

TEST(Background, LoadedNeedsAWindowAmongItsOwners) {
  QObject owner;
  auto* orphan = new TzBackground(&owner);
  try {
    orphan->Loaded();
    FAIL() << "no exception";
  } catch (const EComponentError& e) {
    EXPECT_STREQ(e.what(), "NoForm");
  }

  QWidget window;
  QWidget child(&window);
  auto* inner = new TzBackground(&child);
  inner->Loaded();
  EXPECT_EQ(inner->GetOwnerForm(), &window);
}
