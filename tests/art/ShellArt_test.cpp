#include <gtest/gtest.h>

#include <QPainter>

#include "art/GameNames.h"
#include "art/PngCodec.h"
#include "art/ShellArt.h"

namespace {

TEST(PngCodec, RoundTripKeepsEveryPixelAndAlpha) {
  QImage source(7, 5, QImage::Format_ARGB32);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) source.setPixel(x, y, qRgba(x * 30, y * 50, 200, x == 0 ? 0 : 255));
  const QImage decoded = DecodePng(EncodePng(source));
  ASSERT_EQ(decoded.size(), source.size());
  for (int y = 0; y < 5; ++y)
    for (int x = 1; x < 7; ++x) EXPECT_EQ(decoded.pixel(x, y), source.pixel(x, y)) << x << "," << y;
  EXPECT_EQ(qAlpha(decoded.pixel(0, 0)), 0);
}

TEST(PngCodec, DamagedDataDecodesToNull) {
  QByteArray png = EncodePng(QImage(10, 10, QImage::Format_RGB32));
  EXPECT_TRUE(DecodePng(QByteArray()).isNull());
  EXPECT_TRUE(DecodePng(QByteArray("not a picture")).isNull());
  EXPECT_TRUE(DecodePng(png.left(png.size() / 2)).isNull());
  png[png.size() / 2] = static_cast<char>(png[png.size() / 2] ^ 0x5A);
  EXPECT_TRUE(DecodePng(png).isNull());
}

TEST(ShellArt, JesterFramesAreTransparentFiguresOfTheirSize) {
  for (const char* name : {"JESTER", "JESTERLEFT", "JESTERRIGHT"}) {
    const QImage frame = LoadPngResource(name);
    ASSERT_EQ(frame.size(), QSize(68, 97)) << name;
    EXPECT_EQ(qAlpha(frame.pixel(0, 0)), 0) << name;
    EXPECT_EQ(qAlpha(frame.pixel(67, 96)), 0) << name;
    EXPECT_EQ(qAlpha(frame.pixel(34, 30)), 255) << name;  // the face
  }
  EXPECT_NE(LoadPngResource("JESTERLEFT"), LoadPngResource("JESTERRIGHT"));
}

TEST(ShellArt, PreviewsExistForEveryGameAndCanBeReplaced) {
  for (int i = 0; i < GameCount; ++i)
    EXPECT_EQ(LoadPngResource(QString::number(1000 + i)).size(), QSize(155, 105)) << i;
  EXPECT_TRUE(PngResource("1030").isEmpty());
  EXPECT_TRUE(PngResource("NOSUCH").isEmpty());

  QImage mine(155, 105, QImage::Format_ARGB32);
  mine.fill(qRgb(1, 2, 3));
  SetPreviewPicture(16, mine);
  EXPECT_EQ(LoadPngResource("1016").pixel(10, 10), qRgb(1, 2, 3));
}

TEST(ShellArt, PreviewRenderersDrawOnlyWhenThePreviewIsFirstShown) {
  int calls = 0;
  SetPreviewRenderer(3, [&] {
    ++calls;
    QImage picture(155, 105, QImage::Format_ARGB32);
    picture.fill(qRgb(9, 8, 7));
    return picture;
  });
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(LoadPngResource("1003").pixel(5, 5), qRgb(9, 8, 7));
  LoadPngResource("1003");
  EXPECT_EQ(calls, 1) << "drawn once, then kept";
  SetPreviewRenderer(4, [] { return QImage(); });
  EXPECT_EQ(LoadPngResource("1004").size(), QSize(155, 105)) << "a renderer that fails leaves the placeholder";
}

TEST(ShellArt, ContactSheetForLookingAtIt) {
  QImage sheet(3 * 80 + 2 * 165, 120, QImage::Format_ARGB32);
  sheet.fill(QColor(0, 110, 55));
  QPainter p(&sheet);
  int x = 4;
  for (const char* name : {"JESTERLEFT", "JESTER", "JESTERRIGHT"}) {
    p.drawImage(x, 10, LoadPngResource(name));
    x += 80;
  }
  p.drawImage(x, 8, LoadPngResource("1003"));
  p.drawImage(x + 165, 8, LoadPngResource("TIPBMP"));
  p.drawImage(x + 205, 8, LoadPngResource("MAINICON"));
  p.end();
  EXPECT_TRUE(sheet.save("shell-art-sheet.png"));
}

}  // namespace
