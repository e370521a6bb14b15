#pragma once
// The main window: the list of the thirty games, the game preview, the jester and the four
// picture buttons. It works out where the settings file lives, owns the sound manager and
// the win animation, hides to the notification area on request, and closes every game
// window before it closes itself. Game windows read its public fields.

#include <QElapsedTimer>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

class QWindow;
class TspAnimate;
class TwkImageBtn;
class TwkLabel;
class TFormPlacement;
class TProfile;
class TExTrayIcon;

// One tool-bar image list: the eight tool-bar pictures (Undo, Redo, New Game, Select Game,
// Restart, Options, Rules, Statistics) at one size and look.
struct TToolBarImages {
  int Size = 16;
  std::vector<QPixmap> Images;
};

class TPellamyForm : public QWidget {

public:
  explicit TPellamyForm(QWidget* owner = nullptr);
  ~TPellamyForm() override;

  // Fields the game windows and dialogs read (and FCloseAccepted, which they write).
  bool FScreenBelow800 = false, FScreenBelow1024 = false, FScreenBelow1280 = false, FScreenBelow1400 = false,
       FScreenBelow1600 = false;
  bool FLowColorDisplay = false;
  bool FWin9x = false;
  QString FGameName;
  QString FHelpFile;
  QString FIniPath;
  TspAnimate* FWinAnimation = nullptr;
  bool FCloseAccepted = true;

  // Tool-bar image lists borrowed by the game windows: normal, hot and disabled at
  // 16 px (large cards), 12 px (small cards; no hot set) and 24 px (huge cards).
  TToolBarImages speedBarImages, speedBarHotImages, speedBarDisabledImages;
  TToolBarImages smallSpeedBarImages, smallSpeedBarDisabledImages;
  TToolBarImages largeSpeedBarImages, largeSpeedBarHotImages, largeSpeedBarDisabledImages;

  // Components.
  TwkLabel* SelectPrompt = nullptr;
  QListWidget* GameSelectListBox = nullptr;
  QLabel* JesterImage = nullptr;
  QLabel* GameImage = nullptr;
  QFrame* ImageBevel = nullptr;
  TwkImageBtn* InfoButton = nullptr;
  TwkImageBtn* HelpButton = nullptr;
  TwkImageBtn* OptionsButton = nullptr;
  TwkImageBtn* StatsButton = nullptr;
  TFormPlacement* FormPlacement1 = nullptr;
  TProfile* Profile1 = nullptr;
  TExTrayIcon* TrayIcon = nullptr;
  QMenu* TrayPopupMenu = nullptr;

  void InitSettingsPaths();
  // Asks every open game window to close (list order; large, small, huge per game) and
  // destroys those that agree before returning; FCloseAccepted tells whether all did.
  void CloseAllGames();
  bool AnyGameOpen() const;

  // Game launch: the list's click, also run by the restore-last-game step at start-up.
  void GameSelectListBoxClick();
  void SetGameCardSize(int size);
  void ShowSizeWarning(int kind);
  // The warning with the game name followed by what it needs.
  void ShowSizeWarningText(const QString& needs);

  void Image1Click();
  void HelpButtonClick();
  void OptionsButtonClick();
  void StatsButtonClick();
  // The application's minimize: every window of the program minimizes, then FormHide.
  // Game windows call it for their own minimize command.
  void MinimizeApplication();
  // Hides the program to the notification area when that option is on and the icon can
  // really be shown there; otherwise the windows stay minimized normally.
  void FormHide();
  // The program comes back as one: every window minimized (or hidden) with it returns to
  // the state it had. Runs when any of them is restored (restored names it), and from the
  // tray icon. The window the player restored, or else the one that was active before the
  // minimize, comes back last: on top, with the keyboard focus.
  void RestoreApplication(QWidget* restored = nullptr);
  void TrayIconDblClick();
  bool ApplicationMinimized() const { return !FMinimizedWithApp.empty(); }
  void Exit1Click();

protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void BuildComponents();
  void LoadToolBarImages();
  struct TMinimizedWindow {
    QPointer<QWidget> Window;
    Qt::WindowStates StateBefore;
  };
  // The states the program asked of one window not yet reported back, oldest first: for
  // each request the steps on the way and the state asked for, in the order the window
  // manager reports them. Those reports are the program's own doing, not the player's.
  struct TStateRequest {
    QPointer<QWindow> Handle;
    std::vector<std::vector<Qt::WindowStates>> Expected;
    QElapsedTimer Since;
  };
  void Track(QWidget* window);
  void RequestWindowState(QWidget* window, Qt::WindowStates state);
  bool DeliverStateReport(QWindow* handle, QEvent* event);
  void WindowShownOrGone(QWindow* handle);
  void RestoreWindow(const TMinimizedWindow& m);

  std::vector<TMinimizedWindow> FMinimizedWithApp;
  std::vector<TStateRequest> FStateRequests;
  QPointer<QWidget> FActiveBeforeMinimize;
  bool FHiddenToTray = false;
  bool FRestoring = false;
  bool FOwnStateReport = false;  // a report of the program's own state request is being delivered
};

// The main window, set at the start of its constructor.
extern TPellamyForm* PellamyForm;
// List index of the last launch (-1 at start) and of the game being launched.
extern int LastIndex;
extern int CurrentGame;
