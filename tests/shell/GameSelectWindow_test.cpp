#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <vector>

#include "platform/IniFile.h"
#include "platform/Prompts.h"
#include "shell/GameSelectWindow.h"
#include "shell/GameWindows.h"
#include "support/TestSupport.h"

namespace {

constexpr int Klondike = 16;

class GameSelectDlgTest : public ::testing::Test {
protected:
  void SetUp() override {
    FIni = FConfig.File("Pellamy.ini");
    Prompts::SetAnswerer([this](const Prompts::TPrompt& prompt) {
      FPrompts.push_back(prompt.Text);
      return Prompts::IDOK;
    });
    GameWindows::SetFactory(Klondike, 1, [] { return new QWidget; });
  }
  void TearDown() override {
    Prompts::ClearAnswerer();
    delete GameWindows::Window(Klondike, 1);
  }
  // Shows the dialog modally, lets act() work in it, and returns the dialog's result.
  int RunDialog(TGameSelectDlg& dlg, const std::function<void()>& act) {
    QTimer::singleShot(0, act);
    return dlg.exec();
  }

  PellamyTest::TScopedConfigDir FConfig;
  QString FIni;
  std::vector<QString> FPrompts;
};

TEST_F(GameSelectDlgTest, ProposesTheNumberAfterTheOpenGamesLastDeal) {
  TGameSelectDlg dlg(FIni);
  TIniFile(FIni).WriteInteger("Klondike", "GameNumber", 7);
  GameWindows::Create(Klondike, 1);
  dlg.FormShow();
  EXPECT_EQ(dlg.windowTitle(), "Klondike");
  EXPECT_EQ(dlg.SpinEdit->text(), "8");

  TIniFile(FIni).WriteInteger("Klondike", "GameNumber", 2000000000);
  dlg.FormShow();
  EXPECT_EQ(dlg.SpinEdit->text(), "1") << "after the last number comes 1";

  TIniFile(FIni).DeleteKey("Klondike", "GameNumber");
  dlg.FormShow();
  EXPECT_EQ(dlg.SpinEdit->text(), "1");
}

TEST_F(GameSelectDlgTest, WithoutAnOpenGameItProposesOne) {
  TGameSelectDlg dlg(FIni);
  TIniFile(FIni).WriteInteger("Klondike", "GameNumber", 7);
  dlg.FormShow();
  EXPECT_EQ(dlg.SpinEdit->text(), "1");
  EXPECT_EQ(dlg.OpenGameSection(), "");
}

TEST_F(GameSelectDlgTest, OutOfRangeNumbersAreRefusedUntilCancel) {
  TGameSelectDlg dlg(FIni);
  for (const char* text : {"0", "2000000001", "abc", "", "-", "3000000000"}) {
    dlg.SpinEdit->setText(text);
    EXPECT_FALSE(dlg.FormCloseQuery(QDialog::Accepted)) << text;
  }
  ASSERT_EQ(FPrompts.size(), 6u);
  EXPECT_EQ(FPrompts[0], "Enter a number from\n1 to 2,000,000,000\nor press Cancel.");
  EXPECT_TRUE(dlg.FormCloseQuery(QDialog::Rejected));

  const int result = RunDialog(dlg, [&] {
    dlg.SpinEdit->setText("0");
    dlg.OKBtn->click();
    EXPECT_TRUE(dlg.isVisible()) << "the dialog stays open";
    dlg.CancelBtn->click();
  });
  EXPECT_EQ(result, QDialog::Rejected);
}

TEST_F(GameSelectDlgTest, DealAcceptsTheNumber) {
  TGameSelectDlg dlg(FIni);
  const int result = RunDialog(dlg, [&] {
    dlg.SpinEdit->setText("2000000000");
    dlg.OKBtn->click();
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(dlg.FGameNumber, 2000000000);
  EXPECT_TRUE(FPrompts.empty());
}

}  // namespace
