#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "engine/JpegImage.h"
#include "support/TestSupport.h"

namespace {

// A 64 x 48 picture: left half red, right half blue, encoded by Qt's own JPEG writer.
QByteArray SampleJpeg(int quality = 95) {
  QImage image(64, 48, QImage::Format_RGB32);
  image.fill(QColor(220, 20, 20));
  QPainter(&image).fillRect(32, 0, 32, 48, QColor(20, 20, 220));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPEG", quality);
  return bytes;
}

int ScanStart(const QByteArray& jpeg) {
  // The entropy-coded data follows the start-of-scan marker's header.
  const int sos = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
  const int length = (static_cast<unsigned char>(jpeg[sos + 2]) << 8) | static_cast<unsigned char>(jpeg[sos + 3]);
  return sos + 2 + length;
}

}  // namespace

TEST(JpegImage, DecodesAWholeFile) {
  const QImage image = DecodeJpegImage(SampleJpeg());
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(64, 48));
  EXPECT_EQ(image.format(), QImage::Format_RGB32);
  const QColor left = image.pixelColor(8, 24);
  const QColor right = image.pixelColor(56, 24);
  EXPECT_NEAR(left.red(), 220, 12);
  EXPECT_NEAR(left.blue(), 20, 12);
  EXPECT_NEAR(right.red(), 20, 12);
  EXPECT_NEAR(right.blue(), 220, 12);
}

TEST(JpegImage, GreyscaleComesOutAsRgb) {
  QImage grey(16, 16, QImage::Format_Grayscale8);
  grey.fill(QColor(128, 128, 128));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(grey.save(&buffer, "JPEG", 100));
  const QImage image = DecodeJpegImage(bytes);
  ASSERT_FALSE(image.isNull());
  EXPECT_NEAR(qRed(image.pixel(5, 5)), 128, 2);
  EXPECT_NEAR(qGreen(image.pixel(5, 5)), 128, 2);
}

TEST(JpegImage, DamagedDataGivesNullWithoutEndingTheProgram) {
  const QByteArray good = SampleJpeg();
  const int scan = ScanStart(good);

  QByteArray truncated = good.left(scan + (good.size() - scan) / 2);
  EXPECT_TRUE(DecodeJpegImage(truncated).isNull()) << "truncated in the scan data";
  EXPECT_TRUE(DecodeJpegImage(good.left(scan - 4)).isNull()) << "truncated in the headers";
  EXPECT_TRUE(DecodeJpegImage(good.left(2)).isNull()) << "only the start marker";

  QByteArray badScan = good;
  for (int i = scan + 4; i < scan + 40 && i < badScan.size() - 2; i += 2) {
    badScan[i] = '\xFF';
    badScan[i + 1] = '\xD3';  // restart markers where none belong
  }
  EXPECT_TRUE(DecodeJpegImage(badScan).isNull()) << "corrupt scan data";

  QByteArray badHeader = good;
  const int sof = badHeader.indexOf(QByteArray("\xFF\xC0", 2));
  ASSERT_GT(sof, 0);
  badHeader[sof + 9] = 7;  // seven components in a three-component frame
  EXPECT_TRUE(DecodeJpegImage(badHeader).isNull()) << "corrupt frame header";

  EXPECT_TRUE(DecodeJpegImage(QByteArray("not a picture at all")).isNull());
  EXPECT_TRUE(DecodeJpegImage(QByteArray()).isNull());

  // The decoder is still usable after all those failures.
  EXPECT_FALSE(DecodeJpegImage(good).isNull());
}

TEST(JpegImage, PictureFilesChooseTheReaderByExtension) {
  QTemporaryDir dir;
  const QByteArray jpeg = SampleJpeg();
  PellamyTest::WriteFileBytes(dir.filePath("back.JPG"), jpeg);
  PellamyTest::WriteFileBytes(dir.filePath("back.jpeg"), jpeg);
  PellamyTest::WriteFileBytes(dir.filePath("cut.jpg"), jpeg.left(jpeg.size() / 2));
  QImage bmp(10, 20, QImage::Format_RGB32);
  bmp.fill(QColor(0, 128, 0));
  ASSERT_TRUE(bmp.save(dir.filePath("tile.bmp"), "BMP"));
  PellamyTest::WriteFileBytes(dir.filePath("broken.bmp"), "BM garbage");

  EXPECT_EQ(LoadPictureFile(dir.filePath("back.JPG")).size(), QSize(64, 48));
  EXPECT_EQ(LoadPictureFile(dir.filePath("back.jpeg")).size(), QSize(64, 48));
  EXPECT_TRUE(LoadPictureFile(dir.filePath("cut.jpg")).isNull());
  const QImage tile = LoadPictureFile(dir.filePath("tile.bmp"));
  ASSERT_EQ(tile.size(), QSize(10, 20));
  EXPECT_EQ(tile.pixel(3, 3), qRgb(0, 128, 0));
  EXPECT_TRUE(LoadPictureFile(dir.filePath("broken.bmp")).isNull());
  EXPECT_TRUE(LoadPictureFile(dir.filePath("missing.jpg")).isNull());
}
