#pragma once
// The notification-area icon: shows the program's icon with a hint, turns clicks on it into
// events and opens its pop-up menu on a right click.

#include <QEvent>
#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QSystemTrayIcon;

class TExTrayIcon : public QObject {
  Q_OBJECT
public:
  explicit TExTrayIcon(QObject* owner = nullptr);
  ~TExTrayIcon() override;

  bool Active() const { return FActive; }
  void SetActive(bool active);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled) { FEnabled = enabled; }
  const QString& Hint() const { return FHint; }
  void SetHint(const QString& hint);
  const QIcon& Icon() const { return FIcon; }
  void SetIcon(const QIcon& icon);
  QMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(QMenu* menu);

  // True when the system really shows the icon (a tray exists and the icon was added).
  bool IsAdded() const { return FAdded; }
  // The tool tip shown: the hint's short part (before a "|"), at most 127 characters.
  QString ShortHint() const;

  // Mouse events carry the button, the keyboard state and the pointer's screen position.
  using TMouseEvent = std::function<void(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)>;
  using TMouseMoveEvent = std::function<void(Qt::KeyboardModifiers Shift, int X, int Y)>;
  TMouseEvent OnClick;
  std::function<void()> OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  // The double-click action: the pop-up menu's enabled default item, else OnDblClick.
  void DblClick();
  // One mouse action on the icon (a press, release, double click or move of a button),
  // turned into the events: a press then a release of the same icon is a click, and a
  // right click opens the pop-up menu instead of OnClick.
  void MouseAction(QEvent::Type type, Qt::MouseButton button);

  // The system icon object (tests drive its activation signal).
  QSystemTrayIcon* SystemIcon() const { return FSystemIcon; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void HookIconWindow();
  void Click(Qt::MouseButton button);
  void AddIcon();
  void DeleteIcon();
  void Refresh();
  void Activated(int reason);

  bool FActive = true;
  bool FEnabled = true;
  bool FAdded = false;
  bool FPressed = false;  // a left or right press waiting for its release
  QPointer<QWidget> FIconWindow;  // the icon's own window in the tray, when the platform has one
  QString FHint;
  QIcon FIcon;
  QPointer<QMenu> FPopupMenu;
  QSystemTrayIcon* FSystemIcon = nullptr;
};
