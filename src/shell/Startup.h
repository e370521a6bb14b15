#pragma once
// The program's long-lived windows, created in the program's order: the main window, the
// desktop-size warning, the options dialog (the settings store, which may already launch
// the last game, play the start-up sound and show the tip of the day), the game-number
// dialog and the statistics dialog. Destroyed in the reverse order.

#include <memory>

#include "shell/GameSelectWindow.h"
#include "shell/PellamyWindow.h"
#include "shell/Preferences.h"
#include "shell/Requirements.h"
#include "shell/StatisticsWindow.h"

struct TLongLivedWindows {
  std::unique_ptr<TPellamyForm> Main;
  std::unique_ptr<TSysRequirementsForm> Requirements;
  std::unique_ptr<TPreferencesDlg> Preferences;
  std::unique_ptr<TGameSelectDlg> GameSelect;
  std::unique_ptr<TStatisticsDlg> Statistics;

  TLongLivedWindows() = default;
  TLongLivedWindows(TLongLivedWindows&&) = default;
  ~TLongLivedWindows();
};

TLongLivedWindows CreateLongLivedWindows();

// The settings store's start-up steps that reach other windows: restoring the last game
// through the main window's list, the start-up sound and the tip of the day.
TPreferencesStartup StartupSteps(TPellamyForm* main);
