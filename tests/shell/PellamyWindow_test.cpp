#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "platform/Help.h"
#include "shell/GameWindows.h"
#include "shell/PellamyWindow.h"
#include "shell/Preferences.h"
#include "support/TestSupport.h"
#include "widgets/ExShell.h"

namespace {

constexpr int Klondike = 16, Spider = 28;

// A game window as the shell sees it: it may refuse to close and counts option changes.
class TStandInGame : public QWidget, public TGameWindowHost {
public:
  TStandInGame() { setAttribute(Qt::WA_DeleteOnClose); }
  void ApplyPreferences() override { ++Applied; }
  bool Refuse = false;
  int Applied = 0;

protected:
  void closeEvent(QCloseEvent* event) override {
    if (Refuse) {
      PellamyForm->FCloseAccepted = false;
      event->ignore();
    }
  }
};

class PellamyWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (int game : {Klondike, Spider})
      for (int size = 0; size < 3; ++size) GameWindows::SetFactory(game, size, [] { return new TStandInGame; });
  }
  void TearDown() override {
    GameWindows::ForEachOpen([](int, int, QWidget* w) { delete w; });
    Help::CloseAll();
  }
  PellamyTest::TScopedConfigDir FConfig;
  TPellamyForm FMain;
};

TEST_F(PellamyWindowTest, CloseAllGamesDestroysThoseThatAgree) {
  auto* klondike = static_cast<TStandInGame*>(GameWindows::Create(Klondike, 1));
  auto* spider = static_cast<TStandInGame*>(GameWindows::Create(Spider, 2));
  QPointer<QWidget> watchKlondike(klondike), watchSpider(spider);
  klondike->show();
  spider->show();
  spider->Refuse = true;

  FMain.CloseAllGames();
  EXPECT_FALSE(FMain.FCloseAccepted);
  EXPECT_TRUE(watchKlondike.isNull()) << "an accepted window is destroyed before CloseAllGames returns";
  EXPECT_FALSE(watchSpider.isNull());
  EXPECT_TRUE(FMain.AnyGameOpen());

  spider->Refuse = false;
  FMain.CloseAllGames();
  EXPECT_TRUE(FMain.FCloseAccepted);
  EXPECT_FALSE(FMain.AnyGameOpen());
}

TEST_F(PellamyWindowTest, ClosingTheMainWindowAsksTheGamesFirst) {
  auto* game = static_cast<TStandInGame*>(GameWindows::Create(Klondike, 0));
  game->show();
  game->Refuse = true;
  FMain.show();
  EXPECT_FALSE(FMain.close()) << "a game that refuses keeps the program running";
  EXPECT_TRUE(FMain.isVisible());
}

TEST_F(PellamyWindowTest, OptionsApplyToTheFirstOpenGameWindow) {
  TPreferencesDlg preferences(FMain.FIniPath);
  auto* small = static_cast<TStandInGame*>(GameWindows::Create(Klondike, 0));
  auto* large = static_cast<TStandInGame*>(GameWindows::Create(Klondike, 1));
  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  FMain.OptionsButtonClick();
  EXPECT_EQ(large->Applied, 1) << "the large window is tested before the small one";
  EXPECT_EQ(small->Applied, 0);
}

TEST_F(PellamyWindowTest, F1OpensTheProgramsHelpTopic) {
  FMain.show();
  QTest::keyClick(FMain.GameSelectListBox, Qt::Key_F1);
  ASSERT_NE(Help::Window(), nullptr);
  EXPECT_TRUE(Help::Window()->isVisible());
  EXPECT_EQ(QFileInfo(Help::TopicPage(FMain.FHelpFile, 100)).fileName(), "100.html");
}

TEST_F(PellamyWindowTest, MinimizeToTrayNeverHidesWithoutATray) {
  TPreferencesDlg preferences(FMain.FIniPath);
  preferences.FMinimizeToTray = true;
  FMain.show();
  FMain.FormHide();
  // The offscreen platform has no notification area: hiding would make the program
  // unreachable, so the window stays and the icon is not left active.
  EXPECT_TRUE(FMain.isVisible());
  EXPECT_FALSE(FMain.TrayIcon->Active());
  FMain.TrayIconDblClick();
  EXPECT_TRUE(FMain.isVisible());
}

TEST_F(PellamyWindowTest, TheProgramMinimizesAndComesBackAsOne) {
  auto* klondike = static_cast<TStandInGame*>(GameWindows::Create(Klondike, 1));
  auto* spider = static_cast<TStandInGame*>(GameWindows::Create(Spider, 1));
  FMain.show();
  klondike->show();
  spider->showMaximized();

  FMain.MinimizeApplication();
  for (QWidget* w : {static_cast<QWidget*>(&FMain), static_cast<QWidget*>(klondike), static_cast<QWidget*>(spider)})
    EXPECT_TRUE(w->isMinimized());

  // Restoring any one of them (here a game window, from the task bar) brings back all,
  // each in the state it had.
  klondike->showNormal();
  EXPECT_FALSE(FMain.isMinimized());
  EXPECT_FALSE(spider->isMinimized());
  EXPECT_TRUE(spider->isMaximized());
  EXPECT_FALSE(FMain.ApplicationMinimized());

  // And through the main window.
  FMain.MinimizeApplication();
  FMain.showNormal();
  EXPECT_FALSE(klondike->isMinimized());
  EXPECT_TRUE(spider->isMaximized() && !spider->isMinimized());
}

// The window system answers every state change later, as a window manager does; this
// delivers what it has said so far.
void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

TEST_F(PellamyWindowTest, RestoreBringsTheRightWindowToTheFront) {
  auto* game = static_cast<TStandInGame*>(GameWindows::Create(Klondike, 1));
  FMain.show();
  game->show();
  game->activateWindow();
  Settle();
  ASSERT_EQ(QApplication::activeWindow(), game);

  // From the tray: the window that was active before the minimize comes back in front.
  FMain.MinimizeApplication();
  Settle();
  FMain.TrayIconDblClick();
  Settle();
  EXPECT_FALSE(FMain.isMinimized() || game->isMinimized());
  EXPECT_EQ(QApplication::activeWindow(), game) << "the tray brought the main window over the game";

  // The player restores one window from its task-bar entry (the window manager reports
  // it): that window comes back in front, whichever was active before.
  FMain.MinimizeApplication();
  Settle();
  FMain.windowHandle()->setWindowStates(Qt::WindowNoState);
  Settle();
  EXPECT_FALSE(game->isMinimized());
  EXPECT_EQ(QApplication::activeWindow(), &FMain);
  FMain.MinimizeApplication();
  Settle();
  game->windowHandle()->setWindowStates(Qt::WindowNoState);
  Settle();
  EXPECT_FALSE(FMain.isMinimized());
  EXPECT_EQ(QApplication::activeWindow(), game);
}

TEST_F(PellamyWindowTest, AMinimizeBeforeTheRestoreIsAnsweredIsKept) {
  auto* game = static_cast<TStandInGame*>(GameWindows::Create(Spider, 1));
  FMain.show();
  game->showMaximized();
  Settle();
  FMain.MinimizeApplication();
  Settle();

  // Restored from the tray, then minimized again before the window system has answered
  // the restore: its late answers must not bring the program back.
  FMain.TrayIconDblClick();
  FMain.showMinimized();
  Settle();
  EXPECT_TRUE(FMain.ApplicationMinimized());
  EXPECT_TRUE(FMain.isMinimized());
  EXPECT_TRUE(game->isMinimized());

  // And back once more, exactly as it was.
  FMain.windowHandle()->setWindowStates(Qt::WindowNoState);
  Settle();
  EXPECT_FALSE(FMain.ApplicationMinimized());
  EXPECT_FALSE(FMain.isMinimized());
  EXPECT_TRUE(game->isMaximized() && !game->isMinimized());
}

}  // namespace
