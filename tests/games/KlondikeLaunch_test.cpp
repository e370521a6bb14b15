// Klondike launched from the main window through the app's factory table.

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>
#include <memory>

#include "app/GameFactories.h"
#include "engine/Animate.h"
#include "games/klondike/KlondikeWindow.h"
#include "shell/Profile.h"
#include "widgets/wkStatusBar.h"
#include "platform/Help.h"
#include "platform/Metrics.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"
#include "shell/GameWindows.h"
#include "shell/PellamyWindow.h"
#include "shell/Preferences.h"
#include "support/TestSupport.h"

namespace {

class TKlondikeLaunch : public ::testing::Test {
protected:
  void SetUp() override {
    FMain = std::make_unique<TPellamyForm>();
    FPreferences = std::make_unique<TPreferencesDlg>(Paths::SettingsFilePath());
    PreferencesDlg->FDoAnimation = false;
    RegisterGameWindows();
    Metrics::SetDesktopSizeOverride(QSize(1280, 1024));
    Prompts::SetAnswerer([this](const Prompts::TPrompt& p) {
      FPrompts << p.Text;
      return FAnswer;
    });
  }
  void TearDown() override {
    GameWindows::ForEachOpen([](int, int, QWidget* w) {
      static_cast<TGameForm*>(w)->FMoveCount = 0;
      delete w;
    });
    Prompts::ClearAnswerer();
    Metrics::SetDesktopSizeOverride(QSize());
    FPreferences.reset();
    FMain.reset();
  }
  void Launch(int game, int size) {
    PreferencesDlg->FCardSize = size;
    FMain->GameSelectListBox->setCurrentRow(game);
    FMain->GameSelectListBoxClick();
  }

  PellamyTest::TScopedConfigDir FConfig;
  std::unique_ptr<TPellamyForm> FMain;
  std::unique_ptr<TPreferencesDlg> FPreferences;
  QStringList FPrompts;
  int FAnswer = Prompts::IDOK;
};

}  // namespace

TEST_F(TKlondikeLaunch, EachSizeOpensItsClassAndAGameInProgressMayRefuseToGo) {
  Launch(16, CS_LARGE);
  ASSERT_NE(KlondikeForm, nullptr);
  EXPECT_TRUE(KlondikeForm->isVisible());
  EXPECT_EQ(KlondikeForm->GameStatusBar->height(), 26);
  // The game uses the main window's settings path, help file and tool-bar pictures.
  EXPECT_EQ(KlondikeForm->Profile1->FileName(), FMain->FIniPath);

  // F1 opens Klondike's own help page.
  QTest::keyClick(KlondikeForm, Qt::Key_F1);
  ASSERT_NE(Help::Window(), nullptr);
  EXPECT_TRUE(Help::Window()->isVisible());
  EXPECT_TRUE(Help::TopicPage(FMain->FHelpFile, 1007).endsWith("/1007.html"));
  Help::CloseAll();

  for (int i = 0; i < 5; ++i) KlondikeForm->DeckPileViewClick(KlondikeForm->DeckPileView);
  FAnswer = Prompts::IDCANCEL;
  Launch(16, CS_HUGE);  // another size: the open window must go first
  EXPECT_EQ(FPrompts.size(), 1);
  EXPECT_TRUE(FPrompts[0].startsWith("Resign this game of Klondike?"));
  EXPECT_NE(KlondikeForm, nullptr);
  EXPECT_EQ(hKlondikeForm, nullptr);
  EXPECT_EQ(FMain->GameSelectListBox->currentRow(), 16);

  FAnswer = Prompts::IDOK;
  Launch(16, CS_HUGE);
  EXPECT_EQ(KlondikeForm, nullptr);
  ASSERT_NE(hKlondikeForm, nullptr);
  EXPECT_EQ(hKlondikeForm->GameStatusBar->height(), 36);
  EXPECT_EQ(TCard::GetCardSize(), CS_HUGE);

  Launch(16, CS_SMALL);
  EXPECT_EQ(hKlondikeForm, nullptr);
  ASSERT_NE(sKlondikeForm, nullptr);
  EXPECT_EQ(sKlondikeForm->width(), 525);
}
