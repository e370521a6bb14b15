#include <gtest/gtest.h>

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>

#include "widgets/ExShell.h"

namespace {

QIcon SomeIcon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::red);
  return QIcon(pixmap);
}

TEST(TExTrayIcon, HintUsesItsShortPartCutTo127Characters) {
  TExTrayIcon tray;
  tray.SetActive(false);
  tray.SetHint("Pellamy!|the long part");
  EXPECT_EQ(tray.ShortHint(), "Pellamy!");
  tray.SetHint(QString(200, 'x'));
  EXPECT_EQ(tray.ShortHint().size(), 127);
}

TEST(TExTrayIcon, NothingIsAddedWithoutAnIconOrWithoutATray) {
  TExTrayIcon tray;
  tray.SetActive(false);
  tray.SetActive(true);
  EXPECT_FALSE(tray.IsAdded()) << "an empty icon is never added";
  tray.SetIcon(SomeIcon());
  // The offscreen platform has no notification area: the icon cannot really be shown,
  // and the main window must then minimize normally.
  EXPECT_EQ(tray.IsAdded(), QSystemTrayIcon::isSystemTrayAvailable());
  tray.SetActive(false);
  EXPECT_FALSE(tray.IsAdded());
}

TEST(TExTrayIcon, DoubleClickRunsTheDefaultMenuItemElseTheEvent) {
  TExTrayIcon tray;
  QMenu menu;
  QAction* restore = menu.addAction("&Restore");
  menu.addAction("&Exit");
  tray.SetPopupMenu(&menu);
  int dblClicks = 0, restores = 0, clicks = 0;
  tray.OnDblClick = [&] { ++dblClicks; };
  tray.OnClick = [&](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++clicks; };
  QObject::connect(restore, &QAction::triggered, [&] { ++restores; });

  emit tray.SystemIcon()->activated(QSystemTrayIcon::DoubleClick);
  EXPECT_EQ(dblClicks, 1) << "the program's menu has no default item";
  menu.setDefaultAction(restore);
  emit tray.SystemIcon()->activated(QSystemTrayIcon::DoubleClick);
  EXPECT_EQ(restores, 1);
  EXPECT_EQ(dblClicks, 1);
  restore->setEnabled(false);
  emit tray.SystemIcon()->activated(QSystemTrayIcon::DoubleClick);
  EXPECT_EQ(dblClicks, 2) << "a disabled default item falls back to the event";

  emit tray.SystemIcon()->activated(QSystemTrayIcon::Trigger);
  EXPECT_EQ(clicks, 1);
  tray.SetEnabled(false);
  emit tray.SystemIcon()->activated(QSystemTrayIcon::Trigger);
  EXPECT_EQ(clicks, 1) << "a disabled icon raises no events";
}

TEST(TExTrayIcon, MouseActionsBecomeDownClickUpAndMoveEvents) {
  TExTrayIcon tray;
  tray.SetActive(false);
  QStringList log;
  auto name = [](Qt::MouseButton b) {
    return b == Qt::LeftButton ? QString("L") : b == Qt::RightButton ? QString("R") : QString("M");
  };
  tray.OnMouseDown = [&](Qt::MouseButton b, Qt::KeyboardModifiers, int, int) { log << "down" + name(b); };
  tray.OnMouseUp = [&](Qt::MouseButton b, Qt::KeyboardModifiers, int, int) { log << "up" + name(b); };
  tray.OnClick = [&](Qt::MouseButton b, Qt::KeyboardModifiers, int, int) { log << "click" + name(b); };
  tray.OnMouseMove = [&](Qt::KeyboardModifiers, int x, int y) {
    log << "move";
    EXPECT_EQ(QPoint(x, y), QCursor::pos()) << "events carry the pointer's screen position";
  };
  tray.OnDblClick = [&] { log << "dbl"; };

  tray.MouseAction(QEvent::MouseMove, Qt::NoButton);
  tray.MouseAction(QEvent::MouseButtonPress, Qt::LeftButton);
  tray.MouseAction(QEvent::MouseButtonRelease, Qt::LeftButton);
  EXPECT_EQ(log, QStringList({"move", "downL", "clickL", "upL"}));

  // A double click: the second press arrives as the double click, its release is no click.
  log.clear();
  tray.MouseAction(QEvent::MouseButtonDblClick, Qt::LeftButton);
  tray.MouseAction(QEvent::MouseButtonRelease, Qt::LeftButton);
  EXPECT_EQ(log, QStringList({"dbl", "downL", "upL"}));

  // The middle button never clicks; a right double click is only a press.
  log.clear();
  tray.MouseAction(QEvent::MouseButtonPress, Qt::MiddleButton);
  tray.MouseAction(QEvent::MouseButtonRelease, Qt::MiddleButton);
  tray.MouseAction(QEvent::MouseButtonDblClick, Qt::RightButton);
  EXPECT_EQ(log, QStringList({"downM", "upM", "downR"}));

  // A right click on an active icon with a menu opens the menu instead of the click.
  log.clear();
  QMenu menu;
  menu.addAction("&Restore");
  tray.SetPopupMenu(&menu);
  tray.SetIcon(SomeIcon());
  tray.SetActive(true);
  tray.MouseAction(QEvent::MouseButtonPress, Qt::RightButton);
  tray.MouseAction(QEvent::MouseButtonRelease, Qt::RightButton);
  EXPECT_EQ(log, QStringList({"downR", "upR"}));
  EXPECT_TRUE(menu.isVisible());
  menu.hide();

  tray.SetEnabled(false);
  log.clear();
  tray.MouseAction(QEvent::MouseButtonPress, Qt::LeftButton);
  tray.MouseAction(QEvent::MouseMove, Qt::NoButton);
  EXPECT_TRUE(log.isEmpty()) << "a disabled icon raises no events";
}

}  // namespace
