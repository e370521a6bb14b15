// The status bar: part edges of the game windows' panels, width texts, hosted controls,
// the stretching last panel, the size grip, clicks and hints.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QToolBar>

#include <set>

#include "widgets/wkStatusBar.h"

namespace {

// A game window's foot: the bar along the bottom of a sizeable form.
struct TBarForm {
  QWidget Form;
  TwkStatusBar* Bar;
  explicit TBarForm(int width, int barHeight = 26) {
    Form.resize(width, 300);
    Bar = new TwkStatusBar(&Form);
    Bar->setGeometry(0, 300 - barHeight, width, barHeight);
  }
  TwkStatusPanel* Add(const QString& width) {
    TwkStatusPanel* p = Bar->Panels().Add();
    p->SetWidth(width);
    return p;
  }
  void Resize(int width) {
    Form.show();  // a hidden widget gets its resize event only when shown
    Form.resize(width, 300);
    Bar->resize(width, Bar->height());
  }
};

std::vector<int> Edges(std::initializer_list<int> list) { return std::vector<int>(list); }

// The game windows' own panels are checked by the sweep over all of them (tests/games).
TEST(StatusBarLayoutTest, LastPanelReachesTheRightEdgeOnResize) {
  TBarForm f(700);
  for (const char* w : {"210", "55", "80", "130", "70", "80"}) f.Add(w);
  EXPECT_EQ(f.Bar->PartEdges(), Edges({210, 265, 345, 475, 545, -1}));
  // parts start two pixels past the previous edge and two below the bar's top
  EXPECT_EQ(f.Bar->PartRect(0), QRect(0, 2, 210, 24));
  EXPECT_EQ(f.Bar->PartRect(1).left(), 212);
  EXPECT_EQ(f.Bar->PartRect(1).right(), 264);
  EXPECT_EQ(f.Bar->PartRect(5).right(), 699);
  f.Resize(900);
  EXPECT_EQ(f.Bar->PartRect(5), QRect(547, 2, 353, 24));
  f.Resize(600);
  EXPECT_EQ(f.Bar->PartRect(5).right(), 599);
  EXPECT_EQ(f.Bar->PartEdges().back(), -1);
}

TEST(StatusBarLayoutTest, FixedWidthsAreCutToTheSpaceLeft) {
  TBarForm f(300);
  for (const char* w : {"210", "55", "80", "130"}) f.Add(w);
  EXPECT_EQ(f.Bar->PartEdges(), Edges({210, 265, 300, -1}));
  EXPECT_EQ(f.Bar->Panels().Items(2)->PixelWidth(), 35);
  EXPECT_EQ(f.Bar->Panels().Items(3)->PixelWidth(), 0);
}

TEST(StatusBarLayoutTest, PercentagesShareWhatTheFixedWidthsLeave) {
  TBarForm f(400);
  for (const char* w : {"100", "25%", "50%", "20"}) f.Add(w);
  // 400 - 100 - 20 = 280 left; 25% of it is 70, 50% is 140
  EXPECT_EQ(f.Bar->PartEdges(), Edges({100, 170, 310, -1}));
  f.Resize(520);
  EXPECT_EQ(f.Bar->PartEdges(), Edges({100, 200, 400, -1}));
}

TEST(StatusBarLayoutTest, NoPanelsShowOneEmptyPartAcross) {
  TBarForm f(300);
  EXPECT_EQ(f.Bar->PartEdges(), Edges({-1}));
  EXPECT_EQ(f.Bar->PartRect(0), QRect(0, 2, 300, 24));
  EXPECT_EQ(f.Bar->PanelAtPos(10, 10), nullptr);
  f.Bar->grab();  // paints without panels
}

TEST(StatusBarWidthTest, WidthTextsAreCheckedAndBadOnesRefused) {
  TBarForm f(500);
  TwkStatusPanel* p = f.Add("80");
  for (const char* bad : {"abc", "%", "12a%", "", "-1", "-5", "-20%", "12%%", "99999999999"}) {
    SCOPED_TRACE(bad);
    try {
      p->SetWidth(QString::fromLatin1(bad));
      ADD_FAILURE() << "accepted";
    } catch (const EInvalidOperation& e) {
      EXPECT_EQ(e.Message(), "Width must be a valid, positive integer, or must be an integer "
                             "followed by a \"%\" sign.");
    }
    EXPECT_EQ(p->Width(), "80");
  }
  for (const char* good : {"25%", "0", "70", "+12", "100%"}) {
    SCOPED_TRACE(good);
    EXPECT_NO_THROW(p->SetWidth(QString::fromLatin1(good)));
    EXPECT_EQ(p->Width(), QString::fromLatin1(good));
  }
}

TEST(StatusBarPanelTest, NamesAreUniqueAndNewOnesTakeTheSmallestFreeNumber) {
  TBarForm f(500);
  TwkStatusPanel* a = f.Add("50");
  TwkStatusPanel* b = f.Add("50");
  EXPECT_EQ(a->Name(), "Panel0");
  EXPECT_EQ(b->Name(), "Panel1");
  a->SetName("SpeedPanel");
  EXPECT_EQ(f.Add("50")->Name(), "Panel0");
  try {
    b->SetName("speedpanel");
    ADD_FAILURE() << "duplicate accepted";
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.Message(), "A panel named speedpanel already exists.");
  }
  EXPECT_EQ(b->Name(), "Panel1");
  EXPECT_EQ(b->TextOptions().VAlignment(), vaVCenter);
}

TEST(StatusBarHostTest, HostedControlFillsItsPanelInsetByTheMargin) {
  TBarForm f(800);
  TwkStatusPanel* speed = f.Add("210");
  f.Add("55");
  TwkStatusPanel* autoplay = f.Add("80");
  f.Add("130");
  auto* toolBar = new QToolBar(&f.Form);
  auto* check = new QCheckBox("Autoplay", &f.Form);
  speed->SetBevel(pbNone);
  speed->SetComponent(toolBar);
  autoplay->SetIndent(5);
  autoplay->SetMargin(2);
  autoplay->SetComponent(check);
  EXPECT_EQ(speed->Style(), psControl);
  EXPECT_EQ(check->parentWidget(), f.Bar);
  EXPECT_EQ(toolBar->parentWidget(), f.Bar);
  EXPECT_EQ(toolBar->geometry(), QRect(0, 2, 210, 24));  // no bevel, no margin
  // part 267..345, one pixel of bevel, two of margin
  EXPECT_EQ(f.Bar->PanelRect(2), QRect(268, 3, 76, 22));
  EXPECT_EQ(check->geometry(), QRect(270, 5, 72, 18));
  autoplay->SetMargin(4);
  EXPECT_EQ(check->geometry(), QRect(272, 7, 68, 14));
}

TEST(StatusBarHostTest, TextBesideTheControlPushesItAside) {
  TBarForm f(800);
  TwkStatusPanel* p = f.Add("200");
  f.Add("50");
  auto* check = new QCheckBox(&f.Form);
  p->SetComponent(check);
  p->SetText("Mode:");
  f.Bar->UpdatePanel(0, true);
  const QRect panel = f.Bar->PanelRect(0);
  EXPECT_GT(check->geometry().left(), panel.left() + 10);
  EXPECT_EQ(check->geometry().right(), panel.right());
  p->TextOptions().SetAlignment(taRightJustify);
  EXPECT_EQ(check->geometry().left(), panel.left());
  EXPECT_LT(check->geometry().right(), panel.right() - 10);
}

TEST(StatusBarHostTest, EnabledFontAndHintReachTheHostedControl) {
  TBarForm f(800);
  TwkStatusPanel* p = f.Add("100");
  auto* check = new QCheckBox("Autoplay", &f.Form);
  p->SetComponent(check);
  p->SetEnabled(false);
  EXPECT_FALSE(check->isEnabled());
  p->SetEnabled(true);
  EXPECT_TRUE(check->isEnabled());
  p->SetHint("Play cards home");
  EXPECT_EQ(check->toolTip(), "Play cards home");
  QFont font("Liberation Sans");
  font.setPixelSize(13);
  p->SetFont(font);
  EXPECT_EQ(check->font().pixelSize(), 13);
}

TEST(StatusBarHostTest, AControlMovesBetweenPanelsOfAnyBar) {
  TBarForm f(800), g(800);
  TwkStatusPanel* first = f.Add("100");
  TwkStatusPanel* other = g.Add("100");
  auto* check = new QCheckBox(&f.Form);
  first->SetComponent(check);
  other->SetComponent(check);
  EXPECT_EQ(first->Style(), psTextOnly);
  EXPECT_EQ(first->Component(), nullptr);
  EXPECT_EQ(other->Style(), psControl);
  EXPECT_EQ(check->parentWidget(), g.Bar);

  // the previous control of a panel goes back to the bar's form
  auto* second = new QCheckBox(&g.Form);
  other->SetComponent(second);
  EXPECT_EQ(check->parentWidget(), &g.Form);
  other->SetComponent(nullptr);
  EXPECT_EQ(other->Style(), psTextOnly);
  EXPECT_EQ(second->parentWidget(), &g.Form);
}

TEST(StatusBarHostTest, TheBarCannotHostItselfAndAGoneControlIsForgotten) {
  TBarForm f(800);
  TwkStatusPanel* p = f.Add("100");
  f.Add("100");
  try {
    p->SetComponent(f.Bar);
    ADD_FAILURE() << "bar accepted";
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.Message(), "Control cannot equal parent StatusBar");
  }
  EXPECT_EQ(p->Style(), psTextOnly);
  p->SetComponent(nullptr);  // nothing to release: nothing happens
  EXPECT_EQ(p->Style(), psTextOnly);

  auto* check = new QCheckBox(&f.Form);
  p->SetComponent(check);
  delete check;
  EXPECT_EQ(p->Component(), nullptr);
  f.Resize(700);
  f.Bar->grab();
}

TEST(StatusBarGripTest, OnlyASizeableFormShowsTheGripAndNarrowsTheLastPanel) {
  TBarForm f(600);
  f.Add("200");
  f.Add("100");
  EXPECT_TRUE(f.Bar->SizeGripInEffect());
  EXPECT_EQ(f.Bar->PanelRect(1), QRect(203, 3, 396 - 18, 22));
  f.Bar->SetSizeGrip(false);
  EXPECT_EQ(f.Bar->PanelRect(1).right(), 598);
  f.Bar->SetSizeGrip(true);
  f.Form.setFixedSize(600, 300);
  EXPECT_FALSE(f.Bar->SizeGripInEffect());
  EXPECT_EQ(f.Bar->PanelRect(1).right(), 598);
}

TEST(StatusBarTextTest, SameTextIsNotAChangeAndDrawTextMayRewriteIt) {
  TBarForm f(600);
  TwkStatusPanel* p = f.Add("100");
  f.Add("100");
  QStringList changes;
  p->OnTextChanged = [&](TwkStatusPanel*, const QString& t) { changes << t; };
  p->SetText("Game #502340");
  p->SetText("Game #502340");
  EXPECT_EQ(changes, QStringList{"Game #502340"});

  p->OnDrawText = [](TwkStatusPanel*, QString& text, bool& enabled) {
    text = "Stock: 12";
    enabled = false;
  };
  f.Bar->grab();
  EXPECT_EQ(changes.last(), "Stock: 12");
  EXPECT_EQ(p->Text(), "Game #502340");  // the drawn text does not replace Text
}

TEST(StatusBarTextTest, ATextTooWideForItsPanelIsDrawnSmallerButNotBelowEightPixels) {
  TBarForm f(400);
  TwkStatusPanel* p = f.Add("96");
  TwkStatusPanel* score = f.Add("100");
  QFont font("Liberation Sans");
  font.setPixelSize(11);
  for (TwkStatusPanel* panel : {p, score}) panel->SetFont(font);
  p->TextOptions().SetAlignment(taCenter);
  const int room = f.Bar->PanelRect(0).width() - 4;
  auto width = [](const QFont& in, const QString& text) { return QFontMetrics(in).horizontalAdvance(text); };

  p->SetText("Game #1234567");
  EXPECT_EQ(f.Bar->TextFont(0).pixelSize(), 11);
  p->SetText("Game #2000000000");
  const QFont shrunk = f.Bar->TextFont(0);
  EXPECT_LT(shrunk.pixelSize(), 11);
  EXPECT_LT(width(shrunk, p->Text()), room);
  QFont larger = shrunk;
  larger.setPixelSize(shrunk.pixelSize() + 1);
  EXPECT_GE(width(larger, p->Text()), room);  // no smaller than it needs
  EXPECT_EQ(p->Font().pixelSize(), 11);      // the panel keeps its own font
  p->SetText("Game #2000000000 of many, many more");
  EXPECT_EQ(f.Bar->TextFont(0).pixelSize(), 8);

  // What is drawn follows: the shrunk number leaves the frame's inner edges clear.
  p->SetText("Game #2000000000");
  const QImage img = f.Bar->grab().toImage();
  const QRect inner = f.Bar->PanelRect(0);
  const QColor face = ToQColorResolved(clBtnFace);
  for (int y = inner.top(); y <= inner.bottom(); ++y)
    for (int x : {inner.left(), inner.left() + 1, inner.right() - 1, inner.right()})
      EXPECT_EQ(img.pixelColor(x, y), face) << x << "," << y;
  // A panel hosting a control keeps its font for the text beside the control.
  QCheckBox check("Autoplay");
  score->SetComponent(&check);
  score->SetText("Score: $-20800 and far more than fits");
  EXPECT_EQ(f.Bar->TextFont(1).pixelSize(), 11);
}

TEST(StatusBarMouseTest, ClicksGoToThePanelUnderTheMouse) {
  TBarForm f(600);
  for (const char* w : {"100", "100", "100"}) f.Add(w);
  f.Form.show();
  std::vector<int> clicks(3, 0), doubles(3, 0);
  for (int i = 0; i < 3; ++i) {
    f.Bar->Panels().Items(i)->OnClick = [&, i](TwkStatusPanel*) { ++clicks[i]; };
    f.Bar->Panels().Items(i)->OnDblClick = [&, i](TwkStatusPanel*) { ++doubles[i]; };
  }
  int downs = 0;
  f.Bar->Panels().Items(1)->OnMouseDown = [&](TwkStatusPanel*, Qt::MouseButton b,
                                              Qt::KeyboardModifiers, int x, int) {
    downs += b == Qt::LeftButton && x == 150;
  };
  QTest::mouseClick(f.Bar, Qt::LeftButton, {}, QPoint(150, 12));
  EXPECT_EQ(clicks, std::vector<int>({0, 1, 0}));
  EXPECT_EQ(downs, 1);
  QTest::mouseClick(f.Bar, Qt::LeftButton, {}, QPoint(350, 12));  // the last part stretches
  EXPECT_EQ(clicks, std::vector<int>({0, 1, 1}));
  QTest::mouseDClick(f.Bar, Qt::LeftButton, {}, QPoint(20, 12));
  EXPECT_EQ(doubles, std::vector<int>({1, 0, 0}));
  // a right-button press shows the panel's own menu
  QMenu menu;
  menu.addAction("Shuffle");
  f.Bar->Panels().Items(2)->SetPopupMenu(&menu);
  QTest::mousePress(f.Bar, Qt::RightButton, {}, QPoint(20, 12));
  EXPECT_FALSE(menu.isVisible());
  QTest::mouseRelease(f.Bar, Qt::RightButton, {}, QPoint(20, 12));
  QTest::mousePress(f.Bar, Qt::RightButton, {}, QPoint(250, 12));
  EXPECT_TRUE(menu.isVisible());
  menu.hide();
  QTest::mouseRelease(f.Bar, Qt::RightButton, {}, QPoint(250, 12));
  // the gap between two parts belongs to no panel
  EXPECT_EQ(f.Bar->PanelAtPos(101, 12), nullptr);
  EXPECT_EQ(f.Bar->PanelAtPos(102, 12), f.Bar->Panels().Items(1));
}

TEST(StatusBarMouseTest, TheBarsHintFollowsThePanelUnderTheMouse) {
  TBarForm f(600);
  for (const char* w : {"100", "100", "100"}) f.Add(w);
  f.Bar->Panels().Items(1)->SetHint("Click to shuffle");
  f.Bar->Panels().Items(2)->SetHint("Click for dialog...");
  f.Form.show();
  QTest::mouseMove(f.Bar, QPoint(150, 12));
  EXPECT_EQ(f.Bar->toolTip(), "Click to shuffle");
  QTest::mouseMove(f.Bar, QPoint(250, 12));
  EXPECT_EQ(f.Bar->toolTip(), "Click for dialog...");
  QTest::mouseMove(f.Bar, QPoint(50, 12));
  EXPECT_EQ(f.Bar->toolTip(), "");
}

TEST(StatusBarPaintTest, BevelsAndPanelColour) {
  TBarForm f(300);
  TwkStatusPanel* lowered = f.Add("100");
  TwkStatusPanel* raised = f.Add("100");
  TwkStatusPanel* flat = f.Add("100");
  raised->SetBevel(pbRaised);
  flat->SetBevel(pbNone);
  lowered->SetColor(clRed);
  const QImage img = f.Bar->grab().toImage();
  const QColor shadow = ToQColorResolved(clBtnShadow), light = ToQColorResolved(clBtnHighlight);
  EXPECT_EQ(img.pixelColor(50, 2), shadow);  // sunken: dark above
  EXPECT_EQ(img.pixelColor(50, 25), light);
  EXPECT_EQ(img.pixelColor(50, 10), QColor(Qt::red));
  EXPECT_EQ(img.pixelColor(150, 2), light);  // raised: light above
  EXPECT_EQ(img.pixelColor(150, 25), shadow);
  EXPECT_EQ(img.pixelColor(250, 2), ToQColorResolved(clBtnFace));
}

TEST(StatusBarPaintTest, ADisabledPanelDrawsItsTextEngraved) {
  TBarForm f(300);
  TwkStatusPanel* p = f.Add("150");
  f.Add("100");
  QFont font("Liberation Sans");
  font.setPixelSize(13);
  font.setStyleStrategy(QFont::NoAntialias);
  p->SetFont(font);
  p->SetFontColor(clRed);
  p->SetText("Difficulty: Easy");
  auto colours = [&] {
    const QImage img = f.Bar->grab().toImage();
    std::set<QRgb> s;
    for (int y = 5; y < 22; ++y)
      for (int x = 4; x < 140; ++x) s.insert(img.pixel(x, y) & 0xFFFFFF);
    return s;
  };
  const QRgb red = 0xFF0000, light = ToQColorResolved(clBtnHighlight).rgb() & 0xFFFFFF,
             dark = ToQColorResolved(clBtnShadow).rgb() & 0xFFFFFF;
  std::set<QRgb> c = colours();
  EXPECT_TRUE(c.count(red));
  EXPECT_FALSE(c.count(dark));
  p->SetEnabled(false);
  c = colours();
  EXPECT_FALSE(c.count(red));
  EXPECT_TRUE(c.count(dark));
  EXPECT_TRUE(c.count(light));
}

}  // namespace
