#include "shell/Startup.h"

#include <QApplication>

#include "art/GameNames.h"
#include "engine/Sounds.h"
#include "platform/Metrics.h"
#include "platform/Paths.h"
#include "shell/TipDlg.h"

TLongLivedWindows::~TLongLivedWindows() {
  Statistics.reset();
  GameSelect.reset();
  Preferences.reset();
  Requirements.reset();
  Main.reset();
}

TPreferencesStartup StartupSteps(TPellamyForm* main) {
  TPreferencesStartup steps;
  steps.RestoreLastGame = [main](int lastGame) {
    if (lastGame < 0 || lastGame >= GameCount) return;
    main->GameSelectListBox->setCurrentRow(lastGame);
    main->GameSelectListBoxClick();
  };
  steps.PlayStartupSound = [] {
    if (SoundManager) SoundManager->PlayStartup(false);
  };
  steps.ShowTipOfTheDay = [main] {
    TTipDlg tips;
    tips.DlgCaption = QStringLiteral("Pellamy! Tips");
    tips.TipTitleFont = Metrics::ArialFont(12, true);
    tips.TipFont = Metrics::ArialFont(12);
    tips.INIFile = Paths::DataFile(QStringLiteral("Tips.ini"));
    tips.INISaveFile = main->FIniPath;
    tips.INISection = QStringLiteral("Tips");
    tips.TipsLocation = TTipDlg::locINIFile;
    tips.PanelColor = QApplication::palette().color(QPalette::Base);
    tips.CRLFSubstitute = QStringLiteral("^^");
    return tips.Execute();
  };
  return steps;
}

TLongLivedWindows CreateLongLivedWindows() {
  TLongLivedWindows windows;
  windows.Main = std::make_unique<TPellamyForm>();
  windows.Main->show();
  windows.Requirements = std::make_unique<TSysRequirementsForm>();
  windows.Preferences =
      std::make_unique<TPreferencesDlg>(windows.Main->FIniPath, StartupSteps(windows.Main.get()));
  windows.GameSelect = std::make_unique<TGameSelectDlg>(windows.Main->FIniPath);
  windows.Statistics = std::make_unique<TStatisticsDlg>(windows.Main->FIniPath);
  return windows;
}
