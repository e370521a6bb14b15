#include "widgets/ExShell.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
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
  if (FAdded) HookIconWindow();
}

// An icon embedded in an X tray is a little window of its own: its raw mouse input gives
// the press, release and move events, which the platform's icon object does not report.
void TExTrayIcon::HookIconWindow() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->inherits("QSystemTrayIconSys") && window != FIconWindow) {
      FIconWindow = window;
      window->installEventFilter(this);
      window->setMouseTracking(true);
    }
  }
}

bool TExTrayIcon::eventFilter(QObject* watched, QEvent* event) {
  if (watched != FIconWindow) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      MouseAction(event->type(), static_cast<QMouseEvent*>(event)->button());
      return true;
    case QEvent::MouseMove:
      MouseAction(event->type(), Qt::NoButton);
      return true;
    default:
      return QObject::eventFilter(watched, event);
  }
}

void TExTrayIcon::MouseAction(QEvent::Type type, Qt::MouseButton button) {
  if (!FEnabled) return;
  const QPoint at = QCursor::pos();
  const Qt::KeyboardModifiers shift = QGuiApplication::queryKeyboardModifiers();
  const bool leftOrRight = button == Qt::LeftButton || button == Qt::RightButton;
  switch (type) {
    case QEvent::MouseMove:
      if (OnMouseMove) OnMouseMove(shift, at.x(), at.y());
      break;
    case QEvent::MouseButtonPress:
      if (OnMouseDown) OnMouseDown(button, shift, at.x(), at.y());
      if (leftOrRight) FPressed = true;
      break;
    case QEvent::MouseButtonRelease:
      if (leftOrRight && FPressed) {
        FPressed = false;
        Click(button);
      }
      if (OnMouseUp) OnMouseUp(button, shift, at.x(), at.y());
      break;
    case QEvent::MouseButtonDblClick:
      if (button == Qt::LeftButton) DblClick();
      if (OnMouseDown) OnMouseDown(button, shift, at.x(), at.y());
      break;
    default:
      break;
  }
}

void TExTrayIcon::Click(Qt::MouseButton button) {
  if (button == Qt::RightButton && FActive && FPopupMenu) {
    FPopupMenu->popup(QCursor::pos());
    return;
  }
  if (OnClick) {
    const QPoint at = QCursor::pos();
    OnClick(button, QGuiApplication::queryKeyboardModifiers(), at.x(), at.y());
  }
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
      Click(Qt::LeftButton);
      break;
    case QSystemTrayIcon::DoubleClick:
      DblClick();
      break;
    default:
      // The right click's menu is opened by the system icon itself.
      break;
  }
}
