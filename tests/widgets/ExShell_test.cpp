#include <gtest/gtest.h>

#include <QAction>
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

}  // namespace
