// The effect label: auto-size to the measured text, transparency, the accelerator that
// focuses another control, clicks and mouse enter/leave.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include "widgets/wkLabel.h"

namespace {

QFont LabelFont() {
  QFont f("Liberation Sans");
  f.setPixelSize(16);
  f.setBold(true);
  f.setStyleStrategy(QFont::NoAntialias);
  return f;
}

TEST(LabelSizeTest, AutoSizeTakesTheMeasuredTextAndRightAlignedGrowsLeft) {
  QWidget form;
  form.resize(400, 200);
  auto* label = new TwkLabel(&form);
  EXPECT_EQ(label->size(), QSize(65, 17));
  label->setFont(LabelFont());
  label->move(50, 20);
  label->SetCaption("Select a Game");
  TwkCaptionText& t = label->TextOptions();
  EXPECT_EQ(label->size(), t.Measure(true));
  EXPECT_EQ(label->pos(), QPoint(50, 20));

  // a one-pixel shadow adds a pixel each way
  const QSize plain = label->size();
  t.Shadow().SetEnabled(true);
  t.Shadow().SetXOffset(1);
  t.Shadow().SetYOffset(1);
  EXPECT_EQ(label->size(), plain + QSize(1, 1));

  t.SetAlignment(taRightJustify);
  const int right = label->geometry().right();
  label->SetCaption("Select a Game of Patience");
  EXPECT_GT(label->width(), plain.width() + 1);
  EXPECT_EQ(label->geometry().right(), right);
  EXPECT_EQ(label->y(), 20);

  label->SetAutoSize(false);
  const QSize fixed = label->size();
  label->SetCaption("x");
  EXPECT_EQ(label->size(), fixed);
}

TEST(LabelPaintTest, OpaqueFillsWithColourAndTransparentShowsTheBackground) {
  QWidget form;
  form.resize(200, 60);
  form.setAutoFillBackground(true);
  QPalette pal = form.palette();
  pal.setColor(QPalette::Window, QColor(0, 128, 0));
  form.setPalette(pal);
  auto* label = new TwkLabel(&form);
  label->setFont(LabelFont());
  label->SetColor(clYellow);
  label->SetFontColor(clBlue);
  label->SetCaption("Hi");
  label->move(10, 10);
  form.show();
  QImage img = form.grab().toImage();
  EXPECT_EQ(img.pixelColor(10, 10), QColor(Qt::yellow));
  bool text = false;
  for (int y = 10; y < 10 + label->height(); ++y)
    for (int x = 10; x < 10 + label->width(); ++x) text |= img.pixelColor(x, y) == QColor(Qt::blue);
  EXPECT_TRUE(text);
  label->SetTransparent(true);
  img = form.grab().toImage();
  EXPECT_EQ(img.pixelColor(10, 10), QColor(0, 128, 0));
}

TEST(LabelAccelTest, AcceleratorFocusesTheControlUntilItIsGone) {
  QWidget form;
  auto* edit = new QLineEdit(&form);
  auto* other = new QLineEdit(&form);
  auto* label = new TwkLabel(&form);
  label->SetCaption("&Number:");
  label->SetFocusControl(edit);
  form.show();
  QApplication::setActiveWindow(&form);
  other->setFocus();
  QTest::keyClick(&form, Qt::Key_N, Qt::AltModifier);
  EXPECT_TRUE(edit->hasFocus());

  other->setFocus();
  delete edit;
  EXPECT_EQ(label->FocusControl(), nullptr);
  QTest::keyClick(&form, Qt::Key_N, Qt::AltModifier);
  EXPECT_TRUE(other->hasFocus());

  // A second label with the same key gets every press once the first one's control is gone.
  auto* third = new QLineEdit(&form);
  auto* second = new TwkLabel(&form);
  second->SetCaption("&Name:");
  second->SetFocusControl(third);
  third->show();
  second->show();
  for (int press = 0; press < 3; ++press) {
    other->setFocus();
    QTest::keyClick(&form, Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(third->hasFocus()) << "press " << press;
  }
}

TEST(LabelMouseTest, ClickEnterAndLeave) {
  QWidget form;
  form.resize(200, 100);
  auto* label = new TwkLabel(&form);
  label->SetCaption("www.example.com");
  form.show();
  QStringList events;
  label->OnClick = [&] { events << "click"; };
  label->OnMouseEnter = [&] { events << "enter"; };
  label->OnMouseLeave = [&] { events << "leave"; };
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), label->mapToGlobal(QPointF(2, 2)));
  QApplication::sendEvent(label, &enter);
  QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(label, &leave);
  EXPECT_EQ(events, QStringList({"enter", "click", "leave"}));
}

}  // namespace
