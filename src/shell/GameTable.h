#pragma once
// The thirty games as the shell knows them (list entries in art/GameNames.h): game name, settings section,
// caption, the class names of their three windows and the desktop width each needs.
// The game windows themselves live in the games layer; the shell reaches them only
// through the window registry (GameWindows.h).

#include <QString>

#include "art/GameNames.h"

struct TGameInfo {
  const char* GameName;    // start of the desktop-size warning; the game's prompts
  const char* Section;     // the game's settings section
  const char* Caption;     // caption of the game-number dialog
  const char* LargeClass;  // the large window's class; small and huge put "s"/"h" after the T
  int MinWidth[3];         // minimum desktop width for small, large, huge cards (0: none)
};

const TGameInfo& GameInfo(int index);

// Index of the game whose section is given (case-insensitive), -1 when none.
int GameIndexOfSection(const QString& section);

// The class name of a game's window at a card size (0 small, 1 large, 2 huge).
QString GameWindowClassName(int index, int cardSize);
