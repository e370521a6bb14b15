#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QPainter>

#include "art/ToolBarArt.h"

namespace {

struct TList {
  int Size;
  TToolBarLook Look;
  const char* Name;
};
// The image lists the main window keeps for the game windows.
const TList Lists[] = {{16, TToolBarLook::Normal, "16 normal"}, {16, TToolBarLook::Hot, "16 hot"},
                       {16, TToolBarLook::Disabled, "16 disabled"}, {12, TToolBarLook::Normal, "12 normal"},
                       {12, TToolBarLook::Disabled, "12 disabled"}, {24, TToolBarLook::Normal, "24 normal"},
                       {24, TToolBarLook::Hot, "24 hot"}, {24, TToolBarLook::Disabled, "24 disabled"}};

struct TCoverage {
  int Clear = 0, Partial = 0, Solid = 0;
};
TCoverage CoverageOf(const QImage& image) {
  TCoverage c;
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x) {
      const int a = qAlpha(argb.pixel(x, y));
      (a == 0 ? c.Clear : a == 255 ? c.Solid : c.Partial)++;
    }
  return c;
}

double MeanLightness(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  double sum = 0;
  int n = 0;
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb c = argb.pixel(x, y);
      if (qAlpha(c) < 255) continue;
      sum += qGray(c);
      ++n;
    }
  return n ? sum / n : 0;
}

TEST(ToolBarArt, EveryListHoldsEightPicturesOfItsSizeOnATransparentGround) {
  for (const TList& list : Lists) {
    const std::vector<QPixmap> images = ToolBarImages(list.Size, list.Look);
    ASSERT_EQ(images.size(), 8u) << list.Name;
    for (int i = 0; i < 8; ++i) {
      const QImage image = images[i].toImage();
      EXPECT_EQ(image.size(), QSize(list.Size, list.Size)) << list.Name << " #" << i;
      EXPECT_TRUE(image.hasAlphaChannel()) << list.Name << " #" << i;
      const TCoverage c = CoverageOf(image);
      const int area = list.Size * list.Size;
      // Ground around the shape, a shape of some size, and solid pixels inside the
      // anti-aliased edges rather than a blur.
      EXPECT_GE(c.Clear, area / 12) << list.Name << " #" << i;
      EXPECT_GT(c.Solid + c.Partial, area / 4) << list.Name << " #" << i;
      EXPECT_GT(c.Solid, (c.Solid + c.Partial) / 6) << list.Name << " #" << i << ": a blur";
    }
  }
}

TEST(ToolBarArt, PicturesDifferFromEachOtherAndBetweenLooks) {
  for (const TList& list : Lists) {
    const std::vector<QPixmap> images = ToolBarImages(list.Size, list.Look);
    for (int i = 0; i < 8; ++i)
      for (int j = i + 1; j < 8; ++j)
        EXPECT_NE(images[i].toImage(), images[j].toImage()) << list.Name << " #" << i << " #" << j;
  }
  for (int size : {16, 24})
    for (int i = 0; i < 8; ++i) {
      const QImage normal = ToolBarImage(i, size, TToolBarLook::Normal);
      const QImage hot = ToolBarImage(i, size, TToolBarLook::Hot);
      EXPECT_GT(MeanLightness(hot), MeanLightness(normal) + 3) << size << " #" << i;
      // Hot keeps the shape: only colours change.
      EXPECT_EQ(CoverageOf(hot).Clear, CoverageOf(normal).Clear) << size << " #" << i;
    }
}

TEST(ToolBarArt, DisabledPicturesAreGreyAndWhiteOnly) {
  for (int size : {12, 16, 24})
    for (int i = 0; i < 8; ++i) {
      const QImage image = ToolBarImage(i, size, TToolBarLook::Disabled).convertToFormat(QImage::Format_ARGB32);
      int grey = 0;
      for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
          const QRgb c = image.pixel(x, y);
          if (qAlpha(c) == 0) continue;
          EXPECT_LE(std::abs(qRed(c) - qGreen(c)) + std::abs(qGreen(c) - qBlue(c)), 2) << size << " #" << i;
          if (qAlpha(c) == 255 && qRed(c) <= 136) ++grey;
        }
      EXPECT_GT(grey, size * 2) << size << " #" << i << ": the grey shape is missing";
    }
}

TEST(ToolBarArt, SizesOutsideTheRangeAndUnknownIndicesGiveNothing) {
  EXPECT_TRUE(ToolBarImages(0, TToolBarLook::Normal).empty());
  EXPECT_TRUE(ToolBarImages(1000, TToolBarLook::Hot).empty());
  EXPECT_TRUE(ToolBarImage(8, 16, TToolBarLook::Normal).isNull());
  EXPECT_TRUE(ToolBarImage(-1, 16, TToolBarLook::Normal).isNull());
  EXPECT_EQ(ToolBarImage(7, 16, TToolBarLook::Normal), ToolBarImages(16, TToolBarLook::Normal)[7].toImage());
}

// Every list on two button colours, saved beside the test program for a look.
TEST(ToolBarArt, ContactSheet) {
  const int cell = 30;
  QImage sheet(cell * 16 + 8, cell * 8 + 8, QImage::Format_RGB32);
  sheet.fill(QColor(240, 240, 240));
  QPainter p(&sheet);
  p.fillRect(QRect(cell * 8 + 4, 0, cell * 8 + 4, sheet.height()), QColor(212, 208, 200));
  for (int row = 0; row < 8; ++row) {
    const std::vector<QPixmap> images = ToolBarImages(Lists[row].Size, Lists[row].Look);
    for (int half = 0; half < 2; ++half)
      for (int i = 0; i < 8; ++i) {
        const int x = 4 + half * cell * 8 + i * cell + (cell - Lists[row].Size) / 2;
        const int y = 4 + row * cell + (cell - Lists[row].Size) / 2;
        p.drawPixmap(x, y, images[i]);
      }
  }
  p.end();
  const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("ToolBarArt_contact.png");
  ASSERT_TRUE(sheet.save(path));
}

}  // namespace
