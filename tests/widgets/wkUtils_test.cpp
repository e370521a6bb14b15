// The kit's shared routines: fitting, glyph/caption layout, field and accelerator
// helpers, colour changes, regions and the collection base.

#include <gtest/gtest.h>

#include <QPainter>

#include "widgets/wkUtils.h"

namespace {

TEST(FitRectTest, WideAreaSquareImageSitsTopLeftOrCentred) {
  const QRect area(0, 0, 100, 50);
  EXPECT_EQ(FitRect(area, 1, 1), QRect(0, 0, 50, 50));
  EXPECT_EQ(CenterFitRect(area, 1, 1), QRect(25, 0, 50, 50));
}

TEST(FitRectTest, TallAreaAndOffsetOrigin) {
  const QRect area(10, 20, 50, 101);
  EXPECT_EQ(FitRect(area, 2, 1), QRect(10, 20, 50, 25));
  // spare height 76, half of it truncated
  EXPECT_EQ(CenterFitRect(area, 2, 1), QRect(10, 58, 50, 25));
  // the width limits: height 50 * 3 / 4 = 37.5, truncated
  EXPECT_EQ(FitRect(area, 4, 3), QRect(10, 20, 50, 37));
}

TEST(FitRectTest, DegenerateInputGivesEmptyRectAtCorner) {
  EXPECT_EQ(FitRect(QRect(5, 5, 100, 50), 0, 10).size(), QSize(0, 0));
  EXPECT_EQ(FitRect(QRect(5, 5, 100, 50), 10, 0).topLeft(), QPoint(5, 5));
  EXPECT_EQ(FitRect(QRect(5, 5, 0, 50), 1, 1).size(), QSize(0, 0));
}

TEST(ButtonLayoutTest, FourLayoutsAroundOneCentre) {
  const QPoint centre(50, 40);
  const QSize glyph(16, 16), caption(30, 13);
  QRect c, g;
  ButtonLayout(centre, glyph, caption, 4, blGlyphLeft, &c, &g);
  EXPECT_EQ(g, QRect(25, 32, 16, 16));  // y: 40 - 17/2, the glyph counting one pixel more
  EXPECT_EQ(c, QRect(45, 34, 30, 13));
  ButtonLayout(centre, glyph, caption, 4, blGlyphRight, &c, &g);
  EXPECT_EQ(c, QRect(25, 34, 30, 13));
  EXPECT_EQ(g, QRect(59, 32, 16, 16));
  ButtonLayout(centre, glyph, caption, 4, blGlyphTop, &c, &g);
  EXPECT_EQ(g, QRect(42, 23, 16, 16));  // extent 17 + 13 + 4 = 34
  EXPECT_EQ(c, QRect(35, 44, 30, 13));
  ButtonLayout(centre, glyph, caption, 4, blGlyphBottom, &c, &g);
  EXPECT_EQ(c, QRect(35, 23, 30, 13));
  EXPECT_EQ(g, QRect(42, 40, 16, 16));
}

TEST(ButtonLayoutTest, NoGlyphShrinksSpacingAndOutputsAreOptional) {
  QRect c, g;
  // spacing (4 - 6) / 2 = -1
  ButtonLayout(QPoint(50, 40), QSize(0, 0), QSize(30, 13), 4, blGlyphLeft, &c, &g);
  EXPECT_EQ(g.topLeft(), QPoint(36, 40));
  EXPECT_EQ(c, QRect(35, 34, 30, 13));
  ButtonLayout(QPoint(50, 40), QSize(16, 16), QSize(30, 13), 4, blGlyphTop, nullptr, &g);
  EXPECT_EQ(g.topLeft(), QPoint(42, 23));
}

TEST(StringHelpersTest, FieldsAndPositions) {
  EXPECT_EQ(FieldCount(QString(), ','), 0);
  EXPECT_EQ(FieldCount("a,b", ','), 2);
  EXPECT_EQ(FieldCount(",", ','), 2);
  EXPECT_EQ(GetField("a,b", ',', 0), "a");
  EXPECT_EQ(GetField("a,b", ',', 1), "b");
  EXPECT_EQ(GetField("a,b", ',', 2), "");
  EXPECT_EQ(GetField("a,,c", ',', 1), "");
  EXPECT_EQ(GetField("a,,c", ',', 2), "c");
  EXPECT_EQ(GetField("a,b", ',', -1), "");

  EXPECT_EQ(CopyRange("Hello", 2, 4), "el");
  EXPECT_EQ(CopyRange("Hello", 2, 0), "ello");
  EXPECT_EQ(CopyRange("Hello", 9, 0), "");
  EXPECT_EQ(PosFrom("l", "Hello", 1), 3);
  EXPECT_EQ(PosFrom("l", "Hello", 4), 4);
  EXPECT_EQ(PosFrom("l", "Hello", 5), 0);
  EXPECT_EQ(NthPos("l", "Hello", 0), 3);
  EXPECT_EQ(NthPos("l", "Hello", 1), 4);
  EXPECT_EQ(NthPos("l", "Hello", 2), 0);
  EXPECT_EQ(NthPos("l", "Hello", -1), 0);
  EXPECT_EQ(ReplaceAll("a-b-c", "-", "+-"), "a+-b+-c");
}

TEST(StringHelpersTest, StripAcceleratorsKeepsOneAmpersandPerPair) {
  EXPECT_EQ(StripAccelerators("&New Game"), "New Game");
  EXPECT_EQ(StripAccelerators("&&a&b"), "&ab");
  EXPECT_EQ(StripAccelerators("a&&&b"), "a&b");
  EXPECT_EQ(StripAccelerators("&b&&"), "b&");
  EXPECT_EQ(StripAccelerators("&"), "");
  EXPECT_EQ(StripAccelerators("&&&&"), "&&");
  EXPECT_EQ(AcceleratorChar("Fish && &Chips"), QChar('C'));
  EXPECT_TRUE(AcceleratorChar("no && key").isNull());
}

TEST(StringHelpersTest, NextTokenReadsWordsQuotesAndDelimiters) {
  const QString s = "  alpha,\"two words\" x";
  int pos = 1;
  QString t;
  ASSERT_TRUE(NextToken(s, pos, toSkipBlanks, t, ","));
  EXPECT_EQ(t, "alpha");
  ASSERT_TRUE(NextToken(s, pos, toSkipBlanks, t, ","));
  EXPECT_EQ(t, ",");  // a delimiter standing alone is a one-character token
  ASSERT_TRUE(NextToken(s, pos, toSkipBlanks | toQuoted | toStripQuotes, t, ","));
  EXPECT_EQ(t, "two words");
  ASSERT_TRUE(NextToken(s, pos, toSkipBlanks, t, ","));
  EXPECT_EQ(t, "x");
  EXPECT_FALSE(NextToken(s, pos, toSkipBlanks, t, ","));
  pos = 1;
  ASSERT_TRUE(NextToken("\"q\" r", pos, toQuoted, t, ""));
  EXPECT_EQ(t, "\"q\"");
}

TEST(ColorHelpersTest, ChangeColorLightensDarkensAndAdds) {
  const TColor c = RGBColor(100, 0, 200);
  EXPECT_EQ(ChangeColor(c, 50, true), RGBColor(177, 127, 227));
  EXPECT_EQ(ChangeColor(c, -50, true), RGBColor(50, 0, 100));
  EXPECT_EQ(ChangeColor(c, 60, false), RGBColor(160, 60, 255));
  EXPECT_EQ(ChangeColor(c, -120, false), RGBColor(0, 0, 80));
}

TEST(ColorHelpersTest, EmptyChannelBesideAFullOneTakesTheAmount) {
  EXPECT_EQ(ChangeColor(RGBColor(255, 0, 0), 40, false), RGBColor(255, 40, 40));
  EXPECT_EQ(ChangeColor(RGBColor(255, 0, 0), 40, true), RGBColor(255, 102, 102));
  // darkening is not affected by the rule
  EXPECT_EQ(ChangeColor(RGBColor(255, 0, 0), -40, true), RGBColor(153, 0, 0));
  EXPECT_EQ(ClampByte(-3), 0);
  EXPECT_EQ(ClampByte(300), 255);
  EXPECT_EQ(ClampByte(17), 17);
}

TEST(ColorHelpersTest, SystemColoursResolveAndBytesSplit) {
  EXPECT_EQ(ColorToRGB(clRed), clRed);
  EXPECT_EQ(ColorToRGB(clBtnFace) & 0xFF000000u, 0u);
  const TColorBytes b = ColorBytes(RGBColor(1, 2, 3));
  EXPECT_EQ(b.R, 1);
  EXPECT_EQ(b.G, 2);
  EXPECT_EQ(b.B, 3);
  EXPECT_EQ(b.A, 0);
  quint32 px[2] = {0xAA112233u, 0x00445566u};
  SwapRedBlue(px, 2);
  EXPECT_EQ(px[0], 0x00332211u);
  EXPECT_EQ(px[1], 0x00665544u);
}

TEST(RegionTest, RunsOfOpaquePixelsBecomeTheRegion) {
  QImage img(6, 3, QImage::Format_RGB32);
  img.fill(QColor(255, 0, 255));
  EXPECT_TRUE(RegionFromBitmap(img, -1).isEmpty());
  img.setPixel(1, 0, qRgb(0, 0, 0));
  img.setPixel(2, 0, qRgb(0, 0, 0));
  img.setPixel(4, 0, qRgb(9, 9, 9));
  img.setPixel(0, 2, qRgb(1, 1, 1));
  const QRegion r = RegionFromBitmap(img, RGBColor(255, 0, 255));
  EXPECT_TRUE(r.contains(QPoint(1, 0)));
  EXPECT_TRUE(r.contains(QPoint(2, 0)));
  EXPECT_FALSE(r.contains(QPoint(3, 0)));
  EXPECT_TRUE(r.contains(QPoint(4, 0)));
  EXPECT_TRUE(r.contains(QPoint(0, 2)));
  EXPECT_FALSE(r.contains(QPoint(0, 1)));
  // -1: the top-left pixel's colour is the transparent one
  img.setPixel(0, 0, qRgb(0, 0, 0));
  EXPECT_FALSE(RegionFromBitmap(img, -1).contains(QPoint(1, 0)));
  EXPECT_TRUE(RegionFromBitmap(QImage(), -1).isEmpty());

  FillOutsideRegion(img, QRegion(QRect(0, 0, 2, 1)), clLime);
  EXPECT_EQ(img.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(img.pixel(4, 0), qRgb(0, 255, 0));
}

TEST(BitmapHelpersTest, TransparentBltSkipsTheKeyColour) {
  QImage src(2, 1, QImage::Format_RGB32);
  src.setPixel(0, 0, qRgb(255, 0, 255));
  src.setPixel(1, 0, qRgb(10, 20, 30));
  QImage dest(4, 2, QImage::Format_RGB32);
  dest.fill(Qt::white);
  {
    QPainter p(&dest);
    TransparentBlt(p, QRect(1, 1, 2, 1), src, -1);
  }
  EXPECT_EQ(dest.pixel(1, 1), qRgb(255, 255, 255));
  EXPECT_EQ(dest.pixel(2, 1), qRgb(10, 20, 30));

  // Off-screen, on a picture and on a translated painter alike.
  for (const QPoint shift : {QPoint(0, 0), QPoint(1, 0)}) {
    QImage target(4, 2, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
      QPainter p(&target);
      p.translate(shift);
      TransparentBlt(p, QRect(QPoint(1, 1) - shift, QSize(2, 1)), src, true, -1);
    }
    EXPECT_EQ(target, dest);
  }
}

TEST(BitmapHelpersTest, ImageListDrawsEnabledAndEmbossedImages) {
  EXPECT_EQ(ImageListColor(clNone), ilNone);
  EXPECT_EQ(ImageListColor(clDefault), ilDefault);
  EXPECT_EQ(ImageListColor(clRed), clRed);
  EXPECT_EQ(ImageListColor(clBtnFace), ColorToRGB(clBtnFace));

  TwkImageList list(3, 2);
  QImage picture(3, 2, QImage::Format_RGB32);
  picture.fill(QColor(255, 0, 255));
  picture.setPixel(1, 0, qRgb(0, 0, 200));
  EXPECT_EQ(list.Add(picture, clFuchsia), 0);
  EXPECT_EQ(list.Add(QImage(6, 4, QImage::Format_RGB32)), 1);  // scaled to the list's size
  EXPECT_EQ(list.Image(1).size(), QSize(3, 2));
  EXPECT_TRUE(list.Image(2).isNull());

  auto draw = [&](bool enabled, unsigned style) {
    QImage canvas(6, 4, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    DrawImage(list, 0, p, enabled, style, 2, 1);
    DrawImage(list, 5, p, enabled, style, 0, 0);  // no such picture: nothing
    return canvas;
  };
  QImage out = draw(true, 0);
  EXPECT_EQ(out.pixel(3, 1), qRgb(0, 0, 200));
  EXPECT_EQ(out.pixel(2, 1), qRgb(255, 255, 255));  // masked out
  EXPECT_EQ(draw(true, 1).pixel(2, 1), qRgb(0, 0, 200));  // one pixel further left

  list.SetBkColor(clYellow);
  list.SetBlendColor(clRed);
  out = draw(true, 0);
  EXPECT_EQ(out.pixel(2, 1), qRgb(255, 255, 0));
  EXPECT_EQ(out.pixel(3, 1), qRgb(127, 0, 100));

  out = draw(false, 0);
  EXPECT_EQ(QColor(out.pixel(3, 1)), ToQColorResolved(clBtnShadow));
  EXPECT_EQ(QColor(out.pixel(4, 2)), ToQColorResolved(clBtnHighlight));
  EXPECT_EQ(out.pixel(2, 1), qRgb(255, 255, 255));
}

TEST(BitmapHelpersTest, DitherAndTile) {
  QImage dest(8, 8, QImage::Format_RGB32);
  dest.fill(Qt::black);
  {
    QPainter p(&dest);
    EXPECT_THROW(FillDithered(p, dest.rect(), clWhite, clNone), EInvalidOperation);
    try {
      FillDithered(p, dest.rect(), clWhite, clNone);
    } catch (const EInvalidOperation& e) {
      EXPECT_EQ(e.Message(), "Color2 cannot be clNone");
    }
    FillDithered(p, QRect(0, 0, 4, 4), clRed, clBlue);
  }
  EXPECT_NE(dest.pixel(0, 0), dest.pixel(1, 0));
  EXPECT_EQ(dest.pixel(0, 0), dest.pixel(1, 1));
  EXPECT_EQ(dest.pixel(5, 5), qRgb(0, 0, 0));

  QImage tile(3, 2, QImage::Format_RGB32);
  tile.fill(Qt::green);
  tile.setPixel(0, 0, qRgb(1, 2, 3));
  QImage canvas(10, 10, QImage::Format_RGB32);
  canvas.fill(Qt::black);
  {
    QPainter p(&canvas);
    TileBitmap(tile, p, QRect(0, 0, 7, 5));
  }
  EXPECT_EQ(canvas.pixel(3, 2), qRgb(1, 2, 3));
  EXPECT_EQ(canvas.pixel(6, 4), qRgb(1, 2, 3));
  EXPECT_EQ(canvas.pixel(8, 5), qRgb(0, 255, 0));  // the last tile may run past the rect
  EXPECT_EQ(canvas.pixel(9, 7), qRgb(0, 0, 0));
}

TEST(BitmapHelpersTest, DisabledBitmapIsEmbossed) {
  QImage src(4, 4, QImage::Format_RGB32);
  src.fill(QColor(255, 0, 255));
  src.setPixel(1, 1, qRgb(0, 0, 0));
  const QImage out = DrawDisabledBitmap(src);
  EXPECT_EQ(QColor(out.pixel(1, 1)), ToQColorResolved(clBtnShadow));
  EXPECT_EQ(QColor(out.pixel(2, 2)), ToQColorResolved(clBtnHighlight));
  EXPECT_EQ(QColor(out.pixel(3, 0)), ToQColorResolved(clBtnFace));
}

class TTestItem : public TwkCollectionItem {
public:
  using TwkCollectionItem::TwkCollectionItem;
  void Touch() { DoChange(); }
};

class TTestCollection : public TwkCollection {
public:
  TTestItem* Add() { return static_cast<TTestItem*>(AddItem(std::make_unique<TTestItem>(this))); }
  int FUpdates = 0;

protected:
  void Update(TwkCollectionItem*) override { ++FUpdates; }
};

TEST(CollectionTest, ItemsKnowTheirIndexAndUpdatesWaitForEndUpdate) {
  TTestCollection c;
  TTestItem* a = c.Add();
  TTestItem* b = c.Add();
  EXPECT_EQ(a->Index(), 0);
  EXPECT_EQ(b->Index(), 1);
  EXPECT_EQ(c.FUpdates, 2);
  c.BeginUpdate();
  c.Add();
  c.Add();
  EXPECT_EQ(c.FUpdates, 2);
  c.EndUpdate();
  EXPECT_EQ(c.FUpdates, 3);
  c.Delete(0);
  EXPECT_EQ(b->Index(), 0);
  EXPECT_EQ(c.Count(), 3);

  int fired = 0;
  b->OnChange = [&](TwkCollectionItem* item) { fired += item == b; };
  b->Touch();
  EXPECT_EQ(fired, 1);

  struct TCompanion : TwkCollection::TCompanion {
    int* Names;
    explicit TCompanion(int* n) : Names(n) {}
    void NameChanged(TwkCollectionItem*) override { ++*Names; }
  };
  int names = 0;
  c.NotifyNameChanged(b);  // without a companion nothing happens
  c.SetCompanion(std::make_unique<TCompanion>(&names));
  c.NotifyNameChanged(b);
  EXPECT_EQ(names, 1);

  TwkChangeLink link;
  int linked = 0;
  link.Change2();
  link.OnChange1 = [&] { ++linked; };
  link.Change1();
  EXPECT_EQ(linked, 1);
}

}  // namespace
