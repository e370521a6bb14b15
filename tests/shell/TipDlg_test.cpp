#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "shell/TipDlg.h"
#include "support/TestSupport.h"

namespace {

class TipDlgTest : public ::testing::Test {
protected:
  void SetUp() override {
    FTipsFile = FConfig.File("Tips.ini");
    FSettings = FConfig.File("Pellamy.ini");
    PellamyTest::WriteFileBytes(FTipsFile,
                                "[Tips]\r\nFirst=Tip one\r\nSecond=Two lines^^second line\r\nThird=Tip three\r\n");
    FDlg.DlgCaption = "Pellamy! Tips";
    FDlg.INIFile = FTipsFile;
    FDlg.INISaveFile = FSettings;
    FDlg.INISection = "Tips";
    FDlg.TipsLocation = TTipDlg::locINIFile;
    FDlg.CRLFSubstitute = "^^";
  }
  QString StoredIndex() const { return TIniFile(FSettings).ReadString("Preferences", "TipsIndex", "absent"); }

  PellamyTest::TScopedConfigDir FConfig;
  QString FTipsFile, FSettings;
  TTipDlg FDlg;
};

TEST_F(TipDlgTest, FirstStartShowsTheFirstTipAndStoresIndexZero) {
  auto form = FDlg.BuildForm();
  EXPECT_EQ(form->windowTitle(), "Pellamy! Tips");
  EXPECT_EQ(form->TipTitleLbl->text(), "Did you know...");
  EXPECT_EQ(form->TipLbl->text(), "Tip one");
  EXPECT_EQ(StoredIndex(), "0");
}

TEST_F(TipDlgTest, NextAndPreviousWrapAndStoreTheIndex) {
  TIniFile(FSettings).WriteInteger("Preferences", "TipsIndex", 2);
  auto form = FDlg.BuildForm();
  EXPECT_EQ(form->TipLbl->text(), "Tip one") << "after the last tip comes the first";
  form->PrevBtnClick();
  EXPECT_EQ(form->TipLbl->text(), "Tip three");
  EXPECT_EQ(StoredIndex(), "2");
  form->NextBtnClick();
  form->NextBtnClick();
  EXPECT_EQ(form->TipLbl->text(), "Two lines\r\nsecond line");
  EXPECT_EQ(StoredIndex(), "1");
}

TEST_F(TipDlgTest, HandEditedIndexFallsBackToTheFirstTip) {
  TIniFile(FSettings).WriteString("Preferences", "TipsIndex", "-7");
  EXPECT_EQ(FDlg.BuildForm()->TipLbl->text(), "Tip one");
  TIniFile(FSettings).WriteString("Preferences", "TipsIndex", "banana");
  EXPECT_EQ(FDlg.BuildForm()->TipLbl->text(), "Two lines\r\nsecond line") << "no number reads as 0";
  TIniFile(FSettings).WriteString("Preferences", "TipsIndex", "99");
  EXPECT_EQ(FDlg.BuildForm()->TipLbl->text(), "Tip one");
}

TEST_F(TipDlgTest, MissingTipsFileGivesAnEmptyTipAndNoNavigation) {
  FDlg.INIFile = FConfig.File("NoTips.ini");
  auto form = FDlg.BuildForm();
  EXPECT_TRUE(form->TipLbl->text().isEmpty());
  EXPECT_FALSE(form->NextBtn->isEnabled());
  EXPECT_FALSE(form->PrevBtn->isEnabled());
  EXPECT_EQ(StoredIndex(), "-1");
}

TEST_F(TipDlgTest, ExecuteReturnsTheShowAtStartupCheck) {
  QTimer::singleShot(0, [] {
    auto* form = qobject_cast<TTipsForm*>(QApplication::activeModalWidget());
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->ShowChk->isChecked());
    form->ShowChk->setChecked(false);
    form->OKBtn->click();
  });
  EXPECT_FALSE(FDlg.Execute());
  EXPECT_FALSE(FDlg.ShowAtStartup);
}

TEST(ProgramTips, TheShippedTipsFileHasTips) {
  TTipDlg dlg;
  dlg.INIFile = Paths::DataFile("Tips.ini");
  dlg.INISection = "Tips";
  dlg.TipsLocation = TTipDlg::locINIFile;
  PellamyTest::TScopedConfigDir config;
  dlg.INISaveFile = config.File("Pellamy.ini");
  auto form = dlg.BuildForm();
  EXPECT_GE(dlg.Tips.size(), 15);
  EXPECT_FALSE(form->TipLbl->text().isEmpty());
  form->grab().save("tips-form.png");  // for looking at it
}

}  // namespace
