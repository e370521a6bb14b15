#pragma once
// The notification-area icon: shows the program's icon with a hint, turns clicks on it into
// events and opens its pop-up menu on a right click.

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

  std::function<void()> OnClick;
  std::function<void()> OnDblClick;

  // The double-click action: the pop-up menu's enabled default item, else OnDblClick.
  void DblClick();

  // The system icon object (tests drive its activation signal).
  QSystemTrayIcon* SystemIcon() const { return FSystemIcon; }

private:
  void AddIcon();
  void DeleteIcon();
  void Refresh();
  void Activated(int reason);

  bool FActive = true;
  bool FEnabled = true;
  bool FAdded = false;
  QString FHint;
  QIcon FIcon;
  QPointer<QMenu> FPopupMenu;
  QSystemTrayIcon* FSystemIcon = nullptr;
};
