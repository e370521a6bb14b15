#include "shell/PellamyWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
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
  if (FRestoring) return;
  std::vector<QWidget*> added;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!IsProgramWindow(window) || !window->isVisible()) continue;
    const bool known = std::any_of(FMinimizedWithApp.begin(), FMinimizedWithApp.end(),
                                   [window](const TMinimizedWindow& m) { return m.Window == window; });
    if (known) continue;
    // The window's state before this minimize (the window manager may have set the
    // minimized flag already).
    FMinimizedWithApp.push_back({window, window->windowState() & ~Qt::WindowMinimized});
    window->installEventFilter(this);
    added.push_back(window);
  }
  FormHide();
  // Hidden to the tray they are not minimized as well: a window manager may keep a
  // minimized window in its task list even after it is hidden.
  if (FHiddenToTray) return;
  for (QWidget* window : added)
    if (!window->isMinimized()) window->showMinimized();
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

void TPellamyForm::RestoreApplication() {
  if (FRestoring) return;
  FRestoring = true;
  const std::vector<TMinimizedWindow> windows = std::move(FMinimizedWithApp);
  FMinimizedWithApp.clear();
  for (const TMinimizedWindow& m : windows) {
    if (!m.Window) continue;
    m.Window->removeEventFilter(this);
    if (m.Window->windowState() != m.StateBefore) m.Window->setWindowState(m.StateBefore);
    if (!m.Window->isVisible()) m.Window->show();
  }
  FHiddenToTray = false;
  TrayIcon->SetActive(false);
  if (isVisible()) {
    raise();
    activateWindow();
  }
  FRestoring = false;
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
  if (event->type() != QEvent::WindowStateChange || FRestoring) return;
  if (isMinimized())
    MinimizeApplication();
  else if (ApplicationMinimized() && isVisible())
    RestoreApplication();
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
  // Any window of the program restored (from the task bar, say) brings back the others.
  if (event->type() == QEvent::WindowStateChange && !FRestoring && watched != this) {
    auto* window = qobject_cast<QWidget*>(watched);
    if (window && window->isVisible() && !window->isMinimized() && ApplicationMinimized()) RestoreApplication();
  }
  // The jester picture opens the About box, as the Info button does.
  if (watched == JesterImage && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    Image1Click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}
