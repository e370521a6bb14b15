#include "widgets/ExShell.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>

TExTrayIcon::TExTrayIcon(QObject* owner) : QObject(owner), FSystemIcon(new QSystemTrayIcon(this)) {
  connect(FSystemIcon, &QSystemTrayIcon::activated, this,
          [this](QSystemTrayIcon::ActivationReason reason) { Activated(static_cast<int>(reason)); });
}

TExTrayIcon::~TExTrayIcon() {
  FEnabled = false;
  DeleteIcon();
}

void TExTrayIcon::SetActive(bool active) {
  if (active == FActive) return;
  FActive = active;
  if (FActive)
    AddIcon();
  else
    DeleteIcon();
}

void TExTrayIcon::SetHint(const QString& hint) {
  if (hint == FHint) return;
  FHint = hint;
  Refresh();
}

void TExTrayIcon::SetIcon(const QIcon& icon) {
  FIcon = icon;
  Refresh();
}

void TExTrayIcon::SetPopupMenu(QMenu* menu) {
  FPopupMenu = menu;
  FSystemIcon->setContextMenu(menu);
}

QString TExTrayIcon::ShortHint() const { return FHint.section(QLatin1Char('|'), 0, 0).left(127); }

void TExTrayIcon::AddIcon() {
  DeleteIcon();
  if (FIcon.isNull()) return;
  FSystemIcon->setIcon(FIcon);
  FSystemIcon->setToolTip(ShortHint());
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  FSystemIcon->show();
  FAdded = FSystemIcon->isVisible();
}

void TExTrayIcon::DeleteIcon() {
  FSystemIcon->hide();
  FAdded = false;
}

void TExTrayIcon::Refresh() {
  if (FAdded) {
    if (FIcon.isNull()) {
      DeleteIcon();
    } else {
      FSystemIcon->setIcon(FIcon);
      FSystemIcon->setToolTip(ShortHint());
    }
  } else if (FActive) {
    AddIcon();
  }
}

void TExTrayIcon::DblClick() {
  if (FActive && FPopupMenu) {
    QAction* item = FPopupMenu->defaultAction();
    if (item && item->isEnabled()) {
      item->trigger();
      return;
    }
  }
  if (OnDblClick) OnDblClick();
}

void TExTrayIcon::Activated(int reason) {
  if (!FEnabled) return;
  switch (static_cast<QSystemTrayIcon::ActivationReason>(reason)) {
    case QSystemTrayIcon::Trigger:
      if (OnClick) OnClick();
      break;
    case QSystemTrayIcon::DoubleClick:
      DblClick();
      break;
    default:
      // The right click's menu is opened by the system icon itself.
      break;
  }
}
