#include "shell/PellamyWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QWindow>
#include <QWindowStateChangeEvent>
#include <algorithm>

#include "platform/Metrics.h"
#include "art/ButtonFaces.h"
#include "art/GameNames.h"
#include "art/ShellArt.h"
#include "art/ToolBarArt.h"
#include "engine/Animate.h"
#include "engine/Card.h"
#include "engine/CardPileView.h"
#include "engine/Sounds.h"
#include "platform/Help.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "shell/GameWindows.h"
#include "shell/InfoDlg.h"
#include "shell/Preferences.h"
#include "shell/Profile.h"
#include "shell/StatisticsWindow.h"
#include "widgets/ExShell.h"
#include "widgets/FormPlacement.h"
#include "widgets/WindowFrame.h"
#include "widgets/wkImgBtn.h"
#include "widgets/wkLabel.h"

TPellamyForm* PellamyForm = nullptr;
int LastIndex = -1;
int CurrentGame = 0;

namespace {
TwkImageBtn* PictureButton(QWidget* parent, TButtonFace face, const QString& caption, QPoint at) {
  auto* button = new TwkImageBtn(parent);
  button->Image().Assign(ButtonFaceImage(face));
  button->SetTransparentColor(clRed);
  button->SetColor(clBtnFace);
  button->SetShadeStyle(fbsFlat);
  button->setFont(Metrics::ArialFont(11, true));
  button->SetFontColor(clWhite);
  button->TextOptions().Shadow().SetEnabled(true);
  button->TextOptions().Shadow().SetXOffset(1);
  button->TextOptions().Shadow().SetYOffset(1);
  button->SetCaption(caption);
  button->setGeometry(QRect(at, ButtonFaceSize(face)));
  return button;
}
}  // namespace

TPellamyForm::TPellamyForm(QWidget* owner) : QWidget(owner) {
  PellamyForm = this;
  BuildComponents();

  // There is no single-instance rule, so no named lock is taken.
  const QIcon icon(QPixmap::fromImage(LoadPngResource(QStringLiteral("MAINICON"))));
  setWindowIcon(icon);
  QApplication::setWindowIcon(icon);
  TrayIcon->SetIcon(icon);

  InitSettingsPaths();
  Profile1->SetFileName(FIniPath);
  FormPlacement1->SetIniFileName(FIniPath);

  JesterImage->setPixmap(QPixmap::fromImage(LoadPngResource(QStringLiteral("JESTER"))));
  LoadToolBarImages();
  Random::SeedFromClock();
  SoundManager = new TSoundManager;
  FWinAnimation = new TspAnimate(FIniPath);
  FHelpFile = Help::DefaultHelpFile();
  LastIndex = -1;
}

TPellamyForm::~TPellamyForm() {
  delete Profile1;
  Help::CloseAll();
  TCard::FreeCardBitmaps();
  TCardPileView::FreePileBitmaps();
  delete SoundManager;
  SoundManager = nullptr;
  delete FWinAnimation;
  FWinAnimation = nullptr;
  if (PellamyForm == this) PellamyForm = nullptr;
}

void TPellamyForm::BuildComponents() {
  setWindowTitle(QStringLiteral("Pellamy!"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  // The window cannot be resized: its client area is always 336 x 306.
  setFixedSize(336, 306);

  SelectPrompt = new TwkLabel(this);
  SelectPrompt->setFont(Metrics::ArialFont(12, true));
  SelectPrompt->SetTransparent(true);
  SelectPrompt->TextOptions().Shadow().SetEnabled(true);
  SelectPrompt->TextOptions().Shadow().SetXOffset(1);
  SelectPrompt->TextOptions().Shadow().SetYOffset(1);
  SelectPrompt->SetCaption(QStringLiteral("Select a Game"));
  SelectPrompt->move(12, 6);
  SelectPrompt->AdjustBounds();

  GameSelectListBox = new QListWidget(this);
  GameSelectListBox->setGeometry(8, 24, 157, 273);
  GameSelectListBox->setFont(Metrics::ArialFont(12, true));
  GameSelectListBox->setToolTip(QStringLiteral("Select a Pellamy Game"));
  GameSelectListBox->setSelectionMode(QAbstractItemView::SingleSelection);
  GameSelectListBox->setUniformItemSizes(true);
  GameSelectListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int i = 0; i < GameCount; ++i) {
    auto* item = new QListWidgetItem(GameListName(i), GameSelectListBox);
    item->setSizeHint(QSize(0, 15));
  }
  connect(GameSelectListBox, &QListWidget::itemClicked, this, [this] { GameSelectListBoxClick(); });
  connect(GameSelectListBox, &QListWidget::itemActivated, this, [this] { GameSelectListBoxClick(); });

  JesterImage = new QLabel(this);
  JesterImage->setGeometry(175, 18, 68, 97);
  JesterImage->installEventFilter(this);
  JesterImage->setCursor(Qt::PointingHandCursor);

  GameImage = new QLabel(this);
  GameImage->setGeometry(173, 183, 155, 105);
  GameImage->setScaledContents(true);
  GameImage->hide();

  ImageBevel = new QFrame(this);
  ImageBevel->setGeometry(174, 168, 155, 9);
  ImageBevel->setFrameStyle(QFrame::HLine | QFrame::Raised);

  InfoButton = PictureButton(this, TButtonFace::Info, QStringLiteral("Info"), QPoint(262, 8));
  InfoButton->OnClick = [this] { Image1Click(); };
  HelpButton = PictureButton(this, TButtonFace::Help, QStringLiteral("Help"), QPoint(257, 38));
  HelpButton->OnClick = [this] { HelpButtonClick(); };
  OptionsButton = PictureButton(this, TButtonFace::Options, QStringLiteral("Options"), QPoint(251, 67));
  OptionsButton->OnClick = [this] { OptionsButtonClick(); };
  StatsButton = PictureButton(this, TButtonFace::Statistics, QStringLiteral("Statistics"), QPoint(226, 126));
  StatsButton->OnClick = [this] { StatsButtonClick(); };

  FormPlacement1 = new TFormPlacement(this);
  FormPlacement1->SetIniSection(QStringLiteral("MainWindow"));
  FormPlacement1->Options = fpPosition;
  Profile1 = new TProfile(QStringLiteral("Preferences"));

  TrayPopupMenu = new QMenu(this);
  TrayPopupMenu->addAction(QStringLiteral("&Restore"), this, [this] { TrayIconDblClick(); });
  TrayPopupMenu->addAction(QStringLiteral("&Exit"), this, [this] { Exit1Click(); });
  TrayIcon = new TExTrayIcon(this);
  TrayIcon->SetActive(false);
  TrayIcon->SetHint(QStringLiteral("Pellamy!"));
  TrayIcon->SetPopupMenu(TrayPopupMenu);
  TrayIcon->OnDblClick = [this] { TrayIconDblClick(); };

  GameSelectListBox->setFocus();
}

void TPellamyForm::LoadToolBarImages() {
  const auto fill = [](TToolBarImages& list, int size, TToolBarLook look) {
    list.Size = size;
    list.Images = ToolBarImages(size, look);
  };
  fill(speedBarImages, 16, TToolBarLook::Normal);
  fill(speedBarHotImages, 16, TToolBarLook::Hot);
  fill(speedBarDisabledImages, 16, TToolBarLook::Disabled);
  fill(smallSpeedBarImages, 12, TToolBarLook::Normal);
  fill(smallSpeedBarDisabledImages, 12, TToolBarLook::Disabled);
  fill(largeSpeedBarImages, 24, TToolBarLook::Normal);
  fill(largeSpeedBarHotImages, 24, TToolBarLook::Hot);
  fill(largeSpeedBarDisabledImages, 24, TToolBarLook::Disabled);
}

void TPellamyForm::InitSettingsPaths() {
  FWin9x = false;
  FIniPath = Paths::SettingsFilePath();
}

void TPellamyForm::CloseAllGames() {
  FCloseAccepted = true;
  GameWindows::ForEachOpen([](int, int, QWidget* window) { window->close(); });
  // Windows that agreed are released once their events are handled: do that now, so
  // their slots are empty when this returns.
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool TPellamyForm::AnyGameOpen() const { return GameWindows::AnyOpen(); }

void TPellamyForm::Image1Click() {
  if (!InfoBox) new TInfoBox(this);
  InfoBox->exec();
}

void TPellamyForm::HelpButtonClick() { Help::HtmlHelp(FHelpFile, 100); }

void TPellamyForm::OptionsButtonClick() {
  if (!PreferencesDlg) return;
  PreferencesDlg->exec();
  TGameWindowHost* first = nullptr;
  GameWindows::ForEachOpen([&](int, int, QWidget* window) {
    if (!first) first = dynamic_cast<TGameWindowHost*>(window);
  });
  if (first) first->ApplyPreferences();
}

void TPellamyForm::StatsButtonClick() {
  if (StatisticsDlg) StatisticsDlg->exec();
}

namespace {
// The windows the player sees as the program: not menus, tool tips or the tray icon's
// own little window.
bool IsProgramWindow(QWidget* w) {
  if (!w->isWindow() || qobject_cast<QMenu*>(w)) return false;
  const Qt::WindowType type = w->windowType();
  if (type != Qt::Window && type != Qt::Dialog) return false;
  return !w->windowFlags().testFlag(Qt::BypassWindowManagerHint) && !w->inherits("QSystemTrayIconSys");
}
}  // namespace

void TPellamyForm::MinimizeApplication() {
  // Steps of a minimize or restore the program asked for itself start nothing new.
  if (FRestoring || FOwnStateReport) return;
  if (FMinimizedWithApp.empty()) {
    QWidget* active = QApplication::activeWindow();
    FActiveBeforeMinimize = active && IsProgramWindow(active) ? active : nullptr;
  }
  std::vector<QWidget*> added;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!IsProgramWindow(window) || !window->isVisible()) continue;
    const bool known = std::any_of(FMinimizedWithApp.begin(), FMinimizedWithApp.end(),
                                   [window](const TMinimizedWindow& m) { return m.Window == window; });
    if (known) continue;
    // The window's state before this minimize (the window manager may have set the
    // minimized flag already).
    FMinimizedWithApp.push_back({window, window->windowState() & ~(Qt::WindowMinimized | Qt::WindowActive)});
    window->installEventFilter(this);
    Track(window);
    added.push_back(window);
  }
  FormHide();
  // Hidden to the tray they are not minimized as well: a window manager may keep a
  // minimized window in its task list even after it is hidden.
  if (FHiddenToTray) return;
  for (QWidget* window : added)
    if (!window->isMinimized()) RequestWindowState(window, window->windowState() | Qt::WindowMinimized);
}

void TPellamyForm::FormHide() {
  if (!PreferencesDlg || !PreferencesDlg->FMinimizeToTray || FHiddenToTray) return;
  TrayIcon->SetActive(true);
  // Without a notification area the icon is not shown; hiding the windows then would
  // leave the program unreachable, so they stay minimized.
  if (!TrayIcon->IsAdded()) {
    TrayIcon->SetActive(false);
    return;
  }
  FHiddenToTray = true;
  for (const TMinimizedWindow& m : FMinimizedWithApp)
    if (m.Window) m.Window->hide();
}

void TPellamyForm::RestoreApplication(QWidget* restored) {
  if (FRestoring) return;
  FRestoring = true;
  const std::vector<TMinimizedWindow> windows = std::move(FMinimizedWithApp);
  FMinimizedWithApp.clear();
  QWidget* front = restored ? restored : FActiveBeforeMinimize.data();
  const bool frontKnown = std::any_of(windows.begin(), windows.end(),
                                      [front](const TMinimizedWindow& m) { return m.Window == front; });
  if (!front || (!frontKnown && front != restored)) front = this;
  // A window manager puts each window it restores on top and gives it the focus, so the
  // one that belongs in front comes back last.
  for (const TMinimizedWindow& m : windows)
    if (m.Window && m.Window != front) RestoreWindow(m);
  for (const TMinimizedWindow& m : windows)
    if (m.Window && m.Window == front) RestoreWindow(m);
  FHiddenToTray = false;
  FActiveBeforeMinimize = nullptr;
  TrayIcon->SetActive(false);
  if (front->isVisible() && !front->isMinimized()) {
    front->raise();
    front->activateWindow();
  }
  FRestoring = false;
}

void TPellamyForm::RestoreWindow(const TMinimizedWindow& m) {
  m.Window->removeEventFilter(this);
  if ((m.Window->windowState() & ~Qt::WindowActive) != m.StateBefore) RequestWindowState(m.Window, m.StateBefore);
  if (!m.Window->isVisible()) m.Window->show();
}

// The state reports and the mapping of the window's native window reach eventFilter.
void TPellamyForm::Track(QWidget* window) {
  if (QWindow* handle = window->windowHandle()) {
    handle->removeEventFilter(this);
    handle->installEventFilter(this);
  }
}

void TPellamyForm::RequestWindowState(QWidget* window, Qt::WindowStates state) {
  QWindow* handle = window->windowHandle();
  // A hidden window is not the window manager's: nothing is reported back for it.
  if (handle && window->isVisible()) {
    FStateRequests.erase(std::remove_if(FStateRequests.begin(), FStateRequests.end(),
                                        [](const TStateRequest& r) { return !r.Handle; }),
                         FStateRequests.end());
    auto request = std::find_if(FStateRequests.begin(), FStateRequests.end(),
                                [handle](const TStateRequest& r) { return r.Handle == handle; });
    if (request == FStateRequests.end()) {
      FStateRequests.push_back({handle, {}, {}});
      request = std::prev(FStateRequests.end());
      Track(window);
    }
    // Qt takes a window out of the minimized state first, then out of the maximized
    // state, then minimizes it and maximizes it again as asked: each step may be
    // reported (a report that sees no change is left out).
    constexpr Qt::WindowStates sized = Qt::WindowMaximized | Qt::WindowFullScreen;
    state &= ~Qt::WindowActive;
    Qt::WindowStates step = window->windowState() & ~Qt::WindowActive;
    std::vector<Qt::WindowStates>& steps = request->Expected.emplace_back();
    const auto expect = [&](Qt::WindowStates next) {
      if (next != step) steps.push_back(next);
      step = next;
    };
    if (step & Qt::WindowMinimized) expect(step & ~Qt::WindowMinimized);
    if (step & sized) expect(step & ~sized);
    if (state & Qt::WindowMinimized) expect(step | Qt::WindowMinimized);
    expect(state);
    request->Since.start();
  }
  window->setWindowState(state);
}

// A report of a window's state that the program asked for itself, or of a step on the
// way, is delivered here with FOwnStateReport set, so that it is not taken for the player
// minimizing or restoring a window. Anything else is the player's, and so is everything
// once the window manager has left a request unanswered for a while.
bool TPellamyForm::DeliverStateReport(QWindow* handle, QEvent* event) {
  constexpr qint64 AnswerTimeout = 2000;
  const auto request = std::find_if(FStateRequests.begin(), FStateRequests.end(),
                                    [handle](const TStateRequest& r) { return r.Handle == handle; });
  if (request == FStateRequests.end()) return false;
  // The latest request first: a request that was never reported back (the window manager
  // had already done as asked) must not claim the reports of a later one. An earlier one
  // may still be answered late, when the next came before its answer.
  bool own = false;
  auto& expected = request->Expected;
  const Qt::WindowStates reported = handle->windowStates();
  for (size_t i = expected.size(); i-- > 0 && !request->Since.hasExpired(AnswerTimeout);) {
    std::vector<Qt::WindowStates>& steps = expected[i];
    const auto step = std::find(steps.begin(), steps.end(), reported);
    if (step == steps.end()) continue;
    own = true;
    steps.erase(steps.begin(), std::next(step));
    expected.erase(expected.begin(), expected.begin() + std::ptrdiff_t(i));
    break;
  }
  expected.erase(std::remove_if(expected.begin(), expected.end(), [](const auto& steps) { return steps.empty(); }),
                 expected.end());
  if (expected.empty() || !own) FStateRequests.erase(request);
  if (!own) return false;
  const QScopedValueRollback<bool> ownReport(FOwnStateReport, true);
  // Delivered here and now, so that the window's handlers run while the flag is set.
  static_cast<QObject*>(handle)->event(event);
  return true;
}

// Qt reports a window's state as it finds it when it comes to the window manager's
// notice, and leaves out a report that shows no change: a minimize that follows a restore
// within a few milliseconds (or the other way round) can go by unreported. The window
// still leaves or comes back to the screen; when it does and the window manager's word
// differs from what the program holds, the player did it.
void TPellamyForm::WindowShownOrGone(QWindow* handle) {
  if (FRestoring) return;
  QWidget* window = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->windowHandle() == handle) window = w;
  if (!window || !window->isVisible()) return;
  const std::optional<bool> minimized = WindowFrame::Minimized(window);
  if (!minimized) return;
  if (*minimized && !handle->isExposed() && !ApplicationMinimized()) {
    MinimizeApplication();
  } else if (!*minimized && handle->isExposed() && ApplicationMinimized() && !FHiddenToTray) {
    const bool known = std::any_of(FMinimizedWithApp.begin(), FMinimizedWithApp.end(),
                                   [window](const TMinimizedWindow& m) { return m.Window == window; });
    if (known) RestoreApplication(window);
  }
}

void TPellamyForm::TrayIconDblClick() {
  RestoreApplication();
  if (!isVisible() || isMinimized()) {
    showNormal();
    raise();
    activateWindow();
  }
}

void TPellamyForm::Exit1Click() {
  if (!isVisible()) TrayIconDblClick();
  close();
}

void TPellamyForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || FRestoring || FOwnStateReport) return;
  if (isMinimized())
    MinimizeApplication();
  else if (ApplicationMinimized() && isVisible())
    RestoreApplication(this);
}

void TPellamyForm::closeEvent(QCloseEvent* event) {
  CloseAllGames();
  if (!FCloseAccepted) {
    event->ignore();
    return;
  }
  event->accept();
  QApplication::quit();
}

void TPellamyForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    HelpButtonClick();
    return;
  }
  QWidget::keyPressEvent(event);
}

bool TPellamyForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowStateChange && event->spontaneous())
    if (auto* handle = qobject_cast<QWindow*>(watched)) return DeliverStateReport(handle, event);
  if (event->type() == QEvent::Expose)
    if (auto* handle = qobject_cast<QWindow*>(watched)) {
      // Only a window leaving the screen while the program is up, or coming back while
      // it is down, is looked into, once the events at hand are handled.
      if (handle->isExposed() == (ApplicationMinimized() && !FHiddenToTray))
        QMetaObject::invokeMethod(
            this, [this, h = QPointer<QWindow>(handle)] { if (h) WindowShownOrGone(h); }, Qt::QueuedConnection);
      return false;
    }
  // Any window of the program restored (from the task bar, say) brings back the others.
  if (event->type() == QEvent::WindowStateChange && !FRestoring && !FOwnStateReport && watched != this) {
    auto* window = qobject_cast<QWidget*>(watched);
    if (window && window->isVisible() && !window->isMinimized() && ApplicationMinimized()) RestoreApplication(window);
  }
  // The jester picture opens the About box, as the Info button does.
  if (watched == JesterImage && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    Image1Click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}
