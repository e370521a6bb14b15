// Game launch from the main window's list: width checks with the exact warnings, the
// card size set for the launch, a window kept or replaced, a refused close.

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <memory>

#include "engine/Card.h"
#include "platform/IniFile.h"
#include "platform/Metrics.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"
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
    setMinimumHeight(MinimumHeight);
  }
  void ApplyPreferences() override {}
  static inline bool Refuse = false;
  static inline int Closes = 0;
  static inline int MinimumHeight = 0;

protected:
  void closeEvent(QCloseEvent* event) override {
    ++Closes;
    PellamyForm->FCloseAccepted = !Refuse;
    if (Refuse) event->ignore(); else event->accept();
  }
};

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

  // A click on list entry `game` with `width` pixels of desktop and card size `size`.
  void Launch(int game, int size, int width) {
    Metrics::SetDesktopSizeOverride(QSize(width, 768));
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

// The height a window needs is its minimum with the main window's frame.
TEST_F(TGameLaunchTest, AWindowTallerThanTheWorkAreaIsRefusedWithTheHeightItNeeds) {
  FMain->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(FMain.get()));
  const QMargins frame = WindowFrame::Extents(FMain.get());
  const int area = FMain->screen()->availableGeometry().height();
  TStandInGame::MinimumHeight = area - frame.top() - frame.bottom() + 1;
  Launch(20, CS_HUGE, 1280);  // Pyramid
  Launch(20, CS_SMALL, 1280);
  const QString needs = QStringLiteral("Pyramid requires at least %1 pixel high desktop area").arg(area + 1);
  EXPECT_EQ(FWarnings, (QStringList{
                           needs + " to play using the Huge card option.\n\n"
                                   "Increase your desktop area or select a smaller card size in the Options panel.",
                           needs + " to play.\n\nIncrease your desktop area to play.",
                       }));
  // Made to measure, never shown, and gone before the warning.
  EXPECT_FALSE(GameWindows::AnyOpen());
  EXPECT_EQ(TStandInGame::Closes, 2);
  EXPECT_EQ(LastIndex, 20);

  --TStandInGame::MinimumHeight;
  Launch(20, CS_SMALL, 1280);
  EXPECT_EQ(FWarnings.size(), 2);
  ASSERT_NE(GameWindows::Window(20, CS_SMALL), nullptr);
  EXPECT_TRUE(GameWindows::Window(20, CS_SMALL)->isVisible());
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
