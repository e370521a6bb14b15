// Shadow label, glyph speed button and the kit's own cursors.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <thread>

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

  // Once the control is gone the key belongs to another label alone, at every press.
  delete edit;
  auto* third = new QLineEdit(&form);
  auto* second = new TExLabel(&form);
  second->SetCaption("&Go");
  second->SetFocusControl(third);
  third->show();
  second->show();
  for (int press = 0; press < 2; ++press) {
    other->setFocus();
    QTest::keyClick(&form, Qt::Key_G, Qt::AltModifier);
    EXPECT_TRUE(third->hasFocus()) << "press " << press;
  }
}

TEST(ExLabelTest, ColourFollowsTheParentUntilSet) {
  QWidget form;
  QPalette pal = form.palette();
  pal.setColor(QPalette::Window, QColor(200, 0, 0));
  form.setPalette(pal);
  auto* label = new TExLabel(&form);
  label->SetCaption("x");
  EXPECT_TRUE(label->ParentColor());
  EXPECT_EQ(label->Color(), RGBColor(200, 0, 0));
  EXPECT_EQ(Paint(label).pixel(label->width() - 1, 0), qRgb(200, 0, 0));
  label->SetColor(clBlue);
  EXPECT_FALSE(label->ParentColor());
  EXPECT_EQ(Paint(label).pixel(label->width() - 1, 0), qRgb(0, 0, 255));
  label->SetParentColor(true);
  pal.setColor(QPalette::Window, QColor(0, 90, 0));
  form.setPalette(pal);
  EXPECT_EQ(Paint(label).pixel(label->width() - 1, 0), qRgb(0, 90, 0));
  EXPECT_EQ(TExLabel().Color(), clBtnFace);
}

TEST(ExRoutinesTest, MinimizeTextCutsTheEndToThePixelWidth) {
  const QFont font = TitleFont();
  const QFontMetrics fm(font);
  const QString text = "Congratulations!";
  EXPECT_EQ(MinimizeText(text, font, fm.horizontalAdvance(text)), text);
  EXPECT_EQ(MinimizeText(text, font, fm.horizontalAdvance("Congrat...")), "Congrat...");
  EXPECT_EQ(MinimizeText(text, font, fm.horizontalAdvance("Congrat...") - 1), "Congra...");
  EXPECT_EQ(MinimizeText(text, font, 0), "...");
}

TEST(ExRoutinesTest, ParentImageShowsTheParentAndTheSiblingsBelow) {
  QWidget form;
  form.resize(100, 100);
  QPalette pal = form.palette();
  pal.setColor(QPalette::Window, QColor(200, 0, 0));
  form.setPalette(pal);
  auto fill = [](QWidget* w, QColor c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
  };
  auto* below = new QWidget(&form);
  below->setGeometry(20, 20, 30, 30);
  fill(below, QColor(0, 160, 0));
  auto* control = new QWidget(&form);
  control->setGeometry(10, 10, 20, 20);
  auto* above = new QWidget(&form);  // later siblings lie over the control: left out
  above->setGeometry(10, 10, 5, 5);
  fill(above, QColor(0, 0, 200));
  form.show();

  QImage backdrop(20, 20, QImage::Format_RGB32);
  backdrop.fill(Qt::white);
  {
    QPainter p(&backdrop);
    CopyParentImage(control, p);
  }
  EXPECT_EQ(backdrop.pixel(2, 2), qRgb(200, 0, 0));
  EXPECT_EQ(backdrop.pixel(15, 15), qRgb(0, 160, 0));
  EXPECT_EQ(backdrop.pixel(9, 9), qRgb(200, 0, 0));
}

TEST(ExRoutinesTest, ActiveWindowBelongsToTheGuiThreadOnly) {
  QWidget form;
  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_EQ(QApplication::activeWindow(), &form);
  EXPECT_TRUE(ActiveWindowInThisThread());
  bool fromWorker = true;
  std::thread worker([&] { fromWorker = ActiveWindowInThisThread(); });
  worker.join();
  EXPECT_FALSE(fromWorker);
  form.hide();
  QApplication::setActiveWindow(nullptr);
  EXPECT_FALSE(ActiveWindowInThisThread());
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
