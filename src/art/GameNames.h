#pragma once
// The thirty games in the order of the main window's list. The artwork labels the
// placeholder previews with these names and the shell builds its game list from them.

#include <QString>

inline constexpr int GameCount = 30;

// The list entry of game 0..29; "" outside.
QString GameListName(int index);
