#pragma once
// The game-window slots of Pyramid (list entry 20), Pyramid Golf (21), Golf (14) and
// Giza (13) at the three card sizes, with their previews drawn from real opening layouts.

#include <QImage>

inline constexpr int PyramidListIndex = 20;
inline constexpr int PyramidGolfListIndex = 21;
inline constexpr int GolfListIndex = 14;
inline constexpr int GizaListIndex = 13;

// Sets the factories of the windows and the preview pictures.
void RegisterPyramidFamilyWindows();

// A game's preview (list index 13, 14, 20 or 21): an opening layout drawn by the game's
// large-card window, without its status bar, 155 x 105. Null for another index.
QImage PyramidFamilyPreviewPicture(int listIndex);
