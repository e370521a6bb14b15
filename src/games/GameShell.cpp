#include "games/GameShell.h"

#include <QApplication>

#include "art/ToolBarArt.h"
#include "engine/Animate.h"
#include "platform/Paths.h"
#include "shell/GameSelectWindow.h"
#include "shell/PellamyWindow.h"
#include "shell/Preferences.h"
#include "shell/StatisticsWindow.h"
#include "shell/WinWindow.h"

namespace GameShell {

QString IniPath() {
  if (PellamyForm && !PellamyForm->FIniPath.isEmpty()) return PellamyForm->FIniPath;
  return Paths::SettingsFilePath();
}

QString HelpFile() { return PellamyForm ? PellamyForm->FHelpFile : QString(); }

bool Win9x() { return PellamyForm && PellamyForm->FWin9x; }

TspAnimate* WinAnimation() {
  if (PellamyForm && PellamyForm->FWinAnimation) return PellamyForm->FWinAnimation;
  // No main window (a window made on its own): the games keep one animator themselves.
  static TspAnimate* own = nullptr;
  if (!own) own = new TspAnimate(IniPath());
  return own;
}

void SetCloseAccepted(bool accepted) {
  if (PellamyForm) PellamyForm->FCloseAccepted = accepted;
}

void MinimizeApplication(QWidget* game) {
  if (PellamyForm) {
    PellamyForm->MinimizeApplication();
    return;
  }
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible() && !window->isMinimized() && window != game && window->isWindow())
      window->showMinimized();
}

TToolBarPictures ToolBarPictures(int cardSize) {
  TToolBarPictures pictures;
  pictures.Size = cardSize == 0 ? 12 : cardSize == 2 ? 24 : 16;
  if (!PellamyForm || PellamyForm->speedBarImages.Images.empty()) {
    // No main window to borrow from: the same pictures, drawn here.
    pictures.Normal = ToolBarImages(pictures.Size, TToolBarLook::Normal);
    if (cardSize != 0) pictures.Hot = ToolBarImages(pictures.Size, TToolBarLook::Hot);
    pictures.Disabled = ToolBarImages(pictures.Size, TToolBarLook::Disabled);
    return pictures;
  }
  const TPellamyForm& f = *PellamyForm;
  if (cardSize == 0) {
    pictures.Normal = f.smallSpeedBarImages.Images;
    pictures.Disabled = f.smallSpeedBarDisabledImages.Images;
  } else if (cardSize == 2) {
    pictures.Normal = f.largeSpeedBarImages.Images;
    pictures.Hot = f.largeSpeedBarHotImages.Images;
    pictures.Disabled = f.largeSpeedBarDisabledImages.Images;
  } else {
    pictures.Normal = f.speedBarImages.Images;
    pictures.Hot = f.speedBarHotImages.Images;
    pictures.Disabled = f.speedBarDisabledImages.Images;
  }
  return pictures;
}

int ShowWinDialog(QWidget* game) {
  // A fresh dialog for every win; it frees itself when it closes.
  auto* dialog = new TWinForm(game);
  return dialog->exec();
}

int ShowStatisticsDialog(QWidget* game) {
  (void)game;
  if (!StatisticsDlg) return 2;
  return StatisticsDlg->exec();
}

int ShowGameSelectDialog(QWidget* game, int* number) {
  (void)game;
  if (!GameSelectDlg) return 2;
  const int result = GameSelectDlg->exec();
  if (number) *number = GameSelectDlg->FGameNumber;
  return result;
}

int ShowOptionsDialog(QWidget* game) {
  (void)game;
  if (!PreferencesDlg) return 2;
  return PreferencesDlg->exec();
}

}  // namespace GameShell
