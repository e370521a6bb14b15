// Shadow label, glyph speed button and the kit's own cursors.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "widgets/ExCtrls.h"

namespace {

QFont TitleFont() {
  QFont f("Liberation Sans");
  f.setPixelSize(32);
  f.setStyleStrategy(QFont::NoAntialias);
  return f;
}

QImage Paint(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

TEST(ExLabelTest, DisabledDefaultsDrawGreyTextWithAHighlightUpAndLeft) {
  QWidget form;
  auto* label = new TExLabel(&form);
  label->setFont(TitleFont());
  label->SetCaption("Statistics");
  label->SetColor(clBlack);  // a background that is neither text nor shadow
  label->setEnabled(false);
  const QImage img = Paint(label);
  const QRgb grey = ToQColorResolved(clGrayText).rgb(), light = ToQColorResolved(clBtnHighlight).rgb();
  int text = 0, shadow = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QRgb px = img.pixel(x, y);
      if (px == grey) {
        ++text;
        // the shadow is the text moved one pixel up and left, drawn first
        if (x > 0 && y > 0) {
          const QRgb ul = img.pixel(x - 1, y - 1);
          EXPECT_TRUE(ul == grey || ul == light) << x << "," << y;
        }
      } else if (px == light) {
        ++shadow;
      }
    }
  EXPECT_GT(text, 50);
  EXPECT_GT(shadow, 10);
}

TEST(ExLabelTest, ShadowSizeAndPositionMoveTheShadowAndGrowTheLabel) {
  QWidget form;
  auto* label = new TExLabel(&form);
  label->setFont(TitleFont());
  label->SetCaption("Congratulations!");
  label->SetShadowSize(0);
  const QSize plain = label->size();
  label->SetShadowSize(3);
  label->SetShadowPos(spRightBottom);
  EXPECT_EQ(label->size(), plain + QSize(3, 3));
  label->SetColor(clBlack);
  label->SetShadowColor(clRed);
  label->SetFontColor(clWhite);
  const QImage img = Paint(label);
  int shadow = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) == qRgb(255, 0, 0)) {
        ++shadow;
        const QRgb src = img.pixel(x - 3, y - 3);  // the text three pixels up-left
        EXPECT_TRUE(src == qRgb(255, 255, 255) || src == qRgb(255, 0, 0)) << x << "," << y;
      }
  EXPECT_GT(shadow, 50);

  // a right-aligned label keeps its right edge as it grows
  label->SetAlignment(taRightJustify);
  label->move(100, 10);
  const int right = label->geometry().right();
  label->SetCaption("Congratulations, you won!");
  EXPECT_EQ(label->geometry().right(), right);
}

TEST(ExLabelTest, EmptyCaptionMeasuresAsABlankAndLayoutMovesTheText) {
  QWidget form;
  auto* label = new TExLabel(&form);
  label->setFont(TitleFont());
  label->SetCaption("&");
  EXPECT_GT(label->width(), 1);
  EXPECT_GT(label->height(), 30);
  label->SetAutoSize(false);
  label->resize(200, 120);
  label->SetCaption("Requirements");
  label->SetColor(clBlack);
  label->SetFontColor(clWhite);
  auto firstTextRow = [&] {
    const QImage img = Paint(label);
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (img.pixel(x, y) == qRgb(255, 255, 255)) return y;
    return -1;
  };
  const int top = firstTextRow();
  label->SetLayout(tlBottom);
  const int bottom = firstTextRow();
  label->SetLayout(tlCenter);
  const int centre = firstTextRow();
  EXPECT_GT(centre, top + 20);
  EXPECT_GT(bottom, centre + 20);
}

TEST(ExLabelTest, ClickAndAcceleratorFocusTheControl) {
  QWidget form;
  auto* edit = new QLineEdit(&form);
  auto* other = new QLineEdit(&form);
  auto* label = new TExLabel(&form);
  label->SetCaption("&Game number");
  label->SetFocusControl(edit);
  label->move(0, 40);
  form.show();
  QApplication::setActiveWindow(&form);
  other->setFocus();
  QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_TRUE(edit->hasFocus());
  other->setFocus();
  QTest::keyClick(&form, Qt::Key_G, Qt::AltModifier);
  EXPECT_TRUE(edit->hasFocus());
}

TEST(ExSpeedButtonTest, ClicksGlyphStatesAndGroups) {
  QWidget form;
  auto* button = new TExSpeedButton(&form);
  EXPECT_EQ(button->size(), QSize(25, 25));
  EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
  QPixmap glyph(16, 16);
  glyph.fill(QColor(0, 128, 128));  // the bottom-left colour is transparent
  {
    QPainter p(&glyph);
    p.fillRect(4, 4, 8, 8, Qt::black);
  }
  button->SetGlyph(glyph);
  form.show();
  QSignalSpy clicked(button, &QAbstractButton::clicked);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(clicked.count(), 1);

  QImage img = Paint(button);
  EXPECT_EQ(img.pixel(12, 12), qRgb(0, 0, 0));  // glyph centred
  EXPECT_EQ(QColor(img.pixel(5, 5)), ToQColorResolved(clBtnFace));
  const QImage disabled = button->GlyphFor(1);
  EXPECT_EQ(QColor(disabled.pixel(4, 4)), ToQColorResolved(clBtnShadow));
  button->setEnabled(false);
  img = Paint(button);
  EXPECT_EQ(QColor(img.pixel(8, 8)), ToQColorResolved(clBtnShadow));

  auto* a = new TExSpeedButton(&form);
  auto* b = new TExSpeedButton(&form);
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  a->move(30, 0);
  b->move(60, 0);
  QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(a->Down());
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(b->Down()) << "one of the group stays down";
  b->SetAllowAllUp(true);
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(b->Down());
}

TEST(ExCursorTest, HandAndDragCursorsAreOurOwnPictures) {
  const QCursor hand = ScreenCursor(crExHand);
  EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
  EXPECT_EQ(hand.hotSpot(), QPoint(6, 0));
  const QImage h = hand.pixmap().toImage();
  ASSERT_EQ(h.size(), QSize(32, 32));
  EXPECT_EQ(qAlpha(h.pixel(0, 31)), 0);
  EXPECT_EQ(h.pixel(7, 0), qRgb(0, 0, 0));       // fingertip outline
  EXPECT_EQ(h.pixel(7, 5), qRgb(255, 255, 255));  // inside the finger
  const QCursor drag = ScreenCursor(crExDrag);
  EXPECT_EQ(drag.hotSpot(), QPoint(0, 0));
  EXPECT_EQ(drag.pixmap().toImage().pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(ScreenCursor(42).shape(), Qt::ArrowCursor);
}

}  // namespace
