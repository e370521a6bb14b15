#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <sys/stat.h>

#include "art/GameNames.h"
#include "platform/Metrics.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"
#include "platform/SoundPlayer.h"
#include "shell/Startup.h"
#include "shell/TipDlg.h"
#include "support/TestSupport.h"

namespace {

// Closes the tip of the day that a first start shows, and tells whether one was shown.
class TTipAnswerer {
public:
  TTipAnswerer() {
    QTimer::singleShot(0, [this] { Answer(); });
  }
  bool Shown = false;

private:
  void Answer() {
    if (auto* tips = qobject_cast<TTipsForm*>(QApplication::activeModalWidget())) {
      Shown = true;
      tips->OKBtn->click();
      return;
    }
    if (++FTries < 200) QTimer::singleShot(5, [this] { Answer(); });
  }
  int FTries = 0;
};

TEST(Startup, FirstStartOnAnEmptySettingsFolder) {
  PellamyTest::TScopedConfigDir config;
  Metrics::SetDesktopSizeOverride(QSize(1024, 768));
  TTipAnswerer tips;
  {
    TLongLivedWindows windows = CreateLongLivedWindows();
    EXPECT_TRUE(tips.Shown) << "a first start shows the tip of the day";
    EXPECT_EQ(PellamyForm, windows.Main.get());
    EXPECT_EQ(SysRequirementsForm, windows.Requirements.get());
    EXPECT_EQ(PreferencesDlg, windows.Preferences.get());
    EXPECT_EQ(GameSelectDlg, windows.GameSelect.get());
    EXPECT_EQ(StatisticsDlg, windows.Statistics.get());

    TPellamyForm& main = *windows.Main;
    EXPECT_EQ(main.windowTitle(), "Pellamy!");
    EXPECT_EQ(main.size(), QSize(336, 306));
    EXPECT_EQ(main.minimumSize(), main.maximumSize()) << "the main window cannot be resized";
    ASSERT_EQ(main.GameSelectListBox->count(), GameCount);
    for (int i = 0; i < GameCount; ++i) EXPECT_EQ(main.GameSelectListBox->item(i)->text(), GameListName(i));
    EXPECT_FALSE(main.GameImage->isVisible()) << "no preview before a game is launched";
    EXPECT_EQ(main.FIniPath, config.Path() + "/Orrindale/Pellamy.ini");
    EXPECT_EQ(LastIndex, -1);
  }
  const QByteArray ini = PellamyTest::ReadFileBytes(config.Path() + "/Orrindale/Pellamy.ini");
  EXPECT_TRUE(ini.contains("[Preferences]\r\n")) << ini.constData();
  EXPECT_TRUE(ini.contains("CardSize=1\r\n")) << "chosen from the 1024-pixel desktop";
  EXPECT_TRUE(ini.contains("TipsIndex=0\r\n")) << "the first tip was shown";
  EXPECT_TRUE(ini.contains("ShowTips=1\r\n"));
  EXPECT_EQ(PellamyForm, nullptr);
  EXPECT_EQ(PreferencesDlg, nullptr);
  Metrics::SetDesktopSizeOverride(QSize());
}

TEST(Startup, HandEditedLastGameOutsideTheListRestoresNothing) {
  PellamyTest::TScopedConfigDir config;
  PellamyTest::WriteFileBytes(config.Path() + "/Orrindale/Pellamy.ini",
                              "[Preferences]\r\nRestoreLastGame=1\r\nLastGame=42\r\nShowTips=0\r\nTipsIndex=-9\r\n");
  TLongLivedWindows windows = CreateLongLivedWindows();
  EXPECT_EQ(LastIndex, -1) << "no game was launched";
  EXPECT_FALSE(windows.Main->AnyGameOpen());
}

TEST(Startup, FifosAsThePictureAndSoundPathsNeitherHangNorComplain) {
  // A named pipe as the custom card back, the table picture and the start-up sound: each
  // would wait for a writer if it were opened for reading.
  PellamyTest::TScopedConfigDir config;
  QString fifo[3];
  const char* names[3] = {"back.bmp", "felt.jpg", "hello.wav"};
  for (int i = 0; i < 3; ++i) {
    fifo[i] = config.File(names[i]);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo[i]).constData(), 0600), 0);
  }
  const QString ini = config.Path() + "/Orrindale/Pellamy.ini";
  PellamyTest::WriteFileBytes(ini, "[Preferences]\r\nRestoreLastGame=0\r\nShowTips=0\r\nSndVer=1\r\n"
                                   "SoundMask=7807\r\nStartupSnd=" + fifo[2].toUtf8() +
                                   "\r\nBackIndex=9\r\nCustomImage=" + fifo[0].toUtf8() +
                                   "\r\nBackgroundIndex=2\r\nBackgroundImage=" + fifo[1].toUtf8() + "\r\n");
  // A device that reads the file, so the sound path is taken on any machine.
  TSoundPlayer nullDevice(QStringLiteral("null"));
  SetSoundDevice(&nullDevice);
  std::vector<QString> shown;
  Prompts::SetAnswerer([&](const Prompts::TPrompt& p) {
    shown.push_back(p.Text);
    return Prompts::IDOK;
  });
  {
    const PellamyTest::TWatchdog watchdog("start-up with FIFOs as picture and sound paths", std::chrono::seconds(10));
    TLongLivedWindows windows = CreateLongLivedWindows();
    EXPECT_EQ(windows.Preferences->FBackIndex, 0) << "the custom back failed to load";
    EXPECT_EQ(windows.Preferences->GetBackgroundGraphic(), nullptr);
  }
  Prompts::ClearAnswerer();
  SetSoundDevice(nullptr);
  EXPECT_TRUE(shown.empty()) << "a path that is there but unreadable fails silently";
  EXPECT_EQ(nullDevice.StartedCount(), 0);
  const TIniFile settings(ini);
  EXPECT_FALSE(settings.ValueExists("Preferences", "CustomImage"));
  EXPECT_FALSE(settings.ValueExists("Preferences", "BackgroundImage"));
  EXPECT_EQ(settings.ReadString("Preferences", "StartupSnd", ""), fifo[2]);
}

}  // namespace
