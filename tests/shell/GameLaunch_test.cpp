// Game launch from the main window's list: width checks with the exact warnings, windows
// that do not fit the work area refused, the card size set for the launch, a window kept
// or replaced, a refused close.

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

#include "app/GameFactories.h"
#include "engine/Card.h"
#include "platform/IniFile.h"
#include "platform/Metrics.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"
#include "shell/GameTable.h"
#include "shell/GameWindows.h"
#include "shell/PellamyWindow.h"
#include "shell/Preferences.h"
#include "shell/Requirements.h"
#include "support/TestSupport.h"
#include "widgets/WindowFrame.h"

namespace {

// Stands in for a game window at the edge of the shell: it may refuse to close, as a
// game in progress does when the user cancels its resign prompt.
class TStandInGame : public QWidget, public TGameWindowHost {
public:
  TStandInGame() {
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(MinimumWidth, MinimumHeight);
  }
  void ApplyPreferences() override {}
  static inline bool Refuse = false;
  static inline int Closes = 0;
  static inline int MinimumWidth = 0;
  static inline int MinimumHeight = 0;

protected:
  void closeEvent(QCloseEvent* event) override {
    ++Closes;
    PellamyForm->FCloseAccepted = !Refuse;
    if (Refuse) event->ignore(); else event->accept();
  }
};

// The window's client area where the X server has it (Qt's geometry is only what it last
// asked for), grown by the title bar above it.
QRect ClientAreaAndTitleBar(QWidget* window, int titleBar) {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* c = x11->connection();
  const auto w = xcb_window_t(window->winId());
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> at(
      xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, w, root, 0, 0), nullptr), &std::free);
  const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> size(
      xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr), &std::free);
  if (!at || !size) return {};
  return QRect(at->dst_x, at->dst_y - titleBar, size->width, size->height + titleBar);
}

std::string Text(const QRect& r) {
  return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

class TGameLaunchTest : public ::testing::Test {
protected:
  void SetUp() override {
    FMain = std::make_unique<TPellamyForm>();
    FPreferences = std::make_unique<TPreferencesDlg>(Paths::SettingsFilePath());
    FWarning = std::make_unique<TSysRequirementsForm>(FMain.get());
    for (int game = 0; game < 30; ++game)
      for (int size = 0; size < 3; ++size)
        GameWindows::SetFactory(game, size, [] { return new TStandInGame; });
    TStandInGame::Refuse = false;
    TStandInGame::Closes = 0;
    TStandInGame::MinimumWidth = 0;
    TStandInGame::MinimumHeight = 0;
    // The warning is modal: read it and press OK as soon as it shows.
    FWatch.setInterval(5);
    QObject::connect(&FWatch, &QTimer::timeout, [this] {
      if (SysRequirementsForm && SysRequirementsForm->isVisible()) {
        FWarnings << SysRequirementsForm->MessageLabel->text();
        SysRequirementsForm->OKButton->click();
      }
    });
    FWatch.start();
  }
  void TearDown() override {
    FWatch.stop();
    TStandInGame::Refuse = false;
    GameWindows::ForEachOpen([](int, int, QWidget* w) { delete w; });
    Metrics::SetDesktopSizeOverride(QSize());
    FWarning.reset();
    FPreferences.reset();
    FMain.reset();
  }

  // A click on list entry `game` with a desktop of `width` x `height` pixels (no panels)
  // and card size `size`.
  void Launch(int game, int size, int width, int height = 768) {
    Metrics::SetDesktopSizeOverride(QSize(width, height));
    Click(game, size);
  }
  // The same on the desktop the override leaves (the real screen without one).
  void Click(int game, int size) {
    PreferencesDlg->FCardSize = size;
    FMain->GameSelectListBox->setCurrentRow(game);
    FMain->GameSelectListBoxClick();
  }

  PellamyTest::TScopedConfigDir FConfig;
  std::unique_ptr<TPellamyForm> FMain;
  std::unique_ptr<TPreferencesDlg> FPreferences;
  std::unique_ptr<TSysRequirementsForm> FWarning;
  QTimer FWatch;
  QStringList FWarnings;
};

}  // namespace

TEST_F(TGameLaunchTest, ANarrowDesktopShowsTheKindsWarningAndCreatesNothing) {
  Launch(2, CS_LARGE, 1023);  // Baker's Dozen needs 1024 at large cards
  ASSERT_EQ(FWarnings.size(), 1);
  EXPECT_EQ(FWarnings[0],
            "Baker's Dozen requires at least 1024x600 desktop area to play using the Large card option.\n\n"
            "Increase your desktop area or select the Small card in the Options panel.");
  EXPECT_FALSE(GameWindows::AnyOpen());
  EXPECT_EQ(LastIndex, 2);  // remembered all the same
  EXPECT_EQ(CurrentGame, 2);
  EXPECT_EQ(TIniFile(FMain->FIniPath).ReadString("Preferences", "LastGame", ""), "2");

  Launch(0, CS_LARGE, 1023);  // Aces Up has no large-card minimum
  EXPECT_EQ(FWarnings.size(), 1);
  EXPECT_NE(GameWindows::Window(0, CS_LARGE), nullptr);
}

// The height a window needs is its minimum with the title bar a game window wears; its
// bottom edge may run past the work area.
TEST_F(TGameLaunchTest, AWindowTallerThanTheWorkAreaIsRefusedWithTheHeightItNeeds) {
  Launch(16, CS_LARGE, 1280);  // Klondike, to see a game window's frame
  ASSERT_NE(GameWindows::Window(16, CS_LARGE), nullptr);
  const QMargins frame = WindowFrame::Extents(GameWindows::Window(16, CS_LARGE));
  TStandInGame::MinimumHeight = 768 - frame.top() + 1;
  Launch(20, CS_HUGE, 1280);  // Pyramid
  Launch(20, CS_SMALL, 1280);
  const QString needs = QStringLiteral("Pyramid requires at least 769 pixel high desktop area");
  EXPECT_EQ(FWarnings, (QStringList{
                           needs + " to play using the Huge card option.\n\n"
                                   "Increase your desktop area or select a smaller card size in the Options panel.",
                           needs + " to play.\n\nIncrease your desktop area to play.",
                       }));
  // Made to measure, never shown, and gone before the warning.
  EXPECT_FALSE(GameWindows::AnyOpen());
  EXPECT_EQ(TStandInGame::Closes, 3);  // Klondike's too
  EXPECT_EQ(LastIndex, 20);

  --TStandInGame::MinimumHeight;
  Launch(20, CS_SMALL, 1280);
  EXPECT_EQ(FWarnings.size(), 2);
  ASSERT_NE(GameWindows::Window(20, CS_SMALL), nullptr);
  EXPECT_TRUE(GameWindows::Window(20, CS_SMALL)->isVisible());
}

// The width a window needs is its minimum alone: its side borders may run past the work
// area.
TEST_F(TGameLaunchTest, AWindowWiderThanTheWorkAreaIsRefusedWithTheWidthItNeeds) {
  TStandInGame::MinimumWidth = 1281;
  Launch(20, CS_LARGE, 1280);  // Pyramid
  EXPECT_EQ(FWarnings, QStringList{"Pyramid requires at least 1281 pixel wide desktop area to play using the "
                                   "Large card option.\n\nIncrease your desktop area or select the Small card "
                                   "size in the Options panel."});
  EXPECT_FALSE(GameWindows::AnyOpen());

  --TStandInGame::MinimumWidth;
  Launch(20, CS_LARGE, 1280);
  EXPECT_EQ(FWarnings.size(), 1);
  ASSERT_NE(GameWindows::Window(20, CS_LARGE), nullptr);
  EXPECT_TRUE(GameWindows::Window(20, CS_LARGE)->isVisible());
}

// Every real window, at every card size, on the common screens its width minimum admits:
// a window is refused only when its minimum client area is wider than the work area, or
// that and its title bar are taller, with the width or height that needs; its refusal
// writes nothing but the game chosen. Offscreen, work-area sizes stand in for the screens.
// On a real display (the desktop test runs this under a window manager on each of these
// screens, once with a panel) its own work area is swept, and every window opens with its
// client area and title bar inside it.
TEST_F(TGameLaunchTest, EveryAdmittedWindowFitsTheWorkArea) {
  RegisterGameWindows();
  PreferencesDlg->FDoAnimation = false;
  QStringList prompts;
  Prompts::SetAnswerer([&prompts](const Prompts::TPrompt& p) {
    prompts << p.Text;
    return Prompts::IDOK;
  });
  const QString ini = FMain->FIniPath;
  // The settings file without the one key every launch writes.
  const auto settingsBesidesLastGame = [&ini] {
    QByteArray kept;
    for (const QByteArray& line : PellamyTest::ReadFileBytes(ini).split('\n'))
      if (!line.startsWith("LastGame=")) kept += line + '\n';
    return kept;
  };
  const QString large = " to play using the Large card option.\n\n"
                        "Increase your desktop area or select the Small card size in the Options panel.";
  const QString huge = " to play using the Huge card option.\n\n"
                       "Increase your desktop area or select a smaller card size in the Options panel.";
  const QString advice[3] = {" to play.\n\nIncrease your desktop area to play.", large, huge};

  const bool desktop = QGuiApplication::platformName() == QLatin1String("xcb");
  const QList<QRect> areas =
      desktop ? QList<QRect>{QGuiApplication::primaryScreen()->availableGeometry()}
              : QList<QRect>{{0, 0, 800, 600},  {0, 0, 1024, 768},  {0, 0, 1280, 1024},
                             {0, 0, 1366, 768}, {0, 24, 1366, 744}, {0, 0, 1600, 1200}};
  struct TRefusal {
    QString Name;
    QSize Least;  // the window's minimum client area
    QRect Area;
    bool Wide;
    int Needs;  // as the warning names it
  };
  QList<TRefusal> refusals;
  int titleBar = -1;  // a game window's, shown
  for (const QRect& area : areas) {
    Metrics::SetDesktopSizeOverride(desktop ? QSize() : area.size());
    for (int game = 0; game < GameCount; ++game) {
      for (int size : GameWindows::SlotOrder) {
        if (GameInfo(game).MinWidth[size] > Metrics::DesktopWidth()) continue;
        const QString name = QLatin1String(GameInfo(game).GameName);
        SCOPED_TRACE(QStringLiteral("%1 at size %2 in %3x%4 at %5,%6")
                         .arg(name).arg(size).arg(area.width()).arg(area.height()).arg(area.x()).arg(area.y())
                         .toStdString());
        FMain->CloseAllGames();  // what the window open before stores is not the launch's
        const int warnings = FWarnings.size();
        const QByteArray before = settingsBesidesLastGame();
        Click(game, size);
        if (QWidget* window = GameWindows::Window(game, size)) {
          EXPECT_EQ(FWarnings.size(), warnings);
          EXPECT_TRUE(window->isVisible());
          if (desktop) {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
          }
          titleBar = WindowFrame::Extents(window).top();
          EXPECT_LE(window->minimumWidth(), area.width());
          EXPECT_LE(window->minimumHeight() + titleBar, area.height());
          if (desktop) {
            const QRect shown = ClientAreaAndTitleBar(window, titleBar);
            EXPECT_TRUE(area.contains(shown)) << Text(shown) << " is not inside " << Text(area);
          }
          continue;
        }
        ASSERT_EQ(FWarnings.size(), warnings + 1);
        EXPECT_EQ(settingsBesidesLastGame(), before);
        const QString text = FWarnings.back();
        const QRegularExpression needs(QStringLiteral("^%1 requires at least (\\d+) pixel (wide|high) desktop area ")
                                           .arg(QRegularExpression::escape(name)));
        const QRegularExpressionMatch match = needs.match(text);
        ASSERT_TRUE(match.hasMatch()) << text.toStdString();
        EXPECT_TRUE(text.endsWith(advice[size]));
        // Made once more, with the card size of the launch, to read its minimum.
        const std::unique_ptr<QWidget> again(GameWindows::Create(game, size));
        refusals.push_back({QStringLiteral("%1 %2").arg(name).arg(size), again->minimumSize(), area,
                            match.captured(2) == QLatin1String("wide"), match.captured(1).toInt()});
      }
    }
  }
  ASSERT_GE(titleBar, 0);
  QStringList wide;
  for (const TRefusal& r : refusals) {
    SCOPED_TRACE(QStringLiteral("%1 in %2x%3").arg(r.Name).arg(r.Area.width()).arg(r.Area.height()).toStdString());
    const bool wider = r.Least.width() > r.Area.width();
    EXPECT_TRUE(wider || r.Least.height() + titleBar > r.Area.height());
    EXPECT_EQ(r.Wide, wider);
    EXPECT_EQ(r.Needs, wider ? r.Least.width() : r.Least.height() + titleBar);
    if (r.Wide) wide << QStringLiteral("%1 on %2: %3").arg(r.Name).arg(r.Area.width()).arg(r.Needs);
  }
  // Only two minimums are wider than screens their games' width minimums admit.
  QStringList narrow;
  for (const QRect& area : areas) {
    if (area.width() == 800) narrow << QStringLiteral("Eight Off 1 on 800: 838");
    if (area.width() == 1024) narrow << QStringLiteral("Montana 1 on 1024: 1041");
  }
  EXPECT_EQ(wide.join(QStringLiteral(" / ")).toStdString(), narrow.join(QStringLiteral(" / ")).toStdString());
  EXPECT_TRUE(prompts.isEmpty()) << prompts.join('|').toStdString();
  Prompts::ClearAnswerer();

  // Large Klondike fits an 800x600 screen, and the refusals above say it in full.
  Launch(16, CS_LARGE, 800, 600);
  EXPECT_NE(GameWindows::Window(16, CS_LARGE), nullptr);
  const int warnings = FWarnings.size();
  Launch(9, CS_LARGE, 800, 600);
  Launch(18, CS_LARGE, 1024, 768);
  EXPECT_EQ(FWarnings.mid(warnings), (QStringList{
                                         "Eight Off requires at least 838 pixel wide desktop area" + large,
                                         "Montana requires at least 1041 pixel wide desktop area" + large,
                                     }));
}

// The height named is huge Pyramid's 900 pixels of client area with the title bar of a
// game window shown. The desktop test runs this under a window manager as well.
TEST_F(TGameLaunchTest, TheHeightNamedCountsTheTitleBarOfAGameWindow) {
  RegisterGameWindows();
  PreferencesDlg->FDoAnimation = false;
  FMain->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(FMain.get()));
  Launch(16, CS_HUGE, 1366, 768);  // Klondike
  QWidget* klondike = GameWindows::Window(16, CS_HUGE);
  ASSERT_NE(klondike, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(klondike));
  const QMargins frame = WindowFrame::Extents(klondike);
  Launch(20, CS_HUGE, 1366, 768);  // Pyramid
  ASSERT_EQ(FWarnings.size(), 1);
  const int needs = 900 + frame.top();
  EXPECT_EQ(FWarnings[0].section(" desktop area", 0, 0).toStdString(),
            QStringLiteral("Pyramid requires at least %1 pixel high").arg(needs).toStdString());
  EXPECT_EQ(GameWindows::Window(20, CS_HUGE), nullptr);
}

TEST_F(TGameLaunchTest, EachSizeAndMinimumHasItsOwnText) {
  Launch(11, CS_SMALL, 799);  // Forty Thieves
  Launch(6, CS_SMALL, 799);   // Double Klondike
  Launch(16, CS_SMALL, 799);  // Klondike opens
  Launch(16, CS_LARGE, 799);
  Launch(16, CS_HUGE, 1023);
  Launch(18, CS_HUGE, 1599);  // Montana
  Launch(6, CS_HUGE, 1399);
  Launch(2, CS_HUGE, 1279);
  Launch(12, CS_LARGE, 799);  // Free Cell: its game name
  const QString small = " requires at least 800x600 desktop area to play.\n\nIncrease your desktop area to play.";
  const QString huge = " pixel wide desktop area to play using the Huge card option.\n\n"
                       "Increase your desktop area or select a smaller card size in the Options panel.";
  EXPECT_EQ(FWarnings, (QStringList{
                           "Forty Thieves" + small,
                           "Double Klondike" + small,
                           "Klondike requires at least 800x600 desktop area to play using the Large card option.\n\n"
                           "Increase your desktop area or select the Small card size in the Options panel.",
                           "Klondike requires at least 1024" + huge,
                           "Montana requires at least 1600" + huge,
                           "Double Klondike requires at least 1400" + huge,
                           "Baker's Dozen requires at least 1280" + huge,
                           "FreeCell requires at least 800x600 desktop area to play using the Large card option.\n\n"
                           "Increase your desktop area or select the Small card size in the Options panel.",
                       }));
  EXPECT_TRUE(FMain->FScreenBelow800);
}

TEST_F(TGameLaunchTest, TheSameGameAndSizeKeepsItsWindow) {
  Launch(16, CS_LARGE, 1024);
  QWidget* window = GameWindows::Window(16, CS_LARGE);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(TCard::GetCardSize(), CS_LARGE);
  Launch(16, CS_LARGE, 1024);
  EXPECT_EQ(GameWindows::Window(16, CS_LARGE), window);
  EXPECT_EQ(TStandInGame::Closes, 0);
  EXPECT_EQ(FMain->FGameName, "Klondike");
}

TEST_F(TGameLaunchTest, AnotherGameOrSizeClosesTheOpenWindowFirst) {
  Launch(16, CS_LARGE, 1280);
  Launch(16, CS_HUGE, 1280);  // the same game at another size
  EXPECT_EQ(GameWindows::Window(16, CS_LARGE), nullptr);
  EXPECT_NE(GameWindows::Window(16, CS_HUGE), nullptr);
  EXPECT_EQ(TCard::GetCardSize(), CS_HUGE);
  Launch(29, CS_HUGE, 1280);  // Yukon
  EXPECT_EQ(GameWindows::Window(16, CS_HUGE), nullptr);
  EXPECT_NE(GameWindows::Window(29, CS_HUGE), nullptr);
  EXPECT_EQ(TStandInGame::Closes, 2);
}

TEST_F(TGameLaunchTest, ARefusedCloseKeepsTheWindowAndTheListOnThePreviousGame) {
  Launch(16, CS_LARGE, 1280);
  QWidget* klondike = GameWindows::Window(16, CS_LARGE);
  TStandInGame::Refuse = true;
  Launch(29, CS_LARGE, 1280);
  EXPECT_EQ(GameWindows::Window(16, CS_LARGE), klondike);
  EXPECT_EQ(GameWindows::Window(29, CS_LARGE), nullptr);
  EXPECT_EQ(FMain->GameSelectListBox->currentRow(), 16);
  EXPECT_EQ(LastIndex, 16);
  // Clicking the open game again now does nothing at all.
  const int closes = TStandInGame::Closes;
  Launch(16, CS_LARGE, 1280);
  EXPECT_EQ(TStandInGame::Closes, closes);
}

TEST_F(TGameLaunchTest, TheFirstLaunchSwitchesTheListsHintOff) {
  EXPECT_FALSE(FMain->GameSelectListBox->toolTip().isEmpty());
  Launch(16, CS_SMALL, 1024);
  EXPECT_TRUE(FMain->GameSelectListBox->toolTip().isEmpty());
  EXPECT_EQ(TCard::GetCardSize(), CS_SMALL);
  EXPECT_FALSE(FMain->FLowColorDisplay);
}
