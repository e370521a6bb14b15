#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "platform/IniFile.h"
#include "platform/Metrics.h"
#include "support/TestSupport.h"
#include "widgets/FormPlacement.h"

using PellamyTest::ReadFileBytes;
using PellamyTest::TScopedConfigDir;
using PellamyTest::WriteFileBytes;

namespace {

// A game window whose close can be refused, as a resign confirmation does.
class TGameWindow : public QWidget {
public:
  bool AllowClose = true;

protected:
  void closeEvent(QCloseEvent* event) override {
    if (AllowClose)
      event->accept();
    else
      event->ignore();
  }
};

int CurrentPpi() { return qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY()); }

class FormPlacementTest : public ::testing::Test {
protected:
  void SetUp() override { Metrics::SetDesktopSizeOverride(QSize(1024, 768)); }
  void TearDown() override { Metrics::SetDesktopSizeOverride(QSize()); }

  QString Ini() const { return Config.File("Pellamy.ini"); }
  TFormPlacement* Attach(QWidget& form, const QString& section) {
    auto* p = new TFormPlacement(&form);
    p->SetIniFileName(Ini());
    p->SetIniSection(section);
    return p;
  }

  TScopedConfigDir Config;
};

}  // namespace

TEST_F(FormPlacementTest, CloseWritesTheKeysInOrder) {
  TGameWindow w;
  Attach(w, "Klondike");
  w.resize(672, 491);
  w.move(100, 50);
  w.show();
  ASSERT_TRUE(w.close());

  const QString ppi = QString::number(CurrentPpi());
  const QByteArray expected =
      "[Klondike]\r\n"
      "FormVersion=0\r\n"
      "Flags=0\r\n"
      "ShowCmd=1\r\n"
      "PixelsPerInch=" + ppi.toLatin1() + "\r\n"
      "MinMaxPos(1024x768)=-1,-1,-4,-4\r\n"
      "MinMaxPos=-1,-1,-4,-4\r\n"
      // The outer rectangle: the client area and the offscreen platform's 2-pixel frame,
      // from the frame's top-left.
      "NormPos(1024x768)=100,50,776,545\r\n"
      "NormPos=100,50,776,545\r\n"
      "Visible=0\r\n";
  EXPECT_EQ(ReadFileBytes(Ini()), expected);
}

TEST_F(FormPlacementTest, PlacementComesBackAtTheNextShow) {
  {
    TGameWindow w;
    Attach(w, "Klondike");
    w.resize(500, 300);
    w.move(40, 30);
    w.show();
    w.showMaximized();
    ASSERT_TRUE(w.close());
  }
  EXPECT_EQ(TIniFile(Ini()).ReadString("Klondike", "ShowCmd", ""), "3");
  EXPECT_EQ(TIniFile(Ini()).ReadString("Klondike", "NormPos", ""), "40,30,544,334");

  TGameWindow again;
  Attach(again, "Klondike");
  again.resize(200, 200);
  again.show();
  EXPECT_TRUE(again.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(again.normalGeometry().size(), QSize(500, 300));
  again.showNormal();
  EXPECT_EQ(again.pos(), QPoint(40, 30));
  EXPECT_EQ(again.size(), QSize(500, 300));
}

TEST_F(FormPlacementTest, TheKeyForThisScreenSizeWinsOverThePlainOne) {
  WriteFileBytes(Ini(), "[Yukon]\r\nPixelsPerInch=" + QByteArray::number(CurrentPpi()) +
                            "\r\nNormPos(1024x768)=10,20,414,324\r\nNormPos=300,200,704,504\r\n");
  TGameWindow w;
  Attach(w, "Yukon");
  w.show();
  EXPECT_EQ(w.pos(), QPoint(10, 20));
  EXPECT_EQ(w.size(), QSize(400, 300));

  // At another screen size only the plain key fits.
  Metrics::SetDesktopSizeOverride(QSize(1280, 1024));
  TGameWindow other;
  Attach(other, "Yukon");
  other.show();
  EXPECT_EQ(other.pos(), QPoint(300, 200));
}

TEST_F(FormPlacementTest, OtherPixelsPerInchIgnoresThePositionButKeepsTheState) {
  WriteFileBytes(Ini(), "[Canfield]\r\nShowCmd=3\r\nPixelsPerInch=" +
                            QByteArray::number(CurrentPpi() + 24) +
                            "\r\nNormPos=10,20,418,347\r\n");
  TGameWindow w;
  Attach(w, "Canfield");
  w.resize(250, 150);
  w.move(77, 66);
  w.show();
  EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(w.normalGeometry().size(), QSize(250, 150));
}

TEST_F(FormPlacementTest, PositionOnlyLeavesTheStateAlone) {
  WriteFileBytes(Ini(), "[MainWindow]\r\nShowCmd=3\r\nNormPos=10,20,418,347\r\n");
  TGameWindow w;
  TFormPlacement* p = Attach(w, "MainWindow");
  p->Options = fpPosition;
  w.show();
  EXPECT_FALSE(w.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(w.pos(), QPoint(10, 20));
}

TEST_F(FormPlacementTest, AWindowOfFixedSizeTakesOnlyThePosition) {
  WriteFileBytes(Ini(), "[MainWindow]\r\nNormPos=10,20,999,999\r\n");
  TGameWindow w;
  TFormPlacement* p = Attach(w, "MainWindow");
  p->Options = fpPosition;
  w.setFixedSize(336, 306);
  w.show();
  EXPECT_EQ(w.pos(), QPoint(10, 20));
  EXPECT_EQ(w.size(), QSize(336, 306));
  ASSERT_TRUE(w.close());
  // A fixed frame is three pixels wide.
  EXPECT_EQ(TIniFile(Ini()).ReadString("MainWindow", "NormPos", ""), "10,20,350,330");
  EXPECT_EQ(TIniFile(Ini()).ReadString("MainWindow", "MinMaxPos", ""), "-1,-1,-1,-1");
}

TEST_F(FormPlacementTest, RefusedCloseWritesNothing) {
  const QByteArray before = "; kept as it is\r\n[Klondike]\r\nNormPos=10,20,418,347\r\n";
  WriteFileBytes(Ini(), before);
  TGameWindow w;
  Attach(w, "Klondike");
  w.show();
  w.AllowClose = false;
  EXPECT_FALSE(w.close());
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(ReadFileBytes(Ini()), before);
  w.hide();  // a hidden window is not a close: still nothing
  EXPECT_EQ(ReadFileBytes(Ini()), before);
}

TEST_F(FormPlacementTest, DestroyWithoutCloseSavesAsVisible) {
  {
    TGameWindow w;
    Attach(w, "Spider");
    w.resize(300, 200);
    w.move(5, 6);
    w.show();
  }
  EXPECT_EQ(TIniFile(Ini()).ReadString("Spider", "Visible", ""), "1");
  EXPECT_EQ(TIniFile(Ini()).ReadString("Spider", "NormPos", ""), "5,6,309,210");

  // Never shown, never restored: nothing to save.
  { TGameWindow w; Attach(w, "Golf"); }
  EXPECT_FALSE(TIniFile(Ini()).SectionExists("Golf"));
}

TEST_F(FormPlacementTest, PositionsOffTheScreenAreBroughtBack) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  const QByteArray ppi = QByteArray::number(CurrentPpi());
  {
    WriteFileBytes(Ini(), "[Golf]\r\nPixelsPerInch=" + ppi + "\r\nNormPos=5000,4000,5404,4304\r\n");
    TGameWindow w;
    Attach(w, "Golf");
    w.show();
    EXPECT_EQ(w.size(), QSize(400, 300));
    EXPECT_TRUE(area.contains(QRect(w.pos(), w.size()))) << w.pos().x() << "," << w.pos().y();
  }
  {
    WriteFileBytes(Ini(), "[Golf]\r\nPixelsPerInch=" + ppi + "\r\nNormPos=-3000,-2000,-2592,-1673\r\n");
    TGameWindow w;
    Attach(w, "Golf");
    w.show();
    EXPECT_EQ(w.pos(), area.topLeft());
  }
  {
    // Right left of left and bottom above top: the window keeps its own size.
    WriteFileBytes(Ini(), "[Golf]\r\nPixelsPerInch=" + ppi + "\r\nNormPos=60,70,10,20\r\n");
    TGameWindow w;
    Attach(w, "Golf");
    w.resize(222, 111);
    w.show();
    EXPECT_EQ(w.size(), QSize(222, 111));
    EXPECT_EQ(w.pos(), QPoint(60, 70));
  }
  {
    WriteFileBytes(Ini(), "[Golf]\r\nPixelsPerInch=" + ppi + "\r\nNormPos=junk, 7\r\n");
    TGameWindow w;
    Attach(w, "Golf");
    w.resize(222, 111);
    w.show();
    EXPECT_TRUE(area.intersects(w.frameGeometry()));
    EXPECT_FALSE(w.size().isEmpty());
  }
}

TEST_F(FormPlacementTest, RectanglesThatDoNotFitTheScreenAreFittedAndSavedSo) {
  // The free area of the test screen, whatever size the platform gives it.
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  auto bottom = [&](int extra) { return QByteArray::number(area.top() + area.height() + extra); };
  const int tall = area.height() + 100;  // a minimum height no screen position can hold
  const struct {
    QByteArray NormPos;  // empty: nothing stored, the window opens where its code put it
    QRect Own;           // that place: the frame's corner and the client size
    int MinHeight;
    QRect Frame;  // where the frame must land
    int MinWidth = 300;
  } cases[] = {
      // Far larger than any screen: it once gave a window of 32767 x 29975 pixels.
      {"0,0,40000,30000", {}, 200, area},
      // Written on a larger monitor, read on a smaller one.
      {"120,90,2618,1465", {}, 200, area},
      // Right less left overflows an int.
      {"-2147483648,-2147483648,2147483647,2147483647", {}, 200, area},
      {"-99999999999999999999,-99999999999999999999,99999999999999999999,99999999999999999999", {}, 200, area},
      // Too tall only: moved up as far as needed, its width and left edge kept.
      {"50,40,450," + bottom(500), {}, 200, QRect(50, area.top(), 400, area.height())},
      // Smaller than the window's minimum.
      {"30,40,60,70", {}, 200, QRect(30, 40, 304, 204)},
      // Even the minimum is taller than the screen: the top, title bar and all, stays on it.
      {"50,-80,450,300", {}, tall, QRect(50, area.top(), 400, tall + 4)},
      // A minimum whose frame alone is wider and taller than the area: the client area and
      // title bar fill the area, the side borders and bottom edge run past it.
      {"300,200,2700,1700", {}, area.height() - 2,
       QRect(area.left() - 2, area.top(), area.width() + 4, area.height() + 2), area.width()},
      // A first placement is fitted alike; one that fits stays exactly where it was put.
      {"", QRect(area.left() - 100, area.top() - 50, area.width() + 200, area.height() + 100), 200, area},
      {"", QRect(60, 70, 400, 300), 200, QRect(60, 70, 404, 304)},
      {"", QRect(50, area.top() - 80, 400, 300), tall, QRect(50, area.top(), 404, tall + 4)},
      // One whose frame does not fit stays as near its place as its client area and title bar allow.
      {"", QRect(area.left() + 100, area.top() + 50, area.width() - 1, area.height() - 3), area.height() - 3,
       QRect(area.left() - 1, area.top() + 1, area.width() + 3, area.height() + 1), area.width() - 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.NormPos.isEmpty() ? "first placement" : c.NormPos.toStdString());
    WriteFileBytes(Ini(), c.NormPos.isEmpty() ? QByteArray() : "[Golf]\r\nNormPos=" + c.NormPos + "\r\n");
    TGameWindow w;
    Attach(w, "Golf");
    w.setMinimumSize(c.MinWidth, c.MinHeight);
    if (c.NormPos.isEmpty()) {
      w.resize(c.Own.size());
      w.move(c.Own.topLeft());
    }
    w.show();
    EXPECT_EQ(w.frameGeometry(), c.Frame);
    ASSERT_TRUE(w.close());
    const QRect f = c.Frame;
    EXPECT_EQ(TIniFile(Ini()).ReadString("Golf", "NormPos", ""),
              QStringLiteral("%1,%2,%3,%4").arg(f.left()).arg(f.top()).arg(f.left() + f.width()).arg(f.top() + f.height()));
  }

  // A window that reopens maximized gets the fitted rectangle as its normal one.
  WriteFileBytes(Ini(), "[Golf]\r\nShowCmd=3\r\nNormPos=0,0,40000,30000\r\n");
  TGameWindow w;
  Attach(w, "Golf");
  w.show();
  ASSERT_TRUE(w.isMaximized());
  w.showNormal();
  EXPECT_EQ(w.frameGeometry(), area);
}

TEST_F(FormPlacementTest, PreventResizeFixesTheSizeAndDropsTheMaximizeButton) {
  QDialog peek;
  TFormPlacement* p = Attach(peek, "FTPeekDialog");
  p->Options = fpPosition;
  p->SetPreventResize(true);
  peek.resize(300, 200);
  peek.show();
  EXPECT_EQ(peek.minimumSize(), QSize(300, 200));
  EXPECT_EQ(peek.maximumSize(), QSize(300, 200));
  EXPECT_FALSE(peek.windowFlags() & Qt::WindowMaximizeButtonHint);
  // A dialog ends through accept(), without a close request; its placement is kept.
  peek.accept();
  EXPECT_EQ(TIniFile(Ini()).ReadString("FTPeekDialog", "Visible", ""), "0");
}

TEST_F(FormPlacementTest, AMinimizedWindowIsStoredInTheStateItWillRestoreTo) {
  for (bool maximized : {false, true}) {
    SCOPED_TRACE(maximized);
    {
      TGameWindow w;
      Attach(w, "Klondike");
      w.resize(300, 200);
      w.move(20, 30);
      w.show();
      if (maximized) w.showMaximized();
      w.showMinimized();
      ASSERT_TRUE(w.close());
    }
    // A window that came back minimized at the next start could not be found.
    EXPECT_EQ(TIniFile(Ini()).ReadString("Klondike", "ShowCmd", ""), maximized ? "3" : "1");
    EXPECT_EQ(TIniFile(Ini()).ReadString("Klondike", "NormPos", ""), "20,30,324,234");
    TGameWindow again;
    Attach(again, "Klondike");
    again.show();
    EXPECT_FALSE(again.isMinimized());
    EXPECT_EQ(again.isMaximized(), maximized);
  }
}

TEST_F(FormPlacementTest, MinMaxInfoLimitsTheWindowAndClearingItGivesTheOwnLimitsBack) {
  TGameWindow w;
  TFormPlacement* p = Attach(w, "Golf");
  w.setMinimumSize(50, 40);
  TWinMinMaxInfo limits;
  limits.SetMinTrackWidth(200);
  limits.SetMaxTrackWidth(600);
  limits.SetMaxTrackHeight(450);
  p->SetMinMaxInfo(limits);
  w.show();
  // Outer sizes: the client area is smaller by the 2-pixel frame on each side; a value
  // left at 0 keeps the window's own limit.
  EXPECT_EQ(w.minimumSize(), QSize(196, 40));
  EXPECT_EQ(w.maximumSize(), QSize(596, 446));
  w.resize(1000, 10);
  EXPECT_EQ(w.size(), QSize(596, 40));
  // The maximized size bounds only a maximized window; resizing stays bounded by the
  // tracking size alone.
  p->MinMaxInfo().SetMaxSizeWidth(500);
  p->MinMaxInfo().SetMaxSizeHeight(300);
  EXPECT_EQ(w.maximumSize(), QSize(596, 446));
  w.resize(1000, 1000);
  EXPECT_EQ(w.size(), QSize(596, 446));
  // Maximized, the window tells the window manager the maximized size as its largest
  // (this platform has no window manager to act on it); restored, it has its tracking
  // size and its rectangle back.
  w.showMaximized();
  ASSERT_TRUE(w.isMaximized());
  EXPECT_EQ(w.windowHandle()->maximumSize().grownBy(w.windowHandle()->frameMargins()), QSize(500, 300));
  EXPECT_EQ(w.maximumSize(), QSize(596, 446));
  w.showNormal();
  EXPECT_EQ(w.windowHandle()->maximumSize(), QSize(596, 446));
  EXPECT_EQ(w.size(), QSize(596, 446));
  p->SetMinMaxInfo(TWinMinMaxInfo());
  EXPECT_TRUE(p->MinMaxInfo().DefaultMinMaxInfo());
  EXPECT_EQ(w.minimumSize(), QSize(50, 40));
  EXPECT_EQ(w.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

TEST_F(FormPlacementTest, ActiveControlIsStoredAndFocusedAgainOnlyWithItsOption) {
  auto build = [](QWidget& form) {
    for (const char* name : {"First", "Second"}) {
      auto* edit = new QLineEdit(&form);
      edit->setObjectName(name);
    }
    auto* label = new QLabel("no focus", &form);
    label->setObjectName("Label");
  };
  auto showWithOption = [&](QWidget& form) {
    build(form);
    Attach(form, "Dialog")->Options |= fpActiveControl;
    form.show();
  };
  {
    TGameWindow w;
    showWithOption(w);
    w.activateWindow();
    w.findChild<QWidget*>("Second")->setFocus();
    ASSERT_TRUE(w.close());
  }
  EXPECT_EQ(TIniFile(Ini()).ReadString("Dialog", "ActiveControl", ""), "Second");
  {
    TGameWindow w;
    showWithOption(w);
    EXPECT_EQ(w.focusWidget(), w.findChild<QWidget*>("Second"));
  }
  // A name that cannot take the focus is passed over; without the option nothing is read.
  TIniFile(Ini()).WriteString("Dialog", "ActiveControl", "Label");
  TGameWindow w;
  showWithOption(w);
  EXPECT_NE(w.focusWidget(), w.findChild<QWidget*>("Label"));
  TIniFile(Ini()).WriteString("Other", "ActiveControl", "Second");
  TGameWindow plain;
  build(plain);
  Attach(plain, "Other");
  plain.show();
  EXPECT_NE(plain.focusWidget(), plain.findChild<QWidget*>("Second"));
}

TEST(NthWord, BlanksAndCommasSeparateWords) {
  EXPECT_EQ(NthWord("10, 20,,30  40", 1), "10");
  EXPECT_EQ(NthWord("10, 20,,30  40", 3), "30");
  EXPECT_EQ(NthWord("10, 20,,30  40", 4), "40");
  EXPECT_EQ(NthWord("10, 20,,30  40", 5), "");
  EXPECT_EQ(NthWord(" ,a", 1), "a");
}
