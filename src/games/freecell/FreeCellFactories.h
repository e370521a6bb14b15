#pragma once
// The FreeCell family's game-window slots: Free Cell (list entry 12), Baker's Game (3)
// and Eight Off (9) at the three card sizes, with their previews drawn from real opening
// layouts.

#include <QImage>

inline constexpr int FreeCellListIndex = 12;
inline constexpr int BakersListIndex = 3;
inline constexpr int EightOffListIndex = 9;

// Sets the factories of the nine windows and the three preview pictures.
void RegisterFreeCellWindows();

// A family game's preview (list index 3, 9 or 12): an opening layout drawn by the game's
// large-card window, without its status bar, 155 x 105. Null for another index.
QImage FreeCellPreviewPicture(int listIndex);
