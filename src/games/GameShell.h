#pragma once
// What a game window reads from and tells the main window and the shared dialogs, in one
// place, each tolerating a main window or dialog that does not exist (tests build only
// what they need).

#include <QPixmap>
#include <QString>
#include <vector>

class QWidget;
class TspAnimate;

namespace GameShell {

// The settings file: the main window's FIniPath, else the program's settings file.
QString IniPath();
// The main window's help file ("" when unset).
QString HelpFile();
bool Win9x();
// The main window's win animation; without a main window one of the games' own.
TspAnimate* WinAnimation();
void SetCloseAccepted(bool accepted);
// Minimizes the whole program (the main window's way, to the tray when the options say so).
void MinimizeApplication(QWidget* game);

// Tool-bar pictures for a card size: normal, hot and disabled (hot empty for small
// cards); empty when the main window has none.
struct TToolBarPictures {
  std::vector<QPixmap> Normal, Hot, Disabled;
  int Size = 16;
};
TToolBarPictures ToolBarPictures(int cardSize);

// The shared dialogs, shown modally; each returns the modal result. The statistics,
// game-number and options dialogs are the program's single instances: when one does
// not exist (a window made on its own) the result is 2 (cancel) and nothing shows.
int ShowWinDialog(QWidget* game);
int ShowStatisticsDialog(QWidget* game);
int ShowGameSelectDialog(QWidget* game, int* number);
int ShowOptionsDialog(QWidget* game);


}  // namespace GameShell
